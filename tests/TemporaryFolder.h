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
#include <iterator>
#include <random>
#include <string_view>

namespace temporary {

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

// The folders of the tests' form: "dd-", five hexadecimal digits, ".", three
// more. Such a name is 8.3, and so its own short name, which no other name
// in the folder can be given.
inline bool ofTheTestsForm(std::wstring_view name) {
    if (name.size() != 12 || !name.starts_with(L"dd-") || name[8] != L'.') return false;
    for (std::size_t i = 3; i < name.size(); ++i)
        if (i != 8 && !((name[i] >= L'0' && name[i] <= L'9') || (name[i] >= L'a' && name[i] <= L'f'))) return false;
    return true;
}

// A new name of the tests' form, which nobody foresees.
inline std::wstring newName() {
    std::random_device random;
    wchar_t name[16];
    std::swprintf(name, std::size(name), L"dd-%05x.%03x", random() & 0xFFFFFu, random() & 0xFFFu);
    return name;
}

// A run holds its folder open, sharing nothing but reading, for as long as
// it lives, and the system lets go when a process ends, however it ends: a
// folder of the tests' form that can be opened to add a file to is an ended
// run's. No process ID, which Wine hands out again, is trusted.
inline HANDLE openFolder(const std::wstring& folder, DWORD access, DWORD share) {
    return CreateFileW(folder.c_str(), access, share, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

// What runs that have ended left in `shared`, each folder emptied while it
// is held so, sharing no deletion: a run that has just made a folder of that
// name cannot take it, and nobody can put another in its place.
inline void removeEnded(const std::filesystem::path& shared) {
    std::error_code ec;
    for (std::filesystem::directory_iterator i(shared, ec); !ec && i != std::filesystem::directory_iterator();
         i.increment(ec)) {
        if (!ofTheTestsForm(i->path().filename().wstring())) continue;
        const std::wstring folder = L"\\\\?\\" + i->path().wstring();
        const HANDLE ended =
            openFolder(folder, FILE_ADD_FILE | FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE);
        if (ended == INVALID_HANDLE_VALUE) continue;  // a live run's, or gone
        BY_HANDLE_FILE_INFORMATION kind;
        const bool folderItself = GetFileInformationByHandle(ended, &kind) &&
                                  (kind.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                                  !(kind.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
        if (folderItself) removeAll(folder);
        CloseHandle(ended);
        if (folderItself) RemoveDirectoryW(folder.c_str());  // emptied, and no longer held
    }
}

// A new folder of the tests' form in the temporary folder, held in `held`
// until it goes; what ended runs left goes first. A copy of the module that
// a run loaded stays until its process ends (each pins itself), so its
// folder too.
inline std::filesystem::path folderOfOurOwn(HANDLE& held) {
    const std::filesystem::path shared = std::filesystem::temp_directory_path();
    removeEnded(shared);
    // No mkdtemp: a random name, taken only when nobody has it yet.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::wstring name = newName();
        const std::wstring folder = L"\\\\?\\" + (shared / name).wstring();
        if (!CreateDirectoryW(folder.c_str(), nullptr)) continue;
        held = openFolder(folder, FILE_LIST_DIRECTORY, FILE_SHARE_READ);
        if (held != INVALID_HANDLE_VALUE) return shared / name;
        // Another run's start took it for an ended one's before it was held.
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
    TemporaryFolder() {
        path = temporary::folderOfOurOwn(held_);
        top_ = L"\\\\?\\" + path.wstring();
    }
    ~TemporaryFolder() {
        CloseHandle(held_);
        temporary::removeAll(top_);
    }
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
#if defined(_WIN32)
private:
    HANDLE held_ = INVALID_HANDLE_VALUE;
    std::wstring top_;  // the folder made, which `path` may have gone below
#endif
};
