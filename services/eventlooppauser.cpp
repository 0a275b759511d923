#include "services/eventlooppauser.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "services/inputgate.h"

namespace brainlark
{

// Input that arrives during the pause is dropped by the gate rather than held back: held-back input would
// be delivered as soon as the sequence ends and answer the next question unseen.
void EventLoopPauser::pause(int ms)
{
    const InputGate::Closed closed;
    QCoreApplication::processEvents();
    if (ms <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace brainlark
