// The module's two interfaces as the host sees them, and its five entry
// points. Operations stand in their fixed slot order.
#pragma once

#include <cstdint>

#include "interfaces/HostInterfaces.h"
#include "objectmodel/Objects.h"

// The registry key, below HKEY_LOCAL_MACHINE, under which the host finds its
// device modules: each module enters itself in a subkey named as its device.
inline constexpr char kDeviceModulesKey[] = "SOFTWARE\\Vantrope\\PB\\DTMs\\Q15";

// clang-format off
class CAttributeCalculation {
public:
    virtual ~CAttributeCalculation() = default;                          // 0
    virtual void AttachHost(CCalculationHost* host) = 0;                 // 1
    virtual bool IsReady() = 0;                                          // 2
    virtual void DetachHost() = 0;                                       // 3
    virtual void BuildCatalogue() = 0;                                   // 4
    virtual CDDObject* CalculateAttributes05(ContextWord, CDDObject*) = 0;
    virtual CDDObject* CalculateAttributes06(ContextWord, CDDObject*) = 0;
    virtual CDDObject* CalculateAttributes07(ContextWord, CDDObject*) = 0;
    virtual CDDObject* CalculateAttributes08(ContextWord, CDDObject*) = 0;
    virtual CDDObject* CalculateAttributes09(ContextWord, CDDObject*) = 0;
    virtual CDDObject* CalculateAttributes10(ContextWord, CDDObject*) = 0;
    virtual CDDObject* CalculateAttributes11(ContextWord, CDDObject*) = 0;
    virtual CDDObject* CalculateAttributes12(ContextWord, CDDObject*) = 0;
    virtual CDDObject* CalculateAttributes13(ContextWord, CDDObject*) = 0;
    virtual bool MenuValidity(ContextWord context, CDDObject* menu) = 0;  // 14
    virtual CDDObject* CalculateAttributes15(ContextWord, CDDObject*) = 0;
    virtual bool MethodValidity(ContextWord context, CDDObject* method) = 0;  // 16
    virtual std::int32_t ExecuteMethod(ContextWord context, CDDObject* method, std::int32_t argument,
                                       bool ignoreFailures) = 0;          // 17
    virtual CDDObject* CalculateAttributes18(ContextWord, CDDObject*) = 0;
    virtual CDDObject* CalculateAttributes19(ContextWord, CDDObject*) = 0;
    virtual CDDObject* CalculateAttributes20(ContextWord, CDDObject*) = 0;
    virtual CDDObject* CalculateAttributes21(ContextWord, CDDObject*) = 0;
    virtual CDDObject* CalculateAttributes22(ContextWord, CDDObject*) = 0;
    virtual bool VariableValidity(ContextWord context, CDDObject* variable) = 0;  // 23
    virtual CDDObject* CalculateAttributes24(ContextWord, CDDObject*) = 0;
    virtual CDDObject* CalculateAttributes25(ContextWord, CDDObject*) = 0;
    virtual CDDObject* CalculateAttributes26(ContextWord, CDDObject*) = 0;
};

class CInformation {
public:
    virtual ~CInformation() = default;                        // 0
    virtual std::int32_t GetNumber01() = 0;                   // 1
    virtual std::int32_t GetManufacturerId() = 0;             // 2
    virtual std::int32_t GetResourceId() = 0;                 // 3
    virtual std::int32_t GetLogoBitmapId() = 0;               // 4
    virtual CStrPP GetManufacturerName() = 0;                 // 5
    virtual std::int32_t GetDeviceTypeId() = 0;               // 6
    virtual std::int32_t GetIconId() = 0;                     // 7
    virtual std::int32_t GetDeviceBitmapId() = 0;             // 8
    virtual CStrPP GetDeviceName() = 0;                       // 9
    virtual CStrPP GetDescription() = 0;                      // 10
    virtual std::int32_t GetNumber11() = 0;                   // 11
    virtual CStrPP GetHelpFileName() = 0;                     // 12
    virtual CStrPP GetStandardMenuName(std::int32_t code) = 0;  // 13
    virtual CStrPP GetPairNames() = 0;                        // 14
    virtual CStrPP GetPairValue(const CStrPP& key) = 0;       // 15
    virtual CStrPP GetSpecialItemName(std::int32_t code) = 0;  // 16
    virtual CStrPP GetModuleBasePath() = 0;                   // 17
    virtual CStrPP GetModulePath() = 0;                       // 18
    virtual CStrPP GetVersionLabel() = 0;                     // 19
    virtual CStrPP GetFileVersion() = 0;                      // 20
    virtual CStrPP GetSecondVersion() = 0;                    // 21
    virtual CStrPP GetTechnicalDescription() = 0;             // 22
    virtual CStrPP GetBuildDate() = 0;                        // 23
};

// clang-format on

// The entry points, exported under their plain names.
extern "C" {
using GetAttributeCalculationFn = CAttributeCalculation* (*)();
using GetInformationFn = CInformation* (*)();
using GetAttributeCalcDataCategoryFn = void (*)(const std::uint16_t** table, std::int32_t* count);
using DllRegisterServerFn = std::int32_t (*)();
using DllUnregisterServerFn = std::int32_t (*)();
}
