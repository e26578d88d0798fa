// Where the module file lies, as the loader reports it.
#pragma once

#include <string>

namespace platform {

// The full path of the shared object that holds `anchor`, with every
// component resolved (symbolic links followed); when it cannot be resolved,
// the loader's own text made absolute against the current folder (called at
// load, that is the folder the loader found the file from); empty when the
// loader does not know the file.
std::string modulePathOf(const void* anchor);

}  // namespace platform
