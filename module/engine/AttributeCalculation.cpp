#include "engine/AttributeCalculation.h"

#include "engine/Classes.h"
#include "engine/Request.h"

// Thread-local data in the block each thread starts with: read without a
// call, and no block of the module's own per thread that outlives the module
// when a host unloads it (which the leak checker trips over).
#if defined(__ELF__)
#define DD_STATIC_TLS __attribute__((tls_model("initial-exec")))
#else
#define DD_STATIC_TLS
#endif

namespace {

// The objects under calculation on this thread, innermost first. A host may
// hand one of them back from inside a callback, to this calculator or to
// another: calculating it again there would free what the calculation under
// way still fills (its type, its entry list) or add its entries twice, so it
// comes back untouched and the outer calculation finishes it as if alone.
class UnderWay;
thread_local const UnderWay* innermost DD_STATIC_TLS = nullptr;

class UnderWay {
public:
    explicit UnderWay(const CDDObject* object) : object_(object), outer_(innermost) { innermost = this; }
    ~UnderWay() { innermost = outer_; }
    UnderWay(const UnderWay&) = delete;
    UnderWay& operator=(const UnderWay&) = delete;

    static bool includes(const CDDObject* object) {
        for (const UnderWay* at = innermost; at; at = at->outer_)
            if (at->object_ == object) return true;
        return false;
    }

private:
    const CDDObject* object_;
    const UnderWay* outer_;
};

}  // namespace

CDeviceAttributeCalculation::CDeviceAttributeCalculation(ItemIndex index, CatalogueBuilder builder)
    : index_(index), builder_(builder) {}

CDeviceAttributeCalculation::~CDeviceAttributeCalculation() { host_ = nullptr; }

void CDeviceAttributeCalculation::AttachHost(CCalculationHost* host) { host_ = host; }

bool CDeviceAttributeCalculation::IsReady() { return true; }

void CDeviceAttributeCalculation::DetachHost() { host_ = nullptr; }

void CDeviceAttributeCalculation::BuildCatalogue() {
    // Asked for by the host from inside one of the module's own operations (a
    // callback during a build, a calculation or a method run): ignored, as the
    // operation under way still reads the definitions a build replaces.
    if (busy_) return;
    const Busy busy(busy_);
    try {
        // A second build replaces the definitions of the first.
        definitions_.reset(index_.size());
        builder_(host_, definitions_);
    } catch (...) {
        // Out of memory: what was built stays; nothing reaches the host.
    }
}

const ItemEntry* CDeviceAttributeCalculation::item(std::int32_t id) const {
    if (id <= 0 || static_cast<std::size_t>(id) >= index_.size()) return nullptr;
    return &index_[static_cast<std::size_t>(id)];
}

void CDeviceAttributeCalculation::reportError(const CStrPP& text) const {
    if (!host_) return;
    if (CErrorOutput* output = host_->GetErrorOutput()) output->PutError(text);
}

CDDObject* CDeviceAttributeCalculation::forward(ContextWord context, CDDObject* object) {
    if (!object || UnderWay::includes(object)) return object;
    const UnderWay underWay(object);
    const Busy busy(busy_);
    try {
        const CDDDefinition* own = object->getcDefinition();
        if (!own) return object;
        // Negative IDs are not this module's; 0, IDs above the last item, items
        // without a calculator and a catalogue not yet built leave the object
        // untouched.
        const ItemEntry* entry = item(own->getID());
        if (!entry || !entry->calculate || !definition(entry->id)) return object;
        Request request(*this, context);
        if (entry->calculate(request, *object, *entry)) object->putAttributesAvailable(true);
    } catch (...) {
        // Nothing may reach the host; the object keeps what was set so far.
    }
    return object;
}

void CDeviceAttributeCalculation::ClearVariableClasses(CDDVariableClass* classes) {
    for (int value : classes::kCleared) classes->putClassInfo(enumDDVariableClassType{value}, false);
}

void CDeviceAttributeCalculation::ClearHandling(CDDVariable* variable) {
    variable->putHandling(ddhWrite, false);
    variable->putHandling(ddhRead, false);
}

void CDeviceAttributeCalculation::ClearMethodClasses(CDDMethodClass* classes) {
    for (int value : classes::kCleared) classes->putClassInfo(enumDDMethodClass{value}, false);
}
