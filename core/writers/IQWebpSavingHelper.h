#pragma once

#include <QString>

#include <webp/mux.h>

#include <memory>

#include "writers/IQSavingHeler.h"

class QSaveFile;

// Writes a WebP file: begin, one addFrame per frame, end. Two or more frames go through libwebp's
// animation encoder; a single frame becomes a still WebP file, which every reader takes. The
// bytes go to a temporary file beside the target that takes its place only when end succeeds;
// otherwise, or when the helper is destroyed first, nothing is left behind and an earlier file
// at the path stays as it was.
class IQWebpSavingHelper : public IQSavingHeler
{
public:
    IQWebpSavingHelper();
    ~IQWebpSavingHelper() override;

    IQWebpSavingHelper(const IQWebpSavingHelper &) = delete;
    IQWebpSavingHelper &operator=(const IQWebpSavingHelper &) = delete;

    bool begin(int width, int height, const QString &path);
    // duration in milliseconds, lossless 0 or 1, quality 0..100. A frame of another size is
    // fitted to the canvas first, and the fitted frame replaces it.
    bool addFrame(QImage &frame, int duration, int lossless, int quality);
    bool end();

private:
    struct EncoderDeleter
    {
        void operator()(WebPAnimEncoder *encoder) const;
    };

    // libwebp's animation encoder takes no canvas of this many pixels or more.
    static constexpr quint64 kMaxAnimationArea = quint64(1) << 32;

    void discard();
    bool startAnimation();
    bool addToAnimation(const QImage &pixels, int startTime, int lossless, int quality);
    bool writeStill();
    bool writeAnimation();

    int width = 0;
    int height = 0;
    WebPAnimEncoderOptions options = {};
    std::unique_ptr<WebPAnimEncoder, EncoderDeleter> encoder;
    std::unique_ptr<QSaveFile> file;
    int timestamp = 0; // start of the next frame, in milliseconds
    int frames = 0;
    // The first frame waits until a second one makes the file an animation.
    QImage firstFrame;
    int firstLossless = 0;
    int firstQuality = 0;
};
