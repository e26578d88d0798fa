// MethodRun: the frame every method body runs in. It owns the run's method
// interface and keeper, names variables and commands by their item names,
// and applies the abort rule after each operation that can fail.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "engine/AttributeCalculation.h"
#include "engine/TemporaryKeeper.h"
#include "items/methods/Method.h"

namespace methods {

// A named value for the next message or prompt: one per local of the method.
struct NamedValue {
    const char* name;
    CDDCommonVariant value;
};
using NamedValues = std::initializer_list<NamedValue>;

class MethodRun {
public:
    MethodRun(CDeviceAttributeCalculation& calculator, CMethodInterface& methodInterface, bool ignoreFailures);

    // Operations followed by the abort rule.
    void ShowMessage(const char* text, NamedValues values);
    void EditValue(const char* prompt, item::Id variable, NamedValues values);
    std::int32_t GetVariableId(item::Id variable);
    void ReadCommand(item::Id command);
    void WriteCommand(item::Id command);

    // Value reads and writes: never tested.
    bool PutIntegerValue(item::Id variable, std::int32_t value);
    std::int32_t GetIntegerValue(item::Id variable);
    std::int32_t GetLongValue(item::Id variable);
    bool PutFloatValue(item::Id variable, float value);
    float GetFloatValue(item::Id variable);
    void SaveValues();

    CDeviceAttributeCalculation& calculator() const { return calculator_; }

private:
    // The variable's or command's item name, from the definition table.
    CStrPP name(item::Id id) const;
    void putMessageValues(NamedValues values);
    // After an operation that can fail: stop the body unless failures are ignored.
    void checkFailure();

    CDeviceAttributeCalculation& calculator_;
    CMethodInterface& interface_;
    bool ignoreFailures_;
    TemporaryKeeper keeper_;
};

// The run frame: creates and begins the method interface, runs the body,
// turns an abort into the result -2, returns GetResult and deletes the
// interface on every path.
std::int32_t runMethod(Body body, CDeviceAttributeCalculation& calculator, ContextWord context, CDDObject* method,
                       std::int32_t argument, bool ignoreFailures, CCalculationHost* host);

}  // namespace methods
