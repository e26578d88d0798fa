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
#include <vector>

namespace temporary {

// A file or folder opened by its name, through "\\?\", which trims
// nothing, past MAX_PATH too; a link itself, where the system tells one.
inline HANDLE openByName(const std::wstring& path, DWORD access, DWORD share) {
    return CreateFileW(path.c_str(), access | SYNCHRONIZE, share, nullptr, OPEN_EXISTING,
                       FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

// Where the file open as `file` lies, past every link: its volume and its
// path there (which Wine tells however deep, and for a Linux link, which it
// follows, the path of what it leads to). Empty where it cannot be told.
inline std::wstring placeOf(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION volume;
    std::vector<unsigned char> named(sizeof(FILE_NAME_INFO) + 32768 * sizeof(wchar_t));
    if (!GetFileInformationByHandle(file, &volume) ||
        !GetFileInformationByHandleEx(file, FileNameInfo, named.data(), static_cast<DWORD>(named.size())))
        return {};
    const auto* name = reinterpret_cast<const FILE_NAME_INFO*>(named.data());
    std::wstring place = std::to_wstring(volume.dwVolumeSerialNumber) + L":" +
                         std::wstring(name->FileName, name->FileNameLength / sizeof(wchar_t));
    if (place.back() != L'\\') place += L'\\';  // a folder's, before its entries' names
    return place;
}

// Whether the file whose place (see placeOf) is `found` lies at `place`,
// spelt with its names as they are. Wine tells a name without some or all
// of the dots and spaces that end it, and not alike for the last name and
// the folders above it ("a. .\b.." as "a. \b"), and a last name of nothing
// else not at all: a name found counts where it is the one spelt but for
// such an end, whatever its case. (The folder above, which that leaves, is
// held without sharing its deletion, so it is never what opens.)
inline bool atPlace(std::wstring_view found, std::wstring_view place) {
    for (bool first = true;; first = false) {
        const std::size_t f = found.find(L'\\'), p = place.find(L'\\');
        const std::wstring_view name = found.substr(0, f), spelt = place.substr(0, p);
        if ((first && name.empty()) || name.size() > spelt.size() ||
            spelt.find_first_not_of(L". ", name.size()) != std::wstring_view::npos ||
            (!name.empty() && CompareStringOrdinal(name.data(), static_cast<int>(name.size()), spelt.data(),
                                                   static_cast<int>(name.size()), TRUE) != CSTR_EQUAL))
            return false;
        if (f == std::wstring_view::npos || p == std::wstring_view::npos)
            return f == p || (f == std::wstring_view::npos && p + 1 == place.size());
        found.remove_prefix(f + 1);
        place.remove_prefix(p + 1);
    }
}

// The entries of the folder open as `folder`, with their attributes as
// listed, "." and ".." aside.
struct Entry {
    std::wstring name;
    DWORD attributes;
};
inline std::vector<Entry> entriesOf(HANDLE folder) {
    std::vector<Entry> entries;
    std::vector<unsigned char> listed(16384);  // not on the stack, which each level of a removal takes
    for (auto listing = FileFullDirectoryRestartInfo;
         GetFileInformationByHandleEx(folder, listing, listed.data(), static_cast<DWORD>(listed.size()));
         listing = FileFullDirectoryInfo)
        for (std::size_t at = 0;;) {
            const auto* entry = reinterpret_cast<const FILE_FULL_DIR_INFO*>(listed.data() + at);
            const std::wstring name(entry->FileName, entry->FileNameLength / sizeof(wchar_t));
            if (name != L"." && name != L"..") entries.push_back({name, entry->FileAttributes});
            if (!entry->NextEntryOffset) break;
            at += entry->NextEntryOffset;
        }
    return entries;
}

// What tells a folder from a link as listed: Wine lists a Linux link to a
// folder as a link, and opens what it leads to.
constexpr DWORD kKind = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
inline bool aFolder(DWORD attributes) { return (attributes & kKind) == FILE_ATTRIBUTE_DIRECTORY; }

// Removes what `path` names, listed with `attributes`, where it lies at
// `place` past every link (see placeOf) and is still of the kind listed, as
// far as it can go: true where it is gone, or goes as the last program that
// has it open lets go. A link goes, where the system tells it from what it
// leads to, and else stays; what it leads to stays, but for a file that
// Wine tells at the link's own place (in another case, or below a folder
// whose name ends in one dot more). A folder goes with everything in it,
// held meanwhile so that nobody else may delete or write it, and only where
// no other handle keeps it (a run's hold, a program's working folder): where
// every other open shares its deletion and only lists or reads it.
inline bool removeAll(const std::wstring& path, const std::wstring& place,
                      DWORD attributes = FILE_ATTRIBUTE_DIRECTORY) {
    const bool folder = aFolder(attributes);
    const HANDLE taken = openByName(path, DELETE | FILE_READ_ATTRIBUTES | (folder ? FILE_LIST_DIRECTORY : 0),
                                    folder ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    if (taken == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION opened;
    bool gone = atPlace(placeOf(taken), place) && GetFileInformationByHandle(taken, &opened) &&
                (opened.dwFileAttributes & kKind) == (attributes & kKind);
    if (gone && folder)  // all listed, through the handle, before any goes
        for (const auto& [name, listed] : entriesOf(taken))
            removeAll(path + L"\\" + name, place + name + L"\\", listed);
    FILE_DISPOSITION_INFO disposed{TRUE};
    gone = gone && SetFileInformationByHandle(taken, FileDispositionInfo, &disposed, sizeof disposed);
    CloseHandle(taken);
    return gone;
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

// A turn of this session's, which the runs take to make a folder of the
// tests' form, sweeping what ended runs left first, and to remove their own:
// so no start meets a folder that another start, or its own run, is
// removing, and a start's sweep is over when it returns. A run that ends
// during its turn gives it up (the next finds the mutex abandoned), and what
// it left half removed goes at the next sweep.
class Turn {
public:
    Turn() : mutex_(CreateMutexW(nullptr, FALSE, L"Local\\dd-tests-temporary-folders")) {
        const DWORD waited = mutex_ ? WaitForSingleObject(mutex_, INFINITE) : WAIT_FAILED;
        taken_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    }
    ~Turn() {
        if (taken_) ReleaseMutex(mutex_);
        if (mutex_) CloseHandle(mutex_);
    }
    Turn(const Turn&) = delete;
    Turn& operator=(const Turn&) = delete;
    explicit operator bool() const { return taken_; }

private:
    HANDLE mutex_;
    bool taken_ = false;
};

// A run holds its folder open, sharing nothing but reading, for as long as
// it lives, and the system lets go when a process ends, however it ends: a
// folder of the tests' form that nobody keeps is an ended run's. No process
// ID, which Wine hands out again, is trusted.
inline HANDLE holdFolder(const std::wstring& folder) {
    return openByName(folder, FILE_LIST_DIRECTORY, FILE_SHARE_READ);
}

// A new folder of the tests' form in the temporary folder, held in `held`
// until it goes; what ended runs left goes first.
inline std::filesystem::path folderOfOurOwn(HANDLE& held) {
    const std::filesystem::path shared = std::filesystem::temp_directory_path();
    const Turn turn;
    if (!turn)
        throw std::runtime_error("no turn to make a folder of the test's own: error " + std::to_string(GetLastError()));
    const HANDLE at = CreateFileW((L"\\\\?\\" + shared.wstring()).c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (at != INVALID_HANDLE_VALUE) {
        // Folders only: a link of the tests' form stays.
        const std::wstring place = placeOf(at);
        for (const auto& [name, attributes] : entriesOf(at))
            if (ofTheTestsForm(name) && aFolder(attributes))
                removeAll(L"\\\\?\\" + (shared / name).wstring(), place + name + L"\\");
        CloseHandle(at);
    }
    // No mkdtemp: a random name, taken only when nobody has it yet.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::wstring name = newName();
        const std::wstring folder = L"\\\\?\\" + (shared / name).wstring();
        if (!CreateDirectoryW(folder.c_str(), nullptr)) continue;
        held = holdFolder(folder);
        if (held != INVALID_HANDLE_VALUE) return shared / name;
    }
    throw std::runtime_error("no folder of the test's own in " + shared.string());
}

// Removes the folder a run held in `held`, in a turn of its own; where it
// cannot go (a copy of the module that the run loaded stays until its
// process ends: each pins itself), it is held again until then, and a later
// start removes it.
inline void removeOurOwn(HANDLE held, const std::wstring& folder) {
    const Turn turn;
    if (!turn) return;  // still held, until the process ends
    const std::wstring place = placeOf(held);
    CloseHandle(held);
    if (!removeAll(folder, place)) holdFolder(folder);
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
    ~TemporaryFolder() { temporary::removeOurOwn(held_, top_); }
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
