// The unit codes of the analog input block's output and of the transducer
// block's values.
#pragma once

#include "items/Texts.h"
#include "items/enumerations/SharedSets.h"

// clang-format off
namespace enumerations::units {

using variables::integer;
using variables::locked;
using variables::readWrite;

constexpr const char* kUnitLabel = "Unit  |de|Einheit  |fr|Unité  |it|Unità  |es|Unidad";

// Made from the table the level limits take their bounds from.
constexpr auto kLevelUnits = enumeratorsOf(variables::kLevelUnitRows);
static_assert(std::size(kLevelUnits) == 6);

constexpr Enumerator kSecondaryValue1Units[] = {
    {1018, "ft", texts::kFeet},
    {1010, "m", texts::kMeters},
    {1342, "%", "Percent  |de|Prozent  |fr|Pourcents  |it|Percento  |es|Por ciento"},
};

constexpr Enumerator kTemperatureUnits[] = {
    {1001, "°C"},
    {1002, "°F"},
    {1000, "K"},
};

constexpr Variable kRows[] = {
    {.id = item::func1_AI_out_unit,
     .label = kUnitLabel,
     .help = "Engineering unit to be displayed with the Digital Value representation,   Minimum Span, Upper Range Value, Lower Range Value, Lower Sensor   Limit, and Upper Sensor Limit.  |de|Physikal. Einheit angezeigt mit dem digitalen Wert für min. Meßspanne,   Meßende, Meßanfang, untere Meßbereichsgrenze und obere Meßbereichsgrenze.  |fr|Unité physique affichée avec la valeur numérique pour la plage de   mesure min., la fin de la mesure, le début de la mesure, la limite   de l'étendue de mesure inférieure et la limite de l'étendue de mesure   supérieure.  |it|Unità visualizzata con il valore digitale per il campo min. di misurazione,   fine misurazione, inizio misurazione, soglia inferiore campo di misurazione   e soglia superiore campo di misurazione.  |es|Unidad física que se visualiza con el valor digital del alcance mínimo,   inicio y final de medida, límite inferior y límite superior del rango   de medida.",
     .size = 2,
     .defaultValue = integer(1342),
     .handling = locked,
     .maxEnumIndex = 0,
     .enumerators = kOutputUnitSet},
    {.id = item::trans1_primary_value_unit,
     .label = kUnitLabel,
     .help = "trans_primary_value_unit_help",
     .size = 2,
     .defaultValue = integer(1342),
     .handling = locked,
     .maxEnumIndex = 0,
     .enumerators = kOutputUnitSet},
    {.id = item::trans1_level_unit,
     .label = "Unit (Level)  |de|Einheit (Füllstand)  |fr|Unité (niveau)  |it|Unità (Livello di riempimento)  |es|Unidad (nivel)",
     .help = "Selected engineering unit for Level.  |de|Auswahl der physikalischen Einheit für den Füllstand.  |fr|Sélection de l'unité physique pour le niveau.  |it|Selezione dell'unità fisica per il livello di riempimento.  |es|Unidad física seleccionada para el nivel.",
     .size = 2,
     .handling = locked,
     .maxEnumIndex = 1342,
     .enumerators = kLevelUnits},
    {.id = item::trans1_sensor_unit,
     .label = "Unit Raw Value  |de|Einheit Rohwert  |fr|Unité valeurs brutes  |it|Unità valore grezzo  |es|Unidad valor bruto",
     .help = "trans_sensor_unit_help",
     .size = 2,
     .defaultValue = integer(1010),
     .handling = readWrite,
     .maxEnumIndex = 0,
     .enumerators = kSensorUnitSet},
    {.id = item::trans1_secondary_value_1_unit,
     .label = "Unit (Secondary Value 1)  |de|Einheit (Sekundärvariable 1)  |fr|Unité (variable secondaire 1)  |it|Unit (Secondary Value 1)  |es|Unidad (variable secundaria 1)",
     .help = "Selected unit code for Secondary_Value_1. It is the same as in Sensor_Unit.  |de|Einheit für die Sekundärvariable 1. Diese Einheit ist die gleiche   wie die Sensoreinheit.  |fr|Unité pour la variable secondaire 1. Cette unité est la même que   l'unité du capteur.  |it|Codice dell'unità selezionato per la variabile secondaria 1. È uguale   al parametro nel trasduttore  |es|Unidad para la variable secundaria 1. Esta unidad es la misma que   la unidad del sensor.",
     .size = 2,
     .defaultValue = integer(1010),
     .handling = readWrite,
     .maxEnumIndex = 0,
     .enumerators = kSecondaryValue1Units},
    {.id = item::trans1_secondary_value_2_unit,
     .label = "Unit (Secondary Value 2)  |de|Einheit (Sekundärvariable 2)  |fr|Unité (variable secondaire 2)  |it|Unità (variabile secondaria 2)",
     .help = "Selected unit code for Secondary_Value_2. It is the same as in Sensor_Unit.  |de|Einheit für die Sekundärvariable 2. Diese Einheit ist die gleiche   wie die Sensoreinheit.  |fr|Unité pour la variable secondaire 2. Cette unité est la même que   l'unité du capteur.  |it|Codice dell'unità selezionato per la variabile secondaria 2. È uguale   al parametro nel trasduttore.",
     .size = 2,
     .defaultValue = integer(1010),
     .handling = readWrite,
     .maxEnumIndex = 0,
     .enumerators = kSensorUnitSet},
    {.id = item::trans1_temperature_unit,
     .label = "Temperature Unit  |de|Temperatureinheit  |fr|Unité de température  |it|Unità di temperatura  |es|Unidad de temperatura",
     .help = "Engineering unit to be displayed with the value representing temperature.  |de|Physikalische Einheit, mit der digitale Wert für Temperaturen gekennzeichnet werden  |fr|Unité physique affichée avec la valeur numérique représentant la   température.  |it|Unità fisica con cui vengono denominati valori digitali per temperature  |es|Unidad física que acompaña al valor digital de las temperaturas ",
     .size = 2,
     .defaultValue = integer(1001),
     .handling = locked,
     .maxEnumIndex = 0,
     .enumerators = kTemperatureUnits},
};

}  // namespace enumerations::units
