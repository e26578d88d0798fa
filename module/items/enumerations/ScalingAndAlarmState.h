// The analog input block's decimal point and characterization type, and the
// states of its four limits.
#pragma once

#include "items/enumerations/SharedSets.h"

namespace enumerations::scaling_and_alarm_state {

using variables::integer;
using variables::locked;
using variables::read;
using variables::readWrite;

constexpr const char* kNoAlarm = "No Alarm  |de|Kein Alarm  |fr|Pas d'alarme  |it|Nessun allarme  |es|No alarma";
constexpr const char* kNoWarning = "No Warning  |de|Keine Warnung  |fr|Pas de message  |it|Nessun avviso  |es|No advertencia";

constexpr Enumerator kLinear[] = {{0, "linear  |de|Linear"}};

constexpr Enumerator kHiHiState[] = {
    {0, kNoAlarm},
    {1, "Upper Limit Alarm  |de|Oberer Alarmgrenzwert  |fr|Limite d'alarme supérieure  |it|Valore limite superiore allarme   |es|Valor límite superior de la alarma"},
};
constexpr Enumerator kHiState[] = {
    {0, kNoWarning},
    {1, "Upper Limit Warning  |de|Oberer Warngrenzwert  |fr|Limite d'avertissement supérieure  |it|Valore limite superiore avviso   |es|Valor límite superior de advertencia"},
};
constexpr Enumerator kLoState[] = {
    {0, kNoWarning},
    {1, "Lower Limit Warning  |de|Unterer Warngrenzwert  |fr|Limite d'avertissement inférieure  |it|Valore limite inferiore avviso   |es|Valor límite inferior de advertencia"},
};
constexpr Enumerator kLoLoState[] = {
    {0, kNoAlarm},
    {1, "Lower Limit Alarm  |de|Unterer Alarmgrenzwert  |fr|Limite d'alarme inférieure  |it|Valore limite inferiore allarme   |es|Valor límite inferior de la alarma"},
};

constexpr Variable kRows[] = {
    {.id = item::func1_AI_out_decimal_point,
     .label = "Decimal Point  |de|Dezimalpunkt  |fr|Point décimal  |it|Punto decimale  |es|Punto decimal",
     .help = "The number of digits to the right of the decimal point.  |de|Die Stellenanzahl nach dem Dezimalpunkt.  |fr|Nombre de positions à droite du point décimal.  |it|Cifre dopo la virgola.  |es|El número de dígitos a la derecha del punto decimal. ",
     .size = 1,
     .defaultValue = integer(2),
     .handling = locked,
     .maxEnumIndex = 0,
     .enumerators = kDigitSet},
    {.id = item::func1_AI_lin_type,
     .label = "Characterization Type  |de|Kennlinientyp  |fr|Type de caractéristique  |it|Tipo curve caratteristiche  |es|Tipo de característica",
     .help = "Selects the type of linearization. The selection LINEAR means no   linearization.  |de|Kennlinien-Typ: Bestimmt den Typ der Linearisierung. Die Auswahl   von LINEAR bedeutet, daß die Linearisierung ausgeschaltet ist.  |fr|Définit le type de linéarisation. LINEAIRE signifie que la linéarisation   est désactivée.  |it|Stabilisce il tipo di linearizzazione. La selezione di LINEAR indica   che la linearizzazione è disattivata.  |es|Determina el tipo de linelización. La selección de LINEAL significa   que la linealización está desactivada",
     .size = 1,
     .defaultValue = integer(0),
     .handling = readWrite,
     .maxEnumIndex = 0,
     .enumerators = kLinear},
    {.id = item::func1_AI_hi_hi_alm_state,
     .label = "Status Upper Limit Alarm  |de|Status Oberer Alarmgrenzwert  |fr|Etat Limite d'alarme supérieure  |it|Stato Valore limite superiore allarme  |es|Status Valor límite superior de la alarma",
     .help = "Status: The status for the upper alarm.  |de|Status: Der Status für den oberen Alarmgrenzwert.  |fr|Etat : Etat de la valeur d'alarme supérieure  |it|Stato: stato per il valore limite superiore allarme  |es|Status: El status del valor límite superior de la alarma.",
     .size = 1,
     .defaultValue = integer(0),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kHiHiState},
    {.id = item::func1_AI_hi_alm_state,
     .label = "Status Upper Limit Warning  |de|Status Oberer Warngrenzwert  |fr|Etat Limite d'avertissement supérieure  |it|Stato Valore limite superiore avviso  |es|Status Valor límite superior de advertencia",
     .help = "Status: The status for upper warning.  |de|Status: Der Status für den oberen Warngrenzwert.  |fr|Etat : Etat de la valeur d'avertissement inférieure  |it|Stato: Stato per il valore limite superiore avviso  |es|Status: El status del valor limite superior de advertencia. ",
     .size = 1,
     .defaultValue = integer(0),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kHiState},
    {.id = item::func1_AI_lo_alm_state,
     .label = "Status Lower Limit Warning  |de|Status Unterer Warngrenzwert  |fr|Etat Limite d'avertissement inférieure  |it|Stato Valore limite inferiore avviso  |es|Status Valor límite inferior de advertencia",
     .help = "Status: The status for lower warning.  |de|Status: Der Status für den unteren Warngrenzwert.  |fr|Etat : Etat de la valeur d'avertissement supérieure  |it|Stato: stato per il valore limite inferiore avviso  |es|Status: El status del valor límite inferior de advertencia.",
     .size = 1,
     .defaultValue = integer(0),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kLoState},
    {.id = item::func1_AI_lo_lo_alm_state,
     .label = "Status Lower Limit Alarm  |de|Status Unterer Alarmgrenzwert  |fr|Etat Limite d'alarme inférieure  |it|Stato Valore limite inferiore allarme  |es|Status Valor límite inferior de la alarma",
     .help = "Status: The status for the lower alarm.  |de|Status: Der Status für den unteren Alarmgrenzwert.  |fr|Etat : Etat de la valeur d'alarme inférieure  |it|Stato: stato per il valore limite inferiore allarme  |es|Status: el status del valor límite inferior de la alarma. ",
     .size = 1,
     .defaultValue = integer(0),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kLoLoState},
};

}  // namespace enumerations::scaling_and_alarm_state
