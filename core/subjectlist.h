#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/subject.h"
#include "core/uitext.h"

namespace brainlark
{

/// The catalogue of lists by subject, rebuilt in memory from the list files of the data folder whenever a
/// dialog needs it. After a rebuild subject 0 is "--- All ---" and subject 1 "--- n/a ---"; both stay empty
/// (a list without a subject is filed nowhere), and the subjects met in the files follow in scan order.
class SubjectList
{
public:
    static constexpr const char* AllName = QT_TRANSLATE_NOOP("brainlark::SubjectList", "--- All ---");
    static constexpr const char* NoneName = QT_TRANSLATE_NOOP("brainlark::SubjectList", "--- n/a ---");

    /// One "*.fly" file of a folder: its list name (file name without ".fly"), full path and last-write time.
    struct ListFile {
        std::string name;
        std::string path;
        int64_t modifiedNs = 0; ///< nanoseconds since the epoch
    };

    void clearSubjects() { m_subjects.clear(); }
    /// Adds the two fixed subjects and files every readable list of dataFolder under its subject. Unreadable
    /// or damaged files and a missing folder are skipped silently. Call clearSubjects first.
    void rebuildCatalogue(const std::string& dataFolder);

    Subject& subjectNamed(const std::string& name);
    int subjectIndex(const std::string& name) const;
    /// An unknown name gives subject 0.
    const Subject& subjectByName(const std::string& name) const;
    /// An index outside 0 .. count-1 is replaced by 0. The catalogue must hold at least one subject.
    const Subject& subject(int index) const;
    int subjectCount() const { return static_cast<int>(m_subjects.size()); }
    /// The first subject, in order, that files the list key; nullptr when none does.
    const Subject* subjectOfList(const std::string& key) const;
    /// The subject's name, or "--- n/a ---" for a list filed nowhere.
    std::string subjectNameOfList(const std::string& key) const;
    /// The names for the subject combo: from subject 0 when withAll, else from subject 1.
    std::vector<std::string> subjectNames(bool withAll) const;

    /// The "*.fly" files of a folder (extension in any letter case; directories and other non-files
    /// skipped), in the folder's enumeration order. A missing folder gives none.
    static std::vector<ListFile> listFiles(const std::string& dataFolder);
    /// Parses list bytes completely without building the list: true, with the list's subject, exactly when
    /// FlyArchive::read would accept the bytes.
    static bool scanSubject(std::string_view bytes, std::string& subject);
    /// The subject stored in the list file at path, or false when the file cannot be read as a list.
    /// buffer is scratch space, reused across calls so a scan does not allocate once per file.
    static bool readSubject(const std::string& path, std::string& buffer, std::string& subject);

private:
    void catalogue(const ListFile& file, std::string& buffer);

    std::vector<std::unique_ptr<Subject>> m_subjects;
};

} // namespace brainlark
