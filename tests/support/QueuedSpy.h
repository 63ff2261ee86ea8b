#pragma once

#include <QEventLoop>
#include <QList>
#include <QObject>
#include <QVariant>

#include <type_traits>

#include "BrvTest.h"

namespace BrvTest {

// Records a signal that another thread emits, as QSignalSpy does, but takes each emission
// queued on the spy's own thread, as the program's pages take a worker's signals. QSignalSpy
// runs on the emitting thread and shares its list and its waiting flag with the test's
// thread unguarded: a wake-up can be lost, and the thread sanitizer rightly says so.
class QueuedSpy : public QObject, public QList<QList<QVariant>>
{
public:
    template <typename Sender, typename... Args>
    QueuedSpy(const Sender *sender, void (Sender::*signal)(Args...))
    {
        connect(sender, signal, this,
                [this](Args... args) {
                    append(QList<QVariant>{
                        QVariant::fromValue(std::decay_t<Args>(args))...});
                    m_loop.quit();
                },
                Qt::QueuedConnection);
    }

    // Runs this thread's events until one more emission has arrived, at most timeoutMs;
    // true when it came.
    bool wait(int timeoutMs = BrvTest::kEventTimeoutMs);

private:
    QEventLoop m_loop;
};

} // namespace BrvTest
