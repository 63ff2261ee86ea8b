#include "ViewScroller.h"

#include <QTimeLine>

namespace {

constexpr qreal kAcceleration = 1.3;
constexpr int kDurationMs = 150;
constexpr int kIntervalMs = 7;

} // namespace

ViewScroller::ViewScroller()
    : m_horizontal(std::make_unique<QTimeLine>(kDurationMs))
    , m_vertical(std::make_unique<QTimeLine>(kDurationMs))
{
    for (QTimeLine *timeLine : {m_horizontal.get(), m_vertical.get()}) {
        timeLine->setUpdateInterval(kIntervalMs);
        timeLine->setEasingCurve(QEasingCurve::OutSine);
    }
}

ViewScroller::~ViewScroller() = default;

QTimeLine *ViewScroller::timeLine(Qt::Orientation orientation) const
{
    return orientation == Qt::Horizontal ? m_horizontal.get() : m_vertical.get();
}

void ViewScroller::step(Qt::Orientation orientation, int current, int delta)
{
    if (delta == 0)
        return;
    QTimeLine *line = timeLine(orientation);
    int target = delta < 0 ? current - kStep : current + kStep;
    if (line->state() == QTimeLine::Running) {
        const int end = line->endFrame();
        const int further = int(kStep * kAcceleration);
        if (delta < 0 && end <= current)
            target = end - further;
        else if (delta > 0 && end >= current)
            target = end + further;
    }
    line->stop();
    line->setFrameRange(current, target);
    line->start();
}

void ViewScroller::stop()
{
    for (QTimeLine *line : {m_horizontal.get(), m_vertical.get()}) {
        if (line->state() == QTimeLine::Running)
            line->stop();
    }
}
