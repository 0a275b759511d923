// Start-up and exit of the program: the application object, the document and the main window.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <utility>

#include "app/application.h"
#include "app/listdocument.h"
#include "app/mainwindow.h"
#include "app/fontfallbacks.h"
#include "app/historycommands.h"
#include "services/helppages.h"
#include "services/prompter.h"
#include "services/shellopener.h"
#include "quiz/ui/backgroundpicture.h"
#include "quiz/ui/quizview.h"

using namespace brainlark;

namespace
{

constexpr const char* BenchmarkFlag = "--benchmark-startup";

// Makes a picture the quiz background; refused pictures leave the old one. "Could not open" is shown
// unless the caller asks for quiet (the start-up check only falls back to the plain colour).
bool useBackgroundPicture(Application& app, const QString& path, bool quiet)
{
    BackgroundPicture picture;
    const BackgroundPicture::Outcome outcome = picture.setBackgroundPicture(path);
    if (!outcome.accepted) {
        if (!quiet && !outcome.message.isEmpty())
            app.services().prompter->message(outcome.message, Prompter::Icon::Exclamation);
        return false;
    }
    app.settings().setBackgroundPicture(picture.image());
    app.settings().setCurrentBkgFilePath(path);
    return true;
}

// The stored background picture; without a usable one the quiz screen falls back to colour and pattern.
void applyStoredBackground(Application& app)
{
    const bool loaded = useBackgroundPicture(app, app.settings().currentBkgFilePath(), true);
    if (!loaded && app.settings().bkgType() == 1)
        app.settings().setBkgType(0);
}

// A picture handed over by the desktop becomes the quiz background.
void wireBackground(ListDocument& doc, Application& app, MainWindow& frame)
{
    doc.setBackgroundHandler([&app, &frame](const QString& path) {
        if (!useBackgroundPicture(app, path, false))
            return false;
        app.settings().setBkgType(1); // a dropped picture is meant to be seen
        frame.update();
        return true;
    });
}

// The quiz screen in the frame's client area: its commands, the score pane and the list it quizzes.
QuizView* wireQuizView(ListDocument& doc, Application& app, MainWindow& frame)
{
    auto* view = new QuizView(app.settings(), app.services());
    frame.setQuizView(view);
    view->setCommandRouter([&frame](int id) { frame.execute(id); });
    const std::pair<int, std::function<void()>> handlers[] = {
        {cmd::Start, [view] { view->start(); }},
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
    QObject::connect(view, &QuizView::helpRequested, &frame, [&app](int context) {
        app.services().shell->open(HelpPages::url(app.settings().installPath(), context));
    });
    // The first question starts from the event loop, so that a list opened at start-up is quizzed in a
    // window that is already on screen (its entry animation would otherwise hold the window back). With
    // "call_go" off a loaded list waits for Start.
    QObject::connect(&doc, &ListDocument::titleChanged, view, &QuizView::setListTitle);
    QObject::connect(&doc, &ListDocument::listLoaded, view, [view, &doc, &app] {
        view->setListTitle(doc.title());
        view->setList(doc.list());
        if (!app.settings().callGo())
            return;
        QTimer::singleShot(0, view, [view] {
            view->start();
            view->setFocus();
        });
    });
    QObject::connect(&doc, &ListDocument::listChanged, view, &QuizView::rebuildScreen);
    frame.setSlideshowRunning([view] { return view->screenState() == ScreenState::Slideshow; });
    return view;
}

// The last list, when the learner wants it back; otherwise (or when it is gone) the study-module selector.
void openFirstList(ListDocument& doc, const AppSettings& settings)
{
    const QString last = settings.currentFileName();
    if (settings.loadLastFile() && !last.isEmpty() && doc.loadList(last, static_cast<ListDocument::LoadMode>(settings.currentFileType())))
        return;
    QTimer::singleShot(0, &doc, &ListDocument::selectStudyModule);
}

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication qtApp(argc, argv);
    installFontFallbacks();
    QStringList arguments = qtApp.arguments();
    const bool benchmark = arguments.removeAll(QLatin1String(BenchmarkFlag)) > 0;

    Application app;
    if (const std::optional<int> code = app.parseCommandLine(arguments))
        return *code;
    if (!app.initialize())
        return 1;

    ListDocument doc(app.settings(), app.services());
    MainWindow frame(doc, app.settings(), app.services());
    app.setMainWindow(&frame);
    applyStoredBackground(app);
    wireBackground(doc, app, frame);
    QuizView* quizView = wireQuizView(doc, app, frame);
    HistoryCommands history(frame, doc);
    history.attachQuizView(quizView);
    history.openDatabase(HistoryCommands::databasePath(app.commandLineProgramFolder()));

    if (benchmark) {
        // Posted before any list opens, so it fires first once the event loop runs: the window has been
        // shown with the list loaded. Nothing is written back: a measurement must not change the learner's
        // files or settings.
        QTimer::singleShot(0, &frame, [&] {
            std::printf("startup %lld ms\n", static_cast<long long>(sinceStart.elapsed()));
            std::fflush(stdout);
            doc.setQuizShown(false);
            QApplication::exit(0);
        });
    }

    const QString listPath = app.commandLineListPath();
    if (!listPath.isEmpty() && !doc.openDocument(listPath)) {
        doc.setQuizShown(false);
        return app.shutdown();
    }
    frame.restorePlacement();
    frame.showPlaced();
    if (listPath.isEmpty())
        openFirstList(doc, app.settings());

    if (benchmark)
        return qtApp.exec();
    qtApp.exec();
    return app.shutdown();
}
