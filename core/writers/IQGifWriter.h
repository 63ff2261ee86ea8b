#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>

// Writes GIF89a files, still or animated, from RGBA frames of one canvas size. Every frame gets
// a local palette of its own (exactly its colours when it has at most 255, else a median cut),
// and pixels that did not change since the previous frame are written as the transparent index
// 0 so that the viewer keeps what it shows. Pixels whose alpha is below half are transparent.
// Large frames are mapped in bands, and a frame's block is compressed while the next one is
// mapped, on as many threads as the thread budget gives; the bytes are the same for any number.
class IQGifWriter
{
public:
    IQGifWriter();
    // Closes a file that end() did not finish; the caller discards it.
    ~IQGifWriter();

    IQGifWriter(const IQGifWriter &) = delete;
    IQGifWriter &operator=(const IQGifWriter &) = delete;

    // path is a local 8-bit file name. A non-zero delay adds the endless-loop block. False when
    // the file cannot be made or the canvas does not fit a GIF.
    bool begin(const char *path, int width, int height, int delay);
    // pixels: width x height x 4 bytes in the order red, green, blue, alpha (an alpha below 128
    // is transparent; dithered frames ignore alpha).
    // The size must be the canvas size; delay is in hundredths of a second. False, with nothing
    // written, for another size, a depth outside 1..8 or memory that cannot be had.
    bool writeFrame(const uint8_t *pixels, int width, int height, int delay, int bitDepth,
                    bool dither);
    // Writes the trailer and closes the file; false when any write, flush or close failed. A
    // frame's image block is written while the next frame is prepared, so a failed write may
    // be reported by the next writeFrame or only here.
    bool end();

private:
    struct Tables;

    void finishPendingBlock();
    void closeFile();

    FILE *file = nullptr;
    std::unique_ptr<uint8_t[]> previous;       // shown colours and the index written, per pixel
    std::unique_ptr<uint8_t[]> previousSource; // the last frame as it was given
    std::unique_ptr<uint8_t[]> cleared;        // 1 where the viewer shows transparency
    bool firstFrame = false;
    int canvasWidth = 0;
    int canvasHeight = 0;
    std::unique_ptr<Tables> tables; // LZW dictionary and colour cache, kept across frames
};
