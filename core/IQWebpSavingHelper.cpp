#include "IQWebpSavingHelper.h"

#include <QSaveFile>

#include <webp/encode.h>

void IQWebpSavingHelper::EncoderDeleter::operator()(WebPAnimEncoder *encoder) const
{
    WebPAnimEncoderDelete(encoder);
}

IQWebpSavingHelper::IQWebpSavingHelper() = default;

IQWebpSavingHelper::~IQWebpSavingHelper() = default; // an uncommitted save file removes itself

void IQWebpSavingHelper::discard()
{
    encoder.reset();
    file.reset();
    timestamp = 0;
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

bool IQWebpSavingHelper::addFrame(QImage &frame, int duration, int lossless, int quality)
{
    if (!encoder)
        return false;
    bool ok = false;
    WebPConfig config;
    if (!frame.isNull()
        && WebPConfigInitInternal(&config, WEBP_PRESET_DEFAULT, 75.0f, WEBP_ENCODER_ABI_VERSION)) {
        config.lossless = lossless;
        config.quality = float(quality);

        fitToCanvas(frame, width, height);
        const QImage argb = frame.format() == QImage::Format_ARGB32
                                ? frame
                                : frame.convertToFormat(QImage::Format_ARGB32);
        WebPPicture picture;
        if (!argb.isNull() && WebPPictureInitInternal(&picture, WEBP_ENCODER_ABI_VERSION)) {
            picture.use_argb = 1;
            picture.width = argb.width();
            picture.height = argb.height();
            // Format_ARGB32 lies in memory as blue, green, red, alpha.
            if (WebPPictureImportBGRA(&picture, argb.constBits(), argb.bytesPerLine()))
                ok = WebPAnimEncoderAdd(encoder.get(), &picture, timestamp, &config);
            WebPPictureFree(&picture);
        }
    }
    timestamp += duration;
    return ok;
}

bool IQWebpSavingHelper::end()
{
    if (!encoder) {
        discard();
        return false;
    }
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
    discard();
    return ok;
}
