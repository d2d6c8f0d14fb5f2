#include <iostream>
#include <string>
#include <vector>

#include "shoebox_tool.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return RunShoeboxTool(arguments, std::cout, std::cerr);
}
