// The eight tab pages of the online standard view.
#pragma once

#include "items/Texts.h"
#include "items/menus/Menu.h"

// clang-format off
namespace menus::online_standard_tabs {

constexpr Entry kTab_s_measured_values_Online[] = {
    qualifiedMember("trans1_primary_value_value"),
    qualified(item::trans1_level),
    qualifiedMember("trans1_sensor_value"),
};

constexpr Entry kTab_s_abgleich_Online[] = {
    member("trans1_primary_value_unit"),
    member("trans1_level_unit"),
    member("trans1_calibration_type"),
    member("trans1_lin_type"),
    member("trans1_sensor_value"),
    entry(item::trans1_level),
    member("trans1_primary_value_value"),
    member("trans1_cal_point_lo"),
    member("trans1_level_lo"),
    entry(item::parBargraphScaleMin),
    member("trans1_cal_point_hi"),
    member("trans1_level_hi"),
    entry(item::parBargraphScaleMax),
};

constexpr Entry kTab_s_security_settings_Online[] = {
    member("func1_AI_hi_hi_lim"),
    member("func1_AI_hi_lim"),
    member("func1_AI_lo_lim"),
    member("func1_AI_lo_lo_lim"),
    member("func1_AI_alarm_hys"),
    member("func1_AI_hi_hi_alm_state"),
    member("func1_AI_hi_alm_state"),
    member("func1_AI_lo_alm_state"),
    member("func1_AI_lo_lo_alm_state"),
};

constexpr Entry kTab_s_extended_calibration_Online[] = {
    member("func1_AI_pv_ftime"),
    member("func1_AI_pv_lower_range_value"),
    member("func1_AI_pv_upper_range_value"),
    member("func1_AI_out_lower_range_value"),
    member("func1_AI_out_upper_range_value"),
};

constexpr Entry kTab_s_profibus_parameter_Online[] = {
    entry(item::parPADeviceBusAddress),
    member("phys_ident_number"),
    entry(item::parPASelectMainValue),
    entry(item::phys_pa_set_unit_to_bus_online),
    member("func1_AI_target_mode"),
    member("func1_AI_out_unit"),
    member("func1_AI_out_value"),
    entry(item::parPAAIOutStatus),
};

constexpr Entry kTab_s_system_parameter_Online[] = {
    member("parTagQV"),
    member("phys_descriptor"),
    member("phys_software_rev"),
    member("phys_hardware_rev"),
    member("phys_device_id"),
    member("phys_device_ser_num"),
};

constexpr Entry kTab_s_simulation_Online[] = {
    member("func1_AI_simulation_enabled"),
    member("func1_AI_simulate_value"),
    entry(item::parSimulationStatus),
};

constexpr Entry kTab_s_service_Online[] = {
    qualifiedMember("trans1_min_sensor_value"),
    entry(item::meth_reset_trans1_min_sensor_value),
    qualifiedMember("trans1_max_sensor_value"),
    entry(item::meth_reset_trans1_max_sensor_value),
    member("trans1_temperature"),
    member("trans1_temperature_unit"),
    qualifiedMember("trans1_min_temperature"),
    entry(item::meth_reset_min_temperature),
    qualifiedMember("trans1_max_temperature"),
    entry(item::meth_reset_max_temperature),
    entry(item::parSystemstartsCounter),
    entry(item::parActualError),
    entry(item::parLastError),
    entry(item::parClearLastError),
    entry(item::parWriteLocking),
};

constexpr Menu kRows[] = {
    {.id = item::Tab_s_measured_values_Online, .access = Online, .label = texts::kMeasuredValues,
     .entries = kTab_s_measured_values_Online},
    {.id = item::Tab_s_abgleich_Online, .access = Online, .label = texts::kCalibration,
     .entries = kTab_s_abgleich_Online},
    {.id = item::Tab_s_security_settings_Online, .access = Online,
     .label = texts::kSecuritySettings, .entries = kTab_s_security_settings_Online},
    {.id = item::Tab_s_extended_calibration_Online, .access = Online, .label = texts::kExtendedCalibration,
     .entries = kTab_s_extended_calibration_Online},
    {.id = item::Tab_s_profibus_parameter_Online, .access = Online, .label = "Profibus Parameter",
     .entries = kTab_s_profibus_parameter_Online},
    {.id = item::Tab_s_system_parameter_Online, .access = Online, .label = "System Parameter",
     .entries = kTab_s_system_parameter_Online},
    {.id = item::Tab_s_simulation_Online, .access = Online, .label = "Simulation", .entries = kTab_s_simulation_Online},
    {.id = item::Tab_s_service_Online, .access = Online, .label = "Service", .entries = kTab_s_service_Online},
};

}  // namespace menus::online_standard_tabs
