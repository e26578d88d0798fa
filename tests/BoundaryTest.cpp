// Hosts that bend the contract: calls before the catalogue exists, builds
// asked for from inside the module's own calls, hosts that answer null or
// throw, and a seeded random walk over all of it.
#include <algorithm>
#include <cfloat>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <sstream>

#include "catalogue/Catalogue.h"
#include "host/Dump.h"
#include "host/MethodInterface.h"
#include "tests/TestSupport.h"

namespace {

// What a throwing host throws.
struct HostFault {};

// Wraps the stand-in host. Per operation it can answer null (or a zero
// result), throw, or ask the module for a new build before it answers.
class BendingHost final : public CCalculationHost {
public:
    enum class Bend { Null, Throw, Rebuild };

    explicit BendingHost(StandInHost& inner) : inner_(inner), store_(*this), errors_(*this) {}

    void useModule(CAttributeCalculation* module) { module_ = module; }
    // The next `times` calls of `operation` are bent.
    void bend(const std::string& operation, Bend how, int times = 1) { bends_[operation] = {how, times}; }
    void straighten() { bends_.clear(); }
    // Method interfaces handed out and not yet deleted.
    long alive() const { return alive_; }

    CMethodInterface* CreateMethodInterface(ContextWord context) override {
        if (!pass("CreateMethodInterface")) return nullptr;
        CMethodInterface* inner = inner_.CreateMethodInterface(context);
        return inner ? new Method(*this, inner) : nullptr;
    }
    CObjectStore* GetObjectStore() override {
        if (!pass("GetObjectStore")) return nullptr;
        innerStore_ = inner_.GetObjectStore();
        return innerStore_ ? &store_ : nullptr;
    }
    CErrorOutput* GetErrorOutput() override {
        if (!pass("GetErrorOutput")) return nullptr;
        innerErrors_ = inner_.GetErrorOutput();
        return innerErrors_ ? &errors_ : nullptr;
    }

private:
    // False when the operation answers null; throws or rebuilds first when so bent.
    bool pass(const char* operation) {
        const auto found = bends_.find(operation);
        if (found == bends_.end()) return true;
        const Bend how = found->second.first;
        if (--found->second.second <= 0) bends_.erase(found);
        if (how == Bend::Throw) throw HostFault{};
        if (how == Bend::Rebuild && module_) module_->BuildCatalogue();
        return how != Bend::Null;
    }

    class Store final : public CObjectStore {
    public:
        explicit Store(BendingHost& h) : h_(h) {}
        CObjectStore& inner() { return *h_.innerStore_; }
        bool AddObject(CDDObject* o) override { return h_.pass("AddObject") && inner().AddObject(o); }
        bool PutRequestSet(CDDTransactionRef* t, CDDDefinitionSet* s) override {
            return h_.pass("PutRequestSet") && inner().PutRequestSet(t, s);
        }
        bool PutReplySet(CDDTransactionRef* t, CDDDefinitionSet* s) override {
            return h_.pass("PutReplySet") && inner().PutReplySet(t, s);
        }
        bool PutVariableSet(CDDDefinition* v, CDDDefinitionSet* s) override {
            return h_.pass("PutVariableSet") && inner().PutVariableSet(v, s);
        }
        CDDBlock* GetBlock(ContextWord c, const CDDDefinition* d) override {
            return h_.pass("GetBlock") ? inner().GetBlock(c, d) : nullptr;
        }
        CDDCollection* GetCollection(ContextWord c, const CDDDefinition* d) override {
            return h_.pass("GetCollection") ? inner().GetCollection(c, d) : nullptr;
        }
        CDDObject* GetMemberObject(ContextWord c, CDDCollection* collection, CStrPP member) override {
            return h_.pass("GetMemberObject") ? inner().GetMemberObject(c, collection, member) : nullptr;
        }
        CDDCommonVariant* GetCurrentValue(ContextWord c, const CDDDefinition* d) override {
            return h_.pass("GetCurrentValue") ? inner().GetCurrentValue(c, d) : nullptr;
        }

    private:
        BendingHost& h_;
    };

    class Errors final : public CErrorOutput {
    public:
        explicit Errors(BendingHost& h) : h_(h) {}
        void PutError(const CStrPP& text) override {
            if (h_.pass("PutError")) h_.innerErrors_->PutError(text);
        }

    private:
        BendingHost& h_;
    };

    class Method final : public CMethodInterface {
    public:
        Method(BendingHost& h, CMethodInterface* inner) : h_(h), inner_(inner) { ++h_.alive_; }
        ~Method() override { --h_.alive_; }
        void BeginMethod(ContextWord c, CCalculationHost* host, const CDDDefinition& m, std::int32_t a) override {
            if (h_.pass("BeginMethod")) inner_->BeginMethod(c, host, m, a);
        }
        void PutMessageValues(CVBCollection* values) override {
            std::unique_ptr<CVBCollection> owned(values);  // ours whatever happens
            if (h_.pass("PutMessageValues")) inner_->PutMessageValues(owned.release());
        }
        std::int32_t GetResult() override { return h_.pass("GetResult") ? inner_->GetResult() : 0; }
        void SetResult(std::int32_t r) override {
            if (h_.pass("SetResult")) inner_->SetResult(r);
        }
        bool HasFailed() override { return h_.pass("HasFailed") && inner_->HasFailed(); }
        void AbortMethod(std::int32_t code) override {
            if (h_.pass("AbortMethod")) inner_->AbortMethod(code);
        }
        std::int32_t ShowMessage(const CStrPP& t, std::int32_t f) override {
            return h_.pass("ShowMessage") ? inner_->ShowMessage(t, f) : 0;
        }
        bool PutFloatValue(const CStrPP& v, float x) override {
            return h_.pass("PutFloatValue") && inner_->PutFloatValue(v, x);
        }
        float GetFloatValue(const CStrPP& v) override {
            return h_.pass("GetFloatValue") ? inner_->GetFloatValue(v) : 0;
        }
        std::int32_t EditValue(const CStrPP& p, std::int32_t f, const CStrPP& v) override {
            return h_.pass("EditValue") ? inner_->EditValue(p, f, v) : 0;
        }
        bool PutIntegerValue(const CStrPP& v, std::int32_t x) override {
            return h_.pass("PutIntegerValue") && inner_->PutIntegerValue(v, x);
        }
        std::int32_t GetIntegerValue(const CStrPP& v) override {
            return h_.pass("GetIntegerValue") ? inner_->GetIntegerValue(v) : 0;
        }
        std::int32_t GetLongValue(const CStrPP& v) override {
            return h_.pass("GetLongValue") ? inner_->GetLongValue(v) : 0;
        }
        std::int32_t SaveValues() override { return h_.pass("SaveValues") ? inner_->SaveValues() : 0; }
        std::int32_t GetVariableId(const CStrPP& v) override {
            return h_.pass("GetVariableId") ? inner_->GetVariableId(v) : 0;
        }
        std::int32_t ReadCommand(const CStrPP& c) override {
            return h_.pass("ReadCommand") ? inner_->ReadCommand(c) : 0;
        }
        std::int32_t WriteCommand(const CStrPP& c) override {
            return h_.pass("WriteCommand") ? inner_->WriteCommand(c) : 0;
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
    long alive() const { return bench_ ? bench_->inner.alive() + bench_->host.alive() : 0; }

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
        auto how = static_cast<BendingHost::Bend>(pick(3));
#if defined(_WIN32) && !defined(__SEH__)
        // 32-bit Windows: every DLL unwinds with its own copy of the DWARF
        // unwinder, so no exception passes from the host through the module's
        // frames. Such a host answers null instead; the seed still repeats.
        if (how == BendingHost::Bend::Throw) how = BendingHost::Bend::Null;
#endif
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
        bench_->calculator->ExecuteMethod(ContextWord{static_cast<std::uint32_t>(rng_())}, m.get(), argument, ignore);
    }

    void calculation(std::ostringstream& did) {
        const int forwarders = static_cast<int>(std::size(kForwarders));
        const int which = pick(forwarders + 3);
        did << "calculate " << which;
        auto o = object(did, chance(1, 2) ? variables_ : others_);
        const ContextWord context{static_cast<std::uint32_t>(rng_())};
        CAttributeCalculation& c = *bench_->calculator;
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
    std::ostringstream did_;
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
    std::printf("boundary walk: seed %llu, %ld steps in %.1f s\n", static_cast<unsigned long long>(seed), steps,
                seconds);
}
