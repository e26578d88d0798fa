// Tab tables of the analog input block. The _m_ tables qualify their own
// variables; Tab_m_func1 reuses the _s_ batch and interface tabs.
#pragma once

#include "items/menus/Menu.h"

namespace menus::analog_input_tabs {

constexpr const char kLevel[] =
    "Level  |de|Füllstand  |fr|Niveau  |it|Livello di riempimento  |es|Nivel";
constexpr const char kProcessValueScale[] =
    "Process Value Scale  |de|Meßwertskalierung  |fr|Fenêtre de mesure  "
    "|it|Scala di valori di misura  |es|Escala v. medidos";
constexpr const char kOutputScale[] =
    "Output scale  |de|Ausgangsskalierung  |fr|Echelle des valeurs de sortie  "
    "|it|Scala di valori di uscita  |es|Escala de salida";
constexpr const char kOutputLimits[] =
    "Output Limits  |de|Ausgangsgrenzwerte  |fr|Valeurs de sortie limites  "
    "|it|Limiti di uscita  |es|Límites de salida";

constexpr Entry kTab_s_func1[] = {
    entry(item::func1_AI_st_rev),
    entry(item::func1_AI_out_unit),
    entry(item::func1_AI_pv_ftime),
    entry(item::Tab_s_func1_batch),
    entry(item::Tab_s_func1_pv_range),
    entry(item::Tab_s_func1_outscale),
    entry(item::Tab_s_func1_limits),
    entry(item::Tab_s_func1_interface),
};
constexpr Entry kTab_m_func1[] = {
    entry(item::func1_AI_st_rev),
    qualified(item::func1_AI_out_unit),
    qualified(item::func1_AI_out_unit_text),
    qualified(item::func1_AI_pv_ftime),
    entry(item::Tab_s_func1_batch),
    entry(item::Tab_m_func1_pv_range),
    entry(item::Tab_m_func1_outscale),
    entry(item::Tab_m_func1_limits),
    entry(item::Tab_s_func1_interface),
};
constexpr Entry kTab_s_func1_batch[] = {
    entry(item::func1_AI_batch_id),
    entry(item::func1_AI_batch_unit),
    entry(item::func1_AI_batch_operation),
    entry(item::func1_AI_batch_phase),
};
constexpr Entry kTab_s_func1_pv_range[] = {
    entry(item::func1_AI_pv_lower_range_value),
    entry(item::func1_AI_pv_upper_range_value),
};
constexpr Entry kTab_s_func1_outscale[] = {
    entry(item::func1_AI_out_lower_range_value),
    entry(item::func1_AI_out_upper_range_value),
};
constexpr Entry kTab_m_func1_pv_range[] = {
    qualified(item::func1_AI_pv_lower_range_value),
    qualified(item::func1_AI_pv_upper_range_value),
};
constexpr Entry kTab_m_func1_outscale[] = {
    qualified(item::func1_AI_out_lower_range_value),
    qualified(item::func1_AI_out_upper_range_value),
};
constexpr Entry kTab_s_func1_limits[] = {
    entry(item::func1_AI_lo_lo_lim), entry(item::func1_AI_lo_lim),
    entry(item::func1_AI_hi_lim),    entry(item::func1_AI_hi_hi_lim),
    entry(item::func1_AI_alarm_hys),
};
constexpr Entry kTab_m_func1_limits[] = {
    qualified(item::func1_AI_lo_lo_lim), qualified(item::func1_AI_lo_lim),
    qualified(item::func1_AI_hi_lim),    qualified(item::func1_AI_hi_hi_lim),
    qualified(item::func1_AI_alarm_hys),
};
constexpr Entry kTab_s_func1_interface[] = {entry(item::func1_AI_out_decimal_point)};

constexpr Menu kRows[] = {
    {.id = item::Tab_s_func1, .access = 1, .label = kLevel, .entries = kTab_s_func1},
    {.id = item::Tab_m_func1, .access = 1, .label = kLevel, .entries = kTab_m_func1},
    {.id = item::Tab_s_func1_batch, .access = 1,
     .label = "Batch Information  |de|Batch-Information  |fr|Information Batch  "
              "|it|Informazione batch  |es|Información batch",
     .entries = kTab_s_func1_batch},
    {.id = item::Tab_s_func1_pv_range, .access = 1, .label = kProcessValueScale,
     .entries = kTab_s_func1_pv_range},
    {.id = item::Tab_s_func1_outscale, .access = 1, .label = kOutputScale,
     .entries = kTab_s_func1_outscale},
    {.id = item::Tab_m_func1_pv_range, .access = 1, .label = kProcessValueScale,
     .entries = kTab_m_func1_pv_range},
    {.id = item::Tab_m_func1_outscale, .access = 1, .label = kOutputScale,
     .entries = kTab_m_func1_outscale},
    {.id = item::Tab_s_func1_limits, .access = 1, .label = kOutputLimits,
     .entries = kTab_s_func1_limits},
    {.id = item::Tab_m_func1_limits, .access = 1, .label = kOutputLimits,
     .entries = kTab_m_func1_limits},
    {.id = item::Tab_s_func1_interface, .access = 1,
     .label = "Human Interface  |de|Anzeige- und Bedienoberfläche  "
              "|fr|Interface de contrôle-commande  |it|Superficie di controllo e di comando  "
              "|es|Interface de manejo y visualización",
     .entries = kTab_s_func1_interface},
};

}  // namespace menus::analog_input_tabs
