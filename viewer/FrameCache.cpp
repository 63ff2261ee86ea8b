#include "FrameCache.h"

#include <algorithm>

FrameCache::FrameCache(qint64 limit)
    : m_limit(std::max<qint64>(0, limit))
{
}

void FrameCache::setLimit(qint64 bytes)
{
    m_limit = std::max<qint64>(0, bytes);
    evictUntil(m_limit);
}

qint64 FrameCache::limit() const
{
    return m_limit;
}

qint64 FrameCache::size() const
{
    return m_bytes;
}

const FrameCache::Frame *FrameCache::find(int number) const
{
    const auto found = m_frames.constFind(number);
    return found == m_frames.constEnd() ? nullptr : &found.value();
}

void FrameCache::insert(int number, const Frame &frame)
{
    const qint64 bytes = bytesOf(frame.pixmap);
    if (bytes > m_limit || m_frames.contains(number))
        return;
    evictUntil(m_limit - bytes);
    m_frames.insert(number, frame);
    m_order.enqueue(number);
    m_bytes += bytes;
}

void FrameCache::clear()
{
    m_frames.clear();
    m_order.clear();
    m_bytes = 0;
}

qint64 FrameCache::bytesOf(const QPixmap &pixmap)
{
    return qint64(pixmap.width()) * pixmap.height() * std::max(pixmap.depth(), 8) / 8;
}

void FrameCache::evictUntil(qint64 bytes)
{
    while (m_bytes > bytes && !m_order.isEmpty())
        m_bytes -= bytesOf(m_frames.take(m_order.dequeue()).pixmap);
}
