#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/mediapath.h"
#include "core/textstore.h"

namespace brainlark
{

/// One question/answer pair of a list, or one predefined wrong answer (kind 1).
/// Texts are UTF-8 and are compared byte for byte (which compares their characters). Question and answer
/// live in a TextStore that a whole loaded list shares, so a pair is a small record and copying one is cheap.
/// Views returned by the text accessors stay valid until the pair's question or answer is changed.
class Pair
{
public:
    enum Kind : int32_t { MarkedForDeletion = -1, QuestionAnswer = 0, WrongAnswer = 1 };

    Pair() = default;
    Pair(std::string_view question, std::string_view answer);
    /// A pair whose texts already lie in store (a loaded file, an import). Inline: readers make a pair per
    /// line or object, and the spans should stay in registers.
    Pair(TextStore store, TextSpan question, TextSpan answer)
        : m_texts(std::move(store)), m_question(question), m_answer(answer)
    {
        if (!m_texts.contains(question) || !m_texts.contains(answer))
            throwOutsideStore();
    }
    Pair(const Pair& other);
    Pair& operator=(const Pair& other);
    Pair(Pair&&) noexcept = default;
    Pair& operator=(Pair&&) noexcept = default;
    ~Pair() = default;

    // Raw fields, as stored in the file.
    std::string_view question() const { return m_texts.view(m_question); }
    void setQuestion(std::string_view text) { setTexts(text, answer()); }
    std::string_view answer() const { return m_texts.view(m_answer); }
    void setAnswer(std::string_view text) { setTexts(question(), text); }
    const std::string& hint() const { return m_extras ? m_extras->hint : emptyText(); }
    void setHint(std::string text);
    const std::string& soundPathOne() const { return m_extras ? m_extras->soundPathOne : emptyText(); }
    const std::string& soundPathTwo() const { return m_extras ? m_extras->soundPathTwo : emptyText(); }
    int32_t timesInQuestion() const { return m_timesInQuestion; }
    void setTimesInQuestion(int32_t n) { m_timesInQuestion = n; }
    void incrementTimesInQuestion();
    int32_t kind() const { return m_kind; }
    void setKind(int32_t kind) { m_kind = kind; }
    bool isReversed() const { return m_reversed; }
    void setReversed(bool reversed) { m_reversed = reversed; }
    int32_t right() const { return m_right; }
    int32_t wrong() const { return m_wrong; }
    int32_t total() const { return m_total; }

    // Side-aware access: what the quiz, grid and exports show.
    std::string_view shownQuestion() const { return m_reversed ? answer() : question(); }
    std::string_view shownAnswer() const { return m_reversed ? question() : answer(); }
    /// which 1 → soundPathOne, 2 → soundPathTwo, anything else → empty.
    std::string soundPath(int which) const;
    void setSoundPath(std::string path, int which);
    /// Full path of the sound of the side shown as question, or empty when there is none.
    std::string shownQuestionSoundFile(const std::string& programFolder) const;
    std::string shownAnswerSoundFile(const std::string& programFolder) const;
    const std::string& picturePath() const { return m_extras ? m_extras->picturePathOne : emptyText(); }
    void setPicturePath(std::string path);
    /// Full path of the picture, or empty when the pair has none.
    std::string pictureFile(const std::string& programFolder) const;

    // Statistics. Counters wrap like the 32-bit values they are stored as.
    void addRight(int32_t n);
    void addWrong(int32_t n);
    void setRight(int32_t n) { m_right = n; }
    void setWrong(int32_t n) { m_wrong = n; }
    void recalculateTotal();
    float rating() const { return m_rating; }
    void setRating(float value) { m_rating = value; }
    /// Applies the rating rule after a settled question and returns the new rating.
    float updateRating(double seconds, bool missed);
    /// Ratings read from a file above this are reset to 0.
    static constexpr float MaxLoadedRating = 1000000.0f;
    /// Rating clamp applied to every pair read from a file.
    void clampLoadedRating();

    std::string formatRating() const;
    std::string formatRatingPrecise() const;
    std::string formatRight() const;
    std::string formatWrong() const;
    std::string formatTotal() const;
    std::string formatKind() const;
    std::string formatAccuracyHtml() const;
    std::string formatDebugLine() const;

    bool operator==(const Pair& other) const;
    bool operator!=(const Pair& other) const { return !(*this == other); }

private:
    // Most pairs have no media and no notes; keeping those four texts out of line halves the size of a
    // pair, which is what loading and walking big lists costs.
    struct Extras {
        std::string picturePathOne;
        std::string soundPathOne;
        std::string soundPathTwo;
        std::string hint;
    };
    static const std::string& emptyText();
    [[noreturn]] static void throwOutsideStore();
    Extras& extras();
    void setTexts(std::string_view question, std::string_view answer);

    std::unique_ptr<Extras> m_extras;
    TextStore m_texts;
    TextSpan m_question;
    TextSpan m_answer;
    int32_t m_total = 0;
    int32_t m_wrong = 0;
    int32_t m_right = 0;
    float m_rating = 0.0f;
    int32_t m_timesInQuestion = 0;
    int32_t m_kind = QuestionAnswer;
    bool m_reversed = false;
};

/// 32-bit addition with wrap-around, as the stored counters behave.
int32_t wrappingAdd(int32_t a, int32_t b);

} // namespace brainlark
