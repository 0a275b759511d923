#include "services/inputgate.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcutEvent>
#include <QWidget>

namespace brainlark
{

InputGate& InputGate::instance()
{
    static InputGate gate;
    return gate;
}

bool InputGate::isClosed()
{
    return instance().m_depth > 0;
}

bool InputGate::isBlockedInput(const QEvent& event)
{
    switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride: {
        // Escape stops what plays; the quit key ends the program, which waits for the sequence itself.
        const auto& key = static_cast<const QKeyEvent&>(event);
        return key.key() != Qt::Key_Escape && QKeySequence(key.keyCombination()) != quitKey();
    }
    case QEvent::Shortcut:
        return static_cast<const QShortcutEvent&>(event).key() != quitKey();
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

bool InputGate::passesGate(QObject* watched, const QEvent& event)
{
    if (event.type() != QEvent::MouseButtonPress && event.type() != QEvent::MouseButtonRelease)
        return false;
    QWidget* target = qobject_cast<QWidget*>(watched);
    if (!target)
        target = QApplication::widgetAt(static_cast<const QMouseEvent&>(event).globalPosition().toPoint());
    return target && target->property(PassesProperty).toBool();
}

bool InputGate::eventFilter(QObject* watched, QEvent* event)
{
    if (m_depth > 0 && isBlockedInput(*event) && !passesGate(watched, *event))
        return true;
    return QObject::eventFilter(watched, event);
}

void InputGate::close()
{
    if (!m_installed && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->installEventFilter(this);
        m_installed = true;
    }
    ++m_depth;
}

void InputGate::open()
{
    if (m_depth == 1 && QCoreApplication::instance() != nullptr) {
        // Input queued while the last step ran is still waiting for the event loop: let it arrive while
        // the gate is closed, so it is dropped rather than answering what comes next.
        QCoreApplication::processEvents();
    }
    if (--m_depth == 0)
        emit opened();
}

InputGate::Closed::Closed()
{
    instance().close();
}

InputGate::Closed::~Closed()
{
    instance().open();
}

} // namespace brainlark
