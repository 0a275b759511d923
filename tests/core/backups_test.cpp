#include "core/backups.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/clock.h"
#include "core/flyarchive.h"

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

    // A list of `pairs` pairs saved in place of the list file, as the document does.
    void save(int pairs)
    {
        PairList list;
        for (int i = 0; i < pairs; ++i)
            list.pairs().emplace_back("q" + std::to_string(i), "a");
        std::string error;
        ASSERT_TRUE(Backups(m_root.string()).keep(m_list, m_clock, &error)) << error;
        ASSERT_TRUE(FlyArchive::writeFile(m_list, list, "stamp", &error)) << error;
        m_clock.advanceMs(1000);
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
    const std::vector<BackupEntry> kept = Backups(m_root.string()).list(m_list);
    ASSERT_EQ(kept.size(), 10u);
    EXPECT_EQ(kept.front().pairCount, 11);
    EXPECT_EQ(kept.back().pairCount, 2);
    EXPECT_EQ(kept.front().date.size(), std::string("2023-11-14 22:13:20").size());
    EXPECT_NE(kept.front().date, kept.back().date);
}

TEST_F(BackupsTest, SameBytesAreKeptOnce)
{
    save(5);
    save(6);
    std::string error;
    ASSERT_TRUE(Backups(m_root.string()).keep(m_list, m_clock, &error));
    ASSERT_TRUE(Backups(m_root.string()).keep(m_list, m_clock, &error));
    EXPECT_EQ(Backups(m_root.string()).list(m_list).size(), 2u);
}

TEST_F(BackupsTest, RestoreRoundTripKeepsTheReplacedVersionToo)
{
    save(5);
    save(7);
    save(9); // the file now holds 9 pairs; backups hold 5 and 7
    const Backups backups(m_root.string());
    const BackupEntry five = backups.list(m_list).back();
    ASSERT_EQ(five.pairCount, 5);
    const std::string fiveBytes = bytesOf(five.path);
    std::string error;
    ASSERT_TRUE(backups.restore(m_list, five, m_clock, &error)) << error;
    EXPECT_EQ(bytesOf(m_list), fiveBytes);
    EXPECT_EQ(backups.list(m_list).front().pairCount, 9);
}

TEST_F(BackupsTest, AFailingBackupFolderIsReportedAndTheListIsUntouched)
{
    save(5);
    const std::string before = bytesOf(m_list);
    fs::remove_all(m_root / Backups::FolderName);
    std::ofstream(m_root / Backups::FolderName) << "a file where the folder should be";
    std::string error;
    EXPECT_FALSE(Backups(m_root.string()).keep(m_list, m_clock, &error));
    EXPECT_NE(error.find("cannot create"), std::string::npos) << error;
    EXPECT_EQ(bytesOf(m_list), before);
    EXPECT_FALSE(Backups(m_root.string()).restore(m_list, {m_list, "", 5, 1}, m_clock, &error));
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

} // namespace
