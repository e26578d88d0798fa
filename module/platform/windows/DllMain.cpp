// The DLL's entry point: the module starts when a process attaches it, after
// the runtime has constructed its static objects and before the host can call
// any entry point.
#include <windows.h>

#include "platform/Application.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    try {
        platform::StartModule();
    } catch (...) {
        return FALSE;  // the load fails rather than the host
    }
    return TRUE;
}
