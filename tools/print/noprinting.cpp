// This brainlark-cli was built without Qt (BRAINLARK_GUI=OFF): the print commands are listed, and say why
// they cannot run.
#include <ostream>

#include "tools/clicommand.h"

namespace brainlark::cli
{

namespace
{

int unavailable(const std::string& name, std::ostream& err)
{
    err << "brainlark-cli: " << name
        << " is not part of this build (it was built without Qt, BRAINLARK_GUI=OFF, and printing needs Qt)\n";
    return UsageError;
}

} // namespace

std::vector<CliCommand> printCommands()
{
    std::vector<CliCommand> commands;
    for (const char* name : {"print-flashcards", "print-list"}) {
        const std::string command = name;
        commands.push_back(
            {command, "not in this build (needs Qt)",
             "usage: brainlark-cli " + command +
                 " LIST.fly OUT.pdf\n\nNot in this build: brainlark-cli was built without Qt.\n",
             [command](const std::vector<std::string>&, std::ostream&, std::ostream& err) {
                 return unavailable(command, err);
             }});
    }
    return commands;
}

} // namespace brainlark::cli
