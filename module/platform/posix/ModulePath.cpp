#include "platform/ModulePath.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace platform {

std::string modulePathOf(const void* anchor) {
    Dl_info info{};
    if (!dladdr(anchor, &info) || !info.dli_fname) return {};
    // realpath allocates the result itself: no fixed-size buffer.
    const std::unique_ptr<char, decltype(&std::free)> resolved(realpath(info.dli_fname, nullptr), &std::free);
    if (resolved) return resolved.get();
    // Unresolvable (the file went away): still absolute, against the folder
    // the loader resolved it in, which at load is the current one.
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(info.dli_fname, ec);
    return ec ? std::string(info.dli_fname) : absolute.string();
}

}  // namespace platform
