#include "catalogue/Catalogue.h"

#include <iterator>

namespace catalogue {

namespace {
constexpr enumDDObjectKind Command = ddkCommand;
constexpr enumDDObjectKind Menu = ddkMenu;
constexpr enumDDObjectKind Method = ddkMethod;
constexpr enumDDObjectKind Refresh = ddkRefresh;
constexpr enumDDObjectKind Unit = ddkUnit;
constexpr enumDDObjectKind Collection = ddkCollection;
constexpr enumDDObjectKind Block = ddkBlock;
constexpr enumDDVariableType Float = ddtFloat;
constexpr enumDDVariableType Signed = ddtSigned;
constexpr enumDDVariableType Unsigned = ddtUnsigned;
constexpr enumDDVariableType Enumerated = ddtEnumerated;
constexpr enumDDVariableType BitEnumerated = ddtBitEnumerated;
constexpr enumDDVariableType String = ddtString;
constexpr enumDDVariableType TimeStamp = ddtTimeStamp;
}  // namespace

const std::array<Entry, item::kCount + 1> kItems = {{
    {},
#define DD_VARIABLE(id, name, type, mask) {item::name, #name, ddkVariable, type, mask},
#define DD_ITEM(id, name, kind) {item::name, #name, kind, ddtFloat, 0},
#include "catalogue/ItemList.inc"
#undef DD_VARIABLE
#undef DD_ITEM
}};

const Entry* find(std::int32_t id) {
    if (id <= 0 || id > item::kCount) return nullptr;
    return &kItems[static_cast<std::size_t>(id)];
}

namespace {

constexpr item::Id kVariableOrder[] = {
    item::phys_ident_number, item::phys_device_man_id, item::phys_device_id, item::phys_device_ser_num, item::phys_diagnosis, item::phys_diagnosis_mask, item::phys_diagnosis_extension, item::phys_diagnosis_extension_mask, item::phys_device_certification, item::phys_write_locking,
    item::phys_hw_write_protection, item::phys_factory_reset, item::phys_message, item::phys_descriptor, item::phys_install_date, item::trans1_max_sensor_value, item::trans1_min_sensor_value, item::phys_pa_set_unit_to_bus, item::trans1_actual_mode, item::trans1_blk_object,
    item::trans1_blk_parent_class, item::trans1_blk_class, item::trans1_blk_dd_reference, item::trans1_blk_dd_rev, item::trans1_blk_profile, item::trans1_blk_profile_rev, item::trans1_st_rev, item::trans1_blk_reserve, item::trans1_blk_execution_time, item::trans1_blk_highest_rel_offset,
    item::trans1_blk_index_view_1, item::trans1_blk_num_view_lists, item::trans1_blk_num_parameters, item::trans1_tag_desc, item::trans1_strategy, item::trans1_alert_key, item::trans1_target_mode, item::trans1_permitted_mode, item::trans1_normal_mode, item::trans1_current_state_alarm_sum,
    item::trans1_unacknowledged_state_alarm_sum, item::trans1_unreported_state_alarm_sum, item::trans1_disabled_state_alarm_sum, item::phys_blk_object, item::phys_blk_parent_class, item::phys_blk_class, item::phys_blk_dd_reference, item::phys_blk_dd_rev, item::phys_blk_profile, item::phys_blk_profile_rev,
    item::phys_st_rev, item::phys_actual_mode, item::phys_tag_desc, item::phys_software_rev_numeric, item::phys_software_rev_000, item::phys_software_rev_001, item::phys_software_rev_002, item::phys_software_rev_003, item::phys_software_rev_004, item::phys_software_rev_005,
    item::phys_software_rev_rest, item::phys_software_rev, item::phys_hardware_rev, item::phys_blk_reserve, item::phys_blk_execution_time, item::phys_blk_num_parameters, item::phys_blk_index_view_1, item::phys_blk_num_view_lists, item::phys_strategy, item::phys_alert_key,
    item::phys_target_mode, item::phys_permitted_mode, item::phys_normal_mode, item::phys_current_state_alarm_sum, item::phys_unacknowledged_state_alarm_sum, item::phys_unreported_state_alarm_sum, item::phys_disabled_state_alarm_sum, item::phys_local_operation_enable, item::func1_AI_blk_dd_reference, item::func1_AI_blk_dd_rev,
    item::func1_AI_blk_profile, item::func1_AI_blk_profile_rev, item::func1_AI_blk_execution_time, item::func1_AI_blk_num_parameters, item::func1_AI_blk_index_view_1, item::func1_AI_blk_num_view_lists, item::func1_AI_st_rev, item::func1_AI_tag_desc, item::func1_AI_strategy, item::func1_AI_alert_key,
    item::trans1_level, item::func1_AI_actual_mode, item::func1_AI_simulation_enabled, item::func1_AI_out_value, item::func1_AI_simulate_value, item::func1_AI_current_state_alarm_sum, item::func1_AI_lo_lo_alm_state, item::func1_AI_lo_alm_state, item::func1_AI_hi_alm_state, item::func1_AI_hi_hi_alm_state,
    item::func1_AI_lo_lo_alm_value, item::func1_AI_lo_alm_value, item::func1_AI_hi_alm_value, item::func1_AI_hi_hi_alm_value, item::func1_AI_out_lower_range_value, item::func1_AI_out_upper_range_value, item::func1_AI_blk_object, item::func1_AI_blk_parent_class, item::func1_AI_blk_class, item::func1_AI_hi_hi_lim,
    item::func1_AI_hi_lim, item::func1_AI_lo_lim, item::func1_AI_lo_lo_lim, item::func1_AI_hi_hi_alm_unacknowledged, item::func1_AI_hi_hi_alm_subcode, item::func1_AI_hi_alm_unacknowledged, item::func1_AI_hi_alm_subcode, item::func1_AI_lo_alm_unacknowledged, item::func1_AI_lo_alm_subcode, item::func1_AI_lo_lo_alm_unacknowledged,
    item::func1_AI_lo_lo_alm_subcode, item::func1_AI_unacknowledged_state_alarm_sum, item::func1_AI_unreported_state_alarm_sum, item::func1_AI_out_status_quality, item::func1_AI_out_status_limit, item::func1_AI_simulate_status_quality, item::func1_AI_simulate_status_limit, item::func1_AI_target_mode, item::func1_AI_out_unit, item::func1_AI_out_unit_text,
    item::func1_AI_pv_ftime, item::func1_AI_batch_id, item::func1_AI_batch_unit, item::func1_AI_batch_operation, item::func1_AI_batch_phase, item::func1_AI_pv_lower_range_value, item::func1_AI_pv_upper_range_value, item::func1_AI_alarm_hys, item::func1_AI_out_decimal_point, item::func1_AI_blk_reserve,
    item::func1_AI_channel, item::func1_AI_permitted_mode, item::func1_AI_normal_mode, item::func1_AI_disabled_state_alarm_sum, item::func1_AI_lin_type, item::func1_AI_hi_hi_alm_time_stamp, item::func1_AI_hi_alm_time_stamp, item::func1_AI_lo_alm_time_stamp, item::func1_AI_lo_lo_alm_time_stamp, item::dummy_2bytes_value,
    item::dummy_1byte_value, item::dummy_float_value, item::DEVICE_TYPE_Name, item::trans1_primary_value_value, item::trans1_primary_value_status, item::trans1_primary_value_unit, item::trans1_level_unit, item::trans1_sensor_value, item::trans1_sensor_unit, item::trans1_secondary_value_1_value,
    item::trans1_secondary_value_1_status, item::trans1_secondary_value_1_unit, item::trans1_secondary_value_2_value, item::trans1_secondary_value_2_status, item::trans1_secondary_value_2_unit, item::trans1_sensor_offset, item::trans1_calibration_type, item::trans1_cal_point_lo, item::trans1_cal_point_hi, item::trans1_level_lo,
    item::trans1_level_hi, item::trans1_level_offset, item::trans1_lin_type, item::trans1_lin_diameter, item::trans1_lin_volume, item::trans1_sensor_high_limit, item::trans1_sensor_low_limit, item::trans1_temperature, item::trans1_temperature_unit, item::trans1_max_temperature,
    item::trans1_min_temperature, item::trans1_index, item::trans1_tab_min_number, item::trans1_tab_max_number, item::trans1_tab_op_code, item::trans1_tab_status, item::trans1_tab_actual_number, item::__ZTQ__phys_device_man_id, item::__ZTQ__device_man_id, item::__ZTQ__phys_device_id,
    item::__ZTQ__DD_device_id, item::__ZTQ__dummy__8bit, item::__ZTQ__dummy__16bit, item::__ZTQ__dummy__32bit, item::__ZTQ__phys_profile_rev, item::__ZTQ__profile_rev, item::__ZTQ__ident_number, item::_ZTQGSD_SIFlag, item::_ZTQGSD_SlaveType, item::_ZTQGSD_Max_Diag_Data_Len,
    item::_ZTQGSD_Max_Alarm_Len, item::_ZTQGSD_Max_Channel_Data_Len, item::_ZTQGSD_Diag_Upd_Delay, item::_ZTQGSD_Alarm_Mode, item::_ZTQGSD_Add_SI_Flag, item::_ZTQGSD_C2_Timeout, item::_ZTQGSD_1_6_OctetReserverd, item::_ZTQGSD_Prm_Data_Len, item::_ZTQGSD_ParamFlags, item::_ZTQGSD_WatchDog1,
    item::_ZTQGSD_WatchDog2, item::_ZTQGSD_minTsdr, item::_ZTQGSD_identNumber, item::_ZTQGSD_groupIdent, item::_ZTQGSD_userPrm, item::_ZTQGSD_Modular_Station, item::_ZTQGSD_MaxModule, item::_ZTQGSD_AddTab, item::_ZTQGSD_SlaveUserData, item::_ZTQGSD_ChannelSetup01,
    item::_ZTQGSD_ChannelProtectionSlot01, item::_ZTQGSD_ChannelSetup02, item::_ZTQGSD_ChannelProtectionSlot02, item::_ZTQGSD_ChannelSetup03, item::_ZTQGSD_ChannelProtectionSlot03, item::parBargraphScaleMin, item::parBargraphScaleMax, item::parPADeviceBusAddress, item::parPASelectMainValue, item::phys_pa_set_unit_to_bus_online,
    item::parPAAIOutStatus, item::parSimulationStatus, item::parWriteLocking, item::parReset, item::trans1_level_lo_offline, item::trans1_level_hi_offline, item::trans1_cal_point_lo_offline, item::trans1_cal_point_hi_offline, item::trans1_calibration_type_offline, item::parBargraphScaleMin_offline,
    item::parBargraphScaleMax_offline, item::parActualError, item::parLastError, item::parClearLastError, item::parSystemstartsCounter, item::var_local_hi_hi, item::var_local_hi, item::var_local_lo_lo, item::var_local_lo, item::parWriteLocking_BACKUP,
    item::parWriteLocking_DIAGNOSTIC, item::var_locking_local, item::old_parPASetUnitToBus, item::parShowAccess, item::parDisplayValue, item::parDisplayStatus, item::dummyInteger, item::TitleCalibration, item::TitleExtendedCalibration, item::TitleProfibusParameter,
    item::TitleSystemParameter, item::TitleSecuritySettings, item::TitleDiagnosticsReset, item::TitleSimulationEnabled, item::TitleService__configuration, item::Title_parClearLastError, item::capacity_low_value, item::capacity_high_value, item::_ZTQGSD_C1_Timeout, item::phys_pa_set_unit_to_bus_offline,
};

// Every variable once, and nothing else.
constexpr bool isEachVariableOnce() {
    bool variable[item::kCount + 1] = {};
#define DD_VARIABLE(id, name, type, mask) variable[id] = true;
#define DD_ITEM(id, name, kind)
#include "catalogue/ItemList.inc"
#undef DD_VARIABLE
#undef DD_ITEM
    bool seen[item::kCount + 1] = {};
    for (const item::Id id : kVariableOrder) {
        if (!variable[id] || seen[id]) return false;
        seen[id] = true;
    }
    return true;
}
static_assert(std::size(kVariableOrder) == 270);
static_assert(isEachVariableOnce());

}  // namespace

const std::span<const item::Id> kVariableSetOrder = kVariableOrder;

}  // namespace catalogue
