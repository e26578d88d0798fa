// The unit relations and the refresh relation: which variables the host
// reads again when a unit or another variable changes.
#pragma once

#include "items/methods/Method.h"

// clang-format off
namespace methods::relations {

constexpr UnitRelation kUnits[] = {
    {.id = item::AI_1_OUT_SCALE_UNIT, .unit = item::func1_AI_out_unit,
     .reread = {item::func1_AI_out_value, item::func1_AI_out_upper_range_value, item::func1_AI_out_lower_range_value,
                item::func1_AI_alarm_hys, item::func1_AI_hi_hi_lim, item::func1_AI_hi_lim, item::func1_AI_lo_lim,
                item::func1_AI_lo_lo_lim, item::func1_AI_hi_hi_alm_value, item::func1_AI_hi_alm_value,
                item::func1_AI_lo_alm_value, item::func1_AI_lo_lo_alm_value}},
    {.id = item::TB_LEVEL_UNIT, .unit = item::trans1_level_unit,
     .reread = {item::trans1_level_lo, item::trans1_level_lo_offline, item::trans1_level_hi,
                item::trans1_level_hi_offline, item::trans1_level}},
    {.id = item::TB_TEMPERATURE_UNIT, .unit = item::trans1_temperature_unit,
     .reread = {item::trans1_temperature, item::trans1_max_temperature, item::trans1_min_temperature}},
    {.id = item::AI_PV_SCALE_UNIT, .unit = item::trans1_primary_value_unit,
     .reread = {item::func1_AI_pv_lower_range_value, item::func1_AI_pv_upper_range_value,
                item::func1_AI_simulate_value}},
    // The same twelve as AI_1_OUT_SCALE_UNIT with the hysteresis last.
    {.id = item::AI_OUT_SCALE_UNIT, .unit = item::func1_AI_out_unit,
     .reread = {item::func1_AI_out_value, item::func1_AI_out_upper_range_value, item::func1_AI_out_lower_range_value,
                item::func1_AI_hi_hi_lim, item::func1_AI_hi_lim, item::func1_AI_lo_lim, item::func1_AI_lo_lo_lim,
                item::func1_AI_hi_hi_alm_value, item::func1_AI_hi_alm_value, item::func1_AI_lo_alm_value,
                item::func1_AI_lo_lo_alm_value, item::func1_AI_alarm_hys}},
};

constexpr RefreshRelation kRefresh[] = {
    {.id = item::highest_rel_offset__num_parameters, .changed = {item::trans1_blk_highest_rel_offset},
     .reread = {item::trans1_blk_num_parameters}},
};

}  // namespace methods::relations
