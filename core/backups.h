#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/listfingerprint.h"

namespace brainlark
{

class Clock;
class PairList;

/// One kept version of a list file, as its name describes it; nothing of it is read to list it.
struct BackupEntry {
    std::string path;      ///< the backup file
    std::string date;      ///< local date and time it was taken, "2024-05-01 13:22:05"
    uint64_t sequence = 0; ///< higher is newer
    /// What the version held (from its name; missing in names of older versions of the program).
    std::optional<ListFingerprint> fingerprint;
    /// It differs from the version kept before it only in the statistics.
    bool statisticsOnly = false;
};

/// Automatic backups of list files: before a list file is replaced, its previous bytes are kept in
/// "backups/" of the program folder, one sub-folder per list (its name and a hash of its full path).
///
/// A backup's name carries its sequence number, date and fingerprint ("000012 2024-05-01 13-22-05
/// t…-c….fly", " statistics" before ".fly" for a version whose pairs are those of the version kept before
/// it), so keeping and listing never read the kept files. A version that differs from the newest kept one
/// only in its stamps is not kept again. The last Keep versions whose texts differ are kept, and beside
/// them at most one statistics-only version, the newest: statistics written back after a quiz never push
/// an edited version out.
class Backups
{
public:
    static constexpr int Keep = 10;
    static constexpr const char* FolderName = "backups";
    static constexpr const char* StatisticsMark = " statistics";

    explicit Backups(std::string programFolder);

    /// The folder holding the backups of the list file at listPath.
    std::string folderFor(const std::string& listPath) const;
    /// Keeps the bytes now in listPath. Nothing to do (true) when the file does not exist yet. False with a
    /// one-line reason when the backup could not be written; the list file is never touched.
    bool keep(const std::string& listPath, const Clock& clock, std::string* error) const;
    /// The backups of a list, newest first: the regular files in its folder whose names are this
    /// program's own (links and other names are left out). No folder means no backups; a folder that
    /// cannot be read gives nothing and the reason in error.
    std::vector<BackupEntry> list(const std::string& listPath, std::string* error = nullptr) const;
    /// Reads a kept version; false with the reason when it cannot be read as a list.
    static bool read(const BackupEntry& backup, PairList& out, std::string* error);
    /// Puts a backup's bytes back into the list file (safely: the file is either the old or the restored
    /// list). The current file is kept as a backup first; when that fails, nothing is restored.
    bool restore(const std::string& listPath, const BackupEntry& backup, const Clock& clock,
                 std::string* error) const;

    /// The program folder a list belongs to when nothing else says so: the parent of its "data" folder.
    static std::string programFolderOfList(const std::string& listPath);
    /// Reads a backup file name; false for names that are not this program's own.
    static bool parseName(const std::string& name, BackupEntry& entry);

private:
    std::string m_root;
};

} // namespace brainlark
