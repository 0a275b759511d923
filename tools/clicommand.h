#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace brainlark::cli
{

/// Exit codes shared by every command.
enum ExitCode : int { Success = 0, UsageError = 1, FileError = 2 };

/// One sub-command of brainlark-cli. `run` gets the arguments after the command name and writes its
/// result to out and its one-line complaints to err; `--help` is answered by the dispatcher with `help`.
struct CliCommand {
    std::string name;
    std::string summary; ///< one line for the overview
    std::string help;    ///< full usage text
    std::function<int(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)> run;
};

/// List commands: dump, build, import-text, export-text, export-bl, check.
std::vector<CliCommand> listCommands();
/// Report commands: export-html, export-rtf, export-pdb.
std::vector<CliCommand> reportCommands();
/// Print commands: print-flashcards, print-list (PDF output; in a build without Qt they only say so).
std::vector<CliCommand> printCommands();

/// Commands for other trainers' files: import (Qt's XML and SQL; in a build without Qt they only say so).
std::vector<CliCommand> interchangeCommands();

/// Backup commands: backups.
std::vector<CliCommand> backupCommands();
/// Spaced-repetition commands: fsrs-replay, fsrs-optimize.
std::vector<CliCommand> schedulingCommands();

/// Runs argv as brainlark-cli would (argv[0] is the program name).
int runCli(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err);

} // namespace brainlark::cli
