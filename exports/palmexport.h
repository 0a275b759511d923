#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "exports/exportmessage.h"

namespace brainlark
{

class Clock;
class PalmDbWriter;
class Pair;
class PairList;

/// What an export to the handheld did: the messages to show, in order, and what was written.
struct PalmExportResult {
    std::vector<ExportMessage> messages;
    std::string databaseName; ///< as the file holds it (Windows-1252)
    bool written = false;     ///< a database file was written to the path
    int pairRecords = 0;      ///< P1: pair records appended
    int wrongRecords = 0;     ///< P2: wrong-answer records appended
    std::string folderToOpen; ///< set when everything was exported: the folder to show the learner

    bool hasError() const;
};

/// Exports a list as the database the handheld companion program reads: an extra-info record, then each
/// pair followed by its predefined wrong answers.
class PalmExport
{
public:
    static constexpr const char* Type = "data";
    static constexpr const char* Creator = "ZRPW";
    static constexpr size_t MaxNameLength = 31;
    static constexpr const char* NameSuffix = "_s2";

    /// `diagnostics` receives the one-line complaint about a record that could not be appended.
    PalmExport(const Clock& clock, std::ostream& diagnostics);

    /// Writes `list` as `path`. `title` is the list's name; it names the database.
    PalmExportResult exportList(const PairList& list, const std::string& title, const std::string& path);

    /// program folder + "/palm/" + title + ".pdb"
    static std::string defaultPath(const std::string& programFolder, const std::string& title);
    /// The title cut so that the name with its suffix fits the 31 bytes a database name may have.
    static std::string shortenedTitle(const std::string& title);
    /// Pair count, 0, wrong-answer count, 0, "extra info string", 0.
    static std::string extraInfoRecord(const PairList& list);
    /// Kind digit, 0, question, 0, answer, 0 and six 0 bytes; the texts in Windows-1252 (the caller has
    /// made sure the code page holds them).
    static std::string entryRecord(const Pair& entry);

private:
    /// Creates the file, appends every record and closes it; false (with the message) when no file was
    /// written.
    bool writeDatabase(const PairList& list,
                       const std::unordered_map<std::string_view, std::vector<const Pair*>>& wrongAnswers,
                       const std::string& path, PalmExportResult& result);
    bool append(PalmDbWriter& writer, std::string record);

    const Clock& m_clock;
    std::ostream& m_diagnostics;
};

} // namespace brainlark
