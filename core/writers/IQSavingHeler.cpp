#include "writers/IQSavingHeler.h"

#include <QPainter>

QImage IQSavingHeler::letterbox(int width, int height, const QImage &image)
{
    QImage canvas(width, height, QImage::Format_RGBA8888);
    if (canvas.isNull())
        return canvas;
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(canvas.rect(), QBrush(Qt::black, Qt::SolidPattern));
    painter.drawImage(QPoint((width - image.width()) / 2, (height - image.height()) / 2), image);
    painter.end();
    return canvas;
}

void IQSavingHeler::fitToCanvas(QImage &frame, int width, int height)
{
    if (frame.width() == width && frame.height() == height)
        return;
    frame = letterbox(width, height, frame.scaledToWidth(width, Qt::SmoothTransformation));
}
