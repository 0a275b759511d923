#include "core/archivewriter.h"

#include <algorithm>

#include "core/cp1252.h"
#include "core/utf16.h"

namespace brainlark
{

void ArchiveWriter::grow(size_t n)
{
    m_bytes.resize(std::max(m_bytes.size() * 2, m_used + n));
}

void ArchiveWriter::writeCount(uint32_t count)
{
    if (count < 0xFFFF) {
        writeU16(static_cast<uint16_t>(count));
        return;
    }
    writeU16(0xFFFF);
    writeU32(count);
}

// Strings of 255 bytes and more: 0xFF, then 16 bits, or 0xFFFF and 32 bits from 0xFFFE on (0xFFFE itself
// would read as the wide-string marker).
void ArchiveWriter::writeLongLength(size_t length)
{
    *reserveBytes(1) = 0xFF;
    if (length < 0xFFFE) {
        writeU16(static_cast<uint16_t>(length));
        return;
    }
    writeU16(0xFFFF);
    writeU32(static_cast<uint32_t>(length));
}

void ArchiveWriter::writeConverted(std::string_view text)
{
    if (Cp1252::encode(text, m_scratch)) {
        writeRawString(m_scratch);
        return;
    }
    const std::string units = Utf16::fromUtf8(text);
    *reserveBytes(1) = 0xFF;
    writeU16(0xFFFE);
    writeLength(units.size() / 2);
    writeBytes(units.data(), units.size());
}

std::string ArchiveWriter::take()
{
    m_bytes.resize(m_used);
    m_used = 0;
    return std::move(m_bytes);
}

} // namespace brainlark
