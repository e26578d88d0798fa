// ddhost's command line, run in-process as the golden files run it: what it
// refuses, and how --set reads a value. What it prints is pinned by the
// golden files.
#include <gtest/gtest-spi.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "host/Encoding.h"
#include "host/Json.h"
#include "host/ModuleLoader.h"
#include "host/Session.h"
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
    // Usage errors: exit 2, nothing on the output, the fault named.
    for (const auto& [args, says] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"show", "no_such_item"}, "no item named no_such_item"},
             {{"--set", "no_such_item=1", "dump"}, "--set no_such_item=1: no item named no_such_item"},
             {{"--set", "novalue", "dump"}, "--set novalue: no '=' between the name and the value"},
             {{"--set", "novalue", "info"}, "no '='"},
             {{"--set", "novalue", "register"}, "no '='"},
             {{"--set", "=5", "info"}, "--set =5: no name before '='"},
             {{"--set", "parWriteLocking=0", "info"}, "--set means nothing to info"},
             {{"--set", "parWriteLocking=0", "unregister"}, "--set means nothing to unregister"},
             {{"--set", "trans1_level_hi=1e400", "dump"}, "1e400 is beyond the range of a double"},
             {{"--set", "trans1_level_hi=-1e400", "show", "trans1_level_hi"}, "beyond the range of a double"},
             {{"--set", "trans1_level_hi=1e-400", "dump"}, "beyond the range of a double"},
             {{"--answer", "1", "dump"}, "--answer means nothing to dump"},
             {{"--answer", "1e999", "run", "method_parWriteLocking_remember"}, "beyond the range of a double"},
             {{"--lang", "de", "show", "parWriteLocking"}, "--lang means nothing to show"},
             {{"--lang", "xx", "tree", "DTM_online_root_menu"}, "unknown language 'xx'; the languages are en, de"},
             {{"--lang", "DE", "tree", "DTM_online_root_menu"}, "unknown language 'DE'"},
             {{"--lang", "", "tree", "DTM_online_root_menu"}, "unknown language ''"},
             {{"--module", "", "info"}, "--module needs a file"},
             {{"--trace", "", "dump"}, "--trace needs a file"},
             {{"info", "extra"}, "info takes no further words"},
             {{"dump", "extra"}, "dump takes no further words"},
             {{"show", "a", "b"}, "show takes one name"},
             {{"--frobnicate", "info"}, "unknown option --frobnicate"},
             {{"frobnicate"}, "unknown command frobnicate"},
             {{"run", "trans1_level_unit"}, "no method named trans1_level_unit"},
             {{"tree"}, "tree takes one name"},
             {{"--set"}, "--set needs a value"},
         }) {
        const auto o = tool(args);
        EXPECT_EQ(o.status, 2) << args.front() << " " << args.back();
        EXPECT_TRUE(o.out.empty()) << o.out;
        EXPECT_EQ(o.err.rfind("ddhost: ", 0), 0u) << o.err;
        EXPECT_NE(o.err.find(says), std::string::npos) << o.err;
    }
    std::ostringstream out, err;
    EXPECT_EQ(runTool({"--module", "/nonexistent/module.so", "info"}, out, err), 1);
    EXPECT_NE(err.str().find("ddhost: "), std::string::npos);
    // Asked for, the usage is the output.
    const auto help = tool({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: ddhost", 0), 0u) << help.out;
    EXPECT_TRUE(help.err.empty());
}

TEST(HostTool, AModuleWithoutACalculatorFailsEveryCommandThatNeedsOne) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"dump"}, {"show", "parWriteLocking"}, {"tree", "DTM_online_root_menu"}, {"run", "x"}}) {
        auto withStub = args;
        withStub.insert(withStub.begin(), {"--module", DD_STUB_MODULE_PATH});
        const auto o = tool(withStub);
        EXPECT_EQ(o.status, 1) << args.front();
        EXPECT_NE(o.err.find("ddhost: the module gave no attribute calculator"), std::string::npos) << o.err;
    }
}

TEST(HostTool, OutputThatCannotBeWrittenFailsTheCommand) {
    struct Full final : std::streambuf {
        int overflow(int) override { return traits_type::eof(); }
    } full;
    for (const char* command : {"dump", "info"}) {
        std::ostream out(&full);
        std::ostringstream err;
        EXPECT_EQ(runTool({"--module", DD_MODULE_PATH, command}, out, err), 1) << command;
        EXPECT_NE(err.str().find("ddhost: cannot write the output"), std::string::npos) << err.str();
    }
#if !defined(_WIN32)
    // The program's own output, which the system takes only when flushed.
    const std::string line = std::string(DD_HOST_TOOL) + " --module " + DD_MODULE_PATH + " dump >/dev/full 2>/dev/null";
    const int status = std::system(line.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
#endif
}

TEST(HostTool, EmptyModuleChoicesAreNoChoice) {
    // The system would load the running program itself for an empty name.
    EXPECT_EQ(ModuleLoader("").error(), "no module path");
#if !defined(_WIN32)
    ScopedEnvironment environment;
    environment.set("DDHOST_MODULE", "");
    EXPECT_NE(ModuleLoader::defaultPath(), "");
    environment.set("DDHOST_MODULE", "chosen.so");
    EXPECT_EQ(ModuleLoader::defaultPath(), "chosen.so");
#endif
}

TEST(HostTool, DutchTextsWhereTheyAreAndEnglishElsewhere) {
    const auto o = tool({"--lang", "nl", "tree", "DTM_online_root_menu"});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_NE(o.out.find("tag nummer [phys_tag_desc]"), std::string::npos) << o.out;
    EXPECT_NE(o.out.find("unit PV [trans1_primary_value_unit]"), std::string::npos) << o.out;
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
        EXPECT_NE(o.out.find("DllRegisterServer: 0x80070005"), std::string::npos) << o.out;  // access denied
        EXPECT_NE(o.err.find("ddhost: " + error + " "), std::string::npos) << o.err;
    }
    std::filesystem::remove_all(temporary);
}
#endif

TEST(HostTool, SetChoosesTheVariantKind) {
    const auto kind = [](const char* text) { return parseValue(text)->kind(); };
    const auto text = [](const char* text) { return parseValue(text)->text(); };
    using Kind = CDDCommonVariant::Kind;
    EXPECT_EQ(kind("9361"), Kind::Int);
    EXPECT_EQ(kind("-12"), Kind::Int);
    EXPECT_EQ(kind("0.5"), Kind::Double);
    EXPECT_EQ(kind("1e3"), Kind::Double);
    EXPECT_EQ(kind("-2.5E+2"), Kind::Double);
    EXPECT_EQ(kind(".5"), Kind::Double);
    // Whole numbers are decimal, whatever they start with.
    EXPECT_TRUE(*parseValue("010") == CDDCommonVariant(10));
    EXPECT_TRUE(*parseValue("+9361") == CDDCommonVariant(9361));
    EXPECT_TRUE(*parseValue("-2147483648") == CDDCommonVariant(INT32_MIN));
    // Beyond 32 bits a double, on every system.
    EXPECT_EQ(kind("2147483648"), Kind::Double);
    EXPECT_EQ(kind("-4294967296"), Kind::Double);
    EXPECT_EQ(kind("99999999999999999999"), Kind::Double);
    // Only decimal spellings are numbers.
    for (const char* other : {"0x2491", "0x1p3", "nan", "nan(e)", "inf", "-infinity", "1e", "1.2.3", "e5", "+-1"})
        EXPECT_EQ(text(other), other);
    // A number no double holds is no value at all.
    for (const char* beyond : {"1e400", "-1e400", "1e-400"}) EXPECT_FALSE(parseValue(beyond)) << beyond;
    EXPECT_EQ(text("\"9361\""), "9361");
    EXPECT_EQ(text("\"F\xC3\xBCllstand\""), "F\xFCllstand");
    EXPECT_TRUE(parseValue("")->isEmpty());
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
    // Commands that make no call on the host write an empty trace, and fail alike.
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"show", "parWriteLocking"}, {"info"}, {"register"}, {"unregister"}}) {
        for (const char* file : {
                 "/nonexistent/folder/trace.txt",
#if !defined(_WIN32)
                     command.size() > 1 ? "/dev/full" : "/nonexistent/trace.txt",  // an empty trace fits
#endif
             }) {
            auto args = command;
            args.insert(args.begin(), {"--trace", file});
            const auto o = tool(args);
            EXPECT_EQ(o.status, 1) << file << " " << command.front();
            EXPECT_NE(o.err.find(std::string("ddhost: cannot write the trace to ") + file), std::string::npos) << o.err;
        }
    }
    const auto file = std::filesystem::temp_directory_path() / "ddhost-empty-trace.txt";
    std::ofstream(file) << "an earlier trace\n";
    EXPECT_EQ(tool({"--trace", file.string(), "info"}).status, 0);
    EXPECT_EQ(std::filesystem::file_size(file), 0u);
    std::filesystem::remove(file);
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

TEST(ObjectModel, ClassNumbersOutsideTheNineteenAreIgnored) {
    // Right past the bits lies, in GCC's and Clang's layout, a derived class's
    // member: no sanitizer reports a slip of one past the end, this does.
    struct Probe : CDDVariableClass {
        std::optional<bool> past = true;
    } classes;
    classes.putClassInfo(enumDDVariableClassType(0), true);
    classes.putClassInfo(enumDDVariableClassType(18), false);
    for (const std::int32_t outside : {-1, 19, INT32_MIN, INT32_MAX}) {
        for (const bool on : {true, false}) {
            classes.putClassInfo(enumDDVariableClassType(outside), on);
            EXPECT_EQ(classes.get(outside), std::nullopt) << outside << " " << on;
        }
    }
    EXPECT_EQ(classes.setBits(), std::vector<int>{0});
    EXPECT_EQ(classes.writtenCount(), 2);
    EXPECT_EQ(classes.get(18), false);
    EXPECT_EQ(classes.past, true);
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
