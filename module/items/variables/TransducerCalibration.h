// The two-point calibration: the calibration points in picofarad and the
// levels that belong to them. Each range ends at its partner's current value.
#pragma once

#include "items/DeviceCodes.h"
#include "items/Texts.h"
#include "items/variables/UnitTables.h"
#include "items/variables/Variable.h"

// clang-format off
namespace variables::transducer_calibration {

constexpr Variable kRows[] = {
    {.id = item::trans1_cal_point_lo,
     .label = "Lower Calibration Point  |de|Unterer Abgleichpunkt  |fr|Point de calibrage inférieur  |it|Punto di "
              "compensazione inferiore  |es|Punto inferior de calibración",
     .help = texts::kCalPointLowHelp,
     .displayFormat = ".3f",
     .range = range(bound(real(0.0)), valueOf(item::trans1_cal_point_hi)),
     .defaultValue = integer(0),
     .handling = lockedAnd(item::trans1_calibration_type, code::kOfflineCalibration),
     .unit = unit("pF")},
    {.id = item::trans1_cal_point_hi,
     .label = "Upper Calibration Point  |de|Oberer Abgleichpunkt  |fr|Point de calibrage supérieur  |it|Punto di "
              "compensazione superiore  |es|Punto superior de calibración",
     .help = texts::kCalPointHighHelp,
     .displayFormat = ".3f",
     .range = range(valueOf(item::trans1_cal_point_lo), bound(real(2100.0))),
     .defaultValue = integer(2000),
     .handling = lockedAnd(item::trans1_calibration_type, code::kOfflineCalibration),
     .unit = unit("pF")},
    {.id = item::trans1_level_lo,
     .label = "Level empty  |de|Füllstand leer  |fr|Niveau vide  |it|Livello di riempimento vuoto  |es|Nivel vacío",
     .help = texts::kLevelEmptyHelp,
     .displayFormat = "10.3f",
     .editFormat = "10.3f",
     .range = range(lowerByCode(item::trans1_level_unit, kByLevelUnit), valueOf(item::trans1_level_hi)),
     .defaultValue = integer(0),
     .handling = locked,
     .unit = unitByCode(item::trans1_level_unit, kByLevelUnit)},
    {.id = item::trans1_level_hi,
     .label = "Level full  |de|Füllstand voll  |fr|Niveau plein  |it|Livello di riempimento pieno  |es|Nivel lleno",
     .help = texts::kLevelFullHelp,
     .displayFormat = "10.3f",
     .editFormat = "10.3f",
     .range = range(valueOf(item::trans1_level_lo), upperByCode(item::trans1_level_unit, kByLevelUnit)),
     .defaultValue = integer(100),
     .handling = locked,
     .unit = unitByCode(item::trans1_level_unit, kByLevelUnit)},
};

}  // namespace variables::transducer_calibration
