#include "app/helpwindow.h"

#include "app/hyperlinklabel.h"
#include "core/filereader.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace brainlark
{

namespace
{

/// Reads the pages and their pictures as every file of the program is read: regular files only, never
/// blocking, and of a sane size.
class HelpBrowser : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;
    static constexpr size_t MaxPageBytes = 8 * 1024 * 1024;

    QVariant loadResource(int type, const QUrl& name) override
    {
        const QUrl url = source().resolved(name);
        if (!url.isLocalFile())
            return {};
        std::string bytes;
        if (!FileReader::read(QFile::encodeName(url.toLocalFile()).toStdString(), bytes, nullptr,
                              MaxPageBytes))
            return {};
        if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
            return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
        return QByteArray::fromStdString(bytes);
    }
};

QToolButton* toolButton(const QString& text, const QString& tip, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

} // namespace

HelpWindow::HelpWindow(std::function<bool(const QString&)> opener, std::function<void(const QString&)> report,
                       QWidget* parent)
    : QDialog(parent), m_opener(std::move(opener)), m_report(std::move(report))
{
    setWindowTitle(tr("Brainlark Help"));
    setModal(false);
    m_browser = new HelpBrowser(this);
    m_browser->setObjectName("helpText");
    // Every link comes through follow(): pages of the help stay here, web addresses go to the browser.
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::follow);

    m_back = toolButton(tr("< &Back"), tr("Back (Alt+Left)"), this);
    m_back->setObjectName("helpBack");
    m_forward = toolButton(tr("&Forward >"), tr("Forward (Alt+Right)"), this);
    m_forward->setObjectName("helpForward");
    QToolButton* home = toolButton(tr("&Contents"), tr("The start of the help"), this);
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(home, &QToolButton::clicked, this, [this] { showPage(m_home); });
    connect(m_browser, &QTextBrowser::historyChanged, this, &HelpWindow::updateButtons);

    m_find = new QLineEdit(this);
    m_find->setObjectName("helpFind");
    m_find->setPlaceholderText(tr("Find (Ctrl+F)"));
    m_find->setClearButtonEnabled(true);
    for (QToolButton* clear : m_find->findChildren<QToolButton*>())
        clear->setAccessibleName(tr("Clear"));
    auto* findLabel = new QLabel(tr("F&ind:"), this);
    findLabel->setBuddy(m_find);
    m_findState = new QLabel(this);
    m_findState->setObjectName("helpFindState");
    connect(m_find, &QLineEdit::returnPressed, this, [this] { findNext(); });
    connect(m_find, &QLineEdit::textEdited, this, [this] { m_findState->clear(); });
    auto* findShortcut = new QShortcut(QKeySequence::Find, this);
    connect(findShortcut, &QShortcut::activated, this, [this] {
        m_find->setFocus();
        m_find->selectAll();
    });
    connect(new QShortcut(QKeySequence::FindNext, this), &QShortcut::activated, this, [this] { findNext(); });
    connect(new QShortcut(QKeySequence::FindPrevious, this), &QShortcut::activated, this,
            [this] { findNext(true); });

    auto* bar = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{m_back, m_forward, home})
        bar->addWidget(widget);
    bar->addStretch();
    bar->addWidget(findLabel);
    bar->addWidget(m_find);
    bar->addWidget(m_findState);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_browser);
    resize(760, 620);
    updateButtons();
}

void HelpWindow::showPage(const QUrl& url)
{
    if (m_home.isEmpty())
        m_home = url.adjusted(QUrl::RemoveFragment);
    if (url.isLocalFile() && !QFileInfo(url.toLocalFile()).isFile()) {
        m_browser->setHtml(tr("<h2>The help pages are missing</h2><p>Brainlark looked for them in %1.</p>")
                               .arg(url.toLocalFile().toHtmlEscaped()));
        return;
    }
    m_browser->setSource(url);
    // The same page at another topic only scrolls.
    if (!url.fragment().isEmpty())
        m_browser->scrollToAnchor(url.fragment());
}

QUrl HelpWindow::page() const
{
    return m_browser->source();
}

void HelpWindow::follow(const QUrl& url)
{
    const QUrl target = m_browser->source().resolved(url);
    if (target.isLocalFile() || target.scheme().isEmpty()) {
        showPage(target);
        return;
    }
    // The same message as every other link of the program that no browser takes.
    if (m_opener && !m_opener(target.toString()) && m_report)
        m_report(HyperlinkLabel::failureMessage(HyperlinkLabel::NoAssociationError));
}

bool HelpWindow::findNext(bool backwards)
{
    const QString text = m_find->text();
    if (text.isEmpty())
        return false;
    const QTextDocument::FindFlags flags =
        backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    bool found = m_browser->find(text, flags);
    if (!found) {
        // Round the page: from the other end once more.
        QTextCursor cursor = m_browser->textCursor();
        cursor.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
        m_browser->setTextCursor(cursor);
        found = m_browser->find(text, flags);
    }
    m_findState->setText(found ? QString() : tr("Not found"));
    return found;
}

void HelpWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape in the find field leaves the search; elsewhere it closes the window as dialogs do.
    if (event->key() == Qt::Key_Escape && m_find->hasFocus() && !m_find->text().isEmpty()) {
        m_find->clear();
        m_findState->clear();
        m_browser->setFocus();
        return;
    }
    if (event->modifiers() == Qt::AltModifier && event->key() == Qt::Key_Left) {
        m_browser->backward();
        return;
    }
    if (event->modifiers() == Qt::AltModifier && event->key() == Qt::Key_Right) {
        m_browser->forward();
        return;
    }
    QDialog::keyPressEvent(event);
}

void HelpWindow::updateButtons()
{
    m_back->setEnabled(m_browser->isBackwardAvailable());
    m_forward->setEnabled(m_browser->isForwardAvailable());
}

} // namespace brainlark
