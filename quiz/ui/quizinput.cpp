#include "quiz/ui/quizinput.h"

#include <QKeyEvent>

#include "quiz/ui/listtext.h"
#include "quiz/ui/quizscreen.h"

namespace brainlark
{

QuizInput::Click QuizInput::hitTest(const QuizScreen& screen, const QuizLook& look,
                                    const QuizPainter::State& state, const QPoint& point)
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

std::optional<MatchKeyboard::Key> QuizInput::matchKey(int key)
{
    using K = MatchKeyboard::Key;
    switch (key) {
    case Qt::Key_Up:
        return K::Up;
    case Qt::Key_Down:
        return K::Down;
    case Qt::Key_Left:
        return K::Left;
    case Qt::Key_Right:
        return K::Right;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: // a focused box takes the key that presses any focused control
        return K::Enter;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        return K::Delete;
    case Qt::Key_Escape:
        return K::Escape;
    case Qt::Key_T:
        return K::Try;
    case Qt::Key_S:
        return K::Skip;
    default:
        return std::nullopt;
    }
}

std::optional<Input> QuizInput::inputOfKey(const QKeyEvent& event, Showing showing, QuizMode mode)
{
    const int key = event.key();
    if (key == Qt::Key_Escape)
        return Input::Escape;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    BackgroundPattern::Key pattern;
    switch (showing) {
    case Showing::Slideshow:
        return key == Qt::Key_Space || key == Qt::Key_Right ? std::optional<Input>(Input::Answer)
                                                            : std::nullopt;
    case Showing::MatchBoard: // the buttons' keys are commands, the others pick and connect
        if (!matchKey(key))
            return std::nullopt;
        return key == Qt::Key_T || key == Qt::Key_S ? Input::Command : Input::Answer;
    case Showing::NoQuestion:
        return enter ? std::optional<Input>(Input::Command) : std::nullopt;
    case Showing::Question:
        break;
    }
    if (mode == QuizMode::TypeIn ? (!event.text().isEmpty() || isEditingKey(key))
                                 : (answerForKey(key, mode) >= 0 || patternKey(key, pattern)))
        return Input::Answer;
    return std::nullopt;
}

std::optional<QVariant> QuizInput::inputMethodQuery(const TypeinField* field, Qt::InputMethodQuery query)
{
    switch (query) {
    case Qt::ImEnabled:
        return field != nullptr;
    case Qt::ImCursorRectangle:
        return field ? QRect(field->textRect().left, field->textRect().top, 1, field->textRect().height())
                     : QRect();
    case Qt::ImSurroundingText:
        return field ? ListText::toQString(field->typedText()) : QString();
    case Qt::ImCursorPosition:
        return field ? int(ListText::toQString(std::string_view(field->typedText())
                                                   .substr(0, field->byteOffset(field->caret())))
                               .size())
                     : 0;
    default:
        return std::nullopt;
    }
}

} // namespace brainlark
