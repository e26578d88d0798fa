// The device's 635 items: one named constant per item. Every other file names
// an item through these constants, so a reference to an item that does not
// exist does not compile.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/FixedList.h"

namespace item {

enum Id : std::int32_t {
    none = 0,
#define DD_VARIABLE(id, name, type, mask) name = id,
#define DD_ITEM(id, name, kind) name = id,
#include "items/ItemList.inc"
#undef DD_VARIABLE
#undef DD_ITEM
};

inline constexpr std::int32_t kCount = 635;  // IDs 1 to 635

}  // namespace item

// A short list of items written inline in a descriptor: {item::a, item::b}.
template <std::size_t Capacity>
using IdList = FixedList<item::Id, Capacity>;
