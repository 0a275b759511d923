// print-flashcards and print-list: the program's page code drawing into a PDF file. These two commands
// need Qt's painting; the rest of the command-line tool does without it.
#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPageLayout>
#include <QPdfWriter>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <ostream>

#include "core/filereader.h"
#include "core/pairlist.h"
#include "core/randomsource.h"
#include "core/savefile.h"
#include "printing/flashcardpages.h"
#include "printing/listpages.h"
#include "printing/localpaper.h"
#include "settings/appsettings.h"
#include "settings/fontfallbacks.h"
#include "tools/cliargs.h"
#include "tools/clicommand.h"
#include "tools/clicommon.h"

namespace brainlark::cli
{

namespace
{

constexpr int PdfResolution = 600;
const char* const FlashcardsUsage = "brainlark-cli print-flashcards LIST.fly OUT.pdf [--page-size letter|a4] "
                                    "[--margins INCHES] [--card PICTURE]";
const char* const ListUsage =
    "brainlark-cli print-list LIST.fly OUT.pdf [--page-size letter|a4] [--margins INCHES]";

struct PaperOptions {
    QPageSize::PageSizeId size = QPageSize::A4;
    double margins = 0.25;
};

bool parsePaper(const CliArgs& args, PaperOptions& paper, const char* usage, std::ostream& err)
{
    // The paper of the learner's locale, as the program prints, unless the command line names one.
    paper.size = LocalPaper::forEnvironment();
    const std::string size = args.value("--page-size", paper.size == QPageSize::Letter ? "letter" : "a4");
    if (size == "letter" || size == "a4") {
        paper.size = size == "a4" ? QPageSize::A4 : QPageSize::Letter;
    } else {
        err << "brainlark-cli: --page-size is letter or a4\nusage: " << usage << '\n';
        return false;
    }
    if (args.has("--margins")) {
        const std::string text = args.value("--margins");
        char* end = nullptr;
        paper.margins = std::strtod(text.c_str(), &end);
        if (text.empty() || *end != '\0' || !std::isfinite(paper.margins) || paper.margins < 0) {
            err << "brainlark-cli: --margins needs a number of inches, 0 or more\nusage: " << usage << '\n';
            return false;
        }
    }
    const QSizeF page = QPageSize(paper.size).size(QPageSize::Inch);
    if (2 * paper.margins >= page.width() || 2 * paper.margins >= page.height()) {
        err << "brainlark-cli: margins of " << paper.margins << " inches leave nothing of the page\n";
        return false;
    }
    return true;
}

/// Painting needs a QGuiApplication; these commands get one on the offscreen platform, so that they also
/// run without a display. One that exists already (a test's) is used as it is. Qt's own chatter (warnings
/// about the missing display session) stays out of the command's output.
class PaintingSession
{
public:
    PaintingSession()
    {
        if (!QCoreApplication::instance()) {
            m_previousHandler = qInstallMessageHandler(quietHandler);
            m_quiet = true;
            m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
        }
        installFontFallbacks();
    }
    ~PaintingSession()
    {
        m_app.reset();
        if (m_quiet)
            qInstallMessageHandler(m_previousHandler);
    }
    PaintingSession(const PaintingSession&) = delete;
    PaintingSession& operator=(const PaintingSession&) = delete;

private:
    static void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
    {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "brainlark-cli: %s\n", qPrintable(message));
    }

    // QGuiApplication keeps (and edits) the arguments, so they live as long as it does.
    char m_name[14] = "brainlark-cli";
    char m_platformOption[10] = "-platform";
    char m_platform[10] = "offscreen";
    char* m_argv[4] = {m_name, m_platformOption, m_platform, nullptr};
    int m_argc = 3;
    QtMessageHandler m_previousHandler = nullptr;
    bool m_quiet = false;
    std::unique_ptr<QGuiApplication> m_app;
};

struct Job {
    QString listPath;
    QString title;
    PairList list;
};

bool loadJob(const CliArgs& args, Job& job, std::ostream& err)
{
    const std::string& path = args.positionals()[0];
    if (!loadList(path, job.list, err))
        return false;
    const QFileInfo file(QString::fromStdString(path));
    job.listPath = file.absoluteFilePath();
    job.title = file.fileName();
    if (job.title.endsWith(QLatin1String(".fly"), Qt::CaseInsensitive))
        job.title.chop(4);
    return true;
}

/// Draws the series into the PDF file (written whole or not at all). `makeSeries` sees the page metrics.
template <typename MakeSeries>
int writePdf(const std::string& outPath, const PaperOptions& paper, const QString& title,
             MakeSeries makeSeries, const char* what, std::ostream& out, std::ostream& err)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(PdfResolution);
    writer.setCreator(QStringLiteral("Brainlark"));
    writer.setTitle(title);
    const QMarginsF margins(paper.margins, paper.margins, paper.margins, paper.margins);
    writer.setPageLayout(
        QPageLayout(QPageSize(paper.size), QPageLayout::Portrait, margins, QPageLayout::Inch));
    const auto series = makeSeries(PageMetrics::of(writer));
    if (!series)
        return UsageError;
    const int pages = series->pageCount();
    if (!series->printTo(writer)) {
        err << "brainlark-cli: Could not draw the pages of " << outPath << '\n';
        return FileError;
    }
    std::string reason;
    if (!SaveFile::write(outPath, pdf.toStdString(), &reason)) {
        err << "brainlark-cli: Could not open file " << outPath << " (" << reason << ")\n";
        return FileError;
    }
    out << outPath << ": " << pages << (pages == 1 ? " page" : " pages") << " of " << what << '\n';
    return Success;
}

/// The card picture named on the command line, else the shipped one; a null picture when there is none.
/// Pictures are decoded under the program's allocation limit (its image layer's): a card of 6000 by 6000
/// pixels loads, a larger one is refused as too large, not as "not a picture".
QImage loadCardPicture(const std::string& path, std::ostream& err)
{
    constexpr int AllocationLimitMb = 256;
    std::string bytes;
    std::string reason = "no shipped copy found; name one with --card";
    if (!path.empty() && FileReader::read(path, bytes, &reason)) {
        QByteArray data = QByteArray::fromStdString(bytes);
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader::setAllocationLimit(AllocationLimitMb);
        QImageReader reader(&buffer);
        const QSize size = reader.size();
        if (size.isValid() &&
            qint64(size.width()) * size.height() * 4 > qint64(AllocationLimitMb) * 1024 * 1024) {
            reason = "too large: " + std::to_string(size.width()) + " x " + std::to_string(size.height()) +
                     " pixels, more than " + std::to_string(AllocationLimitMb) + " MB in memory";
        } else {
            const QImage card = reader.read();
            if (!card.isNull())
                return card;
            reason = "not a picture";
        }
    }
    err << "brainlark-cli: Could not open the card picture "
        << (path.empty() ? std::string("card.bmp") : path) << " (" << reason << ")\n";
    return QImage();
}

int printFlashcards(const std::vector<std::string>& raw, std::ostream& out, std::ostream& err)
{
    const CliArgs args(raw, {"--page-size", "--margins", "--card"});
    PaperOptions paper;
    if (!expectArgs(args, 2, FlashcardsUsage, err) || !parsePaper(args, paper, FlashcardsUsage, err))
        return UsageError;
    const PaintingSession session;
    Job job;
    if (!loadJob(args, job, err))
        return FileError;
    if (job.list.pairs().empty()) {
        err << "brainlark-cli: " << args.positionals()[0] << ": the list has no pairs to print\n";
        return FileError;
    }
    const QImage card =
        loadCardPicture(args.has("--card") ? args.value("--card") : findShippedFile("card.bmp"), err);
    if (card.isNull())
        return FileError;
    SeededRandom random(1);
    AppSettings settings(random);
    settings.resetToDefaults();
    const QFont font = settings.font(AppSettings::Font::PrintedCard);
    return writePdf(
        args.positionals()[1], paper, job.title,
        [&](const PageMetrics& page) {
            auto cards = std::make_unique<FlashcardPages>(PrintedPair::fromList(job.list), card, font, page);
            if (!cards->fits()) {
                err << "brainlark-cli: the page is too small for flashcards (two cards of 3 x 1.8 inches "
                       "side "
                       "by side)\n";
                cards.reset();
            }
            return cards;
        },
        "flashcards", out, err);
}

int printList(const std::vector<std::string>& raw, std::ostream& out, std::ostream& err)
{
    const CliArgs args(raw, {"--page-size", "--margins"});
    PaperOptions paper;
    if (!expectArgs(args, 2, ListUsage, err) || !parsePaper(args, paper, ListUsage, err))
        return UsageError;
    const PaintingSession session;
    Job job;
    if (!loadJob(args, job, err))
        return FileError;
    return writePdf(
        args.positionals()[1], paper, job.title,
        [&](const PageMetrics& page) {
            auto pages =
                std::make_unique<ListPages>(PrintedPair::fromList(job.list), job.listPath, job.title, page);
            if (!pages->fits()) {
                err << "brainlark-cli: the page is too small for the list\n";
                pages.reset();
            }
            return pages;
        },
        "the list", out, err);
}

} // namespace

std::vector<CliCommand> printCommands()
{
    return {
        {"print-flashcards", "print the list as flashcards to cut out (PDF)",
         std::string("usage: ") + FlashcardsUsage +
             "\n\nDraws every pair as a question card and an answer card side by side, 3 x 1.8 inches each, "
             "with lines to cut along and a dotted line to fold on, as the program prints them. Default "
             "paper: the locale's (letter or A4) with margins of 0.25 inches. The card picture is the "
             "shipped card.bmp unless --card names another.\n",
         printFlashcards},
        {"print-list", "print the list as a numbered table (PDF)",
         std::string("usage: ") + ListUsage +
             "\n\nDraws the pairs as the program prints the list: a header with the list and the page "
             "number, "
             "then one numbered row of question and answer per pair; on a narrow page the font gets "
             "smaller so that the 81 columns fit. Default paper: the locale's (letter or A4) with margins "
             "of 0.25 inches.\n",
         printList},
    };
}

} // namespace brainlark::cli
