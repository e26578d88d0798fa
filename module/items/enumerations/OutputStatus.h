// The analog input block's output status as quality and limit. Both can be set
// by hand only in manual mode, and only then do they carry the method that
// completes the status.
#pragma once

#include "items/DeviceCodes.h"
#include "items/Texts.h"
#include "items/enumerations/SharedSets.h"

// clang-format off
namespace enumerations::output_status {

using variables::EnumBranch;
using variables::EnumChoice;
using variables::integer;
using variables::onlyWhen;
using variables::Test;
using variables::when;

constexpr Test kManualMode{item::func1_AI_target_mode, code::kManualMode};

constexpr const char* kHelp = "Contains the following states of quality: Good, Uncertain, Bad.  |de|Enthält folgende Qualtitätszustandsmeldungen: Gut, Unsicher, Schlecht.  |fr|Contient les messages d'état de qualité suivants : bon, douteux, mauvais.  |it|Contiene i seguenti messaggi di stato di qualità: buono, incerto, scarto.  |es|Contienen los siguientes mensajes de estado cualitativo: bueno, inseguro, malo";

constexpr EnumBranch kQualityByMode[] = {
    {kManualMode, kManualQualitySet},
};
constexpr EnumChoice kQuality{.branches = kQualityByMode, .otherwise = kFullQualitySet};

// The good cascade quality is none of the set but takes the reduced limits
// all the same.
constexpr EnumBranch kLimitByQuality[] = {
    {{item::func1_AI_out_status_quality, code::kGoodQuality}, kReducedLimitSet},
    {{item::func1_AI_out_status_quality, code::kGoodCascadeQuality}, kReducedLimitSet},
};
constexpr EnumChoice kLimit{.branches = kLimitByQuality, .otherwise = kFullLimitSet};

constexpr Variable kRows[] = {
    {.id = item::func1_AI_out_status_quality,
     .label = texts::kQuality,
     .help = kHelp,
     .size = 1,
     .defaultValue = integer(0),
     .handling = when(item::func1_AI_target_mode, code::kManualMode),
     .postEdit = onlyWhen(kManualMode, {item::method_set_status_limit_1}),
     .maxEnumIndex = 0,
     .chosenEnumerators = &kQuality},
    {.id = item::func1_AI_out_status_limit,
     .label = texts::kStatus,
     .help = kHelp,
     .size = 1,
     .handling = when(item::func1_AI_target_mode, code::kManualMode),
     .postEdit = onlyWhen(kManualMode, {item::method_set_status_limit_1}),
     .maxEnumIndex = 3,
     .chosenEnumerators = &kLimit},
};

}  // namespace enumerations::output_status
