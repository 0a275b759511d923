#include "options/advancedpage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace brainlark
{

namespace
{

enum SlideshowMode { Automatic = 0, Manual = 1 };

} // namespace

AdvancedPage::AdvancedPage(const OptionsValues& v, QWidget* parent) : OptionsPage(parent)
{
    auto* picturesBox = groupBox(tr("Pictures"));
    auto* pictures = new QVBoxLayout(picturesBox);
    m_showPictures = checkBox(tr("Show automatically"), "showPictures", v.showPictures);
    m_autoresize = checkBox(tr("Autoresize window"), "autoresizePictureWindow", v.autoresizePictureWindow);
    pictures->addWidget(m_showPictures);
    pictures->addWidget(m_autoresize);

    auto* htmlBox = groupBox(tr("HTML export"));
    auto* html = new QVBoxLayout(htmlBox);
    m_statistics = checkBox(tr("Include statistics"), "htmlStatistics", v.htmlStatistics);
    html->addWidget(m_statistics);

    auto* right = new QVBoxLayout;
    right->addWidget(picturesBox);
    right->addWidget(htmlBox);
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildSlideshow(v));
    layout->addLayout(right);
}

QWidget* AdvancedPage::buildSlideshow(const OptionsValues& v)
{
    auto* box = groupBox(tr("Slideshow Mode"));
    m_mode = new QButtonGroup(this);
    QRadioButton* automatic = radio(tr("&Automatic (delay: "), "slideshowAutomatic", m_mode, Automatic);
    QRadioButton* manual = radio(tr("&Manual"), "slideshowManual", m_mode, Manual);
    (v.slideshowManual ? manual : automatic)->setChecked(true);
    m_seconds = new QSpinBox(box);
    m_seconds->setObjectName("slideshowSeconds");
    // The field takes every delay the setting keeps. An automatic show needs at least a second (a delay of
    // 0 steps by hand); Manual keeps 0, which stays Manual.
    const auto fitRange = [this] { m_seconds->setRange(m_mode->checkedId() == Manual ? 0 : 1, MaxSeconds); };
    fitRange();
    m_seconds->setValue(v.slideshowSeconds);
    connect(m_mode, &QButtonGroup::idToggled, this, fitRange);

    m_random = checkBox(tr("&Random order"), "slideshowRandomOrder", v.slideshowRandomOrder);
    auto* soundsBox = groupBox(tr("Autoplay Sounds"));
    auto* sounds = new QHBoxLayout(soundsBox);
    m_questionSounds = checkBox(tr("&Question"), "slideshowQuestionSounds", v.slideshowQuestionSounds);
    m_answerSounds = checkBox(tr("A&nswer"), "slideshowAnswerSounds", v.slideshowAnswerSounds);
    sounds->addWidget(m_questionSounds);
    sounds->addWidget(m_answerSounds);
    m_animations = checkBox(tr("&Play animations"), "slideshowAnimations", v.slideshowAnimations);
    m_title = checkBox(tr("&Show title"), "slideshowShowTitle", v.slideshowShowTitle);
    m_delayAnswer = checkBox(tr("&Delay answer"), "slideshowDelayAnswer", v.slideshowDelayAnswer);

    auto* delayRow = new QHBoxLayout;
    delayRow->setSpacing(2);
    delayRow->addWidget(automatic);
    delayRow->addWidget(m_seconds);
    delayRow->addWidget(new QLabel(tr("seconds)"), box));
    delayRow->addStretch();
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(delayRow);
    layout->addWidget(manual);
    layout->addWidget(m_random);
    layout->addWidget(soundsBox);
    for (QCheckBox* check : {m_animations, m_title, m_delayAnswer})
        layout->addWidget(check);
    layout->addStretch();
    return box;
}

void AdvancedPage::store(OptionsValues& v) const
{
    v.slideshowSeconds = m_seconds->value();
    v.slideshowManual = m_mode->checkedId() == Manual;
    v.slideshowRandomOrder = m_random->isChecked();
    v.slideshowQuestionSounds = m_questionSounds->isChecked();
    v.slideshowAnswerSounds = m_answerSounds->isChecked();
    v.slideshowAnimations = m_animations->isChecked();
    v.slideshowShowTitle = m_title->isChecked();
    v.slideshowDelayAnswer = m_delayAnswer->isChecked();
    v.showPictures = m_showPictures->isChecked();
    v.autoresizePictureWindow = m_autoresize->isChecked();
    v.htmlStatistics = m_statistics->isChecked();
}

} // namespace brainlark
