// Hosts that bend the contract: calls before the catalogue exists, builds
// asked for from inside the module's own calls, hosts that answer null or
// throw, and a seeded random walk over all of it.
#include <algorithm>
#include <atomic>
#include <cfloat>
#include <chrono>
#include <climits>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <map>
#include <mutex>
#include <new>
#include <random>
#include <sstream>
#include <thread>
#include <tuple>
#include <type_traits>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#else
#include <pthread.h>
#include <sys/wait.h>
#include <ucontext.h>
#endif

#include "catalogue/Catalogue.h"
#include "host/Dump.h"
#include "host/MethodInterface.h"
#include "tests/TestSupport.h"

namespace {

// What a throwing host throws.
struct HostFault {};

// Wraps the stand-in host. Per operation it can answer null (or a zero
// result), throw, ask the module for a new build before it answers, or
// re-enter the module (whatever `reenterWith` names, as a rule the object
// under way calculated again) before or after it answers.
class BendingHost final : public CCalculationHost {
public:
    enum class Bend { Null, Throw, Rebuild, ReenterEarly, ReenterLate, Count };
    static constexpr int kBends = static_cast<int>(Bend::Count);

    explicit BendingHost(StandInHost& inner) : inner_(inner), store_(*this), errors_(*this) {}

    void useModule(CAttributeCalculation* module) { module_ = module; }
    // The next `times` calls of `operation` are bent.
    void bend(const std::string& operation, Bend how, int times = 1) { bends_[operation] = {how, times}; }
    void straighten() { bends_.clear(); }
    // What a bent operation throws; a HostFault unless told otherwise.
    void throwWith(std::function<void()> thrower) { thrower_ = std::move(thrower); }
    // A thread that ended inside a re-entry without unwinding left it begun.
    void reentryEnded() { reentering_ = false; }
    // What a re-entry does; nothing when empty. A re-entry bends nothing of
    // its own: the host re-enters once, not from inside its re-entry.
    void reenterWith(std::function<void()> what) { reenter_ = std::move(what); }
    long reentries() const { return reentries_; }
    // Method interfaces handed out and not yet deleted.
    long alive() const { return alive_; }

    CMethodInterface* CreateMethodInterface(ContextWord context) override {
        return serve("CreateMethodInterface", [&]() -> CMethodInterface* {
            CMethodInterface* inner = inner_.CreateMethodInterface(context);
            return inner ? new Method(*this, inner) : nullptr;
        });
    }
    CObjectStore* GetObjectStore() override {
        return serve("GetObjectStore", [&]() -> CObjectStore* {
            innerStore_ = inner_.GetObjectStore();
            return innerStore_ ? &store_ : nullptr;
        });
    }
    CErrorOutput* GetErrorOutput() override {
        return serve("GetErrorOutput", [&]() -> CErrorOutput* {
            innerErrors_ = inner_.GetErrorOutput();
            return innerErrors_ ? &errors_ : nullptr;
        });
    }

private:
    // The answer to `operation` as it is bent: `answer()` straight, null or a
    // zero result, a throw, or `answer()` with a build or a re-entry first
    // or a re-entry after it.
    template <class Answer>
    auto serve(const char* operation, Answer&& answer) -> decltype(answer()) {
        using Result = decltype(answer());
        const auto found = reentering_ ? bends_.end() : bends_.find(operation);
        if (found == bends_.end()) return answer();
        const Bend how = found->second.first;
        if (--found->second.second <= 0) bends_.erase(found);
        switch (how) {
        case Bend::Null:
            if constexpr (std::is_void_v<Result>)
                return;
            else
                return Result{};
        case Bend::Throw: thrower_(); throw HostFault{};
        case Bend::Rebuild:
            if (module_) module_->BuildCatalogue();
            break;
        case Bend::ReenterEarly: reenter(); break;
        case Bend::Count: break;
        case Bend::ReenterLate:
            if constexpr (std::is_void_v<Result>) {
                answer();
                reenter();
                return;
            } else {
                Result result = answer();
                reenter();
                return result;
            }
        }
        return answer();
    }

    void reenter() {
        if (!reenter_ || reentering_) return;
        ++reentries_;
        // Straight again however the re-entry ends, a thread ending in it too.
        struct Reentering {
            bool& flag;
            ~Reentering() { flag = false; }
        } const reentering{reentering_ = true};
        reenter_();
    }

    class Store final : public CObjectStore {
    public:
        explicit Store(BendingHost& h) : h_(h) {}
        CObjectStore& inner() { return *h_.innerStore_; }
        bool AddObject(CDDObject* o) override {
            return h_.serve("AddObject", [&] { return inner().AddObject(o); });
        }
        bool PutRequestSet(CDDTransactionRef* t, CDDDefinitionSet* s) override {
            return h_.serve("PutRequestSet", [&] { return inner().PutRequestSet(t, s); });
        }
        bool PutReplySet(CDDTransactionRef* t, CDDDefinitionSet* s) override {
            return h_.serve("PutReplySet", [&] { return inner().PutReplySet(t, s); });
        }
        bool PutVariableSet(CDDDefinition* v, CDDDefinitionSet* s) override {
            return h_.serve("PutVariableSet", [&] { return inner().PutVariableSet(v, s); });
        }
        CDDBlock* GetBlock(ContextWord c, const CDDDefinition* d) override {
            return h_.serve("GetBlock", [&] { return inner().GetBlock(c, d); });
        }
        CDDCollection* GetCollection(ContextWord c, const CDDDefinition* d) override {
            return h_.serve("GetCollection", [&] { return inner().GetCollection(c, d); });
        }
        CDDObject* GetMemberObject(ContextWord c, CDDCollection* collection, CStrPP member) override {
            return h_.serve("GetMemberObject", [&] { return inner().GetMemberObject(c, collection, member); });
        }
        CDDCommonVariant* GetCurrentValue(ContextWord c, const CDDDefinition* d) override {
            return h_.serve("GetCurrentValue", [&] { return inner().GetCurrentValue(c, d); });
        }

    private:
        BendingHost& h_;
    };

    class Errors final : public CErrorOutput {
    public:
        explicit Errors(BendingHost& h) : h_(h) {}
        void PutError(const CStrPP& text) override {
            h_.serve("PutError", [&] { h_.innerErrors_->PutError(text); });
        }

    private:
        BendingHost& h_;
    };

    class Method final : public CMethodInterface {
    public:
        Method(BendingHost& h, CMethodInterface* inner) : h_(h), inner_(inner) { ++h_.alive_; }
        ~Method() override { --h_.alive_; }
        void BeginMethod(ContextWord c, CCalculationHost* host, const CDDDefinition& m, std::int32_t a) override {
            h_.serve("BeginMethod", [&] { inner_->BeginMethod(c, host, m, a); });
        }
        void PutMessageValues(CVBCollection* values) override {
            std::unique_ptr<CVBCollection> owned(values);  // ours whatever happens
            h_.serve("PutMessageValues", [&] { inner_->PutMessageValues(owned.release()); });
        }
        std::int32_t GetResult() override {
            return h_.serve("GetResult", [&] { return inner_->GetResult(); });
        }
        void SetResult(std::int32_t r) override {
            h_.serve("SetResult", [&] { inner_->SetResult(r); });
        }
        bool HasFailed() override {
            return h_.serve("HasFailed", [&] { return inner_->HasFailed(); });
        }
        void AbortMethod(std::int32_t code) override {
            h_.serve("AbortMethod", [&] { inner_->AbortMethod(code); });
        }
        std::int32_t ShowMessage(const CStrPP& t, std::int32_t f) override {
            return h_.serve("ShowMessage", [&] { return inner_->ShowMessage(t, f); });
        }
        bool PutFloatValue(const CStrPP& v, float x) override {
            return h_.serve("PutFloatValue", [&] { return inner_->PutFloatValue(v, x); });
        }
        float GetFloatValue(const CStrPP& v) override {
            return h_.serve("GetFloatValue", [&] { return inner_->GetFloatValue(v); });
        }
        std::int32_t EditValue(const CStrPP& p, std::int32_t f, const CStrPP& v) override {
            return h_.serve("EditValue", [&] { return inner_->EditValue(p, f, v); });
        }
        bool PutIntegerValue(const CStrPP& v, std::int32_t x) override {
            return h_.serve("PutIntegerValue", [&] { return inner_->PutIntegerValue(v, x); });
        }
        std::int32_t GetIntegerValue(const CStrPP& v) override {
            return h_.serve("GetIntegerValue", [&] { return inner_->GetIntegerValue(v); });
        }
        std::int32_t GetLongValue(const CStrPP& v) override {
            return h_.serve("GetLongValue", [&] { return inner_->GetLongValue(v); });
        }
        std::int32_t SaveValues() override {
            return h_.serve("SaveValues", [&] { return inner_->SaveValues(); });
        }
        std::int32_t GetVariableId(const CStrPP& v) override {
            return h_.serve("GetVariableId", [&] { return inner_->GetVariableId(v); });
        }
        std::int32_t ReadCommand(const CStrPP& c) override {
            return h_.serve("ReadCommand", [&] { return inner_->ReadCommand(c); });
        }
        std::int32_t WriteCommand(const CStrPP& c) override {
            return h_.serve("WriteCommand", [&] { return inner_->WriteCommand(c); });
        }

    private:
        BendingHost& h_;
        std::unique_ptr<CMethodInterface> inner_;
    };

    StandInHost& inner_;
    CObjectStore* innerStore_ = nullptr;
    CErrorOutput* innerErrors_ = nullptr;
    Store store_;
    Errors errors_;
    CAttributeCalculation* module_ = nullptr;
    std::map<std::string, std::pair<Bend, int>> bends_;
    std::function<void()> reenter_;
    std::function<void()> thrower_ = [] { throw HostFault{}; };
    bool reentering_ = false;
    long reentries_ = 0;
    long alive_ = 0;
};

const char* const kHostOperations[] = {
    "CreateMethodInterface",
    "GetObjectStore",
    "GetErrorOutput",
    "AddObject",
    "PutRequestSet",
    "PutReplySet",
    "PutVariableSet",
    "GetBlock",
    "GetCollection",
    "GetMemberObject",
    "GetCurrentValue",
    "PutError",
    "BeginMethod",
    "PutMessageValues",
    "GetResult",
    "SetResult",
    "HasFailed",
    "AbortMethod",
    "ShowMessage",
    "PutFloatValue",
    "GetFloatValue",
    "EditValue",
    "PutIntegerValue",
    "GetIntegerValue",
    "GetLongValue",
    "SaveValues",
    "GetVariableId",
    "ReadCommand",
    "WriteCommand",
};

// The module's calculator on the stand-in host, seen through a bending host.
struct Bench {
    explicit Bench(ModuleLoader& module, bool build = true)
        : calculator(module.getAttributeCalculation()), host(inner) {
        inner.log().enable(true);  // the tests read the call log
        inner.useModule(calculator.get());
        host.useModule(calculator.get());
        calculator->AttachHost(&host);
        if (!build) return;
        calculator->BuildCatalogue();
        inner.startFromDefaults();
        inner.log().clear();
    }
    ~Bench() { calculator->DetachHost(); }

    // A copy of the stored object, as a host passes it.
    std::unique_ptr<CDDObject> object(const char* name) const {
        const CDDObject* stored = inner.objectNamed(name);
        return std::unique_ptr<CDDObject>(stored ? stored->clone() : nullptr);
    }

    StandInHost inner;
    std::unique_ptr<CAttributeCalculation> calculator;
    BendingHost host;
};

// A whole catalogue as a host sees it: every item's dump.
std::string everything(Bench& b) {
    std::string out;
    for (const std::int32_t id : b.inner.ids()) out += dumpItem(b.inner, *b.calculator, id) + "\n";
    return out;
}

}  // namespace

TEST(Boundary, MethodsAreRefusedUntilTheCatalogueIsBuilt) {
    ModuleLoader module(DD_MODULE_PATH);
    Bench b(module, false);
    int methods = 0;
    for (const auto& entry : catalogue::kItems) {
        if (!entry.name || entry.kind != ddkMethod) continue;
        ++methods;
        CDDMethod method(CDDDefinition(entry.id, CStrPP(entry.name), ddkMethod));
        EXPECT_EQ(b.calculator->ExecuteMethod(ContextWord{0}, &method, 0, false), -1) << entry.name;
        EXPECT_EQ(b.calculator->ExecuteMethod(ContextWord{0}, &method, 0, true), -1) << entry.name;
    }
    EXPECT_EQ(methods, 25);
    // Not even a method interface is asked for.
    EXPECT_EQ(b.inner.log().lines(), std::vector<std::string>{});
    EXPECT_EQ(b.inner.alive(), 0);
}

TEST(Boundary, AnExceptionFromAMethodCallbackEndsTheRunWhateverItsType) {
    // An error code thrown as an int, a class of the host's, memory running
    // out: none is the method's own stop, so none sets a result or asks for
    // one, with failures ignored or not.
    ModuleLoader module(DD_MODULE_PATH);
    Bench b(module);
    const auto method = b.object("method_phys_factory_reset_device_specific");
    for (const auto& [what, thrower] : std::vector<std::pair<const char*, std::function<void()>>>{
             {"int", [] { throw -2; }},
             {"HostFault", [] { throw HostFault{}; }},
             {"bad_alloc", [] { throw std::bad_alloc(); }},
         }) {
        b.host.throwWith(thrower);
        for (const char* operation : {"BeginMethod", "EditValue", "HasFailed", "WriteCommand", "SaveValues"})
            for (const bool ignoreFailures : {false, true}) {
                SCOPED_TRACE(std::string(what) + " from " + operation + (ignoreFailures ? ", failures ignored" : ""));
                b.host.bend(operation, BendingHost::Bend::Throw);
                b.inner.log().clear();
                EXPECT_EQ(b.calculator->ExecuteMethod(ContextWord{0}, method.get(), 0, ignoreFailures), -1);
                EXPECT_EQ(b.inner.log().count("SetResult"), 0u);
                EXPECT_EQ(b.inner.log().count("GetResult"), 0u);
                EXPECT_EQ(b.host.alive(), 0);
                b.host.straighten();
            }
    }
}

TEST(Boundary, ABuildAskedForDuringABuildIsIgnored) {
    ModuleLoader module(DD_MODULE_PATH);
    Bench reference(module);
    const std::string expected = everything(reference);
    for (const char* operation : {"GetObjectStore", "AddObject", "PutReplySet", "PutVariableSet"}) {
        for (const int times : {1, 700}) {
            Bench b(module, false);
            b.host.bend(operation, BendingHost::Bend::Rebuild, times);
            b.calculator->BuildCatalogue();
            b.host.straighten();
            // One build's worth of calls, not two interleaved.
            EXPECT_EQ(b.inner.log().count("AddObject"), 635u) << operation << " " << times;
            EXPECT_EQ(b.inner.log().count("PutVariableSet"), 270u) << operation << " " << times;
            b.inner.startFromDefaults();
            EXPECT_EQ(everything(b), expected) << operation << " " << times;
        }
    }
}

TEST(Boundary, ABuildAskedForDuringAMenuCalculationIsIgnored) {
    ModuleLoader module(DD_MODULE_PATH);
    Bench reference(module);
    const auto menuDump = [](Bench& b) {
        return dumpItem(b.inner, *b.calculator, b.inner.idOf("Page_Adjust_BasicSetup_step1"));
    };
    const std::string expected = menuDump(reference);
    ASSERT_NE(expected.find("trans1_level_unit"), std::string::npos);
    for (const char* operation : {"GetCollection", "GetMemberObject", "GetCurrentValue", "GetObjectStore"}) {
        for (const int times : {1, 2, 3, 50}) {
            Bench b(module);
            auto menu = b.object("Page_Adjust_BasicSetup_step1");
            b.host.bend(operation, BendingHost::Bend::Rebuild, times);
            b.calculator->CalculateAttributes05(ContextWord{0}, menu.get());
            EXPECT_TRUE(b.calculator->MenuValidity(ContextWord{0}, menu.get()));
            b.host.straighten();
            EXPECT_EQ(b.inner.log().count("AddObject"), 0u) << operation << " " << times;
            EXPECT_EQ(b.inner.alive(), 0);
            EXPECT_EQ(menuDump(b), expected) << operation << " " << times;
        }
    }
    // The same from inside a method run and a validity test.
    Bench b(module);
    b.host.bend("CreateMethodInterface", BendingHost::Bend::Rebuild);
    b.host.bend("GetCurrentValue", BendingHost::Bend::Rebuild);
    auto method = b.object("method_parWriteLocking_remember");
    b.calculator->ExecuteMethod(ContextWord{0}, method.get(), 0, false);
    auto variable = b.object("parDisplayValue");
    b.calculator->VariableValidity(ContextWord{0}, variable.get());
    EXPECT_EQ(b.inner.log().count("AddObject"), 0u);
    EXPECT_EQ(b.inner.alive() + b.host.alive(), 0);
}

TEST(Boundary, TheObjectUnderWayCalculatedAgainFromACallbackEndsAsOneCleanCalculation) {
    // A range and a format read from values, chosen enumerators, a menu of
    // collection members, a command with its block, a method whose validity
    // reads the write lock.
    const char* const items[] = {"parBargraphScaleMax",
                                 "parBargraphScaleMin_offline",
                                 "func1_AI_out_lower_range_value",
                                 "trans1_blk_class",
                                 "func1_AI_simulate_status_limit",
                                 "Page_simulation_devicespecific",
                                 "Page_Adjust_BasicSetup_step1",
                                 "read_parBargraphScaleMin_offline",
                                 "meth_reset_min_temperature"};
    const char* const callbacks[] = {"GetObjectStore", "GetCurrentValue", "GetBlock", "GetCollection",
                                     "GetMemberObject"};
    ModuleLoader module(DD_MODULE_PATH);
    // A copy of the module at another path, loaded beside it: its calculator
    // cannot know what this one has under way, and calculates the object in
    // full, on its own host.
    const TemporaryFolder folder;
    const std::filesystem::path copy =
        folder.path / ("ZTQQVPB153A0101-copy" + std::filesystem::path(DD_MODULE_PATH).extension().string());
    std::filesystem::copy_file(DD_MODULE_PATH, copy);
    ModuleLoader secondLoad(copy.string());
    ASSERT_TRUE(secondLoad.loaded()) << secondLoad.error();
    Bench b(module);
    Bench other(module);  // another calculator, attached to another host
    Bench loaded(secondLoad);
    // Who calculates the object again: this calculator or another, on the
    // thread of the callback or on a worker thread the callback waits for.
    struct Way {
        Bench* by;
        bool worker;
        const char* what;
    };
    const Way ways[] = {{&b, false, ""},
                        {&other, false, " by another"},
                        {&b, true, " on a worker thread"},
                        {&other, true, " by another on a worker thread"},
                        {&loaded, false, " by a second load"},
                        {&loaded, true, " by a second load on a worker thread"}};
    std::size_t slot = 0;
    for (const char* name : items) {
        auto clean = b.object(name);
        ASSERT_NE(clean, nullptr) << name;
        b.calculator->CalculateAttributes05(ContextWord{0}, clean.get());
        const std::string expected = dumpObject(*clean, std::nullopt);
        const std::vector<std::string> calls = b.inner.log().lines();
        b.inner.log().clear();
        long reentered = 0;
        for (const char* callback : callbacks)
            for (const auto when : {BendingHost::Bend::ReenterEarly, BendingHost::Bend::ReenterLate})
                for (const int times : {1, 2, 1000})
                    for (const Way& way : ways) {
                        SCOPED_TRACE(std::string(name) + " from " + callback + way.what +
                                     (when == BendingHost::Bend::ReenterEarly ? " early x" : " late x") +
                                     std::to_string(times));
                        auto object = b.object(name);
                        CDDObject* const underWay = object.get();
                        const Forwarder outer = kForwarders[slot++ % std::size(kForwarders)];
                        const Forwarder inner = kForwarders[slot++ % std::size(kForwarders)];
                        b.host.reenterWith([&] {
                            const auto again = [&] {
                                EXPECT_EQ((way.by->calculator.get()->*inner)(ContextWord{0}, underWay), underWay);
                            };
                            if (way.worker)
                                std::thread(again).join();
                            else
                                again();
                        });
                        b.host.bend(callback, when, times);
                        const long before = b.host.reentries();
                        EXPECT_EQ((b.calculator.get()->*outer)(ContextWord{0}, underWay), underWay);
                        reentered += b.host.reentries() - before;
                        b.host.straighten();
                        b.host.reenterWith(nullptr);
                        EXPECT_EQ(dumpObject(*object, std::nullopt), expected);
                        // The calls of one calculation, none of the inner one's.
                        EXPECT_EQ(b.inner.log().lines(), calls);
                        EXPECT_EQ(other.inner.log().lines(), std::vector<std::string>{});
                        EXPECT_EQ(b.inner.alive() + other.inner.alive() + loaded.inner.alive(), 0);
                        b.inner.log().clear();
                        loaded.inner.log().clear();
                    }
        EXPECT_GT(reentered, 0) << name << " makes none of these callbacks";
    }
}

TEST(Boundary, AValidityTestOfTheObjectUnderWayFromACallbackIsAnsweredAsAlone) {
    using Validity = bool (CAttributeCalculation::*)(ContextWord, CDDObject*);
    const std::pair<const char*, Validity> items[] = {
        {"func1_AI_out_lower_range_value", &CAttributeCalculation::VariableValidity},
        {"meth_reset_min_temperature", &CAttributeCalculation::MethodValidity},
        {"Page_simulation_devicespecific", &CAttributeCalculation::MenuValidity},
    };
    ModuleLoader module(DD_MODULE_PATH);
    Bench b(module);
    for (const int lock : {0, 9361}) {
        b.inner.setValue(item::parWriteLocking, CDDCommonVariant(lock));
        for (const auto& [name, validity] : items) {
            SCOPED_TRACE(std::string(name) + " with the lock at " + std::to_string(lock));
            auto alone = b.object(name);
            b.calculator->CalculateAttributes05(ContextWord{0}, alone.get());
            const bool valid = (b.calculator.get()->*validity)(ContextWord{0}, alone.get());
            auto object = b.object(name);
            std::vector<bool> answers;
            b.host.reenterWith(
                [&, v = validity] { answers.push_back((b.calculator.get()->*v)(ContextWord{0}, object.get())); });
            for (const char* callback : {"GetObjectStore", "GetCurrentValue", "GetCollection", "GetMemberObject"})
                b.host.bend(callback, BendingHost::Bend::ReenterLate, 1000);
            b.calculator->CalculateAttributes26(ContextWord{0}, object.get());
            b.host.straighten();
            b.host.reenterWith(nullptr);
            EXPECT_EQ(dumpObject(*object, std::nullopt), dumpObject(*alone, std::nullopt));
            EXPECT_FALSE(answers.empty());
            for (const bool answer : answers) EXPECT_EQ(answer, valid);
            EXPECT_EQ(b.inner.alive(), 0);
        }
    }
}

TEST(Boundary, ThreadsSharingACalculatorLeaveItAsItWas) {
    ModuleLoader module(DD_MODULE_PATH);
    Bench b(module);
    // Items whose calculation asks the host nothing, as the stand-in host
    // serves one thread at a time.
    std::vector<std::pair<std::unique_ptr<CDDObject>, std::string>> quiet;
    for (const std::int32_t id : b.inner.ids()) {
        std::unique_ptr<CDDObject> object(b.inner.object(id)->clone());
        b.calculator->CalculateAttributes05(ContextWord{0}, object.get());
        if (b.inner.log().lines().empty()) quiet.emplace_back(std::move(object), dumpObject(*object, std::nullopt));
        b.inner.log().clear();
    }
    ASSERT_GT(quiet.size(), 100u);
    constexpr int kThreads = 8;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            std::vector<std::pair<std::unique_ptr<CDDObject>, const std::string*>> own;
            for (std::size_t i = static_cast<std::size_t>(t); i < quiet.size(); i += kThreads)
                own.emplace_back(quiet[i].first->clone(), &quiet[i].second);
            for (int round = 0; round < 40; ++round)
                for (auto& [object, expected] : own) {
                    b.calculator->CalculateAttributes05(ContextWord{0}, object.get());
                    if (dumpObject(*object, std::nullopt) != *expected) ADD_FAILURE() << *expected;
                }
        });
    for (std::thread& thread : threads) thread.join();
    // No operation is left counted as under way: a build is not refused.
    b.calculator->BuildCatalogue();
    EXPECT_EQ(b.inner.log().count("AddObject"), 635u);
}

#if !defined(_WIN32)

namespace {

// A calculation on a fiber of its own, which a host callback can suspend.
class Fiber {
public:
    explicit Fiber(std::function<void()> body) : body_(std::move(body)), stack_(512 * 1024) {
        getcontext(&context_);
        context_.uc_stack.ss_sp = stack_.data();
        context_.uc_stack.ss_size = stack_.size();
        context_.uc_link = &caller_;
        makecontext(&context_, reinterpret_cast<void (*)()>(&Fiber::start), 2,
                    static_cast<unsigned>(reinterpret_cast<std::uint64_t>(this) >> 32),
                    static_cast<unsigned>(reinterpret_cast<std::uint64_t>(this)));
    }
    Fiber(const Fiber&) = delete;
    Fiber& operator=(const Fiber&) = delete;
    ~Fiber() { std::fill(stack_.begin(), stack_.end(), '\xA5'); }  // as the memory's next use would

    // Runs the fiber until it suspends or ends.
    void resume() { swapcontext(&caller_, &context_); }
    // From inside the fiber: back to whoever resumed it.
    void suspend() { swapcontext(&context_, &caller_); }
    bool ended() const { return ended_; }

private:
    static void start(unsigned high, unsigned low) {
        auto* fiber = reinterpret_cast<Fiber*>(static_cast<std::uintptr_t>((std::uint64_t{high} << 32) | low));
        fiber->body_();
        fiber->ended_ = true;
    }

    std::function<void()> body_;
    std::vector<char> stack_;
    ucontext_t context_{};
    ucontext_t caller_{};
    bool ended_ = false;
};

}  // namespace

TEST(Boundary, CalculationsOnFibersMayEndInAnyOrder) {
    ModuleLoader module(DD_MODULE_PATH);
    Bench first(module), second(module);
    struct Run {
        Bench& bench;
        const char* name;
        std::string expected;
        std::vector<std::string> calls;
        std::unique_ptr<CDDObject> object;
    };
    Run runs[] = {{first, "trans1_blk_class", {}, {}, {}}, {second, "Page_Adjust_BasicSetup_step1", {}, {}, {}}};
    const auto calculate = [](Run& run) {
        run.bench.inner.log().clear();
        run.bench.calculator->CalculateAttributes05(ContextWord{0}, run.object.get());
        EXPECT_EQ(dumpObject(*run.object, std::nullopt), run.expected) << run.name;
        EXPECT_EQ(run.bench.inner.log().lines(), run.calls) << run.name;
    };
    for (Run& run : runs) {
        run.object = run.bench.object(run.name);
        run.bench.calculator->CalculateAttributes05(ContextWord{0}, run.object.get());
        run.expected = dumpObject(*run.object, std::nullopt);
        run.calls = run.bench.inner.log().lines();
        run.object = run.bench.object(run.name);
    }
    {
        // Each suspends inside its first callback; the one begun first ends
        // first.
        std::vector<std::unique_ptr<Fiber>> fibers;
        for (Run& run : runs) {
            fibers.push_back(std::make_unique<Fiber>([&] { calculate(run); }));
            Fiber& fiber = *fibers.back();
            run.bench.host.reenterWith([&fiber] { fiber.suspend(); });
            run.bench.host.bend("GetObjectStore", BendingHost::Bend::ReenterEarly);
            fiber.resume();
            ASSERT_FALSE(fiber.ended()) << run.name;
        }
        for (auto& fiber : fibers) {
            fiber->resume();
            EXPECT_TRUE(fiber->ended());
        }
        for (Run& run : runs) run.bench.host.reenterWith(nullptr);
    }
    // The fibers' stacks are gone; the same objects, reset, and others
    // calculate on this thread as on any other.
    for (Run& run : runs) {
        run.object = run.bench.object(run.name);
        calculate(run);
        calculate(run);
    }
    EXPECT_EQ(everything(first), everything(second));
}

#else

// A thread's start: runs the function it is given.
DWORD WINAPI runEnding(void* f) {
    (*static_cast<std::function<void()>*>(f))();
    return 0;
}

TEST(Boundary, ThreadsThatContendForTheModuleWhileOthersEndAllGoOn) {
    // Workers run validity tests in bursts, meeting between bursts, so that
    // at times all contend for the module's lock and then none does, while
    // other threads start and end (each end takes the lock too). A wake-up
    // lost in between leaves a thread asleep in the module for good.
    ModuleLoader module(DD_MODULE_PATH);
    Bench b(module);
    const auto item = b.object("trans1_level_unit");  // valid without asking the host
    constexpr int kWorkers = 8, kEnders = 2, kBurst = 2000;
    std::atomic<bool> stop{false};
    std::atomic<long> tests{0}, ends{0};
    // Not std::barrier: it is built on the waits under test.
    std::mutex meeting;
    std::condition_variable met;
    int arrived = 0, round = 0;
    bool finished = false;
    std::vector<std::thread> threads;
    for (int t = 0; t < kWorkers; ++t)
        threads.emplace_back([&] {
            const std::unique_ptr<CDDObject> own(item->clone());
            for (;;) {
                for (int i = 0; i < kBurst; ++i)
                    if (!b.calculator->VariableValidity(ContextWord{0}, own.get())) ADD_FAILURE() << "not valid";
                tests += kBurst;
                std::unique_lock<std::mutex> lock(meeting);
                if (++arrived == kWorkers) {
                    // The last to arrive decides for all whether they go on.
                    arrived = 0;
                    ++round;
                    finished = stop;
                    met.notify_all();
                } else {
                    met.wait(lock, [&, at = round] { return round != at; });
                }
                if (finished) return;
            }
        });
    std::function<void()> nothing = [] {};
    for (int t = 0; t < kEnders; ++t)
        threads.emplace_back([&] {
            while (!stop) {
                const HANDLE thread = CreateThread(nullptr, 0, runEnding, &nothing, 0, nullptr);
                if (!thread || WaitForSingleObject(thread, INFINITE) != WAIT_OBJECT_0) ADD_FAILURE() << "no thread";
                if (thread) CloseHandle(thread);
                ++ends;
            }
        });
    // A thread asleep for good cannot be joined: told, the process ends.
    const auto still = [](const char* what) {
        std::fprintf(stderr, "no %s for 5 s: a thread sleeps in the module for good\n", what);
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 1);
    };
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    auto testsMoved = start, endsMoved = start;
    for (long lastTests = 0, lastEnds = 0; Clock::now() - start < std::chrono::seconds(10);) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const auto now = Clock::now();
        if (const long n = tests; n != lastTests) lastTests = n, testsMoved = now;
        if (const long n = ends; n != lastEnds) lastEnds = n, endsMoved = now;
        if (now - testsMoved > std::chrono::seconds(5)) still("validity test");
        if (now - endsMoved > std::chrono::seconds(5)) still("thread end");
    }
    stop = true;
    for (std::thread& thread : threads) thread.join();
    EXPECT_GT(tests, 0);
    EXPECT_GT(ends, 0);
    // Nothing is left under way: a build is not refused.
    b.calculator->BuildCatalogue();
    EXPECT_EQ(b.inner.log().count("AddObject"), 635u);
}

#endif

TEST(Boundary, AHostThreadThatEndsInsideACallbackLeavesTheModuleUsable) {
    // A calculation, validity tests, method runs and a build, each ended
    // inside a callback of the host's or of its method interface: on Linux
    // by pthread_exit, which unwinds through the module; on Windows by
    // ExitThread, which does not: there what the thread had under way is
    // dropped, and its calculator stays busy.
#if defined(_WIN32)
    constexpr bool unwinds = false;
#else
    constexpr bool unwinds = true;
#endif
    enum class Operation { Build, Calculate, VariableValidity, MethodValidity, Execute };
    const std::tuple<Operation, const char*, const char*> cases[] = {
        {Operation::Calculate, "Page_Adjust_BasicSetup_step1", "GetMemberObject"},
        {Operation::Calculate, "trans1_blk_class", "GetCurrentValue"},
        {Operation::VariableValidity, "parDisplayValue", "GetCurrentValue"},
        {Operation::MethodValidity, "meth_reset_min_temperature", "GetCurrentValue"},
        {Operation::Execute, "meth_reset_min_temperature", "BeginMethod"},
        {Operation::Execute, "method_parWriteLocking_remember", "GetIntegerValue"},
        {Operation::Build, nullptr, "AddObject"},
    };
    ModuleLoader module(DD_MODULE_PATH);
    Bench b(module);
    for (const auto& [operation, name, callback] : cases) {
        SCOPED_TRACE(std::string(name ? name : "the catalogue") + " ended in " + callback);
        std::unique_ptr<CDDObject> object;
        const auto run = [&, operation = operation] {
            CAttributeCalculation& c = *b.calculator;
            std::int32_t result = 0;
            switch (operation) {
            case Operation::Build: c.BuildCatalogue(); return std::to_string(b.inner.log().count("AddObject"));
            case Operation::Calculate: c.CalculateAttributes05(ContextWord{0}, object.get()); break;
            case Operation::VariableValidity: result = c.VariableValidity(ContextWord{0}, object.get()); break;
            case Operation::MethodValidity: result = c.MethodValidity(ContextWord{0}, object.get()); break;
            case Operation::Execute: result = c.ExecuteMethod(ContextWord{0}, object.get(), 0, false); break;
            }
            return std::to_string(result) + " " + dumpObject(*object, std::nullopt);
        };
        if (name) object = b.object(name);
        const std::string alone = run();
        const std::vector<std::string> calls = b.inner.log().lines();
        b.inner.log().clear();

        // The thread that ends and the one after it work on the same object.
        if (name) object = b.object(name);
        bool returned = false;
        std::function<void()> ending = [&] {
            run();
            returned = true;
        };
#if defined(_WIN32)
        b.host.reenterWith([] { ExitThread(0); });
        b.host.bend(callback, BendingHost::Bend::ReenterEarly);
        const HANDLE thread = CreateThread(nullptr, 0, runEnding, &ending, 0, nullptr);
        ASSERT_NE(thread, nullptr);
        ASSERT_EQ(WaitForSingleObject(thread, INFINITE), WAIT_OBJECT_0);
        CloseHandle(thread);
        b.host.reentryEnded();
#else
        b.host.reenterWith([] { pthread_exit(nullptr); });
        b.host.bend(callback, BendingHost::Bend::ReenterEarly);
        pthread_t thread;
        ASSERT_EQ(pthread_create(
                      &thread, nullptr,
                      [](void* f) -> void* {
                          (*static_cast<std::function<void()>*>(f))();
                          return nullptr;
                      },
                      &ending),
                  0);
        ASSERT_EQ(pthread_join(thread, nullptr), 0);
#endif
        // Not unwound, the operations ended before leave the calculator busy:
        // its builds are ignored.
        const bool ignored = !unwinds && operation == Operation::Build;
        EXPECT_EQ(returned, ignored);
        b.host.straighten();
        b.host.reenterWith(nullptr);
        if (unwinds) {
            EXPECT_EQ(b.inner.alive() + b.host.alive(), 0);
        }
        b.inner.log().clear();

        // Nothing stays under way, and unwound, nothing stays busy.
        std::string again;
        std::thread([&] { again = run(); }).join();
        if (ignored) {
            EXPECT_EQ(again, "0");
            continue;
        }
        EXPECT_EQ(again, alone);
        EXPECT_EQ(b.inner.log().lines(), calls);
        b.inner.log().clear();
    }
}

#if !defined(_WIN32)

TEST(Boundary, InAForkedChildWhatOtherThreadsHadUnderWayCalculates) {
    ModuleLoader module(DD_MODULE_PATH);
    Bench b(module);
    auto object = b.object("trans1_blk_class");
    // Another thread's calculation of the object waits inside a callback
    // while the process forks; in the child that thread is gone, and so is
    // what it held: the object calculates anew, and the calculator builds.
    std::promise<void> waiting, resume;
    b.host.reenterWith([&, resumed = resume.get_future().share()] {
        waiting.set_value();
        resumed.wait();
    });
    b.host.bend("GetObjectStore", BendingHost::Bend::ReenterEarly);
    std::thread calculating([&] { b.calculator->CalculateAttributes05(ContextWord{0}, object.get()); });
    waiting.get_future().wait();
    const pid_t child = fork();
    if (child == 0) {
        b.inner.log().clear();
        b.calculator->CalculateAttributes05(ContextWord{0}, object.get());
        if (b.inner.log().lines().empty()) _exit(1);
        b.inner.log().clear();
        b.calculator->BuildCatalogue();
        _exit(b.inner.log().count("AddObject") == 635u ? 0 : 2);
    }
    resume.set_value();
    calculating.join();
    b.host.reenterWith(nullptr);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 1) << "the child's calculation made no host call";
    EXPECT_NE(WEXITSTATUS(status), 2) << "the child's build did not store every item";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

#endif

TEST(Boundary, ACommandNamingAVariableTheHostRefusedFailsTheStep) {
    // The host refuses every item up to trans1_level_hi; the commands and
    // methods after it are stored. Found by the walk with seed 997400254710.
    ModuleLoader module(DD_MODULE_PATH);
    Bench b(module, false);
    b.host.bend("AddObject", BendingHost::Bend::Null, item::trans1_level_hi);
    b.calculator->BuildCatalogue();
    b.inner.startFromDefaults();
    ASSERT_EQ(b.inner.object(item::trans1_level_hi), nullptr);
    auto method = b.object("meth_transfer_calibration_full");
    ASSERT_NE(method, nullptr);
    b.calculator->ExecuteMethod(ContextWord{0}, method.get(), 0, false);
    const auto checks = b.inner.log().with("HasFailed");
    EXPECT_NE(std::find(checks.begin(), checks.end(), "HasFailed true"), checks.end());
    EXPECT_EQ(b.inner.alive() + b.host.alive(), 0);
    for (const bool read : {true, false}) {
        SimulatedMethodInterface run(b.inner);
        EXPECT_EQ(
            read ? run.ReadCommand(CStrPP("read_trans1_level_hi")) : run.WriteCommand(CStrPP("write_trans1_level_hi")),
            -1);
        EXPECT_TRUE(run.HasFailed());
    }
}

TEST(Boundary, ASecondBuildReplacesTheFirst) {
    ModuleLoader module(DD_MODULE_PATH);
    Bench b(module);
    const std::string first = everything(b);
    b.calculator->BuildCatalogue();
    b.calculator->BuildCatalogue();
    EXPECT_EQ(everything(b), first);
}

// ---------------------------------------------------------------- random walk

namespace {

class Walk {
public:
    Walk(ModuleLoader& module, std::uint64_t seed) : module_(module), rng_(seed) {
        for (const auto& entry : catalogue::kItems)
            if (entry.name) {
                const auto id = static_cast<item::Id>(entry.id);
                (entry.kind == ddkVariable ? variables_ : others_).push_back(id);
                if (entry.kind == ddkMethod) methods_.push_back(id);
            }
    }

    // One step: returns what it did, for the failure message.
    std::string step() {
        did_.str("");
        std::ostringstream& did = did_;
        if (!bench_ || chance(1, 150)) {
            did << "fresh; ";
            fresh();
        }
        switch (pick(10)) {
        case 0: values(did); break;
        case 1: bendHost(did); break;
        case 2: scriptRun(did); break;
        case 3: attachment(did); break;
        case 4: information(did); break;
        case 5: method(did); break;
        default: calculation(did); break;
        }
        return did.str();
    }

    std::string last() const { return did_.str(); }
    long reentries() const { return reentries_; }
    long alive() const {
        long alive = 0;
        for (const Bench* b : {bench_.get(), other_.get()})
            if (b) alive += b->inner.alive() + b->host.alive();
        return alive;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(int in, int of) { return pick(of) < in; }
    template <class T>
    const T& oneOf(const std::vector<T>& v) {
        return v[static_cast<std::size_t>(pick(static_cast<int>(v.size())))];
    }
    template <class T, std::size_t N>
    const T& oneOf(const T (&a)[N]) {
        return a[static_cast<std::size_t>(pick(static_cast<int>(N)))];
    }

    void fresh() {
        bench_.reset();
        bench_ = std::make_unique<Bench>(module_, !chance(1, 10));
        if (!other_) other_ = std::make_unique<Bench>(module_);
    }

    // While `underWay` is calculated, tested or run, a re-entry bent into the
    // host hands it back: calculated again by this calculator or another one
    // attached to another host, tested or run, on the callback's thread or on
    // a worker thread it waits for.
    class Reentry {
    public:
        Reentry(Walk& walk, CDDObject* underWay, std::ostringstream& did) : host_(walk.bench_->host) {
            host_.reenterWith([&walk, underWay] { walk.reenter(underWay); });
            if (!walk.chance(1, 3)) return;
            // Often enough that re-entries are not left to the bends of chance.
            static const char* const kCallbacks[] = {"GetObjectStore", "GetCurrentValue", "GetBlock",
                                                     "GetCollection",  "GetMemberObject", "CreateMethodInterface",
                                                     "BeginMethod",    "EditValue",       "ReadCommand"};
            const char* callback = walk.oneOf(kCallbacks);
            const bool early = walk.chance(1, 2);
            const int times = walk.chance(1, 3) ? 1000 : 1 + walk.pick(3);
            did << " re-entering from " << callback << (early ? " early" : " late") << " x" << times;
            host_.bend(callback, early ? BendingHost::Bend::ReenterEarly : BendingHost::Bend::ReenterLate, times);
        }
        ~Reentry() { host_.reenterWith(nullptr); }
        Reentry(const Reentry&) = delete;
        Reentry& operator=(const Reentry&) = delete;

    private:
        BendingHost& host_;
    };

    void reenter(CDDObject* underWay) {
        ++reentries_;
        const int forwarders = static_cast<int>(std::size(kForwarders));
        const int which = pick(2 * forwarders + 4);
        CAttributeCalculation& c = *(which < forwarders ? bench_ : other_)->calculator;
        const ContextWord context{static_cast<std::uint32_t>(rng_())};
        const bool ignoreFailures = chance(1, 2);
        bool another = false;
        const auto call = [&] {
            if (which < 2 * forwarders)
                another = (c.*kForwarders[which % forwarders])(context, underWay) != underWay;
            else if (which == 2 * forwarders)
                c.VariableValidity(context, underWay);
            else if (which == 2 * forwarders + 1)
                c.MenuValidity(context, underWay);
            else if (which == 2 * forwarders + 2)
                c.MethodValidity(context, underWay);
            else
                c.ExecuteMethod(context, underWay, 0, ignoreFailures);
        };
        // On the callback's own thread, or on one the callback waits for.
        if (chance(1, 3))
            std::thread(call).join();
        else
            call();
        if (another) throw std::logic_error("a forwarder returned another object");
    }

    CDDCommonVariant value() {
        switch (pick(16)) {
        case 0: return CDDCommonVariant();
        case 1: return CDDCommonVariant(INT_MIN);
        case 2: return CDDCommonVariant(INT_MAX);
        case 3: return CDDCommonVariant(static_cast<int>(rng_()));
        case 4: return CDDCommonVariant(pick(40) - 5);
        case 5: return CDDCommonVariant(chance(1, 2) ? 9361 : 2712);
        case 6: return CDDCommonVariant(std::numeric_limits<double>::quiet_NaN());
        case 7: return CDDCommonVariant(chance(1, 2) ? HUGE_VAL : -HUGE_VAL);
        case 8: return CDDCommonVariant(std::ldexp(static_cast<double>(rng_() % 2001) - 1000.0, pick(2100) - 1050));
        case 9: return CDDCommonVariant(chance(1, 2) ? DBL_MAX : -DBL_MIN);
        case 10: return CDDCommonVariant(static_cast<float>(pick(1000)) / 7.0f);
        case 11: return CDDCommonVariant(chance(1, 2) ? UINT_MAX : 0u);
        case 12: return CDDCommonVariant(chance(1, 2) ? LONG_MIN : LONG_MAX);
        case 13: return CDDCommonVariant(chance(1, 2));
        case 14:
            return CDDCommonVariant(
                std::string(static_cast<std::size_t>(pick(3) ? pick(40) : 70000), 'x' + static_cast<char>(pick(3)))
                    .c_str());
        default: {
            const std::int32_t ids[] = {INT_MIN, 0, pick(700), INT_MAX};
            return CDDCommonVariant(ids, static_cast<std::size_t>(pick(5)));
        }
        }
    }

    void values(std::ostringstream& did) {
        const int n = pick(60);
        did << "values x" << n;
        for (int i = 0; i < n; ++i) {
            const item::Id id = oneOf(variables_);
            CDDCommonVariant v = value();
            if (v.isEmpty())
                bench_->inner.clearValue(id);
            else
                bench_->inner.setValue(id, v);
            bench_->inner.setDeviceValue(id, value());
        }
    }

    void bendHost(std::ostringstream& did) {
        if (chance(1, 4)) {
            did << "straighten";
            bench_->host.straighten();
            return;
        }
        const char* operation = oneOf(kHostOperations);
        const auto how = static_cast<BendingHost::Bend>(pick(BendingHost::kBends));
        const int times = chance(1, 3) ? 1000 : 1 + pick(3);
        did << "bend " << operation << " " << static_cast<int>(how) << " x" << times;
        bench_->host.bend(operation, how, times);
    }

    void scriptRun(std::ostringstream& did) {
        static const char* const kFailing[] = {"ShowMessage",   "EditValue",       "GetVariableId", "ReadCommand",
                                               "WriteCommand",  "SaveValues",      "PutFloatValue", "PutIntegerValue",
                                               "GetFloatValue", "GetIntegerValue", "GetLongValue"};
        const char* operation = oneOf(kFailing);
        const int nth = 1 + pick(4);
        did << "fail " << operation << " #" << nth << " and answer";
        bench_->inner.scriptFailure(operation, nth);
        bench_->inner.scriptAnswer(value());
    }

    void attachment(std::ostringstream& did) {
        switch (pick(4)) {
        case 0:
            did << "detach";
            bench_->calculator->DetachHost();
            break;
        case 1:
            did << "attach null";
            bench_->calculator->AttachHost(nullptr);
            break;
        case 2:
            did << "attach";
            bench_->calculator->AttachHost(&bench_->host);
            break;
        default:
            did << "build";
            bench_->calculator->BuildCatalogue();
            break;
        }
        bench_->calculator->IsReady();
    }

    void information(std::ostringstream& did) {
        did << "information";
        std::unique_ptr<CInformation> info(module_.getInformation());
        if (!info) return;
        info->GetStandardMenuName(static_cast<std::int32_t>(rng_()));
        info->GetSpecialItemName(pick(5) - 1);
        info->GetPairValue(CStrPP(std::string(static_cast<std::size_t>(pick(30)), 'k').c_str()));
        info->GetModulePath();
        info->GetDeviceName();
        const std::uint16_t* table = nullptr;
        std::int32_t count = 0;
        module_.getAttributeCalcDataCategory(chance(1, 5) ? nullptr : &table, chance(1, 5) ? nullptr : &count);
    }

    // An object as a host might pass one: mostly the right one, sometimes of
    // the wrong class, with an ID out of range, without a definition, or null.
    std::unique_ptr<CDDObject> object(std::ostringstream& did, const std::vector<item::Id>& ids) {
        struct Headless final : CDDObject {
            Headless() : CDDObject(CDDDefinition()) {}
            const CDDDefinition* getcDefinition() const override { return nullptr; }
            CDDDefinition* getDefinition() override { return nullptr; }
        };
        switch (pick(10)) {
        case 0: did << " null"; return nullptr;
        case 1: did << " headless"; return std::make_unique<Headless>();
        case 2: {
            static const std::int32_t kOdd[] = {0, -1, 636, 637, INT_MIN, INT_MAX, -635};
            const std::int32_t id = oneOf(kOdd);
            did << " id " << id;
            return wrongClass(CDDDefinition(id, CStrPP("odd"), enumDDObjectKind{pick(16)}));
        }
        case 3: {
            const item::Id id = chance(1, 2) ? oneOf(variables_) : oneOf(others_);
            did << " wrong class " << id;
            return wrongClass(CDDDefinition(id, CStrPP(catalogue::kItems[static_cast<std::size_t>(id)].name),
                                            catalogue::kItems[static_cast<std::size_t>(id)].kind));
        }
        default: {
            const item::Id id = oneOf(ids);
            did << " " << id;
            if (const CDDObject* stored = bench_->inner.object(id)) return std::unique_ptr<CDDObject>(stored->clone());
            return wrongClass(CDDDefinition(id, CStrPP(catalogue::kItems[static_cast<std::size_t>(id)].name),
                                            catalogue::kItems[static_cast<std::size_t>(id)].kind));
        }
        }
    }

    std::unique_ptr<CDDObject> wrongClass(const CDDDefinition& d) {
        switch (pick(7)) {
        case 0: return std::make_unique<CDDVariable>(d);
        case 1: return std::make_unique<CDDMenu>(d);
        case 2: return std::make_unique<CDDMethod>(d);
        case 3: return std::make_unique<CDDCollection>(d);
        case 4: return std::make_unique<CDDCommand>(d);
        case 5: return std::make_unique<CDDBlock>(d, enumDDBlockKind{0});
        default: return std::make_unique<CDDObject>(d);
        }
    }

    void method(std::ostringstream& did) {
        did << "execute";
        auto m = object(did, methods_);
        const std::int32_t argument = chance(1, 2) ? 0 : static_cast<std::int32_t>(rng_());
        const bool ignore = chance(1, 3);
        did << (ignore ? " ignoring failures" : "");
        const Reentry reentry(*this, m.get(), did);
        bench_->calculator->ExecuteMethod(ContextWord{static_cast<std::uint32_t>(rng_())}, m.get(), argument, ignore);
    }

    void calculation(std::ostringstream& did) {
        const int forwarders = static_cast<int>(std::size(kForwarders));
        const int which = pick(forwarders + 3);
        did << "calculate " << which;
        auto o = object(did, chance(1, 2) ? variables_ : others_);
        const ContextWord context{static_cast<std::uint32_t>(rng_())};
        CAttributeCalculation& c = *bench_->calculator;
        const Reentry reentry(*this, o.get(), did);
        if (which < forwarders) {
            CDDObject* back = (c.*kForwarders[which])(context, o.get());
            if (back != o.get()) throw std::logic_error("a forwarder returned another object");
        } else if (which == forwarders) {
            c.VariableValidity(context, o.get());
        } else if (which == forwarders + 1) {
            c.MenuValidity(context, o.get());
        } else {
            c.MethodValidity(context, o.get());
        }
    }

    ModuleLoader& module_;
    std::mt19937_64 rng_;
    std::unique_ptr<Bench> bench_;
    std::unique_ptr<Bench> other_;  // another calculator on another host, for re-entries
    std::ostringstream did_;
    long reentries_ = 0;
    std::vector<item::Id> variables_, others_, methods_;
};

std::uint64_t chosenSeed() {
    if (const char* s = std::getenv("DD_BOUNDARY_SEED"); s && *s) return std::strtoull(s, nullptr, 0);
    return std::random_device{}() ^
           static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

// GCC names AddressSanitizer by a macro, Clang by a feature.
constexpr bool kSanitized =
#if defined(__SANITIZE_ADDRESS__)
    true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    true;
#else
    false;
#endif
#else
    false;
#endif

double chosenSeconds() {
    if (const char* s = std::getenv("DD_BOUNDARY_SECONDS"); s && *s) return std::strtod(s, nullptr);
    return kSanitized ? 4.0 : 1.0;  // the sanitizers slow each step down
}

}  // namespace

TEST(Boundary, SeededRandomWalkLeavesNothingBehind) {
    const std::uint64_t seed = chosenSeed();
    const double seconds = chosenSeconds();
    ModuleLoader module(DD_MODULE_PATH);
    ASSERT_TRUE(module.loaded()) << module.error();
    Walk walk(module, seed);
    // Written out before the walk: a step that crashes ends the process
    // before any failure message could name the seed.
    std::fprintf(stderr, "boundary walk: seed %llu (DD_BOUNDARY_SEED repeats it)\n",
                 static_cast<unsigned long long>(seed));
    std::fflush(stderr);
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    long steps = 0;
    for (; std::chrono::steady_clock::now() < end; ++steps) {
        bool escaped = false;
        try {
            walk.step();
        } catch (...) {
            escaped = true;
        }
        const long alive = walk.alive();
        if (escaped || alive != 0) {
            ADD_FAILURE() << "seed " << seed << " (DD_BOUNDARY_SEED=" << seed << " repeats it), step " << steps << " ("
                          << walk.last() << "): " << (escaped ? "an exception escaped" : "")
                          << (alive ? " objects still alive: " + std::to_string(alive) : "");
            return;
        }
    }
    RecordProperty("seed", std::to_string(seed));
    RecordProperty("steps", std::to_string(steps));
    std::printf("boundary walk: seed %llu, %ld steps (%ld re-entries) in %.1f s\n",
                static_cast<unsigned long long>(seed), steps, walk.reentries(), seconds);
}
