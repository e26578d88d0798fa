// Loads a device module from its path (UTF-8) as a host does (dlopen,
// LoadLibraryW on Windows) and finds its five entry points. A relative path
// is the file's from the current folder, never a name searched for; on
// Windows a module the system would load another file for is refused.
#pragma once

#include <optional>
#include <string>

#include "host/MappedFile.h"
#include "interfaces/ModuleInterface.h"

class ModuleLoader {
public:
    explicit ModuleLoader(const std::string& path);
    ~ModuleLoader();
    ModuleLoader(const ModuleLoader&) = delete;
    ModuleLoader& operator=(const ModuleLoader&) = delete;

    bool loaded() const { return handle_ != nullptr; }
    const std::string& error() const { return error_; }

    GetAttributeCalculationFn getAttributeCalculation = nullptr;
    GetInformationFn getInformation = nullptr;
    GetAttributeCalcDataCategoryFn getAttributeCalcDataCategory = nullptr;
    DllRegisterServerFn dllRegisterServer = nullptr;
    DllUnregisterServerFn dllUnregisterServer = nullptr;

    // The module file next to the running program, or $DDHOST_MODULE.
    static std::string defaultPath();
    // The module's file as loaded; nothing where the system cannot tell.
    std::optional<FileId> file() const;
    // The file the path named when it was loaded, whether it loaded or not;
    // nothing where there was none.
    const std::optional<FileId>& namedFile() const { return named_; }
    // The file `path` names, which a load of it takes, without loading it;
    // nothing where there is none.
    static std::optional<FileId> fileNamed(const std::string& path);
    // The file of the object-model library the module runs with, which this
    // program uses too, as loaded; nothing where the system cannot tell.
    static std::optional<FileId> objectModelFile();

private:
    void* handle_ = nullptr;
    std::string error_;
    std::optional<FileId> named_;
};
