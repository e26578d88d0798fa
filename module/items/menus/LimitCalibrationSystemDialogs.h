// Dialogs for the alarm limits, the extended calibration and the system
// parameters: every entry is a member of collectionMapping, so it shows the
// member's description and help. Each shows the entries of its online tab page.
#pragma once

#include "items/Texts.h"
#include "items/menus/Menu.h"
#include "items/menus/OnlineStandardTabs.h"

// clang-format off
namespace menus::limit_calibration_system_dialogs {

constexpr Menu kRows[] = {
    {.id = item::OnlineDialog_security_settings, .access = Offline,
     .label = texts::kSecuritySettings,
     .entries = online_standard_tabs::kTab_s_security_settings_Online},
    {.id = item::OnlineDialog_extended_calibration, .access = Offline,
     .label = texts::kExtendedCalibration,
     .entries = online_standard_tabs::kTab_s_extended_calibration_Online},
    {.id = item::OnlineDialog_system_parameter, .access = Offline, .label = "System Parameter",
     .entries = online_standard_tabs::kTab_s_system_parameter_Online},
};

}  // namespace menus::limit_calibration_system_dialogs
