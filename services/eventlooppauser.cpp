#include "services/eventlooppauser.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace brainlark
{

void EventLoopPauser::pause(int ms)
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (ms <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace brainlark
