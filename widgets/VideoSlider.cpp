#include "VideoSlider.h"

#include <QMouseEvent>

VideoSlider::VideoSlider(QWidget *parent)
    : QSlider(parent)
{
}

void VideoSlider::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    event->accept();
    jumpTo(event->pos());
}

void VideoSlider::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    event->accept();
    jumpTo(event->pos());
}

void VideoSlider::jumpTo(const QPoint &pos)
{
    // The whole widget maps onto the range, the top edge being the maximum when vertical.
    // 64-bit arithmetic, so a long range over a wide slider cannot overflow.
    const qint64 span = qint64(maximum()) - minimum();
    qint64 offset = 0;
    if (orientation() == Qt::Vertical)
        offset = span * (height() - pos.y()) / qMax(1, height());
    else
        offset = span * pos.x() / qMax(1, width());
    const qint64 target = qBound<qint64>(minimum(), minimum() + offset, maximum());
    QAbstractSlider::setValue(int(target));
    emit sliderMovedX(value());
}
