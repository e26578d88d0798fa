// BuildCatalogue: every item's definition into the definition table and its
// object to the host's store, kind by kind, then the commands' transaction
// sets and the variables' definition sets.
#include <initializer_list>
#include <memory>

#include "catalogue/Catalogue.h"
#include "engine/Classes.h"

namespace catalogue {

namespace {

// One object class per kind; kinds this device has no items of never get here.
std::unique_ptr<CDDObject> makeObject(enumDDObjectKind kind, const CDDDefinition& definition) {
    switch (kind) {
    case ddkVariable: return std::make_unique<CDDVariable>(definition);
    case ddkCommand: return std::make_unique<CDDCommand>(definition);
    case ddkMenu: return std::make_unique<CDDMenu>(definition);
    case ddkEditDisplay: return std::make_unique<CDDEditDisplay>(definition);
    case ddkMethod: return std::make_unique<CDDMethod>(definition);
    case ddkRefresh: return std::make_unique<CDDRefresh>(definition);
    case ddkUnit: return std::make_unique<CDDUnit>(definition);
    case ddkWriteAsOne: return std::make_unique<CDDWriteAsOne>(definition);
    case ddkArray: return std::make_unique<CDDArray>(definition);
    case ddkCollection: return std::make_unique<CDDCollection>(definition);
    case ddkItemArray: return std::make_unique<CDDItemArray>(definition);
    case ddkConnection: return std::make_unique<CDDConnection>(definition);
    case ddkBlock: return std::make_unique<CDDBlock>(definition, enumDDBlockKind{0});
    case ddkRecord: return std::make_unique<CDDRecord>(definition);
    case ddkVariableList: return std::make_unique<CDDVariableList>(definition);
    case ddkResponseCodes: return std::make_unique<CDDResponseCodes>(definition);
    }
    return std::make_unique<CDDObject>(definition);
}

void store(CCalculationHost* host, CDDObject& object) {
    if (!host) return;
    if (CObjectStore* objects = host->GetObjectStore()) objects->AddObject(&object);
}

// A variable arrives with its type and all its classes written, the ones
// outside its mask as false.
void addVariable(CCalculationHost* host, DefinitionTable& definitions, const ItemEntry& entry) {
    auto definition = std::make_unique<CDDDefinition>(entry.id, CStrPP(entry.name), ddkVariable);
    CDDVariable variable(*definition);
    definitions.put(entry.id, std::move(definition));
    variable.setTypeInfo(new CDDType(entry.type));
    for (int bit = 0; bit < classes::kCount; ++bit)
        variable.getClass()->putClassInfo(enumDDVariableClassType{bit}, ((entry.classMask >> bit) & 1U) != 0);
    store(host, variable);
}

void addItem(CCalculationHost* host, DefinitionTable& definitions, const ItemEntry& entry) {
    auto definition = std::make_unique<CDDDefinition>(entry.id, CStrPP(entry.name), entry.kind);
    const auto object = makeObject(entry.kind, *definition);
    definitions.put(entry.id, std::move(definition));
    store(host, *object);
}

// The items of the given kinds, in ascending ID.
void addItems(CCalculationHost* host, DefinitionTable& definitions, std::initializer_list<enumDDObjectKind> kinds) {
    for (const ItemEntry& entry : kItems) {
        if (!entry.name) continue;
        for (const enumDDObjectKind kind : kinds) {
            if (entry.kind != kind) continue;
            if (kind == ddkVariable)
                addVariable(host, definitions, entry);
            else
                addItem(host, definitions, entry);
        }
    }
}

}  // namespace

void build(CCalculationHost* host, DefinitionTable& definitions) {
    for (const enumDDObjectKind kind : {ddkVariableList, ddkBlock, ddkConnection, ddkItemArray, ddkArray, ddkRecord,
                                        ddkVariable, ddkCommand, ddkMenu, ddkMethod, ddkCollection})
        addItems(host, definitions, {kind});
    // The refresh relation and the unit relations together: ascending ID across both.
    addItems(host, definitions, {ddkRefresh, ddkUnit});
    addItems(host, definitions, {ddkResponseCodes});
    buildTransactionReferences(host, definitions);
    buildVariableDefinitionSets(host, definitions);
}

void buildVariableDefinitionSets(CCalculationHost* host, const DefinitionTable& definitions) {
    if (!host) return;
    CObjectStore* store = host->GetObjectStore();
    if (!store) return;
    for (const item::Id id : kVariableSetOrder) {
        CDDDefinitionSet empty;
        store->PutVariableSet(definitions.get(id), &empty);
    }
}

}  // namespace catalogue
