// Run-time rules of the variables whose choice the golden value sets cannot
// reach whole: the lower range values' display format, chosen by their own
// value and the decimal point, as values of every kind, with the reads it
// takes; the level unit's text and bounds by a code of every kind. Every
// request goes through the module's forwarder on a fresh copy of the stored
// object. What the variables hold under chosen values (the write lock, units,
// formats, bounds from partners) and what they read at the defaults, locked
// and with no values is pinned by the golden dumps.
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

std::string text(const std::optional<CStrPP>& t) { return t ? t->str() : std::string("<unset>"); }

}  // namespace

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

// ---------------------------------------------------------------- units

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
        {CDDCommonVariant(1012.5), "%", CDDCommonVariant(0), CDDCommonVariant(100)},
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
