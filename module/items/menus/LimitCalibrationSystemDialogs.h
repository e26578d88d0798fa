// Dialogs for the alarm limits, the extended calibration and the system
// parameters: every entry is a member of collectionMapping, so it shows the
// member's description and help.
#pragma once

#include "items/Texts.h"
#include "items/menus/Menu.h"

// clang-format off
namespace menus::limit_calibration_system_dialogs {

constexpr Entry kOnlineDialog_security_settings[] = {
    member("func1_AI_hi_hi_lim"),       member("func1_AI_hi_lim"),
    member("func1_AI_lo_lim"),          member("func1_AI_lo_lo_lim"),
    member("func1_AI_alarm_hys"),       member("func1_AI_hi_hi_alm_state"),
    member("func1_AI_hi_alm_state"),    member("func1_AI_lo_alm_state"),
    member("func1_AI_lo_lo_alm_state"),
};
constexpr Entry kOnlineDialog_extended_calibration[] = {
    member("func1_AI_pv_ftime"),
    member("func1_AI_pv_lower_range_value"),
    member("func1_AI_pv_upper_range_value"),
    member("func1_AI_out_lower_range_value"),
    member("func1_AI_out_upper_range_value"),
};
constexpr Entry kOnlineDialog_system_parameter[] = {
    member("parTagQV"),  // stands for phys_tag_desc
    member("phys_descriptor"),
    member("phys_software_rev"),
    member("phys_hardware_rev"),
    member("phys_device_id"),
    member("phys_device_ser_num"),
};

constexpr Menu kRows[] = {
    {.id = item::OnlineDialog_security_settings, .access = Offline,
     .label = texts::kSecuritySettings,
     .entries = kOnlineDialog_security_settings},
    {.id = item::OnlineDialog_extended_calibration, .access = Offline,
     .label = texts::kExtendedCalibration,
     .entries = kOnlineDialog_extended_calibration},
    {.id = item::OnlineDialog_system_parameter, .access = Offline, .label = "System Parameter",
     .entries = kOnlineDialog_system_parameter},
};

}  // namespace menus::limit_calibration_system_dialogs
