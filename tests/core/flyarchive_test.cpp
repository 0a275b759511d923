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

PairList listOfPairs(std::initializer_list<std::pair<const char*, const char*>> pairs)
{
    PairList list;
    for (const auto& [q, a] : pairs)
        list.pairs().emplace_back(q, a);
    return list;
}

// A pair with every stored field set to something recognisable.
Pair fullPair(const std::string& tag, int32_t kind)
{
    Pair w("question " + tag, "answer " + tag);
    w.setTimesInQuestion(7);
    w.setRating(2.375f);
    w.setRight(3);
    w.setWrong(-4);
    w.recalculateTotal();
    w.setSoundPath("snd\\" + tag + "1.wav", 1);
    w.setSoundPath("snd\\" + tag + "2.wav", 2);
    w.setHint("hint " + tag);
    w.setKind(kind);
    w.setPicturePath("pic\\" + tag + ".jpg");
    return w;
}

TEST(FlyArchiveWrite, OnePairListMatchesTheFormatByteForByte)
{
    PairList list = listOfPairs({{"a", "b"}});
    const std::string expected =
        bytesOf({0x01, 0x00, 0xFF, 0xFF, 0x0A, 0x00, 0x04, 0x00, 0x57, 0x6F, 0x72, 0x64, 0x01, 0x61,
                 0x01, 0x62, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0A, 0x00,
                 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x53, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(FlyArchive::write(list, "S"), expected);
}

TEST(FlyArchiveWrite, LaterObjectsReferToThePairClassInBothArrays)
{
    PairList list = listOfPairs({{"a", "b"}, {"c", "d"}});
    list.wrongAnswers().push_back(fullPair("w", Pair::WrongAnswer));
    const std::string bytes = FlyArchive::write(list, "S");
    // Second pair starts right after the first (10 bytes of class definition + 28 of body).
    EXPECT_EQ(bytes.substr(2 + 10 + 28, 2), bytesOf({0x01, 0x80}));
    const size_t wrongCount = 2 + 10 + 28 + 2 + 28 + 4 + 1;
    EXPECT_EQ(bytes.substr(wrongCount, 4), bytesOf({0x01, 0x00, 0x01, 0x80}));
}

TEST(FlyArchiveWrite, FirstWrongAnswerDefinesTheClassWhenThereAreNoPairs)
{
    PairList list;
    list.wrongAnswers().push_back(fullPair("w", Pair::WrongAnswer));
    list.wrongAnswers().push_back(fullPair("v", Pair::WrongAnswer));
    const std::string bytes = FlyArchive::write(list, "S");
    EXPECT_EQ(bytes.substr(0, 9), bytesOf({0x00, 0x00, 0x0A, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00}));
    EXPECT_EQ(bytes.substr(9, 10), bytesOf({0xFF, 0xFF, 0x0A, 0x00, 0x04, 0x00, 'W', 'o', 'r', 'd'}));
    EXPECT_NE(bytes.find(bytesOf({0x01, 0x80, 0x0A, 'q', 'u', 'e', 's', 't', 'i', 'o', 'n', ' ', 'v'})),
              std::string::npos);
}

TEST(FlyArchiveWrite, PairBodyHoldsElevenFieldsInOrder)
{
    PairList list;
    list.pairs().emplace_back("Q", "A");
    Pair& w = list.pairs().back();
    w.setTimesInQuestion(0x01020304);
    w.setRating(1.5f); // 0x3FC00000
    w.setRight(5);
    w.setWrong(-1);
    w.setSoundPath("s1", 1);
    w.setSoundPath("s2", 2);
    w.setHint("h");
    w.setKind(1);
    w.setPicturePath("p");
    const std::string body = FlyArchive::write(list, "S").substr(12, 39);
    EXPECT_EQ(body, bytesOf({0x01, 'Q',  0x01, 'A',  0x04, 0x03, 0x02, 0x01, 0x00, 0x00, 0xC0, 0x3F, 0x05,
                             0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x02, 's',  '1',  0x02, 's',  '2',
                             0x01, 'h',  0x01, 0x00, 0x00, 0x00, 0x01, 'p',  0x0A, 0x00, 0x00, 0x00, 0x00}));
}

// The notes of a list without pairs start at offset 6: count (2 bytes), then the version (4 bytes).
std::string notesPrefix(size_t length)
{
    PairList list;
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
        PairList list = listOfPairs({{"q", "a"}});
        std::string text(length, 'x');
        if (length > 0)
            text.back() = 'z';
        list.pairs()[0].setHint(text);
        PairList back;
        ASSERT_TRUE(FlyArchive::read(FlyArchive::write(list, "S"), back)) << length;
        EXPECT_EQ(back.pairs()[0].hint(), text) << length;
        EXPECT_EQ(back.pairs()[0].answer(), "a") << length;
    }
}

TEST(FlyArchiveRoundTrip, CountEncodingAtItsBoundaries)
{
    for (uint32_t count : {0xFFFEu, 0xFFFFu, 0x10000u}) {
        PairList list;
        list.wrongAnswers().resize(count, Pair("q", "w"));
        const std::string bytes = FlyArchive::write(list, "S");
        const std::string countBytes = bytes.substr(7, count < 0xFFFF ? 2 : 6);
        if (count == 0xFFFE)
            EXPECT_EQ(countBytes, bytesOf({0xFE, 0xFF}));
        else if (count == 0xFFFF)
            EXPECT_EQ(countBytes, bytesOf({0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}));
        else
            EXPECT_EQ(countBytes, bytesOf({0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}));
        PairList back;
        ASSERT_TRUE(FlyArchive::read(bytes, back));
        EXPECT_EQ(back.wrongAnswers().size(), count);
        EXPECT_EQ(back.wrongAnswers().back().answer(), "w");
    }
}

TEST(FlyArchiveWrite, StampGoesToCreatedFirstThenToSaved)
{
    PairList list = listOfPairs({{"a", "b"}});
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
    PairList plain = listOfPairs({{"house", "Haus"}, {"tree", "Baum"}});
    PairList reversed = listOfPairs({{"house", "Haus"}, {"tree", "Baum"}});
    reversed.toggleReverse();
    ASSERT_EQ(reversed.pairs()[0].shownQuestion(), "Haus");
    EXPECT_EQ(FlyArchive::write(reversed, "S"), FlyArchive::write(plain, "S"));
    EXPECT_FALSE(reversed.isReversed());
    EXPECT_FALSE(reversed.pairs()[1].isReversed());
    EXPECT_EQ(reversed.pairs()[1].shownQuestion(), "tree");
}

PairList richList()
{
    PairList list;
    for (int i = 0; i < 12; ++i)
        list.pairs().push_back(fullPair(std::to_string(i), Pair::QuestionAnswer));
    list.pairs()[3].setRating(-0.0f);
    list.pairs()[4].setRating(1000000.0f);
    list.wrongAnswers().push_back(fullPair("w1", Pair::WrongAnswer));
    list.wrongAnswers().push_back(fullPair("w2", Pair::WrongAnswer));
    list.setNotes("notes\r\nwith lines \xC3\xA4\xC3\xB6\xC3\xBC");
    list.setCreatedStamp("created");
    list.setSavedStamp("S");
    list.setPassword("secret");
    list.setSubject("Languages");
    list.setLastIndex(1);
    return list;
}

TEST(FlyArchiveRoundTrip, WriteReadWriteIsIdentical)
{
    PairList list = richList();
    const std::string first = FlyArchive::write(list, "S");
    PairList back;
    ASSERT_TRUE(FlyArchive::read(first, back));
    EXPECT_EQ(FlyArchive::write(back, "S"), first);
}

TEST(FlyArchiveRoundTrip, EveryFieldSurvives)
{
    PairList list = richList();
    const std::string bytes = FlyArchive::write(list, "S");
    PairList back;
    ASSERT_TRUE(FlyArchive::read(bytes, back));
    EXPECT_EQ(back.pairs(), list.pairs());
    EXPECT_EQ(back.wrongAnswers(), list.wrongAnswers());
    EXPECT_EQ(back.notes(), list.notes());
    EXPECT_EQ(back.createdStamp(), "created");
    EXPECT_EQ(back.savedStamp(), "S");
    EXPECT_EQ(back.password(), "secret");
    EXPECT_EQ(back.subject(), "Languages");
    EXPECT_EQ(back.lastIndex(), 1);
    EXPECT_TRUE(std::signbit(back.pairs()[3].rating()));
    EXPECT_EQ(back.pairs()[4].rating(), 1000000.0f);
    EXPECT_EQ(back.pairs()[0].total(), -1);
}

TEST(FlyArchiveRoundTrip, LoadedListStartsWithFreshQuizState)
{
    PairList list = listOfPairs({{"abcdef", "abc"}, {"x", "y"}});
    list.toggleReverse();
    list.sortByRating(2);
    PairList back;
    ASSERT_TRUE(FlyArchive::read(FlyArchive::write(list, "S"), back));
    EXPECT_FALSE(back.isReversed());
    EXPECT_FALSE(back.pairs()[0].isReversed());
    EXPECT_TRUE(back.smartOrder().empty());
}

} // namespace
} // namespace brainlark
