#pragma once

#include <QHash>
#include <QObject>

#include "services/scheduler.h"

class QTimer;

namespace brainlark
{

/// The real scheduler: one single-shot timer per pending call.
class QtScheduler : public QObject, public Scheduler
{
public:
    ~QtScheduler() override;
    Id after(int ms, Purpose purpose, std::function<void()> callback) override;
    void cancel(Id id) override;

private:
    QHash<Id, QTimer*> m_pending;
    Id m_next = 0;
};

} // namespace brainlark
