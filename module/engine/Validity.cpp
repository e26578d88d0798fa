// Validity dispatch: an item of the asked kind is valid unless its index entry
// names a condition, which then decides.
#include "engine/AttributeCalculation.h"
#include "engine/Request.h"
#include "engine/TextJoin.h"
#include "engine/ThreadEnd.h"

bool CDeviceAttributeCalculation::validity(ContextWord context, CDDObject* object, enumDDObjectKind kind,
                                           const char* message) {
    if (!object) return false;
    const Busy busy(busy_);
    try {
        const CDDDefinition* own = object->getcDefinition();
        if (!own) return false;
        if (own->getID() < 0) return false;
        const ItemEntry* entry = item(own->getID());
        if (!entry || entry->kind != kind) {
            reportError(CStrPP(":   0,  0 : ") + CStrPP(message) + own->getName());
            return false;
        }
        if (!entry->valid) return true;
        Request request(*this, context);
        return entry->valid(request);
    } catch (...) {
        passOnThreadEnd();
        return false;
    }
}

bool CDeviceAttributeCalculation::VariableValidity(ContextWord context, CDDObject* variable) {
    return validity(context, variable, ddkVariable, "illegal object ID (calculate Variable validity) for object ");
}

bool CDeviceAttributeCalculation::MenuValidity(ContextWord context, CDDObject* menu) {
    return validity(context, menu, ddkMenu, "illegal object ID (calculate Menu validity) for object ");
}

bool CDeviceAttributeCalculation::MethodValidity(ContextWord context, CDDObject* method) {
    return validity(context, method, ddkMethod, "illegal object ID (calculate Method validity) for object ");
}
