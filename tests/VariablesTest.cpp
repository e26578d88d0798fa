// Run-time rules of the float, integer, string and time-stamp variables: the
// write lock, formats, units and bounds chosen from current values of every
// kind, and the values each request reads. Every request goes through the
// module's forwarder on a fresh copy of the stored object; what the variables
// hold under chosen values is pinned by the golden dumps.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "tests/TestSupport.h"

namespace {

using Kind = CDDCommonVariant::Kind;
using Reads = std::vector<std::string>;

const CDDCommonVariant kNone;  // the host knows no value

std::string show(const CDDCommonVariant& v) {
    if (v.isEmpty()) return "empty";
    if (v.kind() == Kind::Text) return "text \"" + v.text() + "\"";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%s %.17g", kindName(v.kind()), v.asDouble());
    return buffer;
}

std::vector<std::string> readsSince(Session& s) {
    Reads reads;
    for (const auto& line : s.host().log().with("GetCurrentValue")) reads.push_back(line.substr(16));
    return reads;
}

// One request: the filled variable and the values the host was asked for, in order.
struct Answer {
    std::unique_ptr<CDDVariable> v;
    Reads reads;
};

Answer ask(Session& s, const char* name) {
    s.host().log().clear();
    Answer a{calculateAs<CDDVariable>(s, name), {}};
    a.reads = readsSince(s);
    EXPECT_NE(a.v, nullptr) << name;
    EXPECT_EQ(s.host().alive(), 0) << name;
    return a;
}

std::size_t count(const Reads& reads, const std::string& name) {
    return static_cast<std::size_t>(std::count(reads.begin(), reads.end(), name));
}

Reads sorted(Reads r) {
    std::sort(r.begin(), r.end());
    return r;
}

enum class H { None, Read, ReadWrite };

void expectHandling(const CDDVariable& v, H expected, const std::string& why) {
    if (expected == H::None) {
        EXPECT_FALSE(v.getHandling(ddhRead).has_value()) << why;
        EXPECT_FALSE(v.getHandling(ddhWrite).has_value()) << why;
        return;
    }
    EXPECT_EQ(v.getHandling(ddhRead), std::optional<bool>(true)) << why;
    EXPECT_EQ(v.getHandling(ddhWrite), std::optional<bool>(expected == H::ReadWrite)) << why;
}

std::string text(const std::optional<CStrPP>& t) { return t ? t->str() : std::string("<unset>"); }

}  // namespace

// ---------------------------------------------------------------- write lock

TEST(VariablesWriteLock, OnlyAValueEqualTo9361UnlocksAndTheLockIsReadOnce) {
    auto s = openSession();
    struct Item {
        const char* name;
        Reads others;  // the other values the request asks for
    };
    const Item items[] = {
        {"func1_AI_alarm_hys", {}},
        {"func1_AI_lo_lo_lim", {}},
        {"func1_AI_pv_ftime", {}},
        {"func1_AI_batch_id", {}},
        {"func1_AI_batch_phase", {}},
        {"phys_tag_desc", {}},
        {"phys_descriptor", {}},
        {"func1_AI_tag_desc", {}},
        {"phys_message", {}},
        {"phys_install_date", {}},
        {"trans1_max_sensor_value", {}},
        {"trans1_min_temperature", {}},
        {"parReset", {}},
        {"parBargraphScaleMin", {"parBargraphScaleMax"}},
        {"parBargraphScaleMax", {"parBargraphScaleMin"}},
        {"func1_AI_out_upper_range_value", {}},
        {"func1_AI_pv_upper_range_value", {"trans1_primary_value_unit"}},
        {"func1_AI_out_lower_range_value",
         {"func1_AI_out_lower_range_value", "func1_AI_out_lower_range_value", "func1_AI_out_decimal_point"}},
        {"func1_AI_pv_lower_range_value",
         {"func1_AI_pv_lower_range_value", "func1_AI_pv_lower_range_value", "func1_AI_out_decimal_point",
          "trans1_primary_value_unit"}},
        {"trans1_level_lo", {"trans1_level_unit", "trans1_level_hi", "trans1_level_unit"}},
        {"trans1_level_hi", {"trans1_level_lo", "trans1_level_unit", "trans1_level_unit"}},
    };
    const std::pair<CDDCommonVariant, bool> locks[] = {
        {CDDCommonVariant(9361), true},
        {CDDCommonVariant(0), false},
        {CDDCommonVariant(9360), false},
        {CDDCommonVariant(9362), false},
        {CDDCommonVariant(-9361), false},
        {CDDCommonVariant(9361u), true},
        {CDDCommonVariant(9361.0), true},
        {CDDCommonVariant(9361L), true},
        {CDDCommonVariant(9361.5), false},
        {CDDCommonVariant("9361"), false},
        {kNone, false},
    };
    for (const auto& item : items) {
        for (const auto& [lock, open] : locks) {
            put(*s, "parWriteLocking", lock);
            const auto a = ask(*s, item.name);
            ASSERT_NE(a.v, nullptr);
            const std::string why = std::string(item.name) + " with the lock at " + show(lock);
            expectHandling(*a.v, open ? H::ReadWrite : H::Read, why);
            EXPECT_EQ(count(a.reads, "parWriteLocking"), 1u) << why;
            Reads rest = a.reads;
            rest.erase(std::remove(rest.begin(), rest.end(), "parWriteLocking"), rest.end());
            EXPECT_EQ(sorted(rest), sorted(item.others)) << why;
        }
    }
}

TEST(VariablesWriteLock, TheSecondTermIsReadOnlyWhenTheLockHolds) {
    auto s = openSession();
    struct Item {
        const char* name;
        const char* term;
        int match;  // the term's value that permits writing
        int other;
        Reads before;  // asked for ahead of the lock
        Reads after;   // asked for after the handling
        bool ordered;  // the whole order of the reads is known
    };
    const Item items[] = {
        {"func1_AI_out_value", "func1_AI_target_mode", 16, 8, {}, {}, true},
        {"func1_AI_out_value", "func1_AI_target_mode", 16, 128, {}, {}, true},
        {"parPAAIOutStatus", "func1_AI_target_mode", 16, 128, {}, {}, true},
        {"func1_AI_simulate_value", "func1_AI_simulation_enabled", 1, 0, {}, {"trans1_primary_value_unit"}, true},
        {"parSimulationStatus", "func1_AI_simulation_enabled", 1, 0, {}, {}, true},
        {"trans1_cal_point_lo", "trans1_calibration_type", 0, 1, {"trans1_cal_point_hi"}, {}, true},
        {"trans1_cal_point_hi", "trans1_calibration_type", 0, 1, {"trans1_cal_point_lo"}, {}, true},
        {"trans1_cal_point_lo_offline",
         "trans1_calibration_type_offline",
         0,
         1,
         {"trans1_cal_point_hi_offline"},
         {},
         false},
        {"trans1_cal_point_hi_offline",
         "trans1_calibration_type_offline",
         0,
         1,
         {"trans1_cal_point_lo_offline"},
         {},
         false},
        {"trans1_level_lo_offline",
         "trans1_calibration_type_offline",
         0,
         1,
         {"trans1_level_unit", "trans1_level_hi_offline"},
         {"trans1_level_unit"},
         false},
        {"trans1_level_hi_offline",
         "trans1_calibration_type_offline",
         0,
         1,
         {"trans1_level_lo_offline", "trans1_level_unit"},
         {"trans1_level_unit"},
         false},
        {"parBargraphScaleMin_offline",
         "trans1_calibration_type_offline",
         0,
         1,
         {"parBargraphScaleMax_offline"},
         {},
         false},
        {"parBargraphScaleMax_offline",
         "trans1_calibration_type_offline",
         0,
         1,
         {"parBargraphScaleMin_offline"},
         {},
         false},
    };
    for (const auto& item : items) {
        struct Case {
            CDDCommonVariant lock, term;
            bool termRead, write;
        };
        const Case cases[] = {
            {CDDCommonVariant(0), CDDCommonVariant(item.match), false, false},
            {CDDCommonVariant(9360), CDDCommonVariant(item.match), false, false},
            {kNone, CDDCommonVariant(item.match), false, false},
            {CDDCommonVariant(9361), CDDCommonVariant(item.other), true, false},
            {CDDCommonVariant(9361), kNone, true, false},
            {CDDCommonVariant(9361), CDDCommonVariant(item.match), true, true},
            {CDDCommonVariant(9361u), CDDCommonVariant(static_cast<unsigned>(item.match)), true, true},
            {CDDCommonVariant(9361.0), CDDCommonVariant(static_cast<double>(item.match)), true, true},
        };
        for (const auto& c : cases) {
            put(*s, "parWriteLocking", c.lock);
            put(*s, item.term, c.term);
            const auto a = ask(*s, item.name);
            ASSERT_NE(a.v, nullptr);
            const std::string why = std::string(item.name) + " with the lock at " + show(c.lock) + " and " + item.term +
                                    " at " + show(c.term);
            expectHandling(*a.v, c.write ? H::ReadWrite : H::Read, why);
            EXPECT_EQ(count(a.reads, "parWriteLocking"), 1u) << why;
            EXPECT_EQ(count(a.reads, item.term), c.termRead ? 1u : 0u) << why;
            if (item.ordered) {
                Reads expected = item.before;
                expected.push_back("parWriteLocking");
                if (c.termRead) expected.push_back(item.term);
                expected.insert(expected.end(), item.after.begin(), item.after.end());
                EXPECT_EQ(a.reads, expected) << why;
                continue;
            }
            // The term follows the lock test at once.
            const auto lock = std::find(a.reads.begin(), a.reads.end(), "parWriteLocking");
            if (c.termRead && lock != a.reads.end() && lock + 1 != a.reads.end()) {
                EXPECT_EQ(*(lock + 1), item.term) << why;
            }
            Reads rest;
            for (const auto& r : a.reads)
                if (r != "parWriteLocking" && r != item.term) rest.push_back(r);
            Reads others = item.before;
            others.insert(others.end(), item.after.begin(), item.after.end());
            EXPECT_EQ(sorted(rest), sorted(others)) << why;
        }
    }
}

TEST(VariablesWriteLock, OneObjectFollowsTheValuesOfEachRequest) {
    auto s = openSession();
    auto& host = s->host();
    auto run = [&](const char* name, CDDObject& object) {
        host.log().clear();
        EXPECT_EQ(s->calculator().CalculateAttributes05(ContextWord{0}, &object), &object);
        EXPECT_EQ(host.alive(), 0);
        auto* v = dynamic_cast<CDDVariable*>(&object);
        EXPECT_NE(v, nullptr) << name;
        return v;
    };
    std::unique_ptr<CDDObject> message(host.objectNamed("phys_message")->clone());
    std::unique_ptr<CDDObject> out(host.objectNamed("func1_AI_out_value")->clone());
    std::unique_ptr<CDDObject> level(host.objectNamed("trans1_level_lo")->clone());
    std::unique_ptr<CDDObject> lower(host.objectNamed("func1_AI_out_lower_range_value")->clone());

    put(*s, "func1_AI_target_mode", CDDCommonVariant(16));
    put(*s, "trans1_level_unit", CDDCommonVariant(1018));
    put(*s, "func1_AI_out_decimal_point", CDDCommonVariant(2));
    put(*s, "func1_AI_out_lower_range_value", CDDCommonVariant(2000000000));
    for (const int lock : {9361, 0, 9361}) {
        put(*s, "parWriteLocking", CDDCommonVariant(lock));
        const H expected = lock == 9361 ? H::ReadWrite : H::Read;
        expectHandling(*run("phys_message", *message), expected, "phys_message " + std::to_string(lock));
        expectHandling(*run("func1_AI_out_value", *out), expected, "func1_AI_out_value " + std::to_string(lock));
        EXPECT_EQ(readsSince(*s).size(), lock == 9361 ? 2u : 1u);
    }
    put(*s, "func1_AI_target_mode", CDDCommonVariant(8));
    expectHandling(*run("func1_AI_out_value", *out), H::Read, "func1_AI_out_value in auto");

    auto* v = run("trans1_level_lo", *level);
    EXPECT_EQ(text(v->getConstantUnit()), "ft");
    EXPECT_EQ(v->type()->getMinValues().at(0), CDDCommonVariant(-32805.11916));
    put(*s, "trans1_level_unit", CDDCommonVariant(1342));
    v = run("trans1_level_lo", *level);
    EXPECT_EQ(text(v->getConstantUnit()), "%");
    EXPECT_EQ(v->type()->getMinValues().at(0).kind(), Kind::Int);
    EXPECT_EQ(v->type()->getMinValues().at(0), CDDCommonVariant(0));

    v = run("func1_AI_out_lower_range_value", *lower);
    EXPECT_EQ(text(v->type()->getDisplayFormat()), ".3g");
    put(*s, "func1_AI_out_lower_range_value", CDDCommonVariant(12.5));
    v = run("func1_AI_out_lower_range_value", *lower);
    EXPECT_EQ(text(v->type()->getDisplayFormat()), ".2f");
}

// ---------------------------------------------------------------- range values

TEST(VariablesRangeFormat, LowerValuesChooseByTheirOwnValueAndTheDecimalPoint) {
    auto s = openSession();
    struct Value {
        CDDCommonVariant v;
        bool large;
    };
    const Value values[] = {
        {CDDCommonVariant(999999999), false},   {CDDCommonVariant(-999999999), false},
        {CDDCommonVariant(999999999.0), false}, {CDDCommonVariant(-999999999.0), false},
        {CDDCommonVariant(999999999.5), true},  {CDDCommonVariant(-999999999.5), true},
        {CDDCommonVariant(1000000000), true},   {CDDCommonVariant(-1000000000), true},
        {CDDCommonVariant(2000000000), true},   {CDDCommonVariant(-2000000000L), true},
        {CDDCommonVariant(123.5), false},       {CDDCommonVariant(0.0), false},
        {CDDCommonVariant(999999999u), false},  {kNone, false},
    };
    // The decimal point and the case it selects, -1 for none.
    const std::pair<CDDCommonVariant, int> points[] = {
        {CDDCommonVariant(0), 0},  {CDDCommonVariant(1), 1},   {CDDCommonVariant(2), 2},    {CDDCommonVariant(3), 3},
        {CDDCommonVariant(4), 4},  {CDDCommonVariant(5), 5},   {CDDCommonVariant(6), 6},    {CDDCommonVariant(7), 7},
        {CDDCommonVariant(8), -1}, {CDDCommonVariant(-1), -1}, {CDDCommonVariant(100), -1}, {kNone, -1},
        {CDDCommonVariant(3u), 3}, {CDDCommonVariant(5.0), 5}, {CDDCommonVariant(2.5), -1}, {CDDCommonVariant("3"), -1},
    };
    for (const char* name : {"func1_AI_pv_lower_range_value", "func1_AI_out_lower_range_value"}) {
        for (const auto& [value, large] : values) {
            for (const auto& [point, digits] : points) {
                put(*s, name, value);
                put(*s, "func1_AI_out_decimal_point", point);
                const auto a = ask(*s, name);
                ASSERT_NE(a.v, nullptr);
                const std::string why = std::string(name) + " at " + show(value) + ", decimal point " + show(point);
                std::string expected = large ? "8.4g" : "7.4f";
                if (digits >= 0) {
                    expected = std::string(1, '.')
                                   .append(std::to_string(large ? digits + 1 : digits))
                                   .append(large ? "g" : "f");
                }
                EXPECT_EQ(text(a.v->type()->getDisplayFormat()), expected) << why;
                EXPECT_EQ(text(a.v->type()->getEditFormat()), "%G") << why;
                // Its own value once when above the upper bound, else twice; then the decimal point once.
                Reads chain;
                for (const auto& r : a.reads)
                    if (r == name || r == "func1_AI_out_decimal_point") chain.push_back(r);
                Reads expectedChain(value > CDDCommonVariant(999999999) ? 1 : 2, name);
                expectedChain.push_back("func1_AI_out_decimal_point");
                EXPECT_EQ(chain, expectedChain) << why;
                EXPECT_EQ(count(a.reads, "parWriteLocking"), 1u) << why;
            }
        }
    }
}

TEST(VariablesRangeFormat, UpperValuesAndEditFormatsStayG) {
    auto s = openSession();
    for (const char* name : {"func1_AI_pv_upper_range_value", "func1_AI_out_upper_range_value"}) {
        for (const auto& value : {CDDCommonVariant(2000000000), CDDCommonVariant(12.5), kNone}) {
            for (const auto& point : {CDDCommonVariant(0), CDDCommonVariant(3), CDDCommonVariant(8), kNone}) {
                put(*s, name, value);
                put(*s, "func1_AI_out_decimal_point", point);
                const auto a = ask(*s, name);
                ASSERT_NE(a.v, nullptr);
                EXPECT_EQ(text(a.v->type()->getDisplayFormat()), "%G") << name;
                EXPECT_EQ(text(a.v->type()->getEditFormat()), "%G") << name;
                EXPECT_EQ(count(a.reads, name), 0u) << name;
                EXPECT_EQ(count(a.reads, "func1_AI_out_decimal_point"), 0u) << name;
            }
        }
    }
}

// ---------------------------------------------------------------- units

TEST(VariablesUnits, PrimaryValueUnitForEveryCodeAndNoneForTheOutputRange) {
    auto s = openSession();
    const std::pair<CDDCommonVariant, const char*> codes[] = {
        {CDDCommonVariant(1342), "%"},
        {CDDCommonVariant(1012), "cm|de|cm|fr|cm|it|cm"},
        {CDDCommonVariant(1013), "mm"},
        {CDDCommonVariant(1010), "m"},
        {CDDCommonVariant(1019), "in"},
        {CDDCommonVariant(1018), "ft"},
        {CDDCommonVariant(1038), "l"},
        {CDDCommonVariant(1042), "hl"},
        {CDDCommonVariant(1036), "cm3"},
        {CDDCommonVariant(1035), "dm3"},
        {CDDCommonVariant(1034), "m3"},
        {CDDCommonVariant(1043), "ft3"},
        {CDDCommonVariant(1048), "usgal"},
        {CDDCommonVariant(1049), "i gal"},
        {CDDCommonVariant(1088), "kg"},
        {CDDCommonVariant(1092), "t"},
        {CDDCommonVariant(1094), "lb"},
        {CDDCommonVariant(1049u), "i gal"},
        {CDDCommonVariant(1018.0), "ft"},
        {CDDCommonVariant(0), "%"},
        {CDDCommonVariant(1011), "%"},
        {CDDCommonVariant(1095), "%"},
        {CDDCommonVariant(1012.5), "%"},
        {CDDCommonVariant("1012"), "%"},
        {kNone, "%"},
    };
    for (const auto& [code, unit] : codes) {
        put(*s, "trans1_primary_value_unit", code);
        for (const char* name : {"trans1_primary_value_value", "func1_AI_simulate_value",
                                 "func1_AI_pv_upper_range_value", "func1_AI_pv_lower_range_value"}) {
            const auto a = ask(*s, name);
            ASSERT_NE(a.v, nullptr);
            EXPECT_EQ(text(a.v->getConstantUnit()), unit) << name << " at " << show(code);
            EXPECT_EQ(count(a.reads, "trans1_primary_value_unit"), 1u) << name;
        }
        for (const char* name : {"func1_AI_out_upper_range_value", "func1_AI_out_lower_range_value"}) {
            const auto a = ask(*s, name);
            ASSERT_NE(a.v, nullptr);
            EXPECT_FALSE(a.v->getConstantUnit().has_value()) << name;
            EXPECT_EQ(count(a.reads, "trans1_primary_value_unit"), 0u) << name;
        }
    }
}

TEST(VariablesUnits, LevelUnitGivesTextAndBoundsAndIsReadTwice) {
    auto s = openSession();
    struct Row {
        CDDCommonVariant code;
        const char* unit;
        CDDCommonVariant empty, full;
    };
    const Row rows[] = {
        {CDDCommonVariant(1342), "%", CDDCommonVariant(0), CDDCommonVariant(100)},
        {CDDCommonVariant(1012), "cm", CDDCommonVariant(-999900.0), CDDCommonVariant(999900.0)},
        {CDDCommonVariant(1013), "mm", CDDCommonVariant(-9999000.0), CDDCommonVariant(9999000.0)},
        {CDDCommonVariant(1010), "m", CDDCommonVariant(-9999.0), CDDCommonVariant(9999.0)},
        {CDDCommonVariant(1019), "in", CDDCommonVariant(-393661.6299), CDDCommonVariant(393661.6299)},
        {CDDCommonVariant(1018), "ft", CDDCommonVariant(-32805.11916), CDDCommonVariant(32805.21915)},
        {CDDCommonVariant(1018u), "ft", CDDCommonVariant(-32805.11916), CDDCommonVariant(32805.21915)},
        {CDDCommonVariant(1013.0), "mm", CDDCommonVariant(-9999000.0), CDDCommonVariant(9999000.0)},
        {CDDCommonVariant(1034), "%", CDDCommonVariant(0), CDDCommonVariant(100)},  // a code of P only
        {CDDCommonVariant(0), "%", CDDCommonVariant(0), CDDCommonVariant(100)},
        {CDDCommonVariant("1012"), "%", CDDCommonVariant(0), CDDCommonVariant(100)},
        {kNone, "%", CDDCommonVariant(0), CDDCommonVariant(100)},
    };
    struct Item {
        const char* name;
        bool empty;  // level empty: the lower bound comes from the table
        Reads order;
    };
    const Item items[] = {
        {"trans1_level_lo", true, {"trans1_level_unit", "trans1_level_hi", "parWriteLocking", "trans1_level_unit"}},
        {"trans1_level_hi", false, {"trans1_level_lo", "trans1_level_unit", "parWriteLocking", "trans1_level_unit"}},
        {"trans1_level_lo_offline", true, {}},
        {"trans1_level_hi_offline", false, {}},
    };
    for (const auto& row : rows) {
        put(*s, "trans1_level_unit", row.code);
        for (const auto& item : items) {
            const auto a = ask(*s, item.name);
            ASSERT_NE(a.v, nullptr);
            const std::string why = std::string(item.name) + " at " + show(row.code);
            EXPECT_EQ(text(a.v->getConstantUnit()), row.unit) << why;
            const auto& bounds = item.empty ? a.v->type()->getMinValues() : a.v->type()->getMaxValues();
            ASSERT_EQ(bounds.count(0), 1u) << why;
            const CDDCommonVariant& expected = item.empty ? row.empty : row.full;
            EXPECT_EQ(bounds.at(0).kind(), expected.kind()) << why << ": " << show(bounds.at(0));
            EXPECT_EQ(bounds.at(0).asDouble(), expected.asDouble()) << why;
            EXPECT_EQ(count(a.reads, "trans1_level_unit"), 2u) << why;
            if (!item.order.empty()) {
                EXPECT_EQ(a.reads, item.order) << why;
            }
        }
        for (const char* name : {"trans1_cal_point_lo", "trans1_cal_point_hi_offline"}) {
            const auto a = ask(*s, name);
            ASSERT_NE(a.v, nullptr);
            EXPECT_EQ(text(a.v->getConstantUnit()), "pF") << name;
            EXPECT_EQ(count(a.reads, "trans1_level_unit"), 0u) << name;
        }
    }
}

// ---------------------------------------------------------------- bounds from a partner

TEST(VariablesBounds, APartnersValuePassesUnchangedWithItsKind) {
    auto s = openSession();
    put(*s, "trans1_level_unit", CDDCommonVariant(1342));
    struct Item {
        const char* name;
        const char* partner;
        bool partnerGivesUpper;
        CDDCommonVariant fixed;  // the other bound
    };
    const Item items[] = {
        {"trans1_cal_point_lo", "trans1_cal_point_hi", true, CDDCommonVariant(0.0)},
        {"trans1_cal_point_hi", "trans1_cal_point_lo", false, CDDCommonVariant(2100.0)},
        {"trans1_level_lo", "trans1_level_hi", true, CDDCommonVariant(0)},
        {"trans1_level_hi", "trans1_level_lo", false, CDDCommonVariant(100)},
        {"parBargraphScaleMin", "parBargraphScaleMax", true, CDDCommonVariant(0.0)},
        {"parBargraphScaleMax", "parBargraphScaleMin", false, CDDCommonVariant(100.0)},
        {"trans1_cal_point_lo_offline", "trans1_cal_point_hi_offline", true, CDDCommonVariant(0.0)},
        {"trans1_cal_point_hi_offline", "trans1_cal_point_lo_offline", false, CDDCommonVariant(2100.0)},
        {"trans1_level_lo_offline", "trans1_level_hi_offline", true, CDDCommonVariant(0)},
        {"trans1_level_hi_offline", "trans1_level_lo_offline", false, CDDCommonVariant(100)},
        {"parBargraphScaleMin_offline", "parBargraphScaleMax_offline", true, CDDCommonVariant(0.0)},
        {"parBargraphScaleMax_offline", "parBargraphScaleMin_offline", false, CDDCommonVariant(100.0)},
    };
    const CDDCommonVariant partners[] = {CDDCommonVariant(80),
                                         CDDCommonVariant(80.5),
                                         CDDCommonVariant(5000),
                                         CDDCommonVariant(-3.0),
                                         CDDCommonVariant(7u),
                                         CDDCommonVariant(12L),
                                         kNone};
    for (const auto& item : items) {
        for (const auto& lock : {CDDCommonVariant(0), CDDCommonVariant(9361)}) {
            put(*s, "parWriteLocking", lock);
            for (const auto& value : partners) {
                put(*s, item.partner, value);
                const auto a = ask(*s, item.name);
                ASSERT_NE(a.v, nullptr);
                const std::string why = std::string(item.name) + " with " + item.partner + " at " + show(value);
                const CDDType& t = *a.v->type();
                EXPECT_EQ(t.getMaxRangeNo(), 0) << why;
                ASSERT_TRUE(t.getMinValues().count(0) && t.getMaxValues().count(0)) << why;
                const auto& moving = item.partnerGivesUpper ? t.getMaxValues().at(0) : t.getMinValues().at(0);
                const auto& fixed = item.partnerGivesUpper ? t.getMinValues().at(0) : t.getMaxValues().at(0);
                EXPECT_EQ(moving.kind(), value.kind()) << why << ": " << show(moving);
                EXPECT_EQ(moving, value) << why << ": " << show(moving);
                EXPECT_EQ(fixed.kind(), item.fixed.kind()) << why << ": " << show(fixed);
                EXPECT_EQ(fixed, item.fixed) << why << ": " << show(fixed);
                EXPECT_EQ(count(a.reads, item.partner), 1u) << why;
            }
        }
    }
}
