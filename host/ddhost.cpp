// ddhost: loads the device module and shows it as a host would.
#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "host/Encoding.h"
#endif

#include <iostream>

#include "host/Tool.h"

#if defined(_WIN32)
// The command line as typed, UTF-16: the narrow one is in the system's code
// page, where a character it lacks is replaced by a look-alike (a fullwidth
// letter by the plain one) and would name another item. The tool reads
// UTF-8, as on every other system.
int wmain(int argc, wchar_t** argv) {
    // The same bytes as on every other system, on both outputs: no
    // carriage returns added.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(utf8FromUtf16(argv[i]));
    return runTool(args, std::cout, std::cerr);
}
#else
int main(int argc, char** argv) {
    return runTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
#endif
