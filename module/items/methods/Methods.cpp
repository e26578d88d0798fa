// The method attribute template, the relation templates and the stubs.
#include <memory>

#include "engine/Classes.h"
#include "engine/Request.h"
#include "items/methods/Method.h"
#include "items/methods/MethodRun.h"

namespace methods {

namespace {

std::unique_ptr<CDDVariableDefinitionSet> definitionSet(Request& r, const auto& ids) {
    auto set = std::make_unique<CDDVariableDefinitionSet>();
    for (item::Id id : ids)
        if (const CDDDefinition* definition = r.definition(id)) set->Insert(*definition);
    return set;
}

}  // namespace

void fillMethod(Request& r, CDDMethod& method, const Method& d, const ItemEntry&) {
    CDeviceAttributeCalculation::ClearMethodClasses(method.getClass());
    for (int bit = 0; bit < classes::kCount; ++bit)
        if ((d.methodClass >> bit) & 1U) method.getClass()->putClassInfo(enumDDMethodClass{bit}, true);
    method.putAccess(enumDDAccessType{static_cast<std::int32_t>(d.access)});
    method.putLabel(CStrPP(d.label));
    // The validity is a snapshot of this request.
    method.putValidity(r.calculator().MethodValidity(r.context(), &method));
}

void fillUnit(Request& r, CDDUnit& relation, const UnitRelation& d, const ItemEntry&) {
    if (const CDDDefinition* unit = r.definition(d.unit)) relation.putUnit(*unit);
    relation.setReread(definitionSet(r, d.reread).release());
}

void fillRefresh(Request& r, CDDRefresh& relation, const RefreshRelation& d, const ItemEntry&) {
    relation.setReread(definitionSet(r, d.reread).release());
    relation.setChanged(definitionSet(r, d.changed).release());
}

std::int32_t runStub(CDeviceAttributeCalculation& calculator, ContextWord context, CDDObject& method,
                     std::int32_t argument, bool ignoreFailures, const ItemEntry& item) {
    const Body body = static_cast<const Method*>(item.descriptor)->body;
    if (!body) return -1;
    // Before the catalogue is built the method has no names to work with:
    // refused as the forwarders refuse it.
    if (!calculator.definition(item.id)) return -1;
    return runMethod(body, calculator, context, &method, argument, ignoreFailures, calculator.host());
}

}  // namespace methods
