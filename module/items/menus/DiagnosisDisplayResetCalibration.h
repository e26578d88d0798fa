// Diagnosis, display, reset, write-lock and sensor calibration pages. The
// display window shows the observe menu's pages; an _online diagnosis page
// shows its offline twin's list.
#pragma once

#include "items/Texts.h"
#include "items/menus/Menu.h"
#include "items/menus/RootAndStandard.h"

// clang-format off
namespace menus::diagnosis_display_reset_calibration {

constexpr const char kMasterReset[] =
    "Master Reset  |de|Rücksetzen  |fr|Remise à zéro  |it|Reset  |es|Reset maestro";
constexpr const char kMasterResetHelp[] =
    "Commands the field device electronics to reset.  "
    "|de|Bewirkt ein Rücksetzen der Feldgeräte-Elektronik.  "
    "|fr|Commande la remise à zéro du système électronique de l'appareil de terrain.  "
    "|it|Genera un reset della parte elettronica degli apparecchi di campo.  "
    "|es|Efectúa un reset de la electrónica del aparato de campo.";
constexpr const char kGeneral[] = "General  |de|Allgemein  |fr|Général  |it|Generale  |es|General";

constexpr Entry kPage_diagnosis_trans1[] = {
    entry(item::trans1_blk_object),      entry(item::trans1_blk_parent_class),
    entry(item::trans1_blk_class),       entry(item::trans1_blk_dd_reference),
    entry(item::trans1_blk_dd_rev),      entry(item::trans1_blk_profile),
    entry(item::trans1_blk_profile_rev), entry(item::trans1_st_rev),
    entry(item::trans1_actual_mode),
};
constexpr Entry kPage_diagnosis_phys_block[] = {
    entry(item::phys_blk_object),      entry(item::phys_blk_parent_class),
    entry(item::phys_blk_class),       entry(item::phys_blk_dd_reference),
    entry(item::phys_blk_dd_rev),      entry(item::phys_blk_profile),
    entry(item::phys_blk_profile_rev), entry(item::phys_st_rev),
    entry(item::phys_actual_mode),
};
constexpr Entry kOnlineDialog_reset[] = {entry(item::Page_reset)};
constexpr Entry kPage_reset[] = {
    entry(item::phys_diagnosis),
    entry(item::method_phys_factory_reset_params),
    entry(item::method_phys_factory_reset_warm),
    entry(item::method_phys_factory_reset_address),
};
constexpr Entry kPage_diagnosis_general[] = {
    qualified(item::phys_tag_desc),     entry(item::phys_device_man_id),
    entry(item::phys_device_id),        entry(item::phys_device_ser_num),
    entry(item::phys_software_rev),     entry(item::phys_hardware_rev),
    qualified(item::phys_install_date), qualified(item::phys_write_locking),
    entry(item::phys_diagnosis),
};
constexpr Entry kOnlineDialog_write_locking[] = {
    entry(item::phys_write_locking),
    entry(item::phys_hw_write_protection),
};
constexpr Entry kPage_display_measure[] = {
    entry(item::BarVal_pv_display),
    entry(item::trans1_temperature),
};
constexpr Entry kBarVal_pv_display[] = {
    entry(item::trans1_level),
    qualified(item::func1_AI_pv_lower_range_value),
    qualified(item::func1_AI_pv_upper_range_value),
};
constexpr Entry kOnlineWindow_diagnosis[] = {
    entry(item::Page_diagnosis_general_online),
    entry(item::Page_diagnosis_phys_block_online),
    entry(item::Page_diagnosis_trans1),
    entry(item::Page_diagnosis_func1),
};
constexpr Entry kOnlineDialog_sensor_trim[] = {
    entry(item::Page_cal_point_lo),
    entry(item::Page_cal_point_hi),
};
constexpr Entry kPage_cal_point_lo[] = {entry(item::trans1_level)};
constexpr Entry kPage_cal_point_hi[] = {entry(item::trans1_level)};

constexpr Menu kRows[] = {
    {.id = item::Page_diagnosis_trans1, .access = Online, .label = texts::kTransducerBlock1,
     .entries = kPage_diagnosis_trans1},
    {.id = item::Page_diagnosis_phys_block, .access = Offline, .label = texts::kPhysicalBlock,
     .entries = kPage_diagnosis_phys_block},
    {.id = item::OnlineDialog_reset, .access = Offline, .label = kMasterReset, .help = kMasterResetHelp,
     .entries = kOnlineDialog_reset},
    {.id = item::Page_reset, .access = Offline, .label = kMasterReset, .help = kMasterResetHelp,
     .entries = kPage_reset},
    {.id = item::Page_diagnosis_general, .access = Offline, .label = kGeneral,
     .entries = kPage_diagnosis_general},
    {.id = item::OnlineDialog_write_locking, .access = Offline,
     .label = texts::kWriteLocking,
     .help = texts::kWriteLockingHelp,
     .entries = kOnlineDialog_write_locking},
    {.id = item::OnlineWindow_display, .access = Offline,
     .label = texts::kDisplay,
     .entries = root_and_standard::kDTM_observe_menu},
    {.id = item::Page_display_measure, .access = Offline,
     .label = "Measured Value  |de|Messwert  |fr|Valeur de mesure   |it|Valore di misura  "
              "|es|Valor medido",
     .entries = kPage_display_measure},
    {.id = item::BarVal_pv_display, .access = Offline,
     .label = texts::kMeasuredValueLevel,
     .entries = kBarVal_pv_display},
    {.id = item::OnlineWindow_diagnosis, .access = Online,
     .label = "Device Status  |de|Gerätezustand  |fr|Etat de l'appareil  "
              "|it|Stato del dispositivo  |es|Estado del aparato",
     .entries = kOnlineWindow_diagnosis},
    {.id = item::Page_diagnosis_general_online, .access = Online, .label = kGeneral,
     .entries = kPage_diagnosis_general},
    {.id = item::Page_diagnosis_phys_block_online, .access = Online, .label = texts::kPhysicalBlock,
     .entries = kPage_diagnosis_phys_block},
    {.id = item::OnlineDialog_sensor_trim, .access = Offline,
     .label = "Sensor Calibration  |de|Sensorabgleich  |fr|Calibrage capteur  "
              "|it|Compensazione trasduttore  |es|Calibración del sensor",
     .entries = kOnlineDialog_sensor_trim},
    {.id = item::Page_cal_point_lo, .access = Offline,
     .label = "Lower Sensor Calibration  |de|Unterer Abgleich  |fr|Calibrage inférieur  "
              "|it|Compensazione inferiore  |es|Calibración inferior",
     .entries = kPage_cal_point_lo},
    {.id = item::Page_cal_point_hi, .access = Offline,
     .label = "Upper Sensor Calibration  |de|Oberer Abgleich  |fr|Calibrage supérieur  "
              "|it|Compensazione superiore  |es|Calibración superior",
     .entries = kPage_cal_point_hi},
};

}  // namespace menus::diagnosis_display_reset_calibration
