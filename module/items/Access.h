// The access of a menu or method: online for the online root menu and every
// menu reached from the online standard menus, offline for the rest, as the
// host's menu and method attributes take it.
#pragma once

#include <cstdint>

enum class Access : std::int32_t { Online = 0, Offline = 1 };
