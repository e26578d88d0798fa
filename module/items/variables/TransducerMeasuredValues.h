// The transducer block's measured values and the two offsets that correct them.
#pragma once

#include "items/Texts.h"
#include "items/variables/UnitTables.h"
#include "items/variables/Variable.h"

// clang-format off
namespace variables::transducer_measured_values {

constexpr Variable kRows[] = {
    {.id = item::trans1_primary_value_value,
     .label = "Measured Value  |de|Meßwert  |fr|Valeur de mesure  |it|Valore di misura  |es|Valor medido",
     .help = "The measured, corrected and trimmed value at the transmitter output.   The measured value is processed "
             "further in the function block.  "
             "|de|Der gemessene, korrigierte und abgeglichene Wert am Ausgang des Meßumformers. Der Meßwert wird im "
             "Funktionsblock weiterverarbeitet.  "
             "|fr|Valeur mesurée, corrigée et ajustée à la sortie du transmetteur. La valeur mesurée est ensuite "
             "traitée dans le bloc de fonction.  "
             "|it|Il valore misurato, corretto e compensato all'uscita del trasmettitore. Il valore di misura viene "
             "elaborato ulteriormente nel blocco funzione.  "
             "|es|El valor medido, corregido y ajustado en la salida del transmisor. El valor medido se sigue "
             "procesando en el bloque de función.",
     .displayFormat = "10.2f",
     .defaultValue = real(0.0),
     .handling = read,
     .unit = unitByCode(item::trans1_primary_value_unit, kByPrimaryValueUnit)},
    {.id = item::trans1_level,
     .label = texts::kMeasuredValueLevel,
     .help = "The measured process level value. Level contains the same value as   volume when linearization type = "
             "linear.  "
             "|de|Der gemessene Füllstand des Prozesses. Bei Linearisierungsart = linear enthält der Füllstand "
             "denselben Wert wie das Volumen.  "
             "|fr|Valeur de niveau mesurée du processus. Le niveau contient la même valeur que le volume lorsque le "
             "type de linéarisation = linéaire.  "
             "|it|Il valore misurato del livello di riempimento del processo. Il livello contiene lo stesso valore "
             "del volume quando il tipo di linearizzazione = lineare.  "
             "|es|El valor medido del nivel del proceso. El nivel contiene el mismo valor que el volumen cuando el "
             "tipo de linealización = lineal.",
     .displayFormat = "10.2f",
     .defaultValue = integer(50),
     .handling = read},
    {.id = item::trans1_sensor_value,
     .label = "Sensor Value  |de|Sensorwert  |fr|Valeur de capteur  |it|Valore trasduttore  |es|Valor del sensor",
     .help = "The physical value of the sensor.  |de|Der physikalische Wert des Sensors.  |fr|Valeur physique du "
             "capteur.  |it|Il valore fisico del trasduttore.  |es|Valor físico del sensor. ",
     .displayFormat = "10.0f",
     .defaultValue = integer(200),
     .handling = read,
     .unit = unit("pF")},
    {.id = item::trans1_secondary_value_1_value,
     .label = "Wert (Secondary Value 1)  |de|Wert (Sekundärvariable 1)  |fr|Valeur (variable secondaire 1)  |it|Valore "
              "(variabile secondaria 1)",
     .help = "Secondary_Value_1 is Level + Level_Offset and the status of the transducer   block. The unit is defined "
             "in Secondary_Value_1_Unit. It can be connected   to a second Analog Input Block.  "
             "|de|Secondary_Value_1 ist Level + Level_Offset und der Status des Transducer Blocks. Die Einheit wird "
             "in Secondary_Value_1_Unit festgelegt. Er kann mit einem zweiten Analog Input Block verbunden werden.  "
             "|fr|Secondary_Value_1 est Level + Level_Offset et l'état du bloc transducteur. L'unité est définie "
             "dans Secondary_Value_1_Unit. Elle peut être reliée à un deuxième bloc Analog Input.  "
             "|it|Secondary_Value_1 è Level + Level_Offset e lo stato del blocco trasduttore. L'unità è definita in "
             "Secondary_Value_1_Unit. Può essere collegato a un secondo blocco Analog Input.",
     .handling = read},
    {.id = item::trans1_secondary_value_2_value,
     .label = "Wert (Secondary Value 2)  |de|Wert (Sekundärvariable 2)  |fr|Valeur (variable secondaire 2)  |it|Valore "
              "(variabile secondaria 2)",
     .help = "Secondary_Value_2 is Sensor_Value + Sensor_Offset and the status   of the transducer block. The unit is "
             "defined in Secondary_Value_2_Unit.   It can be connected to a third Analog Input Block.  "
             "|de|Secondary_Value_2 ist Sensor_Value + Sensor_Offset und der Status des Transducer Blocks. Die "
             "Einheit wird in Secondary_Value_2_Unit festgelegt. Er kann mit einem dritten Analog Input Block "
             "verbunden werden.  "
             "|fr|Secondary_Value_2 est Sensor_Value + Sensor_Offset et l'état du bloc transducteur. L'unité est "
             "définie dans Secondary_Value_2_Unit. Elle peut être reliée à un troisième bloc Analog Input.  "
             "|it|Secondary_Value_2 è Sensor_Value + Sensor_Offset e lo stato del blocco trasduttore. L'unità è "
             "definita in Secondary_Value_2_Unit. Può essere collegato a un terzo blocco Analog Input.",
     .handling = read},
    {.id = item::trans1_sensor_offset,
     .label = "Sensor Offset  |de|Sensor Offset  |fr|Capteur Offset  |it|Offset del sensore  |es|Offset sensor",
     .help = "Sensor offset is a constant offset that is added to the sensor value.   The unit is defined in sensor "
             "unit.  "
             "|de|Der Sensor-Offset ist ein konstanter Offset, der zum Sensorwert addiert wird. Die Einheit wird in "
             "der Sensoreinheit festgelegt.  "
             "|fr|L'offset capteur est un décalage constant ajouté à la valeur du capteur. L'unité est définie dans "
             "l'unité du capteur.  "
             "|it|L'offset del sensore è un offset costante che viene sommato al valore del sensore. L'unità è "
             "definita nell'unità del sensore.  "
             "|es|El offset del sensor es un desplazamiento constante que se suma al valor del sensor. La unidad se "
             "define en la unidad del sensor.",
     .handling = readWrite},
    {.id = item::trans1_level_offset,
     .label = "Level Offset  |de|Füllstand Offset  |fr|Niveau offset  |it|Offset livello di riempimento  |es|Offset nivel",
     .help = "Shifts the zero point of the level.  "
             "|de|Verschiebt den Nullpunkt des Füllstands.  "
             "|fr|Décale le point zéro du niveau.  "
             "|it|Sposta il punto zero del livello di riempimento.  "
             "|es|Desplaza el punto cero del nivel.",
     .handling = readWrite},
    {.id = item::trans1_temperature,
     .label = "Process Temperature  |de|Prozeßtemperatur  |fr|Température de processus  |it|Temperatura di processo  "
              "|es|Temperatura de proceso",
     .help = "Measured sensor temperature.  |de|Gemessene Sensortempertatur.  |fr|Température de capteur mesurée.  "
             "|it|Temperatura del trasduttore misurata.  |es|Temperatura medida del sensor.",
     .displayFormat = ".0f",
     .defaultValue = integer(21),
     .handling = read},
};

}  // namespace variables::transducer_measured_values
