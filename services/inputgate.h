#pragma once

#include <QKeySequence>
#include <QObject>

namespace brainlark
{

/// Keeps the learner's clicks and keys from reaching the program while a feedback sequence, a transition
/// or an animation plays. Input that arrives meanwhile is dropped, not delayed: delayed input would answer
/// the question that follows before the learner has seen it. Everything that is not input passes (painting,
/// timers, closing the window, drag and drop, which the main window defers itself), and so does Escape,
/// which stops an automatic answer, and clicks on a widget marked with PassesProperty.
///
/// Closed scopes nest; when the last one ends, the input still queued is dropped and opened() is emitted.
class InputGate : public QObject
{
    Q_OBJECT
public:
    /// Closes the gate for its lifetime.
    class Closed
    {
    public:
        Closed();
        ~Closed();
        Closed(const Closed&) = delete;
        Closed& operator=(const Closed&) = delete;
    };

    static InputGate& instance();
    static bool isClosed();
    /// True for the events the gate drops.
    static bool isBlockedInput(const QEvent& event);
    /// A widget with this property set to true takes clicks while the gate is closed: a control that stops
    /// what is playing (the slideshow's stop button), which would otherwise only work between two pauses.
    static constexpr const char* PassesProperty = "passesInputGate";
    /// The key that quits the program passes too: closing waits for the end of what plays by itself.
    static QKeySequence quitKey() { return QKeySequence(Qt::CTRL | Qt::Key_Q); }
    /// True for a click aimed at such a widget (watched itself, or the widget under the pointer when the
    /// click is still on its way through the window).
    static bool passesGate(QObject* watched, const QEvent& event);

signals:
    /// The last closed scope ended: deferred work (a dropped file, closing the window) may run now.
    void opened();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    InputGate() = default;
    void close();
    void open();

    int m_depth = 0;
    bool m_installed = false;
};

} // namespace brainlark
