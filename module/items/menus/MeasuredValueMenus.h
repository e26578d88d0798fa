// The measured-value page, bar displays, the value group and one-value menus.
#pragma once

#include "items/Texts.h"
#include "items/menus/Menu.h"

// clang-format off
namespace menus::measured_value_menus {

constexpr Entry kPage_display_value[] = {
    entry(item::trans1_primary_value_value),
    entry(item::trans1_sensor_value),
    entry(item::trans1_level),
    entry(item::trans1_temperature),
    entry(item::parActualError),
};
constexpr Entry kBarVal_measured_value[] = {
    qualified(item::trans1_primary_value_value),
    qualified(item::func1_AI_pv_lower_range_value),
    qualified(item::func1_AI_pv_upper_range_value),
};
constexpr Entry kBarVal_measured_cap[] = {
    qualified(item::trans1_sensor_value),
    entry(item::capacity_low_value),
    entry(item::capacity_high_value),
};
// Not in item order: value, level, capacity, status, temperature, error.
constexpr Entry kGroup_measured_values[] = {
    entry(item::Val_parDisplayValue),     entry(item::Val_trans1_level),
    entry(item::Val_trans1_sensor_value), entry(item::Val_parDisplayStatus),
    entry(item::Val_trans1_temperature),  entry(item::Val_parActualError),
};
constexpr Entry kVal_parDisplayValue[] = {entry(item::parDisplayValue)};
constexpr Entry kVal_parDisplayStatus[] = {entry(item::parDisplayStatus)};
constexpr Entry kVal_trans1_primary_value_value[] = {entry(item::trans1_primary_value_value)};
constexpr Entry kVal_trans1_level[] = {entry(item::trans1_level)};
constexpr Entry kVal_trans1_sensor_value[] = {entry(item::trans1_sensor_value)};
constexpr Entry kVal_trans1_temperature[] = {entry(item::trans1_temperature)};
constexpr Entry kVal_parActualError[] = {entry(item::parActualError)};
constexpr Entry kDTM_DIAGNOSIS_MENU[] = {entry(item::parActualError)};
constexpr Entry kVal_parLastError[] = {entry(item::parLastError)};

constexpr Menu kRows[] = {
    {.id = item::Page_display_value, .access = Online, .label = "Measured values|de|Messwerte",
     .entries = kPage_display_value},
    {.id = item::BarVal_measured_value, .access = Offline, .label = texts::kMeasuredValue,
     .entries = kBarVal_measured_value},
    {.id = item::BarVal_measured_cap, .access = Offline, .label = texts::kMeasuredCap,
     .entries = kBarVal_measured_cap},
    {.id = item::Group_measured_values, .access = Offline, .label = "",
     .entries = kGroup_measured_values},
    {.id = item::Val_parDisplayValue, .access = Offline, .label = "Display Value",
     .entries = kVal_parDisplayValue},
    {.id = item::Val_parDisplayStatus, .access = Offline, .label = "Display Status",
     .entries = kVal_parDisplayStatus},
    {.id = item::Val_trans1_primary_value_value, .access = Offline, .label = texts::kMeasuredValue,
     .entries = kVal_trans1_primary_value_value},
    {.id = item::Val_trans1_level, .access = Offline,
     .label = "measured level|de|gemess. Füllst.|fr|Niveau mesuré|es|gemess. Füllst."
              "|it|Livello mis.|nl|gemeten niveau",
     .entries = kVal_trans1_level},
    {.id = item::Val_trans1_sensor_value, .access = Offline, .label = texts::kMeasuredCap,
     .entries = kVal_trans1_sensor_value},
    {.id = item::Val_trans1_temperature, .access = Offline,
     .label = texts::kElectronicTemp,
     .entries = kVal_trans1_temperature},
    {.id = item::Val_parActualError, .access = Offline,
     .label = texts::kPresentError,
     .entries = kVal_parActualError},
    // Not the host's diagnosis menu (that is DTM_diagnosis_menu); only the case differs.
    {.id = item::DTM_DIAGNOSIS_MENU, .access = Offline,
     .label = "|en|Instrument health status|de|Gerätestatus", .entries = kDTM_DIAGNOSIS_MENU},
    {.id = item::Val_parLastError, .access = Offline,
     .label = texts::kPreviousError,
     .entries = kVal_parLastError},
};

}  // namespace menus::measured_value_menus
