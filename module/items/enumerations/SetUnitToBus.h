// The set-unit-to-bus switch of the physical block and the variables through
// which the user confirms it on the offline and the online pages.
#pragma once

#include "items/Texts.h"
#include "items/enumerations/SharedSets.h"

// clang-format off
namespace enumerations::set_unit_to_bus {

using variables::locked;
using variables::read;

constexpr Enumerator kKeepConfirm[] = {
    {0, texts::kKeep},
    {1, "confirm|de|bestätigen|fr|validation|it|conferma"},
};

constexpr Variable kRows[] = {
    {.id = item::old_parPASetUnitToBus,
     .label = "set unit to bus|de|Setze Einh. Out|fr|Unite sur Sortie|es|Setze Einh. Out|it|Trasf. Unita Bus",
     .size = 1,
     .handling = locked,
     .maxEnumIndex = 1,
     .enumerators = kKeepConfirm},
    // The write command sends the constant 1, not this value.
    {.id = item::phys_pa_set_unit_to_bus,
     .size = 1,
     .handling = read,
     .maxEnumIndex = 1,
     .enumerators = std::span(kDigitSet).first(2)},
    {.id = item::phys_pa_set_unit_to_bus_offline,
     .label = texts::kSetUnitToBus,
     .help = texts::kSetUnitToBus,
     .size = 1,
     .handling = locked,
     .postEdit = {item::set_unit_to_bus_offline_post_edit},
     .maxEnumIndex = 1,
     .enumerators = kConfirmSet},
    {.id = item::phys_pa_set_unit_to_bus_online,
     .label = texts::kSetUnitToBus,
     .help = texts::kSetUnitToBus,
     .size = 1,
     .handling = locked,
     .postEdit = {item::set_unit_to_bus_online_post_edit},
     .maxEnumIndex = 1,
     .enumerators = kConfirmSet},
};

}  // namespace enumerations::set_unit_to_bus
