// The enumerated and bit-enumerated variables: what each calculator builds,
// how it chooses from current values, which values it reads, and that every
// object the host hands it is gone when it returns.
#include <algorithm>
#include <climits>
#include <map>
#include <optional>
#include <set>

#include "catalogue/Catalogue.h"
#include "tests/TestSupport.h"

namespace {

constexpr int none = INT_MIN + 1;  // no default value (INT_MIN is a real bit index)

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
    if (c.v) { EXPECT_NE(c.v->type(), nullptr) << name; }
    return c;
}

std::vector<std::int32_t> values(const CDDType& t) {
    std::vector<std::int32_t> out;
    for (const auto& e : t.enumerators().items()) out.push_back(e.getValue());
    for (const auto& b : t.bitEnumerators().items()) out.push_back(b.getBit());
    return out;
}

std::string text(const std::optional<CStrPP>& t) { return t ? t->str() : "<unset>"; }

// Description (or help) of the first enumerator or bit with that value.
std::string describe(const CDDType& t, std::int32_t value, bool help = false) {
    for (const auto& e : t.enumerators().items())
        if (e.getValue() == value) return text(help ? e.getHelp() : e.getDescription());
    for (const auto& b : t.bitEnumerators().items())
        if (b.getBit() == value) return text(help ? b.getHelp() : b.getDescription());
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

// ---------------------------------------------------------------- census

// handling: N none, R read only, W read and write, L write lock, T a test of its own.
struct Row {
    const char* name;
    int type, size, maxIndex, def;
    int listed;      // enumerators as the record lists them: every branch of a run-time choice
    int atDefaults;  // what one request gives with every current value at its default
    char handling;
    int reads;  // GetCurrentValue calls at the defaults
};

#define ALARM_SUMS(block, idx, def, n)                                                                         \
    {#block "_current_state_alarm_sum", 5, 2, idx, def, n, n, 'R', 0},                                        \
        {#block "_unacknowledged_state_alarm_sum", 5, 2, idx, def, n, n, 'R', 0},                             \
        {#block "_unreported_state_alarm_sum", 5, 2, idx, def, n, n, 'R', 0},                                 \
        {#block "_disabled_state_alarm_sum", 5, 2, idx, def, n, n, 'R', 0}

const Row kRows[] = {
    {"__ZTQ__DD_device_id", 4, 1, 0, none, 1, 1, 'N', 0},
    {"__ZTQ__profile_rev", 4, 2, 768, none, 1, 1, 'N', 0},
    {"__ZTQ__ident_number", 4, 2, 5434, none, 1, 1, 'N', 0},
    {"_ZTQGSD_ChannelSetup01", 4, 1, 1, 1, 1, 1, 'T', 1},
    {"_ZTQGSD_ChannelSetup02", 4, 1, 4, 2, 2, 2, 'T', 1},
    {"_ZTQGSD_ChannelSetup03", 4, 1, 4, 3, 2, 2, 'T', 1},
    {"trans1_blk_object", 4, 1, 3, none, 1, 1, 'R', 0},
    {"trans1_blk_parent_class", 4, 1, 0, 4, 7, 7, 'R', 0},
    // Parent class at its default 4: the level set (3) and the closing set (4).
    {"trans1_blk_class", 4, 1, 253, 4, 23, 7, 'R', 1},
    {"trans1_blk_profile", 4, 2, 0, 16385, 4, 4, 'R', 0},
    {"trans1_blk_profile_rev", 4, 2, 0, 768, 4, 4, 'R', 0},
    {"trans1_target_mode", 4, 1, 0, 8, 2, 2, 'W', 0},
    {"trans1_actual_mode", 4, 1, 0, 8, 5, 5, 'R', 0},
    {"trans1_permitted_mode", 5, 1, 0, 8, 5, 5, 'R', 0},
    {"trans1_normal_mode", 4, 1, 8, none, 1, 1, 'R', 0},
    ALARM_SUMS(trans1, 32768, none, 2),
    {"phys_blk_object", 4, 1, 1, none, 1, 1, 'R', 0},
    {"phys_blk_parent_class", 4, 1, 1, none, 1, 1, 'R', 0},
    {"phys_blk_class", 4, 1, 0, 250, 1, 1, 'R', 0},
    {"phys_blk_profile", 4, 2, 16514, none, 4, 4, 'R', 0},
    {"phys_blk_profile_rev", 4, 2, 0, 768, 11, 11, 'R', 0},
    {"phys_target_mode", 4, 1, 0, 8, 5, 5, 'W', 0},
    {"phys_actual_mode", 4, 1, 0, 8, 5, 5, 'R', 0},
    {"phys_permitted_mode", 5, 1, 0, 8, 5, 5, 'R', 0},
    {"phys_normal_mode", 4, 1, 0, 8, 5, 5, 'R', 0},
    ALARM_SUMS(phys, 0, 0, 2),
    {"phys_device_man_id", 4, 2, 253, 17, 117, 117, 'R', 0},
    {"phys_diagnosis", 5, 4, 0, 0, 18, 18, 'R', 0},
    {"phys_diagnosis_mask", 5, 4, INT_MIN, none, 17, 17, 'R', 0},
    {"phys_write_locking", 4, 2, 0, 9361, 2, 2, 'W', 0},
    {"phys_local_operation_enable", 4, 1, 0, 1, 2, 2, 'W', 0},
    {"phys_ident_number", 4, 1, 1, 1, 2, 2, 'L', 1},
    {"phys_hw_write_protection", 4, 1, 0, 0, 2, 2, 'R', 0},
    {"func1_AI_blk_profile", 4, 2, 16514, none, 4, 4, 'R', 0},
    {"func1_AI_blk_profile_rev", 4, 2, 0, 768, 11, 11, 'R', 0},
    {"func1_AI_blk_object", 4, 1, 2, none, 1, 1, 'R', 0},
    {"func1_AI_blk_parent_class", 4, 1, 1, none, 1, 1, 'R', 0},
    {"func1_AI_blk_class", 4, 1, 1, none, 1, 1, 'R', 0},
    {"func1_AI_channel", 4, 2, 273, none, 1, 1, 'W', 0},
    {"func1_AI_target_mode", 4, 1, 128, none, 3, 3, 'L', 1},
    {"func1_AI_actual_mode", 4, 1, 0, 8, 3, 3, 'R', 0},
    {"func1_AI_permitted_mode", 5, 1, 0, 8, 3, 3, 'R', 0},
    {"func1_AI_normal_mode", 4, 1, 0, 8, 3, 3, 'R', 0},
    ALARM_SUMS(func1_AI, 32768, none, 5),
    // The target mode has no default (an empty value): the full quality set, three reads.
    {"func1_AI_out_status_quality", 4, 1, 0, 0, 48, 25, 'T', 3},
    // Quality at its default 0: the full limit set after two reads of it, then two of the mode.
    {"func1_AI_out_status_limit", 4, 1, 3, none, 8, 4, 'T', 4},
    {"func1_AI_out_unit", 4, 2, 0, 1342, 17, 17, 'L', 1},
    {"func1_AI_out_decimal_point", 4, 1, 0, 2, 8, 8, 'L', 1},
    {"func1_AI_lin_type", 4, 1, 0, 0, 1, 1, 'W', 0},
    {"func1_AI_hi_hi_alm_state", 4, 1, 0, 0, 2, 2, 'R', 0},
    {"func1_AI_hi_alm_state", 4, 1, 0, 0, 2, 2, 'R', 0},
    {"func1_AI_lo_alm_state", 4, 1, 0, 0, 2, 2, 'R', 0},
    {"func1_AI_lo_lo_alm_state", 4, 1, 0, 0, 2, 2, 'R', 0},
    {"func1_AI_simulate_status_quality", 4, 1, 0, 0, 23, 23, 'W', 0},
    // Simulated quality at its default 0: the full limit set after two reads.
    {"func1_AI_simulate_status_limit", 4, 1, 3, none, 8, 4, 'W', 2},
    {"func1_AI_simulation_enabled", 4, 1, 0, 0, 2, 2, 'L', 1},
    {"trans1_primary_value_status", 4, 1, 163, none, 100, 100, 'R', 0},
    {"trans1_primary_value_unit", 4, 2, 0, 1342, 17, 17, 'L', 1},
    {"trans1_level_unit", 4, 2, 1342, none, 6, 6, 'L', 1},
    {"trans1_sensor_unit", 4, 2, 0, 1010, 5, 5, 'W', 0},
    {"trans1_secondary_value_1_status", 4, 1, 163, none, 100, 100, 'R', 0},
    {"trans1_secondary_value_1_unit", 4, 2, 0, 1010, 3, 3, 'W', 0},
    {"trans1_secondary_value_2_status", 4, 1, 163, none, 100, 100, 'R', 0},
    {"trans1_secondary_value_2_unit", 4, 2, 0, 1010, 5, 5, 'W', 0},
    {"trans1_calibration_type", 4, 1, 0, 0, 2, 2, 'L', 1},
    {"trans1_lin_type", 4, 1, 0, 0, 2, 2, 'L', 1},
    {"trans1_temperature_unit", 4, 2, 0, 1001, 3, 3, 'L', 1},
    {"trans1_tab_status", 4, 1, 6, none, 7, 7, 'R', 0},
    {"parPASelectMainValue", 4, 1, 1, none, 2, 2, 'L', 1},
    {"old_parPASetUnitToBus", 4, 1, 1, none, 2, 2, 'L', 1},
    {"parActualError", 4, 2, 661, none, 9, 9, 'R', 0},
    {"parLastError", 4, 2, 661, none, 9, 9, 'R', 0},
    {"parClearLastError", 4, 1, 1, none, 2, 2, 'L', 1},
    {"parShowAccess", 4, 1, 0, 4, 7, 7, 'R', 0},
    {"trans1_calibration_type_offline", 4, 1, 0, 0, 2, 2, 'L', 1},
    {"TitleCalibration", 4, 1, 0, 0, 1, 1, 'R', 0},
    {"TitleExtendedCalibration", 4, 1, 0, 0, 1, 1, 'R', 0},
    {"TitleProfibusParameter", 4, 1, 0, 0, 1, 1, 'R', 0},
    {"TitleSystemParameter", 4, 1, 0, 0, 1, 1, 'R', 0},
    {"TitleSecuritySettings", 4, 1, 0, 0, 1, 1, 'R', 0},
    {"TitleDiagnosticsReset", 4, 1, 0, 0, 1, 1, 'R', 0},
    {"TitleSimulationEnabled", 4, 1, 0, 0, 1, 1, 'R', 0},
    {"TitleService__configuration", 4, 1, 0, 0, 1, 1, 'R', 0},
    {"Title_parClearLastError", 4, 1, 0, 0, 1, 1, 'R', 0},
    {"phys_pa_set_unit_to_bus", 4, 1, 1, none, 2, 2, 'R', 0},
    {"phys_pa_set_unit_to_bus_offline", 4, 1, 1, none, 1, 1, 'L', 1},
    {"phys_pa_set_unit_to_bus_online", 4, 1, 1, none, 1, 1, 'L', 1},
};
#undef ALARM_SUMS

// The run-time choices: one value per branch. The record lists each branch's
// entries (the reduced limit set twice, for 32 and for 48) and the entries
// after the chain once.
struct Choice {
    const char* item;
    const char* tested;
    std::vector<int> branches;
    int after;
};
const Choice kChoices[] = {
    {"trans1_blk_class", "trans1_blk_parent_class", {1, 2, 3, 4, 6, 0}, 4},
    {"func1_AI_out_status_quality", "func1_AI_target_mode", {16, 8}, 0},
    {"func1_AI_out_status_limit", "func1_AI_out_status_quality", {32, 48, 0}, 0},
    {"func1_AI_simulate_status_limit", "func1_AI_simulate_status_quality", {32, 48, 0}, 0},
};

int listedCount(Session& s, const Choice& c) {
    const auto id = s.host().idOf(c.tested);
    const CDDCommonVariant saved = s.host().value(id);
    int listed = c.after;
    for (int v : c.branches) {
        s.host().setValue(id, CDDCommonVariant(v));
        listed += static_cast<int>(values(run(s, c.item).type()).size()) - c.after;
    }
    put(s, c.tested, saved);
    return listed;
}

}  // namespace

TEST(EnumerationsCensus, EveryItemAgainstItsRecordAndTheTotals) {
    auto s = openSession();
    std::map<std::string, const Row*> rows;
    for (const auto& r : kRows) rows[r.name] = &r;
    ASSERT_EQ(rows.size(), 96u);

    std::map<std::pair<int, int>, int> typeSize;
    int items = 0, listed4 = 0, listed5 = 0, atDefaults4 = 0, atDefaults5 = 0, reads = 0;
    int withDefault = 0, withDefaultIndexZero = 0, mostEnumerators = 0;
    std::set<std::string> withDefaultLargestIndex;
    std::string largestSet;
    for (const auto& e : catalogue::kItems) {
        if (!e.name || e.kind != ddkVariable || (e.type != ddtEnumerated && e.type != ddtBitEnumerated)) continue;
        ++items;
        ASSERT_TRUE(rows.count(e.name)) << e.name;
        const Row& r = *rows[e.name];
        put(*s, "parWriteLocking", CDDCommonVariant(0));
        const Calc c = run(*s, r.name);
        ASSERT_TRUE(c.v && c.v->type()) << r.name;
        const CDDType& t = c.type();
        EXPECT_EQ(t.getType(), r.type) << r.name;
        EXPECT_EQ(t.getSize(), r.size) << r.name;
        const auto& index = r.type == 4 ? t.getMaxEnumIndex() : t.getMaxBitEnumIndex();
        EXPECT_EQ(index, r.maxIndex) << r.name;
        EXPECT_FALSE(r.type == 4 ? t.getMaxBitEnumIndex().has_value() : t.getMaxEnumIndex().has_value()) << r.name;
        const auto& def = t.getDefaultValue();
        EXPECT_EQ(def.has_value(), r.def != none) << r.name;
        if (def && r.def != none) {
            EXPECT_EQ(def->kind(), CDDCommonVariant::Kind::Int) << r.name;
            EXPECT_EQ(def->asInt64(), r.def) << r.name;
        }
        const Values vs = values(t);
        EXPECT_EQ(static_cast<int>(vs.size()), r.atDefaults) << r.name;
        EXPECT_TRUE(r.type == 4 ? t.bitEnumerators().items().empty() : t.enumerators().items().empty()) << r.name;
        EXPECT_EQ(static_cast<int>(c.reads.size()), r.reads) << r.name;
        if (r.reads == 0) { EXPECT_TRUE(s->host().log().lines().empty()) << r.name << ": reads nothing, calls nothing"; }
        const std::map<char, std::string> locked = {{'N', "none"}, {'R', "R"}, {'W', "RW"}, {'L', "R"}};
        if (r.handling != 'T') { EXPECT_EQ(handling(*c.v), locked.at(r.handling)) << r.name << " locked"; }

        put(*s, "parWriteLocking", CDDCommonVariant(9361));
        const Calc open = run(*s, r.name);
        ASSERT_TRUE(open.v && open.v->type()) << r.name;
        EXPECT_EQ(values(open.type()), vs) << r.name;
        EXPECT_EQ(open.reads, c.reads) << r.name;
        const std::map<char, std::string> unlocked = {{'N', "none"}, {'R', "R"}, {'W', "RW"}, {'L', "RW"}};
        if (r.handling != 'T') { EXPECT_EQ(handling(*open.v), unlocked.at(r.handling)) << r.name << " unlocked"; }

        // The index of an item without a default is its largest value (bits unsigned).
        if (!def && !vs.empty() && index) {
            std::uint32_t largest = 0;
            for (auto v : vs) largest = std::max(largest, static_cast<std::uint32_t>(v));
            EXPECT_EQ(static_cast<std::uint32_t>(*index), largest) << r.name;
        }
        if (def) {
            ++withDefault;
            if (index == 0) {
                ++withDefaultIndexZero;
            } else {
                withDefaultLargestIndex.insert(r.name);
            }
        }
        int listed = static_cast<int>(vs.size());
        for (const auto& choice : kChoices)
            if (r.name == std::string(choice.item)) listed = listedCount(*s, choice);
        EXPECT_EQ(listed, r.listed) << r.name;
        (r.type == 4 ? listed4 : listed5) += listed;
        (r.type == 4 ? atDefaults4 : atDefaults5) += static_cast<int>(vs.size());
        if (static_cast<int>(vs.size()) > mostEnumerators) {
            mostEnumerators = static_cast<int>(vs.size());
            largestSet = r.name;
        }
        ++typeSize[{r.type, r.size}];
        reads += static_cast<int>(c.reads.size());
    }
    EXPECT_EQ(items, 96);
    const std::map<std::pair<int, int>, int> census = {{{4, 1}, 59}, {{4, 2}, 20}, {{5, 1}, 3}, {{5, 2}, 12}, {{5, 4}, 2}};
    EXPECT_EQ(typeSize, census);
    EXPECT_EQ(listed4, 760);
    EXPECT_EQ(listed5, 84);
    // At the defaults: the level set of the class, the full quality set, both full limit sets.
    EXPECT_EQ(atDefaults4, 713);
    EXPECT_EQ(atDefaults5, 84);
    EXPECT_EQ(mostEnumerators, 117);
    EXPECT_EQ(largestSet, "phys_device_man_id");
    EXPECT_EQ(withDefault, 58);
    EXPECT_EQ(withDefaultIndexZero, 52);
    const std::set<std::string> six = {"_ZTQGSD_ChannelSetup01", "_ZTQGSD_ChannelSetup02", "_ZTQGSD_ChannelSetup03",
                                       "trans1_blk_class",       "phys_device_man_id",     "phys_ident_number"};
    EXPECT_EQ(withDefaultLargestIndex, six);
    EXPECT_EQ(reads, 29);
    EXPECT_EQ(s->host().alive(), 0);
}

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
        {1, {1, 2, 3}, "Differential  |de|Differenzdruck  |fr|Pression différentielle  |it|Pressione differenziale  |es|Presión diferencial"},
        {2, {1, 2, 3, 16, 17, 18}, "Thermocouple (TC)  |de|Thermoelement (TC)  |fr|Thermocouple (TC)  |it|Termocoppia (TC)  |es|Termopar (TC)"},
        {3, {1, 2, 3, 4, 5}, "Electromagnetic Flow  |de|Elektromagnetische Durchflußmessung  |fr|Mesure de débit électromagnétique  |it|Misurazione di portata elettromagnetica  |es|Medición de flujo electromagnética"},
        {4, {1, 2, 4}, "Hydrostatic Level Meter  |de|Hydrostatische Füllstandsmessung  |fr|Mesure de débit hydrostatique  |it|Misurazione di portata idrostatica  |es|Medición hidróstatica de nivel"},
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
        EXPECT_EQ(describe(c.type(), 250), "Not used  |de|Nicht verwendet  |fr|Non utilisé  |it|Non utilizzato  |es|No utilizado");
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
const Values kFullQuality = {32, 33, 34, 35, 36, 37, 38, 40, 41, 16, 17, 18, 19, 20, 21, 22, 23, 0, 1, 2, 3, 4, 5, 6, 7};
const Values kManualQuality = {32, 33, 34, 35, 36, 37, 38, 40, 41, 16, 17, 18, 19, 20, 21, 22, 23, 0, 1, 3, 4, 6, 7};
const Values kFullLimit = {0, 1, 2, 3};
const Values kReducedLimit = {0, 3};
const Names kStatusAction = {"method_set_status_limit_1"};
}  // namespace

TEST(EnumerationsChoices, OutputStatusFollowsTargetModeAndQuality) {
    auto s = openSession();
    const std::string mode = "func1_AI_target_mode", quality = "func1_AI_out_status_quality";
    put(*s, "parWriteLocking", CDDCommonVariant(9361));  // plays no part here
    for (const CDDCommonVariant& m : {CDDCommonVariant(8), CDDCommonVariant(16), CDDCommonVariant(128),
                                      CDDCommonVariant()}) {
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
        } limits[] = {{32, kReducedLimit, 1}, {48, kReducedLimit, 2}, {0, kFullLimit, 2},  {16, kFullLimit, 2},
                      {33, kFullLimit, 2},    {CDDCommonVariant(), kFullLimit, 2},           {"32", kFullLimit, 2}};
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
    } cases[] = {{32, kReducedLimit, 1}, {48, kReducedLimit, 2}, {0, kFullLimit, 2}, {16, kFullLimit, 2},
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
    const Names locked = {"phys_ident_number", "func1_AI_target_mode", "func1_AI_out_unit", "func1_AI_out_decimal_point",
                          "func1_AI_simulation_enabled", "trans1_primary_value_unit", "trans1_level_unit",
                          "trans1_calibration_type", "trans1_lin_type", "trans1_temperature_unit", "parPASelectMainValue",
                          "old_parPASetUnitToBus", "parClearLastError", "trans1_calibration_type_offline",
                          "phys_pa_set_unit_to_bus_offline", "phys_pa_set_unit_to_bus_online"};
    // Lists attached whatever the lock gives; the other locked items have none.
    const std::map<std::string, Names> lists = {
        {"trans1_calibration_type_offline", {"meth_pe_trans1_calibration_type_offline"}},
        {"phys_pa_set_unit_to_bus_offline", {"set_unit_to_bus_offline_post_edit"}},
        {"phys_pa_set_unit_to_bus_online", {"set_unit_to_bus_online_post_edit"}}};
    const std::pair<CDDCommonVariant, const char*> locks[] = {
        {CDDCommonVariant(9361), "RW"},     {CDDCommonVariant(0), "R"},       {CDDCommonVariant(9361u), "RW"},
        {CDDCommonVariant(9361.0), "RW"},   {CDDCommonVariant(9361L), "RW"},  {CDDCommonVariant(), "R"},
        {CDDCommonVariant(9360), "R"},      {CDDCommonVariant("9361"), "R"},
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

// ---------------------------------------------------------------- texts and order

TEST(EnumerationsTexts, ByteExactWhereASlipIsLikely) {
    auto s = openSession();
    const struct {
        const char* item;
        std::int32_t value;
        const char* description;
        const char* help;
    } entries[] = {
        {"__ZTQ__DD_device_id", 0, "Corvalin        ", ""},
        {"__ZTQ__ident_number", 5434, "Corvalin / KSM 27 / PA / V1.0", ""},
        {"_ZTQGSD_ChannelSetup02", 4, "Free Place", "00"},
        {"_ZTQGSD_ChannelSetup03", 3, "Display Value", "82840805"},
        {"phys_target_mode", 2, "Remote Cascade (RCAS)  |de|Fernkaskade  |fr|Cascade déportée  |it|Cascata remota  |es|Cascada remota ", ""},
        {"func1_AI_target_mode", 128, "out_of_service", ""},
        {"func1_AI_hi_hi_alm_state", 1, "Upper Limit Alarm  |de|Oberer Alarmgrenzwert  |fr|Limite d'alarme supérieure  |it|Valore limite superiore allarme   |es|Valor límite superior de la alarma", ""},
        {"trans1_tab_status", 5, "Too many values transmitted  |de|Zuviel Werte übertragen  |fr|Nombre de valeurs transmises trop important   |it|Sono stati trasmessi troppi valori  |es|Se transmitieron demasiados valores", ""},
        {"old_parPASetUnitToBus", 0, "keep|de|beibehalten|fr|Garder|es|mantener|it|mantieni|nl|houden", ""},
        {"old_parPASetUnitToBus", 1, "confirm|de|bestätigen|fr|validation|it|conferma", ""},
        {"phys_pa_set_unit_to_bus_online", 1, "confirm|de|Bestätigen", ""},
        {"phys_pa_set_unit_to_bus", 1, "1", ""},
        {"trans1_lin_type", 20, "horizontal|de|liegend|fr|horizontale|it|orizzontale", ""},
        {"parShowAccess", 2, "Service (View only)|de|Service (nur Ansicht)|fr|Service (Consultation)", ""},
        {"func1_AI_out_status_limit", 0, "OK  |fr|OK  |it|OK  |es|OK", ""},
        {"func1_AI_out_status_quality", 32, "Good  |de|Gut  |fr|Bon  |it|Buono  |es|Bueno ", ""},
        {"func1_AI_lin_type", 0, "linear  |de|Linear", ""},
        {"trans1_blk_profile", 16513, "PROFIBUS PA, Simple Class A  |fr|PROFIBUS PA, Simple Classe A  |it|PROFIBUS PA, Simple ClassA  |es|PROFIBUS PA, Simple Class A", ""},
        {"func1_AI_out_unit", 1012, "cm|de|cm|fr|cm|it|cm", ""},
        {"trans1_level_unit", 1012, "cm", ""},
        {"trans1_level_unit", 1010, "m", ""},
        {"trans1_sensor_unit", 1010, "m", "Meters  |de|Meter  |fr|Mètres  |it|Metri  |es|Metros"},
        {"trans1_secondary_value_1_unit", 1342, "%", "Percent  |de|Prozent  |fr|Pourcents  |it|Percento  |es|Por ciento"},
        {"trans1_temperature_unit", 1001, "°C", ""},
        {"phys_device_man_id", 108, "Bopp&Reuther Heinrichs", ""},
        {"phys_device_man_id", 17, "Quorvane", ""},
        {"phys_write_locking", 9361, "Off  |de|Aus", ""},
        {"Title_parClearLastError", 0, "EnumTitleDiagnostics", ""},
        {"phys_diagnosis", INT_MIN, "Selfcalibration failed.  |de|Selbstabgleich fehlerhaft.  |fr|Autocalibrage erroné  |it|Autocompensazione errata.  |es|Error en la autocompensación. ", "  |it|Autocompensazione errata.  |es|Error en la autocompensación."},
        {"phys_diagnosis_mask", 0x20000000, "Failure in measurement.  |de|Fehler in Meßwerterfassung.  |fr|Erreur de mesure  |it|Errore di acquisizione valori di misura.  |es|Error de medición.", "  |es|Error de medición. "},
        {"phys_diagnosis", 0, "Status OK  |de|Zustand OK  |fr|Etat OK  |it|Stato OK.  |es|Estado OK", ""},
        {"trans1_primary_value_status", 68, "Uncertain, Last usable value  |de|Unsicher, Letzter brauchbarer Wert  |fr|Douteux, dernière valeur utilisable  |it|Incerto, ultimo valore utilizzabile  |es|Inseguro, Último valor utilizable, ", ""},
        {"trans1_secondary_value_1_status", 67, "Uncertain, Value constant  |de|Unsicher, Wert konstant  |fr|Douteux, valeur constante  |it|Incerto, valore costante  |es|inseguro, Valor constante", ""},
        {"trans1_secondary_value_2_status", 1, "Bad, Limit underflow  |de|Schlecht, Grenzwert unterschritten  |fr|Mauvais, valeur inférieure non atteinte  |it|Scarto, valore limite superato verso il basso   |es|Malo, Por debajo del límite inferior", ""},
        {"trans1_primary_value_status", 128, "Good  |de|Gut  |fr|Bon  |it|Buono  |es|Bueno ", ""},
    };
    for (const auto& e : entries) {
        const Calc c = run(*s, e.item);
        ASSERT_TRUE(c.v && c.v->type()) << e.item;
        EXPECT_EQ(describe(c.type(), e.value), e.description) << e.item << " " << e.value;
        EXPECT_EQ(describe(c.type(), e.value, true), e.help) << e.item << " " << e.value;
    }

    const struct {
        const char* item;
        const char* label;
        const char* help;  // null: no help at all; "*": not checked here
    } variables[] = {
        {"__ZTQ__ident_number", "", nullptr},
        {"phys_pa_set_unit_to_bus", "", nullptr},
        {"_ZTQGSD_ChannelSetup01", "Main Process Value", nullptr},
        {"phys_ident_number", "PROFIBUS Ident Number  |fr|Numéro d'indentification PROFIBUS  |it|Numero di identificazione PROFIBUS  |es|Nº de identificación PROFIBUS", "*"},
        {"old_parPASetUnitToBus", "set unit to bus|de|Setze Einh. Out|fr|Unite sur Sortie|es|Setze Einh. Out|it|Trasf. Unita Bus", nullptr},
        {"TitleDiagnosticsReset", "reset  |de|Rücksetzen.", nullptr},
        {"parShowAccess", "Access rights|de|Zugriff|fr|Droits d'accès", nullptr},
        {"trans1_primary_value_status", "trans_primary_value_status", "trans_primary_value_status_help"},
        {"phys_pa_set_unit_to_bus_offline", "Set unit to bus|de|Setze Einheit", "Set unit to bus|de|Setze Einheit"},
        {"trans1_secondary_value_1_unit", "Unit (Secondary Value 1)  |de|Einheit (Sekundärvariable 1)  |fr|Unité (variable secondaire 1)  |it|Unit (Secondary Value 1)  |es|Unidad (variable secundaria 1)", "*"},
        {"trans1_temperature_unit", "Temperature Unit  |de|Temperatureinheit  |fr|Unité de température  |it|Unità di temperatura  |es|Unidad de temperatura",
         "Engineering unit to be displayed with the value representing temperature.  |de|Physikalische Einheit, mit der digitale Wert für Temperaturen gekennzeichnet werden  |fr|Unité physique affichée avec la valeur numérique représentant la   température.  |it|Unità fisica con cui vengono denominati valori digitali per temperature  |es|Unidad física que acompaña al valor digital de las temperaturas "},
        {"phys_device_man_id", "Manufacturer  |de|Hersteller  |fr|Constructeur  |it|Costruttore  |es|Fabricante",
         "References a specific manufacturer, which is usually a company name,   that is responsible for the manufacture of this Field Device.  |de|Kennzeichnet eindeutig den Hersteller des Feldgerätes. Üblicherweise   der Name der Firma, die das entsprechende Feldgerät herstellt.  |fr|Spécifie clairement le constructeur de l'appareil de terrain, généralement   le nom de la société qui fabrique l'appareil de terrain.  |it|Contrassegna univocamente il costruttore dell'apparecchio di campo.   Si tratta di solito del nome della ditta costruttrice di tali apparecchi.  |es|Identifica a un fabricante específico que es por lo general la razón   social de una empresa productora del aparato de campo respectivo. "},
        {"func1_AI_simulate_status_quality", "Quality  |de|Qualität  |fr|Qualité  |it|Qualità  |es|Calidad",
         "Contains the following states of quality: Good, Uncertain, Bad.  |de|Enthält folgende Qualtitätszustandsmeldungen: Gut, Unsicher, Schlecht.  |fr|Contient les messages d'état de qualité suivants : bon, douteux, mauvais.  |it|Contiene i seguenti messaggi di stato di qualità: buono, incerto, scarto.  |es|Contiene los siguientes mensajes de estado cualitativo: bueno, inseguro, malo"},
        {"func1_AI_out_status_limit", "Status  |de|Status  |fr|Etat  |it|Stato  |es|Status",
         "Contains the following states of quality: Good, Uncertain, Bad.  |de|Enthält folgende Qualtitätszustandsmeldungen: Gut, Unsicher, Schlecht.  |fr|Contient les messages d'état de qualité suivants : bon, douteux, mauvais.  |it|Contiene i seguenti messaggi di stato di qualità: buono, incerto, scarto.  |es|Contienen los siguientes mensajes de estado cualitativo: bueno, inseguro, malo"},
    };
    for (const auto& v : variables) {
        const Calc c = run(*s, v.item);
        ASSERT_TRUE(c.v) << v.item;
        EXPECT_EQ(text(c.v->getLabel()), v.label) << v.item;
        if (!v.help || std::string(v.help) != "*") { EXPECT_EQ(text(c.v->getHelp()), v.help ? v.help : "<unset>") << v.item; }
    }
    const std::string errorHelp = text(run(*s, "parLastError").v->getHelp());
    EXPECT_EQ(errorHelp.rfind("error message:\n\n  Fehlerbeschreibung:\n  E 103 (Warning):", 0), 0u);
    const std::string tail = "E 661 (Störung):EC-Temperatur ist zu groß\n\n";
    EXPECT_TRUE(errorHelp.size() > tail.size() && errorHelp.compare(errorHelp.size() - tail.size(), tail.size(), tail) == 0);
    EXPECT_NE(errorHelp.find("  |de|  Fehlerbeschreibung:\n\n  E 103 (Warnung)"), std::string::npos);
}

TEST(EnumerationsTexts, OrderAsListedAndDuplicatesKept) {
    auto s = openSession();
    const std::pair<const char*, Values> orders[] = {
        {"parActualError", {0, 103, 106, 621, 661, 204, 203, 613, 617}},
        {"parLastError", {0, 103, 106, 621, 661, 204, 203, 613, 617}},
        {"phys_hw_write_protection", {1, 0}},
        {"phys_write_locking", {9361, 0}},
        {"trans1_calibration_type", {1, 0}},
        {"trans1_calibration_type_offline", {1, 0}},
        {"trans1_temperature_unit", {1001, 1002, 1000}},
        {"trans1_sensor_unit", {1018, 1010, 1130, 1138, 1141}},
        {"trans1_secondary_value_1_unit", {1018, 1010, 1342}},
        {"func1_AI_out_unit", {1342, 1012, 1013, 1010, 1019, 1018, 1038, 1042, 1036, 1035, 1034, 1043, 1048, 1049, 1088, 1092, 1094}},
        {"trans1_primary_value_unit", {1342, 1012, 1013, 1010, 1019, 1018, 1038, 1042, 1036, 1035, 1034, 1043, 1048, 1049, 1088, 1092, 1094}},
        {"parShowAccess", {0, 2, 3, 4, 5, 6, 7}},
        {"trans1_lin_type", {0, 20}},
        {"trans1_blk_parent_class", {1, 2, 3, 4, 6, 7, 252}},
        {"trans1_blk_profile_rev", {512, 605, 607, 768}},
        {"func1_AI_blk_profile_rev", {602, 603, 604, 605, 606, 607, 608, 609, 610, 611, 768}},
        {"func1_AI_simulate_status_quality", kManualQuality},
        {"phys_permitted_mode", {2, 8, 16, 32, 128}},
        {"func1_AI_permitted_mode", {8, 16, 128}},
        {"trans1_current_state_alarm_sum", {0, 32768}},
        {"func1_AI_disabled_state_alarm_sum", {512, 1024, 2048, 4096, 32768}},
        {"phys_diagnosis_mask", {0x01000000, 0x02000000, 0x04000000, 0x08000000, 0x10000000, 0x20000000, 0x40000000, INT_MIN,
                                 0x00010000, 0x00020000, 0x00040000, 0x00080000, 0x00100000, 0x00200000, 0x00400000, 0x00800000, 128}},
    };
    for (const auto& [item, expected] : orders) {
        const Calc c = run(*s, item);
        ASSERT_TRUE(c.v && c.v->type()) << item;
        EXPECT_EQ(values(c.type()), expected) << item;
    }
    // The diagnosis is the mask with the status OK entry in front, texts and helps alike.
    const Calc d = run(*s, "phys_diagnosis"), m = run(*s, "phys_diagnosis_mask");
    const auto& db = d.type().bitEnumerators().items();
    const auto& mb = m.type().bitEnumerators().items();
    ASSERT_EQ(db.size(), mb.size() + 1);
    EXPECT_EQ(db[0].getBit(), 0);
    for (std::size_t i = 0; i < mb.size(); ++i) {
        EXPECT_EQ(text(db[i + 1].getDescription()), text(mb[i].getDescription())) << i;
        EXPECT_EQ(text(db[i + 1].getHelp()), text(mb[i].getHelp())) << i;
    }
    // The manufacturer table: 1 to 113, then 250 to 253; three entries share one name.
    const Calc man = run(*s, "phys_device_man_id");
    Values expected;
    for (int v = 1; v <= 113; ++v) expected.push_back(v);
    for (int v = 250; v <= 253; ++v) expected.push_back(v);
    EXPECT_EQ(values(man.type()), expected);
    for (int v : {5, 18, 22}) { EXPECT_EQ(describe(man.type(), v), "Elsag Bailey") << v; }
    EXPECT_EQ(describe(man.type(), 1), "Acromag");
    EXPECT_EQ(describe(man.type(), 113), "Apparatebau Hundsbach");
}

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
    for (const char* item : {"trans1_primary_value_status", "trans1_secondary_value_1_status", "trans1_secondary_value_2_status"}) {
        const Calc c = run(*s, item);
        ASSERT_TRUE(c.v && c.v->type()) << item;
        const auto& items = c.type().enumerators().items();
        EXPECT_EQ(values(c.type()), ascending) << item;
        if (first.empty()) first = items;
        ASSERT_EQ(items.size(), first.size()) << item;
        for (std::size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(text(items[i].getDescription()), text(first[i].getDescription())) << item << " " << items[i].getValue();
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
            EXPECT_NE(own.find(limit, head.size()), std::string::npos) << v << " part " << k << ": \"" << parts[v][k] << "\"";
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
        for (const auto& r : kRows) {
            // The same object twice, as a host that asks again does.
            std::unique_ptr<CDDObject> object(s->host().object(s->host().idOf(r.name))->clone());
            s->host().log().clear();
            s->calculator().CalculateAttributes05(ContextWord{0}, object.get());
            s->calculator().CalculateAttributes05(ContextWord{0}, object.get());
            reads += s->host().log().count("GetCurrentValue");
            EXPECT_EQ(s->host().alive(), 0) << r.name;
        }
    }
    EXPECT_GT(reads, 0u);
    EXPECT_EQ(s->host().handedOut() - before, static_cast<long>(reads));
    EXPECT_EQ(s->host().alive(), 0);
}
