#include "host/ModuleLoader.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <fcntl.h>
#include <link.h>
#include <unistd.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "host/Encoding.h"

namespace {

#if defined(_WIN32)

// The full path of `path`, relative to the current folder; empty where the
// system cannot make one.
std::wstring fullPath(const std::wstring& path) {
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) return {};
        if (length < full.size()) return full.substr(0, length);
        full.resize(length);
    }
}

bool isVerbatim(const std::wstring& path) { return path.rfind(L"\\\\?\\", 0) == 0; }
// A "\\?\" name is full and meant as it stands: nothing is made of it.
std::wstring fullName(const std::wstring& path) { return isVerbatim(path) ? path : fullPath(path); }

// Paths are UTF-8 here, as the tool reads its command line; the narrow
// calls would read them in the system's code page. Windows searches for any
// relative path, ".\" included, and takes a loaded module of the same name
// instead: only a full path names one file. A name without an extension
// would get ".dll"; the final dot keeps it as it is, except after "\\?\",
// where a dot is part of the name and no name escapes the ".dll". The file
// named is held, so that nothing takes its place while it loads, and the
// file loaded must be it.
void* open(const std::string& path, std::string& error, std::optional<FileId>& named) {
    const std::wstring wide = utf16FromUtf8(path);
    const bool verbatim = isVerbatim(wide);
    const std::wstring full = fullName(wide);
    const auto failed = [&](const std::string& why) -> void* {
        error = "cannot load " + path + " (" + why + ")";
        return nullptr;
    };
    if (full.empty()) return failed("error " + std::to_string(GetLastError()));
    const HANDLE file = CreateFileW(full.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return failed("error " + std::to_string(GetLastError()));
    const std::unique_ptr<void, decltype(&CloseHandle)> held(file, &CloseHandle);
    named = platform::fileIdOf(file);
    const char* const another = "Windows loads another file for this name";
    std::wstring loaded = full;
    if (full.find(L'.', full.find_last_of(L'\\') + 1) == std::wstring::npos) {
        if (verbatim) return failed(another);
        loaded += L'.';
    }
    const HMODULE module = LoadLibraryW(loaded.c_str());
    if (!module) return failed("error " + std::to_string(GetLastError()));
    if (!named || mappedFile(reinterpret_cast<const void*>(module)) != named) {
        FreeLibrary(module);
        return failed(another);
    }
    return reinterpret_cast<void*>(module);
}
std::optional<FileId> named(const std::string& path) {
    const std::wstring full = fullName(utf16FromUtf8(path));
    return full.empty() ? std::nullopt : platform::fileIdAt(full);
}
void* symbol(void* handle, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name));
}
void close(void* handle) { FreeLibrary(static_cast<HMODULE>(handle)); }
// An address inside the module's image: its start.
const void* inside(void* handle) { return handle; }

// The variable and the path as UTF-8, as the tool reads every text.
std::string chosenModule() {
    const wchar_t* const chosen = _wgetenv(L"DDHOST_MODULE");
    return chosen ? utf8FromUtf16(chosen) : std::string();
}
std::string text(const std::filesystem::path& path) { return utf8FromUtf16(path.native()); }

// The running program's file.
std::filesystem::path self() { return platform::reportedFileName(nullptr); }
#else

// A name without a '/' would be searched for, in the program's run path
// first: it is a file in the current folder.
std::string fileName(const std::string& path) { return path.find('/') == std::string::npos ? "./" + path : path; }
std::optional<FileId> named(const std::string& path) {
    const int descriptor = ::open(fileName(path).c_str(), O_PATH | O_CLOEXEC);
    if (descriptor < 0) return std::nullopt;
    const auto id = platform::fileIdOf(descriptor);
    ::close(descriptor);
    return id;
}

void* open(const std::string& path, std::string& error, std::optional<FileId>& named) {
    const std::string file = fileName(path);
    named = ::named(path);
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = dlerror();
        error = why ? why : "cannot load " + path;
    }
    return handle;
}
void* symbol(void* handle, const char* name) { return dlsym(handle, name); }
void close(void* handle) { dlclose(handle); }
// An address inside the module's mapping: its dynamic section.
const void* inside(void* handle) {
    link_map* map = nullptr;
    return dlinfo(handle, RTLD_DI_LINKMAP, &map) == 0 && map ? map->l_ld : nullptr;
}

std::string chosenModule() {
    const char* const chosen = std::getenv("DDHOST_MODULE");
    return chosen ? chosen : std::string();
}
std::string text(const std::filesystem::path& path) { return path.string(); }

std::filesystem::path self() {
    std::error_code ec;
    return std::filesystem::read_symlink("/proc/self/exe", ec);
}
#endif

template <class Fn>
Fn resolve(void* handle, const char* name) {
    return reinterpret_cast<Fn>(symbol(handle, name));
}

}  // namespace

ModuleLoader::ModuleLoader(const std::string& path) {
    // The system reads an empty name as the running program itself.
    if (path.empty()) {
        error_ = "no module path";
        return;
    }
    handle_ = open(path, error_, named_);
    if (!handle_) return;
    getAttributeCalculation = resolve<GetAttributeCalculationFn>(handle_, "GetAttributeCalculation");
    getInformation = resolve<GetInformationFn>(handle_, "GetInformation");
    getAttributeCalcDataCategory = resolve<GetAttributeCalcDataCategoryFn>(handle_, "GetAttributeCalcDataCategory");
    dllRegisterServer = resolve<DllRegisterServerFn>(handle_, "DllRegisterServer");
    dllUnregisterServer = resolve<DllUnregisterServerFn>(handle_, "DllUnregisterServer");
    if (!getAttributeCalculation || !getInformation || !getAttributeCalcDataCategory || !dllRegisterServer ||
        !dllUnregisterServer)
        error_ = "the module lacks an entry point";
}

ModuleLoader::~ModuleLoader() {
    if (handle_) close(handle_);
}

std::string ModuleLoader::defaultPath() {
    // An empty variable is as good as none.
    if (std::string chosen = chosenModule(); !chosen.empty()) return chosen;
    const std::filesystem::path program = self();
    if (program.empty()) return std::string("./") + DD_MODULE_FILE;
    return text(program.parent_path() / DD_MODULE_FILE);
}

std::optional<FileId> ModuleLoader::file() const {
    const void* const address = handle_ ? inside(handle_) : nullptr;
    return address ? mappedFile(address) : std::nullopt;
}

std::optional<FileId> ModuleLoader::fileNamed(const std::string& path) {
    return path.empty() ? std::nullopt : named(path);
}

std::optional<FileId> ModuleLoader::objectModelFile() { return mappedFile(reinterpret_cast<const void*>(&kindName)); }
