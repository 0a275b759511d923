#include "quiz/engine/ratingorder.h"

#include <gtest/gtest.h>

#include <cmath>

#include "quiztestsupport.h"

namespace brainlark
{
namespace
{

using test::makeList;
using Indices = std::vector<int32_t>;

TEST(RatingOrder, GivesWhatTheListsOwnWalkGivesAsRatingsChange)
{
    SeededRandom random(21);
    PairList list = makeList(300);
    for (Pair& pair : list.pairs())
        pair.setRating(float(random.below(12)) / 2.0f); // many ties
    RatingOrder order;
    for (int round = 0; round < 200; ++round) {
        const int m = 1 + int(random.below(25));
        ASSERT_EQ(order.lowest(list, m), Indices(list.sortByRating(m))) << "round " << round;
        // A few pairs are judged, as a matching round does.
        for (int k = 0; k < 4; ++k) {
            const int i = int(random.below(300));
            list.pairs()[size_t(i)].updateRating(1.0, random.below(2) == 0);
            order.changed(list, i);
        }
    }
}

TEST(RatingOrder, NoticesChangesItWasNotToldOf)
{
    PairList list = makeList(10); // pair i has rating i
    RatingOrder order;
    EXPECT_EQ(order.lowest(list, 3), (Indices{0, 1, 2}));
    list.pairs()[1].setRating(50.0f); // a handed-out pair changed
    EXPECT_EQ(order.lowest(list, 3), (Indices{0, 2, 3}));
    list.pairs().emplace_back("new", "pair"); // rating 0, list grew
    EXPECT_EQ(order.lowest(list, 3), (Indices{0, 10, 2}));
    list.pairs()[9].setRating(-1.0f); // told through invalidate()
    order.invalidate();
    EXPECT_EQ(order.lowest(list, 2), (Indices{9, 0}));
    list.pairs()[5].setRating(std::nanf("")); // not a number sorts last, whatever it is compared with
    order.invalidate();
    EXPECT_EQ(order.lowest(list, 11).back(), 5);
    EXPECT_EQ(order.lowest(list, 50).size(), 11u);
    EXPECT_TRUE(order.lowest(PairList(), 3).empty());
}

} // namespace
} // namespace brainlark
