#include "ScriptedMovie.h"

#include <QImage>
#include <QPixmap>

namespace {

constexpr int kDefaultDelayMs = 40;

} // namespace

ScriptedMovie::ScriptedMovie(const QList<QColor> &colors, const QSize &size)
    : m_colors(colors)
    , m_size(size)
{
    // Opening a file decodes its first frame.
    if (!m_colors.isEmpty())
        ++m_counters->decodes;
}

ScriptedMovie::~ScriptedMovie()
{
    ++m_counters->destroyed;
}

QSize ScriptedMovie::sizeOf(int frame) const
{
    return m_sizes.value(frame, m_size);
}

QRect ScriptedMovie::frameRect() const
{
    return m_valid ? QRect(QPoint(0, 0), sizeOf(m_frame)) : QRect();
}

QImage ScriptedMovie::currentImage()
{
    if (!m_valid || m_colors.isEmpty())
        return QImage();
    QImage image(sizeOf(m_frame), QImage::Format_ARGB32);
    image.fill(m_colors.at(m_frame));
    return image;
}

QPixmap ScriptedMovie::currentPixmap()
{
    return QPixmap::fromImage(currentImage());
}

bool ScriptedMovie::jumpToFrame(int frameNumber)
{
    if (!m_valid || frameNumber < 0 || frameNumber >= m_colors.size())
        return false;
    if (frameNumber == m_frame)
        return true;
    if (frameNumber < m_frame) {
        ++m_counters->rewinds;
        ++m_counters->decodes;
        m_frame = 0;
    }
    while (m_frame < frameNumber) {
        const int before = m_frame;
        if (!stepTo(m_frame + 1) || m_frame == before)
            return false;
    }
    return true;
}

bool ScriptedMovie::jumpToNextFrame()
{
    if (!m_valid || m_colors.isEmpty())
        return false;
    if (m_frame == m_colors.size() - 1) {
        ++m_counters->rewinds;
        if (m_failAt == 0) {
            m_error = QStringLiteral("Frame 0 could not be decoded");
            return false;
        }
        ++m_counters->decodes;
        m_frame = 0;
        return true;
    }
    return stepTo(m_frame + 1);
}

bool ScriptedMovie::stepTo(int frame)
{
    if (frame == m_failAt) {
        m_error = QStringLiteral("Frame %1 could not be decoded").arg(frame);
        return false;
    }
    if (frame == m_stallAt)
        return true;
    ++m_counters->decodes;
    m_frame = frame;
    return true;
}

int ScriptedMovie::nextFrameDelay() const
{
    return m_delays.value(m_frame, kDefaultDelayMs);
}
