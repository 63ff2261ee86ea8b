#pragma once

#include <QtGlobal>

#include <cstdint>

class IQBGRData;
class QImage;

// A YUV frame buffer: packed YUY2, planar I420 or semi-planar NV21. Chroma planes of an odd
// width or height round up (ceil(w/2) x ceil(h/2) samples), as libyuv expects. The record owns
// the block that allocate() reserves and frees it when it goes; it moves, but never copies, so
// no two records free one block.
struct IQFrameBuffer
{
    enum Format : int { YUY2 = 0x501, I420 = 0x601, NV21 = 0x802 };

    IQFrameBuffer() = default;
    ~IQFrameBuffer();
    IQFrameBuffer(const IQFrameBuffer &) = delete;
    IQFrameBuffer &operator=(const IQFrameBuffer &) = delete;
    // The block goes with the record; the moved-from record keeps its format and size, but
    // no planes.
    IQFrameBuffer(IQFrameBuffer &&other) noexcept;
    IQFrameBuffer &operator=(IQFrameBuffer &&other) noexcept;

    int format = 0;
    int width = 0;
    int height = 0;
    uint8_t *plane[3] = {nullptr, nullptr, nullptr}; // Y (or packed), U or VU, V
    int stride[3] = {0, 0, 0};

    // Fills the planes and strides of a record whose format, width and height are set, in one
    // block owned by plane 0 until release() or the record's end; a block held before is
    // freed first. False for an unknown format or a bad size.
    static bool allocate(IQFrameBuffer *buffer);
    static void release(IQFrameBuffer *buffer);

    // Copies the pixels of a YUY2 or NV21 buffer into an allocated one of the same format and
    // size; any other pairing copies nothing and gives false.
    static bool copy(const IQFrameBuffer &source, IQFrameBuffer *destination);

    // Converts a 32-bit image (other formats are converted first) of the buffer's size into it.
    static bool fromImageBits(const QImage &image, IQFrameBuffer *buffer);
    // Converts a 24-bit bitmap of the buffer's size into it, by the buffer's own format.
    static bool fromBitmap(const IQBGRData &bitmap, IQFrameBuffer *buffer);

    // Converts out of the buffer into rows of width x 4 bytes; destinationSize is checked.
    static bool toArgb(uint8_t *destination, qint64 destinationSize, const IQFrameBuffer &buffer);
    // Converts out of the buffer into a 24-bit bitmap of the same size.
    static bool toBitmap(const IQFrameBuffer &buffer, IQBGRData *bitmap);

    // The bytes that allocate() reserves for the format and size, or 0 when they are refused.
    static qint64 byteSize(int format, int width, int height);

    // True when the record looks like one that allocate() filled.
    bool isValid() const;
};
