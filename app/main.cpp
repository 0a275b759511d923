// Start-up and exit of the program: the application object, the document and the main window.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <utility>

#include "app/ccardloomapp.h"
#include "app/ccardloomdoc.h"
#include "app/cmainframe.h"
#include "app/fontfallbacks.h"
#include "app/helppages.h"
#include "app/prompter.h"
#include "app/shellopener.h"
#include "quiz/ui/backgroundpicture.h"
#include "quiz/ui/ccardloomview.h"

using namespace brainlark;

namespace
{

constexpr const char* BenchmarkFlag = "--benchmark-startup";

// Makes a picture the quiz background; refused pictures leave the old one. "Could not open" is shown
// unless the caller asks for quiet (the start-up check only falls back to the plain colour).
bool useBackgroundPicture(CCardloomApp& app, const QString& path, bool quiet)
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
void applyStoredBackground(CCardloomApp& app)
{
    const bool loaded = useBackgroundPicture(app, app.settings().currentBkgFilePath(), true);
    if (!loaded && app.settings().bkgType() == 1)
        app.settings().setBkgType(0);
}

// A picture handed over by the desktop becomes the quiz background.
void wireBackground(CCardloomDoc& doc, CCardloomApp& app, CMainFrame& frame)
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
void wireQuizView(CCardloomDoc& doc, CCardloomApp& app, CMainFrame& frame)
{
    auto* view = new CCardloomView(app.settings(), app.services());
    frame.setQuizView(view);
    view->setCommandRouter([&frame](int id) { frame.execute(id); });
    const std::pair<int, std::function<void()>> handlers[] = {
        {cmd::Start, [view] { view->start(); }},
        {cmd::Flip, [view] { view->reverse(); }},
        {cmd::MultipleChoice, [view] { view->setQuizMode(0); }},
        {cmd::TrueFalse, [view] { view->setQuizMode(1); }},
        {cmd::TypeIn, [view] { view->setQuizMode(2); }},
        {cmd::Animate, [view] { view->toggleAnimateNewQuestion(); }},
        {cmd::QuizHelp, [view] { emit view->helpRequested(CCardloomView::QuizHelpContext); }},
    };
    for (const auto& [id, handler] : handlers)
        frame.setCommandHandler(id, handler);
    QObject::connect(view, &CCardloomView::statusTextChanged, &frame,
                     [&frame](const QString& text) { frame.setPaneText(1, text); });
    QObject::connect(view, &CCardloomView::listStatusChanged, &doc, &CCardloomDoc::RefreshListStatus);
    QObject::connect(view, &CCardloomView::stateChanged, &frame, &CMainFrame::updateCommandStates);
    QObject::connect(view, &CCardloomView::helpRequested, &frame, [&app](int context) {
        app.services().shell->open(HelpPages::url(app.settings().installPath(), context));
    });
    // The first question starts from the event loop, so that a list opened at start-up is quizzed in a
    // window that is already on screen (its entry animation would otherwise hold the window back). With
    // "call_go" off a loaded list waits for Start.
    QObject::connect(&doc, &CCardloomDoc::listLoaded, view, [view, &doc, &app] {
        view->setList(doc.list());
        if (!app.settings().callGo())
            return;
        QTimer::singleShot(0, view, [view] {
            view->start();
            view->setFocus();
        });
    });
    QObject::connect(&doc, &CCardloomDoc::listChanged, view, &CCardloomView::rebuildScreen);
    frame.setSlideshowRunning([view] { return view->screenState() == CCardloomView::Slideshow; });
}

// The last list, when the learner wants it back; otherwise (or when it is gone) the study-module selector.
void openFirstList(CCardloomDoc& doc, const AppSettings& settings)
{
    const QString last = settings.currentFileName();
    if (settings.loadLastFile() && !last.isEmpty() && doc.LoadList(last, settings.currentFileType()))
        return;
    QTimer::singleShot(0, &doc, &CCardloomDoc::selectStudyModule);
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

    CCardloomApp app;
    if (const std::optional<int> code = app.parseCommandLine(arguments))
        return *code;
    if (!app.InitInstance())
        return 1;

    CCardloomDoc doc(app.settings(), app.services());
    CMainFrame frame(doc, app.settings(), app.services());
    app.setMainWindow(&frame);
    applyStoredBackground(app);
    wireBackground(doc, app, frame);
    wireQuizView(doc, app, frame);

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
    if (!listPath.isEmpty() && !doc.OnOpenDocument(listPath)) {
        doc.setQuizShown(false);
        return app.ExitInstance();
    }
    frame.restorePlacement();
    frame.showPlaced();
    if (listPath.isEmpty())
        openFirstList(doc, app.settings());

    if (benchmark)
        return qtApp.exec();
    qtApp.exec();
    return app.ExitInstance();
}
