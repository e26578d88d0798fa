#include "frame/Information.h"

#include <algorithm>

#include "engine/ThreadEnd.h"
#include "frame/Identity.h"
#include "resources/Resources.h"

namespace {

struct NamedCode {
    std::int32_t code;
    const char* name;
};

// clang-format off
constexpr NamedCode kStandardMenus[] = {
    {0, "download_variables"},
    {1, "upload_variables"},
    {2, "DTM_online_root_menu"},
    {4, "DTM_offline_root_menu"},
    {6, "DTM_observe_menu"},
    {8, "DTM_simulation_menu"},
    {9, "DTM_diagnosis_menu"},
    {14, "DTM_trend_menu"},
    {15, "__ZTQ__CommunicationMenu"},
    {10003, "DTM_reset_menu"},
    {10004, "DTM_LockUnlock"},
    {10007, "DTM_trend_menu"},
};

constexpr NamedCode kSpecialItems[] = {
    {0, "__ZTQ__CommunicationMenu"},
    {1, "__ZTQ__BusAddress"},
    {2, "phys_tag_desc"},
};
// clang-format on

// The module ships no pairs: only the ending empty name.
constexpr const char* kPairNames[] = {""};
constexpr const char* kPairValues[] = {""};

// A text for the host: a copy, or the empty text when no memory is left for
// one (the empty text needs none). Nothing is thrown at the host.
template <class Make>
CStrPP answer(Make make) {
    try {
        return make();
    } catch (...) {
        passOnThreadEnd();
        return CStrPP();
    }
}

CStrPP lookup(std::span<const NamedCode> table, std::int32_t code) {
    const auto found = std::find_if(table.begin(), table.end(), [code](const NamedCode& n) { return n.code == code; });
    return CStrPP(found == table.end() ? "" : found->name);
}

}  // namespace

CStrPP pairNames(const PairTable& table) {
    CStrPP result;
    for (std::size_t i = 0; i < table.names.size() && table.names[i] && *table.names[i]; ++i) {
        const char* value = i < table.values.size() ? table.values[i] : nullptr;
        if (!value || !*value) continue;
        if (!result.IsEmpty()) result.AddStr(",");
        result.AddStr(table.names[i]);
    }
    return result;
}

CStrPP pairValue(const PairTable& table, const CStrPP& key) {
    for (std::size_t i = 0; i < table.names.size() && table.names[i] && *table.names[i]; ++i)
        if (CStrPP(table.names[i]).strCompare(key.c_str()) == 0)
            return CStrPP(i < table.values.size() && table.values[i] ? table.values[i] : "");
    return CStrPP();
}

CDeviceInformation::~CDeviceInformation() = default;
std::int32_t CDeviceInformation::GetNumber01() { return 1; }
std::int32_t CDeviceInformation::GetManufacturerId() { return 17; }
std::int32_t CDeviceInformation::GetResourceId() { return 101; }
std::int32_t CDeviceInformation::GetLogoBitmapId() { return resources::kLogoBitmap; }
CStrPP CDeviceInformation::GetManufacturerName() {
    return answer([&] { return CStrPP(identity::manufacturerName); });
}
std::int32_t CDeviceInformation::GetDeviceTypeId() { return 0x153A; }
std::int32_t CDeviceInformation::GetIconId() { return resources::kIcon; }
std::int32_t CDeviceInformation::GetDeviceBitmapId() { return resources::kDeviceBitmap; }
CStrPP CDeviceInformation::GetDeviceName() {
    return answer([&] { return CStrPP(identity::deviceName); });
}
CStrPP CDeviceInformation::GetDescription() {
    return answer([&] { return CStrPP(identity::description); });
}
std::int32_t CDeviceInformation::GetNumber11() { return 11; }
CStrPP CDeviceInformation::GetHelpFileName() {
    return answer([&] { return CStrPP(identity::helpFileName); });
}
CStrPP CDeviceInformation::GetStandardMenuName(std::int32_t code) {
    return answer([&] { return lookup(kStandardMenus, code); });
}
CStrPP CDeviceInformation::GetPairNames() {
    return answer([&] { return pairNames({kPairNames, kPairValues}); });
}
CStrPP CDeviceInformation::GetPairValue(const CStrPP& key) {
    return answer([&] { return pairValue({kPairNames, kPairValues}, key); });
}
CStrPP CDeviceInformation::GetSpecialItemName(std::int32_t code) {
    return answer([&] { return lookup(kSpecialItems, code); });
}
CStrPP CDeviceInformation::GetModuleBasePath() {
    return answer([&] { return identity::moduleBasePath; });
}
CStrPP CDeviceInformation::GetModulePath() {
    return answer([&] { return identity::modulePath; });
}
CStrPP CDeviceInformation::GetVersionLabel() {
    return answer([&] { return CStrPP(identity::versionLabel); });
}
CStrPP CDeviceInformation::GetFileVersion() {
    return answer([&] { return CStrPP(identity::fileVersion); });
}
CStrPP CDeviceInformation::GetSecondVersion() {
    return answer([&] { return CStrPP(identity::secondVersion); });
}
CStrPP CDeviceInformation::GetTechnicalDescription() {
    return answer([&] { return CStrPP(identity::technicalDescription); });
}
CStrPP CDeviceInformation::GetBuildDate() {
    return answer([&] { return CStrPP(identity::buildDate); });
}
