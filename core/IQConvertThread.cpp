#include "IQConvertThread.h"

#include <QDebug>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <cstring>
#include <functional>
#include <limits>
#include <new>
#include <utility>

#include "IQBatchSettings.h"
#include "IQConvertEngine.h"
#include "IQFileUtils.h"
#include "IQGifSavingHelper.h"
#include "IQImageSavingHelper.h"
#include "IQImageUtils.h"
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

QList<IQConvertThread::Failure> IQConvertThread::failures() const
{
    return failed;
}

void IQConvertThread::run()
{
    failed.clear();
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
        const auto fail = [&](Failure::Reason reason) { failed.append(Failure{path, reason}); };

        switch (IQFileUtils::checkSource(path)) {
        case IQFileUtils::SourceCheck::Unreadable:
            fail(Failure::CannotRead);
            continue;
        case IQFileUtils::SourceCheck::TooLarge:
            fail(Failure::TooLarge);
            continue;
        case IQFileUtils::SourceCheck::Readable:
            break;
        }

        const QString baseName = rename ? settings->newName : QFileInfo(path).completeBaseName();
        QImageReader reader(path);
        // Photos come out upright, as the viewer shows them.
        reader.setAutoTransform(true);
        if (!reader.canRead()) {
            fail(Failure::CannotRead);
            continue;
        }
        // Asked before the first read: some readers count only what is left after it.
        const int frameCount = reader.imageCount();
        QImage first = readFirstImage(reader);
        if (first.isNull()) {
            fail(Failure::CannotRead);
            continue;
        }
        if (stopRequested)
            break;
        if (!IQImageUtils::isWithinLimits(engine->outputSize(first.width(), first.height()))) {
            fail(Failure::TooLarge);
            continue;
        }

        Failure::Reason reason = Failure::CannotWrite;
        if (!convertFile(reader, std::move(first), frameCount, baseName, !rename, counter, suffix,
                         &reason))
            fail(reason);
        ++counter;
    }

    sourcePositions.clear();
    claimedPaths.clear();
    decodeBuffer.reset();
    decodeCapacity = 0;
    emit convertEnd(files);
}

bool IQConvertThread::convertFile(QImageReader &reader, QImage first, int frameCount,
                                  const QString &baseName, bool keepName, int counter,
                                  const QString &suffix, Failure::Reason *reason)
{
    // Frames 1 .. frameCount - 1, each processed; frames that cannot be decoded are left out.
    // False when a frame could not be added.
    const auto forEachFurtherFrame = [&](const std::function<bool(QImage &)> &add) {
        bool ok = true;
        for (int k = 1; k < frameCount && !stopRequested; ++k) {
            QImage frame = readFrame(reader, k);
            if (frame.isNull())
                continue;
            QImage processed = engine->process(std::move(frame));
            ok = add(processed) && ok;
        }
        return ok;
    };

    switch (settings->format) {
    case IQOutputFormat::Gif: {
        const QString path = outputPath(baseName, suffix, keepName, counter, settings);
        QImage processed = engine->process(std::move(first));
        if (processed.width() < IQGifSavingHelper::kMinimumSide
            || processed.height() < IQGifSavingHelper::kMinimumSide) {
            *reason = Failure::TooSmallForGif;
            return false;
        }
        const int delay = settings->duration / 10;
        IQGifSavingHelper gif;
        bool ok = gif.begin(processed.width(), processed.height(), path, kGifLoopDelay);
        if (ok) {
            ok = gif.addFrame(processed, delay);
            ok = forEachFurtherFrame([&](QImage &frame) { return gif.addFrame(frame, delay); })
                 && ok;
        }
        return gif.end() && ok;
    }
    case IQOutputFormat::Webp: {
        const QString path = outputPath(baseName, suffix, keepName, counter, settings);
        QImage processed = engine->process(std::move(first));
        const int duration = settings->duration;
        const int quality = settings->webpQuality;
        IQWebpSavingHelper webp;
        bool ok = webp.begin(processed.width(), processed.height(), path);
        if (ok) {
            ok = webp.addFrame(processed, duration, 0, quality);
            ok = forEachFurtherFrame([&](QImage &frame) {
                     return webp.addFrame(frame, duration, 0, quality);
                 })
                 && ok;
        }
        return webp.end() && ok;
    }
    default:
        break;
    }

    IQImageSavingHelper writer;
    writer.author = settings->author;
    writer.quality = settings->quality;
    if (frameCount < 2) {
        const QImage processed = engine->process(std::move(first));
        return writer.save(processed, outputPath(baseName, suffix, keepName, counter, settings));
    }
    bool ok = true;
    for (int k = 0; k < frameCount && !stopRequested; ++k) {
        QImage frame = k == 0 ? std::move(first) : readFrame(reader, k);
        if (frame.isNull())
            continue;
        const QString path = framePath(baseName, suffix, keepName, counter, k + 1, settings);
        ok = writer.save(engine->process(std::move(frame)), path) && ok;
    }
    return ok;
}

QImage IQConvertThread::readFirstImage(QImageReader &reader)
{
    // Decoding into memory kept from the source before spares a large photo the fresh pages
    // that the system would otherwise clear for it, a third of its decoding time. The image
    // wraps the memory and is the only one that refers to it until the source is written.
    // The memory is cleared first: a decoder that stops early must not show the pixels of
    // the source before.
    QImage image;
    const QSize size = reader.size();
    const QImage::Format format = reader.imageFormat();
    if (size.isValid() && IQImageUtils::isWithinLimits(size) && format != QImage::Format_Invalid) {
        const qint64 depth = QImage::toPixelFormat(format).bitsPerPixel();
        const qint64 bytesPerLine = (size.width() * depth + 31) / 32 * 4;
        const qint64 bytes = bytesPerLine * size.height();
        if (bytes > decodeCapacity && bytesPerLine <= std::numeric_limits<int>::max()
            && bytes <= std::numeric_limits<qsizetype>::max()) {
            // A size the memory cannot hold is left to the reader, which fails quietly.
            decodeBuffer.reset();
            decodeBuffer.reset(new (std::nothrow) uchar[size_t(bytes)]);
            decodeCapacity = decodeBuffer ? bytes : 0;
        }
        if (bytes <= decodeCapacity) {
            std::memset(decodeBuffer.get(), 0, size_t(bytes));
            image = QImage(decodeBuffer.get(), size.width(), size.height(), int(bytesPerLine),
                           format);
        }
    }
    if (!reader.read(&image)) {
        // Nothing of a failed source is kept, least of all memory reserved for its size.
        image = QImage();
        decodeBuffer.reset();
        decodeCapacity = 0;
        return QImage();
    }
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
