// ddhost: loads the device module and shows it as a host would.
#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#endif

#include <iostream>

#include "host/Tool.h"

int main(int argc, char** argv) {
#if defined(_WIN32)
    // The same bytes as on every other system, on both outputs: no
    // carriage returns added.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    return runTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
