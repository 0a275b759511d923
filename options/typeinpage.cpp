#include "options/typeinpage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace brainlark
{

namespace
{

const char* const kPreFillLabels[] = {
    QT_TRANSLATE_NOOP("brainlark::TypeinPage", "none"),
    QT_TRANSLATE_NOOP("brainlark::TypeinPage", "first and last character"),
    QT_TRANSLATE_NOOP("brainlark::TypeinPage", "first and last of every word"),
    QT_TRANSLATE_NOOP("brainlark::TypeinPage", "every other character"),
    QT_TRANSLATE_NOOP("brainlark::TypeinPage", "every third character"),
    QT_TRANSLATE_NOOP("brainlark::TypeinPage", "every forth character")};

} // namespace

TypeinPage::TypeinPage(const OptionsValues& v, QWidget* parent) : OptionsPage(parent)
{
    auto* afterBox = groupBox(tr("After wrong answer ..."));
    auto* after = new QVBoxLayout(afterBox);
    m_keepTrying = checkBox(tr("&Keep trying"), "keepTrying", v.keepTrying);
    m_clear = checkBox(tr("&Clear the answer field"), "clearAnswerField", v.clearAnswerField);
    m_reminder = checkBox(tr("&Show reminder card"), "typeinReminderCard", v.typeinReminderCard);
    for (QCheckBox* check : {m_keepTrying, m_clear, m_reminder})
        after->addWidget(check);

    auto* checkingBox = groupBox(tr("When checking answer ..."));
    auto* checking = new QVBoxLayout(checkingBox);
    m_case = checkBox(tr("Ignore case"), "ignoreCase", v.ignoreCase);
    m_spaces = checkBox(tr("Ignore spaces"), "ignoreSpaces", v.ignoreSpaces);
    m_punctuation = checkBox(tr("Ignore punctuation"), "ignorePunctuation", v.ignorePunctuation);
    for (QCheckBox* check : {m_case, m_spaces, m_punctuation})
        checking->addWidget(check);
    m_center = checkBox(tr("Center text"), "centerText", v.centerText);

    auto* preFillBox = groupBox(tr("Pre-fill answer"));
    auto* preFill = new QVBoxLayout(preFillBox);
    m_preFill = new QButtonGroup(this);
    for (int i = 0; i < 6; ++i) {
        const QByteArray name = "preFill" + QByteArray::number(i);
        preFill->addWidget(radio(tr(kPreFillLabels[i]), name.constData(), m_preFill, i));
    }
    if (QAbstractButton* chosen = m_preFill->button(v.preFill))
        chosen->setChecked(true);

    auto* left = new QVBoxLayout;
    left->addWidget(afterBox);
    left->addWidget(checkingBox);
    left->addWidget(m_center);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(preFillBox);
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right);
}

void TypeinPage::store(OptionsValues& v) const
{
    v.keepTrying = m_keepTrying->isChecked();
    v.clearAnswerField = m_clear->isChecked();
    v.typeinReminderCard = m_reminder->isChecked();
    v.ignoreCase = m_case->isChecked();
    v.ignoreSpaces = m_spaces->isChecked();
    v.ignorePunctuation = m_punctuation->isChecked();
    v.centerText = m_center->isChecked();
    if (m_preFill->checkedId() >= 0)
        v.preFill = m_preFill->checkedId();
}

} // namespace brainlark
