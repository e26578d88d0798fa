// The alarm summaries of the three blocks: current, unacknowledged, unreported
// and disabled alarm sum.
#pragma once

#include "items/enumerations/SharedSets.h"

// clang-format off
namespace enumerations::alarm_summaries {

using variables::integer;
using variables::read;

constexpr const char* kCurrentLabel = "Current State Alarm Sum  |de|Aktueller Summenalarm  |fr|Etat actuel de l'alarme groupée  |it|Allarme cumulativo attuale  |es|Alarma agrupada actual";
constexpr const char* kCurrentHelp = "The alarm sum of the current alarm state.  |de|Summenalarm für Alarmstatus AKTUELL.  |fr|Alarme groupée pour l'état d'alarme ACTUEL  |it|Allarme cumulativo per lo stato di allarme ATTUALE  |es|La alarma agrupada para el status de alarma ACTUAL.";
constexpr const char* kUnacknowledgedLabel = "Unacknowledged State Alarm Sum  |de|Unquittierter Summenalarm  |fr|Alarme groupée non acquittée  |it|Allarme cumulativo non confermato  |es|Alarma agrupada sin confirmar";
constexpr const char* kUnacknowledgedHelp = "The alarm sum of the unacknowledged alarm state.  |de|Summenalarm für Alarmstatus UNQUITTIERT.  |fr|Alarme groupée pour l'état d'alarme NON ACQUITTE.  |it|Allarme cumulativo per stato di allarme NON CONFERMATO.  |es|Alarma agrupada para el status IGNORADO.";
constexpr const char* kUnreportedLabel = "Unreported State Alarm Sum  |de|Ungemeldeter Summenalarm  |fr|Alarme groupée non signalée  |it|Allarme cumulativo non segnalato  |es|Alarma agrupada no declarada";
constexpr const char* kUnreportedHelp = "The alarm sum of the unreported alarm state.  |de|Summenalarm für Alarmstatus UNGEMELDET.  |fr|Alarme groupée pour l'état d'alarme NON SIGNALE.  |it|Allarme cumulativo per stato di allarme NON SEGNALATO  |es|Alarma agrupada para el status de alarma NO DECLARADA.";
constexpr const char* kDisabledLabel = "Disabled State Alarm Sum  |de|Deaktivierter Summenalarm  |fr|Alarme groupée désactivée  |it|Allarme cumulativo disattivato  |es|Alarma agrupada desactivada";
constexpr const char* kDisabledHelp = "The alarm sum of the disabled alarm state.  |de|Summenalarm für Alarmstatus DEAKTIVIERT.  |fr|Somme d'alarme pour l'état d'alarme DESACTIVE  |it|Allarme cumulativo per stato di allarme DISATTIVATO.  |es|Alarma agrupada para el status de alarma DESACTIVADA.";

// The physical block passes index 0 and a default; the other two blocks pass
// their largest bit and no default.
constexpr Variable kRows[] = {
    {.id = item::trans1_current_state_alarm_sum,
     .label = kCurrentLabel,
     .help = kCurrentHelp,
     .size = 2,
     .handling = read,
     .maxEnumIndex = 0x8000,
     .bitEnumerators = kBlockAlarmBits},
    {.id = item::trans1_unacknowledged_state_alarm_sum,
     .label = kUnacknowledgedLabel,
     .help = kUnacknowledgedHelp,
     .size = 2,
     .handling = read,
     .maxEnumIndex = 0x8000,
     .bitEnumerators = kBlockAlarmBits},
    {.id = item::trans1_unreported_state_alarm_sum,
     .label = kUnreportedLabel,
     .help = kUnreportedHelp,
     .size = 2,
     .handling = read,
     .maxEnumIndex = 0x8000,
     .bitEnumerators = kBlockAlarmBits},
    {.id = item::trans1_disabled_state_alarm_sum,
     .label = kDisabledLabel,
     .help = kDisabledHelp,
     .size = 2,
     .handling = read,
     .maxEnumIndex = 0x8000,
     .bitEnumerators = kBlockAlarmBits},
    {.id = item::phys_current_state_alarm_sum,
     .label = kCurrentLabel,
     .help = kCurrentHelp,
     .size = 2,
     .defaultValue = integer(0),
     .handling = read,
     .maxEnumIndex = 0,
     .bitEnumerators = kBlockAlarmBits},
    {.id = item::phys_unacknowledged_state_alarm_sum,
     .label = kUnacknowledgedLabel,
     .help = kUnacknowledgedHelp,
     .size = 2,
     .defaultValue = integer(0),
     .handling = read,
     .maxEnumIndex = 0,
     .bitEnumerators = kBlockAlarmBits},
    {.id = item::phys_unreported_state_alarm_sum,
     .label = kUnreportedLabel,
     .help = kUnreportedHelp,
     .size = 2,
     .defaultValue = integer(0),
     .handling = read,
     .maxEnumIndex = 0,
     .bitEnumerators = kBlockAlarmBits},
    {.id = item::phys_disabled_state_alarm_sum,
     .label = kDisabledLabel,
     .help = kDisabledHelp,
     .size = 2,
     .defaultValue = integer(0),
     .handling = read,
     .maxEnumIndex = 0,
     .bitEnumerators = kBlockAlarmBits},
    {.id = item::func1_AI_current_state_alarm_sum,
     .label = kCurrentLabel,
     .help = kCurrentHelp,
     .size = 2,
     .handling = read,
     .maxEnumIndex = 0x8000,
     .bitEnumerators = kLimitAlarmBits},
    {.id = item::func1_AI_unacknowledged_state_alarm_sum,
     .label = kUnacknowledgedLabel,
     .help = kUnacknowledgedHelp,
     .size = 2,
     .handling = read,
     .maxEnumIndex = 0x8000,
     .bitEnumerators = kLimitAlarmBits},
    {.id = item::func1_AI_unreported_state_alarm_sum,
     .label = kUnreportedLabel,
     .help = kUnreportedHelp,
     .size = 2,
     .handling = read,
     .maxEnumIndex = 0x8000,
     .bitEnumerators = kLimitAlarmBits},
    {.id = item::func1_AI_disabled_state_alarm_sum,
     .label = kDisabledLabel,
     .help = kDisabledHelp,
     .size = 2,
     .handling = read,
     .maxEnumIndex = 0x8000,
     .bitEnumerators = kLimitAlarmBits},
};

}  // namespace enumerations::alarm_summaries
