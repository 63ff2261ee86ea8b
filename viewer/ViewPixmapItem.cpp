#include "ViewPixmapItem.h"

#include <QPainter>

#include <cmath>

void ViewPixmapItem::setPrescaled(const QPixmap &pixmap)
{
    m_prescaled = pixmap;
    update();
}

void ViewPixmapItem::clearPrescaled()
{
    m_prescaled = QPixmap();
}

void ViewPixmapItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
                           QWidget *widget)
{
    // The copy serves only while it matches what a smooth paint would cover, to the pixel.
    if (!m_prescaled.isNull() && transformationMode() == Qt::SmoothTransformation
        && painter->worldTransform().type() <= QTransform::TxScale) {
        const QRectF covered = painter->worldTransform().mapRect(boundingRect());
        const qreal ratio = m_prescaled.devicePixelRatio();
        if (qAbs(covered.width() * ratio - m_prescaled.width()) <= 1.0
            && qAbs(covered.height() * ratio - m_prescaled.height()) <= 1.0) {
            painter->save();
            painter->resetTransform();
            painter->drawPixmap(QPointF(std::round(covered.left() * ratio) / ratio,
                                        std::round(covered.top() * ratio) / ratio),
                                m_prescaled);
            painter->restore();
            return;
        }
    }
    QGraphicsPixmapItem::paint(painter, option, widget);
}
