// The method attribute template, the relation templates and the stubs.
#include <algorithm>
#include <memory>

#include "engine/Request.h"
#include "items/methods/Method.h"
#include "items/methods/MethodRun.h"

namespace methods {

namespace {

void fillMethod(Request& r, CDDMethod& method, const Method& d) {
    CDeviceAttributeCalculation::ClearMethodClasses(method.getClass());
    method.getClass()->putClassInfo(enumDDMethodClass{d.methodClass}, true);
    method.putAccess(enumDDAccessType{d.access});
    method.putLabel(CStrPP(d.label));
    // The validity is a snapshot of this request.
    method.putValidity(r.calculator().MethodValidity(r.context(), &method));
}

std::unique_ptr<CDDVariableDefinitionSet> definitionSet(Request& r, const auto& ids) {
    auto set = std::make_unique<CDDVariableDefinitionSet>();
    for (item::Id id : ids)
        if (const CDDDefinition* definition = r.definition(id)) set->Insert(*definition);
    return set;
}

void fillUnit(Request& r, CDDUnit& relation, const UnitRelation& d) {
    if (const CDDDefinition* unit = r.definition(d.unit)) relation.putUnit(*unit);
    relation.setReread(definitionSet(r, d.reread).release());
}

void fillRefresh(Request& r, CDDRefresh& relation, const RefreshRelation& d) {
    relation.setReread(definitionSet(r, d.reread).release());
    relation.setChanged(definitionSet(r, d.changed).release());
}

}  // namespace

void enter(CalculationTable& table) {
    enterFamily<CDDMethod, Method, fillMethod>(table, kMethods);
    enterFamily<CDDUnit, UnitRelation, fillUnit>(table, kUnitRelations);
    enterFamily<CDDRefresh, RefreshRelation, fillRefresh>(table, kRefreshRelations);
}

}  // namespace methods

std::optional<std::int32_t> runMethodStub(CDeviceAttributeCalculation& calculator, std::int32_t id,
                                          ContextWord context, CDDObject* method, std::int32_t argument,
                                          bool ignoreFailures, CCalculationHost* host) {
    const auto& all = methods::kMethods;
    const auto found = std::find_if(all.begin(), all.end(), [id](const methods::Method& m) { return m.id == id; });
    if (found == all.end() || !found->body) return std::nullopt;
    // Before the catalogue is built the method has no names to work with:
    // refused as the forwarders refuse it.
    if (!calculator.definition(found->id)) return -1;
    return methods::runMethod(found->body, calculator, context, method, argument, ignoreFailures, host);
}
