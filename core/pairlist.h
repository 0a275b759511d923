#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/pair.h"

namespace brainlark
{

class RowSource;

/// One Q&A list: the pairs, the predefined wrong answers tied to pairs by exact question text, the list's
/// notes, subject, password and stamps, and the quiz's transient state (reversal, answer supply, smart
/// order).
class PairList
{
public:
    enum Which { Pairs = 0, WrongAnswers = 1 };
    enum Supply : int32_t { SupplyNone = 0, SupplySome = 1, SupplyEnough = 2, SupplyUnknown = 3 };
    /// Answer choices per question; fixed for every quiz.
    static constexpr int ChoiceCount = 4;

    PairList() = default;

    int32_t count() const { return static_cast<int32_t>(m_pairs.size()); }
    /// which 0 → pair, 1 → wrong answer, other → nullptr. The index must be in range.
    Pair* at(int index, Which which);
    const Pair* at(int index, Which which) const;

    std::vector<Pair>& pairs() { return m_pairs; }
    const std::vector<Pair>& pairs() const { return m_pairs; }
    std::vector<Pair>& wrongAnswers() { return m_wrongAnswers; }
    const std::vector<Pair>& wrongAnswers() const { return m_wrongAnswers; }

    void toggleReverse();
    /// Returns the list to its entered orientation; needs at least one pair. Returns whether it was reversed.
    bool unreverse();
    bool isReversed() const { return m_reversed; }

    /// The indices of the n lowest-rated pairs, lowest first; n must not exceed the pair count.
    const std::vector<int32_t>& sortByRating(int n);
    const std::vector<int32_t>& smartOrder() const { return m_smartOrder; }

    int32_t answerSupply(bool force);

    int collectWrongAnswers(std::string_view question, std::vector<Pair*>& out);
    int collectWrongAnswers(std::string_view question, std::vector<const Pair*>& out) const;
    int collectWrongAnswersFor(const Pair& pair, std::vector<const Pair*>& out) const;
    std::string joinWrongAnswers(const Pair& pair, const std::string& separator) const;
    int removeWrongAnswersOfKind(int32_t kind);
    int removeWrongAnswersOf(std::string_view question);
    void renameWrongAnswers(std::string_view oldQuestion, std::string_view newQuestion);

    const Pair* findOtherWithQuestion(std::string_view question, const Pair* skip) const;
    const Pair* findFirstDuplicate() const;

    void resetStatistics();
    int32_t sumTotals();
    double accuracy() const;
    std::string formatAccuracy() const;
    void updateLengthRatio();
    float lengthRatio() const { return m_lengthRatio; }

    /// Fills this (empty) list from the editor grid and copies the source's wrong answers. Returns the
    /// pair count.
    int rebuildFromRows(const RowSource& grid, const PairList& source);

    /// Appends the pairs and wrong answers of a text file in the import format; returns the pair count
    /// afterwards, or 0 when the file cannot be opened.
    int importText(const std::string& fileName);

    std::string dumpDebug() const;

    int32_t lastIndex() const { return m_lastIndex; }
    void setLastIndex(int32_t index) { m_lastIndex = index; }
    const std::string& subject() const { return m_subject; }
    void setSubject(std::string text) { m_subject = std::move(text); }
    const std::string& createdStamp() const { return m_createdStamp; }
    void setCreatedStamp(std::string text) { m_createdStamp = std::move(text); }
    const std::string& savedStamp() const { return m_savedStamp; }
    void setSavedStamp(std::string text) { m_savedStamp = std::move(text); }
    const std::string& password() const { return m_password; }
    void setPassword(std::string text) { m_password = std::move(text); }
    const std::string& notes() const { return m_notes; }
    void setNotes(std::string text) { m_notes = std::move(text); }
    /// True when the list carries a password that must be asked for ("" and "n/a" mean none).
    bool hasPassword() const { return !m_password.empty() && m_password != "n/a"; }

private:
    int32_t m_lastIndex = -1;
    std::string m_subject;
    std::string m_createdStamp;
    std::string m_savedStamp;
    std::string m_password;
    int32_t m_answerSupply = SupplyUnknown;
    std::string m_notes;
    float m_lengthRatio = 0.0f;
    std::vector<Pair> m_pairs;
    std::vector<Pair> m_wrongAnswers;
    bool m_reversed = false;
    std::vector<int32_t> m_smartOrder;
};

/// Parses the longest numeric prefix after leading blanks, as the grid's number cells are read; 0 when the
/// text does not start with a number. Independent of the process locale.
double leadingDouble(const std::string& text);
int32_t leadingInt(const std::string& text);

} // namespace brainlark
