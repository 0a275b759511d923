#include "quiz/ui/smartcounterdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

#include "settings/appsettings.h"

namespace brainlark
{

namespace
{
constexpr int kDefaultEvery = 10;
constexpr int kMinEvery = 3; // the range the stored alert factor is kept in
constexpr int kMaxEvery = 1000;
} // namespace

SmartCounterDialog::SmartCounterDialog(int alertFactor, bool music, bool animation, bool reverse,
                                       QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Smart Counter Settings"));
    m_alert = new QCheckBox(tr("&Alert after every"));
    m_alert->setChecked(alertFactor > 0);
    m_every = new QSpinBox;
    m_every->setAccessibleName(tr("Right answers between alerts"));
    m_every->setRange(kMinEvery, kMaxEvery);
    m_every->setValue(alertFactor == 0 ? kDefaultEvery
                                       : std::clamp(std::abs(alertFactor), kMinEvery, kMaxEvery));
    auto* everyRow = new QHBoxLayout;
    everyRow->addWidget(m_alert);
    everyRow->addWidget(m_every);
    everyRow->addWidget(new QLabel(tr("right answers")));
    everyRow->addStretch();

    auto* group = new QGroupBox(tr("When alerted ..."));
    m_music = new QCheckBox(tr("&Play upbeat music"));
    m_animation = new QCheckBox(tr("P&lay animation"));
    m_reverse = new QCheckBox(tr("R&everse questions and answers"));
    m_music->setChecked(music);
    m_animation->setChecked(animation);
    m_reverse->setChecked(reverse);
    auto* groupLayout = new QVBoxLayout(group);
    for (QCheckBox* box : {m_music, m_animation, m_reverse})
        groupLayout->addWidget(box);

    auto* resetButton = new QPushButton(tr("&Reset Score"));
    connect(resetButton, &QPushButton::clicked, this, &SmartCounterDialog::resetScore);
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &SmartCounterDialog::helpRequested);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(everyRow);
    layout->addWidget(group);
    auto* resetRow = new QHBoxLayout;
    resetRow->addWidget(resetButton);
    resetRow->addStretch();
    layout->addLayout(resetRow);
    layout->addWidget(buttons);
}

int SmartCounterDialog::alertFactor() const
{
    return m_alert->isChecked() ? m_every->value() : -m_every->value();
}

bool SmartCounterDialog::music() const
{
    return m_music->isChecked();
}

bool SmartCounterDialog::animation() const
{
    return m_animation->isChecked();
}

bool SmartCounterDialog::reverse() const
{
    return m_reverse->isChecked();
}

void SmartCounterDialog::resetScore()
{
    m_reset = true;
}

SmartCounterDialog::SmartCounterDialog(const AppSettings& settings, QWidget* parent)
    : SmartCounterDialog(settings.alertFactor(), settings.funFlag(funflags::kCounterMusic),
                         settings.funFlag(funflags::kCounterAnimation),
                         settings.funFlag(funflags::kCounterReverse), parent)
{
}

void SmartCounterDialog::apply(AppSettings& settings) const
{
    settings.setAlertFactor(alertFactor());
    settings.setFunFlag(funflags::kCounterMusic, music());
    settings.setFunFlag(funflags::kCounterAnimation, animation());
    settings.setFunFlag(funflags::kCounterReverse, reverse());
}

} // namespace brainlark
