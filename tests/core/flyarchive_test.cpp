#include "core/flyarchive.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

namespace brainlark
{
namespace
{

std::string bytesOf(std::initializer_list<int> values)
{
    std::string bytes;
    for (int v : values)
        bytes += static_cast<char>(v);
    return bytes;
}

WordList listOfPairs(std::initializer_list<std::pair<const char*, const char*>> pairs)
{
    WordList list;
    for (const auto& [q, a] : pairs)
        list.pairs().emplace_back(q, a);
    return list;
}

// A pair with every stored field set to something recognisable.
Word fullWord(const std::string& tag, int32_t kind)
{
    Word w("question " + tag, "answer " + tag);
    w.setTimesInQuestion(7);
    w.SetRating(2.375f);
    w.SetRight(3);
    w.SetWrong(-4);
    w.RecalcTotal();
    w.SetSoundPath("snd\\" + tag + "1.wav", 1);
    w.SetSoundPath("snd\\" + tag + "2.wav", 2);
    w.setHint("hint " + tag);
    w.setKind(kind);
    w.SetPicturePath("pic\\" + tag + ".jpg");
    return w;
}

TEST(FlyArchiveWrite, OnePairListMatchesTheFormatByteForByte)
{
    WordList list = listOfPairs({{"a", "b"}});
    const std::string expected =
        bytesOf({0x01, 0x00, 0xFF, 0xFF, 0x0A, 0x00, 0x04, 0x00, 0x57, 0x6F, 0x72, 0x64, 0x01, 0x61,
                 0x01, 0x62, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0A, 0x00,
                 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x53, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(FlyArchive::write(list, "S"), expected);
}

TEST(FlyArchiveWrite, LaterObjectsReferToTheWordClassInBothArrays)
{
    WordList list = listOfPairs({{"a", "b"}, {"c", "d"}});
    list.wrongAnswers().push_back(fullWord("w", Word::WrongAnswer));
    const std::string bytes = FlyArchive::write(list, "S");
    // Second pair starts right after the first (10 bytes of class definition + 28 of body).
    EXPECT_EQ(bytes.substr(2 + 10 + 28, 2), bytesOf({0x01, 0x80}));
    const size_t wrongCount = 2 + 10 + 28 + 2 + 28 + 4 + 1;
    EXPECT_EQ(bytes.substr(wrongCount, 4), bytesOf({0x01, 0x00, 0x01, 0x80}));
}

TEST(FlyArchiveWrite, FirstWrongAnswerDefinesTheClassWhenThereAreNoPairs)
{
    WordList list;
    list.wrongAnswers().push_back(fullWord("w", Word::WrongAnswer));
    list.wrongAnswers().push_back(fullWord("v", Word::WrongAnswer));
    const std::string bytes = FlyArchive::write(list, "S");
    EXPECT_EQ(bytes.substr(0, 9), bytesOf({0x00, 0x00, 0x0A, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00}));
    EXPECT_EQ(bytes.substr(9, 10), bytesOf({0xFF, 0xFF, 0x0A, 0x00, 0x04, 0x00, 'W', 'o', 'r', 'd'}));
    EXPECT_NE(bytes.find(bytesOf({0x01, 0x80, 0x0A, 'q', 'u', 'e', 's', 't', 'i', 'o', 'n', ' ', 'v'})),
              std::string::npos);
}

TEST(FlyArchiveWrite, WordBodyHoldsElevenFieldsInOrder)
{
    WordList list;
    list.pairs().emplace_back("Q", "A");
    Word& w = list.pairs().back();
    w.setTimesInQuestion(0x01020304);
    w.SetRating(1.5f); // 0x3FC00000
    w.SetRight(5);
    w.SetWrong(-1);
    w.SetSoundPath("s1", 1);
    w.SetSoundPath("s2", 2);
    w.setHint("h");
    w.setKind(1);
    w.SetPicturePath("p");
    const std::string body = FlyArchive::write(list, "S").substr(12, 39);
    EXPECT_EQ(body, bytesOf({0x01, 'Q',  0x01, 'A',  0x04, 0x03, 0x02, 0x01, 0x00, 0x00, 0xC0, 0x3F, 0x05,
                             0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x02, 's',  '1',  0x02, 's',  '2',
                             0x01, 'h',  0x01, 0x00, 0x00, 0x00, 0x01, 'p',  0x0A, 0x00, 0x00, 0x00, 0x00}));
}

// The notes of a list without pairs start at offset 6: count (2 bytes), then the version (4 bytes).
std::string notesPrefix(size_t length)
{
    WordList list;
    list.setNotes(std::string(length, 'n'));
    return FlyArchive::write(list, "S").substr(6, 7);
}

TEST(FlyArchiveWrite, StringLengthEncodingAtItsBoundaries)
{
    EXPECT_EQ(notesPrefix(0).substr(0, 1), bytesOf({0x00}));
    EXPECT_EQ(notesPrefix(254).substr(0, 2), bytesOf({0xFE, 'n'}));
    EXPECT_EQ(notesPrefix(255).substr(0, 4), bytesOf({0xFF, 0xFF, 0x00, 'n'}));
    EXPECT_EQ(notesPrefix(0xFFFD).substr(0, 4), bytesOf({0xFF, 0xFD, 0xFF, 'n'}));
    EXPECT_EQ(notesPrefix(0xFFFE), bytesOf({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(notesPrefix(0x12345), bytesOf({0xFF, 0xFF, 0xFF, 0x45, 0x23, 0x01, 0x00}));
}

TEST(FlyArchiveRoundTrip, StringsAtTheBoundariesReadBack)
{
    for (size_t length : {0u, 1u, 254u, 255u, 256u, 0xFFFDu, 0xFFFEu, 0xFFFFu, 0x10000u}) {
        WordList list = listOfPairs({{"q", "a"}});
        std::string text(length, 'x');
        if (length > 0)
            text.back() = 'z';
        list.pairs()[0].setHint(text);
        WordList back;
        ASSERT_TRUE(FlyArchive::read(FlyArchive::write(list, "S"), back)) << length;
        EXPECT_EQ(back.pairs()[0].hint(), text) << length;
        EXPECT_EQ(back.pairs()[0].answer(), "a") << length;
    }
}

TEST(FlyArchiveRoundTrip, CountEncodingAtItsBoundaries)
{
    for (uint32_t count : {0xFFFEu, 0xFFFFu, 0x10000u}) {
        WordList list;
        list.wrongAnswers().resize(count, Word("q", "w"));
        const std::string bytes = FlyArchive::write(list, "S");
        const std::string countBytes = bytes.substr(7, count < 0xFFFF ? 2 : 6);
        if (count == 0xFFFE)
            EXPECT_EQ(countBytes, bytesOf({0xFE, 0xFF}));
        else if (count == 0xFFFF)
            EXPECT_EQ(countBytes, bytesOf({0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}));
        else
            EXPECT_EQ(countBytes, bytesOf({0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}));
        WordList back;
        ASSERT_TRUE(FlyArchive::read(bytes, back));
        EXPECT_EQ(back.wrongAnswers().size(), count);
        EXPECT_EQ(back.wrongAnswers().back().answer(), "w");
    }
}

TEST(FlyArchiveWrite, StampGoesToCreatedFirstThenToSaved)
{
    WordList list = listOfPairs({{"a", "b"}});
    list.setSavedStamp("old");
    FlyArchive::write(list, "first");
    EXPECT_EQ(list.createdStamp(), "first");
    EXPECT_EQ(list.savedStamp(), "old");
    FlyArchive::write(list, "second");
    EXPECT_EQ(list.createdStamp(), "first");
    EXPECT_EQ(list.savedStamp(), "second");
}

TEST(FlyArchiveWrite, MakeStampJoinsVersionProgramAndDate)
{
    EXPECT_EQ(FlyArchive::makeStamp("Tue Mar  5 14:07:09 2024"),
              "Version 4.0###Brainlark for Linux###Tue Mar  5 14:07:09 2024");
}

TEST(FlyArchiveWrite, ReversedListIsStoredAsEnteredAndUnreversedAfterwards)
{
    WordList plain = listOfPairs({{"house", "Haus"}, {"tree", "Baum"}});
    WordList reversed = listOfPairs({{"house", "Haus"}, {"tree", "Baum"}});
    reversed.ToggleReverse();
    ASSERT_EQ(reversed.pairs()[0].GetQuestion(), "Haus");
    EXPECT_EQ(FlyArchive::write(reversed, "S"), FlyArchive::write(plain, "S"));
    EXPECT_FALSE(reversed.isReversed());
    EXPECT_FALSE(reversed.pairs()[1].isReversed());
    EXPECT_EQ(reversed.pairs()[1].GetQuestion(), "tree");
}

WordList richList()
{
    WordList list;
    for (int i = 0; i < 12; ++i)
        list.pairs().push_back(fullWord(std::to_string(i), Word::Pair));
    list.pairs()[3].SetRating(-0.0f);
    list.pairs()[4].SetRating(1000000.0f);
    list.wrongAnswers().push_back(fullWord("w1", Word::WrongAnswer));
    list.wrongAnswers().push_back(fullWord("w2", Word::WrongAnswer));
    list.setNotes("notes\r\nwith lines \xE4\xF6\xFC");
    list.setCreatedStamp("created");
    list.setSavedStamp("S");
    list.setPassword("secret");
    list.setSubject("Languages");
    list.setLastIndex(1);
    return list;
}

TEST(FlyArchiveRoundTrip, WriteReadWriteIsIdentical)
{
    WordList list = richList();
    const std::string first = FlyArchive::write(list, "S");
    WordList back;
    ASSERT_TRUE(FlyArchive::read(first, back));
    EXPECT_EQ(FlyArchive::write(back, "S"), first);
}

TEST(FlyArchiveRoundTrip, EveryFieldSurvives)
{
    WordList list = richList();
    const std::string bytes = FlyArchive::write(list, "S");
    WordList back;
    ASSERT_TRUE(FlyArchive::read(bytes, back));
    EXPECT_EQ(back.pairs(), list.pairs());
    EXPECT_EQ(back.wrongAnswers(), list.wrongAnswers());
    EXPECT_EQ(back.notes(), list.notes());
    EXPECT_EQ(back.createdStamp(), "created");
    EXPECT_EQ(back.savedStamp(), "S");
    EXPECT_EQ(back.password(), "secret");
    EXPECT_EQ(back.subject(), "Languages");
    EXPECT_EQ(back.lastIndex(), 1);
    EXPECT_TRUE(std::signbit(back.pairs()[3].GetRating()));
    EXPECT_EQ(back.pairs()[4].GetRating(), 1000000.0f);
    EXPECT_EQ(back.pairs()[0].total(), -1);
}

TEST(FlyArchiveRoundTrip, LoadedListStartsWithFreshQuizState)
{
    WordList list = listOfPairs({{"abcdef", "abc"}, {"x", "y"}});
    list.ToggleReverse();
    list.SortByRating(2);
    WordList back;
    ASSERT_TRUE(FlyArchive::read(FlyArchive::write(list, "S"), back));
    EXPECT_FALSE(back.isReversed());
    EXPECT_FALSE(back.pairs()[0].isReversed());
    EXPECT_TRUE(back.smartOrder().empty());
}

} // namespace
} // namespace brainlark
