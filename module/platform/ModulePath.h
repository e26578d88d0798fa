// Where the module file lies, as the loader reports it.
#pragma once

#include <string>

namespace platform {

// The full path of the shared object that holds `anchor`, with every
// component resolved (symbolic links followed); the loader's own text when it
// cannot be resolved; empty when the loader does not know the file.
std::string modulePathOf(const void* anchor);

}  // namespace platform
