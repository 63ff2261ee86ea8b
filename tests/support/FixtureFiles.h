#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

// Image files that tests generate on the fly: animated GIFs made by an independent encoder
// (ImageMagick) and JPEGs that carry an EXIF orientation.
namespace FixtureFiles {

// The ImageMagick program that writes the GIF fixtures; empty when it is not installed.
QString imageMagick();

// Writes an animated GIF with one frame per colour, each delayHundredths long, looping for
// ever. False when ImageMagick is missing or fails.
bool writeGif(const QString &path, const QList<QColor> &colors, const QSize &size,
              int delayHundredths = 10);

// Writes image as a JPEG whose EXIF block holds the given orientation tag (1 to 8).
bool writeJpegWithOrientation(const QString &path, const QImage &image, int orientation);

// Writes bytes to path, replacing it.
bool writeBytes(const QString &path, const QByteArray &bytes);

QByteArray readBytes(const QString &path);

} // namespace FixtureFiles
