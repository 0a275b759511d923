#include "core/backups.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/filereader.h"
#include "core/clock.h"
#include "core/flyarchive.h"
#include "core/savefile.h"

namespace fs = std::filesystem;

namespace brainlark
{

namespace
{

constexpr int SequenceDigits = 6;

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

bool readBytes(const std::string& path, std::string& bytes)
{
    return FileReader::read(path, bytes, nullptr);
}

bool fail(std::string* error, const std::string& text)
{
    if (error)
        *error = text;
    return false;
}

// "000012 2024-05-01 13-22-05.fly" → sequence 12 and the date "2024-05-01 13:22:05".
bool parseName(const std::string& name, BackupEntry& entry)
{
    if (name.size() < SequenceDigits + 5 || name.compare(name.size() - 4, 4, ".fly") != 0 ||
        name[SequenceDigits] != ' ' ||
        !std::all_of(name.begin(), name.begin() + SequenceDigits, [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    entry.sequence = std::stoi(name.substr(0, SequenceDigits));
    std::string date = name.substr(SequenceDigits + 1, name.size() - SequenceDigits - 5);
    const size_t time = date.find(' ');
    if (time != std::string::npos)
        std::replace(date.begin() + time, date.end(), '-', ':');
    entry.date = date;
    return true;
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

std::vector<BackupEntry> Backups::list(const std::string& listPath) const
{
    std::vector<BackupEntry> entries;
    std::error_code ec;
    for (fs::directory_iterator it(folderFor(listPath), ec), end; !ec && it != end; it.increment(ec)) {
        BackupEntry entry;
        if (!it->is_regular_file(ec) || !parseName(it->path().filename().string(), entry))
            continue;
        entry.path = it->path().string();
        std::string bytes;
        PairList pairs;
        if (readBytes(entry.path, bytes) && FlyArchive::read(bytes, pairs))
            entry.pairCount = pairs.count();
        entries.push_back(entry);
    }
    std::sort(entries.begin(), entries.end(),
              [](const BackupEntry& a, const BackupEntry& b) { return a.sequence > b.sequence; });
    return entries;
}

bool Backups::keep(const std::string& listPath, const Clock& clock, std::string* error) const
{
    std::error_code ec;
    if (!fs::is_regular_file(listPath, ec))
        return true;
    std::string bytes;
    if (!readBytes(listPath, bytes))
        return fail(error, "cannot read " + listPath);
    const std::vector<BackupEntry> kept = list(listPath);
    std::string newest;
    if (!kept.empty() && readBytes(kept.front().path, newest) && newest == bytes)
        return true;

    const fs::path folder = folderFor(listPath);
    fs::create_directories(folder, ec);
    if (ec || !fs::is_directory(folder))
        return fail(error, "cannot create the folder " + folder.string());
    char sequence[16];
    std::snprintf(sequence, sizeof sequence, "%0*d", SequenceDigits,
                  (kept.empty() ? 0 : kept.front().sequence + 1) % 1000000);
    const fs::path target = folder / (std::string(sequence) + " " + clock.formatLocal("%Y-%m-%d %H-%M-%S") + ".fly");
    if (!SaveFile::write(target.string(), bytes, error))
        return false;
    // Rotation: the oldest versions beyond Keep go.
    for (size_t i = Keep - 1; i < kept.size(); ++i)
        fs::remove(kept[i].path, ec);
    return true;
}

bool Backups::restore(const std::string& listPath, const BackupEntry& backup, const Clock& clock,
                      std::string* error) const
{
    std::string bytes;
    if (!readBytes(backup.path, bytes))
        return fail(error, "cannot read " + backup.path);
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
