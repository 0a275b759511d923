#pragma once

#include <QLabel>
#include <functional>

namespace brainlark
{

/// A text that behaves as a web link: link blue, purple once visited, orange and underlined while the
/// mouse is over it, a hand cursor and a tooltip. A click opens the address; when no program takes it,
/// the label beeps and reports "Unable to open hyperlink:" with the reason.
class HyperlinkLabel : public QLabel
{
    Q_OBJECT
public:
    static constexpr QRgb LinkColor = 0xFF0000EE;    // (0, 0, 238)
    static constexpr QRgb VisitedColor = 0xFF551A8B; // (85, 26, 139)
    static constexpr QRgb HoverColor = 0xFFFF6600;   // (255, 102, 0)
    /// The classic code for "no program for this kind of address", which is what a failed desktop open
    /// means here.
    static constexpr int NoAssociationError = 31;

    explicit HyperlinkLabel(const QString& text, QWidget* parent = nullptr);

    /// The address to open; empty means the label's text.
    void setAddress(const QString& address);
    QString address() const;
    /// The tooltip; empty means the address.
    void setTipText(const QString& tip);
    QString tipText() const;
    /// Opens an address; returns false when no program took it.
    void setOpener(std::function<bool(const QString&)> opener) { m_opener = std::move(opener); }
    /// Shows a failure message (with the exclamation icon).
    void setFailureReporter(std::function<void(const QString&)> report) { m_report = std::move(report); }

    bool isVisited() const { return m_visited; }
    bool isHovering() const { return m_hovering; }
    /// The colour the text is drawn in now.
    QColor textColor() const;

    /// "Unable to open hyperlink:\n\n" and the reason for a classic open error code.
    static QString failureMessage(int code);
    static QString errorText(int code);

public slots:
    /// Opens the address as a click does.
    void follow();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setHovering(bool hovering);
    void updateLook();

    QString m_address;
    QString m_tip;
    std::function<bool(const QString&)> m_opener;
    std::function<void(const QString&)> m_report;
    bool m_visited = false;
    bool m_hovering = false;
};

} // namespace brainlark
