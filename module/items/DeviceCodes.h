// Values of the device's parameters that the items' rules test or write.
#pragma once

#include <cstdint>

namespace code {

// parWriteLocking: the code that unlocks writing; any other value locks.
inline constexpr std::int32_t kWriteUnlock = 9361;

}  // namespace code
