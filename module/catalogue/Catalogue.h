// The one table of all items: ID, name, kind and, for variables, type and
// class mask (bit i = class i).
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "catalogue/Items.h"
#include "objectmodel/Objects.h"

namespace catalogue {

struct Entry {
    item::Id id = item::none;
    const char* name = nullptr;  // null for entry 0
    enumDDObjectKind kind = ddkVariable;
    enumDDVariableType type = ddtFloat;  // variables only
    std::uint32_t classMask = 0;         // variables only
};

// Indexed by item ID; entry 0 names no item.
extern const std::array<Entry, item::kCount + 1> kItems;

// The entry of a module item, or null for 0, negative IDs and IDs above 635.
const Entry* find(std::int32_t id);

// The order in which every variable receives its (empty) definition set.
extern const std::span<const item::Id> kVariableSetOrder;

}  // namespace catalogue
