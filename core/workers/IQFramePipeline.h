#pragma once

#include <QImage>
#include <QImageReader>
#include <QString>

#include <functional>
#include <memory>

class IQConvertEngine;

// The road of a source's frames to an output file: reads the frames upright, runs each through
// an engine and feeds it to a writer. The batch worker and the export worker both write
// through it, so they read, time and give up on frames the same way.
//
// One rule for a frame that cannot be decoded: an output made of several frames (an animated
// GIF or WebP, or every frame as a still of its own) fails whole and leaves no file behind; a
// file that was at an output path before stays as it was. So does a stop between frames.
class IQFramePipeline
{
public:
    enum class Result {
        Written,
        CannotRead,     // a frame the output needs cannot be decoded
        CannotWrite,    // a writer refused a frame or the file
        TooSmallForGif, // the processed first frame is below the GIF writer's smallest canvas
        Stopped,        // the stop came between frames
    };

    // A non-zero first delay makes the GIF writer put its endless-loop block into the file;
    // a still GIF has none.
    static constexpr int kGifLoopDelay = 10;
    static constexpr int kGifStillDelay = 0;

    // The memory that the first frames of one thread's sources are decoded into, one source
    // after the other: the block of the last one, once no image refers to it any more, serves
    // the next first frame of about its size, so that a batch of photos does not take fresh
    // pages from the system for each. It keeps one block at most, and goes with the last image
    // or holder that refers to it.
    class FrameMemory;
    static std::shared_ptr<FrameMemory> makeFrameMemory();

    // Opens the source with no format given, so the reader tells it from the content.
    explicit IQFramePipeline(const QString &path);

    // Runs every frame through the engine before it is written; null writes the frames as
    // the source holds them. The engine is not owned and is used on the calling thread only.
    void setEngine(IQConvertEngine *engine) { this->engine = engine; }
    // Decodes the first frame into that memory; without it, into fresh pages.
    void setFrameMemory(std::shared_ptr<FrameMemory> memory) { frameMemory = std::move(memory); }
    // Asked between frames; true stops the road.
    void setStopCheck(std::function<bool()> check) { stopCheck = std::move(check); }
    // Told the number of frames added to the output so far, after every frame.
    void setProgress(std::function<void(int)> progress) { this->progress = std::move(progress); }

    QImageReader &reader() { return imageReader; }
    // Whether a reader takes the content; also fixes the frame count before the first read,
    // since some readers count only what is left after it.
    bool open();
    // The frame count the reader gave when the source was opened (may be 0 or -1).
    int frameCount() const { return count; }

    // The first frame, or a null image. Rows that the decoder does not reach are zero,
    // never what earlier work left in the memory.
    QImage readFirstFrame();
    // Frame k after frame k - 1 was read, or a null image.
    QImage readFrame(int k);
    // Frame n of a reader that has read nothing yet; read in order where it cannot jump.
    QImage readFrameAt(int n);

    // The image as the engine makes it, or as it is without an engine.
    QImage process(QImage image) const;

    // One animated GIF of count frames at path, the first given unprocessed, every frame
    // with delay (hundredths of a second). pathOf is asked for the path once the first frame
    // is processed, before anything is written.
    Result writeGif(QImage first, int count, const std::function<QString()> &pathOf,
                    int delay);
    // One WebP animation of count frames, every frame lasting duration milliseconds, lossy.
    Result writeWebp(QImage first, int count, const std::function<QString()> &pathOf,
                     int duration, int quality);
    // Frame k of count as a still at pathOf(k), written by save. Either every frame reaches
    // its path or none does: the frames wait under temporary names beside their paths until
    // the last one is written.
    Result writeStills(QImage first, int count, const std::function<QString(int)> &pathOf,
                       const std::function<bool(const QImage &, const QString &)> &save);

private:
    // Reads, processes and adds frames 1 .. frames - 1 after the first was added.
    Result addFurtherFrames(int frames, const std::function<bool(QImage &)> &add);
    bool stopped() const { return stopCheck && stopCheck(); }
    void reportProgress(int frames) const
    {
        if (progress)
            progress(frames);
    }

    QImageReader imageReader;
    int count = 0;
    IQConvertEngine *engine = nullptr;
    std::function<bool()> stopCheck;
    std::function<void(int)> progress;
    std::shared_ptr<FrameMemory> frameMemory;
};
