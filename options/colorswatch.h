#pragma once

#include <QColor>
#include <QWidget>

namespace brainlark
{

/// A rectangle filled with a colour; a click while it is active asks for a new colour (clicked()).
/// Inactive, it shows the colour without saturation, so the learner sees that it does not apply.
class ColorSwatch : public QWidget
{
    Q_OBJECT
public:
    explicit ColorSwatch(const QColor& color, QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    bool isActive() const { return m_active; }
    void setActive(bool active);
    /// The colour as painted now.
    QColor shownColor() const;

    QSize sizeHint() const override { return {48, 22}; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor m_color;
    bool m_active = true;
};

} // namespace brainlark
