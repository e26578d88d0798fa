// The unit-code tables shared by several variables: unit texts chosen by
// trans1_primary_value_unit and by trans1_level_unit, with the level limits'
// bounds per level unit. Each unit's code and text is written here once; the
// enumerator sets of the unit variables are made from these rows
// (enumerations/), which builds on variables/, never the reverse.
#pragma once

#include <iterator>

#include "items/variables/Variable.h"

// clang-format off
namespace variables {

// The output unit set, in the order of its enumerators: the analog input
// block's output unit and the primary value's unit offer these.
inline constexpr CodeRow kOutputUnitRows[] = {
    {1342, "%"},
    {1012, "cm|de|cm|fr|cm|it|cm"},
    {1013, "mm"},
    {1010, "m"},
    {1019, "in"},
    {1018, "ft"},
    {1038, "l"},
    {1042, "hl"},
    {1036, "cm3"},
    {1035, "dm3"},
    {1034, "m3"},
    {1043, "ft3"},
    {1048, "usgal"},
    {1049, "i gal"},
    {1088, "kg"},
    {1092, "t"},
    {1094, "lb"},
};
static_assert(std::size(kOutputUnitRows) == 17);

// The level units: "cm" here without the language parts of the output unit
// set. The foot row is not symmetric: -32805.11916 below, +32805.21915 above.
inline constexpr CodeRow kLevelUnitRows[] = {
    {1342, "%", integer(0), integer(100)},
    {1012, "cm", real(-999900.0), real(999900.0)},
    {1013, "mm", real(-9999000.0), real(9999000.0)},
    {1010, "m", real(-9999.0), real(9999.0)},
    {1019, "in", real(-393661.6299), real(393661.6299)},
    {1018, "ft", real(-32805.11916), real(32805.21915)},
};
static_assert(std::size(kLevelUnitRows) == 6);

inline constexpr CodeTable kByPrimaryValueUnit{kOutputUnitRows, {0, "%"}};
inline constexpr CodeTable kByLevelUnit{kLevelUnitRows, {0, "%", integer(0), integer(100)}};

}  // namespace variables
