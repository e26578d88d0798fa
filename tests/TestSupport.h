// Shared helpers of the tests: a host session on the built module, a
// temporary folder of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#if !defined(_WIN32)
#include <grp.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>

#include <unistd.h>
#include <csignal>
#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <utility>
#endif

#include "host/Session.h"
#include "tests/TemporaryFolder.h"

// The eighteen forwarder slots, every one of which a host may use for any item.
using Forwarder = CDDObject* (CAttributeCalculation::*)(ContextWord, CDDObject*);
inline constexpr Forwarder kForwarders[] = {
    &CAttributeCalculation::CalculateAttributes05, &CAttributeCalculation::CalculateAttributes06,
    &CAttributeCalculation::CalculateAttributes07, &CAttributeCalculation::CalculateAttributes08,
    &CAttributeCalculation::CalculateAttributes09, &CAttributeCalculation::CalculateAttributes10,
    &CAttributeCalculation::CalculateAttributes11, &CAttributeCalculation::CalculateAttributes12,
    &CAttributeCalculation::CalculateAttributes13, &CAttributeCalculation::CalculateAttributes15,
    &CAttributeCalculation::CalculateAttributes18, &CAttributeCalculation::CalculateAttributes19,
    &CAttributeCalculation::CalculateAttributes20, &CAttributeCalculation::CalculateAttributes21,
    &CAttributeCalculation::CalculateAttributes22, &CAttributeCalculation::CalculateAttributes24,
    &CAttributeCalculation::CalculateAttributes25, &CAttributeCalculation::CalculateAttributes26,
};

// Traced: tests read the host's call log. A module that cannot be loaded or
// started fails the test that asked for it and ends it there.
inline std::unique_ptr<Session> openSession(const std::string& modulePath = DD_MODULE_PATH) {
    auto session = std::make_unique<Session>(modulePath, Session::Trace::On);
    if (!session->ok()) {
        ADD_FAILURE() << "no session on " << modulePath << ": " << session->error();
        throw std::runtime_error("no session");
    }
    return session;
}

// A fresh copy of the item's stored object, filled by the module.
inline std::unique_ptr<CDDObject> calculate(Session& s, const char* name) {
    return s.host().calculated(s.host().idOf(name));
}

// Sets a current value (and the simulated device's); empty clears it.
inline void put(Session& s, const std::string& name, const CDDCommonVariant& value) {
    ASSERT_TRUE(s.put(name, value)) << name;
}

template <class T>
std::unique_ptr<T> calculateAs(Session& s, const char* name) {
    auto object = calculate(s, name);
    auto* typed = dynamic_cast<T*>(object.get());
    if (!typed) return nullptr;
    object.release();
    return std::unique_ptr<T>(typed);
}

// A path of the build as the system writes it: under Wine, the build's own
// paths are reached from a drive of their own.
inline std::string systemPath(const std::string& path) {
#if defined(_WIN32)
    return std::filesystem::absolute(path).make_preferred().string();
#else
    return path;
#endif
}

#if !defined(_WIN32)
// The device's key as the registry stand-in's folders write it, below the root.
inline const std::filesystem::path kKeyFolder =
    "HKEY_LOCAL_MACHINE/SOFTWARE/Vantrope/PB/DTMs/Q15/Corvalin %2F KSM 27 %2F V1%2E0";

// Environment variables set or unset for a scope, as they were after it.
class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ~ScopedEnvironment() {
        for (const auto& [name, value] : saved_)
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    void set(const std::string& name, const std::string& value) {
        save(name);
        setenv(name.c_str(), value.c_str(), 1);
    }
    void unset(const std::string& name) {
        save(name);
        unsetenv(name.c_str());
    }

private:
    void save(const std::string& name) {
        if (saved_.count(name)) return;
        const char* value = std::getenv(name.c_str());
        saved_[name] = value ? std::optional<std::string>(value) : std::nullopt;
    }
    std::map<std::string, std::optional<std::string>> saved_;
};

// The process's umask set for a scope, as it was after it.
class ScopedUmask {
public:
    explicit ScopedUmask(mode_t mask) : before_(umask(mask)) {}
    ~ScopedUmask() { umask(before_); }
    ScopedUmask(const ScopedUmask&) = delete;
    ScopedUmask& operator=(const ScopedUmask&) = delete;

private:
    mode_t before_;
};

// A child process running `work` until it returns or is killed.
class Child {
public:
    explicit Child(const std::function<std::string()>& work) {
        int channel[2];
        if (pipe(channel) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(channel[0]);
            const std::string said = work();
            const bool written = write(channel[1], said.data(), said.size()) == static_cast<ssize_t>(said.size());
            _exit(written ? 0 : 1);
        }
        close(channel[1]);
        if (pid_ < 0)
            close(channel[0]);
        else
            from_ = channel[0];
    }
    ~Child() { kill(); }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // What `work` returned; nothing where it did not return.
    std::optional<std::string> join() {
        std::string said;
        char buffer[4096];
        for (ssize_t n; from_ >= 0 && (n = read(from_, buffer, sizeof buffer)) > 0;)
            said.append(buffer, static_cast<std::size_t>(n));
        if (!end()) return std::nullopt;
        return said;
    }
    // Whether it has not yet returned from `work`.
    bool working() const {
        pollfd said{from_, POLLIN, 0};
        return from_ >= 0 && poll(&said, 1, 0) == 0;
    }
    void kill() {
        if (pid_ > 0) ::kill(pid_, SIGKILL);
        end();
    }

private:
    // Whether the child had returned from `work`.
    bool end() {
        if (from_ >= 0) close(std::exchange(from_, -1));
        int status = 0;
        const bool ended = pid_ > 0 && waitpid(std::exchange(pid_, -1), &status, 0) > 0;
        return ended && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    pid_t pid_ = -1;
    int from_ = -1;
};

// Runs `check` in a child process once `prepare` has set the child up,
// while this process runs `meanwhile`. `check` returns what went wrong,
// empty when nothing did; the result is nothing when `prepare` could not set
// the child up.
inline std::optional<std::string> inChildProcess(const std::function<bool()>& prepare,
                                                 const std::function<std::string()>& check,
                                                 const std::function<void(const Child&)>& meanwhile = {}) {
    Child child([&] {
        std::string said;
        if (prepare()) said.append(1, '=').append(check());
        return said;
    });
    if (meanwhile) meanwhile(child);
    const auto found = child.join();
    if (!found) return "the child process did not finish";
    if (found->empty()) return std::nullopt;
    return found->substr(1);
}

// A command line run by the shell: its exit status (-1 when it did not
// exit) and what it printed on the output.
struct Shell {
    int status;
    std::string out;
};
inline Shell shell(const std::string& line) {
    FILE* const run = popen(line.c_str(), "r");
    if (!run) return {-1, {}};
    std::string out;
    for (int c; (c = std::fgetc(run)) != EOF;) out += static_cast<char>(c);
    const int status = pclose(run);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

// Holds this process's system calls to `program` from now on: true once done.
inline bool confine(std::vector<sock_filter> program) {
    const sock_fprog filter{static_cast<unsigned short>(program.size()), program.data()};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) == 0;
}

// Answers this process's system calls `numbers` with `action` from now on:
// true once done.
inline bool answering(std::initializer_list<long> numbers, __u32 action) {
    std::vector<sock_filter> program{BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr))};
    for (const long number : numbers) {
        program.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<__u32>(number), 0, 1));
        program.push_back(BPF_STMT(BPF_RET | BPF_K, action));
    }
    program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    return confine(std::move(program));
}

// The user "nobody", whose files and rights the tests take for another user's.
inline constexpr uid_t kNobody = 65534;

// Whether permissions bind this process: root gives up its rights and
// groups (to the user "nobody"), and the process can then read every file
// `needs` names.
inline bool becomeOrdinaryUser(const std::vector<std::filesystem::path>& needs = {}) {
    bool ordinary = geteuid() != 0 || (setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0);
    for (const auto& file : needs) ordinary = ordinary && access(file.c_str(), R_OK) == 0;
    return ordinary;
}

// Runs `check` where permissions bind: directly for an ordinary user, and
// for root in a child process that has become one. The result is nothing
// when the rights could not be given up or the child cannot read every file
// `needs` names.
inline std::optional<std::string> asOrdinaryUser(const std::function<std::string()>& check,
                                                 const std::vector<std::filesystem::path>& needs = {}) {
    if (geteuid() != 0) return check();
    return inChildProcess([&] { return becomeOrdinaryUser(needs); }, check);
}
#endif
