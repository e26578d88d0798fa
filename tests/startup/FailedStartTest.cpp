// The start-up through the platform library, with an application object whose
// first two starts throw, as when memory runs out while the module loads.
// Every wait is bounded: a start that blocks for good fails the test and
// ends the process, as a thread asleep in it cannot be joined.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <new>
#include <thread>

#include "platform/Application.h"

namespace {

using namespace std::chrono_literals;

constexpr auto kLongest = 10s;

// Set once, waited for with a bound: a mutex and a condition, not
// atomic::wait, which MinGW's runtime may never wake.
class Signal {
public:
    void set() {
        const std::lock_guard<std::mutex> lock(mutex_);
        set_ = true;
        changed_.notify_all();
    }
    bool waitFor(std::chrono::milliseconds bound) {
        std::unique_lock<std::mutex> lock(mutex_);
        return changed_.wait_for(lock, bound, [this] { return set_; });
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool set_ = false;
};

void mustSee(Signal& signal, const char* what) {
    if (signal.waitFor(kLongest)) return;
    std::fprintf(stderr, "still waiting after %lld s for %s\n", static_cast<long long>(kLongest.count()), what);
    std::fflush(stderr);
    std::_Exit(1);
}

// The second start waits at `gate` once inside, so that a caller can come
// meanwhile.
class Application final : public platform::CWinApp {
public:
    bool InitInstance() override {
        const int run = ++runs;
        if (run == 2) {
            inside.set();
            mustSee(gate, "the gate of the second start");
        }
        if (run <= 2) throw std::bad_alloc();
        return true;
    }
    std::atomic<int> runs{0};
    Signal inside, gate;
};

Application application;

// StartModule on a thread of its own: when it was called, whether it threw,
// and when it returned.
struct Starter {
    Starter()
        : thread([this] {
              calling.set();
              try {
                  platform::StartModule();
              } catch (const std::bad_alloc&) {
                  threw = true;
              }
              returned.set();
          }) {}
    ~Starter() {
        // A thread still asleep in the start cannot be joined.
        mustSee(returned, "a start to return");
        thread.join();
    }
    std::atomic<bool> threw{false};
    Signal calling, returned;
    std::thread thread;
};

TEST(FailedStart, ThrewStartsAgainAtTheNextCallWhichOthersWaitFor) {
#if defined(_WIN32)
    // A program's own DllMain is never called: the first start is here.
    ASSERT_EQ(application.runs.load(), 0);
    EXPECT_THROW(platform::StartModule(), std::bad_alloc);
#else
    // The load step made the first start and let its throw go.
    ASSERT_EQ(application.runs.load(), 1);
#endif
    {
        // The second start, on another thread, throws in turn; a caller that
        // comes meanwhile waits, then makes the start itself.
        Starter second;
        mustSee(application.inside, "the second start");
        Starter third;
        mustSee(third.calling, "the third start to be called");
        EXPECT_FALSE(third.returned.waitFor(200ms)) << "a caller did not wait for the start under way";
        EXPECT_EQ(application.runs.load(), 2);
        application.gate.set();
        mustSee(second.returned, "the second start to return");
        EXPECT_TRUE(second.threw);
        mustSee(third.returned, "the third start to return");
        EXPECT_FALSE(third.threw);
        EXPECT_EQ(application.runs.load(), 3);
    }
    // Made: no later call runs it again.
    { Starter later; }
    EXPECT_EQ(application.runs.load(), 3);
}

}  // namespace
