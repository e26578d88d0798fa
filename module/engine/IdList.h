// A short constant list of item IDs (action methods, re-read sets), written
// inline in a descriptor: {item::a, item::b}.
#pragma once

#include <cstddef>
#include <initializer_list>

#include "catalogue/Items.h"

template <std::size_t Capacity>
class IdList {
public:
    constexpr IdList() = default;
    constexpr IdList(std::initializer_list<item::Id> ids) {
        if (ids.size() > Capacity) throw "too many items for this list";
        for (item::Id id : ids) ids_[count_++] = id;
    }
    constexpr const item::Id* begin() const { return ids_; }
    constexpr const item::Id* end() const { return ids_ + count_; }
    constexpr std::size_t size() const { return count_; }
    constexpr bool empty() const { return count_ == 0; }

private:
    item::Id ids_[Capacity]{};
    std::size_t count_ = 0;
};
