#include "platform/Application.h"

#include <windows.h>

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
