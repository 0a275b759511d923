#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <memory>

#include "quiz/engine/screenlayout.h"
#include "quiz/engine/textbox.h"
#include "quiz/engine/typeinfield.h"
#include "quiz/ui/quizlook.h"

namespace brainlark
{

class QuizQuestion;

/// The boxes of the question on the screen: question, four answers, the True/False or Try/Skip
/// buttons, the typing field, the icons and the Boxes-4 picture, laid out for one view size. Feedback
/// state (pressed look, right/wrong colour) lives here too, so the screen can be painted again at any
/// time exactly as the learner last saw it.
class QuizScreen
{
public:
    /// What goes into a layout besides the question.
    struct Input {
        int width = 0;
        int height = 0;
        BoxLayout layout = BoxLayout::Boxes1;
        QuizMode mode = QuizMode::MultipleChoice;
        AppFlags flags;
        int preFill = 0;
        QString programFolder;
    };

    QuizScreen() = default;

    /// Lays out the question's boxes; an empty question gives an empty screen.
    void build(const QuizQuestion& question, const QuizLook& look, const Input& input);
    /// Lays out again for a new size or look, keeping the typed text and caret.
    void relayout(const QuizQuestion& question, const QuizLook& look, const Input& input);
    void clear();

    bool hasQuestion() const { return m_hasQuestion; }
    const ScreenLayout& layout() const { return m_layout; }
    QuizMode mode() const { return m_layout.isTrueFalseOrTypeIn() ? m_mode : QuizMode::MultipleChoice; }
    bool usesBoxes() const { return m_layout.usesBoxes(); }

    TextBox& question() { return m_question; }
    const TextBox& question() const { return m_question; }
    /// Answer box i (0-3); in True/False box 0 shows the statement, in Type-in it is the typing field's
    /// place.
    TextBox& answer(int i) { return m_answers[static_cast<size_t>(i & 3)]; }
    const TextBox& answer(int i) const { return m_answers[static_cast<size_t>(i & 3)]; }
    std::array<Rect, 4> answerRects() const;
    /// "True" / "Try" (0) and "False" / "Skip" (1).
    TextBox& button(int i) { return m_buttons[static_cast<size_t>(i & 1)]; }
    const TextBox& button(int i) const { return m_buttons[static_cast<size_t>(i & 1)]; }
    TypeinField* typein() { return m_typein.get(); }
    const TypeinField* typein() const { return m_typein.get(); }

    /// The box a hit index names: an answer box in Multiple-choice, a button otherwise.
    TextBox* hitBox(int hit);
    QuizLook::Feedback feedback(int hit) const;
    void setFeedback(int hit, QuizLook::Feedback feedback);
    QuizLook::Feedback answerFeedback(int i) const { return m_answerFeedback[static_cast<size_t>(i & 3)]; }
    QuizLook::Feedback buttonFeedback(int i) const { return m_buttonFeedback[static_cast<size_t>(i & 1)]; }

    bool questionHasSound() const { return !m_questionSound.isEmpty(); }
    QString questionSound() const { return m_questionSound; }
    QString answerSound(int i) const { return m_answerSounds[static_cast<size_t>(i & 3)]; }
    bool questionHasPicture() const { return !m_picturePath.isEmpty(); }
    QString picturePath() const { return m_picturePath; }
    /// The question's picture for the Boxes-4 layout (null elsewhere or without a picture).
    const QImage& picture() const { return m_picture; }

    Rect questionSoundIcon() const { return m_layout.questionSoundIcon(); }
    /// Beside the question sound icon, on the side facing the screen's middle.
    Rect pictureIcon() const;
    Rect answerSoundIcon(int i) const { return m_layout.answerSoundIcon(i, answer(i).rect()); }
    /// The Smart Counter box with its count; alert draws it in the alert colours.
    TextBox counter(int rightCount, bool alertSide, const QuizLook& look) const;

private:
    void buildQuestionBox(const QuizQuestion& question, const QuizLook& look);
    void buildAnswers(const QuizQuestion& question, const QuizLook& look, const AppFlags& flags);
    void buildClassic(const QuizQuestion& question, const QuizLook& look, const AppFlags& flags);
    void buildButtons(const QuizLook& look);
    void buildTypein(const QuizQuestion& question, const QuizLook& look, int preFill);
    void findMedia(const QuizQuestion& question, const QString& programFolder);
    void styleBox(TextBox& box, const QuizLook& look, const HslColor& text) const;

    ScreenLayout m_layout{0, 0, BoxLayout::Boxes1, QuizMode::MultipleChoice};
    QuizMode m_mode = QuizMode::MultipleChoice;
    bool m_hasQuestion = false;
    TextBox m_question;
    std::array<TextBox, 4> m_answers;
    std::array<TextBox, 2> m_buttons;
    std::unique_ptr<TypeinField> m_typein;
    std::array<QuizLook::Feedback, 4> m_answerFeedback{};
    std::array<QuizLook::Feedback, 2> m_buttonFeedback{};
    QString m_questionSound;
    std::array<QString, 4> m_answerSounds;
    QString m_picturePath;
    QImage m_picture;
};

} // namespace brainlark
