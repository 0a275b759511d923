#include "core/backups.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/clock.h"
#include "core/filereader.h"
#include "core/flyarchive.h"
#include "core/messages.h"
#include "core/savefile.h"

namespace fs = std::filesystem;

namespace brainlark
{

namespace
{

constexpr size_t MinSequenceDigits = 6;
constexpr size_t MaxSequenceDigits = 18; // far from what 64 bits hold, so the next number never wraps

// FNV-1a: a stable name for a list's folder that tells two lists of the same name apart.
std::string pathHash(const std::string& path)
{
    uint64_t hash = 1469598103934665603ull;
    for (unsigned char c : path) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char text[9];
    std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(hash ^ (hash >> 32)));
    return text;
}

std::string absolutePath(const std::string& path)
{
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec);
    return (ec ? fs::path(path) : absolute).lexically_normal().string();
}

bool fail(std::string* error, const std::string& text)
{
    if (error)
        *error = text;
    return false;
}

bool digits(const std::string& text, size_t from, size_t count)
{
    return from + count <= text.size() &&
           std::all_of(text.begin() + long(from), text.begin() + long(from + count),
                       [](char c) { return c >= '0' && c <= '9'; });
}

bool takes(const std::string& text, size_t& at, const std::string& part)
{
    if (text.compare(at, part.size(), part) != 0)
        return false;
    at += part.size();
    return true;
}

// "2024-05-01 13-22-05" at `at` → "2024-05-01 13:22:05".
bool parseDate(const std::string& name, size_t at, std::string& date)
{
    static const char shape[] = "dddd-dd-dd dd-dd-dd";
    const size_t size = sizeof shape - 1;
    if (at + size > name.size())
        return false;
    for (size_t i = 0; i < size; ++i) {
        const char c = name[at + i];
        if (shape[i] == 'd' ? !(c >= '0' && c <= '9') : c != shape[i])
            return false;
    }
    date = name.substr(at, size);
    date[13] = ':';
    date[16] = ':';
    return true;
}

std::string backupName(uint64_t sequence, const std::string& date,
                       const std::optional<ListFingerprint>& print, bool statisticsOnly)
{
    char number[24];
    std::snprintf(number, sizeof number, "%0*llu", int(MinSequenceDigits),
                  static_cast<unsigned long long>(sequence));
    std::string name = std::string(number) + " " + date;
    if (print)
        name += " " + print->toText();
    if (statisticsOnly)
        name += Backups::StatisticsMark;
    return name + ".fly";
}

} // namespace

Backups::Backups(std::string programFolder) : m_root(std::move(programFolder)) {}

std::string Backups::folderFor(const std::string& listPath) const
{
    const std::string absolute = absolutePath(listPath);
    std::string stem = fs::path(absolute).filename().string();
    if (stem.size() > 4 && stem.compare(stem.size() - 4, 4, ".fly") == 0)
        stem.resize(stem.size() - 4);
    return (fs::path(m_root) / FolderName / (stem + "-" + pathHash(absolute))).string();
}

bool Backups::parseName(const std::string& name, BackupEntry& entry)
{
    size_t at = 0;
    while (at < name.size() && name[at] >= '0' && name[at] <= '9')
        ++at;
    if (at < MinSequenceDigits || at > MaxSequenceDigits || !digits(name, 0, at))
        return false;
    BackupEntry parsed;
    parsed.sequence = std::stoull(name.substr(0, at));
    if (!takes(name, at, " ") || !parseDate(name, at, parsed.date))
        return false;
    at += parsed.date.size();
    if (name.compare(at, 2, " t") == 0) {
        parsed.fingerprint = ListFingerprint::parse(name.substr(at + 1, 35));
        if (!parsed.fingerprint)
            return false;
        at += 36;
        parsed.statisticsOnly = takes(name, at, StatisticsMark);
    }
    if (!takes(name, at, ".fly") || at != name.size())
        return false;
    parsed.path = entry.path;
    entry = std::move(parsed);
    return true;
}

std::vector<BackupEntry> Backups::list(const std::string& listPath, std::string* error) const
{
    std::vector<BackupEntry> entries;
    const std::string folder = folderFor(listPath);
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(folder, ec);
    if (status.type() == fs::file_type::not_found)
        return entries;
    if (status.type() != fs::file_type::directory) {
        fail(error, Messages::format(Messages::FileUnread, {folder, Messages::NotAFolder}));
        return entries;
    }
    fs::directory_iterator it(folder, ec);
    for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        BackupEntry entry;
        // Only what this program wrote: a link could lead anywhere (a huge file, a device).
        std::error_code statusError;
        if (it->symlink_status(statusError).type() != fs::file_type::regular ||
            !parseName(it->path().filename().string(), entry))
            continue;
        entry.path = it->path().string();
        entries.push_back(std::move(entry));
    }
    if (ec) {
        fail(error, Messages::format(Messages::FileUnread, {folder, ec.message()}));
        return {};
    }
    std::sort(entries.begin(), entries.end(),
              [](const BackupEntry& a, const BackupEntry& b) { return a.sequence > b.sequence; });
    return entries;
}

bool Backups::read(const BackupEntry& backup, PairList& out, std::string* error)
{
    std::error_code ec;
    if (fs::symlink_status(backup.path, ec).type() != fs::file_type::regular)
        return fail(error, Messages::format(Messages::FileUnread, {backup.path, Messages::NotABackup}));
    const LoadResult result = FlyArchive::readFile(backup.path, out);
    return result ? true : fail(error, result.error);
}

bool Backups::keep(const std::string& listPath, const Clock& clock, std::string* error) const
{
    std::error_code ec;
    if (!fs::is_regular_file(listPath, ec))
        return true;
    if (m_root.empty())
        return fail(error, "no program folder to keep backups in");
    TextStore bytes;
    if (!FileReader::read(listPath, bytes, error))
        return false;
    const std::optional<ListFingerprint> print = ListFingerprint::ofBytes(bytes);
    std::string listError;
    std::vector<BackupEntry> kept = list(listPath, &listError);
    if (!listError.empty())
        return fail(error, listError);
    const BackupEntry* newest = kept.empty() ? nullptr : &kept.front();
    if (print && newest && newest->fingerprint && newest->fingerprint->content == print->content)
        return true;
    const bool statisticsOnly =
        print && newest && newest->fingerprint && newest->fingerprint->texts == print->texts;

    const fs::path folder = folderFor(listPath);
    fs::create_directories(folder, ec);
    if (ec || !fs::is_directory(folder))
        return fail(error, Messages::format(Messages::FolderNotCreated, {folder.string()}));
    SaveFile::removeStaleTemporaries(folder.string());
    const uint64_t sequence = newest ? newest->sequence + 1 : 0;
    const fs::path target =
        folder / backupName(sequence, clock.formatLocal("%Y-%m-%d %H-%M-%S"), print, statisticsOnly);
    if (!SaveFile::write(target.string(), bytes.view(), error))
        return false;
    // Rotation: one statistics-only version, the newest; of the others the last Keep.
    const int othersKept = statisticsOnly ? Keep : Keep - 1;
    int others = 0;
    bool statisticsKept = statisticsOnly;
    for (const BackupEntry& entry : kept) {
        const bool goes = entry.statisticsOnly ? statisticsKept : ++others > othersKept;
        if (entry.statisticsOnly)
            statisticsKept = true;
        if (goes)
            fs::remove(entry.path, ec);
    }
    return true;
}

bool Backups::restore(const std::string& listPath, const BackupEntry& backup, const Clock& clock,
                      std::string* error) const
{
    std::error_code ec;
    if (fs::symlink_status(backup.path, ec).type() != fs::file_type::regular)
        return fail(error, Messages::format(Messages::FileUnread, {backup.path, Messages::NotABackup}));
    std::string bytes;
    if (!FileReader::read(backup.path, bytes, nullptr))
        return fail(error, Messages::format(Messages::PathUnread, {backup.path}));
    if (!keep(listPath, clock, error))
        return false;
    return SaveFile::write(listPath, bytes, error);
}

std::string Backups::programFolderOfList(const std::string& listPath)
{
    const fs::path folder = fs::path(absolutePath(listPath)).parent_path();
    return folder.filename() == "data" ? folder.parent_path().string() : std::string();
}

} // namespace brainlark
