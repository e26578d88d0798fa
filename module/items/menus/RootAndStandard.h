// The root menus, the standard menus the host finds by role, and the GSD menu.
// The two main tables show the offline root's entries.
#pragma once

#include "items/Texts.h"
#include "items/menus/Menu.h"

// clang-format off
namespace menus::root_and_standard {

constexpr const char kProductName[] = "Corvalin KSM27";

constexpr Entry k_ZTQGSD_channel_module_setup[] = {
    entry(item::_ZTQGSD_ChannelSetup01),
    entry(item::_ZTQGSD_ChannelSetup02),
    entry(item::_ZTQGSD_ChannelSetup03),
};

constexpr Entry kDTM_offline_root_menu[] = {
    entry(item::Tab_s_QV_Std_Matrix),
    entry(item::Tab_s_PA_Profil),
};

constexpr Entry kDTM_online_root_menu[] = {
    entry(item::Tab_s_QV_Std_Matrix_Online),
    entry(item::Tab_s_PA_Profil_Online),
};

constexpr Entry kDTM_simulation_menu[] = {
    entry(item::Page_simulation_input_func1),
    entry(item::Page_simulation_output_func1),
    entry(item::Page_simulation_devicespecific),
};

constexpr Entry kDTM_observe_menu[] = {
    entry(item::Page_display_value),
    entry(item::Page_display_func1),
};

constexpr Entry kDTM_trend_menu[] = {
    entry(item::trans1_temperature),
    entry(item::trans1_level),
    entry(item::trans1_sensor_value),
};

constexpr Entry kDTM_diagnosis_menu[] = {
    entry(item::OnlineWindow_diagnosis),
    entry(item::OnlineWindow_S_alarm_func1),
};

constexpr Entry kDTM_LockUnlock[] = {
    entry(item::parWriteLocking),
};

constexpr Entry kDTM_reset_menu[] = {
    entry(item::parReset),
};

constexpr Menu kRows[] = {
    {.id = item::_ZTQGSD_channel_module_setup, .access = Offline, .label = "Channel Module Setup",
     .entries = k_ZTQGSD_channel_module_setup},
    {.id = item::DTM_offline_root_menu, .access = Offline, .label = kProductName, .entries = kDTM_offline_root_menu},
    {.id = item::DTM_online_root_menu, .access = Online, .label = kProductName, .entries = kDTM_online_root_menu},
    {.id = item::DTM_simulation_menu, .access = Online, .label = texts::kDeviceSimulation,
     .entries = kDTM_simulation_menu},
    {.id = item::DTM_observe_menu, .access = Online,
     .label = texts::kDisplay,
     .entries = kDTM_observe_menu},
    {.id = item::DTM_trend_menu, .access = Online, .label = "Trend", .entries = kDTM_trend_menu},
    {.id = item::DTM_diagnosis_menu, .access = Online, .entries = kDTM_diagnosis_menu},
    {.id = item::DTM_LockUnlock, .access = Offline, .label = "Write Locking  |de|Schreibverriegelung",
     .entries = kDTM_LockUnlock},
    {.id = item::DTM_reset_menu, .access = Offline, .label = texts::kReset, .entries = kDTM_reset_menu},
    {.id = item::Table_Main_Specialist, .access = Offline, .label = kProductName, .entries = kDTM_offline_root_menu},
    {.id = item::Table_Main_Maintenance, .access = Offline, .label = kProductName, .entries = kDTM_offline_root_menu},
};

}  // namespace menus::root_and_standard
