// Table-wide invariants over every item, through the public road: each
// item's calculator runs on a copy of the object the catalogue stored.
#include <algorithm>
#include <sstream>

#include "host/Dump.h"
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
    // Two sets of values between which every run-time rule changes its choice:
    // the lock, units, formats, enumerator sets, bounds, entries and lists.
    const char* const sets[] = {
        "parWriteLocking=9361 trans1_level_unit=1018 trans1_primary_value_unit=1049 func1_AI_out_decimal_point=2 "
        "func1_AI_pv_lower_range_value=2000000000 trans1_blk_parent_class=2 func1_AI_target_mode=16 "
        "func1_AI_out_status_quality=32 func1_AI_simulate_status_quality=48 func1_AI_simulation_enabled=1 "
        "trans1_calibration_type=0 trans1_calibration_type_offline=0 parPASelectMainValue=1 "
        "_ZTQGSD_ChannelProtectionSlot02=0 trans1_level_hi=80 parBargraphScaleMax=90.5",
        "parWriteLocking=0 trans1_level_unit=1342 trans1_primary_value_unit=1012 func1_AI_out_decimal_point=8 "
        "func1_AI_pv_lower_range_value=12.5 trans1_blk_parent_class=4 func1_AI_target_mode=8 "
        "func1_AI_out_status_quality=0 func1_AI_simulate_status_quality=16 func1_AI_simulation_enabled=0 "
        "trans1_calibration_type=1 trans1_calibration_type_offline=1 parPASelectMainValue=0 "
        "_ZTQGSD_ChannelProtectionSlot02=5 trans1_level_hi=95 parBargraphScaleMax=70"};
    for (const std::int32_t id : s->host().ids()) {
        // The host hands the same object again, with other values in between.
        std::unique_ptr<CDDObject> object(s->host().object(id)->clone());
        for (const char* set : sets) {
            std::istringstream assignments(set);
            for (std::string a; assignments >> a;) ASSERT_NO_THROW(s->set(a)) << a;
            s->calculator().CalculateAttributes06(ContextWord{0}, object.get());
        }
        // All the host sees of it equals what a fresh copy gets.
        EXPECT_EQ(dumpObject(*object, std::nullopt), dumpObject(*s->host().calculated(id), std::nullopt));
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
