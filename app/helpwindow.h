#pragma once

#include <QDialog>
#include <QUrl>
#include <functional>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;

namespace brainlark
{

/// The program's own help pages in a window of the program: the page with its links and topics, Back,
/// Forward and Contents, and Find. It needs no browser, so help works on every machine; links to the web
/// go to the desktop's browser through the opener.
class HelpWindow : public QDialog
{
    Q_OBJECT
public:
    /// opener: opens a web address, false when no program took it; report: shows a failure message.
    HelpWindow(std::function<bool(const QString&)> opener, std::function<void(const QString&)> report,
               QWidget* parent = nullptr);

    /// Shows the page at url (a local file, its fragment the topic). A missing file is said in the window.
    void showPage(const QUrl& url);
    QUrl page() const;
    QTextBrowser* browser() const { return m_browser; }

    /// Finds the text of the find field after (or before) the cursor, round the page; false when the page
    /// does not hold it.
    bool findNext(bool backwards = false);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void follow(const QUrl& url);
    void updateButtons();

    std::function<bool(const QString&)> m_opener;
    std::function<void(const QString&)> m_report;
    QTextBrowser* m_browser = nullptr;
    QLineEdit* m_find = nullptr;
    QLabel* m_findState = nullptr;
    QToolButton* m_back = nullptr;
    QToolButton* m_forward = nullptr;
    QUrl m_home;
};

} // namespace brainlark
