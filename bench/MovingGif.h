#pragma once

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>

#include "writers/IQGifWriter.h"

// The animated GIFs the playback benchmarks play: frames that differ from the last everywhere
// a little, so that the decoder has real work.
namespace MovingGif {

// Frame n: a gradient that moves with n and a bar that crosses the picture.
inline QImage frame(int width, int height, int n)
{
    QImage image(width, height, QImage::Format_RGBA8888);
    for (int y = 0; y < height; ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            line[4 * x] = uchar((x + 3 * n) & 0xff);
            line[4 * x + 1] = uchar((y + 5 * n) & 0xff);
            line[4 * x + 2] = uchar(((x ^ y) + n) & 0xff);
            line[4 * x + 3] = 0xff;
        }
    }
    QPainter painter(&image);
    painter.fillRect((n * 7) % width, 0, width / 10, height, Qt::white);
    return image;
}

// Writes frames of them, each shown for delayMs, to path.
inline bool write(const QString &path, int frames, int width, int height, int delayMs)
{
    IQGifWriter writer;
    if (!writer.begin(QFile::encodeName(path).constData(), width, height, delayMs / 10))
        return false;
    for (int n = 0; n < frames; ++n) {
        const QImage image = frame(width, height, n);
        if (!writer.writeFrame(image.constBits(), width, height, delayMs / 10, 8, false))
            return false;
    }
    return writer.end();
}

} // namespace MovingGif
