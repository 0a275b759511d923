#include <cstdlib>
#include <filesystem>
#include <ostream>

#include "core/backups.h"
#include "tools/cliargs.h"
#include "tools/clicommand.h"
#include "tools/clicommon.h"

namespace brainlark::cli
{

namespace
{

// Where the program keeps its folders when nothing says otherwise: the per-user data folder.
std::string defaultProgramFolder()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    std::filesystem::path base;
    if (data && *data)
        base = data;
    else if (home && *home)
        base = std::filesystem::path(home) / ".local" / "share";
    else
        return {};
    return (base / "Handy_Deck" / "Brainlark").string();
}

int listBackups(const std::vector<std::string>& raw, std::ostream& out, std::ostream& err)
{
    const CliArgs args(raw, {"--program-folder"});
    if (!expectArgs(args, 1, "brainlark-cli backups LIST.fly [--program-folder DIR]", err))
        return UsageError;
    const std::string& list = args.positionals()[0];
    std::string folder = args.value("--program-folder", Backups::programFolderOfList(list));
    if (folder.empty())
        folder = defaultProgramFolder();
    const std::vector<BackupEntry> entries = Backups(folder).list(list);
    if (entries.empty()) {
        out << "no backups of " << list << " in " << Backups(folder).folderFor(list) << '\n';
        return Success;
    }
    for (const BackupEntry& entry : entries) {
        out << entry.date << "  ";
        if (entry.pairCount < 0)
            out << "unreadable";
        else
            out << entry.pairCount << (entry.pairCount == 1 ? " pair" : " pairs");
        out << "  " << entry.path << '\n';
    }
    return Success;
}

} // namespace

std::vector<CliCommand> backupCommands()
{
    return {
        {"backups", "list the automatic backups of a list",
         "usage: brainlark-cli backups LIST.fly [--program-folder DIR]\n\nLists the versions of a list that "
         "the program kept before replacing it (newest first): date, pair count and the backup file. They "
         "live in backups/ of the program folder: the one given, else the folder above the list's data "
         "folder, else the per-user data folder.\n",
         listBackups},
    };
}

} // namespace brainlark::cli
