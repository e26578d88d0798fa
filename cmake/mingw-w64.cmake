# What the two MinGW-w64 toolchain files share; they set DD_MINGW_TARGET and
# CMAKE_SYSTEM_PROCESSOR first. The posix thread model's compilers: std::thread
# and std::mutex come from winpthreads.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${DD_MINGW_TARGET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${DD_MINGW_TARGET}-g++-posix)
set(CMAKE_RC_COMPILER ${DD_MINGW_TARGET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${DD_MINGW_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Programs built here run under Wine, in a prefix of the build folder's own.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run;${CMAKE_BINARY_DIR}/wine")
