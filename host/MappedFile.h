// The file of a loaded program or library, as the system mapped it.
#pragma once

#include <optional>

#include "platform/FileId.h"

using platform::FileId;

// The file of the program or library that `address` lies in; nothing where
// the system cannot tell.
std::optional<FileId> mappedFile(const void* address);
