#pragma once

#include <QWidget>

namespace brainlark
{

/// Stands in the frame's client area until the quiz screen is plugged in with MainWindow::setQuizView:
/// shows the open list's title and what the learner can do next.
class QuizPlaceholder : public QWidget
{
    Q_OBJECT
public:
    explicit QuizPlaceholder(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    void setHint(const QString& hint);
    QString title() const { return m_title; }
    QString hint() const { return m_hint; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
    QString m_hint;
};

} // namespace brainlark
