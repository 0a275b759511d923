#include "exports/palmexport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

#include "core/clock.h"
#include "core/pairlist.h"
#include "exports/palmdbwriter.h"
#include "pdbreader.h"
#include "tempfolder.h"

using namespace brainlark;
using namespace std::string_literals;
using test::parsePdb;
using test::PdbFile;
using test::TempFolder;

namespace
{

PairList makeList(int pairs)
{
    PairList list;
    for (int i = 0; i < pairs; ++i)
        list.pairs().emplace_back("q" + std::to_string(i), "a" + std::to_string(i));
    return list;
}

void addWrongAnswer(PairList& list, const std::string& question, const std::string& answer)
{
    Pair wrong(question, answer);
    wrong.setKind(Pair::WrongAnswer);
    list.wrongAnswers().push_back(wrong);
}

class PalmExportTest : public ::testing::Test
{
protected:
    PalmExportResult run(const PairList& list, const std::string& title)
    {
        PalmExport exporter(clock, diagnostics);
        return exporter.exportList(list, title, folder.file(title + ".pdb"));
    }
    PdbFile readBack(const std::string& title)
    {
        return parsePdb(test::readBytes(folder.file(title + ".pdb")));
    }

    ManualClock clock{1700000000};
    std::ostringstream diagnostics;
    TempFolder folder;
};

} // namespace

TEST_F(PalmExportTest, HeaderFollowsThePalmLayout)
{
    const PalmExportResult result = run(makeList(3), "Capitals");
    ASSERT_TRUE(result.written);
    EXPECT_TRUE(result.messages.empty());
    const std::string bytes = test::readBytes(folder.file("Capitals.pdb"));
    const PdbFile pdb = parsePdb(bytes);
    EXPECT_EQ(pdb.nameField, "Capitals_s2"s + std::string(21, '\0'));
    EXPECT_EQ(pdb.attributes, 0);
    EXPECT_EQ(pdb.version, 0);
    const uint32_t palmNow = 1700000000u + 2082844800u;
    EXPECT_EQ(pdb.creationDate, palmNow);
    EXPECT_EQ(pdb.modificationDate, palmNow);
    EXPECT_EQ(pdb.backupDate, 0u);
    EXPECT_EQ(pdb.modificationNumber, 0u);
    EXPECT_EQ(pdb.appInfoId, 0u);
    EXPECT_EQ(pdb.sortInfoId, 0u);
    EXPECT_EQ(pdb.type, "data");
    EXPECT_EQ(pdb.creator, "ZRPW");
    EXPECT_EQ(pdb.uniqueIdSeed, 0u);
    EXPECT_EQ(pdb.nextRecordListId, 0u);
    EXPECT_EQ(pdb.gap, "\0\0"s);
    ASSERT_EQ(pdb.records.size(), 4u);
    EXPECT_EQ(pdb.records[0].offset, 78u + 4 * 8 + 2);
    for (const auto& r : pdb.records) {
        EXPECT_EQ(r.attributes, 0);
        EXPECT_EQ(r.uniqueId, 0u);
    }
    // Header, list, pad, then exactly the records: nothing trails.
    size_t total = 78 + 4 * 8 + 2;
    for (const auto& r : pdb.records)
        total += r.bytes.size();
    EXPECT_EQ(bytes.size(), total);
}

TEST_F(PalmExportTest, ThreePairsGiveTheExtraInfoRecordAndThreePairRecords)
{
    ASSERT_TRUE(run(makeList(3), "Three").written);
    const PdbFile pdb = readBack("Three");
    ASSERT_EQ(pdb.records.size(), 4u);
    EXPECT_EQ(pdb.records[0].bytes, "3\0"s
                                    "0\0"s
                                    "extra info string\0"s);
    EXPECT_EQ(pdb.records[0].bytes.size(), 22u);
    EXPECT_EQ(pdb.records[1].bytes, "0\0q0\0a0\0"s + std::string(6, '\0'));
    EXPECT_EQ(pdb.records[3].bytes, "0\0q2\0a2\0"s + std::string(6, '\0'));
}

TEST_F(PalmExportTest, RecordLengthIsQuestionPlusAnswerPlusTen)
{
    PairList list;
    list.pairs().emplace_back("ques", "answe");
    EXPECT_EQ(PalmExport::entryRecord(list.pairs()[0]).size(), 19u);
    ASSERT_TRUE(run(list, "Lengths").written);
    const PdbFile pdb = readBack("Lengths");
    ASSERT_EQ(pdb.records.size(), 2u);
    EXPECT_EQ(pdb.records[1].bytes, "0\0ques\0answe\0\0\0\0\0\0\0"s);
    EXPECT_EQ(pdb.records[1].bytes.size(), 19u);
}

TEST_F(PalmExportTest, WrongAnswersFollowTheirPairAndCountInTheExtraInfo)
{
    PairList list = makeList(3);
    addWrongAnswer(list, "q1", "w1a");
    addWrongAnswer(list, "q0", "w0");
    addWrongAnswer(list, "q1", "w1b");
    const PalmExportResult result = run(list, "Wrong");
    ASSERT_TRUE(result.written);
    EXPECT_EQ(result.pairRecords, 3);
    EXPECT_EQ(result.wrongRecords, 3);
    EXPECT_FALSE(result.hasError());
    EXPECT_EQ(result.folderToOpen, folder.path() + "/");
    const PdbFile pdb = readBack("Wrong");
    std::vector<std::string> records;
    for (const auto& r : pdb.records)
        records.push_back(r.bytes);
    const std::string six(6, '\0');
    EXPECT_THAT(records,
                ::testing::ElementsAre("3\0"s
                                       "3\0"s
                                       "extra info string\0"s,
                                       "0\0q0\0a0\0"s + six, "1\0q0\0w0\0"s + six, "0\0q1\0a1\0"s + six,
                                       "1\0q1\0w1a\0"s + six, "1\0q1\0w1b\0"s + six, "0\0q2\0a2\0"s + six));
}

TEST_F(PalmExportTest, TextsKeepTheirBytesAndFollowTheShownSide)
{
    PairList list;
    list.pairs().emplace_back("caf\xC3\xA9", "coffee");
    list.pairs().emplace_back("th\xC3\xA9", "tea");
    list.toggleReverse();
    ASSERT_TRUE(run(list, "Drinks").written);
    const PdbFile pdb = readBack("Drinks");
    ASSERT_EQ(pdb.records.size(), 3u);
    EXPECT_EQ(pdb.records[1].bytes, "0\0coffee\0caf\xE9\0"s + std::string(6, '\0'));
}

TEST_F(PalmExportTest, LongTitlesAreCutWithAMessage)
{
    const std::string title30 = "abcdefghijklmnopqrstuvwxyz0123";
    const PalmExportResult result = run(makeList(1), title30);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0],
              (ExportMessage{"Due to Palm OS limitations, the name of this Q&A-list will be truncated to "
                             "abcdefghijklmnopqrstuvwxyz01.\n\nWe apologize for the inconvenience.",
                             false}));
    EXPECT_EQ(result.databaseName, "abcdefghijklmnopqrstuvwxyz01_s2");
    ASSERT_TRUE(result.written);
    EXPECT_EQ(readBack(title30).nameField, "abcdefghijklmnopqrstuvwxyz01_s2\0"s);
}

TEST_F(PalmExportTest, TwentyEightByteTitleFitsWithoutMessage)
{
    const std::string title28 = "abcdefghijklmnopqrstuvwxyz01";
    const PalmExportResult result = run(makeList(1), title28);
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(result.databaseName, title28 + "_s2");
    EXPECT_EQ(PalmExport::shortenedTitle(title28 + "2"), title28);
}

TEST_F(PalmExportTest, TextsBeyondWindows1252AreRefusedBeforeAnyFileIsTouched)
{
    PairList list = makeList(3);
    addWrongAnswer(list, "q0", "w\xC3\xA9");       // é: the code page holds it
    list.pairs()[1].setAnswer("\xD0\xB4\xD0\xB0"); // да
    addWrongAnswer(list, "q2", "\xE6\x9D\xB1");
    const PalmExportResult result = run(list, "Words");
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(
        result.messages[0],
        (ExportMessage{"Sorry, could not create Palm Database file. \nPair 2: \"\xD0\xB4\xD0\xB0\" holds "
                       "\"\xD0\xB4\" U+0434, which the handheld (Windows-1252 only) cannot show.",
                       true}));
    EXPECT_FALSE(result.written);
    EXPECT_TRUE(folder.entries().empty());

    list.pairs()[1].setAnswer("a1");
    EXPECT_THAT(run(list, "Words").messages[0].text,
                ::testing::HasSubstr("\nA wrong answer of pair 3: \"\xE6\x9D\xB1\" holds"));
    list.wrongAnswers().pop_back();
    EXPECT_THAT(run(list, "\xD0\x9A").messages[0].text,
                ::testing::HasSubstr("\nThe list's name holds \"\xD0\x9A\" U+041A"));
    EXPECT_TRUE(folder.entries().empty());
}

TEST_F(PalmExportTest, DuplicateQuestionStopsBeforeAnyFileIsTouched)
{
    PairList list = makeList(4);
    list.pairs()[3].setQuestion("q1");
    const PalmExportResult result = run(list, "Twins");
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0],
              (ExportMessage{"Found a duplicate question: \nq1\nPlease rephrase or remove it "
                             "from the quiz and export to Palm again.",
                             true}));
    EXPECT_FALSE(result.written);
    EXPECT_TRUE(folder.entries().empty());
}

TEST_F(PalmExportTest, MissingFolderGivesTheCreationMessage)
{
    PalmExport exporter(clock, diagnostics);
    const std::string palmFolder = folder.file("palm");
    const PalmExportResult result = exporter.exportList(makeList(2), "List", palmFolder + "/List.pdb");
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0],
              (ExportMessage{"Sorry, could not create Palm Database file. \nThe most likely "
                             "reason: folder " +
                                 palmFolder + "/ does not exist.",
                             true}));
    EXPECT_FALSE(result.written);
    EXPECT_TRUE(result.folderToOpen.empty());
}

TEST_F(PalmExportTest, OrphanWrongAnswerIsWrittenButReportedAsCountMismatch)
{
    PairList list = makeList(2);
    addWrongAnswer(list, "q0", "w0");
    addWrongAnswer(list, "nobody asks this", "w?");
    const PalmExportResult result = run(list, "Orphans");
    EXPECT_TRUE(result.written);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0],
              (ExportMessage{"Error exporting Orphans_s2. \nP1 = 2 : 2 \nP2 = 1 : 2", true}));
    EXPECT_TRUE(result.folderToOpen.empty());
    EXPECT_EQ(readBack("Orphans").records.size(), 4u);
}

TEST_F(PalmExportTest, EmptyListGivesOnlyTheExtraInfoRecord)
{
    const PalmExportResult result = run(PairList(), "Empty");
    ASSERT_TRUE(result.written);
    EXPECT_FALSE(result.hasError());
    const PdbFile pdb = readBack("Empty");
    ASSERT_EQ(pdb.records.size(), 1u);
    EXPECT_EQ(pdb.records[0].bytes, "0\0"s
                                    "0\0"s
                                    "extra info string\0"s);
}

TEST_F(PalmExportTest, OverwritesAnOldExportAndLeavesNoTemporaryFiles)
{
    test::writeBytes(folder.file("Again.pdb"), "an older, longer file that must disappear completely");
    ASSERT_TRUE(run(makeList(1), "Again").written);
    EXPECT_EQ(readBack("Again").records.size(), 2u);
    EXPECT_THAT(folder.entries(), ::testing::ElementsAre("Again.pdb"));
}

TEST_F(PalmExportTest, MoreRecordsThanTheFormatCountsAreRefusedBeforeWriting)
{
    // The extra-info record and 65534 pairs fill the 16-bit record count exactly; one wrong answer more does
    // not fit, whether it comes as a pair or as a wrong answer.
    PairList list;
    list.pairs().reserve(65534);
    for (int i = 0; i < 65534; ++i)
        list.pairs().emplace_back(std::to_string(i), "a");
    ASSERT_TRUE(run(list, "Full").written);
    EXPECT_EQ(readBack("Full").records.size(), 65535u);

    addWrongAnswer(list, "0", "w");
    const PalmExportResult result = run(list, "Huge");
    EXPECT_FALSE(result.written);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0],
              (ExportMessage{"Sorry, could not create Palm Database file. \nThe list needs "
                             "65536 records; a Palm database holds at most 65535.",
                             true}));
    EXPECT_EQ(diagnostics.str(), "");
    EXPECT_THAT(folder.entries(), ::testing::ElementsAre("Full.pdb"));
}

TEST_F(PalmExportTest, CreationFailureNamesTheRealReason)
{
    // The folder is there: the usual "does not exist" would send the learner looking for the wrong thing.
    const std::string target = folder.file("Locked.pdb");
    test::writeBytes(target, "old");
    ::chmod(target.c_str(), 0444);
    PalmExport exporter(clock, diagnostics);
    const PalmExportResult result = exporter.exportList(makeList(2), "Locked", target);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0],
              (ExportMessage{"Sorry, could not create Palm Database file. \nCannot save " + target +
                                 ": Permission denied.",
                             true}));
    EXPECT_EQ(test::readBytes(target), "old");
}

TEST(PalmDbWriterTest, TypeCodesAreBigEndianCharacters)
{
    EXPECT_EQ(PalmDbWriter::typeCode("data"), 0x64617461u);
    EXPECT_EQ(PalmDbWriter::typeCode("ZRPW"), 0x5A525057u);
}

TEST(PalmDbWriterTest, NameIsCutToThirtyOneBytesAndTerminated)
{
    const std::string image = PalmDbWriter::image(std::string(40, 'x'), 1, 2, 3, {});
    EXPECT_EQ(image.size(), 80u);
    EXPECT_EQ(image.substr(0, 32), std::string(31, 'x') + '\0');
    EXPECT_EQ(parsePdb(image).records.size(), 0u);
}

TEST(PalmDbWriterTest, OffsetsPointAtEachRecord)
{
    const std::string image = PalmDbWriter::image("n", 0, 0, 0, {"abc", "", "defgh"});
    const PdbFile pdb = parsePdb(image);
    ASSERT_EQ(pdb.records.size(), 3u);
    EXPECT_EQ(pdb.records[0].offset, 78u + 24 + 2);
    EXPECT_EQ(pdb.records[0].bytes, "abc");
    EXPECT_EQ(pdb.records[1].bytes, "");
    EXPECT_EQ(pdb.records[2].bytes, "defgh");
}

TEST(PalmDbWriterTest, CloseWithoutCreateFailsAndAppendIsRefused)
{
    ManualClock clock;
    PalmDbWriter writer(clock);
    EXPECT_FALSE(writer.appendRecord("x"));
    std::string reason;
    EXPECT_FALSE(writer.close(&reason));
    EXPECT_FALSE(reason.empty());
}

TEST(PalmDbWriterTest, AbandonedDatabaseLeavesNothingBehind)
{
    TempFolder folder;
    ManualClock clock;
    {
        PalmDbWriter writer(clock);
        ASSERT_TRUE(writer.create(folder.file("x.pdb"), "x", 0, 0));
        EXPECT_TRUE(writer.appendRecord("abc"));
    }
    EXPECT_TRUE(folder.entries().empty());
}
