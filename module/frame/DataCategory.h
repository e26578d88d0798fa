#pragma once

#include <array>
#include <cstdint>

#include "items/Items.h"

// One entry per item ID; entry 0 stands for no item.
extern const std::array<std::uint16_t, item::kCount + 1> kDataCategories;
