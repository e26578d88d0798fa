// The module's static objects, in the order they must be constructed: the
// nine identity strings, the two paths, then the application object whose
// start-up step records where the module file lies.
#include "frame/Identity.h"
#include "objectmodel/Text.h"
#include "platform/Application.h"
#include "platform/ModulePath.h"
#include "resources/Version.h"

namespace identity {

const CStrPP manufacturerName("Quorvane");
const CStrPP deviceName("Corvalin / KSM 27 / V1.0");
const CStrPP description("Level (Capacitive)");
const CStrPP helpFileName(DD_MODULE_NAME ".html");
const CStrPP versionLabel("Version:");
const CStrPP fileVersion(resources::kDottedVersion.data());
const CStrPP secondVersion("1.0.1");
const CStrPP technicalDescription("1:17;5434,1,1");
const CStrPP buildDate("Wed Oct 21 10:12:02 2015");

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
};

CAttributeCalcApp theApp;

}  // namespace
