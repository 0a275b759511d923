#include "services/qtscheduler.h"

#include <QTimer>

namespace brainlark
{

QtScheduler::~QtScheduler()
{
    qDeleteAll(m_pending);
}

Scheduler::Id QtScheduler::after(int ms, Purpose, std::function<void()> callback)
{
    const Id id = ++m_next;
    auto* timer = new QTimer;
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, this, [this, id, callback = std::move(callback)] {
        // Spent before the call, which may schedule or cancel anything; the timer goes once the call is over.
        if (QTimer* spent = m_pending.take(id))
            spent->deleteLater();
        callback();
    });
    m_pending.insert(id, timer);
    timer->start(ms > 0 ? ms : 0);
    return id;
}

void QtScheduler::cancel(Id id)
{
    if (QTimer* timer = m_pending.take(id)) {
        timer->stop();
        timer->deleteLater();
    }
}

} // namespace brainlark
