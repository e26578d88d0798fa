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
    static std::once_flag started;
    std::call_once(started, [] {
        if (theApplication) theApplication->InitInstance();
    });
}

}  // namespace platform
