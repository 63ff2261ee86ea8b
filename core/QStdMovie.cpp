#include "QStdMovie.h"

#include <QMovie>
#include <QThread>

QStdMovie::QStdMovie() = default;

QStdMovie::~QStdMovie() = default;

bool QStdMovie::open(const QString &path, const QByteArray &format)
{
    m_movie = std::make_unique<QMovie>();
    m_movie->setFileName(path);
    m_movie->setFormat(format);
    m_movie->jumpToFrame(0);
    return true;
}

void QStdMovie::moveToThread(QThread *thread)
{
    if (m_movie)
        m_movie->moveToThread(thread);
}

QThread *QStdMovie::thread() const
{
    return m_movie ? m_movie->thread() : nullptr;
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
    if (m_movie->jumpToFrame(frameNumber) && m_movie->currentFrameNumber() == frameNumber)
        return true;
    return rewindTo(frameNumber);
}

bool QStdMovie::rewindTo(int frameNumber)
{
    // The GIF and WebP readers cannot seek: start again from the first frame (QMovie reopens
    // the file for that) and step forward, one decoded frame at a time.
    if (m_movie->currentFrameNumber() > frameNumber || m_movie->currentFrameNumber() < 0) {
        if (!m_movie->jumpToFrame(0) || m_movie->currentFrameNumber() != 0)
            return false;
    }
    // Each step must move on by one; a reader that wraps or stalls ends the walk.
    while (m_movie->currentFrameNumber() < frameNumber) {
        const int before = m_movie->currentFrameNumber();
        if (!m_movie->jumpToNextFrame() || m_movie->currentFrameNumber() != before + 1)
            return false;
    }
    return m_movie->currentFrameNumber() == frameNumber;
}

int QStdMovie::currentFrameNumber() const
{
    return isValid() ? m_movie->currentFrameNumber() : 0;
}

int QStdMovie::nextFrameDelay() const
{
    return isValid() ? m_movie->nextFrameDelay() : 100;
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
    // QMovie can answer true without having read a frame, and starts again from frame 0 when
    // the next one fails to decode, so the frame number decides: only a step from the last
    // frame may land on the first.
    const int before = m_movie->currentFrameNumber();
    const int count = m_movie->frameCount();
    const bool fromLast = count > 0 ? before == count - 1 : before > 0;
    if (m_movie->jumpToNextFrame()) {
        const int now = m_movie->currentFrameNumber();
        if (now == before + 1 || (now == 0 && fromLast))
            return true;
    }
    // A file that asks to be played once stops QMovie at its last frame; this source loops.
    if (count > 0 && before == count - 1)
        return jumpToFrame(0);
    // A failed step leaves the source on the frame it showed.
    if (m_movie->currentFrameNumber() != before && before >= 0)
        rewindTo(before);
    return false;
}

QString QStdMovie::lastErrorString() const
{
    return isValid() ? m_movie->lastErrorString() : QString();
}
