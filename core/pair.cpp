#include "core/pair.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace brainlark
{

// Lists of 100,000 pairs are loaded, walked and sorted as arrays of these.
static_assert(sizeof(Pair) <= 64, "a pair should fit in one cache line");

int32_t wrappingAdd(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

Pair::Pair(std::string_view question, std::string_view answer)
{
    setTexts(question, answer);
}

void Pair::throwOutsideStore()
{
    throw std::out_of_range("text outside its store");
}

Pair::Pair(const Pair& o)
    : m_extras(o.m_extras ? std::make_unique<Extras>(*o.m_extras) : nullptr), m_texts(o.m_texts),
      m_question(o.m_question), m_answer(o.m_answer), m_total(o.m_total), m_wrong(o.m_wrong),
      m_right(o.m_right), m_rating(o.m_rating), m_timesInQuestion(o.m_timesInQuestion), m_kind(o.m_kind),
      m_reversed(o.m_reversed)
{
}

Pair& Pair::operator=(const Pair& o)
{
    if (this != &o)
        *this = Pair(o);
    return *this;
}

const std::string& Pair::emptyText()
{
    static const std::string empty;
    return empty;
}

// The pair gets a store of its own holding just its two texts. Both are copied before the old store is let
// go, as either view may point into it.
void Pair::setTexts(std::string_view question, std::string_view answer)
{
    if (question.empty() && answer.empty()) {
        m_texts = TextStore();
        m_question = m_answer = TextSpan();
        return;
    }
    TextStore store;
    char* bytes = store.resize(question.size() + answer.size());
    if (!question.empty())
        std::memcpy(bytes, question.data(), question.size());
    if (!answer.empty())
        std::memcpy(bytes + question.size(), answer.data(), answer.size());
    m_texts = std::move(store);
    m_question = TextSpan{0, static_cast<uint32_t>(question.size())};
    m_answer = TextSpan{m_question.size, static_cast<uint32_t>(answer.size())};
}

Pair::Extras& Pair::extras()
{
    if (!m_extras)
        m_extras = std::make_unique<Extras>();
    return *m_extras;
}

void Pair::setHint(std::string text)
{
    if (!text.empty() || m_extras)
        extras().hint = std::move(text);
}

void Pair::setPicturePath(std::string path)
{
    if (!path.empty() || m_extras)
        extras().picturePathOne = std::move(path);
}

void Pair::incrementTimesInQuestion()
{
    m_timesInQuestion = wrappingAdd(m_timesInQuestion, 1);
}

std::string Pair::soundPath(int which) const
{
    if (which == 1)
        return soundPathOne();
    if (which == 2)
        return soundPathTwo();
    return {};
}

void Pair::setSoundPath(std::string path, int which)
{
    if (which != 1 && which != 2)
        return;
    if (path.empty() && !m_extras)
        return;
    (which == 1 ? extras().soundPathOne : extras().soundPathTwo) = std::move(path);
}

std::string Pair::shownQuestionSoundFile(const std::string& programFolder) const
{
    const std::string& rel = m_reversed ? soundPathTwo() : soundPathOne();
    return rel.empty() ? std::string() : joinMediaPath(programFolder, "quiz_sounds", rel);
}

std::string Pair::shownAnswerSoundFile(const std::string& programFolder) const
{
    const std::string& rel = m_reversed ? soundPathOne() : soundPathTwo();
    return rel.empty() ? std::string() : joinMediaPath(programFolder, "quiz_sounds", rel);
}

std::string Pair::pictureFile(const std::string& programFolder) const
{
    const std::string& picture = picturePath();
    return picture.empty() ? std::string() : joinMediaPath(programFolder, "quiz_pictures", picture);
}

void Pair::addRight(int32_t n)
{
    m_right = wrappingAdd(m_right, n);
    recalculateTotal();
}

void Pair::addWrong(int32_t n)
{
    m_wrong = wrappingAdd(m_wrong, n);
    recalculateTotal();
}

void Pair::recalculateTotal()
{
    m_total = wrappingAdd(m_right, m_wrong);
}

float Pair::updateRating(double seconds, bool missed)
{
    if (seconds > 10.0)
        seconds = 10.0;
    double rating;
    if (missed) {
        rating = static_cast<double>(m_rating) - 2.0;
    } else {
        const float step = static_cast<float>((5.0 - seconds) / 20.0);
        rating = static_cast<double>(m_rating) + 1.0 + static_cast<double>(step);
    }
    if (rating < 0.0)
        rating = 0.0;
    m_rating = static_cast<float>(rating);
    return m_rating;
}

void Pair::clampLoadedRating()
{
    // A rating that is not a number would poison every comparison of the smart order; treat it like the
    // absurd values that are reset as well.
    if (m_rating > MaxLoadedRating || std::isnan(m_rating))
        m_rating = 0.0f;
    recalculateTotal();
}

static std::string format(const char* pattern, double value)
{
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return buffer;
}

static std::string formatInt(int32_t value)
{
    return std::to_string(value);
}

std::string Pair::formatRating() const
{
    return format("%.2f", m_rating);
}

std::string Pair::formatRatingPrecise() const
{
    return format("%.3f", m_rating);
}

std::string Pair::formatRight() const
{
    return formatInt(m_right);
}

std::string Pair::formatWrong() const
{
    return formatInt(m_wrong);
}

std::string Pair::formatTotal() const
{
    return formatInt(m_total);
}

std::string Pair::formatKind() const
{
    return formatInt(m_kind);
}

std::string Pair::formatAccuracyHtml() const
{
    if (m_total == 0)
        return " - ";
    const float percent =
        static_cast<float>(static_cast<double>(m_right) / static_cast<double>(m_total) * 100.0);
    const char* colour = percent >= 90.0f   ? "green"
                         : percent >= 70.0f ? "blue"
                         : percent >= 50.0f ? "orange"
                                            : "red";
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "<font color='%s'>%.0f %%</font>", colour,
                  static_cast<double>(percent));
    return buffer;
}

std::string Pair::formatDebugLine() const
{
    std::string line = "a: ";
    line.append(question()).append(" | b: ").append(answer()).append(" | rating: ");
    line += format("%f", m_rating);
    line += " | times in question: " + formatInt(m_timesInQuestion) + "<br>";
    return line;
}

bool Pair::operator==(const Pair& o) const
{
    return picturePath() == o.picturePath() && soundPathOne() == o.soundPathOne() &&
           soundPathTwo() == o.soundPathTwo() && hint() == o.hint() && m_total == o.m_total &&
           m_wrong == o.m_wrong && m_right == o.m_right && m_reversed == o.m_reversed &&
           std::memcmp(&m_rating, &o.m_rating, sizeof m_rating) == 0 && question() == o.question() &&
           answer() == o.answer() && m_timesInQuestion == o.m_timesInQuestion && m_kind == o.m_kind;
}

} // namespace brainlark
