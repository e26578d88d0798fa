// The analog input block's decimal point and characterization type, and the
// states of its four limits.
#pragma once

#include "items/Texts.h"
#include "items/enumerations/SharedSets.h"

// clang-format off
namespace enumerations::scaling_and_alarm_state {

using variables::integer;
using variables::locked;
using variables::read;
using variables::readWrite;

constexpr const char* kNoWarning = "No Warning  |de|Keine Warnung  |fr|Pas de message  |it|Nessun avviso  |es|No advertencia";

constexpr Enumerator kLinear[] = {{0, "linear  |de|Linear"}};

constexpr Enumerator kHiHiState[] = {
    {0, texts::kNoAlarm},
    {1, texts::kUpperLimitAlarmState},
};
constexpr Enumerator kHiState[] = {
    {0, kNoWarning},
    {1, texts::kUpperLimitWarningState},
};
constexpr Enumerator kLoState[] = {
    {0, kNoWarning},
    {1, texts::kLowerLimitWarningState},
};
constexpr Enumerator kLoLoState[] = {
    {0, texts::kNoAlarm},
    {1, texts::kLowerLimitAlarmState},
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
     .label = texts::kCharacterizationType,
     .help = texts::kCharacterizationTypeHelp,
     .size = 1,
     .defaultValue = integer(0),
     .handling = readWrite,
     .maxEnumIndex = 0,
     .enumerators = kLinear},
    {.id = item::func1_AI_hi_hi_alm_state,
     .label = texts::kStatusUpperLimitAlarm,
     .help = "Status: The status for the upper alarm.  |de|Status: Der Status für den oberen Alarmgrenzwert.  |fr|Etat : Etat de la valeur d'alarme supérieure  |it|Stato: stato per il valore limite superiore allarme  |es|Status: El status del valor límite superior de la alarma.",
     .size = 1,
     .defaultValue = integer(0),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kHiHiState},
    {.id = item::func1_AI_hi_alm_state,
     .label = texts::kStatusUpperLimitWarning,
     .help = "Status: The status for upper warning.  |de|Status: Der Status für den oberen Warngrenzwert.  |fr|Etat : Etat de la valeur d'avertissement inférieure  |it|Stato: Stato per il valore limite superiore avviso  |es|Status: El status del valor limite superior de advertencia. ",
     .size = 1,
     .defaultValue = integer(0),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kHiState},
    {.id = item::func1_AI_lo_alm_state,
     .label = texts::kStatusLowerLimitWarning,
     .help = "Status: The status for lower warning.  |de|Status: Der Status für den unteren Warngrenzwert.  |fr|Etat : Etat de la valeur d'avertissement supérieure  |it|Stato: stato per il valore limite inferiore avviso  |es|Status: El status del valor límite inferior de advertencia.",
     .size = 1,
     .defaultValue = integer(0),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kLoState},
    {.id = item::func1_AI_lo_lo_alm_state,
     .label = texts::kStatusLowerLimitAlarm,
     .help = "Status: The status for the lower alarm.  |de|Status: Der Status für den unteren Alarmgrenzwert.  |fr|Etat : Etat de la valeur d'alarme inférieure  |it|Stato: stato per il valore limite inferiore allarme  |es|Status: el status del valor límite inferior de la alarma. ",
     .size = 1,
     .defaultValue = integer(0),
     .handling = read,
     .maxEnumIndex = 0,
     .enumerators = kLoLoState},
};

}  // namespace enumerations::scaling_and_alarm_state
