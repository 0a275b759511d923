#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "core/flyarchive.h"
#include "core/subjectlist.h"

namespace fs = std::filesystem;
using namespace brainlark;

namespace
{

class CatalogueTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_folder =
            fs::temp_directory_path() / ("brainlark-catalogue-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    void writeList(const std::string& fileName, const std::string& subject, int pairs = 5)
    {
        PairList list;
        for (int i = 0; i < pairs; ++i)
            list.pairs().emplace_back("q" + std::to_string(i), "a" + std::to_string(i));
        list.setSubject(subject);
        writeBytes(fileName, FlyArchive::write(list, FlyArchive::makeStamp("today")));
    }
    void writeBytes(const std::string& fileName, const std::string& bytes)
    {
        std::ofstream(m_folder / fileName, std::ios::binary) << bytes;
    }
    SubjectList rebuilt()
    {
        SubjectList catalogue;
        catalogue.rebuildCatalogue(m_folder.string());
        return catalogue;
    }
    static std::vector<std::string> namesAfterFixed(const SubjectList& catalogue)
    {
        std::vector<std::string> names = catalogue.subjectNames(false);
        names.erase(names.begin());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path m_folder;
};

} // namespace

TEST_F(CatalogueTest, MissingFolderGivesOnlyTheTwoFixedSubjects)
{
    SubjectList catalogue;
    catalogue.rebuildCatalogue((m_folder / "nowhere").string());
    ASSERT_EQ(catalogue.subjectCount(), 2);
    EXPECT_EQ(catalogue.subject(0).name(), "--- All ---");
    EXPECT_EQ(catalogue.subject(1).name(), "--- n/a ---");
    EXPECT_EQ(catalogue.subject(0).listCount(), 0);
    EXPECT_EQ(catalogue.subject(1).listCount(), 0);
}

TEST_F(CatalogueTest, ListsOfOneSubjectShareItAndFixedSubjectsComeFirst)
{
    writeList("Spanish.fly", "Languages");
    writeList("French.fly", "Languages");
    writeList("Capitals.fly", "Geography");
    const SubjectList catalogue = rebuilt();

    ASSERT_EQ(catalogue.subjectCount(), 4);
    EXPECT_EQ(catalogue.subject(0).name(), "--- All ---");
    EXPECT_EQ(catalogue.subject(1).name(), "--- n/a ---");
    EXPECT_EQ(namesAfterFixed(catalogue), (std::vector<std::string>{"Geography", "Languages"}));

    const Subject& languages = catalogue.subjectByName("Languages");
    EXPECT_EQ(languages.listCount(), 2);
    ASSERT_NE(languages.findList("Spanish"), nullptr);
    EXPECT_EQ(languages.findList("Spanish")->fileName(), "Spanish.fly");
    EXPECT_NE(languages.findList("French"), nullptr);
    EXPECT_EQ(languages.findList("Capitals"), nullptr);
    EXPECT_EQ(catalogue.subjectNameOfList("Capitals"), "Geography");
    EXPECT_EQ(catalogue.subject(0).listCount(), 0);
}

TEST_F(CatalogueTest, NoSubjectAndOldNaSubjectAreFiledNowhere)
{
    writeList("Old.fly", "n/a");
    writeList("Blank.fly", "");
    writeList("Named.fly", "History");
    const SubjectList catalogue = rebuilt();

    EXPECT_EQ(catalogue.subjectCount(), 3);
    EXPECT_EQ(catalogue.subjectOfList("Old"), nullptr);
    EXPECT_EQ(catalogue.subjectOfList("Blank"), nullptr);
    EXPECT_EQ(catalogue.subjectNameOfList("Old"), "--- n/a ---");
    EXPECT_EQ(catalogue.subjectNameOfList("Blank"), "--- n/a ---");
    EXPECT_EQ(catalogue.subjectNameOfList("NotAFile"), "--- n/a ---");
    EXPECT_EQ(catalogue.subjectIndex("n/a"), -1);
    EXPECT_EQ(catalogue.subject(1).listCount(), 0);
}

TEST_F(CatalogueTest, SubjectNamesAreCaseSensitive)
{
    writeList("A.fly", "Spanish");
    writeList("B.fly", "spanish");
    const SubjectList catalogue = rebuilt();
    EXPECT_EQ(namesAfterFixed(catalogue), (std::vector<std::string>{"Spanish", "spanish"}));
    EXPECT_EQ(catalogue.subjectNameOfList("A"), "Spanish");
    EXPECT_EQ(catalogue.subjectNameOfList("B"), "spanish");
    EXPECT_EQ(catalogue.subjectIndex("SPANISH"), -1);
}

TEST_F(CatalogueTest, OutOfRangeIndexAndUnknownNameGiveTheAllSubject)
{
    writeList("A.fly", "Art");
    const SubjectList catalogue = rebuilt();
    EXPECT_EQ(catalogue.subject(-1).name(), "--- All ---");
    EXPECT_EQ(catalogue.subject(catalogue.subjectCount()).name(), "--- All ---");
    EXPECT_EQ(catalogue.subject(2).name(), "Art");
    EXPECT_EQ(catalogue.subjectByName("Music").name(), "--- All ---");
    EXPECT_EQ(catalogue.subjectByName("--- n/a ---").name(), "--- n/a ---");

    const SubjectList empty;
    EXPECT_EQ(empty.subject(0).name(), "--- All ---");
    EXPECT_EQ(empty.subjectByName("Art").listCount(), 0);
}

TEST_F(CatalogueTest, DamagedAndForeignEntriesAreSkippedSilently)
{
    writeList("Good.fly", "Maths");
    writeBytes("Garbage.fly", std::string(200, '\x7f'));
    writeBytes("Empty.fly", "");
    const std::string whole = [] {
        PairList list;
        list.pairs().emplace_back("q", "a");
        list.setSubject("Truncated");
        return FlyArchive::write(list, "stamp");
    }();
    writeBytes("Cut.fly", whole.substr(0, whole.size() / 2));
    writeList("notes.txt", "Text");
    fs::create_directories(m_folder / "Folder.fly");
    ASSERT_EQ(::mkfifo((m_folder / "Pipe.fly").c_str(), 0600), 0);

    const SubjectList catalogue = rebuilt();
    EXPECT_EQ(namesAfterFixed(catalogue), std::vector<std::string>{"Maths"});
    EXPECT_EQ(catalogue.subjectOfList("Cut"), nullptr);
}

TEST_F(CatalogueTest, UpperCaseExtensionIsCatalogued)
{
    writeList("Loud.FLY", "Music");
    const SubjectList catalogue = rebuilt();
    EXPECT_EQ(catalogue.subjectNameOfList("Loud"), "Music");
    EXPECT_EQ(catalogue.subjectByName("Music").findList("Loud")->fileName(), "Loud.fly");
}

TEST_F(CatalogueTest, ClearAndRebuildGiveTheSameCatalogueAgain)
{
    writeList("A.fly", "One");
    writeList("B.fly", "Two");
    SubjectList catalogue = rebuilt();
    const std::vector<std::string> first = catalogue.subjectNames(true);
    catalogue.clearSubjects();
    EXPECT_EQ(catalogue.subjectCount(), 0);
    catalogue.rebuildCatalogue(m_folder.string());
    EXPECT_EQ(catalogue.subjectNames(true), first);
    EXPECT_EQ(catalogue.subjectByName("Two").listCount(), 1);
}

TEST(SubjectListTest, GetOrAddKeepsExistingSubjectsAndEntries)
{
    SubjectList catalogue;
    Subject& added = catalogue.subjectNamed("Art");
    const QuizInfo* first = added.addList("Monet");
    EXPECT_EQ(&catalogue.subjectNamed("Art"), &added);
    EXPECT_EQ(added.addList("Monet"), first);
    EXPECT_EQ(added.listCount(), 1);
    EXPECT_EQ(catalogue.subjectCount(), 1);

    // A key filed twice is reported under the first subject in array order.
    catalogue.subjectNamed("Painting").addList("Monet");
    EXPECT_EQ(catalogue.subjectNameOfList("Monet"), "Art");
    EXPECT_EQ(catalogue.subjectNames(true), (std::vector<std::string>{"Art", "Painting"}));
    EXPECT_EQ(catalogue.subjectNames(false), std::vector<std::string>{"Painting"});
}

TEST_F(CatalogueTest, ListFilesNamesEveryFlyFileWithItsTime)
{
    writeList("Spanish.fly", "");
    writeList("readme.txt", "");
    fs::create_directories(m_folder / "Dir.fly");
    const auto when = fs::file_time_type::clock::now() - std::chrono::hours(48);
    fs::last_write_time(m_folder / "Spanish.fly", when);

    const std::vector<SubjectList::ListFile> files = SubjectList::listFiles(m_folder.string());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].name, "Spanish");
    EXPECT_EQ(files[0].path, (m_folder / "Spanish.fly").string());
    struct stat st {
    };
    ASSERT_EQ(::stat(files[0].path.c_str(), &st), 0);
    EXPECT_EQ(files[0].modifiedNs / 1000000000, static_cast<int64_t>(st.st_mtim.tv_sec));
    EXPECT_TRUE(SubjectList::listFiles((m_folder / "missing").string()).empty());
}

TEST_F(CatalogueTest, ReadSubjectReportsUnreadableFiles)
{
    writeList("Ok.fly", "Biology");
    writeBytes("Bad.fly", "xyz");
    std::string buffer;
    std::string subject = "untouched";
    EXPECT_TRUE(SubjectList::readSubject((m_folder / "Ok.fly").string(), buffer, subject));
    EXPECT_EQ(subject, "Biology");
    subject = "untouched";
    EXPECT_FALSE(SubjectList::readSubject((m_folder / "Bad.fly").string(), buffer, subject));
    EXPECT_FALSE(SubjectList::readSubject((m_folder / "Gone.fly").string(), buffer, subject));
    EXPECT_EQ(subject, "untouched");
}

namespace
{

// Encodes a list in any of the older layouts the reader accepts, so the catalogue's scanner can be held
// against FlyArchive::read over every version and pair schema.
class OldListEncoder
{
public:
    OldListEncoder(int version, int schema) : m_version(version), m_schema(schema) {}

    std::string encode(const PairList& list)
    {
        m_out.clear();
        m_classWritten = false;
        words(list.pairs());
        if (m_version == 0)
            return m_out; // the oldest files stop after the pairs
        u32(static_cast<uint32_t>(m_version));
        if (m_version >= 2)
            string(list.notes());
        if (m_version >= 6)
            words(list.wrongAnswers());
        if (m_version >= 8) {
            string(list.createdStamp());
            string(list.savedStamp());
            string(list.password());
        }
        if (m_version >= 9)
            string(list.subject());
        if (m_version >= 10)
            u32(static_cast<uint32_t>(list.lastIndex()));
        return m_out;
    }

private:
    void u16(uint32_t v) { m_out += {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; }
    void u32(uint32_t v)
    {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    void string(std::string_view text)
    {
        if (text.size() < 255) {
            m_out += static_cast<char>(text.size());
        } else {
            m_out += '\xFF';
            u16(static_cast<uint32_t>(text.size()));
        }
        m_out += text;
    }
    void words(const std::vector<Pair>& items)
    {
        u16(static_cast<uint32_t>(items.size()));
        for (const Pair& w : items) {
            if (m_classWritten) {
                u16(0x8001);
            } else {
                u16(0xFFFF);
                u16(static_cast<uint32_t>(m_schema));
                u16(4);
                m_out += "Word";
                m_classWritten = true;
            }
            string(w.question());
            string(w.answer());
            u32(0);
            u32(0);
            if (m_schema >= 2) {
                u32(static_cast<uint32_t>(w.right()));
                u32(static_cast<uint32_t>(w.wrong()));
            }
            if (m_schema >= 3) {
                string(w.soundPathOne());
                string(w.soundPathTwo());
            }
            if (m_schema >= 4)
                string(w.hint());
            if (m_schema >= 5)
                u32(static_cast<uint32_t>(w.kind()));
            if (m_schema >= 7)
                string(w.picturePath());
        }
    }

    int m_version;
    int m_schema;
    bool m_classWritten = false;
    std::string m_out;
};

PairList sampleList()
{
    PairList list;
    list.pairs().emplace_back("perro", "dog");
    list.pairs().emplace_back("gato", std::string(300, 'c'));
    list.pairs().back().setPicturePath("animals\\cat.jpg");
    Pair wrong("perro", "cow");
    wrong.setKind(Pair::WrongAnswer);
    list.wrongAnswers().push_back(wrong);
    list.setNotes("Animals");
    list.setCreatedStamp("made");
    list.setPassword("n/a");
    list.setSubject("Spanish");
    list.setLastIndex(3);
    return list;
}

// Same acceptance and, when accepted, the same subject as the full reader.
::testing::AssertionResult scansLikeTheReader(const std::string& bytes)
{
    PairList list;
    const bool read = FlyArchive::read(bytes, list).ok;
    std::string subject = "unset";
    const bool scanned = SubjectList::scanSubject(bytes, subject);
    if (read != scanned)
        return ::testing::AssertionFailure() << "reader " << read << ", scanner " << scanned;
    if (read && subject != list.subject())
        return ::testing::AssertionFailure() << "subject '" << subject << "' vs '" << list.subject() << "'";
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(SubjectScanTest, AgreesWithTheReaderOnEveryLayoutAndEveryDamage)
{
    const PairList list = sampleList();
    for (int version : {0, 1, 2, 5, 6, 7, 8, 9, 10, 11}) {
        for (int schema : {0, 1, 2, 3, 4, 5, 6, 7, 10, 11}) {
            SCOPED_TRACE("version " + std::to_string(version) + " schema " + std::to_string(schema));
            const std::string bytes = OldListEncoder(version, schema).encode(list);
            ASSERT_TRUE(scansLikeTheReader(bytes));
            for (size_t cut = 0; cut < bytes.size(); ++cut)
                ASSERT_TRUE(scansLikeTheReader(bytes.substr(0, cut))) << "cut at " << cut;
            for (size_t at = 0; at < bytes.size(); ++at) {
                for (char value : {'\x00', '\x01', '\x7F', '\x80', '\xFE', '\xFF'}) {
                    std::string damaged = bytes;
                    damaged[at] = value;
                    ASSERT_TRUE(scansLikeTheReader(damaged)) << "byte " << at << " = " << int(value);
                }
            }
        }
    }
}

TEST(SubjectScanTest, AgreesWithTheReaderOnOddTags)
{
    PairList list = sampleList();
    const std::string bytes = FlyArchive::write(list, "s");
    EXPECT_TRUE(scansLikeTheReader(bytes + "trailing bytes are ignored"));
    // The second pair's tag (before its length byte and "gato") replaced by other tags.
    const size_t tagAt = bytes.find("gato") - 3;
    const std::pair<std::string, bool> tags[] = {
        {std::string("\xFF\xFF\x0A\x00\x04\x00Word", 10), true}, // a second class definition
        {std::string("\xFF\x7F\x01\x00\x00\x80", 6), true},      // a 32-bit class reference
        {std::string("\x02\x00", 2), false},                     // a reference to an object
        {std::string("\x00\x00", 2), false},                     // a null entry
        {std::string("\x05\x80", 2), false},                     // a class never defined
    };
    for (const auto& [tag, accepted] : tags) {
        std::string edited = bytes;
        edited.replace(tagAt, 2, tag);
        PairList read;
        EXPECT_EQ(FlyArchive::read(edited, read).ok, accepted);
        EXPECT_TRUE(scansLikeTheReader(edited));
    }
}
