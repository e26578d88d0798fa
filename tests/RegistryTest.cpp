// The Linux stand-in for the registry, through the calls the module's
// self-registration makes and the reader the host tool uses; the Windows
// build tests the system's own (tests/windows/).
#if !defined(_WIN32)
#include <gtest/gtest.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <pthread.h>
#include <sys/auxv.h>
#include <sys/file.h>
#include <sys/fsuid.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <ucontext.h>
#include <unistd.h>

#include <cstddef>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <thread>

#include "frame/Identity.h"
#include "frame/Registration.h"
#include "host/ModuleLoader.h"
#include "host/Tool.h"
#include "platform/SystemRegistry.h"
#include "tests/RegistryRoot.h"
#include "tests/TestSupport.h"

namespace fs = std::filesystem;

namespace {

// What installers see when the registry refuses a step: a failed result
// carrying the registry's "access denied".
constexpr std::int32_t kAccessDenied = static_cast<std::int32_t>(0x80070005u);
constexpr std::int32_t kFileTooLarge = static_cast<std::int32_t>(0x800700DFu);
constexpr std::int32_t kNotSupported = static_cast<std::int32_t>(0x80070032u);

// Each file below `folder` with its contents; a folder or link with none.
std::map<std::string, std::string> contentsOf(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        std::ostringstream bytes;
        if (entry.is_regular_file() && !entry.is_symlink())
            bytes << std::ifstream(entry.path(), std::ios::binary).rdbuf();
        files[entry.path().string()] = bytes.str();
    }
    return files;
}

// A file or folder open until the end of its scope.
struct Opened {
    explicit Opened(const fs::path& path) : descriptor(open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    Opened(Opened&& other) noexcept : descriptor(std::exchange(other.descriptor, -1)) {}
    ~Opened() { close(descriptor); }  // -1 for none: refused harmlessly
    int descriptor;
};

// What installers see when a call went through a key deleted meanwhile.
constexpr std::int32_t kKeyDeleted = static_cast<std::int32_t>(0x800703FAu);

// A registry handle, closed at the end of its scope.
struct Handle {
    ~Handle() {
        if (key) platform::RegCloseKey(key);
    }
    platform::HKEY key = nullptr;
};

// The registry calls of the tests, with the arguments they never vary.
platform::LONG connect(Handle& machine) {
    return platform::RegConnectRegistryA(nullptr, platform::HKEY_LOCAL_MACHINE, &machine.key);
}
platform::LONG createKey(platform::HKEY at, const std::string& name, Handle& key) {
    return platform::RegCreateKeyExA(at, name.c_str(), 0, nullptr, 0, platform::KEY_WRITE, nullptr, &key.key, nullptr);
}
// Sets `name` to the number 1.
platform::LONG setOne(platform::HKEY key, const char* name) {
    const platform::BYTE one[4] = {1, 0, 0, 0};
    return platform::RegSetValueExA(key, name, 0, platform::REG_DWORD, one, sizeof one);
}

// The kernel's change of mode that follows no link, from Linux 6.6 on; the
// C library here does not name it.
constexpr long kFchmodat2 = 452;

// Makes this process's system calls `numbers` fail with ENOSYS from now on,
// as a kernel that has none of them does: true once done.
bool asOnAnOlderKernel(std::initializer_list<long> numbers) { return answering(numbers, SECCOMP_RET_ERRNO | ENOSYS); }

// Makes a look at the open folder `descriptor` fail with ENOENT from now
// on, as on a file system that forgets a deleted folder: true once done.
bool asIfForgotten(int descriptor) {
    const long looks[] = {SYS_fstat, SYS_newfstatat, SYS_statx};
    const auto n = static_cast<__u8>(std::size(looks));
    std::vector<sock_filter> program{BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr))};
    for (__u8 i = 0; i < n; ++i)  // a look goes on to the descriptor's test
        program.push_back(
            BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<__u32>(looks[i]), static_cast<__u8>(n - i), 0));
    program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    program.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[0])));
    program.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<__u32>(descriptor), 0, 1));
    program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | ENOENT));
    program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    return confine(std::move(program));
}

// A `T` in memory that a child process forked later shares.
template <class T>
class SharedMemory {
public:
    SharedMemory() : memory_(mmap(nullptr, sizeof(T), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0)) {
        if (memory_ == MAP_FAILED) throw std::system_error(errno, std::generic_category(), "no shared memory");
        object_ = new (memory_) T();
    }
    ~SharedMemory() {
        object_->~T();
        munmap(memory_, sizeof(T));
    }
    SharedMemory(const SharedMemory&) = delete;
    SharedMemory& operator=(const SharedMemory&) = delete;

    T* operator->() const { return object_; }
    T& operator*() const { return *object_; }

private:
    void* memory_;
    T* object_ = nullptr;
};

}  // namespace

TEST(Registration, RegisterTwiceThenUnregisterLeavesTheRegistryAsItWas) {
    RegistryRoot root;
    ModuleLoader module(DD_MODULE_PATH);
    EXPECT_EQ(module.dllUnregisterServer(), 0);  // never written: still a success
    EXPECT_FALSE(fs::exists(root.path));         // and nothing made
    EXPECT_EQ(module.dllRegisterServer(), 0);
    EXPECT_EQ(module.dllRegisterServer(), 0);
    const auto values = platform::readKey(kKey);
    ASSERT_TRUE(values.has_value());
    // Read back in name order, byte by byte.
    std::vector<std::string> names;
    std::map<std::string, platform::RegistryValue> byName;
    for (const auto& v : *values) {
        names.push_back(v.name);
        byName[v.name] = v;
    }
    EXPECT_EQ(names, (std::vector<std::string>{"BottomBarStyle", "DLLPATH", "Description", "TechnicalDescription",
                                               "WriteNotAvailableVariablesToDevice"}));
    std::unique_ptr<CInformation> info(module.getInformation());
    const std::string path = info->GetModulePath().str();
    const auto& dllPath = byName.at("DLLPATH");
    EXPECT_EQ(dllPath.type, platform::REG_SZ);
    ASSERT_EQ(dllPath.data.size(), path.size() + 1);  // the terminating zero counts
    EXPECT_EQ(dllPath.data.back(), 0);
    EXPECT_EQ(std::string(dllPath.data.begin(), dllPath.data.end() - 1), path);
    EXPECT_EQ(byName.at("Description").data.size(), 19u);
    EXPECT_EQ(byName.at("TechnicalDescription").data.size(), 14u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(byName.at("TechnicalDescription").data.data())),
              "1:17;5434,1,1");
    for (const char* dword : {"BottomBarStyle", "WriteNotAvailableVariablesToDevice"}) {
        EXPECT_EQ(byName.at(dword).type, platform::REG_DWORD);
        EXPECT_EQ(byName.at(dword).data, (std::vector<unsigned char>{1, 0, 0, 0}));
    }
    EXPECT_EQ(module.dllUnregisterServer(), 0);
    EXPECT_FALSE(platform::readKey(kKey).has_value());
    EXPECT_TRUE(platform::readKey(kDeviceModulesKey).has_value());  // parents stay
}

TEST(Registration, ARegistryThatCannotBeWrittenReportsFailure) {
    RegistryRoot root;
    const fs::path module = root.openCopyOfModule();
    const fs::path registry = root.path / "registry";
    fs::create_directories(registry);
    root.environment.set("DD_REGISTRY_ROOT", registry.string());
    fs::permissions(registry,
                    fs::perms::all & ~fs::perms::group_write & ~fs::perms::others_write & ~fs::perms::owner_write);
    const auto failed = asOrdinaryUser(
        [&]() -> std::string {
            ModuleLoader loaded(module.string());
            if (const std::int32_t r = loaded.dllRegisterServer(); r != kAccessDenied)
                return "register gave " + std::to_string(r);
            if (const std::int32_t r = loaded.dllUnregisterServer(); r != 0)  // no key to remove
                return "unregister gave " + std::to_string(r);
            return {};
        },
        {module});
    if (!failed) GTEST_SKIP() << "root's rights could not be given up";
    EXPECT_EQ(*failed, "");
}

TEST(Registration, AKeyThatCannotBeRemovedWholeStaysWhole) {
    // The key's own folder may be written and its parent not; or the parent
    // and not the key's folder; or either only by the owners of what it holds
    // (the sticky bit): the key cannot be removed whole, so none of its values
    // may go either.
    RegistryRoot root;
    const fs::path module = root.openCopyOfModule();
    root.environment.set("DD_REGISTRY_ROOT", (root.path / "registry").string());
    ASSERT_EQ(ModuleLoader(module.string()).dllRegisterServer(), 0);
    const fs::path key = root.path / "registry" / kKeyFolder;
    const fs::perms readable = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                               fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;
    const struct {
        fs::perms parent, key;
    } cases[] = {{readable, fs::perms::all},
                 {fs::perms::all, readable},
                 {fs::perms::all | fs::perms::sticky_bit, fs::perms::all},
                 {fs::perms::all, fs::perms::all | fs::perms::sticky_bit}};
    for (const auto& c : cases) {
        // The sticky bit binds only those who own neither the folder nor the
        // entry: root's tests run as another user.
        if (((c.parent | c.key) & fs::perms::sticky_bit) != fs::perms::none && geteuid() != 0) continue;
        fs::permissions(key.parent_path(), c.parent);
        fs::permissions(key, c.key);
        const auto failed = asOrdinaryUser(
            [&]() -> std::string {
                ModuleLoader loaded(module.string());
                if (const std::int32_t r = loaded.dllUnregisterServer(); r != kAccessDenied)
                    return "unregister gave " + std::to_string(r);
                const auto values = platform::readKey(kKey);
                if (!values || values->size() != 5) return "the key lost values";
                return {};
            },
            {module});
        if (!failed) GTEST_SKIP() << "root's rights could not be given up";
        EXPECT_EQ(*failed, "") << static_cast<int>(c.parent) << " " << static_cast<int>(c.key);
    }
    // Once it may, the removal takes the key whole.
    fs::permissions(key.parent_path(), fs::perms::all);
    fs::permissions(key, fs::perms::all);
    EXPECT_EQ(ModuleLoader(module.string()).dllUnregisterServer(), 0);
    EXPECT_TRUE(fs::is_empty(key.parent_path()));
}

TEST(Registration, TheRootIsXdgDataHomesThenTheHomeFoldersThenTheUsersOwnTemporaryOne) {
    // A set-group-ID copy of this program, run below: in secure execution no
    // variable names the temporary folder, as the standard library reads
    // none there.
    if (std::getenv("DD_SECURE_COPY")) {
        std::printf("root place: %s\n", getauxval(AT_SECURE) ? platform::registryRootPlace().c_str() : "(not secure)");
        return;
    }
    // On the way to the root, a folder that a killed call was making goes
    // with the next call that makes one there; one that a live call, of
    // another registry too, is making (and holds locked) stays.
    RegistryRoot root;
    std::vector<Opened> held;
    std::map<fs::path, bool> making;  // whether a live call holds it
    for (const fs::path& at : {root.path, root.path / "tmp"})
        for (const bool live : {false, true}) {
            const fs::path folder = at / (live ? ".0123456789ABCDEF.making" : ".FEDCBA9876543210.making");
            fs::create_directories(folder);
            making[folder] = live;
            if (live) {
                ASSERT_EQ(flock(held.emplace_back(folder).descriptor, LOCK_EX), 0);
            }
        }
    ScopedEnvironment environment;
    environment.set("HOME", (root.path / "home").string());
    ModuleLoader module(DD_MODULE_PATH);
    const auto registersUnder = [&](const fs::path& folder) {
        const fs::path value = folder / kKeyFolder / "DLLPATH.value";
        EXPECT_EQ(module.dllRegisterServer(), 0);
        EXPECT_TRUE(fs::exists(value)) << value;
        EXPECT_EQ(fs::symlink_status(folder).permissions(), fs::perms::owner_all) << folder;  // the user's alone
        EXPECT_EQ(module.dllUnregisterServer(), 0);
        EXPECT_FALSE(fs::exists(value)) << value;
    };
    for (const bool chosenButEmpty : {false, true}) {
        SCOPED_TRACE(chosenButEmpty ? "DD_REGISTRY_ROOT empty" : "DD_REGISTRY_ROOT unset");
        if (chosenButEmpty)
            environment.set("DD_REGISTRY_ROOT", "");
        else
            environment.unset("DD_REGISTRY_ROOT");
        environment.set("XDG_DATA_HOME", (root.path / "data").string());
        registersUnder(root.path / "data" / "ddregistry");
        environment.unset("XDG_DATA_HOME");
        registersUnder(root.path / "home" / ".local" / "share" / "ddregistry");
    }
    // Every user shares the temporary folder: its registry folder is made for
    // this user alone, and refused when anyone else may have been at it.
    environment.unset("HOME");
    // There the temporary folder is the one the standard library names, by
    // any spelling of its variables (each set, unset, empty, relative, with a
    // trailing /), and the host tool's check of a trace walks that root.
    const struct Back {
        fs::path to;
        ~Back() { fs::current_path(to); }
    } back{fs::current_path()};
    const fs::path link = root.folder.path / "link";
    fs::current_path(root.folder.path);
    for (const char* name : {"a", "b"}) fs::create_directory(name);
    const std::string a = fs::absolute("a").string(), b = fs::absolute("b").string();
    const std::string variables[] = {"TMPDIR", "TMP", "TEMP", "TEMPDIR"};
    // The first variable set is spelt in each way; those before it are unset,
    // those after it name another folder.
    for (std::size_t first = 0; first < std::size(variables); ++first)
        for (const std::string& spelt : {a, std::string(), std::string("a"), std::string("a/"), a + "/"}) {
            SCOPED_TRACE(variables[first] + "=" + spelt);
            for (std::size_t i = 0; i < std::size(variables); ++i)
                i < first ? environment.unset(variables[i]) : environment.set(variables[i], i == first ? spelt : b);
            std::error_code ec;
            const fs::path temporary = fs::temp_directory_path(ec),
                           registry = ec ? fs::path() : temporary / "ddregistry";
            EXPECT_EQ(platform::registryRootPlace(), registry);
            if (registry.empty()) {
                EXPECT_EQ(module.dllRegisterServer(), kAccessDenied);
                continue;
            }
            ASSERT_EQ(module.dllRegisterServer(), 0);
            EXPECT_EQ(platform::registryRoot(), registry);
            fs::create_hard_link(registry / kKeyFolder / "DLLPATH.value", link);
            std::ostringstream out, err;
            EXPECT_EQ(runTool({"--module", DD_MODULE_PATH, "--trace", link.string(), "info"}, out, err), 2);
            EXPECT_EQ(err.str(), "ddhost: --trace " + link.string() + " is a file of the registry\n");
            fs::remove(link);
            EXPECT_EQ(module.dllUnregisterServer(), 0);
        }
    std::string untried;
    if (geteuid() == 0) {
        const fs::path copy = root.folder.path / "secure-copy";
        fs::copy_file("/proc/self/exe", copy);
        ASSERT_TRUE(chown(copy.c_str(), 0, kNobody) == 0 && chmod(copy.c_str(), 02755) == 0);
        environment.set("DD_SECURE_COPY", "1");
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        const std::string said =
            shell(copy.string() + " --gtest_filter=" + test->test_suite_name() + "." + test->name()).out;
        environment.unset("DD_SECURE_COPY");
        if (said.find("root place: (not secure)\n") != std::string::npos)
            untried = "no secure execution here";
        else
            EXPECT_NE(said.find("root place: /tmp/ddregistry\n"), std::string::npos) << said;
    }
    environment.set("TMPDIR", (root.path / "tmp").string());
    const fs::path shared = root.path / "tmp" / "ddregistry";
    registersUnder(shared);
    for (const auto& [folder, live] : making) EXPECT_EQ(fs::is_directory(folder), live) << folder;
    const std::function<void()> plants[] = {
        [&] {
            fs::remove(shared);
            fs::create_directory_symlink(root.path / "data", shared);
        },
        [&] { fs::permissions(shared, fs::perms::group_write, fs::perm_options::add); },
        [&] { ASSERT_EQ(chown(shared.c_str(), kNobody, kNobody), 0); },  // another user's: root only
    };
    for (std::size_t i = 0; i < std::size(plants) && (i < 2 || geteuid() == 0); ++i) {
        SCOPED_TRACE(i);
        fs::remove_all(shared);
        fs::create_directory(shared);
        fs::permissions(shared, fs::perms::owner_all);
        plants[i]();
        EXPECT_EQ(module.dllRegisterServer(), kAccessDenied);
        EXPECT_THROW(platform::registryRoot(), std::runtime_error);
    }
    EXPECT_FALSE(fs::exists(root.path / "data" / "HKEY_LOCAL_MACHINE"));
    if (!untried.empty()) GTEST_SKIP() << untried;
}

#if defined(__x86_64__)
namespace {
// How many folders were found held, and not held, as they were put in place.
std::atomic<int> heldWhenPlaced{0}, looseWhenPlaced{0};
// Stands in for renameat2, trapped: tries to lock the folder it was to put
// in place, then fails as a file system that cannot rename without
// replacing, so that the registry puts it in place otherwise.
void onRenameWithoutReplacing(int, siginfo_t*, void* context) {
    auto& registers = static_cast<ucontext_t*>(context)->uc_mcontext.gregs;
    const int folder = openat(static_cast<int>(registers[REG_RDI]), reinterpret_cast<const char*>(registers[REG_RSI]),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool held = folder >= 0 && flock(folder, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ++(held ? heldWhenPlaced : looseWhenPlaced);
    if (folder >= 0) close(folder);
    registers[REG_RAX] = -EINVAL;
}
}  // namespace

TEST(Registration, AFolderBeingMadeIsHeldUntilItIsInPlace) {
    // Each folder the first registration makes, the root's included, is held
    // locked by its maker when it is put in place, so that no other call
    // clears it meanwhile; and where renaming without replacing is refused,
    // the folders are put in place all the same. In a child process.
    RegistryRoot root;
    ModuleLoader module(DD_MODULE_PATH);
    struct sigaction trapped {};
    trapped.sa_sigaction = onRenameWithoutReplacing;
    trapped.sa_flags = SA_SIGINFO;
    EXPECT_EQ(
        inChildProcess(
            [&] { return sigaction(SIGSYS, &trapped, nullptr) == 0 && answering({SYS_renameat2}, SECCOMP_RET_TRAP); },
            [&]() -> std::string {
                const std::int32_t r = module.dllRegisterServer();
                return "register gave " + std::to_string(r) + ", held " + std::to_string(heldWhenPlaced) + ", loose " +
                       std::to_string(looseWhenPlaced);
            }),
        "register gave 0, held 8, loose 0");
    EXPECT_TRUE(fs::exists(root.path / kKeyFolder / "DLLPATH.value"));
}
#endif

TEST(Registration, WhatTheRegistryMakesHasItsModesWhateverTheUmask) {
    // A user registers under a root of their own that is still to be made,
    // and later under the usual umask. The folders on the way, the keys and
    // the values keep what the umask gives, plus the owner's reading and
    // writing (and searching a folder): a private umask keeps them private,
    // one that takes even the owner's own rights leaves every call working.
    // The folder the registry chooses for itself is the user's alone.
    RegistryRoot root;
    const fs::path module = root.openCopyOfModule();
    const fs::path own = root.path / "own";
    for (const fs::path& folder : {own, own / "tmp"}) {
        fs::create_directories(folder);
        fs::permissions(folder, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
        if (geteuid() == 0) {
            ASSERT_EQ(chown(folder.c_str(), kNobody, kNobody), 0);
        }
    }
    const struct {
        mode_t umask;
        const char* variable;
        fs::path chosen, registry;  // as the variable names it, and the root
    } cases[] = {
        {0077, "DD_REGISTRY_ROOT", own / "private" / "registry", own / "private" / "registry"},
        {0222, "DD_REGISTRY_ROOT", own / "chosen" / "registry", own / "chosen" / "registry"},
        {0777, "XDG_DATA_HOME", own / "xdg" / "data", own / "xdg" / "data" / "ddregistry"},
        {0777, "TMPDIR", own / "tmp", own / "tmp" / "ddregistry"},
    };
    const auto modeOf = [](const fs::path& path) {
        struct stat status {};
        return lstat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 07777;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.variable);
        ScopedEnvironment environment;
        for (const char* variable : {"DD_REGISTRY_ROOT", "XDG_DATA_HOME", "HOME"}) environment.unset(variable);
        environment.set(c.variable, c.chosen.string());
        const mode_t folderMode = (0777 & ~c.umask) | 0700, valueMode = (0666 & ~c.umask) | 0600;
        // What was there before keeps its mode.
        std::map<fs::path, mode_t> before;
        for (fs::path folder = c.registry; folder != own; folder = folder.parent_path())
            if (fs::exists(folder)) before[folder] = modeOf(folder);
        const auto registers = [&]() -> std::string {
            ModuleLoader loaded(module.string());
            if (const std::int32_t r = loaded.dllRegisterServer(); r != 0) return "register gave " + std::to_string(r);
            if (platform::readKey(kKey).value_or(std::vector<platform::RegistryValue>{}).size() != 5)
                return "the values cannot be read back";
            std::ostringstream modes, meant;
            const auto add = [&](const fs::path& path, mode_t mode) {
                modes << path.lexically_relative(own).string() << ' ' << std::oct << modeOf(path) << '\n';
                meant << path.lexically_relative(own).string() << ' ' << std::oct << mode << '\n';
            };
            for (fs::path folder = c.registry.parent_path(); folder != own; folder = folder.parent_path())
                add(folder, before.count(folder) ? before[folder] : folderMode);
            add(c.registry, c.registry == c.chosen ? folderMode : 0700);
            std::error_code ec;
            for (auto i = fs::recursive_directory_iterator(c.registry, ec);
                 !ec && i != fs::recursive_directory_iterator(); i.increment(ec))
                add(i->path(), i->is_directory(ec) ? folderMode : valueMode);
            if (ec) return "cannot walk the registry: " + ec.message();
            if (modes.str() != meant.str()) return "modes:\n" + modes.str() + "meant:\n" + meant.str();
            // Later calls under the usual umask.
            umask(022);
            if (const std::int32_t r = loaded.dllRegisterServer(); r != 0)
                return "then register gave " + std::to_string(r);
            if (const std::int32_t r = loaded.dllUnregisterServer(); r != 0)
                return "then unregister gave " + std::to_string(r);
            return {};
        };
        const auto failed = asOrdinaryUser(
            [&]() -> std::string {
                const ScopedUmask mask(c.umask);
                try {
                    return registers();
                } catch (const std::exception& failure) {
                    return failure.what();
                }
            },
            {module});
        if (!failed) GTEST_SKIP() << "root's rights could not be given up";
        EXPECT_EQ(*failed, "");
    }
}

TEST(Registration, WithoutProcEveryCallWorksWhateverTheUmask) {
    // A confined system with no /proc, in a child that has the registry's
    // folder for its whole file system (root only): unregistering with
    // nothing registered (which makes nothing), registering, reading back and
    // removing work under the usual umask, for an ordinary user under one that
    // takes even the owner's own rights, on an older kernel, and where what
    // root makes is given to another user. One thing only needs /proc there,
    // on a kernel older than 6.6: making a folder that the umask closes to its
    // owner, in a folder other users may change. That call fails, says why,
    // leaves nothing, and later calls under the usual umask work.
    RegistryRoot root;
    ModuleLoader module(DD_MODULE_PATH);
    for (const char* folder : {"own", "shared", "old"}) fs::create_directories(root.path / folder);
    for (const char* folder : {"shared", "old"}) fs::permissions(root.path / folder, fs::perms::all);
    if (geteuid() == 0) {
        ASSERT_EQ(chown((root.path / "own").c_str(), kNobody, kNobody), 0);
    }
    const bool modesChangeUnfollowed =
        syscall(kFchmodat2, AT_FDCWD, (root.path / "old").c_str(), 0777, AT_SYMLINK_NOFOLLOW) == 0;
    enum class As { root, nobody, rootWhoseFilesAreNobodys };
    const struct {
        mode_t umask;
        As user;
        bool olderKernel, temporary;  // the root: $DD_REGISTRY_ROOT, or ddregistry in $TMPDIR
        const char* registry;
        std::int32_t result;
    } cases[] = {
        {022, As::root, false, false, "/registry", 0},
        {0777, As::nobody, false, false, "/own/registry", 0},
        {0777, As::nobody, false, false, "/shared/registry", modesChangeUnfollowed ? 0 : kNotSupported},
        {0777, As::nobody, true, false, "/own/old", 0},
        {0777, As::nobody, true, true, "/old/ddregistry", kNotSupported},
        {022, As::rootWhoseFilesAreNobodys, false, false, "/own/given", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.registry);
        const auto failed = inChildProcess(
            [&] {
                umask(c.umask);
                if (c.temporary)
                    for (const char* variable : {"DD_REGISTRY_ROOT", "XDG_DATA_HOME", "HOME"}) unsetenv(variable);
                bool confined = (c.temporary ? setenv("TMPDIR", fs::path(c.registry).parent_path().c_str(), 1)
                                             : setenv("DD_REGISTRY_ROOT", c.registry, 1)) == 0 &&
                                chroot(root.path.c_str()) == 0 && chdir("/") == 0 && access("/proc", F_OK) != 0;
                if (c.user == As::nobody)
                    confined = confined && setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0;
                if (c.user == As::rootWhoseFilesAreNobodys) {
                    setfsgid(kNobody);
                    setfsuid(kNobody);
                    confined = confined && setfsuid(static_cast<uid_t>(-1)) == kNobody;
                }
                return confined && (!c.olderKernel || asOnAnOlderKernel({SYS_renameat2, kFchmodat2}));
            },
            [&]() -> std::string {
                const auto valuesRead = [] {
                    return platform::readKey(kKey).value_or(std::vector<platform::RegistryValue>{}).size();
                };
                try {
                    if (const std::int32_t r = module.dllUnregisterServer(); r != 0 || fs::exists(c.registry))
                        return "unregister with nothing registered gave " + std::to_string(r);
                    if (const std::int32_t r = module.dllRegisterServer(); r != c.result)
                        return "register gave " + std::to_string(r);
                    if (c.result) {
                        std::ostringstream out, err;
                        runTool({"--module", DD_MODULE_PATH, "register"}, out, err);
                        if (out.str().rfind("DllRegisterServer: 0x80070032 (not supported: this needs /proc here)\n",
                                            0) != 0)
                            return "ddhost said " + out.str();
                        if (!fs::is_empty(fs::path(c.registry).parent_path())) return "a failed call left something";
                    }
                    if (!c.result && (valuesRead() != 5 || module.dllUnregisterServer() != 0))
                        return "reading back or unregistering failed";
                    umask(022);
                    return module.dllRegisterServer() == 0 && valuesRead() == 5 ? "" : "later calls failed";
                } catch (const std::exception& failure) {
                    return failure.what();
                }
            });
        if (!failed) GTEST_SKIP() << "no system without /proc could be had";
        EXPECT_EQ(*failed, "");
        EXPECT_TRUE(fs::exists(root.path / fs::path(c.registry).relative_path() / kKeyFolder / "DLLPATH.value"));
    }
}

TEST(Registration, AValueThatCannotBeWrittenLeavesNothingBehind) {
    // A file-size limit cuts the new value's file short, in a child process.
    RegistryRoot root;
    ModuleLoader module(DD_MODULE_PATH);
    ASSERT_EQ(module.dllRegisterServer(), 0);
    const fs::path key = root.path / kKeyFolder;
    std::ofstream(key / "DLLPATH.value", std::ios::binary) << std::string("\1\0\0\0old", 7);
    const auto failed = inChildProcess(
        [] {
            const rlimit limit{8, 8};
            return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &limit) == 0;
        },
        [&]() -> std::string {
            const std::int32_t r = module.dllRegisterServer();
            return r == kFileTooLarge ? "" : "register gave " + std::to_string(r);
        });
    EXPECT_EQ(failed, "");
    const auto values = platform::readKey(kKey);
    ASSERT_TRUE(values && values->size() == 5u);
    EXPECT_EQ(std::string(values->at(1).data.begin(), values->at(1).data.end()), "old");  // DLLPATH
    for (const auto& entry : fs::directory_iterator(key)) EXPECT_EQ(entry.path().extension(), ".value") << entry.path();
}

TEST(Registration, AWriteThatFailsLeavesNoHiddenFileWhenItReturns) {
    // The failed write is the last call, in a child process under a file-size
    // limit: no later call clears what it may have left. The key holds its
    // old value, and nothing else.
    RegistryRoot root;
    Handle machine, key;
    ASSERT_EQ(connect(machine), 0);
    ASSERT_EQ(createKey(machine.key, "A", key), 0);
    ASSERT_EQ(setOne(key.key, "v"), 0);
    const auto failed = inChildProcess(
        [] {
            const rlimit limit{8, 8};  // the old value's file just fits
            return std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && setrlimit(RLIMIT_FSIZE, &limit) == 0;
        },
        [&]() -> std::string {
            const platform::BYTE bytes[5] = {2, 0, 0, 0, 0};
            const platform::LONG r =
                platform::RegSetValueExA(key.key, "v", 0, platform::REG_DWORD, bytes, sizeof bytes);
            return r == platform::ERROR_FILE_TOO_LARGE ? "" : "set gave " + std::to_string(r);
        });
    EXPECT_EQ(failed, "");
    const fs::path folder = root.path / "HKEY_LOCAL_MACHINE" / "A";
    for (const auto& entry : fs::directory_iterator(folder)) EXPECT_EQ(entry.path(), folder / "v.value");
    std::ostringstream old;
    old << std::ifstream(folder / "v.value", std::ios::binary).rdbuf();
    EXPECT_EQ(old.str(), std::string("\4\0\0\0\1\0\0\0", 8));
}

TEST(Registration, NoKeyOrValueIsReachedThroughALink) {
    // Each case plants a link in the registry that leads outside it: nothing
    // outside may change, and a key reached through the link is refused.
    const struct {
        fs::path link;    // below the registry's root
        fs::path target;  // below the folder outside
        bool keyRefused, readBeforeRefused;
    } cases[] = {
        {kKeyFolder, "", true, true},
        {kKeyFolder.parent_path(), "", true, true},
        // Where a killed call was writing a value: cleared, never written through.
        {kKeyFolder / ".0123456789ABCDEF.partial", "DLLPATH.value", false, false},
        {kKeyFolder / "DLLPATH.value", "DLLPATH.value", false, true},
    };
    ModuleLoader module(DD_MODULE_PATH);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.link);
        RegistryRoot root;
        const fs::path registry = root.path / "registry", outside = root.path / "outside";
        root.environment.set("DD_REGISTRY_ROOT", registry.string());
        fs::create_directories(outside);
        std::ofstream(outside / "DLLPATH.value", std::ios::binary) << std::string("\1\0\0\0outside", 11);
        std::ofstream(outside / "other") << "not a value";
        fs::create_directories((registry / c.link).parent_path());
        fs::create_symlink(outside / c.target, registry / c.link);
        const auto before = contentsOf(outside);
        bool refused = false;
        try {
            platform::readKey(kKey);
        } catch (const std::runtime_error&) {
            refused = true;
        }
        EXPECT_EQ(refused, c.readBeforeRefused);
        EXPECT_EQ(module.dllRegisterServer(), c.keyRefused ? kAccessDenied : 0);
        if (!c.keyRefused) {
            EXPECT_EQ(platform::readKey(kKey).value_or(std::vector<platform::RegistryValue>{}).size(), 5u);
            for (const auto& entry : fs::directory_iterator(registry / kKeyFolder))
                EXPECT_EQ(entry.path().extension(), ".value") << entry.path();
        }
        EXPECT_EQ(module.dllUnregisterServer(), c.keyRefused ? kAccessDenied : 0);
        EXPECT_EQ(contentsOf(outside), before);
    }
}

TEST(Registration, WhatKilledRemovalsSetAsideGoesWithTheNextRemoval) {
    // Whatever stands at a name under which a removal sets a key aside goes
    // with the next removal in that folder, links as links, whether or not
    // that removal finds its own key.
    RegistryRoot root;
    ModuleLoader module(DD_MODULE_PATH);
    const fs::path parent = (root.path / kKeyFolder).parent_path();
    for (const bool registered : {false, true}) {
        SCOPED_TRACE(registered);
        fs::create_directories(parent / ".0123456789ABCDEF.removing");
        std::ofstream(parent / ".0123456789ABCDEF.removing" / "DLLPATH.value") << "left";
        std::ofstream(parent / ".FEDCBA9876543210.removing") << "a file";
        fs::create_symlink(root.path, parent / ".00000000000000AA.removing");
        if (registered) {
            ASSERT_EQ(module.dllRegisterServer(), 0);
        }
        EXPECT_EQ(module.dllUnregisterServer(), 0);
        EXPECT_FALSE(platform::readKey(kKey).has_value());
        EXPECT_TRUE(fs::is_empty(parent));
    }
}

TEST(Registration, WhatKilledCallsLeftGoesWithTheNextCallThatWritesInItsFolder) {
    // A value's hidden file, a key set aside and a folder still to be put in
    // place, as killed calls leave them, go with the next call that writes in
    // their folder, whichever it is. A call that cannot clear them, for want
    // of descriptors in a child process, says so and changes no key or value.
    // One nested deeper than the registry goes stays, in nobody's way, and
    // so does a folder that a live call is making and holds locked.
    RegistryRoot root;
    Handle machine, key, subkey;
    ASSERT_EQ(connect(machine), 0);
    ASSERT_EQ(createKey(machine.key, "A", key), 0);
    const fs::path folder = root.path / "HKEY_LOCAL_MACHINE" / "A";
    const auto entries = [&] {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
        return names;
    };
    const struct {
        const char* call;
        std::function<platform::LONG()> writes;
        std::set<std::string> left;
    } cases[] = {
        {"creating a key", [&] { return createKey(machine.key, "A\\B", subkey); }, {"B"}},
        {"setting a value", [&] { return setOne(key.key, "v"); }, {"B", "v.value"}},
        {"deleting a key", [&] { return platform::RegDeleteKeyA(machine.key, "A\\B"); }, {"v.value"}},
    };
    // Every free descriptor below the highest taken, and six more allowed:
    // enough for a call, too few to clear a key set aside that holds
    // folders twelve deep.
    const auto fewDescriptors = [] {
        int highest = 0;
        for (int descriptor = 0; descriptor < 1024; ++descriptor)
            if (fcntl(descriptor, F_GETFD) != -1) highest = descriptor;
        for (int taken; (taken = fcntl(highest, F_DUPFD_CLOEXEC, 0)) >= 0 && taken < highest;) {}
        const rlimit limit{rlim_t(highest) + 8, rlim_t(highest) + 8};
        return setrlimit(RLIMIT_NOFILE, &limit) == 0;
    };
    const std::string deepest = ".00000000000000AA.removing", live = ".00000000000000BB.making";
    fs::create_directories(folder / deepest / "k/k/k/k/k/k/k/k/k/k/k/k/k/k/k/k/k/k/k/k");
    fs::create_directory(folder / live);
    const Opened held(folder / live);
    ASSERT_EQ(flock(held.descriptor, LOCK_EX), 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.call);
        const fs::path deep = folder / ".0123456789ABCDEF.removing" / "k/k/k/k/k/k/k/k/k/k/k/k";
        fs::create_directories(deep);
        std::ofstream(deep / "old.value") << "left";
        std::ofstream(folder / ".FEDCBA9876543210.partial") << "left";
        fs::create_directory(folder / ".0011223344556677.making");
        fs::permissions(folder / ".0011223344556677.making", fs::perms::none);
        const auto keysAndValues = [&] {
            std::set<std::string> names = entries();
            std::erase_if(names, [](const std::string& name) { return name[0] == '.'; });
            return names;
        };
        const auto before = keysAndValues();
        EXPECT_EQ(inChildProcess(fewDescriptors,
                                 [&] {
                                     const platform::LONG r = c.writes();
                                     return r == platform::ERROR_TOO_MANY_OPEN_FILES ? "" : "gave " + std::to_string(r);
                                 }),
                  "");
        EXPECT_EQ(keysAndValues(), before);
        EXPECT_EQ(c.writes(), 0);
        std::set<std::string> left = c.left;
        left.insert({deepest, live});
        EXPECT_EQ(entries(), left);
    }
    // A mount point named like a folder being made cannot be removed: it is
    // not the registry's, and a key is made beside it.
    fs::remove_all(folder / deepest);
    fs::create_directory(folder / ".00000000000000CC.making");
    EXPECT_EQ(inChildProcess([] { return answering({SYS_unlinkat}, SECCOMP_RET_ERRNO | EBUSY); },
                             [&] {
                                 const platform::LONG r = createKey(machine.key, "A\\M", subkey);
                                 return r == 0 ? "" : "gave " + std::to_string(r);
                             }),
              "");
    EXPECT_TRUE(fs::is_directory(folder / "M"));
}

TEST(Registration, CallsAtTheSameTimeEachSucceed) {
    // Writers of the same values, removals of the same key: none is in
    // another's way.
    RegistryRoot root;
    ModuleLoader module(DD_MODULE_PATH);
    for (int round = 0; round < 20; ++round) {
        for (const bool add : {true, false}) {
            std::int32_t results[4] = {};
            std::vector<std::thread> calls;
            for (std::int32_t& r : results)
                calls.emplace_back([&] { r = add ? module.dllRegisterServer() : module.dllUnregisterServer(); });
            for (std::thread& call : calls) call.join();
            for (const std::int32_t r : results) ASSERT_EQ(r, 0) << (add ? "register" : "unregister") << " " << round;
        }
    }
    EXPECT_FALSE(platform::readKey(kKey).has_value());
}

TEST(Registration, CallsOfManyProcessesAreEachWhole) {
    // Registrations and removals race, each in a process of its own. Every
    // call is whole: a registration fails only where a removal took its key
    // between two of its calls, as on the system's registry, and what one
    // call leaves, the next finds in order.
    RegistryRoot root;
    ModuleLoader module(DD_MODULE_PATH);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    std::vector<std::unique_ptr<Child>> loops;
    for (int i = 0; i < 4; ++i)
        loops.push_back(std::make_unique<Child>([&, add = i % 2 == 0] {
            std::ostringstream results;
            while (std::chrono::steady_clock::now() < until)
                results << (add ? module.dllRegisterServer() : module.dllUnregisterServer()) << ' ';
            return results.str();
        }));
    std::map<std::int32_t, int> registered, unregistered;
    for (int i = 0; i < 4; ++i) {
        std::istringstream results(loops[i]->join().value_or(""));
        for (std::int32_t result; results >> result;) ++(i % 2 == 0 ? registered : unregistered)[result];
    }
    EXPECT_GT(registered[0], 0);
    EXPECT_GT(unregistered[0], 0);
    for (const auto& [result, count] : registered)
        EXPECT_TRUE(result == 0 || result == kKeyDeleted) << "register gave " << result << " " << count << " times";
    EXPECT_EQ(unregistered.size(), 1u);
    ASSERT_EQ(module.dllRegisterServer(), 0);
    EXPECT_EQ(platform::readKey(kKey).value_or(std::vector<platform::RegistryValue>{}).size(), 5u);
    ASSERT_EQ(module.dllUnregisterServer(), 0);
    EXPECT_TRUE(fs::is_empty((root.path / kKeyFolder).parent_path()));
}

TEST(Registration, AReaderSeesAKeyWholeOrNotAtAll) {
    // A reader in another process counts what it saw of the key while only
    // removals ran: all five values or none.
    RegistryRoot root;
    ModuleLoader module(DD_MODULE_PATH);
    struct Steps {
        // Odd while a registration runs, even from the start of a removal on,
        // negative once the reader is to stop.
        std::atomic<int> step{0};
        std::atomic<bool> reading{false};
    };
    SharedMemory<Steps> shared;
    Child reader([&] {
        int whole = 0, none = 0, part = 0;
        for (int seen; (seen = shared->step.load()) >= 0; shared->reading = true) {
            std::optional<std::size_t> size = 0;
            try {
                const auto values = platform::readKey(kKey);
                size = values ? std::optional(values->size()) : std::nullopt;
            } catch (const std::exception&) {}
            if (seen % 2 || shared->step.load() != seen) continue;  // a registration may have run meanwhile
            ++(!size ? none : *size == 5 ? whole : part);
        }
        return std::to_string(whole) + " " + std::to_string(none) + " " + std::to_string(part);
    });
    while (!shared->reading) std::this_thread::yield();
    for (int round = 0; round < 100; ++round) {
        shared->step = 2 * round + 1;
        EXPECT_EQ(module.dllRegisterServer(), 0);
        shared->step = 2 * round + 2;
        EXPECT_EQ(module.dllUnregisterServer(), 0);
        // Reads that waited for the removal end within its step.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    shared->step = -1;
    std::istringstream counts(reader.join().value_or(""));
    int whole = -1, none = -1, part = -1;
    counts >> whole >> none >> part;
    EXPECT_EQ(part, 0) << whole << " whole, " << none << " none";
    EXPECT_GT(whole + none, 0);
}

TEST(Registration, EveryCallWaitsForTheLockOfItsRoot) {
    // Another process holds the root's lock as a call of its own would: a
    // read waits only for a writer, a write for anyone.
    RegistryRoot root;
    ModuleLoader module(DD_MODULE_PATH);
    ASSERT_EQ(module.dllRegisterServer(), 0);
    SharedMemory<std::atomic<bool>> ended;
    const int held = open(root.path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    const struct {
        int lock;
        bool write, waits;
    } cases[] = {{LOCK_EX, false, true}, {LOCK_EX, true, true}, {LOCK_SH, true, true}, {LOCK_SH, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.lock == LOCK_EX ? "held for writing, " : "held for reading, ") +
                     (c.write ? "a write" : "a read"));
        ASSERT_EQ(flock(held, c.lock), 0);
        *ended = false;
        Child call([&] {
            const bool done = c.write ? module.dllRegisterServer() == 0 : platform::readKey(kKey).has_value();
            *ended = true;
            return std::string(done ? "done" : "failed");
        });
        // A call that waits is still waiting after a while; one that need not
        // wait ends.
        for (int i = 0; i < (c.waits ? 30 : 1000) && !*ended; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_EQ(ended->load(), !c.waits);
        ASSERT_EQ(flock(held, LOCK_UN), 0);
        EXPECT_EQ(call.join(), "done");
    }
    close(held);
}

TEST(Registration, AProcessForkedDuringACallHoldsNoLockOfIt) {
    // A host thread forks while another is in the middle of a call: the
    // child must not go on holding the root's lock, or every later call
    // waits for it, the child's own first.
    RegistryRoot root;
    ModuleLoader module(DD_MODULE_PATH);
    ASSERT_EQ(module.dllRegisterServer(), 0);
    std::atomic<bool> stop{false};
    std::thread busy([&] {
        while (!stop) module.dllRegisterServer();
    });
    int read = 0;
    for (int i = 0; i < 20 && read == i; ++i) {
        const auto said = Child([&] {
                              alarm(10);
                              return std::string(platform::readKey(kKey) ? "read" : "none");
                          }).join();
        read += said == std::optional<std::string>("read");
    }
    stop = true;
    busy.join();
    EXPECT_EQ(read, 20);
}

TEST(Registration, AForkWaitsWhileACallWaitsForTheLock) {
    // The root's lock is held elsewhere: a read of this process waits for
    // it, and a fork waits for that read.
    RegistryRoot root;
    ModuleLoader module(DD_MODULE_PATH);
    ASSERT_EQ(module.dllRegisterServer(), 0);
    const int held = open(root.path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(flock(held, LOCK_EX), 0);
    std::atomic<bool> read{false}, forked{false};
    std::thread reader([&] {
        platform::readKey(kKey);
        read = true;
    });
    // The system lists a lock that a process waits for after "->" (pid, then
    // device:inode): the read waits once this process waits for the root's.
    struct stat folder {};
    ASSERT_EQ(stat(root.path.c_str(), &folder), 0);
    const std::string process = " " + std::to_string(getpid()) + " ", inode = ":" + std::to_string(folder.st_ino) + " ";
    const auto readWaits = [&] {
        std::ifstream locks("/proc/locks");
        for (std::string line; std::getline(locks, line);)
            if (line.find("-> FLOCK") != std::string::npos && line.find(process) != std::string::npos &&
                line.find(inode) != std::string::npos)
                return true;
        return false;
    };
    for (int i = 0; i < 2000 && !readWaits(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_TRUE(readWaits()) << "the read never waited for the root's lock";
    std::thread forking([&] {
        if (const pid_t child = fork(); child == 0)
            _exit(0);
        else if (child > 0)
            waitpid(child, nullptr, 0);
        forked = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(read);
    EXPECT_FALSE(forked);
    flock(held, LOCK_UN);
    reader.join();
    forking.join();
    EXPECT_TRUE(read);
    EXPECT_TRUE(forked);
    close(held);
}

namespace {
// The registry's entry points, each called on its own until cancelled. The
// call is in a function of its own, so that nothing of its caller's is on the
// frame the cancellation unwinds: AddressSanitizer would take the guard
// zones that unwinding leaves behind for an overflow.
constexpr const char* kCalls[] = {"DllRegisterServer", "DllUnregisterServer", "readKey", "registryRoot"};
struct Calling {
    ModuleLoader* module;
    int call;
};
[[gnu::noinline]] void callOnce(const Calling& calling) {
    switch (calling.call) {
    case 0: calling.module->dllRegisterServer(); break;
    case 1: calling.module->dllUnregisterServer(); break;
    case 2: platform::readKey(kKey); break;
    default: platform::registryRoot(); break;
    }
}
void* callUntilCancelled(void* calling) {
    for (;;) callOnce(*static_cast<const Calling*>(calling));
}
}  // namespace

TEST(Registration, AThreadCancelledBetweenCallsEndsThere) {
    // Cancellation waits for the call under way to end: it never unwinds
    // through one, which would end the process. Each call acts on a
    // cancellation asked for before it began, before it does anything, so
    // threads that make nothing but that call end soon after. In a child
    // process, which ends with it whatever its threads still do.
    RegistryRoot root;
    ModuleLoader module(DD_MODULE_PATH);
    const auto cancelled = [&]() -> std::string {
        // Threads that still run outlive this frame: the child ends with them.
        static Calling callings[std::size(kCalls)];
        for (int call = 0; call < static_cast<int>(std::size(kCalls)); ++call) {
            Calling& calling = callings[call];
            calling = {&module, call};
            std::vector<pthread_t> threads(8);
            for (pthread_t& thread : threads)
                if (pthread_create(&thread, nullptr, callUntilCancelled, &calling) != 0) return "no thread";
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            for (const pthread_t thread : threads)
                if (pthread_cancel(thread) != 0) return "a thread lost";
            timespec until{};
            clock_gettime(CLOCK_REALTIME, &until);
            until.tv_sec += 5;
            int running = 0;
            for (const pthread_t thread : threads) {
                void* result = nullptr;
                if (pthread_timedjoin_np(thread, &result, &until) != 0)
                    ++running;
                else if (result != PTHREAD_CANCELED)
                    return std::string(kCalls[call]) + ": a thread ended uncancelled";
            }
            if (running)
                return std::string(kCalls[call]) + ": " + std::to_string(running) +
                       " of 8 threads still ran 5 s after they were cancelled";
        }
        return "";
    };
    EXPECT_EQ(inChildProcess([] { return true; }, cancelled), "");
}

TEST(Registration, AReaderCancelledAtAnyMomentEndsBetweenCalls) {
    // Readers cancelled at moments of chance: each ends between two calls.
    // One cancelled inside a call would end the process, so they run in a
    // child.
    RegistryRoot root;
    ModuleLoader module(DD_MODULE_PATH);
    ASSERT_EQ(module.dllRegisterServer(), 0);
    const auto cancelled = [&]() -> std::string {
        std::minstd_rand chance(20261208);
        static const Calling reads[] = {{nullptr, 3}, {nullptr, 2}};  // the root's name, the key
        for (int round = 0; round < 400; ++round) {
            pthread_t reader{};
            if (pthread_create(&reader, nullptr, callUntilCancelled, const_cast<Calling*>(&reads[round % 2])) != 0)
                return "no reader";
            std::this_thread::sleep_for(std::chrono::microseconds(chance() % 400));
            timespec until{};
            clock_gettime(CLOCK_REALTIME, &until);
            until.tv_sec += 5;
            void* result = nullptr;
            if (pthread_cancel(reader) != 0) return "reader lost";
            if (pthread_timedjoin_np(reader, &result, &until) != 0)
                return "a reader still ran 5 s after it was cancelled";
            if (result != PTHREAD_CANCELED) return "reader not cancelled";
        }
        return {};
    };
    EXPECT_EQ(inChildProcess([] { return true; }, cancelled), "");
}

TEST(Registration, WhatAKilledCallLeftTheNextCallsClear) {
    // A process killed at a moment of chance, over and over, in the middle
    // of registering and removing: the next calls leave the key as it should
    // be, with nothing of the registry's own beside it. So too for a user
    // whose umask takes even the owner's own rights: no kill leaves a folder
    // its owner cannot use (root's rights would hide one). Each round has a
    // root of its own still to be made, so that its first call makes folders.
    RegistryRoot root;
    const fs::path module = root.openCopyOfModule();
    if (geteuid() == 0) {
        ASSERT_EQ(chown(root.path.c_str(), kNobody, kNobody), 0);
    }
    std::minstd_rand chance(20261207);
    for (const auto& [mask, rounds] : {std::pair<mode_t, int>{022, 30}, {0777, 60}}) {
        SCOPED_TRACE(mask);
        const auto failed = asOrdinaryUser(
            [&, mask = mask, rounds = rounds]() -> std::string {
                const ScopedUmask scoped(mask);  // this process's own when not root
                ModuleLoader loaded(module.string());
                std::ostringstream wrong;
                for (int round = 0; round < rounds && wrong.str().empty(); ++round) {
                    const fs::path registry =
                        root.path / ("round " + std::to_string(mask) + "." + std::to_string(round));
                    const fs::path key = registry / kKeyFolder;
                    root.environment.set("DD_REGISTRY_ROOT", registry.string());
                    Child busy([&]() -> std::string {
                        for (;;) {
                            loaded.dllRegisterServer();
                            loaded.dllUnregisterServer();
                        }
                    });
                    std::this_thread::sleep_for(std::chrono::microseconds(chance() % 10000));
                    busy.kill();
                    std::error_code ec;
                    if (const std::int32_t r = loaded.dllRegisterServer(); r != 0) wrong << "register gave " << r;
                    for (auto i = fs::directory_iterator(key.parent_path(), ec); !ec && i != fs::directory_iterator();
                         i.increment(ec))
                        if (i->path() != key) wrong << " beside the key: " << i->path();
                    for (auto i = fs::directory_iterator(key, ec); !ec && i != fs::directory_iterator();
                         i.increment(ec))
                        if (i->path().extension() != ".value") wrong << " in the key: " << i->path();
                    if (ec) wrong << " " << ec.message();
                    if (const std::int32_t r = loaded.dllUnregisterServer(); r != 0) wrong << " unregister gave " << r;
                    if (!fs::is_empty(key.parent_path(), ec)) wrong << " left beside the key";
                    if (!wrong.str().empty()) wrong << " (round " << round << ")";
                }
                return wrong.str();
            },
            {module});
        if (!failed) GTEST_SKIP() << "root's rights could not be given up";
        EXPECT_EQ(*failed, "");
    }
}

TEST(Registration, ACallThroughADeletedKeyFailsAsOnTheSystemsRegistry) {
    RegistryRoot root;
    Handle machine, key, again, other;
    ASSERT_EQ(connect(machine), 0);
    ASSERT_EQ(createKey(machine.key, "A\\B", key), 0);
    ASSERT_EQ(platform::RegDeleteKeyA(machine.key, "A\\B"), 0);
    EXPECT_EQ(setOne(key.key, "v"), platform::ERROR_KEY_DELETED);
    // Made anew at the same place, it is another key.
    ASSERT_EQ(createKey(machine.key, "A\\B", again), 0);
    EXPECT_EQ(setOne(key.key, "v"), platform::ERROR_KEY_DELETED);
    // Where the file system forgets a deleted folder (FUSE, say), the one the
    // key holds can no longer even be looked at: a deleted key all the same.
    EXPECT_EQ(inChildProcess(
                  [] {
                      int deleted = -1;  // the one open folder that has no name left
                      for (int descriptor = 0; descriptor < 1024; ++descriptor) {
                          struct stat status {};
                          if (fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode) && status.st_nlink == 0)
                              deleted = deleted < 0 ? descriptor : 1024;
                      }
                      return deleted >= 0 && deleted < 1024 && asIfForgotten(deleted);
                  },
                  [&] {
                      Handle made;
                      std::string results;
                      for (const platform::LONG r :
                           {setOne(key.key, "v"), createKey(key.key, "C", made), platform::RegDeleteKeyA(key.key, "C")})
                          results += std::to_string(r) + " ";
                      return results;
                  }),
              "1018 1018 1018 ");  // ERROR_KEY_DELETED, each
    EXPECT_EQ(createKey(key.key, "C", other), platform::ERROR_KEY_DELETED);
    EXPECT_EQ(platform::RegOpenKeyExA(key.key, "", 0, platform::KEY_WRITE, &other.key), platform::ERROR_KEY_DELETED);
    EXPECT_EQ(platform::RegDeleteKeyA(key.key, "C"), platform::ERROR_KEY_DELETED);
    EXPECT_EQ(other.key, nullptr);
    EXPECT_EQ(platform::readKey("A\\B").value_or(std::vector<platform::RegistryValue>(1)).size(), 0u);
    EXPECT_EQ(setOne(again.key, "v"), 0);
    // A key whose name fills a folder's name goes like any other.
    const std::string longest = "A\\" + std::string(255, 'k');
    ASSERT_EQ(createKey(machine.key, longest, other), 0);
    EXPECT_EQ(setOne(other.key, "v"), 0);
    EXPECT_EQ(platform::RegDeleteKeyA(machine.key, longest.c_str()), 0);
    EXPECT_FALSE(platform::readKey(longest).has_value());
    EXPECT_EQ(platform::RegDeleteKeyA(machine.key, "A\\B"), 0);
    EXPECT_EQ(platform::RegDeleteKeyA(machine.key, "A"), 0);
    EXPECT_TRUE(fs::is_empty(root.path / "HKEY_LOCAL_MACHINE"));
}

TEST(Registration, ACallThroughAConnectionWhoseRootWasRemovedFindsNothing) {
    // Another program removes the whole root under a live connection: the
    // connection's calls find nothing and make nothing anew; a key opened
    // before is a deleted key.
    RegistryRoot root;
    Handle machine, key, other;
    ASSERT_EQ(connect(machine), 0);
    ASSERT_EQ(createKey(machine.key, "A", key), 0);
    fs::remove_all(root.path);
    EXPECT_EQ(createKey(machine.key, "B", other), platform::ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(platform::RegOpenKeyExA(machine.key, "A", 0, platform::KEY_WRITE, &other.key),
              platform::ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(platform::RegDeleteKeyA(machine.key, "A"), platform::ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(setOne(key.key, "v"), platform::ERROR_KEY_DELETED);
    EXPECT_FALSE(fs::exists(root.path));
    // The next connection makes the root again.
    Handle again;
    ASSERT_EQ(connect(again), 0);
    EXPECT_EQ(createKey(again.key, "B", other), 0);
}

TEST(Registration, OnlyAPlainFileOfARegistrysSizeIsReadAsAValue) {
    // A pipe, a folder, a link and a huge file, planted at a value's name,
    // are reported as damaged: none is waited on, followed or read whole.
    const std::function<void(const fs::path&)> plants[] = {
        [](const fs::path& value) { ASSERT_EQ(mkfifo(value.c_str(), 0644), 0); },
        [](const fs::path& value) { fs::create_directory(value); },
        [](const fs::path& value) { fs::create_symlink(value.parent_path() / "DLLPATH.value", value); },
        [](const fs::path& value) {
            std::ofstream(value) << std::string(4, '\1');
            fs::resize_file(value, std::uintmax_t(1) << 30);
        },
        [](const fs::path& value) {
            std::ofstream(value) << std::string(4, '\1');
            fs::resize_file(value, (std::uintmax_t(1) << 20) + 1);  // one byte past the largest
        },
    };
    ModuleLoader module(DD_MODULE_PATH);
    for (std::size_t i = 0; i < std::size(plants); ++i) {
        SCOPED_TRACE(i);
        RegistryRoot root;
        ASSERT_EQ(module.dllRegisterServer(), 0);
        plants[i](root.path / kKeyFolder / "Planted.value");
        try {
            platform::readKey(kKey);
            ADD_FAILURE() << "read as a value";
        } catch (const std::runtime_error& damaged) {
            EXPECT_NE(std::string(damaged.what()).find("damaged registry value \"Planted\" ("), std::string::npos)
                << damaged.what();
        }
    }
    // No value is written that could not be read back.
    RegistryRoot root;
    Handle machine, key;
    ASSERT_EQ(connect(machine), 0);
    ASSERT_EQ(createKey(machine.key, "A", key), 0);
    const std::vector<platform::BYTE> bytes((1 << 20) - 3, 7);
    const auto size = static_cast<platform::DWORD>(bytes.size());
    EXPECT_EQ(platform::RegSetValueExA(key.key, "v", 0, 3, bytes.data(), size), platform::ERROR_INVALID_PARAMETER);
    EXPECT_EQ(platform::RegSetValueExA(key.key, "v", 0, 3, bytes.data(), size - 1), 0);
    EXPECT_EQ(platform::readKey("A").value_or(std::vector<platform::RegistryValue>(1)).at(0).data.size(), size - 1);
}

TEST(Registration, APipePlantedAsAValueIsRefusedUnopened) {
    // A writer waits on a pipe planted at a value's name until a reader
    // opens it. Reading the key refuses the pipe without opening it: the
    // writer goes on waiting.
    RegistryRoot root;
    ModuleLoader module(DD_MODULE_PATH);
    ASSERT_EQ(module.dllRegisterServer(), 0);
    const fs::path pipe = root.path / kKeyFolder / "Planted.value";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    std::atomic<bool> released{false};
    std::thread writer([&] {
        const int descriptor = open(pipe.c_str(), O_WRONLY | O_CLOEXEC);
        released = true;
        if (descriptor >= 0) close(descriptor);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));  // until the writer waits
    EXPECT_THROW(platform::readKey(kKey), std::runtime_error);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(released);
    const int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    writer.join();
    if (reader >= 0) close(reader);
}

TEST(Registration, TheTemporaryFoldersRootIsTheOneThatWasChecked) {
    // Another user may swap the checked folder for a link once it has been
    // checked: calls keep to the folder that was.
    RegistryRoot root;
    ScopedEnvironment environment;
    for (const char* name : {"DD_REGISTRY_ROOT", "XDG_DATA_HOME", "HOME"}) environment.unset(name);
    const fs::path temporary = root.path / "tmp", outside = root.path / "outside";
    environment.set("TMPDIR", temporary.string());
    fs::create_directories(temporary / "ddregistry");
    fs::permissions(temporary / "ddregistry", fs::perms::owner_all);
    fs::create_directories(outside);
    Handle machine, key;
    ASSERT_EQ(connect(machine), 0);
    fs::rename(temporary / "ddregistry", temporary / "checked");
    fs::create_directory_symlink(outside, temporary / "ddregistry");
    ASSERT_EQ(createKey(machine.key, "A", key), 0);
    EXPECT_EQ(setOne(key.key, "v"), 0);
    EXPECT_TRUE(fs::is_empty(outside));
    EXPECT_TRUE(fs::is_regular_file(temporary / "checked" / "HKEY_LOCAL_MACHINE" / "A" / "v.value"));
}

TEST(Registration, WithoutTheModulesPathNothingIsRegistered) {
    // The module objects linked into this program, with no path known.
    RegistryRoot root;
    const CStrPP known = identity::modulePath;
    identity::modulePath = "";
    const std::int32_t result = registerModule();
    identity::modulePath = known;
    EXPECT_EQ(result, static_cast<std::int32_t>(0x8007007Eu));  // the module was not found
    EXPECT_FALSE(platform::readKey(kKey).has_value());
}

TEST(Registration, ARegistryRootThatIsAFileReportsFailure) {
    RegistryRoot root;
    std::ofstream(root.path) << "not a folder";
    ModuleLoader module(DD_MODULE_PATH);
    EXPECT_EQ(module.dllRegisterServer(), kAccessDenied);
    EXPECT_EQ(module.dllUnregisterServer(), kAccessDenied);
    fs::remove(root.path);
}

TEST(Registration, ARootThatCannotBeReadFailsBothCallsAlike) {
    // A root that loops back on itself cannot be looked into, not even by root.
    RegistryRoot root;
    fs::create_directories(root.path);
    fs::create_directory_symlink("loop", root.path / "loop");
    root.environment.set("DD_REGISTRY_ROOT", (root.path / "loop").string());
    ModuleLoader module(DD_MODULE_PATH);
    EXPECT_EQ(module.dllRegisterServer(), kAccessDenied);
    EXPECT_EQ(module.dllUnregisterServer(), kAccessDenied);
}

TEST(Registration, AKeyThatCannotBeDeletedReportsFailure) {
    RegistryRoot root;
    ModuleLoader module(DD_MODULE_PATH);
    ASSERT_EQ(module.dllRegisterServer(), 0);
    // Another program's subkey under the device's key: the key stays.
    {
        Handle machine, key;
        ASSERT_EQ(connect(machine), 0);
        ASSERT_EQ(createKey(machine.key, kKey + "\\Other", key), 0);
    }
    EXPECT_EQ(module.dllUnregisterServer(), kAccessDenied);
    EXPECT_TRUE(platform::readKey(kKey).has_value());
    fs::remove_all(root.path / "HKEY_LOCAL_MACHINE");
    EXPECT_EQ(module.dllUnregisterServer(), 0);
}

TEST(Registration, KeyNamesSplitOnlyAtBackslashesAndCannotClimbOut) {
    RegistryRoot root;
    Handle machine, key, remote;
    ASSERT_EQ(connect(machine), 0);
    ASSERT_EQ(createKey(machine.key, "A\\..\\b/c\\d", key), 0);
    EXPECT_EQ(setOne(key.key, "../x"), 0);
    EXPECT_TRUE(platform::readKey("A\\..\\b/c\\d").has_value());
    EXPECT_EQ(platform::readKey("A\\..\\b/c\\d")->front().name, "../x");
    EXPECT_FALSE(fs::exists(root.path / "x.value"));
    // A key with subkeys is not deleted.
    EXPECT_NE(platform::RegDeleteKeyA(machine.key, "A"), 0);
    EXPECT_NE(platform::RegConnectRegistryA("remote", platform::HKEY_LOCAL_MACHINE, &remote.key), 0);
}
#endif
