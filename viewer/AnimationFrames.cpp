#include "AnimationFrames.h"

#include "documents/QMovieProxy.h"

AnimationFrames::AnimationFrames() = default;

AnimationFrames::~AnimationFrames() = default;

bool AnimationFrames::firstFrame(QMovieProxy *movie, FrameCache::Frame *first)
{
    if (!movie || !movie->isValid() || movie->frameCount() < 1)
        return false;
    movie->jumpToFrame(0);
    if (movie->currentFrameNumber() != 0)
        return false;
    *first = FrameCache::Frame{movie->currentPixmap(),
                               PlaybackClock::playedDelay(movie->nextFrameDelay())};
    return !first->pixmap.isNull();
}

void AnimationFrames::open(std::unique_ptr<QMovieProxy> movie, const FrameCache::Frame &first)
{
    m_movie = std::move(movie);
    m_count = m_movie->frameCount();
    m_clock.setFrameCount(m_count);
    m_current = 0;
    m_clock.noteDelay(0, first.delay);
    m_cache.insert(0, first);
}

void AnimationFrames::close()
{
    m_movie.reset();
    m_current = 0;
    m_count = 0;
    m_clock.setFrameCount(0);
    m_cache.clear();
}

QString AnimationFrames::lastErrorString() const
{
    return m_movie ? m_movie->lastErrorString() : QString();
}

int AnimationFrames::delayOf(int frame) const
{
    if (m_clock.knownDelay(frame) >= 0)
        return m_clock.knownDelay(frame);
    if (const FrameCache::Frame *cached = m_cache.find(frame))
        return cached->delay;
    return PlaybackClock::playedDelay(m_movie ? m_movie->nextFrameDelay() : 0);
}

bool AnimationFrames::fetch(int frame, FrameCache::Frame *fetched, int *reached)
{
    if (const FrameCache::Frame *cached = m_cache.find(frame)) {
        *fetched = *cached;
        if (m_clock.knownDelay(frame) >= 0)
            fetched->delay = m_clock.knownDelay(frame);
        *reached = frame;
        return true;
    }

    // The readers only step forward: an earlier frame means starting again from the first.
    int current = m_movie->currentFrameNumber();
    if (current > frame || current < 0) {
        m_movie->jumpToFrame(0);
        current = m_movie->currentFrameNumber();
    }
    // A source that claims to step without moving must not hold the interface for ever.
    bool ok = true;
    for (int steps = 0; current != frame; ++steps) {
        if (steps >= m_count || !m_movie->jumpToNextFrame()) {
            ok = false;
            break;
        }
        current = m_movie->currentFrameNumber();
    }

    *reached = current;
    fetched->pixmap = m_movie->currentPixmap();
    fetched->delay = PlaybackClock::playedDelay(m_movie->nextFrameDelay());
    // Frames from the cache play with the shortest reading of their delay.
    if (ok)
        m_clock.noteDelay(current, fetched->delay);
    if (ok && !fetched->pixmap.isNull())
        m_cache.insert(current, *fetched);
    return ok;
}
