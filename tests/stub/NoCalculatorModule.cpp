// A module that loads and has every entry point, but gives no attribute
// calculator: what a host does then is the host's to get right.
#include "interfaces/ModuleInterface.h"

#if defined(_WIN32)
#define STUB_EXPORT __declspec(dllexport)
#else
#define STUB_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {
STUB_EXPORT CAttributeCalculation* GetAttributeCalculation() { return nullptr; }
STUB_EXPORT CInformation* GetInformation() { return nullptr; }
STUB_EXPORT void GetAttributeCalcDataCategory(const std::uint16_t** table, std::int32_t* count) {
    if (table) *table = nullptr;
    if (count) *count = 0;
}
STUB_EXPORT std::int32_t DllRegisterServer() { return 0; }
STUB_EXPORT std::int32_t DllUnregisterServer() { return 0; }
}
