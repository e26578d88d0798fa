// The catalogue: the one table of all items, indexed by ID. Each entry holds
// what the item list says of the item (name, kind and, for a variable, type
// and classes) and reaches, from the item's family of items/, its calculator
// with its descriptor, its validity condition and, for a method, its body.
// Compiling it checks that every item has exactly one entry of its own kind.
#pragma once

#include <array>
#include <span>

#include "engine/DefinitionTable.h"
#include "engine/ItemIndex.h"
#include "items/Items.h"

namespace catalogue {

extern const std::array<ItemEntry, item::kCount + 1> kItems;

// The order in which every variable receives its (empty) definition set.
extern const std::span<const item::Id> kVariableSetOrder;

// Builds the catalogue for the host: every item's definition into the
// definition table and its object to the host's store, then the commands'
// transaction sets and the variables' definition sets.
void build(CCalculationHost* host, DefinitionTable& definitions);

// The steps after the items: request and reply sets of every command's
// transaction 0, and the variables' definition sets.
void buildTransactionReferences(CCalculationHost* host, const DefinitionTable& definitions);
void buildVariableDefinitionSets(CCalculationHost* host, const DefinitionTable& definitions);

}  // namespace catalogue
