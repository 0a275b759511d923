#include "quiz/engine/quizsession.h"

#include <gtest/gtest.h>

#include <vector>

#include "quiztestsupport.h"

namespace brainlark
{
namespace
{

using test::makeList;
using test::wrongAnswer;

const AppFlags kCounterOn(AppFlags::SmartCounter, 0);

// Index of a choice judged right / wrong for the current multiple-choice question (answers are distinct).
int choiceWithQuestion(const QuizQuestion& q, bool same)
{
    for (int c = 0; c < q.choiceCount(); ++c) {
        if ((q.choices()[static_cast<size_t>(c)].shownQuestion() == q.questionPair().shownQuestion()) == same)
            return c;
    }
    return -1;
}

class QuizSessionTest : public ::testing::Test
{
protected:
    PairList list = makeList(10);
    SeededRandom random{17};
    ManualClock clock;
    QuizSession session{list, random, clock};
};

TEST_F(QuizSessionTest, TwoWrongClicksThenTheRightOne)
{
    const QuizQuestion& q =
        session.newQuestion(SelectionMode::Sequential, AnswerMode::Random, QuizMode::MultipleChoice);
    Pair& pair = list.pairs()[0];
    pair.setRating(3.0f);
    session.markShown();
    const int wrong = choiceWithQuestion(q, false);
    const int right = choiceWithQuestion(q, true);
    ASSERT_GE(wrong, 0);
    ASSERT_GE(right, 0);

    EXPECT_FALSE(session.answerChoice(wrong, kCounterOn, 3).right);
    EXPECT_TRUE(session.missed());
    EXPECT_FALSE(session.answerChoice(wrong, kCounterOn, 3).right);
    clock.advanceMs(2000);
    const AnswerOutcome outcome = session.answerChoice(right, kCounterOn, 3);
    EXPECT_TRUE(outcome.judged);
    EXPECT_TRUE(outcome.right);

    EXPECT_EQ(pair.wrong(), 2);
    EXPECT_EQ(pair.right(), 1);
    EXPECT_EQ(pair.total(), 3);
    EXPECT_EQ(pair.timesInQuestion(), 1);
    EXPECT_FLOAT_EQ(pair.rating(), 1.0f); // missed: 3.0 - 2.0
    EXPECT_EQ(session.rightCount(), 1);
    EXPECT_EQ(session.wrongCount(), 2);
    EXPECT_EQ(session.scoreText(), "Right: 1 - Wrong: 2");
    // Only the asked pair changed.
    for (size_t i = 1; i < list.pairs().size(); ++i)
        EXPECT_EQ(list.pairs()[i].total(), 0);
}

TEST_F(QuizSessionTest, RightFirstTimeRatesByResponseTime)
{
    const QuizQuestion& q =
        session.newQuestion(SelectionMode::Sequential, AnswerMode::Random, QuizMode::MultipleChoice);
    session.markShown();
    clock.advanceMs(12000);
    session.answerChoice(choiceWithQuestion(q, true), kCounterOn, 0);
    EXPECT_FLOAT_EQ(list.pairs()[0].rating(), 0.0f + 0.75f);
    EXPECT_FALSE(session.missed());
}

TEST_F(QuizSessionTest, NewQuestionRemembersItsTextAndClearsMissed)
{
    const QuizQuestion& first =
        session.newQuestion(SelectionMode::Random, AnswerMode::Random, QuizMode::MultipleChoice);
    const std::string text(first.questionPair().shownQuestion());
    EXPECT_EQ(session.previousQuestion(), text);
    session.answerChoice(choiceWithQuestion(first, false), kCounterOn, 0);
    ASSERT_TRUE(session.missed());
    for (int i = 0; i < 50; ++i) {
        const std::string before = session.previousQuestion();
        const QuizQuestion& next =
            session.newQuestion(SelectionMode::Random, AnswerMode::Random, QuizMode::MultipleChoice);
        EXPECT_NE(next.questionPair().shownQuestion(), before);
        EXPECT_FALSE(session.missed());
    }
}

TEST_F(QuizSessionTest, SmartCounterAlertsOnEveryNthRightAnswer)
{
    std::vector<int> alerts;
    for (int n = 1; n <= 10; ++n) {
        const QuizQuestion& q =
            session.newQuestion(SelectionMode::Sequential, AnswerMode::Random, QuizMode::MultipleChoice);
        if (session.answerChoice(choiceWithQuestion(q, true), kCounterOn, 3).alertDue)
            alerts.push_back(n);
    }
    EXPECT_EQ(alerts, (std::vector<int>{3, 6, 9}));
}

TEST_F(QuizSessionTest, SmartCounterSilentWhenSwitchedOff)
{
    for (int n = 1; n <= 9; ++n) {
        const QuizQuestion& q =
            session.newQuestion(SelectionMode::Sequential, AnswerMode::Random, QuizMode::MultipleChoice);
        const int right = choiceWithQuestion(q, true);
        EXPECT_FALSE(session.answerChoice(right, kCounterOn, -3).alertDue) << "negative factor, answer " << n;
        EXPECT_FALSE(session.alertDue(AppFlags(0, 0), 3)) << "counter hidden";
        EXPECT_FALSE(session.alertDue(kCounterOn, 0));
    }
    EXPECT_FALSE(session.alertDue(AppFlags(0x80000000u | AppFlags::SmartCounter, 0), -1));
    EXPECT_TRUE(session.alertDue(kCounterOn, 3)); // 9 right answers
}

TEST_F(QuizSessionTest, WrongAnswersDoNotCountTowardAlerts)
{
    const QuizQuestion& q =
        session.newQuestion(SelectionMode::Sequential, AnswerMode::Random, QuizMode::MultipleChoice);
    EXPECT_FALSE(session.answerChoice(choiceWithQuestion(q, false), kCounterOn, 1).alertDue);
    EXPECT_TRUE(session.answerChoice(choiceWithQuestion(q, true), kCounterOn, 1).alertDue);
}

TEST_F(QuizSessionTest, TypeInSkipJudgesTheEmptyText)
{
    session.newQuestion(SelectionMode::Sequential, AnswerMode::Random, QuizMode::TypeIn);
    EXPECT_FALSE(session.answerTyped("a0", true, kCounterOn, 0).right);
    EXPECT_EQ(list.pairs()[0].wrong(), 1);
    const AppFlags ignoreCase(AppFlags::IgnoreCase, 0);
    EXPECT_TRUE(session.answerTyped(" A0 ", false, ignoreCase, 0).right);
    EXPECT_FALSE(session.answerTyped(" A0 ", false, AppFlags(), 0).right);
}

TEST_F(QuizSessionTest, ResetScoreAndNewListStartAfresh)
{
    const QuizQuestion& q =
        session.newQuestion(SelectionMode::Sequential, AnswerMode::Random, QuizMode::MultipleChoice);
    session.answerChoice(choiceWithQuestion(q, false), kCounterOn, 0);
    session.answerChoice(choiceWithQuestion(q, true), kCounterOn, 0);
    session.resetScore();
    EXPECT_EQ(session.scoreText(), "Right: 0 - Wrong: 0");

    PairList other = makeList(5);
    session.answerChoice(0, kCounterOn, 0);
    session.setList(other);
    EXPECT_EQ(session.rightCount() + session.wrongCount(), 0);
    EXPECT_TRUE(session.previousQuestion().empty());
    EXPECT_TRUE(session.current().isEmpty());
    EXPECT_FALSE(session.answerChoice(0, kCounterOn, 0).judged);
}

TEST_F(QuizSessionTest, AnswerAfterTheListShrankOnlyCountsTheScore)
{
    session.newQuestion(SelectionMode::Sequential, AnswerMode::Random, QuizMode::MultipleChoice);
    list.setLastIndex(8);
    const QuizQuestion& q =
        session.newQuestion(SelectionMode::Sequential, AnswerMode::Random, QuizMode::MultipleChoice);
    ASSERT_EQ(q.questionIndex(), 9);
    list.pairs().resize(5);
    EXPECT_TRUE(session.answerChoice(choiceWithQuestion(q, true), kCounterOn, 0).right);
    EXPECT_EQ(session.rightCount(), 1);
}

TEST_F(QuizSessionTest, WrongAnswerIndexFollowsListChanges)
{
    auto wrongChoices = [this]() {
        list.setLastIndex(-1);
        const QuizQuestion& q =
            session.newQuestion(SelectionMode::Sequential, AnswerMode::Predefined, QuizMode::MultipleChoice);
        int count = 0;
        for (const Pair& w : q.choices())
            count += w.kind() == Pair::WrongAnswer ? 1 : 0;
        return count;
    };
    list.wrongAnswers().reserve(16);
    list.wrongAnswers().push_back(wrongAnswer("q7", "x"));
    list.wrongAnswers().push_back(wrongAnswer("q7", "y"));
    list.wrongAnswers().push_back(wrongAnswer("q7", "z"));
    EXPECT_EQ(wrongChoices(), 0);
    list.wrongAnswers().push_back(wrongAnswer("q0", "w")); // size changed: seen without being told
    EXPECT_EQ(wrongChoices(), 1);
    for (Pair& w : list.wrongAnswers())
        w.setQuestion("q0"); // edited in place: the owner says so
    session.listChanged();
    EXPECT_EQ(wrongChoices(), 3);
    list.wrongAnswers()[0].setQuestion("q9"); // a stale hit is noticed even without being told
    list.wrongAnswers()[1].setQuestion("q9");
    list.wrongAnswers()[2].setQuestion("q9");
    EXPECT_EQ(wrongChoices(), 1);
}

TEST(QuizSessionRules, MovingOnAfterAWrongAnswer)
{
    const AppFlags none;
    const AppFlags keepTrying(AppFlags::KeepTrying, 0);
    const AppFlags carryOn(AppFlags::ContinueAfterWrong, 0);
    EXPECT_TRUE(QuizSession::movesOnAfterWrong(QuizMode::TypeIn, false, none));
    EXPECT_FALSE(QuizSession::movesOnAfterWrong(QuizMode::TypeIn, false, keepTrying));
    EXPECT_TRUE(QuizSession::movesOnAfterWrong(QuizMode::TypeIn, true, keepTrying));
    EXPECT_FALSE(QuizSession::movesOnAfterWrong(QuizMode::TypeIn, false, AppFlags(0xC4000000u, 0)));
    for (QuizMode mode : {QuizMode::MultipleChoice, QuizMode::TrueFalse}) {
        EXPECT_FALSE(QuizSession::movesOnAfterWrong(mode, false, none));
        EXPECT_FALSE(QuizSession::movesOnAfterWrong(mode, false, keepTrying));
        EXPECT_TRUE(QuizSession::movesOnAfterWrong(mode, false, carryOn));
    }
}

TEST_F(QuizSessionTest, ReversalIsRefusedInThePredefinedMode)
{
    EXPECT_EQ(session.reverse(AnswerMode::Predefined), QuizSession::ReverseResult::Refused);
    EXPECT_FALSE(list.isReversed());
    EXPECT_FALSE(session.isReversed());
    EXPECT_STREQ(QuizSession::ReverseRefusedText,
                 "Sorry, questions and answers can not be reversed in the Predefined Answers mode.");

    EXPECT_EQ(session.reverse(AnswerMode::Random), QuizSession::ReverseResult::Reversed);
    EXPECT_TRUE(list.isReversed());
    EXPECT_TRUE(session.isReversed());
    const QuizQuestion& q =
        session.newQuestion(SelectionMode::Sequential, AnswerMode::Random, QuizMode::MultipleChoice);
    EXPECT_EQ(q.questionPair().shownQuestion(), "a0");
    session.reverse(AnswerMode::Random);
    EXPECT_FALSE(list.isReversed());
}

} // namespace
} // namespace brainlark
