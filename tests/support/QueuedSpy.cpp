#include "QueuedSpy.h"

#include <QTimer>

namespace BrvTest {

bool QueuedSpy::wait(int timeoutMs)
{
    const int before = count();
    QTimer timer;
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &m_loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    while (count() == before && timer.isActive())
        m_loop.exec();
    return count() > before;
}

} // namespace BrvTest
