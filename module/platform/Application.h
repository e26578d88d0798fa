// The class library's application object as the module uses it: one static
// instance whose InitInstance runs when the module is loaded, before the
// host can call any of its entry points (and again at the next entry point
// if it threw), until one run has returned.
#pragma once

namespace platform {

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool InitInstance();
    // Runs on a thread about to end, while its stack is still there: on
    // Windows for every thread that ends, unwound or not.
    virtual void threadEnding();
};

// The library's start-up for the module: runs the application object's
// InitInstance once. The platform's load step calls it once the module's
// static objects exist; the entry points call it too, which does nothing
// once it has run. A call made while another runs it waits for that one.
// It throws what InitInstance throws (out of memory), and the start is then
// not made: the next call, on any thread, runs InitInstance again.
void StartModule();

}  // namespace platform
