#pragma once

#include <QCoreApplication>
#include <QString>

namespace brainlark
{

class DueQueue;
class Prompter;

/// What the quiz says when the selection Due has nothing more to ask in a list: when its next pair is
/// due, and the offer to go on with Smart Pick.
class NothingDue
{
    Q_DECLARE_TR_FUNCTIONS(NothingDue)
public:
    NothingDue(DueQueue& due, Prompter& prompter) : m_due(due), m_prompter(prompter) {}

    /// "Nothing more is due in this list today; the next pair is due on …" (the date in the locale's form).
    QString text() const;
    /// Asks whether to go on with Smart Pick, unless it has taken over already; Yes lets it take over.
    bool offerSmartPick();

private:
    DueQueue& m_due;
    Prompter& m_prompter;
};

} // namespace brainlark
