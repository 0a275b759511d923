#include "quiz/engine/randomindexset.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace brainlark
{
namespace
{

TEST(RandomIndexSet, DrawsDistinctIndicesInRange)
{
    SeededRandom random(7);
    for (int trial = 0; trial < 500; ++trial) {
        const int n = 4 + trial % 40;
        const int k = 1 + trial % 4;
        const RandomIndexSet set(random, k, n);
        ASSERT_EQ(set.size(), k);
        const std::set<int> distinct(set.indices().begin(), set.indices().end());
        EXPECT_EQ(static_cast<int>(distinct.size()), k);
        for (int i : set.indices()) {
            EXPECT_GE(i, 0);
            EXPECT_LT(i, n);
        }
    }
}

TEST(RandomIndexSet, AlwaysContainsTheRequiredIndex)
{
    SeededRandom random(11);
    for (int trial = 0; trial < 1000; ++trial) {
        const int must = trial % 100;
        const RandomIndexSet set(random, 4, 100, must);
        ASSERT_TRUE(set.contains(must)) << "trial " << trial;
        const std::set<int> distinct(set.indices().begin(), set.indices().end());
        EXPECT_EQ(distinct.size(), 4u);
    }
}

TEST(RandomIndexSet, KEqualToNIsAPermutation)
{
    SeededRandom random(3);
    std::set<std::vector<int>> orders;
    for (int trial = 0; trial < 200; ++trial) {
        const RandomIndexSet set(random, 4, 4, 2);
        std::vector<int> sorted = set.indices();
        orders.insert(sorted);
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, (std::vector<int>{0, 1, 2, 3}));
    }
    // 24 orders exist; 200 draws meet nearly all of them.
    EXPECT_GE(orders.size(), 20u);
}

TEST(RandomIndexSet, DegenerateArguments)
{
    SeededRandom random(5);
    EXPECT_EQ(RandomIndexSet(random, 6, 3).size(), 3);
    EXPECT_EQ(RandomIndexSet(random, 0, 3).size(), 0);
    EXPECT_EQ(RandomIndexSet(random, 3, 0).size(), 0);
    const RandomIndexSet outOfRangeMust(random, 2, 5, 9);
    EXPECT_FALSE(outOfRangeMust.contains(9));
    EXPECT_EQ(outOfRangeMust.size(), 2);
}

// Chi-square statistic of observed counts against a uniform expectation.
double chiSquare(const std::vector<int>& counts, double expected)
{
    double sum = 0.0;
    for (int c : counts)
        sum += (c - expected) * (c - expected) / expected;
    return sum;
}

TEST(RandomIndexSet, IndicesAndSlotsAreRoughlyUniform)
{
    SeededRandom random(2024);
    const int n = 10;
    const int k = 3;
    const int draws = 30000;
    std::vector<int> anywhere(n, 0);
    std::vector<int> firstSlot(n, 0);
    for (int d = 0; d < draws; ++d) {
        const RandomIndexSet set(random, k, n);
        for (int i : set.indices())
            ++anywhere[static_cast<size_t>(i)];
        ++firstSlot[static_cast<size_t>(set[0])];
    }
    // 9 degrees of freedom: 27.9 is the 0.1 % quantile, so a fair draw fails about once in a thousand seeds.
    EXPECT_LT(chiSquare(anywhere, draws * k / static_cast<double>(n)), 27.9);
    EXPECT_LT(chiSquare(firstSlot, draws / static_cast<double>(n)), 27.9);
}

TEST(RandomIndexSet, RequiredIndexLandsInEverySlot)
{
    SeededRandom random(99);
    std::vector<int> slotOfMust(4, 0);
    const int draws = 8000;
    for (int d = 0; d < draws; ++d) {
        const RandomIndexSet set(random, 4, 1000, 123);
        const auto it = std::find(set.indices().begin(), set.indices().end(), 123);
        ++slotOfMust[static_cast<size_t>(it - set.indices().begin())];
    }
    EXPECT_LT(chiSquare(slotOfMust, draws / 4.0), 16.3); // 3 degrees of freedom, 0.1 %
}

} // namespace
} // namespace brainlark
