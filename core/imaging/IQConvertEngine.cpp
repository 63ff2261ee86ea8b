#include "imaging/IQConvertEngine.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRect>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "settings/IQBatchSettings.h"
#include "imaging/IQImageUtils.h"
#include "imaging/IQSmoothScale.h"

namespace {

// The free side of the by-width and by-height modes: large enough never to bind, except
// for a source so narrow that the other side would pass it.
constexpr int kMaxSide = 65535;

enum ResizeMode {
    kResizeByWidth = 0,
    kResizeByHeight = 1,
    kResizeByPercentage = 2,
    kResizeFree = 3,
};

// The largest image an engine keeps for its next turn to write into (32 MiB): enough for the
// resized photos of a batch, while engines on every core that turn large sources unresized
// do not hold a large image each between their images.
constexpr qint64 kMaxTurnStoragePixels = 8 * 1024 * 1024;

constexpr int kTextMeasureFlags = Qt::TextWordWrap | Qt::TextDontClip;
constexpr int kTextGrowthPixels = 4;
constexpr int kTextGrowthSteps = 100;

// trunc(value), held inside the range of an int.
int truncatedSide(double value)
{
    constexpr double kMax = std::numeric_limits<int>::max();
    return value >= kMax ? std::numeric_limits<int>::max() : static_cast<int>(std::trunc(value));
}

// Where a watermark of the given size sits on an image of the given size.
QRect placedRect(int position, const QSize &image, const QSize &size, const QPoint &custom)
{
    const int W = image.width();
    const int H = image.height();
    const int w = size.width();
    const int h = size.height();
    switch (position) {
    case IQWatermarkPosition::BottomLeft:
        return QRect(0, H - h, w, h);
    case IQWatermarkPosition::Center:
        return QRect((W - w) / 2, (H - h) / 2, w, h);
    case IQWatermarkPosition::TopRight:
        return QRect(W - w, 0, w, h);
    case IQWatermarkPosition::BottomRight:
        return QRect(W - w, H - h, w, h);
    case IQWatermarkPosition::TopCenter:
        return QRect((W - w) / 2, 0, w, h);
    case IQWatermarkPosition::BottomCenter:
        return QRect((W - w) / 2, H - h, w, h);
    case IQWatermarkPosition::Custom:
        return QRect(custom, size);
    default:
        return QRect(QPoint(0, 0), size);
    }
}

// Turns the painter by angle degrees about the centre pixel of rect.
void rotateAbout(QPainter *painter, const QRect &rect, int angle)
{
    const int cx = (2 * rect.x() + rect.width() - 1) / 2;
    const int cy = (2 * rect.y() + rect.height() - 1) / 2;
    painter->translate(cx, cy);
    painter->rotate(angle);
    painter->translate(-cx, -cy);
}

// A painter cannot open palette or one-bit images, and would grey a coloured watermark on a
// grey one: such images are painted in 32 bits.
QImage paintableImage(const QImage &image)
{
    if (image.depth() >= 32 && image.format() != QImage::Format_Grayscale16)
        return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

} // namespace

IQConvertEngine::IQConvertEngine(IQBatchSettings *settings)
    : QObject(nullptr)
    , settings(settings)
{
}

IQConvertEngine::~IQConvertEngine() = default;

QImage IQConvertEngine::process(QImage image)
{
    if (image.isNull())
        return QImage();

    int angle = 0;
    bool mirrorX = false;
    bool mirrorY = false;
    if (settings->rotateEnabled) {
        angle = rotationAngle();
        mirrorX = settings->flipX;
        mirrorY = settings->flipY;
    }

    // Quarter turns and mirrors move pixels without resampling, so the one smooth resampling
    // lands on exactly the target size. It is made before the turn, in the source's
    // orientation: the same pixels, but a large photo is turned after it has shrunk.
    const QSize target = outputSize(image.width(), image.height());
    // Settings that ask for more than any image may hold give nothing rather than gigabytes.
    if (!IQImageUtils::isWithinLimits(target))
        return QImage();
    const bool swapped = angle == 90 || angle == 270;
    const QSize unturned = swapped ? target.transposed() : target;
    QImage result = std::move(image);
    if (unturned != result.size()) {
        // A shrink and a quarter turn alone are made in one pass, the same pixels.
        QImage turned;
        if (swapped && !mirrorX && !mirrorY
            && IQSmoothScale::scaleAndTurn(result, unturned, angle, &turned)) {
            result = std::move(turned);
            angle = 0;
        } else {
            result = result.scaled(unturned, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
    }
    if (angle == 180) {
        // A half turn is a mirror on both axes.
        mirrorX = !mirrorX;
        mirrorY = !mirrorY;
        angle = 0;
    }
    if (mirrorX || mirrorY)
        result = result.mirrored(mirrorX, mirrorY);
    if (angle != 0) {
        QImage turned = IQImageUtils::quarterTurned(result, angle, &turnStorage);
        // The image before the turn is this engine's alone when it was scaled or mirrored
        // here, or moved in by a caller that keeps no copy: its memory serves the next turn.
        const qint64 pixels = qint64(result.width()) * result.height();
        if (result.isDetached() && pixels <= kMaxTurnStoragePixels)
            turnStorage = std::move(result);
        else
            turnStorage = QImage();
        result = std::move(turned);
    }

    const bool border = settings->borderEnabled && settings->borderWidth > 0;
    const bool text = settings->textEnabled && !settings->text.trimmed().isEmpty();
    const bool stamp = settings->stampEnabled && !settings->stampImage.isNull();
    if (border || text || stamp) {
        result = paintableImage(result);
        QPainter painter(&result);
        if (border)
            drawBorder(&painter, result);
        if (text)
            drawText(&painter, result);
        if (stamp)
            drawImageStamp(&painter, result);
    }

    if (settings->resizeEnabled && settings->resolution > 0) {
        const int dotsPerMeter = static_cast<int>(float(settings->resolution) / 0.0254f);
        result.setDotsPerMeterX(dotsPerMeter);
        result.setDotsPerMeterY(dotsPerMeter);
    }
    return result;
}

QSize IQConvertEngine::resizeTarget(int width, int height)
{
    const QSize source(width, height);
    if (!settings->resizeEnabled || width <= 0 || height <= 0)
        return source;

    int w = width;
    int h = height;
    switch (settings->resizeMode) {
    case kResizeByWidth:
        if (settings->resizeWidth <= 0)
            return source;
        IQImageUtils::scaleToFit(&w, &h, settings->resizeWidth, kMaxSide);
        break;
    case kResizeByHeight:
        if (settings->resizeHeight <= 0)
            return source;
        IQImageUtils::scaleToFit(&w, &h, kMaxSide, settings->resizeHeight);
        break;
    case kResizeByPercentage: {
        if (settings->resizePercent < 1)
            return source;
        const double factor = settings->resizePercent / 100.0;
        w = truncatedSide(width * factor);
        h = truncatedSide(height * factor);
        break;
    }
    case kResizeFree:
        if (settings->resizeWidth <= 0 || settings->resizeHeight <= 0)
            return source;
        w = settings->resizeWidth;
        h = settings->resizeHeight;
        break;
    default:
        return source;
    }
    // A side that rounds to nothing keeps one pixel: an empty image would write nothing.
    return QSize(std::max(1, w), std::max(1, h));
}

void IQConvertEngine::drawBorder(QPainter *painter, const QImage &image)
{
    painter->save();
    const qint64 b = settings->borderWidth;
    const int W = image.width();
    const int H = image.height();
    QPainterPath frame;
    frame.addRect(0, 0, W, H);
    // A border of half a side or more leaves no inside: it covers the whole image.
    if (2 * b < W && 2 * b < H) {
        QPainterPath inside;
        inside.addRect(b, b, W - 2 * b, H - 2 * b);
        frame = frame.subtracted(inside);
    }
    painter->fillPath(frame, QBrush(settings->borderColor, Qt::SolidPattern));
    painter->restore();
}

void IQConvertEngine::drawText(QPainter *painter, const QImage &image)
{
    painter->save();
    painter->setRenderHint(QPainter::TextAntialiasing);

    QFont font = settings->textFont;
    if (settings->textStyle == 1)
        font.setWeight(75);
    else if (settings->textStyle == 2)
        font.setStyle(QFont::StyleItalic);

    const QString &text = settings->text;
    const QRect area = image.rect();
    if (settings->textSizeMode == 1) {
        if (settings->textPixelSize > 0)
            font.setPixelSize(settings->textPixelSize);
        painter->setFont(font);
    } else {
        painter->setFont(font);
        fitTextSize(painter, area, truncatedSide(image.width() * settings->textRatio), text, font);
    }
    painter->setPen(settings->textColor);

    const QRect bounds = painter->fontMetrics().boundingRect(area, kTextMeasureFlags, text);
    const QRect box = placedRect(settings->textPosition, image.size(), bounds.size(),
                                 QPoint(settings->textX, settings->textY));
    rotateAbout(painter, box, settings->textAngle);
    painter->drawText(box, Qt::TextWordWrap, text);

    painter->resetTransform();
    painter->restore();
}

void IQConvertEngine::fitTextSize(QPainter *painter, const QRect &rect, int targetWidth,
                                  const QString &text, QFont font)
{
    painter->setFont(font);
    int width = painter->fontMetrics().boundingRect(rect, kTextMeasureFlags, text).width();
    for (int step = 0; step < kTextGrowthSteps && targetWidth > width; ++step) {
        // A font given in points reports -1 pixels: its first step gives 3.
        font.setPixelSize(font.pixelSize() + kTextGrowthPixels);
        painter->setFont(font);
        width = painter->fontMetrics().boundingRect(rect, kTextMeasureFlags, text).width();
    }
}

void IQConvertEngine::drawImageStamp(QPainter *painter, const QImage &image)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);

    if (!stampPixmap) {
        const QImage source = settings->stampImage;
        const int w = static_cast<int>(source.width() * float(settings->stampScale) / 100.0f);
        const int h = static_cast<int>(source.height() * float(settings->stampScale) / 100.0f);
        stampPixmap = std::make_unique<QImage>();
        if (w > 0 && h > 0) {
            const QImage scaled =
                source.scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            QImage faded(scaled.size(), QImage::Format_ARGB32_Premultiplied);
            faded.fill(Qt::transparent);
            QPainter fader(&faded);
            fader.setCompositionMode(QPainter::CompositionMode_Source);
            fader.drawImage(0, 0, scaled);
            // Multiplies every pixel's alpha by the opacity.
            fader.setCompositionMode(QPainter::CompositionMode_DestinationIn);
            const int opacity = std::clamp(settings->stampOpacity, 0, 255);
            fader.fillRect(faded.rect(), QColor(0, 0, 0, opacity));
            fader.end();
            *stampPixmap = faded;
        }
    }

    const QImage &stamp = *stampPixmap;
    if (!stamp.isNull()) {
        const QRect box = placedRect(settings->stampPosition, image.size(), stamp.size(),
                                     QPoint(settings->stampX, settings->stampY));
        rotateAbout(painter, box, settings->stampAngle);
        painter->drawImage(box, stamp, stamp.rect());
    }

    painter->resetTransform();
    painter->restore();
}

int IQConvertEngine::rotationAngle() const
{
    switch (settings->rotateMode) {
    case 1:
        return 270;
    case 2:
        return 90;
    case 3:
        return 180;
    default:
        return 0;
    }
}

QSize IQConvertEngine::outputSize(int width, int height)
{
    QSize size(width, height);
    if (settings->rotateEnabled && rotationAngle() % 180 != 0)
        size.transpose();
    if (!settings->resizeEnabled)
        return size;
    const QSize target = resizeTarget(size.width(), size.height());
    // A percentage names the scale itself, so one above 100 enlarges whatever the enlarge box
    // says; the box governs the modes that name pixels.
    const bool byPercentage = settings->resizeMode == kResizeByPercentage;
    if (settings->enlarge || byPercentage || size.width() > target.width()
        || size.height() > target.height())
        return target;
    return size;
}
