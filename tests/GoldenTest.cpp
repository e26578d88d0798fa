// What a host sees, pinned in tests/golden/: each case of the list run through
// the host library and compared with its file byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <exception>
#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/Golden.h"

namespace {

const std::string kFolder = DD_SOURCE_DIR "/tests/golden/";

const std::vector<GoldenCase>& cases() {
    static const std::vector<GoldenCase> all = readGoldenCases(kFolder + "cases.txt");
    return all;
}

// One test per kind of case; the catalogue build apart from the command it rides on.
const std::vector<std::string> kGroups = {"catalogue", "dump", "run", "tree", "info", "register"};

std::string group(const GoldenCase& c) {
    if (c.trace == GoldenCase::Trace::All) return "catalogue";
    return c.command == "unregister" ? "register" : c.command;
}

class Golden : public ::testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(Golden, EachCaseGivesItsFileByteForByte) {
    GoldenRunner runner(DD_MODULE_PATH);
    ASSERT_EQ(runner.loadError(), "");
    int count = 0;
    for (const auto& c : cases()) {
        if (group(c) != GetParam()) continue;
        ++count;
        auto expected = readFile(kFolder + c.file);
        if (!expected || expected->empty()) {
            ADD_FAILURE() << c.file << (expected ? " is empty" : " is missing")
                          << ": the build target `golden` writes it";
            continue;
        }
#if defined(_WIN32)
        // The system's own registry has no root folder for ddhost to show.
        if (const auto root = expected->find("registry root: <registry>\n"); root != std::string::npos)
            expected->erase(root, std::string("registry root: <registry>\n").size());
#endif
        try {
            const std::string difference = goldenDifference(c.file, *expected, runner.produce(c));
            if (!difference.empty()) ADD_FAILURE() << difference;
        } catch (const std::exception& e) {
            ADD_FAILURE() << c.file << ": " << e.what();
        }
    }
    EXPECT_GT(count, 0);
}

INSTANTIATE_TEST_SUITE_P(Commands, Golden, ::testing::ValuesIn(kGroups), [](const auto& info) { return info.param; });

TEST(GoldenFiles, TheListNamesEveryFileOnce) {
    std::set<std::string> listed;
    for (const auto& c : cases()) {
        EXPECT_TRUE(listed.insert(c.file).second) << c.file << " is listed twice";
        EXPECT_NE(std::find(kGroups.begin(), kGroups.end(), group(c)), kGroups.end())
            << c.file << ": no test compares a case of `" << c.command << "`";
    }
    for (const auto& entry : std::filesystem::directory_iterator(kFolder)) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "cases.txt" || listed.count(name)) << name << " belongs to no case";
    }
}

TEST(GoldenFiles, NoLineIsLongerThanAReaderCanFollow) {
    // The longest help text, in five languages, is about 2,000 characters.
    const std::size_t longest = 2600;
    for (const auto& entry : std::filesystem::directory_iterator(kFolder)) {
        const std::string name = entry.path().filename().string();
        std::size_t line = 1, characters = 0;
        for (const char c : readFile(entry.path().string()).value_or("")) {
            if (c == '\n') {
                ++line;
                characters = 0;
            } else if ((c & 0xC0) != 0x80 && ++characters == longest + 1) {
                ADD_FAILURE() << name << ": line " << line << " is longer than " << longest << " characters";
            }
        }
    }
}

TEST(GoldenFiles, ADumpIsWrittenOneAttributeALineWithItsItem) {
    const std::string dump =
        R"({"id":2,"name":"read_x","kind":1,"transactions":[{"number":0,"request":[],"reply":[{"item":"x","mask":0},)"
        R"({"item":"y","mask":255}]}],"available":true})"
        "\n"
        R"({"id":9,"name":"x","classes":[12,14],"label":"a \"b\": {c} [d], \\e","default":{"ids":[1,2]},)"
        R"("handling":["read","write"],"min":[[1,2],[]],"enumerators":[{"value":-1,"description":"]}\",:"}],"x":{}})"
        "\n"
        "{}\n";
    EXPECT_EQ(goldenDump(dump),
              "2 read_x kind: 1\n"
              "2 read_x transactions[0].number: 0\n"
              "2 read_x transactions[0].request: []\n"
              "2 read_x transactions[0].reply[0].item: \"x\"\n"
              "2 read_x transactions[0].reply[0].mask: 0\n"
              "2 read_x transactions[0].reply[1].item: \"y\"\n"
              "2 read_x transactions[0].reply[1].mask: 255\n"
              "2 read_x available: true\n"
              "9 x classes: [12,14]\n"
              "9 x label: \"a \\\"b\\\": {c} [d], \\\\e\"\n"
              "9 x default.ids: [1,2]\n"
              "9 x handling: [\"read\",\"write\"]\n"
              "9 x min[0]: [1,2]\n"
              "9 x min[1]: []\n"
              "9 x enumerators[0].value: -1\n"
              "9 x enumerators[0].description: \"]}\\\",:\"\n"
              "9 x x: {}\n"
              "{}\n");
}

TEST(GoldenFiles, ADumpUnderValuesHoldsWhatChangedAndWhatIsGone) {
    const std::string plain =
        R"({"id":3,"name":"level","kind":0,"min":[{"int":0}],"max":[{"int":9}],"unit":"m",)"
        R"("enumerators":[{"value":0,"description":"a"},{"value":1,"description":"b"}],"valid":true})"
        "\n"
        R"({"id":4,"name":"cmd","transactions":[{"number":0,"reply":[{"item":"x","mask":0}]},{"number":1,"reply":[]}],)"
        R"("members":[{"name":"m"}]})"
        "\n"
        R"({"id":5,"name":"gone","kind":2})"
        "\n"
        R"({"id":8,"name":"same","kind":0,"label":"s"})"
        "\n";
    const std::string now = R"({"id":3,"name":"level","kind":0,"max":[{"double":9.5}],"unit":"m",)"
                            R"("enumerators":[{"value":0,"description":"A"}],"valid":false})"
                            "\n"
                            R"({"id":4,"name":"cmd","transactions":[{"number":0,"reply":[{"item":"x","mask":3}]},)"
                            R"({"number":1,"reply":[]}],"members":[{"name":"m"}]})"
                            "\n"
                            R"({"id":6,"name":"new","kind":4})"
                            "\n"
                            R"({"id":8,"name":"same","kind":0,"label":"s"})"
                            "\n";
    // A list that differs is written whole: the outermost one, every element.
    EXPECT_EQ(goldenDumpDifference(plain, now),
              "3 level min: (absent)\n"
              "3 level max[0].double: 9.5\n"
              "3 level enumerators[0].value: 0\n"
              "3 level enumerators[0].description: \"A\"\n"
              "3 level valid: false\n"
              "4 cmd transactions[0].number: 0\n"
              "4 cmd transactions[0].reply[0].item: \"x\"\n"
              "4 cmd transactions[0].reply[0].mask: 3\n"
              "4 cmd transactions[1].number: 1\n"
              "4 cmd transactions[1].reply: []\n"
              "5 gone: (absent)\n"
              "6 new kind: 4\n");
    EXPECT_EQ(goldenDumpDifference(plain, plain), "(no attribute differs from dump.txt)\n");
}

TEST(GoldenFiles, ADumpLineThatIsNoItemsObjectFailsTheRun) {
    for (const std::string line : {R"({"id":1,"name":"x","a":tru})", R"({"id":1,"name":"x",})", R"({"name":"x"})",
                                   R"({"id":1, "name":"x"})", ""}) {
        try {
            goldenDump("{}\n" + line + "\n");
            ADD_FAILURE() << line << " was read";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), "line 2 of the dump is no item's object: " + line);
        }
    }
}

TEST(GoldenFiles, AMismatchNamesTheFileTheItemAndTheFirstDifferingLine) {
    const std::string head = "380 trans1_level kind: 0\n";
    const std::string difference = goldenDifference("dump.txt", head + "381 trans1_level_unit label: \"a\"\n",
                                                    head + "381 trans1_level_unit label: \"b\"\n");
    EXPECT_NE(difference.find("dump.txt: differs at line 2, item 381 trans1_level_unit, column 31"), std::string::npos)
        << difference;
    EXPECT_NE(difference.find("expected: 381 trans1_level_unit label: \"a\""), std::string::npos);
    const std::string gone = goldenDifference("dump-locked.txt", "5 gone: (absent)\n", "");
    EXPECT_NE(gone.find("dump-locked.txt: differs at line 1, item 5 gone, column 1"), std::string::npos) << gone;
    EXPECT_EQ(goldenDifference("x", "same\n", "same\n"), "");
    EXPECT_EQ(goldenDifference("x", "same\n", "same"), "x: differs only in the line break at its end");
}

TEST(GoldenFiles, AMismatchInALongLineIsShownWithWholeCharacters) {
    std::string half;
    for (int i = 0; i < 300; ++i) half += "\xC3\xA9";  // é
    // é against è: the lines part in the middle of a character.
    const std::string difference =
        goldenDifference("x", half + "\xC3\xA9" + half + "\n", half + "\xC3\xA8" + half + "\n");
    EXPECT_EQ(difference.find("...\xA9"), std::string::npos) << difference;
    EXPECT_EQ(difference.find("\xC3..."), std::string::npos) << difference;
}
