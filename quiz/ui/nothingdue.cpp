#include "quiz/ui/nothingdue.h"

#include <QDate>
#include <QLocale>

#include "quiz/engine/duequeue.h"
#include "services/prompter.h"

namespace brainlark
{

QString NothingDue::text() const
{
    const std::optional<int64_t> next = m_due.nextDueDay();
    if (!next)
        return tr("Nothing more is due in this list today.");
    return tr("Nothing more is due in this list today; the next pair is due on %1.")
        .arg(QLocale().toString(QDate::fromJulianDay(*next), QLocale::LongFormat));
}

bool NothingDue::offerSmartPick()
{
    if (m_due.smartPickTakesOver())
        return false;
    const int answer = m_prompter.message(text() + tr("\n\nGo on with Smart Pick?"), Prompter::Icon::Question,
                                          Prompter::Buttons::YesNo);
    if (answer != Prompter::Yes)
        return false;
    m_due.setSmartPickTakesOver(true);
    return true;
}

} // namespace brainlark
