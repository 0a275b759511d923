#include "core/textstore.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "core/flyarchive.h"
#include "core/pair.h"
#include "core/pairlist.h"

namespace brainlark
{
namespace
{

TEST(TextStoreTest, CopiesShareTheBytesAndKeepThemAfterTheOriginalGoes)
{
    auto original = std::make_unique<TextStore>();
    const TextSpan hello = original->append("hello");
    const TextSpan world = original->append(" world");
    TextStore copy = *original;
    TextStore moved = std::move(*original);
    original.reset();
    EXPECT_EQ(copy.view(hello), "hello");
    EXPECT_EQ(moved.view(world), " world");
    EXPECT_EQ(copy.view().data(), moved.view().data()); // one buffer, not two
    moved = TextStore();
    EXPECT_EQ(copy.view(), "hello world");
    EXPECT_TRUE(moved.empty());
}

TEST(TextStoreTest, SpansStayValidWhileTheStoreGrows)
{
    TextStore store;
    std::vector<std::pair<TextSpan, std::string>> texts;
    for (int i = 0; i < 5000; ++i) {
        std::string text = "text " + std::to_string(i) + std::string(static_cast<size_t>(i % 37), '+');
        texts.emplace_back(store.append(text), text);
    }
    for (const auto& [span, text] : texts)
        ASSERT_EQ(store.view(span), text);
    EXPECT_EQ(store.view(TextSpan{}), "");
    EXPECT_TRUE(store.contains({static_cast<uint32_t>(store.size()), 0}));
    EXPECT_FALSE(store.contains({static_cast<uint32_t>(store.size()), 1}));
    EXPECT_FALSE(store.contains({1, UINT32_MAX})); // no wrap-around
}

TEST(TextStoreTest, ResizeKeepsWhatWasThere)
{
    TextStore store;
    store.append("abc");
    char* bytes = store.resize(6);
    bytes[3] = 'd';
    bytes[4] = 'e';
    bytes[5] = 'f';
    EXPECT_EQ(store.view(), "abcdef");
    store.resize(2);
    EXPECT_EQ(store.view(), "ab");
    store.shrink(1);
    EXPECT_EQ(store.view(), "a");
    store.append("bcd");
    EXPECT_EQ(store.view(), "abcd");
    store.shrink(9); // never grows
    EXPECT_EQ(store.size(), 4u);
}

TEST(TextStorePairTest, ChangingOneCopyLeavesTheOtherAlone)
{
    Pair first("question", "answer");
    Pair second = first;
    second.setQuestion("other");
    EXPECT_EQ(first.question(), "question");
    EXPECT_EQ(second.question(), "other");
    EXPECT_EQ(second.answer(), "answer");
    first.setAnswer("");
    EXPECT_EQ(first.answer(), "");
    EXPECT_EQ(second.answer(), "answer");
}

TEST(TextStorePairTest, TextsMayBeSetFromThePairsOwnTexts)
{
    Pair pair("left side", "right side");
    pair.setQuestion(pair.answer());
    EXPECT_EQ(pair.question(), "right side");
    pair.setAnswer(pair.question().substr(6));
    EXPECT_EQ(pair.answer(), "side");
    EXPECT_EQ(pair.question(), "right side");
    pair.setQuestion("");
    pair.setAnswer("");
    EXPECT_EQ(pair, Pair());
}

TEST(TextStorePairTest, SpansOutsideTheStoreAreRefused)
{
    TextStore store;
    const TextSpan inside = store.append("abc");
    EXPECT_NO_THROW(Pair(store, inside, {3, 0}));
    EXPECT_THROW(Pair(store, inside, {2, 2}), std::out_of_range);
    EXPECT_THROW(Pair(TextStore(), {0, 1}, {}), std::out_of_range);
}

TEST(TextStorePairTest, PairsOfALoadedListOutliveTheList)
{
    PairList source;
    for (int i = 0; i < 50; ++i)
        source.pairs().emplace_back("question " + std::to_string(i), "answer " + std::to_string(i));
    source.wrongAnswers().emplace_back("question 7", "wrong").setKind(Pair::WrongAnswer);
    const std::string bytes = FlyArchive::write(source, FlyArchive::makeStamp("now"));

    std::vector<Pair> kept;
    {
        PairList loaded;
        ASSERT_TRUE(FlyArchive::read(bytes, loaded).ok);
        kept.push_back(loaded.pairs()[7]);
        kept.push_back(std::move(loaded.wrongAnswers()[0]));
        loaded.pairs().clear();
        loaded = PairList();
    }
    EXPECT_EQ(kept[0].question(), "question 7");
    EXPECT_EQ(kept[0].answer(), "answer 7");
    EXPECT_EQ(kept[1].answer(), "wrong");
}

} // namespace
} // namespace brainlark
