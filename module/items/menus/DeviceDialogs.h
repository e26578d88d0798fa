// Task dialogs: reset, set unit to bus, device simulation, the three-step
// calibration wizard, PROFIBUS parameters and service. The simulation dialog
// shows the pages of the device simulation menu; the simulation page and the
// PROFIBUS parameter and service dialogs show the entries of their online tab
// pages.
#pragma once

#include "items/Texts.h"
#include "items/menus/Menu.h"
#include "items/menus/OnlineStandardTabs.h"
#include "items/menus/RootAndStandard.h"

// clang-format off
namespace menus::device_dialogs {

constexpr const char kSetUnitToBus[] = "Set unit to bus  |de|Setze Einh. Out";

constexpr Entry kOnlineDialog_Reset[] = {entry(item::Page_Reset_1_1)};
constexpr Entry kPage_Reset_1_1[] = {entry(item::parReset)};
constexpr Entry kOnlineDialog_SetUnitToBus[] = {entry(item::Page_SetUnitToBus_1_1)};
constexpr Entry kOnlineDialog_Adjust_BasicSetup[] = {
    entry(item::Page_Adjust_BasicSetup_step1),
    entry(item::Page_Adjust_BasicSetup_step2),
    entry(item::Page_Adjust_BasicSetup_step3),
};
constexpr Entry kPage_Adjust_BasicSetup_step1[] = {
    member("trans1_primary_value_unit"),
    member("trans1_level_unit"),
    member("trans1_calibration_type"),
    member("trans1_lin_type"),
};
constexpr Entry kPage_Adjust_BasicSetup_step2[] = {
    member("trans1_sensor_value"),
    entry(item::trans1_level),
    member("trans1_primary_value_value"),
    member("trans1_cal_point_lo"),
    member("trans1_level_lo"),
    entry(item::parBargraphScaleMin),
    entry(item::meth_transfer_calibration_empty),
};
constexpr Entry kPage_Adjust_BasicSetup_step3[] = {
    member("trans1_sensor_value"),
    entry(item::trans1_level),
    member("trans1_primary_value_value"),
    member("trans1_cal_point_hi"),
    member("trans1_level_hi"),
    entry(item::parBargraphScaleMax),
    entry(item::meth_transfer_calibration_full),
};

constexpr Menu kRows[] = {
    {.id = item::OnlineDialog_Reset, .access = Offline, .label = texts::kReset,
     .entries = kOnlineDialog_Reset},
    {.id = item::Page_Reset_1_1, .access = Offline, .label = texts::kReset, .entries = kPage_Reset_1_1},
    {.id = item::OnlineDialog_SetUnitToBus, .access = Offline, .label = kSetUnitToBus,
     .entries = kOnlineDialog_SetUnitToBus},
    {.id = item::Page_SetUnitToBus_1_1, .access = Offline, .label = kSetUnitToBus},
    {.id = item::OnlineDialog_Simulation, .access = Offline,
     .label = texts::kDeviceSimulation, .entries = root_and_standard::kDTM_simulation_menu},
    // Also the third page of DTM_simulation_menu, hence access 0.
    {.id = item::Page_simulation_devicespecific, .access = Online,
     .label = "Simulation (manufacturer specific)|de|Simulation (herstellerspezifisch)",
     .entries = online_standard_tabs::kTab_s_simulation_Online},
    {.id = item::OnlineDialog_Adjust_BasicSetup, .access = Offline,
     .label = texts::kCalibration, .entries = kOnlineDialog_Adjust_BasicSetup},
    {.id = item::Page_Adjust_BasicSetup_step1, .access = Offline, .label = "Step 1/3|de|Schritt 1/3",
     .entries = kPage_Adjust_BasicSetup_step1},
    {.id = item::Page_Adjust_BasicSetup_step2, .access = Offline, .label = "Step 2/3|de|Schritt 2/3",
     .entries = kPage_Adjust_BasicSetup_step2},
    {.id = item::Page_Adjust_BasicSetup_step3, .access = Offline, .label = "Step 3/3|de|Schritt 3/3",
     .entries = kPage_Adjust_BasicSetup_step3},
    {.id = item::OnlineDialog_profibus_parameter, .access = Offline, .label = "Profibus Parameter",
     .entries = online_standard_tabs::kTab_s_profibus_parameter_Online},
    {.id = item::OnlineDialog_Adjust_Service, .access = Offline, .label = "Service",
     .entries = online_standard_tabs::kTab_s_service_Online},
};

}  // namespace menus::device_dialogs
