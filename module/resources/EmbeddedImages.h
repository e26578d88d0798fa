// The image files of this folder, compiled into the module by the build.
#pragma once

#include <span>

namespace resources::embedded {
extern const std::span<const unsigned char> icon;
extern const std::span<const unsigned char> logo;
extern const std::span<const unsigned char> device;
}  // namespace resources::embedded
