#pragma once

#include <QVector>
#include <QtGlobal>

#include <functional>

// Keeps an animation's pace: how long each frame plays, and when the next one is due. Frames
// are armed against their due time, so the time spent decoding and showing one is not added
// to its delay; a frame later than a tenth of a second is not caught up with.
class PlaybackClock
{
public:
    // Milliseconds from any fixed start; a steady clock when none is given.
    using TimeSource = std::function<qint64()>;

    explicit PlaybackClock(TimeSource now = {});

    // The delay a frame plays with: frames that ask for 10 ms or less play for 100 ms, as GIF
    // readers have always shown them.
    static int playedDelay(int ownDelay);

    // Starts a new animation of that many frames, with no delay known yet.
    void setFrameCount(int frames);
    // A delay read for frame. A frame slow to decode once reads as long as its decoding, so the
    // shortest reading is the frame's own.
    void noteDelay(int frame, int delay);
    // The frame's delay as read so far; -1 before it was read.
    int knownDelay(int frame) const;

    // The frame on screen is due to go delay ms from now; gives the time to wait.
    int start(int delay);
    // The frame now shown plays for delay ms after the last one was due; gives the time to
    // wait, never below zero.
    int next(int delay);

private:
    TimeSource m_now;
    QVector<int> m_delays;
    qint64 m_due = 0;
};
