// A file known by itself, never by a name: its device and inode (on Windows
// its volume serial and file index).
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

namespace platform {

struct FileId {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    auto operator<=>(const FileId&) const = default;
};

#if defined(_WIN32)
// The file an open handle is.
std::optional<FileId> fileIdOf(void* handle);
// The file `path` opens, for its attributes only, beside any other opener.
std::optional<FileId> fileIdAt(const std::wstring& path);
// The name Windows reports for a loaded module's file (null: the program's),
// read wide and never cut; empty where it tells none.
std::wstring reportedFileName(void* module);
// That name in the form Windows opens as it stands ("\\?\"): no trailing dot
// or space trimmed, nothing read against the current folder. Empty for a
// name that is not absolute (Wine reports UNC\srv\... and unix\... so),
// which would name whatever lies under the current folder.
std::wstring verbatimPath(const std::wstring& reported);
#else
// The file an open descriptor is.
std::optional<FileId> fileIdOf(int descriptor);
// The file a stat tells of.
FileId fileIdOf(const struct stat& status);
#endif

}  // namespace platform
