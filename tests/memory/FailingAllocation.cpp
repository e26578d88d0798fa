// Linked into a test-only build of the object-model DLL: its allocation
// functions, which a Windows DLL keeps as linked, fail on a plan that a test
// sets through the two exported functions. Never installed.
#include "tests/memory/FailingAllocation.h"

#include "objectmodel/Export.h"

// From the n-th allocation on (0: the next one), every allocation fails;
// a negative n: none does.
extern "C" DDOM_API void ddomFailAllocationsFrom(long n) { failing::allowance = n; }
// Whether the plan has run out: the next allocation fails.
extern "C" DDOM_API bool ddomRanOut() { return failing::allowance.load() == 0; }
