#include "options/optionspage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

namespace brainlark
{

QCheckBox* OptionsPage::checkBox(const QString& text, const char* name, bool checked)
{
    auto* box = new QCheckBox(text, this);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    return box;
}

QRadioButton* OptionsPage::radio(const QString& text, const char* name, QButtonGroup* group, int id)
{
    auto* button = new QRadioButton(text, this);
    button->setObjectName(QLatin1String(name));
    group->addButton(button, id);
    return button;
}

QGroupBox* OptionsPage::groupBox(const QString& title)
{
    auto* box = new QGroupBox(title, this);
    constexpr int kTitleMargins = 40;
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(title) + kTitleMargins);
    return box;
}

} // namespace brainlark
