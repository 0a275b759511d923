// Feeds arbitrary bytes to the text import and checks what any import must give: pairs with a question and
// an answer that are non-empty, trimmed and free of line ends and separators, wrong answers filed under an
// imported question, and a count that matches the list.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unordered_set>

#include "core/textimport.h"
#include "core/pairlist.h"

namespace
{

bool isWhite(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Empty when the field is a proper imported text; otherwise what is wrong with it.
std::string fieldViolation(std::string_view text, bool mayBeEmpty)
{
    if (text.empty())
        return mayBeEmpty ? "" : "empty text";
    if (isWhite(text.front()) || isWhite(text.back()))
        return "untrimmed text";
    if (text.find_first_of("@\t\r\n") != std::string_view::npos)
        return "separator, tab or line end inside a text";
    return "";
}

std::string pairViolation(const brainlark::Pair& pair)
{
    if (pair.kind() != brainlark::Pair::QuestionAnswer || pair.total() != 0 || pair.rating() != 0.0f)
        return "pair with a kind or statistics";
    std::string why = fieldViolation(pair.question(), false) + fieldViolation(pair.answer(), false);
    const std::string& picture = pair.picturePath();
    if (!picture.empty() && (picture.rfind("states_game\\", 0) != 0 || picture.size() < 16 ||
                             picture.substr(picture.size() - 4) != ".bmp"))
        why += "picture path " + picture;
    return why;
}

// Empty when importing `bytes` obeys the rules; otherwise a one-line description of the first fault.
std::string textImportViolation(std::string_view bytes)
{
    brainlark::PairList list;
    const int count = brainlark::TextImport::importText(list, bytes);
    if (count != list.count())
        return "returned count differs from the list";
    std::unordered_set<std::string_view> questions;
    for (const brainlark::Pair& pair : list.pairs()) {
        const std::string why = pairViolation(pair);
        if (!why.empty())
            return why;
        questions.emplace(pair.question());
    }
    for (const brainlark::Pair& wrong : list.wrongAnswers()) {
        if (wrong.kind() != brainlark::Pair::WrongAnswer || questions.count(wrong.question()) == 0)
            return "wrong answer without its pair";
        const std::string why = fieldViolation(wrong.answer(), true);
        if (!why.empty())
            return "wrong answer: " + why;
    }
    // Importing appends, the same way every time.
    const size_t wrongs = list.wrongAnswers().size();
    if (brainlark::TextImport::importText(list, bytes) != 2 * count ||
        list.wrongAnswers().size() != 2 * wrongs)
        return "second import differs from the first";
    return "";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string why = textImportViolation(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!why.empty()) {
        std::fprintf(stderr, "text import: %s\n", why.c_str());
        std::abort();
    }
    return 0;
}
