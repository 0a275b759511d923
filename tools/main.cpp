#include <iostream>
#include <string>
#include <vector>

#include "tools/clicommand.h"

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv, argv + argc);
    return brainlark::cli::runCli(args, std::cout, std::cerr);
}
