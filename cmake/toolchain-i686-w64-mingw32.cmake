# Cross-build for 32-bit Windows with MinGW-w64.
set(DD_MINGW_TARGET i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
# Exceptions unwind by DWARF tables, which only the unwinder that registered
# them can read: one unwinder, in GCC's runtime DLL, serves every DLL and
# program, so that an exception passes from the object-model DLL through the
# module to the host. The C++ library stays linked into each.
set(DD_MINGW_RUNTIME_LINK -static-libstdc++ -shared-libgcc)
set(DD_MINGW_RUNTIME_DLLS libgcc_s_dw2-1.dll libwinpthread-1.dll)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
