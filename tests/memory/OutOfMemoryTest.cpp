// The module's entry points when memory runs out. This program replaces the
// global allocation functions, so that a test can make every allocation from
// some point on fail, in the module as much as in the host.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <new>

#include "host/ModuleLoader.h"
#include "platform/SystemRegistry.h"
#include "tests/TestSupport.h"
#include "tests/memory/FailingAllocation.h"

namespace {

void* allocateAligned(std::size_t size, std::align_val_t alignment) noexcept {
    if (!failing::granted()) return nullptr;
    const auto a = static_cast<std::size_t>(alignment);
    return std::aligned_alloc(a, (size + a - 1) / a * a);
}

// Allocations fail from the n-th one on while this lives.
struct OutOfMemoryAfter {
    explicit OutOfMemoryAfter(long n) { failing::allowance = n; }
    ~OutOfMemoryAfter() { failing::allowance = -1; }
    bool ranOut() const { return failing::allowance.load() == 0; }
};

}  // namespace

void* operator new(std::size_t size, std::align_val_t a) {
    if (void* p = allocateAligned(size, a)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size, std::align_val_t a) {
    if (void* p = allocateAligned(size, a)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }

namespace fs = std::filesystem;

namespace {

const std::string kKey = std::string(kDeviceModulesKey) + "\\Corvalin / KSM 27 / V1.0";

// A copy of the module no one in this process has loaded yet.
struct FreshModule {
    FreshModule() : folder(own.path), path(folder / fs::path(DD_MODULE_PATH).filename()) {
        fs::copy_file(DD_MODULE_PATH, path, fs::copy_options::overwrite_existing);
        setenv("DD_REGISTRY_ROOT", (folder / "registry").c_str(), 1);
    }
    const TemporaryFolder own;
    fs::path folder, path;
};

}  // namespace

TEST(OutOfMemory, EntryPointsLetNothingOut) {
    FreshModule fresh;
    ModuleLoader module(fresh.path.string());
    ASSERT_TRUE(module.loaded()) << module.error();
    bool escaped = false;
    CInformation* info = nullptr;
    CAttributeCalculation* calculator = nullptr;
    std::int32_t registered = 0, unregistered = 0;
    {
        OutOfMemoryAfter none(0);
        try {
            info = module.getInformation();
            calculator = module.getAttributeCalculation();
            const std::uint16_t* table = nullptr;
            std::int32_t count = 0;
            module.getAttributeCalcDataCategory(&table, &count);
            registered = module.dllRegisterServer();
            unregistered = module.dllUnregisterServer();
        } catch (...) {
            escaped = true;
        }
    }
    EXPECT_FALSE(escaped);
    EXPECT_EQ(info, nullptr);
    EXPECT_EQ(calculator, nullptr);
    EXPECT_LT(registered, 0);
    EXPECT_LT(unregistered, 0);
    // The module's path was taken when it was loaded, not by a first call.
    std::unique_ptr<CInformation> later(module.getInformation());
    ASSERT_NE(later, nullptr);
    EXPECT_EQ(later->GetModulePath().str(), fs::canonical(fresh.path).string());
}

TEST(OutOfMemory, LoadingLetsNothingOutAndTheModuleKnowsItsFileAfterwards) {
    // Fail from the n-th allocation on while the module loads, for every n
    // until a load completes. The module is loaded by a relative name, and
    // the host then moves to another folder before it calls the module.
    struct WorkingFolder {
        const fs::path saved = fs::current_path();
        ~WorkingFolder() {
            std::error_code ec;
            fs::current_path(saved, ec);
        }
    } restored;
    bool completed = false;
    for (long n = 0; !completed && n < 1000; ++n) {
        FreshModule fresh;
        fs::current_path(fresh.folder);
        const std::string relative = "./" + fresh.path.filename().string();
        std::unique_ptr<void, int (*)(void*)> handle(nullptr, &dlclose);
        {
            OutOfMemoryAfter after(n);
            handle.reset(dlopen(relative.c_str(), RTLD_NOW | RTLD_LOCAL));
            completed = !after.ranOut();
        }
        fs::current_path("/");
        ASSERT_NE(handle, nullptr) << "after " << n;
        ModuleLoader module(fresh.path.string());
        // An installer registers before it calls anything else.
        const std::int32_t registered = module.dllRegisterServer();
        std::unique_ptr<CInformation> info(module.getInformation());
        ASSERT_NE(info, nullptr);
        // The module's own file, or no path and no registration: never a path
        // read against the folder the host moved to.
        const std::string path = info->GetModulePath().str();
        if (path.empty()) {
            EXPECT_LT(registered, 0) << "after " << n;
        } else {
            EXPECT_EQ(path, fs::canonical(fresh.path).string()) << "after " << n;
            EXPECT_EQ(registered, 0) << "after " << n;
            std::string registeredPath;
            for (const auto& value : platform::readKey(kKey).value_or(std::vector<platform::RegistryValue>{}))
                if (value.name == "DLLPATH") registeredPath.assign(value.data.begin(), value.data.end());
            EXPECT_EQ(registeredPath, path + '\0') << "after " << n;
        }
    }
    EXPECT_TRUE(completed);
}

TEST(OutOfMemory, InformationTextsAreEmptyRatherThanThrown) {
    ModuleLoader module(DD_MODULE_PATH);
    std::unique_ptr<CInformation> info(module.getInformation());
    ASSERT_NE(info, nullptr);
    using Text = CStrPP (CInformation::*)();
    const Text texts[] = {&CInformation::GetManufacturerName,
                          &CInformation::GetDeviceName,
                          &CInformation::GetDescription,
                          &CInformation::GetHelpFileName,
                          &CInformation::GetPairNames,
                          &CInformation::GetModuleBasePath,
                          &CInformation::GetModulePath,
                          &CInformation::GetVersionLabel,
                          &CInformation::GetFileVersion,
                          &CInformation::GetSecondVersion,
                          &CInformation::GetTechnicalDescription,
                          &CInformation::GetBuildDate};
    int n = 0;
    for (const Text text : texts) {
        ++n;
        CInformation* const answering = info.get();
        const std::string whole = (answering->*text)().str();
        bool escaped = false;
        std::string got = "?";
        {
            OutOfMemoryAfter none(0);
            try {
                const CStrPP answer = (answering->*text)();
                got = answer.str() == whole ? "whole" : answer.IsEmpty() ? "empty" : "cut";
            } catch (...) {
                escaped = true;
            }
        }
        EXPECT_FALSE(escaped) << "text " << n;
        EXPECT_TRUE(got == "whole" || got == "empty") << "text " << n << ": " << got;
    }
    for (const std::int32_t code : {0, 2, 15, 10003, 99}) {
        bool escaped = false;
        {
            OutOfMemoryAfter none(0);
            try {
                info->GetStandardMenuName(code);
                info->GetSpecialItemName(code);
                info->GetPairValue(CStrPP());
            } catch (...) {
                escaped = true;
            }
        }
        EXPECT_FALSE(escaped) << code;
    }
}

TEST(OutOfMemory, RegistrationIsHonestWhereverMemoryRunsOut) {
    // Fail from the n-th allocation on, for every n until a call completes.
    for (const bool add : {true, false}) {
        FreshModule fresh;
        ModuleLoader module(fresh.path.string());
        ASSERT_TRUE(module.loaded()) << module.error();
        bool completed = false;
        for (long n = 0; !completed && n < 100000; ++n) {
            // Start from the other state each time.
            ASSERT_EQ(add ? module.dllUnregisterServer() : module.dllRegisterServer(), 0);
            std::int32_t result = 0;
            bool escaped = false, ranOut = false;
            {
                OutOfMemoryAfter after(n);
                try {
                    result = add ? module.dllRegisterServer() : module.dllUnregisterServer();
                } catch (...) {
                    escaped = true;
                }
                ranOut = after.ranOut();
            }
            ASSERT_FALSE(escaped) << (add ? "register" : "unregister") << " after " << n;
            completed = !ranOut;
            // Whatever failed, nothing the registry makes for itself is left:
            // a value's file while it is written, a key set aside while it
            // goes (hidden names, neither a key nor a value).
            std::error_code none;
            for (const auto& entry : fs::recursive_directory_iterator(fresh.folder / "registry", none)) {
                EXPECT_NE(entry.path().filename().string()[0], '.') << entry.path() << " after " << n;
                EXPECT_EQ(entry.path().extension(), entry.is_directory() ? "" : ".value")
                    << entry.path() << " after " << n;
            }
            if (result == 0) {
                // Success means the entry is as it should be.
                const auto values = platform::readKey(kKey);
                EXPECT_EQ(values.has_value(), add) << n;
                if (add && values) {
                    EXPECT_EQ(values->size(), 5u) << n;
                }
            } else {
                EXPECT_LT(result, 0) << (add ? "register" : "unregister") << " after " << n;
            }
        }
        EXPECT_TRUE(completed);
    }
}
