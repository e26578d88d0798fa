// Where the module file lies, as the loader reports it.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

// The full path of the shared object that holds `anchor`; empty when the
// loader does not know the file. Every call gives the same answer, wherever
// the host has moved its current folder since the module was loaded: Windows
// keeps the full path itself; elsewhere the path is taken at the first call,
// which the start-up makes at load, with every component resolved (symbolic
// links followed) or, when it cannot be resolved, the loader's own text made
// absolute against the folder it was loaded from. On Windows the path is in
// the system's code page, with no look-alikes (see windows/LongPath.h), and
// a host's LoadLibraryA of it opens the loaded file itself (a file name
// without extension ends in "."); empty where no spelling does.
std::string modulePathOf(const void* anchor);

// Where the file's own name begins in such a path: just after its last
// folder separator, 0 when it has none.
std::size_t fileNameAt(const std::string& path);

}  // namespace platform
