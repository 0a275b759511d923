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

void ArchiveReader::appendUtf8(StoredText text, std::string& out)
{
    if (!text.wide) {
        Cp1252::appendAsUtf8(text.bytes, out);
        return;
    }
    if (!Utf16::appendUtf8(text.bytes, out))
        fail("unpaired surrogate in wide string");
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
