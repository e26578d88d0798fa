// Class numbers as the clearing steps know them; which classes an item
// carries is the items' business (items/Classes.h).
#pragma once

namespace classes {

// Classes are numbered 0 to 18.
inline constexpr int kCount = 19;

// The classes a variable's or method's calculator clears, in this order,
// before it sets its own.
inline constexpr int kCleared[] = {2, 15, 14, 9, 10, 11, 16, 13, 18, 12};

}  // namespace classes
