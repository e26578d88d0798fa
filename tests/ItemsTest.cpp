// Table-wide invariants over every item, through the public road: each
// item's calculator runs on a copy of the object the catalogue stored.
#include <algorithm>

#include "tests/TestSupport.h"

TEST(Items, EveryItemHasACalculatorThatMarksItAvailableAndLeavesNothingAlive) {
    auto s = openSession();
    ASSERT_EQ(s->host().ids().size(), 635u);
    for (const std::int32_t id : s->host().ids()) {
        const auto object = s->host().calculated(id);
        ASSERT_NE(object, nullptr) << id;
        EXPECT_EQ(object->getAttributesAvailable(), true) << id;
        EXPECT_EQ(s->host().alive(), 0) << id;
    }
}

TEST(Items, RepeatedRequestsOnOneObjectLeaveNoStaleAttribute) {
    auto s = openSession();
    const std::int32_t lock = s->host().idOf("parWriteLocking");
    for (const std::int32_t id : s->host().ids()) {
        const std::string name = s->host().nameOf(s->host().object(id)->getcDefinition());
        // The host hands the same object again, with other values in between.
        std::unique_ptr<CDDObject> object(s->host().object(id)->clone());
        s->host().setValue(lock, CDDCommonVariant(9361));
        s->calculator().CalculateAttributes06(ContextWord{0}, object.get());
        s->host().setValue(lock, CDDCommonVariant(0));
        s->calculator().CalculateAttributes06(ContextWord{0}, object.get());
        const auto fresh = s->host().calculated(id);
        // The two dumps of what the calculator set must agree.
        const auto* again = dynamic_cast<const CDDVariable*>(object.get());
        const auto* once = dynamic_cast<const CDDVariable*>(fresh.get());
        if (again && once) {
            EXPECT_EQ(again->getHandling(ddhWrite), once->getHandling(ddhWrite)) << name;
            EXPECT_EQ(again->type()->enumerators().items().size(), once->type()->enumerators().items().size()) << name;
            EXPECT_EQ(again->type()->bitEnumerators().items().size(), once->type()->bitEnumerators().items().size())
                << name;
        }
        const auto* menuAgain = dynamic_cast<const CDDMenu*>(object.get());
        const auto* menuOnce = dynamic_cast<const CDDMenu*>(fresh.get());
        if (menuAgain && menuOnce) {
            EXPECT_EQ(menuAgain->menuItems()->items().size(), menuOnce->menuItems()->items().size()) << name;
        }
    }
    EXPECT_EQ(s->host().alive(), 0);
}

namespace {

const CDDClassBits* classesOf(const CDDObject& object) {
    if (const auto* v = dynamic_cast<const CDDVariable*>(&object)) return &v->classes();
    if (const auto* m = dynamic_cast<const CDDMethod*>(&object)) return &m->classes();
    return nullptr;
}

}  // namespace

TEST(Items, ClassesAreClearedBeforeTheItemsOwnAreSet) {
    // The clearing step writes false to 2, 15, 14, 9, 10, 11, 16, 13, 18 and 12
    // only: from an object with all 19 classes set, the other nine stay set.
    const std::vector<int> untouched = {0, 1, 3, 4, 5, 6, 7, 8, 17};
    auto s = openSession();
    int checked = 0;
    for (const std::int32_t id : s->host().ids()) {
        std::unique_ptr<CDDObject> object(s->host().object(id)->clone());
        if (auto* v = dynamic_cast<CDDVariable*>(object.get()))
            for (int c = 0; c < 19; ++c) v->getClass()->putClassInfo(enumDDVariableClassType{c}, true);
        else if (auto* m = dynamic_cast<CDDMethod*>(object.get()))
            for (int c = 0; c < 19; ++c) m->getClass()->putClassInfo(enumDDMethodClass{c}, true);
        else
            continue;
        ++checked;
        s->calculator().CalculateAttributes05(ContextWord{0}, object.get());
        const auto fresh = s->host().calculated(id);
        std::vector<int> expected = classesOf(*fresh)->setBits();
        expected.insert(expected.end(), untouched.begin(), untouched.end());
        std::sort(expected.begin(), expected.end());
        expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
        EXPECT_EQ(classesOf(*object)->setBits(), expected) << s->host().nameOf(object->getcDefinition());
    }
    EXPECT_EQ(checked, 270 + 25);
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
