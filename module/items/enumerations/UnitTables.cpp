// The unit-code tables shared by several variables: unit texts chosen by
// trans1_primary_value_unit and by trans1_level_unit, with the level limits'
// bounds per level unit. They live here, with the unit enumerators the first
// is made from: enumerations/ includes from variables/, never the reverse.
#include <array>
#include <iterator>

#include "items/enumerations/SharedSets.h"
#include "items/variables/Variable.h"

// clang-format off
namespace variables {

namespace {

// Its codes and texts are the primary value unit's enumerators, in order.
constexpr auto kPrimaryValueUnitRows = [] {
    std::array<CodeRow, std::size(enumerations::kOutputUnitSet)> rows{};
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = {enumerations::kOutputUnitSet[i].value, enumerations::kOutputUnitSet[i].description};
    return rows;
}();

// The foot row is not symmetric: -32805.11916 below, +32805.21915 above.
constexpr CodeRow kLevelUnitRows[] = {
    {1342, "%", integer(0), integer(100)},
    {1012, "cm", real(-999900.0), real(999900.0)},
    {1013, "mm", real(-9999000.0), real(9999000.0)},
    {1010, "m", real(-9999.0), real(9999.0)},
    {1019, "in", real(-393661.6299), real(393661.6299)},
    {1018, "ft", real(-32805.11916), real(32805.21915)},
};
static_assert(std::size(kLevelUnitRows) == 6);

}  // namespace

const CodeTable kByPrimaryValueUnit{kPrimaryValueUnitRows, {0, "%"}};
const CodeTable kByLevelUnit{kLevelUnitRows, {0, "%", integer(0), integer(100)}};

}  // namespace variables
