// The long form of a path as Windows reports it, which may hold short (8.3)
// component names, in the system's code page.
#pragma once

#include <string>

namespace platform {

// Every component after the drive replaced by the name the file system finds
// for it, or by its short name where the code page cannot spell the long one
// but spells the short one; the reported text unchanged when it has no
// backslash from index 2 on, or when any component cannot be found (one
// holding a wildcard character cannot), or spelt. Converted with no
// look-alikes: in the reported text a character the code page lacks is '?',
// which no file name holds, and `*allSpelt`, where given, is cleared. A
// short name may be another file's long one: the path is a spelling to
// check, not the file's.
std::string longPathOf(const std::wstring& reported, bool* allSpelt = nullptr);

}  // namespace platform
