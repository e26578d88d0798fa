// Simulation dialog of the analog input block: input and output pages, each
// with a group of the value and its status.
#pragma once

#include "items/Texts.h"
#include "items/menus/Menu.h"

// clang-format off
namespace menus::analog_input_simulation {

constexpr Entry kOnlineDialog_simulation_func1[] = {
    entry(item::Page_simulation_input_func1),
    entry(item::Page_simulation_output_func1),
};
constexpr Entry kPage_simulation_input_func1[] = {
    entry(item::func1_AI_simulation_enabled),
    entry(item::Group_simulate_input_func1),
};
constexpr Entry kGroup_simulate_input_func1[] = {
    entry(item::func1_AI_simulate_value),
    entry(item::func1_AI_simulate_status_quality),
    entry(item::func1_AI_simulate_status_limit),
};
constexpr Entry kPage_simulation_output_func1[] = {
    entry(item::func1_AI_target_mode),
    entry(item::func1_AI_actual_mode),
    entry(item::Group_simulate_output_func1),
};
constexpr Entry kGroup_simulate_output_func1[] = {
    entry(item::func1_AI_out_value),
    entry(item::func1_AI_out_status_quality),
    entry(item::func1_AI_out_status_limit),
};

constexpr Menu kRows[] = {
    // The one stand-alone dialog with access 0.
    {.id = item::OnlineDialog_simulation_func1, .access = Online,
     .label = texts::kLevel,
     .entries = kOnlineDialog_simulation_func1},
    {.id = item::Page_simulation_input_func1, .access = Online,
     .label = "Simulation (Measured Value)  |de|Simulation (Meßwert)  "
              "|fr|Simulation (Valeur de mesure)  |it|Simulazione (valore di misura)  "
              "|es|Simulación (valor medido)",
     .entries = kPage_simulation_input_func1},
    {.id = item::Group_simulate_input_func1, .access = Online,
     .label = texts::kSimulationValue,
     .entries = kGroup_simulate_input_func1},
    {.id = item::Page_simulation_output_func1, .access = Online,
     .label = "Simulation (Output)  |de|Simulation (Ausgang)  |fr|Simulation (Sortie)  "
              "|it|Simulazione (uscita)  |es|Simulación (salida)",
     .entries = kPage_simulation_output_func1},
    {.id = item::Group_simulate_output_func1, .access = Online,
     .label = texts::kOutputValue,
     .entries = kGroup_simulate_output_func1},
};

}  // namespace menus::analog_input_simulation
