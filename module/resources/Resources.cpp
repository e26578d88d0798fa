#include "resources/Resources.h"

#include "resources/EmbeddedImages.h"
#include "resources/Version.h"

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
        {DD_VERSION}, {DD_VERSION}, kLanguage, kCodePage, DD_VERSION_TEXT, DD_VERSION_TEXT, "",
    };
    return info;
}

}  // namespace resources
