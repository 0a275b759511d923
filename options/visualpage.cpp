#include "options/visualpage.h"

#include "options/colorswatch.h"
#include "quiz/ui/backgroundpicture.h"
#include "services/guidemessages.h"
#include "services/prompter.h"
#include "settings/appsettings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cstdlib>

namespace brainlark
{

namespace
{

using Pattern = OptionsValues::Pattern;

struct FontButton {
    const char* label;
    const char* name;
    const char* title;
    unsigned filters;
};

// Only the question may be drawn in a symbol font; answers and cards must stay readable text.
const FontButton kFontButtons[OptionsValues::FontSlotCount] = {
    {QT_TRANSLATE_NOOP("brainlark::VisualPage", "Question"), "questionFont",
     QT_TRANSLATE_NOOP("brainlark::VisualPage", "Question Font"), 0},
    {QT_TRANSLATE_NOOP("brainlark::VisualPage", "Answer"), "answerFont",
     QT_TRANSLATE_NOOP("brainlark::VisualPage", "Answer Font"), Prompter::NoSymbolFaces},
    {QT_TRANSLATE_NOOP("brainlark::VisualPage", "Card"), "cardFont",
     QT_TRANSLATE_NOOP("brainlark::VisualPage", "Flashcard Font"), Prompter::NoSymbolFaces},
    {QT_TRANSLATE_NOOP("brainlark::VisualPage", "Printed Card"), "printedCardFont",
     QT_TRANSLATE_NOOP("brainlark::VisualPage", "Printed Flashcard Font"), Prompter::NoSymbolFaces},
};

} // namespace

VisualPage::VisualPage(const OptionsValues& v, OptionsContext& context, QWidget* parent)
    : OptionsPage(parent), m_context(context), m_fonts(v.fonts)
{
    auto* layout = new QGridLayout(this);
    layout->addWidget(buildEffects(v), 0, 0);
    layout->addWidget(buildFonts(), 1, 0);
    layout->addWidget(buildBackground(v), 0, 1, 2, 1);
    layout->setRowStretch(2, 1);
    updateEnabled();
}

QWidget* VisualPage::buildEffects(const OptionsValues& v)
{
    auto* box = groupBox(tr("Effects"));
    auto* layout = new QVBoxLayout(box);
    m_transition = checkBox(tr("&Show transition"), "transition", v.transition);
    m_reminder = checkBox(tr("Show &reminder card"), "reminderCard", v.reminderCard);
    m_animate = checkBox(tr("An&imate new question"), "animateQuestion", v.animateQuestion);
    m_hideText = checkBox(tr("&Hide q/a text"), "hideText", v.hideText);
    for (QCheckBox* check : {m_transition, m_reminder, m_animate, m_hideText})
        layout->addWidget(check);
    return box;
}

QWidget* VisualPage::buildBackground(const OptionsValues& v)
{
    auto* box = groupBox(tr("Background"));
    m_picture = checkBox(tr("&Picture"), "picture", v.picture);
    m_path = new QLineEdit(v.picturePath, box);
    m_path->setObjectName("picturePath");
    m_browse = new QPushButton(tr("browse"), box);
    m_browse->setObjectName("browse");
    m_preview = new QPushButton(tr("preview"), box);
    m_preview->setObjectName("preview");

    m_patternBox = groupBox(tr("Pattern"));
    m_pattern = new QButtonGroup(this);
    auto* patterns = new QVBoxLayout(m_patternBox);
    patterns->addWidget(radio(tr("&None"), "patternNone", m_pattern, int(Pattern::None)));
    patterns->addWidget(radio(tr("&Lines"), "patternLines", m_pattern, int(Pattern::Lines)));
    patterns->addWidget(radio(tr("Sq&uares"), "patternSquares", m_pattern, int(Pattern::Squares)));
    patterns->addWidget(radio(tr("&Do not change"), "patternUnchanged", m_pattern, int(Pattern::Unchanged)));
    m_pattern->button(int(Pattern::Unchanged))->setChecked(true);
    m_3d = checkBox(tr("3D"), "background3d", v.background3d);
    m_custom = checkBox(tr("custom"), "customColor", v.customColorOn);
    m_swatch = new ColorSwatch(v.customColor, box);
    m_swatch->setObjectName("customSwatch");

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(m_browse);
    pathRow->addWidget(m_preview);
    pathRow->addStretch();
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(m_custom);
    colourRow->addWidget(m_swatch);
    colourRow->addStretch();
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_picture);
    layout->addWidget(m_path);
    layout->addLayout(pathRow);
    layout->addWidget(m_patternBox);
    layout->addWidget(m_3d);
    layout->addLayout(colourRow);
    layout->addStretch();

    connect(m_picture, &QCheckBox::toggled, this, &VisualPage::updateEnabled);
    connect(m_custom, &QCheckBox::toggled, this, &VisualPage::updateEnabled);
    connect(m_browse, &QPushButton::clicked, this, &VisualPage::browse);
    connect(m_preview, &QPushButton::clicked, this, [this] {
        if (m_context.previewPicture)
            m_context.previewPicture(m_path->text());
    });
    connect(m_swatch, &ColorSwatch::clicked, this, &VisualPage::chooseColor);
    return box;
}

QWidget* VisualPage::buildFonts()
{
    auto* box = groupBox(tr("Fonts"));
    auto* layout = new QGridLayout(box);
    for (int i = 0; i < OptionsValues::FontSlotCount; ++i) {
        auto* button = new QPushButton(tr(kFontButtons[i].label), box);
        button->setObjectName(QLatin1String(kFontButtons[i].name));
        connect(button, &QPushButton::clicked, this, [this, i] { chooseFont(i); });
        layout->addWidget(button, i / 2, i % 2);
    }
    auto* reset = new QPushButton(tr("Reset All"), box);
    reset->setObjectName("resetFonts");
    connect(reset, &QPushButton::clicked, this, &VisualPage::resetFonts);
    layout->addWidget(reset, 2, 0, 1, 2);
    return box;
}

void VisualPage::updateEnabled()
{
    const bool picture = m_picture->isChecked();
    for (QWidget* w :
         {static_cast<QWidget*>(m_path), static_cast<QWidget*>(m_browse), static_cast<QWidget*>(m_preview)})
        w->setEnabled(picture);
    for (QWidget* w : {static_cast<QWidget*>(m_patternBox), static_cast<QWidget*>(m_3d),
                       static_cast<QWidget*>(m_custom), static_cast<QWidget*>(m_swatch)})
        w->setEnabled(!picture);
    m_swatch->setActive(!picture && m_custom->isChecked());
}

void VisualPage::browse()
{
    QString folder = m_context.settings.lastBkgImageDir();
    if (folder.isEmpty())
        folder = m_context.settings.installPath() + QStringLiteral("/quiz_pictures/");
    const QString path = m_context.prompter.openFileName(
        tr("Background Picture"), folder, QCoreApplication::translate("brainlark::VisualPage", ImageFilter));
    if (path.isEmpty())
        return;
    BackgroundPicture check;
    const BackgroundPicture::Outcome outcome = check.setBackgroundPicture(path);
    if (!outcome.accepted) {
        if (!outcome.message.isEmpty())
            m_context.prompter.message(outcome.message, Prompter::Icon::Exclamation);
        return;
    }
    m_path->setText(path);
    m_context.settings.setLastBkgImageDir(QFileInfo(path).absolutePath());
}

void VisualPage::chooseColor()
{
    const std::optional<QColor> color =
        m_context.prompter.chooseColor(m_swatch->color(), tr("Background Colour"));
    if (color)
        m_swatch->setColor(*color);
}

void VisualPage::chooseFont(int slot)
{
    m_context.guides.show(GuideMessages::Fonts);
    OptionsValues::FontChoice& choice = m_fonts[size_t(slot)];
    QFont current(choice.face);
    current.setPixelSize(std::max(1, std::abs(choice.height)));
    const std::optional<QFont> chosen =
        m_context.prompter.chooseFont(current, tr(kFontButtons[slot].title), kFontButtons[slot].filters);
    if (!chosen)
        return;
    const int pixels = chosen->pixelSize() > 0 ? chosen->pixelSize() : QFontInfo(*chosen).pixelSize();
    choice = {-pixels, chosen->family()};
    m_fontsChanged = true;
}

void VisualPage::resetFonts()
{
    m_fonts = OptionsValues::defaultFonts();
    m_fontsChanged = true;
}

void VisualPage::store(OptionsValues& v) const
{
    v.transition = m_transition->isChecked();
    v.reminderCard = m_reminder->isChecked();
    v.animateQuestion = m_animate->isChecked();
    v.hideText = m_hideText->isChecked();
    v.picture = m_picture->isChecked();
    v.picturePath = m_path->text();
    v.pattern = static_cast<Pattern>(m_pattern->checkedId());
    v.background3d = m_3d->isChecked();
    v.customColorOn = m_custom->isChecked();
    v.customColor = m_swatch->color();
    v.fonts = m_fonts;
    v.fontsChanged = m_fontsChanged;
}

} // namespace brainlark
