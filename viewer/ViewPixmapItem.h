#pragma once

#include <QGraphicsPixmapItem>
#include <QPixmap>

// The image view's pixmap item. A still shown below actual size is drawn from a smooth copy
// made at the size it covers on screen, once there is one: a plain copy instead of sampling the
// whole photo on every paint, and no aliasing.
class ViewPixmapItem : public QGraphicsPixmapItem
{
public:
    void setPrescaled(const QPixmap &pixmap);
    void clearPrescaled();

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget) override;

private:
    QPixmap m_prescaled;
};
