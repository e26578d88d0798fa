# Cross-build for 64-bit Windows with MinGW-w64.
set(DD_MINGW_TARGET x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
# Exceptions unwind through the system's own tables (SEH), which every DLL
# shares: the runtime libraries go into each DLL and program, so that a host
# needs nothing beside them.
set(DD_MINGW_RUNTIME_LINK -static)
set(DD_MINGW_RUNTIME_DLLS "")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
