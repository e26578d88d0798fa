// Display and diagnosis menus of the analog input block.
#pragma once

#include "items/menus/Menu.h"

namespace menus::analog_input_display {

constexpr const char kLevel[] =
    "Level  |de|Füllstand  |fr|Niveau  |it|Livello di riempimento  |es|Nivel";
constexpr const char kOutValueHelp[] =
    "Output Value: Process variable (including transfer function and damping   settings). "
    "In MAN mode the output value may be specified by an operator.  "
    "|de|Ausgangswert: Prozeßgröße (einschließlich Kennlinien- und Dämpfungseinstellungen).   "
    "Im MAN-Modus wird der Ausgangswert vom Anwender definiert.  "
    "|fr|Valeur de sortie : grandeur de processus (y compris caractéristique   "
    "et réglages d'amorti). en mode MAN, la valeur de sortie est définie   "
    "par l'utilisateur.  "
    "|it|Valore di uscita: grandezza di processo (incluse le curve caratteri    "
    "stiche e le impostazioni di smorzamento). In modalità MAN il valore   "
    "di uscita viene definito dall'utiente.  "
    "|es|Valor de salida: variable de proceso (incluye ajustes de características   "
    "y atenuación). En el modo MAN, el valor de salida lo especifica el   "
    "operador. ";

constexpr Entry kVal_func1_out_display[] = {entry(item::func1_AI_out_value)};
constexpr Entry kBarVal_out_display_func1[] = {
    qualified(item::func1_AI_out_value),
    qualified(item::func1_AI_out_lower_range_value),
    qualified(item::func1_AI_out_upper_range_value),
};
constexpr Entry kPage_diagnosis_func1[] = {
    entry(item::func1_AI_blk_object),      entry(item::func1_AI_blk_parent_class),
    entry(item::func1_AI_blk_class),       entry(item::func1_AI_blk_dd_reference),
    entry(item::func1_AI_blk_dd_rev),      entry(item::func1_AI_blk_profile),
    entry(item::func1_AI_blk_profile_rev), entry(item::func1_AI_st_rev),
    entry(item::func1_AI_actual_mode),     qualified(item::func1_AI_simulation_enabled),
};
constexpr Entry kPage_display_func1[] = {
    entry(item::func1_AI_out_value),
    entry(item::func1_AI_actual_mode),
    qualified(item::func1_AI_out_status_quality),
    qualified(item::func1_AI_out_status_limit),
    entry(item::trans1_level),
    qualified(item::func1_AI_simulation_enabled),
};
constexpr Entry kGroup_display_func1[] = {
    entry(item::BarVal_out_display_func1),
    qualified(item::func1_AI_out_status_quality),
    qualified(item::func1_AI_out_status_limit),
};
constexpr Entry kGroup_display_func1_out[] = {
    entry(item::func1_AI_actual_mode),
    qualified(item::func1_AI_out_status_quality),
    qualified(item::func1_AI_out_status_limit),
    member("alarm_sum", item::func1_short),  // func1_AI_current_state_alarm_sum
};
constexpr Entry kGroup_display_func1_in[] = {
    entry(item::trans1_level),
    qualified(item::func1_AI_simulation_enabled),
};

constexpr Menu kRows[] = {
    {.id = item::Val_func1_out_display, .access = 1, .label = kLevel, .help = kOutValueHelp,
     .entries = kVal_func1_out_display},
    {.id = item::BarVal_out_display_func1, .access = 1,
     .label = "Output Value  |de|Ausgangswert  |fr|Valeur de sortie  |it|Valore di uscita  "
              "|es|Valor de salida",
     .help = kOutValueHelp, .entries = kBarVal_out_display_func1},
    {.id = item::Page_diagnosis_func1, .access = 0, .label = "Output|de|Ausgang",
     .entries = kPage_diagnosis_func1},
    {.id = item::Page_display_func1, .access = 0, .label = "Function Block 1 - Analog Input",
     .entries = kPage_display_func1},
    {.id = item::Group_display_func1, .access = 1, .label = kLevel,
     .entries = kGroup_display_func1},
    {.id = item::Group_display_func1_out, .access = 1,
     .label = "Output  |de|Ausgang  |fr|Sortie  |it|Uscita  |es|Salida",
     .entries = kGroup_display_func1_out},
    {.id = item::Group_display_func1_in, .access = 1,
     .label = "Input  |de|Eingang  |fr|Entrée  |it|Ingresso  |es|Entrada",
     .entries = kGroup_display_func1_in},
};

}  // namespace menus::analog_input_display
