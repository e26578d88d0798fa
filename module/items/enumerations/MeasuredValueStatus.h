// The status bytes of the transducer block's primary and secondary values.
#pragma once

#include "items/enumerations/SharedSets.h"

// clang-format off
namespace enumerations::measured_value_status {

using variables::read;

constexpr Variable kRows[] = {
    {.id = item::trans1_primary_value_status,
     .label = "trans_primary_value_status",
     .help = "trans_primary_value_status_help",
     .size = 1,
     .handling = read,
     .maxEnumIndex = 163,
     .enumerators = kStatusTable},
    {.id = item::trans1_secondary_value_1_status,
     .label = "Status (Secondary Value 1)  |de|Status (Sekundärvariable 1)  |fr|Etat (valeur secondaire 1)  |it|Stato (valore secondario 1)",
     .help = "Secondary_Value_1 is Level + Level_Offset and the status of the transducer   block. The unit is defined in Secondary_Value_1_Unit. It can be connected   to a second Analog Input Block.  |de|Secondary_Value_1 ist Level + Level_Offset und der Status des Transducer   Blocks. Die Einheit ist in der Secondary_Value_1_Unit definiert.   Er kann mit  einer zweiten Analog-Blockeinheit verbunden sein.  |fr|La variable secondaire 1 est constituée du niveau, de l'offset du   niveau et de l'état du bloc transducteur. L'unité est définie dans   Secondary_Value_1_Unit. Elle peut être connectée à un second bloc   d'entrée analogique  |it|Variabile secondaria 1: è costituita da: livello, offset di livello   e stato del blocco trasduttore. I valori sono definiti nella Secondary_Value_1_Unit.   e possono essere collegati ad un secondo blocco d'ingresso analogico",
     .size = 1,
     .handling = read,
     .maxEnumIndex = 163,
     .enumerators = kStatusTable},
    {.id = item::trans1_secondary_value_2_status,
     .label = "Status (Secondary Value 2)  |de|Status (Sekundärvariable 2)  |fr|Etat (valeur secondaire 2)  |it|Stato (valore secondario 2)",
     .help = "Secondary_Value_2 is Sensor_Value + Sensor_Offset and the status   of the transducer block. The unit is defined in Secondary_Value_2_Unit.   It can be connected to a third Analog Input Block.  |de|Secondary_Value_2 ist Sensor_Value + Sensor_Offset und der Status   des Transducer Blocks. Die Einheit ist in der Secondary_Value_2_Unit   definiert. Er kann mit  einer dritten Analog-Blockeinheit verbunden sein..  |fr|La variable secondaire 2 est constituée de la valeur du capteur,   de l'offset du capteur et de l'état du bloc transducteur. L'unité   est définie dans Secondary_Value_2_Unit. Elle peut être connectée   à un troisième bloc d'entrée analogique.  |it|Variabile secondaria 2: è costituita da: variabile del trasduttore,   offset del trasduttore e stato del blocco trasduttore. I valori sono   definiti nella Secondary_Value_2_Unit. e possono essere collegati   ad un terzo blocco d'ingresso analogico.",
     .size = 1,
     .handling = read,
     .maxEnumIndex = 163,
     .enumerators = kStatusTable},
};

}  // namespace enumerations::measured_value_status
