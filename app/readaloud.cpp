#include "app/readaloud.h"

#include <QEvent>
#include <QPointer>
#include <QStatusBar>
#include <utility>

#include "app/listdocument.h"
#include "app/mainwindow.h"
#include "core/pairlist.h"
#include "quiz/ui/listtext.h"
#include "quiz/ui/quizview.h"
#include "services/speaker.h"
#include "settings/appsettings.h"

namespace brainlark
{

namespace
{

// Enough texts for the guess; a list of a million pairs is not read through for it.
constexpr int GuessPairs = 2000;

} // namespace

ReadAloud::ReadAloud(QuizView& view, ListDocument& doc, MainWindow& frame, AppSettings& settings,
                     const Services& services)
    : QObject(&view), m_view(view), m_doc(doc), m_frame(frame), m_settings(settings),
      m_speaker(services.speaker), m_sounds(settings, *services.sound, *services.random)
{
    frame.setCommandHandler(cmd::ReadAloud, [this] { readNow(); });
    frame.setCommandRule(cmd::ReadAloud, [this] {
        return !m_frame.gridView() && m_doc.hasList() && unavailableReason().isEmpty();
    });
    connect(&view, &QuizView::questionOnScreen, this, &ReadAloud::questionShown);
    connect(&view, &QuizView::answerRevealed, this, &ReadAloud::answerRevealed);
    connect(&view, &QuizView::questionPicked, this, &ReadAloud::questionPicked);
    connect(&view, &QuizView::matchesRight, this, &ReadAloud::matchesRight);
    connect(&view, &QuizView::stateChanged, this, &ReadAloud::refresh);
    const Slideshow& show = view.slideshow();
    connect(&show, &Slideshow::cardShown, this, &ReadAloud::cardShown);
    connect(&show, &Slideshow::cardAnswerShown, this, &ReadAloud::cardAnswerShown);
    connect(&show, &Slideshow::ended, this, &ReadAloud::silence);
    connect(&doc, &ListDocument::listLoaded, this, &ReadAloud::listLoaded);
    connect(&doc, &ListDocument::listChanged, this, &ReadAloud::listLoaded);
    connect(&doc, &ListDocument::listAboutToGo, this, [this] {
        m_side = Side::None;
        silence();
    });
    // The quiz is hidden when the grid takes its place and when the window closes.
    view.installEventFilter(this);
    refresh();
}

bool ReadAloud::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_view && event->type() == QEvent::Hide)
        silence();
    return QObject::eventFilter(watched, event);
}

void ReadAloud::silence()
{
    m_waiting.clear();
    if (m_speaker && m_speaking)
        m_speaker->stop();
}

ListLanguages ReadAloud::languages() const
{
    const LanguageStore& store = m_frame.languageStore();
    if (store.read && m_doc.hasList())
        if (const std::optional<ListLanguages> kept = store.read(m_doc.pathName()))
            return *kept;
    if (!m_guess) {
        QStringList questions;
        QStringList answers;
        if (const PairList* list = m_doc.list()) {
            for (const Pair& pair : list->pairs()) {
                if (questions.size() >= GuessPairs)
                    break;
                questions.append(ListText::toQString(pair.question()));
                answers.append(ListText::toQString(pair.answer()));
            }
        }
        m_guess = ListLanguages{SpeechLanguage::guess(questions), SpeechLanguage::guess(answers)};
    }
    return *m_guess;
}

bool ReadAloud::hasVoice(const QString& language) const
{
    return m_speaker && m_speaker->hasVoiceFor(SpeechLanguage::locale(language));
}

QString ReadAloud::unavailableReason() const
{
    if (!m_speaker || m_speaker->state() == Speaker::State::Unavailable)
        return tr("Read aloud needs a speech engine: install speech-dispatcher or flite.");
    if (!m_doc.hasList())
        return {};
    const ListLanguages sides = languages();
    if (hasVoice(sides.question) || hasVoice(sides.answer))
        return {};
    const QString question = SpeechLanguage::displayName(sides.question);
    const QString answer = SpeechLanguage::displayName(sides.answer);
    if (question == answer)
        return tr("No voice for %1 is installed.").arg(question);
    return tr("No voice for %1 or %2 is installed.").arg(question, answer);
}

void ReadAloud::refresh()
{
    const QString reason = unavailableReason();
    m_frame.setCommandTip(cmd::ReadAloud,
                          reason.isEmpty() ? tr("Read the question aloud, and its answer once it is judged")
                                           : reason);
    // Said once, and only to a learner who asked for automatic reading.
    if (!reason.isEmpty() && reason != m_told &&
        (m_settings.readQuestionsAloud() || m_settings.readAnswersAloud())) {
        m_told = reason;
        m_frame.statusBar()->showMessage(reason, 10000);
    }
}

void ReadAloud::listLoaded()
{
    m_guess.reset();
    m_side = Side::None;
    refresh();
    m_frame.updateCommandStates();
}

bool ReadAloud::automatic(Side side) const
{
    return m_settings.playSounds() &&
           (side == Side::Question ? m_settings.readQuestionsAloud() : m_settings.readAnswersAloud());
}

const Pair* ReadAloud::listPair(int index) const
{
    const PairList* list = m_view.list();
    return list && index >= 0 && index < list->count() ? &list->pairs()[size_t(index)] : nullptr;
}

bool ReadAloud::hasQuestion() const
{
    return m_view.session() && !m_view.session()->current().isEmpty();
}

void ReadAloud::questionShown()
{
    m_side = Side::Question;
    // A question read of itself waits for what is being read to end.
    if (automatic(Side::Question) && hasQuestion())
        read(m_view.session()->current().questionPair(), Side::Question, false, Turn::After);
}

void ReadAloud::answerRevealed()
{
    m_side = Side::Answer;
    m_waiting.clear();
    if (automatic(Side::Answer) && hasQuestion())
        read(m_view.session()->current().questionPair(), Side::Answer, false, Turn::Now);
}

void ReadAloud::questionPicked(int pair)
{
    if (automatic(Side::Question))
        if (const Pair* picked = listPair(pair))
            read(*picked, Side::Question, false, Turn::Now);
}

// The answers of a judged board are read one after the other.
void ReadAloud::matchesRight(const QList<int>& answerPairs)
{
    if (!automatic(Side::Answer))
        return;
    for (int index : answerPairs)
        if (const Pair* pair = listPair(index))
            read(*pair, Side::Answer, false, Turn::After);
}

void ReadAloud::cardShown()
{
    silence(); // nothing of the card before goes on
    const Slideshow& show = m_view.slideshow();
    if (automatic(Side::Question))
        read(show.cardPair(), Side::Question, false, Turn::Now);
    if (show.answerShown() && automatic(Side::Answer))
        read(show.cardPair(), Side::Answer, false, Turn::After);
}

void ReadAloud::cardAnswerShown()
{
    if (automatic(Side::Answer))
        read(m_view.slideshow().cardPair(), Side::Answer, false, Turn::After);
}

void ReadAloud::readNow()
{
    if (!m_view.isVisible())
        return;
    const Slideshow& show = m_view.slideshow();
    if (show.isRunning()) {
        if (show.currentPair() >= 0 && show.phase() != Slideshow::Phase::Left) // not after it has gone
            read(show.cardPair(), show.answerShown() ? Side::Answer : Side::Question, true, Turn::Now);
        return;
    }
    const MatchScreen& board = m_view.matchScreen();
    if (m_settings.quizMode() == int(QuizMode::Matching) && board.hasBoard()) {
        if (const Pair* pair = listPair(board.currentQuestionPair()))
            read(*pair, Side::Question, true, Turn::Now);
        return;
    }
    if (m_side != Side::None && hasQuestion())
        read(m_view.session()->current().questionPair(), m_side, true, Turn::Now);
}

void ReadAloud::read(const Pair& pair, Side side, bool asked, Turn turn)
{
    const bool question = side == Side::Question;
    const std::string folder = m_settings.installPath().toStdString();
    const QString sound = QString::fromStdString(question ? pair.shownQuestionSoundFile(folder)
                                                          : pair.shownAnswerSoundFile(folder));
    if (!sound.isEmpty()) {
        // A recorded sound wins over the voice.
        if (asked)
            m_sounds.playPairSound(sound);
        return;
    }
    const ListLanguages sides = languages();
    // The side shown as the question is the stored answer while the list is reversed.
    const bool storedQuestion = question != pair.isReversed();
    const QString language = storedQuestion ? sides.question : sides.answer;
    const QString text = ListText::toQString(question ? pair.shownQuestion() : pair.shownAnswer());
    if (!hasVoice(language))
        return;
    if (turn == Turn::After && m_speaking) {
        m_waiting.emplace_back(text, language);
        return;
    }
    m_waiting.clear();
    speak(text, language);
}

void ReadAloud::speak(const QString& text, const QString& language)
{
    const double rate = m_settings.speechRate() / double(AppSettings::MaxSpeechRate);
    const int utterance = ++m_utterance;
    m_speaking = true;
    m_speaker->say(text, SpeechLanguage::locale(language), rate,
                   [self = QPointer<ReadAloud>(this), utterance] {
                       // A text cut off by the next one ends while the next is being read.
                       if (!self || utterance != self->m_utterance)
                           return;
                       self->m_speaking = false;
                       if (self->m_waiting.empty())
                           return;
                       const auto [text, language] = self->m_waiting.front();
                       self->m_waiting.pop_front();
                       self->speak(text, language);
                   });
}

} // namespace brainlark
