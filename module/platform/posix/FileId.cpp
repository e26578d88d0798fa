#include "platform/FileId.h"

namespace platform {

FileId fileIdOf(const struct stat& status) {
    return FileId{static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

std::optional<FileId> fileIdOf(int descriptor) {
    struct stat status {};
    if (fstat(descriptor, &status) != 0) return std::nullopt;
    return fileIdOf(status);
}

}  // namespace platform
