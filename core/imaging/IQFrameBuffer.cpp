#include "imaging/IQFrameBuffer.h"

#include <QImage>

#include <libyuv.h>

#include <cstdlib>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

#include "imaging/IQBGRData.h"

namespace {

constexpr qint64 kMaxBytes = std::numeric_limits<int>::max();

qint64 chroma(int side)
{
    return (qint64(side) + 1) / 2;
}

struct Layout
{
    int stride[3] = {0, 0, 0};
    qint64 planeOffset[3] = {0, 0, 0};
    qint64 size = 0;
};

bool layoutOf(int format, int width, int height, Layout *layout)
{
    if (width <= 0 || height <= 0)
        return false;
    const qint64 w = width;
    const qint64 h = height;
    const qint64 cw = chroma(width);
    const qint64 ch = chroma(height);
    switch (format) {
    case IQFrameBuffer::I420:
        layout->stride[0] = width;
        layout->stride[1] = layout->stride[2] = int(cw);
        layout->planeOffset[1] = w * h;
        layout->planeOffset[2] = w * h + cw * ch;
        layout->size = w * h + 2 * cw * ch;
        break;
    case IQFrameBuffer::NV21:
        layout->stride[0] = width;
        layout->stride[1] = int(2 * cw);
        layout->planeOffset[1] = w * h;
        layout->size = w * h + 2 * cw * ch;
        break;
    case IQFrameBuffer::YUY2:
        if (cw * 4 > kMaxBytes)
            return false;
        layout->stride[0] = int(cw * 4);
        layout->size = cw * 4 * h;
        break;
    default:
        return false;
    }
    // libyuv addresses every row with int strides, and the ARGB side needs width x 4.
    return layout->size <= kMaxBytes && w * 4 * h <= kMaxBytes;
}

// ARGB (B, G, R, A in memory) into the buffer, by its format.
bool fromArgb(const uint8_t *argb, int argbStride, IQFrameBuffer *b)
{
    switch (b->format) {
    case IQFrameBuffer::YUY2:
        return libyuv::ARGBToYUY2(argb, argbStride, b->plane[0], b->stride[0], b->width,
                                  b->height) == 0;
    case IQFrameBuffer::I420:
        return libyuv::ARGBToI420(argb, argbStride, b->plane[0], b->stride[0], b->plane[1],
                                  b->stride[1], b->plane[2], b->stride[2], b->width,
                                  b->height) == 0;
    case IQFrameBuffer::NV21:
        return libyuv::ARGBToNV21(argb, argbStride, b->plane[0], b->stride[0], b->plane[1],
                                  b->stride[1], b->width, b->height) == 0;
    default:
        return false;
    }
}

bool toArgbRows(uint8_t *argb, const IQFrameBuffer &b)
{
    const int argbStride = b.width * 4;
    switch (b.format) {
    case IQFrameBuffer::I420:
        return libyuv::I420ToARGB(b.plane[0], b.stride[0], b.plane[1], b.stride[1], b.plane[2],
                                  b.stride[2], argb, argbStride, b.width, b.height) == 0;
    case IQFrameBuffer::NV21:
        return libyuv::NV21ToARGB(b.plane[0], b.stride[0], b.plane[1], b.stride[1], argb,
                                  argbStride, b.width, b.height) == 0;
    case IQFrameBuffer::YUY2:
        return libyuv::YUY2ToARGB(b.plane[0], b.stride[0], argb, argbStride, b.width,
                                  b.height) == 0;
    default:
        return false;
    }
}

bool sameShape(const IQFrameBuffer &a, const IQFrameBuffer &b)
{
    return a.format == b.format && a.width == b.width && a.height == b.height
           && a.stride[0] == b.stride[0] && a.stride[1] == b.stride[1]
           && a.stride[2] == b.stride[2];
}

} // namespace

IQFrameBuffer::~IQFrameBuffer()
{
    release(this);
}

IQFrameBuffer::IQFrameBuffer(IQFrameBuffer &&other) noexcept
{
    *this = std::move(other);
}

IQFrameBuffer &IQFrameBuffer::operator=(IQFrameBuffer &&other) noexcept
{
    if (this == &other)
        return *this;
    release(this);
    format = other.format;
    width = other.width;
    height = other.height;
    for (int i = 0; i < 3; ++i) {
        plane[i] = std::exchange(other.plane[i], nullptr);
        stride[i] = std::exchange(other.stride[i], 0);
    }
    return *this;
}

qint64 IQFrameBuffer::byteSize(int format, int width, int height)
{
    Layout layout;
    return layoutOf(format, width, height, &layout) ? layout.size : 0;
}

bool IQFrameBuffer::isValid() const
{
    Layout layout;
    if (!layoutOf(format, width, height, &layout) || !plane[0])
        return false;
    for (int i = 0; i < 3; ++i) {
        if (stride[i] != layout.stride[i])
            return false;
        if (layout.stride[i] && plane[i] != plane[0] + layout.planeOffset[i])
            return false;
    }
    return true;
}

bool IQFrameBuffer::allocate(IQFrameBuffer *buffer)
{
    Layout layout;
    if (!buffer || !layoutOf(buffer->format, buffer->width, buffer->height, &layout))
        return false;
    auto *block = static_cast<uint8_t *>(std::malloc(size_t(layout.size)));
    if (!block)
        return false;
    release(buffer);
    for (int i = 0; i < 3; ++i) {
        buffer->stride[i] = layout.stride[i];
        buffer->plane[i] = layout.stride[i] ? block + layout.planeOffset[i] : nullptr;
    }
    return true;
}

void IQFrameBuffer::release(IQFrameBuffer *buffer)
{
    if (!buffer)
        return;
    std::free(buffer->plane[0]);
    for (int i = 0; i < 3; ++i) {
        buffer->plane[i] = nullptr;
        buffer->stride[i] = 0;
    }
}

bool IQFrameBuffer::copy(const IQFrameBuffer &source, IQFrameBuffer *destination)
{
    if (!destination || (source.format != YUY2 && source.format != NV21))
        return false;
    if (!source.isValid() || !destination->isValid() || !sameShape(source, *destination))
        return false;
    std::memcpy(destination->plane[0], source.plane[0],
                size_t(byteSize(source.format, source.width, source.height)));
    return true;
}

bool IQFrameBuffer::fromImageBits(const QImage &image, IQFrameBuffer *buffer)
{
    if (!buffer || !buffer->isValid() || image.size() != QSize(buffer->width, buffer->height))
        return false;
    const QImage::Format f = image.format();
    const bool argbLayout = f == QImage::Format_RGB32 || f == QImage::Format_ARGB32
                            || f == QImage::Format_ARGB32_Premultiplied;
    const QImage bits = argbLayout ? image : image.convertToFormat(QImage::Format_ARGB32);
    if (bits.isNull())
        return false;
    return fromArgb(bits.constBits(), bits.bytesPerLine(), buffer);
}

bool IQFrameBuffer::fromBitmap(const IQBGRData &bitmap, IQFrameBuffer *buffer)
{
    if (!buffer || !buffer->isValid() || !bitmap.data || bitmap.width != buffer->width
        || bitmap.height != buffer->height || bitmap.stride < IQBGRData::strideFor(bitmap.width))
        return false;
    std::vector<uint8_t> argb(size_t(bitmap.width) * 4 * size_t(bitmap.height));
    if (libyuv::RGB24ToARGB(bitmap.data, bitmap.stride, argb.data(), bitmap.width * 4,
                            bitmap.width, bitmap.height) != 0)
        return false;
    return fromArgb(argb.data(), bitmap.width * 4, buffer);
}

bool IQFrameBuffer::toArgb(uint8_t *destination, qint64 destinationSize, const IQFrameBuffer &buffer)
{
    if (!destination || !buffer.isValid()
        || destinationSize < qint64(buffer.width) * 4 * buffer.height)
        return false;
    return toArgbRows(destination, buffer);
}

bool IQFrameBuffer::toBitmap(const IQFrameBuffer &buffer, IQBGRData *bitmap)
{
    if (!bitmap || !bitmap->data || !buffer.isValid() || bitmap->width != buffer.width
        || bitmap->height != buffer.height || bitmap->stride < IQBGRData::strideFor(bitmap->width))
        return false;
    std::vector<uint8_t> argb(size_t(buffer.width) * 4 * size_t(buffer.height));
    if (!toArgbRows(argb.data(), buffer))
        return false;
    return libyuv::ARGBToRGB24(argb.data(), buffer.width * 4, bitmap->data, bitmap->stride,
                               bitmap->width, bitmap->height) == 0;
}
