// Run-time rules of the float, integer, string and time-stamp variables: the
// write lock, formats, units and bounds chosen from current values, and texts
// and value kinds where a slip is likely. Every request goes through the
// module's forwarder on a fresh copy of the stored object.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <tuple>
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
        {CDDCommonVariant(9361), true},     {CDDCommonVariant(0), false},        {CDDCommonVariant(9360), false},
        {CDDCommonVariant(9362), false},    {CDDCommonVariant(-9361), false},    {CDDCommonVariant(9361u), true},
        {CDDCommonVariant(9361.0), true},   {CDDCommonVariant(9361L), true},     {CDDCommonVariant(9361.5), false},
        {CDDCommonVariant("9361"), false},  {kNone, false},
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
        {"trans1_cal_point_lo_offline", "trans1_calibration_type_offline", 0, 1, {"trans1_cal_point_hi_offline"}, {},
         false},
        {"trans1_cal_point_hi_offline", "trans1_calibration_type_offline", 0, 1, {"trans1_cal_point_lo_offline"}, {},
         false},
        {"trans1_level_lo_offline", "trans1_calibration_type_offline", 0, 1,
         {"trans1_level_unit", "trans1_level_hi_offline"}, {"trans1_level_unit"}, false},
        {"trans1_level_hi_offline", "trans1_calibration_type_offline", 0, 1,
         {"trans1_level_lo_offline", "trans1_level_unit"}, {"trans1_level_unit"}, false},
        {"parBargraphScaleMin_offline", "trans1_calibration_type_offline", 0, 1, {"parBargraphScaleMax_offline"}, {},
         false},
        {"parBargraphScaleMax_offline", "trans1_calibration_type_offline", 0, 1, {"parBargraphScaleMin_offline"}, {},
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
            const std::string why = std::string(item.name) + " with the lock at " + show(c.lock) + " and " +
                                    item.term + " at " + show(c.term);
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

TEST(VariablesWriteLock, FixedHandlingsAskForNoValue) {
    auto s = openSession();
    const std::pair<const char*, H> items[] = {
        {"parWriteLocking", H::ReadWrite},       {"parWriteLocking_BACKUP", H::ReadWrite},
        {"parWriteLocking_DIAGNOSTIC", H::ReadWrite}, {"trans1_tag_desc", H::ReadWrite},
        {"phys_factory_reset", H::ReadWrite},    {"func1_AI_out_unit_text", H::ReadWrite},
        {"trans1_sensor_offset", H::ReadWrite},  {"trans1_level_offset", H::ReadWrite},
        {"trans1_lin_diameter", H::ReadWrite},   {"trans1_index", H::ReadWrite},
        {"parPADeviceBusAddress", H::Read},      {"trans1_sensor_high_limit", H::Read},
        {"phys_software_rev", H::Read},          {"__ZTQ__phys_device_man_id", H::Read},
        {"capacity_high_value", H::Read},
        {"func1_AI_hi_alm_time_stamp", H::Read}, {"var_locking_local", H::None},
        {"__ZTQ__device_man_id", H::None},       {"__ZTQ__dummy__8bit", H::None},
        {"__ZTQ__dummy__32bit", H::None},        {"_ZTQGSD_SIFlag", H::None},
        {"_ZTQGSD_AddTab", H::None},             {"_ZTQGSD_ChannelProtectionSlot03", H::None},
        {"_ZTQGSD_C1_Timeout", H::None},         {"DEVICE_TYPE_Name", H::None},
        {"var_local_lo", H::None},               {"dummy_2bytes_value", H::None},
        {"dummy_float_value", H::None},
    };
    for (const int lock : {0, 9361}) {
        put(*s, "parWriteLocking", CDDCommonVariant(lock));
        for (const auto& [name, handling] : items) {
            const auto a = ask(*s, name);
            ASSERT_NE(a.v, nullptr);
            expectHandling(*a.v, handling, std::string(name) + " with the lock at " + std::to_string(lock));
            EXPECT_TRUE(a.reads.empty()) << name;
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
        {CDDCommonVariant(999999999), false},     {CDDCommonVariant(-999999999), false},
        {CDDCommonVariant(999999999.0), false},   {CDDCommonVariant(-999999999.0), false},
        {CDDCommonVariant(999999999.5), true},    {CDDCommonVariant(-999999999.5), true},
        {CDDCommonVariant(1000000000), true},     {CDDCommonVariant(-1000000000), true},
        {CDDCommonVariant(2000000000), true},     {CDDCommonVariant(-2000000000L), true},
        {CDDCommonVariant(123.5), false},         {CDDCommonVariant(0.0), false},
        {CDDCommonVariant(999999999u), false},    {kNone, false},
    };
    // The decimal point and the case it selects, -1 for none.
    const std::pair<CDDCommonVariant, int> points[] = {
        {CDDCommonVariant(0), 0},     {CDDCommonVariant(1), 1},        {CDDCommonVariant(2), 2},
        {CDDCommonVariant(3), 3},     {CDDCommonVariant(4), 4},        {CDDCommonVariant(5), 5},
        {CDDCommonVariant(6), 6},     {CDDCommonVariant(7), 7},        {CDDCommonVariant(8), -1},
        {CDDCommonVariant(-1), -1},   {CDDCommonVariant(100), -1},     {kNone, -1},
        {CDDCommonVariant(3u), 3},    {CDDCommonVariant(5.0), 5},      {CDDCommonVariant(2.5), -1},
        {CDDCommonVariant("3"), -1},
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
                    expected = std::string(1, '.').append(std::to_string(large ? digits + 1 : digits)).append(large ? "g" : "f");
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

TEST(VariablesUnits, TablePForEveryCodeAndNoneForTheOutputRange) {
    auto s = openSession();
    const std::pair<CDDCommonVariant, const char*> codes[] = {
        {CDDCommonVariant(1342), "%"},     {CDDCommonVariant(1012), "cm|de|cm|fr|cm|it|cm"},
        {CDDCommonVariant(1013), "mm"},    {CDDCommonVariant(1010), "m"},
        {CDDCommonVariant(1019), "in"},    {CDDCommonVariant(1018), "ft"},
        {CDDCommonVariant(1038), "l"},     {CDDCommonVariant(1042), "hl"},
        {CDDCommonVariant(1036), "cm3"},   {CDDCommonVariant(1035), "dm3"},
        {CDDCommonVariant(1034), "m3"},    {CDDCommonVariant(1043), "ft3"},
        {CDDCommonVariant(1048), "usgal"}, {CDDCommonVariant(1049), "i gal"},
        {CDDCommonVariant(1088), "kg"},    {CDDCommonVariant(1092), "t"},
        {CDDCommonVariant(1094), "lb"},    {CDDCommonVariant(1049u), "i gal"},
        {CDDCommonVariant(1018.0), "ft"},  {CDDCommonVariant(0), "%"},
        {CDDCommonVariant(1011), "%"},     {CDDCommonVariant(1095), "%"},
        {CDDCommonVariant(1012.5), "%"},   {CDDCommonVariant("1012"), "%"},
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

TEST(VariablesUnits, TableLGivesTextAndBoundsAndIsReadTwice) {
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
            if (!item.order.empty()) { EXPECT_EQ(a.reads, item.order) << why; }
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
    const CDDCommonVariant partners[] = {CDDCommonVariant(80),   CDDCommonVariant(80.5), CDDCommonVariant(5000),
                                         CDDCommonVariant(-3.0), CDDCommonVariant(7u),   CDDCommonVariant(12L),
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

// ---------------------------------------------------------------- texts and kinds

TEST(VariablesTexts, LabelsAndHelpsByteForByte) {
    auto s = openSession();
    const std::pair<const char*, const char*> labels[] = {
        {"func1_AI_pv_upper_range_value", "Upper Value  |de|Endwert  |fr|Valeur finale  |it|Valore finale  |es|Valor final"},
        {"func1_AI_out_lower_range_value",
         "Lower Value  |de|Anfangswert  |fr|Valeur initiale  |it|Valore iniziale  |es|Valor inicial"},
        {"func1_AI_out_value",
         "Output Value  |de|Ausgangswert  |fr|Valeur de sortie  |it|Valore di uscita  |es|Valor de salida"},
        {"trans1_sensor_low_limit",
         "Lower Value Min  |de|Anfangswert Min  |fr|Valeur initiale min.  |it|Valore iniziale min  |es|Valor inicial mín. "},
        {"trans1_tab_min_number",
         "Min Number of Coordinates  |de|Min Anzahl Stützstellen  |fr|Nombre min. de noeuds d'interpolation  "
         "|it|Numero minimo di coordinate   |es|Número mín. de coordinadas"},
        {"trans1_tab_max_number",
         "Max Number of Coordinates  |de|Max Anzahl Stützstellen  |fr|Nombre max. de noeuds d'interpolation  "
         "|it|Numero massimo punti di coordinate   |es|Máx. número de coordinadas"},
        {"func1_AI_blk_dd_rev", "DD Revision  |de|DD-Revision  |fr|Révision DD  |it|Revisione DD  |es|Revisión DD "},
        {"trans1_secondary_value_1_value",
         "Wert (Secondary Value 1)  |de|Wert (Sekundärvariable 1)  |fr|Valeur (variable secondaire 1)  "
         "|it|Valore (variabile secondaria 1)"},
        {"func1_AI_tag_desc", "TAG  |fr|Repère de l'appareil  |it|TAG  |es|TAG"},
        {"parWriteLocking", "unlock parameter|de|Freigabecode|fr|Code opération|es|Freigabecode|it|Modo operativo|nl|startcode"},
        {"parWriteLocking_DIAGNOSTIC",
         "unlock parameter|de|Freigabecode|fr|Code opération|es|Freigabecode|it|Modo operativo|nl|startcode"},
        {"trans1_level_hi_offline", "value full|de|Wert Vollabgl.|fr|Valeur cal.plein|es|Wert Vollabgl.|it|al. di pieno|nl|volwaarde"},
        {"parPADeviceBusAddress", "instrument addr.|de|Geräteadresse|fr|Adre.Instrument|es|Geräteadresse|it|Indrizzo Strum."},
        {"_ZTQGSD_ChannelProtectionSlot02", "Protection 02"},
        {"_ZTQGSD_C1_Timeout", "C1_Timeout"},
        {"DEVICE_TYPE_Name", "DEVICE_TYPE_Name"},
        {"__ZTQ__phys_device_man_id", ""},
        {"__ZTQ__dummy__16bit", ""},
        {"var_locking_local", ""},
        {"dummy_float_value", ""},
    };
    for (const auto& [name, label] : labels) {
        const auto a = ask(*s, name);
        ASSERT_NE(a.v, nullptr);
        EXPECT_EQ(text(a.v->getLabel()), label) << name;
    }
    struct Help {
        const char* name;
        const char* text;
        bool whole;  // else the help starts with it
    };
    const Help helps[] = {
        {"func1_AI_hi_hi_alm_unacknowledged", " ", true},
        {"trans1_tab_op_code", "", true},
        {"trans1_sensor_value",
         "The physical value of the sensor.  |de|Der physikalische Wert des Sensors.  |fr|Valeur physique du capteur.  "
         "|it|Il valore fisico del trasduttore.  |es|Valor físico del sensor. ",
         true},
        {"trans1_min_sensor_value",
         "Holds the minimum process value.  |de|Dieser Parameter hält den kleinsten gemessenen Wert.  |fr|Ce paramètre "
         "garde la plus petite valeur mesurée  |it|Mantiene il valore di processo minimo del trasduttore. ",
         true},
        {"parReset",
         "for reset code\nsee manual|de|Zur Codeeingabe\nsiehe Betriebsanl.|fr|pour code r.à.z.\nvoir mise en serv."
         "|es|código de borrado\nver manual|it|per codice reset\nvedi manuale|nl|voor resetcode\nzie handboek",
         true},
        {"func1_AI_pv_upper_range_value",
         "Defines the operational upper range value of the input value (100%)   in engineering units.  |de|", false},
        {"func1_AI_out_lower_range_value",
         "Lower Value (Output Signal Range): Lower range value of the process   variable (0%) in engineering units.  "
         "|de|",
         false},
        {"func1_AI_pv_ftime",
         "This parameter contains the time constant for the rise time of the   output up to a value of 63.21% "
         "resulting from a jump at the filter   input. The engineering unit of this parameter is always seconds.  |de|",
         false},
        {"trans1_level_lo_offline",
         "Level empty is the value of level at lower calibration point. The   unit is defined in level unit.  |de|",
         false},
    };
    for (const auto& h : helps) {
        const auto a = ask(*s, h.name);
        ASSERT_NE(a.v, nullptr);
        ASSERT_TRUE(a.v->getHelp().has_value()) << h.name;
        const std::string& got = a.v->getHelp()->str();
        if (h.whole) {
            EXPECT_EQ(got, h.text) << h.name;
        } else {
            EXPECT_EQ(got.substr(0, std::string(h.text).size()), h.text) << h.name;
        }
    }
    for (const char* name : {"phys_software_rev_003", "phys_software_rev_numeric", "__ZTQ__device_man_id",
                             "_ZTQGSD_SIFlag", "parBargraphScaleMin", "parWriteLocking", "var_local_lo",
                             "dummy_1byte_value", "_ZTQGSD_C1_Timeout"}) {
        const auto a = ask(*s, name);
        ASSERT_NE(a.v, nullptr);
        EXPECT_FALSE(a.v->getHelp().has_value()) << name << ": " << text(a.v->getHelp());
    }
}

TEST(VariablesKinds, DefaultsFormatsAndFixedBoundsKeepTheirKinds) {
    auto s = openSession();
    const std::pair<const char*, std::optional<CDDCommonVariant>> defaults[] = {
        {"func1_AI_pv_ftime", CDDCommonVariant(0)},
        {"func1_AI_out_value", CDDCommonVariant(0.0)},
        {"func1_AI_pv_upper_range_value", CDDCommonVariant(100)},
        {"func1_AI_out_lower_range_value", CDDCommonVariant(0.0)},
        {"func1_AI_alarm_hys", CDDCommonVariant(5)},
        {"func1_AI_hi_lim", CDDCommonVariant(95)},
        {"func1_AI_lo_lo_lim", CDDCommonVariant(0)},
        {"trans1_primary_value_value", CDDCommonVariant(0.0)},
        {"trans1_level", CDDCommonVariant(50)},
        {"parBargraphScaleMin", CDDCommonVariant(0)},
        {"parBargraphScaleMax", CDDCommonVariant(100.0)},
        {"parBargraphScaleMax_offline", CDDCommonVariant(100.0)},
        {"parSystemstartsCounter", CDDCommonVariant(56)},
        {"func1_AI_simulate_value", CDDCommonVariant(20)},
        {"parPAAIOutStatus", CDDCommonVariant(128)},
        {"parWriteLocking", CDDCommonVariant(9361)},
        {"__ZTQ__device_man_id", CDDCommonVariant(17)},
        {"_ZTQGSD_identNumber", CDDCommonVariant(5434)},
        {"_ZTQGSD_SIFlag", CDDCommonVariant(140)},
        {"_ZTQGSD_AddTab", CDDCommonVariant("")},
        {"_ZTQGSD_userPrm", CDDCommonVariant("000000")},
        {"DEVICE_TYPE_Name", CDDCommonVariant("Profile 3 Level")},
        {"phys_device_certification", CDDCommonVariant("CE,NE21, Exmarking see plate")},
        {"phys_message", CDDCommonVariant("")},
        {"__ZTQ__phys_device_man_id", std::nullopt},
        {"var_locking_local", std::nullopt},
        {"trans1_strategy", std::nullopt},
        {"phys_tag_desc", std::nullopt},
        {"trans1_secondary_value_1_value", std::nullopt},
        {"func1_AI_lo_alm_time_stamp", std::nullopt},
    };
    for (const auto& [name, expected] : defaults) {
        const auto a = ask(*s, name);
        ASSERT_NE(a.v, nullptr);
        const auto& got = a.v->type()->getDefaultValue();
        ASSERT_EQ(got.has_value(), expected.has_value()) << name;
        if (!got) continue;
        EXPECT_EQ(got->kind(), expected->kind()) << name << ": " << show(*got);
        EXPECT_EQ(*got, *expected) << name << ": " << show(*got);
    }
    const std::tuple<const char*, const char*, const char*> formats[] = {
        {"trans1_cal_point_lo", ".3f", "%G"},          {"trans1_cal_point_hi_offline", ".3f", "%G"},
        {"trans1_level_hi", "10.3f", "10.3f"},         {"parBargraphScaleMax_offline", "10.3f", "10.3f"},
        {"parSystemstartsCounter", ".0f", "%G"},       {"trans1_primary_value_value", "10.2f", "%G"},
        {"trans1_sensor_value", "10.0f", "%G"},        {"trans1_max_temperature", ".0f", "%G"},
        {"func1_AI_simulate_value", "%G", "%G"},       {"_ZTQGSD_C1_Timeout", "%d", "%d"},
        {"dummyInteger", "%u", "%u"},
    };
    for (const auto& [name, display, edit] : formats) {
        const auto a = ask(*s, name);
        ASSERT_NE(a.v, nullptr);
        EXPECT_EQ(text(a.v->type()->getDisplayFormat()), display) << name;
        EXPECT_EQ(text(a.v->type()->getEditFormat()), edit) << name;
    }
    const std::tuple<const char*, double, double> ranges[] = {
        {"func1_AI_pv_ftime", 0.0, 40.0},
        {"trans1_max_sensor_value", -5.0, 2100.0},
        {"trans1_min_temperature", -40.0, 80.0},
    };
    for (const auto& [name, low, high] : ranges) {
        const auto a = ask(*s, name);
        ASSERT_NE(a.v, nullptr);
        const CDDType& t = *a.v->type();
        EXPECT_EQ(t.getMaxRangeNo(), 0) << name;
        ASSERT_TRUE(t.getMinValues().count(0) && t.getMaxValues().count(0)) << name;
        EXPECT_EQ(t.getMinValues().at(0).kind(), Kind::Double) << name;
        EXPECT_EQ(t.getMaxValues().at(0).kind(), Kind::Double) << name;
        EXPECT_EQ(t.getMinValues().at(0).asDouble(), low) << name;
        EXPECT_EQ(t.getMaxValues().at(0).asDouble(), high) << name;
    }
    const auto ftime = ask(*s, "func1_AI_pv_ftime");
    EXPECT_EQ(text(ftime.v->getConstantUnit()), "s");
    EXPECT_EQ(ftime.v->classes().setBits(), std::vector<int>{14});
    EXPECT_EQ(ask(*s, "func1_AI_out_value").v->classes().setBits(), (std::vector<int>{9, 15}));
}

TEST(VariablesActions, ListsHoldTheNamedMethodsInOrder) {
    auto s = openSession();
    auto names = [](const CDDDefinitionList* list) {
        std::vector<std::string> out;
        if (list)
            for (const auto& d : list->items()) out.push_back(d.getName().str());
        return out;
    };
    const auto lock = ask(*s, "parWriteLocking");
    ASSERT_NE(lock.v, nullptr);
    EXPECT_EQ(names(lock.v->getPostReadActions()), std::vector<std::string>{"updateParShowAccess"});
    EXPECT_EQ(names(lock.v->getPreEditActions()), std::vector<std::string>{"method_parWriteLocking_remember"});
    EXPECT_EQ(names(lock.v->getPostEditActions()), std::vector<std::string>{"method_parWriteLocking_check"});
    for (const auto& d : lock.v->getPostReadActions()->items()) { EXPECT_EQ(d.getKind(), ddkMethod); }
    for (const char* name :
         {"func1_AI_alarm_hys", "func1_AI_hi_hi_lim", "func1_AI_hi_lim", "func1_AI_lo_lim", "func1_AI_lo_lo_lim"}) {
        const auto a = ask(*s, name);
        ASSERT_NE(a.v, nullptr);
        EXPECT_EQ(names(a.v->getPostEditActions()), std::vector<std::string>{"method_check_func1_AI_alarm_hys"})
            << name;
        EXPECT_EQ(a.v->getPreEditActions(), nullptr) << name;
        EXPECT_EQ(a.v->getPostReadActions(), nullptr) << name;
    }
    for (const char* name : {"func1_AI_pv_ftime", "func1_AI_out_value", "parWriteLocking_BACKUP",
                             "parWriteLocking_DIAGNOSTIC", "trans1_level_lo"}) {
        const auto a = ask(*s, name);
        ASSERT_NE(a.v, nullptr);
        EXPECT_EQ(a.v->getPreEditActions(), nullptr) << name;
        EXPECT_EQ(a.v->getPostEditActions(), nullptr) << name;
        EXPECT_EQ(a.v->getPostReadActions(), nullptr) << name;
    }
    EXPECT_EQ(s->host().alive(), 0);
}
