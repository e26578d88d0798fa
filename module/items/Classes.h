// The classes the module gives its variables and methods, named after the
// items that carry them; the host gives them their meaning. A mask holds one
// bit per class (bit i = class i of the object model).
#pragma once

#include <cstdint>

namespace classes {

enum Mask : std::uint32_t {
    Limits = 1U << 2,       // methods on the analog input block's limits and status
    Dynamic = 1U << 9,      // values the device changes itself: measurements, statuses, modes, alarms
    Diagnostic = 1U << 10,  // the write lock as the device reports it for diagnosis
    Simulation = 1U << 11,  // the simulated value and status, the output unit
    Local = 1U << 12,       // constants and working values of this module, read from no command
    Device = 1U << 14,      // parameters of the device's blocks
    Output = 1U << 15,      // the analog input block's output value and status
};

constexpr Mask operator|(Mask a, Mask b) { return Mask{static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b)}; }

}  // namespace classes
