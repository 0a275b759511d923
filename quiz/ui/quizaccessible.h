#pragma once

#include <QString>

namespace brainlark
{

class QuizView;

/// What a screen reader learns of the painted quiz screen: the view's accessible interface lists the
/// question, the answer boxes (buttons named by their text and number key), the True/False or Try/Skip
/// buttons, the typing field, the score, the Smart Counter and the feedback of the last answer.
namespace QuizAccessible
{
/// Installs, once, the factory that gives each quiz view its accessible interface.
void install();
/// A new question is on the screen: the parts are to be read afresh.
void questionChanged(QuizView* view);
/// The matching board changed (a new round, a line drawn or removed, the keyboard focus moved).
void boardChanged(QuizView* view);
/// The question that follows an answered one is on the screen: said by the screen reader as the feedback
/// was (a reader speaks the name of the focused view when it gets the focus, not when it changes).
void questionShown(QuizView* view);
/// The feedback after a judged answer, said by the screen reader.
void announce(QuizView* view, const QString& feedback);
/// "Right" or "Wrong, the answer is …".
QString feedbackText(bool right, const QString& rightAnswer);
} // namespace QuizAccessible

} // namespace brainlark
