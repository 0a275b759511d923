#include "core/listdifference.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/listfingerprint.h"
#include "core/pairlist.h"

namespace brainlark
{

namespace
{

bool sameTexts(const Pair& a, const Pair& b)
{
    return a.question() == b.question() && a.answer() == b.answer() && a.soundPathOne() == b.soundPathOne() &&
           a.soundPathTwo() == b.soundPathTwo() && a.hint() == b.hint() && a.picturePath() == b.picturePath();
}

// The pairs of the present list by question; each is matched at most once.
class Candidates
{
public:
    explicit Candidates(const std::vector<Pair>& pairs) : m_taken(pairs.size(), false)
    {
        for (size_t i = 0; i < pairs.size(); ++i)
            m_byQuestion[pairs[i].question()].push_back(i);
    }
    /// Takes a free pair with this question that matches (any pair with it when exact is false).
    bool take(const std::vector<Pair>& pairs, const Pair& wanted, bool exact)
    {
        const auto it = m_byQuestion.find(wanted.question());
        if (it == m_byQuestion.end())
            return false;
        for (size_t i : it->second) {
            if (!m_taken[i] && (!exact || sameTexts(pairs[i], wanted))) {
                m_taken[i] = true;
                ++m_takenCount;
                return true;
            }
        }
        return false;
    }
    int freeCount() const { return int(m_taken.size()) - m_takenCount; }

private:
    std::unordered_map<std::string_view, std::vector<size_t>> m_byQuestion;
    std::vector<bool> m_taken;
    int m_takenCount = 0;
};

} // namespace

ListDifference ListDifference::between(const PairList& version, const PairList& present)
{
    ListDifference difference;
    Candidates candidates(present.pairs());
    std::vector<const Pair*> unmatched;
    for (const Pair& pair : version.pairs()) {
        if (!candidates.take(present.pairs(), pair, true))
            unmatched.push_back(&pair);
    }
    for (const Pair* pair : unmatched) {
        if (candidates.take(present.pairs(), *pair, false))
            ++difference.changed;
        else
            ++difference.added;
    }
    difference.removed = candidates.freeCount();
    const auto ownTexts = [](const PairList& from) {
        PairList fields;
        fields.setNotes(from.notes());
        fields.setSubject(from.subject());
        fields.setPassword(from.password());
        fields.wrongAnswers() = from.wrongAnswers();
        return ListFingerprint::of(fields).texts;
    };
    difference.otherTexts = ownTexts(version) != ownTexts(present);
    // The content hash covers the texts as well; with the same texts what differs is the statistics (or
    // only the order of the pairs).
    difference.statistics = ListFingerprint::of(version).content != ListFingerprint::of(present).content;
    return difference;
}

} // namespace brainlark
