#pragma once

#include <array>

#include <string>

#include "core/randomsource.h"
#include "core/pair.h"
#include "quiz/engine/appflags.h"
#include "quiz/engine/quiztypes.h"
#include "quiz/engine/rect.h"

namespace brainlark
{

/// Box layouts, numbered as the layout in force is (0 Classic, 1-4 Boxes-1..Boxes-4).
enum class BoxLayout : int { Classic = 0, Boxes1 = 1, Boxes2 = 2, Boxes3 = 3, Boxes4 = 4 };

/// The quiz screen geometry for a client area of width × height pixels, a layout in force and a quiz mode.
/// True/False and Type-in always use their own box geometry, whatever the layout. Pure arithmetic: text
/// sizes that need a font come in as parameters.
class ScreenLayout
{
public:
    static constexpr int LeftMargin = 10;
    static constexpr int ColumnMargin = 10;
    static constexpr int ColumnGap = 5;
    static constexpr int TopMargin = 5;
    static constexpr int QuestionGap = 10;
    static constexpr int BandGap = 5;
    static constexpr int RowGap = 5;
    static constexpr int BottomMargin = 5;
    static constexpr int MinimumQuestionBand = 80;
    static constexpr int IconInset = 2;
    static constexpr int IconSize = 14;
    static constexpr double PictureShare = 0.5;
    static constexpr int ButtonWidth = 60;
    static constexpr int ButtonHeight = 30;

    ScreenLayout(int width, int height, BoxLayout layout, QuizMode mode);

    /// Layout in force for the "visual style" choice: 0 (Random Boxes) → Boxes-1..4 drawn anew each call,
    /// 1 → Classic, 2-5 → Boxes-1..Boxes-4. Other values give Boxes-1.
    static BoxLayout layoutForStyle(int visualStyle, RandomSource& random);

    /// True/False and Type-in, or any layout but Classic.
    bool usesBoxes() const { return m_mode != QuizMode::MultipleChoice || m_layout != BoxLayout::Classic; }
    bool isTrueFalseOrTypeIn() const { return m_mode == QuizMode::TrueFalse || m_mode == QuizMode::TypeIn; }
    BoxLayout layout() const { return m_layout; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    /// max(height / 3, 80).
    int questionBand() const;
    /// The question box of the box layouts (True/False and Type-in: 1.2 times as high).
    Rect questionBox() const;
    /// Classic: from x 62 to width - 10, bottom at 88, top raised by the wrapped question text's height.
    Rect classicQuestionBox(int textHeight) const;
    /// Answer box i (0-3) of the box layouts; in True/False and Type-in boxes 1-3 are empty.
    Rect answerBox(int i) const;
    std::array<Rect, 4> answerBoxes() const;
    /// Classic answer box i: its fitted size at (40, 100 + 70 i).
    static Rect classicAnswerBox(int i, int fittedWidth, int fittedHeight);
    /// Boxes-4: the right part beside the answer column, where the question's picture goes.
    Rect pictureArea() const;

    /// "True" / "Try": 60 × 30 below answer box 0, left of its centre; "False" / "Skip" right of it.
    Rect trueTryButton() const;
    Rect falseSkipButton() const;

    /// Sound icon of answer box i, given the box's rectangle (box layouts) — Classic places it by index.
    Rect answerSoundIcon(int i, const Rect& box) const;
    Rect questionSoundIcon() const;
    /// Smart Counter box for the right count; alertSide moves it to the question box's left edge (box
    /// layouts).
    Rect counterBox(int rightCount, bool alertSide) const;

    /// Text of the answer box of a choice: its answer; empty in Type-in, and empty with "Hide q/a text" when
    /// the choice has an answer sound (the learner answers by listening). Classic puts a bullet ("• ")
    /// before it.
    std::string answerText(const Pair& choice, const AppFlags& flags) const;
    /// Text format of the question and answer boxes: left-aligned in Boxes-4, else centred (both
    /// word-breaking, tabs expanded); Classic questions are vertically centred.
    unsigned boxFormat() const;
    unsigned questionFormat() const;

    /// Multiple-choice: the first of the boxes containing p; True/False and Type-in: 1 for "False"/"Skip",
    /// 0 for "True"/"Try". -1 when nothing is hit.
    int hitTest(Point p, const std::array<Rect, 4>& boxes) const;
    /// The answer sound icon under p (0-3), -1 if none; tested before the boxes.
    int hitTestAnswerSoundIcon(Point p, const std::array<Rect, 4>& boxes) const;

private:
    int questionBoxHeight() const;
    Rect boxesAnswer(int i, int w, int h, int band) const;

    int m_width;
    int m_height;
    BoxLayout m_layout;
    QuizMode m_mode;
};

} // namespace brainlark
