// Blocks and commands as data. A command row names its block, its relative
// index, whether it reads or writes, and its data items in order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>

#include "catalogue/Items.h"
#include "engine/CalculationTable.h"

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

class DataItems {
public:
    static constexpr std::size_t kCapacity = 12;
    constexpr DataItems() = default;
    constexpr DataItems(std::initializer_list<DataItem> list) {
        if (list.size() > kCapacity) throw "a command carries at most 12 data items";
        for (const DataItem& d : list) items_[count_++] = d;
    }
    constexpr const DataItem* begin() const { return items_; }
    constexpr const DataItem* end() const { return items_ + count_; }
    constexpr std::size_t size() const { return count_; }

private:
    DataItem items_[kCapacity]{};
    std::size_t count_ = 0;
};

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

// The command row of a command item, or null.
const Command* find(std::int32_t id);

void enter(CalculationTable& table);

// The families, one per table of commands.
extern const std::span<const Command> kIdentificationAndPhysicalBlock;
extern const std::span<const Command> kTransducerBlockLow;
extern const std::span<const Command> kTransducerBlockHigh;
extern const std::span<const Command> kAnalogInputLow;
extern const std::span<const Command> kAnalogInputHigh;
extern const std::span<const Command> kDeviceSpecific;
extern const std::span<const Command> kOfflineAndUnitToBus;

}  // namespace commands
