// The item index: entry N holds what the catalogue knows of item N (name,
// kind, variable type and classes) and reaches its calculator with its
// descriptor, its validity condition and, for a method, its body. The engine
// gets the index from the frame and knows items only by ID.
#pragma once

#include <cstdint>
#include <span>

#include "interfaces/HostInterfaces.h"
#include "objectmodel/Objects.h"

class CDeviceAttributeCalculation;
class Request;
struct ItemEntry;

// Fills the object from the entry's descriptor; false, the object untouched,
// when it is not of the class the item's kind needs.
using Calculator = bool (*)(Request& request, CDDObject& object, const ItemEntry& item);
// A value-dependent validity condition.
using Condition = bool (*)(Request& request);
// Runs a method's body through the host's method interface; the result is
// the method's.
using MethodBody = std::int32_t (*)(CDeviceAttributeCalculation& calculator, ContextWord context, CDDObject& method,
                                    std::int32_t argument, bool ignoreFailures, const ItemEntry& item);

struct ItemEntry {
    std::int32_t id = 0;
    const char* name = nullptr;  // null for entry 0, which names no item
    enumDDObjectKind kind = ddkVariable;
    enumDDVariableType type = ddtFloat;  // variables only
    std::uint32_t classMask = 0;         // variables only: bit i = class i
    Calculator calculate = nullptr;
    const void* descriptor = nullptr;
    Condition valid = nullptr;  // null: always valid
    MethodBody run = nullptr;   // methods only
};

// Indexed by item ID; entry 0 names no item.
using ItemIndex = std::span<const ItemEntry>;

// The calculator of a descriptor type: runs Fill when the host passed an
// object of the class the item's kind needs.
template <class Object, class Descriptor, void (*Fill)(Request&, Object&, const Descriptor&, const ItemEntry&)>
bool calculateAs(Request& request, CDDObject& object, const ItemEntry& item) {
    auto* typed = dynamic_cast<Object*>(&object);
    if (!typed) return false;
    Fill(request, *typed, *static_cast<const Descriptor*>(item.descriptor), item);
    return true;
}
