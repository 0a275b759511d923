#include "app/quizwiring.h"

#include <QAction>
#include <QStatusBar>
#include <QTimer>
#include <functional>
#include <utility>

#include "app/listdocument.h"
#include "app/mainwindow.h"
#include "app/readaloud.h"
#include "quiz/ui/quizview.h"
#include "settings/appsettings.h"

namespace brainlark
{

// The quiz screen in the frame's client area: its commands, the score pane and the list it quizzes.
QuizView* wireQuizView(ListDocument& doc, AppSettings& settings, const Services& services, MainWindow& frame)
{
    auto* view = new QuizView(settings, services);
    frame.setQuizView(view);
    view->setCommandRouter([&frame](int id) { frame.execute(id); });
    view->setCommandAvailability([&frame](int id) {
        frame.updateCommandStates();
        const QAction* action = frame.action(id);
        return action != nullptr && action->isEnabled();
    });
    const std::pair<int, std::function<void()>> handlers[] = {
        {cmd::Start,
         [view, &settings] {
             settings.setPicturesSuppressed(false); // a new quiz brings the pictures back
             view->start();
         }},
        {cmd::Flip, [view] { view->reverse(); }},
        {cmd::MultipleChoice, [view] { view->setQuizMode(0); }},
        {cmd::TrueFalse, [view] { view->setQuizMode(1); }},
        {cmd::TypeIn, [view] { view->setQuizMode(2); }},
        {cmd::Matching, [view] { view->setQuizMode(3); }},
        {cmd::Slideshow, [view] { view->toggleSlideshow(); }},
        {cmd::Animate, [view] { view->toggleAnimateNewQuestion(); }},
        {cmd::QuizHelp, [view] { emit view->helpRequested(QuizView::QuizHelpContext); }},
    };
    for (const auto& [id, handler] : handlers)
        frame.setCommandHandler(id, handler);
    QObject::connect(view, &QuizView::statusTextChanged, &frame,
                     [&frame](const QString& text) { frame.setPaneText(1, text); });
    QObject::connect(view, &QuizView::listStatusChanged, &doc, &ListDocument::refreshListStatus);
    QObject::connect(view, &QuizView::stateChanged, &frame, &MainWindow::updateCommandStates);
    QObject::connect(view, &QuizView::helpRequested, &frame, &MainWindow::openHelp);
    // Input that must wait says so where the learner looks for news, for a few seconds.
    QObject::connect(view, &QuizView::inputRefused, &frame,
                     [&frame](const QString& text) { frame.statusBar()->showMessage(text, 5000); });
    // The first question starts from the event loop, so that a list opened at start-up is quizzed in a
    // window that is already on screen (its entry animation would otherwise hold the window back). With
    // "call_go" off a loaded list waits for Start.
    QObject::connect(&doc, &ListDocument::titleChanged, view, &QuizView::setListTitle);
    QObject::connect(&doc, &ListDocument::listLoaded, view, [view, &doc, &settings](int mode) {
        settings.setPicturesSuppressed(false);
        view->setListTitle(doc.title());
        // Save As keeps the list in memory under its new name: the quiz, its score and the Smart Counter go
        // on.
        if (mode == ListDocument::SavedAs && view->list() == doc.list())
            return;
        view->setList(doc.list());
        if (!settings.callGo())
            return;
        QTimer::singleShot(0, view, [view] {
            view->start();
            view->setFocus();
        });
    });
    QObject::connect(&doc, &ListDocument::listChanged, view, &QuizView::rebuildScreen);
    QObject::connect(&doc, &ListDocument::listAboutToGo, view, [view] { view->setList(nullptr); });
    frame.setSlideshowRunning([view] { return view->screenState() == ScreenState::Slideshow; });
    new ReadAloud(*view, doc, frame, settings, services); // the view owns it
    return view;
}

} // namespace brainlark
