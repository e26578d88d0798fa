// The analog input block's limit alarm records, its simulated value, its
// output unit text and the fillers of its output scale record.
#pragma once

#include "items/DeviceCodes.h"
#include "items/Texts.h"
#include "items/variables/UnitTables.h"
#include "items/variables/Variable.h"

// clang-format off
namespace variables::analog_input_alarms_and_simulation {

constexpr const char kUnacknowledgedAlarms[] =
    "Unacknowledged Alarms  |de|Unquittierte Alarme  |fr|Alarme non validée  |it|Allarmi non confermati  |es|Alarmas ignoradas";
constexpr const char kUnacknowledgedWarnings[] =
    "Unacknowledged Warnings  |de|Unquittierte Warnungen  |fr|Messages non validés  |it|Avvisi non confermati  |es|Advertencias ignoradas";
constexpr const char kTimeStampLabel[] = "Time Stamp  |de|Zeitpunkt  |fr|Moment  |it|Data e ora  |es|Fecha y hora";
constexpr const char kTimeStampHelp[] =
    "The time of day when a change in limit state was detected that was   unreported.  "
    "|de|Zeitpunkt, zu dem eine noch nicht gemeldete Änderung des Grenzwertzustands erkannt wurde.  "
    "|fr|Moment où a été détecté un changement d'état de seuil non encore signalé.  "
    "|it|Ora del giorno in cui è stata rilevata una variazione dello stato limite non ancora segnalata.  "
    "|es|Hora del día en que se detectó un cambio no notificado del estado de límite.";
constexpr const char kCause[] = "Cause  |de|Ursache  |fr|Cause  |it|Causa  |es|Causa";
constexpr const char kAlarmOutputValue[] =
    "Alarm Output Value  |de|Alarm-Ausgangswert  |fr|Valeur de sortie d'alarme  |it|Valore di uscita allarme  |es|Valor de salida de la alarma";
constexpr const char kWarningOutputValue[] =
    "Warning Output Value  |de|Warn-Ausgangswert  |fr|Valeur de sortie d'avertissement  |it|Valore di uscita avviso  |es|Valor de salida de advertencia";

constexpr Variable kRows[] = {
    {.id = item::func1_AI_hi_hi_alm_unacknowledged, .label = kUnacknowledgedAlarms, .help = " ", .size = 1,
     .handling = read},
    {.id = item::func1_AI_hi_hi_alm_time_stamp, .label = kTimeStampLabel, .help = kTimeStampHelp, .handling = read},
    {.id = item::func1_AI_hi_hi_alm_subcode,
     .label = kCause,
     .help = "Cause: The cause of the upper alarm.  "
             "|de|Ursache: Die Ursache des oberen Alarms.  "
             "|fr|Cause : la cause de l'alarme haute.  "
             "|it|Causa: la causa dell'allarme superiore.  "
             "|es|Causa: la causa de la alarma superior.",
     .size = 2,
     .handling = read},
    {.id = item::func1_AI_hi_hi_alm_value,
     .label = kAlarmOutputValue,
     .help = "Alarm Output Value: The output value at the time of the upper alarm  "
             "|de|Alarm-Ausgangswert: Der Ausgangswert zum Zeitpunkt des oberen Alarms  "
             "|fr|Valeur de sortie d'alarme : la valeur de sortie au moment de l'alarme haute  "
             "|it|Valore di uscita allarme: il valore di uscita al momento dell'allarme superiore  "
             "|es|Valor de salida de la alarma: el valor de salida en el momento de la alarma superior",
     .handling = read},
    {.id = item::func1_AI_hi_alm_unacknowledged, .label = kUnacknowledgedWarnings, .help = " ", .size = 1,
     .handling = read},
    {.id = item::func1_AI_hi_alm_time_stamp, .label = kTimeStampLabel, .help = kTimeStampHelp, .handling = read},
    {.id = item::func1_AI_hi_alm_subcode,
     .label = kCause,
     .help = "Cause: The cause of the upper warning.  "
             "|de|Ursache: Die Ursache der oberen Warnung.  "
             "|fr|Cause : la cause de l'avertissement haut.  "
             "|it|Causa: la causa dell'avviso superiore.  "
             "|es|Causa: la causa de la advertencia superior.",
     .size = 2,
     .handling = read},
    {.id = item::func1_AI_hi_alm_value,
     .label = kWarningOutputValue,
     .help = "Warning Output Value: The output value at the time of the upper warning  "
             "|de|Warn-Ausgangswert: Der Ausgangswert zum Zeitpunkt der oberen Warnung  "
             "|fr|Valeur de sortie d'avertissement : la valeur de sortie au moment de l'avertissement haut  "
             "|it|Valore di uscita avviso: il valore di uscita al momento dell'avviso superiore  "
             "|es|Valor de salida de advertencia: el valor de salida en el momento de la advertencia superior",
     .handling = read},
    {.id = item::func1_AI_lo_alm_unacknowledged, .label = kUnacknowledgedWarnings, .help = " ", .size = 1,
     .handling = read},
    {.id = item::func1_AI_lo_alm_time_stamp, .label = kTimeStampLabel, .help = kTimeStampHelp, .handling = read},
    {.id = item::func1_AI_lo_alm_subcode,
     .label = kCause,
     .help = "Cause: The cause of the lower warning.  "
             "|de|Ursache: Die Ursache der unteren Warnung.  "
             "|fr|Cause : la cause de l'avertissement bas.  "
             "|it|Causa: la causa dell'avviso inferiore.  "
             "|es|Causa: la causa de la advertencia inferior.",
     .size = 2,
     .handling = read},
    {.id = item::func1_AI_lo_alm_value,
     .label = kWarningOutputValue,
     .help = "Warning Output Value: The output value at the time of the lower warning  "
             "|de|Warn-Ausgangswert: Der Ausgangswert zum Zeitpunkt der unteren Warnung  "
             "|fr|Valeur de sortie d'avertissement : la valeur de sortie au moment de l'avertissement bas  "
             "|it|Valore di uscita avviso: il valore di uscita al momento dell'avviso inferiore  "
             "|es|Valor de salida de advertencia: el valor de salida en el momento de la advertencia inferior",
     .handling = read},
    {.id = item::func1_AI_lo_lo_alm_unacknowledged, .label = kUnacknowledgedAlarms, .help = " ", .size = 1,
     .handling = read},
    {.id = item::func1_AI_lo_lo_alm_time_stamp, .label = kTimeStampLabel, .help = kTimeStampHelp, .handling = read},
    {.id = item::func1_AI_lo_lo_alm_subcode,
     .label = kCause,
     .help = "Cause: The cause of the lower alarm.  "
             "|de|Ursache: Die Ursache des unteren Alarms.  "
             "|fr|Cause : la cause de l'alarme basse.  "
             "|it|Causa: la causa dell'allarme inferiore.  "
             "|es|Causa: la causa de la alarma inferior.",
     .size = 2,
     .handling = read},
    {.id = item::func1_AI_lo_lo_alm_value,
     .label = kAlarmOutputValue,
     .help = "Alarm Output Value: The output value at the time of the lower alarm  "
             "|de|Alarm-Ausgangswert: Der Ausgangswert zum Zeitpunkt des unteren Alarms  "
             "|fr|Valeur de sortie d'alarme : la valeur de sortie au moment de l'alarme basse  "
             "|it|Valore di uscita allarme: il valore di uscita al momento dell'allarme inferiore  "
             "|es|Valor de salida de la alarma: el valor de salida en el momento de la alarma inferior",
     .handling = read},
    {.id = item::func1_AI_simulate_value,
     .label = texts::kSimulationValue,
     .help = "Simulation Value: Instead of the transmitter output value, the simulation   value is used as the input to "
             "the function block.  "
             "|de|Simulationswert: Anstelle des Ausgangswerts des Meßumformers wird der Simulationswert als Eingang "
             "des Funktionsblocks verwendet.  "
             "|fr|Valeur de simulation : à la place de la valeur de sortie du transmetteur, la valeur de simulation "
             "est utilisée comme entrée du bloc de fonction.  "
             "|it|Valore di simulazione: al posto del valore di uscita del trasmettitore, il valore di simulazione "
             "viene utilizzato come ingresso del blocco funzione.  "
             "|es|Valor de simulación: en lugar del valor de salida del transmisor, se utiliza el valor de simulación "
             "como entrada del bloque de función.",
     .defaultValue = integer(20),
     .handling = lockedAnd(item::func1_AI_simulation_enabled, code::kSimulationEnabled),
     .unit = unitByCode(item::trans1_primary_value_unit, kByPrimaryValueUnit)},
    {.id = item::func1_AI_out_unit_text,
     .label = "Out unit text  |de|Benutzerspezifische Einheit  |fr|Unité spécifique à l'utilisateur  |it|Unità specificata "
              "dall'utente  |es|Unidad personalizada",
     .help = "If a specific unit of OUT parameter is not in the code list (see   General Requirement) the user has the "
             "possibility to write the specific   text in this parameter. The unit code is then equal to the 'textual   "
             "unit definition'.  "
             "|de|Ist eine bestimmte Einheit des Parameters OUT nicht in der Codeliste enthalten (siehe Allgemeine "
             "Anforderungen), kann der Benutzer den spezifischen Text in diesen Parameter schreiben. Der Einheitencode "
             "ist dann gleich 'textuelle Einheitendefinition'.  "
             "|fr|Si une unité spécifique du paramètre OUT ne figure pas dans la liste des codes (voir Exigences "
             "générales), l'utilisateur peut écrire le texte spécifique dans ce paramètre. Le code d'unité est alors "
             "égal à 'définition textuelle de l'unité'.  "
             "|it|Se un'unità specifica del parametro OUT non è presente nell'elenco dei codici (vedere Requisiti "
             "generali), l'utente può scrivere il testo specifico in questo parametro. Il codice dell'unità è allora "
             "uguale a 'definizione testuale dell'unità'.  "
             "|es|Si una unidad específica del parámetro OUT no figura en la lista de códigos (véanse los Requisitos "
             "generales), el usuario puede escribir el texto específico en este parámetro. El código de unidad es "
             "entonces igual a 'definición textual de la unidad'.",
     .size = 16,
     .handling = readWrite},
    // Fillers: bytes the output scale reads skip.
    {.id = item::dummy_2bytes_value, .size = 2},
    {.id = item::dummy_1byte_value, .size = 1},
    {.id = item::dummy_float_value},
};

}  // namespace variables::analog_input_alarms_and_simulation
