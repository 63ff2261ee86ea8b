#include "workers/IQConvertThread.h"

#include <QDebug>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <deque>
#include <new>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "settings/IQBatchSettings.h"
#include "imaging/IQConvertEngine.h"
#include "documents/IQDamageCheck.h"
#include "documents/IQFileUtils.h"
#include "writers/IQImageSavingHelper.h"
#include "imaging/IQImageUtils.h"
#include "imaging/IQThreadBudget.h"

namespace {

// What a source is expected to hold while it is converted: its decoded image, as deep as the
// reader decodes it, and for each output pixel what the engine and the writer add to it.
constexpr qint64 kBytesPerSourcePixel = 4; // when the reader does not tell the depth
// The engine's result, when it makes an image of its own rather than handing the source on;
// and the image it keeps from a quarter turn for the next one.
constexpr qint64 kBytesPerProcessedPixel = 4;
constexpr qint64 kBytesPerKeptTurnPixel = 4;
// libwebp's own memory for a lossy still: its YUV planes (1.5 bytes) and its working memory
// (about 2 bytes at high quality); a frame that is not in a 32-bit format libwebp takes is
// copied into one first.
constexpr qint64 kBytesPerWebpPixel = 4;
constexpr qint64 kBytesPerWebpCopyPixel = 4;
// A Qt image writer may take a 32-bit copy of the whole image.
constexpr qint64 kBytesPerWriterPixel = 4;
// An animation encoder keeps a few canvases of its own besides.
constexpr qint64 kBytesPerAnimationPixel = 16;

} // namespace

// One pool thread's own engine, and the memory its sources decode into one after the other.
struct IQConvertThread::Slot
{
    IQConvertEngine *engine = nullptr;
    std::unique_ptr<IQConvertEngine> ownEngine;
    std::shared_ptr<IQFramePipeline::FrameMemory> frameMemory = IQFramePipeline::makeFrameMemory();
};

struct IQConvertThread::Batch
{
    QString suffix;
    bool rename = false;
    // The number of the next readable source; only the holder of the naming turn uses it.
    int counter = 1;
    // The canonical path of every source, by index.
    QStringList canonicalSources;
    // The reason each source failed for, or -1; written by its own job, read after all ended.
    std::vector<int> reasons;
    std::vector<std::unique_ptr<Slot>> tools;

    // Guarded by stateMutex.
    int turn = 0;               // the source that names its outputs now
    std::vector<char> passed;   // sources done with naming, or that name nothing
    std::vector<char> ended;    // sources whose job has ended
    std::vector<Slot *> idle;   // slots that no job uses
    qint64 bytesInFlight = 0;
    int running = 0;            // jobs handed to the pool and not yet ended
    struct Job
    {
        int index;
        Slot *slot;
        qint64 bytes;
    };
    std::deque<Job> queue;      // jobs that no pool thread has taken yet
    bool closing = false;       // no more jobs come
    bool allHandedOut = false;  // every job of the run is in the queue or taken
    bool waitingForMemory = false; // the next job waits for jobs in flight to give bytes back
};

IQConvertThread::IQConvertThread() = default;

IQConvertThread::~IQConvertThread() = default;

void IQConvertThread::copySettings(const IQBatchSettings &record)
{
    ownSettings = std::make_unique<IQBatchSettings>(record);
    settings = ownSettings.get();
}

void IQConvertThread::stop()
{
    std::lock_guard<std::mutex> lock(stateMutex);
    if (!stopRequested) {
        // The source being started when the stop came is left, as are all after it.
        stopFrom = std::max(0, announced - 1);
        stopRequested = true;
    }
    stateChanged.notify_all();
}

bool IQConvertThread::abandons(int index) const
{
    return stopRequested && index >= stopFrom;
}

QList<IQConvertThread::Failure> IQConvertThread::failures() const
{
    return failed;
}

void IQConvertThread::run()
{
    failed.clear();
    emit convertStart(files.size());
    {
        std::lock_guard<std::mutex> lock(stateMutex);
        announced = 0;
    }

    const int count = files.size();
    const int workers = poolSize > 0 ? poolSize : std::max(1, QThread::idealThreadCount());
    batch = std::make_unique<Batch>();
    Batch &b = *batch;
    b.counter = settings->renameEnabled ? settings->startNumber : 1;
    b.suffix = settings->outputSuffix();
    b.rename = settings->renameEnabled && !settings->newName.isEmpty();
    b.reasons.assign(size_t(count), -1);
    b.passed.assign(size_t(count), 0);
    b.ended.assign(size_t(count), 0);
    for (int k = 0; k < workers; ++k) {
        auto slot = std::make_unique<Slot>();
        if (k == 0 && engine) {
            slot->engine = engine.get();
        } else {
            slot->ownEngine = std::make_unique<IQConvertEngine>(settings);
            slot->engine = slot->ownEngine.get();
        }
        b.idle.push_back(slot.get());
        b.tools.push_back(std::move(slot));
    }
    // Sizes the sources for the budget on this thread; the slots' engines are theirs alone.
    IQConvertEngine sizing(settings);

    // Every source keeps its file until the run has read it, whatever the names and the
    // overwrite rule say; a source listed twice is protected up to its last position.
    sourcePositions.clear();
    claimedPaths.clear();
    for (int i = 0; i < count; ++i) {
        const QString canonical = QFileInfo(files.at(i)).canonicalFilePath();
        b.canonicalSources << canonical;
        if (!canonical.isEmpty())
            sourcePositions.insert(canonical, i);
    }

    // Plain threads: the run's own lock orders every hand-over, for the sanitizers too.
    std::vector<std::thread> pool;
    for (int k = 0; k < workers; ++k)
        pool.emplace_back([this] { work(); });
    for (int i = 0; i < count; ++i) {
        {
            std::unique_lock<std::mutex> lock(stateMutex);
            stateChanged.wait(lock, [&] { return !b.idle.empty() || abandons(i); });
            if (abandons(i))
                break;
            announced = i + 1;
        }
        const QString path = files.at(i);
        emit converting(i, path);
        if (abandons(i))
            break;

        const IQFileUtils::SourceCheck check = IQFileUtils::checkSource(path);
        if (check != IQFileUtils::SourceCheck::Readable) {
            b.reasons[size_t(i)] = check == IQFileUtils::SourceCheck::TooLarge
                                       ? Failure::TooLarge
                                       : Failure::CannotRead;
            {
                std::lock_guard<std::mutex> lock(stateMutex);
                b.ended[size_t(i)] = 1;
            }
            passTurn(i);
            continue;
        }

        const qint64 bytes = estimatedBytes(path, sizing, workers);
        Slot *slot = nullptr;
        {
            std::unique_lock<std::mutex> lock(stateMutex);
            const auto fits = [&] {
                return b.bytesInFlight == 0 || b.bytesInFlight + bytes <= kPixelBudgetBytes
                       || abandons(i);
            };
            if (!fits()) {
                // The idle pool threads give their cores to the encoders of the jobs in flight.
                b.waitingForMemory = true;
                stateChanged.notify_all();
                stateChanged.wait(lock, fits);
                b.waitingForMemory = false;
            }
            if (abandons(i))
                break;
            slot = b.idle.back();
            b.idle.pop_back();
            b.bytesInFlight += bytes;
            ++b.running;
            b.queue.push_back(Batch::Job{i, slot, bytes});
            stateChanged.notify_all();
        }
    }
    {
        std::unique_lock<std::mutex> lock(stateMutex);
        b.allHandedOut = true;
        stateChanged.notify_all();
        stateChanged.wait(lock, [&] { return b.running == 0; });
        b.closing = true;
        stateChanged.notify_all();
    }
    for (std::thread &thread : pool)
        thread.join();

    for (int i = 0; i < count; ++i) {
        if (b.reasons[size_t(i)] >= 0)
            failed.append(Failure{files.at(i), Failure::Reason(b.reasons[size_t(i)])});
    }
    sourcePositions.clear();
    claimedPaths.clear();
    batch.reset();
    emit convertEnd(files);
}

void IQConvertThread::work()
{
    Batch &b = *batch;
    // A core of the thread budget while the thread converts; its encoders share what is left.
    // The thread keeps it while it waits for a job that is on its way, so that a full pool stays
    // full from one source to the next: an encoder that took a helper in that gap would leave
    // the pool a core short once the job came. It gives the core up while no job may come.
    std::optional<IQThreadBudget::Seat> seat;
    for (;;) {
        Batch::Job job{};
        {
            std::unique_lock<std::mutex> lock(stateMutex);
            while (b.queue.empty() && !b.closing) {
                if (b.allHandedOut || b.waitingForMemory)
                    seat.reset();
                else if (!seat)
                    seat.emplace();
                stateChanged.wait(lock);
            }
            if (b.queue.empty())
                return;
            job = b.queue.front();
            b.queue.pop_front();
        }
        if (!seat)
            seat.emplace();
        convertSource(job.index, *job.slot);
        std::lock_guard<std::mutex> lock(stateMutex);
        b.ended[size_t(job.index)] = 1;
        b.idle.push_back(job.slot);
        b.bytesInFlight -= job.bytes;
        --b.running;
        stateChanged.notify_all();
    }
}

qint64 IQConvertThread::estimatedBytes(const QString &path, IQConvertEngine &sizing,
                                       int workers) const
{
    QImageReader reader(path);
    const QSize size = reader.size();
    // A source that does not tell its size beforehand takes an even share.
    if (!size.isValid() || size.isEmpty())
        return kPixelBudgetBytes / workers;
    const QImage::Format format = reader.imageFormat();
    const qint64 sourceDepth = format == QImage::Format_Invalid
                                   ? kBytesPerSourcePixel
                                   : (QImage::toPixelFormat(format).bitsPerPixel() + 7) / 8;
    qint64 sourceBytes = sourceDepth * size.width() * size.height();
    // A photo that the reader turns upright is copied as it is turned.
    if (reader.transformation() != QImageIOHandler::TransformationNone)
        sourceBytes *= 2;
    const QSize output = sizing.outputSize(size.width(), size.height());
    // An output above the limits is refused before it takes any memory.
    if (!IQImageUtils::isWithinLimits(output))
        return sourceBytes;

    const int angle = settings->rotateEnabled ? sizing.rotationAngle() : 0;
    const bool turned = angle == 90 || angle == 270;
    const bool mirrored = settings->rotateEnabled && (settings->flipX || settings->flipY);
    const bool scaled = output != size && output != size.transposed();
    const bool painted = (settings->borderEnabled && settings->borderWidth > 0)
                         || (settings->textEnabled && !settings->text.trimmed().isEmpty())
                         || (settings->stampEnabled && !settings->stampImage.isNull());
    qint64 perPixel = 0;
    // Painting happens in the engine's result, or in the source itself when nothing else
    // changed and it is deep enough to paint on.
    if (scaled || angle != 0 || mirrored || (painted && sourceDepth < 4))
        perPixel += kBytesPerProcessedPixel;
    if (turned)
        perPixel += kBytesPerKeptTurnPixel;
    if (settings->format == IQOutputFormat::Webp) {
        perPixel += kBytesPerWebpPixel;
        // Smooth scaling gives pixels with alpha premultiplied.
        const bool direct = format == QImage::Format_RGB32 || format == QImage::Format_RGBX8888
                            || ((format == QImage::Format_ARGB32
                                 || format == QImage::Format_RGBA8888)
                                && !scaled);
        if (!direct)
            perPixel += kBytesPerWebpCopyPixel;
    } else {
        perPixel += kBytesPerWriterPixel;
    }
    if (reader.supportsAnimation())
        perPixel += kBytesPerAnimationPixel;
    return sourceBytes + perPixel * output.width() * output.height();
}

bool IQConvertThread::takeTurn(int index)
{
    std::unique_lock<std::mutex> lock(stateMutex);
    stateChanged.wait(lock, [&] { return batch->turn == index || abandons(index); });
    return !abandons(index);
}

void IQConvertThread::passTurn(int index)
{
    std::lock_guard<std::mutex> lock(stateMutex);
    Batch &b = *batch;
    b.passed[size_t(index)] = 1;
    while (b.turn < int(b.passed.size()) && b.passed[size_t(b.turn)])
        ++b.turn;
    stateChanged.notify_all();
}

void IQConvertThread::waitForReaders(const QString &path, int index)
{
    // An output may replace an earlier source, as a run of one source at a time would; it
    // waits until that source's own job has read it to its end.
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty() || !batch)
        return;
    Batch &b = *batch;
    for (int j = 0; j < index; ++j) {
        if (b.canonicalSources.at(j) != canonical)
            continue;
        std::unique_lock<std::mutex> lock(stateMutex);
        stateChanged.wait(lock, [&] { return b.ended[size_t(j)] != 0; });
    }
}

void IQConvertThread::convertSource(int index, Slot &slot)
{
    Batch &b = *batch;
    const QString path = files.at(index);
    const auto fail = [&](Failure::Reason reason) {
        b.reasons[size_t(index)] = reason;
        passTurn(index);
    };

    IQFramePipeline source(path);
    source.setEngine(slot.engine);
    source.setFrameMemory(slot.frameMemory);
    source.setStopCheck([this, index] { return abandons(index); });
    if (!source.open())
        return fail(Failure::CannotRead);
    if (IQDamageCheck::isDamaged(path))
        return fail(Failure::Damaged);
    QImage first = source.readFirstFrame();
    if (first.isNull())
        return fail(Failure::CannotRead);
    if (abandons(index))
        return passTurn(index);
    if (!IQImageUtils::isWithinLimits(slot.engine->outputSize(first.width(), first.height())))
        return fail(Failure::TooLarge);

    // Names are given in source order, exactly as one source after the other would take them.
    if (!takeTurn(index))
        return passTurn(index);
    position = index;
    const int counter = b.counter++;
    const QString baseName = b.rename ? settings->newName : QFileInfo(path).completeBaseName();
    switch (convertFile(index, source, std::move(first), baseName, !b.rename, counter,
                        b.suffix)) {
    case IQFramePipeline::Result::CannotRead:
        b.reasons[size_t(index)] = Failure::CannotRead;
        break;
    case IQFramePipeline::Result::CannotWrite:
        b.reasons[size_t(index)] = Failure::CannotWrite;
        break;
    case IQFramePipeline::Result::TooSmallForGif:
        b.reasons[size_t(index)] = Failure::TooSmallForGif;
        break;
    case IQFramePipeline::Result::Written:
    case IQFramePipeline::Result::Stopped: // left unconverted, as a stop asks
        break;
    }
    passTurn(index);
}

IQFramePipeline::Result IQConvertThread::convertFile(int index, IQFramePipeline &source,
                                                     QImage first, const QString &baseName,
                                                     bool keepName, int counter,
                                                     const QString &suffix)
{
    using Result = IQFramePipeline::Result;
    // An n of 0 counts as 1.
    const int frameCount = std::max(1, source.frameCount());
    // The one output of the source: named, and the turn passed on before the work starts.
    const auto singleOutput = [&] {
        const QString path = outputPath(baseName, suffix, keepName, counter, settings);
        passTurn(index);
        waitForReaders(path, index);
        return path;
    };

    switch (settings->format) {
    case IQOutputFormat::Gif:
        return source.writeGif(std::move(first), frameCount, singleOutput,
                               settings->duration / 10);
    case IQOutputFormat::Webp:
        return source.writeWebp(std::move(first), frameCount, singleOutput, settings->duration,
                                settings->webpQuality);
    default:
        break;
    }

    IQImageSavingHelper writer;
    writer.author = settings->author;
    writer.quality = settings->quality;
    const auto save = [&writer](const QImage &image, const QString &path) {
        return writer.save(image, path);
    };
    if (frameCount < 2) {
        const QString path = singleOutput();
        return save(source.process(std::move(first)), path) ? Result::Written
                                                            : Result::CannotWrite;
    }
    // The frames' names decide those of the later sources: the turn is kept to the end.
    return source.writeStills(std::move(first), frameCount,
                              [&](int k) {
                                  const QString path = framePath(baseName, suffix, keepName,
                                                                 counter, k + 1, settings);
                                  waitForReaders(path, index);
                                  return path;
                              },
                              save);
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
