// Kept out of the other files so that no caller inlines the replacements.
// Under AddressSanitizer its own operator new stays (it is what checks the
// pairs), and nothing is counted.
#include "bench/Allocations.h"

#include <atomic>
#include <cstdlib>
#include <new>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define DD_BENCH_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define DD_BENCH_ASAN 1
#endif

namespace {
std::atomic<long> count{0};
}

long allocationCount() { return count.load(std::memory_order_relaxed); }

#ifndef DD_BENCH_ASAN
void* operator new(std::size_t size) {
    // The bench allocates on one thread: a plain increment, not a locked one.
    count.store(count.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#endif
