// The analog input block's parameters at relative indexes 0 to 8, 10, 11, 14 and 16.
#include "items/commands/Command.h"

namespace commands {

namespace {

constexpr Command kRows[] = {
    {.id = item::read_func1_AI_pv_ftime, .block = item::function_block_1, .op = read, .index = 16,
     .items = {var(item::func1_AI_pv_ftime)}},
    {.id = item::write_func1_AI_pv_ftime, .block = item::function_block_1, .op = write, .index = 16,
     .items = {var(item::func1_AI_pv_ftime)}},
    {.id = item::read_func1_AI_channel, .block = item::function_block_1, .op = read, .index = 14,
     .items = {var(item::func1_AI_channel)}},
    {.id = item::write_func1_AI_channel, .block = item::function_block_1, .op = write, .index = 14,
     .items = {var(item::func1_AI_channel)}},
    {.id = item::read_func1_AI_blk, .block = item::function_block_1, .op = read, .index = 0,
     .items = {var(item::func1_AI_blk_reserve), var(item::func1_AI_blk_object),
               var(item::func1_AI_blk_parent_class), var(item::func1_AI_blk_class),
               var(item::func1_AI_blk_dd_reference), var(item::func1_AI_blk_dd_rev),
               var(item::func1_AI_blk_profile), var(item::func1_AI_blk_profile_rev),
               var(item::func1_AI_blk_execution_time), var(item::func1_AI_blk_num_parameters),
               var(item::func1_AI_blk_index_view_1), var(item::func1_AI_blk_num_view_lists)}},
    {.id = item::read_func1_AI_st_rev, .block = item::function_block_1, .op = read, .index = 1,
     .items = {var(item::func1_AI_st_rev)}},
    {.id = item::read_func1_AI_tag_desc, .block = item::function_block_1, .op = read, .index = 2,
     .items = {var(item::func1_AI_tag_desc)}},
    {.id = item::write_func1_AI_tag_desc, .block = item::function_block_1, .op = write, .index = 2,
     .items = {var(item::func1_AI_tag_desc)}},
    {.id = item::read_func1_AI_strategy, .block = item::function_block_1, .op = read, .index = 3,
     .items = {var(item::func1_AI_strategy)}},
    {.id = item::write_func1_AI_strategy, .block = item::function_block_1, .op = write, .index = 3,
     .items = {var(item::func1_AI_strategy)}},
    {.id = item::read_func1_AI_alert_key, .block = item::function_block_1, .op = read, .index = 4,
     .items = {var(item::func1_AI_alert_key)}},
    {.id = item::write_func1_AI_alert_key, .block = item::function_block_1, .op = write, .index = 4,
     .items = {var(item::func1_AI_alert_key)}},
    {.id = item::read_func1_AI_target_mode, .block = item::function_block_1, .op = read, .index = 5,
     .items = {var(item::func1_AI_target_mode)}},
    {.id = item::write_func1_AI_target_mode,
     .block = item::function_block_1, .op = write, .index = 5,
     .items = {var(item::func1_AI_target_mode)}},
    {.id = item::read_func1_AI_mode, .block = item::function_block_1, .op = read, .index = 6,
     .items = {var(item::func1_AI_actual_mode), var(item::func1_AI_permitted_mode),
               var(item::func1_AI_normal_mode)}},
    {.id = item::read_func1_AI_alarm, .block = item::function_block_1, .op = read, .index = 7,
     .items = {var(item::func1_AI_current_state_alarm_sum),
               var(item::func1_AI_unacknowledged_state_alarm_sum),
               var(item::func1_AI_unreported_state_alarm_sum),
               var(item::func1_AI_disabled_state_alarm_sum)}},
    {.id = item::read_func1_AI_batch_information,
     .block = item::function_block_1, .op = read, .index = 8,
     .items = {var(item::func1_AI_batch_id), var(item::func1_AI_batch_unit),
               var(item::func1_AI_batch_operation), var(item::func1_AI_batch_phase)}},
    {.id = item::write_func1_AI_batch_information,
     .block = item::function_block_1, .op = write, .index = 8,
     .items = {var(item::func1_AI_batch_id), var(item::func1_AI_batch_unit),
               var(item::func1_AI_batch_operation), var(item::func1_AI_batch_phase)}},
    {.id = item::read_func1_AI_out, .block = item::function_block_1, .op = read, .index = 10,
     .items = {var(item::func1_AI_out_value), var(item::func1_AI_out_status_quality, kQualityMask),
               var(item::func1_AI_out_status_limit, kLimitMask)}},
    {.id = item::write_func1_AI_out, .block = item::function_block_1, .op = write, .index = 10,
     .items = {var(item::func1_AI_out_value), var(item::func1_AI_out_status_quality, kQualityMask),
               var(item::func1_AI_out_status_limit, kLimitMask)}},
    {.id = item::read_func1_AI_pv, .block = item::function_block_1, .op = read, .index = 11,
     .items = {var(item::func1_AI_pv_upper_range_value), var(item::func1_AI_pv_lower_range_value)}},
    {.id = item::write_func1_AI_pv, .block = item::function_block_1, .op = write, .index = 11,
     .items = {var(item::func1_AI_pv_upper_range_value), var(item::func1_AI_pv_lower_range_value)}},
};

}  // namespace

const std::span<const Command> kAnalogInputLow = kRows;

}  // namespace commands
