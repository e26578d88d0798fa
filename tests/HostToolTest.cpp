// ddhost as a user runs it: dump, show, --set, --trace, run, info.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/Encoding.h"
#include "host/Session.h"
#include "tests/TestSupport.h"

namespace {

struct Output {
    int status;
    std::string text;
};

Output tool(const std::string& arguments, const std::string& environment = "") {
    const std::string command =
        environment + "'" + DD_HOST_TOOL + "' --module '" DD_MODULE_PATH "' " + arguments;
    Output out{-1, ""};
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[8192];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.text.append(buffer, n);
        out.status = WEXITSTATUS(pclose(pipe));
    }
    return out;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

}  // namespace

TEST(HostTool, DumpGivesOneLinePerItemInAscendingId) {
    const auto out = tool("dump");
    ASSERT_EQ(out.status, 0);
    const auto all = lines(out.text);
    ASSERT_EQ(all.size(), 635u);
    for (std::size_t i = 0; i < all.size(); ++i)
        EXPECT_EQ(all[i].rfind("{\"id\":" + std::to_string(i + 1) + ",", 0), 0u) << all[i].substr(0, 40);
    EXPECT_NE(all[380].find("\"name\":\"trans1_level_unit\",\"kind\":0,\"type\":4,\"classes\":[14]"),
              std::string::npos);
    // Texts come out as UTF-8, variants with their kind.
    EXPECT_NE(all[379].find("F\xC3\xBCllstand"), std::string::npos);
    EXPECT_NE(all[279].find("\"min\":[{\"double\":0.0}],\"max\":[{\"double\":40.0}],\"default\":{\"int\":0}"),
              std::string::npos);
}

TEST(HostTool, SetChoosesTheVariantKindAndTheTraceRecordsTheCalls) {
    const std::string trace =
        (std::filesystem::temp_directory_path() / ("ddhost-trace-" + std::to_string(getpid()))).string();
    const auto out = tool("--set parWriteLocking=0 --set func1_AI_target_mode=16 --trace '" + trace +
                          "' show func1_AI_out_value");
    ASSERT_EQ(out.status, 0);
    EXPECT_NE(out.text.find("\"handling\": [\"read\"]"), std::string::npos);
    std::ifstream in(trace);
    std::vector<std::string> traced;
    for (std::string line; std::getline(in, line);) traced.push_back(line);
    std::filesystem::remove(trace);
    ASSERT_FALSE(traced.empty());
    EXPECT_EQ(traced.front(), "GetObjectStore");
    EXPECT_EQ(traced[1], "AddObject block transducer_block_1");
    EXPECT_EQ(std::count_if(traced.begin(), traced.end(),
                            [](const std::string& l) { return l.rfind("PutReplySet ", 0) == 0; }),
              193);
    // The locked output value reads the lock only, never the target mode.
    EXPECT_EQ(traced.back(), "GetCurrentValue parWriteLocking");
    EXPECT_EQ(parseValue("9361").kind(), CDDCommonVariant::Kind::Int);
    EXPECT_EQ(parseValue("0.5").kind(), CDDCommonVariant::Kind::Double);
    EXPECT_EQ(parseValue("1e3").kind(), CDDCommonVariant::Kind::Double);
    EXPECT_EQ(parseValue("\"text\"").text(), "text");
    EXPECT_TRUE(parseValue("").isEmpty());
}

TEST(HostTool, ErrorsAreClearAndNeverCrash) {
    EXPECT_EQ(tool("show no_such_item 2>/dev/null").status, 2);
    EXPECT_EQ(tool("--set no_such_item=1 dump 2>/dev/null").status, 2);
    EXPECT_EQ(tool("frobnicate 2>/dev/null").status, 2);
    EXPECT_EQ(tool("run trans1_level_unit 2>/dev/null").status, 2);
    const auto missing = tool("--module /nonexistent/module.so info 2>&1");
    EXPECT_EQ(missing.status, 2 - 1);
}

TEST(HostTool, ADamagedRegistryFolderEndsWithAClearError) {
    // A value file whose name holds a malformed escape, beside the module's own.
    const auto root = std::filesystem::temp_directory_path() / ("ddregistry-damaged-" + std::to_string(getpid()));
    const auto key = root / "HKEY_LOCAL_MACHINE/SOFTWARE/Vantrope/PB/DTMs/Q15/Corvalin %2F KSM 27 %2F V1%2E0";
    std::filesystem::create_directories(key);
    std::ofstream(key / "Bad%G1.value") << std::string(8, '\0');
    const auto out = tool("register 2>&1", "DD_REGISTRY_ROOT='" + root.string() + "' ");
    std::filesystem::remove_all(root);
    EXPECT_EQ(out.status, 1) << out.text;
    EXPECT_NE(out.text.find("DllRegisterServer: 0"), std::string::npos) << out.text;
    EXPECT_NE(out.text.find("ddhost: damaged registry value name \"Bad%G1\""), std::string::npos) << out.text;
}

TEST(HostTool, InfoAndRunShowWhatTheModuleSaysAndDoes) {
    const auto info = tool("info");
    ASSERT_EQ(info.status, 0);
    EXPECT_NE(info.text.find("DeviceName               Corvalin / KSM 27 / V1.0"), std::string::npos);
    EXPECT_NE(info.text.find("StandardMenuName(10007)  DTM_trend_menu"), std::string::npos);
    const auto run = tool("--set parWriteLocking=9361 run method_phys_factory_reset_address");
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(run.text.find("device: phys_factory_reset"), std::string::npos);
    EXPECT_NE(run.text.find("-> 2712"), std::string::npos);
    EXPECT_NE(run.text.find("result: 0"), std::string::npos);
}

TEST(ObjectModel, VariantsCompareByValueAcrossNumericKindsOnly) {
    EXPECT_TRUE(CDDCommonVariant(9361u) == CDDCommonVariant(9361));
    EXPECT_TRUE(CDDCommonVariant(9361.0) == CDDCommonVariant(9361));
    EXPECT_TRUE(CDDCommonVariant(9361.0f) == CDDCommonVariant(9361));
    EXPECT_FALSE(CDDCommonVariant(9361.5) == CDDCommonVariant(9361));
    EXPECT_FALSE(CDDCommonVariant("9361") == CDDCommonVariant(9361));
    EXPECT_FALSE(CDDCommonVariant() == CDDCommonVariant(0));
    EXPECT_TRUE(CDDCommonVariant() == CDDCommonVariant());
    EXPECT_TRUE(CDDCommonVariant(2000000000.0) > CDDCommonVariant(999999999));
    EXPECT_FALSE(CDDCommonVariant() > CDDCommonVariant(0));
    EXPECT_FALSE(CDDCommonVariant() < CDDCommonVariant(0));
    const std::int32_t ids[] = {1, 2, 3};
    EXPECT_EQ(CDDCommonVariant(ids, 3).ids(), (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_EQ(CDDCommonVariant(1e300).asInt64(), INT64_MAX);  // no undefined conversion
}

TEST(ObjectModel, SettersTakeOwnershipAndCopiesAreDeep) {
    CDDVariable variable(CDDDefinition(1, "v", ddkVariable));
    variable.setTypeInfo(new CDDType(ddtFloat));
    variable.setTypeInfo(new CDDType(ddtSigned));  // frees the first
    variable.getTypeInfo()->putSize(2);
    auto* list = new CDDDefinitionList();
    list->Add(CDDDefinition(2, "m", ddkMethod), -1, -1);
    variable.setPostEditActions(list);
    CDDVariable copy(variable);
    copy.getTypeInfo()->putSize(4);
    EXPECT_EQ(variable.type()->getSize(), 2);
    EXPECT_NE(copy.getPostEditActions(), variable.getPostEditActions());
    EXPECT_EQ(copy.getPostEditActions()->items().size(), 1u);
    CDDCollection collection(CDDDefinition(3, "c", ddkCollection));
    EXPECT_EQ(collection.getMemberSet(), nullptr);
    collection.setMemberSet(new CDDMemberSet());
    collection.getMemberSet()->Add(CDDMember(CStrPP("a")));
    EXPECT_NE(collection.getMemberSet()->getItem(CStrPP("a")), nullptr);
    EXPECT_EQ(collection.getMemberSet()->getItem(CStrPP("b")), nullptr);
}

TEST(Encoding, Windows1252RoundTrip) {
    const std::string cp1252 = "F\xFCllstand \xB0" "C \x80";
    EXPECT_EQ(cp1252ToUtf8(cp1252), "F\xC3\xBCllstand \xC2\xB0" "C \xE2\x82\xAC");
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(cp1252)), cp1252);
}
