#include "quiz/engine/questionreason.h"

#include <gtest/gtest.h>

#include "quiz/engine/quizsession.h"
#include "quiztestsupport.h"

namespace brainlark
{
namespace
{

TEST(QuestionReasonTest, ExplainsRatingRankAndCounters)
{
    PairList list = test::makeList(12); // ratings 0..11
    list.pairs()[2].setRating(0.0f);    // ties with pair 0 for the lowest rating
    list.pairs()[3].setTimesInQuestion(1);
    list.pairs()[3].setRight(1);
    list.pairs()[3].setWrong(2);
    const struct {
        int index;
        const char* shortText;
        const char* details;
    } cases[] = {
        {0, "Rating 0.00, the weakest", "the rating 0.00, the lowest of 12 pairs; it was asked 0 times and answered "
                                         "right 0 times (wrong 0 times)."},
        {2, "Rating 0.00, the weakest", "the lowest of 12 pairs"},
        {1, "Rating 1.00, 3rd weakest", "the 3rd lowest of 12 pairs"},
        {3, "Rating 3.00, 4th weakest", "asked once and answered right once (wrong 2 times)"},
        {11, "Rating 11.00, 12th weakest", "the 12th lowest"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        const QuestionReason reason = QuestionReason::forPair(list, c.index);
        EXPECT_EQ(reason.shortText(), c.shortText);
        EXPECT_NE(reason.details().find(c.details), std::string::npos) << reason.details();
    }
    EXPECT_EQ(QuestionReason::forPair(list, 12).shortText(), "");
}

TEST(QuestionReasonTest, OnlySmartPickQuestionsAreExplained)
{
    PairList list = test::makeList(8);
    SeededRandom random{5};
    ManualClock clock;
    QuizSession session(list, random, clock);
    session.newQuestion(SelectionMode::SmartPick, AnswerMode::Random, QuizMode::MultipleChoice);
    EXPECT_TRUE(session.reason().smartPick);
    EXPECT_LE(session.reason().rank, 5); // always one of the five weakest
    session.newQuestion(SelectionMode::Sequential, AnswerMode::Random, QuizMode::MultipleChoice);
    EXPECT_FALSE(session.reason().smartPick);
    EXPECT_EQ(session.reason().details(), "");
}

} // namespace
} // namespace brainlark
