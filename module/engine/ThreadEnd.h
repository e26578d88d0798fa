// A host thread that ends inside a callback (cancelled at a cancellation
// point, or calling pthread_exit) unwinds through the module as an exception
// of no C++ type. A `catch (...)` on its way must pass it on: swallowing it
// ends the process.
#pragma once

#include <exception>

// True inside a `catch (...)` that caught such an unwind (or any exception
// not of C++, which is not the module's to stop either).
inline bool threadEnding() noexcept { return !std::current_exception(); }
