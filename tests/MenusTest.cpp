// Menus and collections as the host receives them: every menu calculated
// through the module's forwarder, member entries resolved through the
// stand-in host's store, and the host tool's view of the tree.
#include <sys/wait.h>

#include <cstdio>
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

bool isQualified(const CDDMenuItem& e) {
    return e.getQualifications() == std::map<std::int32_t, bool>{{1, true}};
}

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
            case ddkMenu: ++submenus; submenusOf[id].push_back(d.getID()); break;
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
            CDDMember* member =
                (isShort ? shortSet : mapping)->getMemberSet()->getItem(CStrPP(memberName.c_str()));
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
    for (const char* root : {"DTM_online_root_menu", "DTM_observe_menu", "DTM_trend_menu", "DTM_simulation_menu",
                             "DTM_diagnosis_menu"})
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

// ---------------------------------------------------------------- member entries

TEST(Menus, MemberEntriesAskCollectionMemberCollectionInOrderAndTakeTheMembersTexts) {
    auto s = openSession();
    const Names members = {"func1_AI_hi_hi_lim",       "func1_AI_hi_lim",          "func1_AI_lo_lim",
                           "func1_AI_lo_lo_lim",       "func1_AI_alarm_hys",       "func1_AI_hi_hi_alm_state",
                           "func1_AI_hi_alm_state",    "func1_AI_lo_alm_state",    "func1_AI_lo_lo_alm_state"};
    Names expected;
    for (const auto& m : members) {
        expected.push_back("GetCollection collectionMapping");
        expected.push_back("GetMemberObject collectionMapping " + m);
        expected.push_back("GetCollection collectionMapping");
    }
    s->host().log().clear();
    auto m = menu(*s, "Tab_s_security_settings_Online");
    ASSERT_TRUE(m);
    EXPECT_EQ(storeCalls(*s), expected);
    EXPECT_EQ(s->host().log().count("GetCollection"), 18u);
    EXPECT_EQ(s->host().log().count("GetMemberObject"), 9u);
    EXPECT_EQ(s->host().alive(), 0);
    ASSERT_EQ(m->menuItems()->items().size(), 9u);
    for (std::size_t i = 0; i < members.size(); ++i) {
        const auto& e = m->menuItems()->items()[i];
        EXPECT_EQ(nameOf(*s, *e.getDefinition()), members[i]);
        ASSERT_TRUE(e.getDescription() && e.getHelp()) << members[i];
        EXPECT_FALSE(e.getDescription()->IsEmpty()) << members[i];
        EXPECT_EQ(e.getHelp()->IsEmpty(), i >= 4) << members[i];  // only the four limits have a help
        EXPECT_TRUE(e.getQualifications().empty()) << members[i];
    }
    EXPECT_EQ(m->menuItems()->items()[0].getDescription()->str(),
              "Upper Limit Alarm  |de|Alarmgrenze Oben  |fr|Limite d'alarme supérieure  |it|Limite allarme superiore"
              "  |es|Límite superior de alarma");

    // The member parTagQV stands for phys_tag_desc; no item of that name exists.
    EXPECT_EQ(s->host().idOf("parTagQV"), 0);
    for (const char* name : {"Tab_s_system_parameter_Online", "OnlineDialog_system_parameter",
                             "Tab_s_system_parameter"}) {
        s->host().log().clear();
        auto p = menu(*s, name);
        ASSERT_TRUE(p && !p->menuItems()->items().empty());
        const auto& first = p->menuItems()->items()[0];
        EXPECT_EQ(first.getDefinition()->getID(), s->host().idOf("phys_tag_desc")) << name;
        EXPECT_EQ(first.getDescription()->str(), "tag no.|de|Messstelle|fr|N° Repere|es|Messstelle|it|Tag n°|nl|tag nummer");
        EXPECT_EQ(first.getHelp()->str(), "");
        EXPECT_EQ(storeCalls(*s).at(1), "GetMemberObject collectionMapping parTagQV") << name;
        EXPECT_EQ(s->host().log().count("GetCollection"), 12u) << name;
        EXPECT_EQ(s->host().alive(), 0);
    }

    // The one entry through func1_short, last and unqualified.
    s->host().log().clear();
    auto g = menu(*s, "Group_display_func1_out");
    ASSERT_TRUE(g);
    EXPECT_EQ(entries(*s, *g), (Names{"func1_AI_actual_mode", "func1_AI_out_status_quality(Q)",
                                      "func1_AI_out_status_limit(Q)", "func1_AI_current_state_alarm_sum(M)"}));
    EXPECT_EQ(storeCalls(*s), (Names{"GetCollection func1_short", "GetMemberObject func1_short alarm_sum",
                                     "GetCollection func1_short"}));
    EXPECT_EQ(g->menuItems()->items()[3].getDescription()->str(),
              "Alarm Summary  |de|Summenalarm  |fr|Alarme groupée  |it|Allarme cumulativo  |es|Alarma agrupada");
    EXPECT_EQ(g->menuItems()->items()[3].getHelp()->str(), "");
    EXPECT_EQ(s->host().alive(), 0);
}

TEST(Menus, AMissingCollectionOrMemberLeavesTheEntryOutWithOneTextEach) {
    for (const char* operation : {"GetCollection", "GetMemberObject"}) {
        SCOPED_TRACE(operation);
        auto s = openSession();
        s->host().returnNullFrom(operation);
        auto g = menu(*s, "Group_display_func1_out");
        ASSERT_TRUE(g);
        EXPECT_EQ(entries(*s, *g), (Names{"func1_AI_actual_mode", "func1_AI_out_status_quality(Q)",
                                          "func1_AI_out_status_limit(Q)"}));
        EXPECT_EQ(s->host().errors().size(), 1u);
        if (!s->host().errors().empty()) { EXPECT_FALSE(s->host().errors()[0].empty()); }
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
    }
}

// ---------------------------------------------------------------- menu tables

TEST(Menus, EntriesOrderAndMarkersWhereASlipIsLikely) {
    auto s = openSession();
    const std::map<std::string, Names> cases = {
        {"Tab_s_abgleich_Online",
         {"trans1_primary_value_unit(M)", "trans1_level_unit(M)", "trans1_calibration_type(M)", "trans1_lin_type(M)",
          "trans1_sensor_value(M)", "trans1_level", "trans1_primary_value_value(M)", "trans1_cal_point_lo(M)",
          "trans1_level_lo(M)", "parBargraphScaleMin", "trans1_cal_point_hi(M)", "trans1_level_hi(M)",
          "parBargraphScaleMax"}},
        {"Tab_s_abgleich",
         {"trans1_primary_value_unit(M)", "trans1_level_unit(M)", "trans1_calibration_type_offline",
          "trans1_lin_type(M)", "trans1_cal_point_lo_offline", "trans1_level_lo_offline",
          "parBargraphScaleMin_offline", "trans1_cal_point_hi_offline", "trans1_level_hi_offline",
          "parBargraphScaleMax_offline"}},
        {"Tab_s_measured_values_Online",
         {"trans1_primary_value_value(M)(Q)", "trans1_level(Q)", "trans1_sensor_value(M)(Q)"}},
        {"Tab_s_simulation_Online", {"func1_AI_simulation_enabled(M)", "func1_AI_simulate_value(M)", "parSimulationStatus"}},
        {"Tab_s_simulation",
         {"func1_AI_simulation_enabled(M)(Q)", "func1_AI_simulate_value(M)(Q)", "parSimulationStatus(Q)"}},
        {"Tab_s_service_Online",
         {"trans1_min_sensor_value(M)(Q)", "meth_reset_trans1_min_sensor_value", "trans1_max_sensor_value(M)(Q)",
          "meth_reset_trans1_max_sensor_value", "trans1_temperature(M)", "trans1_temperature_unit(M)",
          "trans1_min_temperature(M)(Q)", "meth_reset_min_temperature", "trans1_max_temperature(M)(Q)",
          "meth_reset_max_temperature", "parSystemstartsCounter", "parActualError", "parLastError",
          "parClearLastError", "parWriteLocking"}},
        {"Tab_s_profibus_parameter",
         {"parPADeviceBusAddress", "phys_ident_number(M)", "parPASelectMainValue", "phys_pa_set_unit_to_bus_offline",
          "func1_AI_target_mode(M)", "func1_AI_out_unit(M)", "func1_AI_out_value(M)", "parPAAIOutStatus"}},
        {"Page_Adjust_BasicSetup_step3",
         {"trans1_sensor_value(M)", "trans1_level", "trans1_primary_value_value(M)", "trans1_cal_point_hi(M)",
          "trans1_level_hi(M)", "parBargraphScaleMax", "meth_transfer_calibration_full"}},
        {"Tab_s_QV_Std_Matrix",
         {"Tab_s_measured_values", "Tab_s_abgleich", "Tab_s_extended_calibration", "Tab_s_profibus_parameter",
          "Tab_s_system_parameter", "Tab_s_security_settings", "Tab_s_simulation", "Tab_s_service"}},
        {"Group_measured_values",
         {"Val_parDisplayValue", "Val_trans1_level", "Val_trans1_sensor_value", "Val_parDisplayStatus",
          "Val_trans1_temperature", "Val_parActualError"}},
        {"Page_alarm_overview_func1",
         {"func1_AI_hi_hi_lim(Q)", "func1_AI_hi_lim(Q)", "func1_AI_lo_lim(Q)", "func1_AI_lo_lo_lim(Q)",
          "func1_AI_lo_lo_alm_state(Q)", "func1_AI_lo_alm_state(Q)", "func1_AI_hi_alm_state(Q)",
          "func1_AI_hi_hi_alm_state(Q)", "func1_AI_lo_lo_alm_value(Q)", "func1_AI_lo_alm_value(Q)",
          "func1_AI_hi_alm_value(Q)", "func1_AI_hi_hi_alm_value(Q)"}},
        {"Tab_m_func1",
         {"func1_AI_st_rev", "func1_AI_out_unit(Q)", "func1_AI_out_unit_text(Q)", "func1_AI_pv_ftime(Q)",
          "Tab_s_func1_batch", "Tab_m_func1_pv_range", "Tab_m_func1_outscale", "Tab_m_func1_limits",
          "Tab_s_func1_interface"}},
        {"Tab_s_ident_device",
         {"phys_device_man_id", "phys_device_id", "phys_device_ser_num(Q)", "phys_software_rev", "phys_hardware_rev",
          "phys_blk_profile_rev", "phys_st_rev", "phys_ident_number", "phys_install_date"}},
        {"Tab_m_ident_device",
         {"phys_device_man_id", "phys_device_id", "phys_device_ser_num", "phys_software_rev", "phys_hardware_rev",
          "phys_blk_profile_rev", "phys_st_rev", "phys_ident_number(Q)", "phys_install_date(Q)"}},
        {"Group_simulate_output_func1", {"func1_AI_out_value", "func1_AI_out_status_quality", "func1_AI_out_status_limit"}},
        {"Page_reset",
         {"phys_diagnosis", "method_phys_factory_reset_params", "method_phys_factory_reset_warm",
          "method_phys_factory_reset_address"}},
        {"DTM_diagnosis_menu", {"OnlineWindow_diagnosis", "OnlineWindow_S_alarm_func1"}},
        {"DTM_simulation_menu",
         {"Page_simulation_input_func1", "Page_simulation_output_func1", "Page_simulation_devicespecific"}},
        {"Page_SetUnitToBus_1_1", {}},
    };
    for (const auto& [name, expected] : cases) {
        auto m = menu(*s, name.c_str());
        ASSERT_TRUE(m && m->menuItems()) << name;  // also an empty list is attached
        EXPECT_EQ(entries(*s, *m), expected) << name;
    }
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

TEST(Menus, ExactTextsWhereASlipIsLikely) {
    auto s = openSession();
    struct Text { const char* menu; bool help; const char* text; };
    const Text texts[] = {
        {"DTM_diagnosis_menu", false, ""},
        {"Group_measured_values", false, ""},
        {"DTM_DIAGNOSIS_MENU", false, "|en|Instrument health status|de|Gerätestatus"},
        {"download_variables", false, "&Upload Menu  |de|&Uploadmenü  |fr|Menu &Upload  |it|Menu Cari&ca  |es|&Menú Cargar"},
        {"upload_variables", false,
         "&Download Menu  |de|&Downloadmenü  |fr|Menu &Download  |it|Menu Scar&ica  |es|&Menú Descargar"},
        {"Page_display_measure", false,
         "Measured Value  |de|Messwert  |fr|Valeur de mesure   |it|Valore di misura  |es|Valor medido"},
        {"Tab_s_sensor_trim", false,
         "Sensor Calibration  |de|Sensorabgleich  |fr|Calibrage capteur  |it|Compensazione trasduttore"
         "  |es|Compensación del sensor"},
        {"OnlineDialog_sensor_trim", false,
         "Sensor Calibration  |de|Sensorabgleich  |fr|Calibrage capteur  |it|Compensazione trasduttore"
         "  |es|Calibración del sensor"},
        {"Page_display_func1", false, "Function Block 1 - Analog Input"},
        {"Page_diagnosis_func1", false, "Output|de|Ausgang"},
        {"DTM_online_root_menu", false, "Corvalin KSM27"},
        {"OnlineDialog_write_locking", true,
         "Storage location for a password used by the host software to check   if the device parameters are "
         "accessible.  |de|Speicherstelle für ein Paßwort zur Verwendung für den Host, dient   zur Überprüfung der "
         "Zugriffsrechte.  |fr|Emplacement de mémoire pour le mot de passe utilisé par le logiciel   hôte pour "
         "vérifier les droits d'accès.  |it|Luogo di memoria per una parola d'ordine per l'uso in un host, serve   "
         "per il controllo dei diritti di accesso.  |es|Posición de memoria para una contraseña destinada al host; "
         "sirve   para verificar los derechos de acceso. "},
        {"Page_alarm_overview_func1", true,
         "Column 1: limit, column 2: state, column 3: alarm value  |de|Spalte 1: Grenzwert, Spalte 2: Zustand, "
         "Spalte 3: Alarmwert  |fr|Colonne 1 : Valeur limite, Colonne 2 : Etat, Colonne 3 : Valeur de l'alarme  "
         "|it|Colonna 1: Valore limite, colonna 2: stato, colonna 3: valore di allarme  |es|Columna 1: límite, "
         "Columna 2: estado, Columna 3: valor alarma"},
    };
    for (const auto& t : texts) {
        auto m = menu(*s, t.menu);
        ASSERT_TRUE(m);
        const auto& text = t.help ? m->getHelp() : m->getLabel();
        ASSERT_TRUE(text.has_value()) << t.menu;
        EXPECT_EQ(text->str(), t.text) << t.menu;
    }
    auto d = menu(*s, "download_variables");
    auto u = menu(*s, "upload_variables");
    ASSERT_TRUE(d && u);
    EXPECT_EQ(d->getLabel()->GetLength(), 83u);
    EXPECT_EQ(u->getLabel()->GetLength(), 93u);
    auto help = menu(*s, "Val_func1_out_display");
    ASSERT_TRUE(help && help->getHelp());
    EXPECT_EQ(help->getHelp()->str().back(), ' ');
    EXPECT_EQ(help->getHelp()->str().substr(help->getHelp()->str().size() - 10), "operador. ");
}

// ---------------------------------------------------------------- upload and download lists

TEST(Menus, UploadVariablesFollowsBothConditionsReadAnewAtEveryRequest) {
    const Names full = {
        "trans1_primary_value_unit", "trans1_level_unit", "trans1_calibration_type_offline",
        "trans1_cal_point_lo_offline", "trans1_cal_point_hi_offline", "trans1_level_lo_offline",
        "trans1_level_hi_offline", "parBargraphScaleMin_offline", "parBargraphScaleMax_offline", "trans1_lin_type",
        "var_local_hi_hi", "var_local_hi", "var_local_lo_lo", "var_local_lo", "func1_AI_alarm_hys",
        "func1_AI_pv_ftime", "func1_AI_pv_lower_range_value", "func1_AI_pv_upper_range_value",
        "func1_AI_out_lower_range_value", "func1_AI_out_upper_range_value", "func1_AI_target_mode",
        "func1_AI_out_value", "parPAAIOutStatus", "phys_ident_number", "parPASelectMainValue", "func1_AI_out_unit",
        "phys_descriptor", "trans1_temperature_unit", "phys_tag_desc", "phys_message", "phys_install_date",
        "trans1_level_unit", "trans1_temperature_unit", "func1_AI_batch_id", "func1_AI_batch_unit",
        "func1_AI_batch_operation", "func1_AI_batch_phase", "func1_AI_out_decimal_point", "parClearLastError"};
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
    struct Case { int calibration; int target; std::size_t count; };
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

// ---------------------------------------------------------------- collections

TEST(Collections, MembersInOrderWithTheirItemsAndNoHostCalls) {
    auto s = openSession();
    const std::map<std::string, std::pair<std::int32_t, Names>> collections = {
        {"trans1", {77, {"actual_mode"}}},
        {"func1", {235, {"actual_mode", "simulation_enabled", "out", "simulate_value"}}},
        {"func1_short", {236, {"alarm_sum"}}},
        {"func1_blank",
         {237,
          {"actual_mode", "simulation_enabled", "out", "lo_lo_alm_state", "lo_alm_state", "hi_alm_state",
           "hi_hi_alm_state", "lo_lo_alm_value", "lo_alm_value", "hi_alm_value", "hi_hi_alm_value"}}},
        {"collectionMapping",
         {572,
          {"parTagQV", "trans1_primary_value_unit", "func1_AI_pv_upper_range_value", "trans1_level_unit",
           "trans1_calibration_type", "trans1_lin_type", "trans1_cal_point_lo", "trans1_level_lo",
           "trans1_cal_point_hi", "trans1_level_hi", "func1_AI_hi_hi_lim", "func1_AI_hi_lim", "func1_AI_lo_lo_lim",
           "func1_AI_lo_lim", "func1_AI_alarm_hys", "func1_AI_hi_hi_alm_state", "func1_AI_hi_alm_state",
           "func1_AI_lo_lo_alm_state", "func1_AI_lo_alm_state", "func1_AI_pv_lower_range_value",
           "func1_AI_out_lower_range_value", "func1_AI_out_upper_range_value", "phys_ident_number",
           "func1_AI_target_mode", "func1_AI_out_unit", "func1_AI_out_value", "trans1_primary_value_value",
           "phys_device_id", "func1_AI_pv_ftime", "phys_descriptor", "phys_software_rev", "phys_hardware_rev",
           "phys_device_ser_num", "trans1_min_sensor_value", "trans1_max_sensor_value", "trans1_temperature",
           "trans1_temperature_unit", "trans1_min_temperature", "trans1_max_temperature", "trans1_sensor_value",
           "func1_AI_simulation_enabled", "func1_AI_simulate_value"}}},
    };
    // Short member names stand for the item with the block prefix.
    const std::map<std::string, std::string> shortItems = {
        {"trans1/actual_mode", "trans1_actual_mode"}, {"out", "func1_AI_out_value"},
        {"alarm_sum", "func1_AI_current_state_alarm_sum"}, {"parTagQV", "phys_tag_desc"}};
    std::set<std::string> withHelp;
    for (const auto& [name, data] : collections) {
        s->host().log().clear();
        auto c = calculateAs<CDDCollection>(*s, name.c_str());
        ASSERT_NE(c, nullptr) << name;
        EXPECT_EQ(c->getcDefinition()->getID(), data.first) << name;
        EXPECT_EQ(c->getAttributesAvailable(), true) << name;
        ASSERT_TRUE(c->getLabel().has_value()) << name;
        EXPECT_EQ(c->getLabel()->str(), "") << name;
        ASSERT_NE(c->memberSet(), nullptr) << name;
        Names got;
        for (const auto& m : c->memberSet()->items()) {
            const std::string member = m.getName().str();
            got.push_back(member);
            EXPECT_TRUE(m.hasDescription() && m.hasHelp()) << name << "." << member;
            EXPECT_FALSE(m.getDescription().IsEmpty()) << name << "." << member;
            if (!m.getHelp().IsEmpty()) withHelp.insert(name + "." + member);
            ASSERT_TRUE(m.getDefinition().has_value()) << name << "." << member;
            std::string item = name == "collectionMapping" ? member : "func1_AI_" + member;
            if (name == "trans1") item = shortItems.at("trans1/" + member);
            if (shortItems.count(member)) item = shortItems.at(member);
            EXPECT_EQ(nameOf(*s, *m.getDefinition()), item) << name << "." << member;
            EXPECT_EQ(m.getDefinition()->getID(), s->host().idOf(item)) << name << "." << member;
        }
        EXPECT_EQ(got, data.second) << name;
        EXPECT_TRUE(s->host().log().lines().empty()) << name;
        EXPECT_EQ(s->host().alive(), 0);
    }
    EXPECT_EQ(withHelp, (std::set<std::string>{"collectionMapping.func1_AI_hi_hi_lim", "collectionMapping.func1_AI_hi_lim",
                                               "collectionMapping.func1_AI_lo_lo_lim",
                                               "collectionMapping.func1_AI_lo_lim"}));

    // Members are found by member name, not by item name.
    auto mapping = calculateAs<CDDCollection>(*s, "collectionMapping");
    auto func1 = calculateAs<CDDCollection>(*s, "func1");
    auto blank = calculateAs<CDDCollection>(*s, "func1_blank");
    ASSERT_TRUE(mapping && func1 && blank);
    EXPECT_EQ(mapping->getMemberSet()->getItem("phys_tag_desc"), nullptr);
    EXPECT_NE(mapping->getMemberSet()->getItem("parTagQV"), nullptr);
    EXPECT_EQ(func1->getMemberSet()->getItem("func1_AI_out_value"), nullptr);
    EXPECT_EQ(blank->getMemberSet()->getItem("func1_AI_out_value"), nullptr);
}

TEST(Collections, ExactTextsWhereASlipIsLikely) {
    auto s = openSession();
    struct Text { const char* collection; const char* member; bool help; const char* text; };
    const char* level = "Level  |de|Füllstand  |fr|Niveau  |it|Livello di riempimento  |es|Nivel";
    const Text texts[] = {
        {"func1", "actual_mode", false, level},
        {"func1", "simulation_enabled", false, level},
        {"func1", "out", false, level},
        {"func1", "simulate_value", false, level},
        {"func1_blank", "out", false,
         "Output Value  |de|Ausgangswert  |fr|Valeur de sortie  |it|Valore di uscita  |es|Valor de salida"},
        {"func1_blank", "hi_alm_value", false,
         "Output Value Upper Warning  |de|Ausgangswert Warnung Oben  |fr|Valeur de sortie d'avertissement supérieure"
         "  |it|Valore di uscita superiore  avviso  |es|Valor de salida superior de advertencia"},
        {"trans1", "actual_mode", false,
         "Transducer Block 1  |de|Transducer Block 1  |fr|Bloc transducteur 1  |it|Blocco trasduttore 1"
         "  |es|Bloque transductor 1"},
        {"collectionMapping", "phys_device_id", false, "device ID number"},
        {"collectionMapping", "func1_AI_out_value", false,
         "out value|de|Out Wert|fr|Valeure de Sort.|es|Out Wert|it|Valore Uscita"},
        {"collectionMapping", "func1_AI_target_mode", false,
         "Target Mode|de|Target Mode|fr|Mode Target|es|Target Mode|it|modo terget|nl|doelkeuze"},
        {"collectionMapping", "trans1_level_hi", false,
         "value full|de|Wert Vollabgl.|fr|Valeur cal.plein|es|Wert Vollabgl.|it|al. di pieno|nl|volwaarde"},
        {"collectionMapping", "func1_AI_out_unit", false,
         "out unit|de|Out Einheit|fr|Unité OUT|es|Einh. OUT Wert|it|unità uscita|nl|uit eenheid"},
        {"collectionMapping", "trans1_max_temperature", false,
         "max. meas. temp|de|Max. Temp.|fr|Temp. max mesur.|es|Max. Temp.|it|max picco temp.|nl|max.gemet.temp."},
        {"collectionMapping", "func1_AI_hi_lim", true,
         "The setting for the upper warning limit in engineering units  |de|Ausgangswert, ab dem eine obere Warnung "
         "erzeugt wird  |fr|Valeur de sortie à partir de laquelle un avertissement supérieur   est généré.  |it|Valore "
         "di uscita a partire dal quale viene generato un avviso superiore  |es|valor de salida a partir del cual se "
         "genera una advertencia superior"},
        {"collectionMapping", "func1_AI_lo_lim", true,
         "The setting for the lower warning limit in engineering units  |de|Ausgangswert, ab dem eine untere Warnung "
         "erzeugt wird  |fr|Valeur de sortie à partir de laquelle un avertissement inférieur   est généré.  |it|Valore "
         "di uscita a partire dal quale viene generato un avviso inferiore  |es|Valor de salida a partir del cual se "
         "genera una advertencia inferior"},
        {"func1_short", "alarm_sum", true, ""},
    };
    for (const auto& t : texts) {
        auto c = calculateAs<CDDCollection>(*s, t.collection);
        ASSERT_NE(c, nullptr) << t.collection;
        const CDDMember* m = c->getMemberSet()->getItem(t.member);
        ASSERT_NE(m, nullptr) << t.collection << "." << t.member;
        EXPECT_EQ((t.help ? m->getHelp() : m->getDescription()).str(), t.text) << t.collection << "." << t.member;
    }
}

// ---------------------------------------------------------------- languages

TEST(Menus, LanguagePartOfTheModulesTexts) {
    auto s = openSession();
    auto label = [&](const char* name) {
        auto m = menu(*s, name);
        return m && m->getLabel() ? m->getLabel()->str() : std::string("?");
    };
    struct Case { const char* menu; const char* language; const char* expected; };
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

TEST(Menus, HostToolShowsTheOnlineTreeInGerman) {
    const std::string command = std::string("'") + DD_HOST_TOOL + "' --module '" + DD_MODULE_PATH +
                                "' tree DTM_online_root_menu --lang de 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
    const int status = pclose(pipe);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

    Names lines;
    std::istringstream in(utf8ToCp1252(output));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "Corvalin KSM27 [DTM_online_root_menu]");
    auto has = [&](const std::string& wanted) {
        for (const auto& l : lines)
            if (l.rfind(wanted, 0) == 0) return true;
        return false;
    };
    for (const char* wanted : {
             "  Standard Ansicht (herstellerspezifische Tabelle) [Tab_s_QV_Std_Matrix_Online]",
             "  Kapazitive Füllstandsmesseinrichtung [Tab_s_PA_Profil_Online]",
             "    Grundabgleich [Tab_s_abgleich_Online]",
             "    Sicherheitseinstellungen [Tab_s_security_settings_Online]",
             "      Alarmgrenze Oben [func1_AI_hi_hi_lim] = ",  // a member's description
             "      Messstelle [phys_tag_desc] = ",
             "    Ausgang [Tab_s_output_Online]",
             "      Füllstand [Tab_s_func1_Online]",
             "        Meßwertskalierung [Tab_s_func1_pv_range_Online]",
         })
        EXPECT_TRUE(has(wanted)) << wanted;
    EXPECT_FALSE(has("    Security Settings"));
}
