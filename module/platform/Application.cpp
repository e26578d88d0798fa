#include "platform/Application.h"

#if defined(_WIN32)
#include <windows.h>
#endif

#include <atomic>
#include <exception>
#if !defined(_WIN32)
#include <mutex>
#endif

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

#if defined(_WIN32)

namespace {

// MinGW's std::call_once stays "in progress" for good once its callable
// throws, so every later caller would block: the system's own run-once,
// which a run that fails leaves to the next caller, and which makes callers
// meanwhile wait for the one running it.
INIT_ONCE started = INIT_ONCE_STATIC_INIT;

struct StartUp {
    CWinApp* application;
    std::exception_ptr thrown;
};

// No exception may cross the system's frames: it is carried out instead,
// and the run counts as failed.
BOOL CALLBACK startUp(PINIT_ONCE, PVOID parameter, PVOID*) {
    auto& start = *static_cast<StartUp*>(parameter);
    try {
        start.application->InitInstance();
        return TRUE;
    } catch (...) {
        start.thrown = std::current_exception();
        return FALSE;
    }
}

}  // namespace

#endif

void StartModule() {
    // Not started without an application object: a later call may find one.
    CWinApp* const application = theApplication;
    if (!application) return;
#if defined(_WIN32)
    StartUp start{application, nullptr};
    if (!InitOnceExecuteOnce(&started, startUp, &start, nullptr) && start.thrown) std::rethrow_exception(start.thrown);
#else
    // glibc's once resets when its callable throws (or its thread is
    // cancelled), so the next caller runs it again.
    static std::once_flag started;
    std::call_once(started, [application] { application->InitInstance(); });
#endif
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
        // The runtime libraries linked in keep, from each load, their
        // exception pool, their records of threads and (64-bit) a TLS slot,
        // and no unload gives them back: so the DLL stays loaded once attached, and a
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
