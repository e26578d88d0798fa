// Self-registration through the system's registry, read back through the
// registry API. Nothing here relies on the registry refusing a caller access,
// on the order in which it lists values, or on a machine without other
// modules' entries.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/TestSupport.h"

namespace {

const std::string kParent = "SOFTWARE\\Vantrope\\PB\\DTMs\\Q15";
const std::string kDevice = kParent + "\\Corvalin / KSM 27 / V1.0";

struct Key {
    ~Key() {
        if (handle) RegCloseKey(handle);
    }
    LONG open(const std::string& path) { return RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &handle); }
    HKEY handle = nullptr;
};

struct Value {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    bool operator==(const Value&) const = default;
};

Value text(const std::string& t) { return {REG_SZ, std::vector<BYTE>(t.c_str(), t.c_str() + t.size() + 1)}; }

Value read(HKEY key, const char* name) {
    Value value;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS) return {};
    value.data.resize(size);
    if (RegQueryValueExA(key, name, nullptr, &value.type, value.data.data(), &size) != ERROR_SUCCESS) return {};
    value.data.resize(size);
    return value;
}

std::unique_ptr<ModuleLoader> load() {
    auto module = std::make_unique<ModuleLoader>(systemPath(DD_MODULE_PATH));
    EXPECT_TRUE(module->loaded()) << module->error();
    return module;
}

}  // namespace

TEST(WindowsRegistration, TheEntryRoundTripsThroughTheRegistry) {
    const auto module = load();
    ASSERT_TRUE(module->loaded());
    ASSERT_EQ(module->dllUnregisterServer(), 0);
    ASSERT_EQ(module->dllUnregisterServer(), 0);  // nothing to remove: still a success
    EXPECT_EQ(module->dllRegisterServer(), 0);
    EXPECT_EQ(module->dllRegisterServer(), 0);  // the same key, the same five values
    {
        Key key;
        ASSERT_EQ(key.open(kDevice), ERROR_SUCCESS);
        DWORD subkeys = 0, values = 0;
        ASSERT_EQ(RegQueryInfoKeyA(key.handle, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                                   nullptr, nullptr, nullptr),
                  ERROR_SUCCESS);
        EXPECT_EQ(subkeys, 0u);
        EXPECT_EQ(values, 5u);
        std::unique_ptr<CInformation> info(module->getInformation());
        const Value path = read(key.handle, "DLLPATH");
        EXPECT_EQ(path, text(info->GetModulePath().str()));  // the terminating zero counted
        EXPECT_EQ(path.data.size(), info->GetModulePath().str().size() + 1);
        EXPECT_EQ(read(key.handle, "Description"), text("Level (Capacitive)"));
        EXPECT_EQ(read(key.handle, "Description").data.size(), 19u);
        EXPECT_EQ(read(key.handle, "TechnicalDescription"), text("1:17;5434,1,1"));
        EXPECT_EQ(read(key.handle, "TechnicalDescription").data.size(), 14u);
        for (const char* name : {"BottomBarStyle", "WriteNotAvailableVariablesToDevice"})
            EXPECT_EQ(read(key.handle, name), (Value{REG_DWORD, {1, 0, 0, 0}})) << name;
    }
    EXPECT_EQ(module->dllUnregisterServer(), 0);
    Key gone, parent;
    EXPECT_EQ(gone.open(kDevice), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(parent.open(kParent), ERROR_SUCCESS);  // the keys above stay
}

// A refused step is reported as installers test it: HRESULT_FROM_WIN32 of
// the registry's error.
TEST(WindowsRegistration, AKeyTheRegistryWillNotCreateIsAFailure) {
    // Under a volatile key the registry creates no lasting one.
    const auto module = load();
    ASSERT_TRUE(module->loaded());
    ASSERT_EQ(module->dllUnregisterServer(), 0);
    const LONG removed = RegDeleteKeyA(HKEY_LOCAL_MACHINE, kParent.c_str());
    if (removed != ERROR_SUCCESS && removed != ERROR_FILE_NOT_FOUND) GTEST_SKIP() << "other modules are registered";
    HKEY parent = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kParent.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_WRITE, nullptr,
                              &parent, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(parent);
    EXPECT_EQ(module->dllRegisterServer(), HRESULT_FROM_WIN32(ERROR_CHILD_MUST_BE_VOLATILE));
    Key never;
    EXPECT_EQ(never.open(kDevice), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteKeyA(HKEY_LOCAL_MACHINE, kParent.c_str()), ERROR_SUCCESS);
}

TEST(WindowsRegistration, AKeyTheRegistryWillNotDeleteIsAFailure) {
    // A key that has a subkey of its own is not deleted.
    const auto module = load();
    ASSERT_TRUE(module->loaded());
    ASSERT_EQ(module->dllRegisterServer(), 0);
    const std::string extra = kDevice + "\\extra";
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, extra.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(module->dllUnregisterServer(), HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED));
    Key still;
    EXPECT_EQ(still.open(kDevice), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyA(HKEY_LOCAL_MACHINE, extra.c_str()), ERROR_SUCCESS);
    EXPECT_EQ(module->dllUnregisterServer(), 0);
}
