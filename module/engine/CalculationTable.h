// The calculation table: entry N reaches item N's template routine with item
// N's descriptor. Families enter their descriptor tables here.
#pragma once

#include <array>
#include <span>

#include "catalogue/Items.h"
#include "objectmodel/Objects.h"

class Request;

using FillFn = bool (*)(Request&, CDDObject&, const void* descriptor);

struct CalculatorEntry {
    FillFn fill = nullptr;
    const void* descriptor = nullptr;
};

using CalculationTable = std::array<CalculatorEntry, item::kCount + 1>;

// Runs Fill when the object is of the class the item's kind needs; a host
// that passes an object of another class gets it back untouched.
template <class Object, class Descriptor, void (*Fill)(Request&, Object&, const Descriptor&)>
bool fillAs(Request& request, CDDObject& object, const void* descriptor) {
    auto* typed = dynamic_cast<Object*>(&object);
    if (!typed) return false;
    Fill(request, *typed, *static_cast<const Descriptor*>(descriptor));
    return true;
}

template <class Object, class Descriptor, void (*Fill)(Request&, Object&, const Descriptor&)>
void enterFamily(CalculationTable& table, std::span<const Descriptor> family) {
    for (const auto& d : family) table[static_cast<std::size_t>(d.id)] = {&fillAs<Object, Descriptor, Fill>, &d};
}

// Enters every family's calculators; the one fixed list of the module.
void FillCalculationTable(CalculationTable& table);
