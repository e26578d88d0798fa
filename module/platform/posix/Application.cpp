#include "platform/Application.h"

#include <mutex>

namespace platform {

namespace {
CWinApp* theApplication = nullptr;
}  // namespace

CWinApp::CWinApp(const char* applicationName) : name_(applicationName) { theApplication = this; }

CWinApp::~CWinApp() {
    if (theApplication == this) theApplication = nullptr;
}

bool CWinApp::InitInstance() { return true; }

void StartModule() {
    // Not started without an application object: a later call may find one.
    if (!theApplication) return;
    static std::once_flag started;
    std::call_once(started, [] { theApplication->InitInstance(); });
}

namespace {

// The loader's counterpart of the DLL start-up. This archive is linked after
// the module's own objects, so their static objects (the application object
// among them) are built when it runs.
__attribute__((constructor)) void startAtLoad() {
    try {
        StartModule();
    } catch (...) {
        // Out of memory while loading: the first entry point tries again.
    }
}

}  // namespace

}  // namespace platform
