// The analog input block's simulated status (quality and limit) and its
// simulation switch. The simulated status can always be set by hand.
#pragma once

#include "items/DeviceCodes.h"
#include "items/Texts.h"
#include "items/enumerations/SharedSets.h"

// clang-format off
namespace enumerations::simulation {

using variables::EnumBranch;
using variables::EnumChoice;
using variables::integer;
using variables::locked;
using variables::readWrite;

// "Contiene", where the output status has "Contienen".
constexpr const char* kHelp = "Contains the following states of quality: Good, Uncertain, Bad.  |de|Enthält folgende Qualtitätszustandsmeldungen: Gut, Unsicher, Schlecht.  |fr|Contient les messages d'état de qualité suivants : bon, douteux, mauvais.  |it|Contiene i seguenti messaggi di stato di qualità: buono, incerto, scarto.  |es|Contiene los siguientes mensajes de estado cualitativo: bueno, inseguro, malo";

constexpr EnumBranch kLimitByQuality[] = {
    {{item::func1_AI_simulate_status_quality, code::kGoodQuality}, kReducedLimitSet},
    {{item::func1_AI_simulate_status_quality, code::kGoodCascadeQuality}, kReducedLimitSet},
};
constexpr EnumChoice kLimit{.branches = kLimitByQuality, .otherwise = kFullLimitSet};

constexpr Variable kRows[] = {
    {.id = item::func1_AI_simulate_status_quality,
     .label = texts::kQuality,
     .help = kHelp,
     .size = 1,
     .defaultValue = integer(0),
     .handling = readWrite,
     .postEdit = {item::method_set_status_limit_1},
     .maxEnumIndex = 0,
     .enumerators = kManualQualitySet},
    {.id = item::func1_AI_simulate_status_limit,
     .label = texts::kStatus,
     .help = kHelp,
     .size = 1,
     .handling = readWrite,
     .postEdit = {item::method_set_status_limit_1},
     .maxEnumIndex = 3,
     .chosenEnumerators = &kLimit},
    {.id = item::func1_AI_simulation_enabled,
     .label = texts::kSimulation,
     .help = "Enable or disable of the Simulation  |de|Simulation freigeben oder sperren.  |fr|Libérer ou verrouiller la simulation.  |it|Abilita o blocca la simulazione.  |es|Habilitar o inhabilitar la simulación.",
     .size = 1,
     .defaultValue = integer(0),
     .handling = locked,
     .maxEnumIndex = 0,
     .enumerators = kDisabledEnabledSet},
};

}  // namespace enumerations::simulation
