// The block template and the command template.
#include "engine/Request.h"
#include "items/commands/Command.h"

namespace commands {

namespace {

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

}  // namespace

void fillBlock(Request&, CDDBlock& block, const Block& row, const ItemEntry&) {
    block.putType(row.type);
    block.putNumber(1);
    block.putBlockKind(enumDDBlockKind{0});
}

void fillCommand(Request& r, CDDCommand& command, const Command& row, const ItemEntry&) {
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

}  // namespace commands
