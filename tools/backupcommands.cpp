#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <ostream>

#include "core/backups.h"
#include "core/pairlist.h"
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

// A file name as the terminal should show it: control characters (an escape sequence, a line break) and
// bytes that are not UTF-8 come out as \xNN, a backslash as \\, so a name cannot act on the terminal.
std::string printable(const std::string& text)
{
    std::string out;
    const auto escape = [&out](unsigned char c) {
        char code[5];
        std::snprintf(code, sizeof code, "\\x%02X", c);
        out += code;
    };
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const size_t length = c < 0x80           ? 1
                              : (c >> 5) == 0x6  ? 2
                              : (c >> 4) == 0xE  ? 3
                              : (c >> 3) == 0x1E ? 4
                                                 : 0;
        bool valid = length > 0 && i + length <= text.size();
        for (size_t k = 1; valid && k < length; ++k)
            valid = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        // U+0080..U+009F are control characters as well (C1): 0xC2 0x80..0x9F.
        const bool control =
            c < 0x20 || c == 0x7F || (c == 0xC2 && valid && static_cast<unsigned char>(text[i + 1]) < 0xA0);
        if (!valid || control) {
            escape(c);
            ++i;
            continue;
        }
        if (c == '\\')
            out += '\\';
        out.append(text, i, length);
        i += length;
    }
    return out;
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
    // Without it the backups would be looked for in a "backups" folder wherever the command runs.
    if (folder.empty()) {
        err << "brainlark-cli: neither XDG_DATA_HOME nor HOME is set, so the program folder is unknown: give "
               "--program-folder DIR\n";
        return FileError;
    }
    const Backups backups(folder);
    std::string error;
    const std::vector<BackupEntry> entries = backups.list(list, &error);
    if (!error.empty()) {
        err << "brainlark-cli: " << printable(error) << '\n';
        return FileError;
    }
    if (entries.empty()) {
        out << "no backups of " << printable(list) << " in " << printable(backups.folderFor(list)) << '\n';
        return Success;
    }
    for (const BackupEntry& entry : entries) {
        out << entry.date << "  ";
        PairList kept;
        if (Backups::read(entry, kept, nullptr))
            out << kept.count() << (kept.count() == 1 ? " pair" : " pairs");
        else
            out << "unreadable";
        if (entry.statisticsOnly)
            out << "  statistics only";
        out << "  " << printable(entry.path) << '\n';
    }
    return Success;
}

} // namespace

std::vector<CliCommand> backupCommands()
{
    return {
        {"backups", "list the automatic backups of a list",
         "usage: brainlark-cli backups LIST.fly [--program-folder DIR]\n\nLists the versions of a list that "
         "the program kept before replacing it (newest first): date, pair count, \"statistics only\" for a "
         "version that differs from the one before it only in its statistics, and the backup file. They "
         "live in backups/ of the program folder: the one given, else the folder above the list's data "
         "folder, else the per-user data folder.\n",
         listBackups},
    };
}

} // namespace brainlark::cli
