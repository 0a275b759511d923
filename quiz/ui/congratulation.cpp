#include "quiz/ui/congratulation.h"

#include "core/randomsource.h"

#include <QCoreApplication>
#include <QStringList>

namespace brainlark
{

const QStringList& Congratulation::texts()
{
    static const char* const kTexts[] = {
        QT_TRANSLATE_NOOP("brainlark::Congratulation", "* * * Great Job ! * * *"),
        QT_TRANSLATE_NOOP("brainlark::Congratulation", "- - - Excellent ! - - -"),
        QT_TRANSLATE_NOOP("brainlark::Congratulation", "* Congratulations! *"),
        QT_TRANSLATE_NOOP("brainlark::Congratulation", "~~~ Way to Go! ~~~"),
        QT_TRANSLATE_NOOP("brainlark::Congratulation", "~*~ You're doing a great job! ~*~"),
        QT_TRANSLATE_NOOP("brainlark::Congratulation", "^^^ Keep up the good work! ^^^"),
    };
    // Translated once, in the language of the program's texts.
    static const QStringList kShown = [] {
        QStringList shown;
        for (const char* text : kTexts)
            shown.append(QCoreApplication::translate("brainlark::Congratulation", text));
        return shown;
    }();
    return kShown;
}

Congratulation Congratulation::make(RandomSource& random)
{
    static const QColor kTextColors[] = {QColor(255, 165, 0), QColor(0, 0, 255), QColor(0, 128, 0)};
    static const QColor kBackgrounds[] = {QColor(173, 216, 230), QColor(144, 238, 144), QColor(255, 255, 0),
                                          QColor(211, 211, 211)};
    static const int kStyles[] = {3, 4, 5, 2, 0, 1};

    Congratulation c;
    c.text = texts().at(int(random.below(6)));
    c.textColor = kTextColors[random.below(3)];
    c.backgroundColor = kBackgrounds[random.below(4)];
    c.style = kStyles[random.below(6)];
    return c;
}

} // namespace brainlark
