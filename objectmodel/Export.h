// Symbol visibility of the object-model library: it is shared between the
// host and the module, so its classes keep default visibility even when a
// client builds with hidden visibility. On Windows the DLL exports them and
// its clients import them.
#pragma once

#if defined(_WIN32)
#if defined(DDOM_BUILDING)
#define DDOM_API __declspec(dllexport)
#else
#define DDOM_API __declspec(dllimport)
#endif
#else
#define DDOM_API __attribute__((visibility("default")))
#endif
