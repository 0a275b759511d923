// Feeds arbitrary bytes to the vocabulary reader and checks what any read must give: either a reason and
// no pairs, or pairs whose question and answer are non-empty, trimmed texts, whose wrong answers are
// non-empty and differ from the answer, whose deck is one the result lists, and which a filter on their
// deck keeps, one deck at a time, without losing any.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "interchange/deckimport.h"
#include "interchange/kvtmlreader.h"

namespace
{

bool isWhite(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string textViolation(std::string_view text)
{
    if (text.empty())
        return "empty text";
    if (isWhite(text.front()) || isWhite(text.back()))
        return "untrimmed text";
    return "";
}

// Empty when reading `bytes` obeys the rules; otherwise a one-line description of the first fault.
std::string kvtmlViolation(std::string_view bytes)
{
    const brainlark::ImportResult result = brainlark::KvtmlReader::read(bytes, {});
    if (!result.error.empty())
        return result.pairs.empty() && result.decks.empty() ? "" : "pairs beside an error";
    if (result.skipped.size() > result.skippedCount)
        return "more skipped entries listed than counted";
    size_t inDecks = 0;
    for (const brainlark::ImportedPair& pair : result.pairs) {
        const std::string why = textViolation(pair.question) + textViolation(pair.answer);
        if (!why.empty())
            return why;
        for (const std::string& wrong : pair.wrongAnswers)
            if (wrong.empty() || wrong == pair.answer)
                return "empty wrong answer or the answer itself";
        if (pair.deck.empty())
            continue;
        ++inDecks;
        if (std::find(result.decks.begin(), result.decks.end(), pair.deck) == result.decks.end())
            return "a pair's deck is not listed";
    }
    size_t kept = 0;
    for (const std::string& deck : result.decks) {
        brainlark::ImportResult one = result;
        brainlark::DeckImport::keepDeck(one, deck);
        if (!one.error.empty())
            return "a listed deck cannot be picked";
        kept += one.pairs.size();
    }
    if (kept != inDecks)
        return "picking each deck in turn does not give every pair of a deck once";
    return "";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string why = kvtmlViolation(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!why.empty()) {
        std::fprintf(stderr, "kvtml reader: %s\n", why.c_str());
        std::abort();
    }
    return 0;
}
