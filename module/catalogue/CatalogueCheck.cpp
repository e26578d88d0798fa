// Compile-time checks of the item table: IDs equal their index, in order.
#include "catalogue/Catalogue.h"

namespace {
constexpr bool idsAreContiguous() {
    std::int32_t expected = 1;
#define DD_VARIABLE(id, name, type, mask) if (id != expected++ || item::name != id) return false;
#define DD_ITEM(id, name, kind) if (id != expected++ || item::name != id) return false;
#include "catalogue/ItemList.inc"
#undef DD_VARIABLE
#undef DD_ITEM
    return expected == item::kCount + 1;
}
static_assert(idsAreContiguous(), "the item list must hold IDs 1 to 635 in order");
}  // namespace
