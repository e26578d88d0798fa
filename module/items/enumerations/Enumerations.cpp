// Enters the enumerated variable families into the calculation table; they
// share the variable template.
#include "items/enumerations/Enumerations.h"

namespace enumerations {

void enter(CalculationTable& table) {
    const std::span<const Variable> families[] = {
        kIdentificationAndGsdChannels, kModesAndChannel, kWriteProtectionAndLocalOperation,
        kBlockIdentification,          kScalingAndAlarmState, kAlarmSummaries,
        kDeviceDiagnosis,              kManufacturer,   kDeviceSpecific,
        kMeasuredValueStatus,          kOutputStatus,   kSimulation,
        kUnits,                        kCalibrationAndTable, kSetUnitToBus,
        kMenuTitles,
    };
    for (const auto& family : families)
        enterFamily<CDDVariable, Variable, variables::fillVariable>(table, family);
}

}  // namespace enumerations
