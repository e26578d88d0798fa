// Where the module records that it lies, on Windows: the path Windows reports
// with its short (8.3) names turned into the long ones, and never cut; never
// another file's path where the code page cannot spell a name.
#include <windows.h>

#include <filesystem>
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

std::string longPathOf(const std::string& path) {
    std::string out(GetLongPathNameA(path.c_str(), nullptr, 0), '\0');
    out.resize(GetLongPathNameA(path.c_str(), out.data(), static_cast<DWORD>(out.size())));
    return out;
}

// A folder of the test's own whose name has no short form of itself.
struct LongFolder {
    LongFolder() : path(fs::temp_directory_path() / ("dd module folder " + std::to_string(GetCurrentProcessId()))) {
        fs::create_directories(path);
    }
    ~LongFolder() {
        std::error_code ec;
        fs::remove_all(path, ec);
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

    fs::path path;
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
// short names, and no file where it does not.
void expectRecordedAndRegisteredAsItself(const fs::path& file) {
    std::wstring shortPath(MAX_PATH, L'\0');
    shortPath.resize(GetShortPathNameW(file.c_str(), shortPath.data(), MAX_PATH));
    ASSERT_FALSE(shortPath.empty());
    const auto expected = codePageSpells(shortPath) ? idOf(file) : std::nullopt;
    ModuleLoader module(utf8FromUtf16(file.wstring()));
    ASSERT_TRUE(module.loaded()) << module.error();
    std::unique_ptr<CInformation> info(module.getInformation());
    const std::string recorded = info->GetModulePath().str();
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
        EXPECT_EQ(platform::longPathOf(L"C:\\no such folder \u03A9\\x.dll"), "C:\\no such folder ?\\x.dll");
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
    if (HMODULE module = LoadLibraryW(file.c_str())) {
        std::wstring reported(4 * MAX_PATH, L'\0');
        reported.resize(GetModuleFileNameW(module, reported.data(), static_cast<DWORD>(reported.size())));
        const auto getInformation =
            reinterpret_cast<GetInformationFn>(reinterpret_cast<void*>(GetProcAddress(module, "GetInformation")));
        std::unique_ptr<CInformation> info(getInformation ? getInformation() : nullptr);
        ASSERT_NE(info, nullptr);
        const std::string recorded = info->GetModulePath().str();
        info.reset();
        FreeLibrary(module);
        EXPECT_GT(recorded.size(), std::size_t{MAX_PATH});
        EXPECT_EQ(recorded, fs::path(reported).string());
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
