// Self-registration: the key under which the host finds its device modules,
// with the module's path and identity.
#include "frame/Registration.h"

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

LONG setText(HKEY key, const char* name, const CStrPP& text) {
    // The size counts the terminating zero.
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.GetLength() + 1));
}

LONG setNumber(HKEY key, const char* name, DWORD number) {
    const BYTE data[4] = {BYTE(number), BYTE(number >> 8), BYTE(number >> 16), BYTE(number >> 24)};
    return RegSetValueExA(key, name, 0, REG_DWORD, data, sizeof data);
}

}  // namespace

std::int32_t registerModule() {
    // Without the module's own path the key would send hosts to no file.
    if (identity::modulePath.IsEmpty()) return hresultFromWin32(ERROR_MOD_NOT_FOUND);
    OpenKey root;
    if (const LONG failed = RegConnectRegistryA(nullptr, HKEY_LOCAL_MACHINE, root.out()))
        return hresultFromWin32(failed);
    const CStrPP path = CStrPP(kDeviceModulesKey) + "\\" + identity::deviceName;
    OpenKey key;
    LONG result = RegCreateKeyExA(root.get(), path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.out(), nullptr);
    if (result == ERROR_SUCCESS) {
        // Every value is tried; the first failure is what the caller learns.
        const LONG results[] = {
            setText(key.get(), "DLLPATH", identity::modulePath),
            setText(key.get(), "Description", identity::description),
            setText(key.get(), "TechnicalDescription", identity::technicalDescription),
            setNumber(key.get(), "BottomBarStyle", 1),
            setNumber(key.get(), "WriteNotAvailableVariablesToDevice", 1),
        };
        for (const LONG r : results)
            if (r != ERROR_SUCCESS && result == ERROR_SUCCESS) result = r;
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
