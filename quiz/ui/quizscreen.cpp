#include "quiz/ui/quizscreen.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <algorithm>

#include "core/mediapath.h"
#include "quiz/engine/quizquestion.h"
#include "quiz/ui/imagelayer.h"
#include "quiz/ui/listtext.h"

namespace brainlark
{

namespace
{

constexpr int kClassicAnswerMargin = 50;

void setBoxFont(TextBox& box, const QFont& font)
{
    box.setFont(font.family().toStdString(), font.pixelSize() > 0 ? font.pixelSize() : 15,
                font.bold() ? 700 : 400);
}

QString mediaFile(const std::string& path)
{
    if (path.empty())
        return {};
    return QString::fromStdString(resolveCaseInsensitive(path));
}

QSize wrappedSize(const QFont& font, const QString& text, int maxWidth)
{
    const QRect r = QFontMetrics(font).boundingRect(QRect(0, 0, std::max(maxWidth, 1), 100000),
                                                    Qt::TextWordWrap | Qt::TextExpandTabs, text);
    return r.size();
}

} // namespace

void QuizScreen::clear()
{
    m_hasQuestion = false;
    m_typein.reset();
    m_questionSound.clear();
    m_answerSounds = {};
    m_picturePath.clear();
    m_picture = QImage();
}

void QuizScreen::build(const QuizQuestion& question, const QuizLook& look, const Input& input)
{
    clear();
    m_layout = ScreenLayout(input.width, input.height, input.layout, input.mode);
    m_mode = input.mode;
    m_answerFeedback.fill(QuizLook::Feedback::Normal);
    m_buttonFeedback.fill(QuizLook::Feedback::Normal);
    if (question.isEmpty())
        return;
    m_hasQuestion = true;
    findMedia(question, input.programFolder);
    if (m_layout.usesBoxes()) {
        buildQuestionBox(question, look);
        buildAnswers(question, look, input.flags);
    } else {
        buildClassic(question, look, input.flags);
    }
    buildButtons(look);
    if (input.mode == QuizMode::TypeIn)
        buildTypein(question, look, input.preFill);
}

void QuizScreen::relayout(const QuizQuestion& question, const QuizLook& look, const Input& input)
{
    std::unique_ptr<TypeinField> typed = std::move(m_typein);
    const auto answerFeedback = m_answerFeedback;
    const auto buttonFeedback = m_buttonFeedback;
    build(question, look, input);
    m_answerFeedback = answerFeedback;
    m_buttonFeedback = buttonFeedback;
    if (typed && m_typein) {
        typed->setRect(m_typein->rect());
        typed->setColors(m_typein->outlineColor(), m_typein->borderColor(), m_typein->fillColor());
        typed->setRoundCorners(look.roundCorners);
        m_typein = std::move(typed);
    }
}

void QuizScreen::styleBox(TextBox& box, const QuizLook& look, const HslColor& text) const
{
    box.setFramed(true);
    box.setColors(look.outline, look.border, look.answerFill);
    box.setRoundCorners(look.roundCorners);
    box.setTextColor(text);
}

void QuizScreen::buildQuestionBox(const QuizQuestion& question, const QuizLook& look)
{
    m_question = TextBox(question.questionPair().shownQuestion());
    styleBox(m_question, look, look.boxText(look.questionText));
    m_question.setColors(look.outline, look.border, look.questionFill);
    setBoxFont(m_question, look.questionFont);
    m_question.setFormat(m_layout.questionFormat() | TextBox::VCenter);
    m_question.setRect(m_layout.questionBox());
    m_question.setInsets(-8, -6); // keeps the text off the frame
}

void QuizScreen::buildAnswers(const QuizQuestion& question, const QuizLook& look, const AppFlags& flags)
{
    const HslColor text = look.boxText(look.answerText);
    for (int i = 0; i < 4; ++i) {
        TextBox& box = m_answers[static_cast<size_t>(i)];
        const bool shown = i < question.choiceCount() && !m_layout.answerBox(i).isEmpty();
        box = TextBox(shown ? m_layout.answerText(question.choices()[static_cast<size_t>(i)], flags) : "");
        styleBox(box, look, text);
        setBoxFont(box, look.answerFont);
        box.setFormat(m_layout.boxFormat() | TextBox::VCenter);
        box.setRect(shown ? m_layout.answerBox(i) : Rect{});
        box.setInsets(-8, -4);
    }
}

void QuizScreen::buildClassic(const QuizQuestion& question, const QuizLook& look, const AppFlags& flags)
{
    m_question = TextBox(question.questionPair().shownQuestion());
    setBoxFont(m_question, look.questionFont);
    m_question.setTextColor(look.questionText);
    m_question.setFormat(m_layout.questionFormat());
    const int width = m_layout.width() - 10 - 62;
    const QSize need = wrappedSize(look.questionFont, ListText::toQString(m_question.text()), width);
    m_question.setRect(m_layout.classicQuestionBox(need.height()));

    const int maxWidth = std::max(m_layout.width() - 40 - kClassicAnswerMargin, 40);
    for (int i = 0; i < 4; ++i) {
        TextBox& box = m_answers[static_cast<size_t>(i)];
        const bool shown = i < question.choiceCount();
        box = TextBox(shown ? m_layout.answerText(question.choices()[static_cast<size_t>(i)], flags) : "");
        setBoxFont(box, look.answerFont);
        box.setTextColor(look.transparentText);
        box.setFormat(TextBox::AlignLeft | TextBox::WordBreak | TextBox::ExpandTabs);
        const QSize size = wrappedSize(look.answerFont, ListText::toQString(box.text()), maxWidth);
        box.fitTo(size.width() + 2, size.height());
        box.setRect(shown ? ScreenLayout::classicAnswerBox(i, size.width() + 2, size.height()) : Rect{});
    }
}

void QuizScreen::buildButtons(const QuizLook& look)
{
    const bool typein = m_mode == QuizMode::TypeIn;
    const char* labels[2] = {typein ? QT_TRANSLATE_NOOP("brainlark::QuizScreen", "Try")
                                    : QT_TRANSLATE_NOOP("brainlark::QuizScreen", "True"),
                             typein ? QT_TRANSLATE_NOOP("brainlark::QuizScreen", "Skip")
                                    : QT_TRANSLATE_NOOP("brainlark::QuizScreen", "False")};
    const Rect rects[2] = {m_layout.trueTryButton(), m_layout.falseSkipButton()};
    for (int i = 0; i < 2; ++i) {
        TextBox& box = m_buttons[static_cast<size_t>(i)];
        box = TextBox(ListText::fromQString(QCoreApplication::translate("brainlark::QuizScreen", labels[i])));
        box.setFramed(true);
        box.setColors(look.buttonBorder, look.buttonBorder, look.buttonFill);
        box.setRoundCorners(look.roundCorners);
        box.setTextColor(look.boxText(look.buttonText));
        setBoxFont(box, look.buttonFont);
        box.setFormat(TextBox::AlignCenter | TextBox::VCenter | TextBox::SingleLine);
        box.setRect(rects[i]);
    }
}

void QuizScreen::buildTypein(const QuizQuestion& question, const QuizLook& look, int preFill)
{
    m_typein =
        std::make_unique<TypeinField>(question.questionPair().shownAnswer(), preFill, m_layout.answerBox(0));
    styleBox(*m_typein, look, look.boxText(look.answerText));
    setBoxFont(*m_typein, look.answerFont);
    m_typein->setFormat(TextBox::AlignLeft | TextBox::VCenter | TextBox::WordBreak);
}

void QuizScreen::findMedia(const QuizQuestion& question, const QString& programFolder)
{
    const std::string folder = programFolder.toStdString();
    const Pair& pair = question.questionPair();
    m_questionSound = mediaFile(pair.shownQuestionSoundFile(folder));
    for (int i = 0; i < question.choiceCount() && i < 4; ++i)
        m_answerSounds[static_cast<size_t>(i)] =
            mediaFile(question.choices()[static_cast<size_t>(i)].shownAnswerSoundFile(folder));
    if (m_layout.isTrueFalseOrTypeIn()) // only the statement box can carry an icon
        std::fill(m_answerSounds.begin() + 1, m_answerSounds.end(), QString());
    m_picturePath = mediaFile(pair.pictureFile(folder));
    if (!m_picturePath.isEmpty() && !m_layout.pictureArea().isEmpty()) {
        const PictureResult loaded = ImageLayer::load(m_picturePath);
        if (loaded.ok())
            m_picture = loaded.image;
    }
}

std::array<Rect, 4> QuizScreen::answerRects() const
{
    return {m_answers[0].rect(), m_answers[1].rect(), m_answers[2].rect(), m_answers[3].rect()};
}

TextBox* QuizScreen::hitBox(int hit)
{
    if (hit < 0)
        return nullptr;
    if (m_layout.isTrueFalseOrTypeIn())
        return hit < 2 ? &button(hit) : nullptr;
    return hit < 4 ? &answer(hit) : nullptr;
}

QuizLook::Feedback QuizScreen::feedback(int hit) const
{
    if (hit < 0)
        return QuizLook::Feedback::Normal;
    return m_layout.isTrueFalseOrTypeIn() ? buttonFeedback(hit) : answerFeedback(hit);
}

void QuizScreen::setFeedback(int hit, QuizLook::Feedback feedback)
{
    if (hit < 0)
        return;
    if (m_layout.isTrueFalseOrTypeIn())
        m_buttonFeedback[static_cast<size_t>(hit & 1)] = feedback;
    else
        m_answerFeedback[static_cast<size_t>(hit & 3)] = feedback;
}

Rect QuizScreen::pictureIcon() const
{
    const Rect sound = questionSoundIcon();
    if (!m_layout.usesBoxes())
        return sound.translated(0, ScreenLayout::IconSize + 6);
    return sound.translated(-(ScreenLayout::IconSize + 6), 0);
}

TextBox QuizScreen::counter(int rightCount, bool alertSide, const QuizLook& look) const
{
    TextBox box(std::to_string(rightCount));
    box.setFramed(true);
    box.setRoundCorners(look.roundCorners);
    box.setColors(look.border, look.border, look.counterFill);
    box.setTextColor(look.boxText(look.counterText));
    setBoxFont(box, look.counterFont);
    box.setFormat(TextBox::AlignCenter | TextBox::VCenter | TextBox::SingleLine);
    box.setRect(m_layout.counterBox(rightCount, alertSide));
    box.setInsets(-1, -1);
    return box;
}

} // namespace brainlark
