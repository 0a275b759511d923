#include "quiz/ui/quizviewmenu.h"

#include <QActionGroup>

#include "services/eventsounds.h"
#include "settings/appsettings.h"

namespace brainlark
{

using V = QuizCommands;

QuizViewMenu::QuizViewMenu(const AppSettings& settings, std::function<void(int)> run, QWidget* parent)
    : QMenu(parent), m_run(std::move(run))
{
    addSchemes(settings);
    addSeparator();
    add(this, tr("Animate &New Question"), V::CmdAnimate, true, settings.funFlag(funflags::kAnimateQuestion));
    addSelections(settings);
    QAction* layout = add(this, tr("&Change Layout"), V::CmdChangeLayout);
    layout->setEnabled(settings.quizMode() == 0);
    add(this, tr("&Options"), V::CmdOptions);
    addSeparator();
    add(this, tr("&Help"), V::CmdHelp);
    add(this, tr("Help &Topics"), V::CmdHelpTopics);
    add(this, tr("&About Brainlark"), V::CmdAbout);
}

QAction* QuizViewMenu::add(QMenu* menu, const QString& text, int id, bool checkable, bool checked)
{
    QAction* action = menu->addAction(text);
    action->setData(id);
    action->setCheckable(checkable);
    action->setChecked(checked);
    connect(action, &QAction::triggered, this, [this, id] {
        if (m_run)
            m_run(id);
    });
    return action;
}

void QuizViewMenu::addSchemes(const AppSettings& settings)
{
    QMenu* schemes = addMenu(tr("Sound Schemes"));
    auto* group = new QActionGroup(schemes);
    const QStringList names = EventSounds::schemeNames();
    for (int i = 0; i < names.size(); ++i)
        group->addAction(add(schemes, EventSounds::shownSchemeName(names[i]), V::CmdSchemeFirst + i, true,
                             settings.soundTheme() == i));
}

void QuizViewMenu::addSelections(const AppSettings& settings)
{
    QMenu* type = addMenu(tr("Quiz Type"));
    auto* types = new QActionGroup(type);
    const int mode = settings.quizMode();
    types->addAction(add(type, tr("Multiple-choice"), V::CmdMultipleChoice, true, mode == 0));
    types->addAction(add(type, tr("True/False"), V::CmdTrueFalse, true, mode == 1));
    types->addAction(add(type, tr("Type-in"), V::CmdTypeIn, true, mode == 2));
    types->addAction(add(type, tr("Matching"), V::CmdMatching, true, mode == 3));

    QMenu* selection = addMenu(tr("Question Selection"));
    auto* selections = new QActionGroup(selection);
    const int pick = settings.questionSelectionMode();
    selections->addAction(add(selection, tr("&Smart Pick"), V::CmdSmartPick, true, pick == 0));
    selections->addAction(add(selection, tr("S&equential"), V::CmdSequential, true, pick == 1));
    selections->addAction(add(selection, tr("&Random"), V::CmdRandomPick, true, pick == 2));
    selections->addAction(add(selection, tr("&Due (spaced repetition)"), V::CmdDueReview, true, pick == 3));

    QMenu* answers = addMenu(tr("Answer Selection"));
    auto* answerGroup = new QActionGroup(answers);
    const bool predefined = settings.funFlag(funflags::kPredefinedAnswers);
    answerGroup->addAction(add(answers, tr("&Predefined"), V::CmdAnswersPredefined, true, predefined));
    answerGroup->addAction(add(answers, tr("R&andom"), V::CmdAnswersRandom, true, !predefined));
}

void QuizViewMenu::disableUnavailable(const std::function<bool(int)>& available)
{
    for (QAction* action : findChildren<QAction*>()) {
        const int id = action->data().toInt();
        const bool scheme = id >= V::CmdSchemeFirst && id < V::CmdSchemeFirst + EventSounds::kSchemeCount;
        if (!action->menu() && !action->isSeparator() && !scheme && !available(id))
            action->setEnabled(false);
    }
}

QAction* QuizViewMenu::command(int id) const
{
    const QList<QAction*> all = findChildren<QAction*>();
    for (QAction* action : all) {
        if (action->data().toInt() == id)
            return action;
    }
    return nullptr;
}

} // namespace brainlark
