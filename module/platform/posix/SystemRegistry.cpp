#include "platform/SystemRegistry.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <new>
#include <stdexcept>
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
        const bool plain = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == ' ' ||
                           b == '_' || b == '-' || b == '(' || b == ')' || b == ',' || b == ';';
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

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The name `escape` made this file name from; nothing when the file name is
// not one it makes.
std::optional<std::string> unescape(const std::string& name) {
    if (name == "%") return std::string();
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] != '%') {
            out += name[i];
            continue;
        }
        if (i + 2 >= name.size()) return std::nullopt;
        const int high = hexDigit(name[i + 1]);
        const int low = hexDigit(name[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

// The directory of a backslash-separated key path below `base`.
fs::path below(const fs::path& base, const char* subKey) {
    fs::path path = base;
    std::string component;
    for (const char* p = subKey ? subKey : "";; ++p) {
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

// A file-system failure as the registry reports it.
LONG refused(const std::error_code& ec) {
    return ec == std::errc::not_enough_memory ? ERROR_NOT_ENOUGH_MEMORY : ERROR_ACCESS_DENIED;
}
LONG refused(int error) { return refused(std::error_code(error, std::generic_category())); }

// Writes all of `bytes`, as often as the system takes only a part.
bool writeAll(int descriptor, const void* bytes, std::size_t size) {
    for (auto* at = static_cast<const char*>(bytes); size;) {
        const ssize_t written = write(descriptor, at, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        at += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// A value's file while it is written; removed on every road out unless it
// was renamed into place, so a failed write leaves nothing behind.
class PartialFile {
public:
    explicit PartialFile(fs::path path) : path_(std::move(path)) {}
    ~PartialFile() {
        std::error_code ignored;
        if (!placed_) fs::remove(path_, ignored);
    }
    PartialFile(const PartialFile&) = delete;
    PartialFile& operator=(const PartialFile&) = delete;

    const fs::path& path() const { return path_; }
    void placed() { placed_ = true; }

private:
    fs::path path_;
    bool placed_ = false;
};

// Runs one registry call: like the system's, it reports and never throws.
template <class Call>
LONG guarded(Call call) noexcept {
    try {
        return call();
    } catch (const std::bad_alloc&) {
        return ERROR_NOT_ENOUGH_MEMORY;
    } catch (...) {
        return ERROR_ACCESS_DENIED;
    }
}

// Whether a key's folder is there: ERROR_SUCCESS, ERROR_FILE_NOT_FOUND, or
// the failure that kept it from being looked at.
LONG lookAt(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (fs::is_directory(status)) return ERROR_SUCCESS;
    if (!ec || status.type() == fs::file_type::not_found) return ERROR_FILE_NOT_FOUND;
    return refused(ec);
}

}  // namespace

const HKEY HKEY_LOCAL_MACHINE = &localMachineToken;

fs::path registryRoot() {
    if (const char* root = std::getenv("DD_REGISTRY_ROOT"); root && *root) return root;
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) return fs::path(data) / "ddregistry";
    if (const char* home = std::getenv("HOME"); home && *home) return fs::path(home) / ".local/share/ddregistry";
    std::error_code ec;
    const fs::path temporary = fs::temp_directory_path(ec);
    if (ec)
        throw std::runtime_error(
            "no folder for the registry: DD_REGISTRY_ROOT, XDG_DATA_HOME and HOME are unset, "
            "and there is no temporary folder (" +
            ec.message() + ")");
    return temporary / "ddregistry";
}

LONG RegConnectRegistryA(const char* machine, HKEY predefined, HKEY* result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    if (machine && *machine) return ERROR_BAD_NETPATH;
    if (predefined != HKEY_LOCAL_MACHINE) return ERROR_INVALID_HANDLE;
    return guarded([&] {
        *result = new RegistryKey{registryRoot() / "HKEY_LOCAL_MACHINE", false};
        return ERROR_SUCCESS;
    });
}

LONG RegCreateKeyExA(HKEY key, const char* subKey, DWORD, char*, DWORD, REGSAM, void*, HKEY* result,
                     DWORD* disposition) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    const fs::path* base = directoryOf(key);
    if (!base) return ERROR_INVALID_HANDLE;
    return guarded([&] {
        const fs::path path = below(*base, subKey);
        const LONG found = lookAt(path);
        if (found != ERROR_SUCCESS && found != ERROR_FILE_NOT_FOUND) return found;
        if (found == ERROR_FILE_NOT_FOUND) {
            std::error_code ec;
            fs::create_directories(path, ec);
            // Made meanwhile by another program is as good as made.
            if (lookAt(path) != ERROR_SUCCESS) return ec ? refused(ec) : ERROR_ACCESS_DENIED;
        }
        auto opened = std::make_unique<RegistryKey>(RegistryKey{path, false});
        if (disposition) *disposition = found == ERROR_SUCCESS ? 2 : 1;  // opened an existing key : created one
        *result = opened.release();
        return ERROR_SUCCESS;
    });
}

LONG RegOpenKeyExA(HKEY key, const char* subKey, DWORD, REGSAM, HKEY* result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    const fs::path* base = directoryOf(key);
    if (!base) return ERROR_INVALID_HANDLE;
    return guarded([&] {
        const fs::path path = below(*base, subKey);
        if (const LONG found = lookAt(path); found != ERROR_SUCCESS) return found;
        *result = new RegistryKey{path, false};
        return ERROR_SUCCESS;
    });
}

LONG RegSetValueExA(HKEY key, const char* valueName, DWORD, DWORD type, const BYTE* data, DWORD size) {
    const fs::path* base = directoryOf(key);
    if (!base) return ERROR_INVALID_HANDLE;
    if (!data && size) return ERROR_INVALID_PARAMETER;
    return guarded([&] {
        const fs::path file = *base / (escape(valueName ? valueName : "") + kValueSuffix);
        PartialFile partial(file.string() + ".partial");
        // The system's own calls: nothing is allocated once the file exists.
        const int descriptor = open(partial.path().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (descriptor < 0) return refused(errno);
        const BYTE header[4] = {BYTE(type), BYTE(type >> 8), BYTE(type >> 16), BYTE(type >> 24)};
        const bool written = writeAll(descriptor, header, sizeof header) && writeAll(descriptor, data, size);
        const int writeError = errno;
        if (close(descriptor) != 0 || !written) return refused(written ? errno : writeError);
        std::error_code ec;
        fs::rename(partial.path(), file, ec);
        if (ec) return refused(ec);
        partial.placed();
        return ERROR_SUCCESS;
    });
}

LONG RegDeleteKeyA(HKEY key, const char* subKey) {
    const fs::path* base = directoryOf(key);
    if (!base) return ERROR_INVALID_HANDLE;
    if (!subKey || !*subKey) return ERROR_INVALID_PARAMETER;
    return guarded([&] {
        const fs::path path = below(*base, subKey);
        if (const LONG found = lookAt(path); found != ERROR_SUCCESS) return found;
        // The folder is read with the system's own calls: they report a lack
        // of memory, where the library's iterators may end the process.
        const std::unique_ptr<DIR, int (*)(DIR*)> folder(opendir(path.c_str()), &closedir);
        if (!folder) return refused(errno);
        const auto each = [&](auto&& visit) -> LONG {
            rewinddir(folder.get());
            errno = 0;
            while (const dirent* entry = readdir(folder.get())) {
                if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
                if (const LONG failed = visit(entry->d_name)) return failed;
                errno = 0;
            }
            return errno ? refused(errno) : ERROR_SUCCESS;
        };
        const int descriptor = dirfd(folder.get());
        // A key with subkeys stays.
        if (const LONG failed = each([&](const char* name) -> LONG {
                struct stat status {};
                if (fstatat(descriptor, name, &status, 0) != 0) return ERROR_SUCCESS;  // gone meanwhile
                return S_ISDIR(status.st_mode) ? ERROR_ACCESS_DENIED : ERROR_SUCCESS;
            }))
            return failed;
        // The system's registry removes a key whole or not at all. The key's
        // folder first leaves its place for a name no key can have (keys
        // escape '.'): whatever would refuse its removal refuses this, before
        // any value has gone. Nothing from here on allocates, so nothing
        // throws; a value that cannot go brings the key back.
        std::string hidden(".");
        hidden.append(path.filename().native()).append(".removing");
        const fs::path leaving = path.parent_path() / hidden;
        if (rename(path.c_str(), leaving.c_str()) != 0) return refused(errno);
        const auto back = [&](LONG failed) {
            rename(leaving.c_str(), path.c_str());
            return failed;
        };
        if (const LONG failed = each([&](const char* name) -> LONG {
                if (unlinkat(descriptor, name, 0) == 0 || errno == ENOENT) return ERROR_SUCCESS;
                return refused(errno);
            }))
            return back(failed);
        if (rmdir(leaving.c_str()) != 0) return back(refused(errno));
        return ERROR_SUCCESS;
    });
}

LONG RegCloseKey(HKEY key) {
    if (!key || key->predefined) return ERROR_INVALID_HANDLE;
    delete key;
    return ERROR_SUCCESS;
}

std::optional<std::vector<RegistryValue>> readKey(const std::string& path) {
    const fs::path directory = below(registryRoot() / "HKEY_LOCAL_MACHINE", path.c_str());
    const auto unreadable = [&](const fs::path& what, const std::error_code& ec) {
        return std::runtime_error("cannot read the registry's " + what.string() + ": " + ec.message());
    };
    std::error_code ec;
    const fs::file_status status = fs::status(directory, ec);
    if (status.type() == fs::file_type::not_found) return std::nullopt;
    if (ec) throw unreadable(directory, ec);
    if (!fs::is_directory(status)) return std::nullopt;
    std::vector<RegistryValue> values;
    fs::directory_iterator entry(directory, ec);
    for (const fs::directory_iterator end; !ec && entry != end; entry.increment(ec)) {
        const std::string file = entry->path().filename().string();
        std::error_code probe;
        if (!entry->is_regular_file(probe) || file.size() <= 6 || file.substr(file.size() - 6) != kValueSuffix)
            continue;
        const std::string stem = file.substr(0, file.size() - 6);
        std::optional<std::string> name = unescape(stem);
        if (!name) throw std::runtime_error("damaged registry value name \"" + stem + "\" in " + directory.string());
        errno = 0;
        std::ifstream in(entry->path(), std::ios::binary);
        if (!in.is_open()) throw unreadable(entry->path(), std::error_code(errno, std::generic_category()));
        std::vector<BYTE> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (bytes.size() < 4) continue;
        RegistryValue value;
        value.name = std::move(*name);
        value.type = DWORD(bytes[0]) | DWORD(bytes[1]) << 8 | DWORD(bytes[2]) << 16 | DWORD(bytes[3]) << 24;
        value.data.assign(bytes.begin() + 4, bytes.end());
        values.push_back(std::move(value));
    }
    if (ec) throw unreadable(directory, ec);
    std::sort(values.begin(), values.end(),
              [](const RegistryValue& a, const RegistryValue& b) { return a.name < b.name; });
    return values;
}

}  // namespace platform
