#include "app/aboutdialog.h"

#include <QBasicTimer>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTimerEvent>
#include <QVBoxLayout>

#include "app/hyperlinklabel.h"
#include "app/listdocument.h"

namespace brainlark
{

namespace
{

// The feature list rolls upwards without end, dark blue Verdana on the button face.
class FeatureScroller : public QWidget
{
public:
    explicit FeatureScroller(QWidget* parent) : QWidget(parent)
    {
        setMinimumSize(360, 160);
        setObjectName("featureScroller");
        m_font = QFont(QStringLiteral("Verdana"));
        m_font.setPixelSize(12);
        m_timer.start(40, this);
    }

protected:
    void timerEvent(QTimerEvent* event) override
    {
        if (event->timerId() != m_timer.timerId())
            return;
        ++m_offset;
        update();
    }
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Button));
        painter.setFont(m_font);
        painter.setPen(QColor(0, 0, 139));
        const QRect area(8, 0, width() - 16, 10000);
        const QRect text = painter.boundingRect(
            area, Qt::TextWordWrap,
            QCoreApplication::translate("brainlark::AboutDialog", AboutDialog::FeatureList));
        const int cycle = height() + text.height();
        const int y = height() - m_offset % cycle;
        painter.drawText(area.translated(0, y), Qt::TextWordWrap,
                         QCoreApplication::translate("brainlark::AboutDialog", AboutDialog::FeatureList));
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    QBasicTimer m_timer;
    QFont m_font;
    int m_offset = 0;
};

} // namespace

AboutDialog::AboutDialog(std::function<bool(const QString&)> openUrl,
                         std::function<void(const QString&)> reportFailure, std::function<void()> closed,
                         QWidget* parent)
    : QDialog(parent), m_closed(std::move(closed))
{
    setWindowTitle(tr("About Brainlark"));
    auto* icon = new QLabel;
    icon->setPixmap(QPixmap(QStringLiteral(":/icons/brainlark.png"))
                        .scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    auto* title = new QLabel(tr("Brainlark Version 4.0"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    const QString site = QLatin1String(ListDocument::VendorSite);
    m_link = new HyperlinkLabel(site);
    m_link->setObjectName("vendorLink");
    m_link->setAddress(QStringLiteral("http://") + site);
    m_link->setTipText(tr("Visit us on the Web!"));
    m_link->setOpener(std::move(openUrl));
    m_link->setFailureReporter(std::move(reportFailure));

    m_version = new QLineEdit;
    m_version->setReadOnly(true);
    m_version->setAccessibleName(tr("Version"));
    m_version->setFrame(false);
    m_version->setFocusPolicy(Qt::NoFocus);
    // Its own style sheet: a skin's look for text fields must not put a white box here.
    m_version->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; border: none; }"));
    QPalette plain = m_version->palette();
    plain.setColor(QPalette::Base, plain.color(QPalette::Window));
    m_version->setPalette(plain);

    auto* heading = new QVBoxLayout;
    heading->addWidget(title);
    heading->addWidget(m_link);
    heading->addWidget(m_version);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(heading, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 0);
    layout->addWidget(new FeatureScroller(this), 1);
    resize(420, 330);
    layout->addWidget(buttons);
}

void AboutDialog::keyPressEvent(QKeyEvent* event)
{
    // The hidden version query: any key whose name begins with B. A Linux program file carries no
    // version resource, so the answer is always "n/a".
    if (QKeySequence(event->key()).toString().startsWith(QLatin1Char('B'))) {
        m_version->setText(QStringLiteral("n/a"));
        return;
    }
    QDialog::keyPressEvent(event);
}

void AboutDialog::done(int result)
{
    QDialog::done(result);
    if (m_closed)
        m_closed();
}

} // namespace brainlark
