// The five collections: each member names one item under a description and
// help of its own.
#pragma once

#include "items/Texts.h"
#include "items/menus/Menu.h"

// clang-format off
namespace menus::collections {

constexpr Member kTrans1[] = {
    {.name = "actual_mode", .item = item::trans1_actual_mode,
     .description = texts::kTransducerBlock1},
};

constexpr Member kFunc1[] = {
    {.name = "actual_mode", .item = item::func1_AI_actual_mode, .description = texts::kLevel},
    {.name = "simulation_enabled", .item = item::func1_AI_simulation_enabled, .description = texts::kLevel},
    {.name = "out", .item = item::func1_AI_out_value, .description = texts::kLevel},
    {.name = "simulate_value", .item = item::func1_AI_simulate_value, .description = texts::kLevel},
};

constexpr Member kFunc1Short[] = {
    {.name = "alarm_sum", .item = item::func1_AI_current_state_alarm_sum,
     .description = texts::kAlarmSummary},
};

constexpr Member kFunc1Blank[] = {
    {.name = "actual_mode", .item = item::func1_AI_actual_mode,
     .description = texts::kActualMode},
    {.name = "simulation_enabled", .item = item::func1_AI_simulation_enabled,
     .description = texts::kSimulation},
    {.name = "out", .item = item::func1_AI_out_value,
     .description = texts::kOutputValue},
    {.name = "lo_lo_alm_state", .item = item::func1_AI_lo_lo_alm_state, .description = texts::kStatusLowerLimitAlarm},
    {.name = "lo_alm_state", .item = item::func1_AI_lo_alm_state, .description = texts::kStatusLowerLimitWarning},
    {.name = "hi_alm_state", .item = item::func1_AI_hi_alm_state, .description = texts::kStatusUpperLimitWarning},
    {.name = "hi_hi_alm_state", .item = item::func1_AI_hi_hi_alm_state, .description = texts::kStatusUpperLimitAlarm},
    {.name = "lo_lo_alm_value", .item = item::func1_AI_lo_lo_alm_value,
     .description = "Output Value Lower Alarm  |de|Ausgangswert Alarm Unten  "
                    "|fr|Valeur de sortie d'alarme inférieure  |it|Valore di uscita inferiore allarme  "
                    "|es|Valor de salida inferior de la alarma"},
    {.name = "lo_alm_value", .item = item::func1_AI_lo_alm_value,
     .description = "Output Value Lower Warning  |de|Ausgangswert Warnung Unten  "
                    "|fr|Valeur de sortie d'avertissement inférieure  |it|Valore di uscita inferiore avviso  "
                    "|es|Valor de salida inferior de advertencia"},
    {.name = "hi_alm_value", .item = item::func1_AI_hi_alm_value,
     .description = "Output Value Upper Warning  |de|Ausgangswert Warnung Oben  "
                    "|fr|Valeur de sortie d'avertissement supérieure  |it|Valore di uscita superiore  avviso  "
                    "|es|Valor de salida superior de advertencia"},
    {.name = "hi_hi_alm_value", .item = item::func1_AI_hi_hi_alm_value,
     .description = "Output Value Upper Alarm  |de|Ausgangswert Alarm Oben  "
                    "|fr|Valeur de sortie d'alarme supérieure  |it|Valore di uscita superiore allarme  "
                    "|es|Valor de salida superior de la alarma"},
};

constexpr Member kCollectionMapping[] = {
    {.name = "parTagQV", .item = item::phys_tag_desc,
     .description = "tag no.|de|Messstelle|fr|N° Repere|es|Messstelle|it|Tag n°|nl|tag nummer"},
    {.name = "trans1_primary_value_unit", .item = item::trans1_primary_value_unit,
     .description = "unit PV|de|Einheit Messwert|fr|Unité val. mes.|es|Einheit Messwert|it|unità val. mis."},
    {.name = "func1_AI_pv_upper_range_value", .item = item::func1_AI_pv_upper_range_value,
     .description = "PV Scale max|de|PV Scale max|fr|Max. échelle PV|es|PV Scale max|it|max. scala PV"
                    "|nl|PV schaal max."},
    {.name = "trans1_level_unit", .item = item::trans1_level_unit,
     .description = "unit level|de|Einh. Füllstand|fr|Unité niveau|es|Einh. Füllstand|it|unità livello"
                    "|nl|niveau eenheid"},
    {.name = "trans1_calibration_type", .item = item::trans1_calibration_type,
     .description = texts::kCalType},
    {.name = "trans1_lin_type", .item = item::trans1_lin_type,
     .description = "position vessel|de|Einbaulage Tank|fr|position cuve|es|Einbaulage Tank|it|posiz. serbatoio"},
    {.name = "trans1_cal_point_lo", .item = item::trans1_cal_point_lo,
     .description = texts::kCapEmpty},
    {.name = "trans1_level_lo", .item = item::trans1_level_lo,
     .description = texts::kValueEmpty},
    {.name = "trans1_cal_point_hi", .item = item::trans1_cal_point_hi,
     .description = texts::kCapFull},
    {.name = "trans1_level_hi", .item = item::trans1_level_hi,
     .description = texts::kValueFull},
    {.name = "func1_AI_hi_hi_lim", .item = item::func1_AI_hi_hi_lim,
     .description = texts::kUpperLimitAlarm,
     .help = texts::kUpperLimitAlarmHelp},
    {.name = "func1_AI_hi_lim", .item = item::func1_AI_hi_lim,
     .description = texts::kUpperLimitWarning,
     .help = texts::kUpperLimitWarningHelp},
    {.name = "func1_AI_lo_lo_lim", .item = item::func1_AI_lo_lo_lim,
     .description = texts::kLowerLimitAlarm,
     .help = texts::kLowerLimitAlarmHelp},
    {.name = "func1_AI_lo_lim", .item = item::func1_AI_lo_lim,
     .description = texts::kLowerLimitWarning,
     .help = texts::kLowerLimitWarningHelp},
    {.name = "func1_AI_alarm_hys", .item = item::func1_AI_alarm_hys,
     .description = "hysteresis|de|Hysterese|fr|Hysteresis|es|Hysterese|it|isteresi|nl|hysterese"},
    {.name = "func1_AI_hi_hi_alm_state", .item = item::func1_AI_hi_hi_alm_state, .description = texts::kStatusUpperLimitAlarm},
    {.name = "func1_AI_hi_alm_state", .item = item::func1_AI_hi_alm_state, .description = texts::kStatusUpperLimitWarning},
    {.name = "func1_AI_lo_lo_alm_state", .item = item::func1_AI_lo_lo_alm_state, .description = texts::kStatusLowerLimitAlarm},
    {.name = "func1_AI_lo_alm_state", .item = item::func1_AI_lo_alm_state, .description = texts::kStatusLowerLimitWarning},
    {.name = "func1_AI_pv_lower_range_value", .item = item::func1_AI_pv_lower_range_value,
     .description = "PV Scale min|de|PV Scale min|fr|Min. échelle PV|es|PV Scale min|it|min. scala PV"
                    "|nl|PV schaal min."},
    {.name = "func1_AI_out_lower_range_value", .item = item::func1_AI_out_lower_range_value,
     .description = "OUT Scale min|de|OUT Scale min|fr|Min. échelle OUT|es|OUT Scale min|it|fuori scala min"
                    "|nl|uit schaal min."},
    {.name = "func1_AI_out_upper_range_value", .item = item::func1_AI_out_upper_range_value,
     .description = "OUT Scale max|de|OUT Scale max|fr|Max. échelle OUT|es|OUT Scale max|it|fuori scala max"
                    "|nl|uit schaal max."},
    {.name = "phys_ident_number", .item = item::phys_ident_number,
     .description = "ident number|de|Ident Number|fr|No Identificat|es|Ident Number|it|Numero Ident"},
    {.name = "func1_AI_target_mode", .item = item::func1_AI_target_mode,
     .description = "Target Mode|de|Target Mode|fr|Mode Target|es|Target Mode|it|modo terget|nl|doelkeuze"},
    {.name = "func1_AI_out_unit", .item = item::func1_AI_out_unit,
     .description = "out unit|de|Out Einheit|fr|Unité OUT|es|Einh. OUT Wert|it|unità uscita|nl|uit eenheid"},
    {.name = "func1_AI_out_value", .item = item::func1_AI_out_value,
     .description = "out value|de|Out Wert|fr|Valeure de Sort.|es|Out Wert|it|Valore Uscita"},
    {.name = "trans1_primary_value_value", .item = item::trans1_primary_value_value,
     .description = texts::kMeasuredValue},
    {.name = "phys_device_id", .item = item::phys_device_id, .description = "device ID number"},
    {.name = "func1_AI_pv_ftime", .item = item::func1_AI_pv_ftime,
     .description = "integration time|de|Integrationszeit|fr|Temps d'int.|es|Integrationszeit|it|tempo d'integraz"
                    "|nl|integratietijd"},
    {.name = "phys_descriptor", .item = item::phys_descriptor,
     .description = "description|de|Beschreibung|fr|Designation Proc|es|Beschreibung|it|Descriptor|nl|beschrijving"},
    {.name = "phys_software_rev", .item = item::phys_software_rev,
     .description = "software version|de|Software Version|fr|Version Software|es|Software Version|it|Vers. Software"
                    "|nl|software versie"},
    {.name = "phys_hardware_rev", .item = item::phys_hardware_rev,
     .description = "hardware version|de|Hardware Version|fr|Version Hardware|es|Hardware Version|it|Vers. Hardware"
                    "|nl|hardware versie"},
    {.name = "phys_device_ser_num", .item = item::phys_device_ser_num,
     .description = "serial no.|de|Seriennummer|fr|Numéro de série|es|Seriennummer|it|Num. di serie|nl|serienummer"},
    {.name = "trans1_min_sensor_value", .item = item::trans1_min_sensor_value,
     .description = "min. meas. value|de|Min. Messwert|fr|Val. min. mesur.|es|Min. Messwert|it|min. val. misur."
                    "|nl|min. meetwaarde"},
    {.name = "trans1_max_sensor_value", .item = item::trans1_max_sensor_value,
     .description = "max. meas. value|de|Max. Messwert|fr|Val. max. mesur.|es|Max. Messwert|it|max. val. misur."
                    "|nl|max. meetwaarde"},
    {.name = "trans1_temperature", .item = item::trans1_temperature,
     .description = texts::kElectronicTemp},
    {.name = "trans1_temperature_unit", .item = item::trans1_temperature_unit,
     .description = "unit temp.|de|Einheit Temp.|fr|Unité temp.|es|Einheit Temp.|it|unità temp.|nl|temp. eenheid"},
    {.name = "trans1_min_temperature", .item = item::trans1_min_temperature,
     .description = "min. temp.|de|Min. Temp.|fr|Température min.|es|Min. Temp.|it|temp. min.|nl|min. temperatuur"},
    {.name = "trans1_max_temperature", .item = item::trans1_max_temperature,
     .description = "max. meas. temp|de|Max. Temp.|fr|Temp. max mesur.|es|Max. Temp.|it|max picco temp."
                    "|nl|max.gemet.temp."},
    {.name = "trans1_sensor_value", .item = item::trans1_sensor_value,
     .description = texts::kMeasuredCap},
    {.name = "func1_AI_simulation_enabled", .item = item::func1_AI_simulation_enabled,
     .description = texts::kSimulationShort},
    {.name = "func1_AI_simulate_value", .item = item::func1_AI_simulate_value,
     .description = "sim. value|de|Sim. Messwert|fr|Simul. Mesure|es|Sim. Messwert|it|Sim. Valore"},
};

constexpr Collection kRows[] = {
    {.id = item::trans1, .members = kTrans1},
    {.id = item::func1, .members = kFunc1},
    {.id = item::func1_short, .members = kFunc1Short},
    {.id = item::func1_blank, .members = kFunc1Blank},
    {.id = item::collectionMapping, .members = kCollectionMapping},
};

}  // namespace menus::collections
