// Values of the device's parameters that the items' rules test or write, each
// named after the enumerator or the effect it stands for.
#pragma once

#include <cstdint>

namespace code {

// parWriteLocking: the code that unlocks writing; any other value locks,
// and the lock's check keeps only this code and 0.
inline constexpr std::int32_t kWriteUnlock = 9361;
inline constexpr std::int32_t kWriteLock = 0;

// parShowAccess: the access level the user is shown.
inline constexpr std::int32_t kAccessLocked = 0;
inline constexpr std::int32_t kAccessCustomer = 4;

// phys_factory_reset: what a write of the reset parameter makes the device do.
inline constexpr std::int32_t kFactoryReset = 1;
inline constexpr std::int32_t kWarmStart = 2506;
inline constexpr std::int32_t kResetBusAddress = 2712;

// func1_AI_target_mode: "manual".
inline constexpr std::int32_t kManualMode = 16;

// The analog input block's status qualities that count as good: "Good"
// (non-cascade) and good cascade, which no enumerator names; and the limit
// part "OK".
inline constexpr std::int32_t kGoodQuality = 32;
inline constexpr std::int32_t kGoodCascadeQuality = 48;
inline constexpr std::int32_t kLimitOk = 0;

// func1_AI_simulation_enabled: "Enabled".
inline constexpr std::int32_t kSimulationEnabled = 1;

// trans1_calibration_type and its offline copy: "Offline" and "Online".
inline constexpr std::int32_t kOfflineCalibration = 0;
inline constexpr std::int32_t kOnlineCalibration = 1;

// parPASelectMainValue: "Input SPS".
inline constexpr std::int32_t kMainValueInputSps = 1;

// _ZTQGSD_ChannelProtectionSlot01 to 03: the slot's setup may be changed.
inline constexpr std::int32_t kChannelUnprotected = 0;

}  // namespace code
