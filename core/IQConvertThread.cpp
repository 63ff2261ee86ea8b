#include "IQConvertThread.h"

#include <QDebug>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <functional>
#include <limits>
#include <new>
#include <utility>

#include "IQBatchSettings.h"
#include "IQConvertEngine.h"
#include "IQFileUtils.h"
#include "IQGifSavingHelper.h"
#include "IQImageSavingHelper.h"
#include "IQWebpSavingHelper.h"

namespace {

// A non-zero first delay makes the GIF writer put the endless-loop block into every batch GIF.
constexpr int kGifLoopDelay = 10;

} // namespace

IQConvertThread::~IQConvertThread() = default;

void IQConvertThread::stop()
{
    stopRequested = true;
}

void IQConvertThread::run()
{
    emit convertStart(files.size());

    int counter = settings->renameEnabled ? settings->startNumber : 1;
    const QString suffix = settings->outputSuffix();
    const bool rename = settings->renameEnabled && !settings->newName.isEmpty();

    // Every source keeps its file until the run has read it, whatever the names and the
    // overwrite rule say; a source listed twice is protected up to its last position.
    sourcePositions.clear();
    claimedPaths.clear();
    for (int i = 0; i < files.size(); ++i) {
        const QString canonical = QFileInfo(files.at(i)).canonicalFilePath();
        if (!canonical.isEmpty())
            sourcePositions.insert(canonical, i);
    }

    for (position = 0; position < files.size() && !stopRequested; ++position) {
        const QString path = files.at(position);
        emit converting(position, path);

        const QString baseName = rename ? settings->newName : QFileInfo(path).completeBaseName();
        QImageReader reader(path);
        // Photos come out upright, as the viewer shows them.
        reader.setAutoTransform(true);
        if (!reader.canRead())
            continue;
        // Asked before the first read: some readers count only what is left after it.
        const int frameCount = reader.imageCount();
        QImage first = readFirstImage(reader);
        if (first.isNull())
            continue;
        if (stopRequested)
            break;

        convertFile(reader, std::move(first), frameCount, baseName, !rename, counter, suffix);
        ++counter;
    }

    sourcePositions.clear();
    claimedPaths.clear();
    decodeBuffer.reset();
    decodeCapacity = 0;
    emit convertEnd(files);
}

void IQConvertThread::convertFile(QImageReader &reader, QImage first, int frameCount,
                                  const QString &baseName, bool keepName, int counter,
                                  const QString &suffix)
{
    // Frames 1 .. frameCount - 1, each processed; frames that cannot be decoded are left out.
    const auto forEachFurtherFrame = [&](const std::function<void(QImage &)> &add) {
        for (int k = 1; k < frameCount && !stopRequested; ++k) {
            QImage frame = readFrame(reader, k);
            if (frame.isNull())
                continue;
            QImage processed = engine->process(std::move(frame));
            add(processed);
        }
    };

    switch (settings->format) {
    case IQOutputFormat::Gif: {
        const QString path = outputPath(baseName, suffix, keepName, counter, settings);
        QImage processed = engine->process(std::move(first));
        const int delay = settings->duration / 10;
        IQGifSavingHelper gif;
        if (gif.begin(processed.width(), processed.height(), path, kGifLoopDelay)) {
            gif.addFrame(processed, delay);
            forEachFurtherFrame([&](QImage &frame) { gif.addFrame(frame, delay); });
        }
        gif.end();
        return;
    }
    case IQOutputFormat::Webp: {
        const QString path = outputPath(baseName, suffix, keepName, counter, settings);
        QImage processed = engine->process(std::move(first));
        const int duration = settings->duration;
        const int quality = settings->webpQuality;
        IQWebpSavingHelper webp;
        if (webp.begin(processed.width(), processed.height(), path)) {
            webp.addFrame(processed, duration, 0, quality);
            forEachFurtherFrame(
                [&](QImage &frame) { webp.addFrame(frame, duration, 0, quality); });
        }
        webp.end();
        return;
    }
    default:
        break;
    }

    IQImageSavingHelper writer;
    writer.author = settings->author;
    writer.quality = settings->quality;
    if (frameCount < 2) {
        const QImage processed = engine->process(std::move(first));
        writer.save(processed, outputPath(baseName, suffix, keepName, counter, settings));
        return;
    }
    for (int k = 0; k < frameCount && !stopRequested; ++k) {
        QImage frame = k == 0 ? std::move(first) : readFrame(reader, k);
        if (frame.isNull())
            continue;
        const QString path = framePath(baseName, suffix, keepName, counter, k + 1, settings);
        writer.save(engine->process(std::move(frame)), path);
    }
}

QImage IQConvertThread::readFirstImage(QImageReader &reader)
{
    // Decoding into memory kept from the source before spares a large photo the fresh pages
    // that the system would otherwise clear for it, a third of its decoding time. The image
    // wraps the memory and is the only one that refers to it until the source is written.
    QImage image;
    const QSize size = reader.size();
    const QImage::Format format = reader.imageFormat();
    if (size.isValid() && format != QImage::Format_Invalid) {
        const qint64 depth = QImage::toPixelFormat(format).bitsPerPixel();
        const qint64 bytesPerLine = (size.width() * depth + 31) / 32 * 4;
        const qint64 bytes = bytesPerLine * size.height();
        if (bytes > decodeCapacity && bytesPerLine <= std::numeric_limits<int>::max()
            && bytes <= std::numeric_limits<qsizetype>::max()) {
            // A size the memory cannot hold is left to the reader, which fails quietly.
            decodeBuffer.reset(new (std::nothrow) uchar[size_t(bytes)]);
            decodeCapacity = decodeBuffer ? bytes : 0;
        }
        if (bytes <= decodeCapacity)
            image = QImage(decodeBuffer.get(), size.width(), size.height(), int(bytesPerLine),
                           format);
    }
    if (!reader.read(&image))
        return QImage();
    return image;
}

QImage IQConvertThread::readFrame(QImageReader &reader, int k)
{
    // A reader that cannot jump goes on with its next image, which is frame k here.
    reader.jumpToImage(k);
    return reader.read();
}

QString IQConvertThread::outputName(const QString &baseName, bool keepName, int counter,
                                    const IQBatchSettings *settings) const
{
    const QString prefix = settings->renameEnabled ? settings->prefix : QString();
    const QString text = settings->renameEnabled ? settings->suffix : QString();
    // One pass of arg(), so a "%1" in a name stays as it is.
    if (keepName)
        return QStringLiteral("%1%2%3").arg(prefix, baseName, text);
    return QStringLiteral("%1%2%3_%4").arg(prefix, baseName, text, QString::number(counter));
}

bool IQConvertThread::isSource(const QString &path) const
{
    if (sourcePositions.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && sourcePositions.value(info.canonicalFilePath(), -1) >= position;
}

bool IQConvertThread::isTaken(const QString &path, const IQBatchSettings *settings) const
{
    return (!settings->overwrite && QFileInfo::exists(path)) || isSource(path)
           || claimedPaths.contains(QFileInfo(path).absoluteFilePath());
}

QString IQConvertThread::claim(const QString &path)
{
    claimedPaths.insert(QFileInfo(path).absoluteFilePath());
    return path;
}

QString IQConvertThread::outputPath(const QString &baseName, const QString &suffix, bool keepName,
                                    int counter, const IQBatchSettings *settings)
{
    const QString name = outputName(baseName, keepName, counter, settings);
    QString path = QStringLiteral("%1/%2.%3").arg(settings->outputDir, name, suffix);
    for (int m = 1; isTaken(path, settings); ++m)
        path = QStringLiteral("%1/%2_%3.%4")
                   .arg(settings->outputDir, name, QString::number(m), suffix);
    qDebug() << "File:" << path;
    return claim(path);
}

QString IQConvertThread::framePath(const QString &baseName, const QString &suffix, bool keepName,
                                   int counter, int frameNumber,
                                   const IQBatchSettings *settings)
{
    const QString name = outputName(baseName, keepName, counter, settings);
    const QString frame = QString::number(frameNumber);
    QString path = QStringLiteral("%1/%2_%3.%4").arg(settings->outputDir, name, frame, suffix);
    for (int m = 1; isTaken(path, settings); ++m)
        path = QStringLiteral("%1/%2_%3_%4.%5")
                   .arg(settings->outputDir, name, frame, QString::number(m), suffix);
    return claim(path);
}

QString IQConvertThread::numberedFileName(const QString &prefix, const QString &name,
                                          const QString &text, int number, const QString &suffix)
{
    return QStringLiteral("%1%2%3_%4.%5").arg(prefix, name, text, QString::number(number), suffix);
}

QString IQConvertThread::freeFilePath(const QString &folder, const QString &fileName)
{
    return IQFileUtils::uniqueFilePath(fileName, folder);
}
