#include "options/matchingpage.h"

#include "options/colorswatch.h"
#include "services/prompter.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QSpinBox>
#include <QVBoxLayout>

namespace brainlark
{

namespace
{

constexpr int kMinRows = 2, kMaxRows = 10;

} // namespace

MatchingPage::MatchingPage(const OptionsValues& v, OptionsContext& context, QWidget* parent)
    : OptionsPage(parent), m_context(context)
{
    m_rows = new QSpinBox(this);
    m_rows->setObjectName("matchRows");
    m_rows->setRange(kMinRows, kMaxRows);
    m_rows->setValue(v.matchRows);
    m_rows->setMaximumWidth(80);
    m_wider = checkBox(tr("Increase line width after wrong answer"), "widerWrongLine", v.widerWrongLine);

    auto* coloursBox = groupBox(tr("Line colours"));
    auto* colours = new QFormLayout(coloursBox);
    m_init = addSwatch(v.matchInit, "matchInit");
    m_wrong = addSwatch(v.matchWrong, "matchWrong");
    m_right = addSwatch(v.matchRight, "matchRight");
    colours->addRow(tr("Initial"), m_init);
    colours->addRow(tr("Wrong"), m_wrong);
    colours->addRow(tr("Right"), m_right);

    auto* rows = new QFormLayout;
    rows->addRow(tr("Number of question/answer boxes"), m_rows);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addWidget(m_wider);
    layout->addWidget(coloursBox);
    layout->addStretch();
}

ColorSwatch* MatchingPage::addSwatch(const QColor& color, const char* name)
{
    auto* swatch = new ColorSwatch(color, this);
    swatch->setObjectName(QLatin1String(name));
    connect(swatch, &ColorSwatch::clicked, this, [this, swatch] {
        if (const std::optional<QColor> chosen =
                m_context.prompter.chooseColor(swatch->color(), tr("Line Colour")))
            swatch->setColor(*chosen);
    });
    return swatch;
}

void MatchingPage::store(OptionsValues& v) const
{
    v.matchRows = m_rows->value();
    v.widerWrongLine = m_wider->isChecked();
    v.matchInit = m_init->color();
    v.matchWrong = m_wrong->color();
    v.matchRight = m_right->color();
}

} // namespace brainlark
