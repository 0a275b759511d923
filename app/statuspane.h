#pragma once

#include <QLabel>

namespace brainlark
{

/// A pane of the status bar, of a fixed width: a text too long for it is shortened in the middle, so that
/// its start and its end (a number with its unit, such as "recall chance 71 %") still show. text() keeps
/// the whole text.
class StatusPane : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;
    /// The text as the pane draws it.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textArea() const;
};

} // namespace brainlark
