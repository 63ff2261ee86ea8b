#pragma once

// Helpers that several benchmarks share: the photos they convert and the load they ran under.
#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QString>

#include <cstdlib>

namespace BenchSupport {

// A photo-like frame: blobs soft blobs of light, of radius to radius + spread, over a
// sky-to-ground gradient, with sensor grain; far more colours than a GIF palette holds. The
// same seed gives the same pixels.
inline QImage photo(int width, int height, int blobs, int radius, int spread, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient ground(0, 0, 0, height);
    ground.setColorAt(0, QColor::fromHsv(random.bounded(360), 90, 230));
    ground.setColorAt(1, QColor::fromHsv(random.bounded(360), 160, 70));
    painter.fillRect(image.rect(), ground);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < blobs; ++i) {
        const QPointF centre(random.bounded(width), random.bounded(height));
        const qreal r = radius + random.bounded(spread);
        QRadialGradient blob(centre, r);
        blob.setColorAt(0, QColor::fromHsv(random.bounded(360), random.bounded(256), 255, 200));
        blob.setColorAt(1, QColor(0, 0, 0, 0));
        painter.setBrush(blob);
        painter.drawEllipse(centre, r, r);
    }
    painter.end();
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int grain = int(random.bounded(9u)) - 4;
            const QRgb p = line[x];
            line[x] = qRgb(qBound(0, qRed(p) + grain, 255), qBound(0, qGreen(p) + grain, 255),
                           qBound(0, qBlue(p) + grain, 255));
        }
    }
    return image;
}

// The load averages of the last 1, 5 and 15 minutes, as "1.00 0.50 0.25".
inline QString loadAverage()
{
    double load[3] = {};
    if (getloadavg(load, 3) != 3)
        return QStringLiteral("unknown");
    return QStringLiteral("%1 %2 %3").arg(load[0], 0, 'f', 2).arg(load[1], 0, 'f', 2)
        .arg(load[2], 0, 'f', 2);
}

} // namespace BenchSupport
