// The variable template: every variable, plain or enumerated, is filled from
// its descriptor in the same steps.
#include <memory>

#include "engine/Classes.h"
#include "engine/Request.h"
#include "items/variables/Variable.h"

namespace variables {

namespace {

CDDCommonVariant make(const Value& v) {
    switch (v.kind) {
    case Value::Kind::Int: return CDDCommonVariant(static_cast<int>(v.i));
    case Value::Kind::Double: return CDDCommonVariant(v.d);
    case Value::Kind::Text: return CDDCommonVariant(v.s);
    case Value::Kind::None: break;
    }
    return CDDCommonVariant();
}

// The row of `table` that the current code of `codeOf` selects: a unit text
// and, for the level, the bounds in that unit. A code that matches no row, or
// no value at all, gives the fallback row.
const CodeRow& chooseRow(Request& r, item::Id codeOf, const CodeTable& table) {
    CDDCommonVariant code;
    if (const CDDCommonVariant* current = r.currentValue(codeOf)) code = *current;
    for (const CodeRow& row : table.rows)
        if (code == CDDCommonVariant(static_cast<int>(row.code))) return row;
    return table.fallback;
}

CDDCommonVariant boundValue(Request& r, const Bound& b) {
    switch (b.kind) {
    case Bound::Kind::Constant: return make(b.constant);
    case Bound::Kind::ValueOf: {
        CDDCommonVariant scratch;
        if (const CDDCommonVariant* current = r.currentValue(b.item)) scratch = *current;
        return scratch;
    }
    case Bound::Kind::LowerByCode: return make(chooseRow(r, b.item, *b.table).lower);
    case Bound::Kind::UpperByCode: return make(chooseRow(r, b.item, *b.table).upper);
    }
    return CDDCommonVariant();
}

void numericBase(CDDType& type, const Variable& d, const char* baseFormat, bool sized) {
    if (sized) type.putSize(d.size);
    type.putScalingFactor(1.0);
    type.putDisplayFormat(CStrPP(baseFormat));
    type.putEditFormat(CStrPP(baseFormat));
}

void addEnumerators(CDDType& type, Enumerators set) {
    for (const Enumerator& e : set) {
        CDDEnumerator enumerator;
        enumerator.putValue(e.value);
        enumerator.putDescription(CStrPP(e.description));
        enumerator.putHelp(CStrPP(e.help));
        type.getEnumeratorSet()->Add(enumerator);
    }
}

Enumerators chooseEnumerators(Request& r, const EnumChoice& choice) {
    if (choice.selector != item::none) {
        CDDCommonVariant selector;
        if (const CDDCommonVariant* current = r.currentValue(choice.selector)) selector = *current;
        for (const EnumBranch& branch : choice.branches)
            if (selector == CDDCommonVariant(static_cast<int>(branch.test.value))) return branch.set;
    } else {
        for (const EnumBranch& branch : choice.branches)
            if (r.equals(branch.test.item, branch.test.value)) return branch.set;
    }
    return choice.otherwise;
}

// The type is built whole before the variable gets it: a host may hand the
// variable to another calculator from inside a callback, which would replace
// a type the variable already held.
std::unique_ptr<CDDType> typeOf(Request& r, const Variable& d, enumDDVariableType kind) {
    auto built = std::make_unique<CDDType>(kind);
    CDDType& type = *built;
    const bool numeric = kind == ddtFloat || kind == ddtSigned || kind == ddtUnsigned;
    switch (kind) {
    case ddtFloat: numericBase(type, d, "%G", false); break;
    case ddtSigned: numericBase(type, d, "%d", true); break;
    case ddtUnsigned: numericBase(type, d, "%u", true); break;
    case ddtEnumerated:
        type.putSize(d.size);
        type.putMaxEnumIndex(d.maxEnumIndex);
        break;
    case ddtBitEnumerated:
        type.putSize(d.size);
        type.putMaxBitEnumIndex(d.maxEnumIndex);
        break;
    case ddtString: type.putSize(d.size); break;
    case ddtTimeStamp: break;
    }
    CStrPP scratch;
    if (d.displayFormat) {
        scratch = d.displayFormat;
        type.putDisplayFormat(scratch);
    }
    if (d.editFormat) {
        scratch = d.editFormat;
        type.putEditFormat(scratch);
    }
    if (d.displayFormatRule) {
        scratch = d.displayFormatRule(r, d.id);
        type.putDisplayFormat(scratch);
    }
    if (numeric) {
        if (!d.range.present) {
            type.putMaxRangeNo(-1);
        } else {
            type.putMaxRangeNo(0);
            type.putMinValues(0, boundValue(r, d.range.lower));
            type.putMaxValues(0, boundValue(r, d.range.upper));
        }
    }
    if (d.defaultValue.kind != Value::Kind::None) type.putDefaultValue(make(d.defaultValue));
    if (d.chosenEnumerators) addEnumerators(type, chooseEnumerators(r, *d.chosenEnumerators));
    addEnumerators(type, d.enumerators);
    for (const BitEnumerator& b : d.bitEnumerators) {
        CDDBitEnumerator bit(b.bit);
        bit.putDescription(CStrPP(b.description));
        bit.putHelp(CStrPP(b.help));
        bit.putMethod(*r.keep(new CDDDefinition()));  // no method is bound to a bit
        type.getBitEnumeratorSet()->Add(bit);
    }
    return built;
}

bool allHold(Request& r, const Test (&tests)[3]) {
    for (const Test& t : tests)
        if (t.item != item::none && !r.equals(t.item, t.value)) return false;
    return true;
}

void handlingStep(Request& r, CDDVariable& variable, const Handling& h) {
    if (h.kind == Handling::Kind::None) return;
    const bool writable =
        h.kind == Handling::Kind::ReadWrite || (h.kind == Handling::Kind::Tests && allHold(r, h.tests));
    CDeviceAttributeCalculation::ClearHandling(&variable);
    if (writable) variable.putHandling(ddhWrite, true);
    variable.putHandling(ddhRead, true);
}

void unitStep(Request& r, CDDVariable& variable, const Unit& u) {
    if (!u.text && !u.table) return;
    const CStrPP text(u.text ? u.text : chooseRow(r, u.codeOf, *u.table).text);
    variable.putConstantUnit(CStrPP(""));
    variable.putConstantUnit(text);
}

template <void (CDDVariable::*Attach)(CDDDefinitionList*)>
void actionStep(Request& r, CDDVariable& variable, const Actions& a) {
    if (!a.present()) return;
    auto list = std::make_unique<CDDDefinitionList>();
    if (a.when.item == item::none || r.equals(a.when.item, a.when.value))
        for (item::Id method : a.methods)
            if (const CDDDefinition* definition = r.definition(method)) list->Add(*definition, -1, -1);
    (variable.*Attach)(list.release());
}

}  // namespace

void fillVariable(Request& r, CDDVariable& variable, const Variable& d, const ItemEntry& item) {
    variable.putLabel(CStrPP(""));
    if (d.label) variable.putLabel(CStrPP(d.label));
    if (d.help) {
        variable.putHelp(CStrPP(""));
        variable.putHelp(CStrPP(d.help));
    }
    CDDVariableClass* own = variable.getClass();
    CDeviceAttributeCalculation::ClearVariableClasses(own);
    for (int bit = 0; bit < classes::kCount; ++bit)
        if ((item.classMask >> bit) & 1U) own->putClassInfo(enumDDVariableClassType{bit}, true);
    variable.setTypeInfo(typeOf(r, d, item.type).release());
    handlingStep(r, variable, d.handling);
    unitStep(r, variable, d.unit);
    actionStep<&CDDVariable::setPreEditActions>(r, variable, d.preEdit);
    actionStep<&CDDVariable::setPostEditActions>(r, variable, d.postEdit);
    actionStep<&CDDVariable::setPostReadActions>(r, variable, d.postRead);
}

}  // namespace variables
