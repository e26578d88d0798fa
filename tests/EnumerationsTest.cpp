// The enumerated and bit-enumerated variables: the write lock read as a value
// of every kind, and that every object the host hands them is gone when they
// return. What each builds under chosen values (parent classes, target modes,
// qualities, channel slots), and the values it reads at the defaults, locked,
// with no values and at the good qualities, is pinned by the golden dumps.
#include <map>
#include <optional>

#include "tests/TestSupport.h"

namespace {

struct Calc {
    std::unique_ptr<CDDVariable> v;
    std::vector<std::string> reads;  // names passed to GetCurrentValue, in order
    const CDDType& type() const { return *v->type(); }
};

// One request with a fresh log. The only host calls allowed are the object
// store fetch and the read that follows it.
Calc run(Session& s, const std::string& name) {
    s.host().log().clear();
    Calc c{calculateAs<CDDVariable>(s, name.c_str()), {}};
    const std::string prefix = "GetCurrentValue ";
    for (const auto& line : s.host().log().lines()) {
        if (line.rfind(prefix, 0) == 0) {
            c.reads.push_back(line.substr(prefix.size()));
        } else {
            EXPECT_EQ(line, "GetObjectStore") << name;
        }
    }
    EXPECT_EQ(s.host().log().count("GetObjectStore"), c.reads.size()) << name << ": one store fetch per read";
    EXPECT_EQ(s.host().alive(), 0) << name;
    EXPECT_NE(c.v, nullptr) << name;
    if (c.v) {
        EXPECT_NE(c.v->type(), nullptr) << name;
    }
    return c;
}

std::vector<std::int32_t> values(const CDDType& t) {
    std::vector<std::int32_t> out;
    for (const auto& e : t.enumerators().items()) out.push_back(e.getValue());
    for (const auto& b : t.bitEnumerators().items()) out.push_back(b.getBit());
    return out;
}

std::string handling(const CDDVariable& v) {
    const auto r = v.getHandling(ddhRead), w = v.getHandling(ddhWrite);
    if (!r && !w) return "none";
    return std::string(r.value_or(false) ? "R" : "") + (w.value_or(false) ? "W" : "");
}

// Null when no post-edit list is attached, else the methods in order.
std::optional<std::vector<std::string>> postEdit(const CDDVariable& v) {
    const auto* list = v.getPostEditActions();
    if (!list) return std::nullopt;
    std::vector<std::string> names;
    for (const auto& d : list->items()) names.push_back(d.getName().str());
    return names;
}

using Names = std::vector<std::string>;
using Values = std::vector<std::int32_t>;

}  // namespace

// ---------------------------------------------------------------- write lock

TEST(EnumerationsChoices, WriteLockedItemsOpenOnlyForTheUnlockCode) {
    auto s = openSession();
    const Names locked = {"phys_ident_number",
                          "func1_AI_target_mode",
                          "func1_AI_out_unit",
                          "func1_AI_out_decimal_point",
                          "func1_AI_simulation_enabled",
                          "trans1_primary_value_unit",
                          "trans1_level_unit",
                          "trans1_calibration_type",
                          "trans1_lin_type",
                          "trans1_temperature_unit",
                          "parPASelectMainValue",
                          "old_parPASetUnitToBus",
                          "parClearLastError",
                          "trans1_calibration_type_offline",
                          "phys_pa_set_unit_to_bus_offline",
                          "phys_pa_set_unit_to_bus_online"};
    // Lists attached whatever the lock gives; the other locked items have none.
    const std::map<std::string, Names> lists = {
        {"trans1_calibration_type_offline", {"meth_pe_trans1_calibration_type_offline"}},
        {"phys_pa_set_unit_to_bus_offline", {"set_unit_to_bus_offline_post_edit"}},
        {"phys_pa_set_unit_to_bus_online", {"set_unit_to_bus_online_post_edit"}}};
    const std::pair<CDDCommonVariant, const char*> locks[] = {
        {CDDCommonVariant(9361), "RW"},   {CDDCommonVariant(0), "R"},      {CDDCommonVariant(9361u), "RW"},
        {CDDCommonVariant(9361.0), "RW"}, {CDDCommonVariant(9361L), "RW"}, {CDDCommonVariant(), "R"},
        {CDDCommonVariant(9360), "R"},    {CDDCommonVariant("9361"), "R"}, {CDDCommonVariant(9362), "R"},
        {CDDCommonVariant(-9361), "R"},   {CDDCommonVariant(9361.5), "R"},
    };
    for (const auto& name : locked) {
        const auto list = lists.find(name);
        const auto actions = list == lists.end() ? std::nullopt : std::optional<Names>(list->second);
        Values first;
        for (const auto& [lock, expected] : locks) {
            put(*s, "parWriteLocking", lock);
            const Calc c = run(*s, name);
            ASSERT_TRUE(c.v && c.v->type()) << name;
            const std::string what = name + " with " + kindName(lock.kind()) + " " + std::to_string(lock.asDouble());
            EXPECT_EQ(handling(*c.v), expected) << what;
            EXPECT_EQ(c.reads, Names{"parWriteLocking"}) << what;
            EXPECT_EQ(postEdit(*c.v), actions) << what;
            if (first.empty()) first = values(c.type());
            EXPECT_EQ(values(c.type()), first) << what;
        }
    }
}

// ---------------------------------------------------------------- ownership

TEST(EnumerationsLeaks, RepeatedRequestsLeaveNothingAliveAndEveryReadIsReturned) {
    auto s = openSession();
    const long before = s->host().handedOut();
    std::size_t reads = 0;
    for (int round = 0; round < 12; ++round) {
        put(*s, "parWriteLocking", CDDCommonVariant(round % 2 ? 9361 : 0));
        put(*s, "trans1_blk_parent_class", CDDCommonVariant(round % 8));
        put(*s, "func1_AI_target_mode", CDDCommonVariant(round % 3 ? 16 : 8));
        put(*s, "func1_AI_out_status_quality", CDDCommonVariant(round % 4 * 16));
        put(*s, "func1_AI_simulate_status_quality", CDDCommonVariant(round % 5 * 16));
        for (const std::int32_t id : s->host().ids()) {
            const auto* stored = dynamic_cast<const CDDVariable*>(s->host().object(id));
            if (!stored ||
                (stored->type()->getType() != ddtEnumerated && stored->type()->getType() != ddtBitEnumerated))
                continue;
            // The same object twice, as a host that asks again does.
            std::unique_ptr<CDDObject> object(stored->clone());
            s->host().log().clear();
            s->calculator().CalculateAttributes05(ContextWord{0}, object.get());
            s->calculator().CalculateAttributes05(ContextWord{0}, object.get());
            reads += s->host().log().count("GetCurrentValue");
            EXPECT_EQ(s->host().alive(), 0) << id;
        }
    }
    EXPECT_GT(reads, 0u);
    EXPECT_EQ(s->host().handedOut() - before, static_cast<long>(reads));
    EXPECT_EQ(s->host().alive(), 0);
}
