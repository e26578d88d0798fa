// The identification constants and the GSD channel setups. A channel setup
// can be changed only while its slot's protection is off.
#pragma once

#include "items/DeviceCodes.h"
#include "items/enumerations/Enumerations.h"

// clang-format off
namespace enumerations::identification_and_gsd_channels {

using variables::integer;
using variables::when;

constexpr Enumerator kDeviceId[] = {{0, "Corvalin        "}};
constexpr Enumerator kProfileRevision[] = {{768, "3.0"}};
constexpr Enumerator kIdentNumber[] = {{5434, "Corvalin / KSM 27 / PA / V1.0"}};

// The helps are the slot's configuration identifier bytes in hexadecimal.
constexpr Enumerator kSlot1[] = {
    {1, "Main Process Value", "42840805"},
};
constexpr Enumerator kSlot2[] = {
    {2, "2nd Cyclic Value", "42840805"},
    {4, "Free Place", "00"},
};
constexpr Enumerator kSlot3[] = {
    {3, "Display Value", "82840805"},
    {4, "Free Place", "00"},
};

constexpr Variable kRows[] = {
    {.id = item::__ZTQ__DD_device_id, .size = 1, .maxEnumIndex = 0, .enumerators = kDeviceId},
    {.id = item::__ZTQ__profile_rev, .size = 2, .maxEnumIndex = 768, .enumerators = kProfileRevision},
    {.id = item::__ZTQ__ident_number, .size = 2, .maxEnumIndex = 5434, .enumerators = kIdentNumber},
    {.id = item::_ZTQGSD_ChannelSetup01,
     .label = "Main Process Value",
     .size = 1,
     .defaultValue = integer(1),
     .handling = when(item::_ZTQGSD_ChannelProtectionSlot01, code::kChannelUnprotected),
     .maxEnumIndex = 1,
     .enumerators = kSlot1},
    {.id = item::_ZTQGSD_ChannelSetup02,
     .label = "2nd Cyclic Value",
     .size = 1,
     .defaultValue = integer(2),
     .handling = when(item::_ZTQGSD_ChannelProtectionSlot02, code::kChannelUnprotected),
     .maxEnumIndex = 4,
     .enumerators = kSlot2},
    {.id = item::_ZTQGSD_ChannelSetup03,
     .label = "Display Value",
     .size = 1,
     .defaultValue = integer(3),
     .handling = when(item::_ZTQGSD_ChannelProtectionSlot03, code::kChannelUnprotected),
     .maxEnumIndex = 4,
     .enumerators = kSlot3},
};

}  // namespace enumerations::identification_and_gsd_channels
