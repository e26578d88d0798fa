#include "platform/Application.h"

#include <windows.h>

#include <atomic>
#include <mutex>

namespace platform {

namespace {
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

}  // namespace platform

// The DLL's entry point, the class library's DLL start-up: the runtime has
// built the module's static objects when a process attaches the DLL, and the
// host calls no entry point before this returns.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        try {
            platform::StartModule();
        } catch (...) {
            // Out of memory while loading: the first entry point tries again.
        }
    }
    return TRUE;
}
