// This brainlark-cli was built without Qt (BRAINLARK_GUI=OFF): the commands that read and write other
// trainers' files are listed, and say why they cannot run.
#include <ostream>

#include "tools/clicommand.h"

namespace brainlark::cli
{

std::vector<CliCommand> interchangeCommands()
{
    std::vector<CliCommand> commands;
    for (const char* name : {"import", "export-kvtml"}) {
        const std::string command = name;
        commands.push_back(
            {command, "not in this build (needs Qt)",
             "usage: brainlark-cli " + command +
                 " IN OUT\n\nNot in this build: brainlark-cli was built without Qt.\n",
             [command](const std::vector<std::string>&, std::ostream&, std::ostream& err) {
                 err << "brainlark-cli: " << command
                     << " is not part of this build (it was built without Qt, BRAINLARK_GUI=OFF, and "
                        "reading other trainers' files needs Qt)\n";
                 return UsageError;
             }});
    }
    return commands;
}

} // namespace brainlark::cli
