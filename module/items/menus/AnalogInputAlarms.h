// Alarm windows and alarm pages of the analog input block. The two windows
// show the same pages.
#pragma once

#include "items/Texts.h"
#include "items/menus/Menu.h"

// clang-format off
namespace menus::analog_input_alarms {

constexpr const char kAlarmStates[] =
    "Alarm States  |de|Alarmstatus  |fr|Etat d'alarme  |it|Stato dell'allarme  "
    "|es|Estado de la alarma";

constexpr Entry kOnlineWindow_S_alarm_func1[] = {
    entry(item::Page_alarm_overview_func1),  entry(item::Page_alarm_sum_func1),
    entry(item::Page_alarm_hi_hi_alm_func1), entry(item::Page_alarm_hi_alm_func1),
    entry(item::Page_alarm_lo_alm_func1),    entry(item::Page_alarm_lo_lo_alm_func1),
};
constexpr Entry kPage_alarm_hi_hi_alm_func1[] = {
    entry(item::func1_AI_hi_hi_alm_unacknowledged),
    entry(item::func1_AI_hi_hi_alm_state),
    entry(item::func1_AI_hi_hi_alm_subcode),
    qualified(item::func1_AI_hi_hi_lim),
    entry(item::func1_AI_hi_hi_alm_value),
};
constexpr Entry kPage_alarm_hi_alm_func1[] = {
    entry(item::func1_AI_hi_alm_unacknowledged),
    entry(item::func1_AI_hi_alm_state),
    entry(item::func1_AI_hi_alm_subcode),
    qualified(item::func1_AI_hi_lim),
    entry(item::func1_AI_hi_alm_value),
};
constexpr Entry kPage_alarm_lo_alm_func1[] = {
    entry(item::func1_AI_lo_alm_unacknowledged),
    entry(item::func1_AI_lo_alm_state),
    entry(item::func1_AI_lo_alm_subcode),
    qualified(item::func1_AI_lo_lim),
    entry(item::func1_AI_lo_alm_value),
};
constexpr Entry kPage_alarm_lo_lo_alm_func1[] = {
    entry(item::func1_AI_lo_lo_alm_unacknowledged),
    entry(item::func1_AI_lo_lo_alm_state),
    entry(item::func1_AI_lo_lo_alm_subcode),
    qualified(item::func1_AI_lo_lo_lim),
    entry(item::func1_AI_lo_lo_alm_value),
};
constexpr Entry kPage_alarm_sum_func1[] = {
    entry(item::func1_AI_current_state_alarm_sum),
    entry(item::func1_AI_unacknowledged_state_alarm_sum),
    entry(item::func1_AI_unreported_state_alarm_sum),
};

constexpr Menu kRows[] = {
    {.id = item::OnlineWindow_S_alarm_func1, .access = Online, .label = kAlarmStates,
     .entries = kOnlineWindow_S_alarm_func1},
    {.id = item::OnlineWindow_M_alarm_func1, .access = Offline, .label = kAlarmStates,
     .entries = kOnlineWindow_S_alarm_func1},
    {.id = item::Page_alarm_hi_hi_alm_func1, .access = Online,
     .label = texts::kUpperLimitAlarm,
     .entries = kPage_alarm_hi_hi_alm_func1},
    {.id = item::Page_alarm_hi_alm_func1, .access = Online,
     .label = texts::kUpperLimitWarning,
     .entries = kPage_alarm_hi_alm_func1},
    {.id = item::Page_alarm_lo_alm_func1, .access = Online,
     .label = texts::kLowerLimitWarning,
     .entries = kPage_alarm_lo_alm_func1},
    {.id = item::Page_alarm_lo_lo_alm_func1, .access = Online,
     .label = texts::kLowerLimitAlarm,
     .entries = kPage_alarm_lo_lo_alm_func1},
    {.id = item::Page_alarm_sum_func1, .access = Online,
     .label = texts::kAlarmSummary,
     .entries = kPage_alarm_sum_func1},
};

}  // namespace menus::analog_input_alarms
