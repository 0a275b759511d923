// Start-up and exit of the program: the application object, the document and the main window.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <utility>

#include "app/application.h"
#include "app/historycommands.h"
#include "app/listdocument.h"
#include "app/mainwindow.h"
#include "app/quizwiring.h"
#include "quiz/ui/backgroundpicture.h"
#include "quiz/ui/quizview.h"
#include "services/helppages.h"
#include "services/prompter.h"
#include "services/shellopener.h"
#include "services/uilanguage.h"
#include "settings/fontfallbacks.h"

using namespace brainlark;

namespace
{

constexpr const char* BenchmarkFlag = "--benchmark-startup";

// Makes a picture the quiz background; refused pictures leave the old one. "Could not open" is shown
// unless the caller asks for quiet (the start-up check only falls back to the plain colour).
bool useBackgroundPicture(Application& app, const QString& path, bool quiet)
{
    return BackgroundPicture::useAsBackground(app.settings(), path,
                                              quiet ? nullptr : app.services().prompter);
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

// The last list, when the learner wants it back; otherwise (or when it is gone) the study-module selector.
void openFirstList(ListDocument& doc, const AppSettings& settings)
{
    const QString last = settings.currentFileName();
    if (settings.loadLastFile() && !last.isEmpty() &&
        doc.loadList(last, static_cast<ListDocument::LoadMode>(settings.currentFileType())))
        return;
    QTimer::singleShot(0, &doc, &ListDocument::selectStudyModule);
}

// The list named on the command line. A picture becomes the background and the program goes on without a
// list; a file that cannot be a list says which file and why (a damaged one has shown the read-error offer).
bool openFromCommandLine(ListDocument& doc, Application& app, const QString& path)
{
    const QString ext = path.right(3).toLower();
    const bool picture = ext == QLatin1String("bmp") || ext == QLatin1String("jpg") ||
                         ext == QLatin1String("gif") || ext == QLatin1String("pcx");
    if (picture) {
        doc.openDocument(path);
        return true;
    }
    const QString reason = ListDocument::whyNotOpenable(path);
    if (!reason.isEmpty()) {
        app.services().prompter->message(reason, Prompter::Icon::Stop);
        return false;
    }
    return doc.openDocument(path);
}

} // namespace

// Help and version are answered before the window system is opened, so that they also work in a shell
// without a display.
static std::optional<int> answerWithoutDisplay(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QLatin1String arg(argv[i]);
        if (arg == QLatin1String("--help") || arg == QLatin1String("--version")) {
            const bool help = arg == QLatin1String("--help");
            const QString text = help ? Application::usageText() : Application::versionText();
            std::fputs(qPrintable(text), stdout);
            return 0;
        }
    }
    return std::nullopt;
}

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    if (const std::optional<int> code = answerWithoutDisplay(argc, argv))
        return *code;
    QApplication qtApp(argc, argv);
    installFontFallbacks();
    QStringList arguments = qtApp.arguments();
    const bool benchmark = arguments.removeAll(QLatin1String(BenchmarkFlag)) > 0;

    Application app;
    if (const std::optional<int> code = app.parseCommandLine(arguments))
        return *code;
    UiLanguage::install(qtApp, app.storedUiLanguage());
    if (!app.initialize())
        return 1;

    ListDocument doc(app.settings(), app.services());
    MainWindow frame(doc, app.settings(), app.services());
    app.setMainWindow(&frame);
    applyStoredBackground(app);
    wireBackground(doc, app, frame);
    QuizView* quizView = wireQuizView(doc, app.settings(), app.services(), frame);
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
    if (!listPath.isEmpty() && !openFromCommandLine(doc, app, listPath)) {
        doc.setQuizShown(false);
        app.shutdown();
        return 1;
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
