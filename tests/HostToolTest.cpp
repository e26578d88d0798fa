// ddhost's command line, run in-process as the golden files run it: what it
// refuses, and how --set reads a value. What it prints is pinned by the
// golden files.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "host/Encoding.h"
#include "host/Json.h"
#include "host/ModuleLoader.h"
#include "host/Session.h"
#include "host/Tool.h"
#include "tests/RegistryRoot.h"
#include "tests/TestSupport.h"
#if !defined(_WIN32)
#include "platform/SystemRegistry.h"
#endif

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

#if !defined(_WIN32)
// A chain of `depth` folders in `top`, each named "d" in the one above, with
// a hard link to `file` at its end: made through descriptors, as no path the
// system takes whole reaches that far.
struct Chain {
    Chain(const std::filesystem::path& top, int depth, const std::filesystem::path& file) : top(top) {
        std::filesystem::create_directory(top);
        int at = open(top.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        for (int level = 0; level < depth && at >= 0; ++level) {
            const int below = mkdirat(at, "d", 0755) == 0 ? openat(at, "d", O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
            close(at);
            at = below;
        }
        if (at < 0 || linkat(AT_FDCWD, file.c_str(), at, "f", 0) != 0) ADD_FAILURE() << "no chain in " << top;
        if (at >= 0) close(at);
    }
    ~Chain() { shell("rm -rf '" + top.string() + "'"); }  // which goes as deep as it takes
    std::filesystem::path top;
};
#endif

#if !defined(_WIN32)
// Whether another process waits for the lock this one holds on `file` (an
// open descriptor); nothing where /proc does not tell.
std::optional<bool> lockWaits(int file) {
    struct stat held {};
    std::ifstream locks("/proc/locks");
    if (fstat(file, &held) != 0 || !locks) return std::nullopt;
    // "1: [-> ]FLOCK ADVISORY WRITE pid major:minor:inode 0 EOF"
    std::string ours;
    std::vector<std::string> waitedFor;
    for (std::string line; std::getline(locks, line);) {
        std::istringstream fields(line);
        std::string number, type, advisory, access, pid, id;
        fields >> number >> type;
        const bool waiting = type == "->";
        if (waiting) fields >> type;
        fields >> advisory >> access >> pid >> id;
        if (type != "FLOCK") continue;
        if (waiting)
            waitedFor.push_back(id);
        else if (pid == std::to_string(getpid()) && id.ends_with(":" + std::to_string(held.st_ino)))
            ours = id;
    }
    if (ours.empty()) return std::nullopt;
    return std::find(waitedFor.begin(), waitedFor.end(), ours) != waitedFor.end();
}
#endif

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Nothing in `text` acts on a terminal but its line ends: no other C0
// control, no DEL, no C1 control (U+0080 to U+009F), no byte outside
// well-formed UTF-8.
bool terminalSafe(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if ((b < 0x20 && b != '\n') || b == 0x7F) return false;
        if (b < 0x80) continue;
        const std::size_t more = b >= 0xC2 && b <= 0xDF   ? 1
                                 : b >= 0xE0 && b <= 0xEF ? 2
                                 : b >= 0xF0 && b <= 0xF4 ? 3
                                                          : 0;
        if (!more || i + more >= text.size()) return false;
        if (b == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) return false;
        for (std::size_t k = 1; k <= more; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += more;
    }
    return true;
}

}  // namespace

TEST(HostTool, ErrorsAreClearAndNeverCrash) {
    namespace fs = std::filesystem;
    // A file registration must leave alone: a value of a registry of the
    // test's own (the system's registry, on Windows, is no file to name).
#if defined(_WIN32)
    const std::string guarded = DD_MODULE_PATH, guardedIs = "the module itself";
#else
    // A root so deep that its values' paths are longer than the system
    // takes whole, and the value by a name of its own outside the registry.
    const TemporaryFolder registry;
    fs::path root = registry.path;
    while (root.native().size() < 4040 - 251) root /= std::string(250, 'k');
    fs::create_directories(root);
    const fs::path before = fs::current_path();
    // What is too deep for a path to name goes before the folder does.
    const struct Cleanup {
        fs::path root, before;
        ~Cleanup() {
            std::error_code ignored;
            fs::current_path(root, ignored);
            fs::remove_all("HKEY_LOCAL_MACHINE", ignored);
            fs::current_path(before, ignored);
        }
    } cleanup{root, before};
    ScopedEnvironment environment;
    environment.set("DD_REGISTRY_ROOT", root.string());
    ASSERT_EQ(tool({"register"}).status, 0);
    const std::string guarded = (registry.path / "DLLPATH.value").string();
    fs::current_path(root);
    for (const auto& entry : fs::recursive_directory_iterator("."))
        if (entry.path().filename() == "DLLPATH.value") fs::create_hard_link(entry.path(), guarded);
    fs::current_path(before);
    const std::string guardedIs = "a file of the registry";
#endif
    const std::string registered = contents(guarded);
    const TemporaryFolder folder;
    const std::string missing = (folder.path / "missing.dll").string();
    // Usage errors: exit 2, nothing on the output, the fault named.
    for (const auto& [args, says] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"show", "no_such_item"}, "no item named no_such_item\n"},
             // Names that info lists, of the host's own menus and items.
             {{"tree", "__ZTQ__CommunicationMenu"},
              "no item named __ZTQ__CommunicationMenu; it is StandardMenuName(15), a menu of the host's own\n"},
             {{"show", "__ZTQ__BusAddress"},
              "no item named __ZTQ__BusAddress; it is SpecialItemName(1), an item of the host's own\n"},
             {{"--set", "no_such_item=1", "dump"}, "--set no_such_item=1: no item named no_such_item"},
             {{"--set", "novalue", "dump"}, "--set novalue: no '=' between the name and the value"},
             {{"--set", "novalue", "info"}, "no '='"},
             {{"--set", "novalue", "register"}, "no '='"},
             {{"--set", "=5", "info"}, "--set =5: no name before '='"},
             {{"--set", "parWriteLocking=0", "info"}, "--set means nothing to info"},
             {{"--set", "parWriteLocking=0", "unregister"}, "--set means nothing to unregister"},
             {{"--set", "trans1_level_hi=1e400", "dump"}, "1e400 is beyond the range of a double"},
             {{"--set", "trans1_level_hi=-1e400", "show", "trans1_level_hi"}, "beyond the range of a double"},
             {{"--set", "trans1_level_hi=1e-400", "dump"}, "--set trans1_level_hi=1e-400: 1e-400 is too close to zero"},
             {{"--set", "trans1_level_hi=-2e-324", "dump"}, "-2e-324 is too close to zero for a double"},
             {{"--answer", "1", "dump"}, "--answer means nothing to dump"},
             {{"--answer", "1e999", "run", "method_parWriteLocking_remember"}, "1e999 is beyond the range of a double"},
             {{"--answer", "0.01e-399", "run", "method_parWriteLocking_remember"}, "too close to zero for a double"},
             {{"--lang", "de", "show", "parWriteLocking"}, "--lang means nothing to show"},
             {{"--lang", "xx", "tree", "DTM_online_root_menu"}, "unknown language 'xx'; the languages are en, de"},
             {{"--lang", "DE", "tree", "DTM_online_root_menu"}, "unknown language 'DE'"},
             {{"--lang", "", "tree", "DTM_online_root_menu"}, "unknown language ''"},
             {{"--module", "", "info"}, "--module needs a file"},
             {{"--trace", "", "dump"}, "--trace needs a file"},
             // A trace made for a module that is missing: refused, and removed.
             {{"--module", missing, "--trace", missing, "info"}, "--trace " + missing + " is the module itself\n"},
             // A value after '=' is read as the next word is.
             {{"--lang=xx", "tree", "DTM_online_root_menu"}, "unknown language 'xx'"},
             {{"--lang=de", "show", "parWriteLocking"}, "--lang means nothing to show"},
             {{"--answer=1e-400", "run", "method_parWriteLocking_remember"}, "--answer 1e-400: 1e-400 is too close"},
             {{"--set=trans1_level_hi=1e400", "dump"}, "--set trans1_level_hi=1e400: 1e400 is beyond the range"},
             {{"--module=", "info"}, "--module needs a file"},
             {{"--trace=", "dump"}, "--trace needs a file"},
             {{"--help=me"}, "unknown option --help=me"},
             {{"info", "extra"}, "info takes no further words"},
             {{"dump", "extra"}, "dump takes no further words"},
             {{"show", "a", "b"}, "show takes one name"},
             {{"--frobnicate", "info"}, "unknown option --frobnicate"},
             {{"frobnicate"}, "unknown command frobnicate"},
             {{"run", "trans1_level_unit"}, "no method named trans1_level_unit"},
             {{"tree"}, "tree takes one name"},
             {{"--set"}, "--set needs a value"},
             // Names and texts that are not UTF-8: truncated, overlong, a
             // surrogate, a lone byte; none is read as another.
             {{"show", "parWriteLocking\xC3"}, "the name parWriteLocking\\xC3 is not UTF-8\n"},
             {{"show", "p\xC1\xA1rWriteLocking"}, "the name p\\xC1\\xA1rWriteLocking is not UTF-8"},
             {{"run", "x\xC0\x80"}, "the name x\\xC0\\x80 is not UTF-8"},
             {{"--set", "parWriteLocking\xF0=0", "tree", "Tab_s_service_Online"},
              "--set parWriteLocking\\xF0=0: the name is not UTF-8\n"},
             {{"--set", "phys_descriptor=\"a\xE2\x82\"", "dump"},
              "--set phys_descriptor=\"a\\xE2\\x82\": the text is not UTF-8"},
             {{"--set", "phys_descriptor=\xFF", "dump"}, "--set phys_descriptor=\\xFF: the text is not UTF-8"},
             {{"--answer", "\xED\xA0\x80", "run", "method_parWriteLocking_remember"},
              "--answer \\xED\\xA0\\x80: the text is not UTF-8"},
             // Whatever is echoed of the command line is escaped, line ends
             // included: no line can be forged.
             {{"show", "x\nddhost: forged"}, "no item named x\\x0Addhost: forged\n"},
             {{"run", "x\nddhost: forged"}, "no item named x\\x0Addhost: forged\n"},
             {{"--set", "x\n=1", "dump"}, "--set x\\x0A=1: no item named x\\x0A\n"},
             {{"--lang", "x\nforged", "tree", "DTM_online_root_menu"}, "unknown language 'x\\x0Aforged'"},
             {{"frob\n\x1B[2J"}, "unknown command frob\\x0A\\x1B[2J\n"},
             {{"--frob\r", "info"}, "unknown option --frob\\x0D\n"},
             {{"--set", "a\x9B", "dump"}, "--set a\\x9B: no '='"},
             // Written once the registration has run, it would empty the value.
             {{"--trace", guarded, "register"}, "--trace " + guarded + " is " + guardedIs + "\n"},
             {{"--trace", guarded, "info"}, "--trace " + guarded + " is " + guardedIs + "\n"},
         }) {
        const auto o = tool(args);
        EXPECT_EQ(o.status, 2) << args.front() << " " << args.back();
        EXPECT_TRUE(o.out.empty()) << o.out;
        EXPECT_EQ(o.err.rfind("ddhost: ", 0), 0u) << o.err;
        EXPECT_NE(o.err.find(says), std::string::npos) << o.err;
        if (says.starts_with("--trace ") && says.ends_with("\n")) {
            EXPECT_EQ(o.err, "ddhost: " + says);  // no usage
        }
        EXPECT_TRUE(terminalSafe(o.err)) << o.err;
    }
    EXPECT_EQ(contents(guarded), registered);
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_TRUE(fs::is_empty(folder.path));  // nor anything it was moved to be removed
    // A trace onto the module's own file, by any name, would destroy it.
    const fs::path module = folder.path / fs::path(DD_MODULE_PATH).filename();
    fs::copy_file(DD_MODULE_PATH, module);
    fs::create_hard_link(module, folder.path / "hard");
    const std::string whole = contents(module);
    std::vector<fs::path> names{module, folder.path / "." / module.filename(), folder.path / "hard"};
#if defined(_WIN32)
    names.push_back(folder.path / "ztqqvpb153a0101.DLL");
#else
    fs::create_symlink(module, folder.path / "link");
    names.push_back(folder.path / "link");
#endif
    for (const auto& name : names)
        for (const char* command : {"info", "dump"}) {
            const auto o = tool({"--module", module.string(), "--trace", name.string(), command});
            EXPECT_EQ(o.status, 2) << name;
            EXPECT_EQ(o.err, "ddhost: --trace " + name.string() + " is the module itself\n");
        }
    EXPECT_EQ(tool({"--trace", module.string(), "--help"}).status, 0);
    EXPECT_EQ(contents(module), whole);
#if !defined(_WIN32)
    // Nor onto the object-model library the module runs with: a copy of the
    // tool beside copies of both, which it loads by its run path.
    const fs::path built = fs::path(DD_HOST_TOOL).parent_path();
    for (const char* file : {"ddhost", "ZTQPBQ15StdLibCOM.so"}) fs::copy_file(built / file, folder.path / file);
    const std::string library = contents(folder.path / "ZTQPBQ15StdLibCOM.so");
    const Shell traced = shell((folder.path / "ddhost").string() + " --module " + module.string() + " --trace " +
                               (folder.path / "ZTQPBQ15StdLibCOM.so").string() + " info 2>&1");
    EXPECT_EQ(traced.status, 2);
    EXPECT_EQ(traced.out,
              "ddhost: --trace " + (folder.path / "ZTQPBQ15StdLibCOM.so").string() + " is the object-model library\n");
    EXPECT_EQ(contents(folder.path / "ZTQPBQ15StdLibCOM.so"), library);
    // Nor onto the registry's files, whatever state its folder is in: closed
    // to the user (root's tests run as another, with few descriptors and a
    // small stack), a file in the root's place, or a chain of folders deeper
    // than a descriptor or a stack frame each would reach, a file at its end.
    const fs::path place = folder.path / "place", deep = folder.path / "deep";
    for (const auto& file : {place, deep}) std::ofstream(file) << "data\n";
    const Chain chain(root / "chain", 5000, deep);
    const auto open = fs::perms::all & ~fs::perms::group_write & ~fs::perms::others_write;
    for (const fs::path& opened : {registry.path, folder.path}) fs::permissions(opened, open);
    for (const fs::path& written : {fs::path(guarded), place, deep}) fs::permissions(written, fs::perms::all);
    const std::string unread = " may be a file of the registry, which cannot be read whole\n";
    const fs::path software = root / "HKEY_LOCAL_MACHINE" / "SOFTWARE";
    const auto listedOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    std::string untried;
    // Each case: a folder closed to the user (to `rights`), the root, the
    // trace, the command, what it says and whether a call under way holds
    // the lock of the folder in the root's place. A registry the command
    // itself makes (where "missing" is made, the root is the folder above it)
    // is found once the command has run. A folder a call half done made may
    // be closed: the walk waits for that call, and the trace, none of the
    // registry's files, is written. No root named is ddregistry in a
    // temporary folder, where the registry refuses one that others may
    // write: the walk does not wait for its lock, which no call of the
    // registry's holds, but cannot read it whole. Nor can it read whole a
    // root whose place another folder took while it waited (`moved`, which
    // holds the trace).
    const fs::path outside = folder.path / "outside", temporary = folder.path / "tmp";
    const fs::path emptied = folder.path / "in", moved = folder.path / "moved";
    std::ofstream(outside) << "data\n";
    fs::permissions(outside, fs::perms::all);
    for (const auto& made : {temporary / "ddregistry", emptied, moved}) fs::create_directories(made);
    fs::permissions(temporary / "ddregistry", fs::perms::all);
    fs::create_hard_link(deep, moved / "deep");
    for (const char* unnamed : {"XDG_DATA_HOME", "HOME"}) environment.set(unnamed, "");  // empty names none
    environment.set("TMPDIR", temporary.string());
    for (const auto& [closed, rights, at, trace, command, says, underWay, replaced] :
         std::vector<std::tuple<fs::path, fs::perms, fs::path, fs::path, std::string, std::string, bool, bool>>{
             {root, fs::perms::none, root, guarded, "info", unread, false, false},
             {root.parent_path(), fs::perms::none, root, guarded, "info", unread, false, false},
             {software, fs::perms::none, root, guarded, "info", unread, false, false},
             {root, listedOnly, root, guarded, "info", unread, false, false},
             {{}, {}, place, place, "info", " is a file of the registry\n", false, false},
             {{}, {}, root, deep, "info", " is a file of the registry\n", false, false},
             {{}, {}, root / "missing" / "..", deep, "register", " is a file of the registry\n", false, false},
             {software, fs::perms::none, root, outside, "info", "", true, false},
             {{}, {}, {}, outside, "info", unread, true, false},
             {{}, {}, emptied, deep, "info", unread, true, true},
         }) {
        SCOPED_TRACE(trace.filename().string() + " " + closed.filename().string() + " " + command);
        environment.set("DD_REGISTRY_ROOT", at.string());
        const bool another = !closed.empty();  // a user the closed folder binds
        const int call =
            underWay ? ::open(platform::registryRootPlace().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
        if (underWay && (call < 0 || flock(call, LOCK_EX) != 0 || !lockWaits(call))) {
            untried = "no lock on the registry's root could be taken and told";
            if (call >= 0) close(call);
            continue;
        }
        if (another) fs::permissions(closed, rights);
        const std::string traced = trace.string(), ran = command,
                          expected = says.empty() ? "" : "ddhost: --trace " + traced + says;
        const auto failed = inChildProcess(
            [&] {
                const rlimit files{64, 64}, stack{512 << 10, 512 << 10};
                return (!another || becomeOrdinaryUser({module})) && setrlimit(RLIMIT_NOFILE, &files) == 0 &&
                       setrlimit(RLIMIT_STACK, &stack) == 0;
            },
            [&]() -> std::string {
                const auto o = tool({"--module", module.string(), "--trace", traced, ran});
                // What the command did stays done.
                const bool done = ran != "register" || o.out.rfind("DllRegisterServer: 0\n", 0) == 0;
                if (o.status == (expected.empty() ? 0 : 2) && o.err == expected && done) return {};
                return "exit " + std::to_string(o.status) + ": " + o.err;
            },
            [&, shut = closed, swap = replaced](const Child& child) {  // Clang 14 captures no structured binding
                if (call < 0) return;
                // Until the walk waits for the call, or has ended without it.
                while (child.working() && !lockWaits(call).value_or(true))
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                if (!shut.empty()) fs::permissions(shut, open);
                // Over the empty folder there, which the walk holds.
                if (swap) fs::rename(moved, platform::registryRootPlace());
                flock(call, LOCK_UN);  // the child holds a copy of the descriptor
                close(call);
            });
        if (another) fs::permissions(closed, open);
        if (!failed) untried = "root's rights could not be given up";
        EXPECT_EQ(failed.value_or(""), "");
    }
    // The file made for a refused trace where no folder can be made beside it
    // to move it aside into (a full disk): it stays, and that is said.
    const auto full = inChildProcess([] { return answering({SYS_mkdirat}, SECCOMP_RET_ERRNO | ENOSPC); },
                                     [&]() -> std::string {
                                         const auto o = tool({"--module", missing, "--trace", missing, "info"});
                                         return o.status == 2 ? o.err : "exit " + std::to_string(o.status);
                                     });
    EXPECT_EQ(full.value_or("not confined"), "ddhost: --trace " + missing + " is the module itself\nddhost: --trace " +
                                                 missing + ": the file made for it is left as " + missing +
                                                 ", which could not be removed (No space left on device)\n");
    EXPECT_TRUE(fs::remove(missing));
    EXPECT_EQ(contents(guarded), registered);
    for (const auto& file : {place, deep}) EXPECT_EQ(contents(file), "data\n");
    EXPECT_EQ(contents(outside), "");
#endif
    // A module that cannot be loaded as the file named.
    std::vector<std::pair<std::string, std::string>> unloadable{
        {(folder.path / "missing" / "module.so").string(), "ddhost: "}};
#if defined(_WIN32)
    // After \\?\ a final dot is the name's: "mymod." is another file, and
    // "mymod" would get ".dll".
    const std::wstring verbatim = L"\\\\?\\" + folder.path.wstring() + L"\\mymod";
    std::ofstream(fs::path(verbatim)) << "not a module\n";
    ASSERT_TRUE(CopyFileW(fs::path(DD_MODULE_PATH).c_str(), (verbatim + L".").c_str(), TRUE));
    unloadable.emplace_back(utf8FromUtf16(verbatim), "(Windows loads another file for this name)");
#endif
    for (const auto& [file, says] : unloadable) {
        std::ostringstream out, err;
        EXPECT_EQ(runTool({"--module", file, "info"}, out, err), 1) << file;
        EXPECT_NE(err.str().find(says), std::string::npos) << err.str();
    }
    // Asked for, the usage is the output.
    const auto help = tool({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("usage: ddhost", 0), 0u) << help.out;
    EXPECT_TRUE(help.err.empty());
#if !defined(_WIN32)
    if (!untried.empty()) GTEST_SKIP() << untried;
#endif
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

TEST(HostTool, AModuleWithoutAnInformationObjectIsToldSo) {
    // Registration still runs; only the key, named after the device, cannot
    // be shown.
    for (const auto& [command, out, err] : std::vector<std::tuple<std::string, std::string, std::string>>{
             {"info", "", "ddhost: the module gave no information object\n"},
             {"register", "DllRegisterServer: 0\n",
              "ddhost: cannot name the module's registry key: the module gave no information object\n"},
             {"unregister", "DllUnregisterServer: 0\n",
              "ddhost: cannot name the module's registry key: the module gave no information object\n"},
         }) {
        const auto o = tool({"--module", DD_STUB_MODULE_PATH, command});
        EXPECT_EQ(o.status, 1) << command;
        EXPECT_EQ(o.out, out) << command;
        EXPECT_EQ(o.err, err) << command;
    }
}

TEST(HostTool, AnOptionsValueFollowsItAsTheNextWordOrAfterEquals) {
    // Each option's value changes what the command does, and reads the same
    // either way.
    const std::string stub = DD_STUB_MODULE_PATH;
    for (const auto& [spaced, joined] : std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>>{
             {{"--module", stub, "info"}, {"--module=" + stub, "info"}},
             {{"--lang", "de", "tree", "DTM_online_root_menu"}, {"--lang=de", "tree", "DTM_online_root_menu"}},
             {{"--set", "parWriteLocking=0", "show", "trans1_level_hi"},
              {"--set=parWriteLocking=0", "show", "trans1_level_hi"}},
             {{"--answer", "4321", "run", "method_phys_factory_reset_device_specific"},
              {"--answer=4321", "run", "method_phys_factory_reset_device_specific"}},
         }) {
        SCOPED_TRACE(joined.front());
        const auto a = tool(spaced), b = tool(joined);
        EXPECT_EQ(b.status, a.status);
        EXPECT_EQ(b.out, a.out);
        EXPECT_EQ(b.err, a.err);
        const auto without = tool({spaced.begin() + 2, spaced.end()});
        EXPECT_NE(a.out + a.err, without.out + without.err);
    }
    const TemporaryFolder folder;
    const auto spaced = folder.path / "spaced.txt", joined = folder.path / "joined.txt";
    EXPECT_EQ(tool({"--trace", spaced.string(), "show", "trans1_level_hi"}).status, 0);
    EXPECT_EQ(tool({"--trace=" + joined.string(), "show", "trans1_level_hi"}).status, 0);
    EXPECT_NE(contents(spaced), "");
    EXPECT_EQ(contents(joined), contents(spaced));
}

TEST(HostTool, RunTellsEveryQuestionThatWentUnanswered) {
    // Right after the question, with the value the host answered instead:
    // the variable's current value, whatever it is. An answer no question
    // took is told after the questions. An answer given and taken, or a
    // method that asks nothing, tells nothing of the kind. Every kind of line
    // is explained by the usage.
    const std::string question = "method_phys_factory_reset_device_specific";
    const std::string usage = tool({"--help"}).out;
    for (const auto& [args, told] : std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>>{
             {{"run", question}, {"unanswered: phys_factory_reset: the host answered its current value (empty)"}},
             {{"--set", "phys_factory_reset=7", "run", question},
              {"unanswered: phys_factory_reset: the host answered its current value 7"}},
             {{"--set", "phys_factory_reset=\"x\"", "run", question},
              {"unanswered: phys_factory_reset: the host answered its current value \"x\""}},
             {{"run", question, "--answer", "4321"}, {}},
             {{"run", "method_phys_factory_reset_address"}, {}},
             {{"run", "meth_reset_min_temperature", "--answer", "3"},
              {"unused: --answer 3: no question was left for it"}},
             {{"run", question, "--answer", "4321", "--answer", "x", "--answer="},
              {"unused: --answer \"x\": no question was left for it",
               "unused: --answer (empty): no question was left for it"}},
         }) {
        SCOPED_TRACE(args.back());
        const auto o = tool(args);
        ASSERT_EQ(o.status, 0) << o.err;
        std::vector<std::string> lines, tells;
        std::istringstream in(o.out);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
            if (line.rfind("unanswered: ", 0) == 0 || line.rfind("unused: ", 0) == 0) tells.push_back(line);
            const std::string kind = line.substr(0, line.find(':') + 1);
            EXPECT_NE(usage.find("\n  " + kind + " "), std::string::npos) << "the usage does not explain " << kind;
        }
        ASSERT_GE(lines.size(), 2u) << o.out;
        EXPECT_EQ(tells, told) << o.out;
        if (!told.empty() && told[0].rfind("unanswered: ", 0) == 0) {
            EXPECT_EQ(lines[0].rfind("shown: Reset ", 0), 0u) << o.out;
            EXPECT_EQ(lines[1], told[0]) << o.out;
        }
        EXPECT_EQ(lines.back(), "result: 0");
    }
    EXPECT_NE(usage.find("run METHOD [--answer V]...\n"), std::string::npos) << usage;
}

TEST(HostTool, OutputThatCannotBeWrittenFailsTheCommand) {
    struct Full final : std::streambuf {
        int overflow(int) override { return traits_type::eof(); }
    } full;
    for (const char* command : {"dump", "info", "--help"}) {
        std::ostream out(&full);
        std::ostringstream err;
        EXPECT_EQ(runTool({"--module", DD_MODULE_PATH, command}, out, err), 1) << command;
        EXPECT_NE(err.str().find("ddhost: cannot write the output"), std::string::npos) << err.str();
    }
#if !defined(_WIN32)
    // The program's own output, which the system takes only when flushed.
    for (const char* command : {"dump", "--help"}) {
        const Shell full =
            shell(std::string(DD_HOST_TOOL) + " --module " + DD_MODULE_PATH + " " + command + " 2>&1 >/dev/full");
        EXPECT_EQ(full.status, 1) << command;
        EXPECT_EQ(full.out, "ddhost: cannot write the output\n") << command;
    }
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

TEST(HostTool, AModuleNamedIsTheFileAtThatPath) {
    // Never one searched for: the system would look in the program's own
    // folders first, where the build's lies, and among the modules loaded,
    // and give a name without an extension one.
    namespace fs = std::filesystem;
    const ModuleLoader build(DD_MODULE_PATH);
    const TemporaryFolder folder;
    const fs::path own = fs::canonical(folder.path), file = fs::path(DD_MODULE_PATH).filename();
    fs::copy_file(DD_MODULE_PATH, own / file);
    fs::copy_file(DD_MODULE_PATH, own / "mymod");
    const fs::path before = fs::current_path();
    fs::current_path(own);
    for (const fs::path& name : {file, fs::path(".") / file, fs::path("mymod")}) {
#if defined(_WIN32)
        // A name without an extension is recorded with a final ".", which
        // keeps LoadLibrary from giving it ".dll".
        const std::string ending = name.has_extension() ? "" : ".";
#else
        const std::string ending;
#endif
        const std::string loaded =
            "ModulePath               " + (own / name).lexically_normal().string() + ending + "\n";
        const auto o = tool({"--module", name.string(), "info"});
        EXPECT_NE(o.out.find(loaded), std::string::npos) << name << ": " << o.out << o.err;
#if !defined(_WIN32)
        ScopedEnvironment environment;
        environment.set("DDHOST_MODULE", name.string());
        std::ostringstream out, err;
        runTool({"info"}, out, err);
        EXPECT_NE(out.str().find(loaded), std::string::npos) << name << ": " << out.str() << err.str();
#endif
    }
    fs::current_path(before);
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

// ddhost's `command` on a registry of the test's own, named `name` in a
// temporary folder, with the device's key folder laid out by `prepare`.
Output onRegistry(const std::string& command, const std::function<void(const std::filesystem::path&)>& prepare,
                  const std::string& name = "registry") {
    const TemporaryFolder folder;
    const std::filesystem::path root = folder.path / name;
    prepare(root / kKeyFolder);
    ScopedEnvironment environment;
    environment.set("DD_REGISTRY_ROOT", root.string());
    return tool({command});
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
    // Data that does not fit its type, or a name no call can write, fails;
    // any other value is listed by its type. Nothing read from a file's name
    // or data, or from the environment (the root's path), acts on a terminal.
    const std::string listed = "\n  ", damaged = "ddhost: damaged registry value ";
    struct Row {
        std::string file, bytes, says;
        int status;
        std::string root = "registry";
    };
    for (const auto& row : std::vector<Row>{
             {"Planted", std::string("\4\0\0\0", 4), damaged + "\"Planted\" (REG_DWORD of 0 bytes, not 4) in HKEY_", 1},
             {"Planted", std::string("\4\0\0\0\1\0\0\0\0", 9),
              damaged + "\"Planted\" (REG_DWORD of 5 bytes, not 4) in HKEY_", 1},
             {"Planted", std::string("\x99\0\0\0abc", 7),
              listed + "Planted" + std::string(30, ' ') + "type 0x99 61 62 63 (3 bytes)\n", 0},
             {"Planted", std::string("\1\0\0\0abc", 7),
              damaged + "\"Planted\" (REG_SZ that is not one text ended by a NUL)", 1},
             // A NUL is told as the value's other faults are.
             {"x%00y", std::string("\1\0\0\0\0", 5), damaged + "name \"x\\x00y\" in HKEY_", 1},
             {"Esc\x1B[0m", std::string("\1\0\0\0\0", 5), damaged + "name \"Esc\\x1B[0m\" in ", 1},
             // CSI as a raw byte and as UTF-8, and a byte of no UTF-8.
             {"Csi\x9B"
              "0m",
              std::string("\1\0\0\0\0", 5), damaged + "name \"Csi\\x9B0m\" in ", 1},
             {"Csi\xC2\x9B"
              "0m",
              std::string("\1\0\0\0\0", 5), damaged + "name \"Csi\\xC2\\x9B0m\" in ", 1},
             {"Esc%1B%5B0m", std::string("\1\0\0\0\x1B[31mred\0", 13),
              listed + "Esc\\x1B[0m" + std::string(27, ' ') + "REG_SZ    \"\\x1B[31mred\" (9 bytes)\n", 0},
             {"Planted", std::string("\x0B\0\0\0\x2A\0\0\0\0\0\0\0", 12),
              listed + "Planted" + std::string(30, ' ') + "REG_QWORD 42\n", 0},
             {"Planted", std::string("\7\0\0\0a\0b\0\0", 9),
              listed + "Planted" + std::string(30, ' ') + "REG_MULTI_SZ \"a\" \"b\" (5 bytes)\n", 0},
             {"Planted", std::string("\1\0\0\0\0", 5), "/root\\x1B[31m\\x0Aline\\xFF\n", 0, "root\x1B[31m\nline\xFF"},
         }) {
        SCOPED_TRACE(row.file);
        const auto o = onRegistry(
            "register",
            [&](const std::filesystem::path& key) {
                std::filesystem::create_directories(key);
                std::ofstream(key / (row.file + ".value"), std::ios::binary) << row.bytes;
            },
            row.root);
        EXPECT_EQ(o.status, row.status) << o.out << o.err;
        EXPECT_NE((row.status ? o.err : o.out).find(row.says), std::string::npos) << o.out << o.err;
        EXPECT_TRUE(terminalSafe(o.out)) << o.out;
        EXPECT_TRUE(terminalSafe(o.err)) << o.err;
    }
}

TEST(HostTool, AKeyThatCannotBeReadIsNotShownAsMissing) {
    // The key's folder is a link: to itself, so nobody can look into it, or
    // to a folder outside the registry, which is never reached through it.
    for (const bool loop : {true, false})
        for (const std::string command : {"register", "unregister"}) {
            SCOPED_TRACE(command + (loop ? " on a loop" : " on a link outside"));
            const TemporaryFolder folder;
            const auto& outside = folder.path;
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
        }
}

TEST(HostTool, NoFolderForTheRegistryEndsWithAClearError) {
    // No temporary folder, or one whose registry folder another user could
    // have planted links in.
    const TemporaryFolder folder;
    const auto& temporary = folder.path;
    std::filesystem::create_directories(temporary / "ddregistry");
    std::filesystem::permissions(temporary / "ddregistry", std::filesystem::perms::all);
    ScopedEnvironment environment;
    for (const char* name : {"DD_REGISTRY_ROOT", "XDG_DATA_HOME", "HOME"}) environment.unset(name);
    for (const auto& [folder, error] :
         {std::pair<std::string, std::string>{(temporary / "missing").string(), "no folder"},
          {temporary.string(), "refused the registry's folder"}}) {
        for (const char* name : {"TMPDIR", "TMP", "TEMP", "TEMPDIR"}) environment.set(name, folder);
        const auto o = tool({"register"});
        EXPECT_EQ(o.status, 1) << o.out << o.err;
        EXPECT_NE(o.out.find("DllRegisterServer: 0x80070005"), std::string::npos) << o.out;  // access denied
        EXPECT_NE(o.err.find("ddhost: " + error + " "), std::string::npos) << o.err;
    }
}
#endif

TEST(HostTool, SetChoosesTheVariantKind) {
    const auto kind = [](const char* text) { return parseValue(text).kind(); };
    const auto text = [](const char* text) { return parseValue(text).text(); };
    using Kind = CDDCommonVariant::Kind;
    EXPECT_EQ(kind("9361"), Kind::Int);
    EXPECT_EQ(kind("-12"), Kind::Int);
    EXPECT_EQ(kind("0.5"), Kind::Double);
    EXPECT_EQ(kind("1e3"), Kind::Double);
    EXPECT_EQ(kind("-2.5E+2"), Kind::Double);
    EXPECT_EQ(kind(".5"), Kind::Double);
    // Whole numbers are decimal, whatever they start with.
    EXPECT_TRUE(parseValue("010") == CDDCommonVariant(10));
    EXPECT_TRUE(parseValue("+9361") == CDDCommonVariant(9361));
    EXPECT_TRUE(parseValue("-2147483648") == CDDCommonVariant(INT32_MIN));
    // Beyond 32 bits a double, on every system.
    EXPECT_EQ(kind("2147483648"), Kind::Double);
    EXPECT_EQ(kind("-4294967296"), Kind::Double);
    EXPECT_EQ(kind("99999999999999999999"), Kind::Double);
    // Only decimal spellings are numbers.
    for (const char* other : {"0x2491", "0x1p3", "nan", "nan(e)", "inf", "-infinity", "1e", "1.2.3", "e5", "+-1"})
        EXPECT_EQ(text(other), other);
    // A number a double holds, if only as a subnormal, is a value; any other
    // is none, and which end of the range it missed is told.
    EXPECT_TRUE(parseValue("1e-310") == CDDCommonVariant(1e-310));
    EXPECT_TRUE(parseValue("-4.9e-324") == CDDCommonVariant(-4.9e-324));
    const auto fault = [](const std::string& text) -> std::string {
        try {
            parseValue(text);
        } catch (const std::out_of_range& fault) {
            return fault.what();
        }
        return "a value";
    };
    const std::string zeros(400, '0');
    for (const auto& [number, beyond] : std::vector<std::pair<std::string, bool>>{
             {"1e400", true},
             {"-1e400", true},
             {"1" + zeros + "e-5", true},
             {"1e2147483648", true},
             {"1e-400", false},
             {"-2e-324", false},
             {"0." + zeros + "1e+5", false},
             {"1e-2147483649", false},
         })
        EXPECT_EQ(fault(number),
                  number + (beyond ? " is beyond the range of a double" : " is too close to zero for a double"));
    EXPECT_EQ(text("\"9361\""), "9361");
    EXPECT_EQ(text("\"F\xC3\xBCllstand\""), "F\xFCllstand");
    EXPECT_TRUE(parseValue("").isEmpty());
    // Setting a value names each fault.
    auto s = openSession();
    for (const auto& [assignment, says] : std::vector<std::pair<std::string, std::string>>{
             {"novalue", "no '=' between the name and the value"},
             {"=5", "no name before '='"},
             {"no_such_item=1", "no item named no_such_item"},
             {"trans1_level_hi=1e-400", "1e-400 is too close to zero for a double"},
         }) {
        try {
            s->set(assignment);
            ADD_FAILURE() << assignment << " is set";
        } catch (const std::logic_error& fault) {
            EXPECT_EQ(fault.what(), says);
        }
    }
}

TEST(HostTool, ShowKeepsTextsThatLookLikeJson) {
    // Brackets, quotes and backslashes inside a text are the text's own;
    // controls, DEL among them, are JSON's escapes, never the terminal's.
    for (const std::string text : {"}}}}", "}}}", "]", "{\\\"[", "a, b: c", "x\nddhost: forged\x7F"}) {
        SCOPED_TRACE(text);
        const auto o = tool({"--set", "parBargraphScaleMax=\"" + text + "\"", "show", "parBargraphScaleMin"});
        ASSERT_EQ(o.status, 0) << o.err;
        EXPECT_NE(o.out.find("{\"text\":" + jsonString(text) + "}"), std::string::npos) << o.out;
        EXPECT_TRUE(terminalSafe(o.out)) << o.out;
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

TEST(HostTool, TextsTheCommandLineGaveAreShownEscaped) {
    // A current value tree shows, an answer run leaves over: each a line, on
    // the output.
    for (const auto& [args, says] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"--set", "phys_descriptor=\"x\nddhost: forged\"", "tree", "Tab_s_system_parameter_Online"},
              "[phys_descriptor] = \"x\\x0Addhost: forged\"\n"},
             {{"--answer", "\"x\nddhost: forged\x1B[2J\"", "run", "method_parWriteLocking_remember"},
              "unused: --answer \"x\\x0Addhost: forged\\x1B[2J\": no question was left for it\n"},
         }) {
        const auto o = tool(args);
        EXPECT_EQ(o.status, 0) << o.err;
        EXPECT_NE(o.out.find(says), std::string::npos) << o.out;
        EXPECT_TRUE(terminalSafe(o.out)) << o.out;
    }
}

TEST(HostTool, ATraceThatCannotBeWrittenFailsTheCommand) {
    const TemporaryFolder folder;
#if !defined(_WIN32)
    const TemporaryFolder registry;
    ScopedEnvironment environment;
    environment.set("DD_REGISTRY_ROOT", registry.path.string());
#endif
    // One that cannot be opened stops the command before it runs, as a
    // shell's redirection does: nothing is shown, registered or unregistered.
    // The reason is the system's, or what it would not say.
    std::vector<std::pair<std::string, std::string>> unopened{{(folder.path / "missing" / "trace.txt").string(), ""},
                                                              {folder.path.string(), ""}};
#if defined(_WIN32)
    // One another handle holds, sharing no writing, is no more written than
    // a read-only one, which Wine writes for root.
    unopened.emplace_back((folder.path / "held.txt").string(), "error 32)\n");
    const std::unique_ptr<void, decltype(&CloseHandle)> held(
        CreateFileW(std::filesystem::path(unopened.back().first).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                    CREATE_NEW, 0, nullptr),
        &CloseHandle);
    ASSERT_NE(held.get(), INVALID_HANDLE_VALUE) << GetLastError();
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey.c_str());
#else
    std::filesystem::create_symlink("nowhere", folder.path / "dangling");
    unopened.emplace_back((folder.path / "dangling").string(), "a symbolic link to no file)\n");
#endif
    for (const std::vector<std::string>& command : {std::vector<std::string>{"show", "parWriteLocking"},
                                                    {"info"},
                                                    {"register"},
                                                    {"unregister"},
                                                    {"--module", DD_STUB_MODULE_PATH, "info"}}) {
        for (const auto& [file, why] : unopened) {
            auto args = command;
            args.insert(args.begin(), {"--trace", file});
            const auto o = tool(args);
            EXPECT_EQ(o.status, 1) << file << " " << command.back();
            EXPECT_EQ(o.err.rfind("ddhost: cannot open the trace " + file + " (" + why, 0), 0u) << o.err;
            EXPECT_EQ(o.err.find('\n'), o.err.size() - 1) << o.err;
            EXPECT_EQ(o.out, "");
#if defined(_WIN32)
            EXPECT_EQ(RegGetValueA(HKEY_LOCAL_MACHINE, kKey.c_str(), "DLLPATH", RRF_RT_ANY, nullptr, nullptr, nullptr),
                      ERROR_FILE_NOT_FOUND);
#endif
        }
    }
#if !defined(_WIN32)
    EXPECT_TRUE(std::filesystem::is_empty(registry.path));
    // One that opened but does not take the lines fails the command once it
    // has run, and a command that failed keeps its status.
    for (const auto& [args, status, says] : std::vector<std::tuple<std::vector<std::string>, int, std::string>>{
             {{"show", "parWriteLocking"}, 1, ""},
             {{"show", "no_such_item"}, 2, "ddhost: no item named no_such_item\n"},
         }) {
        auto traced = args;
        traced.insert(traced.begin(), {"--trace", "/dev/full"});
        const auto o = tool(traced);
        EXPECT_EQ(o.status, status) << args.back();
        EXPECT_EQ(o.err, says + "ddhost: cannot write the trace to /dev/full\n");
        EXPECT_EQ(o.out.empty(), status != 1) << o.out;
    }
#endif
}

TEST(HostTool, ATraceIsThisRunsWhetherTheCommandSucceedsOrNot) {
    // Once the command line is read, the trace holds the calls made as far as
    // the command came: for a command on a session, the catalogue's first;
    // none for info, register and unregister. A usage error runs nothing and
    // leaves the file alone.
    const TemporaryFolder folder;
    const auto file = folder.path / "trace.txt";
    ASSERT_EQ(tool({"--trace", file.string(), "show", "trans1_level_hi"}).status, 0);
    const std::string shown = contents(file);
    enum Left { kCatalogue, kNothing, kEarlier };
    for (const auto& [args, status, left] : std::vector<std::tuple<std::vector<std::string>, int, Left>>{
             {{"show", "no_such_item"}, 2, kCatalogue},
             {{"--set", "no_such_item=1", "dump"}, 2, kCatalogue},
             {{"run", "trans1_level_unit"}, 2, kCatalogue},
             {{"--module", DD_STUB_MODULE_PATH, "dump"}, 1, kNothing},
             {{"info"}, 0, kNothing},
             {{"--module", DD_STUB_MODULE_PATH, "info"}, 1, kNothing},
             {{"--module", DD_STUB_MODULE_PATH, "register"}, 1, kNothing},
             {{"--module", (folder.path / "missing" / "module.so").string(), "unregister"}, 1, kNothing},
             {{"--frobnicate", "info"}, 2, kEarlier},
             {{"--set", "novalue", "dump"}, 2, kEarlier},
         }) {
        SCOPED_TRACE(args.front() + " " + args.back());
        std::ofstream(file, std::ios::binary) << "an earlier trace\n";
        auto traced = args;
        traced.insert(traced.begin(), {"--trace", file.string()});
        EXPECT_EQ(tool(traced).status, status);
        const std::string trace = contents(file);
        if (left == kCatalogue) {
            // The start of the run that succeeded, and not all of it.
            EXPECT_EQ(trace.rfind("GetObjectStore\n", 0), 0u) << trace.substr(0, 200);
            EXPECT_LT(trace.size(), shown.size());
            EXPECT_EQ(shown.compare(0, trace.size(), trace), 0);
        } else {
            EXPECT_EQ(trace, left == kEarlier ? "an earlier trace\n" : "");
        }
    }
#if !defined(_WIN32)
    // Started with a standard stream closed, the program holds its place: the
    // trace takes neither's, and the output still fails as a closed one.
    for (const auto& [streams, status, says] : std::vector<std::tuple<std::string, int, std::string>>{
             {" >/dev/null 2>&-", 0, ""},
             {" 2>&1 >&-", 1, "ddhost: cannot write the output\n"},
         }) {
        std::ofstream(file, std::ios::binary) << "an earlier trace\n";
        const Shell closed = shell(std::string(DD_HOST_TOOL) + " --module " + DD_MODULE_PATH + " --trace " +
                                   file.string() + " info" + streams);
        EXPECT_EQ(closed.status, status) << streams;
        EXPECT_EQ(closed.out, says) << streams;
        EXPECT_EQ(contents(file), "") << streams;
    }
#endif
}
