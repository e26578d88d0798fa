#include "platform/Application.h"

#if defined(_WIN32)
#include <windows.h>
#endif

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

void CWinApp::threadEnding() {}

void StartModule() {
    // Not started without an application object: a later call may find one.
    CWinApp* const application = theApplication;
    if (!application) return;
    static std::once_flag started;
    std::call_once(started, [application] { application->InitInstance(); });
}

}  // namespace platform

// The load step stays in this file, beside the application object's
// constructor: the module's application object is what links this file from
// the platform library, and with it the step.
#if defined(_WIN32)

// The DLL's entry point, the class library's DLL start-up: the runtime has
// built the module's static objects when a process attaches the DLL, and the
// host calls no entry point before this returns.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        // The runtime libraries linked in keep, from each load, a TLS slot,
        // their exception pool and their records of threads, and no unload
        // gives them back: so the DLL stays loaded once attached, and a
        // host's later loads and unloads only count. The loader lock this
        // takes is the one the loader already holds for this thread. Where
        // the pin fails, the DLL still works.
        HMODULE pinned;
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN | GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                           reinterpret_cast<LPCWSTR>(instance), &pinned);
        try {
            platform::StartModule();
        } catch (...) {
            // Out of memory while loading: the first entry point tries again.
        }
    }
    if (reason == DLL_THREAD_DETACH)
        if (platform::CWinApp* const application = platform::theApplication) application->threadEnding();
    return TRUE;
}

#else

namespace {

// The loader's counterpart of the DLL start-up. The platform library is
// linked after the module's own objects, so their static objects (the
// application object among them) are built when it runs.
__attribute__((constructor)) void startAtLoad() {
    try {
        platform::StartModule();
    } catch (...) {
        // Out of memory while loading: the first entry point tries again.
    }
}

}  // namespace

#endif
