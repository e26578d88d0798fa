#include "host/TraceFile.h"

#if defined(_WIN32)
#include <windows.h>

#include <algorithm>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>
#include <string_view>
#include <utility>

#include "platform/SystemRegistry.h"
#endif

#include "host/Encoding.h"
#include "host/ModuleLoader.h"

namespace {

// A call a line: a value the command line gave may hold a line end, and the
// file may be a terminal.
std::string traceText(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text.append(forTerminal(line)).append(1, '\n');
    return text;
}

#if defined(_WIN32)
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
#else

// What the walk of a folder found.
enum class Walk { kNone, kFound, kUnread };

// Whether `id` is anything in the folder `top` (a descriptor, which this
// takes), however deep. One folder is open at a time, with the names of its
// folders still to walk kept for each above it, and the way back up is ".."
// found to be the folder left: no depth takes a descriptor or a stack frame
// of its own. A folder that cannot be read, or an entry that moves during
// the walk, may hold it.
Walk walkTree(int top, const FileId& id) {
    struct Level {
        FileId folder;
        std::vector<std::string> below;
    };
    std::vector<Level> levels;
    std::set<FileId> above;  // the folders on the way down
    int at = top;
    const auto ended = [&](Walk walk) {
        if (at >= 0) close(at);
        return walk;
    };
    for (;;) {
        // Listed through a copy of the descriptor, which the listing takes.
        const int copy = at < 0 ? -1 : fcntl(at, F_DUPFD_CLOEXEC, 0);
        DIR* const listing = copy < 0 ? nullptr : fdopendir(copy);
        if (!listing) {
            if (copy >= 0) close(copy);
            return ended(Walk::kUnread);
        }
        // A folder inside itself (a file system may show one) has no end.
        const std::optional<FileId> folder = platform::fileIdOf(at);
        Walk walk = folder && above.insert(*folder).second ? Walk::kNone : Walk::kUnread;
        Level level{folder.value_or(FileId{}), {}};
        while (walk == Walk::kNone) {
            errno = 0;
            const dirent* const entry = readdir(listing);
            if (!entry) {
                if (errno) walk = Walk::kUnread;
                break;
            }
            const std::string_view name = entry->d_name;
            if (name == "." || name == "..") continue;
            struct stat s {};
            if (fstatat(at, entry->d_name, &s, AT_SYMLINK_NOFOLLOW) != 0) {
                walk = Walk::kUnread;  // gone since it was listed, or moved elsewhere in the tree
            } else if (platform::fileIdOf(s) == id) {
                walk = Walk::kFound;
            } else if (S_ISDIR(s.st_mode)) {
                level.below.emplace_back(name);
            }
        }
        closedir(listing);
        if (walk != Walk::kNone) return ended(walk);
        levels.push_back(std::move(level));
        // Down into the next folder still to walk, or up until there is one.
        for (;;) {
            Level& here = levels.back();
            if (!here.below.empty()) {
                const std::string name = std::move(here.below.back());
                here.below.pop_back();
                const int below = openat(at, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
                close(at);
                at = below;
                break;
            }
            above.erase(here.folder);
            levels.pop_back();
            if (levels.empty()) return ended(Walk::kNone);
            const int up = openat(at, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            close(at);
            at = up;
            if (at < 0 || platform::fileIdOf(at) != levels.back().folder) return ended(Walk::kUnread);
        }
    }
}

// Whether `id` is anything in the registry's folder `root`, which the
// registry owns whole: a value, a file that would stand among its values,
// or one in the root's own place. The root is reached through a link where
// the user's path has one; only where nothing stands in its place is there
// nothing of the registry's to write over.
Walk inTheRegistry(const FileId& id, std::filesystem::path root) {
    struct stat s {};
    if (root.empty()) return Walk::kNone;
    // "reg/" and "reg/." name reg's place too, where a file makes them no path.
    for (auto up = root.parent_path(); (!root.has_filename() || root.filename() == ".") && !up.empty() && up != root;
         up = root.parent_path())
        root = up;
    if (lstat(root.c_str(), &s) != 0) return errno == ENOENT || errno == ENOTDIR ? Walk::kNone : Walk::kUnread;
    if (platform::fileIdOf(s) == id) return Walk::kFound;
    const int folder = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        // Walked under the lock the registry's readers take, held by a copy
        // of the descriptor that outlives the walk's: no call of any process
        // is then half done in it. Without the lock it may be.
        const struct Copy {
            int descriptor;
            ~Copy() {
                if (descriptor >= 0) close(descriptor);
            }
        } held{fcntl(folder, F_DUPFD_CLOEXEC, 0)};
        // Another folder may have taken the root's place while the lock was
        // waited for: the registry's calls then use that one, unwalked.
        struct stat now {};
        if (held.descriptor >= 0 && platform::lockRootForReading(held.descriptor) == 0 &&
            stat(root.c_str(), &now) == 0 && platform::fileIdOf(now) == platform::fileIdOf(folder))
            return walkTree(folder, id);
        close(folder);
        return Walk::kUnread;
    }
    if (errno == ENOENT) return Walk::kNone;  // a link to nothing
    // A file, or a link to one, in the root's place.
    if (errno == ENOTDIR)
        return stat(root.c_str(), &s) == 0 && platform::fileIdOf(s) == id ? Walk::kFound : Walk::kNone;
    return Walk::kUnread;
}
#endif

// The file the process's output or error output goes to, where it is a
// file on a disk, which a trace would write over: a terminal, a pipe or a
// device it would not.
std::optional<FileId> outputFile(bool errors) {
#if defined(_WIN32)
    const HANDLE output = GetStdHandle(errors ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (output == nullptr || output == INVALID_HANDLE_VALUE || GetFileType(output) != FILE_TYPE_DISK)
        return std::nullopt;
    return platform::fileIdOf(output);
#else
    struct stat s {};
    if (fstat(errors ? STDERR_FILENO : STDOUT_FILENO, &s) != 0 || !S_ISREG(s.st_mode)) return std::nullopt;
    return platform::fileIdOf(s);
#endif
}

}  // namespace

#if defined(_WIN32)

TraceFile::TraceFile(const std::string& name) : file_(INVALID_HANDLE_VALUE), name_(name) {
    // No access to the data yet, nor the right to delete, which the loader's
    // sharing counts too: a trace that is the module, even one made here,
    // must not keep it from loading, only be refused once it has.
    const std::wstring wide = utf16FromUtf8(name);
    for (int attempt = 0; attempt < 2; ++attempt) {
        file_ = CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file_ != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_NOT_FOUND) break;
        file_ = CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
        made_ = file_ != INVALID_HANDLE_VALUE;
        if (made_ || GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (file_ == INVALID_HANDLE_VALUE) error_ = "error " + std::to_string(GetLastError());
    id_ = platform::fileIdOf(file_);
    if (file_ == INVALID_HANDLE_VALUE) return;
    // Opened for writing as write() will, and let go at once: one that cannot
    // be written stops the command before it runs, as on Linux.
    const HANDLE out = forWriting();
    if (out != INVALID_HANDLE_VALUE) {
        CloseHandle(out);
        return;
    }
    error_ = "error " + std::to_string(GetLastError());
    CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
}

void* TraceFile::forWriting() const {
    // The same file again, by its handle; a device (NUL, a console), which no
    // handle reopens and which is no module, by its name. Either may lead
    // elsewhere: Wine reopens a handle by its name too.
    return GetFileType(file_) == FILE_TYPE_DISK ? ReOpenFile(file_, GENERIC_WRITE, kShareAll, 0)
                                                : CreateFileW(utf16FromUtf8(name_).c_str(), GENERIC_WRITE, kShareAll,
                                                              nullptr, OPEN_EXISTING, 0, nullptr);
}

bool TraceFile::opened() const { return file_ != INVALID_HANDLE_VALUE; }

TraceFile::~TraceFile() {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
}

std::optional<std::string> TraceFile::discard() {
    // By its name, now with the right to delete, but only the file this
    // made, should another have taken its name since.
    if (!made_ || !id_) return std::nullopt;
    const std::wstring wide = utf16FromUtf8(name_);
    const auto byName = [&](DWORD access) {
        return CreateFileW(wide.c_str(), access, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT,
                           nullptr);
    };
    HANDLE named = byName(DELETE | FILE_READ_ATTRIBUTES);
    const bool deletable = named != INVALID_HANDLE_VALUE;
    DWORD why = GetLastError();
    if (!deletable) named = byName(FILE_READ_ATTRIBUTES);  // only to tell whether it is still the file made
    if (named == INVALID_HANDLE_VALUE) return std::nullopt;
    FILE_DISPOSITION_INFO dispose{TRUE};
    // Another's is none of this run's to remove. One that cannot go (made
    // read-only, under Wine by a umask that takes the writing) is said.
    const bool gone = platform::fileIdOf(named) != id_ ||
                      (deletable && SetFileInformationByHandle(named, FileDispositionInfo, &dispose, sizeof dispose));
    if (!gone && deletable) why = GetLastError();
    CloseHandle(named);
    if (gone) return std::nullopt;
    return "the file made for it is left as " + name_ + ", which could not be removed (error " + std::to_string(why) +
           ")";
}

bool TraceFile::write(const std::vector<std::string>& lines) {
    if (file_ == INVALID_HANDLE_VALUE) return false;
    const DWORD type = GetFileType(file_);
    const HANDLE out = forWriting();
    if (out == INVALID_HANDLE_VALUE) return false;
    const std::string text = traceText(lines);
    // Nothing is cut or written but the file checked: the same kind, and the
    // same file where it tells one, as every disk file does.
    const bool checked = GetFileType(out) == type && platform::fileIdOf(out) == id_ && (id_ || type != FILE_TYPE_DISK);
    bool whole = checked && (type != FILE_TYPE_DISK || SetEndOfFile(out));
    for (std::size_t done = 0; whole && done < text.size();) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 1u << 30));
        whole = WriteFile(out, text.data() + done, chunk, &written, nullptr) && written > 0;
        done += written;
    }
    return CloseHandle(out) && whole;
}

#else

// The registry's folder is found before the file is made, which might stand
// in its place.
TraceFile::TraceFile(const std::string& name) : name_(name), registry_(platform::registryRootPlace()) {
    // Made here where it is missing, never through a link, so that a trace
    // refused can be taken back: a link to no file is not followed.
    for (int attempt = 0; attempt < 2; ++attempt) {
        file_ = ::open(name.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (file_ >= 0 || errno != ENOENT) break;
        file_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
        made_ = file_ >= 0;
        if (made_ || errno != EEXIST) break;
    }
    if (file_ >= 0) {
        id_ = platform::fileIdOf(file_);
        return;
    }
    // Missing, and yet there: what stands there is a link to no file.
    struct stat s {};
    const bool dangling = errno == EEXIST && lstat(name.c_str(), &s) == 0 && S_ISLNK(s.st_mode);
    error_ = dangling ? "a symbolic link to no file" : std::strerror(errno);
}

bool TraceFile::opened() const { return file_ >= 0; }

TraceFile::~TraceFile() {
    if (file_ >= 0) close(file_);
}

std::optional<std::string> TraceFile::discard() {
    // No call removes a name only while it holds a given file: what the name
    // holds is moved into a folder of this run's own, made beside it under a
    // name nobody foresees and closed to others, and removed there only where
    // it is the file this made; any other goes back where its name is still
    // free. Where the name cannot be moved so, the file made stays, and that
    // is said. The file is closed first: it is written no more, and one held
    // open is not gone on NFS.
    if (file_ >= 0) close(std::exchange(file_, -1));
    const auto holdsMade = [&] {
        struct stat s {};
        return lstat(name_.c_str(), &s) == 0 && platform::fileIdOf(s) == id_;
    };
    if (!made_ || !id_ || !holdsMade()) return std::nullopt;
    const std::filesystem::path path(name_), within = path.parent_path();
    const std::string named = path.filename().string();
    const int folder = ::open(within.empty() ? "." : within.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    unsigned char random[8]{};
    const bool chosen = folder >= 0 && getrandom(random, sizeof random, 0) == sizeof random;
    std::string aside = ".ddhost-";
    for (const unsigned char byte : random) appendHex(aside, byte);
    const bool made = chosen && mkdirat(folder, aside.c_str(), 0700) == 0;
    const int own = made ? openat(folder, aside.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC) : -1;
    struct stat s {};
    bool moved = own >= 0 && fstat(own, &s) == 0;
    if (moved && s.st_uid != geteuid()) {
        moved = false;
        errno = EPERM;
    }
    moved = moved && renameat(folder, named.c_str(), own, "trace") == 0;
    const int why = errno;  // where nothing was moved, why
    bool left = false;
    if (moved) {
        if (fstatat(own, "trace", &s, AT_SYMLINK_NOFOLLOW) == 0 && platform::fileIdOf(s) == id_)
            left = unlinkat(own, "trace", 0) != 0;
        else  // back, never over what took the name meanwhile
            left = renameat2(own, "trace", folder, named.c_str(), RENAME_NOREPLACE) != 0 &&
                   ((errno != EINVAL && errno != ENOSYS) || linkat(own, "trace", folder, named.c_str(), 0) != 0 ||
                    unlinkat(own, "trace", 0) != 0);
    }
    if (own >= 0) close(own);
    if (made && !left) unlinkat(folder, aside.c_str(), AT_REMOVEDIR);
    if (folder >= 0) close(folder);
    if (left) return "what held the name when it was removed is left as " + (within / aside / "trace").string();
    if (!moved && holdsMade())
        return "the file made for it is left as " + name_ + ", which could not be removed (" + std::strerror(why) + ")";
    return std::nullopt;
}

bool TraceFile::write(const std::vector<std::string>& lines) {
    struct stat s {};
    if (file_ < 0 || fstat(file_, &s) != 0) return false;
    // A pipe, a terminal or a device has no end to cut and no start to go
    // back to.
    if (S_ISREG(s.st_mode) && (ftruncate(file_, 0) != 0 || lseek(file_, 0, SEEK_SET) != 0)) return false;
    const std::string text = traceText(lines);
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t written = ::write(file_, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

#endif

const char* TraceFile::refusal(const ModuleLoader& module) const { return refusal(module.file(), module.namedFile()); }

const char* TraceFile::refusal(const std::optional<FileId>& loaded, const std::optional<FileId>& named) const {
    if (!id_) return nullptr;
    if (id_ == loaded || id_ == named) return "is the module itself";
    if (id_ == ModuleLoader::objectModelFile()) return "is the object-model library";
    if (id_ == outputFile(false)) return "is the output";
    if (id_ == outputFile(true)) return "is the error output";
#if !defined(_WIN32)
    switch (inTheRegistry(*id_, registry_)) {
    case Walk::kFound: return "is a file of the registry";
    case Walk::kUnread: return "may be a file of the registry, which cannot be read whole";
    case Walk::kNone: break;
    }
#endif
    return nullptr;
}
