#include "core/textexport.h"

#include "core/cp1252.h"
#include "core/savefile.h"

#include <string_view>
#include <unordered_map>

namespace brainlark
{

namespace
{

// The " @ answer" tails of every question that has wrong answers, built in one pass so an export asks for
// each pair's tail in constant time instead of walking all wrong answers per pair.
std::unordered_map<std::string_view, std::string> joinedWrongAnswers(const PairList& list)
{
    std::unordered_map<std::string_view, std::string> joined;
    joined.reserve(list.wrongAnswers().size());
    for (const Pair& wrong : list.wrongAnswers()) {
        if (wrong.kind() != Pair::WrongAnswer)
            continue;
        std::string& tail = joined[wrong.question()];
        tail += " @ ";
        tail += wrong.answer();
    }
    return joined;
}

void appendNumbered(std::string& out, size_t number, std::string_view text)
{
    out += std::to_string(number);
    out += ". ";
    out += text;
    out += " \n";
}

} // namespace

// The texts of a large list are gathered into one string; growing it step by step would copy it again and
// again, so the size is worked out first.
std::string TextExport::questionSheet(const PairList& list, const std::string& title)
{
    const std::string head = "=== " + title + " ===\n\nQuestions:\n----------\n\n";
    const std::string middle = "\n\nCorrect Answers:\n----------------\n\n";
    const size_t perLine = 16; // number, ". ", " \n"
    size_t size = head.size() + middle.size();
    for (const Pair& pair : list.pairs())
        size += pair.question().size() + pair.answer().size() + 2 * perLine;
    std::string text;
    text.reserve(size);
    text += head;
    size_t number = 0;
    for (const Pair& pair : list.pairs())
        appendNumbered(text, ++number, pair.shownQuestion());
    text += middle;
    number = 0;
    for (const Pair& pair : list.pairs())
        appendNumbered(text, ++number, pair.shownAnswer());
    return text;
}

std::string TextExport::blText(const PairList& list)
{
    const auto joined = joinedWrongAnswers(list);
    size_t size = 0;
    for (const Pair& pair : list.pairs())
        size += pair.question().size() + pair.answer().size() + 8;
    for (const auto& entry : joined)
        size += entry.second.size();
    std::string text;
    text.reserve(size);
    for (const Pair& pair : list.pairs()) {
        text += pair.shownQuestion();
        text += " \t\t@ ";
        text += pair.shownAnswer();
        text += ' ';
        const auto tail = joined.find(pair.question());
        if (tail != joined.end())
            text += tail->second;
        text += '\n';
    }
    return text;
}

std::string TextExport::exportPath(const std::string& programFolder, const std::string& title)
{
    return programFolder + "/export_text/" + title + ".txt";
}

std::string TextExport::withCrLf(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::string TextExport::fileBytes(std::string_view text)
{
    std::string ansi;
    if (Cp1252::encode(text, ansi))
        return ansi;
    std::string utf8 = "\xEF\xBB\xBF";
    utf8 += text;
    return utf8;
}

bool TextExport::writeText(const std::string& path, std::string_view text, std::string* error)
{
    std::string reason;
    if (SaveFile::write(path, fileBytes(withCrLf(text)), &reason))
        return true;
    // A missing folder is reported by its name; the learner should also see which export it was.
    if (error != nullptr)
        *error = reason.find(path) == std::string::npos ? path + ": " + reason : reason;
    return false;
}

} // namespace brainlark
