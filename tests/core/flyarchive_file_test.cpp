#include "core/flyarchive.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace brainlark
{
namespace
{

class FlyArchiveFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/flyarchive_file_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        // Reachable by the unprivileged user the permission tests switch to.
        chmod(m_dir.c_str(), 0777);
    }
    void TearDown() override
    {
        chmod(m_dir.c_str(), 0777);
        std::string command = "rm -rf '" + m_dir + "'";
        EXPECT_EQ(std::system(command.c_str()), 0);
    }

    std::string path(const std::string& name) const { return m_dir + "/" + name; }

    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        DIR* d = opendir(m_dir.c_str());
        while (dirent* e = readdir(d)) {
            const std::string name = e->d_name;
            if (name != "." && name != "..")
                names.push_back(name);
        }
        closedir(d);
        std::sort(names.begin(), names.end());
        return names;
    }

    static std::string contents(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void put(const std::string& file, const std::string& text) { std::ofstream(file) << text; }
    static mode_t modeOf(const std::string& file)
    {
        struct stat st;
        stat(file.c_str(), &st);
        return st.st_mode & 07777;
    }

    static PairList sample()
    {
        PairList list;
        for (int i = 0; i < 6; ++i)
            list.pairs().emplace_back("q" + std::to_string(i), "a" + std::to_string(i));
        return list;
    }

    std::string m_dir;
};

// Runs fn as an unprivileged user when the tests run as root, who would pass every permission check.
bool runUnprivileged(const std::function<bool()>& fn)
{
    if (geteuid() != 0)
        return fn();
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(2);
        _exit(fn() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST_F(FlyArchiveFile, SaveCreatesTheFileAndLeavesNoTemporary)
{
    PairList list = sample();
    std::string error;
    ASSERT_TRUE(FlyArchive::writeFile(path("new.fly"), list, "S", &error)) << error;
    EXPECT_EQ(entries(), std::vector<std::string>{"new.fly"});
    PairList copy = sample();
    EXPECT_EQ(contents(path("new.fly")), FlyArchive::write(copy, "S"));
    EXPECT_EQ(list.createdStamp(), "S");
}

TEST_F(FlyArchiveFile, NewFileGetsTheUsualPermissions)
{
    const mode_t old = umask(022);
    PairList list = sample();
    ASSERT_TRUE(FlyArchive::writeFile(path("new.fly"), list, "S", nullptr));
    umask(old);
    EXPECT_EQ(modeOf(path("new.fly")), 0644u);
}

TEST_F(FlyArchiveFile, SaveReplacesALongerFileWholeAndKeepsItsPermissions)
{
    put(path("list.fly"), std::string(5000, 'x'));
    chmod(path("list.fly").c_str(), 0640);
    PairList list = sample();
    ASSERT_TRUE(FlyArchive::writeFile(path("list.fly"), list, "S", nullptr));
    PairList back;
    ASSERT_TRUE(FlyArchive::readFile(path("list.fly"), back));
    EXPECT_EQ(back.count(), 6);
    EXPECT_LT(contents(path("list.fly")).size(), 5000u);
    EXPECT_EQ(modeOf(path("list.fly")), 0640u);
    EXPECT_EQ(entries(), std::vector<std::string>{"list.fly"});
}

TEST_F(FlyArchiveFile, SaveThroughALinkUpdatesTheLinkedFile)
{
    put(path("real.fly"), "old");
    ASSERT_EQ(symlink(path("real.fly").c_str(), path("link.fly").c_str()), 0);
    PairList list = sample();
    ASSERT_TRUE(FlyArchive::writeFile(path("link.fly"), list, "S", nullptr));
    struct stat st;
    ASSERT_EQ(lstat(path("link.fly").c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_NE(contents(path("real.fly")), "old");
}

TEST_F(FlyArchiveFile, MissingFolderFailsWithAReason)
{
    PairList list = sample();
    std::string error;
    EXPECT_FALSE(FlyArchive::writeFile(path("nowhere/list.fly"), list, "S", &error));
    EXPECT_EQ(error, "cannot create a file in " + path("nowhere") + ": No such file or directory");
    EXPECT_TRUE(entries().empty());
}

TEST_F(FlyArchiveFile, FolderAsTargetIsRefused)
{
    mkdir(path("sub.fly").c_str(), 0755);
    PairList list = sample();
    std::string error;
    EXPECT_FALSE(FlyArchive::writeFile(path("sub.fly"), list, "S", &error));
    EXPECT_EQ(error, "cannot save " + path("sub.fly") + ": Is a directory");
    EXPECT_EQ(list.createdStamp(), "");
}

TEST_F(FlyArchiveFile, UnwritableFolderFailsAndWritesNothing)
{
    chmod(m_dir.c_str(), 0555);
    std::string target = path("list.fly");
    EXPECT_TRUE(runUnprivileged([target] {
        PairList list = sample();
        std::string error;
        return !FlyArchive::writeFile(target, list, "S", &error) &&
               error.find("Permission denied") != std::string::npos;
    }));
    chmod(m_dir.c_str(), 0777);
    EXPECT_TRUE(entries().empty());
}

TEST_F(FlyArchiveFile, ReadOnlyTargetIsNotReplaced)
{
    put(path("list.fly"), "keep");
    chmod(path("list.fly").c_str(), 0444);
    std::string target = path("list.fly");
    EXPECT_TRUE(runUnprivileged([target] {
        PairList list = sample();
        std::string error;
        return !FlyArchive::writeFile(target, list, "S", &error) &&
               error == "cannot save " + target + ": Permission denied" && list.createdStamp().empty();
    }));
    EXPECT_EQ(contents(path("list.fly")), "keep");
    EXPECT_EQ(entries(), std::vector<std::string>{"list.fly"});
}

TEST_F(FlyArchiveFile, AutoSaveOnlyUpdatesAnExistingFile)
{
    PairList list = sample();
    std::string error;
    EXPECT_FALSE(FlyArchive::writeExistingFile(path("gone.fly"), list, "S", &error));
    EXPECT_EQ(error, "cannot save " + path("gone.fly") + ": No such file or directory");
    EXPECT_TRUE(entries().empty());
    EXPECT_EQ(list.createdStamp(), "");

    put(path("here.fly"), "old");
    ASSERT_TRUE(FlyArchive::writeExistingFile(path("here.fly"), list, "S", &error)) << error;
    PairList back;
    ASSERT_TRUE(FlyArchive::readFile(path("here.fly"), back));
    EXPECT_EQ(back.count(), 6);
}

TEST_F(FlyArchiveFile, AutoSaveRefusesAReadOnlyFile)
{
    put(path("list.fly"), "keep");
    chmod(path("list.fly").c_str(), 0444);
    std::string target = path("list.fly");
    EXPECT_TRUE(runUnprivileged([target] {
        PairList list = sample();
        std::string error;
        return !FlyArchive::writeExistingFile(target, list, "S", &error) && list.createdStamp().empty();
    }));
    EXPECT_EQ(contents(path("list.fly")), "keep");
}

TEST_F(FlyArchiveFile, ReadingAMissingFileGivesTheReason)
{
    PairList list = sample();
    const LoadResult result = FlyArchive::readFile(path("missing.fly"), list);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error, "cannot open " + path("missing.fly") + ": No such file or directory");
    EXPECT_EQ(list.count(), 6);
}

TEST_F(FlyArchiveFile, ReadingAFolderFails)
{
    PairList list;
    const LoadResult result = FlyArchive::readFile(m_dir, list);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error, "cannot read " + m_dir + ": Is a directory");
}

} // namespace
} // namespace brainlark
