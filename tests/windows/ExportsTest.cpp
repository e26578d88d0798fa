// The module's export directory as Windows reads it: its name, the five entry
// points at ordinals 3 to 7, nothing else; and the DLLs it needs.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "tests/TestSupport.h"

namespace {

const char* const kEntryPoints[] = {"DllRegisterServer", "DllUnregisterServer", "GetAttributeCalcDataCategory",
                                    "GetAttributeCalculation", "GetInformation"};

struct LoadedModule {
    LoadedModule() : handle(LoadLibraryA(systemPath(DD_MODULE_PATH).c_str())) {}
    ~LoadedModule() {
        if (handle) FreeLibrary(handle);
    }
    template <class T>
    const T* at(DWORD rva) const {
        return reinterpret_cast<const T*>(reinterpret_cast<const unsigned char*>(handle) + rva);
    }
    const IMAGE_DATA_DIRECTORY& directory(int entry) const {
        const auto* dos = at<IMAGE_DOS_HEADER>(0);
        return at<IMAGE_NT_HEADERS>(dos->e_lfanew)->OptionalHeader.DataDirectory[entry];
    }
    HMODULE handle;
};

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

}  // namespace

TEST(WindowsExports, TheFiveEntryPointsByNameAndByOrdinal) {
    LoadedModule module;
    ASSERT_NE(module.handle, nullptr) << GetLastError();
    for (WORD ordinal = 3; ordinal <= 7; ++ordinal) {
        const FARPROC byName = GetProcAddress(module.handle, kEntryPoints[ordinal - 3]);
        ASSERT_NE(byName, nullptr) << kEntryPoints[ordinal - 3];
        EXPECT_EQ(GetProcAddress(module.handle, MAKEINTRESOURCEA(ordinal)), byName) << ordinal;
    }
    EXPECT_EQ(GetProcAddress(module.handle, MAKEINTRESOURCEA(2)), nullptr);
    EXPECT_EQ(GetProcAddress(module.handle, MAKEINTRESOURCEA(8)), nullptr);
    EXPECT_EQ(GetProcAddress(module.handle, "DllMain"), nullptr);
}

TEST(WindowsExports, TheExportDirectoryNamesTheModuleAndHoldsNothingElse) {
    LoadedModule module;
    ASSERT_NE(module.handle, nullptr) << GetLastError();
    const IMAGE_DATA_DIRECTORY& entry = module.directory(IMAGE_DIRECTORY_ENTRY_EXPORT);
    ASSERT_NE(entry.VirtualAddress, 0u);
    const auto* exports = module.at<IMAGE_EXPORT_DIRECTORY>(entry.VirtualAddress);
    EXPECT_STREQ(module.at<char>(exports->Name), "ZTQQVPB153A0101.dll");
    EXPECT_EQ(exports->Base, 3u);
    ASSERT_EQ(exports->NumberOfFunctions, 5u);
    ASSERT_EQ(exports->NumberOfNames, 5u);
    const auto* names = module.at<DWORD>(exports->AddressOfNames);
    const auto* ordinals = module.at<WORD>(exports->AddressOfNameOrdinals);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
        EXPECT_STREQ(module.at<char>(names[i]), kEntryPoints[i]);
        EXPECT_EQ(exports->Base + ordinals[i], 3 + i) << kEntryPoints[i];
    }
}

TEST(WindowsExports, TheModuleNeedsOnlySystemDllsAndTheObjectModel) {
    LoadedModule module;
    ASSERT_NE(module.handle, nullptr) << GetLastError();
    std::vector<std::string> needed;
    const IMAGE_DATA_DIRECTORY& entry = module.directory(IMAGE_DIRECTORY_ENTRY_IMPORT);
    for (const auto* import = module.at<IMAGE_IMPORT_DESCRIPTOR>(entry.VirtualAddress); import->Name; ++import)
        needed.push_back(lower(module.at<char>(import->Name)));
    std::sort(needed.begin(), needed.end());
    EXPECT_EQ(needed,
              (std::vector<std::string>{"advapi32.dll", "kernel32.dll", "msvcrt.dll", "ztqpbq15stdlibcom.dll"}));
    // The object-model library keeps its own name, no "lib" before it.
    EXPECT_NE(GetModuleHandleA("ZTQPBQ15StdLibCOM.dll"), nullptr);
}
