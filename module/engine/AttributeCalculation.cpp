#include "engine/AttributeCalculation.h"

#include "engine/Request.h"

CDeviceAttributeCalculation::CDeviceAttributeCalculation() = default;

CDeviceAttributeCalculation::~CDeviceAttributeCalculation() {
    ClearDefinitions();
    host_ = nullptr;
}

void CDeviceAttributeCalculation::ClearDefinitions() {
    for (auto& definition : definitions_) {
        delete definition;
        definition = nullptr;
    }
}

void CDeviceAttributeCalculation::AttachHost(CCalculationHost* host) {
    host_ = host;
    FillCalculationTable(calculators_);
}

bool CDeviceAttributeCalculation::IsReady() { return true; }

void CDeviceAttributeCalculation::DetachHost() { host_ = nullptr; }

const CDDDefinition* CDeviceAttributeCalculation::definition(item::Id id) const {
    if (id <= 0 || id > item::kCount) return nullptr;
    return definitions_[static_cast<std::size_t>(id)];
}

void CDeviceAttributeCalculation::reportError(const CStrPP& text) const {
    if (!host_) return;
    if (CErrorOutput* output = host_->GetErrorOutput()) output->PutError(text);
}

CDDObject* CDeviceAttributeCalculation::Forward(ContextWord context, CDDObject* object) {
    if (!object) return object;
    const Busy busy(busy_);
    try {
        const CDDDefinition* own = object->getcDefinition();
        if (!own) return object;
        const std::int32_t id = own->getID();
        // Negative IDs are not this module's; 0, IDs above 635, items without a
        // calculator and a catalogue not yet built leave the object untouched.
        if (id <= 0 || id > item::kCount) return object;
        const CalculatorEntry& entry = calculators_[static_cast<std::size_t>(id)];
        if (!entry.fill || !definitions_[static_cast<std::size_t>(id)]) return object;
        Request request(*this, context);
        if (entry.fill(request, *object, entry.descriptor)) object->putAttributesAvailable(true);
    } catch (...) {
        // Nothing may reach the host; the object keeps what was set so far.
    }
    return object;
}

void CDeviceAttributeCalculation::ClearVariableClasses(CDDVariableClass* classes) {
    for (int value : {2, 15, 14, 9, 10, 11, 16, 13, 18, 12})
        classes->putClassInfo(enumDDVariableClassType{value}, false);
}

void CDeviceAttributeCalculation::ClearHandling(CDDVariable* variable) {
    variable->putHandling(ddhWrite, false);
    variable->putHandling(ddhRead, false);
}

void CDeviceAttributeCalculation::ClearMethodClasses(CDDMethodClass* classes) {
    for (int value : {2, 15, 14, 9, 10, 11, 16, 13, 18, 12}) classes->putClassInfo(enumDDMethodClass{value}, false);
}
