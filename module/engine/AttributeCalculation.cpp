#include "engine/AttributeCalculation.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "engine/Classes.h"
#include "engine/Request.h"
#include "engine/ThreadEnd.h"

namespace {

// The objects under calculation in this process, by any calculator of this
// module, on any thread or fiber. A host may hand one of them back from inside
// a callback, to this calculator or to another, on the thread that made the
// callback or on one working for it: it comes back untouched, and the
// calculation under way finishes it as if alone, with no host call made
// twice. Kept for the whole process under a lock, not per thread: it takes
// no thread-local storage from the loader, sees a worker thread's call, and
// each entry goes with its own calculation, in whatever order calculations on
// fibers end.
class UnderWay {
public:
    // Marks the object as under way, unless it already is.
    explicit UnderWay(const CDDObject* object) {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (std::find(objects_.begin(), objects_.end(), object) != objects_.end()) return;
        objects_.push_back(object);
        object_ = object;
    }
    ~UnderWay() {
        if (!object_) return;
        const std::lock_guard<std::mutex> lock(mutex_);
        objects_.erase(std::find(objects_.begin(), objects_.end(), object_));
    }
    UnderWay(const UnderWay&) = delete;
    UnderWay& operator=(const UnderWay&) = delete;

    // False when the object was under way already.
    explicit operator bool() const { return object_ != nullptr; }

private:
    const CDDObject* object_ = nullptr;
    static std::mutex mutex_;
    static std::vector<const CDDObject*> objects_;
};

std::mutex UnderWay::mutex_;
std::vector<const CDDObject*> UnderWay::objects_;

}  // namespace

CDeviceAttributeCalculation::CDeviceAttributeCalculation(ItemIndex index, CatalogueBuilder builder)
    : index_(index), builder_(builder) {}

CDeviceAttributeCalculation::~CDeviceAttributeCalculation() { host_ = nullptr; }

void CDeviceAttributeCalculation::AttachHost(CCalculationHost* host) { host_ = host; }

bool CDeviceAttributeCalculation::IsReady() { return true; }

void CDeviceAttributeCalculation::DetachHost() { host_ = nullptr; }

void CDeviceAttributeCalculation::BuildCatalogue() {
    // Asked for by the host from inside one of the module's own operations (a
    // callback during a build, a calculation or a method run), or while
    // another thread builds: ignored, as the operation under way still reads
    // the definitions a build replaces.
    int idle = 0;
    if (!busy_.compare_exchange_strong(idle, 1)) return;
    const Busy busy(busy_, std::adopt_lock);
    try {
        // A second build replaces the definitions of the first.
        definitions_.reset(index_.size());
        builder_(host_, definitions_);
    } catch (...) {
        if (threadEnding()) throw;
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
    if (!object) return object;
    try {
        const UnderWay underWay(object);
        if (!underWay) return object;
        const Busy busy(busy_);
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
        if (threadEnding()) throw;
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
