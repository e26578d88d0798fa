// The module's five entry points. The module has started when it was loaded;
// each entry point still asks for the start-up, which then does nothing, and
// lets no exception out, not even when memory runs out.
#include <new>

#include "catalogue/Catalogue.h"
#include "engine/AttributeCalculation.h"
#include "engine/ThreadEnd.h"
#include "frame/DataCategory.h"
#include "frame/Information.h"
#include "frame/Registration.h"
#include "interfaces/ModuleInterface.h"
#include "platform/Application.h"
#include "platform/SystemRegistry.h"

#if defined(_WIN32)
#define DD_EXPORT extern "C"  // exported by the module definition file
#else
#define DD_EXPORT extern "C" __attribute__((visibility("default")))
#endif

DD_EXPORT CAttributeCalculation* GetAttributeCalculation() {
    try {
        platform::StartModule();
        return new (std::nothrow) CDeviceAttributeCalculation(catalogue::kItems, catalogue::build);
    } catch (...) {
        passOnThreadEnd();
        return nullptr;
    }
}

DD_EXPORT CInformation* GetInformation() {
    try {
        platform::StartModule();
        return new (std::nothrow) CDeviceInformation();
    } catch (...) {
        passOnThreadEnd();
        return nullptr;
    }
}

DD_EXPORT void GetAttributeCalcDataCategory(const std::uint16_t** table, std::int32_t* count) {
    try {
        platform::StartModule();
    } catch (...) {
        passOnThreadEnd();
        // The table needs nothing the start-up makes.
    }
    if (table) *table = kDataCategories.data();
    if (count) *count = static_cast<std::int32_t>(kDataCategories.size());
}

DD_EXPORT std::int32_t DllRegisterServer() {
    platform::endIfCancelled();  // a cancellation asked for before the call ends the thread here, not midway
    try {
        platform::StartModule();
        return registerModule();
    } catch (...) {
        passOnThreadEnd();
        // Only an allocation can fail on this road.
        return kOutOfMemory;
    }
}

DD_EXPORT std::int32_t DllUnregisterServer() {
    platform::endIfCancelled();
    try {
        platform::StartModule();
        return unregisterModule();
    } catch (...) {
        passOnThreadEnd();
        // Only an allocation can fail on this road.
        return kOutOfMemory;
    }
}
