#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>

struct IQGifPalette;

// Writes GIF89a files, still or animated, from RGBA frames of one canvas size. Every frame gets
// a local palette of its own (exactly its colours when it has at most 255, else a median cut),
// and pixels that did not change since the previous frame are written as the transparent index
// 0 so that the viewer keeps what it shows. Pixels whose alpha is below half are transparent.
// Large frames are mapped in bands, and a frame's block is compressed while the next one is
// mapped, on as many threads as the thread budget gives; the bytes are the same for any number.
// A frame is read a few rows at a time and its codes go to the file as they come, so the writer
// holds little more than one index per pixel and, while the palette is cut, a copy of the
// pixels that it uses; the colours that the viewer shows are kept only from the second frame on.
class IQGifWriter
{
public:
    // The pixels of a frame, read a few rows at a time, on any thread and as often as the
    // writer needs. The writer keeps the frame until the next one is written or the file ends,
    // to tell which pixels change; its pixels must not change meanwhile.
    class Frame
    {
    public:
        virtual ~Frame() = default;
        // Rows [first, first + count), each width x 4 bytes of red, green, blue and alpha, one
        // after the other: in the frame's own memory, or in buffer, which holds count rows.
        // Null when they cannot be had.
        virtual const uint8_t *rows(int first, int count, uint8_t *buffer) const = 0;
    };

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
    // The pixels are copied when the writer needs them for the next frame.
    bool writeFrame(const uint8_t *pixels, int width, int height, int delay, int bitDepth,
                    bool dither);
    // The same without dithering, the frame read where it lies.
    bool writeFrame(std::shared_ptr<const Frame> frame, int width, int height, int delay,
                    int bitDepth);
    // Writes the trailer and closes the file; false when any write, flush or close failed. A
    // frame's image block is written while the next frame is prepared, so a failed write may
    // be reported by the next writeFrame or only here.
    bool end();

private:
    struct Tables;

    void finishPendingBlock();
    void closeFile();
    // Gives previous and cleared what the viewer shows after the first frame, which is told
    // by its indices and palette alone; false when the memory cannot be had.
    bool expandShown();
    bool writeBlock(int delay, const IQGifPalette &palette);
    // Maps a frame of the canvas size without dithering and writes it; copies its pixels into
    // copy, unless that is null, as they are mapped.
    bool writeRoleFrame(std::shared_ptr<const Frame> frame, int delay, int bitDepth,
                        uint8_t *copy);

    FILE *file = nullptr;
    // From the second frame on (or a dithered first): the shown colours and the index written,
    // per pixel, and 1 where the viewer shows transparency.
    std::unique_ptr<uint8_t[]> previous;
    std::unique_ptr<uint8_t[]> cleared;
    // The first frame has been written and previous does not hold it yet.
    bool shownByIndices = false;
    // The last frame mapped without dithering, as it was given.
    std::shared_ptr<const Frame> previousSource;
    bool firstFrame = false;
    // A frame failed after it had changed what the writer keeps: the file cannot be right.
    bool broken = false;
    int canvasWidth = 0;
    int canvasHeight = 0;
    std::unique_ptr<Tables> tables; // LZW dictionary and colour cache, kept across frames
};
