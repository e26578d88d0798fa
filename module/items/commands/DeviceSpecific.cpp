// The device's own parameters and the second views of profile parameters.
#include "items/commands/Command.h"

namespace commands {

namespace {

constexpr Command kRows[] = {
    {.id = item::read_parWriteLocking_DIAGNOSTIC,
     .block = item::physical_block, .op = read, .index = 18,
     .items = {var(item::parWriteLocking_DIAGNOSTIC)}},
    {.id = item::read_parWriteLocking, .block = item::physical_block, .op = read, .index = 18,
     .items = {var(item::parWriteLocking)}},
    {.id = item::write_parWriteLocking, .block = item::physical_block, .op = write, .index = 18,
     .items = {var(item::parWriteLocking)}},
    {.id = item::read_parPASelectMainValue, .block = item::physical_block, .op = read, .index = 47,
     .items = {var(item::parPASelectMainValue)}},
    {.id = item::write_parPASelectMainValue,
     .block = item::physical_block, .op = write, .index = 47,
     .items = {var(item::parPASelectMainValue)}},
    {.id = item::read_parBargraphScaleMin,
     .block = item::transducer_block_1, .op = read, .index = 62,
     .items = {var(item::parBargraphScaleMin)}},
    {.id = item::write_parBargraphScaleMin,
     .block = item::transducer_block_1, .op = write, .index = 62,
     .items = {var(item::parBargraphScaleMin)}},
    {.id = item::read_parBargraphScaleMax,
     .block = item::transducer_block_1, .op = read, .index = 64,
     .items = {var(item::parBargraphScaleMax)}},
    {.id = item::write_parBargraphScaleMax,
     .block = item::transducer_block_1, .op = write, .index = 64,
     .items = {var(item::parBargraphScaleMax)}},
    {.id = item::read_parPADeviceBusAddress, .block = item::physical_block, .op = read, .index = 43,
     .items = {var(item::parPADeviceBusAddress)}},
    {.id = item::write_parPADeviceBusAddress,
     .block = item::physical_block, .op = write, .index = 43,
     .items = {var(item::parPADeviceBusAddress)}},
    {.id = item::read_parSystemstartsCounter,
     .block = item::transducer_block_1, .op = read, .index = 63,
     .items = {var(item::parSystemstartsCounter)}},
    {.id = item::read_parActualError, .block = item::physical_block, .op = read, .index = 38,
     .items = {var(item::parActualError)}},
    {.id = item::read_parLastError, .block = item::physical_block, .op = read, .index = 39,
     .items = {var(item::parLastError)}},
    {.id = item::read_parClearLastError, .block = item::physical_block, .op = read, .index = 49,
     .items = {var(item::parClearLastError)}},
    {.id = item::write_parClearLastError, .block = item::physical_block, .op = write, .index = 49,
     .items = {var(item::parClearLastError)}},
    {.id = item::read_parReset, .block = item::physical_block, .op = read, .index = 19,
     .items = {var(item::parReset)}},
    {.id = item::write_parReset, .block = item::physical_block, .op = write, .index = 19,
     .items = {var(item::parReset)}},
    {.id = item::read_trans1_calibration_type,
     .block = item::transducer_block_1, .op = read, .index = 19,
     .items = {var(item::trans1_calibration_type)}},
    {.id = item::read_parSimulation, .block = item::function_block_1, .op = read, .index = 34,
     .items = {var(item::parSimulationStatus), var(item::func1_AI_simulate_value),
               var(item::func1_AI_simulation_enabled)}},
    {.id = item::write_parSimulation, .block = item::function_block_1, .op = write, .index = 34,
     .items = {var(item::parSimulationStatus), var(item::func1_AI_simulate_value),
               var(item::func1_AI_simulation_enabled)}},
    {.id = item::read_parPAAIOutStatus, .block = item::function_block_1, .op = read, .index = 10,
     .items = {var(item::func1_AI_out_value), var(item::parPAAIOutStatus)}},
    {.id = item::write_parPAAIOutStatus, .block = item::function_block_1, .op = write, .index = 10,
     .items = {var(item::func1_AI_out_value), var(item::parPAAIOutStatus)}},
    {.id = item::read_parDisplayInfo, .block = item::physical_block, .op = read, .index = 46,
     .items = {var(item::parDisplayValue), var(item::parDisplayStatus), var(item::dummyInteger)}},
};

}  // namespace

const std::span<const Command> kDeviceSpecific = kRows;

}  // namespace commands
