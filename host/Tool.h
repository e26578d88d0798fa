// The ddhost tool as a function, so that the program and the tests run a
// command line the same way: arguments without the program's name, what it
// prints to `out`, messages to `err`; the result is the exit status.
#pragma once

#include <ostream>
#include <string>
#include <vector>

int runTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
