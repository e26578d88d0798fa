// The bench binary replaces the global operator new to count allocations,
// the module's and the object model's included (they resolve it here).
#pragma once

long allocationCount();
