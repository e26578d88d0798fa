#include "platform/ModulePath.h"

#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstring>

namespace platform {

namespace {

// `name` made absolute into `out`, with every component resolved where the
// file can be found; false when no absolute path can be known. Nothing here
// allocates through the C++ runtime, so it works when memory has run out.
bool absolutePath(const char* name, char (&out)[PATH_MAX]) noexcept {
    if (realpath(name, out)) return true;
    // Unresolvable (the file went away): still absolute, against the folder
    // the loader resolved it in, which at load is the current one.
    const std::size_t length = std::strlen(name);
    std::size_t at = 0;
    if (name[0] != '/') {
        if (!getcwd(out, sizeof out)) return false;
        at = std::strlen(out);
        if (at + 1 >= sizeof out) return false;
        out[at++] = '/';
    }
    if (at + length >= sizeof out) return false;
    std::memcpy(out + at, name, length + 1);
    return true;
}

}  // namespace

std::string modulePathOf(const void* anchor) {
    // Taken once, at the first call: the start-up makes it at load, and a
    // later call (a start-up retried after memory ran out) must not read the
    // loader's relative name against a folder the host has moved to since.
    struct Path {
        char text[PATH_MAX];
    };
    static const Path path = [anchor]() noexcept {
        Path taken{};
        Dl_info info{};
        if (!dladdr(anchor, &info) || !info.dli_fname || !absolutePath(info.dli_fname, taken.text))
            taken.text[0] = '\0';
        return taken;
    }();
    return path.text;
}

std::size_t fileNameAt(const std::string& path) {
    const std::size_t separator = path.rfind('/');
    return separator == std::string::npos ? 0 : separator + 1;
}

}  // namespace platform
