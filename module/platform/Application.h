// The class library's application object as the module uses it: one static
// instance whose InitInstance runs once when the module starts, before any of
// its entry points does its work.
#pragma once

namespace platform {

class CWinApp {
public:
    explicit CWinApp(const char* applicationName);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool InitInstance();

private:
    const char* name_;
};

// The library's start-up for the module: runs the application object's
// InitInstance once. Every entry point calls it first.
void StartModule();

}  // namespace platform
