// The one way in (FileReader) and the one way out (SaveFile), tried with what a hostile or careless user
// names: pipes without a writer, devices, folders, read-only files, links.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "../exports/tempfolder.h"
#include "core/filereader.h"
#include "core/savefile.h"

namespace brainlark
{
namespace
{

namespace fs = std::filesystem;

mode_t modeOf(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode : 0;
}

struct Target {
    const char* name;
    std::function<void(const std::string& path)> make;
    const char* reason; // how the refusal ends
};

const Target refusedTargets[] = {
    {"pipe", [](const std::string& p) { ::mkfifo(p.c_str(), 0644); }, ": not a regular file"},
    {"folder", [](const std::string& p) { fs::create_directory(p); }, ": Is a directory"},
    // Mode 0444 binds the superuser as well: a save does not get past a file marked read-only.
    {"read-only file",
     [](const std::string& p) {
         test::writeBytes(p, "old");
         ::chmod(p.c_str(), 0444);
     },
     ": Permission denied"},
    {"link to nothing", [](const std::string& p) { fs::create_symlink(p + ".missing", p); },
     ": the link leads to a missing file"},
};

TEST(SaveFileTest, RefusesTargetsItMustNotReplace)
{
    for (const Target& target : refusedTargets) {
        SCOPED_TRACE(target.name);
        test::TempFolder folder;
        const std::string path = folder.file("out.fly");
        target.make(path);
        const mode_t before = modeOf(path);
        std::string error;
        EXPECT_FALSE(SaveFile::write(path, "new", &error));
        EXPECT_EQ(error, "cannot save " + path + target.reason);
        EXPECT_EQ(modeOf(path), before);
        EXPECT_EQ(folder.entries().size(), 1u); // no temporary file left behind
        EXPECT_FALSE(SaveFile::isWritableFile(path, nullptr));
    }
}

TEST(SaveFileTest, KeepsTheModeAndWritesThroughLinks)
{
    struct Case {
        const char* name;
        mode_t mode;
        bool throughLink;
    };
    for (const Case c :
         {Case{"private", 0600, false}, Case{"group", 0640, false}, Case{"link", 0604, true}}) {
        SCOPED_TRACE(c.name);
        test::TempFolder folder;
        const std::string file = folder.file("real.txt");
        test::writeBytes(file, "old");
        ::chmod(file.c_str(), c.mode);
        const std::string target = c.throughLink ? folder.file("link.txt") : file;
        if (c.throughLink)
            fs::create_symlink(file, target);
        std::string error;
        ASSERT_TRUE(SaveFile::write(target, "new", &error)) << error;
        EXPECT_EQ(test::readBytes(file), "new");
        EXPECT_EQ(modeOf(file) & 07777, c.mode);
        EXPECT_EQ(fs::is_symlink(target), c.throughLink);
        EXPECT_EQ(folder.entries().size(), c.throughLink ? 2u : 1u);
    }
}

TEST(SaveFileTest, NamesAsLongAsTheFileSystemAllowsAreSaved)
{
    test::TempFolder folder;
    const std::string path = folder.file(std::string(251, 'n') + ".txt");
    std::string error;
    ASSERT_TRUE(SaveFile::write(path, "x", &error)) << error;
    ASSERT_TRUE(SaveFile::write(path, "y", &error)) << error;
    EXPECT_EQ(test::readBytes(path), "y");
    EXPECT_EQ(folder.entries().size(), 1u);
}

// A save that was killed leaves its hidden temporary file behind; the next save of the same target removes
// it, never the temporary file that another program is writing now (its writer holds a lock on it), nor
// the leftovers of other targets. Nothing is created before there is something to write.
TEST(SaveFileTest, RemovesLeftoversOfItsTargetButNoLiveTemporaryFile)
{
    test::TempFolder folder;
    const std::string target = folder.file("list.fly");
    const std::string stale = folder.file(".list.fly.AbC123");
    const std::string live = folder.file(".list.fly.LiVe00");
    const std::string others = folder.file(".other.fly.XyZ789");
    const std::string notOurs = folder.file(".list.fly.notes");
    for (const std::string& path : {stale, live, others, notOurs})
        test::writeBytes(path, "half a list");
    const int writer = ::open(live.c_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::flock(writer, LOCK_EX), 0);
    SaveFile file(target);
    ASSERT_TRUE(file.open(nullptr));
    EXPECT_EQ(folder.entries().size(), 4u);
    ASSERT_TRUE(file.commit("new", nullptr));
    ::close(writer);
    EXPECT_EQ(test::readBytes(target), "new");
    EXPECT_FALSE(fs::exists(stale));
    for (const std::string& path : {live, others, notOurs})
        EXPECT_TRUE(fs::exists(path)) << path;
    EXPECT_EQ(SaveFile::removeStaleTemporaries(folder.path()), 2); // the folder-wide sweep of the backups
}

TEST(SaveFileTest, ReplacementKeepsItsOwner)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser saves other people's files";
    test::TempFolder folder;
    const std::string path = folder.file("theirs.fly");
    test::writeBytes(path, "old");
    ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
    ASSERT_TRUE(SaveFile::write(path, "new", nullptr));
    struct stat st;
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
}

TEST(FileReaderTest, RefusesAtOnceWhatIsNotARegularFile)
{
    test::TempFolder folder;
    const std::string pipe = folder.file("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0); // no writer: a blocking open would never return
    struct Case {
        std::string path;
        std::string error;
    };
    const Case cases[] = {
        {pipe, "cannot read " + pipe + ": not a regular file"},
        {"/dev/zero", "cannot read /dev/zero: not a regular file"}, // endless
        {folder.path(), "cannot read " + folder.path() + ": Is a directory"},
        {folder.file("none"), "cannot open " + folder.file("none") + ": No such file or directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        std::string bytes = "untouched";
        TextStore store;
        std::string error;
        EXPECT_FALSE(FileReader::read(c.path, bytes, &error));
        EXPECT_EQ(error, c.error);
        EXPECT_FALSE(FileReader::read(c.path, store, &error));
        EXPECT_EQ(error, c.error);
        EXPECT_TRUE(store.empty());
    }
}

} // namespace
} // namespace brainlark
