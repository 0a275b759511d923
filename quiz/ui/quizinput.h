#pragma once

#include <QPoint>
#include <QVariant>
#include <optional>

#include "quiz/engine/backgroundpattern.h"
#include "quiz/engine/inputrules.h"
#include "quiz/engine/matchkeyboard.h"
#include "quiz/engine/quiztypes.h"
#include "quiz/engine/typeinfield.h"
#include "quiz/ui/quizpainter.h"

class QKeyEvent;

namespace brainlark
{

class QuizLook;
class QuizScreen;

/// Turns the learner's clicks and keys on the quiz screen into what they ask for. Only decides; the quiz
/// view acts on the answer.
class QuizInput
{
public:
    /// What a click on the quiz screen touched.
    struct Click {
        enum class Target { Nothing, Answer, AnswerSound, Counter, QuestionSound, Picture };
        Target target = Target::Nothing;
        int index = -1; ///< the answer box or button (Answer) or the answer whose sound icon it was
    };
    /// The answer sound icons lie over the boxes and win; then the boxes and buttons, then the Smart
    /// Counter (where the painter's state puts it), the question's sound icon and its picture icon.
    static Click hitTest(const QuizScreen& screen, const QuizLook& look, const QuizPainter::State& state,
                         const QPoint& point);

    /// The answer a key gives in multiple-choice (1-4) or true/false (T or Left = true, F or Right =
    /// false); −1 for any other key.
    static int answerForKey(int key, QuizMode mode);
    /// The arrow keys tune the line pattern of the background.
    static bool patternKey(int key, BackgroundPattern::Key& out);
    /// Types a key into the type-in field: arrows move or cycle accents, Backspace, Ctrl+R clears, Enter
    /// asks for Try, printable characters are typed.
    static TypeinField::Input typeInto(TypeinField& field, const QKeyEvent& event);
    /// Types the printable characters (and combining marks) of a text: a key's text or what an input method
    /// commits.
    static TypeinField::Input typeText(TypeinField& field, const QString& text);
    /// The keys typeInto() takes besides printable text.
    static bool isEditingKey(int key);
    /// The keys of the matching board: arrows, Enter, Delete or Backspace, Escape, T (Try) and S (Skip).
    static std::optional<MatchKeyboard::Key> matchKey(int key);

    /// What the quiz screen shows, as far as keys are concerned.
    enum class Showing { NoQuestion, Question, MatchBoard, Slideshow };
    /// What a key means on the screen as it is; none: the key passes on to the window.
    static std::optional<Input> inputOfKey(const QKeyEvent& event, Showing showing, QuizMode mode);
    /// What an input method learns about the type-in field (null: none shown); none: a query the field
    /// does not answer.
    static std::optional<QVariant> inputMethodQuery(const TypeinField* field, Qt::InputMethodQuery query);
};

} // namespace brainlark
