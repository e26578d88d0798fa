// Enters the plain-typed variable families into the calculation table.
#include "items/variables/Variable.h"

namespace variables {

void enter(CalculationTable& table) {
    const std::span<const Variable> families[] = {
        kIdentificationAndGsd,       kBlockHeaders,
        kPhysicalBlockIdentity,      kAnalogInputBatch,
        kAnalogInputLimits,          kRangeValues,
        kAnalogInputAlarmsAndSimulation, kTransducerMeasuredValues,
        kTransducerCalibration,      kTransducerLimitsAndTable,
        kWriteLock,                  kDeviceSpecific,
        kOfflineCopies,              kLocalAndConfiguration,
    };
    for (const auto& family : families) enterFamily<CDDVariable, Variable, fillVariable>(table, family);
}

}  // namespace variables
