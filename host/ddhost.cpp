// ddhost: loads the device module and shows it as a host would.
#include <iostream>

#include "host/Tool.h"

int main(int argc, char** argv) {
    return runTool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
