#include "host/ModuleLoader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace {
template <class Fn>
Fn resolve(void* handle, const char* name) {
    return reinterpret_cast<Fn>(dlsym(handle, name));
}
}  // namespace

ModuleLoader::ModuleLoader(const std::string& path) {
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* why = dlerror();
        error_ = why ? why : "cannot load " + path;
        return;
    }
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
    if (handle_) dlclose(handle_);
}

std::string ModuleLoader::defaultPath() {
    if (const char* chosen = std::getenv("DDHOST_MODULE")) return chosen;
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::string("./") + DD_MODULE_FILE;
    return (self.parent_path() / DD_MODULE_FILE).string();
}
