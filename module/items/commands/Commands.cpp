// The block template and the command template, and the command index.
#include <array>

#include "engine/Request.h"
#include "items/commands/Command.h"

namespace commands {

namespace {

constexpr Block kBlocks[] = {
    {item::transducer_block_1, ddbTransducer},
    {item::physical_block, ddbPhysical},
    {item::function_block_1, ddbFunction},
};

const std::span<const Command> kFamilies[] = {
    kIdentificationAndPhysicalBlock, kTransducerBlockLow, kTransducerBlockHigh, kAnalogInputLow,
    kAnalogInputHigh, kDeviceSpecific, kOfflineAndUnitToBus,
};

void fillBlock(Request&, CDDBlock& block, const Block& row) {
    block.putType(row.type);
    block.putNumber(1);
    block.putBlockKind(enumDDBlockKind{0});
}

void addItems(Request& r, CDDDataItemList* list, const DataItems& items) {
    for (const DataItem& d : items) {
        CDDDataItem dataItem;
        if (d.variable == item::none) {
            dataItem.putKind(dddConstant);
            dataItem.putConstantValue(CDDCommonVariant(static_cast<int>(d.constant)));
        } else {
            dataItem.putKind(dddReference);
            if (const CDDDefinition* variable = r.definition(d.variable))
                dataItem.getReference()->putDefinition(*variable);
            dataItem.putMask(d.mask);
        }
        list->Add(dataItem, -1, -1);
    }
}

void fillCommand(Request& r, CDDCommand& command, const Command& row) {
    // A block the host cannot give leaves the command without one.
    if (const CDDDefinition* block = r.definition(row.block)) {
        CObjectStore* store = r.store();
        if (const CDDBlock* object = store ? r.keep(store->GetBlock(r.context(), block)) : nullptr)
            command.putBlock(*object);
    }
    command.setIndex(new CDDIndex(row.index));
    command.putOperation(row.op == Op::Read ? ddoRead : ddoWrite);
    command.setTransactionSet(new CDDTransactionSet());
    CDDTransaction transaction(0);
    if (row.op == Op::Read) {
        if (!row.offline) transaction.setRequest(new CDDDataItemList());
        transaction.setReply(new CDDDataItemList());
        addItems(r, transaction.getReply(), row.items);
    } else {
        transaction.setRequest(new CDDDataItemList());
        addItems(r, transaction.getRequest(), row.items);
        if (!row.offline) transaction.setReply(new CDDDataItemList());
    }
    command.getTransactionSet()->Insert(transaction);
}

// Command rows by item ID, built once from the families.
const std::array<const Command*, item::kCount + 1>& index() {
    static const auto table = [] {
        std::array<const Command*, item::kCount + 1> byId{};
        for (const auto& family : kFamilies)
            for (const Command& c : family) byId[static_cast<std::size_t>(c.id)] = &c;
        return byId;
    }();
    return table;
}

}  // namespace

const Command* find(std::int32_t id) {
    if (id <= 0 || id > item::kCount) return nullptr;
    return index()[static_cast<std::size_t>(id)];
}

void enter(CalculationTable& table) {
    enterFamily<CDDBlock, Block, fillBlock>(table, kBlocks);
    for (const auto& family : kFamilies) enterFamily<CDDCommand, Command, fillCommand>(table, family);
}

}  // namespace commands
