// The module's static objects: the nine identity texts, fixed when the module
// is compiled (constinit: nothing of theirs runs at load), the two paths, then
// the application object whose start-up step records where the module file
// lies.
#include "engine/AttributeCalculation.h"
#include "frame/Identity.h"
#include "objectmodel/Text.h"
#include "platform/Application.h"
#include "platform/ModulePath.h"
#include "resources/Version.h"

namespace identity {

constinit const char* const manufacturerName = "Quorvane";
constinit const char* const deviceName = "Corvalin / KSM 27 / V1.0";
constinit const char* const description = "Level (Capacitive)";
constinit const char* const helpFileName = DD_MODULE_NAME ".html";
constinit const char* const versionLabel = "Version:";
constinit const char* const fileVersion = resources::kDottedVersion.data();
constinit const char* const secondVersion = "1.0.1";
constinit const char* const technicalDescription = "1:17;5434,1,1";
constinit const char* const buildDate = "Wed Oct 21 10:12:02 2015";

CStrPP moduleBasePath;
CStrPP modulePath;

}  // namespace identity

namespace {

class CAttributeCalcApp final : public platform::CWinApp {
public:
    // Records the module's full path and its base path: the path without
    // the file name's extension (up to, not including, the last "." of the
    // file's own name; the whole path when that has no "."). A dot in a
    // folder's name starts no extension.
    bool InitInstance() override {
        static const int anchor = 0;
        const std::string path = platform::modulePathOf(&anchor);
        const std::size_t dot = path.rfind('.');
        identity::modulePath = path.c_str();
        identity::moduleBasePath = dot == std::string::npos || dot < platform::fileNameAt(path)
                                       ? identity::modulePath
                                       : identity::modulePath.Left(static_cast<int>(dot));
        return true;
    }
    void threadEnding() override { CDeviceAttributeCalculation::threadEnding(); }
};

CAttributeCalcApp theApp;

}  // namespace
