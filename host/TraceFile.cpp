#include "host/TraceFile.h"

#if defined(_WIN32)
#include <windows.h>

#include <algorithm>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string_view>
#include <system_error>

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

// The registry's folder, found before the trace's file is made, which
// might stand in its place; empty where there is none to be found, and so
// none to write over.
std::filesystem::path registryFolder() {
    try {
        return platform::registryRoot();
    } catch (const std::exception&) {
        return {};
    }
}

// What the walk of a folder found.
enum class Walk { kNone, kFound, kUnread };

// Whether `id` is anything in the folder `folder` (a descriptor, which this
// takes), through descriptors so that no path is too long to reach; a
// folder that cannot be read whole may hold it.
Walk walkFolder(int folder, const FileId& id) {
    DIR* const listing = fdopendir(folder);
    if (!listing) {
        close(folder);
        return Walk::kUnread;
    }
    Walk walk = Walk::kNone;
    for (;;) {
        errno = 0;
        const dirent* const entry = readdir(listing);
        if (!entry) {
            if (errno) walk = Walk::kUnread;
            break;
        }
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") continue;
        struct stat s {};
        if (fstatat(dirfd(listing), entry->d_name, &s, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT) continue;  // gone since it was listed
            walk = Walk::kUnread;
            break;
        }
        if (platform::fileIdOf(s) == id) {
            walk = Walk::kFound;
            break;
        }
        if (!S_ISDIR(s.st_mode)) continue;
        const int below = openat(dirfd(listing), entry->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        walk = below < 0 ? (errno == ENOENT ? Walk::kNone : Walk::kUnread) : walkFolder(below, id);
        if (walk != Walk::kNone) break;
    }
    closedir(listing);
    return walk;
}

// Whether `id` is anything in the registry's folder `root`, which the
// registry owns whole: a value, a file that would stand among its values,
// or one in the root's own place. The root is reached as the registry
// reaches it, through a link where the user's path has one.
Walk inTheRegistry(const FileId& id, const std::filesystem::path& root) {
    struct stat s {};
    if (root.empty()) return Walk::kNone;
    if (lstat(root.c_str(), &s) == 0 && platform::fileIdOf(s) == id) return Walk::kFound;
    const int folder = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) return errno == ENOENT || errno == ENOTDIR ? Walk::kNone : Walk::kUnread;
    return walkFolder(folder, id);
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
    discard();  // not left behind where made here
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

void TraceFile::discard() {
    // By its name, now with the right to delete, but only the file this
    // made, should another have taken its name since.
    if (!made_ || !id_) return;
    const HANDLE named = CreateFileW(utf16FromUtf8(name_).c_str(), DELETE | FILE_READ_ATTRIBUTES, kShareAll, nullptr,
                                     OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (named == INVALID_HANDLE_VALUE) return;
    FILE_DISPOSITION_INFO gone{TRUE};
    if (platform::fileIdOf(named) == id_) SetFileInformationByHandle(named, FileDispositionInfo, &gone, sizeof gone);
    CloseHandle(named);
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

TraceFile::TraceFile(const std::string& name) : name_(name), registry_(registryFolder()) {
    // Made here where it is missing, never through a link, so that a trace
    // refused can be taken back: a link to no file is not followed.
    for (int attempt = 0; attempt < 2; ++attempt) {
        file_ = ::open(name.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (file_ >= 0 || errno != ENOENT) break;
        file_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
        made_ = file_ >= 0;
        if (made_ || errno != EEXIST) break;
    }
    if (file_ < 0) error_ = std::strerror(errno);
    if (file_ >= 0) id_ = platform::fileIdOf(file_);
}

bool TraceFile::opened() const { return file_ >= 0; }

TraceFile::~TraceFile() {
    if (file_ >= 0) close(file_);
}

void TraceFile::discard() {
    // Only the file this made, should another have taken its name since.
    struct stat s {};
    if (made_ && lstat(name_.c_str(), &s) == 0 && platform::fileIdOf(s) == id_) unlink(name_.c_str());
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
