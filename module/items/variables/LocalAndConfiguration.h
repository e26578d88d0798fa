// Fixed capacitance bounds, a filler, a GSD configuration variable and the
// methods' local variables: all constant, none writable.
#pragma once

#include "items/variables/Variable.h"

// clang-format off
namespace variables::local_and_configuration {

constexpr Variable kRows[] = {
    {.id = item::capacity_low_value,
     .label = "capacity low value",
     .defaultValue = integer(0),
     .handling = read,
     .unit = unit("pF")},
    {.id = item::capacity_high_value,
     .label = "capacity high value",
     .defaultValue = integer(2100),
     .handling = read,
     .unit = unit("pF")},
    {.id = item::dummyInteger, .label = "dummyInteger", .size = 1, .defaultValue = integer(0), .handling = read},
    {.id = item::_ZTQGSD_C1_Timeout, .label = "C1_Timeout", .size = 2, .defaultValue = integer(0)},
    // The alarm limits kept across an edit of the output limits.
    {.id = item::var_local_hi_hi},
    {.id = item::var_local_hi},
    {.id = item::var_local_lo_lo},
    {.id = item::var_local_lo},
};

}  // namespace variables::local_and_configuration
