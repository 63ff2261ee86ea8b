#include "IQExportThread.h"

#include <QFileInfo>
#include <QImageReader>

#include <utility>

#include "settings/IQBatchSettings.h"
#include "imaging/IQConvertEngine.h"
#include "IQExportDialog.h"
#include "documents/IQFileUtils.h"
#include "writers/IQGifSavingHelper.h"
#include "documents/IQImageFile.h"
#include "writers/IQImageSavingHelper.h"
#include "writers/IQWebpSavingHelper.h"

namespace {

// A non-zero first delay makes the GIF writer add its endless-loop block; a still GIF has none.
constexpr int kGifLoopDelay = 10;
constexpr int kGifStillDelay = 0;

// Frame i of the reader, or a null image. A reader that cannot jump goes on with its next
// image, which is frame i when the frames are read in order.
QImage readFrame(QImageReader &reader, int i)
{
    if (i > 0)
        reader.jumpToImage(i);
    return reader.read();
}

// Frame n of a fresh reader, read in order where the reader cannot jump.
QImage frameOf(QImageReader &reader, int n)
{
    if (n > 0 && reader.jumpToImage(n))
        return reader.read();
    QImage frame;
    for (int i = 0; i <= n; ++i) {
        frame = reader.read();
        if (frame.isNull())
            break;
    }
    return frame;
}

} // namespace

IQExportThread::IQExportThread(IQImageFile *imageFile, const QImage &image,
                               const IQExportOptions *options)
    : QThread(nullptr)
    , imageFile(imageFile)
    , image(image)
{
    if (options)
        this->options = *options;
    // saveFinished carries the document across threads.
    qRegisterMetaType<IQImageFile *>("IQImageFile*");
}

IQExportThread::~IQExportThread() = default;

void IQExportThread::run()
{
    QString path;
    bool ok = false;
    if (imageFile) {
        switch (options.option) {
        case IQExportOptions::CurrentFrame:
            ok = exportCurrentFrame(&path);
            break;
        case IQExportOptions::AllFrames:
            ok = exportAllFrames(&path);
            break;
        case IQExportOptions::Animation:
            ok = exportAnimation(&path);
            break;
        default:
            break;
        }
    }
    emit saveFinished(imageFile, path, ok);
}

QString IQExportThread::targetPath(const QString &fileName) const
{
    const QString path = exportOutputDir + QLatin1Char('/') + fileName;
    const QFileInfo target(path);
    if (target.exists()
        && target.canonicalFilePath()
               == QFileInfo(imageFile->absoluteFilePath()).canonicalFilePath())
        return IQFileUtils::uniqueFilePath(fileName, exportOutputDir);
    return path;
}

QImage IQExportThread::prepared(QImage picture) const
{
    if (!options.apply || picture.isNull())
        return picture;
    return IQConvertEngine(IQBatchSettings::instance()).process(std::move(picture));
}

bool IQExportThread::saveStill(const QImage &picture, const QString &path) const
{
    if (options.format == IQOutputFormat::Gif)
        return IQGifSavingHelper::saveImage(picture, path, kGifStillDelay);
    IQImageSavingHelper writer;
    writer.quality = options.format == IQOutputFormat::Webp ? options.webpQuality : options.quality;
    return writer.save(picture, path);
}

bool IQExportThread::exportCurrentFrame(QString *path)
{
    // The page shows a display copy of a still and, with Apply ticked, converted frames of
    // an animation; the export writes the file's own pixels.
    QImage picture;
    const bool animated = imageFile->kind() == DocumentInfo::Animated;
    if (animated && frameNumber < 0) {
        picture = image;
    } else {
        QImageReader reader(imageFile->absoluteFilePath());
        reader.setAutoTransform(true);
        picture = frameOf(reader, animated ? frameNumber : 0);
    }
    *path = targetPath(options.name + QLatin1Char('.') + IQExportDialog::formatSuffix(options.format));
    const bool ok = saveStill(prepared(std::move(picture)), *path);
    emit saving(1);
    return ok;
}

bool IQExportThread::exportAllFrames(QString *path)
{
    QImageReader reader(imageFile->absoluteFilePath());
    reader.setAutoTransform(true);
    int count = reader.imageCount();
    if (count < 0)
        return false;
    count = qMax(count, 1);

    const QString suffix = IQExportDialog::formatSuffix(options.format);
    bool ok = true;
    for (int i = 0; i < count; ++i) {
        if (isInterruptionRequested())
            return false;
        *path = targetPath(QStringLiteral("%1_%2.%3").arg(options.name, QString::number(i + 1),
                                                          suffix));
        // A frame that cannot be read is still offered to the writer, which refuses it; the
        // other frames are written all the same and the export reports the failure.
        if (!saveStill(prepared(readFrame(reader, i)), *path))
            ok = false;
        emit saving(i + 1);
    }
    return ok;
}

bool IQExportThread::exportAnimation(QString *path)
{
    const QString suffix = IQExportDialog::formatSuffix(options.format);
    if (options.format != IQOutputFormat::Gif && options.format != IQOutputFormat::Webp)
        return false;
    *path = targetPath(options.name + QLatin1Char('.') + suffix);

    QImageReader reader(imageFile->absoluteFilePath());
    reader.setAutoTransform(true);
    // Asked before the first read: some readers count only what is left after it.
    const int count = qMax(reader.imageCount(), 1);
    QImage first = reader.read();
    if (first.isNull())
        return false;
    first = prepared(std::move(first));
    if (options.format == IQOutputFormat::Gif)
        return exportGifAnimation(reader, std::move(first), count, *path);
    return exportWebpAnimation(reader, std::move(first), count, *path);
}

// Either every frame reaches the file or nothing does: a helper destroyed before end leaves
// no file behind and an earlier file at the path as it was.
bool IQExportThread::exportGifAnimation(QImageReader &reader, QImage first, int count,
                                        const QString &path)
{
    const int delay = options.duration / 10; // GIF counts in hundredths of a second
    emit saving(1);
    IQGifSavingHelper gif;
    if (!gif.begin(first.width(), first.height(), path, kGifLoopDelay)
        || !gif.addFrame(first, delay))
        return false;
    for (int i = 1; i < count; ++i) {
        if (isInterruptionRequested())
            return false;
        QImage frame = readFrame(reader, i);
        if (frame.isNull())
            return false;
        frame = prepared(std::move(frame));
        if (!gif.addFrame(frame, delay))
            return false;
        emit saving(i + 1);
    }
    return gif.end();
}

bool IQExportThread::exportWebpAnimation(QImageReader &reader, QImage first, int count,
                                         const QString &path)
{
    constexpr int kLossy = 0;
    IQWebpSavingHelper webp;
    if (!webp.begin(first.width(), first.height(), path)
        || !webp.addFrame(first, options.duration, kLossy, options.webpQuality))
        return false;
    emit saving(1);
    for (int i = 1; i < count; ++i) {
        if (isInterruptionRequested())
            return false;
        QImage frame = readFrame(reader, i);
        if (frame.isNull())
            return false;
        frame = prepared(std::move(frame));
        if (!webp.addFrame(frame, options.duration, kLossy, options.webpQuality))
            return false;
        emit saving(i + 1);
    }
    return webp.end();
}
