#include "platform/ModulePath.h"

#include <dlfcn.h>

#include <cstdlib>
#include <memory>

namespace platform {

std::string modulePathOf(const void* anchor) {
    Dl_info info{};
    if (!dladdr(anchor, &info) || !info.dli_fname) return {};
    // realpath allocates the result itself: no fixed-size buffer.
    const std::unique_ptr<char, decltype(&std::free)> resolved(realpath(info.dli_fname, nullptr), &std::free);
    return resolved ? std::string(resolved.get()) : std::string(info.dli_fname);
}

}  // namespace platform
