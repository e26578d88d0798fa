#include "engine/Request.h"

CObjectStore* Request::store() const {
    CCalculationHost* host = calculator_.host();
    return host ? host->GetObjectStore() : nullptr;
}

CDDCommonVariant* Request::currentValue(std::int32_t id) {
    const CDDDefinition* variable = definition(id);
    CObjectStore* objects = variable ? store() : nullptr;
    return objects ? keep(objects->GetCurrentValue(context_, variable)) : nullptr;
}

bool Request::equals(std::int32_t id, int value) {
    const CDDCommonVariant* current = currentValue(id);
    return current && *current == CDDCommonVariant(value);
}
