#include "engine/AttributeCalculation.h"

#if !defined(_WIN32)
#include <pthread.h>
#endif

#include <mutex>
#include <thread>

#include "engine/Classes.h"
#include "engine/Request.h"
#include "engine/ThreadEnd.h"

namespace {

// The objects under calculation in this process, by any calculator of this
// module, on any thread or fiber. A host may hand one back from inside a
// callback, to any calculator, on the callback's thread or on one it waits
// for: it comes back untouched, and the calculation under way finishes it
// with each of its host calls made once. Each entry lives in the frame of its
// calculation and leaves with it, in whatever order calculations on fibers
// end: no thread-local storage, no allocation, and nothing destroyed at exit
// that threads still calculating would use.
class UnderWay {
public:
    // Marks the object as under way, unless it already is.
    explicit UnderWay(const CDDObject* object) : object_(object) {
        const std::lock_guard<std::mutex> lock(mutex_);
        for (const UnderWay* at = first_; at; at = at->next_)
            if (at->object_ == object) {
                object_ = nullptr;
                return;
            }
        link();
    }
    ~UnderWay() {
        if (!object_) return;
        const std::lock_guard<std::mutex> lock(mutex_);
        (previous_ ? previous_->next_ : first_) = next_;
        if (next_) next_->previous_ = previous_;
    }
    UnderWay(const UnderWay&) = delete;
    UnderWay& operator=(const UnderWay&) = delete;

    // False when the object was under way already.
    explicit operator bool() const { return object_ != nullptr; }

#if !defined(_WIN32)
    // A forked child has only the thread that forked: the list is whole, and
    // what the other threads had under way never ends there.
    static void beforeFork() { mutex_.lock(); }
    static void inParent() { mutex_.unlock(); }
    static void inChild() {
        UnderWay* at = first_;
        first_ = nullptr;
        for (UnderWay* next; at; at = next) {
            next = at->next_;
            if (at->thread_ == std::this_thread::get_id()) at->link();
        }
        mutex_.unlock();
    }
#endif

private:
    void link() {
        previous_ = nullptr;
        next_ = first_;
        if (first_) first_->previous_ = this;
        first_ = this;
    }

    const CDDObject* object_;
    const std::thread::id thread_ = std::this_thread::get_id();
    UnderWay* previous_ = nullptr;
    UnderWay* next_ = nullptr;
    static std::mutex mutex_;  // constant-initialised, with nothing to destroy
    static UnderWay* first_;
};

std::mutex UnderWay::mutex_;
UnderWay* UnderWay::first_ = nullptr;

#if !defined(_WIN32)
[[maybe_unused]] const int forkHandlers = pthread_atfork(UnderWay::beforeFork, UnderWay::inParent, UnderWay::inChild);
#endif

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
        passOnThreadEnd();
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
        passOnThreadEnd();
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
