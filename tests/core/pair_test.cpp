#include "core/pair.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace brainlark
{
namespace
{

Pair withCounts(int32_t right, int32_t wrong)
{
    Pair w("q", "a");
    w.addRight(right);
    w.addWrong(wrong);
    return w;
}

TEST(PairConstruction, StartsEmptyAndCopiesEveryField)
{
    const Pair empty;
    EXPECT_EQ(empty.question(), "");
    EXPECT_EQ(empty.total(), 0);
    EXPECT_EQ(empty.kind(), Pair::QuestionAnswer);
    EXPECT_EQ(empty.rating(), 0.0f);
    EXPECT_FALSE(empty.isReversed());

    Pair original("house", "Haus");
    original.setReversed(true);
    original.setRating(2.5f);
    const Pair copy = original;
    EXPECT_TRUE(copy.isReversed());
    EXPECT_EQ(copy.shownQuestion(), "Haus");
    EXPECT_EQ(copy, original);
}

TEST(PairRating, RightAnswerAddsBetweenThreeQuartersAndOneAndAQuarter)
{
    Pair slow;
    EXPECT_FLOAT_EQ(slow.updateRating(12.0, false), 0.75f);
    EXPECT_FLOAT_EQ(slow.rating(), 0.75f);
    Pair capped;
    EXPECT_FLOAT_EQ(capped.updateRating(10.0, false), 0.75f);
    Pair fast;
    EXPECT_FLOAT_EQ(fast.updateRating(0.0, false), 1.25f);
    Pair fiveSeconds;
    EXPECT_FLOAT_EQ(fiveSeconds.updateRating(5.0, false), 1.0f);
    Pair quick;
    EXPECT_FLOAT_EQ(quick.updateRating(4.0, false), 1.05f);
}

TEST(PairRating, MissedPairLosesTwoButNeverGoesNegative)
{
    Pair known;
    known.setRating(1.5f);
    EXPECT_EQ(known.updateRating(1.0, true), 0.0f);
    Pair better;
    better.setRating(3.25f);
    EXPECT_FLOAT_EQ(better.updateRating(30.0, true), 1.25f);
}

TEST(PairRating, LoadedRatingClampResetsAbsurdValuesAndRecomputesTotal)
{
    Pair w;
    w.setRight(4);
    w.setWrong(5);
    EXPECT_EQ(w.total(), 0);
    w.setRating(2000000.0f);
    w.clampLoadedRating();
    EXPECT_EQ(w.rating(), 0.0f);
    EXPECT_EQ(w.total(), 9);
    w.setRating(1000000.0f);
    w.clampLoadedRating();
    EXPECT_EQ(w.rating(), 1000000.0f);
    w.setRating(std::numeric_limits<float>::quiet_NaN());
    w.clampLoadedRating();
    EXPECT_EQ(w.rating(), 0.0f);
}

TEST(PairStatistics, AddKeepsTotalAndSetLeavesItToRecalc)
{
    Pair w;
    w.addRight(3);
    w.addWrong(2);
    EXPECT_EQ(w.total(), 5);
    w.setRight(10);
    EXPECT_EQ(w.total(), 5);
    w.recalculateTotal();
    EXPECT_EQ(w.total(), 12);
    w.incrementTimesInQuestion();
    EXPECT_EQ(w.timesInQuestion(), 1);
}

TEST(PairFormat, AccuracyIsColouredByInclusiveThresholds)
{
    EXPECT_EQ(withCounts(9, 1).formatAccuracyHtml(), "<font color='green'>90 %</font>");
    EXPECT_EQ(withCounts(7, 3).formatAccuracyHtml(), "<font color='blue'>70 %</font>");
    EXPECT_EQ(withCounts(1, 1).formatAccuracyHtml(), "<font color='orange'>50 %</font>");
    EXPECT_EQ(withCounts(0, 3).formatAccuracyHtml(), "<font color='red'>0 %</font>");
    EXPECT_EQ(withCounts(0, 0).formatAccuracyHtml(), " - ");
    // 89.6 shows rounded up but is still below the green threshold.
    EXPECT_EQ(withCounts(224, 26).formatAccuracyHtml(), "<font color='blue'>90 %</font>");
}

TEST(PairFormat, NumbersAndDebugLine)
{
    Pair w("q", "a");
    w.setRating(1.23456f);
    w.addRight(3);
    w.addWrong(-1);
    w.setKind(-1);
    w.setTimesInQuestion(4);
    EXPECT_EQ(w.formatRating(), "1.23");
    EXPECT_EQ(w.formatRatingPrecise(), "1.235");
    EXPECT_EQ(w.formatRight(), "3");
    EXPECT_EQ(w.formatWrong(), "-1");
    EXPECT_EQ(w.formatTotal(), "2");
    EXPECT_EQ(w.formatKind(), "-1");
    w.setReversed(true);
    EXPECT_EQ(w.formatDebugLine(), "a: q | b: a | rating: 1.234560 | times in question: 4<br>");
}

TEST(PairSides, ReversedPairSwapsTextsAndSounds)
{
    Pair w("question", "answer");
    w.setSoundPath("one.wav", 1);
    w.setSoundPath("sub\\two.wav", 2);
    EXPECT_EQ(w.shownQuestionSoundFile("/prog"), "/prog/quiz_sounds/one.wav");
    EXPECT_EQ(w.shownAnswerSoundFile("/prog"), "/prog/quiz_sounds/sub/two.wav");
    w.setReversed(true);
    EXPECT_EQ(w.shownQuestion(), "answer");
    EXPECT_EQ(w.shownAnswer(), "question");
    EXPECT_EQ(w.shownQuestionSoundFile("/prog"), "/prog/quiz_sounds/sub/two.wav");
    EXPECT_EQ(w.shownAnswerSoundFile("/prog/"), "/prog/quiz_sounds/one.wav");
}

TEST(PairSides, MissingMediaGiveEmptyFileNames)
{
    Pair w("q", "a");
    w.setSoundPath("two.wav", 2);
    EXPECT_EQ(w.shownQuestionSoundFile("/prog"), "");
    EXPECT_EQ(w.pictureFile("/prog"), "");
    w.setPicturePath("pics\\cat.jpg");
    EXPECT_EQ(w.picturePath(), "pics\\cat.jpg");
    EXPECT_EQ(w.pictureFile("/prog"), "/prog/quiz_pictures/pics/cat.jpg");
}

TEST(PairSides, SoundPathSelectorIgnoresOtherValues)
{
    Pair w;
    w.setSoundPath("a.wav", 1);
    w.setSoundPath("b.wav", 2);
    w.setSoundPath("c.wav", 3);
    w.setSoundPath("d.wav", 0);
    EXPECT_EQ(w.soundPath(1), "a.wav");
    EXPECT_EQ(w.soundPath(2), "b.wav");
    EXPECT_EQ(w.soundPath(0), "");
    EXPECT_EQ(w.soundPath(3), "");
}

} // namespace
} // namespace brainlark
