#include "quiz/ui/quizinput.h"

#include <QKeyEvent>

#include "quiz/ui/quizscreen.h"

namespace brainlark
{

QuizInput::Click QuizInput::hitTest(const QuizScreen& screen, const QuizLook& look, const ScreenState& state,
                                    const QPoint& point)
{
    using Target = Click::Target;
    const Point p{point.x(), point.y()};
    const int icon = screen.layout().hitTestAnswerSoundIcon(p, screen.answerRects());
    if (icon >= 0)
        return {Target::AnswerSound, icon};
    const int hit = screen.layout().hitTest(p, screen.answerRects());
    if (hit >= 0)
        return {Target::Answer, hit};
    if (state.counterShown && screen.counter(state.rightCount, state.alertSide, look).rect().contains(p))
        return {Target::Counter, -1};
    if (screen.questionHasSound() && screen.questionSoundIcon().contains(p))
        return {Target::QuestionSound, -1};
    if (screen.questionHasPicture() && screen.pictureIcon().contains(p))
        return {Target::Picture, -1};
    return {};
}

int QuizInput::answerForKey(int key, QuizMode mode)
{
    if (mode == QuizMode::TrueFalse) {
        if (key == Qt::Key_T || key == Qt::Key_Left)
            return 0;
        if (key == Qt::Key_F || key == Qt::Key_Right)
            return 1;
        return -1;
    }
    if (key >= Qt::Key_1 && key <= Qt::Key_4)
        return key - Qt::Key_1;
    return -1;
}

bool QuizInput::patternKey(int key, BackgroundPattern::Key& out)
{
    switch (key) {
    case Qt::Key_Left:
        out = BackgroundPattern::Key::Left;
        return true;
    case Qt::Key_Right:
        out = BackgroundPattern::Key::Right;
        return true;
    case Qt::Key_Up:
        out = BackgroundPattern::Key::Up;
        return true;
    case Qt::Key_Down:
        out = BackgroundPattern::Key::Down;
        return true;
    default:
        return false;
    }
}

bool QuizInput::isEditingKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}

TypeinField::Input QuizInput::typeInto(TypeinField& field, const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Left:
        return field.handleArrow(TypeinField::Arrow::Left);
    case Qt::Key_Right:
        return field.handleArrow(TypeinField::Arrow::Right);
    case Qt::Key_Up:
        return field.handleArrow(TypeinField::Arrow::Up);
    case Qt::Key_Down:
        return field.handleArrow(TypeinField::Arrow::Down);
    case Qt::Key_Backspace:
        return field.handleChar(TypeinField::Backspace);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return TypeinField::Input::Try;
    default:
        break;
    }
    const bool control = event.modifiers() & Qt::ControlModifier;
    if (control)
        return event.key() == Qt::Key_R ? field.handleChar(TypeinField::CtrlR) : TypeinField::Input::Ignored;
    return typeText(field, event.text());
}

TypeinField::Input QuizInput::typeText(TypeinField& field, const QString& text)
{
    std::u32string printable;
    for (const char32_t c : text.toUcs4())
        if (QChar::isPrint(c) || QChar::category(c) == QChar::Mark_NonSpacing)
            printable += c;
    return field.handleText(QString::fromUcs4(printable.data(), qsizetype(printable.size())).toStdString());
}

} // namespace brainlark
