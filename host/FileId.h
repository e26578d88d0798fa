// A file known by itself, never by a name: its device and inode (on Windows
// its volume serial and file index).
#pragma once

#include <cstdint>
#include <optional>

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

struct FileId {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    bool operator==(const FileId&) const = default;
};

// The file of the program or library that `address` lies in, as the system
// mapped it; nothing where the system cannot tell.
std::optional<FileId> mappedFile(const void* address);

// The file an open descriptor (a HANDLE on Windows) is.
#if defined(_WIN32)
std::optional<FileId> fileIdOf(void* handle);
#else
std::optional<FileId> fileIdOf(int descriptor);
// The file a stat tells of.
FileId fileIdOf(const struct stat& status);
#endif
