// A folder of one test's or run's own in the temporary folder.
#pragma once

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

#if defined(_WIN32)
#include <windows.h>

#include <cwchar>
#include <random>
#include <string_view>

namespace temporary {

// Whether the process `id` still runs.
inline bool running(DWORD id) {
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
    if (!process) return false;
    const bool ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    CloseHandle(process);
    return !ended;
}

// `folder` with everything in it, as far as it can go, named through "\\?\"
// (as std::filesystem does not): names a lookup would trim, and paths past
// MAX_PATH, go too. A link goes, not what it leads to.
inline void removeAll(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName, inner = folder + L"\\" + name;
            if (name == L"." || name == L"..") continue;
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileW(inner.c_str());
            else if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
                RemoveDirectoryW(inner.c_str());
            else
                removeAll(inner);
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}
inline void removeAll(const std::filesystem::path& folder) { removeAll(L"\\\\?\\" + folder.wstring()); }

// A new folder named `prefix`, the process and a number nobody foresees:
// Wine reuses process IDs, and a copy of the module that a run loaded stays
// until its process ends (each pins itself), so its folder too. What runs
// that have ended left under `prefix` goes first.
inline std::filesystem::path folderOfOurOwn(std::wstring_view prefix) {
    const std::filesystem::path shared = std::filesystem::temp_directory_path();
    std::error_code ec;
    for (std::filesystem::directory_iterator i(shared, ec); !ec && i != std::filesystem::directory_iterator();
         i.increment(ec)) {
        const std::wstring name = i->path().filename().wstring();
        if (name.starts_with(prefix) && !running(std::wcstoul(name.c_str() + prefix.size(), nullptr, 10)))
            removeAll(i->path());
    }
    // No mkdtemp: a random name, taken only when nobody has it yet.
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path name =
            shared / (std::wstring(prefix) + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(random()));
        if (std::filesystem::create_directory(name)) return name;
    }
    throw std::runtime_error("no folder of the test's own in " + shared.string());
}

}  // namespace temporary
#endif

// A fresh folder of the test's own in the temporary folder, which every user
// shares: its name cannot be foreseen, so nobody has planted anything there,
// and it goes with everything in it at the end of its scope.
struct TemporaryFolder {
#if defined(_WIN32)
    explicit TemporaryFolder(std::wstring_view prefix = L"dd-test-") : path(temporary::folderOfOurOwn(prefix)) {}
    ~TemporaryFolder() { temporary::removeAll(path); }
#else
    TemporaryFolder() {
        const std::filesystem::path shared = std::filesystem::temp_directory_path();
        std::string name = (shared / "dd-test-XXXXXX").string();
        if (!mkdtemp(name.data()))
            throw std::filesystem::filesystem_error("no folder of the test's own", shared,
                                                    std::error_code(errno, std::generic_category()));
        path = name;
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
#endif
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    std::filesystem::path path;
};
