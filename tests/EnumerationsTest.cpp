// The enumerated and bit-enumerated variables' run-time choices: how each
// chooses from current values of every kind, which values it reads, and that
// every object the host hands it is gone when it returns. What each builds is
// pinned by the golden dumps.
#include <algorithm>
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

std::string text(const std::optional<CStrPP>& t) { return t ? t->str() : "<unset>"; }

// Description of the first enumerator with that value.
std::string describe(const CDDType& t, std::int32_t value) {
    for (const auto& e : t.enumerators().items())
        if (e.getValue() == value) return text(e.getDescription());
    return "<no entry>";
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

// ---------------------------------------------------------------- run-time choices

TEST(EnumerationsChoices, TransducerClassFollowsItsParentClassWithOneRead) {
    auto s = openSession();
    const std::string standard = "Standard  |de|Standard  |fr|Standard  |it|Standard  |es|Estándar";
    const struct {
        int parent;
        Values chosen;
        std::string first;
    } cases[] = {
        {0, {1}, standard},
        {1,
         {1, 2, 3},
         "Differential  |de|Differenzdruck  |fr|Pression différentielle  |it|Pressione differenziale  |es|Presión diferencial"},
        {2,
         {1, 2, 3, 16, 17, 18},
         "Thermocouple (TC)  |de|Thermoelement (TC)  |fr|Thermocouple (TC)  |it|Termocoppia (TC)  |es|Termopar (TC)"},
        {3,
         {1, 2, 3, 4, 5},
         "Electromagnetic Flow  |de|Elektromagnetische Durchflußmessung  |fr|Mesure de débit électromagnétique  |it|Misurazione di portata elettromagnetica  |es|Medición de flujo electromagnética"},
        {4,
         {1, 2, 4},
         "Hydrostatic Level Meter  |de|Hydrostatische Füllstandsmessung  |fr|Mesure de débit hydrostatique  |it|Misurazione di portata idrostatica  |es|Medición hidróstatica de nivel"},
        {5, {1}, standard},
        {6, {1}, "trans_DI_blk_class_IO"},
        {7, {1}, standard},
        {252, {1}, standard},
    };
    for (const auto& k : cases) {
        put(*s, "trans1_blk_parent_class", CDDCommonVariant(k.parent));
        const Calc c = run(*s, "trans1_blk_class");
        ASSERT_TRUE(c.v && c.v->type()) << k.parent;
        Values expected = k.chosen;
        for (int closing : {250, 251, 252, 253}) expected.push_back(closing);
        EXPECT_EQ(values(c.type()), expected) << k.parent;
        EXPECT_EQ(describe(c.type(), 1), k.first) << k.parent;
        EXPECT_EQ(c.reads, Names{"trans1_blk_parent_class"}) << k.parent;
        EXPECT_EQ(c.type().getDefaultValue()->asInt64(), 4) << k.parent;
        EXPECT_EQ(c.type().getMaxEnumIndex(), 253) << k.parent;
        EXPECT_EQ(handling(*c.v), "R") << k.parent;
        EXPECT_EQ(describe(c.type(), 250),
                  "Not used  |de|Nicht verwendet  |fr|Non utilisé  |it|Non utilizzato  |es|No utilizado");
        EXPECT_EQ(describe(c.type(), 251), "None  |de|Kein  |fr|Aucun  |it|Non previsto  |es|Sin");
        EXPECT_EQ(describe(c.type(), 252), "Unknown  |de|Unbekannt  |fr|Inconnu  |it|Sconosciuto  |es|Desconocido");
        EXPECT_EQ(describe(c.type(), 253), "Special  |de|Sonder  |fr|Spécial  |it|Speciale  |es|Especial");
    }
    put(*s, "trans1_blk_parent_class", CDDCommonVariant(2));
    EXPECT_EQ(describe(run(*s, "trans1_blk_class").type(), 18), "TC + RTD + R + DC U");
    put(*s, "trans1_blk_parent_class", CDDCommonVariant(4));
    EXPECT_EQ(describe(run(*s, "trans1_blk_class").type(), 4), "Capacitive  |de|Kapazitiv  |fr|Capacitif");
}

namespace {
const Values kFullQuality = {32, 33, 34, 35, 36, 37, 38, 40, 41, 16, 17, 18, 19,
                             20, 21, 22, 23, 0,  1,  2,  3,  4,  5,  6,  7};
const Values kManualQuality = {32, 33, 34, 35, 36, 37, 38, 40, 41, 16, 17, 18, 19, 20, 21, 22, 23, 0, 1, 3, 4, 6, 7};
const Values kFullLimit = {0, 1, 2, 3};
const Values kReducedLimit = {0, 3};
const Names kStatusAction = {"method_set_status_limit_1"};
}  // namespace

TEST(EnumerationsChoices, OutputStatusFollowsTargetModeAndQuality) {
    auto s = openSession();
    const std::string mode = "func1_AI_target_mode", quality = "func1_AI_out_status_quality";
    put(*s, "parWriteLocking", CDDCommonVariant(9361));  // plays no part here
    for (const CDDCommonVariant& m :
         {CDDCommonVariant(8), CDDCommonVariant(16), CDDCommonVariant(128), CDDCommonVariant()}) {
        put(*s, mode, m);
        const bool manual = m == CDDCommonVariant(16);
        const std::string at = "target mode " + std::to_string(m.asInt64()) + (m.isEmpty() ? " (empty)" : "");
        const Calc q = run(*s, quality);
        ASSERT_TRUE(q.v && q.v->type()) << at;
        EXPECT_EQ(values(q.type()), manual ? kManualQuality : kFullQuality) << at;
        EXPECT_EQ(postEdit(*q.v), manual ? kStatusAction : Names{}) << at << ": a list in either case";
        EXPECT_EQ(handling(*q.v), manual ? "RW" : "R") << at;
        EXPECT_EQ(q.reads, Names(3, mode)) << at;
        EXPECT_EQ(q.type().getDefaultValue()->asInt64(), 0) << at;

        put(*s, "parWriteLocking", CDDCommonVariant(0));
        const struct {
            CDDCommonVariant value;
            Values set;
            int qualityReads;
        } limits[] = {{32, kReducedLimit, 1}, {48, kReducedLimit, 2}, {0, kFullLimit, 2},
                      {16, kFullLimit, 2},    {33, kFullLimit, 2},    {CDDCommonVariant(), kFullLimit, 2},
                      {"32", kFullLimit, 2}};
        for (const auto& l : limits) {
            put(*s, quality, l.value);
            const Calc c = run(*s, "func1_AI_out_status_limit");
            ASSERT_TRUE(c.v && c.v->type());
            const std::string what = at + ", quality " + std::to_string(l.value.asInt64());
            EXPECT_EQ(values(c.type()), l.set) << what;
            Names expected(l.qualityReads, quality);
            expected.insert(expected.end(), 2, mode);
            EXPECT_EQ(c.reads, expected) << what;
            EXPECT_EQ(postEdit(*c.v), manual ? kStatusAction : Names{}) << what;
            EXPECT_EQ(handling(*c.v), manual ? "RW" : "R") << what;
            EXPECT_FALSE(c.type().getDefaultValue().has_value()) << what;
        }
        put(*s, "parWriteLocking", CDDCommonVariant(9361));
    }
}

TEST(EnumerationsChoices, SimulatedStatusIsAlwaysWritableAndChoosesFromItsOwnQuality) {
    auto s = openSession();
    const std::string simQuality = "func1_AI_simulate_status_quality";
    put(*s, "parWriteLocking", CDDCommonVariant(0));
    for (int mode : {8, 16, 128}) {
        put(*s, "func1_AI_target_mode", CDDCommonVariant(mode));
        const Calc q = run(*s, simQuality);
        ASSERT_TRUE(q.v && q.v->type());
        EXPECT_EQ(values(q.type()), kManualQuality) << mode;
        EXPECT_TRUE(q.reads.empty() && s->host().log().lines().empty()) << mode;
        EXPECT_EQ(postEdit(*q.v), kStatusAction) << mode;
        EXPECT_EQ(handling(*q.v), "RW") << mode;
    }
    // The output quality is set to the opposite choice each time: it must not matter.
    const struct {
        CDDCommonVariant value;
        Values set;
        int reads;
    } cases[] = {{32, kReducedLimit, 1},
                 {48, kReducedLimit, 2},
                 {0, kFullLimit, 2},
                 {16, kFullLimit, 2},
                 {CDDCommonVariant(), kFullLimit, 2}};
    for (const auto& k : cases) {
        put(*s, simQuality, k.value);
        put(*s, "func1_AI_out_status_quality", CDDCommonVariant(k.set == kFullLimit ? 32 : 0));
        const Calc c = run(*s, "func1_AI_simulate_status_limit");
        ASSERT_TRUE(c.v && c.v->type());
        EXPECT_EQ(values(c.type()), k.set) << k.value.asInt64();
        EXPECT_EQ(c.reads, Names(k.reads, simQuality)) << k.value.asInt64();
        EXPECT_EQ(postEdit(*c.v), kStatusAction);
        EXPECT_EQ(handling(*c.v), "RW");
    }
    for (int lock : {0, 9361}) {
        put(*s, "parWriteLocking", CDDCommonVariant(lock));
        const Calc c = run(*s, "func1_AI_simulation_enabled");
        EXPECT_EQ(handling(*c.v), lock ? "RW" : "R");
        EXPECT_EQ(c.reads, Names{"parWriteLocking"});
        EXPECT_EQ(values(c.type()), (Values{0, 1}));
        EXPECT_FALSE(postEdit(*c.v).has_value());
    }
}

TEST(EnumerationsChoices, ChannelSetupWritableOnlyWhileItsOwnSlotIsZero) {
    auto s = openSession();
    const Values sets[] = {{1}, {2, 4}, {3, 4}};
    for (int n = 1; n <= 3; ++n) {
        const std::string setup = "_ZTQGSD_ChannelSetup0" + std::to_string(n);
        const std::string slot = "_ZTQGSD_ChannelProtectionSlot0" + std::to_string(n);
        for (int v : {0, 1, 255}) {
            for (int other = 1; other <= 3; ++other)
                put(*s, "_ZTQGSD_ChannelProtectionSlot0" + std::to_string(other), CDDCommonVariant(v == 0 ? 1 : 0));
            put(*s, slot, CDDCommonVariant(v));
            const Calc c = run(*s, setup);
            ASSERT_TRUE(c.v && c.v->type());
            EXPECT_EQ(handling(*c.v), v == 0 ? "RW" : "R") << setup << " slot " << v;
            EXPECT_EQ(c.reads, Names{slot}) << setup;
            EXPECT_EQ(values(c.type()), sets[n - 1]) << setup;
            EXPECT_EQ(c.type().getDefaultValue()->asInt64(), n) << setup;
        }
    }
}

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
        {CDDCommonVariant(9360), "R"},    {CDDCommonVariant("9361"), "R"},
    };
    for (const auto& name : locked) {
        const auto list = lists.find(name);
        const auto actions = list == lists.end() ? std::nullopt : std::optional<Names>(list->second);
        Values first;
        for (const auto& [lock, expected] : locks) {
            put(*s, "parWriteLocking", lock);
            const Calc c = run(*s, name);
            ASSERT_TRUE(c.v && c.v->type()) << name;
            const std::string what = name + " with " + kindName(lock.kind()) + " " + std::to_string(lock.asInt64());
            EXPECT_EQ(handling(*c.v), expected) << what;
            EXPECT_EQ(c.reads, Names{"parWriteLocking"}) << what;
            EXPECT_EQ(postEdit(*c.v), actions) << what;
            if (first.empty()) first = values(c.type());
            EXPECT_EQ(values(c.type()), first) << what;
        }
    }
}

// ---------------------------------------------------------------- the status table

namespace {

// The language parts: English, de, fr, it, es; empty unless the four tags
// occur once each and in this order.
std::vector<std::string> languages(const std::string& d) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (const char* tag : {"|de|", "|fr|", "|it|", "|es|"}) {
        const auto at = d.find(tag, from);
        if (at == std::string::npos) return {};
        parts.push_back(d.substr(from, at - from));
        from = at + 4;
    }
    parts.push_back(d.substr(from));
    if (std::count(d.begin(), d.end(), '|') != 8) return {};
    return parts;
}

std::string trimmed(std::string t) {
    while (!t.empty() && (t.back() == ' ' || t.back() == ',')) t.pop_back();
    return t;
}

}  // namespace

TEST(EnumerationsTexts, StatusTableEnglishByItsRuleAndOtherLanguagesComposed) {
    auto s = openSession();
    const std::vector<std::vector<std::string>> substatus = {
        {"", "Value not accepted", "Not connected", "Device failure", "Sensor failure", "Last value (no communication)",
         "No value (no communication)", "Out of service", "Value not supported"},
        {"", "Last usable value", "Substitute value", "O/S initial value", "Value not accurate", "Out of range",
         "Sub-normal", "Configuration error"},
        {"", "Update event", "Warning Limit", "Alarm Limit", "Unacknowledged block alarm", "Unacknowledged Warning",
         "Unacknowledged Alarm", "", "Initiate fail-safe"}};
    const char* qualities[] = {"Bad", "Uncertain", "Good"};
    const char* limitTexts[] = {"", "Limit underflow", "Limit overflow", "Value constant"};
    const std::map<int, std::string> departures = {{3, "Bad, Value constant."},
                                                   {69, "Uncertain, last usable value, Limit underflow"},
                                                   {137, "Good, Warning Limit underflow"},
                                                   {138, "Good, Warning Limit overflow"},
                                                   {141, "Good, Alarm Limit underflow"},
                                                   {142, "Good, Alarm Limit overflow"}};
    std::map<int, std::string> english;
    for (int q = 0; q < 3; ++q)
        for (std::size_t sub = 0; sub < substatus[q].size(); ++sub) {
            if (q == 2 && sub == 7) continue;
            for (int l = 0; l < 4; ++l) {
                std::string e = qualities[q];
                if (sub) e += ", " + substatus[q][sub];
                if (l) e += std::string(", ") + limitTexts[l];
                english[q * 64 + static_cast<int>(sub) * 4 + l] = e;
            }
        }
    for (const auto& [v, e] : departures) english[v] = e;
    ASSERT_EQ(english.size(), 100u);

    Values ascending;
    for (const auto& [v, e] : english) ascending.push_back(v);
    std::vector<CDDEnumerator> first;
    for (const char* item :
         {"trans1_primary_value_status", "trans1_secondary_value_1_status", "trans1_secondary_value_2_status"}) {
        const Calc c = run(*s, item);
        ASSERT_TRUE(c.v && c.v->type()) << item;
        const auto& items = c.type().enumerators().items();
        EXPECT_EQ(values(c.type()), ascending) << item;
        if (first.empty()) first = items;
        ASSERT_EQ(items.size(), first.size()) << item;
        for (std::size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(text(items[i].getDescription()), text(first[i].getDescription()))
                << item << " " << items[i].getValue();
            EXPECT_EQ(text(items[i].getHelp()), "") << item;
        }
    }
    std::map<int, std::vector<std::string>> parts;
    for (const auto& e : first) parts[e.getValue()] = languages(text(e.getDescription()));
    for (const auto& [v, e] : english) {
        ASSERT_EQ(parts[v].size(), 5u) << v << ": five languages in the order en, de, fr, it, es";
        EXPECT_EQ(parts[v][0], e + "  ") << v;
        const int l = v % 4, sub = v - l, limitRow = v / 64 * 64 + l;
        if (l == 0 || sub % 64 == 0) continue;
        // A composed row: its substatus row's text, then its quality's limit text.
        for (int k = 1; k < 5; ++k) {
            const std::string own = trimmed(parts[v][k]), head = trimmed(parts[sub][k]);
            const std::string limitRowText = trimmed(parts[limitRow][k]);
            const std::string limit = limitRowText.substr(limitRowText.find(", ") + 2);
            EXPECT_EQ(own.rfind(head, 0), 0u) << v << " part " << k << ": \"" << parts[v][k] << "\"";
            EXPECT_NE(own.find(limit, head.size()), std::string::npos)
                << v << " part " << k << ": \"" << parts[v][k] << "\"";
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
