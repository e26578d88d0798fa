// Self-registration: the key under which the host finds its device modules,
// with the module's path and identity.
#include <cstring>

#include "engine/TextJoin.h"
#include "frame/Identity.h"
#include "frame/Registration.h"
#include "platform/SystemRegistry.h"

using namespace platform;

namespace {

constexpr const char* kParentKey = "SOFTWARE\\Vantrope\\PB\\DTMs\\Q15";

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
    HKEY root = nullptr;
    if (LONG failed = RegConnectRegistryA(nullptr, HKEY_LOCAL_MACHINE, &root)) return failed;
    const CStrPP path = "SOFTWARE\\Vantrope\\PB\\DTMs\\Q15\\" + identity::deviceName;
    HKEY key = nullptr;
    LONG result = RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    if (result == ERROR_SUCCESS) {
        // Every value is tried; the first failure is what the caller learns.
        const LONG results[] = {
            setText(key, "DLLPATH", identity::modulePath),
            setText(key, "Description", identity::description),
            setText(key, "TechnicalDescription", identity::technicalDescription),
            setNumber(key, "BottomBarStyle", 1),
            setNumber(key, "WriteNotAvailableVariablesToDevice", 1),
        };
        for (const LONG r : results)
            if (r != ERROR_SUCCESS && result == ERROR_SUCCESS) result = r;
        RegCloseKey(key);
    }
    RegCloseKey(root);
    return result;
}

std::int32_t unregisterModule() {
    HKEY root = nullptr;
    if (LONG failed = RegConnectRegistryA(nullptr, HKEY_LOCAL_MACHINE, &root)) return failed;
    HKEY parent = nullptr;
    LONG result = RegOpenKeyExA(root, kParentKey, 0, KEY_WRITE, &parent);
    if (result == ERROR_SUCCESS) {
        result = RegDeleteKeyA(parent, identity::deviceName.c_str());
        RegCloseKey(parent);
    }
    RegCloseKey(root);
    // A key that is not there is as unregistered as it gets.
    return result == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : result;
}
