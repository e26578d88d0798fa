// The host's interfaces as the module calls them. Slot numbers are the
// operations' places in declaration order, the destructor's slot 0 included;
// slots the module never calls are reserved so that every operation keeps its
// place. In GCC's C++ ABI, on Linux as on Windows, a virtual destructor takes
// two entries of the virtual table, so slot n (n >= 1) is entry n + 1.
#pragma once

#include <cstdint>

#include "objectmodel/Objects.h"

// The host's opaque per-request value: passed through, never looked into.
enum class ContextWord : std::uint32_t {};

// clang-format off
#define DD_RESERVED_SLOT(n) \
    virtual void reservedSlot##n() {}

class CMethodInterface;
class CObjectStore;
class CErrorOutput;

class CCalculationHost {
public:
    virtual ~CCalculationHost() = default;                                 // 0
    virtual CMethodInterface* CreateMethodInterface(ContextWord context) = 0;  // 1
    virtual CObjectStore* GetObjectStore() = 0;                            // 2
    DD_RESERVED_SLOT(3) DD_RESERVED_SLOT(4) DD_RESERVED_SLOT(5)
    virtual CErrorOutput* GetErrorOutput() = 0;                            // 6
};

class CErrorOutput {
public:
    virtual ~CErrorOutput() = default;  // 0
    DD_RESERVED_SLOT(1) DD_RESERVED_SLOT(2) DD_RESERVED_SLOT(3) DD_RESERVED_SLOT(4) DD_RESERVED_SLOT(5)
    virtual void PutError(const CStrPP& text) = 0;  // 6
};

// Objects passed in are copied by the store; objects returned are new and
// owned by the caller.
class CObjectStore {
public:
    virtual ~CObjectStore() = default;  // 0
    DD_RESERVED_SLOT(1) DD_RESERVED_SLOT(2) DD_RESERVED_SLOT(3) DD_RESERVED_SLOT(4)
    virtual bool AddObject(CDDObject* object) = 0;                                             // 5
    virtual bool PutRequestSet(CDDTransactionRef* transaction, CDDDefinitionSet* set) = 0;   // 6
    virtual bool PutReplySet(CDDTransactionRef* transaction, CDDDefinitionSet* set) = 0;     // 7
    virtual bool PutVariableSet(CDDDefinition* variable, CDDDefinitionSet* set) = 0;         // 8
    DD_RESERVED_SLOT(9) DD_RESERVED_SLOT(10) DD_RESERVED_SLOT(11) DD_RESERVED_SLOT(12) DD_RESERVED_SLOT(13)
    DD_RESERVED_SLOT(14) DD_RESERVED_SLOT(15) DD_RESERVED_SLOT(16) DD_RESERVED_SLOT(17) DD_RESERVED_SLOT(18)
    DD_RESERVED_SLOT(19)
    virtual CDDBlock* GetBlock(ContextWord context, const CDDDefinition* block) = 0;            // 20
    virtual CDDCollection* GetCollection(ContextWord context, const CDDDefinition* collection) = 0;  // 21
    virtual CDDObject* GetMemberObject(ContextWord context, CDDCollection* collection, CStrPP member) = 0;  // 22
    DD_RESERVED_SLOT(23) DD_RESERVED_SLOT(24) DD_RESERVED_SLOT(25) DD_RESERVED_SLOT(26) DD_RESERVED_SLOT(27)
    DD_RESERVED_SLOT(28) DD_RESERVED_SLOT(29) DD_RESERVED_SLOT(30) DD_RESERVED_SLOT(31) DD_RESERVED_SLOT(32)
    DD_RESERVED_SLOT(33) DD_RESERVED_SLOT(34) DD_RESERVED_SLOT(35) DD_RESERVED_SLOT(36) DD_RESERVED_SLOT(37)
    DD_RESERVED_SLOT(38) DD_RESERVED_SLOT(39) DD_RESERVED_SLOT(40) DD_RESERVED_SLOT(41) DD_RESERVED_SLOT(42)
    DD_RESERVED_SLOT(43) DD_RESERVED_SLOT(44) DD_RESERVED_SLOT(45) DD_RESERVED_SLOT(46) DD_RESERVED_SLOT(47)
    DD_RESERVED_SLOT(48) DD_RESERVED_SLOT(49) DD_RESERVED_SLOT(50) DD_RESERVED_SLOT(51) DD_RESERVED_SLOT(52)
    DD_RESERVED_SLOT(53) DD_RESERVED_SLOT(54) DD_RESERVED_SLOT(55) DD_RESERVED_SLOT(56) DD_RESERVED_SLOT(57)
    DD_RESERVED_SLOT(58) DD_RESERVED_SLOT(59) DD_RESERVED_SLOT(60) DD_RESERVED_SLOT(61) DD_RESERVED_SLOT(62)
    DD_RESERVED_SLOT(63) DD_RESERVED_SLOT(64) DD_RESERVED_SLOT(65) DD_RESERVED_SLOT(66) DD_RESERVED_SLOT(67)
    DD_RESERVED_SLOT(68) DD_RESERVED_SLOT(69) DD_RESERVED_SLOT(70) DD_RESERVED_SLOT(71) DD_RESERVED_SLOT(72)
    virtual CDDCommonVariant* GetCurrentValue(ContextWord context, const CDDDefinition* variable) = 0;  // 73
};

// One method run. Variables and commands are named by item name.
class CMethodInterface {
public:
    virtual ~CMethodInterface() = default;
    virtual void BeginMethod(ContextWord context, CCalculationHost* host, const CDDDefinition& method,
                             std::int32_t argument) = 0;
    virtual void PutMessageValues(CVBCollection* values) = 0;  // takes ownership
    virtual std::int32_t GetResult() = 0;
    virtual void SetResult(std::int32_t result) = 0;
    virtual bool HasFailed() = 0;
    virtual void AbortMethod(std::int32_t code) = 0;
    virtual std::int32_t ShowMessage(const CStrPP& text, std::int32_t flags) = 0;
    virtual bool PutFloatValue(const CStrPP& variable, float value) = 0;
    virtual float GetFloatValue(const CStrPP& variable) = 0;
    virtual std::int32_t EditValue(const CStrPP& prompt, std::int32_t flags, const CStrPP& variable) = 0;
    virtual bool PutIntegerValue(const CStrPP& variable, std::int32_t value) = 0;
    virtual std::int32_t GetIntegerValue(const CStrPP& variable) = 0;
    virtual std::int32_t GetLongValue(const CStrPP& variable) = 0;
    virtual std::int32_t SaveValues() = 0;
    virtual std::int32_t GetVariableId(const CStrPP& variable) = 0;
    virtual std::int32_t ReadCommand(const CStrPP& command) = 0;
    virtual std::int32_t WriteCommand(const CStrPP& command) = 0;
};

#undef DD_RESERVED_SLOT
// clang-format on
