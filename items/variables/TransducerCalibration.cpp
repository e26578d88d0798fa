// The two-point calibration: the calibration points in picofarad and the
// levels that belong to them. Each range ends at its partner's current value.
#include "items/variables/Variable.h"

namespace variables {

namespace {

constexpr Variable kRows[] = {
    {.id = item::trans1_cal_point_lo,
     .label = "Lower Calibration Point  |de|Unterer Abgleichpunkt  |fr|Point de calibrage inférieur  |it|Punto di "
              "compensazione inferiore  |es|Punto inferior de calibración",
     .help = "The minimum adjustment of the sensor.  |de|Die minimale Verstellung des Sensors.  |fr|Réglage minimum "
             "du capteur.  |it|Lo scostamento minimo del trasduttore  |es|El ajuste mínimo del sensor.",
     .displayFormat = ".3f",
     .range = range(bound(real(0.0)), valueOf(item::trans1_cal_point_hi)),
     .defaultValue = integer(0),
     .handling = lockedAnd(item::trans1_calibration_type, 0),
     .unit = unit("pF")},
    {.id = item::trans1_cal_point_hi,
     .label = "Upper Calibration Point  |de|Oberer Abgleichpunkt  |fr|Point de calibrage supérieur  |it|Punto di "
              "compensazione superiore  |es|Punto superior de calibración",
     .help = "The maximum adjustment of the sensor.  |de|Die maximale Verstellung des Sensors.  |fr|Réglage maximum "
             "du capteur.  |it|Lo scostamento massimo del trasduttore  |es|Dl ajuste máximo del sensor.",
     .displayFormat = ".3f",
     .range = range(valueOf(item::trans1_cal_point_lo), bound(real(2100.0))),
     .defaultValue = integer(2000),
     .handling = lockedAnd(item::trans1_calibration_type, 0),
     .unit = unit("pF")},
    {.id = item::trans1_level_lo,
     .label = "Level empty  |de|Füllstand leer  |fr|Niveau vide  |it|Livello di riempimento vuoto  |es|Nivel vacío",
     .help = "Level empty is the value of level at lower calibration point. The   unit is defined in level unit.  "
             "|de|Füllstand leer ist der Wert des Füllstands am unteren Abgleichpunkt. Die Einheit wird in der "
             "Füllstandseinheit festgelegt.  "
             "|fr|Niveau vide est la valeur du niveau au point de calibrage inférieur. L'unité est définie dans "
             "l'unité de niveau.  "
             "|it|Livello di riempimento vuoto è il valore del livello nel punto di compensazione inferiore. L'unità "
             "è definita nell'unità del livello.  "
             "|es|Nivel vacío es el valor del nivel en el punto inferior de calibración. La unidad se define en la "
             "unidad de nivel.",
     .displayFormat = "10.3f",
     .editFormat = "10.3f",
     .range = range(lowerByCode(item::trans1_level_unit, kUnitTableL), valueOf(item::trans1_level_hi)),
     .defaultValue = integer(0),
     .handling = locked,
     .unit = unitByCode(item::trans1_level_unit, kUnitTableL)},
    {.id = item::trans1_level_hi,
     .label = "Level full  |de|Füllstand voll  |fr|Niveau plein  |it|Livello di riempimento pieno  |es|Nivel lleno",
     .help = "Level full is the value of level at upper calibration point. The   unit is defined in level unit.  "
             "|de|Füllstand voll ist der Wert des Füllstands am oberen Abgleichpunkt. Die Einheit wird in der "
             "Füllstandseinheit festgelegt.  "
             "|fr|Niveau plein est la valeur du niveau au point de calibrage supérieur. L'unité est définie dans "
             "l'unité de niveau.  "
             "|it|Livello di riempimento pieno è il valore del livello nel punto di compensazione superiore. L'unità "
             "è definita nell'unità del livello.  "
             "|es|Nivel lleno es el valor del nivel en el punto superior de calibración. La unidad se define en la "
             "unidad de nivel.",
     .displayFormat = "10.3f",
     .editFormat = "10.3f",
     .range = range(valueOf(item::trans1_level_lo), upperByCode(item::trans1_level_unit, kUnitTableL)),
     .defaultValue = integer(100),
     .handling = locked,
     .unit = unitByCode(item::trans1_level_unit, kUnitTableL)},
};

}  // namespace

const std::span<const Variable> kTransducerCalibration = kRows;

}  // namespace variables
