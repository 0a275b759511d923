#pragma once
// The large list the core benchmarks work on: 100,000 pairs with texts of 5 to 40 characters and 30,000
// predefined wrong answers, made from a fixed seed so every run (and every benchmark program) sees the
// same bytes.

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/textstore.h"
#include "core/pairlist.h"

namespace brainlark::bench
{

constexpr int BenchPairCount = 100000;
constexpr int BenchWrongAnswerCount = 30000;

// Texts in one of two alphabets: Latin with German letters (Windows-1252 holds them) or Cyrillic (stored in
// the list file's wide form).
enum class BenchScript { Latin, Cyrillic };

inline std::string benchText(std::mt19937& random, BenchScript script = BenchScript::Latin)
{
    static const std::vector<std::string> latin = [] {
        std::vector<std::string> letters;
        for (const char c : std::string("abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ"))
            letters.emplace_back(1, c);
        for (const char* c : {"\xC3\xA4", "\xC3\xB6", "\xC3\xBC", "\xC3\x9F"}) // ä ö ü ß
            letters.emplace_back(c);
        return letters;
    }();
    static const std::vector<std::string> cyrillic = [] {
        std::vector<std::string> letters{" "};
        for (char32_t c = 0x0410; c <= 0x044F; ++c) // А-я
            letters.push_back({static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))});
        return letters;
    }();
    const std::vector<std::string>& letters = script == BenchScript::Latin ? latin : cyrillic;
    std::uniform_int_distribution<int> length(5, 40);
    std::uniform_int_distribution<size_t> letter(0, letters.size() - 1);
    std::string text;
    for (int n = length(random); n > 0; --n)
        text += letters[letter(random)];
    return text;
}

inline PairList makeBenchList(uint32_t seed = 20240501, int pairs = BenchPairCount,
                              int wrongAnswers = BenchWrongAnswerCount,
                              BenchScript script = BenchScript::Latin)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> rating(0.0f, 8.0f);
    std::uniform_int_distribution<int> counter(0, 20);
    PairList list;
    list.pairs().reserve(static_cast<size_t>(pairs));
    for (int i = 0; i < pairs; ++i) {
        Pair pair(benchText(random, script), benchText(random, script));
        pair.setRating(rating(random));
        pair.setRight(counter(random));
        pair.setWrong(counter(random));
        pair.recalculateTotal();
        pair.setTimesInQuestion(pair.total());
        if (i % 10 == 0)
            pair.setSoundPath("sounds\\" + std::to_string(i) + ".wav", 1);
        list.pairs().push_back(std::move(pair));
    }
    std::uniform_int_distribution<int> owner(0, pairs - 1);
    list.wrongAnswers().reserve(static_cast<size_t>(wrongAnswers));
    for (int i = 0; i < wrongAnswers && pairs > 0; ++i) {
        Pair wrong(list.pairs()[static_cast<size_t>(owner(random))].question(), benchText(random, script));
        wrong.setKind(Pair::WrongAnswer);
        list.wrongAnswers().push_back(std::move(wrong));
    }
    list.setNotes("Generated for the benchmarks.");
    list.setSubject("Benchmarks");
    list.setLastIndex(-1);
    return list;
}

// The texts of a list gathered in one store, as a reader leaves them, for measuring what making the pairs
// alone costs (no parsing at all).
struct StoredTexts {
    TextStore store;
    std::vector<std::pair<TextSpan, TextSpan>> pairs;
    std::vector<std::pair<TextSpan, TextSpan>> wrongAnswers;
};

inline StoredTexts storeTexts(const PairList& list)
{
    StoredTexts texts;
    for (const Pair& pair : list.pairs())
        texts.pairs.emplace_back(texts.store.append(pair.question()), texts.store.append(pair.answer()));
    for (const Pair& wrong : list.wrongAnswers())
        texts.wrongAnswers.emplace_back(texts.store.append(wrong.question()),
                                        texts.store.append(wrong.answer()));
    return texts;
}

inline void buildPairs(const StoredTexts& texts, PairList& list)
{
    list.pairs().reserve(texts.pairs.size());
    for (const auto& [question, answer] : texts.pairs)
        list.pairs().emplace_back(texts.store, question, answer);
    list.wrongAnswers().reserve(texts.wrongAnswers.size());
    for (const auto& [question, answer] : texts.wrongAnswers)
        list.wrongAnswers().emplace_back(texts.store, question, answer).setKind(Pair::WrongAnswer);
}

} // namespace brainlark::bench
