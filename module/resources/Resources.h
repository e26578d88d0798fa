// The module's resources, reachable by number: the icon group, the two
// bitmaps, the string table entry and the version resource (language 0x0407).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace resources {

inline constexpr int kIcon = 102;
inline constexpr int kLogoBitmap = 103;
inline constexpr int kDeviceBitmap = 104;
inline constexpr int kManufacturerString = 1000;
inline constexpr std::uint16_t kLanguage = 0x0407;
inline constexpr std::uint16_t kCodePage = 0x04B0;

enum class Kind { IconGroup, Bitmap };

// The bytes of an icon (an .ico image) or a bitmap (a .bmp image); empty when
// the module has no such resource.
std::span<const unsigned char> image(Kind kind, int id);
// The text of a string table entry; empty when there is none.
std::string_view string(int id);

struct VersionInfo {
    std::uint16_t fileVersion[4];
    std::uint16_t productVersion[4];
    std::uint16_t language;
    std::uint16_t codePage;
    std::string_view fileVersionText;
    std::string_view productVersionText;
    std::string_view oleSelfRegister;
};
const VersionInfo& version();

}  // namespace resources
