#pragma once

#include <string>
#include <vector>

namespace brainlark
{

class Clock;

/// One kept version of a list file.
struct BackupEntry {
    std::string path;     ///< the backup file
    std::string date;     ///< local date and time it was taken, "2024-05-01 13:22:05"
    int pairCount = -1;   ///< pairs in it; -1 when it cannot be read as a list
    int sequence = 0;     ///< higher is newer
};

/// Automatic backups of list files: before a list file is replaced, its previous bytes are kept in
/// "backups/" of the program folder, one sub-folder per list (its name and a hash of its full path), the
/// last Keep versions, newest first. A version equal to the newest one kept is not kept twice.
class Backups
{
public:
    static constexpr int Keep = 10;
    static constexpr const char* FolderName = "backups";

    explicit Backups(std::string programFolder);

    /// The folder holding the backups of the list file at listPath.
    std::string folderFor(const std::string& listPath) const;
    /// Keeps the bytes now in listPath. Nothing to do (true) when the file does not exist yet. False with a
    /// one-line reason when the backup could not be written; the list file is never touched.
    bool keep(const std::string& listPath, const Clock& clock, std::string* error) const;
    /// The backups of a list, newest first.
    std::vector<BackupEntry> list(const std::string& listPath) const;
    /// Puts a backup's bytes back into the list file (safely: the file is either the old or the restored
    /// list). The current file is kept as a backup first; when that fails, nothing is restored.
    bool restore(const std::string& listPath, const BackupEntry& backup, const Clock& clock,
                 std::string* error) const;

    /// The program folder a list belongs to when nothing else says so: the parent of its "data" folder.
    static std::string programFolderOfList(const std::string& listPath);

private:
    std::string m_root;
};

} // namespace brainlark
