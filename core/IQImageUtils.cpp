#include "IQImageUtils.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// trunc(value * ratio + 0.5), held inside the range of an int.
int scaledSide(int value, double ratio)
{
    const double scaled = std::trunc(value * ratio + 0.5);
    constexpr double kMax = std::numeric_limits<int>::max();
    return scaled >= kMax ? std::numeric_limits<int>::max() : static_cast<int>(scaled);
}

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

} // namespace IQImageUtils
