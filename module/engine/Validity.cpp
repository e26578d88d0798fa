// Validity dispatch and the conditions that read a current value; every
// other variable, menu and method is always valid.
#include <algorithm>

#include "engine/AttributeCalculation.h"
#include "engine/Request.h"
#include "engine/TextJoin.h"

namespace {

constexpr int kWriteUnlockCode = 9361;

bool valid_parDisplayValue(Request& r) { return r.equals(item::parPASelectMainValue, 1); }
bool valid_parDisplayStatus(Request& r) { return r.equals(item::parPASelectMainValue, 1); }
bool valid_meth_reset_trans1_min_sensor_value(Request& r) { return r.equals(item::parWriteLocking, kWriteUnlockCode); }
bool valid_meth_reset_trans1_max_sensor_value(Request& r) { return r.equals(item::parWriteLocking, kWriteUnlockCode); }
bool valid_meth_reset_min_temperature(Request& r) { return r.equals(item::parWriteLocking, kWriteUnlockCode); }
bool valid_meth_reset_max_temperature(Request& r) { return r.equals(item::parWriteLocking, kWriteUnlockCode); }

struct Condition {
    item::Id id;
    bool (*test)(Request&);
};

constexpr Condition kConditions[] = {
    {item::parDisplayValue, valid_parDisplayValue},
    {item::parDisplayStatus, valid_parDisplayStatus},
    {item::meth_reset_trans1_min_sensor_value, valid_meth_reset_trans1_min_sensor_value},
    {item::meth_reset_trans1_max_sensor_value, valid_meth_reset_trans1_max_sensor_value},
    {item::meth_reset_min_temperature, valid_meth_reset_min_temperature},
    {item::meth_reset_max_temperature, valid_meth_reset_max_temperature},
};

}  // namespace

bool CDeviceAttributeCalculation::Validity(ContextWord context, CDDObject* object, enumDDObjectKind kind,
                                           const char* message) {
    if (!object) return false;
    const Busy busy(busy_);
    try {
        const CDDDefinition* own = object->getcDefinition();
        if (!own) return false;
        const std::int32_t id = own->getID();
        if (id < 0) return false;
        const catalogue::Entry* entry = catalogue::find(id);
        if (!entry || entry->kind != kind) {
            reportError(CStrPP(":   0,  0 : ") + CStrPP(message) + own->getName());
            return false;
        }
        const auto* condition = std::find_if(std::begin(kConditions), std::end(kConditions),
                                             [id](const Condition& c) { return c.id == id; });
        if (condition == std::end(kConditions)) return true;
        Request request(*this, context);
        return condition->test(request);
    } catch (...) {
        return false;
    }
}

bool CDeviceAttributeCalculation::VariableValidity(ContextWord context, CDDObject* variable) {
    return Validity(context, variable, ddkVariable, "illegal object ID (calculate Variable validity) for object ");
}

bool CDeviceAttributeCalculation::MenuValidity(ContextWord context, CDDObject* menu) {
    return Validity(context, menu, ddkMenu, "illegal object ID (calculate Menu validity) for object ");
}

bool CDeviceAttributeCalculation::MethodValidity(ContextWord context, CDDObject* method) {
    return Validity(context, method, ddkMethod, "illegal object ID (calculate Method validity) for object ");
}
