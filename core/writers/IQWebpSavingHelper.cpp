#include "writers/IQWebpSavingHelper.h"

#include <QSaveFile>

#include <webp/encode.h>

#include "imaging/IQThreadBudget.h"

void IQWebpSavingHelper::EncoderDeleter::operator()(WebPAnimEncoder *encoder) const
{
    WebPAnimEncoderDelete(encoder);
}

IQWebpSavingHelper::IQWebpSavingHelper() = default;

IQWebpSavingHelper::~IQWebpSavingHelper() = default; // an uncommitted save file removes itself

namespace {
bool makeConfig(WebPConfig *config, int lossless, int quality)
{
    if (!WebPConfigInitInternal(config, WEBP_PRESET_DEFAULT, 75.0f, WEBP_ENCODER_ABI_VERSION))
        return false;
    config->lossless = lossless;
    config->quality = float(quality);
    // Checked here, so that a first frame that waits is refused as soon as it is given.
    return WebPValidateConfig(config);
}

// The threads of one encoding: the calling thread's own token, and libwebp's second thread for
// its analysis pass only when the budget has a token free for it. The bytes are the same with
// one thread or two.
class EncoderThreads
{
public:
    void apply(WebPConfig *config) const { config->thread_level = spare.count(); }

private:
    IQThreadBudget::Seat seat;
    IQThreadBudget::Lease spare{1};
};

// Whether libwebp takes the frame's pixels as they lie in memory.
bool isImportable(QImage::Format format)
{
    return format == QImage::Format_ARGB32 || format == QImage::Format_RGB32
           || format == QImage::Format_RGBA8888 || format == QImage::Format_RGBX8888;
}

// The frame's pixels as they lie in memory: ARGB32 and RGB32 as blue, green, red and alpha (or
// an unused byte), RGBA8888 and RGBX8888 as red, green, blue and alpha (or unused).
bool importPicture(WebPPicture *picture, const QImage &frame, bool toYuv = false)
{
    if (frame.isNull() || !isImportable(frame.format())
        || !WebPPictureInitInternal(picture, WEBP_ENCODER_ABI_VERSION))
        return false;
    picture->use_argb = toYuv ? 0 : 1;
    picture->width = frame.width();
    picture->height = frame.height();
    const uint8_t *bits = frame.constBits();
    const int stride = frame.bytesPerLine();
    switch (frame.format()) {
    case QImage::Format_ARGB32:
        return WebPPictureImportBGRA(picture, bits, stride);
    case QImage::Format_RGB32:
        return WebPPictureImportBGRX(picture, bits, stride);
    case QImage::Format_RGBA8888:
        return WebPPictureImportRGBA(picture, bits, stride);
    default:
        return WebPPictureImportRGBX(picture, bits, stride);
    }
}
} // namespace

void IQWebpSavingHelper::discard()
{
    encoder.reset();
    file.reset();
    timestamp = 0;
    frames = 0;
    firstFrame = QImage();
}

bool IQWebpSavingHelper::begin(int width, int height, const QString &path)
{
    discard();
    // The canvases that libwebp's animation encoder takes.
    if (width <= 0 || height <= 0 || quint64(width) * quint64(height) >= kMaxAnimationArea)
        return false;
    file = std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly)
        || !WebPAnimEncoderOptionsInitInternal(&options, WEBP_MUX_ABI_VERSION)) {
        file.reset();
        return false;
    }
    this->width = width;
    this->height = height;
    return true;
}

bool IQWebpSavingHelper::startAnimation()
{
    // Made only for a second frame: the encoder keeps three canvases of 32-bit pixels from the
    // start, four times what a still needs beside its picture.
    if (!encoder)
        encoder.reset(WebPAnimEncoderNewInternal(width, height, &options, WEBP_MUX_ABI_VERSION));
    return encoder != nullptr;
}

bool IQWebpSavingHelper::addToAnimation(const QImage &pixels, int startTime, int lossless,
                                        int quality)
{
    WebPConfig config;
    WebPPicture picture;
    if (!makeConfig(&config, lossless, quality) || !importPicture(&picture, pixels))
        return false;
    const EncoderThreads threads;
    threads.apply(&config);
    const bool ok = WebPAnimEncoderAdd(encoder.get(), &picture, startTime, &config);
    WebPPictureFree(&picture);
    return ok;
}

bool IQWebpSavingHelper::addFrame(QImage &frame, int duration, int lossless, int quality)
{
    if (!file)
        return false;
    bool ok = false;
    WebPConfig config;
    if (!frame.isNull() && makeConfig(&config, lossless, quality)) {
        fitToCanvas(frame, width, height);
        // Other formats (premultiplied, fewer bits) are unpacked to plain 32-bit pixels first.
        const QImage pixels = isImportable(frame.format())
                                  ? frame
                                  : frame.convertToFormat(QImage::Format_ARGB32);
        if (!pixels.isNull()) {
            if (frames == 0) {
                firstFrame = pixels;
                firstLossless = lossless;
                firstQuality = quality;
                ok = true;
            } else {
                ok = startAnimation()
                     && (frames > 1 || addToAnimation(firstFrame, 0, firstLossless, firstQuality))
                     && addToAnimation(pixels, timestamp, lossless, quality);
                firstFrame = QImage();
            }
        }
    }
    if (ok)
        ++frames;
    timestamp += duration;
    return ok;
}

bool IQWebpSavingHelper::writeStill()
{
    WebPConfig config;
    WebPPicture picture;
    // A lossy still is encoded from YUV: taken straight from the pixels, as the encoder would
    // take it from a copy of them.
    if (!makeConfig(&config, firstLossless, firstQuality)
        || !importPicture(&picture, firstFrame, !firstLossless))
        return false;
    const EncoderThreads threads;
    threads.apply(&config);
    WebPMemoryWriter writer;
    WebPMemoryWriterInit(&writer);
    picture.writer = WebPMemoryWrite;
    picture.custom_ptr = &writer;
    bool ok = WebPEncode(&config, &picture);
    WebPPictureFree(&picture);
    ok = ok && file->write(reinterpret_cast<const char *>(writer.mem), qint64(writer.size))
                   == qint64(writer.size);
    WebPMemoryWriterClear(&writer);
    return ok && file->commit();
}

bool IQWebpSavingHelper::writeAnimation()
{
    // A last call without a frame closes the stream and gives the last frame its duration.
    bool ok = WebPAnimEncoderAdd(encoder.get(), nullptr, timestamp, nullptr);
    WebPData data;
    WebPDataInit(&data);
    ok = ok && WebPAnimEncoderAssemble(encoder.get(), &data);
    if (ok) {
        ok = file->write(reinterpret_cast<const char *>(data.bytes), qint64(data.size))
                 == qint64(data.size)
             && file->commit();
    }
    WebPFree(const_cast<uint8_t *>(data.bytes));
    return ok;
}

bool IQWebpSavingHelper::end()
{
    if (!file || frames == 0) {
        discard();
        return false;
    }
    const bool ok = frames == 1 ? writeStill() : writeAnimation();
    discard();
    return ok;
}
