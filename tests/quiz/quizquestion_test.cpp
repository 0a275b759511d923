#include "quiz/engine/quizquestion.h"

#include <gtest/gtest.h>

#include <set>

#include "quiz/engine/wronganswerindex.h"
#include "quiztestsupport.h"

namespace brainlark
{
namespace
{

using test::makeList;
using test::repeated;
using test::ScriptedRandom;
using test::wrongAnswer;

QuestionRequest request(SelectionMode selection, AnswerMode answers = AnswerMode::Random,
                        QuizMode mode = QuizMode::MultipleChoice, std::string previous = {})
{
    QuestionRequest r;
    r.selection = selection;
    r.answers = answers;
    r.mode = mode;
    r.previousQuestion = std::move(previous);
    return r;
}

int countPairsWithQuestion(const QuizQuestion& q, std::string_view question)
{
    int count = 0;
    for (const Pair& w : q.choices())
        count += (w.kind() == Pair::QuestionAnswer && w.shownQuestion() == question) ? 1 : 0;
    return count;
}

// --- selection -------------------------------------------------------------------------------------

TEST(QuizQuestionSelection, SmartPickDrawsOnlyAmongTheFiveLowestRated)
{
    PairList list = makeList(12);
    SeededRandom random(1);
    ManualClock clock;
    std::set<int> seen;
    for (int i = 0; i < 300; ++i) {
        clock.advanceMs(37);
        seen.insert(
            QuizQuestion::build(list, request(SelectionMode::SmartPick), random, clock).questionIndex());
    }
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3, 4}));
}

TEST(QuizQuestionSelection, SmartPickOnFivePairsAvoidsThePreviousQuestion)
{
    PairList list = makeList(5);
    SeededRandom random(42);
    ManualClock clock;
    for (int prev = 0; prev < 5; ++prev) {
        const std::string previous = "q" + std::to_string(prev);
        for (int i = 0; i < 200; ++i) {
            clock.advanceMs(13);
            const QuizQuestion q = QuizQuestion::build(
                list,
                request(SelectionMode::SmartPick, AnswerMode::Random, QuizMode::MultipleChoice, previous),
                random, clock);
            ASSERT_NE(q.questionPair().shownQuestion(), previous);
        }
    }
}

TEST(QuizQuestionSelection, SmartPickAcceptsTheRepeatAfter200Draws)
{
    // Ratings 0..4 order the candidates as pairs 0..4; the clock's ticks stay 0 so k = rand mod 5.
    PairList list = makeList(5);
    ManualClock clock;
    const QuestionRequest r =
        request(SelectionMode::SmartPick, AnswerMode::Random, QuizMode::TrueFalse, "q0");

    ScriptedRandom late(repeated(0, 199, {1}));
    EXPECT_EQ(QuizQuestion::build(list, r, late, clock).questionIndex(), 1);

    ScriptedRandom never(repeated(0, 200, {1}));
    EXPECT_EQ(QuizQuestion::build(list, r, never, clock).questionIndex(), 0);
}

TEST(QuizQuestionSelection, SmartPickAddsTheTicksModuloTheListSize)
{
    PairList list = makeList(5);
    ManualClock clock;
    clock.advanceMs(7); // 7 mod 5 = 2
    ScriptedRandom random({0});
    EXPECT_EQ(QuizQuestion::build(list, request(SelectionMode::SmartPick), random, clock).questionIndex(), 2);
}

TEST(QuizQuestionSelection, RandomAcceptsTheRepeatAfter100Draws)
{
    PairList list = makeList(5);
    for (Pair& w : list.pairs())
        w.setQuestion("same");
    ManualClock clock;
    const QuestionRequest r = request(SelectionMode::Random, AnswerMode::Random, QuizMode::TrueFalse, "same");
    ScriptedRandom random(repeated(3, 100, {1}));
    const QuizQuestion q = QuizQuestion::build(list, r, random, clock);
    EXPECT_EQ(q.questionIndex(), 3);
    // 100 selection draws, then the toss and the wrong candidate.
    EXPECT_EQ(random.calls(), 102u);
}

TEST(QuizQuestionSelection, RandomStopsAtTheFirstDifferentQuestion)
{
    PairList list = makeList(5);
    ManualClock clock;
    const QuestionRequest r = request(SelectionMode::Random, AnswerMode::Random, QuizMode::TrueFalse, "q3");
    ScriptedRandom random(repeated(3, 99, {4}));
    EXPECT_EQ(QuizQuestion::build(list, r, random, clock).questionIndex(), 4);
}

TEST(QuizQuestionSelection, SequentialWrapsAndAdvancesLastIndex)
{
    PairList list = makeList(5);
    SeededRandom random(1);
    ManualClock clock;
    const QuestionRequest r = request(SelectionMode::Sequential);
    ASSERT_EQ(list.lastIndex(), -1);
    EXPECT_EQ(QuizQuestion::build(list, r, random, clock).questionIndex(), 0);
    EXPECT_EQ(list.lastIndex(), 0);
    list.setLastIndex(3);
    EXPECT_EQ(QuizQuestion::build(list, r, random, clock).questionIndex(), 4);
    EXPECT_EQ(QuizQuestion::build(list, r, random, clock).questionIndex(), 0);
    EXPECT_EQ(list.lastIndex(), 0);
}

TEST(QuizQuestionSelection, SequentialSurvivesADamagedPosition)
{
    PairList list = makeList(5);
    SeededRandom random(1);
    ManualClock clock;
    list.setLastIndex(-7);
    EXPECT_EQ(QuizQuestion::build(list, request(SelectionMode::Sequential), random, clock).questionIndex(),
              0);
    list.setLastIndex(11); // the list shrank since
    EXPECT_EQ(QuizQuestion::build(list, request(SelectionMode::Sequential), random, clock).questionIndex(),
              2);
    list.setLastIndex(INT32_MAX);
    const int index =
        QuizQuestion::build(list, request(SelectionMode::Sequential), random, clock).questionIndex();
    EXPECT_EQ(index, static_cast<int>((int64_t{INT32_MAX} + 1) % 5));
}

TEST(QuizQuestionSelection, EmptyListGivesAnEmptyQuestionThatIsNeverRight)
{
    PairList list;
    SeededRandom random(1);
    ManualClock clock;
    for (auto mode : {SelectionMode::SmartPick, SelectionMode::Sequential, SelectionMode::Random}) {
        QuizQuestion q = QuizQuestion::build(list, request(mode), random, clock);
        EXPECT_TRUE(q.isEmpty());
        EXPECT_EQ(q.choiceCount(), 0);
        EXPECT_FALSE(q.judgeChoice(0, clock));
    }
}

// --- multiple-choice choices ------------------------------------------------------------------------

TEST(QuizQuestionChoices, RandomAnswersAreFourDistinctPairsWithTheQuestion)
{
    PairList list = makeList(30);
    SeededRandom random(8);
    ManualClock clock;
    for (int i = 0; i < 200; ++i) {
        const QuizQuestion q = QuizQuestion::build(list, request(SelectionMode::Random), random, clock);
        ASSERT_EQ(q.choiceCount(), 4);
        std::set<std::string> questions;
        for (const Pair& w : q.choices()) {
            EXPECT_EQ(w.kind(), Pair::QuestionAnswer);
            questions.emplace(w.shownQuestion());
        }
        EXPECT_EQ(questions.size(), 4u);
        EXPECT_EQ(countPairsWithQuestion(q, q.questionPair().shownQuestion()), 1);
    }
}

TEST(QuizQuestionChoices, ChoicesAreCopiesUnaffectedByLaterEdits)
{
    PairList list = makeList(5);
    SeededRandom random(8);
    ManualClock clock;
    const QuizQuestion q = QuizQuestion::build(list, request(SelectionMode::Sequential), random, clock);
    for (Pair& w : list.pairs())
        w.setAnswer("edited");
    for (const Pair& w : q.choices())
        EXPECT_NE(w.shownAnswer(), "edited");
    EXPECT_EQ(q.questionPair().shownAnswer(), "a0");
}

TEST(QuizQuestionChoices, PredefinedWithFiveWrongAnswersDrawsFourOfSixWithThePair)
{
    PairList list = makeList(8);
    for (int i = 0; i < 5; ++i)
        list.wrongAnswers().push_back(wrongAnswer("q0", "wrong" + std::to_string(i)));
    list.wrongAnswers().push_back(wrongAnswer("q1", "other"));
    SeededRandom random(5);
    ManualClock clock;
    WrongAnswerIndex index;
    std::set<std::string> seenWrong;
    for (int i = 0; i < 300; ++i) {
        list.setLastIndex(-1);
        WrongAnswerIndex* lookup = i % 2 ? &index : nullptr; // indexed and scanning look-ups agree
        const QuizQuestion q = QuizQuestion::build(
            list, request(SelectionMode::Sequential, AnswerMode::Predefined), random, clock, lookup);
        ASSERT_EQ(q.choiceCount(), 4);
        EXPECT_EQ(countPairsWithQuestion(q, "q0"), 1);
        std::set<std::string> answers;
        for (const Pair& w : q.choices()) {
            answers.emplace(w.shownAnswer());
            if (w.kind() == Pair::WrongAnswer) {
                EXPECT_EQ(w.question(), "q0");
                seenWrong.emplace(w.shownAnswer());
            }
        }
        EXPECT_EQ(answers.size(), 4u);
    }
    EXPECT_EQ(seenWrong.size(), 5u);
}

TEST(QuizQuestionChoices, PredefinedWithoutWrongAnswersUsesThreeRandomPairs)
{
    PairList list = makeList(10);
    list.wrongAnswers().push_back(wrongAnswer("q5", "not for q0"));
    SeededRandom random(6);
    ManualClock clock;
    for (int i = 0; i < 100; ++i) {
        list.setLastIndex(-1);
        const QuizQuestion q = QuizQuestion::build(
            list, request(SelectionMode::Sequential, AnswerMode::Predefined), random, clock);
        ASSERT_EQ(q.choiceCount(), 4);
        std::set<std::string> questions;
        for (const Pair& w : q.choices()) {
            EXPECT_EQ(w.kind(), Pair::QuestionAnswer);
            questions.emplace(w.shownQuestion());
        }
        EXPECT_EQ(questions.size(), 4u);
        EXPECT_EQ(countPairsWithQuestion(q, "q0"), 1);
    }
}

TEST(QuizQuestionChoices, PredefinedWithTooFewWrongAnswersFillsUpWithPairs)
{
    PairList list = makeList(10);
    list.wrongAnswers().push_back(wrongAnswer("q0", "w1"));
    list.wrongAnswers().push_back(wrongAnswer("q0", "dropped"));
    list.wrongAnswers().back().setKind(Pair::MarkedForDeletion);
    SeededRandom random(6);
    ManualClock clock;
    std::set<int> slotsOfWrong;
    for (int i = 0; i < 100; ++i) {
        list.setLastIndex(-1);
        const QuizQuestion q = QuizQuestion::build(
            list, request(SelectionMode::Sequential, AnswerMode::Predefined), random, clock);
        ASSERT_EQ(q.choiceCount(), 4);
        int wrong = 0;
        std::set<std::string> questions;
        for (int c = 0; c < 4; ++c) {
            const Pair& w = q.choices()[static_cast<size_t>(c)];
            EXPECT_NE(w.shownAnswer(), "dropped");
            if (w.kind() == Pair::WrongAnswer) {
                ++wrong;
                slotsOfWrong.insert(c);
            } else {
                questions.emplace(w.shownQuestion());
            }
        }
        EXPECT_EQ(wrong, 1);
        EXPECT_EQ(questions.size(), 3u);
        EXPECT_EQ(countPairsWithQuestion(q, "q0"), 1);
    }
    EXPECT_EQ(slotsOfWrong.size(), 4u); // the final shuffle moves the wrong answer round
}

TEST(QuizQuestionChoices, PredefinedWithExactlyThreeWrongAnswersUsesAllCandidates)
{
    PairList list = makeList(6);
    for (const char* text : {"x", "y", "z"})
        list.wrongAnswers().push_back(wrongAnswer("q0", text));
    SeededRandom random(2);
    ManualClock clock;
    const QuizQuestion q =
        QuizQuestion::build(list, request(SelectionMode::Sequential, AnswerMode::Predefined), random, clock);
    std::set<std::string> answers;
    for (const Pair& w : q.choices())
        answers.emplace(w.shownAnswer());
    EXPECT_EQ(answers, (std::set<std::string>{"a0", "x", "y", "z"}));
}

// --- true/false and type-in choices -------------------------------------------------------------------

TEST(QuizQuestionChoices, TrueFalseShowsEitherThePairOrTheWrongCandidate)
{
    PairList list = makeList(20);
    SeededRandom random(4);
    ManualClock clock;
    int trueStatements = 0;
    for (int i = 0; i < 200; ++i) {
        list.setLastIndex(-1);
        const QuizQuestion q = QuizQuestion::build(
            list, request(SelectionMode::Sequential, AnswerMode::Random, QuizMode::TrueFalse), random, clock);
        ASSERT_EQ(q.choiceCount(), 4);
        const Pair& shown = q.choices()[0];
        const Pair& other = q.choices()[1];
        EXPECT_EQ(q.choices()[2], other);
        EXPECT_EQ(q.choices()[3], other);
        const bool shownIsPair = shown.shownQuestion() == "q0";
        EXPECT_TRUE(shownIsPair || other.shownQuestion() == "q0");
        trueStatements += shownIsPair ? 1 : 0;
    }
    EXPECT_GT(trueStatements, 60);
    EXPECT_LT(trueStatements, 140);
}

TEST(QuizQuestionChoices, TrueFalsePredefinedUsesAWrongAnswerOfTheQuestion)
{
    PairList list = makeList(6);
    list.wrongAnswers().push_back(wrongAnswer("q0", "nope"));
    list.wrongAnswers().push_back(wrongAnswer("q0", "never"));
    SeededRandom random(4);
    ManualClock clock;
    for (int i = 0; i < 50; ++i) {
        list.setLastIndex(-1);
        QuizQuestion q = QuizQuestion::build(
            list, request(SelectionMode::Sequential, AnswerMode::Predefined, QuizMode::TrueFalse), random,
            clock);
        const bool statementTrue = q.choices()[0].kind() == Pair::QuestionAnswer;
        const Pair& wrong = statementTrue ? q.choices()[1] : q.choices()[0];
        EXPECT_EQ(wrong.kind(), Pair::WrongAnswer);
        EXPECT_TRUE(wrong.shownAnswer() == "nope" || wrong.shownAnswer() == "never");
        EXPECT_EQ(q.judgeChoice(0, clock), statementTrue);
        EXPECT_EQ(q.judgeChoice(1, clock), !statementTrue);
    }
}

TEST(QuizQuestionChoices, TrueFalseWithTheQuestionPairAsWrongCandidateIsRightBothWays)
{
    PairList list = makeList(5);
    ManualClock clock;
    ScriptedRandom random({1, 0}); // odd toss: statement false; wrong candidate = pair 0, the question
    QuizQuestion q = QuizQuestion::build(
        list, request(SelectionMode::Sequential, AnswerMode::Random, QuizMode::TrueFalse), random, clock);
    ASSERT_EQ(q.questionIndex(), 0);
    EXPECT_TRUE(q.judgeChoice(0, clock));
    EXPECT_TRUE(q.judgeChoice(1, clock));
}

TEST(QuizQuestionChoices, TypeInBuildsLikeTrueFalse)
{
    PairList list = makeList(5);
    ManualClock clock;
    ScriptedRandom random({0, 3}); // even toss: choice 0 is the pair; wrong candidate pair 3
    const QuizQuestion q = QuizQuestion::build(
        list, request(SelectionMode::Sequential, AnswerMode::Random, QuizMode::TypeIn), random, clock);
    ASSERT_EQ(q.choiceCount(), 4);
    EXPECT_EQ(q.choices()[0].shownQuestion(), "q0");
    EXPECT_EQ(q.choices()[1].shownQuestion(), "q3");
    EXPECT_EQ(q.mode(), QuizMode::TypeIn);
}

// --- judging ---------------------------------------------------------------------------------------

TEST(QuizQuestionJudging, SameAnswerTextCountsRightPredefinedTextDoesNot)
{
    PairList list = makeList(4);
    list.pairs()[2].setAnswer("a0");
    SeededRandom random(3);
    ManualClock clock;
    QuizQuestion q = QuizQuestion::build(list, request(SelectionMode::Sequential), random, clock);
    for (int c = 0; c < 4; ++c) {
        const std::string_view question = q.choices()[static_cast<size_t>(c)].shownQuestion();
        const bool expected = question == "q0" || question == "q2";
        EXPECT_EQ(q.judgeChoice(c, clock), expected) << question;
    }
    EXPECT_FALSE(q.judgeChoice(4, clock));
    EXPECT_FALSE(q.judgeChoice(-1, clock));

    PairList predefined = makeList(6);
    for (const char* text : {"a0", "y", "z"})
        predefined.wrongAnswers().push_back(wrongAnswer("q0", text));
    QuizQuestion p = QuizQuestion::build(
        predefined, request(SelectionMode::Sequential, AnswerMode::Predefined), random, clock);
    for (int c = 0; c < 4; ++c) {
        const Pair& w = p.choices()[static_cast<size_t>(c)];
        EXPECT_EQ(p.judgeChoice(c, clock), w.kind() == Pair::QuestionAnswer) << w.shownAnswer();
    }
}

TEST(QuizQuestionJudging, ReversedListJudgesTheShownSides)
{
    PairList list = makeList(4);
    list.toggleReverse();
    SeededRandom random(3);
    ManualClock clock;
    QuizQuestion q = QuizQuestion::build(list, request(SelectionMode::Sequential), random, clock);
    EXPECT_EQ(q.questionPair().shownQuestion(), "a0");
    EXPECT_TRUE(q.judgeTyped("q0", TypeinOptions{}, clock));
    EXPECT_FALSE(q.judgeTyped("a0", TypeinOptions{}, clock));
}

TEST(QuizQuestionJudging, TypedAnswersFollowTheOptions)
{
    PairList list = makeList(5);
    list.pairs()[0].setAnswer("  Paris ");
    SeededRandom random(3);
    ManualClock clock;
    QuizQuestion q = QuizQuestion::build(
        list, request(SelectionMode::Sequential, AnswerMode::Random, QuizMode::TypeIn), random, clock);
    TypeinOptions ignoreCase;
    ignoreCase.ignoreCase = true;
    EXPECT_TRUE(q.judgeTyped("paris", ignoreCase, clock));
    EXPECT_FALSE(q.judgeTyped("paris", TypeinOptions{}, clock));
    EXPECT_FALSE(q.judgeTyped("", ignoreCase, clock));
}

TEST(QuizQuestionJudging, ResponseTimeRunsFromTheMomentTheQuestionWasShown)
{
    PairList list = makeList(5);
    SeededRandom random(3);
    ManualClock clock;
    QuizQuestion q = QuizQuestion::build(list, request(SelectionMode::Sequential), random, clock);
    clock.advanceMs(4000); // drawing and animation
    q.markShown(clock);
    clock.advanceMs(7500);
    q.judgeChoice(0, clock);
    EXPECT_EQ(q.responseSeconds(), 7);
    clock.setWallSeconds(q.startSeconds() - 30); // clock set back: never negative
    q.judgeChoice(0, clock);
    EXPECT_EQ(q.responseSeconds(), 0);
}

} // namespace
} // namespace brainlark
