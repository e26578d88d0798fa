// A folder of one test's or run's own in the temporary folder.
#pragma once

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

#if defined(_WIN32)
#include <process.h>

#include <random>
#endif

// A fresh folder of the test's own in the temporary folder, which every user
// shares: its name cannot be foreseen, so nobody has planted anything there,
// and it goes with everything in it at the end of its scope.
struct TemporaryFolder {
    TemporaryFolder() {
        const std::filesystem::path shared = std::filesystem::temp_directory_path();
#if defined(_WIN32)
        // No mkdtemp: a random name, taken only when nobody has it yet.
        static unsigned count = 0;
        std::random_device random;
        for (int attempt = 0; attempt < 100 && path.empty(); ++attempt) {
            const std::filesystem::path name = shared / ("dd-test-" + std::to_string(_getpid()) + "-" +
                                                         std::to_string(++count) + "-" + std::to_string(random()));
            if (std::filesystem::create_directory(name)) path = name;
        }
        if (path.empty()) throw std::runtime_error("no folder of the test's own in " + shared.string());
#else
        std::string name = (shared / "dd-test-XXXXXX").string();
        if (!mkdtemp(name.data()))
            throw std::filesystem::filesystem_error("no folder of the test's own", shared,
                                                    std::error_code(errno, std::generic_category()));
        path = name;
#endif
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    std::filesystem::path path;
};
