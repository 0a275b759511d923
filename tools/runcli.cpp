#include <algorithm>
#include <ostream>

#include "tools/clicommand.h"

namespace brainlark::cli
{

static std::vector<CliCommand> allCommands()
{
    std::vector<CliCommand> commands = listCommands();
    for (CliCommand& c : interchangeCommands())
        commands.push_back(std::move(c));
    for (CliCommand& c : reportCommands())
        commands.push_back(std::move(c));
    for (CliCommand& c : backupCommands())
        commands.push_back(std::move(c));
    for (CliCommand& c : schedulingCommands())
        commands.push_back(std::move(c));
    for (CliCommand& c : printCommands())
        commands.push_back(std::move(c));
    return commands;
}

static void printOverview(const std::vector<CliCommand>& commands, std::ostream& out)
{
    out << "Usage: brainlark-cli COMMAND [ARGS...]\n       brainlark-cli --help | --version\n\n"
           "Reads, writes, converts and prints Brainlark Q&A lists (.fly files).\n\nCommands:\n";
    for (const CliCommand& c : commands)
        out << "  " << c.name << std::string(c.name.size() < 18 ? 18 - c.name.size() : 1, ' ') << c.summary
            << '\n';
    out << "\nRun 'brainlark-cli COMMAND --help' for the arguments of one command.\n"
           "Exit status: 0 success, 1 usage error, 2 unreadable or invalid file.\n";
}

int runCli(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err)
{
    const std::vector<CliCommand> commands = allCommands();
    if (argv.size() < 2) {
        printOverview(commands, err);
        return UsageError;
    }
    const std::string& name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        printOverview(commands, out);
        return Success;
    }
    if (name == "--version") {
        out << "brainlark-cli " BRAINLARK_VERSION "\n";
        return Success;
    }
    const auto it =
        std::find_if(commands.begin(), commands.end(), [&](const CliCommand& c) { return c.name == name; });
    if (it == commands.end()) {
        err << "brainlark-cli: unknown command '" << name << "' (try --help)\n";
        return UsageError;
    }
    const std::vector<std::string> args(argv.begin() + 2, argv.end());
    if (std::find(args.begin(), args.end(), "--help") != args.end() ||
        std::find(args.begin(), args.end(), "-h") != args.end()) {
        out << it->help;
        return Success;
    }
    return it->run(args, out, err);
}

} // namespace brainlark::cli
