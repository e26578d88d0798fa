// Where the module records that it lies, on Windows: the path Windows reports
// with its short (8.3) names turned into the long ones, and never cut; never
// another file's path, none where no spelling loads the file itself.
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "host/Encoding.h"
#include "platform/windows/LongPath.h"
#include "tests/RegistryRoot.h"
#include "tests/TestSupport.h"

namespace fs = std::filesystem;

namespace {

std::string shortPathOf(const std::string& path) {
    std::string out(GetShortPathNameA(path.c_str(), nullptr, 0), '\0');
    out.resize(GetShortPathNameA(path.c_str(), out.data(), static_cast<DWORD>(out.size())));
    return out;
}

std::wstring shortPathOf(const std::wstring& path) {
    std::wstring out(GetShortPathNameW(path.c_str(), nullptr, 0), L'\0');
    out.resize(GetShortPathNameW(path.c_str(), out.data(), static_cast<DWORD>(out.size())));
    return out;
}

std::string longPathOf(const std::string& path) {
    std::string out(GetLongPathNameA(path.c_str(), nullptr, 0), '\0');
    out.resize(GetLongPathNameA(path.c_str(), out.data(), static_cast<DWORD>(out.size())));
    return out;
}

// A folder whose name is no short form of itself, inside a folder of the
// test's own, where no neighbour's name can share its short name.
struct LongFolder : TemporaryFolder {
    LongFolder() {
        path /= "dd module folder";
        fs::create_directory(path);
    }

    // The module copied in as `name`: its path, the path by short names (empty
    // where the volume keeps none) and the long path the module must record.
    struct Copy {
        fs::path path;
        std::string shortPath, longPath;
    };
    Copy copyOfModule(const char* name) const {
        Copy copy{path / name, {}, {}};
        fs::copy_file(systemPath(DD_MODULE_PATH), copy.path);
        copy.shortPath = shortPathOf(copy.path.string());
        if (copy.shortPath == copy.path.string()) copy.shortPath.clear();
        copy.longPath = longPathOf(copy.path.string());
        return copy;
    }
};

// Whether the system's code page has a byte for every character of `text`,
// look-alikes aside.
bool codePageSpells(const std::wstring& text) {
    BOOL usedDefault = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, nullptr, 0, nullptr, &usedDefault);
    return !usedDefault;
}

// The file a handle opens, by volume and index; nothing when it opens none.
using FileId = std::tuple<DWORD, DWORD, DWORD>;
std::optional<FileId> idOf(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info;
    const bool known = file != INVALID_HANDLE_VALUE && GetFileInformationByHandle(file, &info);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    if (!known) return std::nullopt;
    return FileId{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
std::optional<FileId> openedBy(const std::string& narrow) {
    return idOf(CreateFileA(narrow.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr));
}
std::optional<FileId> idOf(const fs::path& wide) {
    return idOf(CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr));
}

// Loads the module at `file` beside a look-alike: the path it records, and
// the one it registers, open that very file where the code page spells its
// short names; where it does not, no path is recorded and none registered.
void expectRecordedAndRegisteredAsItself(const fs::path& file) {
    const std::wstring shortPath = shortPathOf(file.wstring());
    ASSERT_FALSE(shortPath.empty());
    ModuleLoader module(utf8FromUtf16(file.wstring()));
    ASSERT_TRUE(module.loaded()) << module.error();
    std::unique_ptr<CInformation> info(module.getInformation());
    const std::string recorded = info->GetModulePath().str();
    if (!codePageSpells(shortPath)) {
        EXPECT_EQ(recorded, "");
        EXPECT_EQ(module.dllRegisterServer(), HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND));
        return;
    }
    const auto expected = idOf(file);
    EXPECT_EQ(openedBy(recorded), expected) << recorded;
    ASSERT_EQ(module.dllRegisterServer(), 0);
    std::string registered(recorded.size() + 1, '\0');
    DWORD size = static_cast<DWORD>(registered.size());
    EXPECT_EQ(
        RegGetValueA(HKEY_LOCAL_MACHINE, kKey.c_str(), "DLLPATH", RRF_RT_REG_SZ, nullptr, registered.data(), &size),
        ERROR_SUCCESS);
    registered.resize(size);
    EXPECT_EQ(registered, recorded + '\0');
    EXPECT_EQ(openedBy(registered.c_str()), expected) << registered.c_str();
    EXPECT_EQ(module.dllUnregisterServer(), 0);
}

// The module as built, written to `path` (in any form CreateFileW takes)
// with `stamp` as its header's time stamp, by which the copy is known once
// loaded.
void writeStampedCopy(const std::wstring& path, DWORD stamp) {
    std::ifstream in(systemPath(DD_MODULE_PATH), std::ios::binary);
    std::string image{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_GT(image.size(), sizeof(IMAGE_DOS_HEADER));
    LONG headers = 0;
    std::memcpy(&headers, image.data() + offsetof(IMAGE_DOS_HEADER, e_lfanew), sizeof headers);
    std::memcpy(image.data() + headers + offsetof(IMAGE_NT_HEADERS, FileHeader.TimeDateStamp), &stamp, sizeof stamp);
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << fs::path(path).string() << ": " << GetLastError();
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(file, image.data(), static_cast<DWORD>(image.size()), &written, nullptr));
    EXPECT_EQ(written, image.size());
    CloseHandle(file);
}

// The time stamp of a loaded module, read from its mapped headers.
DWORD stampOf(HMODULE module) {
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const auto* headers = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    return reinterpret_cast<const IMAGE_NT_HEADERS*>(base + headers->e_lfanew)->FileHeader.TimeDateStamp;
}

// The time stamp in the header of the file LoadLibraryA(path) opens, which
// adds ".dll" to a final name without "."; 0 where it opens none.
DWORD stampOfFileLoadedBy(std::string path) {
    if (path.find('.', path.find_last_of('\\') + 1) == std::string::npos) path += ".dll";
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    IMAGE_DOS_HEADER start{};
    IMAGE_NT_HEADERS headers{};
    DWORD read = 0;
    const bool found = ReadFile(file, &start, sizeof start, &read, nullptr) && read == sizeof start &&
                       SetFilePointer(file, start.e_lfanew, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER &&
                       ReadFile(file, &headers, sizeof headers, &read, nullptr) && read == sizeof headers;
    CloseHandle(file);
    return found ? headers.FileHeader.TimeDateStamp : 0;
}

// A folder by Wine's own Unix name, through which a file name is taken
// exactly as given: neither case nor short names are matched there. Empty
// outside Wine.
std::wstring exactly(const fs::path& folder) {
    using UnixName = char*(CDECL*)(LPCWSTR);
    const auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* const name = unixName ? unixName(folder.c_str()) : nullptr;
    if (!name) return {};
    std::wstring path = L"\\\\?\\unix" + utf16FromUtf8(name);
    HeapFree(GetProcessHeap(), 0, name);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

// What a module recorded, and the stamp of the copy loaded.
struct Recorded {
    std::string path, basePath;
    DWORD loaded = 0;
};

// Loads the module at `loadAs` as a host does: the path it records and
// registers loads that very copy again, or it records none and then
// registration refuses.
void expectTheLoadedModuleOrNone(const std::wstring& loadAs, Recorded& recorded) {
    const HMODULE module = LoadLibraryW(loadAs.c_str());
    ASSERT_NE(module, nullptr) << fs::path(loadAs).string() << ": " << GetLastError();
    recorded.loaded = stampOf(module);
    const auto entry = [module](const char* name) { return reinterpret_cast<void*>(GetProcAddress(module, name)); };
    const auto registerServer = reinterpret_cast<DllRegisterServerFn>(entry("DllRegisterServer"));
    const auto unregisterServer = reinterpret_cast<DllUnregisterServerFn>(entry("DllUnregisterServer"));
    {
        std::unique_ptr<CInformation> info(reinterpret_cast<GetInformationFn>(entry("GetInformation"))());
        recorded.path = info->GetModulePath().str();
        recorded.basePath = info->GetModuleBasePath().str();
    }
    if (recorded.path.empty()) {
        EXPECT_EQ(recorded.basePath, "");
        EXPECT_EQ(registerServer(), HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND));
        return;
    }
    ASSERT_EQ(registerServer(), 0);
    std::string registered(recorded.path.size() + 1, '\0');
    DWORD size = static_cast<DWORD>(registered.size());
    EXPECT_EQ(
        RegGetValueA(HKEY_LOCAL_MACHINE, kKey.c_str(), "DLLPATH", RRF_RT_REG_SZ, nullptr, registered.data(), &size),
        ERROR_SUCCESS);
    registered.resize(size);
    EXPECT_EQ(registered, recorded.path + '\0');
    EXPECT_EQ(unregisterServer(), 0);
    // As a host loads the registered path. In a process that has loaded the
    // module, the loader gives it for its own name in any case, so the file
    // that the path opens is read too.
    const HMODULE again = LoadLibraryA(registered.c_str());
    EXPECT_EQ(again, module) << registered.c_str();
    if (again) FreeLibrary(again);
    EXPECT_EQ(stampOfFileLoadedBy(registered.c_str()), recorded.loaded) << registered.c_str();
}

}  // namespace

TEST(WindowsModulePath, AModuleReachedThroughShortNamesRecordsTheLongOnes) {
    LongFolder folder;
    const auto copy = folder.copyOfModule("ZTQQVPB153A0101 under a long name.v2.dll");
    if (copy.shortPath.empty()) GTEST_SKIP() << "no short names on this volume";
    const std::string& expected = copy.longPath;
    {
        ModuleLoader module(copy.shortPath);
        ASSERT_TRUE(module.loaded()) << module.error();
        std::unique_ptr<CInformation> info(module.getInformation());
        EXPECT_EQ(info->GetModulePath().str(), expected);
        EXPECT_EQ(info->GetModuleBasePath().str(), expected.substr(0, expected.size() - 4));
    }
}

TEST(WindowsModulePath, ThePathIsTakenWhenTheDllIsAttached) {
    LongFolder folder;
    const auto copy = folder.copyOfModule("ZTQQVPB153A0101 attached.dll");
    if (copy.shortPath.empty()) GTEST_SKIP() << "no short names on this volume";
    const std::string& expected = copy.longPath;
    {
        ModuleLoader module(copy.shortPath);
        ASSERT_TRUE(module.loaded()) << module.error();
        // Moved before any entry point runs: its short name now finds nothing,
        // so only a path taken when the DLL was attached is the long one.
        if (!MoveFileA(copy.path.string().c_str(), (folder.path / "moved.dll").string().c_str()))
            GTEST_SKIP() << "a loaded DLL cannot be moved here: " << GetLastError();
        std::unique_ptr<CInformation> info(module.getInformation());
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->GetModulePath().str(), expected);
    }
}

TEST(WindowsModulePath, EveryComponentLongOrTheReportedTextUnchanged) {
    LongFolder folder;
    const std::string shortFolder = shortPathOf(folder.path.string());
    EXPECT_EQ(platform::longPathOf(fs::path(shortFolder).wstring()), longPathOf(folder.path.string()));
    // A folder that cannot be looked up: Windows' own text, never a mix.
    const std::string missing = shortFolder + "\\no such folder\\ZTQQVPB153A0101.dll";
    EXPECT_EQ(platform::longPathOf(fs::path(missing).wstring()), missing);
    // No backslash from index 2 on: taken unchanged.
    EXPECT_EQ(platform::longPathOf(L"C:ZTQQVPB153A0101.dll"), "C:ZTQQVPB153A0101.dll");
    EXPECT_EQ(platform::longPathOf(L"\\"), "\\");
    EXPECT_EQ(platform::longPathOf(L""), "");
    // Nor read as a pattern: a wildcard finds no file in its stead.
    EXPECT_EQ(platform::longPathOf(folder.path.wstring() + L"\\*"), folder.path.string() + "\\*");
    // What the code page lacks is '?', which names no file, never a look-alike.
    if (!codePageSpells(L"\u03A9")) {
        EXPECT_EQ(platform::longPathOf(folder.path.wstring() + L"\\no such folder \u03A9\\x.dll"),
                  folder.path.string() + "\\no such folder ?\\x.dll");
    }
}

TEST(WindowsModulePath, APathLongerThanMaxPathIsNotCut) {
    // Folders and a load that reach past MAX_PATH need the wide calls.
    LongFolder folder;
    std::vector<std::wstring> folders{L"\\\\?\\" + folder.path.wstring()};
    while (folders.back().size() <= 2 * MAX_PATH) {
        folders.push_back(folders.back() + L"\\a folder of a rather long name, number " +
                          std::to_wstring(folders.size()));
        ASSERT_TRUE(CreateDirectoryW(folders.back().c_str(), nullptr)) << GetLastError();
    }
    const std::wstring file = folders.back() + L"\\ZTQQVPB153A0101.dll";
    ASSERT_TRUE(CopyFileW(fs::path(systemPath(DD_MODULE_PATH)).wstring().c_str(), file.c_str(), TRUE));
    if (shortPathOf(file) == file) GTEST_SKIP() << "no short names on this volume";
    if (HMODULE module = LoadLibraryW(file.c_str())) {
        const auto getInformation =
            reinterpret_cast<GetInformationFn>(reinterpret_cast<void*>(GetProcAddress(module, "GetInformation")));
        std::unique_ptr<CInformation> info(getInformation ? getInformation() : nullptr);
        ASSERT_NE(info, nullptr);
        const std::string recorded = info->GetModulePath().str();
        info.reset();
        FreeLibrary(module);
        // Too long for a host's LoadLibraryA: the file's short names, which a
        // path cut short would not lead to.
        EXPECT_LT(recorded.size(), std::size_t{MAX_PATH});
        EXPECT_EQ(openedBy(recorded), idOf(fs::path(file))) << recorded;
    } else {
        ADD_FAILURE() << "cannot load " << fs::path(file).string() << ": " << GetLastError();
    }
    DeleteFileW(file.c_str());
    for (auto f = folders.rbegin(); f != folders.rend() - 1; ++f) RemoveDirectoryW(f->c_str());
}

// Names the system's code page cannot spell: read in it, a CJK letter would
// be '?', a wildcard, and an omega an O.
TEST(WindowsModulePath, AModuleNamedBeyondTheCodePageRecordsItselfNotAMatchingFile) {
    if (codePageSpells(L"\u4E2D")) GTEST_SKIP() << "the system's code page spells every name here";
    LongFolder folder;
    fs::copy_file(systemPath(DD_MODULE_PATH), folder.path / "mod_A.dll");
    fs::copy_file(systemPath(DD_MODULE_PATH), folder.path / L"mod_\u4E2D.dll");
    expectRecordedAndRegisteredAsItself(folder.path / L"mod_\u4E2D.dll");
}

TEST(WindowsModulePath, AModuleInAFolderNamedBeyondTheCodePageRecordsItselfNotALookAlike) {
    if (codePageSpells(L"\u03A9")) GTEST_SKIP() << "the system's code page spells every name here";
    LongFolder folder;
    for (const wchar_t* name : {L"O", L"\u03A9"}) {
        fs::create_directories(folder.path / name);
        fs::copy_file(systemPath(DD_MODULE_PATH), folder.path / name / "ZTQQVPB153A0101.dll");
    }
    expectRecordedAndRegisteredAsItself(folder.path / L"\u03A9" / "ZTQQVPB153A0101.dll");
}

// Files a lookup leads to in place of the loaded one: the short name Wine
// makes for a name the code page cannot spell, held by another file; a
// name in another case (Linux folders are case-sensitive); a folder whose
// trailing dot or space a lookup trims, beside the folder without it; a
// file without extension beside one with ".dll". Each copy has a stamp of
// its own, by which the test knows which one was loaded.
TEST(WindowsModulePath, ThePathRecordedLoadsTheLoadedFileOrThereIsNone) {
    LongFolder folder;
    const std::wstring root = folder.path.wstring();
    DWORD stamp = 0x5EED0000;
    Recorded recorded;
    std::string untried;  // the twins this system cannot make
    if (codePageSpells(L"\u4E2D")) {
        untried += "the system's code page spells the short-name twin's name\n";
    } else {
        SCOPED_TRACE("short name");
        fs::create_directories(folder.path / "short");
        writeStampedCopy(root + L"\\short\\mod_\u4E2D.dll", ++stamp);
        const DWORD loaded = stamp;
        const std::wstring shortPath = shortPathOf(root + L"\\short\\mod_\u4E2D.dll");
        const std::wstring shortName = shortPath.substr(shortPath.find_last_of(L'\\'));
        const std::wstring twinFolder = exactly(folder.path / "short");
        if (twinFolder.empty() || shortName == L"\\mod_\u4E2D.dll") {
            untried += "no file can take the short name here\n";
        } else {
            writeStampedCopy(twinFolder + shortName, ++stamp);
            expectTheLoadedModuleOrNone(root + L"\\short\\mod_\u4E2D.dll", recorded);
            EXPECT_EQ(recorded.loaded, loaded);
            EXPECT_EQ(recorded.path, "");  // no spelling of it the code page has
        }
    }
    // Two names that differ in case alone, loaded by a name that is neither.
    if (const std::wstring pair = exactly(folder.path); pair.empty()) {
        untried += "a folder here holds no two names that differ in case alone\n";
    } else {
        SCOPED_TRACE("case");
        writeStampedCopy(root + L"\\mod.dll", ++stamp);
        writeStampedCopy(pair + L"\\Mod.dll", ++stamp);
        expectTheLoadedModuleOrNone(root + L"\\MOD.DLL", recorded);
        EXPECT_NE(recorded.path, "");
    }
    // Folders whose names a lookup trims, beside the names it trims them to,
    // are reached through \\?\ alone, in a folder of their own that is never
    // removed whole: a removal would take "dir." for "dir". The copies loaded
    // stay until the process ends.
    const std::wstring trimming = L"\\\\?\\" + root + L" trimmed";
    ASSERT_TRUE(CreateDirectoryW(trimming.c_str(), nullptr)) << GetLastError();
    for (const std::wstring trimmed : {L"dir.", L"sp "}) {
        SCOPED_TRACE(fs::path(trimmed).string());
        const std::wstring pair[] = {trimming + L"\\" + trimmed.substr(0, trimmed.size() - 1),
                                     trimming + L"\\" + trimmed};
        for (const std::wstring& twin : pair) {
            ASSERT_TRUE(CreateDirectoryW(twin.c_str(), nullptr)) << GetLastError();
            writeStampedCopy(twin + L"\\mod.dll", ++stamp);
        }
        expectTheLoadedModuleOrNone(pair[1] + L"\\mod.dll", recorded);
        EXPECT_EQ(recorded.loaded, stamp);
        EXPECT_NE(recorded.path, "");
        for (const std::wstring& twin : pair) {
            DeleteFileW((twin + L"\\mod.dll").c_str());
            RemoveDirectoryW(twin.c_str());
        }
    }
    RemoveDirectoryW(trimming.c_str());
    {
        SCOPED_TRACE("no extension");
        fs::create_directories(folder.path / "a.x");
        writeStampedCopy(root + L"\\a.x\\mod.dll", ++stamp);
        writeStampedCopy(root + L"\\a.x\\mod", ++stamp);
        // A host gives the name a final "." so that LoadLibrary adds no ".dll".
        expectTheLoadedModuleOrNone(root + L"\\a.x\\mod.", recorded);
        EXPECT_EQ(recorded.loaded, stamp);
        const std::string file = longPathOf(folder.path.string()) + "\\a.x\\mod";
        EXPECT_EQ(recorded.path, file + ".");
        EXPECT_EQ(recorded.basePath, file);
    }
    {
        // Loaded by a long path, which a host's LoadLibraryA refuses from
        // MAX_PATH characters on: a short spelling, where one fits.
        SCOPED_TRACE("longer than a host loads");
        std::wstring deep = L"\\\\?\\" + root + L"\\long";
        ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr)) << GetLastError();
        while (deep.size() < 4 + 340) {
            deep += L"\\a folder of a rather long name";
            ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr)) << GetLastError();
        }
        // Without an extension its short names too, but not after "\\?\",
        // where the final "." would be part of the name.
        for (const std::wstring name : {L"\\mod.dll", L"\\mod"}) {
            SCOPED_TRACE(fs::path(name).string());
            const std::wstring file = deep + name;
            writeStampedCopy(file, ++stamp);
            const std::wstring shortPath = shortPathOf(file);
            expectTheLoadedModuleOrNone(file.substr(4) + (name == L"\\mod" ? L"." : L""), recorded);
            EXPECT_EQ(recorded.loaded, stamp);
            EXPECT_LT(recorded.path.size(), std::size_t{MAX_PATH}) << recorded.path;
            if (!shortPath.empty() && shortPath.size() < MAX_PATH) {
                EXPECT_NE(recorded.path, "");
            }
        }
    }
    {
        // Counted with the final "." a host gives: 259 are the long path,
        // 260 are not.
        SCOPED_TRACE("at MAX_PATH");
        const std::string edge = longPathOf(folder.path.string()) + "\\edge";
        for (const std::size_t length : {MAX_PATH - 1, MAX_PATH}) {
            const std::string file = edge + "\\" + std::string(length - edge.size() - 6, 'e') + "\\mod";
            fs::create_directories(fs::path(file).parent_path());
            writeStampedCopy(fs::path(file).wstring(), ++stamp);
            expectTheLoadedModuleOrNone(fs::path(file + ".").wstring(), recorded);
            EXPECT_EQ(recorded.loaded, stamp);
            EXPECT_EQ(recorded.path == file + ".", length < MAX_PATH) << recorded.path;
            // Its short form with the ".", where that is shorter.
            if (shortPathOf(L"\\\\?\\" + fs::path(file).wstring()).size() - 3 < MAX_PATH) {
                EXPECT_NE(recorded.path, "");
            }
        }
    }
    if (!untried.empty()) GTEST_SKIP() << untried;
}
