#pragma once

// A reader of the published Palm database layout, written independently of the writer so that the tests
// check the file against the format rather than against the code that produced it.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace brainlark::test
{

struct PdbRecord {
    uint32_t offset = 0;
    uint8_t attributes = 0;
    uint32_t uniqueId = 0;
    std::string bytes;
};

struct PdbFile {
    std::string nameField; // all 32 bytes
    uint16_t attributes = 0;
    uint16_t version = 0;
    uint32_t creationDate = 0;
    uint32_t modificationDate = 0;
    uint32_t backupDate = 0;
    uint32_t modificationNumber = 0;
    uint32_t appInfoId = 0;
    uint32_t sortInfoId = 0;
    std::string type;
    std::string creator;
    uint32_t uniqueIdSeed = 0;
    uint32_t nextRecordListId = 0;
    std::string gap; // the bytes between the record list and the first record
    std::vector<PdbRecord> records;

    std::string name() const { return nameField.substr(0, nameField.find('\0')); }
};

inline uint32_t readBigEndian(const std::string& bytes, size_t at, size_t width)
{
    if (at + width > bytes.size())
        throw std::runtime_error("truncated at " + std::to_string(at));
    uint32_t value = 0;
    for (size_t i = 0; i < width; ++i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

inline PdbFile parsePdb(const std::string& bytes)
{
    PdbFile f;
    if (bytes.size() < 78)
        throw std::runtime_error("shorter than a header");
    f.nameField = bytes.substr(0, 32);
    f.attributes = static_cast<uint16_t>(readBigEndian(bytes, 32, 2));
    f.version = static_cast<uint16_t>(readBigEndian(bytes, 34, 2));
    f.creationDate = readBigEndian(bytes, 36, 4);
    f.modificationDate = readBigEndian(bytes, 40, 4);
    f.backupDate = readBigEndian(bytes, 44, 4);
    f.modificationNumber = readBigEndian(bytes, 48, 4);
    f.appInfoId = readBigEndian(bytes, 52, 4);
    f.sortInfoId = readBigEndian(bytes, 56, 4);
    f.type = bytes.substr(60, 4);
    f.creator = bytes.substr(64, 4);
    f.uniqueIdSeed = readBigEndian(bytes, 68, 4);
    f.nextRecordListId = readBigEndian(bytes, 72, 4);
    const uint32_t count = readBigEndian(bytes, 76, 2);
    for (uint32_t i = 0; i < count; ++i) {
        PdbRecord r;
        const size_t entry = 78 + 8 * static_cast<size_t>(i);
        r.offset = readBigEndian(bytes, entry, 4);
        r.attributes = static_cast<uint8_t>(readBigEndian(bytes, entry + 4, 1));
        r.uniqueId = readBigEndian(bytes, entry + 5, 3);
        f.records.push_back(r);
    }
    const size_t listEnd = 78 + 8 * static_cast<size_t>(count);
    const size_t firstData = count > 0 ? f.records[0].offset : bytes.size();
    if (firstData < listEnd || firstData > bytes.size())
        throw std::runtime_error("first record outside the file");
    f.gap = bytes.substr(listEnd, firstData - listEnd);
    for (uint32_t i = 0; i < count; ++i) {
        const size_t begin = f.records[i].offset;
        const size_t end = i + 1 < count ? f.records[i + 1].offset : bytes.size();
        if (end < begin || end > bytes.size())
            throw std::runtime_error("record " + std::to_string(i) + " out of order");
        f.records[i].bytes = bytes.substr(begin, end - begin);
    }
    return f;
}

} // namespace brainlark::test
