#include "host/ModuleLoader.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include <cstdlib>
#include <filesystem>

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

// Paths are UTF-8 here, as the tool reads its command line; the narrow
// calls would read them in the system's code page. Windows searches for any
// relative path, ".\" included, and takes a loaded module of the same name
// instead: only a full path names one file. A name without an extension
// would get ".dll"; the final dot keeps it as it is.
void* open(const std::string& path, std::string& error) {
    std::wstring full = fullPath(utf16FromUtf8(path));
    HMODULE module = nullptr;
    if (!full.empty()) {
        if (full.find(L'.', full.find_last_of(L'\\') + 1) == std::wstring::npos) full += L'.';
        module = LoadLibraryW(full.c_str());
    }
    if (!module) error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
    return reinterpret_cast<void*>(module);
}
void* symbol(void* handle, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name));
}
void close(void* handle) { FreeLibrary(static_cast<HMODULE>(handle)); }

// The variable and the path as UTF-8, as the tool reads every text.
std::string chosenModule() {
    const wchar_t* const chosen = _wgetenv(L"DDHOST_MODULE");
    return chosen ? utf8FromUtf16(chosen) : std::string();
}
std::string text(const std::filesystem::path& path) { return utf8FromUtf16(path.native()); }

// The file of the program or library that holds `address`; the program's
// own for null.
std::filesystem::path fileHolding(const void* address) {
    HMODULE module = nullptr;
    if (address &&
        !GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCWSTR>(address), &module))
        return {};
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(module, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) return {};
        if (length < name.size()) return name.substr(0, length);
        name.resize(name.size() * 2);
    }
}
std::filesystem::path self() { return fileHolding(nullptr); }
#else

// A name without a '/' would be searched for, in the program's run path
// first: it is a file in the current folder.
void* open(const std::string& path, std::string& error) {
    const std::string file = path.find('/') == std::string::npos ? "./" + path : path;
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = dlerror();
        error = why ? why : "cannot load " + path;
    }
    return handle;
}
void* symbol(void* handle, const char* name) { return dlsym(handle, name); }
void close(void* handle) { dlclose(handle); }

std::string chosenModule() {
    const char* const chosen = std::getenv("DDHOST_MODULE");
    return chosen ? chosen : std::string();
}
std::string text(const std::filesystem::path& path) { return path.string(); }

std::filesystem::path self() {
    std::error_code ec;
    return std::filesystem::read_symlink("/proc/self/exe", ec);
}
std::filesystem::path fileHolding(const void* address) {
    Dl_info info{};
    return dladdr(address, &info) && info.dli_fname ? info.dli_fname : std::filesystem::path();
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
    handle_ = open(path, error_);
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

std::string ModuleLoader::objectModelPath() {
    const std::filesystem::path file = fileHolding(reinterpret_cast<const void*>(&kindName));
    return file.empty() ? std::string() : text(file);
}
