#include "platform/ModulePath.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string_view>

#include "platform/FileId.h"
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

std::string longPathOf(const std::wstring& reported, bool* allSpelt) {
    bool reportedSpelt = true;
    const std::string asReported = narrow(reported, &reportedSpelt);
    if (allSpelt) *allSpelt = reportedSpelt;
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
        // volume has one the code page spells (another file may hold that
        // name as its own: Wine does not check).
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
    if (allSpelt) *allSpelt = true;
    return path;
}

namespace {

// `candidate`, given a final "." where its file name has none (so that
// LoadLibrary adds no ".dll"), when a host's LoadLibraryA of it opens the
// file `self`; nothing when it opens another or none. LoadLibraryA reads
// the text in the code page, refuses it from MAX_PATH wide characters on
// (the "." counted) unless the host is long-path aware, and, the file name
// holding a ".", opens it as CreateFileW does, which takes any length.
std::optional<std::string> loadable(std::string candidate, const FileId& self) {
    const int length = MultiByteToWideChar(CP_ACP, 0, candidate.data(), static_cast<int>(candidate.size()), nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring read(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, candidate.data(), static_cast<int>(candidate.size()), read.data(), length);
    if (read.find(L'.', read.find_last_of(L"\\/") + 1) == std::wstring::npos) {
        candidate += '.';
        read += L'.';
    }
    if (read.size() >= MAX_PATH || fileIdAt(read) != self) return std::nullopt;
    return candidate;
}

// `path` by the short (8.3) names of its components, as the file system
// gives them; empty where it gives none.
std::wstring shortPathOf(const std::wstring& path) {
    std::wstring out(path.size() + 1, L'\0');
    for (;;) {
        const DWORD length = GetShortPathNameW(path.c_str(), out.data(), static_cast<DWORD>(out.size()));
        if (length == 0) return {};
        if (length < out.size()) {
            out.resize(length);
            return out;
        }
        out.resize(length);
    }
}

// `path` without its "\\?\", where it stays absolute so: "\\?\C:\..." as
// "C:\...", "\\?\UNC\srv\..." as "\\srv\..."; empty for any other.
std::wstring plainPathOf(const std::wstring& path) {
    const std::wstring_view verbatim(path);
    if (verbatim.starts_with(L"\\\\?\\UNC\\")) return L"\\\\" + path.substr(8);
    if (verbatim.size() >= 7 && verbatim.starts_with(L"\\\\?\\") && verbatim[5] == L':' && verbatim[6] == L'\\')
        return path.substr(4);
    return {};
}

}  // namespace

std::string modulePathOf(const void* anchor) {
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCWSTR>(anchor), &module))
        return {};
    const std::wstring reported = reportedFileName(module);
    if (reported.empty()) return {};
    // The loaded file itself, by a name nothing is trimmed from. The path
    // recorded is the first spelling a host loads it by, or none: a lookup
    // trims a trailing dot, a file system folds case, and a short name may
    // be another file's long one, each leading to a look-alike.
    const std::wstring self = verbatimPath(reported);
    const std::optional<FileId> id = self.empty() ? std::nullopt : fileIdAt(self);
    if (!id) return {};
    bool spelt = true;
    std::string spelling = longPathOf(reported, &spelt);  // first: where it is right, it stays as it was
    if (const auto path = spelt ? loadable(spelling, *id) : std::nullopt) return *path;
    // Last the short names, for a path too long for a host in every other
    // spelling; in the end without "\\?\", after which the final "." of a
    // file without an extension would be part of its name.
    const std::wstring shortened = shortPathOf(self), plain = plainPathOf(shortened);
    const std::wstring* const asTheyStand[] = {&reported, &self, &shortened, &plain};
    for (const std::wstring* wide : asTheyStand) {
        spelt = true;
        spelling = narrow(*wide, &spelt);
        if (const auto path = spelt ? loadable(spelling, *id) : std::nullopt) return *path;
    }
    return {};
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
