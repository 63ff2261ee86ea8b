#include "workers/IQFramePipeline.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "imaging/IQConvertEngine.h"
#include "imaging/IQImageUtils.h"
#include "writers/IQGifSavingHelper.h"
#include "writers/IQWebpSavingHelper.h"

namespace {

// The frames of a still-per-frame output wait here, beside their paths, until all are written.
const QString kStagingName = QStringLiteral(".frames-XXXXXX");
constexpr int kLossy = 0;

// A kept block serves a frame that needs no less than this share of it.
constexpr size_t kReuseShare = 4; // three quarters

} // namespace

class IQFramePipeline::FrameMemory : public std::enable_shared_from_this<FrameMemory>
{
public:
    FrameMemory() = default;
    FrameMemory(const FrameMemory &) = delete;
    FrameMemory &operator=(const FrameMemory &) = delete;
    ~FrameMemory() { std::free(kept); }

    // An image of zero bytes over a block of this memory; a null image when there is none.
    QImage zeroedImage(const QSize &size, int bytesPerLine, QImage::Format format,
                       size_t bytes)
    {
        Block *block = new (std::nothrow) Block{shared_from_this(), take(bytes), bytes};
        if (!block)
            return QImage();
        if (!block->memory) {
            delete block;
            return QImage();
        }
        QImage image(static_cast<uchar *>(block->memory), size.width(), size.height(),
                     bytesPerLine, format, &Block::release, block);
        // An image that refused the memory has not taken it over.
        if (image.isNull())
            Block::release(block);
        return image;
    }

private:
    struct Block
    {
        std::shared_ptr<FrameMemory> owner;
        void *memory;
        size_t bytes;

        // Called when the last image that refers to the block goes.
        static void release(void *info)
        {
            Block *block = static_cast<Block *>(info);
            block->owner->give(block->memory, block->bytes);
            delete block;
        }
    };

    void *take(size_t bytes)
    {
        void *reused = nullptr;
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (kept && keptBytes >= bytes && keptBytes - bytes <= keptBytes / kReuseShare) {
                reused = kept;
                kept = nullptr;
            }
        }
        if (reused)
            return std::memset(reused, 0, bytes);
        // A block of another size goes before the new one is taken.
        drop();
        // Fresh pages from calloc are zero without a pass over them.
        return std::calloc(bytes, 1);
    }

    void give(void *memory, size_t bytes)
    {
        void *old = nullptr;
        {
            std::lock_guard<std::mutex> lock(mutex);
            old = kept;
            kept = memory;
            keptBytes = bytes;
        }
        std::free(old);
    }

    void drop()
    {
        void *old = nullptr;
        {
            std::lock_guard<std::mutex> lock(mutex);
            std::swap(old, kept);
        }
        std::free(old);
    }

    std::mutex mutex;
    void *kept = nullptr;
    size_t keptBytes = 0;
};

std::shared_ptr<IQFramePipeline::FrameMemory> IQFramePipeline::makeFrameMemory()
{
    return std::make_shared<FrameMemory>();
}

IQFramePipeline::IQFramePipeline(const QString &path)
    : imageReader(path)
{
    // Photos come out upright, as the viewer shows them.
    imageReader.setAutoTransform(true);
}

bool IQFramePipeline::open()
{
    const bool readable = imageReader.canRead();
    count = imageReader.imageCount();
    return readable;
}

QImage IQFramePipeline::readFirstFrame()
{
    // Decoded into memory that is zero from the start, so that a decoder that stops early
    // shows no pixels that it did not write. The memory goes with the last image that refers
    // to it.
    QImage image;
    const QSize size = imageReader.size();
    const QImage::Format format = imageReader.imageFormat();
    // An image of no pixels does not exist: QImage would refuse the memory and never free it.
    if (!size.isEmpty() && IQImageUtils::isWithinLimits(size)
        && format != QImage::Format_Invalid) {
        const qint64 depth = QImage::toPixelFormat(format).bitsPerPixel();
        const qint64 bytesPerLine = (size.width() * depth + 31) / 32 * 4;
        const qint64 bytes = bytesPerLine * size.height();
        // A size the memory cannot hold is left to the reader, which fails quietly.
        if (bytesPerLine <= std::numeric_limits<int>::max()
            && bytes <= std::numeric_limits<qsizetype>::max()) {
            if (frameMemory) {
                image = frameMemory->zeroedImage(size, int(bytesPerLine), format, size_t(bytes));
            } else if (void *memory = std::calloc(size_t(bytes), 1)) {
                image = QImage(static_cast<uchar *>(memory), size.width(), size.height(),
                               int(bytesPerLine), format, &std::free, memory);
                // An image that refused the memory has not taken it over.
                if (image.isNull())
                    std::free(memory);
            }
        }
    }
    if (!imageReader.read(&image))
        return QImage();
    return image;
}

QImage IQFramePipeline::readFrame(int k)
{
    // A reader that cannot jump goes on with its next image, which is frame k here.
    if (k > 0)
        imageReader.jumpToImage(k);
    return imageReader.read();
}

QImage IQFramePipeline::readFrameAt(int n)
{
    if (n > 0 && imageReader.jumpToImage(n))
        return imageReader.read();
    QImage frame;
    for (int i = 0; i <= n; ++i) {
        frame = imageReader.read();
        if (frame.isNull())
            break;
    }
    return frame;
}

QImage IQFramePipeline::process(QImage image) const
{
    if (!engine || image.isNull())
        return image;
    return engine->process(std::move(image));
}

IQFramePipeline::Result
IQFramePipeline::addFurtherFrames(int frames, const std::function<bool(QImage &)> &add)
{
    reportProgress(1);
    for (int k = 1; k < frames; ++k) {
        if (stopped())
            return Result::Stopped;
        QImage frame = readFrame(k);
        if (frame.isNull())
            return Result::CannotRead;
        frame = process(std::move(frame));
        if (!add(frame))
            return Result::CannotWrite;
        reportProgress(k + 1);
    }
    return Result::Written;
}

IQFramePipeline::Result IQFramePipeline::writeGif(QImage first, int frames,
                                                   const std::function<QString()> &pathOf,
                                                   int delay)
{
    const QString path = pathOf();
    QImage processed = process(std::move(first));
    if (processed.width() < IQGifSavingHelper::kMinimumSide
        || processed.height() < IQGifSavingHelper::kMinimumSide)
        return Result::TooSmallForGif;
    // The helper writes under a temporary name: leaving before end keeps no file.
    IQGifSavingHelper gif;
    if (!gif.begin(processed.width(), processed.height(), path, kGifLoopDelay)
        || !gif.addFrame(processed, delay))
        return Result::CannotWrite;
    processed = QImage(); // the writer keeps what it needs
    const Result result =
        addFurtherFrames(frames, [&](QImage &frame) { return gif.addFrame(frame, delay); });
    if (result != Result::Written)
        return result;
    return gif.end() ? Result::Written : Result::CannotWrite;
}

IQFramePipeline::Result IQFramePipeline::writeWebp(QImage first, int frames,
                                                    const std::function<QString()> &pathOf,
                                                    int duration, int quality)
{
    const QString path = pathOf();
    QImage processed = process(std::move(first));
    // The helper writes through a save file: leaving before end keeps no file.
    IQWebpSavingHelper webp;
    if (!webp.begin(processed.width(), processed.height(), path)
        || !webp.addFrame(processed, duration, kLossy, quality))
        return Result::CannotWrite;
    processed = QImage(); // the encoder keeps what it needs
    const Result result = addFurtherFrames(frames, [&](QImage &frame) {
        return webp.addFrame(frame, duration, kLossy, quality);
    });
    if (result != Result::Written)
        return result;
    return webp.end() ? Result::Written : Result::CannotWrite;
}

IQFramePipeline::Result
IQFramePipeline::writeStills(QImage first, int frames, const std::function<QString(int)> &pathOf,
                             const std::function<bool(const QImage &, const QString &)> &save)
{
    struct Staged
    {
        QString file;
        QString target;
    };
    std::vector<Staged> staged;
    // One staging folder per target folder; each goes with everything left in it.
    std::vector<std::unique_ptr<QTemporaryDir>> folders;
    QStringList folderPaths;
    for (int k = 0; k < frames; ++k) {
        if (k > 0 && stopped())
            return Result::Stopped;
        const QString target = pathOf(k);
        QImage frame = k == 0 ? std::move(first) : readFrame(k);
        if (frame.isNull())
            return Result::CannotRead;

        const QString folder = QFileInfo(target).absolutePath();
        int at = folderPaths.indexOf(folder);
        if (at < 0) {
            auto dir = std::make_unique<QTemporaryDir>(QDir(folder).filePath(kStagingName));
            if (!dir->isValid())
                return Result::CannotWrite;
            folders.push_back(std::move(dir));
            folderPaths << folder;
            at = folderPaths.size() - 1;
        }
        // The frame's own suffix, so that the writer picks the format from the name.
        const QString file = folders.at(size_t(at))->filePath(
            QStringLiteral("%1.%2").arg(k).arg(QFileInfo(target).suffix()));
        if (!save(process(std::move(frame)), file))
            return Result::CannotWrite;
        staged.push_back(Staged{file, target});
        reportProgress(k + 1);
    }
    for (const Staged &frame : staged) {
        // A replaced file keeps its permissions, as the writers keep them.
        const QFileInfo existing(frame.target);
        if (existing.exists())
            QFile::setPermissions(frame.file, existing.permissions());
        // rename() replaces the target in one step, so readers never see half a file.
        if (std::rename(QFile::encodeName(frame.file).constData(),
                        QFile::encodeName(frame.target).constData())
            != 0)
            return Result::CannotWrite;
    }
    return Result::Written;
}
