// The tests' own helpers: they fail a test rather than the run, and leave
// nothing behind.
#include <gtest/gtest-spi.h>

#include <fstream>

#include "tests/TestSupport.h"

TEST(TestSupport, AModuleThatCannotBeLoadedFailsTheTestInsteadOfCrashing) {
    EXPECT_NONFATAL_FAILURE(EXPECT_THROW(openSession("/nonexistent/module.so"), std::runtime_error),
                            "no session on /nonexistent/module.so");
}

TEST(TestSupport, ATemporaryFolderIsFreshAndGoesWithEverythingInIt) {
    std::filesystem::path first, second;
    {
        const TemporaryFolder a, b;
        first = a.path;
        second = b.path;
        EXPECT_NE(first, second);
        for (const auto& folder : {first, second}) {
            EXPECT_TRUE(std::filesystem::is_directory(folder)) << folder;
            EXPECT_TRUE(std::filesystem::is_empty(folder)) << folder;
        }
#if !defined(_WIN32)
        // Nobody else may put anything in it.
        EXPECT_EQ(std::filesystem::status(first).permissions(), std::filesystem::perms::owner_all);
#endif
        std::filesystem::create_directories(first / "a" / "b");
        std::ofstream(first / "a" / "b" / "file") << "text";
    }
    EXPECT_FALSE(std::filesystem::exists(first));
    EXPECT_FALSE(std::filesystem::exists(second));
}
