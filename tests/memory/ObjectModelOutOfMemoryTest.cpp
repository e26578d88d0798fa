// The module when the object-model DLL runs out of memory, on Windows: this
// program lies beside a test-only build of that DLL whose allocations fail on
// a plan, which the module's import finds too. Every allocation the module
// asks of the object model may throw, and the exception must reach the
// module's own handlers, whichever DLL threw it.
#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "host/Dump.h"
#include "tests/TestSupport.h"

namespace fs = std::filesystem;

namespace {

const std::string kKey = std::string(kDeviceModulesKey) + "\\Corvalin / KSM 27 / V1.0";

// The number of values the device's key holds; none where there is no key.
std::optional<DWORD> registeredValues() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    DWORD values = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                     nullptr);
    RegCloseKey(key);
    return values;
}

template <class Fn>
Fn planned(const char* name) {
    const auto fn =
        reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ZTQPBQ15StdLibCOM.dll"), name)));
    if (!fn) throw std::runtime_error(std::string("the object model beside this program has no ") + name);
    return fn;
}

// Object-model allocations fail from the n-th one on while this lives.
struct OutOfMemoryAfter {
    explicit OutOfMemoryAfter(long n) { planned<void (*)(long)>("ddomFailAllocationsFrom")(n); }
    ~OutOfMemoryAfter() { planned<void (*)(long)>("ddomFailAllocationsFrom")(-1); }
    bool ranOut() const { return planned<bool (*)()>("ddomRanOut")(); }
};

// Every n up to 40, then ever further apart: each allocation of a short
// road, a sample of a long one.
long nextN(long n) { return n < 40 ? n + 1 : n + n / 4; }

std::string longPathOf(const fs::path& path) {
    std::string out(GetLongPathNameA(path.string().c_str(), nullptr, 0), '\0');
    out.resize(GetLongPathNameA(path.string().c_str(), out.data(), static_cast<DWORD>(out.size())));
    return out;
}

}  // namespace

TEST(ObjectModelOutOfMemory, ALoadThatRanOutLoadsAndTheFirstEntryPointStartsTheModule) {
    bool completed = false;
    for (long n = 0; !completed && n < 1000; n = nextN(n)) {
        // A copy no one in this process has loaded: each load stays pinned.
        const TemporaryFolder folder;
        const fs::path copy = folder.path / "ZTQQVPB153A0101.dll";
        fs::copy_file(systemPath(DD_MODULE_PATH), copy);
        HMODULE loaded = nullptr;
        {
            OutOfMemoryAfter after(n);
            loaded = LoadLibraryW(copy.wstring().c_str());
            completed = !after.ranOut();
        }
        // The start made at load asks the object model for its first allocation.
        EXPECT_TRUE(n > 0 || !completed);
        ASSERT_NE(loaded, nullptr) << "after " << n << ": " << GetLastError();
        {
            ModuleLoader module(copy.string());
            ASSERT_TRUE(module.loaded()) << module.error();
            std::unique_ptr<CInformation> info(module.getInformation());
            ASSERT_NE(info, nullptr) << "after " << n;
            EXPECT_EQ(info->GetModulePath().str(), longPathOf(copy)) << "after " << n;
        }
        FreeLibrary(loaded);
    }
    EXPECT_TRUE(completed);
}

TEST(ObjectModelOutOfMemory, InformationTextsAreWholeOrEmptyAndRegistrationFailsWritingNothing) {
    ModuleLoader module(DD_MODULE_PATH);
    ASSERT_TRUE(module.loaded()) << module.error();
    std::unique_ptr<CInformation> info(module.getInformation());
    ASSERT_NE(info, nullptr);
    using Text = CStrPP (CInformation::*)();
    for (const Text text : {&CInformation::GetDeviceName, &CInformation::GetModulePath, &CInformation::GetBuildDate}) {
        CInformation* const answering = info.get();
        const std::string whole = (answering->*text)().str();
        std::string got = "thrown";
        {
            OutOfMemoryAfter none(0);
            try {
                got = (answering->*text)().IsEmpty() ? "" : "not empty";
            } catch (...) {}
        }
        EXPECT_EQ(got, "");
        // Once memory is back, the text comes back whole.
        EXPECT_EQ((answering->*text)().str(), whole);
        EXPECT_FALSE(whole.empty());
    }
    bool completed = false;
    for (long n = 0; !completed && n < 1000; n = nextN(n)) {
        ASSERT_EQ(module.dllUnregisterServer(), 0);
        std::int32_t result = 0;
        {
            OutOfMemoryAfter after(n);
            result = module.dllRegisterServer();
            completed = !after.ranOut();
        }
        const auto values = registeredValues();
        if (result == 0) {
            EXPECT_EQ(values, 5u) << n;
        } else {
            EXPECT_EQ(static_cast<std::uint32_t>(result), 0x80070008u) << n;
            EXPECT_FALSE(values.has_value()) << n;
        }
    }
    EXPECT_TRUE(completed);
    EXPECT_EQ(module.dllUnregisterServer(), 0);
}

TEST(ObjectModelOutOfMemory, BuildAndCalculationPassLetNothingOutAndTheModuleRecovers) {
    const auto session = openSession();
    CAttributeCalculation& calculator = session->calculator();
    StandInHost& host = session->host();
    const auto dump = [&] {
        std::vector<std::string> lines;
        for (const std::int32_t id : host.ids()) lines.push_back(dumpItem(host, calculator, id));
        return lines;
    };
    const std::vector<std::string> whole = dump();
    bool completed = false;
    for (long n = 0; !completed && n < 10000000; n = nextN(n)) {
        bool ranOut = false;
        {
            OutOfMemoryAfter after(n);
            EXPECT_NO_THROW(calculator.BuildCatalogue()) << n;
            ranOut = after.ranOut();
        }
        std::vector<std::unique_ptr<CDDObject>> objects;
        for (const std::int32_t id : host.ids())
            if (const CDDObject* stored = host.object(id)) objects.emplace_back(stored->clone());
        {
            OutOfMemoryAfter after(n);
            for (const auto& object : objects) {
                EXPECT_NO_THROW(calculator.CalculateAttributes05(ContextWord{0}, object.get())) << n;
                EXPECT_NO_THROW(validity(calculator, *object)) << n;
            }
            ranOut = ranOut || after.ranOut();
        }
        completed = !ranOut;
    }
    EXPECT_TRUE(completed);
    calculator.BuildCatalogue();
    EXPECT_EQ(dump(), whole);
}
