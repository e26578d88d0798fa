// Blocks and commands as data. A command row names its block, its relative
// index, whether it reads or writes, and its data items in order.
#pragma once

#include <cstdint>

#include "engine/ItemIndex.h"
#include "items/Items.h"

namespace commands {

enum class Op { Read, Write };
inline constexpr Op read = Op::Read;
inline constexpr Op write = Op::Write;

// Masks of the two halves of a shared status byte.
inline constexpr std::int32_t kQualityMask = 252;
inline constexpr std::int32_t kLimitMask = 3;

struct DataItem {
    item::Id variable = item::none;  // none for a constant
    std::int32_t mask = 0;           // 0 the whole value
    std::int32_t constant = 0;       // the value of a constant item
};

// A variable reference (data item kind 1).
constexpr DataItem var(item::Id variable, std::int32_t mask = 0) { return {variable, mask, 0}; }
// A constant (data item kind 0).
constexpr DataItem constant(std::int32_t value) { return {item::none, 0, value}; }

// A command carries at most twelve data items.
using DataItems = FixedList<DataItem, 12>;

struct Command {
    item::Id id;
    item::Id block;
    Op op;
    std::int32_t index;
    DataItems items;
    // Offline copies: the transaction has only the list that holds the items.
    bool offline = false;
};

struct Block {
    item::Id id;
    enumDDBlockType type;
};

// The block template and the command template.
void fillBlock(Request& request, CDDBlock& block, const Block& descriptor, const ItemEntry& item);
void fillCommand(Request& request, CDDCommand& command, const Command& descriptor, const ItemEntry& item);

}  // namespace commands
