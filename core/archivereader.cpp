#include "core/archivereader.h"

#include <stdexcept>

#include "core/cp1252.h"
#include "core/utf16.h"

namespace brainlark
{

void ArchiveReader::fail(const std::string& reason)
{
    throw std::runtime_error(reason);
}

void ArchiveReader::failEndOfFile()
{
    fail("unexpected end of file");
}

// Lengths of 255 and more: 0xFF, then 16 bits, or 0xFFFF and 32 bits. 0xFFFE in the 16 bits marks a wide
// string, whose length in UTF-16 units follows in the same 8/16/32-bit form (where 0xFFFE is a length).
ArchiveReader::StoredText ArchiveReader::readLongText()
{
    const uint16_t length = readU16();
    if (length != 0xFFFE)
        return {readBytes(length == 0xFFFF ? readU32() : length), false};
    need(1);
    size_t units = *m_pos++;
    if (units == 0xFF) {
        units = readU16();
        if (units == 0xFFFF)
            units = readU32();
    }
    return {readBytes(units * 2), true};
}

size_t ArchiveReader::maxUtf8Size(StoredText text)
{
    return text.wide ? Utf16::maxUtf8Size(text.bytes) : Cp1252::maxUtf8Size(text.bytes);
}

char* ArchiveReader::toUtf8(StoredText text, char* out)
{
    if (!text.wide)
        return Cp1252::toUtf8(text.bytes, out);
    char* const end = Utf16::toUtf8(text.bytes, out);
    if (end == nullptr)
        fail("unpaired surrogate in wide string");
    return end;
}

void ArchiveReader::appendUtf8(StoredText text, std::string& out)
{
    const size_t start = out.size();
    out.resize(start + maxUtf8Size(text));
    out.resize(static_cast<size_t>(toUtf8(text, out.data() + start) - out.data()));
}

std::string ArchiveReader::toUtf8(StoredText text)
{
    if (!text.wide && Cp1252::isAscii(text.bytes))
        return std::string(text.bytes);
    std::string out;
    appendUtf8(text, out);
    return out;
}

} // namespace brainlark
