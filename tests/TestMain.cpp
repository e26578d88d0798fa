// The test programs' main: GoogleTest's own, but the thread GoogleTest starts
// to watch the main thread is under way before the first test. On Windows
// GoogleTest watches every thread that uses one of its thread-locals (a scoped
// trace, a failure) from a thread of its own, started at that first use; and
// Wine 8 may crash a 32-bit process that ends while one of its threads is still
// starting, so a one-test run could die after it has passed.
#include <gtest/gtest.h>

#include <chrono>

#if defined(_WIN32)
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

#include <algorithm>
#include <atomic>
#include <iterator>
#include <optional>
#include <vector>
#endif

namespace {

#if defined(_WIN32)

// The threads that attached while the main thread watched, by ID.
std::atomic<bool> watching{false};
SRWLOCK attachedLock = SRWLOCK_INIT;
CONDITION_VARIABLE attachedChanged = CONDITION_VARIABLE_INIT;
DWORD attached[64];
std::size_t attachedCount = 0;

void NTAPI onThreadEvent(PVOID, DWORD reason, PVOID) {
    if (reason != DLL_THREAD_ATTACH || !watching.load(std::memory_order_acquire)) return;
    AcquireSRWLockExclusive(&attachedLock);
    if (attachedCount < std::size(attached)) attached[attachedCount++] = GetCurrentThreadId();
    ReleaseSRWLockExclusive(&attachedLock);
    WakeAllConditionVariable(&attachedChanged);
}

// The program's own TLS callback: the loader calls it on each new thread once
// the thread's DLLs have attached, before the thread runs its own code.
__attribute__((section(".CRT$XLM"), used)) PIMAGE_TLS_CALLBACK threadEventCallback = onThreadEvent;

// The process's threads now, or nothing where the system cannot tell.
std::optional<std::vector<DWORD>> threadsNow() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return std::nullopt;
    std::vector<DWORD> threads;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        if (entry.th32OwnerProcessID == GetCurrentProcessId()) threads.push_back(entry.th32ThreadID);
    CloseHandle(snapshot);
    return threads;
}

// The threads started from here on, until each has attached.
class ThreadStarts {
public:
    ThreadStarts() {
        watching.store(true, std::memory_order_release);
        before_ = threadsNow();
    }
    ThreadStarts(const ThreadStarts&) = delete;
    ThreadStarts& operator=(const ThreadStarts&) = delete;

    // Bounded: a thread that never attaches must not hang the program.
    void awaitAttached(std::chrono::milliseconds bound) {
        const auto after = threadsNow();
        if (before_ && after) {
            std::vector<DWORD> started;
            for (const DWORD thread : *after)
                if (std::find(before_->begin(), before_->end(), thread) == before_->end()) started.push_back(thread);
            const ULONGLONG deadline = GetTickCount64() + bound.count();
            AcquireSRWLockExclusive(&attachedLock);
            for (;;) {
                const bool all = std::all_of(started.begin(), started.end(), [](DWORD thread) {
                    return std::find(attached, attached + attachedCount, thread) != attached + attachedCount;
                });
                const ULONGLONG now = GetTickCount64();
                if (all || now >= deadline) break;
                SleepConditionVariableSRW(&attachedChanged, &attachedLock, static_cast<DWORD>(deadline - now), 0);
            }
            ReleaseSRWLockExclusive(&attachedLock);
        }
        watching.store(false, std::memory_order_release);
    }

private:
    std::optional<std::vector<DWORD>> before_;
};

#else

// Elsewhere GoogleTest's thread-locals start no thread.
struct ThreadStarts {
    void awaitAttached(std::chrono::milliseconds) {}
};

#endif

}  // namespace

int main(int argc, char** argv) {
    ThreadStarts starts;
    testing::InitGoogleTest(&argc, argv);
    { SCOPED_TRACE("the main thread's first trace"); }
    starts.awaitAttached(std::chrono::seconds(5));
    return RUN_ALL_TESTS();
}
