#pragma once

#include <QHash>
#include <QPixmap>
#include <QQueue>

// Animation frames already shown, as the source gave them, with the delay each plays for, kept
// up to a limit in bytes: the frame kept longest goes first to make room.
class FrameCache
{
public:
    struct Frame {
        QPixmap pixmap;
        int delay = 0;
    };

    static constexpr qint64 kDefaultLimit = 128ll * 1024 * 1024;

    explicit FrameCache(qint64 limit = kDefaultLimit);

    // A lower limit lets the oldest frames go at once; below zero counts as zero.
    void setLimit(qint64 bytes);
    qint64 limit() const;
    // The bytes the kept frames take.
    qint64 size() const;

    // The kept frame, or null.
    const Frame *find(int number) const;
    // Keeps frame as number unless one is kept already or it alone is over the limit.
    void insert(int number, const Frame &frame);
    void clear();

    static qint64 bytesOf(const QPixmap &pixmap);

private:
    void evictUntil(qint64 bytes);

    QHash<int, Frame> m_frames;
    QQueue<int> m_order;
    qint64 m_bytes = 0;
    qint64 m_limit;
};
