// BuildCatalogue: every item's definition into the definition table and its
// object to the host's store, then the commands' transaction sets and the
// variables' definition sets.
#include <memory>

#include "catalogue/Catalogue.h"
#include "engine/AttributeCalculation.h"

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

}  // namespace

void CDeviceAttributeCalculation::BuildCatalogue() {
    // Asked for by the host from inside one of the module's own operations (a
    // callback during a build, a calculation or a method run): ignored, as the
    // operation under way still reads the definitions a build replaces.
    if (busy_) return;
    const Busy busy(busy_);
    try {
        // A second build replaces the definitions of the first.
        ClearDefinitions();
        BuildVariableLists();
        BuildBlocks();
        BuildConnections();
        BuildItemArrays();
        BuildArrays();
        BuildRecords();
        BuildVariables();
        BuildCommands();
        BuildMenus();
        BuildMethods();
        BuildCollections();
        BuildRelations();
        BuildResponseCodes();
        BuildTransactionReferences();
        BuildVariableDefinitionSets();
    } catch (...) {
        // Out of memory: what was built stays; nothing reaches the host.
    }
}

void CDeviceAttributeCalculation::BuildVariableLists() { BuildGroup(ddkVariableList); }
void CDeviceAttributeCalculation::BuildBlocks() { BuildGroup(ddkBlock); }
void CDeviceAttributeCalculation::BuildConnections() { BuildGroup(ddkConnection); }
void CDeviceAttributeCalculation::BuildItemArrays() { BuildGroup(ddkItemArray); }
void CDeviceAttributeCalculation::BuildArrays() { BuildGroup(ddkArray); }
void CDeviceAttributeCalculation::BuildRecords() { BuildGroup(ddkRecord); }
void CDeviceAttributeCalculation::BuildVariables() { BuildGroup(ddkVariable); }
void CDeviceAttributeCalculation::BuildCommands() { BuildGroup(ddkCommand); }
void CDeviceAttributeCalculation::BuildMenus() { BuildGroup(ddkMenu); }
void CDeviceAttributeCalculation::BuildMethods() { BuildGroup(ddkMethod); }
void CDeviceAttributeCalculation::BuildCollections() { BuildGroup(ddkCollection); }
void CDeviceAttributeCalculation::BuildResponseCodes() { BuildGroup(ddkResponseCodes); }

// The refresh relation, then the unit relations: ascending ID across both.
void CDeviceAttributeCalculation::BuildRelations() {
    for (const auto& entry : catalogue::kItems)
        if (entry.name && (entry.kind == ddkRefresh || entry.kind == ddkUnit))
            AddItem(CStrPP(entry.name), entry.id, entry.kind);
}

void CDeviceAttributeCalculation::BuildGroup(enumDDObjectKind kind) {
    for (const auto& entry : catalogue::kItems) {
        if (!entry.name || entry.kind != kind) continue;
        if (kind == ddkVariable)
            AddVariable(CStrPP(entry.name), entry.id, entry.type, entry.classMask);
        else
            AddItem(CStrPP(entry.name), entry.id, kind);
    }
}

void CDeviceAttributeCalculation::AddItem(CStrPP name, std::int32_t id, enumDDObjectKind kind) {
    auto definition = std::make_unique<CDDDefinition>(id, name, kind);
    const auto object = makeObject(kind, *definition);
    definitions_[static_cast<std::size_t>(id)] = definition.release();
    Store(*object);
}

void CDeviceAttributeCalculation::AddVariable(CStrPP name, std::int32_t id, enumDDVariableType type,
                                              std::uint32_t classMask) {
    auto definition = std::make_unique<CDDDefinition>(id, name, ddkVariable);
    CDDVariable variable(*definition);
    definitions_[static_cast<std::size_t>(id)] = definition.release();
    variable.setTypeInfo(new CDDType(type));
    for (int bit = 0; bit <= 18; ++bit)
        variable.getClass()->putClassInfo(enumDDVariableClassType{bit}, ((classMask >> bit) & 1U) != 0);
    Store(variable);
}

void CDeviceAttributeCalculation::Store(CDDObject& object) {
    if (!host_) return;
    if (CObjectStore* store = host_->GetObjectStore()) store->AddObject(&object);
}

void CDeviceAttributeCalculation::BuildVariableDefinitionSets() {
    if (!host_) return;
    CObjectStore* store = host_->GetObjectStore();
    if (!store) return;
    for (const item::Id id : catalogue::kVariableSetOrder) {
        CDDDefinitionSet empty;
        store->PutVariableSet(definitions_[static_cast<std::size_t>(id)], &empty);
    }
}
