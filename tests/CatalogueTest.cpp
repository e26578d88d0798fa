// The catalogue as the host receives it through a real load of the module.
#include <algorithm>
#include <set>

#include "catalogue/Catalogue.h"
#include "tests/TestSupport.h"

namespace {

std::vector<std::string> withoutStoreFetches(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(out),
                 [](const std::string& l) { return l != "GetObjectStore"; });
    return out;
}

}  // namespace

TEST(Catalogue, AddsEveryItemInTheOrderOfKinds) {
    auto s = openSession();
    const auto added = s->host().log().with("AddObject");
    ASSERT_EQ(added.size(), 635u);
    EXPECT_EQ(added.front(), "AddObject block transducer_block_1");
    EXPECT_EQ(added[1], "AddObject block physical_block");
    EXPECT_EQ(added[2], "AddObject block function_block_1");
    EXPECT_EQ(added[3], "AddObject variable __ZTQ__phys_device_man_id");
    EXPECT_EQ(added[272], "AddObject variable phys_pa_set_unit_to_bus_online");
    EXPECT_EQ(added[273], "AddObject command read__ZTQ__phys_device_man_id");
    EXPECT_EQ(added[466], "AddObject menu _ZTQGSD_channel_module_setup");
    EXPECT_EQ(added[599], "AddObject method method_phys_factory_reset_params");
    EXPECT_EQ(added[624], "AddObject collection trans1");
    EXPECT_EQ(added[629], "AddObject refresh highest_rel_offset__num_parameters");
    EXPECT_EQ(added[630], "AddObject unit AI_1_OUT_SCALE_UNIT");
    EXPECT_EQ(added.back(), "AddObject unit AI_OUT_SCALE_UNIT");

    // Within each kind ascending ID; every ID once; the store is fetched anew for every item.
    const enumDDObjectKind order[] = {ddkBlock, ddkVariable, ddkCommand, ddkMenu,
                                      ddkMethod, ddkCollection, ddkRefresh, ddkUnit};
    std::vector<std::string> expected;
    for (const auto kind : order)
        for (const auto& e : catalogue::kItems)
            if (e.name && e.kind == kind) expected.push_back(e.name);
    const auto& lines = s->host().log().lines();
    std::vector<std::string> names;
    for (std::size_t i = 0; i < lines.size() && names.size() < 635; ++i) {
        if (lines[i].rfind("AddObject ", 0) != 0) continue;
        EXPECT_EQ(lines[i - 1], "GetObjectStore");
        names.push_back(lines[i].substr(lines[i].rfind(' ') + 1));
    }
    EXPECT_EQ(names, expected);
}

TEST(Catalogue, VariablesArriveWithTypeAndAll19ClassBits) {
    auto s = openSession();
    int variables = 0;
    for (const auto& e : catalogue::kItems) {
        if (!e.name || e.kind != ddkVariable) continue;
        ++variables;
        const auto* v = dynamic_cast<const CDDVariable*>(s->host().object(e.id));
        ASSERT_NE(v, nullptr) << e.name;
        ASSERT_NE(v->type(), nullptr) << e.name;
        EXPECT_EQ(v->type()->getType(), e.type) << e.name;
        EXPECT_EQ(v->classes().writtenCount(), 19) << e.name;
        for (int bit = 0; bit < 19; ++bit)
            EXPECT_EQ(*v->classes().get(bit), ((e.classMask >> bit) & 1U) != 0) << e.name << " class " << bit;
    }
    EXPECT_EQ(variables, 270);
    const auto* out = dynamic_cast<const CDDVariable*>(s->host().objectNamed("func1_AI_out_value"));
    EXPECT_EQ(out->classes().setBits(), (std::vector<int>{9, 15}));
    const auto* block = dynamic_cast<const CDDBlock*>(s->host().objectNamed("physical_block"));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->getBlockKind(), 0);
}

TEST(Catalogue, EveryVariableGetsOneEmptyDefinitionSetInItsOwnOrder) {
    auto s = openSession();
    const auto& sets = s->host().variableSets();
    ASSERT_EQ(sets.size(), 270u);
    EXPECT_EQ(sets.front().first, "phys_ident_number");
    EXPECT_EQ(sets[1].first, "phys_device_man_id");
    EXPECT_EQ(sets.back().first, "phys_pa_set_unit_to_bus_offline");
    std::set<std::string> distinct;
    for (std::size_t i = 0; i < sets.size(); ++i) {
        EXPECT_EQ(sets[i].second, 0u);
        EXPECT_EQ(sets[i].first, catalogue::kItems[catalogue::kVariableSetOrder[i]].name);
        distinct.insert(sets[i].first);
    }
    EXPECT_EQ(distinct.size(), 270u);
    // One store fetch for the whole step: it directly follows the last reply set.
    const auto lines = s->host().log().lines();
    const auto first = std::find_if(lines.begin(), lines.end(),
                                    [](const std::string& l) { return l.rfind("PutVariableSet", 0) == 0; });
    ASSERT_NE(first, lines.end());
    EXPECT_EQ(*(first - 1), "GetObjectStore");
    EXPECT_EQ((*(first - 2)).rfind("PutReplySet write_phys_pa_set_unit_to_bus", 0), 0u);
    EXPECT_EQ(std::count(first, lines.end(), "GetObjectStore"), 0);
}

TEST(Catalogue, TransactionSetsFollowTheCommandsDataItems) {
    auto s = openSession();
    const auto lines = withoutStoreFetches(s->host().log().lines());
    const auto requests = s->host().log().with("PutRequestSet");
    const auto replies = s->host().log().with("PutReplySet");
    ASSERT_EQ(requests.size(), 193u);
    ASSERT_EQ(replies.size(), 193u);
    // Pairs in ascending command ID, each request directly before its reply.
    std::vector<std::string> commands;
    for (const auto& e : catalogue::kItems)
        if (e.name && e.kind == ddkCommand) commands.push_back(e.name);
    std::size_t pair = 0, insertions = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind("PutRequestSet ", 0) != 0) continue;
        EXPECT_EQ(lines[i].rfind("PutRequestSet " + commands[pair], 0), 0u);
        EXPECT_EQ(lines[i + 1].rfind("PutReplySet " + commands[pair], 0), 0u);
        ++pair;
    }
    EXPECT_EQ(pair, 193u);
    const auto& sets = s->host().transactionSets();
    for (const auto& [command, set] : sets) {
        insertions += set.request.size() + set.reply.size();
        EXPECT_TRUE(set.request.empty() || set.reply.empty()) << command;
        if (command.rfind("read_", 0) == 0) {
            EXPECT_TRUE(set.request.empty()) << command;
        }
    }
    EXPECT_EQ(insertions, 311u);
    const std::vector<std::string> profileRev = {
        "__ZTQ__dummy__8bit",  "__ZTQ__dummy__8bit",  "__ZTQ__dummy__8bit",      "__ZTQ__dummy__8bit",
        "__ZTQ__dummy__32bit", "__ZTQ__dummy__16bit", "__ZTQ__dummy__16bit",     "__ZTQ__phys_profile_rev",
        "__ZTQ__dummy__8bit",  "__ZTQ__dummy__16bit", "__ZTQ__dummy__16bit",     "__ZTQ__dummy__8bit"};
    EXPECT_EQ(sets.at("read__ZTQ__profile_rev").reply, profileRev);
    EXPECT_EQ(sets.at("read_func1_AI_out_scale_2").reply,
              (std::vector<std::string>{"dummy_float_value", "dummy_float_value", "func1_AI_out_unit",
                                        "func1_AI_out_decimal_point"}));
    const std::vector<std::string> out = {"func1_AI_out_value", "func1_AI_out_status_quality",
                                          "func1_AI_out_status_limit"};
    EXPECT_EQ(sets.at("read_func1_AI_out").reply, out);
    EXPECT_EQ(sets.at("write_func1_AI_out").request, out);
    const std::vector<std::string> simulate = {"func1_AI_simulate_status_quality", "func1_AI_simulate_status_limit",
                                               "func1_AI_simulate_value", "func1_AI_simulation_enabled"};
    EXPECT_EQ(sets.at("read_func1_AI_simulate").reply, simulate);
    EXPECT_EQ(sets.at("write_func1_AI_simulate").request, simulate);
    EXPECT_EQ(sets.at("read_func1_AI_blk").reply,
              (std::vector<std::string>{"func1_AI_blk_reserve", "func1_AI_blk_object", "func1_AI_blk_parent_class",
                                        "func1_AI_blk_class", "func1_AI_blk_dd_reference", "func1_AI_blk_dd_rev",
                                        "func1_AI_blk_profile", "func1_AI_blk_profile_rev",
                                        "func1_AI_blk_execution_time", "func1_AI_blk_num_parameters",
                                        "func1_AI_blk_index_view_1", "func1_AI_blk_num_view_lists"}));
    EXPECT_TRUE(sets.at("write_phys_pa_set_unit_to_bus").request.empty());
    EXPECT_TRUE(sets.at("write_phys_pa_set_unit_to_bus").reply.empty());
    EXPECT_EQ(sets.at("read_phys_pa_set_unit_to_bus").reply, std::vector<std::string>{"phys_pa_set_unit_to_bus"});
    EXPECT_EQ(sets.at("write_trans1_level_lo_offline").request, std::vector<std::string>{"trans1_level_lo_offline"});
    EXPECT_TRUE(sets.at("write_trans1_level_lo_offline").reply.empty());
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
    std::unique_ptr<CAttributeCalculation> calculator(module.getAttributeCalculation());
    ASSERT_NE(calculator, nullptr);
    EXPECT_TRUE(calculator->IsReady());
    // Never attached: the forwarders have no calculators and leave objects alone.
    CDDVariable variable(CDDDefinition(381, "trans1_level_unit", ddkVariable));
    EXPECT_EQ(calculator->CalculateAttributes07(ContextWord{0}, &variable), &variable);
    EXPECT_FALSE(variable.getAttributesAvailable().has_value());
    calculator->BuildCatalogue();
    EXPECT_FALSE(calculator->VariableValidity(ContextWord{0}, nullptr));
}
