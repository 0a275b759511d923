#include "app/hyperlinklabel.h"

#include <QApplication>
#include <QMouseEvent>

#include "settings/contrast.h"

namespace brainlark
{

namespace
{

struct ErrorText {
    int code;
    const char* text;
};

const ErrorText kErrors[] = {
    {0,
     QT_TRANSLATE_NOOP("brainlark::HyperlinkLabel", "The operating system is out\nof memory or resources.")},
    {2, QT_TRANSLATE_NOOP("brainlark::HyperlinkLabel", "The specified file was not found.")},
    {3, QT_TRANSLATE_NOOP("brainlark::HyperlinkLabel", "The specified path was not found.")},
    {5, QT_TRANSLATE_NOOP("brainlark::HyperlinkLabel",
                          "The operating system denied\naccess to the specified file.")},
    {8, QT_TRANSLATE_NOOP("brainlark::HyperlinkLabel",
                          "There was not enough memory to complete the operation.")},
    {11, QT_TRANSLATE_NOOP("brainlark::HyperlinkLabel",
                           "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).")},
    {26, QT_TRANSLATE_NOOP("brainlark::HyperlinkLabel", "A sharing violation occurred. ")},
    {27,
     QT_TRANSLATE_NOOP("brainlark::HyperlinkLabel", "The filename association is\nincomplete or invalid.")},
    {28, QT_TRANSLATE_NOOP("brainlark::HyperlinkLabel",
                           "The DDE transaction could not\nbe completed because the request timed out.")},
    {29, QT_TRANSLATE_NOOP("brainlark::HyperlinkLabel", "The DDE transaction failed.")},
    {30, QT_TRANSLATE_NOOP("brainlark::HyperlinkLabel", "The DDE transaction could not\nbe completed because "
                                                        "other DDE transactions\nwere being processed.")},
    {31, QT_TRANSLATE_NOOP("brainlark::HyperlinkLabel",
                           "There is no application associated\nwith the given filename extension.")},
    {32, QT_TRANSLATE_NOOP("brainlark::HyperlinkLabel", "The specified dynamic-link library was not found.")},
};

} // namespace

HyperlinkLabel::HyperlinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(this, &QLabel::linkActivated, this, &HyperlinkLabel::follow);
    updateLook();
}

void HyperlinkLabel::setAddress(const QString& address)
{
    m_address = address;
    if (text().isEmpty())
        setText(address);
    updateLook();
}

QString HyperlinkLabel::address() const
{
    return m_address.isEmpty() ? text() : m_address;
}

void HyperlinkLabel::setTipText(const QString& tip)
{
    m_tip = tip;
    updateLook();
}

QString HyperlinkLabel::tipText() const
{
    return m_tip.isEmpty() ? address() : m_tip;
}

QColor HyperlinkLabel::textColor() const
{
    return QColor::fromRgb(m_hovering ? HoverColor : m_visited ? VisitedColor : LinkColor);
}

QString HyperlinkLabel::errorText(int code)
{
    for (const ErrorText& e : kErrors) {
        if (e.code == code)
            return tr(e.text);
    }
    return tr("Unknown Error (%1) occurred.").arg(code);
}

QString HyperlinkLabel::failureMessage(int code)
{
    return tr("Unable to open hyperlink:\n\n%1").arg(errorText(code));
}

void HyperlinkLabel::follow()
{
    setHovering(false);
    if (m_opener && m_opener(address())) {
        m_visited = true;
        updateLook();
        return;
    }
    QApplication::beep();
    if (m_report)
        m_report(failureMessage(NoAssociationError));
}

void HyperlinkLabel::enterEvent(QEnterEvent* event)
{
    setHovering(true);
    QLabel::enterEvent(event);
}

void HyperlinkLabel::leaveEvent(QEvent* event)
{
    setHovering(false);
    QLabel::leaveEvent(event);
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit linkActivated(address());
    QLabel::mouseReleaseEvent(event);
}

void HyperlinkLabel::setHovering(bool hovering)
{
    if (m_hovering == hovering)
        return;
    m_hovering = hovering;
    updateLook();
}

void HyperlinkLabel::updateLook()
{
    // A style sheet of the label's own, so that a skin on the window cannot recolour the link.
    // (The selector keeps the colours off the tooltip, which takes the label's style sheet too.)
    setStyleSheet(QStringLiteral("brainlark--HyperlinkLabel { color: %1; background-color: palette(button); "
                                 "text-decoration: %2; }")
                      .arg(Contrast::readableOn(palette().color(QPalette::Button), textColor()).name(),
                           m_hovering ? QStringLiteral("underline") : QStringLiteral("none")));
    setToolTip(tipText());
    adjustSize();
}

} // namespace brainlark
