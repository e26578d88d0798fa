// Writing and deleting the module's registry entry. Results are what
// installers test with SUCCEEDED(): 0 on success, a registry error as the
// negative HRESULT_FROM_WIN32 code (0x8007xxxx) of that error.
#pragma once

#include <cstdint>

#include "platform/SystemRegistry.h"

// The registry's error as a result code: 0 stays 0; any other error keeps its
// low 16 bits under the failure bit and the Win32 facility.
constexpr std::int32_t hresultFromWin32(platform::LONG error) {
    return error == platform::ERROR_SUCCESS
               ? 0
               : static_cast<std::int32_t>((static_cast<std::uint32_t>(error) & 0xFFFFu) | 0x80070000u);
}

inline constexpr std::int32_t kOutOfMemory = hresultFromWin32(platform::ERROR_NOT_ENOUGH_MEMORY);

std::int32_t registerModule();
std::int32_t unregisterModule();
