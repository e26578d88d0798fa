// Linked into a test-only build of the object-model DLL: its allocation
// functions, which a Windows DLL keeps as linked, fail on a plan that a test
// sets through the two exported functions. Never installed.
#include <atomic>
#include <cstdlib>
#include <new>

#include "objectmodel/Export.h"

namespace {

// Allocations left before they start failing; negative: they never fail.
std::atomic<long> allowance{-1};

void* allocate(std::size_t size) noexcept {
    for (long left = allowance.load(); left >= 0;) {
        if (left == 0) return nullptr;
        if (allowance.compare_exchange_weak(left, left - 1)) break;
    }
    return std::malloc(size ? size : 1);
}

void* allocateOrThrow(std::size_t size) {
    if (void* p = allocate(size)) return p;
    throw std::bad_alloc();
}

}  // namespace

// From the n-th allocation on (0: the next one), every allocation fails;
// a negative n: none does.
extern "C" DDOM_API void ddomFailAllocationsFrom(long n) { allowance = n; }
// Whether an allocation has failed since the last plan.
extern "C" DDOM_API bool ddomRanOut() { return allowance.load() == 0; }

void* operator new(std::size_t size) { return allocateOrThrow(size); }
void* operator new[](std::size_t size) { return allocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
