// The definition table: the definition of every item of the catalogue by ID,
// owned by the attribute calculator and filled by the catalogue's builder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "objectmodel/Objects.h"

class DefinitionTable {
public:
    // Deletes every definition and makes room for IDs below `slots`.
    void reset(std::size_t slots);
    void put(std::int32_t id, std::unique_ptr<CDDDefinition> definition);
    // Null for an ID that has no definition (yet).
    CDDDefinition* get(std::int32_t id) const;

private:
    std::vector<std::unique_ptr<CDDDefinition>> byId_;
};
