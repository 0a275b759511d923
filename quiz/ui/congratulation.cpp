#include "quiz/ui/congratulation.h"

#include "core/randomsource.h"

#include <QStringList>

namespace brainlark
{

const QStringList& Congratulation::texts()
{
    static const QStringList kTexts = {
        "* * * Great Job ! * * *", "- - - Excellent ! - - -",           "* Congratulations! *",
        "~~~ Way to Go! ~~~",      "~*~ You're doing a great job! ~*~", "^^^ Keep up the good work! ^^^",
    };
    return kTexts;
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
