#pragma once

// Runs one command of the command-line tool in-process and keeps what it printed.
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "tools/clicommand.h"

namespace brainlark::testing
{

struct CliOutcome {
    int code;
    std::string out;
    std::string err;
};

/// The named command of `commands` run with `args`; code -1 when there is no such command.
inline CliOutcome runCommandOf(const std::vector<cli::CliCommand>& commands, const std::string& name,
                               const std::vector<std::string>& args)
{
    const auto it = std::find_if(commands.begin(), commands.end(),
                                 [&](const cli::CliCommand& c) { return c.name == name; });
    if (it == commands.end())
        return {-1, "", "no such command " + name};
    std::ostringstream out;
    std::ostringstream err;
    const int code = it->run(args, out, err);
    return {code, out.str(), err.str()};
}

} // namespace brainlark::testing
