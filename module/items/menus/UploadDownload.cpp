// The two flat variable lists the host uses to upload and download parameters.
#include "items/menus/Menu.h"

namespace menus {

namespace {

constexpr Entry kDownload_variables[] = {
    entry(item::phys_blk_profile_rev),
    entry(item::phys_st_rev),
    entry(item::phys_tag_desc),
    entry(item::func1_AI_target_mode),
    entry(item::phys_software_rev),
    entry(item::phys_hardware_rev),
    entry(item::phys_device_man_id),
    entry(item::phys_device_id),
    entry(item::phys_device_ser_num),
    entry(item::phys_device_certification),
    entry(item::phys_descriptor),
    entry(item::phys_message),
    entry(item::phys_install_date),
    entry(item::phys_ident_number),
    entry(item::trans1_primary_value_value),
    entry(item::trans1_primary_value_unit),
    entry(item::trans1_blk_class),
    entry(item::trans1_st_rev),
    entry(item::trans1_sensor_high_limit),
    entry(item::trans1_sensor_low_limit),
    entry(item::trans1_level),
    entry(item::trans1_level_unit),
    entry(item::trans1_sensor_value),
    entry(item::trans1_min_sensor_value),
    entry(item::trans1_max_sensor_value),
    entry(item::trans1_temperature),
    entry(item::trans1_temperature_unit),
    entry(item::trans1_max_temperature),
    entry(item::trans1_min_temperature),
    entry(item::trans1_lin_type),
    entry(item::trans1_level_lo_offline),
    entry(item::trans1_level_hi_offline),
    entry(item::trans1_cal_point_lo_offline),
    entry(item::trans1_cal_point_hi_offline),
    entry(item::trans1_calibration_type_offline),
    entry(item::parBargraphScaleMin_offline),
    entry(item::parBargraphScaleMax_offline),
    entry(item::func1_AI_st_rev),
    entry(item::func1_AI_out_unit),
    entry(item::func1_AI_out_value),
    entry(item::parPAAIOutStatus),
    entry(item::func1_AI_pv_ftime),
    entry(item::func1_AI_batch_id),
    entry(item::func1_AI_batch_unit),
    entry(item::func1_AI_batch_operation),
    entry(item::func1_AI_batch_phase),
    entry(item::func1_AI_pv_lower_range_value),
    entry(item::func1_AI_pv_upper_range_value),
    entry(item::func1_AI_out_lower_range_value),
    entry(item::func1_AI_out_upper_range_value),
    entry(item::func1_AI_lo_lo_lim),
    entry(item::func1_AI_lo_lim),
    entry(item::func1_AI_hi_lim),
    entry(item::func1_AI_hi_hi_lim),
    entry(item::func1_AI_alarm_hys),
    entry(item::func1_AI_hi_hi_alm_state),
    entry(item::func1_AI_hi_alm_state),
    entry(item::func1_AI_lo_alm_state),
    entry(item::func1_AI_lo_lo_alm_state),
    entry(item::func1_AI_out_decimal_point),
    entry(item::func1_AI_simulation_enabled),
    entry(item::func1_AI_simulate_value),
    entry(item::parSimulationStatus),
    entry(item::parPADeviceBusAddress),
    entry(item::parPASelectMainValue),
    entry(item::parActualError),
    entry(item::parLastError),
    entry(item::parClearLastError),
    entry(item::parSystemstartsCounter),
};

// Only while the calibration type is 0 ("Offline"): these are writable then.
constexpr Entry kUpload_variables_calibration[] = {
    entry(item::trans1_calibration_type_offline),
    entry(item::trans1_cal_point_lo_offline),
    entry(item::trans1_cal_point_hi_offline),
    entry(item::trans1_level_lo_offline),
    entry(item::trans1_level_hi_offline),
    entry(item::parBargraphScaleMin_offline),
    entry(item::parBargraphScaleMax_offline),
};

// Only in target mode 16 ("manual"): these are writable then.
constexpr Entry kUpload_variables_manual[] = {
    entry(item::func1_AI_out_value),
    entry(item::parPAAIOutStatus),
};

constexpr Entry kUpload_variables[] = {
    entry(item::trans1_primary_value_unit),
    entry(item::trans1_level_unit),
    group(item::trans1_calibration_type_offline, 0, kUpload_variables_calibration),
    entry(item::trans1_lin_type),
    entry(item::var_local_hi_hi),
    entry(item::var_local_hi),
    entry(item::var_local_lo_lo),
    entry(item::var_local_lo),
    entry(item::func1_AI_alarm_hys),
    entry(item::func1_AI_pv_ftime),
    entry(item::func1_AI_pv_lower_range_value),
    entry(item::func1_AI_pv_upper_range_value),
    entry(item::func1_AI_out_lower_range_value),
    entry(item::func1_AI_out_upper_range_value),
    entry(item::func1_AI_target_mode),
    group(item::func1_AI_target_mode, 16, kUpload_variables_manual),
    entry(item::phys_ident_number),
    entry(item::parPASelectMainValue),
    entry(item::func1_AI_out_unit),
    entry(item::phys_descriptor),
    entry(item::trans1_temperature_unit),
    entry(item::phys_tag_desc),
    entry(item::phys_message),
    entry(item::phys_install_date),
    entry(item::trans1_level_unit),
    entry(item::trans1_temperature_unit),
    entry(item::func1_AI_batch_id),
    entry(item::func1_AI_batch_unit),
    entry(item::func1_AI_batch_operation),
    entry(item::func1_AI_batch_phase),
    entry(item::func1_AI_out_decimal_point),
    entry(item::parClearLastError),
};

constexpr Menu kRows[] = {
    {.id = item::download_variables, .access = 1,
     .label = "&Upload Menu  |de|&Uploadmenü  |fr|Menu &Upload  |it|Menu Cari&ca  |es|&Menú Cargar",
     .entries = kDownload_variables},
    {.id = item::upload_variables, .access = 1,
     .label = "&Download Menu  |de|&Downloadmenü  |fr|Menu &Download  |it|Menu Scar&ica  |es|&Menú Descargar",
     .entries = kUpload_variables,
     .preWrite = {item::uploadVariablesPreWriteActions, item::method_output_limits_remember,
                  item::method_output_limits_reset},
     .postWrite = {item::uploadVariablesPostWriteActions, item::method_output_limits_restore}},
};

}  // namespace

const std::span<const Menu> kUploadDownload = kRows;

}  // namespace menus
