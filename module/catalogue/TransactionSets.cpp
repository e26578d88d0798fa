// The request and reply sets of every command's transaction 0, derived from
// the command table: data items in order, repeats kept, constants left out.
#include "catalogue/Catalogue.h"
#include "items/commands/Command.h"

namespace catalogue {

void buildTransactionReferences(CCalculationHost* host, const DefinitionTable& definitions) {
    for (const ItemEntry& entry : kItems) {
        if (!entry.name || entry.kind != ddkCommand) continue;
        const CDDDefinition* command = definitions.get(entry.id);
        if (!command) continue;
        CDDTransactionRef reference(0, *command);
        CDDDefinitionSet request;
        CDDDefinitionSet reply;
        const auto& row = *static_cast<const commands::Command*>(entry.descriptor);
        CDDDefinitionSet& carried = row.op == commands::Op::Read ? reply : request;
        for (const commands::DataItem& d : row.items)
            if (const CDDDefinition* variable = definitions.get(d.variable)) carried.Insert(*variable);
        CObjectStore* store = host ? host->GetObjectStore() : nullptr;
        if (store) store->PutRequestSet(&reference, &request);
        store = host ? host->GetObjectStore() : nullptr;
        if (store) store->PutReplySet(&reference, &reply);
    }
}

}  // namespace catalogue
