// The machine-readable view of one item: what its calculator set, and its
// validity, as one line of JSON.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "host/StandInHost.h"

// The module's answer whether a variable, menu or method is valid; none for
// the other kinds, which have no validity.
inline std::optional<bool> validity(CAttributeCalculation& module, CDDObject& object) {
    switch (object.getcDefinition()->getKind()) {
    case ddkVariable: return module.VariableValidity(ContextWord{0}, &object);
    case ddkMenu: return module.MenuValidity(ContextWord{0}, &object);
    case ddkMethod: return module.MethodValidity(ContextWord{0}, &object);
    default: return std::nullopt;
    }
}
std::string dumpItem(StandInHost& host, CAttributeCalculation& module, std::int32_t id);
// The same for an object at hand, with the validity where its kind has one.
std::string dumpObject(const CDDObject& object, std::optional<bool> valid);
std::string variantJson(const CDDCommonVariant& value);
