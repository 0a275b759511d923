#include "options/layoutpage.h"

#include "core/randomsource.h"
#include "options/layoutpreviews.h"
#include "quiz/ui/quizlook.h"
#include "settings/appsettings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QVBoxLayout>

namespace brainlark
{

namespace
{

constexpr int kClassic = 1;
constexpr int kRandomBoxes = 0;
constexpr int kTrueFalse = 1;

int s_previousPick = -1;

struct StyleButton {
    int style;
    const char* label;
    const char* name;
};

const StyleButton kStyleButtons[] = {
    {1, QT_TRANSLATE_NOOP("brainlark::LayoutPage", "&Classic"), "layoutClassic"},
    {2, QT_TRANSLATE_NOOP("brainlark::LayoutPage", "Boxes-&1"), "layoutBoxes1"},
    {3, QT_TRANSLATE_NOOP("brainlark::LayoutPage", "Boxes-&2"), "layoutBoxes2"},
    {4, QT_TRANSLATE_NOOP("brainlark::LayoutPage", "Boxes-&3"), "layoutBoxes3"},
    {5, QT_TRANSLATE_NOOP("brainlark::LayoutPage", "Boxes-&4"), "layoutBoxes4"},
    {0, QT_TRANSLATE_NOOP("brainlark::LayoutPage", "&Random Boxes"), "layoutRandom"},
};

} // namespace

int LayoutPage::previousPick()
{
    return s_previousPick;
}

LayoutPage::LayoutPage(const OptionsValues& v, OptionsContext& context, QWidget* parent)
    : OptionsPage(parent), m_context(context)
{
    auto* stylesBox = groupBox(tr("Layout Style (multiple-choice)"));
    auto* stylesLayout = new QVBoxLayout(stylesBox);
    m_styles = new QButtonGroup(this);
    const bool locked = context.settings.quizMode() == kTrueFalse;
    for (const StyleButton& b : kStyleButtons) {
        QRadioButton* button = radio(tr(b.label), b.name, m_styles, b.style);
        button->setEnabled(!locked);
        stylesLayout->addWidget(button);
    }
    stylesLayout->addStretch();
    if (QAbstractButton* chosen = m_styles->button(v.visualStyle))
        chosen->setChecked(true);

    m_transparent = checkBox(tr("&Transparent boxes"), "transparentBoxes", v.transparentBoxes);
    m_round = checkBox(tr("R&ound Corners"), "roundCorners", v.roundCorners);
    m_preview = new QLabel(this);
    m_preview->setObjectName("layoutPreview");
    m_preview->setFixedSize(LayoutPreviews::size());
    m_preview->setFrameShape(QFrame::Box);

    auto* left = new QVBoxLayout;
    left->addWidget(stylesBox);
    left->addWidget(m_transparent);
    left->addWidget(m_round);
    left->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(m_preview, 0, Qt::AlignTop);
    layout->addStretch();

    connect(m_styles, &QButtonGroup::idClicked, this, &LayoutPage::chooseStyle);
    connect(m_transparent, &QCheckBox::toggled, this, &LayoutPage::renderPreviews);
    connect(m_round, &QCheckBox::toggled, this, &LayoutPage::renderPreviews);
    connect(&m_timer, &QTimer::timeout, this, &LayoutPage::tick);
    renderPreviews();
    chooseStyle(selectedStyle());
    m_timer.start(PreviewIntervalMs);
}

int LayoutPage::selectedStyle() const
{
    const int id = m_styles->checkedId();
    return id >= 0 ? id : kClassic;
}

void LayoutPage::chooseStyle(int style)
{
    // Classic has no boxes to make transparent or round.
    m_transparent->setEnabled(style != kClassic);
    m_round->setEnabled(style != kClassic);
    showPicture(style);
}

void LayoutPage::renderPreviews()
{
    QuizLook look(m_context.settings);
    look.opaqueBoxes = !m_transparent->isChecked();
    look.roundCorners = m_round->isChecked();
    const QImage background =
        m_context.settings.bkgType() == 1 ? m_context.settings.backgroundPicture() : QImage();
    for (int style = 0; style < LayoutPreviews::StyleCount; ++style)
        m_previews[size_t(style)] =
            LayoutPreviews::render(style, look, background, m_preview->devicePixelRatioF());
    showPicture(m_shown);
}

void LayoutPage::showPicture(int style)
{
    m_shown = style;
    m_preview->setPixmap(QPixmap::fromImage(m_previews[size_t(style)]));
}

void LayoutPage::tick()
{
    if (selectedStyle() != kRandomBoxes)
        return;
    const int count = int(CyclePictures.size());
    int pick = int(m_context.random.below(uint32_t(count)));
    if (pick == s_previousPick)
        pick = (pick + 1) % count;
    s_previousPick = pick;
    showPicture(CyclePictures[size_t(pick)]);
}

void LayoutPage::store(OptionsValues& v) const
{
    v.visualStyle = selectedStyle();
    v.transparentBoxes = m_transparent->isChecked();
    v.roundCorners = m_round->isChecked();
}

} // namespace brainlark
