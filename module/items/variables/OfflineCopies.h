// The offline set of the calibration, level and bargraph variables. Each is
// built like its online twin; its moving bound comes from its offline
// partner, and it is writable only while the offline calibration type is 0.
// The level copies follow the online level unit: there is no offline one.
#pragma once

#include "items/DeviceCodes.h"
#include "items/Texts.h"
#include "items/variables/UnitTables.h"
#include "items/variables/Variable.h"

// clang-format off
namespace variables::offline_copies {

constexpr Handling kOfflineWrite = lockedAnd(item::trans1_calibration_type_offline, code::kOfflineCalibration);

constexpr Variable kRows[] = {
    {.id = item::trans1_cal_point_hi_offline,
     .label = texts::kCapFull,
     .help = texts::kCalPointHighHelp,
     .displayFormat = ".3f",
     .range = range(valueOf(item::trans1_cal_point_lo_offline), bound(real(2100.0))),
     .defaultValue = integer(2000),
     .handling = kOfflineWrite,
     .unit = unit("pF")},
    {.id = item::trans1_cal_point_lo_offline,
     .label = texts::kCapEmpty,
     .help = texts::kCalPointLowHelp,
     .displayFormat = ".3f",
     .range = range(bound(real(0.0)), valueOf(item::trans1_cal_point_hi_offline)),
     .defaultValue = integer(0),
     .handling = kOfflineWrite,
     .unit = unit("pF")},
    {.id = item::trans1_level_lo_offline,
     .label = texts::kValueEmpty,
     .help = texts::kLevelEmptyHelp,
     .displayFormat = "10.3f",
     .editFormat = "10.3f",
     .range = range(lowerByCode(item::trans1_level_unit, kByLevelUnit), valueOf(item::trans1_level_hi_offline)),
     .defaultValue = integer(0),
     .handling = kOfflineWrite,
     .unit = unitByCode(item::trans1_level_unit, kByLevelUnit)},
    {.id = item::trans1_level_hi_offline,
     .label = texts::kValueFull,
     .help = texts::kLevelFullHelp,
     .displayFormat = "10.3f",
     .editFormat = "10.3f",
     .range = range(valueOf(item::trans1_level_lo_offline), upperByCode(item::trans1_level_unit, kByLevelUnit)),
     .defaultValue = integer(100),
     .handling = kOfflineWrite,
     .unit = unitByCode(item::trans1_level_unit, kByLevelUnit)},
    {.id = item::parBargraphScaleMin_offline,
     .label = texts::kPercentEmpty,
     .displayFormat = "10.3f",
     .editFormat = "10.3f",
     .range = range(bound(real(0.0)), valueOf(item::parBargraphScaleMax_offline)),
     .defaultValue = integer(0),
     .handling = kOfflineWrite,
     .unit = unit("%")},
    {.id = item::parBargraphScaleMax_offline,
     .label = texts::kPercentFull,
     .displayFormat = "10.3f",
     .editFormat = "10.3f",
     .range = range(valueOf(item::parBargraphScaleMin_offline), bound(real(100.0))),
     .defaultValue = real(100.0),
     .handling = kOfflineWrite,
     .unit = unit("%")},
};

}  // namespace variables::offline_copies
