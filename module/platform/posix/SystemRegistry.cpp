#include "platform/SystemRegistry.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <stdexcept>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace platform {

// A connection reaches the root folder by its path, since the first
// registration may still have to make it. An opened key holds its folder,
// reached without following any link: later calls on it cannot be led
// elsewhere by a link planted meanwhile.
struct RegistryKey {
    fs::path root;
    int folder = -1;
    bool predefined = false;
    ~RegistryKey() {
        if (folder >= 0) close(folder);
    }
};

namespace {

RegistryKey localMachineToken{{}, -1, true};

const char* const kHex = "0123456789ABCDEF";

// Key and value names become file names: anything outside a plain set,
// '.' included, is written as %XX so no name can climb out of its key, and
// no name starts with a '.': such names are the registry's own.
std::string escape(const std::string& name) {
    std::string out;
    for (const char c : name) {
        const auto b = static_cast<unsigned char>(c);
        const bool plain = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == ' ' ||
                           b == '_' || b == '-' || b == '(' || b == ')' || b == ',' || b == ';';
        if (plain) {
            out += c;
        } else {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 15];
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
    // Each name has one spelling: "%41" or "%2f" reads as a name, but
    // `escape` never writes it so.
    if (escape(out) != name) return std::nullopt;
    return out;
}

// The folder names of a backslash-separated key path.
std::vector<std::string> foldersOf(const char* subKey) {
    std::vector<std::string> folders;
    std::string component;
    for (const char* p = subKey ? subKey : "";; ++p) {
        if (*p == '\\' || *p == '\0') {
            if (!component.empty()) folders.push_back(escape(component));
            component.clear();
            if (*p == '\0') break;
        } else {
            component += *p;
        }
    }
    return folders;
}

bool usable(HKEY key) { return key && !key->predefined; }

constexpr const char* kValueSuffix = ".value";
constexpr std::size_t kValueSuffixLength = 6;

// A file-system failure as the registry reports it.
LONG refused(int error) {
    switch (error) {
    case ENOENT: return ERROR_FILE_NOT_FOUND;  // gone meanwhile, by another program's removal
    case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
    case ENOSPC: return ERROR_DISK_FULL;
    case EFBIG: return ERROR_FILE_TOO_LARGE;
    default: return ERROR_ACCESS_DENIED;
    }
}

// A descriptor closed on every road out of its scope.
class Descriptor {
public:
    explicit Descriptor(int descriptor = -1) : descriptor_(descriptor) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return descriptor_; }
    int release() { return std::exchange(descriptor_, -1); }
    void reset(int descriptor = -1) {
        if (descriptor_ >= 0) close(descriptor_);
        descriptor_ = descriptor;
    }

private:
    int descriptor_;
};

// Fills `out` with `count` hexadecimal digits no one can foresee.
void unforeseeable(char* out, std::size_t count) {
    unsigned char bytes[16] = {};
    const std::size_t size = std::min(sizeof bytes, (count + 1) / 2);
    if (getrandom(bytes, size, GRND_NONBLOCK) != static_cast<ssize_t>(size)) {
        // Without the system's randomness, still a name no other call here
        // tries; creating with O_EXCL keeps it safe whatever the name.
        static std::atomic<std::uint64_t> calls{0};
        const std::uint64_t mix =
            static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
            static_cast<std::uint64_t>(getpid()) << 40 ^ ++calls * 0x9E3779B97F4A7C15u;
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<unsigned char>(mix >> (8 * (i % 8)));
    }
    for (std::size_t i = 0; i < count; ++i) out[i] = kHex[i % 2 ? bytes[i / 2] & 15 : bytes[i / 2] >> 4];
}

// Opens the folder `name` in the folder `at`, never through a link. On
// failure -1 and `error`: ELOOP for a link, ENOENT where there is no folder
// (a file stands in for none), else the system's error.
int openFolder(int at, const char* name, int& error) {
    const int descriptor = openat(at, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor >= 0) return descriptor;
    error = errno;
    struct stat status {};
    if ((error == ENOTDIR || error == ELOOP) && fstatat(at, name, &status, AT_SYMLINK_NOFOLLOW) == 0)
        error = S_ISLNK(status.st_mode) ? ELOOP : ENOENT;
    return -1;
}

// Opens the folder of `folders` below `key`, one folder at a time; `create`
// makes the missing ones. The root is the user's choice, links and all;
// below it nothing is followed. Returns 0 or the system's error.
int openKey(const RegistryKey& key, const std::vector<std::string>& folders, bool create, Descriptor& opened,
            bool* created = nullptr) {
    Descriptor at;
    if (key.folder >= 0) {
        at.reset(fcntl(key.folder, F_DUPFD_CLOEXEC, 0));
        if (at.get() < 0) return errno;
    } else {
        std::error_code ec;
        if (create) fs::create_directories(key.root, ec);
        if (ec) return ec.value();
        at.reset(open(key.root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (at.get() < 0) return errno == ENOTDIR && !create ? ENOENT : errno;
    }
    bool made = false;
    const auto step = [&](const char* name) {
        made = create && mkdirat(at.get(), name, 0777) == 0;
        if (create && !made && errno != EEXIST) return errno;  // made meanwhile by another program is as good as made
        int error = 0;
        const int next = openFolder(at.get(), name, error);
        if (next < 0) return create && error == ENOENT ? ENOTDIR : error;
        at.reset(next);
        return 0;
    };
    if (key.folder < 0)
        if (const int error = step("HKEY_LOCAL_MACHINE")) return error;
    for (const std::string& name : folders)
        if (const int error = step(name.c_str())) return error;
    if (created) *created = made;
    opened.reset(at.release());
    return 0;
}

// Calls `visit` with the name of each entry of the folder `at` until it
// returns an error; returns that, or the system's. The system's own calls:
// they report a lack of memory, where the library's iterators may end the
// process, and they allocate nothing of ours.
template <class Visit>
int eachEntry(int at, Visit visit) {
    const int descriptor = openat(at, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return errno;
    const std::unique_ptr<DIR, int (*)(DIR*)> folder(fdopendir(descriptor), &closedir);
    if (!folder) {
        const int error = errno;
        close(descriptor);
        return error;
    }
    errno = 0;
    while (const dirent* entry = readdir(folder.get())) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            if (const int error = visit(entry->d_name)) return error;
        errno = 0;
    }
    return errno;
}

// Removes the folder `name` in `at` and all it holds, as far as it can:
// past a removal's point of no return there is no one left to tell. Links
// go themselves, never what they lead to. Allocates nothing of ours.
void clear(int at, const char* name, int depth = 0) {
    int error = 0;
    const Descriptor folder(openFolder(at, name, error));
    if (folder.get() < 0) return;
    eachEntry(folder.get(), [&](const char* entry) {
        if (unlinkat(folder.get(), entry, 0) != 0 && depth < 16) clear(folder.get(), entry, depth + 1);
        return 0;
    });
    unlinkat(at, name, AT_REMOVEDIR);
}

// What a removal of the key `name` left aside: ".<name>.removing", or
// ".<name>.<digits>.removing".
bool leftOverBy(const char* entry, const std::string& name) {
    const std::size_t length = std::strlen(entry);
    return length >= name.size() + 10 && entry[0] == '.' && name.compare(0, name.size(), entry + 1, name.size()) == 0 &&
           entry[name.size() + 1] == '.' && std::strcmp(entry + length - 8, "removing") == 0;
}

// Writes all of `bytes`, as often as the system takes only a part; returns
// 0 or the system's error.
int writeAll(int descriptor, const void* bytes, std::size_t size) {
    for (auto* at = static_cast<const char*>(bytes); size;) {
        const ssize_t written = write(descriptor, at, size);
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return errno;
        if (written == 0) return EIO;
        at += written;
        size -= static_cast<std::size_t>(written);
    }
    return 0;
}

// A value's file while it is written: made under a name no one can foresee
// and no value has (it starts with a '.'), never through a link, and removed
// on every road out unless it was renamed into place, so a failed write
// leaves nothing behind. Allocates nothing.
class PartialFile {
public:
    explicit PartialFile(int folder) : folder_(folder) {}
    ~PartialFile() {
        descriptor_.reset();
        if (made_ && !placed_) unlinkat(folder_, name_, 0);
    }
    PartialFile(const PartialFile&) = delete;
    PartialFile& operator=(const PartialFile&) = delete;

    // 0 or the system's error. A name that is taken, by whatever was
    // planted there too, is tried again under another.
    int make() {
        for (int attempt = 0;; ++attempt) {
            unforeseeable(name_ + 1, 16);
            descriptor_.reset(openat(folder_, name_, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
            if (descriptor_.get() >= 0) break;
            if (errno != EEXIST || attempt == 100) return errno;
        }
        made_ = true;
        return 0;
    }
    int write(const void* bytes, std::size_t size) const { return writeAll(descriptor_.get(), bytes, size); }
    int finish() { return close(descriptor_.release()) == 0 ? 0 : errno; }
    // The rename may replace a link that stands under the value's name: it
    // never writes through one.
    int place(const char* name) {
        if (renameat(folder_, name_, folder_, name) != 0) return errno;
        placed_ = true;
        return 0;
    }

private:
    int folder_;
    Descriptor descriptor_;
    bool made_ = false, placed_ = false;
    char name_[26] = ".0123456789ABCDEF.partial";
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
    // Every user shares the temporary folder: another could have made this
    // folder first and planted links in it. It serves only as this user's own.
    const fs::path root = temporary / "ddregistry";
    struct stat status {};
    if ((mkdir(root.c_str(), 0700) != 0 && errno != EEXIST) || lstat(root.c_str(), &status) != 0)
        throw std::runtime_error("cannot make the registry's folder " + root.string() + ": " + std::strerror(errno));
    if (!S_ISDIR(status.st_mode) || status.st_uid != geteuid() || (status.st_mode & (S_IWGRP | S_IWOTH)))
        throw std::runtime_error("refused the registry's folder " + root.string() +
                                 ": in the temporary folder it must be a folder, not a link, that this user owns "
                                 "and no one else can write");
    return root;
}

LONG RegConnectRegistryA(const char* machine, HKEY predefined, HKEY* result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    if (machine && *machine) return ERROR_BAD_NETPATH;
    if (predefined != HKEY_LOCAL_MACHINE) return ERROR_INVALID_HANDLE;
    return guarded([&] {
        *result = new RegistryKey{registryRoot()};
        return ERROR_SUCCESS;
    });
}

namespace {

// Opens the key `subKey` below `key` into `*result`; `create` makes the
// missing folders on the way and says in `created` whether the key was new.
LONG openSubKey(HKEY key, const char* subKey, bool create, HKEY* result, bool* created = nullptr) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    if (!usable(key)) return ERROR_INVALID_HANDLE;
    return guarded([&] {
        auto opened = std::make_unique<RegistryKey>();
        Descriptor folder;
        if (const int error = openKey(*key, foldersOf(subKey), create, folder, created)) return refused(error);
        opened->folder = folder.release();
        *result = opened.release();
        return ERROR_SUCCESS;
    });
}

}  // namespace

LONG RegCreateKeyExA(HKEY key, const char* subKey, DWORD, char*, DWORD, REGSAM, void*, HKEY* result,
                     DWORD* disposition) {
    bool created = false;
    const LONG opened = openSubKey(key, subKey, true, result, &created);
    if (opened == ERROR_SUCCESS && disposition) *disposition = created ? 1 : 2;  // created a key : opened one
    return opened;
}

LONG RegOpenKeyExA(HKEY key, const char* subKey, DWORD, REGSAM, HKEY* result) {
    return openSubKey(key, subKey, false, result);
}

LONG RegSetValueExA(HKEY key, const char* valueName, DWORD, DWORD type, const BYTE* data, DWORD size) {
    if (!usable(key)) return ERROR_INVALID_HANDLE;
    if (!data && size) return ERROR_INVALID_PARAMETER;
    return guarded([&] {
        const std::string file = escape(valueName ? valueName : "") + kValueSuffix;
        Descriptor folder;
        if (const int error = openKey(*key, {}, false, folder)) return refused(error);
        // Written aside, then renamed into place; nothing is allocated once
        // the file exists.
        PartialFile partial(folder.get());
        if (const int error = partial.make()) return refused(error);
        const BYTE header[4] = {BYTE(type), BYTE(type >> 8), BYTE(type >> 16), BYTE(type >> 24)};
        int error = partial.write(header, sizeof header);
        if (!error) error = partial.write(data, size);
        if (const int closed = partial.finish(); !error) error = closed;
        if (!error) error = partial.place(file.c_str());
        return error ? refused(error) : ERROR_SUCCESS;
    });
}

LONG RegDeleteKeyA(HKEY key, const char* subKey) {
    if (!usable(key)) return ERROR_INVALID_HANDLE;
    if (!subKey || !*subKey) return ERROR_INVALID_PARAMETER;
    return guarded([&] {
        std::vector<std::string> folders = foldersOf(subKey);
        if (folders.empty()) return ERROR_INVALID_PARAMETER;
        const std::string name = std::move(folders.back());
        folders.pop_back();
        Descriptor parent;
        if (const int error = openKey(*key, folders, false, parent)) return refused(error);
        int error = 0;
        const Descriptor folder(openFolder(parent.get(), name.c_str(), error));
        if (folder.get() < 0) return refused(error);
        // A key with subkeys stays. A folder whose name starts with a '.' is
        // no key (keys escape '.'): it is what a subkey's removal left.
        if (const int failed = eachEntry(folder.get(), [&](const char* entry) {
                struct stat status {};
                if (entry[0] == '.' || fstatat(folder.get(), entry, &status, AT_SYMLINK_NOFOLLOW) != 0) return 0;
                return S_ISDIR(status.st_mode) ? ENOTEMPTY : 0;
            }))
            return refused(failed);
        // What an earlier removal of this key left aside goes first, as far
        // as it can; it never stands in the way, as each removal sets the
        // key aside under a name of its own.
        eachEntry(parent.get(), [&](const char* entry) {
            if (leftOverBy(entry, name)) clear(parent.get(), entry);
            return 0;
        });
        // The system's registry removes a key whole or not at all. The key's
        // folder leaves its place for a name no key can have before any value
        // goes: whatever would refuse the key's removal refuses this rename.
        // Once it is done, every reader sees the key as gone, so that is the
        // point of no return: what the folder holds goes as far as it can,
        // and the removal has succeeded. Nothing after it allocates.
        std::string aside = "." + name + ".0123456789ABCDEF.removing";
        char* const digits = aside.data() + name.size() + 2;
        for (int attempt = 0;; ++attempt) {
            unforeseeable(digits, 16);
            if (renameat(parent.get(), name.c_str(), parent.get(), aside.c_str()) == 0) break;
            if ((errno != EEXIST && errno != ENOTEMPTY && errno != ENOTDIR) || attempt == 100) return refused(errno);
        }
        clear(parent.get(), aside.c_str());
        return ERROR_SUCCESS;
    });
}

LONG RegCloseKey(HKEY key) {
    if (!usable(key)) return ERROR_INVALID_HANDLE;
    delete key;
    return ERROR_SUCCESS;
}

std::optional<std::vector<RegistryValue>> readKey(const std::string& path) {
    const RegistryKey connection{registryRoot()};
    const std::vector<std::string> folders = foldersOf(path.c_str());
    fs::path directory = connection.root / "HKEY_LOCAL_MACHINE";
    for (const std::string& name : folders) directory /= name;
    const auto unreadable = [&](const fs::path& what, int error) {
        return std::runtime_error("cannot read the registry's " + what.string() + ": " + std::strerror(error));
    };
    const auto damaged = [&](const std::string& what) {
        return std::runtime_error("damaged registry value " + what + " in " + directory.string());
    };
    // Reached as the registry reaches it: a key that is a link is an error,
    // not a missing key, and not a way to read another folder.
    Descriptor folder;
    if (const int error = openKey(connection, folders, false, folder)) {
        if (error == ENOENT) return std::nullopt;
        throw unreadable(directory, error);
    }
    std::vector<RegistryValue> values;
    const int error = eachEntry(folder.get(), [&](const char* entry) {
        const std::size_t length = std::strlen(entry);
        if (length <= kValueSuffixLength || std::strcmp(entry + length - kValueSuffixLength, kValueSuffix) != 0)
            return 0;
        const std::string stem(entry, length - kValueSuffixLength);
        std::optional<std::string> name = unescape(stem);
        if (!name) throw damaged("name \"" + stem + "\"");
        struct stat status {};
        if (fstatat(folder.get(), entry, &status, AT_SYMLINK_NOFOLLOW) != 0) return errno == ENOENT ? 0 : errno;
        if (S_ISLNK(status.st_mode)) throw unreadable(directory / entry, ELOOP);
        if (!S_ISREG(status.st_mode)) return 0;
        const Descriptor file(openat(folder.get(), entry, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (file.get() < 0) throw unreadable(directory / entry, errno);
        std::vector<BYTE> bytes;
        BYTE buffer[4096];
        for (ssize_t got; (got = read(file.get(), buffer, sizeof buffer)) != 0;) {
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) throw unreadable(directory / entry, errno);
            bytes.insert(bytes.end(), buffer, buffer + got);
        }
        if (bytes.size() < 4) throw damaged("\"" + stem + "\" (shorter than its type)");
        RegistryValue value;
        value.name = std::move(*name);
        value.type = DWORD(bytes[0]) | DWORD(bytes[1]) << 8 | DWORD(bytes[2]) << 16 | DWORD(bytes[3]) << 24;
        value.data.assign(bytes.begin() + 4, bytes.end());
        values.push_back(std::move(value));
        return 0;
    });
    if (error) throw unreadable(directory, error);
    std::sort(values.begin(), values.end(),
              [](const RegistryValue& a, const RegistryValue& b) { return a.name < b.name; });
    return values;
}

}  // namespace platform
