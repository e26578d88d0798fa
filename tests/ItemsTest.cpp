// Table-wide invariants over every item, through the public road: each
// item's calculator runs on a copy of the object the catalogue stored.
#include "catalogue/Catalogue.h"
#include "items/commands/Command.h"
#include "tests/TestSupport.h"

namespace {

bool isNumeric(enumDDVariableType t) { return t == ddtFloat || t == ddtSigned || t == ddtUnsigned; }

}  // namespace

TEST(Items, EveryItemHasACalculatorThatMarksItAvailableAndLeavesNothingAlive) {
    auto s = openSession();
    for (const auto& e : catalogue::kItems) {
        if (!e.name) continue;
        const auto object = s->host().calculated(e.id);
        ASSERT_NE(object, nullptr) << e.name;
        EXPECT_EQ(object->getAttributesAvailable(), true) << e.name;
        EXPECT_EQ(s->host().alive(), 0) << e.name;
    }
}

TEST(Items, VariablesSetTheCataloguesTypeAndClassesAndTheTemplatesRules) {
    auto s = openSession();
    int withoutHandling = 0, variables = 0;
    for (const auto& e : catalogue::kItems) {
        if (!e.name || e.kind != ddkVariable) continue;
        ++variables;
        const auto object = s->host().calculated(e.id);
        const auto* v = dynamic_cast<const CDDVariable*>(object.get());
        ASSERT_NE(v, nullptr) << e.name;
        ASSERT_NE(v->type(), nullptr) << e.name;
        const CDDType& t = *v->type();
        EXPECT_EQ(t.getType(), e.type) << e.name;
        std::vector<int> mask;
        for (int bit = 0; bit < 19; ++bit)
            if ((e.classMask >> bit) & 1U) mask.push_back(bit);
        EXPECT_EQ(v->classes().setBits(), mask) << e.name;
        EXPECT_TRUE(v->getLabel().has_value()) << e.name;  // at least the empty label
        // Size for every type but float and time stamp.
        EXPECT_EQ(t.getSize().has_value(), e.type != ddtFloat && e.type != ddtTimeStamp) << e.name;
        if (isNumeric(e.type)) {
            EXPECT_EQ(t.getScalingFactor(), 1.0) << e.name;
            ASSERT_TRUE(t.getDisplayFormat() && t.getEditFormat()) << e.name;
            ASSERT_TRUE(t.getMaxRangeNo()) << e.name;
            EXPECT_EQ(t.getMinValues().size(), *t.getMaxRangeNo() + 1u) << e.name;
            EXPECT_EQ(t.getMaxValues().size(), *t.getMaxRangeNo() + 1u) << e.name;
            if (e.type == ddtSigned) { EXPECT_EQ(t.getDisplayFormat()->str(), "%d") << e.name; }
            if (e.type == ddtUnsigned) { EXPECT_EQ(t.getDisplayFormat()->str(), "%u") << e.name; }
            EXPECT_EQ(t.getDisplayFormat()->str().find('%') == std::string::npos,
                      e.type == ddtFloat && t.getDisplayFormat()->str() != "%G")
                << e.name;
        } else {
            EXPECT_FALSE(t.getScalingFactor() || t.getDisplayFormat() || t.getMaxRangeNo()) << e.name;
        }
        const bool enumerated = e.type == ddtEnumerated || e.type == ddtBitEnumerated;
        EXPECT_EQ(t.getMaxEnumIndex().has_value(), e.type == ddtEnumerated) << e.name;
        EXPECT_EQ(t.getMaxBitEnumIndex().has_value(), e.type == ddtBitEnumerated) << e.name;
        if (!enumerated) { EXPECT_TRUE(t.enumerators().items().empty() && t.bitEnumerators().items().empty()); }
        if (e.type == ddtBitEnumerated) {
            EXPECT_TRUE(t.enumerators().items().empty()) << e.name;
            for (const auto& bit : t.bitEnumerators().items()) {
                ASSERT_TRUE(bit.getMethod().has_value());
                EXPECT_TRUE(bit.getMethod()->isEmpty()) << e.name;
                EXPECT_TRUE(bit.getHelp().has_value()) << e.name;
            }
        }
        for (const auto& en : t.enumerators().items()) EXPECT_TRUE(en.getHelp().has_value()) << e.name;
        if (t.getDefaultValue()) {
            const auto kind = t.getDefaultValue()->kind();
            if (e.type == ddtString) { EXPECT_EQ(kind, CDDCommonVariant::Kind::Text) << e.name; }
            if (e.type != ddtString && e.type != ddtFloat) { EXPECT_EQ(kind, CDDCommonVariant::Kind::Int) << e.name; }
        }
        const bool handled = v->getHandling(ddhRead).has_value();
        EXPECT_EQ(handled, v->getHandling(ddhWrite).has_value()) << e.name;
        if (handled) {
            EXPECT_EQ(v->getHandling(ddhRead), true) << e.name;  // never write-only
        }
        withoutHandling += handled ? 0 : 1;
    }
    EXPECT_EQ(variables, 270);
    EXPECT_EQ(withoutHandling, 42);
}

TEST(Items, RepeatedRequestsOnOneObjectLeaveNoStaleAttribute) {
    auto s = openSession();
    const std::int32_t lock = s->host().idOf("parWriteLocking");
    for (const auto& e : catalogue::kItems) {
        if (!e.name) continue;
        // The host hands the same object again, with other values in between.
        std::unique_ptr<CDDObject> object(s->host().object(e.id)->clone());
        s->host().setValue(lock, CDDCommonVariant(9361));
        s->calculator().CalculateAttributes06(ContextWord{0}, object.get());
        s->host().setValue(lock, CDDCommonVariant(0));
        s->calculator().CalculateAttributes06(ContextWord{0}, object.get());
        const auto fresh = s->host().calculated(e.id);
        // The two dumps of what the calculator set must agree.
        const auto* again = dynamic_cast<const CDDVariable*>(object.get());
        const auto* once = dynamic_cast<const CDDVariable*>(fresh.get());
        if (again && once) {
            EXPECT_EQ(again->getHandling(ddhWrite), once->getHandling(ddhWrite)) << e.name;
            EXPECT_EQ(again->type()->enumerators().items().size(), once->type()->enumerators().items().size())
                << e.name;
            EXPECT_EQ(again->type()->bitEnumerators().items().size(), once->type()->bitEnumerators().items().size())
                << e.name;
        }
        const auto* menuAgain = dynamic_cast<const CDDMenu*>(object.get());
        const auto* menuOnce = dynamic_cast<const CDDMenu*>(fresh.get());
        if (menuAgain && menuOnce) {
            EXPECT_EQ(menuAgain->menuItems()->items().size(), menuOnce->menuItems()->items().size()) << e.name;
        }
    }
    EXPECT_EQ(s->host().alive(), 0);
}

TEST(Commands, EveryCommandAgreesWithItsNameAndTheCataloguesSets) {
    auto s = openSession();
    for (const auto& e : catalogue::kItems) {
        if (!e.name || e.kind != ddkCommand) continue;
        s->host().log().clear();
        const auto object = s->host().calculated(e.id);
        const auto* c = dynamic_cast<const CDDCommand*>(object.get());
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(s->host().log().count("GetBlock"), 1u) << e.name;
        const bool read = std::string(e.name).rfind("read_", 0) == 0;
        EXPECT_EQ(c->getOperation(), read ? ddoRead : ddoWrite) << e.name;
        ASSERT_NE(c->getBlock(), nullptr) << e.name;
        ASSERT_TRUE(c->getIndex() && c->transactionSet()) << e.name;
        ASSERT_EQ(c->transactionSet()->items().size(), 1u) << e.name;
        const CDDTransaction& t = c->transactionSet()->items().front();
        EXPECT_EQ(t.getNumber(), 0);
        const bool offline = std::string(e.name).find("_offline") != std::string::npos;
        const CDDDataItemList* carried = read ? t.getReply() : t.getRequest();
        const CDDDataItemList* other = read ? t.getRequest() : t.getReply();
        ASSERT_NE(carried, nullptr) << e.name;
        if (offline) {
            EXPECT_EQ(other, nullptr) << e.name;
        } else {
            EXPECT_TRUE(other && other->items().empty()) << e.name;
        }
        std::vector<std::string> variables;
        for (const auto& d : carried->items()) {
            if (d.getKind() == dddConstant) continue;
            ASSERT_TRUE(d.reference().getDefinition()) << e.name;
            EXPECT_EQ(d.reference().getDefinition()->getKind(), ddkVariable) << e.name;
            variables.push_back(d.reference().getDefinition()->getName().str());
        }
        const auto& sets = s->host().transactionSets().at(e.name);
        EXPECT_EQ(read ? sets.reply : sets.request, variables) << e.name;
        EXPECT_TRUE((read ? sets.request : sets.reply).empty()) << e.name;
        EXPECT_EQ(s->host().alive(), 0);
    }
}

TEST(Commands, CasesWorthALook) {
    auto s = openSession();
    auto command = [&](const char* name) { return calculateAs<CDDCommand>(*s, name); };
    const auto stRev = command("read_phys_st_rev");
    EXPECT_EQ(stRev->getBlock()->getcDefinition()->getName().str(), "physical_block");
    EXPECT_EQ(stRev->getBlock()->getType(), ddbPhysical);  // the host's filled block, copied
    EXPECT_EQ(stRev->getIndex()->getIndex(), 1);
    const auto& reply = stRev->transactionSet()->items()[0].getReply()->items();
    ASSERT_EQ(reply.size(), 1u);
    EXPECT_EQ(reply[0].getKind(), dddReference);
    EXPECT_EQ(reply[0].getMask(), 0);
    const auto unitToBus = command("write_phys_pa_set_unit_to_bus");
    const auto& request = unitToBus->transactionSet()->items()[0].getRequest()->items();
    ASSERT_EQ(request.size(), 1u);
    EXPECT_EQ(request[0].getKind(), dddConstant);
    EXPECT_EQ(*request[0].getConstantValue(), CDDCommonVariant(1));
    EXPECT_EQ(request[0].getConstantValue()->kind(), CDDCommonVariant::Kind::Int);
    EXPECT_FALSE(request[0].reference().getDefinition().has_value());
    EXPECT_FALSE(request[0].getMask().has_value());
    const auto out = command("read_func1_AI_out");
    const auto& items = out->transactionSet()->items()[0].getReply()->items();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[1].getMask(), 252);
    EXPECT_EQ(items[2].getMask(), 3);
    // A copy of a command keeps an absent list absent.
    const auto offline = command("read_trans1_level_lo_offline");
    const CDDCommand copy(*offline);
    EXPECT_EQ(copy.transactionSet()->items()[0].getRequest(), nullptr);
    EXPECT_NE(copy.transactionSet()->items()[0].getReply(), nullptr);
}

TEST(Commands, ABlockTheHostCannotGiveLeavesTheRestFilled) {
    auto s = openSession();
    s->host().returnNullFrom("GetBlock");
    const auto c = calculateAs<CDDCommand>(*s, "read_phys_tag_desc");
    EXPECT_EQ(c->getBlock(), nullptr);
    EXPECT_EQ(c->getIndex()->getIndex(), 2);
    EXPECT_EQ(c->transactionSet()->items().size(), 1u);
    EXPECT_EQ(c->getAttributesAvailable(), true);
}

TEST(Blocks, TypeNumberAndKindWithoutHostCalls) {
    auto s = openSession();
    const std::pair<const char*, enumDDBlockType> blocks[] = {
        {"physical_block", ddbPhysical}, {"transducer_block_1", ddbTransducer}, {"function_block_1", ddbFunction}};
    for (const auto& [name, type] : blocks) {
        s->host().log().clear();
        const auto b = calculateAs<CDDBlock>(*s, name);
        EXPECT_EQ(b->getType(), type);
        EXPECT_EQ(b->getNumber(), 1);
        EXPECT_EQ(b->getBlockKind(), 0);
        EXPECT_TRUE(s->host().log().lines().empty());
    }
}
