// The module's export directory as Windows reads it: its name, the five entry
// points at ordinals 3 to 7, nothing else; the DLLs it needs; and what its
// loads and unloads leave in the host's process.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
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

// The TLS slots the process may still take, counted by taking them all.
std::size_t freeTlsSlots() {
    std::vector<DWORD> taken;
    for (DWORD slot; (slot = TlsAlloc()) != TLS_OUT_OF_INDEXES;) taken.push_back(slot);
    for (DWORD slot : taken) TlsFree(slot);
    return taken.size();
}

// The bytes in use on every heap of the process.
std::size_t heapBytesInUse() {
    std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 8);
    heaps.resize(std::min<std::size_t>(heaps.size(), GetProcessHeaps(heaps.size(), heaps.data())));
    std::size_t total = 0;
    for (HANDLE heap : heaps) {
        HeapLock(heap);
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heap, &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += entry.cbData;
        HeapUnlock(heap);
    }
    return total;
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
    // And the C++ runtime's DLLs where the architecture's build needs them.
    std::vector<std::string> expected{"advapi32.dll", "kernel32.dll", "msvcrt.dll", "ztqpbq15stdlibcom.dll"};
    std::istringstream runtime(DD_RUNTIME_DLLS);
    for (std::string dll; runtime >> dll;) expected.push_back(dll);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(needed, expected);
    // The object-model library keeps its own name, no "lib" before it.
    EXPECT_NE(GetModuleHandleA("ZTQPBQ15StdLibCOM.dll"), nullptr);
}

TEST(WindowsExports, LoadedAndUnloadedOverAndOverFromSeveralThreadsNothingAccumulates) {
    // Each cycle loads the module where it is not loaded and unloads it
    // after a thread has used it through a second load and ended, the
    // loading thread still alive. More cycles than the process has TLS slots.
    const auto cycle = []() -> std::string {
        ModuleLoader module(DD_MODULE_PATH);
        if (!module.loaded()) return module.error();
        bool calculated = false;
        std::thread([&calculated] {
            Session session(DD_MODULE_PATH);
            calculated = session.ok() && calculate(session, "trans1_level_unit");
        }).join();
        std::unique_ptr<CInformation> info(module.getInformation());
        if (!calculated) return "nothing calculated on the thread";
        return info->GetModulePath().str().empty() ? "no module path" : "";
    };
    // The first load may keep what the process needs of it.
    ASSERT_EQ(cycle(), "");
    const std::size_t slots = freeTlsSlots(), bytes = heapBytesInUse();
    for (int n = 1; n <= 1250; ++n) {
        ASSERT_EQ(cycle(), "") << "cycle " << n;
        if (n % 250 != 0) continue;
        // A few KiB of slack, as the process's own records of its threads
        // grow a little: less than what one load kept before.
        ASSERT_EQ(freeTlsSlots(), slots) << "TLS slots after " << n << " cycles";
        ASSERT_LT(heapBytesInUse(), bytes + 16 * 1024) << "heap after " << n << " cycles";
    }
}
