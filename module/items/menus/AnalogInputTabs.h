// Tab tables of the analog input block. The _m_ tables qualify their own
// variables; Tab_m_func1 reuses the _s_ batch and interface tabs. An _s_ tab
// whose entries are its online twin's shows the twin's list.
#pragma once

#include "items/Texts.h"
#include "items/menus/Menu.h"
#include "items/menus/ProfileAndIdentificationTabs.h"

// clang-format off
namespace menus::analog_input_tabs {

constexpr Entry kTab_s_func1[] = {
    entry(item::func1_AI_st_rev),
    entry(item::func1_AI_out_unit),
    entry(item::func1_AI_pv_ftime),
    entry(item::Tab_s_func1_batch),
    entry(item::Tab_s_func1_pv_range),
    entry(item::Tab_s_func1_outscale),
    entry(item::Tab_s_func1_limits),
    entry(item::Tab_s_func1_interface),
};
constexpr Entry kTab_m_func1[] = {
    entry(item::func1_AI_st_rev),
    qualified(item::func1_AI_out_unit),
    qualified(item::func1_AI_out_unit_text),
    qualified(item::func1_AI_pv_ftime),
    entry(item::Tab_s_func1_batch),
    entry(item::Tab_m_func1_pv_range),
    entry(item::Tab_m_func1_outscale),
    entry(item::Tab_m_func1_limits),
    entry(item::Tab_s_func1_interface),
};
constexpr Entry kTab_m_func1_pv_range[] = {
    qualified(item::func1_AI_pv_lower_range_value),
    qualified(item::func1_AI_pv_upper_range_value),
};
constexpr Entry kTab_m_func1_outscale[] = {
    qualified(item::func1_AI_out_lower_range_value),
    qualified(item::func1_AI_out_upper_range_value),
};
constexpr Entry kTab_m_func1_limits[] = {
    qualified(item::func1_AI_lo_lo_lim), qualified(item::func1_AI_lo_lim),
    qualified(item::func1_AI_hi_lim),    qualified(item::func1_AI_hi_hi_lim),
    qualified(item::func1_AI_alarm_hys),
};

constexpr Menu kRows[] = {
    {.id = item::Tab_s_func1, .access = Offline, .label = texts::kLevel, .entries = kTab_s_func1},
    {.id = item::Tab_m_func1, .access = Offline, .label = texts::kLevel, .entries = kTab_m_func1},
    {.id = item::Tab_s_func1_batch, .access = Offline,
     .label = texts::kBatchInformation,
     .entries = profile_and_identification_tabs::kTab_s_func1_batch_Online},
    {.id = item::Tab_s_func1_pv_range, .access = Offline, .label = texts::kProcessValueScale,
     .entries = profile_and_identification_tabs::kTab_s_func1_pv_range_Online},
    {.id = item::Tab_s_func1_outscale, .access = Offline, .label = texts::kOutputScale,
     .entries = profile_and_identification_tabs::kTab_s_func1_outscale_Online},
    {.id = item::Tab_m_func1_pv_range, .access = Offline, .label = texts::kProcessValueScale,
     .entries = kTab_m_func1_pv_range},
    {.id = item::Tab_m_func1_outscale, .access = Offline, .label = texts::kOutputScale,
     .entries = kTab_m_func1_outscale},
    {.id = item::Tab_s_func1_limits, .access = Offline, .label = texts::kOutputLimits,
     .entries = profile_and_identification_tabs::kTab_s_func1_limits_Online},
    {.id = item::Tab_m_func1_limits, .access = Offline, .label = texts::kOutputLimits,
     .entries = kTab_m_func1_limits},
    {.id = item::Tab_s_func1_interface, .access = Offline,
     .label = texts::kHumanInterface,
     .entries = profile_and_identification_tabs::kTab_s_func1_interface_Online},
};

}  // namespace menus::analog_input_tabs
