#include "resources/Resources.h"

#include "resources/EmbeddedImages.h"

namespace resources {

std::span<const unsigned char> image(Kind kind, int id) {
    if (kind == Kind::IconGroup && id == kIcon) return embedded::icon;
    if (kind == Kind::Bitmap && id == kLogoBitmap) return embedded::logo;
    if (kind == Kind::Bitmap && id == kDeviceBitmap) return embedded::device;
    return {};
}

std::string_view string(int id) { return id == kManufacturerString ? "QUORVANE" : ""; }

const VersionInfo& version() {
    static constexpr VersionInfo info{
        {1, 5, 153, 348}, {1, 5, 153, 348}, kLanguage, kCodePage, "1,5,153,348", "1,5,153,348", "",
    };
    return info;
}

}  // namespace resources
