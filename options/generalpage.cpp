#include "options/generalpage.h"

#include "services/eventsounds.h"
#include "services/guidemessages.h"
#include "services/prompter.h"
#include "services/uilanguage.h"
#include "settings/appsettings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace brainlark
{

namespace
{

constexpr uint32_t kAllTips = 0xFFFFFFFF;
enum AnswerChoice { Predefined = 0, Random = 1 };

} // namespace

GeneralPage::GeneralPage(const OptionsValues& v, OptionsContext& context, QWidget* parent)
    : OptionsPage(parent), m_context(context)
{
    m_loadLast = checkBox(tr("&Load last Q&&A-list"), "loadLastFile", v.loadLastFile);
    m_callGo = checkBox(tr("S&tart quiz automatically"), "startAutomatically", v.callGo);
    m_smartCounter = checkBox(tr("Smart &Counter"), "smartCounter", v.smartCounter);
    m_showHint = checkBox(tr("Enable &automatic answers"), "automaticAnswers", v.showHint);
    m_continue = checkBox(tr("Continue after wrong answer"), "continueAfterWrong", v.continueAfterWrong);
    m_autoPlay =
        checkBox(tr("Auto-Play q&uestion sounds"), "autoPlayQuestionSounds", v.autoPlayQuestionSounds);
    // Kept for its value only: the Quiz menu switches funny sounds.
    m_funny = checkBox(tr("Play &funny sounds"), "funnySounds", v.funnySounds);
    m_funny->setVisible(false);

    auto* selectionBox = groupBox(tr("Question selection"));
    auto* selectionLayout = new QVBoxLayout(selectionBox);
    m_selection = new QButtonGroup(this);
    selectionLayout->addWidget(radio(tr("Smart Pick"), "smartPick", m_selection, 0));
    selectionLayout->addWidget(radio(tr("Sequential"), "sequential", m_selection, 1));
    selectionLayout->addWidget(radio(tr("Random"), "randomPick", m_selection, 2));
    selectionLayout->addWidget(radio(tr("Due (spaced repetition)"), "dueReview", m_selection, 3));
    if (QAbstractButton* chosen = m_selection->button(v.questionSelection))
        chosen->setChecked(true);

    auto* spacedBox = groupBox(tr("Spaced repetition"));
    auto* spacedLayout = new QGridLayout(spacedBox);
    m_retention = new QSpinBox(this);
    m_retention->setObjectName("desiredRetention");
    m_retention->setRange(AppSettings::MinRetentionPercent, AppSettings::MaxRetentionPercent);
    m_retention->setSuffix(tr(" %"));
    m_retention->setValue(v.desiredRetentionPercent);
    m_retention->setToolTip(tr("The recall chance at which Due asks a pair again: higher means more reviews "
                               "and fewer pairs forgotten."));
    auto* retentionLabel = new QLabel(tr("Desired &retention:"), this);
    retentionLabel->setBuddy(m_retention);
    spacedLayout->addWidget(retentionLabel, 0, 0);
    spacedLayout->addWidget(m_retention, 0, 1);
    if (m_context.fitWeights) {
        auto* fit = new QPushButton(tr("&Fit to my history..."), this);
        fit->setObjectName("fitWeights");
        fit->setToolTip(tr("Fits the spaced-repetition weights to your own answers (at least 1,000 reviews "
                           "are needed); they are used only when they predict your answers better."));
        connect(fit, &QPushButton::clicked, this, [this] { m_context.fitWeights(this); });
        spacedLayout->addWidget(fit, 1, 0, 1, 2);
    }

    auto* readBox = groupBox(tr("Read aloud"));
    auto* readLayout = new QGridLayout(readBox);
    m_readQuestions =
        checkBox(tr("Read &questions as they appear"), "readQuestionsAloud", v.readQuestionsAloud);
    m_readAnswers = checkBox(tr("Read a&nswers once known"), "readAnswersAloud", v.readAnswersAloud);
    m_speechRate = new QSlider(Qt::Horizontal, this);
    m_speechRate->setObjectName("speechRate");
    m_speechRate->setRange(-AppSettings::MaxSpeechRate, AppSettings::MaxSpeechRate);
    m_speechRate->setPageStep(2);
    m_speechRate->setValue(v.speechRate);
    m_speechRate->setToolTip(tr("How fast the voice reads: slower to the left, faster to the right."));
    auto* rateLabel = new QLabel(tr("Rat&e:"), this);
    rateLabel->setBuddy(m_speechRate);
    readLayout->addWidget(m_readQuestions, 0, 0, 1, 2);
    readLayout->addWidget(m_readAnswers, 1, 0, 1, 2);
    readLayout->addWidget(rateLabel, 2, 0);
    readLayout->addWidget(m_speechRate, 2, 1);

    auto* answersBox = groupBox(tr("Answer selection"));
    auto* answersLayout = new QVBoxLayout(answersBox);
    m_answers = new QButtonGroup(this);
    answersLayout->addWidget(radio(tr("Predefined"), "predefinedAnswers", m_answers, Predefined));
    answersLayout->addWidget(radio(tr("Random"), "randomAnswers", m_answers, Random));
    answersLayout->addStretch();
    m_answers->button(v.predefinedAnswers ? Predefined : Random)->setChecked(true);

    m_scheme = new QComboBox(this);
    m_scheme->setObjectName("soundScheme");
    const QStringList schemes = EventSounds::schemeNames();
    for (int i = 0; i < schemes.size(); ++i)
        m_scheme->addItem(EventSounds::shownSchemeName(schemes[i]), i);
    m_scheme->setCurrentIndex(m_scheme->findData(v.soundScheme));
    auto* schemeLabel = new QLabel(tr("Sound Scheme:"), this);
    schemeLabel->setBuddy(m_scheme);

    m_language = new QComboBox(this);
    m_language->setObjectName("uiLanguage");
    m_language->addItem(tr("System"), QString());
    for (const UiLanguage::Choice& choice : UiLanguage::choices())
        m_language->addItem(choice.name, choice.code);
    m_language->setCurrentIndex(qMax(0, m_language->findData(v.uiLanguage)));
    auto* languageLabel = new QLabel(tr("Lan&guage:"), this);
    languageLabel->setBuddy(m_language);
    auto* languageNote = new QLabel(tr("The language takes effect when Brainlark starts again."), this);
    languageNote->setWordWrap(true);

    m_showAll = new QPushButton(tr("&Show All"), this);
    m_showAll->setObjectName("showAll");
    m_hideAll = new QPushButton(tr("&Hide All"), this);
    m_hideAll->setObjectName("hideAll");
    connect(m_showAll, &QPushButton::clicked, this, &GeneralPage::showAll);
    connect(m_hideAll, &QPushButton::clicked, this, &GeneralPage::hideAll);
    updateTipButtons();

    auto* checks = new QVBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(m_loadLast), static_cast<QWidget*>(m_callGo),
                       static_cast<QWidget*>(m_smartCounter), static_cast<QWidget*>(m_showHint),
                       static_cast<QWidget*>(m_continue), static_cast<QWidget*>(m_autoPlay)})
        checks->addWidget(w);
    // The answer selection under the check boxes and the question selection alone on the right: side by
    // side the two boxes made the page wider than a small screen in the longer languages.
    checks->addWidget(answersBox);
    checks->addWidget(readBox);
    checks->addStretch();
    auto* schemeRow = new QHBoxLayout;
    schemeRow->addWidget(schemeLabel);
    schemeRow->addWidget(m_scheme, 1);
    auto* tipsBox = groupBox(tr("Brainlark Tips"));
    auto* tipsRow = new QHBoxLayout(tipsBox);
    tipsRow->addWidget(m_showAll);
    tipsRow->addWidget(m_hideAll);
    auto* right = new QVBoxLayout;
    right->addWidget(selectionBox);
    right->addWidget(spacedBox);
    right->addLayout(schemeRow);
    right->addWidget(tipsBox);
    auto* languageRow = new QHBoxLayout;
    languageRow->addWidget(languageLabel);
    languageRow->addWidget(m_language, 1);
    right->addLayout(languageRow);
    right->addWidget(languageNote);
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(checks, 1);
    layout->addLayout(right, 1);
}

void GeneralPage::store(OptionsValues& v) const
{
    v.loadLastFile = m_loadLast->isChecked();
    v.callGo = m_callGo->isChecked();
    v.smartCounter = m_smartCounter->isChecked();
    v.showHint = m_showHint->isChecked();
    v.continueAfterWrong = m_continue->isChecked();
    v.autoPlayQuestionSounds = m_autoPlay->isChecked();
    v.funnySounds = m_funny->isChecked();
    if (m_selection->checkedId() >= 0)
        v.questionSelection = m_selection->checkedId();
    v.desiredRetentionPercent = m_retention->value();
    v.readQuestionsAloud = m_readQuestions->isChecked();
    v.readAnswersAloud = m_readAnswers->isChecked();
    v.speechRate = m_speechRate->value();
    v.predefinedAnswers = m_answers->checkedId() == Predefined;
    v.uiLanguage = m_language->currentData().toString();
    v.soundScheme = m_scheme->currentIndex() >= 0 ? m_scheme->currentData().toInt() : -1;
}

void GeneralPage::showAll()
{
    const int answer = m_context.prompter.message(tr("Would you like to enable all Brainlark tips?"),
                                                  Prompter::Icon::Question, Prompter::Buttons::YesNo);
    if (answer != Prompter::Yes)
        return;
    m_context.guides.showAll();
    updateTipButtons();
}

void GeneralPage::hideAll()
{
    const int answer = m_context.prompter.message(tr("Would you like to disable all Brainlark tips?"),
                                                  Prompter::Icon::Question, Prompter::Buttons::YesNo);
    if (answer != Prompter::Yes)
        return;
    m_context.guides.hideAll();
    updateTipButtons();
}

void GeneralPage::updateTipButtons()
{
    const uint32_t flags = m_context.settings.dialogFlags();
    m_showAll->setEnabled(flags != kAllTips);
    m_hideAll->setEnabled(flags != 0);
}

} // namespace brainlark
