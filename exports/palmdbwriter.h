#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace brainlark
{

class SaveFile;
class Clock;

/// Writes a Palm OS record database (.pdb): the 78-byte big-endian header, the record list of 8-byte
/// entries, the two pad bytes that conventionally follow it, then the records. Nothing reaches the target
/// path until close(): the bytes go to a temporary file beside it, which is renamed over the target.
class PalmDbWriter
{
public:
    static constexpr size_t HeaderSize = 78;
    static constexpr size_t RecordEntrySize = 8;
    static constexpr size_t NameSize = 32;
    static constexpr size_t MaxRecords = 0xFFFF; ///< the record count is a 16-bit field
    /// Seconds from 1904-01-01 (the Palm epoch) to 1970-01-01.
    static constexpr int64_t PalmEpochOffset = 2082844800;

    explicit PalmDbWriter(const Clock& clock);
    ~PalmDbWriter();
    PalmDbWriter(const PalmDbWriter&) = delete;
    PalmDbWriter& operator=(const PalmDbWriter&) = delete;

    /// The 32-bit code of a four-character type or creator ("data", "ZRPW").
    static uint32_t typeCode(const std::string& fourChars);

    /// Starts a database: creates the temporary file beside `path`. False, with a reason, when that is
    /// impossible (a missing or read-only folder). The name is cut to 31 bytes, leaving room for its 0.
    bool create(const std::string& path, const std::string& name, uint32_t type, uint32_t creator,
                std::string* error = nullptr);
    /// Adds one record (attributes 0, unique id 0). False when the database cannot hold another record.
    bool appendRecord(std::string bytes);
    /// Writes the database and moves it into place. False, with a reason, when the bytes did not all reach
    /// the disk; the target is then left as it was.
    bool close(std::string* error = nullptr);

    size_t recordCount() const { return m_records.size(); }

    /// The complete file image for the given values (dates in seconds since 1904-01-01).
    static std::string image(const std::string& name, uint32_t type, uint32_t creator, uint32_t date,
                             const std::vector<std::string>& records);

private:
    const Clock& m_clock;
    std::unique_ptr<SaveFile> m_file;
    std::string m_name;
    uint32_t m_type = 0;
    uint32_t m_creator = 0;
    uint64_t m_dataSize = 0;
    std::vector<std::string> m_records;
};

} // namespace brainlark
