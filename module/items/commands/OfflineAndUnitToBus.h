// The offline copies' commands and set unit to bus.
#pragma once

#include "items/commands/Command.h"

// clang-format off
namespace commands::offline_and_unit_to_bus {

constexpr Command kRows[] = {
    {.id = item::write_trans1_calibration_type_offline,
     .block = item::transducer_block_1, .op = write, .index = 19,
     .items = {var(item::trans1_calibration_type_offline)}, .offline = true},
    {.id = item::read_trans1_calibration_type_offline,
     .block = item::transducer_block_1, .op = read, .index = 19,
     .items = {var(item::trans1_calibration_type_offline)}, .offline = true},
    {.id = item::write_trans1_cal_point_hi_offline,
     .block = item::transducer_block_1, .op = write, .index = 21,
     .items = {var(item::trans1_cal_point_hi_offline)}, .offline = true},
    {.id = item::read_trans1_cal_point_hi_offline,
     .block = item::transducer_block_1, .op = read, .index = 21,
     .items = {var(item::trans1_cal_point_hi_offline)}, .offline = true},
    {.id = item::write_trans1_cal_point_lo_offline,
     .block = item::transducer_block_1, .op = write, .index = 20,
     .items = {var(item::trans1_cal_point_lo_offline)}, .offline = true},
    {.id = item::read_trans1_cal_point_lo_offline,
     .block = item::transducer_block_1, .op = read, .index = 20,
     .items = {var(item::trans1_cal_point_lo_offline)}, .offline = true},
    {.id = item::write_trans1_level_lo_offline,
     .block = item::transducer_block_1, .op = write, .index = 22,
     .items = {var(item::trans1_level_lo_offline)}, .offline = true},
    {.id = item::read_trans1_level_lo_offline,
     .block = item::transducer_block_1, .op = read, .index = 22,
     .items = {var(item::trans1_level_lo_offline)}, .offline = true},
    {.id = item::write_trans1_level_hi_offline,
     .block = item::transducer_block_1, .op = write, .index = 23,
     .items = {var(item::trans1_level_hi_offline)}, .offline = true},
    {.id = item::read_trans1_level_hi_offline,
     .block = item::transducer_block_1, .op = read, .index = 23,
     .items = {var(item::trans1_level_hi_offline)}, .offline = true},
    {.id = item::write_parBargraphScaleMin_offline,
     .block = item::transducer_block_1, .op = write, .index = 62,
     .items = {var(item::parBargraphScaleMin_offline)}, .offline = true},
    {.id = item::read_parBargraphScaleMin_offline,
     .block = item::transducer_block_1, .op = read, .index = 62,
     .items = {var(item::parBargraphScaleMin_offline)}, .offline = true},
    {.id = item::write_parBargraphScaleMax_offline,
     .block = item::transducer_block_1, .op = write, .index = 64,
     .items = {var(item::parBargraphScaleMax_offline)}, .offline = true},
    {.id = item::read_parBargraphScaleMax_offline,
     .block = item::transducer_block_1, .op = read, .index = 64,
     .items = {var(item::parBargraphScaleMax_offline)}, .offline = true},
    {.id = item::read_phys_pa_set_unit_to_bus,
     .block = item::physical_block, .op = read, .index = 45,
     .items = {var(item::phys_pa_set_unit_to_bus)}},
    // Only ever writes 1.
    {.id = item::write_phys_pa_set_unit_to_bus,
     .block = item::physical_block, .op = write, .index = 45,
     .items = {constant(1)}},
};

}  // namespace commands::offline_and_unit_to_bus
