// Display and diagnosis menus of the analog input block.
#pragma once

#include "items/Texts.h"
#include "items/menus/Menu.h"

// clang-format off
namespace menus::analog_input_display {

constexpr Entry kVal_func1_out_display[] = {entry(item::func1_AI_out_value)};
constexpr Entry kBarVal_out_display_func1[] = {
    qualified(item::func1_AI_out_value),
    qualified(item::func1_AI_out_lower_range_value),
    qualified(item::func1_AI_out_upper_range_value),
};
constexpr Entry kPage_diagnosis_func1[] = {
    entry(item::func1_AI_blk_object),      entry(item::func1_AI_blk_parent_class),
    entry(item::func1_AI_blk_class),       entry(item::func1_AI_blk_dd_reference),
    entry(item::func1_AI_blk_dd_rev),      entry(item::func1_AI_blk_profile),
    entry(item::func1_AI_blk_profile_rev), entry(item::func1_AI_st_rev),
    entry(item::func1_AI_actual_mode),     qualified(item::func1_AI_simulation_enabled),
};
constexpr Entry kPage_display_func1[] = {
    entry(item::func1_AI_out_value),
    entry(item::func1_AI_actual_mode),
    qualified(item::func1_AI_out_status_quality),
    qualified(item::func1_AI_out_status_limit),
    entry(item::trans1_level),
    qualified(item::func1_AI_simulation_enabled),
};
constexpr Entry kGroup_display_func1[] = {
    entry(item::BarVal_out_display_func1),
    qualified(item::func1_AI_out_status_quality),
    qualified(item::func1_AI_out_status_limit),
};
constexpr Entry kGroup_display_func1_out[] = {
    entry(item::func1_AI_actual_mode),
    qualified(item::func1_AI_out_status_quality),
    qualified(item::func1_AI_out_status_limit),
    member("alarm_sum", item::func1_short),  // func1_AI_current_state_alarm_sum
};
constexpr Entry kGroup_display_func1_in[] = {
    entry(item::trans1_level),
    qualified(item::func1_AI_simulation_enabled),
};

constexpr Menu kRows[] = {
    {.id = item::Val_func1_out_display, .access = Offline, .label = texts::kLevel, .help = texts::kOutputValueHelp,
     .entries = kVal_func1_out_display},
    {.id = item::BarVal_out_display_func1, .access = Offline,
     .label = texts::kOutputValue,
     .help = texts::kOutputValueHelp, .entries = kBarVal_out_display_func1},
    {.id = item::Page_diagnosis_func1, .access = Online, .label = "Output|de|Ausgang",
     .entries = kPage_diagnosis_func1},
    {.id = item::Page_display_func1, .access = Online, .label = "Function Block 1 - Analog Input",
     .entries = kPage_display_func1},
    {.id = item::Group_display_func1, .access = Offline, .label = texts::kLevel,
     .entries = kGroup_display_func1},
    {.id = item::Group_display_func1_out, .access = Offline,
     .label = texts::kOutput,
     .entries = kGroup_display_func1_out},
    {.id = item::Group_display_func1_in, .access = Offline,
     .label = texts::kInput,
     .entries = kGroup_display_func1_in},
};

}  // namespace menus::analog_input_display
