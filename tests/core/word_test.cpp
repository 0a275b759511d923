#include "core/word.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace brainlark
{
namespace
{

Word withCounts(int32_t right, int32_t wrong)
{
    Word w("q", "a");
    w.AddRight(right);
    w.AddWrong(wrong);
    return w;
}

TEST(WordConstruction, StartsEmptyAndCopiesEveryField)
{
    const Word empty;
    EXPECT_EQ(empty.question(), "");
    EXPECT_EQ(empty.total(), 0);
    EXPECT_EQ(empty.kind(), Word::Pair);
    EXPECT_EQ(empty.GetRating(), 0.0f);
    EXPECT_FALSE(empty.isReversed());

    Word original("house", "Haus");
    original.setReversed(true);
    original.SetRating(2.5f);
    const Word copy = original;
    EXPECT_TRUE(copy.isReversed());
    EXPECT_EQ(copy.GetQuestion(), "Haus");
    EXPECT_EQ(copy, original);
}

TEST(WordRating, RightAnswerAddsBetweenThreeQuartersAndOneAndAQuarter)
{
    Word slow;
    EXPECT_FLOAT_EQ(slow.UpdateRating(12.0, false), 0.75f);
    EXPECT_FLOAT_EQ(slow.GetRating(), 0.75f);
    Word capped;
    EXPECT_FLOAT_EQ(capped.UpdateRating(10.0, false), 0.75f);
    Word fast;
    EXPECT_FLOAT_EQ(fast.UpdateRating(0.0, false), 1.25f);
    Word fiveSeconds;
    EXPECT_FLOAT_EQ(fiveSeconds.UpdateRating(5.0, false), 1.0f);
    Word quick;
    EXPECT_FLOAT_EQ(quick.UpdateRating(4.0, false), 1.05f);
}

TEST(WordRating, MissedPairLosesTwoButNeverGoesNegative)
{
    Word known;
    known.SetRating(1.5f);
    EXPECT_EQ(known.UpdateRating(1.0, true), 0.0f);
    Word better;
    better.SetRating(3.25f);
    EXPECT_FLOAT_EQ(better.UpdateRating(30.0, true), 1.25f);
}

TEST(WordRating, LoadedRatingClampResetsAbsurdValuesAndRecomputesTotal)
{
    Word w;
    w.SetRight(4);
    w.SetWrong(5);
    EXPECT_EQ(w.total(), 0);
    w.SetRating(2000000.0f);
    w.clampLoadedRating();
    EXPECT_EQ(w.GetRating(), 0.0f);
    EXPECT_EQ(w.total(), 9);
    w.SetRating(1000000.0f);
    w.clampLoadedRating();
    EXPECT_EQ(w.GetRating(), 1000000.0f);
    w.SetRating(std::numeric_limits<float>::quiet_NaN());
    w.clampLoadedRating();
    EXPECT_EQ(w.GetRating(), 0.0f);
}

TEST(WordStatistics, AddKeepsTotalAndSetLeavesItToRecalc)
{
    Word w;
    w.AddRight(3);
    w.AddWrong(2);
    EXPECT_EQ(w.total(), 5);
    w.SetRight(10);
    EXPECT_EQ(w.total(), 5);
    w.RecalcTotal();
    EXPECT_EQ(w.total(), 12);
    w.incrementTimesInQuestion();
    EXPECT_EQ(w.timesInQuestion(), 1);
}

TEST(WordFormat, AccuracyIsColouredByInclusiveThresholds)
{
    EXPECT_EQ(withCounts(9, 1).FormatAccuracyHtml(), "<font color='green'>90 %</font>");
    EXPECT_EQ(withCounts(7, 3).FormatAccuracyHtml(), "<font color='blue'>70 %</font>");
    EXPECT_EQ(withCounts(1, 1).FormatAccuracyHtml(), "<font color='orange'>50 %</font>");
    EXPECT_EQ(withCounts(0, 3).FormatAccuracyHtml(), "<font color='red'>0 %</font>");
    EXPECT_EQ(withCounts(0, 0).FormatAccuracyHtml(), " - ");
    // 89.6 shows rounded up but is still below the green threshold.
    EXPECT_EQ(withCounts(224, 26).FormatAccuracyHtml(), "<font color='blue'>90 %</font>");
}

TEST(WordFormat, NumbersAndDebugLine)
{
    Word w("q", "a");
    w.SetRating(1.23456f);
    w.AddRight(3);
    w.AddWrong(-1);
    w.setKind(-1);
    w.setTimesInQuestion(4);
    EXPECT_EQ(w.FormatRating(), "1.23");
    EXPECT_EQ(w.FormatRatingPrecise(), "1.235");
    EXPECT_EQ(w.FormatRight(), "3");
    EXPECT_EQ(w.FormatWrong(), "-1");
    EXPECT_EQ(w.FormatTotal(), "2");
    EXPECT_EQ(w.FormatKind(), "-1");
    w.setReversed(true);
    EXPECT_EQ(w.FormatDebugLine(), "a: q | b: a | rating: 1.234560 | times in question: 4<br>");
}

TEST(WordSides, ReversedPairSwapsTextsAndSounds)
{
    Word w("question", "answer");
    w.SetSoundPath("one.wav", 1);
    w.SetSoundPath("sub\\two.wav", 2);
    EXPECT_EQ(w.GetQuestionSoundFile("/prog"), "/prog/quiz_sounds/one.wav");
    EXPECT_EQ(w.GetAnswerSoundFile("/prog"), "/prog/quiz_sounds/sub/two.wav");
    w.setReversed(true);
    EXPECT_EQ(w.GetQuestion(), "answer");
    EXPECT_EQ(w.GetAnswer(), "question");
    EXPECT_EQ(w.GetQuestionSoundFile("/prog"), "/prog/quiz_sounds/sub/two.wav");
    EXPECT_EQ(w.GetAnswerSoundFile("/prog/"), "/prog/quiz_sounds/one.wav");
}

TEST(WordSides, MissingMediaGiveEmptyFileNames)
{
    Word w("q", "a");
    w.SetSoundPath("two.wav", 2);
    EXPECT_EQ(w.GetQuestionSoundFile("/prog"), "");
    EXPECT_EQ(w.GetPictureFile("/prog"), "");
    w.SetPicturePath("pics\\cat.jpg");
    EXPECT_EQ(w.GetPicturePath(), "pics\\cat.jpg");
    EXPECT_EQ(w.GetPictureFile("/prog"), "/prog/quiz_pictures/pics/cat.jpg");
}

TEST(WordSides, SoundPathSelectorIgnoresOtherValues)
{
    Word w;
    w.SetSoundPath("a.wav", 1);
    w.SetSoundPath("b.wav", 2);
    w.SetSoundPath("c.wav", 3);
    w.SetSoundPath("d.wav", 0);
    EXPECT_EQ(w.GetSoundPath(1), "a.wav");
    EXPECT_EQ(w.GetSoundPath(2), "b.wav");
    EXPECT_EQ(w.GetSoundPath(0), "");
    EXPECT_EQ(w.GetSoundPath(3), "");
}

} // namespace
} // namespace brainlark
