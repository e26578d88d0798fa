// ddhost's command line, run in-process as the golden files run it: what it
// refuses, and how --set reads a value. What it prints is pinned by the
// golden files.
#include <gtest/gtest-spi.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "host/Encoding.h"
#include "host/Json.h"
#include "host/Tool.h"
#include "tests/TestSupport.h"

namespace {

struct Output {
    int status;
    std::string out, err;
};

Output tool(std::vector<std::string> args) {
    args.insert(args.begin(), {"--module", DD_MODULE_PATH});
    std::ostringstream out, err;
    const int status = runTool(args, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace

TEST(HostTool, ErrorsAreClearAndNeverCrash) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"show", "no_such_item"},
                                                                  {"--set", "no_such_item=1", "dump"},
                                                                  {"frobnicate"},
                                                                  {"run", "trans1_level_unit"},
                                                                  {"tree"},
                                                                  {"--set"}}) {
        const auto o = tool(args);
        EXPECT_EQ(o.status, 2) << args.front();
        EXPECT_TRUE(o.out.empty()) << args.front();
        EXPECT_FALSE(o.err.empty()) << args.front();
    }
    std::ostringstream out, err;
    EXPECT_EQ(runTool({"--module", "/nonexistent/module.so", "info"}, out, err), 1);
    EXPECT_NE(err.str().find("ddhost: "), std::string::npos);
}

#if !defined(_WIN32)
// The registry stand-in's folders; Windows has the system's registry.
namespace {

// ddhost's `command` on a registry of the test's own, with the device's key
// folder laid out by `prepare`.
Output onRegistry(const std::string& command, const std::function<void(const std::filesystem::path&)>& prepare) {
    const auto root = std::filesystem::temp_directory_path() / ("ddregistry-tool-" + std::to_string(getpid()));
    prepare(root / kKeyFolder);
    ScopedEnvironment environment;
    environment.set("DD_REGISTRY_ROOT", root.string());
    auto o = tool({command});
    std::filesystem::remove_all(root);
    return o;
}

}  // namespace

TEST(HostTool, ADamagedRegistryFolderEndsWithAClearError) {
    // A value file beside the module's own whose name `escape` cannot have
    // written (a malformed escape, an escaped plain letter, lowercase hex), or
    // too short to hold its type.
    for (const auto& bad :
         std::vector<std::pair<std::string, std::size_t>>{{"Bad%G1", 8}, {"%41BC", 8}, {"a%2fb", 8}, {"Short", 3}}) {
        const std::string& file = bad.first;
        const auto o = onRegistry("register", [&](const std::filesystem::path& key) {
            std::filesystem::create_directories(key);
            std::ofstream(key / (file + ".value")) << std::string(bad.second, '\0');
        });
        EXPECT_EQ(o.status, 1) << o.out << o.err;
        EXPECT_NE(o.out.find("DllRegisterServer: "), std::string::npos) << o.out;
        EXPECT_NE(o.err.find("ddhost: damaged registry value "), std::string::npos) << o.err;
        EXPECT_NE(o.err.find('"' + file + '"'), std::string::npos) << o.err;
    }
}

TEST(HostTool, AKeyThatCannotBeReadIsNotShownAsMissing) {
    // The key's folder is a link: to itself, so nobody can look into it, or
    // to a folder outside the registry, which is never reached through it.
    const auto outside = std::filesystem::temp_directory_path() / ("ddregistry-outside-" + std::to_string(getpid()));
    for (const bool loop : {true, false})
        for (const std::string command : {"register", "unregister"}) {
            SCOPED_TRACE(command + (loop ? " on a loop" : " on a link outside"));
            std::filesystem::create_directories(outside);
            std::ofstream(outside / "DLLPATH.value") << std::string(8, '\0');
            const auto o = onRegistry(command, [&](const std::filesystem::path& key) {
                std::filesystem::create_directories(key.parent_path());
                std::filesystem::create_directory_symlink(loop ? std::filesystem::path(key.filename()) : outside, key);
            });
            EXPECT_EQ(o.status, 1) << o.out << o.err;
            EXPECT_EQ(o.out.find("(no key)"), std::string::npos) << o.out;
            EXPECT_NE(o.err.find("ddhost: cannot read the registry's "), std::string::npos) << o.err;
            EXPECT_NE(o.err.find(kKeyFolder.filename().string()), std::string::npos) << o.err;
            EXPECT_EQ(std::filesystem::file_size(outside / "DLLPATH.value"), 8u);
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(outside), {}), 1);
            std::filesystem::remove_all(outside);
        }
}

TEST(HostTool, NoFolderForTheRegistryEndsWithAClearError) {
    // No temporary folder, or one whose registry folder another user could
    // have planted links in.
    const auto temporary = std::filesystem::temp_directory_path() / ("ddregistry-tmp-" + std::to_string(getpid()));
    std::filesystem::create_directories(temporary / "ddregistry");
    std::filesystem::permissions(temporary / "ddregistry", std::filesystem::perms::all);
    ScopedEnvironment environment;
    for (const char* name : {"DD_REGISTRY_ROOT", "XDG_DATA_HOME", "HOME"}) environment.unset(name);
    for (const auto& [folder, error] : {std::pair<std::string, std::string>{"/nonexistent/temporary", "no folder"},
                                        {temporary.string(), "refused the registry's folder"}}) {
        for (const char* name : {"TMPDIR", "TMP", "TEMP", "TEMPDIR"}) environment.set(name, folder);
        const auto o = tool({"register"});
        EXPECT_EQ(o.status, 1) << o.out << o.err;
        EXPECT_NE(o.out.find("DllRegisterServer: "), std::string::npos) << o.out;
        EXPECT_NE(o.err.find("ddhost: " + error + " "), std::string::npos) << o.err;
    }
    std::filesystem::remove_all(temporary);
}
#endif

TEST(HostTool, SetChoosesTheVariantKind) {
    EXPECT_EQ(parseValue("9361").kind(), CDDCommonVariant::Kind::Int);
    EXPECT_EQ(parseValue("-12").kind(), CDDCommonVariant::Kind::Int);
    EXPECT_EQ(parseValue("0.5").kind(), CDDCommonVariant::Kind::Double);
    EXPECT_EQ(parseValue("1e3").kind(), CDDCommonVariant::Kind::Double);
    // Whole numbers are decimal, whatever they start with.
    EXPECT_TRUE(parseValue("010") == CDDCommonVariant(10));
    EXPECT_TRUE(parseValue("+9361") == CDDCommonVariant(9361));
    EXPECT_EQ(parseValue("0x2491").text(), "0x2491");
    EXPECT_EQ(parseValue("0x1p3").text(), "0x1p3");
    EXPECT_EQ(parseValue("99999999999999999999").kind(), CDDCommonVariant::Kind::Double);  // no integer holds it
    EXPECT_EQ(parseValue("\"9361\"").text(), "9361");
    EXPECT_EQ(parseValue("\"F\xC3\xBCllstand\"").text(), "F\xFCllstand");
    EXPECT_TRUE(parseValue("").isEmpty());
}

TEST(HostTool, ShowKeepsTextsThatLookLikeJson) {
    // Brackets, quotes and backslashes inside a text are the text's own.
    for (const std::string text : {"}}}}", "}}}", "]", "{\\\"[", "a, b: c"}) {
        SCOPED_TRACE(text);
        const auto o = tool({"--set", "parBargraphScaleMax=\"" + text + "\"", "show", "parBargraphScaleMin"});
        ASSERT_EQ(o.status, 0) << o.err;
        EXPECT_NE(o.out.find("{\"text\":" + jsonString(text) + "}"), std::string::npos) << o.out;
        int depth = 0;
        bool inString = false;
        for (std::size_t i = 0; i < o.out.size(); ++i) {
            const char c = o.out[i];
            if (inString) {
                i += c == '\\';
                inString = c != '"';
            } else {
                inString = c == '"';
                depth += (c == '{' || c == '[') - (c == '}' || c == ']');
            }
            ASSERT_GE(depth, 0) << o.out;
        }
        EXPECT_EQ(depth, 0) << o.out;
    }
}

TEST(HostTool, ATraceThatCannotBeWrittenFailsTheCommand) {
    for (const char* file : {
             "/nonexistent/folder/trace.txt",
#if !defined(_WIN32)
                 "/dev/full",
#endif
         }) {
        const auto o = tool({"--trace", file, "show", "parWriteLocking"});
        EXPECT_EQ(o.status, 1) << file;
        EXPECT_NE(o.err.find(std::string("ddhost: cannot write the trace to ") + file), std::string::npos) << o.err;
    }
}

TEST(TestSupport, AModuleThatCannotBeLoadedFailsTheTestInsteadOfCrashing) {
    EXPECT_NONFATAL_FAILURE(EXPECT_THROW(openSession("/nonexistent/module.so"), std::runtime_error),
                            "no session on /nonexistent/module.so");
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
    const std::string cp1252 =
        "F\xFCllstand \xB0"
        "C \x80";
    EXPECT_EQ(cp1252ToUtf8(cp1252),
              "F\xC3\xBCllstand \xC2\xB0"
              "C \xE2\x82\xAC");
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(cp1252)), cp1252);
}
