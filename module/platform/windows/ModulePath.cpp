#include "platform/ModulePath.h"

#include <windows.h>

#include <algorithm>

#include "platform/windows/LongPath.h"

namespace platform {

std::string longPathOf(const std::string& reported) {
    const std::size_t first = reported.find('\\', 2);
    if (first == std::string::npos) return reported;
    std::string path = reported.substr(0, first);  // the drive, as reported
    for (std::size_t at = first; at < reported.size() && reported[at] == '\\';) {
        const std::size_t end = std::min(reported.find('\\', at + 1), reported.size());
        WIN32_FIND_DATAA found;
        const HANDLE search = FindFirstFileA(reported.substr(0, end).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return reported;  // never a mix of long and short names
        FindClose(search);
        path += '\\';
        path += found.cFileName;
        at = end;
    }
    return path;
}

std::string modulePathOf(const void* anchor) {
    HMODULE module = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCSTR>(anchor), &module))
        return {};
    // The buffer grows until the whole name fits: a long path is never cut.
    std::string reported(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(module, reported.data(), static_cast<DWORD>(reported.size()));
        if (length == 0) return {};
        if (length < reported.size()) {
            reported.resize(length);
            break;
        }
        reported.resize(reported.size() * 2);
    }
    return longPathOf(reported);
}

}  // namespace platform
