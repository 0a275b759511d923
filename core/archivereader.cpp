#include "core/archivereader.h"

#include <stdexcept>

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

// Lengths of 255 bytes and more: 0xFF, then 16 bits, or 0xFFFF and 32 bits.
size_t ArchiveReader::readLongLength()
{
    const uint16_t length = readU16();
    // 0xFFFE after the escape marks a UTF-16 string in the archive encoding; lists hold ANSI text only.
    if (length == 0xFFFE)
        fail("unsupported wide string");
    return length == 0xFFFF ? readU32() : length;
}

} // namespace brainlark
