#include "engine/AttributeCalculation.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <pthread.h>
#endif

#include <atomic>
#include <mutex>

#include "engine/Classes.h"
#include "engine/Request.h"
#include "engine/ThreadEnd.h"

// The marks of the operations under way in this process, by any calculator
// of this module, on any thread or fiber. A host may hand an object under
// way back from inside a callback, to any calculator, on the callback's
// thread or on one it waits for: it comes back untouched, and the
// calculation under way finishes it with each of its host calls made once.
// Each mark lives in the frame of its operation and leaves with it, in
// whatever order operations on fibers end: no thread-local storage, no
// allocation, and nothing destroyed at exit that threads still calculating
// would use.
namespace {

// The marks' lock, held for a few instructions at a time: taken and let go
// inline, by one atomic operation each where nobody waits, since every
// operation takes it twice and a validity test costs little more. A thread
// that finds it held sleeps until it is let go.
class MarksLock {
public:
    void lock() noexcept {
        int idle = 0;
        if (state_.compare_exchange_strong(idle, kHeld, std::memory_order_acquire)) return;
        while (state_.exchange(kWaitedFor, std::memory_order_acquire) != 0) sleep();
    }
    void unlock() noexcept {
        if (state_.exchange(0, std::memory_order_release) == kWaitedFor) wake();
    }

private:
    static constexpr int kHeld = 1, kWaitedFor = 2;
#if defined(_WIN32)
    // MinGW's atomic::wait has no futex: a wake-up between its look at the
    // word and its sleep is lost, and the thread sleeps for good. The
    // system's own lock and condition close that gap: the look is made
    // under `sleepers_`, which the waker takes before it wakes.
    void sleep() noexcept {
        AcquireSRWLockExclusive(&sleepers_);
        while (state_.load(std::memory_order_relaxed) == kWaitedFor)
            SleepConditionVariableSRW(&woken_, &sleepers_, INFINITE, 0);
        ReleaseSRWLockExclusive(&sleepers_);
    }
    void wake() noexcept {
        AcquireSRWLockExclusive(&sleepers_);
        ReleaseSRWLockExclusive(&sleepers_);
        WakeConditionVariable(&woken_);
    }
    SRWLOCK sleepers_ = SRWLOCK_INIT;
    CONDITION_VARIABLE woken_ = CONDITION_VARIABLE_INIT;
#else
    // A futex: the kernel looks at the word and sleeps as one step.
    void sleep() noexcept { state_.wait(kWaitedFor, std::memory_order_relaxed); }
    void wake() noexcept { state_.notify_one(); }
#endif
    std::atomic<int> state_{0};
};

constinit MarksLock marksLock;  // with nothing to destroy

}  // namespace

CDeviceAttributeCalculation::Busy* CDeviceAttributeCalculation::Busy::first_ = nullptr;

CDeviceAttributeCalculation::Busy::Busy(int& count, const CDDObject* object) : object_(object) {
    const std::lock_guard<MarksLock> lock(marksLock);
    if (object)
        for (const Busy* at = first_; at; at = at->next_)
            if (at->object_ == object) return;
    mark(count);
}

CDeviceAttributeCalculation::Busy::Busy(int& count, IfIdle) {
    const std::lock_guard<MarksLock> lock(marksLock);
    if (count == 0) mark(count);
}

CDeviceAttributeCalculation::Busy::~Busy() {
    if (!count_) return;
    const std::lock_guard<MarksLock> lock(marksLock);
    --*count_;
    if (linked_) unlink();
}

std::uint64_t CDeviceAttributeCalculation::Busy::currentThread() {
#if defined(_WIN32)
    return GetCurrentThreadId();
#else
    return static_cast<std::uint64_t>(pthread_self());
#endif
}

void CDeviceAttributeCalculation::Busy::mark(int& count) {
    count_ = &count;
    ++count;
    link();
}

void CDeviceAttributeCalculation::Busy::link() {
    previous_ = nullptr;
    next_ = first_;
    if (first_) first_->previous_ = this;
    first_ = this;
    linked_ = true;
}

void CDeviceAttributeCalculation::Busy::unlink() {
    (previous_ ? previous_->next_ : first_) = next_;
    if (next_) next_->previous_ = previous_;
    linked_ = false;
}

// A forked child has only the thread that forked: the list is whole, and
// what the other threads had under way never ends there, so their marks go,
// and each calculator is as that thread alone left it. The prepare step runs
// after the registry's, which is registered later (its file is linked
// later): a fork first waits for a registry call under way, which may take
// long, and only then holds up the module's operations.
void CDeviceAttributeCalculation::Busy::beforeFork() { marksLock.lock(); }
void CDeviceAttributeCalculation::Busy::inParent() { marksLock.unlock(); }
void CDeviceAttributeCalculation::Busy::inChild() {
    const std::uint64_t forking = currentThread();
    Busy* at = first_;
    first_ = nullptr;
    for (Busy* next; at; at = next) {
        next = at->next_;
        at->linked_ = false;
        if (at->thread_ == forking) {
            at->link();
        } else {
            --*at->count_;
            at->count_ = nullptr;  // a fiber of theirs resumed here ends with nothing to undo
        }
    }
    marksLock.unlock();
}

void CDeviceAttributeCalculation::threadEnding() {
    const std::uint64_t ending = Busy::currentThread();
    const std::lock_guard<MarksLock> lock(marksLock);
    for (Busy *at = Busy::first_, *next; at; at = next) {
        next = at->next_;
        if (at->thread_ == ending) at->unlink();
    }
}

#if defined(_WIN32)
const int CDeviceAttributeCalculation::Busy::forkHandlers_ = 0;
#else
const int CDeviceAttributeCalculation::Busy::forkHandlers_ = pthread_atfork(beforeFork, inParent, inChild);
#endif

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
    const Busy busy(busy_, Busy::IfIdle{});
    if (!busy) return;
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
        const Busy busy(busy_, object);
        if (!busy) return object;
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
