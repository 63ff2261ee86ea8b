#include "documents/QStdMovie.h"

#include <QElapsedTimer>
#include <QMovie>

#include <algorithm>

namespace {

// QMovie rounds the decoding time down to the millisecond; measured from outside, a step
// takes a little longer than QMovie saw, so the same rounding starts a little earlier.
constexpr qint64 kStepOverheadNs = 100000;

} // namespace

QStdMovie::QStdMovie() = default;

QStdMovie::~QStdMovie() = default;

bool QStdMovie::open(const QString &path, const QByteArray &format)
{
    m_movie = std::make_unique<QMovie>();
    m_movie->setFileName(path);
    m_movie->setFormat(format);
    m_decodeMs = 0;
    // Asking loads the format's plug-in, which is no part of decoding the first frame.
    m_movie->isValid();
    timedStep([this] { return m_movie->jumpToFrame(0); });
    return true;
}

QObject *QStdMovie::threadObject() const
{
    return m_movie.get();
}

QRect QStdMovie::frameRect() const
{
    return isValid() ? m_movie->frameRect() : QRect();
}

QImage QStdMovie::currentImage()
{
    return isValid() ? m_movie->currentImage() : QImage();
}

QPixmap QStdMovie::currentPixmap()
{
    return isValid() ? m_movie->currentPixmap() : QPixmap();
}

bool QStdMovie::jumpToFrame(int frameNumber)
{
    if (!isValid() || frameNumber < 0)
        return false;
    // Asked past the end, QMovie would wrap round to the first frame.
    const int count = m_movie->frameCount();
    if (count > 0 && frameNumber >= count)
        return false;
    if (timedStep([this, frameNumber] { return m_movie->jumpToFrame(frameNumber); })
        && m_movie->currentFrameNumber() == frameNumber)
        return true;
    return rewindTo(frameNumber);
}

bool QStdMovie::rewindTo(int frameNumber)
{
    // The GIF and WebP readers cannot seek: start again from the first frame (QMovie reopens
    // the file for that) and step forward, one decoded frame at a time.
    if (m_movie->currentFrameNumber() > frameNumber || m_movie->currentFrameNumber() < 0) {
        if (!timedStep([this] { return m_movie->jumpToFrame(0); })
            || m_movie->currentFrameNumber() != 0)
            return false;
    }
    // Each step must move on by one; a reader that wraps or stalls ends the walk.
    while (m_movie->currentFrameNumber() < frameNumber) {
        const int before = m_movie->currentFrameNumber();
        if (!timedStep([this] { return m_movie->jumpToNextFrame(); })
            || m_movie->currentFrameNumber() != before + 1)
            return false;
    }
    return m_movie->currentFrameNumber() == frameNumber;
}

int QStdMovie::currentFrameNumber() const
{
    return isValid() ? m_movie->currentFrameNumber() : 0;
}

template <typename Step>
bool QStdMovie::timedStep(Step step)
{
    const int before = m_movie->currentFrameNumber();
    QElapsedTimer timer;
    timer.start();
    const bool moved = step();
    const qint64 elapsedNs = timer.nsecsElapsed();
    // A step that stays where it is decodes nothing.
    if (m_movie->currentFrameNumber() != before)
        m_decodeMs = int(std::max<qint64>(0, elapsedNs - kStepOverheadNs) / 1000000);
    return moved;
}

int QStdMovie::nextFrameDelay() const
{
    // QMovie hands out what is left of the delay once the frame is decoded, so a frame that was
    // slow to decode, the first one above all, would be cut short.
    return isValid() ? m_movie->nextFrameDelay() + m_decodeMs : 100;
}

int QStdMovie::loopCount() const
{
    return isValid() ? -1 : 0;
}

int QStdMovie::frameCount() const
{
    return isValid() ? m_movie->frameCount() : 0;
}

bool QStdMovie::isValid() const
{
    return m_movie != nullptr;
}

bool QStdMovie::jumpToNextFrame()
{
    if (!isValid())
        return false;
    // From the last frame this source starts again, whatever the file asks for; going there
    // straight keeps QMovie's search for a next frame out of the first frame's decoding time.
    const int before = m_movie->currentFrameNumber();
    const int count = m_movie->frameCount();
    if (count > 0 && before == count - 1)
        return jumpToFrame(0);
    // QMovie can answer true without having read a frame, and starts again from frame 0 when
    // the next one fails to decode, so the frame number decides: only a step from the last
    // frame may land on the first.
    const bool fromLast = count <= 0 && before > 0;
    if (timedStep([this] { return m_movie->jumpToNextFrame(); })) {
        const int now = m_movie->currentFrameNumber();
        if (now == before + 1 || (now == 0 && fromLast))
            return true;
    }
    // A failed step leaves the source on the frame it showed.
    if (m_movie->currentFrameNumber() != before && before >= 0)
        rewindTo(before);
    return false;
}

QString QStdMovie::lastErrorString() const
{
    return isValid() ? m_movie->lastErrorString() : QString();
}
