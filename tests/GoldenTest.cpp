// What a host sees, pinned in tests/golden/: each case of the list run through
// the host library and compared with its file byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
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
        if (!expected) {
            ADD_FAILURE() << c.file << " is missing: the build target `golden` writes it";
            continue;
        }
#if defined(_WIN32)
        // The system's own registry has no root folder for ddhost to show.
        if (const auto root = expected->find("registry root: <registry>\n"); root != std::string::npos)
            expected->erase(root, std::string("registry root: <registry>\n").size());
#endif
        const std::string difference = goldenDifference(c.file, *expected, runner.produce(c));
        if (!difference.empty()) ADD_FAILURE() << difference;
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

TEST(GoldenFiles, AMismatchNamesTheFileTheItemAndTheFirstDifferingLine) {
    const std::string head = "{\"id\":380,\"name\":\"trans1_level\",\"kind\":0}\n";
    const std::string difference =
        goldenDifference("dump.txt", head + "{\"id\":381,\"name\":\"trans1_level_unit\",\"label\":\"a\"}\n",
                         head + "{\"id\":381,\"name\":\"trans1_level_unit\",\"label\":\"b\"}\n");
    EXPECT_NE(difference.find("dump.txt: differs at line 2, item 381 trans1_level_unit, column 47"), std::string::npos)
        << difference;
    EXPECT_NE(difference.find("expected: {\"id\":381,\"name\":\"trans1_level_unit\",\"label\":\"a\"}"),
              std::string::npos);
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
