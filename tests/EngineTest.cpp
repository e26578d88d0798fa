// The calculator's frame: forwarders, keeper, text joins, validity and the
// guards at the boundary.
#include <cstring>

#include "engine/TemporaryKeeper.h"
#include "engine/TextJoin.h"
#include "tests/TestSupport.h"

namespace {

// Records its own deletion.
struct Noted {
    Noted(std::vector<int>& log, int id) : log_(log), id_(id) {}
    virtual ~Noted() { log_.push_back(id_); }
    std::vector<int>& log_;
    int id_;
};

// The virtual-table slot of a member function (Itanium ABI: 1 + byte offset).
template <class F>
std::size_t slotOf(F f) {
    std::uintptr_t raw = 0;
    std::memcpy(&raw, &f, sizeof raw);
    return (raw - 1) / sizeof(void*);
}

}  // namespace

TEST(Keeper, DeletesInReverseOrderOfKeepingAndSurvivesNulls) {
    std::vector<int> deleted;
    {
        TemporaryKeeper keeper;
        Noted* first = new Noted(deleted, 1);
        EXPECT_EQ(keeper.keep(first), first);
        keeper.keep(new Noted(deleted, 2));
        EXPECT_EQ(keeper.keep(static_cast<Noted*>(nullptr)), nullptr);
        keeper.keep(new Noted(deleted, 3));
    }
    EXPECT_EQ(deleted, (std::vector<int>{3, 2, 1}));
    { TemporaryKeeper empty; }
    {
        TemporaryKeeper many;
        for (int i = 0; i < 100000; ++i) many.keep(new Noted(deleted, i));
    }
    EXPECT_EQ(deleted.size(), 100003u);
}

TEST(TextJoin, AllThreeFormsJoinWithoutChangingTheirOperands) {
    const CStrPP a("ab"), c("c");
    EXPECT_EQ((a + c).str(), "abc");
    EXPECT_EQ((a + "c").str(), "abc");
    EXPECT_EQ(("ab" + c).str(), "abc");
    EXPECT_EQ(a.str(), "ab");
    EXPECT_EQ(c.str(), "c");
}

TEST(Interfaces, OperationsStandInTheirSlots) {
    // The Itanium ABI gives a virtual destructor two slots: slot n is entry n + 1.
    EXPECT_EQ(slotOf(&CAttributeCalculation::AttachHost), 1u + 1);
    EXPECT_EQ(slotOf(&CAttributeCalculation::BuildCatalogue), 4u + 1);
    EXPECT_EQ(slotOf(&CAttributeCalculation::CalculateAttributes05), 5u + 1);
    EXPECT_EQ(slotOf(&CAttributeCalculation::MenuValidity), 14u + 1);
    EXPECT_EQ(slotOf(&CAttributeCalculation::MethodValidity), 16u + 1);
    EXPECT_EQ(slotOf(&CAttributeCalculation::ExecuteMethod), 17u + 1);
    EXPECT_EQ(slotOf(&CAttributeCalculation::VariableValidity), 23u + 1);
    EXPECT_EQ(slotOf(&CAttributeCalculation::CalculateAttributes26), 26u + 1);
    EXPECT_EQ(slotOf(&CCalculationHost::CreateMethodInterface), 1u + 1);
    EXPECT_EQ(slotOf(&CCalculationHost::GetObjectStore), 2u + 1);
    EXPECT_EQ(slotOf(&CCalculationHost::GetErrorOutput), 6u + 1);
    EXPECT_EQ(slotOf(&CErrorOutput::PutError), 6u + 1);
    EXPECT_EQ(slotOf(&CObjectStore::AddObject), 5u + 1);
    EXPECT_EQ(slotOf(&CObjectStore::PutVariableSet), 8u + 1);
    EXPECT_EQ(slotOf(&CObjectStore::GetBlock), 20u + 1);
    EXPECT_EQ(slotOf(&CObjectStore::GetMemberObject), 22u + 1);
    EXPECT_EQ(slotOf(&CObjectStore::GetCurrentValue), 73u + 1);
    EXPECT_EQ(slotOf(&CInformation::GetStandardMenuName), 13u + 1);
    EXPECT_EQ(slotOf(&CInformation::GetBuildDate), 23u + 1);
}

TEST(Forwarders, AllEighteenGiveTheSameResult) {
    auto s = openSession();
    s->set("parWriteLocking=9361");
    std::string first;
    for (const Forwarder f : kForwarders) {
        std::unique_ptr<CDDObject> object(s->host().objectNamed("trans1_level_unit")->clone());
        EXPECT_EQ((s->calculator().*f)(ContextWord{7}, object.get()), object.get());
        const auto* v = dynamic_cast<const CDDVariable*>(object.get());
        const std::string seen = v->getLabel()->str() + "|" + std::to_string(v->getHandling(ddhWrite).value_or(false));
        if (first.empty()) first = seen;
        EXPECT_EQ(seen, first);
    }
    EXPECT_EQ(s->host().alive(), 0);
}

TEST(Forwarders, ObjectsThatAreNotTheModulesComeBackUntouched) {
    auto s = openSession();
    s->host().log().clear();
    for (const std::int32_t id : {-1, -635, 0, 636, 100000}) {
        CDDVariable foreign(CDDDefinition(id, "foreign", ddkVariable));
        EXPECT_EQ(s->calculator().CalculateAttributes09(ContextWord{0}, &foreign), &foreign);
        EXPECT_FALSE(foreign.getAttributesAvailable().has_value()) << id;
        EXPECT_FALSE(foreign.getLabel().has_value()) << id;
    }
    // An object of the wrong class for its ID is not filled.
    CDDMenu wrongClass(CDDDefinition(381, "trans1_level_unit", ddkVariable));
    s->calculator().CalculateAttributes09(ContextWord{0}, &wrongClass);
    EXPECT_FALSE(wrongClass.getAttributesAvailable().has_value());
    EXPECT_EQ(s->calculator().CalculateAttributes09(ContextWord{0}, nullptr), nullptr);
    EXPECT_TRUE(s->host().log().lines().empty());
}

TEST(Validity, ItemsOfAnotherKindGetTheDispatchersText) {
    auto s = openSession();
    s->host().log().clear();
    std::unique_ptr<CDDObject> menu(s->host().objectNamed("_ZTQGSD_channel_module_setup")->clone());
    EXPECT_FALSE(s->calculator().VariableValidity(ContextWord{0}, menu.get()));
    CDDVariable zero(CDDDefinition(0, "nothing", ddkVariable));
    EXPECT_FALSE(s->calculator().MenuValidity(ContextWord{0}, &zero));
    CDDMethod above(CDDDefinition(636, "beyond", ddkMethod));
    EXPECT_FALSE(s->calculator().MethodValidity(ContextWord{0}, &above));
    ASSERT_EQ(s->host().errors().size(), 3u);
    EXPECT_EQ(s->host().errors()[0],
              ":   0,  0 : illegal object ID (calculate Variable validity) for object _ZTQGSD_channel_module_setup");
    EXPECT_EQ(s->host().errors()[1], ":   0,  0 : illegal object ID (calculate Menu validity) for object nothing");
    EXPECT_EQ(s->host().errors()[2], ":   0,  0 : illegal object ID (calculate Method validity) for object beyond");
    // A negative ID is no failure: false, no text.
    CDDVariable negative(CDDDefinition(-5, "x", ddkVariable));
    EXPECT_FALSE(s->calculator().VariableValidity(ContextWord{0}, &negative));
    EXPECT_EQ(s->host().errors().size(), 3u);
}

TEST(Validity, SixConditionsReadTheirValueAnewAndAllOthersAreTrueWithoutReading) {
    auto s = openSession();
    auto valid = [&](const char* name) {
        std::unique_ptr<CDDObject> object(s->host().objectNamed(name)->clone());
        switch (object->getcDefinition()->getKind()) {
        case ddkVariable: return s->calculator().VariableValidity(ContextWord{0}, object.get());
        case ddkMenu: return s->calculator().MenuValidity(ContextWord{0}, object.get());
        default: return s->calculator().MethodValidity(ContextWord{0}, object.get());
        }
    };
    const char* locked[] = {"meth_reset_trans1_min_sensor_value", "meth_reset_trans1_max_sensor_value",
                            "meth_reset_min_temperature", "meth_reset_max_temperature"};
    struct Case {
        CDDCommonVariant value;
        bool unlocked;
    };
    const Case cases[] = {
        {CDDCommonVariant(9361), true},  {CDDCommonVariant(0), false},     {CDDCommonVariant(9360), false},
        {CDDCommonVariant(9361u), true}, {CDDCommonVariant(9361.0), true}, {CDDCommonVariant("9361"), false},
        {CDDCommonVariant(), false},     {CDDCommonVariant(9362), false},  {CDDCommonVariant(1), false}};
    for (const auto& c : cases) {
        s->host().setValue(s->host().idOf("parWriteLocking"), c.value);
        for (const char* m : locked) {
            s->host().log().clear();
            EXPECT_EQ(valid(m), c.unlocked) << m;
            EXPECT_EQ(s->host().log().with("GetCurrentValue"),
                      std::vector<std::string>{"GetCurrentValue parWriteLocking"});
        }
    }
    for (const int select : {0, 1, 2}) {
        s->host().setValue(s->host().idOf("parPASelectMainValue"), CDDCommonVariant(select));
        EXPECT_EQ(valid("parDisplayValue"), select == 1);
        EXPECT_EQ(valid("parDisplayStatus"), select == 1);
    }
    s->host().log().clear();
    for (const char* always : {"trans1_level_unit", "DTM_online_root_menu", "method_preset_alarm"})
        EXPECT_TRUE(valid(always)) << always;
    EXPECT_TRUE(s->host().log().lines().empty());
    EXPECT_EQ(s->host().alive(), 0);
}

TEST(Guards, AHostThatAnswersNothingTakesNothingDown) {
    for (const char* operation : {"GetObjectStore", "GetCurrentValue", "GetBlock", "GetCollection", "GetMemberObject",
                                  "GetErrorOutput", "CreateMethodInterface"}) {
        auto s = openSession();
        s->host().returnNullFrom(operation);
        for (const std::int32_t id : s->host().ids()) {
            const auto object = s->host().calculated(id);
            EXPECT_EQ(object->getAttributesAvailable(), true) << operation << " " << id;
            s->calculator().VariableValidity(ContextWord{0}, object.get());
            s->calculator().MenuValidity(ContextWord{0}, object.get());
        }
        std::unique_ptr<CDDObject> method(s->host().objectNamed("updateParShowAccess")->clone());
        const std::int32_t result = s->calculator().ExecuteMethod(ContextWord{0}, method.get(), 0, false);
        if (std::string(operation) == "CreateMethodInterface") {
            EXPECT_EQ(result, -1);
        }
        EXPECT_EQ(s->host().alive(), 0) << operation;
    }
}

TEST(Guards, DetachedCalculatorCallsNoHost) {
    auto s = openSession();
    s->calculator().DetachHost();
    s->host().log().clear();
    for (const std::int32_t id : s->host().ids()) {
        std::unique_ptr<CDDObject> object(s->host().object(id)->clone());
        s->calculator().CalculateAttributes05(ContextWord{0}, object.get());
        s->calculator().MethodValidity(ContextWord{0}, object.get());
    }
    std::unique_ptr<CDDObject> method(s->host().objectNamed("method_preset_alarm")->clone());
    EXPECT_EQ(s->calculator().ExecuteMethod(ContextWord{0}, method.get(), 0, false), -1);
    EXPECT_TRUE(s->host().log().lines().empty());
}
