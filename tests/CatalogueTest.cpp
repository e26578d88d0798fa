// The catalogue as the host receives it through a real load of the module.
#include "tests/TestSupport.h"

// What the store receives, call by call and in order (kinds, IDs, store
// fetches, transaction and definition sets), is pinned by the golden file
// catalogue.txt; these tests hold what a trace cannot show: the classes the
// stored objects carry, how long the definitions live, and builds repeated or
// made without a host.

TEST(Catalogue, EveryVariableArrivesWithAllNineteenClassesWrittenAsItsCalculatorSetsThem) {
    auto s = openSession();
    int variables = 0;
    for (const std::int32_t id : s->host().ids()) {
        const auto* stored = dynamic_cast<const CDDVariable*>(s->host().object(id));
        if (!stored) continue;
        ++variables;
        const auto calculated = calculateAs<CDDVariable>(*s, s->host().nameOf(stored->getcDefinition()).c_str());
        ASSERT_TRUE(stored->type() && calculated && calculated->type()) << id;
        EXPECT_EQ(stored->type()->getType(), calculated->type()->getType()) << id;
        EXPECT_EQ(stored->classes().writtenCount(), 19) << id;
        EXPECT_EQ(stored->classes().setBits(), calculated->classes().setBits()) << id;
    }
    EXPECT_EQ(variables, 270);
}

TEST(Catalogue, DefinitionsLiveUntilTheCalculatorIsDestroyed) {
    auto s = openSession();
    s->calculator().DetachHost();
    // Detached: the definitions are still there, so an item is still filled
    // (reads from the missing host count as failed tests).
    std::unique_ptr<CDDObject> copy(s->host().objectNamed("func1_AI_pv_ftime")->clone());
    s->calculator().CalculateAttributes05(ContextWord{0}, copy.get());
    EXPECT_EQ(copy->getAttributesAvailable(), true);
    const auto* v = dynamic_cast<const CDDVariable*>(copy.get());
    EXPECT_EQ(v->getHandling(ddhWrite), false);
    EXPECT_EQ(v->getHandling(ddhRead), true);
}

TEST(Catalogue, SecondBuildReplacesTheDefinitionsWithoutLeaking) {
    auto s = openSession();
    s->host().log().clear();
    s->calculator().BuildCatalogue();
    EXPECT_EQ(s->host().log().count("AddObject"), 635u);
    EXPECT_EQ(s->host().log().count("PutVariableSet"), 270u);
    EXPECT_NE(calculate(*s, "trans1_level_unit"), nullptr);
}

TEST(Catalogue, BuildWithoutHostMakesNoCallsAndLaterRequestsStillWork) {
    ModuleLoader module(DD_MODULE_PATH);
    ASSERT_TRUE(module.loaded()) << module.error();
    std::unique_ptr<CAttributeCalculation> calculator(module.getAttributeCalculation());
    ASSERT_NE(calculator, nullptr);
    calculator->BuildCatalogue();
    // Attached afterwards: the build made no call and left none for later.
    StandInHost host;
    host.log().enable(true);
    calculator->AttachHost(&host);
    EXPECT_TRUE(host.log().lines().empty());
    EXPECT_TRUE(host.ids().empty());
    // Requests are served from the definitions of that build, reading the
    // host attached now.
    host.useModule(calculator.get());
    CDDVariable variable(CDDDefinition(280, "func1_AI_pv_ftime", ddkVariable));
    EXPECT_EQ(calculator->CalculateAttributes07(ContextWord{0}, &variable), &variable);
    EXPECT_EQ(variable.getAttributesAvailable(), true);
    EXPECT_EQ(variable.getConstantUnit(), CStrPP("s"));
    EXPECT_EQ(variable.getHandling(ddhWrite), false);  // no value: locked
    EXPECT_EQ(host.log().lines(), (std::vector<std::string>{"GetObjectStore", "GetCurrentValue parWriteLocking"}));
    CDDMethod method(CDDDefinition(614, "meth_reset_trans1_min_sensor_value", ddkMethod));
    EXPECT_FALSE(calculator->MethodValidity(ContextWord{0}, &method));
    host.setValue(493, CDDCommonVariant(9361));
    EXPECT_TRUE(calculator->MethodValidity(ContextWord{0}, &method));
    EXPECT_EQ(host.alive(), 0);
    calculator->DetachHost();
}
