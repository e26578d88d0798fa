// The device's three blocks.
#pragma once

#include "items/commands/Command.h"

// clang-format off
namespace commands::blocks {

constexpr Block kRows[] = {
    {item::transducer_block_1, ddbTransducer},
    {item::physical_block, ddbPhysical},
    {item::function_block_1, ddbFunction},
};

}  // namespace commands::blocks
