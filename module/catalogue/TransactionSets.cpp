// The request and reply sets of every command's transaction 0, derived from
// the command table: data items in order, repeats kept, constants left out.
#include "catalogue/Catalogue.h"
#include "engine/AttributeCalculation.h"
#include "items/commands/Command.h"

void CDeviceAttributeCalculation::BuildTransactionReferences() {
    for (const auto& entry : catalogue::kItems) {
        if (!entry.name || entry.kind != ddkCommand) continue;
        const CDDDefinition* command = definition(entry.id);
        if (!command) continue;
        CDDTransactionRef reference(0, *command);
        CDDDefinitionSet request;
        CDDDefinitionSet reply;
        if (const commands::Command* row = commands::find(entry.id)) {
            CDDDefinitionSet& carried = row->op == commands::Op::Read ? reply : request;
            for (const commands::DataItem& d : row->items)
                if (const CDDDefinition* variable = definition(d.variable)) carried.Insert(*variable);
        }
        CObjectStore* store = host_ ? host_->GetObjectStore() : nullptr;
        if (store) store->PutRequestSet(&reference, &request);
        store = host_ ? host_->GetObjectStore() : nullptr;
        if (store) store->PutReplySet(&reference, &reply);
    }
}
