// The selection "Due": the due pairs lowest recall chance first, a pair once answered leaves the queue, a
// new day reads the source again, nothing due says so, and the reason names the days overdue and the
// recall chance.
#include <gtest/gtest.h>

#include <map>

#include "quiz/engine/duequeue.h"
#include "quiz/engine/matchboard.h"
#include "quiz/engine/quizsession.h"
#include "quiz/scheduling/localday.h"
#include "quiztestsupport.h"

using namespace brainlark;
using namespace brainlark::test;

namespace
{

// Pairs by index with their recall chance; everything due since yesterday.
class TableSource : public DueSource
{
public:
    std::map<int, double> chances;
    std::optional<int64_t> next;
    int reads = 0;

    std::vector<DuePair> duePairs(const PairList&, int64_t today) override
    {
        ++reads;
        std::vector<DuePair> due;
        for (const auto& [index, chance] : chances) {
            DuePair pair;
            pair.index = index;
            pair.retrievability = chance;
            pair.schedule.lastDay = today - 10;
            pair.schedule.dueDay = today - 3;
            pair.schedule.memory = {5.2, 9.0};
            pair.schedule.reviews = 2;
            due.push_back(pair);
        }
        return due;
    }
    std::optional<int64_t> nextDueDay(int64_t) override { return next; }
};

struct DueFixture : ::testing::Test {
    PairList list = makeList(8);
    ScriptedRandom random{{}};
    ManualClock clock{1700000000};
    TableSource source;
    DueQueue queue;
    QuizSession session{list, random, clock};

    void SetUp() override
    {
        queue.setSource(&source);
        session.setDueQueue(&queue);
    }
    int ask()
    {
        const QuizQuestion& question =
            session.newQuestion(SelectionMode::Due, AnswerMode::Random, QuizMode::MultipleChoice);
        return question.questionIndex();
    }
    AnswerOutcome answer(bool right)
    {
        const std::vector<Pair>& choices = session.current().choices();
        int correct = 0;
        while (choices[correct].question() != session.current().questionPair().question())
            ++correct;
        return session.answerChoice(right ? correct : (correct + 1) % int(choices.size()), AppFlags(0, 0), 0);
    }
};

} // namespace

TEST_F(DueFixture, AsksTheDuePairsLowestRecallChanceFirstAndEachOnce)
{
    source.chances = {{6, 0.71}, {2, 0.40}, {4, 0.71}, {7, 0.95}};
    std::vector<int> asked;
    for (int i = 0; i < 4; ++i) {
        asked.push_back(ask());
        answer(i % 2 == 0); // wrong or right, the review is done
    }
    EXPECT_EQ(asked, (std::vector<int>{2, 4, 6, 7})); // equal chances in list order
    EXPECT_EQ(ask(), -1);
    EXPECT_TRUE(session.dueExhausted());
    EXPECT_EQ(source.reads, 1);
}

TEST_F(DueFixture, AnUnansweredPairStaysButIsNotAskedTwiceInARow)
{
    source.chances = {{1, 0.3}, {5, 0.6}};
    EXPECT_EQ(ask(), 1);
    EXPECT_EQ(ask(), 5); // pair 1 was not answered: it waits, but not right after itself
    EXPECT_EQ(ask(), 1);
    source.chances = {{3, 0.5}};
    queue.reset(); // another list
    EXPECT_EQ(ask(), 3);
    EXPECT_EQ(ask(), 3); // the only one left may repeat
}

TEST_F(DueFixture, ANewDayReadsTheScheduleAgain)
{
    source.chances = {{1, 0.3}};
    EXPECT_EQ(ask(), 1);
    answer(true);
    EXPECT_EQ(ask(), -1);
    clock.setWallSeconds(clock.wallSeconds() + 86400);
    EXPECT_EQ(ask(), 1);
    EXPECT_EQ(source.reads, 2);
}

TEST_F(DueFixture, SmartPickTakesOverWhenTheLearnerSaysSo)
{
    EXPECT_EQ(ask(), -1);
    EXPECT_TRUE(session.dueExhausted());
    queue.setSmartPickTakesOver(true);
    EXPECT_EQ(ask(), 0); // the lowest-rated pair
    EXPECT_FALSE(session.dueExhausted());
    EXPECT_TRUE(session.reason().smartPick);
}

TEST_F(DueFixture, TheReasonSaysHowLongThePairIsDueAndItsRecallChance)
{
    source.chances = {{4, 0.708}};
    ask();
    EXPECT_EQ(session.reason().shortText(), "Due since 3 days, recall chance 71 %");
    EXPECT_EQ(
        session.reason().details(),
        "Due (spaced repetition) asks the pairs due today, lowest recall chance first. This pair was last "
        "reviewed 10 days ago and fell due 3 days ago; its stability is 9.0 days and its difficulty 5.2 of "
        "10, so the chance to recall it now is 71 %.");
    DuePair today;
    today.retrievability = 0.9;
    today.schedule.dueDay = today.schedule.lastDay = 100;
    EXPECT_EQ(QuestionReason::forDue(today, 100).shortText(), "Due today, recall chance 90 %");
    today.schedule.dueDay = 99;
    EXPECT_EQ(QuestionReason::forDue(today, 100).shortText(), "Due since 1 day, recall chance 90 %");
}

TEST_F(DueFixture, OnlyAQuestionsFirstAnswerIsItsReview)
{
    source.chances = {{2, 0.4}, {3, 0.5}};
    EXPECT_EQ(ask(), 2);
    const AnswerOutcome wrong = answer(false);
    const AnswerOutcome right = answer(true);
    EXPECT_TRUE(wrong.firstTry);
    EXPECT_FALSE(right.firstTry);
    EXPECT_EQ(ask(), 3);
}

TEST(DueMatchBoard, TakesTheDuePairsInOrderAndPairsALoneOneWithTheWeakest)
{
    PairList list = makeList(8);
    ScriptedRandom random{{}};
    const MatchBoard board = MatchBoard::build(list, 3, SelectionMode::Due, random, nullptr, {6, 2, 5, 7});
    EXPECT_EQ(board.questionOrder(), (std::vector<int>{6, 2, 5}));
    EXPECT_EQ(MatchBoard::build(list, 3, SelectionMode::Due, random, nullptr, {6}).questionOrder(),
              (std::vector<int>{6, 0}));
    EXPECT_TRUE(MatchBoard::build(list, 3, SelectionMode::Due, random, nullptr, {}).isEmpty());
}

TEST(LocalDay, NumbersDaysAsJulianDayNumbers)
{
    EXPECT_EQ(LocalDay::fromDate(1970, 1, 1), 2440588);
    EXPECT_EQ(LocalDay::fromDate(2000, 3, 1), 2451605);
    EXPECT_EQ(LocalDay::fromDate(2024, 2, 29) + 1, LocalDay::fromDate(2024, 3, 1));
}
