// Menus as the host receives them: entries the host cannot resolve, the upload
// list's conditions read anew within one session, and the language parts the
// host tool shows. Every menu's and collection's contents (entries, member
// texts, access, write actions) under chosen values are pinned by the golden
// dumps and trees, and the collection and member requests at the defaults by
// the dump's calls on the host.
#include <map>
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

Names storeCalls(Session& s) {
    Names out;
    for (const auto& line : s.host().log().lines())
        if (line.rfind("GetCollection ", 0) == 0 || line.rfind("GetMemberObject ", 0) == 0) out.push_back(line);
    return out;
}

}  // namespace

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
    // Which entries each pair of values keeps is pinned by the golden dumps;
    // here the values change within one session, so every request must read
    // both anew.
    auto s = openSession();
    struct Case {
        int calibration;
        int target;
        std::size_t count;
    };
    for (const Case c : {Case{0, 16, 39}, Case{1, 8, 30}, Case{0, 128, 37}, Case{1, 16, 32}, Case{0, 16, 39}}) {
        SCOPED_TRACE(std::to_string(c.calibration) + "/" + std::to_string(c.target));
        ASSERT_NO_THROW(s->set("trans1_calibration_type_offline=" + std::to_string(c.calibration)));
        ASSERT_NO_THROW(s->set("func1_AI_target_mode=" + std::to_string(c.target)));
        s->host().log().clear();
        auto m = menu(*s, "upload_variables");
        ASSERT_TRUE(m);
        EXPECT_EQ(entries(*s, *m).size(), c.count);
        EXPECT_EQ(s->host().log().with("GetCurrentValue"),
                  (Names{"GetCurrentValue trans1_calibration_type_offline", "GetCurrentValue func1_AI_target_mode"}));
        EXPECT_EQ(s->host().alive(), 0);
    }
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
