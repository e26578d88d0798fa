// The analog input block's parameters at relative indexes 12, 13, 19 to 27 and 30 to 35.
#include "items/commands/Command.h"

namespace commands {

namespace {

constexpr Command kRows[] = {
    // Two reads of the output scale, each taking one half; fillers hold the other half.
    {.id = item::read_func1_AI_out_scale, .block = item::function_block_1, .op = read, .index = 12,
     .items = {var(item::func1_AI_out_upper_range_value), var(item::func1_AI_out_lower_range_value),
               var(item::dummy_2bytes_value), var(item::dummy_1byte_value)}},
    {.id = item::read_func1_AI_out_scale_2,
     .block = item::function_block_1, .op = read, .index = 12,
     .items = {var(item::dummy_float_value), var(item::dummy_float_value),
               var(item::func1_AI_out_unit), var(item::func1_AI_out_decimal_point)}},
    {.id = item::write_func1_AI_out_scale,
     .block = item::function_block_1, .op = write, .index = 12,
     .items = {var(item::func1_AI_out_upper_range_value), var(item::func1_AI_out_lower_range_value),
               var(item::func1_AI_out_unit), var(item::func1_AI_out_decimal_point)}},
    {.id = item::read_func1_AI_lin_type, .block = item::function_block_1, .op = read, .index = 13,
     .items = {var(item::func1_AI_lin_type)}},
    {.id = item::write_func1_AI_lin_type, .block = item::function_block_1, .op = write, .index = 13,
     .items = {var(item::func1_AI_lin_type)}},
    {.id = item::read_func1_AI_alarm_hys, .block = item::function_block_1, .op = read, .index = 19,
     .items = {var(item::func1_AI_alarm_hys)}},
    {.id = item::write_func1_AI_alarm_hys,
     .block = item::function_block_1, .op = write, .index = 19,
     .items = {var(item::func1_AI_alarm_hys)}},
    {.id = item::read_func1_AI_hi_hi_lim, .block = item::function_block_1, .op = read, .index = 21,
     .items = {var(item::func1_AI_hi_hi_lim)}},
    {.id = item::write_func1_AI_hi_hi_lim,
     .block = item::function_block_1, .op = write, .index = 21,
     .items = {var(item::func1_AI_hi_hi_lim)}},
    {.id = item::read_func1_AI_hi_lim, .block = item::function_block_1, .op = read, .index = 23,
     .items = {var(item::func1_AI_hi_lim)}},
    {.id = item::write_func1_AI_hi_lim, .block = item::function_block_1, .op = write, .index = 23,
     .items = {var(item::func1_AI_hi_lim)}},
    {.id = item::read_func1_AI_lo_lim, .block = item::function_block_1, .op = read, .index = 25,
     .items = {var(item::func1_AI_lo_lim)}},
    {.id = item::write_func1_AI_lo_lim, .block = item::function_block_1, .op = write, .index = 25,
     .items = {var(item::func1_AI_lo_lim)}},
    {.id = item::read_func1_AI_lo_lo_lim, .block = item::function_block_1, .op = read, .index = 27,
     .items = {var(item::func1_AI_lo_lo_lim)}},
    {.id = item::write_func1_AI_lo_lo_lim,
     .block = item::function_block_1, .op = write, .index = 27,
     .items = {var(item::func1_AI_lo_lo_lim)}},
    {.id = item::read_func1_AI_hi_hi_alm, .block = item::function_block_1, .op = read, .index = 30,
     .items = {var(item::func1_AI_hi_hi_alm_unacknowledged), var(item::func1_AI_hi_hi_alm_state),
               var(item::func1_AI_hi_hi_alm_time_stamp), var(item::func1_AI_hi_hi_alm_subcode),
               var(item::func1_AI_hi_hi_alm_value)}},
    {.id = item::read_func1_AI_hi_alm, .block = item::function_block_1, .op = read, .index = 31,
     .items = {var(item::func1_AI_hi_alm_unacknowledged), var(item::func1_AI_hi_alm_state),
               var(item::func1_AI_hi_alm_time_stamp), var(item::func1_AI_hi_alm_subcode),
               var(item::func1_AI_hi_alm_value)}},
    {.id = item::read_func1_AI_lo_alm, .block = item::function_block_1, .op = read, .index = 32,
     .items = {var(item::func1_AI_lo_alm_unacknowledged), var(item::func1_AI_lo_alm_state),
               var(item::func1_AI_lo_alm_time_stamp), var(item::func1_AI_lo_alm_subcode),
               var(item::func1_AI_lo_alm_value)}},
    {.id = item::read_func1_AI_lo_lo_alm, .block = item::function_block_1, .op = read, .index = 33,
     .items = {var(item::func1_AI_lo_lo_alm_unacknowledged), var(item::func1_AI_lo_lo_alm_state),
               var(item::func1_AI_lo_lo_alm_time_stamp), var(item::func1_AI_lo_lo_alm_subcode),
               var(item::func1_AI_lo_lo_alm_value)}},
    {.id = item::read_func1_AI_simulate, .block = item::function_block_1, .op = read, .index = 34,
     .items = {var(item::func1_AI_simulate_status_quality, kQualityMask),
               var(item::func1_AI_simulate_status_limit, kLimitMask),
               var(item::func1_AI_simulate_value), var(item::func1_AI_simulation_enabled)}},
    {.id = item::write_func1_AI_simulate, .block = item::function_block_1, .op = write, .index = 34,
     .items = {var(item::func1_AI_simulate_status_quality, kQualityMask),
               var(item::func1_AI_simulate_status_limit, kLimitMask),
               var(item::func1_AI_simulate_value), var(item::func1_AI_simulation_enabled)}},
    {.id = item::read_func1_AI_out_unit_text,
     .block = item::function_block_1, .op = read, .index = 35,
     .items = {var(item::func1_AI_out_unit_text)}},
    {.id = item::write_func1_AI_out_unit_text,
     .block = item::function_block_1, .op = write, .index = 35,
     .items = {var(item::func1_AI_out_unit_text)}},
};

}  // namespace

const std::span<const Command> kAnalogInputHigh = kRows;

}  // namespace commands
