#include "quiz/ui/reasontext.h"

#include "quiz/engine/questionreason.h"
#include "quiz/engine/quizquestion.h"

namespace brainlark
{

namespace
{

int percent(double chance)
{
    return static_cast<int>(chance * 100 + 0.5);
}

} // namespace

QString ReasonText::ordinal(int n)
{
    if (n % 100 < 11 || n % 100 > 13) {
        if (n % 10 == 1)
            return tr("%1st").arg(n);
        if (n % 10 == 2)
            return tr("%1nd").arg(n);
        if (n % 10 == 3)
            return tr("%1rd").arg(n);
    }
    return tr("%1th").arg(n);
}

QString ReasonText::times(int n)
{
    return n == 1 ? tr("once") : tr("%n times", nullptr, n);
}

QString ReasonText::ago(qint64 days)
{
    if (days == 0)
        return tr("today");
    return days == 1 ? tr("1 day ago") : tr("%n days ago", nullptr, int(days));
}

QString ReasonText::shortText(const QuestionReason& reason)
{
    if (reason.due) {
        const int chance = percent(reason.recallChance);
        if (reason.daysOverdue == 0)
            return tr("Due today, recall chance %1 %").arg(chance);
        if (reason.daysOverdue == 1)
            return tr("Due since 1 day, recall chance %1 %").arg(chance);
        return tr("Due since %n days, recall chance %1 %", nullptr, int(reason.daysOverdue)).arg(chance);
    }
    if (!reason.smartPick)
        return QString();
    const QString rating = QString::number(double(reason.rating), 'f', 2);
    return reason.rank == 1 ? tr("Rating %1, the weakest").arg(rating)
                            : tr("Rating %1, %2 weakest").arg(rating, ordinal(reason.rank));
}

QString ReasonText::details(const QuestionReason& reason)
{
    if (reason.due)
        return tr("Due (spaced repetition) asks the pairs due today, lowest recall chance first. This pair "
                  "was "
                  "last reviewed %1 and fell due %2; its stability is %3 days and its difficulty %4 of 10, "
                  "so "
                  "the chance to recall it now is %5 %.")
            .arg(ago(reason.daysSinceReview), ago(reason.daysOverdue),
                 QString::number(reason.stability, 'f', 1), QString::number(reason.difficulty, 'f', 1),
                 QString::number(percent(reason.recallChance)));
    if (!reason.smartPick)
        return QString();
    const QString place = reason.rank == 1 ? tr("the lowest") : tr("the %1 lowest").arg(ordinal(reason.rank));
    return tr("Smart Pick asks one of the %1 lowest-rated pairs. This pair has the rating %2, %3 of %4 "
              "pairs; "
              "it was asked %5 and answered right %6 (wrong %7).")
        .arg(QString::number(QuizQuestion::SmartPickCandidates),
             QString::number(double(reason.rating), 'f', 2), place, QString::number(reason.pairCount),
             times(reason.asked), times(reason.right), times(reason.wrong));
}

} // namespace brainlark
