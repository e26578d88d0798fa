#include "host/TraceFile.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <exception>
#include <filesystem>
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

#if !defined(_WIN32)
FileId idOf(const struct stat& s) {
    return FileId{static_cast<std::uint64_t>(s.st_dev), static_cast<std::uint64_t>(s.st_ino)};
}

// Whether `id` is anything in the registry's folder, which the registry
// owns whole: a value, or a file that would stand among its values.
bool inTheRegistry(const FileId& id) {
    namespace fs = std::filesystem;
    fs::path root;
    try {
        root = platform::registryRoot();
    } catch (const std::exception&) {
        return false;  // no registry to be found, so none to write over
    }
    std::error_code ec;
    for (fs::recursive_directory_iterator entry(root, fs::directory_options::skip_permission_denied, ec), end;
         !ec && entry != end; entry.increment(ec)) {
        struct stat s {};
        if (lstat(entry->path().c_str(), &s) == 0 && idOf(s) == id) return true;
    }
    return false;
}
#endif

}  // namespace

#if defined(_WIN32)

TraceFile::TraceFile(const std::string& name) : file_(INVALID_HANDLE_VALUE), name_(name) {
    // No access to the data yet: a trace that is the module must not keep
    // it from loading, only be refused once it has.
    const std::wstring wide = utf16FromUtf8(name);
    constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    for (int attempt = 0; attempt < 2; ++attempt) {
        file_ = CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
        if (file_ != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_NOT_FOUND) break;
        file_ = CreateFileW(wide.c_str(), FILE_READ_ATTRIBUTES | DELETE, kShareAll, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
        made_ = file_ != INVALID_HANDLE_VALUE;
        if (made_ || GetLastError() != ERROR_FILE_EXISTS) break;
    }
    id_ = fileIdOf(file_);
}

TraceFile::~TraceFile() {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
}

void TraceFile::discard() {
    if (!made_) return;
    FILE_DISPOSITION_INFO gone{TRUE};
    SetFileInformationByHandle(file_, FileDispositionInfo, &gone, sizeof gone);
}

bool TraceFile::write(const std::vector<std::string>& lines) {
    if (file_ == INVALID_HANDLE_VALUE) return false;
    // The same file again, by its handle, now to be written.
    const HANDLE out = ReOpenFile(file_, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, 0);
    if (out == INVALID_HANDLE_VALUE) return false;
    const std::string text = traceText(lines);
    // A device (NUL, a console) has no end to set.
    bool whole = GetFileType(out) != FILE_TYPE_DISK || SetEndOfFile(out);
    for (std::size_t done = 0; whole && done < text.size();) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(text.size() - done, 1u << 30));
        whole = WriteFile(out, text.data() + done, chunk, &written, nullptr) && written > 0;
        done += written;
    }
    return CloseHandle(out) && whole;
}

#else

TraceFile::TraceFile(const std::string& name) : name_(name) {
    // Made here where it is missing, without following a link, so that a
    // trace refused can be taken back; a link to no file is followed at the
    // last try, as any program writing a file does.
    for (int attempt = 0; attempt < 3; ++attempt) {
        file_ = ::open(name.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (file_ >= 0 || errno != ENOENT) break;
        const bool last = attempt == 2;
        file_ = ::open(name.c_str(), O_WRONLY | O_CREAT | (last ? 0 : O_EXCL) | O_NOCTTY | O_CLOEXEC, 0666);
        made_ = file_ >= 0 && !last;
        if (file_ >= 0 || errno != EEXIST) break;
    }
    if (file_ >= 0) id_ = fileIdOf(file_);
}

TraceFile::~TraceFile() {
    if (file_ >= 0) close(file_);
}

void TraceFile::discard() {
    // Only the file this made, should another have taken its name since.
    struct stat s {};
    if (made_ && lstat(name_.c_str(), &s) == 0 && idOf(s) == id_) unlink(name_.c_str());
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

const char* TraceFile::refusal(const ModuleLoader& module) const {
    if (!id_) return nullptr;
    if (id_ == module.file()) return "the module itself";
    if (id_ == ModuleLoader::objectModelFile()) return "the object-model library";
#if !defined(_WIN32)
    if (inTheRegistry(*id_)) return "a file of the registry";
#endif
    return nullptr;
}
