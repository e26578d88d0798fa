// The catalogue as the host receives it through a real load of the module.
#include <algorithm>
#include <set>

#include "tests/TestSupport.h"

// What the store receives, line by line, is pinned by the golden file
// catalogue.txt; these tests hold its rules.

namespace {

std::int32_t idOf(const std::string& line, Session& s) { return s.host().idOf(line.substr(line.rfind(' ') + 1)); }

}  // namespace

TEST(Catalogue, ItemsArriveByKindInAscendingIdEachAfterItsOwnStoreFetch) {
    auto s = openSession();
    const auto& lines = s->host().log().lines();
    const std::vector<std::string> kinds = {"block",  "variable",   "command", "menu",
                                            "method", "collection", "refresh", "unit"};
    const std::vector<std::size_t> counts = {3, 270, 193, 133, 25, 5, 1, 5};
    std::vector<std::size_t> seen(kinds.size());
    std::size_t kind = 0, added = 0;
    std::int32_t last = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind("AddObject ", 0) != 0) continue;
        ++added;
        EXPECT_EQ(lines[i - 1], "GetObjectStore") << lines[i];
        const std::string word = lines[i].substr(10, lines[i].find(' ', 10) - 10);
        while (kind < kinds.size() && kinds[kind] != word) ++kind, last = 0;
        ASSERT_LT(kind, kinds.size()) << lines[i] << ": out of the order of kinds";
        ++seen[kind];
        // The refresh relation and the unit relations share one ascending order.
        const std::int32_t id = idOf(lines[i], *s);
        EXPECT_GT(id, kinds[kind] == "unit" && seen[kind] == 1 ? 90 : last) << lines[i];
        last = id;
    }
    EXPECT_EQ(added, 635u);
    EXPECT_EQ(seen, counts);
}

TEST(Catalogue, EveryVariableGetsOneEmptyDefinitionSetAfterTheTransactionSets) {
    auto s = openSession();
    const auto& lines = s->host().log().lines();
    const auto first = std::find_if(lines.begin(), lines.end(),
                                    [](const std::string& l) { return l.rfind("PutVariableSet ", 0) == 0; });
    ASSERT_NE(first, lines.end());
    // One store fetch for the whole step, after the last command's sets.
    EXPECT_EQ(*(first - 1), "GetObjectStore");
    EXPECT_EQ((first - 2)->rfind("PutReplySet write_phys_pa_set_unit_to_bus", 0), 0u);
    std::set<std::string> variables;
    for (auto line = first; line != lines.end(); ++line) {
        ASSERT_EQ(line->rfind("PutVariableSet ", 0), 0u) << *line;
        ASSERT_EQ(line->substr(line->size() - 2), " 0") << *line;  // empty
        const std::string name = line->substr(15, line->size() - 17);
        EXPECT_EQ(s->host().object(s->host().idOf(name))->getcDefinition()->getKind(), ddkVariable) << name;
        EXPECT_TRUE(variables.insert(name).second) << name << " twice";
    }
    EXPECT_EQ(variables.size(), 270u);
    EXPECT_EQ(*first, "PutVariableSet phys_ident_number 0");
    EXPECT_EQ(*(first + 1), "PutVariableSet phys_device_man_id 0");
    EXPECT_EQ(lines.back(), "PutVariableSet phys_pa_set_unit_to_bus_offline 0");
}

TEST(Catalogue, EveryCommandGetsItsRequestThenItsReplySetInAscendingId) {
    auto s = openSession();
    std::vector<std::string> sets;
    for (const auto& line : s->host().log().lines())
        if (line.rfind("PutRequestSet ", 0) == 0 || line.rfind("PutReplySet ", 0) == 0) sets.push_back(line);
    ASSERT_EQ(sets.size(), 2u * 193u);
    std::int32_t last = 0;
    for (std::size_t i = 0; i < sets.size(); i += 2) {
        const std::string command = sets[i].substr(14, sets[i].find(' ', 14) - 14);
        EXPECT_EQ(sets[i + 1].rfind("PutReplySet " + command, 0), 0u) << sets[i + 1];
        const std::int32_t id = s->host().idOf(command);
        EXPECT_GT(id, last) << command;
        last = id;
        // A read carries its variables in the reply, a write in the request.
        const bool read = command.rfind("read_", 0) == 0;
        const std::string empty = read ? "PutRequestSet " + command : "PutReplySet " + command;
        EXPECT_EQ(sets[i + (read ? 0 : 1)], empty);
    }
}

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
