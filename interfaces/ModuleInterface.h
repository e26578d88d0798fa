// The module's two interfaces as the host sees them, and its five entry
// points. Operations stand in their fixed slot order.
#pragma once

#include <cstdint>

#include "interfaces/HostInterfaces.h"
#include "objectmodel/Objects.h"

// The registry key, below HKEY_LOCAL_MACHINE, under which the host finds its
// device modules: each module enters itself in a subkey named as its device.
inline constexpr char kDeviceModulesKey[] = "SOFTWARE\\Vantrope\\PB\\DTMs\\Q15";

// The attribute calculator. Each calculation, validity test and method run
// takes the host's context word, which the module passes unchanged to every
// call it makes on the host for that request that takes one (see
// HostInterfaces.h).
//
// - The 18 forwarders CalculateAttributes05 to 26 are one operation: any of
//   them fills any of the module's items (variable, menu, command, method,
//   collection, block, relation), found by its definition's item ID, in the
//   object the host passes, and returns that object. Which slot a host uses
//   for which kind is the host's choice. The object comes back untouched
//   where its ID is negative or names no item of the module, where its class
//   does not fit its item's kind (a menu object with a variable's ID), before
//   BuildCatalogue, and where it is already under way (handed back from
//   inside a callback: the calculation under way fills it).
// - VariableValidity, MenuValidity and MethodValidity: whether the item is
//   valid under the current values. An ID whose item is of another kind, or
//   that names no item of the module, is false and sends a text to the
//   host's error output; a negative ID is false without one. Before
//   BuildCatalogue an item whose validity depends on current values is false
//   and the host is asked nothing (no variable can be named yet); one that
//   is always valid is true.
// - ExecuteMethod runs the method that the object's item ID names (validity
//   is not asked first; the object's class is not looked at, so an object of
//   another class that carries a method's ID runs that method) through a new
//   CMethodInterface from the host. `argument` is the host's own word,
//   handed back to it unread in BeginMethod. With `ignoreFailures` false the
//   run stops (AbortMethod(0), then SetResult(-2)) at the first message,
//   question, variable-ID lookup or command the interface reports failed
//   (HasFailed); with true it goes on. Returns what the interface's
//   GetResult reports at the end, or -1 when nothing ran: an ID that names
//   no method of the module (with a text to the error output unless it is
//   negative), no host attached, no BuildCatalogue yet, or no method
//   interface from the host. Where one of the host's callbacks throws
//   (whatever it throws) or memory runs out during the run, it ends there
//   with -1, and neither SetResult nor GetResult is called; what it did until
//   then stays done.
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
