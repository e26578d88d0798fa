// The enumerated and bit-enumerated variables: descriptors of the variable
// template, with enumerator sets that several items share defined once.
#pragma once

#include <span>

#include "engine/CalculationTable.h"
#include "items/variables/Variable.h"

namespace enumerations {

using variables::BitEnumerator;
using variables::Enumerator;
using variables::Variable;

void enter(CalculationTable& table);

// The families, one per table of enumerated variables.
extern const std::span<const Variable> kIdentificationAndGsdChannels;
extern const std::span<const Variable> kModesAndChannel;
extern const std::span<const Variable> kWriteProtectionAndLocalOperation;
extern const std::span<const Variable> kBlockIdentification;
extern const std::span<const Variable> kScalingAndAlarmState;
extern const std::span<const Variable> kAlarmSummaries;
extern const std::span<const Variable> kDeviceDiagnosis;
extern const std::span<const Variable> kManufacturer;
extern const std::span<const Variable> kDeviceSpecific;
extern const std::span<const Variable> kMeasuredValueStatus;
extern const std::span<const Variable> kOutputStatus;
extern const std::span<const Variable> kSimulation;
extern const std::span<const Variable> kUnits;
extern const std::span<const Variable> kCalibrationAndTable;
extern const std::span<const Variable> kSetUnitToBus;
extern const std::span<const Variable> kMenuTitles;

}  // namespace enumerations
