// Allocation functions that fail on a plan: from the n-th allocation on,
// every one fails. Included by exactly one file of the program or DLL whose
// allocation functions it replaces.
#pragma once

#include <atomic>
#include <cstdlib>
#include <new>

namespace failing {

// Allocations left before they start failing; negative: they never fail.
inline std::atomic<long> allowance{-1};

// Whether the plan lets one more allocation through, counting it.
inline bool granted() noexcept {
    for (long left = allowance.load(); left >= 0;) {
        if (left == 0) return false;
        if (allowance.compare_exchange_weak(left, left - 1)) break;
    }
    return true;
}

inline void* allocate(std::size_t size) noexcept { return granted() ? std::malloc(size ? size : 1) : nullptr; }

inline void* allocateOrThrow(std::size_t size) {
    if (void* p = allocate(size)) return p;
    throw std::bad_alloc();
}

}  // namespace failing

void* operator new(std::size_t size) { return failing::allocateOrThrow(size); }
void* operator new[](std::size_t size) { return failing::allocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return failing::allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return failing::allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
