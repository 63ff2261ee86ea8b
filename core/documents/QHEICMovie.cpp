#include "documents/QHEICMovie.h"

#include <QImageReader>

namespace {

constexpr int kFrameDelayMs = 100;

} // namespace

QHEICMovie::QHEICMovie() = default;

QHEICMovie::~QHEICMovie() = default;

bool QHEICMovie::open(const QString &path)
{
    m_valid = false;
    m_reader.reset();
    m_frameIndex = 0;
    m_image = QImage();
    m_imageIndex = -1;

    m_reader = std::make_unique<QImageReader>(path, QByteArray());
    if (!m_reader->canRead())
        return false;
    if (m_reader->imageCount() <= 0)
        return false;
    m_valid = true;
    return true;
}

QObject *QHEICMovie::threadObject() const
{
    return m_reader ? m_reader->device() : nullptr;
}

QRect QHEICMovie::frameRect() const
{
    return isValid() ? QRect(QPoint(0, 0), m_reader->size()) : QRect();
}

QImage QHEICMovie::currentImage()
{
    return isValid() ? decode(m_frameIndex) : QImage();
}

QImage QHEICMovie::decode(int frameNumber)
{
    if (frameNumber == m_imageIndex)
        return m_image;
    if (!m_reader->jumpToImage(frameNumber)) {
        // A reader that cannot seek starts again and reads its way to the frame; the walk is
        // bounded by the frame number, since some readers return the same image for ever.
        const QString path = m_reader->fileName();
        m_reader = std::make_unique<QImageReader>(path, QByteArray());
        for (int i = 0; i < frameNumber; ++i) {
            if (m_reader->read().isNull())
                break;
        }
    }
    m_image = m_reader->read();
    m_imageIndex = frameNumber;
    return m_image;
}

QPixmap QHEICMovie::currentPixmap()
{
    return QPixmap::fromImage(currentImage(), Qt::AutoColor);
}

bool QHEICMovie::jumpToFrame(int frameNumber)
{
    if (frameNumber < 0 || !isValid())
        return false;
    if (frameNumber >= m_reader->imageCount())
        return false;
    m_frameIndex = frameNumber;
    return true;
}

int QHEICMovie::currentFrameNumber() const
{
    return isValid() ? m_frameIndex : 0;
}

int QHEICMovie::nextFrameDelay() const
{
    return kFrameDelayMs;
}

int QHEICMovie::loopCount() const
{
    return -1;
}

int QHEICMovie::frameCount() const
{
    return isValid() ? m_reader->imageCount() : 0;
}

bool QHEICMovie::isValid() const
{
    return m_valid;
}

bool QHEICMovie::jumpToNextFrame()
{
    if (!isValid())
        return false;
    int next = m_frameIndex + 1;
    if (next == frameCount())
        next = 0;
    return jumpToFrame(next);
}

QString QHEICMovie::lastErrorString() const
{
    return m_reader ? m_reader->errorString() : QString();
}
