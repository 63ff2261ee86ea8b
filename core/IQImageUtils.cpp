#include "IQImageUtils.h"

#include <QThread>
#include <QTransform>
#include <QtGlobal>

#include <libyuv/rotate_argb.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <thread>
#include <vector>

namespace {

// trunc(value * ratio + 0.5), held inside the range of an int.
int scaledSide(int value, double ratio)
{
    const double scaled = std::trunc(value * ratio + 0.5);
    constexpr double kMax = std::numeric_limits<int>::max();
    return scaled >= kMax ? std::numeric_limits<int>::max() : static_cast<int>(scaled);
}

// Below this many pixels a band is not worth a thread of its own.
constexpr qint64 kMinPixelsPerTurnBand = 512 * 1024;

} // namespace

namespace IQImageUtils {

bool isWithinLimits(const QSize &size)
{
    if (!size.isValid())
        return true;
    return size.width() <= kMaxImageSide && size.height() <= kMaxImageSide
           && qint64(size.width()) * size.height() <= kMaxImagePixels;
}

double fitSizeInRect(const QSize &size, const QRect &box, double *width, double *height)
{
    if (size.width() <= box.width() && size.height() <= box.height()) {
        if (width)
            *width = size.width();
        if (height)
            *height = size.height();
        return 1.0;
    }
    const double ratio = std::min(double(box.width()) / size.width(),
                                  double(box.height()) / size.height());
    if (width)
        *width = size.width() * ratio;
    if (height)
        *height = size.height() * ratio;
    return ratio - 0.001;
}

double scaleToFit(int *width, int *height, int targetWidth, int targetHeight)
{
    if (*width == 0 || *height == 0)
        return 0.0;
    const double ratio = std::min(double(targetWidth) / *width, double(targetHeight) / *height);
    *width = scaledSide(*width, ratio);
    *height = scaledSide(*height, ratio);
    return ratio;
}

double scaleToFill(int *width, int *height, int targetWidth, int targetHeight, bool enlarge)
{
    if (*width == 0 || *height == 0)
        return 0.0;
    const double ratio = std::max(double(targetWidth) / *width, double(targetHeight) / *height);
    if (ratio >= 1.0 && !enlarge)
        return 1.0;
    *width = scaledSide(*width, ratio);
    *height = scaledSide(*height, ratio);
    return ratio;
}

QImage quarterTurned(const QImage &image, int angle)
{
    Q_ASSERT(angle == 90 || angle == 270);
    if (image.isNull() || image.depth() != 32 || image.colorCount() > 0)
        return image.transformed(QTransform().rotate(angle));

    const int w = image.width();
    const int h = image.height();
    QImage turned(h, w, image.format());
    if (turned.isNull())
        return turned;
    turned.setDotsPerMeterX(image.dotsPerMeterX());
    turned.setDotsPerMeterY(image.dotsPerMeterY());
    turned.setDevicePixelRatio(image.devicePixelRatio());
    const QStringList keys = image.textKeys();
    for (const QString &key : keys)
        turned.setText(key, image.text(key));

    // Every band of source rows lands on a band of columns of its own: clockwise, the last
    // source row is the first column.
    const libyuv::RotationMode mode = angle == 90 ? libyuv::kRotate90 : libyuv::kRotate270;
    const uchar *source = image.constBits();
    uchar *target = turned.bits();
    const int sourceStride = image.bytesPerLine();
    const int targetStride = turned.bytesPerLine();
    const auto turnBand = [=](int first, int last) {
        const int column = angle == 90 ? h - last : first;
        libyuv::ARGBRotate(source + qsizetype(first) * sourceStride, sourceStride,
                           target + qsizetype(column) * 4, targetStride, w, last - first, mode);
    };

    const qint64 pixels = qint64(w) * h;
    const int bands = int(std::clamp<qint64>(pixels / kMinPixelsPerTurnBand, 1,
                                             std::max(1, QThread::idealThreadCount())));
    std::vector<std::thread> helpers;
    helpers.reserve(bands - 1);
    for (int band = 1; band < bands; ++band)
        helpers.emplace_back(turnBand, int(qint64(h) * band / bands),
                             int(qint64(h) * (band + 1) / bands));
    turnBand(0, int(qint64(h) / bands));
    for (std::thread &helper : helpers)
        helper.join();
    return turned;
}

} // namespace IQImageUtils
