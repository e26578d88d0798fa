#include "platform/SystemRegistry.h"

#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>
#include <mutex>
#include <new>
#include <stdexcept>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace platform {

namespace {

// A descriptor closed on every road out of its scope.
class Descriptor {
public:
    explicit Descriptor(int descriptor = -1) : descriptor_(descriptor) {}
    ~Descriptor() { reset(); }
    Descriptor(Descriptor&& other) noexcept : descriptor_(other.release()) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        reset(other.release());
        return *this;
    }

    int get() const { return descriptor_; }
    int release() { return std::exchange(descriptor_, -1); }
    void reset(int descriptor = -1) {
        if (descriptor_ >= 0) close(descriptor_);
        descriptor_ = descriptor;
    }

private:
    int descriptor_;
};

}  // namespace

// A connection or an opened key. Each holds the registry's root folder,
// opened once (by a connection when it, or its first call, finds it), and a
// key its own folder too, reached without following any link: later calls
// on it cannot be led elsewhere by a link planted meanwhile, and they find
// out whether the key is still where it was.
struct RegistryKey {
    Descriptor root;                // none for a connection until it finds the root
    std::vector<std::string> path;  // the key's folders below the root
    Descriptor folder;              // none for the machine's key, which is made when first needed
    bool predefined = false;
};

namespace {

RegistryKey localMachineToken{Descriptor(), {}, Descriptor(), true};

const char* const kHex = "0123456789ABCDEF";
constexpr const char* kMachine = "HKEY_LOCAL_MACHINE";

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
        // A NUL is read as written: no call can have written it (they take
        // names as C strings), which the reader of the value judges, as on
        // Windows, beside the value's other faults.
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

constexpr char kValueSuffix[] = ".value";
constexpr std::size_t kValueSuffixLength = sizeof kValueSuffix - 1;
// Far above anything registered here: a larger value was not written by it.
constexpr off_t kLargestValue = 1 << 20;

// A file-system failure as the registry reports it.
LONG refused(int error) {
    switch (error) {
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case EMFILE:
    case ENFILE: return ERROR_TOO_MANY_OPEN_FILES;
    case EOPNOTSUPP: return ERROR_NOT_SUPPORTED;
    case ENOMEM: return ERROR_NOT_ENOUGH_MEMORY;
    case ENOSPC:
    case EDQUOT: return ERROR_DISK_FULL;
    case EFBIG: return ERROR_FILE_TOO_LARGE;
    default: return ERROR_ACCESS_DENIED;
    }
}

// What the registry makes for itself while a call runs, and a killed call
// may leave: "." then 16 hexadecimal digits no one can foresee, then '.'
// and `kind`. No key or value has such a name (theirs never start with a
// '.'), and its length is the same whatever key it serves.
constexpr std::size_t kDigits = 16;

template <std::size_t Size>
struct HiddenName {
    explicit HiddenName(const char (&kind)[Size]) {
        text[0] = '.';
        text[kDigits + 1] = '.';
        std::memcpy(text + kDigits + 2, kind, Size);
    }
    char text[kDigits + 2 + Size] = {};
};

bool isHidden(const char* entry, const char* kind) {
    if (entry[0] != '.' || std::strlen(entry) != kDigits + 2 + std::strlen(kind)) return false;
    for (std::size_t i = 1; i <= kDigits; ++i)
        if (!std::strchr(kHex, entry[i])) return false;  // the length leaves no '\0' here
    return entry[kDigits + 1] == '.' && std::strcmp(entry + kDigits + 2, kind) == 0;
}

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

// The modes asked for when making: the system takes from them what the
// umask (or a folder's default access list) says, and the owner then gets
// back reading and writing, and searching a folder, which a umask may take
// too and without which nobody could use the registry.
constexpr mode_t kFolderMode = 0777;
constexpr mode_t kOwnRootMode = 0700;  // the folder the registry chooses for itself
constexpr mode_t kValueMode = 0666;
constexpr mode_t kOwnFolderRights = S_IRWXU;
constexpr mode_t kOwnValueRights = S_IRUSR | S_IWUSR;

// Whether nobody but this user and root can put another entry in the
// folder `at` in the place of one of this user's: its owner is one of them,
// and nobody else may write in it, or only under the sticky bit. Access
// lists give nobody more than the group's bits show. This user's own calls
// may clear a folder still being made before its maker holds it, but never
// put anything else under its name.
bool nobodyElseChanges(int at) {
    struct stat folder {};
    if (fstatat(at, ".", &folder, 0) != 0) return false;
    return (folder.st_uid == geteuid() || folder.st_uid == 0) &&
           (!(folder.st_mode & (S_IWGRP | S_IWOTH)) || (folder.st_mode & S_ISVTX));
}

// The system's change of mode that follows no link, from Linux 6.6 on: the
// same number on these architectures, and none known elsewhere (ENOSYS).
#if defined(SYS_fchmodat2)
constexpr long kFchmodat2 = SYS_fchmodat2;
#elif (defined(__x86_64__) && !defined(__ILP32__)) || defined(__i386__) || defined(__aarch64__) || defined(__arm__) || \
    defined(__riscv)
constexpr long kFchmodat2 = 452;
#else
constexpr long kFchmodat2 = -1;
#endif

// Sets the mode of `name` in `at`, following a link only where `follow`
// says none can stand there. Older C libraries change a mode without
// following through /proc (EOPNOTSUPP without it): the system's own call
// then, where the kernel has it.
int changeMode(int at, const char* name, mode_t mode, bool follow) {
    if (fchmodat(at, name, mode, follow ? 0 : AT_SYMLINK_NOFOLLOW) == 0) return 0;
    const int error = errno;
    if (follow || (error != EOPNOTSUPP && error != ENOSYS)) return error;
    if (syscall(kFchmodat2, at, name, mode, AT_SYMLINK_NOFOLLOW) == 0) return 0;
    return errno == ENOSYS ? error : errno;
}

// Adds `rights` to the mode of the file or folder open as `descriptor`
// where it lacks some: 0 or the system's error. Only what this user owns is
// changed (EACCES otherwise), and only where it must be: a file system may
// give what this user makes to another, which is no harm while it has the
// rights.
int addRights(int descriptor, mode_t rights) {
    struct stat status {};
    if (fstat(descriptor, &status) != 0) return errno;
    const mode_t mode = status.st_mode & 07777;
    if ((mode | rights) == mode) return 0;
    if (status.st_uid != geteuid()) return EACCES;
    return fchmod(descriptor, mode | rights) == 0 ? 0 : errno;
}

// Whether two looks saw the same file or folder.
bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Opens the folder `name` in `at`, which this call has just made under a
// hidden name, into `held`, gives it the owner's rights it lacks and locks
// it, so that no other call clears it until it is in place. Where the umask
// took even the owner's reading, the rights are given by its name first,
// which cannot lead elsewhere when nobody else can change `at`, or else by a
// change that follows no link. Anything else found under the name was put
// there by someone else: EACCES. ENOENT where another call cleared it before
// it was held.
int holdMade(int at, const char* name, Descriptor& held) {
    int error = 0;
    held.reset(openFolder(at, name, error));
    if (held.get() < 0) {
        if (error != EACCES) return error;
        struct stat made {};
        if (fstatat(at, name, &made, AT_SYMLINK_NOFOLLOW) != 0) return errno;
        if (!S_ISDIR(made.st_mode) || made.st_uid != geteuid()) return EACCES;
        if (const int changed = changeMode(at, name, (made.st_mode & 07777) | kOwnFolderRights, nobodyElseChanges(at)))
            return changed;
        held.reset(openFolder(at, name, error));
        if (held.get() < 0) return error;
    }
    if (const int failed = addRights(held.get(), kOwnFolderRights)) return failed;
    // Where no lock can be had, nobody can lock it to clear it either; one
    // that someone else holds, who can read the folder, is left to the
    // checks: a folder cleared meanwhile is not found in its place, or not
    // renamed into place.
    flock(held.get(), LOCK_EX | LOCK_NB);
    struct stat opened {
    }, named{};
    if (fstat(held.get(), &opened) != 0) return errno;
    if (fstatat(at, name, &named, AT_SYMLINK_NOFOLLOW) != 0) return errno;
    return sameFile(opened, named) ? 0 : ENOENT;
}

// Puts what the folder holds on the disk: its entries as they now are.
int sync(int folder) { return fsync(folder) == 0 ? 0 : errno; }

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

// Removes the entry `name` in `at`, and all it holds where it is a folder:
// 0 once it is gone, else the error that kept it (ELOOP for folders nested
// deeper than the registry ever leaves them). Links go themselves, never
// what they lead to. Allocates nothing of ours.
int clear(int at, const char* name, int depth = 0) {
    if (unlinkat(at, name, 0) == 0) return 0;
    if (errno != EISDIR) return errno == ENOENT ? 0 : errno;
    // An empty folder goes whatever its mode, even one closed to its owner.
    if (unlinkat(at, name, AT_REMOVEDIR) == 0 || errno == ENOENT) return 0;
    if (errno != ENOTEMPTY && errno != EEXIST) return errno;
    if (depth > 16) return ELOOP;
    int error = 0;
    const Descriptor folder(openFolder(at, name, error));
    if (folder.get() < 0) return error;
    if (const int failed =
            eachEntry(folder.get(), [&](const char* entry) { return clear(folder.get(), entry, depth + 1); }))
        return failed;
    return unlinkat(at, name, AT_REMOVEDIR) == 0 ? 0 : errno;
}

constexpr char kPartial[] = "partial";    // a value's file while it is written
constexpr char kRemoving[] = "removing";  // a key's folder set aside while it is removed
constexpr char kMaking[] = "making";      // a new folder until it has its rights and its place

// Clears the folder `entry` in `at` that a call was making, unless a live
// call still is: its maker holds it locked until it is in place, and a
// killed maker's lock ended with it. One the caller cannot open, as the
// umask made it, is not held yet: its maker, if it lives, makes another.
// Such a folder is empty until it is in place: anything else under its name
// (a file, a folder that holds something, a mount point) is not the
// registry's and stays.
int clearMaking(int at, const char* entry) {
    int error = 0;
    const Descriptor folder(openFolder(at, entry, error));
    if (folder.get() >= 0 && flock(folder.get(), LOCK_EX | LOCK_NB) != 0) return 0;
    if (unlinkat(at, entry, AT_REMOVEDIR) == 0) return 0;
    return errno == ENOENT || errno == ENOTEMPTY || errno == EEXIST || errno == ENOTDIR || errno == EBUSY ? 0 : errno;
}

// Clears what killed calls left in the folder `at`: values' files, keys set
// aside and folders being made, or only the last where `makingOnly` says so.
// The first two only for a call that writes in that folder: it holds the
// root's lock for writing, so no other call is at work on them. Folders
// being made may be another registry's, whose root lies below this one: a
// live call's are never cleared. What this caller may never remove stays,
// in nobody's way: another user's under the sticky bit, or what is nested
// deeper than the registry goes. 0, or the error that kept one otherwise
// (too few descriptors, say): the call then reports it and does nothing
// there.
int clearLeftovers(int at, bool makingOnly = false) {
    return eachEntry(at, [&](const char* entry) {
        int error = 0;
        if (isHidden(entry, kMaking))
            error = clearMaking(at, entry);
        else if (!makingOnly && (isHidden(entry, kPartial) || isHidden(entry, kRemoving)))
            error = clear(at, entry);
        return error == EACCES || error == EPERM || error == ELOOP ? 0 : error;
    });
}

// Renames `from` in `at` to `to` where nothing has that name yet: 0, EEXIST,
// or the system's error.
int placeNew(int at, const char* from, const char* to) {
    if (renameat2(at, from, at, to, RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    // A system or file system that cannot be asked not to replace: where
    // nothing is seen under the name. Only an empty folder is replaced
    // unseen: one that another connection, making the same folder on the way
    // to its root, puts in place between the look and the rename. Its calls
    // then find their root removed.
    struct stat status {};
    if (fstatat(at, to, &status, AT_SYMLINK_NOFOLLOW) == 0) return EEXIST;
    if (errno != ENOENT) return errno;
    if (renameat(at, from, at, to) == 0) return 0;
    return errno == ENOTEMPTY || errno == EEXIST || errno == ENOTDIR ? EEXIST : errno;
}

// Makes the folder `name` in `at`, asking for `mode`, with its owner's
// rights whatever the umask. It is made under a hidden name, held, given its
// rights and only then put in place, so that a call killed at any moment
// leaves either the folder as it should be or a hidden leftover. 0, EEXIST
// where something already has the name, or the system's error.
int makeFolder(int at, const char* name, mode_t mode) {
    HiddenName<sizeof kMaking> hidden(kMaking);
    for (int attempt = 0;; ++attempt) {
        unforeseeable(hidden.text + 1, kDigits);
        if (mkdirat(at, hidden.text, mode) != 0) {
            if (errno != EEXIST || attempt == 100) return errno;
            continue;
        }
        Descriptor held;
        int error = holdMade(at, hidden.text, held);
        if (!error) error = placeNew(at, hidden.text, name);
        if (error) unlinkat(at, hidden.text, AT_REMOVEDIR);
        // Cleared by another call before it was held: made anew.
        if (error != ENOENT || attempt == 100) return error;
    }
}

// Makes the folder `name` in `at`, asking for `mode`, where nothing is found
// under that name, links followed: 0 or the system's error. What is there,
// opening it judges.
int makeMissing(int at, const char* name, mode_t mode) {
    struct stat status {};
    if (fstatat(at, name, &status, 0) == 0) return 0;
    if (errno != ENOENT) return errno;
    // What killed calls left on the way, where they may be seen: a failure
    // to clear them keeps nobody from the root.
    clearLeftovers(at, true);
    const int made = makeFolder(at, name, mode);
    return made == EEXIST ? 0 : made;
}

// Opens the folders `names` below the folder `from`, one at a time; `create`
// makes the missing ones, each on the disk in its parent before the next,
// once what killed calls left in that parent is cleared. Nothing is followed
// through a link. Returns 0 or the system's error.
int walk(int from, const std::vector<std::string>& names, bool create, Descriptor& opened, bool* created = nullptr) {
    Descriptor at(fcntl(from, F_DUPFD_CLOEXEC, 0));
    if (at.get() < 0) return errno;
    bool made = false;
    for (const std::string& name : names) {
        int error = 0;
        int next = openFolder(at.get(), name.c_str(), error);
        made = false;
        if (next < 0 && error == ENOENT && create) {
            if (const int failed = clearLeftovers(at.get())) return failed;
            const int making = makeFolder(at.get(), name.c_str(), kFolderMode);
            if (making && making != EEXIST) return making;
            made = making == 0;
            if (made)
                if (const int failed = sync(at.get())) return failed;
            next = openFolder(at.get(), name.c_str(), error);
            if (next < 0 && error == ENOENT) error = ENOTDIR;  // a file stands there
        }
        if (next < 0) return error;
        at.reset(next);
    }
    if (created) *created = made;
    opened.reset(at.release());
    return 0;
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

// A value's file while it is written: made under a hidden name, never
// through a link, and removed on every road out unless it was renamed into
// place, so a failed write leaves nothing behind. Allocates nothing.
class PartialFile {
public:
    explicit PartialFile(int folder) : folder_(folder) {}
    ~PartialFile() {
        descriptor_.reset();
        if (made_ && !placed_) unlinkat(folder_, name_.text, 0);
    }
    PartialFile(const PartialFile&) = delete;
    PartialFile& operator=(const PartialFile&) = delete;

    // 0 or the system's error. A name that is taken, by whatever was
    // planted there too, is tried again under another.
    int make() {
        for (int attempt = 0;; ++attempt) {
            unforeseeable(name_.text + 1, kDigits);
            descriptor_.reset(
                openat(folder_, name_.text, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kValueMode));
            if (descriptor_.get() >= 0) break;
            if (errno != EEXIST || attempt == 100) return errno;
        }
        made_ = true;
        return addRights(descriptor_.get(), kOwnValueRights);
    }
    int write(const void* bytes, std::size_t size) const { return writeAll(descriptor_.get(), bytes, size); }
    // The bytes reach the disk before the file takes the value's name, so
    // that a crash leaves the old value or the new one, never a cut one.
    int finish() {
        const int synced = sync(descriptor_.get());
        const int closed = close(descriptor_.release()) == 0 ? 0 : errno;
        return synced ? synced : closed;
    }
    // The rename may replace a link that stands under the value's name: it
    // never writes through one.
    int place(const char* name) {
        if (renameat(folder_, name_.text, folder_, name) != 0) return errno;
        placed_ = true;
        return sync(folder_);
    }

private:
    int folder_;
    Descriptor descriptor_;
    bool made_ = false, placed_ = false;
    HiddenName<sizeof kPartial> name_{kPartial};
};

// A thread cancelled in the middle of a call would unwind through the
// catch-all below, or through a descriptor's close in a destructor, either
// of which ends the process: a call is never cancelled.
class NoCancel {
public:
    NoCancel() { pthread_setcancelstate(PTHREAD_CANCEL_DISABLE, &before_); }
    ~NoCancel() { pthread_setcancelstate(before_, nullptr); }
    NoCancel(const NoCancel&) = delete;
    NoCancel& operator=(const NoCancel&) = delete;

private:
    int before_ = PTHREAD_CANCEL_ENABLE;
};

// Runs one registry call: like the system's, it reports and never throws.
template <class Call>
LONG guarded(Call call) noexcept {
    const NoCancel uncancelled;
    try {
        return call();
    } catch (const std::bad_alloc&) {
        return ERROR_NOT_ENOUGH_MEMORY;
    } catch (const std::system_error& failed) {
        return refused(failed.code().value());  // the system's error numbers, whichever category
    } catch (...) {
        return ERROR_ACCESS_DENIED;
    }
}

// Makes the folders of `path` that are missing, through links where the
// user's path has them: the last asking for `mode`, the ones on the way for
// the keys' mode. 0 or the system's error.
int makeFolders(const fs::path& path, mode_t mode) {
    fs::path folder;
    for (auto part = path.begin(); part != path.end(); ++part) {
        const fs::path parent = folder;
        folder /= *part;
        struct stat status {};
        if (part->empty() || stat(folder.c_str(), &status) == 0) continue;
        if (errno != ENOENT) return errno;
        Descriptor held;
        if (!parent.empty()) held.reset(open(parent.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (!parent.empty() && held.get() < 0) return errno;
        if (const int error = makeMissing(parent.empty() ? AT_FDCWD : held.get(), part->c_str(),
                                          std::next(part) == path.end() ? mode : kFolderMode))
            return error;
    }
    return 0;
}

// The registry's root folder, opened once.
struct Root {
    fs::path path;
    Descriptor folder;  // none where it is not there and was not to be made
};

// Where the root lies, whatever stands there: the folder the user chose, or
// else this user's own in the temporary folder, named as the standard
// library names that folder (the first of these variables that is set, and
// only where the process may trust its environment, else /tmp) but not
// looked at. Empty where a variable names no folder at all. The registry
// and the host tool's check of a trace both take it from here, so that they
// cannot disagree.
struct Place {
    fs::path path;
    mode_t mode;  // the mode it is made with
    // The temporary folder it is in, which every user shares; empty where a
    // variable names none.
    std::optional<fs::path> temporary;
};
Place rootPlace() {
    for (const auto& [variable, below] :
         {std::pair{"DD_REGISTRY_ROOT", ""}, {"XDG_DATA_HOME", "ddregistry"}, {"HOME", ".local/share/ddregistry"}}) {
        const char* chosen = std::getenv(variable);
        if (!chosen || !*chosen) continue;
        return {*below ? fs::path(chosen) / below : fs::path(chosen), *below ? kOwnRootMode : kFolderMode, {}};
    }
    // As std::filesystem::temp_directory_path reads them: in secure execution
    // (set-user-ID and the like) none of them counts.
    const char* temporary = "/tmp";
    for (const char* variable : {"TMPDIR", "TMP", "TEMP", "TEMPDIR"})
        if (const char* named = secure_getenv(variable)) {
            temporary = named;
            break;
        }
    if (!*temporary) return {{}, kOwnRootMode, fs::path()};
    return {fs::path(temporary) / "ddregistry", kOwnRootMode, temporary};
}

// Where the user chose the root, it is opened as chosen, links and all, and
// made where `create` asks. The temporary folder is every user's: there the
// root is this user's own folder, reached without a link and checked on
// the descriptor that is kept, so that nobody can swap another in between.
Root openRoot(bool create) {
    const Place place = rootPlace();
    Root root{place.path, Descriptor()};
    if (!place.temporary) {
        // A folder of the registry's own choosing is made the user's alone,
        // as whoever can open the root can hold its lock.
        if (const int error = create ? makeFolders(root.path, place.mode) : 0)
            throw std::system_error(error, std::generic_category(),
                                    "cannot make the registry's folder " + root.path.string());
        root.folder.reset(open(root.path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (root.folder.get() < 0 && (create || errno != ENOENT))
            throw std::system_error(errno, std::generic_category(),
                                    "cannot open the registry's folder " + root.path.string());
        return root;
    }
    const auto failed = [&](const char* what, int error) {
        throw std::system_error(error, std::generic_category(),
                                std::string("cannot ") + what + " the registry's folder " + root.path.string());
    };
    // An empty name (a variable set but empty) opens nothing: ENOENT, no folder.
    const Descriptor shared(open(place.temporary->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const int error = errno;
    if (shared.get() < 0 && (error == ENOENT || error == ENOTDIR))
        throw std::runtime_error(
            "no folder for the registry: DD_REGISTRY_ROOT, XDG_DATA_HOME and HOME are unset, "
            "and there is no temporary folder (" +
            std::generic_category().message(error) + ")");
    if (shared.get() < 0) failed("reach", error);
    if (const int made = create ? makeMissing(shared.get(), "ddregistry", place.mode) : 0) failed("make", made);
    struct stat status {};
    root.folder.reset(openat(shared.get(), "ddregistry", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (root.folder.get() < 0 && errno == ENOENT && !create) return root;
    if (root.folder.get() < 0 && errno != ENOTDIR && errno != ELOOP) failed("open", errno);
    if (root.folder.get() < 0 || fstat(root.folder.get(), &status) != 0 || status.st_uid != geteuid() ||
        (status.st_mode & (S_IWGRP | S_IWOTH)))
        throw std::runtime_error("refused the registry's folder " + root.path.string() +
                                 ": in the temporary folder it must be a folder, not a link, that this user owns "
                                 "and no one else can write");
    return root;
}

// The calls of this process, one at a time. A fork waits for the call under
// way to end, since the child would go on holding the root's lock.
std::mutex calls;
[[maybe_unused]] const bool forksWait =
    pthread_atfork([] { calls.lock(); }, [] { calls.unlock(); }, [] { calls.unlock(); }) == 0;

// The root's lock on `root`, an open folder, by the `flock` operation given,
// until it is let go or every copy of that descriptor is closed: 0 or the
// system's error.
int lockRoot(int root, int operation) {
    while (flock(root, operation) != 0)
        if (errno != EINTR) return errno;
    return 0;
}

// The root's lock, held for one call: shared for reading, exclusive for
// writing, and this process's other calls wait too. The system lets go of
// the lock of a process that dies.
class Lock {
public:
    Lock() : ours_(calls) {}
    // 0 or the system's error.
    int take(int root, bool exclusive) {
        descriptor_.reset(openat(root, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (descriptor_.get() < 0) return errno;
        return lockRoot(descriptor_.get(), exclusive ? LOCK_EX : LOCK_SH);
    }

private:
    std::unique_lock<std::mutex> ours_;
    Descriptor descriptor_;  // released before `ours_`
};

// Whether the key's folder is still where the key is: the same folder, not
// one made anew after the key was deleted. 0, ERROR_KEY_DELETED, or the
// registry's error where the way to it cannot be walked.
LONG stillThere(const RegistryKey& key) {
    if (key.folder.get() < 0) return ERROR_SUCCESS;
    Descriptor now;
    if (const int error = walk(key.root.get(), key.path, false, now))
        return error == ENOENT ? ERROR_KEY_DELETED : refused(error);
    struct stat held {
    }, found{};
    // Some file systems (FUSE, network ones) forget a deleted folder: the
    // one held can no longer even be looked at.
    if (fstat(key.folder.get(), &held) != 0)
        return errno == ENOENT || errno == ESTALE ? ERROR_KEY_DELETED : refused(errno);
    if (fstat(now.get(), &found) != 0) return refused(errno);
    return sameFile(held, found) ? ERROR_SUCCESS : ERROR_KEY_DELETED;
}

// Runs `call` on `key` whole: under the root's lock, and only while the key
// is where it was. A connection made where there was no root yet looks for
// it again, and a call that creates a key makes it: the first call that
// finds it keeps it for the connection.
template <class Call>
LONG whole(RegistryKey& key, bool exclusive, bool makesRoot, Call call) {
    return guarded([&] {
        Lock lock;
        if (key.root.get() < 0) key.root = openRoot(makesRoot).folder;
        if (key.root.get() < 0) return ERROR_FILE_NOT_FOUND;
        if (const int error = lock.take(key.root.get(), exclusive)) return refused(error);
        if (const LONG there = stillThere(key)) return there;
        return call();
    });
}

// Whether this caller may remove all that the folder holds: 0 or EACCES.
// In a sticky folder only root and the owners of the folder or of an entry
// may remove that entry.
int mayEmpty(int folder) {
    if (faccessat(folder, ".", W_OK | X_OK, AT_EACCESS) != 0) return errno;
    struct stat status {};
    if (fstat(folder, &status) != 0) return errno;
    const uid_t caller = geteuid();
    if (!(status.st_mode & S_ISVTX) || caller == 0 || status.st_uid == caller) return 0;
    return eachEntry(folder, [&](const char* entry) {
        struct stat held {};
        if (fstatat(folder, entry, &held, AT_SYMLINK_NOFOLLOW) != 0) return errno;
        return held.st_uid == caller ? 0 : EACCES;
    });
}

// Opens the folders `below` the key: from the key's own folder, which the
// call has found still in its place, or from the root for the machine's key.
int walkBelow(const RegistryKey& key, const std::vector<std::string>& below, bool create, Descriptor& opened,
              bool* created = nullptr) {
    if (key.folder.get() >= 0) return walk(key.folder.get(), below, create, opened, created);
    std::vector<std::string> path = key.path;
    path.insert(path.end(), below.begin(), below.end());
    return walk(key.root.get(), path, create, opened, created);
}

// Opens the key `subKey` below `key` into `*result`; `create` makes the
// missing folders on the way and says in `created` whether the key was new.
LONG openSubKey(HKEY key, const char* subKey, bool create, HKEY* result, bool* created = nullptr) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    if (!usable(key)) return ERROR_INVALID_HANDLE;
    return whole(*key, create, create, [&] {
        auto opened = std::make_unique<RegistryKey>();
        const std::vector<std::string> below = foldersOf(subKey);
        opened->path = key->path;
        opened->path.insert(opened->path.end(), below.begin(), below.end());
        opened->root.reset(fcntl(key->root.get(), F_DUPFD_CLOEXEC, 0));
        if (opened->root.get() < 0) return refused(errno);
        if (const int error = walkBelow(*key, below, create, opened->folder, created)) return refused(error);
        *result = opened.release();
        return ERROR_SUCCESS;
    });
}

}  // namespace

const HKEY HKEY_LOCAL_MACHINE = &localMachineToken;

void endIfCancelled() { pthread_testcancel(); }

fs::path registryRoot() {
    endIfCancelled();            // readers too act on a cancellation asked for before they began
    const NoCancel uncancelled;  // the root is opened and closed on the way
    return openRoot(false).path;
}

fs::path registryRootPlace() { return rootPlace().path; }

int lockRootForReading(int root) {
    // Only the root as the calls open it is locked by them. Whoever holds the
    // lock of another folder, or of one they refuse, may hold it for good,
    // and none of their calls is under way there: that lock is taken only
    // where it is free.
    const NoCancel uncancelled;
    bool theirs = false;
    try {
        const Root own = openRoot(false);
        struct stat found {
        }, given{};
        theirs = own.folder.get() >= 0 && fstat(own.folder.get(), &found) == 0 && fstat(root, &given) == 0 &&
                 sameFile(found, given);
    } catch (const std::exception&) {}
    return lockRoot(root, theirs ? LOCK_SH : LOCK_SH | LOCK_NB);
}

LONG RegConnectRegistryA(const char* machine, HKEY predefined, HKEY* result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    if (machine && *machine) return ERROR_BAD_NETPATH;
    if (predefined != HKEY_LOCAL_MACHINE) return ERROR_INVALID_HANDLE;
    return guarded([&] {
        // Connecting makes nothing: a connection keeps the root it finds, and
        // where there is none yet, its first call that creates a key makes it.
        auto connection = std::make_unique<RegistryKey>();
        connection->root = openRoot(false).folder;
        connection->path = {kMachine};
        *result = connection.release();
        return ERROR_SUCCESS;
    });
}

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
    // No larger value is read back.
    if (size > kLargestValue - 4) return ERROR_INVALID_PARAMETER;
    return whole(*key, true, false, [&] {
        const std::string file = escape(valueName ? valueName : "") + kValueSuffix;
        Descriptor folder;
        if (const int error = walkBelow(*key, {}, false, folder)) return refused(error);
        if (const int error = clearLeftovers(folder.get())) return refused(error);
        // Written aside, then renamed into place; nothing is allocated once
        // the file exists.
        PartialFile partial(folder.get());
        if (const int error = partial.make()) return refused(error);
        const BYTE header[4] = {BYTE(type), BYTE(type >> 8), BYTE(type >> 16), BYTE(type >> 24)};
        int error = partial.write(header, sizeof header);
        if (!error) error = partial.write(data, size);
        if (const int finished = partial.finish(); !error) error = finished;
        if (!error) error = partial.place(file.c_str());
        return error ? refused(error) : ERROR_SUCCESS;
    });
}

LONG RegDeleteKeyA(HKEY key, const char* subKey) {
    if (!usable(key)) return ERROR_INVALID_HANDLE;
    if (!subKey || !*subKey) return ERROR_INVALID_PARAMETER;
    return whole(*key, true, false, [&] {
        std::vector<std::string> below = foldersOf(subKey);
        if (below.empty()) return ERROR_INVALID_PARAMETER;
        const std::string name = std::move(below.back());
        below.pop_back();
        Descriptor parent;
        if (const int error = walkBelow(*key, below, false, parent)) return refused(error);
        if (const int error = clearLeftovers(parent.get())) return refused(error);
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
        // A key whose values this caller may not remove stays whole.
        if (const int refusal = mayEmpty(folder.get())) return refused(refusal);
        // The system's registry removes a key whole or not at all. The key's
        // folder leaves its place for a hidden name before any value goes:
        // whatever would refuse the key's removal refuses this rename. Once
        // it is done, every reader sees the key as gone, so that is the
        // point of no return: what the folder holds goes as far as it can,
        // and the removal has succeeded. Nothing after it allocates.
        HiddenName<sizeof kRemoving> aside(kRemoving);
        for (int attempt = 0;; ++attempt) {
            unforeseeable(aside.text + 1, kDigits);
            if (renameat(parent.get(), name.c_str(), parent.get(), aside.text) == 0) break;
            if ((errno != EEXIST && errno != ENOTEMPTY && errno != ENOTDIR) || attempt == 100) return refused(errno);
        }
        sync(parent.get());
        clear(parent.get(), aside.text);  // what stays goes with the next call that writes here
        return ERROR_SUCCESS;
    });
}

LONG RegCloseKey(HKEY key) {
    if (!usable(key)) return ERROR_INVALID_HANDLE;
    const NoCancel uncancelled;  // closing is no place to end a thread: hosts close in destructors
    delete key;
    return ERROR_SUCCESS;
}

std::optional<std::vector<RegistryValue>> readKey(const std::string& path) {
    endIfCancelled();
    // Declared first, so that it outlives every descriptor closed on the way out.
    const NoCancel uncancelled;
    const Root root = openRoot(false);
    if (root.folder.get() < 0) return std::nullopt;
    std::vector<std::string> folders = foldersOf(path.c_str());
    folders.insert(folders.begin(), kMachine);
    fs::path directory = root.path;
    for (const std::string& name : folders) directory /= name;
    const auto unreadable = [&](const fs::path& what, int error) {
        return std::runtime_error("cannot read the registry's " + what.string() + ": " + std::strerror(error));
    };
    const auto damaged = [&](const std::string& what) {
        return std::runtime_error("damaged registry value " + what + " in " + directory.string());
    };
    // Seen whole: no call writes while the key is read.
    Lock lock;
    if (const int error = lock.take(root.folder.get(), false)) throw unreadable(root.path, error);
    // Reached as the registry reaches it: a key that is a link is an error,
    // not a missing key, and not a way to read another folder.
    Descriptor folder;
    if (const int error = walk(root.folder.get(), folders, false, folder)) {
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
        // Only a plain file of a size the registry writes is read: a link, a
        // pipe, a device or a huge planted file is no value of its own. The
        // file is judged before it is opened to be read, since opening a
        // device may act on it and opening a pipe lets its writer go. One put
        // in its place between is opened without waiting and never as the
        // process's terminal, and refused unless it is the file judged.
        struct stat judged {};
        if (fstatat(folder.get(), entry, &judged, AT_SYMLINK_NOFOLLOW) != 0) {
            const int error = errno;
            throw unreadable(directory / entry, error);
        }
        const auto judge = [&](const struct stat& file) {
            if (!S_ISREG(file.st_mode)) throw damaged("\"" + stem + "\" (not a plain file)");
            if (file.st_size > kLargestValue) throw damaged("\"" + stem + "\" (larger than 1 MiB)");
        };
        judge(judged);
        const Descriptor file(openat(folder.get(), entry, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat status {};
        if (file.get() < 0 || fstat(file.get(), &status) != 0) {
            const int error = errno;
            throw unreadable(directory / entry, error);
        }
        if (!sameFile(status, judged)) throw damaged("\"" + stem + "\" (replaced while it was read)");
        judge(status);
        std::vector<BYTE> bytes(static_cast<std::size_t>(status.st_size));
        std::size_t got = 0;
        while (got < bytes.size()) {
            const ssize_t n = read(file.get(), bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) throw unreadable(directory / entry, errno);
            if (n == 0) break;
            got += static_cast<std::size_t>(n);
        }
        bytes.resize(got);
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
