// The long form of a path as Windows reports it, which may hold short (8.3)
// component names.
#pragma once

#include <string>

namespace platform {

// Every component after the drive replaced by the name the file system finds
// for it; the reported text unchanged when it has no backslash from index 2
// on, or when any component cannot be found.
std::string longPathOf(const std::string& reported);

}  // namespace platform
