// The alarm overview page of the analog input block: limits, states and alarm
// values in three columns of four.
#pragma once

#include "items/menus/Menu.h"

// clang-format off
namespace menus::analog_input_alarm_overview {

// The limits run from the top down, the states and alarm values from the bottom up.
constexpr Entry kPage_alarm_overview_func1[] = {
    qualified(item::func1_AI_hi_hi_lim),
    qualified(item::func1_AI_hi_lim),
    qualified(item::func1_AI_lo_lim),
    qualified(item::func1_AI_lo_lo_lim),
    qualified(item::func1_AI_lo_lo_alm_state),
    qualified(item::func1_AI_lo_alm_state),
    qualified(item::func1_AI_hi_alm_state),
    qualified(item::func1_AI_hi_hi_alm_state),
    qualified(item::func1_AI_lo_lo_alm_value),
    qualified(item::func1_AI_lo_alm_value),
    qualified(item::func1_AI_hi_alm_value),
    qualified(item::func1_AI_hi_hi_alm_value),
};

constexpr Menu kRows[] = {
    {.id = item::Page_alarm_overview_func1, .access = Online,
     .label = "Overview  |de|Übersicht  |fr|Synopsis  |it|Panoramica  |es|Sinopsis",
     .help = "Column 1: limit, column 2: state, column 3: alarm value  "
             "|de|Spalte 1: Grenzwert, Spalte 2: Zustand, Spalte 3: Alarmwert  "
             "|fr|Colonne 1 : Valeur limite, Colonne 2 : Etat, Colonne 3 : Valeur de l'alarme  "
             "|it|Colonna 1: Valore limite, colonna 2: stato, colonna 3: valore di allarme  "
             "|es|Columna 1: límite, Columna 2: estado, Columna 3: valor alarma",
     .entries = kPage_alarm_overview_func1},
};

}  // namespace menus::analog_input_alarm_overview
