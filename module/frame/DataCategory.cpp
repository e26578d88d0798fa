// Which items are configuration data: 3 for the GSD configuration
// variables, 0 for every other item.
#include "frame/DataCategory.h"

#include "items/Items.h"

namespace {

constexpr std::array<std::uint16_t, item::kCount + 1> makeTable() {
    std::array<std::uint16_t, item::kCount + 1> table{};
    for (int id = item::_ZTQGSD_SIFlag; id <= item::_ZTQGSD_ChannelProtectionSlot03; ++id) table[id] = 3;
    table[item::_ZTQGSD_C1_Timeout] = 3;
    return table;
}

}  // namespace

const std::array<std::uint16_t, item::kCount + 1> kDataCategories = makeTable();
