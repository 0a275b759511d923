#include "core/backups.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/clock.h"
#include "core/flyarchive.h"
#include "core/listdifference.h"

namespace fs = std::filesystem;
using namespace brainlark;

namespace
{

class BackupsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_root = fs::temp_directory_path() / ("brainlark-backups-" + std::to_string(::getpid()) + "-" +
                                              testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_root);
        fs::create_directories(m_root / "data");
        m_list = (m_root / "data" / "Spanish.fly").string();
    }
    void TearDown() override { fs::remove_all(m_root); }

    // A list of `pairs` pairs (with `right` right answers on its first one) saved in place of the list
    // file, as the document does.
    void save(int pairs, int right = 0)
    {
        PairList list;
        for (int i = 0; i < pairs; ++i)
            list.pairs().emplace_back("q" + std::to_string(i), "a");
        if (pairs > 0)
            list.pairs()[0].setRight(right);
        std::string error;
        ASSERT_TRUE(Backups(m_root.string()).keep(m_list, m_clock, &error)) << error;
        ASSERT_TRUE(
            FlyArchive::writeFile(m_list, list, "stamp " + std::to_string(m_clock.wallSeconds()), &error))
            << error;
        m_clock.advanceMs(1000);
    }
    std::vector<BackupEntry> kept() const { return Backups(m_root.string()).list(m_list); }
    static int pairsIn(const BackupEntry& entry)
    {
        PairList list;
        return Backups::read(entry, list, nullptr) ? list.count() : -1;
    }
    static std::string bytesOf(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path m_root;
    std::string m_list;
    ManualClock m_clock;
};

TEST_F(BackupsTest, KeepsTheLastTenVersionsNewestFirst)
{
    for (int pairs = 1; pairs <= 12; ++pairs)
        save(pairs);
    // Twelve saves replaced eleven earlier versions (1..11 pairs); the first one rotated out.
    const std::vector<BackupEntry> versions = kept();
    ASSERT_EQ(versions.size(), 10u);
    EXPECT_EQ(pairsIn(versions.front()), 11);
    EXPECT_EQ(pairsIn(versions.back()), 2);
    EXPECT_EQ(versions.front().date.size(), std::string("2023-11-14 22:13:20").size());
    EXPECT_NE(versions.front().date, versions.back().date);
}

TEST_F(BackupsTest, AVersionThatDiffersOnlyInItsStampsIsKeptOnce)
{
    save(5);
    save(6);
    save(6); // the same list saved again a second later: other stamps only
    std::string error;
    ASSERT_TRUE(Backups(m_root.string()).keep(m_list, m_clock, &error));
    EXPECT_EQ(kept().size(), 2u);
}

// Statistics written back after each quiz never push an edited version out: of them only the newest is
// kept, beside the last ten edited versions.
TEST_F(BackupsTest, StatisticsOnlyVersionsKeepOneSlotBesideTheEditedOnes)
{
    for (int pairs = 1; pairs <= 11; ++pairs)
        save(pairs);
    for (int right = 1; right <= 6; ++right)
        save(11, right);
    const std::vector<BackupEntry> versions = kept();
    ASSERT_EQ(versions.size(), 11u);
    EXPECT_TRUE(versions.front().statisticsOnly);
    PairList newest;
    ASSERT_TRUE(Backups::read(versions.front(), newest, nullptr));
    EXPECT_EQ(newest.pairs()[0].right(), 5); // the version before the last write
    for (size_t i = 1; i < versions.size(); ++i) {
        EXPECT_FALSE(versions[i].statisticsOnly);
        EXPECT_EQ(pairsIn(versions[i]), int(12 - i)) << i;
    }
}

// Numbers do not wrap: a version numbered 999999 is followed by 1000000, and the order is what the folder
// holds (a planted 999999 once made the real newest one the first to go).
TEST_F(BackupsTest, SequenceNumbersGoOnPastSixDigits)
{
    save(1);
    save(2);
    const std::string folder = Backups(m_root.string()).folderFor(m_list);
    fs::copy_file(kept().front().path, fs::path(folder) / "999999 2020-01-01 00-00-00.fly");
    save(3);
    save(4);
    const std::vector<BackupEntry> versions = kept();
    ASSERT_EQ(versions.size(), 4u);
    EXPECT_EQ(versions[0].sequence, 1000001u);
    EXPECT_EQ(pairsIn(versions[0]), 3);
    EXPECT_EQ(versions[1].sequence, 1000000u);
    EXPECT_EQ(fs::path(versions[1].path).filename().string().substr(0, 8), "1000000 ");
    EXPECT_EQ(versions[2].sequence, 999999u);
    EXPECT_EQ(versions[3].sequence, 0u);
}

// Only the program's own names are listed, never through a link; a save reads none of the kept files.
TEST_F(BackupsTest, ListsOnlyItsOwnFilesNeverThroughALink)
{
    save(1);
    save(2);
    const fs::path folder = Backups(m_root.string()).folderFor(m_list);
    std::ofstream(folder / "notes.txt") << "mine";
    std::ofstream(folder / "000007 \x1b]0;pwned\x07.fly") << "x";
    std::ofstream(folder / "000008 2024-13-01 00-00-00.fly!") << "x";
    fs::create_symlink(m_list, folder / "000009 2024-05-01 13-22-05.fly");
    const std::vector<BackupEntry> versions = kept();
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_EQ(versions[0].sequence, 0u);
    // A kept file that cannot be read any more does not stop the next save.
    fs::permissions(versions[0].path, fs::perms::none);
    std::ofstream(versions[0].path, std::ios::trunc) << "garbage";
    save(3);
    EXPECT_EQ(kept().size(), 2u);
    EXPECT_TRUE(fs::exists(folder / "notes.txt"));
    EXPECT_TRUE(fs::is_symlink(folder / "000009 2024-05-01 13-22-05.fly"));
}

TEST_F(BackupsTest, AFolderThatCannotBeReadIsReported)
{
    save(1);
    save(2);
    const std::string folder = Backups(m_root.string()).folderFor(m_list);
    fs::remove_all(folder);
    std::ofstream(folder) << "a file where the folder should be";
    std::string error;
    EXPECT_TRUE(Backups(m_root.string()).list(m_list, &error).empty());
    EXPECT_EQ(error, "cannot read " + folder + ": not a folder");
    error.clear();
    EXPECT_TRUE(Backups(m_root.string()).list((m_root / "data" / "none.fly").string(), &error).empty());
    EXPECT_EQ(error, ""); // no folder yet: no backups, no error
}

TEST_F(BackupsTest, RestoreRoundTripKeepsTheReplacedVersionToo)
{
    save(5);
    save(7);
    save(9); // the file now holds 9 pairs; backups hold 5 and 7
    const Backups backups(m_root.string());
    const BackupEntry five = backups.list(m_list).back();
    ASSERT_EQ(pairsIn(five), 5);
    const std::string fiveBytes = bytesOf(five.path);
    std::string error;
    ASSERT_TRUE(backups.restore(m_list, five, m_clock, &error)) << error;
    EXPECT_EQ(bytesOf(m_list), fiveBytes);
    EXPECT_EQ(pairsIn(backups.list(m_list).front()), 9);
}

TEST_F(BackupsTest, AFailingBackupFolderIsReportedAndTheListIsUntouched)
{
    save(5);
    const std::string before = bytesOf(m_list);
    fs::remove_all(m_root / Backups::FolderName);
    std::ofstream(m_root / Backups::FolderName) << "a file where the folder should be";
    std::string error;
    EXPECT_FALSE(Backups(m_root.string()).keep(m_list, m_clock, &error));
    EXPECT_NE(error.find("cannot"), std::string::npos) << error;
    EXPECT_EQ(bytesOf(m_list), before);
    BackupEntry entry;
    entry.path = m_list;
    EXPECT_FALSE(Backups(m_root.string()).restore(m_list, entry, m_clock, &error));
}

TEST_F(BackupsTest, ANewListNeedsNoBackupAndListsOfOneNameStayApart)
{
    std::string error;
    EXPECT_TRUE(Backups(m_root.string()).keep((m_root / "data" / "new.fly").string(), m_clock, &error));
    const Backups backups(m_root.string());
    EXPECT_NE(backups.folderFor(m_list), backups.folderFor((m_root / "Spanish.fly").string()));
    EXPECT_EQ(Backups::programFolderOfList(m_list), m_root.string());
    EXPECT_EQ(Backups::programFolderOfList((m_root / "Spanish.fly").string()), "");
}

// What the restore dialog says of a version: pairs added, removed or changed against the present list,
// or statistics only.
TEST(ListDifferenceTest, CountsPairsAddedRemovedAndChanged)
{
    const auto list = [](std::initializer_list<std::pair<const char*, const char*>> pairs, int right = 0) {
        PairList l;
        for (const auto& [q, a] : pairs)
            l.pairs().emplace_back(q, a);
        l.pairs()[0].setRight(right);
        return l;
    };
    const PairList present = list({{"uno", "one"}, {"dos", "two"}, {"tres", "three"}});
    struct Case {
        const char* name;
        PairList version;
        int added, removed, changed;
        bool statistics;
    };
    const Case cases[] = {
        {"same", list({{"uno", "one"}, {"dos", "two"}, {"tres", "three"}}), 0, 0, 0, false},
        {"statistics only", list({{"uno", "one"}, {"dos", "two"}, {"tres", "three"}}, 4), 0, 0, 0, true},
        {"one more, one changed",
         list({{"uno", "one"}, {"dos", "deux"}, {"tres", "three"}, {"cuatro", "four"}}), 1, 0, 1, true},
        {"one fewer", list({{"uno", "one"}, {"tres", "three"}}), 0, 1, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ListDifference d = ListDifference::between(c.version, present);
        EXPECT_EQ(d.added, c.added);
        EXPECT_EQ(d.removed, c.removed);
        EXPECT_EQ(d.changed, c.changed);
        EXPECT_EQ(d.statistics, c.statistics);
        EXPECT_EQ(d.sameTexts(), c.added + c.removed + c.changed == 0);
        EXPECT_FALSE(d.otherTexts);
    }
    PairList notes = list({{"uno", "one"}, {"dos", "two"}, {"tres", "three"}});
    notes.setNotes("new notes");
    EXPECT_TRUE(ListDifference::between(notes, present).otherTexts);
}

} // namespace
