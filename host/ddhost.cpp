// ddhost: loads the device module and shows it as a host would.
#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "host/Encoding.h"
#else
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
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
    // A standard stream the program started without is held by /dev/null, so
    // that no file opened later (the trace) takes its number and gets what
    // was meant for it; opened the other way round, it still fails a write
    // or a read as the closed stream did.
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(stream, F_GETFD) >= 0 || errno != EBADF) continue;
        const int held = open("/dev/null", (stream == STDIN_FILENO ? O_WRONLY : O_RDONLY) | O_NOCTTY);
        if (held != stream) return 1;  // nothing can be told, with no stream to tell it on
    }
    return runTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
#endif
