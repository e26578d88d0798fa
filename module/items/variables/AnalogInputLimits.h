// The analog input block's alarm hysteresis, alarm and warning limits, filter
// time constant and output value. The limits and the output value take their
// unit from the output scale's unit relation, so they carry none here.
#pragma once

#include "items/DeviceCodes.h"
#include "items/Texts.h"
#include "items/variables/Variable.h"

// clang-format off
namespace variables::analog_input_limits {

// After any edit of a limit the hysteresis is checked against the alarm limits.
constexpr Actions kCheckHysteresis{item::method_check_func1_AI_alarm_hys};

constexpr Variable kRows[] = {
    {.id = item::func1_AI_alarm_hys,
     .label = "Limit Hysteresis  |de|Grenzwert-Hysterese  |fr|Hystérésis des limites  |it|Isteresi dei limiti  "
              "|es|Histéresis de los límites",
     .help = "Hysteresis expressed in the engineering units of the output value   scale. An alarm occurs when a "
             "value exceeds an upper limit. The alarm's   status remains true until the value drops below the "
             "limit minus the   alarm hysteresis. The directions are reversed for low limit detection.   The "
             "hysteresis is also used for the warnings.  "
             "|de|Hysterese in der technischen Einheit der Ausgangswertskalierung. Ein Alarm tritt auf, wenn ein "
             "Wert einen oberen Grenzwert überschreitet. Der Alarmstatus bleibt aktiv, bis der Wert unter den "
             "Grenzwert minus der Alarmhysterese fällt. Für die Erkennung unterer Grenzwerte gelten die "
             "umgekehrten Richtungen. Die Hysterese gilt auch für die Warnungen.  "
             "|fr|Hystérésis exprimée dans l'unité de l'échelle de la valeur de sortie. Une alarme se produit "
             "lorsqu'une valeur dépasse une limite supérieure. L'état de l'alarme reste actif jusqu'à ce que la "
             "valeur redescende sous la limite moins l'hystérésis d'alarme. Les sens sont inversés pour la "
             "détection des limites inférieures. L'hystérésis s'applique aussi aux avertissements.  "
             "|it|Isteresi espressa nell'unità tecnica della scala del valore di uscita. Un allarme si verifica "
             "quando un valore supera un limite superiore. Lo stato dell'allarme resta attivo finché il valore non "
             "scende sotto il limite meno l'isteresi di allarme. Per il rilevamento dei limiti inferiori le "
             "direzioni sono invertite. L'isteresi vale anche per gli avvisi.  "
             "|es|Histéresis expresada en la unidad técnica de la escala del valor de salida. Se produce una alarma "
             "cuando un valor supera un límite superior. El estado de la alarma permanece activo hasta que el valor "
             "cae por debajo del límite menos la histéresis de alarma. Para la detección de límites inferiores los "
             "sentidos se invierten. La histéresis se aplica también a las advertencias.",
     .defaultValue = integer(5),
     .handling = locked,
     .postEdit = kCheckHysteresis},
    {.id = item::func1_AI_hi_hi_lim,
     .label = texts::kUpperLimitAlarm,
     .help = texts::kUpperLimitAlarmHelp,
     .defaultValue = integer(100),
     .handling = locked,
     .postEdit = kCheckHysteresis},
    {.id = item::func1_AI_hi_lim,
     .label = texts::kUpperLimitWarning,
     .help = texts::kUpperLimitWarningHelp,
     .defaultValue = integer(95),
     .handling = locked,
     .postEdit = kCheckHysteresis},
    {.id = item::func1_AI_lo_lim,
     .label = texts::kLowerLimitWarning,
     .help = texts::kLowerLimitWarningHelp,
     .defaultValue = integer(5),
     .handling = locked,
     .postEdit = kCheckHysteresis},
    {.id = item::func1_AI_lo_lo_lim,
     .label = texts::kLowerLimitAlarm,
     .help = texts::kLowerLimitAlarmHelp,
     .defaultValue = integer(0),
     .handling = locked,
     .postEdit = kCheckHysteresis},
    // Bounds are doubles, the default an int.
    {.id = item::func1_AI_pv_ftime,
     .label = "Filter Time Const  |de|Filterzeitkonstante  |fr|Constante de temps du filtre  "
              "|it|Costante di tempo del filtro  |es|Constante de tiempo del filtro",
     .help = "This parameter contains the time constant for the rise time of the   output up to a value of 63.21% "
             "resulting from a jump at the filter   input. The engineering unit of this parameter is always "
             "seconds.  "
             "|de|Dieser Parameter enthält die Zeitkonstante für die Anstiegszeit des Ausgangs auf 63,21 % des "
             "Werts eines Sprungs am Filtereingang. Die technische Einheit dieses Parameters ist immer Sekunden.  "
             "|fr|Ce paramètre contient la constante de temps pour le temps de montée de la sortie jusqu'à 63,21 % "
             "de la valeur d'un saut à l'entrée du filtre. L'unité de ce paramètre est toujours la seconde.  "
             "|it|Questo parametro contiene la costante di tempo per il tempo di salita dell'uscita fino al 63,21 % "
             "del valore di un salto all'ingresso del filtro. L'unità tecnica di questo parametro è sempre il "
             "secondo.  "
             "|es|Este parámetro contiene la constante de tiempo para el tiempo de subida de la salida hasta el "
             "63,21 % del valor de un salto en la entrada del filtro. La unidad técnica de este parámetro es "
             "siempre el segundo.",
     .range = range(bound(real(0.0)), bound(real(40.0))),
     .defaultValue = integer(0),
     .handling = locked,
     .unit = unit("s")},
    // Writable only while unlocked and in manual mode.
    {.id = item::func1_AI_out_value,
     .label = texts::kOutputValue,
     .help = texts::kOutputValueHelp,
     .defaultValue = real(0.0),
     .handling = lockedAnd(item::func1_AI_target_mode, code::kManualMode)},
};

}  // namespace variables::analog_input_limits
