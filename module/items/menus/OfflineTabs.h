// The offline tab tables and the eight tab pages of the offline standard view.
// A page whose entries are its online twin's shows the twin's list.
#pragma once

#include "items/Texts.h"
#include "items/menus/Menu.h"
#include "items/menus/OnlineStandardTabs.h"

// clang-format off
namespace menus::offline_tabs {

constexpr Entry kTab_s_QV_Std_Matrix[] = {
    entry(item::Tab_s_measured_values),
    entry(item::Tab_s_abgleich),
    entry(item::Tab_s_extended_calibration),
    entry(item::Tab_s_profibus_parameter),
    entry(item::Tab_s_system_parameter),
    entry(item::Tab_s_security_settings),
    entry(item::Tab_s_simulation),
    entry(item::Tab_s_service),
};

constexpr Entry kTab_s_abgleich[] = {
    member("trans1_primary_value_unit"),
    member("trans1_level_unit"),
    entry(item::trans1_calibration_type_offline),
    member("trans1_lin_type"),
    entry(item::trans1_cal_point_lo_offline),
    entry(item::trans1_level_lo_offline),
    entry(item::parBargraphScaleMin_offline),
    entry(item::trans1_cal_point_hi_offline),
    entry(item::trans1_level_hi_offline),
    entry(item::parBargraphScaleMax_offline),
};

constexpr Entry kTab_s_profibus_parameter[] = {
    entry(item::parPADeviceBusAddress),
    member("phys_ident_number"),
    entry(item::parPASelectMainValue),
    entry(item::phys_pa_set_unit_to_bus_offline),
    member("func1_AI_target_mode"),
    member("func1_AI_out_unit"),
    member("func1_AI_out_value"),
    entry(item::parPAAIOutStatus),
};

constexpr Entry kTab_s_simulation[] = {
    qualifiedMember("func1_AI_simulation_enabled"),
    qualifiedMember("func1_AI_simulate_value"),
    qualified(item::parSimulationStatus),
};

constexpr Entry kTab_s_service[] = {
    qualifiedMember("trans1_min_sensor_value"),
    qualifiedMember("trans1_max_sensor_value"),
    member("trans1_temperature"),
    member("trans1_temperature_unit"),
    qualifiedMember("trans1_min_temperature"),
    qualifiedMember("trans1_max_temperature"),
    entry(item::parSystemstartsCounter),
    entry(item::parActualError),
    entry(item::parLastError),
    entry(item::parWriteLocking),
};

constexpr Entry kTab_s_PA_Profil[] = {
    entry(item::Tab_s_ident),
    entry(item::Tab_s_input),
    entry(item::Tab_s_output),
    entry(item::Tab_s_certificates),
};

constexpr Menu kRows[] = {
    {.id = item::Tab_s_QV_Std_Matrix, .access = Offline,
     .label = texts::kStandardView,
     .entries = kTab_s_QV_Std_Matrix},
    {.id = item::Tab_s_measured_values, .access = Offline, .label = texts::kMeasuredValues,
     .entries = online_standard_tabs::kTab_s_measured_values_Online},
    {.id = item::Tab_s_abgleich, .access = Offline, .label = texts::kCalibration, .entries = kTab_s_abgleich},
    {.id = item::Tab_s_security_settings, .access = Offline, .label = texts::kSecuritySettings,
     .entries = online_standard_tabs::kTab_s_security_settings_Online},
    {.id = item::Tab_s_extended_calibration, .access = Offline, .label = texts::kExtendedCalibration,
     .entries = online_standard_tabs::kTab_s_extended_calibration_Online},
    {.id = item::Tab_s_profibus_parameter, .access = Offline, .label = "Profibus Parameter",
     .entries = kTab_s_profibus_parameter},
    {.id = item::Tab_s_system_parameter, .access = Offline, .label = "System Parameter",
     .entries = online_standard_tabs::kTab_s_system_parameter_Online},
    {.id = item::Tab_s_simulation, .access = Offline, .label = "Simulation", .entries = kTab_s_simulation},
    {.id = item::Tab_s_service, .access = Offline, .label = "Service", .entries = kTab_s_service},
    {.id = item::Tab_s_PA_Profil, .access = Offline,
     .label = texts::kCapacitiveLevelMeasurement, .entries = kTab_s_PA_Profil},
};

}  // namespace menus::offline_tabs
