#include "platform/SystemRegistry.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace platform {

struct RegistryKey {
    fs::path directory;
    bool predefined = false;
};

namespace {

RegistryKey localMachineToken{{}, true};

// Key and value names become file names: anything outside a plain set,
// '.' included, is written as %XX so no name can climb out of its key.
std::string escape(const std::string& name) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (const char c : name) {
        const auto b = static_cast<unsigned char>(c);
        const bool plain = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
                           b == ' ' || b == '_' || b == '-' || b == '(' || b == ')' || b == ',' || b == ';';
        if (plain) {
            out += c;
        } else {
            out += '%';
            out += hex[b >> 4];
            out += hex[b & 15];
        }
    }
    return out.empty() ? "%" : out;
}

std::string unescape(const std::string& name) {
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '%' && i + 2 < name.size()) {
            out += static_cast<char>(std::stoi(name.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else if (name[i] != '%') {
            out += name[i];
        }
    }
    return out;
}

// The directory of a backslash-separated key path below `base`.
fs::path below(const fs::path& base, const char* subKey) {
    fs::path path = base;
    std::string component;
    for (const char* p = subKey ? subKey : ""; ; ++p) {
        if (*p == '\\' || *p == '\0') {
            if (!component.empty()) path /= escape(component);
            component.clear();
            if (*p == '\0') break;
        } else {
            component += *p;
        }
    }
    return path;
}

const fs::path* directoryOf(HKEY key) {
    if (!key || key->predefined) return nullptr;
    return &key->directory;
}

constexpr const char* kValueSuffix = ".value";

}  // namespace

const HKEY HKEY_LOCAL_MACHINE = &localMachineToken;

fs::path registryRoot() {
    if (const char* root = std::getenv("DD_REGISTRY_ROOT"); root && *root) return root;
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) return fs::path(data) / "ddregistry";
    if (const char* home = std::getenv("HOME"); home && *home) return fs::path(home) / ".local/share/ddregistry";
    return fs::temp_directory_path() / "ddregistry";
}

LONG RegConnectRegistryA(const char* machine, HKEY predefined, HKEY* result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    if (machine && *machine) return ERROR_BAD_NETPATH;
    if (predefined != HKEY_LOCAL_MACHINE) return ERROR_INVALID_HANDLE;
    *result = new RegistryKey{registryRoot() / "HKEY_LOCAL_MACHINE", false};
    return ERROR_SUCCESS;
}

LONG RegCreateKeyExA(HKEY key, const char* subKey, DWORD, char*, DWORD, REGSAM, void*, HKEY* result,
                     DWORD* disposition) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    const fs::path* base = directoryOf(key);
    if (!base) return ERROR_INVALID_HANDLE;
    const fs::path path = below(*base, subKey);
    std::error_code ec;
    const bool existed = fs::is_directory(path, ec);
    if (!existed && (!fs::create_directories(path, ec) || ec) && !fs::is_directory(path)) return ERROR_ACCESS_DENIED;
    if (disposition) *disposition = existed ? 2 : 1;  // opened an existing key : created a new one
    *result = new RegistryKey{path, false};
    return ERROR_SUCCESS;
}

LONG RegOpenKeyExA(HKEY key, const char* subKey, DWORD, REGSAM, HKEY* result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    const fs::path* base = directoryOf(key);
    if (!base) return ERROR_INVALID_HANDLE;
    const fs::path path = below(*base, subKey);
    std::error_code ec;
    if (!fs::is_directory(path, ec)) return ERROR_FILE_NOT_FOUND;
    *result = new RegistryKey{path, false};
    return ERROR_SUCCESS;
}

LONG RegSetValueExA(HKEY key, const char* valueName, DWORD, DWORD type, const BYTE* data, DWORD size) {
    const fs::path* base = directoryOf(key);
    if (!base) return ERROR_INVALID_HANDLE;
    if (!data && size) return ERROR_INVALID_PARAMETER;
    const fs::path file = *base / (escape(valueName ? valueName : "") + kValueSuffix);
    const fs::path partial = file.string() + ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        const BYTE header[4] = {BYTE(type), BYTE(type >> 8), BYTE(type >> 16), BYTE(type >> 24)};
        out.write(reinterpret_cast<const char*>(header), 4);
        if (size) out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!out.flush()) {
            std::error_code ec;
            fs::remove(partial, ec);
            return ERROR_ACCESS_DENIED;
        }
    }
    std::error_code ec;
    fs::rename(partial, file, ec);
    return ec ? ERROR_ACCESS_DENIED : ERROR_SUCCESS;
}

LONG RegDeleteKeyA(HKEY key, const char* subKey) {
    const fs::path* base = directoryOf(key);
    if (!base) return ERROR_INVALID_HANDLE;
    if (!subKey || !*subKey) return ERROR_INVALID_PARAMETER;
    const fs::path path = below(*base, subKey);
    std::error_code ec;
    if (!fs::is_directory(path, ec)) return ERROR_FILE_NOT_FOUND;
    for (const auto& entry : fs::directory_iterator(path, ec))
        if (entry.is_directory()) return ERROR_ACCESS_DENIED;  // a key with subkeys stays
    fs::remove_all(path, ec);
    return ec ? ERROR_ACCESS_DENIED : ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key) {
    if (!key || key->predefined) return ERROR_INVALID_HANDLE;
    delete key;
    return ERROR_SUCCESS;
}

std::optional<std::vector<RegistryValue>> readKey(const std::string& path) {
    const fs::path directory = below(registryRoot() / "HKEY_LOCAL_MACHINE", path.c_str());
    std::error_code ec;
    if (!fs::is_directory(directory, ec)) return std::nullopt;
    std::vector<RegistryValue> values;
    for (const auto& entry : fs::directory_iterator(directory, ec)) {
        const std::string file = entry.path().filename().string();
        if (!entry.is_regular_file() || file.size() <= 6 || file.substr(file.size() - 6) != kValueSuffix) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<BYTE> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (bytes.size() < 4) continue;
        RegistryValue value;
        value.name = unescape(file.substr(0, file.size() - 6));
        value.type = DWORD(bytes[0]) | DWORD(bytes[1]) << 8 | DWORD(bytes[2]) << 16 | DWORD(bytes[3]) << 24;
        value.data.assign(bytes.begin() + 4, bytes.end());
        values.push_back(std::move(value));
    }
    std::sort(values.begin(), values.end(),
              [](const RegistryValue& a, const RegistryValue& b) { return a.name < b.name; });
    return values;
}

}  // namespace platform
