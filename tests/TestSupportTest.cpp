// The tests' own helpers: they fail a test rather than the run, and leave
// nothing behind.
#include <gtest/gtest-spi.h>

#include <fstream>

#include "tests/TestSupport.h"

TEST(TestSupport, AModuleThatCannotBeLoadedFailsTheTestInsteadOfCrashing) {
    const TemporaryFolder folder;
    const std::string missing = (folder.path / "missing" / "module.so").string();
    EXPECT_NONFATAL_FAILURE(EXPECT_THROW(openSession(missing), std::runtime_error), "no session on " + missing);
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
#if defined(_WIN32)
        // A folder's start takes what ended runs left, and only that: a folder
        // of the tests' form that nobody keeps goes, whatever names a test
        // made in it (through \\?\, names that end in dots or spaces, which
        // Wine tells without them); one of another form,
        // however alike, stays, as do the folders of live runs and one that a
        // program has as its working folder. They are planted in a turn, so
        // that no other run's start meets that folder before it is one.
        const auto shared = std::filesystem::temp_directory_path(), before = std::filesystem::current_path();
        const std::wstring name = temporary::newName();
        const std::filesystem::path ended = shared / name, working = shared / temporary::newName(),
                                    alike[] = {shared / (name + L"-keep"), shared / (name.substr(0, 11) + L"g")};
        {
            const temporary::Turn turn;
            ASSERT_TRUE(turn);
            for (const auto& folder : {ended, working, alike[0], alike[1]}) {
                ASSERT_TRUE(std::filesystem::create_directory(folder)) << folder;
                std::ofstream(folder / "file") << "text";
            }
            const std::wstring verbatim = L"\\\\?\\" + ended.wstring();
            for (const wchar_t* below : {L"\\a. .", L"\\a. .\\b..", L"\\sp ", L"\\sp \\. ."})
                ASSERT_TRUE(CreateDirectoryW((verbatim + below).c_str(), nullptr)) << GetLastError();
            ASSERT_TRUE(std::ofstream(std::filesystem::path(verbatim + L"\\a. .\\b..\\file.")) << "text");
            std::filesystem::current_path(working);
        }
        { const TemporaryFolder next; }
        EXPECT_FALSE(std::filesystem::exists(ended));
        {
            const temporary::Turn turn;  // a working folder no more, any start could take it
            std::filesystem::current_path(before);
            EXPECT_TRUE(std::filesystem::remove_all(working) == 2) << working;
        }
        for (const auto& folder : alike) EXPECT_TRUE(std::filesystem::remove_all(folder) == 2) << folder;
        EXPECT_TRUE(std::filesystem::exists(first / "a" / "b" / "file"));
        EXPECT_TRUE(std::filesystem::exists(second));
#endif
    }
    EXPECT_FALSE(std::filesystem::exists(first));
    EXPECT_FALSE(std::filesystem::exists(second));
}
