#pragma once

#include <QString>

#include <memory>

#include "FrameCache.h"
#include "PlaybackClock.h"

class QMovieProxy;

// The animation the image view plays: its frame source, the frame on screen, the frames kept
// for stepping back, and the clock that paces them. It brings the source to any frame; the view
// shows what it gets.
class AnimationFrames
{
public:
    AnimationFrames();
    ~AnimationFrames();

    // Frame 0 of a source that is valid and has one to show; false, and nothing taken, else.
    static bool firstFrame(QMovieProxy *movie, FrameCache::Frame *first);
    // Takes movie, standing on its frame 0, which is first.
    void open(std::unique_ptr<QMovieProxy> movie, const FrameCache::Frame &first);
    // Deletes the source and forgets its frames.
    void close();

    bool isOpen() const { return m_movie != nullptr; }
    int count() const { return m_count; }
    int current() const { return m_current; }
    void setCurrent(int frame) { m_current = frame; }
    QString lastErrorString() const;

    // The delay frame plays with, as far as it is known.
    int delayOf(int frame) const;
    // Brings the source to frame, or takes the frame from the cache. On failure reached is the
    // frame the source stands on, and fetched holds its pixels when it has any.
    bool fetch(int frame, FrameCache::Frame *fetched, int *reached);

    FrameCache &cache() { return m_cache; }
    const FrameCache &cache() const { return m_cache; }
    PlaybackClock &clock() { return m_clock; }

private:
    std::unique_ptr<QMovieProxy> m_movie;
    int m_current = 0;
    int m_count = 0;
    FrameCache m_cache;
    PlaybackClock m_clock;
};
