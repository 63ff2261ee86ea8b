#include "PlaybackClock.h"

#include <QElapsedTimer>

#include <algorithm>
#include <memory>

namespace {

constexpr int kShortestDelayMs = 10;
constexpr int kShortDelayPlayedMs = 100;
// A frame later than this is not caught up with: playback goes on from now.
constexpr qint64 kMaxLagMs = 100;

} // namespace

PlaybackClock::PlaybackClock(TimeSource now)
    : m_now(std::move(now))
{
    if (!m_now) {
        auto clock = std::make_shared<QElapsedTimer>();
        clock->start();
        m_now = [clock] { return clock->elapsed(); };
    }
}

int PlaybackClock::playedDelay(int ownDelay)
{
    return ownDelay <= kShortestDelayMs ? kShortDelayPlayedMs : ownDelay;
}

void PlaybackClock::setFrameCount(int frames)
{
    m_delays.fill(-1, std::max(0, frames));
}

void PlaybackClock::noteDelay(int frame, int delay)
{
    if (frame < 0 || frame >= m_delays.size())
        return;
    int &known = m_delays[frame];
    known = known < 0 ? delay : std::min(known, delay);
}

int PlaybackClock::knownDelay(int frame) const
{
    return m_delays.value(frame, -1);
}

int PlaybackClock::start(int delay)
{
    m_due = m_now() + delay;
    return delay;
}

int PlaybackClock::next(int delay)
{
    const qint64 now = m_now();
    m_due += delay;
    if (m_due < now - kMaxLagMs)
        m_due = now;
    return int(std::max<qint64>(0, m_due - now));
}
