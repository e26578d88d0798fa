#include "platform/ModulePath.h"

#include <windows.h>

#include <algorithm>
#include <string_view>

#include "platform/windows/LongPath.h"

namespace platform {

namespace {

// `text` in the system's code page with no look-alikes: a character the code
// page has no byte for becomes '?', which no file name holds, and clears
// `*exact`. A character at a time, so that a UTF-8 code page (which takes no
// such flags) and a lone surrogate are told the same way.
std::string narrow(std::wstring_view text, bool* exact = nullptr) {
    const bool utf8 = GetACP() == CP_UTF8;
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const bool pair = IS_HIGH_SURROGATE(text[at]) && at + 1 < text.size() && IS_LOW_SURROGATE(text[at + 1]);
        const int units = pair ? 2 : 1;
        char bytes[8];
        BOOL usedDefault = FALSE;
        const int length =
            WideCharToMultiByte(CP_ACP, utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS, text.data() + at, units,
                                bytes, sizeof bytes, nullptr, utf8 ? nullptr : &usedDefault);
        if (length <= 0 || usedDefault) {
            out += '?';
            if (exact) *exact = false;
        } else {
            out.append(bytes, static_cast<std::size_t>(length));
        }
        at += static_cast<std::size_t>(units);
    }
    return out;
}

// FindFirstFile reads these in the last component as a pattern.
bool holdsWildcard(std::wstring_view component) { return component.find_first_of(L"*?<>\"") != component.npos; }

}  // namespace

std::string longPathOf(const std::wstring& reported) {
    const std::string asReported = narrow(reported);
    const std::size_t first = reported.find(L'\\', 2);
    if (first == std::wstring::npos) return asReported;
    bool spelt = true;
    std::string path = narrow(std::wstring_view(reported).substr(0, first), &spelt);  // the drive, as reported
    if (!spelt) return asReported;
    for (std::size_t at = first; at < reported.size() && reported[at] == L'\\';) {
        const std::size_t end = std::min(reported.find(L'\\', at + 1), reported.size());
        // A component that cannot be looked up leaves Windows' own text, never
        // a mix of long and short names.
        if (holdsWildcard(std::wstring_view(reported).substr(at + 1, end - at - 1))) return asReported;
        WIN32_FIND_DATAW found;
        const HANDLE search = FindFirstFileW(reported.substr(0, end).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return asReported;
        FindClose(search);
        // A long name the code page cannot spell: the short one, where the
        // volume has one the code page spells, still names this file.
        std::string name = narrow(found.cFileName, &spelt);
        if (!spelt && found.cAlternateFileName[0] != L'\0') {
            spelt = true;
            name = narrow(found.cAlternateFileName, &spelt);
        }
        if (!spelt) return asReported;
        path += '\\';
        path += name;
        at = end;
    }
    return path;
}

std::string modulePathOf(const void* anchor) {
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCWSTR>(anchor), &module))
        return {};
    // Read wide, as the narrow call would give look-alikes of the characters
    // the code page lacks. The buffer grows until the whole name fits: a long
    // path is never cut.
    std::wstring reported(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(module, reported.data(), static_cast<DWORD>(reported.size()));
        if (length == 0) return {};
        if (length < reported.size()) {
            reported.resize(length);
            break;
        }
        reported.resize(reported.size() * 2);
    }
    return longPathOf(reported);
}

std::size_t fileNameAt(const std::string& path) {
    // A character at a time: in a double-byte code page the second byte of a
    // character may be a '\\'.
    std::size_t name = 0;
    for (std::size_t at = 0; at < path.size(); ++at) {
        if (IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(path[at])))
            ++at;
        else if (path[at] == '\\' || path[at] == '/')
            name = at + 1;
    }
    return name;
}

}  // namespace platform
