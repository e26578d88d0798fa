// The registry the tests register in: on Linux a root of the test's own.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

#include "tests/TestSupport.h"

// The device's key below HKEY_LOCAL_MACHINE.
inline const std::string kKey = "SOFTWARE\\Vantrope\\PB\\DTMs\\Q15\\Corvalin / KSM 27 / V1.0";

#if defined(_WIN32)
// The registry is the system's own: there is no root to choose.
struct RegistryRoot {
    RegistryRoot() {}
};
#else
// A registry root of the test's own, not made yet.
struct RegistryRoot {
    RegistryRoot() : path(folder.path / "registry-root") { environment.set("DD_REGISTRY_ROOT", path.string()); }
    ~RegistryRoot() {
        // Every folder open again, so that all of it can go.
        std::error_code ec;
        std::filesystem::permissions(path, std::filesystem::perms::owner_all, ec);
        for (auto i = std::filesystem::recursive_directory_iterator(path, ec);
             !ec && i != std::filesystem::recursive_directory_iterator(); i.increment(ec))
            if (i->is_directory(ec) && !i->is_symlink(ec))
                std::filesystem::permissions(i->path(), std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(path, ec);
    }
    // A copy of the module in a folder open to everyone, beside the registry.
    std::filesystem::path openCopyOfModule() const {
        std::filesystem::permissions(folder.path,
                                     std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                                         std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
                                         std::filesystem::perms::others_exec);
        std::filesystem::create_directories(path);
        std::filesystem::permissions(path, std::filesystem::perms::all & ~std::filesystem::perms::group_write &
                                               ~std::filesystem::perms::others_write);
        const std::filesystem::path copy = path / std::filesystem::path(DD_MODULE_PATH).filename();
        std::filesystem::copy_file(DD_MODULE_PATH, copy, std::filesystem::copy_options::overwrite_existing);
        std::filesystem::permissions(copy, std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
                                               std::filesystem::perms::group_exec |
                                               std::filesystem::perms::others_read |
                                               std::filesystem::perms::others_exec);
        return copy;
    }
    TemporaryFolder folder;
    std::filesystem::path path;
    ScopedEnvironment environment;
};
#endif
