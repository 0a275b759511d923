#include "core/subjectlist.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "core/cp1252.h"
#include "core/filereader.h"
#include "core/flyarchive.h"
#include "core/utf16.h"

namespace brainlark
{

namespace
{

bool hasFlyExtension(const std::string& fileName)
{
    if (fileName.size() < 4)
        return false;
    std::string ext = fileName.substr(fileName.size() - 4);
    for (char& c : ext)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return ext == ".fly";
}

// Walks a whole list file the way FlyArchive::read does and accepts exactly the files it accepts, but
// builds no pairs: the catalogue only wants the subject near the end, and a rebuild reads every list, so
// this path must cost little more than reading the bytes. Any change to the format rules in
// FlyArchive::read has to be mirrored here; the catalogue tests compare both readers byte for byte.
class SubjectScanner
{
public:
    explicit SubjectScanner(std::string_view bytes)
        : m_pos(reinterpret_cast<const unsigned char*>(bytes.data())), m_end(m_pos + bytes.size())
    {
    }

    bool scan(std::string& subject)
    {
        if (!skipPairArray())
            return false;
        uint32_t version = 1;
        if (remaining() >= 4) {
            version = u32();
            if (version < 1 || version > FlyArchive::CurrentVersion)
                return false;
        }
        subject.clear();
        if (version == 1)
            return true;
        if (!skipString())
            return false;
        if (version <= 5)
            return true;
        if (!skipPairArray())
            return false;
        if (version <= 7)
            return true;
        if (!skipString() || !skipString() || !skipString())
            return false;
        if (version >= 9) {
            std::string_view text;
            bool wide = false;
            if (!string(text, wide))
                return false;
            subject.clear();
            if (wide)
                Utf16::appendUtf8(text, subject);
            else
                subject = Cp1252::toUtf8(text);
        }
        return version < 10 || skip(4);
    }

private:
    size_t remaining() const { return static_cast<size_t>(m_end - m_pos); }
    bool skip(size_t n)
    {
        if (remaining() < n)
            return false;
        m_pos += n;
        return true;
    }
    uint16_t u16()
    {
        const uint16_t v = static_cast<uint16_t>(m_pos[0] | (m_pos[1] << 8));
        m_pos += 2;
        return v;
    }
    uint32_t u32()
    {
        const uint32_t v = static_cast<uint32_t>(m_pos[0]) | (static_cast<uint32_t>(m_pos[1]) << 8) |
                           (static_cast<uint32_t>(m_pos[2]) << 16) | (static_cast<uint32_t>(m_pos[3]) << 24);
        m_pos += 4;
        return v;
    }
    // A string's bytes; for the wide form (0xFF, 0xFFFE, then the length in UTF-16 units) its units, which
    // must pair their surrogates as the reader demands.
    bool string(std::string_view& text, bool& wide)
    {
        if (remaining() < 1)
            return false;
        size_t length = *m_pos++;
        wide = false;
        if (length == 0xFF) {
            if (remaining() < 2)
                return false;
            length = u16();
            if (length == 0xFFFE) {
                wide = true;
                if (remaining() < 1)
                    return false;
                length = *m_pos++;
                if (length == 0xFF) {
                    if (remaining() < 2)
                        return false;
                    length = u16();
                }
            }
            if (length == 0xFFFF) {
                if (remaining() < 4)
                    return false;
                length = u32();
            }
            if (wide)
                length *= 2;
        }
        if (remaining() < length)
            return false;
        text = std::string_view(reinterpret_cast<const char*>(m_pos), length);
        m_pos += length;
        std::string ignored;
        return !wide || Utf16::appendUtf8(text, ignored);
    }
    bool skipString()
    {
        // Nearly every text is shorter than 255 bytes: one length byte, one bounds check.
        if (m_pos < m_end && *m_pos != 0xFF) {
            const size_t length = *m_pos;
            if (static_cast<size_t>(m_end - m_pos) <= length)
                return false;
            m_pos += 1 + length;
            return true;
        }
        std::string_view ignored;
        bool wide = false;
        return string(ignored, wide);
    }
    bool skipPairArray()
    {
        if (remaining() < 2)
            return false;
        uint32_t count = u16();
        if (count == 0xFFFF) {
            if (remaining() < 4)
                return false;
            count = u32();
        }
        for (uint32_t i = 0; i < count; ++i) {
            if (!objectTag() || !wordBody())
                return false;
        }
        return true;
    }
    bool objectTag()
    {
        if (remaining() < 2)
            return false;
        const uint16_t tag = u16();
        if (tag == 0x8001 && !m_classes.empty() && m_classes.front() == 1) {
            ++m_nextIndex; // the tag of every pair after the first one
            return true;
        }
        if (tag == 0xFFFF) {
            if (!classDefinition())
                return false;
        } else {
            uint32_t full = (static_cast<uint32_t>(tag & 0x8000u) << 16) | (tag & 0x7FFFu);
            if (tag == 0x7FFF) {
                if (remaining() < 4)
                    return false;
                full = u32();
            }
            if (full == 0 || (full & 0x80000000u) == 0)
                return false;
            if (!std::binary_search(m_classes.begin(), m_classes.end(), full & ~0x80000000u))
                return false;
        }
        ++m_nextIndex;
        return true;
    }
    bool classDefinition()
    {
        if (remaining() < 4)
            return false;
        const uint16_t schema = u16();
        const uint16_t nameLength = u16();
        if (nameLength >= 64 || remaining() < nameLength)
            return false;
        if (std::string_view(reinterpret_cast<const char*>(m_pos), nameLength) != FlyArchive::PairClassTag)
            return false;
        m_pos += nameLength;
        if (m_schema == 0) {
            if (schema < 1 || schema > FlyArchive::CurrentSchema)
                return false;
            m_schema = schema;
        }
        m_classes.push_back(m_nextIndex++);
        return true;
    }
    bool wordBody()
    {
        if (m_schema >= 7) // the layout of every list written since schema 7
            return skipString() && skipString() && skip(16) && skipString() && skipString() && skipString() &&
                   skip(4) && skipString();
        if (!skipString() || !skipString() || !skip(8))
            return false;
        if (m_schema >= 2 && !skip(8))
            return false;
        if (m_schema >= 3 && (!skipString() || !skipString()))
            return false;
        if (m_schema >= 4 && !skipString())
            return false;
        if (m_schema >= 5 && !skip(4))
            return false;
        return m_schema < 7 || skipString();
    }

    const unsigned char* m_pos;
    const unsigned char* m_end;
    int m_schema = 0;
    uint32_t m_nextIndex = 1;
    std::vector<uint32_t> m_classes;
};

const Subject& fallbackAll()
{
    static const Subject all(SubjectList::AllName);
    return all;
}

} // namespace

void SubjectList::rebuildCatalogue(const std::string& dataFolder)
{
    subjectNamed(AllName);
    subjectNamed(NoneName);
    std::string buffer;
    for (const ListFile& file : listFiles(dataFolder))
        catalogue(file, buffer);
}

void SubjectList::catalogue(const ListFile& file, std::string& buffer)
{
    std::string subject;
    if (!readSubject(file.path, buffer, subject))
        return;
    // Older lists carry "n/a" for "no subject".
    if (subject.empty() || subject == "n/a")
        return;
    subjectNamed(subject).addList(file.name);
}

bool SubjectList::scanSubject(std::string_view bytes, std::string& subject)
{
    return SubjectScanner(bytes).scan(subject);
}

bool SubjectList::readSubject(const std::string& path, std::string& buffer, std::string& subject)
{
    std::string found;
    if (!FileReader::read(path, buffer, nullptr) || !scanSubject(buffer, found))
        return false;
    subject = std::move(found);
    return true;
}

std::vector<SubjectList::ListFile> SubjectList::listFiles(const std::string& dataFolder)
{
    namespace fs = std::filesystem;
    std::vector<ListFile> files;
    std::error_code ec;
    fs::directory_iterator it(fs::path(dataFolder), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string fileName = it->path().filename().string();
        std::error_code typeError;
        if (!hasFlyExtension(fileName) || it->is_directory(typeError))
            continue;
        struct stat st {
        };
        if (::stat(it->path().c_str(), &st) != 0)
            continue;
        const int64_t ns = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        files.push_back({fileName.substr(0, fileName.size() - 4), it->path().string(), ns});
    }
    return files;
}

Subject& SubjectList::subjectNamed(const std::string& name)
{
    const int index = subjectIndex(name);
    if (index >= 0)
        return *m_subjects[static_cast<size_t>(index)];
    m_subjects.push_back(std::make_unique<Subject>(name));
    return *m_subjects.back();
}

int SubjectList::subjectIndex(const std::string& name) const
{
    for (size_t i = 0; i < m_subjects.size(); ++i) {
        if (m_subjects[i]->name() == name)
            return static_cast<int>(i);
    }
    return -1;
}

const Subject& SubjectList::subjectByName(const std::string& name) const
{
    return subject(subjectIndex(name));
}

const Subject& SubjectList::subject(int index) const
{
    // Before the first rebuild there is no subject 0 to fall back on; answer with an empty "--- All ---".
    if (m_subjects.empty())
        return fallbackAll();
    if (index < 0 || index >= subjectCount())
        index = 0;
    return *m_subjects[static_cast<size_t>(index)];
}

const Subject* SubjectList::subjectOfList(const std::string& key) const
{
    for (const auto& subject : m_subjects) {
        if (subject->findList(key))
            return subject.get();
    }
    return nullptr;
}

std::string SubjectList::subjectNameOfList(const std::string& key) const
{
    const Subject* subject = subjectOfList(key);
    return subject ? subject->name() : std::string(NoneName);
}

std::vector<std::string> SubjectList::subjectNames(bool withAll) const
{
    std::vector<std::string> names;
    for (size_t i = withAll ? 0 : 1; i < m_subjects.size(); ++i)
        names.push_back(m_subjects[i]->name());
    return names;
}

} // namespace brainlark
