// Self-registration: the key under which the host finds its device modules,
// with the module's path and identity.
#include "frame/Registration.h"

#include <cstring>

#include "engine/TextJoin.h"
#include "frame/Identity.h"
#include "interfaces/ModuleInterface.h"

using namespace platform;

namespace {

// A key handle that is closed on every road out of the scope it lives in.
class OpenKey {
public:
    OpenKey() = default;
    ~OpenKey() {
        if (key_) RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    HKEY* out() { return &key_; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

// A value as the registry takes it: its data stays where it lies.
struct Value {
    const char* name;
    DWORD type;
    const BYTE* data;
    DWORD size;
};

// A text's data counts its terminating zero.
Value text(const char* name, const char* text, std::size_t length) {
    return {name, REG_SZ, reinterpret_cast<const BYTE*>(text), static_cast<DWORD>(length + 1)};
}

}  // namespace

std::int32_t registerModule() {
    // Without the module's own path the key would send hosts to no file.
    if (identity::modulePath.IsEmpty()) return hresultFromWin32(ERROR_MOD_NOT_FOUND);
    // Everything the key will hold is made before the registry is touched, so
    // that running out of memory writes nothing; the values themselves
    // allocate nothing.
    const CStrPP path = CStrPP(kDeviceModulesKey) + "\\" + identity::deviceName;
    static constexpr BYTE kOne[4] = {1, 0, 0, 0};
    const Value values[] = {
        text("DLLPATH", identity::modulePath.c_str(), static_cast<std::size_t>(identity::modulePath.GetLength())),
        text("Description", identity::description, std::strlen(identity::description)),
        text("TechnicalDescription", identity::technicalDescription, std::strlen(identity::technicalDescription)),
        {"BottomBarStyle", REG_DWORD, kOne, sizeof kOne},
        {"WriteNotAvailableVariablesToDevice", REG_DWORD, kOne, sizeof kOne},
    };
    OpenKey root;
    if (const LONG failed = RegConnectRegistryA(nullptr, HKEY_LOCAL_MACHINE, root.out()))
        return hresultFromWin32(failed);
    OpenKey key;
    LONG result = RegCreateKeyExA(root.get(), path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.out(), nullptr);
    if (result == ERROR_SUCCESS) {
        // A value the registry refuses leaves the others to be tried; the
        // first failure is what the caller learns.
        for (const Value& v : values)
            if (const LONG r = RegSetValueExA(key.get(), v.name, 0, v.type, v.data, v.size);
                r != ERROR_SUCCESS && result == ERROR_SUCCESS)
                result = r;
    }
    return hresultFromWin32(result);
}

std::int32_t unregisterModule() {
    OpenKey root;
    if (const LONG failed = RegConnectRegistryA(nullptr, HKEY_LOCAL_MACHINE, root.out()))
        return hresultFromWin32(failed);
    OpenKey parent;
    LONG result = RegOpenKeyExA(root.get(), kDeviceModulesKey, 0, KEY_WRITE, parent.out());
    if (result == ERROR_SUCCESS) result = RegDeleteKeyA(parent.get(), identity::deviceName);
    // A key that is not there is as unregistered as it gets.
    return result == ERROR_FILE_NOT_FOUND ? 0 : hresultFromWin32(result);
}
