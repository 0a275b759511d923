#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "services/services.h"

class QDialog;
class QPrinter;
class QWidget;

namespace brainlark
{

class AppSettings;
class ListDocument;
class PageSeries;

/// The print commands of the quiz screen: flashcards to cut out, and the plain list through Print, Print
/// Direct, Print Preview and Print Setup. One printer holds the learner's choices for the whole run.
class PrintJobs : public QObject
{
    Q_OBJECT
public:
    PrintJobs(ListDocument& doc, AppSettings& settings, const Services& services, QWidget* dialogParent);
    ~PrintJobs() override;

    /// Runs the print, page setup and preview dialogs; tests replace it to accept them without a screen.
    void setDialogRunner(std::function<int(QDialog&)> runner) { m_runDialog = std::move(runner); }
    /// The printer every job prints on (made on first use).
    QPrinter& printer();

    /// The flashcard guide with its page estimate, then the print dialog and the cards.
    void printFlashcards();
    /// The print dialog, then the plain list.
    void print();
    /// The plain list on the current printer, without asking.
    void printDirect();
    void printPreview();
    void printSetup();

    /// The card picture of the program folder.
    QString cardPicturePath() const;

private:
    std::unique_ptr<PageSeries> listPages();
    bool runPrintDialog();
    /// Prints the pages the print dialog asked for; tells the learner when the printer refused.
    void printSeries(const PageSeries& series);
    void warn(const QString& text);
    int runDialog(QDialog& dialog);

    ListDocument& m_doc;
    AppSettings& m_settings;
    Services m_services;
    QWidget* m_dialogParent;
    std::unique_ptr<QPrinter> m_printer;
    std::function<int(QDialog&)> m_runDialog;
};

} // namespace brainlark
