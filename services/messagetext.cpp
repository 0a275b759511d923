#include "services/messagetext.h"

#include "core/messages.h"
#include <QCoreApplication>
#include <QRegularExpression>
#include <vector>

namespace brainlark
{

namespace
{

struct Pattern {
    const char* source;
    QRegularExpression match;
};

// Each template as a whole-text pattern: its fixed text literally, each %N as the shortest text that lets
// the rest match.
const std::vector<Pattern>& patterns()
{
    static const std::vector<Pattern> all = [] {
        std::vector<Pattern> built;
        static const QRegularExpression place(QStringLiteral("%[1-9]"));
        for (const char* source : Messages::All) {
            const QString text = QString::fromUtf8(source);
            QString expression = QStringLiteral("\\A");
            qsizetype from = 0;
            for (auto it = place.globalMatch(text); it.hasNext();) {
                const QRegularExpressionMatch found = it.next();
                expression += QRegularExpression::escape(text.mid(from, found.capturedStart() - from));
                expression += QStringLiteral("(.*?)");
                from = found.capturedEnd();
            }
            expression += QRegularExpression::escape(text.mid(from)) + QStringLiteral("\\z");
            built.push_back(
                {source, QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption)});
        }
        return built;
    }();
    return all;
}

} // namespace

QString MessageText::shown(const QString& english)
{
    for (const Pattern& pattern : patterns()) {
        const QRegularExpressionMatch found = pattern.match.match(english);
        if (!found.hasMatch())
            continue;
        QString text = QCoreApplication::translate(Messages::Context, pattern.source);
        if (found.lastCapturedIndex() == 0)
            return text;
        // Filled in one pass, so that an argument's own "%1" stays as it is.
        QStringList arguments;
        for (int i = 1; i <= found.lastCapturedIndex(); ++i)
            arguments << shown(found.captured(i));
        QString result;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar next = i + 1 < text.size() ? text.at(i + 1) : QChar();
            const int index =
                text.at(i) == QLatin1Char('%') && next >= QLatin1Char('1') && next <= QLatin1Char('9')
                    ? next.unicode() - '1'
                    : -1;
            if (index >= 0 && index < arguments.size()) {
                result += arguments.at(index);
                ++i;
            } else {
                result += text.at(i);
            }
        }
        return result;
    }
    return english;
}

QString MessageText::shown(const std::string& english)
{
    return shown(QString::fromStdString(english));
}

} // namespace brainlark
