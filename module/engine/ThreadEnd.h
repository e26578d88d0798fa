// A host thread that ends inside a callback (cancelled at a cancellation
// point, or calling pthread_exit) unwinds through the module. A `catch (...)`
// on its way must pass that unwind on: swallowing it ends the process.
#pragma once

#include <cxxabi.h>

// Called inside a `catch (...)`: rethrows a thread's end, returns for any
// other exception. The unwind carries no C++ object, which the sanitizer
// would take for a reference bound to null.
__attribute__((no_sanitize("null"))) inline void passOnThreadEnd() {
    try {
        throw;
    } catch (abi::__forced_unwind&) {
        throw;
    } catch (...) {}
}
