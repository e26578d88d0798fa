#include "platform/Application.h"

#include <atomic>
#include <mutex>

namespace platform {

namespace {
// Set while the module's static objects are built, in another file: atomic, so
// that the compiler cannot take it for still null when the load step reads it.
std::atomic<CWinApp*> theApplication{nullptr};
}  // namespace

CWinApp::CWinApp() { theApplication = this; }

CWinApp::~CWinApp() {
    if (theApplication == this) theApplication = nullptr;
}

bool CWinApp::InitInstance() { return true; }

void StartModule() {
    // Not started without an application object: a later call may find one.
    CWinApp* const application = theApplication;
    if (!application) return;
    static std::once_flag started;
    std::call_once(started, [application] { application->InitInstance(); });
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
