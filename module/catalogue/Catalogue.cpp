#include "catalogue/Catalogue.h"

#include <initializer_list>
#include <iterator>
#include <span>

#include "items/Classes.h"
#include "items/commands/AnalogInputHigh.h"
#include "items/commands/AnalogInputLow.h"
#include "items/commands/Blocks.h"
#include "items/commands/DeviceSpecific.h"
#include "items/commands/IdentificationAndPhysicalBlock.h"
#include "items/commands/OfflineAndUnitToBus.h"
#include "items/commands/TransducerBlockHigh.h"
#include "items/commands/TransducerBlockLow.h"
#include "items/enumerations/AlarmSummaries.h"
#include "items/enumerations/BlockIdentification.h"
#include "items/enumerations/CalibrationAndTable.h"
#include "items/enumerations/DeviceDiagnosis.h"
#include "items/enumerations/DeviceSpecific.h"
#include "items/enumerations/IdentificationAndGsdChannels.h"
#include "items/enumerations/Manufacturer.h"
#include "items/enumerations/MeasuredValueStatus.h"
#include "items/enumerations/MenuTitles.h"
#include "items/enumerations/ModesAndChannel.h"
#include "items/enumerations/OutputStatus.h"
#include "items/enumerations/ScalingAndAlarmState.h"
#include "items/enumerations/SetUnitToBus.h"
#include "items/enumerations/Simulation.h"
#include "items/enumerations/Units.h"
#include "items/enumerations/WriteProtectionAndLocalOperation.h"
#include "items/menus/AnalogInputAlarmOverview.h"
#include "items/menus/AnalogInputAlarms.h"
#include "items/menus/AnalogInputDisplay.h"
#include "items/menus/AnalogInputSimulation.h"
#include "items/menus/AnalogInputTabs.h"
#include "items/menus/Collections.h"
#include "items/menus/DeviceDialogs.h"
#include "items/menus/DiagnosisDisplayResetCalibration.h"
#include "items/menus/LimitCalibrationSystemDialogs.h"
#include "items/menus/MeasuredValueMenus.h"
#include "items/menus/OfflineTabs.h"
#include "items/menus/OnlineStandardTabs.h"
#include "items/menus/ProfileAndIdentificationTabs.h"
#include "items/menus/RootAndStandard.h"
#include "items/menus/UploadDownload.h"
#include "items/methods/MethodAttributes.h"
#include "items/methods/Relations.h"
#include "items/variables/AnalogInputAlarmsAndSimulation.h"
#include "items/variables/AnalogInputBatch.h"
#include "items/variables/AnalogInputLimits.h"
#include "items/variables/BlockHeaders.h"
#include "items/variables/DeviceSpecific.h"
#include "items/variables/IdentificationAndGsd.h"
#include "items/variables/LocalAndConfiguration.h"
#include "items/variables/OfflineCopies.h"
#include "items/variables/PhysicalBlockIdentity.h"
#include "items/variables/RangeValues.h"
#include "items/variables/TransducerCalibration.h"
#include "items/variables/TransducerLimitsAndTable.h"
#include "items/variables/TransducerMeasuredValues.h"
#include "items/variables/WriteLock.h"

namespace catalogue {

namespace {

using Index = std::array<ItemEntry, item::kCount + 1>;

// Each row of a family becomes the entry of its item. The throws stop the
// compilation: a row for an item of another kind, or a second row for an item.
template <class Object, class Descriptor, void (*Fill)(Request&, Object&, const Descriptor&, const ItemEntry&)>
constexpr void enter(Index& index, enumDDObjectKind kind, std::initializer_list<std::span<const Descriptor>> families,
                     MethodBody run = nullptr) {
    for (const std::span<const Descriptor> family : families) {
        for (const Descriptor& row : family) {
            ItemEntry& entry = index.at(static_cast<std::size_t>(row.id));
            if (!entry.name || entry.kind != kind) throw "a row for an item of another kind";
            if (entry.descriptor) throw "a second row for an item";
            entry.calculate = &calculateAs<Object, Descriptor, Fill>;
            entry.descriptor = &row;
            if constexpr (requires { row.valid; }) entry.valid = row.valid;
            entry.run = run;
        }
    }
}

constexpr Index makeIndex() {
    Index index{};
    using namespace classes;
    // clang-format off
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
#define DD_VARIABLE(id, name, type, mask) index[id] = {id, #name, ddkVariable, type, mask};
#define DD_ITEM(id, name, kind) index[id] = {id, #name, kind};
#include "items/ItemList.inc"
#undef DD_VARIABLE
#undef DD_ITEM

    enter<CDDBlock, commands::Block, commands::fillBlock>(index, ddkBlock, {commands::blocks::kRows});
    enter<CDDCommand, commands::Command, commands::fillCommand>(index, ddkCommand, {
        commands::analog_input_high::kRows,
        commands::analog_input_low::kRows,
        commands::device_specific::kRows,
        commands::identification_and_physical_block::kRows,
        commands::offline_and_unit_to_bus::kRows,
        commands::transducer_block_high::kRows,
        commands::transducer_block_low::kRows});
    enter<CDDVariable, variables::Variable, variables::fillVariable>(index, ddkVariable, {
        variables::analog_input_alarms_and_simulation::kRows,
        variables::analog_input_batch::kRows,
        variables::analog_input_limits::kRows,
        variables::block_headers::kRows,
        variables::device_specific::kRows,
        variables::identification_and_gsd::kRows,
        variables::local_and_configuration::kRows,
        variables::offline_copies::kRows,
        variables::physical_block_identity::kRows,
        variables::range_values::kRows,
        variables::transducer_calibration::kRows,
        variables::transducer_limits_and_table::kRows,
        variables::transducer_measured_values::kRows,
        variables::write_lock::kRows,
        enumerations::alarm_summaries::kRows,
        enumerations::block_identification::kRows,
        enumerations::calibration_and_table::kRows,
        enumerations::device_diagnosis::kRows,
        enumerations::device_specific::kRows,
        enumerations::identification_and_gsd_channels::kRows,
        enumerations::manufacturer::kRows,
        enumerations::measured_value_status::kRows,
        enumerations::menu_titles::kRows,
        enumerations::modes_and_channel::kRows,
        enumerations::output_status::kRows,
        enumerations::scaling_and_alarm_state::kRows,
        enumerations::set_unit_to_bus::kRows,
        enumerations::simulation::kRows,
        enumerations::units::kRows,
        enumerations::write_protection_and_local_operation::kRows});
    enter<CDDMenu, menus::Menu, menus::fillMenu>(index, ddkMenu, {
        menus::analog_input_alarm_overview::kRows,
        menus::analog_input_alarms::kRows,
        menus::analog_input_display::kRows,
        menus::analog_input_simulation::kRows,
        menus::analog_input_tabs::kRows,
        menus::device_dialogs::kRows,
        menus::diagnosis_display_reset_calibration::kRows,
        menus::limit_calibration_system_dialogs::kRows,
        menus::measured_value_menus::kRows,
        menus::offline_tabs::kRows,
        menus::online_standard_tabs::kRows,
        menus::profile_and_identification_tabs::kRows,
        menus::root_and_standard::kRows,
        menus::upload_download::kRows});
    enter<CDDCollection, menus::Collection, menus::fillCollection>(index, ddkCollection, {menus::collections::kRows});
    enter<CDDMethod, methods::Method, methods::fillMethod>(index, ddkMethod, {methods::method_attributes::kRows},
                                                          methods::runStub);
    enter<CDDUnit, methods::UnitRelation, methods::fillUnit>(index, ddkUnit, {methods::relations::kUnits});
    enter<CDDRefresh, methods::RefreshRelation, methods::fillRefresh>(index, ddkRefresh, {methods::relations::kRefresh});
    // clang-format on
    return index;
}

constexpr bool everyItemHasAnEntry(const Index& index) {
    for (std::size_t id = 1; id < index.size(); ++id)
        if (index[id].id != static_cast<std::int32_t>(id) || !index[id].name || !index[id].descriptor) return false;
    return true;
}

// clang-format off
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
// clang-format on

// Every variable once, and nothing else.
constexpr bool isEachVariableOnce(const Index& index) {
    bool seen[item::kCount + 1] = {};
    for (const item::Id id : kVariableOrder) {
        if (!index[id].name || index[id].kind != ddkVariable || seen[id]) return false;
        seen[id] = true;
    }
    return true;
}

}  // namespace

constexpr Index kItems = makeIndex();
static_assert(everyItemHasAnEntry(kItems), "every item of the list needs its row in a family of items/");
static_assert(std::size(kVariableOrder) == 270);
static_assert(isEachVariableOnce(kItems));

const std::span<const item::Id> kVariableSetOrder = kVariableOrder;

}  // namespace catalogue
