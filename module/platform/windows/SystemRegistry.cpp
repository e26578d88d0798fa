// The registry calls are the system's own here: each passes straight through.
#include "platform/SystemRegistry.h"

namespace {
// The platform's names carry the system's values, since they pass through.
constexpr platform::LONG kSuccess = platform::ERROR_SUCCESS, kNotFound = platform::ERROR_FILE_NOT_FOUND,
                         kNoModule = platform::ERROR_MOD_NOT_FOUND;
constexpr platform::DWORD kText = platform::REG_SZ, kNumber = platform::REG_DWORD;
constexpr platform::REGSAM kWrite = platform::KEY_WRITE;
}  // namespace

#include <windows.h>

#include <algorithm>

namespace {

// windows.h names the predefined key by a macro, which would also replace the
// platform's own name below.
const HKEY kLocalMachine = HKEY_LOCAL_MACHINE;
#undef HKEY_LOCAL_MACHINE

HKEY native(platform::HKEY key) { return reinterpret_cast<HKEY>(key); }

static_assert(kSuccess == ERROR_SUCCESS && kNotFound == ERROR_FILE_NOT_FOUND && kNoModule == ERROR_MOD_NOT_FOUND &&
              kText == REG_SZ && kNumber == REG_DWORD && kWrite == KEY_WRITE);

}  // namespace

namespace platform {

const HKEY HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(kLocalMachine);

LONG RegConnectRegistryA(const char* machine, HKEY predefined, HKEY* result) {
    ::HKEY connected = nullptr;
    const LONG status = ::RegConnectRegistryA(machine, native(predefined), &connected);
    if (result) *result = reinterpret_cast<HKEY>(connected);
    return status;
}

LONG RegCreateKeyExA(HKEY key, const char* subKey, DWORD reserved, char* keyClass, DWORD options, REGSAM access,
                     void* security, HKEY* result, DWORD* disposition) {
    ::HKEY created = nullptr;
    ::DWORD how = 0;
    const LONG status =
        ::RegCreateKeyExA(native(key), subKey, reserved, keyClass, options, access,
                          static_cast<LPSECURITY_ATTRIBUTES>(security), &created, disposition ? &how : nullptr);
    if (result) *result = reinterpret_cast<HKEY>(created);
    if (disposition) *disposition = how;
    return status;
}

LONG RegOpenKeyExA(HKEY key, const char* subKey, DWORD options, REGSAM access, HKEY* result) {
    ::HKEY opened = nullptr;
    const LONG status = ::RegOpenKeyExA(native(key), subKey, options, access, &opened);
    if (result) *result = reinterpret_cast<HKEY>(opened);
    return status;
}

LONG RegSetValueExA(HKEY key, const char* valueName, DWORD reserved, DWORD type, const BYTE* data, DWORD size) {
    return ::RegSetValueExA(native(key), valueName, reserved, type, data, size);
}

LONG RegDeleteKeyA(HKEY key, const char* subKey) { return ::RegDeleteKeyA(native(key), subKey); }

LONG RegCloseKey(HKEY key) { return ::RegCloseKey(native(key)); }

void endIfCancelled() {}

std::filesystem::path registryRoot() { return {}; }

std::optional<std::vector<RegistryValue>> readKey(const std::string& path) {
    ::HKEY key = nullptr;
    if (::RegOpenKeyExA(kLocalMachine, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    ::DWORD longestName = 0, largestData = 0;
    std::vector<RegistryValue> values;
    if (::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longestName,
                           &largestData, nullptr, nullptr) == ERROR_SUCCESS) {
        std::string name(longestName + 1, '\0');
        for (::DWORD index = 0;; ++index) {
            RegistryValue value;
            value.data.resize(largestData);
            ::DWORD nameLength = static_cast<::DWORD>(name.size());
            ::DWORD type = 0, size = largestData;
            if (::RegEnumValueA(key, index, name.data(), &nameLength, nullptr, &type, value.data.data(), &size) !=
                ERROR_SUCCESS)
                break;
            value.name.assign(name.data(), nameLength);
            value.type = type;
            value.data.resize(size);
            values.push_back(std::move(value));
        }
    }
    ::RegCloseKey(key);
    std::sort(values.begin(), values.end(),
              [](const RegistryValue& a, const RegistryValue& b) { return a.name < b.name; });
    return values;
}

}  // namespace platform
