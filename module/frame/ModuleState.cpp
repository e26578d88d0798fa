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
    // Records the module's full path and its base path (up to, not
    // including, the last "."; the whole path when it has no ".").
    bool InitInstance() override {
        static const int anchor = 0;
        identity::modulePath = platform::modulePathOf(&anchor).c_str();
        const int dot = identity::modulePath.FindLast(".");
        identity::moduleBasePath = dot < 0 ? identity::modulePath : identity::modulePath.Left(dot);
        return true;
    }
    void threadEnding() override { CDeviceAttributeCalculation::threadEnding(); }
};

CAttributeCalcApp theApp;

}  // namespace
