#include "items/methods/MethodRun.h"

#include <memory>

namespace methods {

namespace {
// Thrown inside a body to stop it; the frame catches only this. A type of
// its own: whatever a host's callback throws (an error code as an int
// included) is never taken for it.
struct Stop {};
// The result of a body that was stopped.
constexpr std::int32_t kAborted = -2;
}  // namespace

MethodRun::MethodRun(CDeviceAttributeCalculation& calculator, CMethodInterface& methodInterface, bool ignoreFailures)
    : calculator_(calculator), interface_(methodInterface), ignoreFailures_(ignoreFailures) {}

CStrPP MethodRun::name(item::Id id) const {
    const CDDDefinition* definition = calculator_.definition(id);
    return definition ? definition->getName() : CStrPP();
}

void MethodRun::checkFailure() {
    if (interface_.HasFailed() && !ignoreFailures_) {
        interface_.AbortMethod(0);
        throw Stop{};
    }
}

void MethodRun::putMessageValues(NamedValues values) {
    auto collection = std::make_unique<CVBCollection>();
    for (const NamedValue& v : values) collection->Add(CStrPP(v.name), *keeper_.keep(new CDDCommonVariant(v.value)));
    interface_.PutMessageValues(collection.release());
}

void MethodRun::ShowMessage(const char* text, NamedValues values) {
    putMessageValues(values);
    interface_.ShowMessage(CStrPP(text), 0);
    checkFailure();
}

void MethodRun::EditValue(const char* prompt, item::Id variable, NamedValues values) {
    putMessageValues(values);
    interface_.EditValue(CStrPP(prompt), 0, name(variable));
    checkFailure();
}

std::int32_t MethodRun::GetVariableId(item::Id variable) {
    const std::int32_t id = interface_.GetVariableId(name(variable));
    checkFailure();
    return id;
}

void MethodRun::ReadCommand(item::Id command) {
    interface_.ReadCommand(name(command));
    checkFailure();
}

void MethodRun::WriteCommand(item::Id command) {
    interface_.WriteCommand(name(command));
    checkFailure();
}

bool MethodRun::PutIntegerValue(item::Id variable, std::int32_t value) {
    return interface_.PutIntegerValue(name(variable), value);
}

std::int32_t MethodRun::GetIntegerValue(item::Id variable) { return interface_.GetIntegerValue(name(variable)); }
std::int32_t MethodRun::GetLongValue(item::Id variable) { return interface_.GetLongValue(name(variable)); }

bool MethodRun::PutFloatValue(item::Id variable, float value) {
    return interface_.PutFloatValue(name(variable), value);
}

float MethodRun::GetFloatValue(item::Id variable) { return interface_.GetFloatValue(name(variable)); }

void MethodRun::SaveValues() { interface_.SaveValues(); }

std::int32_t runMethod(Body body, CDeviceAttributeCalculation& calculator, ContextWord context, CDDObject* method,
                       std::int32_t argument, bool ignoreFailures, CCalculationHost* host) {
    // No host, or no interface from it: nothing can run.
    if (!host) return -1;
    const std::unique_ptr<CMethodInterface> methodInterface(host->CreateMethodInterface(context));
    if (!methodInterface) return -1;
    methodInterface->BeginMethod(context, host, *method->getcDefinition(), argument);
    {
        MethodRun run(calculator, *methodInterface, ignoreFailures);
        try {
            body(run);
        } catch (const Stop&) {
            methodInterface->SetResult(kAborted);
        }
    }
    return methodInterface->GetResult();
}

}  // namespace methods
