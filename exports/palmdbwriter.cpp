#include "exports/palmdbwriter.h"

#include "core/savefile.h"
#include "core/clock.h"

namespace brainlark
{

namespace
{

void putU16(std::string& out, uint32_t value)
{
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
    out.push_back(static_cast<char>(value & 0xFF));
}

void putU32(std::string& out, uint32_t value)
{
    putU16(out, value >> 16);
    putU16(out, value & 0xFFFF);
}

} // namespace

PalmDbWriter::PalmDbWriter(const Clock& clock) : m_clock(clock) {}

PalmDbWriter::~PalmDbWriter() = default;

uint32_t PalmDbWriter::typeCode(const std::string& fourChars)
{
    uint32_t code = 0;
    for (size_t i = 0; i < 4; ++i) {
        const unsigned char c = i < fourChars.size() ? static_cast<unsigned char>(fourChars[i]) : ' ';
        code = (code << 8) | c;
    }
    return code;
}

bool PalmDbWriter::create(const std::string& path, const std::string& name, uint32_t type, uint32_t creator,
                          std::string* error)
{
    m_records.clear();
    m_dataSize = 0;
    m_file = std::make_unique<SaveFile>(path);
    if (!m_file->open(error)) {
        m_file.reset();
        return false;
    }
    m_name = name.substr(0, NameSize - 1);
    m_type = type;
    m_creator = creator;
    return true;
}

bool PalmDbWriter::appendRecord(std::string bytes)
{
    if (!m_file || m_records.size() >= MaxRecords)
        return false;
    // Record offsets are 32-bit: the whole file must stay below 4 GiB.
    const uint64_t layout = HeaderSize + RecordEntrySize * (m_records.size() + 1) + 2;
    if (layout + m_dataSize + bytes.size() > 0xFFFFFFFFull)
        return false;
    m_dataSize += bytes.size();
    m_records.push_back(std::move(bytes));
    return true;
}

bool PalmDbWriter::close(std::string* error)
{
    if (!m_file) {
        if (error)
            *error = "no database was created";
        return false;
    }
    const uint32_t date = static_cast<uint32_t>(m_clock.wallSeconds() + PalmEpochOffset);
    const bool written = m_file->commit(image(m_name, m_type, m_creator, date, m_records), error);
    m_file.reset();
    m_records.clear();
    return written;
}

std::string PalmDbWriter::image(const std::string& name, uint32_t type, uint32_t creator, uint32_t date,
                                const std::vector<std::string>& records)
{
    std::string out = name.substr(0, NameSize - 1);
    out.resize(NameSize, '\0');
    putU16(out, 0);    // attributes
    putU16(out, 0);    // version
    putU32(out, date); // creation date
    putU32(out, date); // modification date
    putU32(out, 0);    // last backup date
    putU32(out, 0);    // modification number
    putU32(out, 0);    // application info
    putU32(out, 0);    // sort info
    putU32(out, type);
    putU32(out, creator);
    putU32(out, 0); // unique id seed
    putU32(out, 0); // next record list
    putU16(out, static_cast<uint32_t>(records.size()));
    uint32_t offset = static_cast<uint32_t>(HeaderSize + RecordEntrySize * records.size() + 2);
    for (const std::string& record : records) {
        putU32(out, offset);
        out.append(4, '\0'); // attribute byte, then the 3-byte unique id
        offset += static_cast<uint32_t>(record.size());
    }
    out.append(2, '\0');
    for (const std::string& record : records)
        out += record;
    return out;
}

} // namespace brainlark
