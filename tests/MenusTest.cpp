// Menus as the host receives them: rules that hold across all menus (member
// entries follow their collection, access follows the online roots, twins
// agree), entries the host cannot resolve, the upload list's conditions, and
// the language parts the host tool shows. Every menu's and collection's
// contents are pinned by the golden dumps and trees.
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "host/Encoding.h"
#include "tests/TestSupport.h"

namespace {

using Names = std::vector<std::string>;

std::unique_ptr<CDDMenu> menu(Session& s, const char* name) {
    auto m = calculateAs<CDDMenu>(s, name);
    EXPECT_NE(m, nullptr) << name;
    return m;
}

std::string nameOf(Session& s, const CDDDefinition& d) { return s.host().nameOf(&d); }

bool isQualified(const CDDMenuItem& e) { return e.getQualifications() == std::map<std::int32_t, bool>{{1, true}}; }

// Entries as "name", with "(M)" for a member entry and "(Q)" for qualification 1.
Names entries(Session& s, const CDDMenu& m) {
    Names out;
    if (!m.menuItems()) return out;
    for (const auto& e : m.menuItems()->items()) {
        std::string line = e.getDefinition() ? nameOf(s, *e.getDefinition()) : "?";
        if (e.getDescription()) line += "(M)";
        if (isQualified(e)) line += "(Q)";
        out.push_back(line);
    }
    return out;
}

Names actions(Session& s, const CDDDefinitionList* list) {
    Names out;
    if (list)
        for (const auto& d : list->items()) out.push_back(nameOf(s, d));
    return out;
}

// Everything the host sees of a menu except its own definition.
std::string signature(Session& s, const CDDMenu& m, bool withAccess = true) {
    std::ostringstream o;
    o << "label=" << (m.getLabel() ? "[" + m.getLabel()->str() + "]" : "none");
    o << " help=" << (m.getHelp() ? "[" + m.getHelp()->str() + "]" : "none");
    if (withAccess) o << " access=" << (m.getAccess() ? static_cast<int>(*m.getAccess()) : -1);
    o << " items=" << (m.menuItems() ? "" : "none");
    if (m.menuItems())
        for (const auto& e : m.menuItems()->items()) {
            o << (e.getDefinition() ? e.getDefinition()->getID() : 0);
            if (e.getDescription()) o << "{" << e.getDescription()->str() << "}";
            if (e.getHelp()) o << "<" << e.getHelp()->str() << ">";
            for (const auto& [q, on] : e.getQualifications()) o << "q" << q << on;
            o << ",";
        }
    for (const auto& a : actions(s, m.getPreWriteActions())) o << " pre:" << a;
    for (const auto& a : actions(s, m.getPostWriteActions())) o << " post:" << a;
    o << " available=" << (m.getAttributesAvailable() == true);
    return o.str();
}

std::vector<std::int32_t> menuIds(Session& s) {
    std::vector<std::int32_t> ids;
    for (const std::int32_t id : s.host().ids())
        if (s.host().object(id)->getcDefinition()->getKind() == ddkMenu) ids.push_back(id);
    return ids;
}

void showEveryUploadEntry(Session& s) {
    ASSERT_TRUE(s.set("trans1_calibration_type_offline=0"));
    ASSERT_TRUE(s.set("func1_AI_target_mode=16"));
}

Names storeCalls(Session& s) {
    Names out;
    for (const auto& line : s.host().log().lines())
        if (line.rfind("GetCollection ", 0) == 0 || line.rfind("GetMemberObject ", 0) == 0) out.push_back(line);
    return out;
}

}  // namespace

// ---------------------------------------------------------------- table-wide

TEST(Menus, TotalsOverAllMenusAsTheHostReceivesThem) {
    auto s = openSession();
    showEveryUploadEntry(*s);
    auto mapping = calculateAs<CDDCollection>(*s, "collectionMapping");
    auto shortSet = calculateAs<CDDCollection>(*s, "func1_short");
    ASSERT_TRUE(mapping && shortSet);

    const auto ids = menuIds(*s);
    ASSERT_EQ(ids.size(), 133u);
    int entriesTotal = 0, memberEntries = 0, memberMenus = 0, qualifiedEntries = 0, qualifiedMenus = 0;
    int access0 = 0, access1 = 0, withHelp = 0, variables = 0, submenus = 0, methods = 0, viaShort = 0;
    std::map<std::int32_t, std::vector<std::int32_t>> submenusOf;
    std::map<std::int32_t, int> accessOf;
    std::set<std::string> helped;
    for (const std::int32_t id : ids) {
        const std::string name = s->host().nameOf(s->host().object(id)->getcDefinition());
        s->host().log().clear();
        auto object = s->host().calculated(id);
        auto* m = dynamic_cast<CDDMenu*>(object.get());
        ASSERT_NE(m, nullptr) << name;
        EXPECT_EQ(s->host().alive(), 0) << name;
        EXPECT_EQ(m->getAttributesAvailable(), true) << name;
        EXPECT_TRUE(m->getLabel().has_value()) << name;  // at least the empty label
        ASSERT_NE(m->menuItems(), nullptr) << name;
        ASSERT_TRUE(m->getAccess().has_value()) << name;
        const int access = static_cast<int>(*m->getAccess());
        EXPECT_TRUE(access == 0 || access == 1) << name;
        accessOf[id] = access;
        (access == 0 ? access0 : access1)++;
        if (m->getHelp()) {
            ++withHelp;
            helped.insert(name);
            EXPECT_FALSE(m->getHelp()->IsEmpty()) << name;
        }
        if (name != "upload_variables") {
            EXPECT_EQ(m->getPreWriteActions(), nullptr) << name;
            EXPECT_EQ(m->getPostWriteActions(), nullptr) << name;
        }

        const auto log = s->host().log();
        const auto calls = storeCalls(*s);
        EXPECT_EQ(log.count("GetCurrentValue"), name == "upload_variables" ? 2u : 0u) << name;
        EXPECT_TRUE(s->host().errors().empty()) << name;

        int members = 0, qualified = 0;
        for (const auto& e : m->menuItems()->items()) {
            ++entriesTotal;
            ASSERT_TRUE(e.getDefinition().has_value()) << name;
            const CDDDefinition& d = *e.getDefinition();
            const CDDObject* target = s->host().object(d.getID());
            ASSERT_NE(target, nullptr) << name << " names no item: " << d.getID();
            EXPECT_EQ(target->getcDefinition()->getName(), d.getName()) << name;
            EXPECT_EQ(target->getcDefinition()->getKind(), d.getKind()) << name;
            switch (d.getKind()) {
            case ddkVariable: ++variables; break;
            case ddkMenu:
                ++submenus;
                submenusOf[id].push_back(d.getID());
                break;
            case ddkMethod: ++methods; break;
            default: ADD_FAILURE() << name << " lists an item of kind " << d.getKind();
            }
            EXPECT_TRUE(e.getQualifications().empty() || isQualified(e)) << name;
            if (isQualified(e)) {
                ++qualified;
                EXPECT_EQ(d.getKind(), ddkVariable) << name;
            }
            // A member entry always gets description and help; a direct one neither.
            EXPECT_EQ(e.getDescription().has_value(), e.getHelp().has_value()) << name;
            if (!e.getDescription()) continue;
            // The k-th member entry is resolved by the k-th triple of store calls.
            const std::size_t k = static_cast<std::size_t>(members++) * 3;
            ASSERT_LT(k + 2, calls.size()) << name;
            const bool isShort = calls[k] == "GetCollection func1_short";
            viaShort += isShort ? 1 : 0;
            const std::string collection = isShort ? "func1_short" : "collectionMapping";
            EXPECT_EQ(calls[k], "GetCollection " + collection) << name;
            EXPECT_EQ(calls[k + 2], "GetCollection " + collection) << name;
            const std::string prefix = "GetMemberObject " + collection + " ";
            ASSERT_EQ(calls[k + 1].rfind(prefix, 0), 0u) << name << ": " << calls[k + 1];
            const std::string memberName = calls[k + 1].substr(prefix.size());
            CDDMember* member = (isShort ? shortSet : mapping)->getMemberSet()->getItem(CStrPP(memberName.c_str()));
            ASSERT_NE(member, nullptr) << name << ": " << memberName;
            ASSERT_TRUE(member->getDefinition().has_value());
            EXPECT_EQ(member->getDefinition()->getID(), d.getID()) << name << ": " << memberName;
            EXPECT_EQ(*e.getDescription(), member->getDescription()) << name << ": " << memberName;
            EXPECT_EQ(*e.getHelp(), member->getHelp()) << name << ": " << memberName;
        }
        EXPECT_EQ(calls.size(), static_cast<std::size_t>(members) * 3) << name;
        memberEntries += members;
        memberMenus += members > 0 ? 1 : 0;
        qualifiedEntries += qualified;
        qualifiedMenus += qualified > 0 ? 1 : 0;

        // Unchanged values give an equal menu.
        auto again = calculateAs<CDDMenu>(*s, name.c_str());
        ASSERT_NE(again, nullptr);
        EXPECT_EQ(signature(*s, *again), signature(*s, *m)) << name;
    }
    EXPECT_EQ(entriesTotal, 656);
    EXPECT_EQ(variables, 534);
    EXPECT_EQ(submenus, 109);
    EXPECT_EQ(methods, 13);
    EXPECT_EQ(memberEntries, 126);
    EXPECT_EQ(memberMenus, 26);
    EXPECT_EQ(viaShort, 1);
    EXPECT_EQ(qualifiedEntries, 83);
    EXPECT_EQ(qualifiedMenus, 33);
    EXPECT_EQ(access0, 50);
    EXPECT_EQ(access1, 83);
    EXPECT_EQ(withHelp, 6);
    EXPECT_EQ(helped, (std::set<std::string>{"OnlineDialog_reset", "Page_reset", "OnlineDialog_write_locking",
                                             "Val_func1_out_display", "BarVal_out_display_func1",
                                             "Page_alarm_overview_func1"}));

    // Access 0 exactly for what the online roots reach, plus one stand-alone dialog.
    std::set<std::int32_t> reached;
    std::vector<std::int32_t> todo;
    for (const char* root :
         {"DTM_online_root_menu", "DTM_observe_menu", "DTM_trend_menu", "DTM_simulation_menu", "DTM_diagnosis_menu"})
        todo.push_back(s->host().idOf(root));
    while (!todo.empty()) {
        const std::int32_t id = todo.back();
        todo.pop_back();
        if (!reached.insert(id).second) continue;
        for (const std::int32_t sub : submenusOf[id]) todo.push_back(sub);
    }
    EXPECT_EQ(reached.size(), 49u);
    reached.insert(s->host().idOf("OnlineDialog_simulation_func1"));
    for (const auto& [id, access] : accessOf)
        EXPECT_EQ(access, reached.count(id) ? 0 : 1) << s->host().nameOf(s->host().object(id)->getcDefinition());
    EXPECT_EQ(s->host().alive(), 0);
}

TEST(Menus, TwinsAndCopiesDifferOnlyWhereTheyShould) {
    auto s = openSession();
    auto same = [&](const char* a, const char* b, bool withAccess) {
        auto ma = menu(*s, a), mb = menu(*s, b);
        ASSERT_TRUE(ma && mb);
        EXPECT_EQ(signature(*s, *ma, withAccess), signature(*s, *mb, withAccess)) << a << " / " << b;
    };
    same("DTM_offline_root_menu", "Table_Main_Specialist", true);
    same("DTM_offline_root_menu", "Table_Main_Maintenance", true);
    for (const char* base : {"security_settings", "extended_calibration", "system_parameter"}) {
        const std::string dialog = std::string("OnlineDialog_") + base, tab = std::string("Tab_s_") + base;
        same(dialog.c_str(), tab.c_str(), true);
        same(dialog.c_str(), (tab + "_Online").c_str(), false);
    }
    same("OnlineWindow_S_alarm_func1", "OnlineWindow_M_alarm_func1", false);
    same("OnlineDialog_Simulation", "DTM_simulation_menu", false);
    same("Page_diagnosis_general", "Page_diagnosis_general_online", false);
    auto dialog = menu(*s, "OnlineDialog_reset"), page = menu(*s, "Page_reset");
    ASSERT_TRUE(dialog && page && dialog->getHelp() && page->getHelp());
    EXPECT_EQ(*dialog->getLabel(), *page->getLabel());
    EXPECT_EQ(*dialog->getHelp(), *page->getHelp());
    EXPECT_EQ(s->host().alive(), 0);
}

// ---------------------------------------------------------------- member entries

TEST(Menus, AMissingCollectionOrMemberLeavesTheEntryOutWithOneTextEach) {
    for (const char* operation : {"GetCollection", "GetMemberObject"}) {
        SCOPED_TRACE(operation);
        auto s = openSession();
        s->host().returnNullFrom(operation);
        auto g = menu(*s, "Group_display_func1_out");
        ASSERT_TRUE(g);
        EXPECT_EQ(entries(*s, *g),
                  (Names{"func1_AI_actual_mode", "func1_AI_out_status_quality(Q)", "func1_AI_out_status_limit(Q)"}));
        EXPECT_EQ(s->host().errors().size(), 1u);
        if (!s->host().errors().empty()) {
            EXPECT_FALSE(s->host().errors()[0].empty());
        }
        EXPECT_EQ(g->getAttributesAvailable(), true);
        EXPECT_EQ(s->host().alive(), 0);

        // Direct entries keep their order around the left-out ones.
        auto a = menu(*s, "Tab_s_abgleich_Online");
        ASSERT_TRUE(a);
        EXPECT_EQ(entries(*s, *a), (Names{"trans1_level", "parBargraphScaleMin", "parBargraphScaleMax"}));
        EXPECT_EQ(s->host().errors().size(), 1u + 10u);
        EXPECT_EQ(s->host().alive(), 0);

        auto all = menu(*s, "Tab_s_security_settings_Online");
        ASSERT_TRUE(all);
        EXPECT_TRUE(all->menuItems()->items().empty());
        EXPECT_EQ(s->host().errors().size(), 1u + 10u + 9u);
        EXPECT_EQ(s->host().alive(), 0);

        // A refused collection is asked for no member; a refused member ends
        // the entry before the collection is fetched a second time.
        const Names calls = storeCalls(*s);
        for (std::size_t k = 0; k < calls.size(); ++k) {
            ASSERT_EQ(calls[k].rfind("GetCollection ", 0), 0u) << calls[k];
            if (std::string(operation) == "GetMemberObject") {
                ASSERT_LT(k + 1, calls.size());
                EXPECT_EQ(calls[++k].rfind("GetMemberObject ", 0), 0u) << calls[k];
            }
        }
        EXPECT_EQ(calls.size(), (1u + 10u + 9u) * (std::string(operation) == "GetMemberObject" ? 2 : 1));
    }
}

// ---------------------------------------------------------------- upload and download lists

TEST(Menus, UploadVariablesFollowsBothConditionsReadAnewAtEveryRequest) {
    const Names full = {"trans1_primary_value_unit",
                        "trans1_level_unit",
                        "trans1_calibration_type_offline",
                        "trans1_cal_point_lo_offline",
                        "trans1_cal_point_hi_offline",
                        "trans1_level_lo_offline",
                        "trans1_level_hi_offline",
                        "parBargraphScaleMin_offline",
                        "parBargraphScaleMax_offline",
                        "trans1_lin_type",
                        "var_local_hi_hi",
                        "var_local_hi",
                        "var_local_lo_lo",
                        "var_local_lo",
                        "func1_AI_alarm_hys",
                        "func1_AI_pv_ftime",
                        "func1_AI_pv_lower_range_value",
                        "func1_AI_pv_upper_range_value",
                        "func1_AI_out_lower_range_value",
                        "func1_AI_out_upper_range_value",
                        "func1_AI_target_mode",
                        "func1_AI_out_value",
                        "parPAAIOutStatus",
                        "phys_ident_number",
                        "parPASelectMainValue",
                        "func1_AI_out_unit",
                        "phys_descriptor",
                        "trans1_temperature_unit",
                        "phys_tag_desc",
                        "phys_message",
                        "phys_install_date",
                        "trans1_level_unit",
                        "trans1_temperature_unit",
                        "func1_AI_batch_id",
                        "func1_AI_batch_unit",
                        "func1_AI_batch_operation",
                        "func1_AI_batch_phase",
                        "func1_AI_out_decimal_point",
                        "parClearLastError"};
    ASSERT_EQ(full.size(), 39u);
    auto expected = [&](bool calibration, bool target) {
        Names out;
        for (std::size_t i = 0; i < full.size(); ++i) {
            const std::size_t position = i + 1;
            if (!calibration && position >= 3 && position <= 9) continue;
            if (!target && (position == 22 || position == 23)) continue;
            out.push_back(full[i]);
        }
        return out;
    };
    const Names pre = {"uploadVariablesPreWriteActions", "method_output_limits_remember", "method_output_limits_reset"};
    const Names post = {"uploadVariablesPostWriteActions", "method_output_limits_restore"};

    auto s = openSession();
    struct Case {
        int calibration;
        int target;
        std::size_t count;
    };
    // One session throughout: every request must read both values anew.
    for (const Case c : {Case{0, 16, 39}, Case{1, 8, 30}, Case{0, 128, 37}, Case{1, 16, 32}, Case{0, 16, 39}}) {
        SCOPED_TRACE(std::to_string(c.calibration) + "/" + std::to_string(c.target));
        ASSERT_TRUE(s->set("trans1_calibration_type_offline=" + std::to_string(c.calibration)));
        ASSERT_TRUE(s->set("func1_AI_target_mode=" + std::to_string(c.target)));
        s->host().log().clear();
        auto m = menu(*s, "upload_variables");
        ASSERT_TRUE(m);
        const Names got = entries(*s, *m);
        EXPECT_EQ(got.size(), c.count);
        EXPECT_EQ(got, expected(c.calibration == 0, c.target == 16));
        EXPECT_EQ(s->host().log().with("GetCurrentValue"),
                  (Names{"GetCurrentValue trans1_calibration_type_offline", "GetCurrentValue func1_AI_target_mode"}));
        EXPECT_EQ(actions(*s, m->getPreWriteActions()), pre);
        EXPECT_EQ(actions(*s, m->getPostWriteActions()), post);
        EXPECT_FALSE(m->getHelp().has_value());
        EXPECT_EQ(m->getAccess().has_value() ? static_cast<int>(*m->getAccess()) : -1, 1);
        EXPECT_EQ(s->host().alive(), 0);
    }

    // The download list does not depend on values and asks the host nothing.
    s->host().log().clear();
    auto d = menu(*s, "download_variables");
    ASSERT_TRUE(d);
    const Names down = entries(*s, *d);
    ASSERT_EQ(down.size(), 69u);
    EXPECT_EQ(down.front(), "phys_blk_profile_rev");
    EXPECT_EQ(down.back(), "parSystemstartsCounter");
    EXPECT_EQ(s->host().log().count("GetCurrentValue") + s->host().log().count("GetCollection"), 0u);
    EXPECT_EQ(d->getPreWriteActions(), nullptr);
    EXPECT_EQ(d->getPostWriteActions(), nullptr);
}

// ---------------------------------------------------------------- languages

TEST(Menus, LanguagePartOfTheModulesTexts) {
    auto s = openSession();
    auto label = [&](const char* name) {
        auto m = menu(*s, name);
        return m && m->getLabel() ? m->getLabel()->str() : std::string("?");
    };
    struct Case {
        const char* menu;
        const char* language;
        const char* expected;
    };
    const Case cases[] = {
        {"DTM_trend_menu", "de", "Trend"},  // no tags at all
        {"DTM_trend_menu", "en", "Trend"},
        {"Page_display_value", "de", "Messwerte"},  // tag right after the text
        {"Page_display_value", "en", "Measured values"},
        {"Page_display_value", "fr", "Measured values"},  // no French part
        {"BarVal_measured_value", "nl", "gemeten waarde"},
        {"BarVal_measured_value", "es", "Messwert"},
        {"BarVal_measured_value", "it", "Valore di misura"},
        {"BarVal_measured_value", "en", "measured value"},
        {"Tab_s_func1", "en", "Level"},  // blanks before the tags
        {"Tab_s_func1", "de", "Füllstand"},
        {"Tab_s_func1", "es", "Nivel"},
        {"Tab_s_func1", "nl", "Level"},
        {"Page_display_measure", "fr", "Valeur de mesure"},
        {"DTM_DIAGNOSIS_MENU", "en", "Instrument health status"},  // "|en|" first
        {"DTM_DIAGNOSIS_MENU", "de", "Gerätestatus"},
        {"DTM_DIAGNOSIS_MENU", "it", "Instrument health status"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(languagePart(label(c.menu), c.language), c.expected) << c.menu << " " << c.language;
    EXPECT_EQ(languagePart("", "de"), "");
    EXPECT_EQ(languagePart("device ID number", "nl"), "device ID number");
}
