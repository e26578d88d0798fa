// The profile view and the identification, input, output and certificate tabs.
// An offline tab whose entries are its online twin's shows the twin's list.
#pragma once

#include "items/Texts.h"
#include "items/menus/Menu.h"

// clang-format off
namespace menus::profile_and_identification_tabs {

constexpr const char kMeasuringLimits[] =
    "Measuring Limits  |de|Meßgrenzen  |fr|Etendue de mesure  |it|Limiti di misura  |es|Límites de medida";
constexpr const char kOperationParameter[] =
    "Operation Parameter  |de|Betriebsparameter  |fr|Parametr.Base  |it|Param.operativo  |es|Parám.operativos";
constexpr const char kSensorCalibration[] =
    "Sensor Calibration  |de|Sensorabgleich  |fr|Calibrage capteur  |it|Compensazione trasduttore  "
    "|es|Compensación del sensor";
constexpr const char kIdentification[] =
    "Identification  |de|Identifikation  |fr|Identification  |it|Identificazione  |es|Identificación";
constexpr const char kOperationUnit[] =
    "Operation Unit  |de|Betriebseinheit  |fr|Unité de commande  |it|Unità operativa  |es|Unidad operativa";
constexpr const char kCertificatesAndApprovals[] =
    "Certificates and Approvals  |de|Zertifikate und Zulassungen  |fr|Certificats et homologations  "
    "|it|Certificati e omologazioni  |es|Certificados y homologaciones";
constexpr const char kDevice[] = "Device  |de|Gerät  |fr|Appareil  |it|Dispositivo  |es|Aparato";

constexpr Entry kTab_s_QV_Std_Matrix_Online[] = {
    entry(item::Tab_s_measured_values_Online),
    entry(item::Tab_s_abgleich_Online),
    entry(item::Tab_s_extended_calibration_Online),
    entry(item::Tab_s_profibus_parameter_Online),
    entry(item::Tab_s_system_parameter_Online),
    entry(item::Tab_s_security_settings_Online),
    entry(item::Tab_s_simulation_Online),
    entry(item::Tab_s_service_Online),
};

constexpr Entry kTab_s_PA_Profil_Online[] = {
    entry(item::Tab_s_ident_Online),
    entry(item::Tab_s_input_Online),
    entry(item::Tab_s_output_Online),
    entry(item::Tab_s_certificates_Online),
};

constexpr Entry kTab_s_input_Online[] = {
    entry(item::trans1_st_rev),
    entry(item::trans1_blk_class),
    entry(item::trans1_level_unit),
    entry(item::Tab_s_input_measrange_Online),
    entry(item::Tab_s_control_parameter_Online),
    entry(item::Tab_s_sensor_trim_Online),
};

constexpr Entry kTab_s_input_measrange_Online[] = {
    entry(item::trans1_sensor_low_limit),
    entry(item::trans1_sensor_high_limit),
};

constexpr Entry kTab_s_control_parameter_Online[] = {
    entry(item::trans1_temperature_unit),
};

constexpr Entry kTab_s_sensor_trim_Online[] = {
    qualified(item::trans1_level_lo),
    qualified(item::trans1_level_hi),
};

constexpr Entry kTab_s_output_Online[] = {
    entry(item::Tab_s_func1_Online),
};

constexpr Entry kTab_s_ident_Online[] = {
    entry(item::Tab_s_ident_opunit_Online),
    entry(item::Tab_s_ident_device_Online),
};

constexpr Entry kTab_s_ident_opunit_Online[] = {
    entry(item::phys_tag_desc),
    entry(item::phys_descriptor),
    entry(item::phys_message),
};

constexpr Entry kTab_s_certificates_Online[] = {
    qualified(item::phys_device_certification),
};

constexpr Entry kTab_s_func1_Online[] = {
    entry(item::func1_AI_st_rev),
    entry(item::func1_AI_out_unit),
    entry(item::func1_AI_pv_ftime),
    entry(item::Tab_s_func1_batch_Online),
    entry(item::Tab_s_func1_pv_range_Online),
    entry(item::Tab_s_func1_outscale_Online),
    entry(item::Tab_s_func1_limits_Online),
    entry(item::Tab_s_func1_interface_Online),
};

constexpr Entry kTab_s_func1_batch_Online[] = {
    entry(item::func1_AI_batch_id),
    entry(item::func1_AI_batch_unit),
    entry(item::func1_AI_batch_operation),
    entry(item::func1_AI_batch_phase),
};

constexpr Entry kTab_s_func1_pv_range_Online[] = {
    entry(item::func1_AI_pv_lower_range_value),
    entry(item::func1_AI_pv_upper_range_value),
};

constexpr Entry kTab_s_func1_outscale_Online[] = {
    entry(item::func1_AI_out_lower_range_value),
    entry(item::func1_AI_out_upper_range_value),
};

constexpr Entry kTab_s_func1_limits_Online[] = {
    entry(item::func1_AI_lo_lo_lim),
    entry(item::func1_AI_lo_lim),
    entry(item::func1_AI_hi_lim),
    entry(item::func1_AI_hi_hi_lim),
    entry(item::func1_AI_alarm_hys),
};

constexpr Entry kTab_s_func1_interface_Online[] = {
    entry(item::func1_AI_out_decimal_point),
};

constexpr Entry kTab_s_ident_device_Online[] = {
    entry(item::phys_device_man_id),
    entry(item::phys_device_id),
    entry(item::phys_device_ser_num),
    entry(item::phys_software_rev),
    entry(item::phys_hardware_rev),
    entry(item::phys_blk_profile_rev),
    entry(item::phys_st_rev),
    entry(item::phys_ident_number),
    entry(item::phys_install_date),
};

constexpr Entry kTab_s_ident[] = {
    entry(item::Tab_s_ident_opunit),
    entry(item::Tab_s_ident_device),
};

constexpr Entry kTab_m_ident[] = {
    entry(item::Tab_m_ident_opunit),
    entry(item::Tab_m_ident_device),
};

constexpr Entry kTab_m_ident_opunit[] = {
    qualified(item::phys_tag_desc),
    entry(item::phys_descriptor),
    entry(item::phys_message),
};

constexpr Entry kTab_s_ident_device[] = {
    entry(item::phys_device_man_id),
    entry(item::phys_device_id),
    qualified(item::phys_device_ser_num),
    entry(item::phys_software_rev),
    entry(item::phys_hardware_rev),
    entry(item::phys_blk_profile_rev),
    entry(item::phys_st_rev),
    entry(item::phys_ident_number),
    entry(item::phys_install_date),
};

constexpr Entry kTab_m_ident_device[] = {
    entry(item::phys_device_man_id),
    entry(item::phys_device_id),
    entry(item::phys_device_ser_num),
    entry(item::phys_software_rev),
    entry(item::phys_hardware_rev),
    entry(item::phys_blk_profile_rev),
    entry(item::phys_st_rev),
    qualified(item::phys_ident_number),
    qualified(item::phys_install_date),
};

constexpr Entry kTab_s_input[] = {
    entry(item::trans1_st_rev),
    entry(item::trans1_blk_class),
    entry(item::trans1_level_unit),
    entry(item::Tab_s_input_measrange),
    entry(item::Tab_s_control_parameter),
    entry(item::Tab_s_sensor_trim),
};

constexpr Entry kTab_s_output[] = {
    entry(item::Tab_s_func1),
};

constexpr Menu kRows[] = {
    {.id = item::Tab_s_QV_Std_Matrix_Online, .access = Online,
     .label = texts::kStandardView,
     .entries = kTab_s_QV_Std_Matrix_Online},
    {.id = item::Tab_s_PA_Profil_Online, .access = Online,
     .label = texts::kCapacitiveLevelMeasurement,
     .entries = kTab_s_PA_Profil_Online},
    {.id = item::Tab_s_input_Online, .access = Online, .label = texts::kInput, .entries = kTab_s_input_Online},
    {.id = item::Tab_s_input_measrange_Online, .access = Online, .label = kMeasuringLimits,
     .entries = kTab_s_input_measrange_Online},
    {.id = item::Tab_s_control_parameter_Online, .access = Online, .label = kOperationParameter,
     .entries = kTab_s_control_parameter_Online},
    {.id = item::Tab_s_sensor_trim_Online, .access = Online, .label = kSensorCalibration,
     .entries = kTab_s_sensor_trim_Online},
    {.id = item::Tab_s_output_Online, .access = Online, .label = texts::kOutput, .entries = kTab_s_output_Online},
    {.id = item::Tab_s_ident_Online, .access = Online, .label = kIdentification, .entries = kTab_s_ident_Online},
    {.id = item::Tab_s_ident_opunit_Online, .access = Online, .label = kOperationUnit,
     .entries = kTab_s_ident_opunit_Online},
    {.id = item::Tab_s_certificates_Online, .access = Online, .label = kCertificatesAndApprovals,
     .entries = kTab_s_certificates_Online},
    {.id = item::Tab_s_func1_Online, .access = Online,
     .label = texts::kLevel,
     .entries = kTab_s_func1_Online},
    {.id = item::Tab_s_func1_batch_Online, .access = Online,
     .label = texts::kBatchInformation,
     .entries = kTab_s_func1_batch_Online},
    {.id = item::Tab_s_func1_pv_range_Online, .access = Online,
     .label = texts::kProcessValueScale,
     .entries = kTab_s_func1_pv_range_Online},
    {.id = item::Tab_s_func1_outscale_Online, .access = Online,
     .label = texts::kOutputScale,
     .entries = kTab_s_func1_outscale_Online},
    {.id = item::Tab_s_func1_limits_Online, .access = Online,
     .label = texts::kOutputLimits,
     .entries = kTab_s_func1_limits_Online},
    {.id = item::Tab_s_func1_interface_Online, .access = Online,
     .label = texts::kHumanInterface,
     .entries = kTab_s_func1_interface_Online},
    {.id = item::Tab_s_ident_device_Online, .access = Online, .label = kDevice, .entries = kTab_s_ident_device_Online},
    {.id = item::Tab_s_ident, .access = Offline, .label = kIdentification, .entries = kTab_s_ident},
    {.id = item::Tab_s_ident_opunit, .access = Offline, .label = kOperationUnit, .entries = kTab_s_ident_opunit_Online},
    {.id = item::Tab_m_ident, .access = Offline, .label = kIdentification, .entries = kTab_m_ident},
    {.id = item::Tab_m_ident_opunit, .access = Offline, .label = kOperationUnit, .entries = kTab_m_ident_opunit},
    {.id = item::Tab_s_ident_device, .access = Offline, .label = kDevice, .entries = kTab_s_ident_device},
    {.id = item::Tab_m_ident_device, .access = Offline, .label = kDevice, .entries = kTab_m_ident_device},
    {.id = item::Tab_s_input, .access = Offline, .label = texts::kInput, .entries = kTab_s_input},
    {.id = item::Tab_s_input_measrange, .access = Offline, .label = kMeasuringLimits,
     .entries = kTab_s_input_measrange_Online},
    {.id = item::Tab_s_control_parameter, .access = Offline, .label = kOperationParameter,
     .entries = kTab_s_control_parameter_Online},
    {.id = item::Tab_s_sensor_trim, .access = Offline, .label = kSensorCalibration,
     .entries = kTab_s_sensor_trim_Online},
    {.id = item::Tab_s_output, .access = Offline, .label = texts::kOutput, .entries = kTab_s_output},
    {.id = item::Tab_s_certificates, .access = Offline, .label = kCertificatesAndApprovals,
     .entries = kTab_s_certificates_Online},
};

}  // namespace menus::profile_and_identification_tabs
