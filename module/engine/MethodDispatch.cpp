// ExecuteMethod: the switch in front of the method bodies.
#include "engine/AttributeCalculation.h"
#include "engine/ThreadEnd.h"

std::int32_t CDeviceAttributeCalculation::ExecuteMethod(ContextWord context, CDDObject* method, std::int32_t argument,
                                                        bool ignoreFailures) {
    if (!method) return -1;
    const Busy busy(busy_);
    try {
        const CDDDefinition* own = method->getcDefinition();
        if (!own) return -1;
        const std::int32_t id = own->getID();
        if (id < 0) return -1;
        const ItemEntry* entry = item(id);
        if (entry && entry->run) return entry->run(*this, context, *method, argument, ignoreFailures, *entry);
        reportError(CStrPP(":   0,  0 : illegal method ID (execute)"));
        return -1;
    } catch (...) {
        passOnThreadEnd();
        // No exception may reach the host.
        return -1;
    }
}
