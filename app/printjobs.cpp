#include "app/printjobs.h"

#include <QDir>
#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

#include "app/listdocument.h"
#include "printing/flashcardpages.h"
#include "printing/listpages.h"
#include "printing/localpaper.h"
#include "quiz/ui/imagelayer.h"
#include "services/guidemessages.h"
#include "settings/appsettings.h"

namespace brainlark
{

PrintJobs::PrintJobs(ListDocument& doc, AppSettings& settings, const Services& services,
                     QWidget* dialogParent)
    : m_doc(doc), m_settings(settings), m_services(services), m_dialogParent(dialogParent)
{
}

PrintJobs::~PrintJobs() = default;

QPrinter& PrintJobs::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The paper of the learner's locale, as brainlark-cli prints; the print dialogs may change it.
        m_printer->setPageSize(QPageSize(LocalPaper::forEnvironment()));
    }
    return *m_printer;
}

QString PrintJobs::cardPicturePath() const
{
    return QDir(m_doc.programFolder()).filePath(QStringLiteral("card.bmp"));
}

void PrintJobs::printFlashcards()
{
    if (!m_doc.hasList() || m_doc.pairCount() == 0)
        return;
    const int estimate = FlashcardPages::estimatedPages(m_doc.pairCount());
    const int answer =
        GuideMessages(m_settings, *m_services.prompter).show(GuideMessages::PrintFlashcards, estimate);
    if (answer != GuideMessages::Confirmed && answer != GuideMessages::NotShown)
        return;
    // Without its picture there is no card to print; asking for a printer first would only waste the
    // learner's time.
    const QImage card = ImageLayer::load(cardPicturePath()).image;
    if (card.isNull()) {
        warn(tr("Could not open file %1\n\nThe flashcards are printed on this card picture, so "
                "nothing was printed.")
                 .arg(QDir::toNativeSeparators(cardPicturePath())));
        return;
    }
    if (!runPrintDialog())
        return;
    const FlashcardPages cards(PrintedPair::fromList(*m_doc.list()), card,
                               m_settings.font(AppSettings::Font::PrintedCard), PageMetrics::of(printer()));
    if (!cards.fits()) {
        warn(tr("The page is too small for the flashcards: each row needs 6 by 1.8 inches.\n\n"
                "Please choose a larger paper size or smaller margins."));
        return;
    }
    printSeries(cards);
}

std::unique_ptr<PageSeries> PrintJobs::listPages()
{
    auto pages = std::make_unique<ListPages>(PrintedPair::fromList(*m_doc.list()), m_doc.pathName(),
                                             m_doc.title(), PageMetrics::of(printer()));
    if (pages->fits())
        return pages;
    warn(tr("The page is too small for the Q&A-list.\n\nPlease choose a larger paper size or "
            "smaller margins."));
    return nullptr;
}

void PrintJobs::print()
{
    if (!m_doc.hasList() || !runPrintDialog())
        return;
    if (const std::unique_ptr<PageSeries> pages = listPages())
        printSeries(*pages);
}

void PrintJobs::printDirect()
{
    if (!m_doc.hasList())
        return;
    printer().setPrintRange(QPrinter::AllPages);
    if (const std::unique_ptr<PageSeries> pages = listPages())
        printSeries(*pages);
}

void PrintJobs::printPreview()
{
    if (!m_doc.hasList())
        return;
    QPrintPreviewDialog preview(&printer(), m_dialogParent);
    preview.setWindowTitle(tr("%1 - Print Preview").arg(m_doc.title()));
    // Big enough to read a page: most of the screen the program is on.
    if (const QScreen* screen = m_dialogParent ? m_dialogParent->screen() : QGuiApplication::primaryScreen())
        preview.resize(screen->availableGeometry().size() * 0.8);
    // The pages are laid out anew on each request, as the learner may change the paper in the preview.
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
        const ListPages pages(PrintedPair::fromList(*m_doc.list()), m_doc.pathName(), m_doc.title(),
                              PageMetrics::of(*target));
        pages.printTo(*target);
    });
    runDialog(preview);
}

void PrintJobs::printSetup()
{
    QPageSetupDialog setup(&printer(), m_dialogParent);
    runDialog(setup);
}

bool PrintJobs::runPrintDialog()
{
    QPrintDialog dialog(&printer(), m_dialogParent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    return runDialog(dialog) == QDialog::Accepted;
}

void PrintJobs::printSeries(const PageSeries& series)
{
    QPrinter& target = printer();
    const bool range = target.printRange() == QPrinter::PageRange;
    const int first = range && target.fromPage() > 0 ? target.fromPage() : 1;
    const int last = range && target.toPage() > 0 ? target.toPage() : series.pageCount();
    if (first > series.pageCount())
        return;
    if (!series.printTo(target, first, last)) {
        const QString file = target.outputFileName();
        warn(file.isEmpty() ? tr("Could not print on %1.").arg(target.printerName())
                            : tr("Could not open file %1").arg(QDir::toNativeSeparators(file)));
    }
}

void PrintJobs::warn(const QString& text)
{
    m_services.prompter->message(text, Prompter::Icon::Exclamation);
}

int PrintJobs::runDialog(QDialog& dialog)
{
    return m_runDialog ? m_runDialog(dialog) : dialog.exec();
}

} // namespace brainlark
