#include "support/quizrig.h"

#include <QFile>
#include <QFileInfo>

#include "core/flyarchive.h"

namespace brainlark::testing
{

QString writeList(const QString& path, int pairs)
{
    PairList list;
    for (int i = 0; i < pairs; ++i)
        list.pairs().emplace_back("q" + std::to_string(i), "a" + std::to_string(i));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray::fromStdString(FlyArchive::write(list, "s")));
    return path;
}

QuizRig::QuizRig(int pairs, uint32_t seed) : random({}, seed)
{
    settings.setInstallPath(folder.path());
    settings.setFunFlags(AppFlags::SmartCounter);
    settings.setFunFlags2(0);
    settings.setDialogFlags(0);
    settings.setShowHint(false);
    settings.setSoundTheme(1);
    settings.setFunFlag(AppFlags::FunnySounds, true);
    settings.setPlaySounds(true);
    settings.setAlertFactor(-10);
    settings.setHatch(false);
    settings.setBkgType(0);
    settings.setAnswerMode(AppSettings::AnswerMode::Random);
    for (int i = 0; i < pairs; ++i)
        list.pairs().emplace_back("Question " + std::to_string(i + 1), "Answer " + std::to_string(i + 1));
    scheduler.timeline = &timeline;
    scheduler.clock = &clock;
    player.scheduler = &scheduler;
    player.timeline = &timeline;
    prompter.timeline = &timeline;
    services.clock = &clock;
    services.random = &random;
    services.prompter = &prompter;
    services.shell = &shell;
    services.scheduler = &scheduler;
    services.sound = &player;
    services.speaker = &speaker;
    view = std::make_unique<QuizView>(settings, services);
    view->resize(800, 600);
    QObject::connect(view.get(), &QuizView::statusTextChanged,
                     [this](const QString& text) { statusTexts.append(text); });
    view->setList(&list);
}

void QuizRig::startQuiz(int quizMode, int visualStyle)
{
    settings.setQuizMode(quizMode);
    settings.setVisualStyle(visualStyle);
    view->start();
}

int QuizRig::rightBox() const
{
    const QuizQuestion& q = view->session()->current();
    for (int i = 0; i < q.choiceCount(); ++i) {
        const Pair& c = q.choices()[size_t(i)];
        if (c.kind() == Pair::QuestionAnswer && c.shownAnswer() == q.questionPair().shownAnswer())
            return i;
    }
    return -1;
}

int QuizRig::wrongBox() const
{
    const QuizQuestion& q = view->session()->current();
    for (int i = 0; i < q.choiceCount(); ++i) {
        if (q.choices()[size_t(i)].shownAnswer() != q.questionPair().shownAnswer())
            return i;
    }
    return -1;
}

const Pair& QuizRig::askedPair() const
{
    return list.pairs()[size_t(view->session()->current().questionIndex())];
}

QPoint QuizRig::boxCentre(int i) const
{
    const Rect r = view->screen().answer(i).rect();
    return QPoint(r.center().x, r.center().y);
}

QPoint QuizRig::buttonCentre(int i) const
{
    const Rect r = view->screen().button(i).rect();
    return QPoint(r.center().x, r.center().y);
}

QStringList QuizRig::soundLog() const
{
    QStringList out;
    for (const auto& play : player.plays)
        out << QFileInfo(play.path).fileName().section('_', 0, 0) + (play.wait ? " sync" : " async");
    return out;
}

} // namespace brainlark::testing
