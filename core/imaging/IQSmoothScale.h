#pragma once

#include <QImage>
#include <QSize>

// The engine's resize and quarter turn in one pass over the source. Each pixel comes out
// exactly as Qt's smooth scale makes it, then turned, but the scaled image is never written
// whole and read back: a band of it at a time is made in the cache and turned from there.
namespace IQSmoothScale {

// Makes *result: image scaled smoothly (QImage::scaled with Qt::IgnoreAspectRatio and
// Qt::SmoothTransformation) to size, then turned clockwise by angle (90 or 270) degrees, the
// same pixels, format and metadata as IQImageUtils::quarterTurned of that. The bands run on
// the calling thread and on as many threads of Qt's global pool as the thread budget leases.
// Returns false, leaving *result alone, where this pass does not apply: a side that grows or
// stays, an image that is not 32-bit RGB or ARGB, a processor without SSE4.1, a Qt whose
// smooth scale this pass does not match, or too little memory. The caller then scales and
// turns the image itself.
bool scaleAndTurn(const QImage &image, const QSize &size, int angle, QImage *result);

} // namespace IQSmoothScale
