// The unit-code tables shared by several variables: unit texts chosen by
// trans1_primary_value_unit (P) and by trans1_level_unit (L), with the level
// limits' bounds per level unit.
#include "items/variables/Variable.h"

namespace variables {

namespace {

constexpr CodeRow kRowsP[] = {
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

// The foot row is not symmetric: -32805.11916 below, +32805.21915 above.
constexpr CodeRow kRowsL[] = {
    {1342, "%", integer(0), integer(100)},
    {1012, "cm", real(-999900.0), real(999900.0)},
    {1013, "mm", real(-9999000.0), real(9999000.0)},
    {1010, "m", real(-9999.0), real(9999.0)},
    {1019, "in", real(-393661.6299), real(393661.6299)},
    {1018, "ft", real(-32805.11916), real(32805.21915)},
};

}  // namespace

const CodeTable kUnitTableP{kRowsP, {0, "%"}};
const CodeTable kUnitTableL{kRowsL, {0, "%", integer(0), integer(100)}};

}  // namespace variables
