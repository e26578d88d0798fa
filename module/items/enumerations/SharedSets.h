// Enumerator sets that several items share, each defined once in
// SharedSets.cpp. They are arrays of known length so that the item tables,
// which are built at compile time, can point into them.
#pragma once

#include <span>

#include "items/enumerations/Enumerations.h"

namespace enumerations {

// Block modes: RCAS, AUTO, MAN, LO, O/S. The analog input block knows only
// AUTO, MAN and O/S.
extern const Enumerator kModeSet[5];
extern const Enumerator kAnalogInputModeSet[3];
extern const BitEnumerator kModeBits[5];
extern const BitEnumerator kAnalogInputModeBits[3];

extern const Enumerator kDisabledEnabledSet[2];

// Block profiles and profile revisions.
extern const Enumerator kProfileSet[4];
extern const Enumerator kLongRevisionSet[11];

// The profile's manufacturer codes. Its last four rows, 250 to 253, also
// close the transducer block's class sets.
extern const Enumerator kManufacturerSet[117];
inline constexpr std::span<const Enumerator> kClosingSet = std::span(kManufacturerSet).last<4>();

// The digits 0 to 7, each described by itself.
extern const Enumerator kDigitSet[8];

// Alarm summaries.
extern const BitEnumerator kBlockAlarmBits[2];
extern const BitEnumerator kLimitAlarmBits[5];

// Device diagnosis: the status OK entry, then the seventeen condition bits.
extern const BitEnumerator kDiagnosisBits[18];

// The status byte of a measured value (quality, substatus, limit bits).
extern const Enumerator kStatusTable[100];

// The analog input block's status split into quality and limit.
extern const Enumerator kFullQualitySet[25];
extern const Enumerator kManualQualitySet[23];
extern const Enumerator kReducedLimitSet[2];
extern const Enumerator kFullLimitSet[4];

// Unit codes. The output unit set also gives the unit texts that the range
// values choose by the primary value's unit.
inline constexpr Enumerator kOutputUnitSet[17] = {
    {1342, "%"},
    {1012, "cm|de|cm|fr|cm|it|cm"},
    {1013, "mm"},
    {1010, "m"},
    {1019, "in"},
    {1018, "ft"},
    {1038, "l"},
    {1042, "hl"},
    {1036, "cm3"},
    {1035, "dm3"},
    {1034, "m3"},
    {1043, "ft3"},
    {1048, "usgal"},
    {1049, "i gal"},
    {1088, "kg"},
    {1092, "t"},
    {1094, "lb"},
};
extern const Enumerator kSensorUnitSet[5];

extern const Enumerator kCalibrationTypeSet[2];
extern const Enumerator kErrorCodeSet[9];
extern const Enumerator kConfirmSet[1];

}  // namespace enumerations
