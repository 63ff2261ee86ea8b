#include "IQWebpSavingHelper.h"

#include <QSaveFile>

#include <webp/encode.h>

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

// Format_ARGB32 lies in memory as blue, green, red, alpha.
bool importPicture(WebPPicture *picture, const QImage &argb)
{
    if (argb.isNull() || !WebPPictureInitInternal(picture, WEBP_ENCODER_ABI_VERSION))
        return false;
    picture->use_argb = 1;
    picture->width = argb.width();
    picture->height = argb.height();
    return WebPPictureImportBGRA(picture, argb.constBits(), argb.bytesPerLine());
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
    file = std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly)) {
        file.reset();
        return false;
    }
    if (!WebPAnimEncoderOptionsInitInternal(&options, WEBP_MUX_ABI_VERSION)) {
        file.reset();
        return false;
    }
    encoder.reset(WebPAnimEncoderNewInternal(width, height, &options, WEBP_MUX_ABI_VERSION));
    this->width = width;
    this->height = height;
    if (!encoder) {
        file.reset();
        return false;
    }
    return true;
}

bool IQWebpSavingHelper::addToAnimation(const QImage &argb, int startTime, int lossless,
                                        int quality)
{
    WebPConfig config;
    WebPPicture picture;
    if (!makeConfig(&config, lossless, quality) || !importPicture(&picture, argb))
        return false;
    const bool ok = WebPAnimEncoderAdd(encoder.get(), &picture, startTime, &config);
    WebPPictureFree(&picture);
    return ok;
}

bool IQWebpSavingHelper::addFrame(QImage &frame, int duration, int lossless, int quality)
{
    if (!encoder)
        return false;
    bool ok = false;
    WebPConfig config;
    if (!frame.isNull() && makeConfig(&config, lossless, quality)) {
        fitToCanvas(frame, width, height);
        const QImage argb = frame.format() == QImage::Format_ARGB32
                                ? frame
                                : frame.convertToFormat(QImage::Format_ARGB32);
        if (!argb.isNull()) {
            if (frames == 0) {
                firstFrame = argb;
                firstLossless = lossless;
                firstQuality = quality;
                ok = true;
            } else {
                ok = (frames > 1 || addToAnimation(firstFrame, 0, firstLossless, firstQuality))
                     && addToAnimation(argb, timestamp, lossless, quality);
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
    if (!makeConfig(&config, firstLossless, firstQuality) || !importPicture(&picture, firstFrame))
        return false;
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
    if (!encoder) {
        discard();
        return false;
    }
    const bool ok = frames == 1 ? writeStill() : writeAnimation();
    discard();
    return ok;
}
