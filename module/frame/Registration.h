// Writing and deleting the module's registry entry; 0 on success, the
// registry's error code when a step fails.
#pragma once

#include <cstdint>

std::int32_t registerModule();
std::int32_t unregisterModule();
