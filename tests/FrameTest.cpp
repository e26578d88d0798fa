// The module's identity, start-up, data category, resources and exports.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <thread>
#include <tuple>

#include "frame/Identity.h"
#include "frame/Information.h"
#include "host/ModuleLoader.h"
#include "platform/Application.h"
#include "platform/SystemRegistry.h"
#include "resources/Resources.h"
#include "tests/RegistryRoot.h"
#include "tests/TestSupport.h"

namespace fs = std::filesystem;

namespace {

// The running program's own file.
fs::path self() {
#if defined(_WIN32)
    return _pgmptr;
#else
    return "/proc/self/exe";
#endif
}

// The module file's extension, the dot included.
const std::string kExtension = fs::path(DD_MODULE_PATH).extension().string();

#if !defined(_WIN32)
std::string run(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
        pclose(pipe);
    }
    return out;
}
#endif

}  // namespace

// Every slot's answer is pinned by the golden file info.txt.
TEST(Information, PairValuesAreEmptyForEveryName) {
    ModuleLoader module(DD_MODULE_PATH);
    std::unique_ptr<CInformation> info(module.getInformation());
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->GetPairNames().str(), "");
    EXPECT_EQ(info->GetPairValue(CStrPP("")).str(), "");
    EXPECT_EQ(info->GetPairValue(CStrPP("anything")).str(), "");
}

TEST(Information, StandardMenuAndSpecialItemCodes) {
    ModuleLoader module(DD_MODULE_PATH);
    std::unique_ptr<CInformation> info(module.getInformation());
    const std::map<int, std::string> menus = {
        {0, "download_variables"},    {1, "upload_variables"},   {2, "DTM_online_root_menu"},
        {4, "DTM_offline_root_menu"}, {6, "DTM_observe_menu"},   {8, "DTM_simulation_menu"},
        {9, "DTM_diagnosis_menu"},    {14, "DTM_trend_menu"},    {15, "__ZTQ__CommunicationMenu"},
        {10003, "DTM_reset_menu"},    {10004, "DTM_LockUnlock"}, {10007, "DTM_trend_menu"}};
    for (int code = -2; code <= 10010; ++code) {
        const auto found = menus.find(code);
        EXPECT_EQ(info->GetStandardMenuName(code).str(), found == menus.end() ? "" : found->second) << code;
    }
    EXPECT_EQ(info->GetStandardMenuName(INT32_MAX).str(), "");
    EXPECT_EQ(info->GetSpecialItemName(0).str(), "__ZTQ__CommunicationMenu");
    EXPECT_EQ(info->GetSpecialItemName(1).str(), "__ZTQ__BusAddress");
    EXPECT_EQ(info->GetSpecialItemName(2).str(), "phys_tag_desc");
    EXPECT_EQ(info->GetSpecialItemName(3).str(), "");
    EXPECT_EQ(info->GetSpecialItemName(-1).str(), "");
    // Returned strings are independent copies.
    CStrPP first = info->GetDeviceName();
    first.AddStr(" changed");
    EXPECT_EQ(info->GetDeviceName().str(), "Corvalin / KSM 27 / V1.0");
}

TEST(Information, PairTableWalkOfAnotherShape) {
    const char* names[] = {"a", "b", "c", ""};
    const char* values[] = {"x", "", "z", ""};
    const PairTable table{names, values};
    EXPECT_EQ(pairNames(table).str(), "a,c");
    EXPECT_EQ(pairValue(table, CStrPP("c")).str(), "z");
    EXPECT_EQ(pairValue(table, CStrPP("b")).str(), "");
    EXPECT_EQ(pairValue(table, CStrPP("d")).str(), "");
}

TEST(StartUp, RecordsTheModulesFullPathAndBasePath) {
    ModuleLoader module(DD_MODULE_PATH);
    std::unique_ptr<CInformation> info(module.getInformation());
    const std::string expected = fs::canonical(DD_MODULE_PATH).string();
    EXPECT_EQ(info->GetModulePath().str(), expected);
    EXPECT_EQ(info->GetModuleBasePath().str(), expected.substr(0, expected.rfind('.')));
    // A file name without an extension in a folder whose name has a dot: the
    // base path is the whole path.
    const TemporaryFolder own;
    const fs::path folder = own.path / "a.b";
    fs::create_directories(folder);
    fs::copy_file(DD_MODULE_PATH, folder / "ZTQQVPB153A0101");
    ModuleLoader copy((folder / "ZTQQVPB153A0101").string());
    ASSERT_TRUE(copy.loaded()) << copy.error();
    std::unique_ptr<CInformation> copyInfo(copy.getInformation());
    EXPECT_EQ(copyInfo->GetModuleBasePath().str(), (fs::canonical(folder) / "ZTQQVPB153A0101").string());
}

TEST(StartUp, PathsAreSetAtLoadAndTheWholePathWithoutADot) {
    // The module's objects linked into this test program started when the
    // program was loaded, before any entry point or test ran. On Windows the
    // start-up is the DLL's, which a program never attaches: it starts them.
#if defined(_WIN32)
    platform::StartModule();
#endif
    const std::string program = fs::canonical(self()).string();
    EXPECT_EQ(identity::modulePath.str(), program);
    const std::size_t extension = fs::path(program).extension().string().size();
    EXPECT_EQ(identity::moduleBasePath.str(), program.substr(0, program.size() - extension));
    platform::StartModule();  // once only
    EXPECT_EQ(identity::modulePath.str(), program);
}

TEST(StartUp, ThePathIsTakenAtLoadWhateverTheWorkingFolderBecomes) {
    RegistryRoot root;
    const TemporaryFolder own;
    const fs::path folder = own.path;
    fs::create_directories(folder / "t" / "plain");
    const fs::path relative = fs::path("t") / "plain" / ("ZTQQVPB153A0101" + kExtension);
    fs::copy_file(DD_MODULE_PATH, folder / relative, fs::copy_options::overwrite_existing);
    const std::string expected = fs::canonical(folder / relative).string();
    const fs::path before = fs::current_path();
    fs::current_path(folder);
    {
        // Loaded by a relative name; the host then moves away.
        ModuleLoader module(relative.string());
        fs::current_path("/");
        ASSERT_TRUE(module.loaded()) << module.error();
        EXPECT_EQ(module.dllRegisterServer(), 0);
        std::unique_ptr<CInformation> info(module.getInformation());
        EXPECT_EQ(info->GetModulePath().str(), expected);
        EXPECT_EQ(info->GetModuleBasePath().str(), expected.substr(0, expected.size() - kExtension.size()));
        const auto values = platform::readKey(kKey);
        ASSERT_TRUE(values.has_value());
        for (const auto& v : *values) {
            if (v.name == "DLLPATH") {
                EXPECT_EQ(std::string(v.data.begin(), v.data.end()), expected + '\0');
            }
        }
        EXPECT_EQ(module.dllUnregisterServer(), 0);
    }
    fs::current_path(before);
}

TEST(StartUp, PathsResolveLinksAndCutAtTheLastDot) {
    // A module reached through a symbolic link in a folder whose name has a
    // dot: the path is the resolved one, and the base path loses only the
    // file's extension.
    const TemporaryFolder own;
    const fs::path folder = own.path / "dd.module";
    fs::create_directories(folder);
    const fs::path copy = folder / ("ZTQQVPB153A0101.v2" + kExtension);
    fs::copy_file(DD_MODULE_PATH, copy, fs::copy_options::overwrite_existing);
#if defined(_WIN32)
    const fs::path link = copy;  // links need privileges on Windows; short names stand in for them
#else
    const fs::path link = folder / "link.so";
    fs::create_symlink(copy, link);
#endif
    {
        ModuleLoader module(link.string());
        ASSERT_TRUE(module.loaded()) << module.error();
        std::unique_ptr<CInformation> info(module.getInformation());
        EXPECT_EQ(info->GetModulePath().str(), fs::canonical(copy).string());
        EXPECT_EQ(info->GetModuleBasePath().str(), (fs::canonical(folder) / "ZTQQVPB153A0101.v2").string());
    }
#if !defined(_WIN32)
    // Two copies loaded and unloaded in turn, the first loaded the first
    // unloaded, as long as a host likes: each load takes nothing from the
    // loader that its unload does not give back. Meanwhile another thread
    // forks, which the module's fork handlers must survive.
    const fs::path other = folder / ("ZTQQVPB153A0101.v3" + kExtension);
    fs::copy_file(DD_MODULE_PATH, other);
    const std::jthread forking([](const std::stop_token& stop) {
        while (!stop.stop_requested()) {
            const pid_t child = fork();
            if (child == 0) _exit(0);
            int status = 0;
            if (child > 0) waitpid(child, &status, 0);
        }
    });
    for (int cycle = 0; cycle < 1100; ++cycle) {
        auto first = std::make_unique<ModuleLoader>(copy.string());
        const ModuleLoader second(other.string());
        ASSERT_TRUE(first->loaded()) << "cycle " << cycle << ": " << first->error();
        ASSERT_TRUE(second.loaded()) << "cycle " << cycle << ": " << second.error();
        first.reset();
    }
#endif
}

TEST(DataCategory, ThreeForTheGsdConfigurationVariables) {
    ModuleLoader module(DD_MODULE_PATH);
    const std::uint16_t* table = nullptr;
    std::int32_t count = 0;
    module.getAttributeCalcDataCategory(&table, &count);
    ASSERT_EQ(count, 636);
    int threes = 0;
    for (int id = 0; id < count; ++id) {
        const bool gsd = (id >= 14 && id <= 41) || id == 571;
        EXPECT_EQ(table[id], gsd ? 3 : 0) << id;
        threes += table[id] == 3;
    }
    EXPECT_EQ(threes, 29);
    module.getAttributeCalcDataCategory(nullptr, nullptr);  // no crash
}

#if !defined(_WIN32)
// The stand-ins for the resources and the export list; the Windows build
// tests the real ones (tests/windows/).
TEST(Resources, IconBitmapsStringAndVersion) {
    const auto icon = resources::image(resources::Kind::IconGroup, 102);
    ASSERT_GE(icon.size(), 22u);
    EXPECT_EQ(icon[6], 16);  // width
    EXPECT_EQ(icon[7], 16);  // height
    EXPECT_EQ(icon[12], 8);  // bits per pixel
    auto bitmapSize = [](std::span<const unsigned char> b) {
        auto u32 = [&](std::size_t at) { return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | b[at + 3] << 24; };
        return std::tuple<int, int, int, int>(u32(18), u32(22), b[28], u32(30));
    };
    EXPECT_EQ(bitmapSize(resources::image(resources::Kind::Bitmap, 103)), std::make_tuple(128, 147, 8, 0));
    EXPECT_EQ(bitmapSize(resources::image(resources::Kind::Bitmap, 104)), std::make_tuple(128, 189, 8, 0));
    EXPECT_TRUE(resources::image(resources::Kind::Bitmap, 101).empty());
    EXPECT_EQ(resources::string(1000), "QUORVANE");
    const auto& version = resources::version();
    EXPECT_EQ(version.fileVersionText, "1,5,153,348");
    EXPECT_EQ(version.language, 0x0407);
    EXPECT_EQ(version.codePage, 0x04B0);
    EXPECT_EQ(version.oleSelfRegister, "");
}

TEST(Exports, ExactlyTheFiveEntryPoints) {
    const std::string symbols = run("nm -D --defined-only '" DD_MODULE_PATH "' | awk '{print $3}' | sort");
    EXPECT_EQ(symbols,
              "DllRegisterServer\nDllUnregisterServer\nGetAttributeCalcDataCategory\nGetAttributeCalculation\n"
              "GetInformation\n");
}
#endif
