// The module's five entry points. Each starts the module first (the class
// library's DLL start-up) and lets no exception out.
#include <new>

#include "engine/AttributeCalculation.h"
#include "frame/DataCategory.h"
#include "frame/Information.h"
#include "interfaces/ModuleInterface.h"
#include "frame/Registration.h"
#include "platform/Application.h"

#define DD_EXPORT extern "C" __attribute__((visibility("default")))

DD_EXPORT CAttributeCalculation* GetAttributeCalculation() {
    platform::StartModule();
    return new (std::nothrow) CDeviceAttributeCalculation();
}

DD_EXPORT CInformation* GetInformation() {
    platform::StartModule();
    return new (std::nothrow) CDeviceInformation();
}

DD_EXPORT void GetAttributeCalcDataCategory(const std::uint16_t** table, std::int32_t* count) {
    platform::StartModule();
    if (table) *table = kDataCategories.data();
    if (count) *count = static_cast<std::int32_t>(kDataCategories.size());
}

DD_EXPORT std::int32_t DllRegisterServer() {
    platform::StartModule();
    try {
        return registerModule();
    } catch (...) {
        return -1;
    }
}

DD_EXPORT std::int32_t DllUnregisterServer() {
    platform::StartModule();
    try {
        return unregisterModule();
    } catch (...) {
        return -1;
    }
}
