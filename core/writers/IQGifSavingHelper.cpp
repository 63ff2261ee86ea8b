#include "writers/IQGifSavingHelper.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <mutex>

#include "writers/IQGifWriter.h"

namespace {

// A short name of its own, so that any target name the file system takes can be written.
const QString kTemporaryName = QStringLiteral(".gif-XXXXXX");

// Qt converts an image of more bytes than this on its global thread pool, beside the threads
// that the thread budget counts; a few rows at a time it converts on the calling thread.
constexpr int kConvertedBytesAtOnce = 64 * 1024;

// A frame as the encoder reads it: the rows of an image shared with the caller, as they lie when
// they are RGBA, else converted a few at a time, exactly as a conversion of the whole image would
// convert them. Sharing the image copies nothing while the caller keeps it.
class IQGifImageFrame : public IQGifWriter::Frame
{
public:
    explicit IQGifImageFrame(const QImage &image)
        : image(image), colors(image.colorTable())
    {
    }

    const uint8_t *rows(int first, int count, uint8_t *buffer) const override
    {
        const int width = image.width();
        const int rowBytes = width * 4;
        if (image.format() == QImage::Format_RGBA8888) {
            if (image.bytesPerLine() == rowBytes)
                return image.constScanLine(first);
            for (int y = 0; y < count; ++y)
                std::memcpy(buffer + size_t(y) * rowBytes, image.constScanLine(first + y),
                            size_t(rowBytes));
            return buffer;
        }
        const int step = std::max(1, kConvertedBytesAtOnce / image.bytesPerLine());
        for (int y = 0; y < count; y += step) {
            const int rows = std::min(step, count - y);
            QImage band(image.constScanLine(first + y), width, rows, image.bytesPerLine(),
                        image.format());
            if (!colors.isEmpty())
                band.setColorTable(colors);
            const QImage rgba = band.convertToFormat(QImage::Format_RGBA8888);
            if (rgba.isNull())
                return nullptr;
            for (int k = 0; k < rows; ++k)
                std::memcpy(buffer + size_t(y + k) * rowBytes, rgba.constScanLine(k),
                            size_t(rowBytes));
        }
        return buffer;
    }

private:
    QImage image;
    QVector<QRgb> colors;
};

} // namespace

IQGifSavingHelper::IQGifSavingHelper() = default;

IQGifSavingHelper::~IQGifSavingHelper()
{
    discard();
}

void IQGifSavingHelper::discard()
{
    writer.reset(); // closes the unfinished file before it is removed
    file.reset();
    target.clear();
}

bool IQGifSavingHelper::begin(int width, int height, const QString &path, int delay)
{
    discard();
    if (width < kMinimumSide || height < kMinimumSide)
        return false;

    // Reserves a unique name in the target's folder, where the rename can replace the target
    // in one step; the encoder then opens it by that name.
    file = std::make_unique<QTemporaryFile>(QFileInfo(path).dir().filePath(kTemporaryName));
    if (!file->open()) {
        file.reset();
        return false;
    }
    file->close();

    writer = std::make_unique<IQGifWriter>();
    this->width = width;
    this->height = height;
    target = path;
    if (!writer->begin(QFile::encodeName(file->fileName()).constData(), width, height, delay)) {
        discard();
        return false;
    }
    return true;
}

bool IQGifSavingHelper::addFrame(QImage &frame, int delay)
{
    if (!writer || frame.isNull())
        return false;
    if (frame.width() != width || frame.height() != height) {
        // Qt spreads a large smooth scale over its global thread pool, beside the threads that
        // the thread budget counts; run as one task of that pool it stays on that one thread,
        // while this one waits.
        // The hand-over is a standard lock, which the thread sanitizer sees as well.
        QThreadPool *pool = QThreadPool::globalInstance();
        std::mutex lock;
        std::condition_variable changed;
        bool fitted = false;
        const auto fit = [&] {
            fitToCanvas(frame, width, height);
            const std::lock_guard<std::mutex> guard(lock);
            fitted = true;
            changed.notify_one();
        };
        if (!pool->contains(QThread::currentThread()) && pool->tryStart(fit)) {
            std::unique_lock<std::mutex> guard(lock);
            changed.wait(guard, [&] { return fitted; });
        } else {
            fitToCanvas(frame, width, height);
        }
    }
    if (frame.isNull())
        return false;
    return writer->writeFrame(std::make_shared<IQGifImageFrame>(frame), frame.width(),
                              frame.height(), delay, 8);
}

bool IQGifSavingHelper::end()
{
    if (!writer)
        return false;
    bool ok = writer->end();
    writer.reset();
    if (ok) {
        // A replaced file keeps its permissions; a new one gets the usual ones, not the
        // owner-only mode of a temporary file.
        const QFileInfo existing(target);
        file->setPermissions(existing.exists()
                                 ? existing.permissions()
                                 : QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                       | QFileDevice::ReadUser | QFileDevice::WriteUser
                                       | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        // rename() replaces the target in one step, so readers never see half a file.
        ok = std::rename(QFile::encodeName(file->fileName()).constData(),
                         QFile::encodeName(target).constData())
             == 0;
        if (ok)
            file->setAutoRemove(false);
    }
    discard();
    return ok;
}

bool IQGifSavingHelper::saveImage(const QImage &image, const QString &path, int delay)
{
    if (image.isNull() || image.width() < kMinimumSide || image.height() < kMinimumSide)
        return false;
    IQGifSavingHelper helper;
    if (!helper.begin(image.width(), image.height(), path, delay))
        return false;
    QImage frame = image;
    // Without its frame the file would be an empty GIF: report the failure and keep nothing.
    if (!helper.addFrame(frame, delay))
        return false;
    return helper.end();
}
