#include "core/subjectlist.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "core/flyarchive.h"

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

// One open, one fstat, reads until end of file. Opened non-blocking so that a FIFO named like a list cannot
// hang the scan; anything but a regular file is refused.
bool readWholeFile(const std::string& path, std::string& out)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    out.resize(static_cast<size_t>(st.st_size) + 1);
    size_t used = 0;
    for (;;) {
        if (used == out.size())
            out.resize(out.size() * 2);
        const ssize_t n = ::read(fd, out.data() + used, out.size() - used);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ::close(fd);
            out.resize(used);
            return n == 0;
        }
        used += static_cast<size_t>(n);
    }
}

const Subject& fallbackAll()
{
    static const Subject all(SubjectList::AllName);
    return all;
}

} // namespace

void SubjectList::RebuildCatalogue(const std::string& dataFolder)
{
    GetOrAddSubject(AllName);
    GetOrAddSubject(NoneName);
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
    GetOrAddSubject(subject).addList(file.name);
}

bool SubjectList::readSubject(const std::string& path, std::string& buffer, std::string& subject)
{
    if (!readWholeFile(path, buffer))
        return false;
    WordList list;
    if (!FlyArchive::read(buffer, list))
        return false;
    subject = list.subject();
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

Subject& SubjectList::GetOrAddSubject(const std::string& name)
{
    const int index = FindSubjectIndex(name);
    if (index >= 0)
        return *m_subjects[static_cast<size_t>(index)];
    m_subjects.push_back(std::make_unique<Subject>(name));
    return *m_subjects.back();
}

int SubjectList::FindSubjectIndex(const std::string& name) const
{
    for (size_t i = 0; i < m_subjects.size(); ++i) {
        if (m_subjects[i]->name() == name)
            return static_cast<int>(i);
    }
    return -1;
}

const Subject& SubjectList::GetSubjectByName(const std::string& name) const
{
    return GetSubject(FindSubjectIndex(name));
}

const Subject& SubjectList::GetSubject(int index) const
{
    // Before the first rebuild there is no subject 0 to fall back on; answer with an empty "--- All ---".
    if (m_subjects.empty())
        return fallbackAll();
    if (index < 0 || index >= GetSubjectCount())
        index = 0;
    return *m_subjects[static_cast<size_t>(index)];
}

const Subject* SubjectList::FindSubjectOfList(const std::string& key) const
{
    for (const auto& subject : m_subjects) {
        if (subject->FindList(key))
            return subject.get();
    }
    return nullptr;
}

std::string SubjectList::GetSubjectNameOfList(const std::string& key) const
{
    const Subject* subject = FindSubjectOfList(key);
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
