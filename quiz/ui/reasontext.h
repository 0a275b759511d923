#pragma once

#include <QCoreApplication>
#include <QString>

namespace brainlark
{

struct QuestionReason;

/// Why a question is asked, as the status bar says it: the engine's QuestionReason in the language of the
/// program's texts (in English exactly the engine's own shortText() and details()).
class ReasonText
{
    Q_DECLARE_TR_FUNCTIONS(ReasonText)

public:
    static QString shortText(const QuestionReason& reason);
    static QString details(const QuestionReason& reason);

private:
    static QString ordinal(int n);
    static QString times(int n);
    static QString ago(qint64 days);
};

} // namespace brainlark
