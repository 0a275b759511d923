#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "exports/exportmessage.h"

namespace brainlark
{

class Clock;
class RandomSource;
class Pair;
class PairList;

/// Outcome of building a printable test.
struct PrintableTestResult {
    enum class Status { Generated, TemplateTooShort, TooFewPairs };
    Status status = Status::TemplateTooShort;
    std::string fileName;  ///< title + creation time stamp + ".rtf", to go into the printable tests folder
    std::string text;      ///< the RTF document when generated
    ExportMessage message; ///< what to tell the learner when nothing was generated (may be empty)
};

/// Builds a paper multiple-choice test in RTF from a list: every pair becomes a numbered question with
/// answers A to D, followed by an answer key two answers per line, five questions per page.
class PrintableTest
{
public:
    /// Waits the given number of milliseconds; tests pass one that does not sleep.
    using Pause = std::function<void(int ms)>;

    static constexpr int AnswerCount = 4;
    static constexpr int QuestionsPerPage = 5;
    /// Shorter templates are taken as missing.
    static constexpr size_t MinimumTemplateSize = 10;

    static constexpr const char* QuestionBlock =
        "{\\insrsid3686583 {\\fs28\\insrsid8154827\\charrsid2969843 ___  [N]. [Q]\\par }{\\insrsid8154827 "
        "\\par "
        "}\\pard "
        "\\ql\\li720\\ri0\\widctlpar\\aspalpha\\aspnum\\faauto\\adjustright\\rin0\\lin720\\itap0\\pararsid815"
        "4827 "
        "{\\insrsid8154827 A. [A1]\\par B. [A2]\\par C. [A3]\\par D. [A4]\\par\\par\\par }}";
    static constexpr const char* Paragraph = "{\\par }";
    static constexpr const char* KeySeparator = "{\\insrsid10249193 \\tab \\tab \\tab}";
    static constexpr const char* PageBreak = "{\\insrsid3632148 \\page }";
    static constexpr const char* TooFewPairsMessage = "A printable test needs at least 4 Q&A pairs.";

    PrintableTest(const Clock& clock, RandomSource& random, Pause pause);

    /// Builds the test from the raw template text (read line by line: every line ends in a line feed).
    PrintableTestResult generate(const PairList& list, const std::string& title,
                                 const std::string& templateText);

    /// title + "_%Y_%b%d_%H%M%S" + ".rtf" at the clock's local time.
    static std::string fileNameFor(const std::string& title, const Clock& clock);
    /// A list text as RTF: \, { and } escaped, characters of Windows-1252 beyond ASCII as \'hh, others as
    /// \uN?, and '[' as \'5b so that a text can never be taken for one of the placeholders filled after it.
    static std::string escapeRtf(std::string_view text);

private:
    std::vector<const Pair*> chooseAnswers(const PairList& list, int index);
    std::vector<int> answerOrder(const Pair& pair, int index);
    void appendQuestion(const PairList& list, int index, std::string& quiz, std::string& key);

    const Clock& m_clock;
    RandomSource& m_random;
    Pause m_pause;
};

} // namespace brainlark
