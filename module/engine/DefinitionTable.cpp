#include "engine/DefinitionTable.h"

void DefinitionTable::reset(std::size_t slots) {
    byId_.clear();
    byId_.resize(slots);
}

void DefinitionTable::put(std::int32_t id, std::unique_ptr<CDDDefinition> definition) {
    if (id > 0 && static_cast<std::size_t>(id) < byId_.size())
        byId_[static_cast<std::size_t>(id)] = std::move(definition);
}

CDDDefinition* DefinitionTable::get(std::int32_t id) const {
    if (id <= 0 || static_cast<std::size_t>(id) >= byId_.size()) return nullptr;
    return byId_[static_cast<std::size_t>(id)].get();
}
