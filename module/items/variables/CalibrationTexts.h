// Help texts that the calibration variables share with their offline copies.
#pragma once

// clang-format off
namespace variables {

inline constexpr const char* kCalPointLowHelp =
    "The minimum adjustment of the sensor.  |de|Die minimale Verstellung des Sensors.  |fr|Réglage minimum "
    "du capteur.  |it|Lo scostamento minimo del trasduttore  |es|El ajuste mínimo del sensor.";
inline constexpr const char* kCalPointHighHelp =
    "The maximum adjustment of the sensor.  |de|Die maximale Verstellung des Sensors.  |fr|Réglage maximum "
    "du capteur.  |it|Lo scostamento massimo del trasduttore  |es|Dl ajuste máximo del sensor.";
inline constexpr const char* kLevelEmptyHelp =
    "Level empty is the value of level at lower calibration point. The   unit is defined in level unit.  "
    "|de|Füllstand leer ist der Wert des Füllstands am unteren Abgleichpunkt. Die Einheit wird in der "
    "Füllstandseinheit festgelegt.  "
    "|fr|Niveau vide est la valeur du niveau au point de calibrage inférieur. L'unité est définie dans "
    "l'unité de niveau.  "
    "|it|Livello di riempimento vuoto è il valore del livello nel punto di compensazione inferiore. L'unità "
    "è definita nell'unità del livello.  "
    "|es|Nivel vacío es el valor del nivel en el punto inferior de calibración. La unidad se define en la "
    "unidad de nivel.";
inline constexpr const char* kLevelFullHelp =
    "Level full is the value of level at upper calibration point. The   unit is defined in level unit.  "
    "|de|Füllstand voll ist der Wert des Füllstands am oberen Abgleichpunkt. Die Einheit wird in der "
    "Füllstandseinheit festgelegt.  "
    "|fr|Niveau plein est la valeur du niveau au point de calibrage supérieur. L'unité est définie dans "
    "l'unité de niveau.  "
    "|it|Livello di riempimento pieno è il valore del livello nel punto di compensazione superiore. L'unità "
    "è definita nell'unità del livello.  "
    "|es|Nivel lleno es el valor del nivel en el punto superior de calibración. La unidad se define en la "
    "unidad de nivel.";

}  // namespace variables
