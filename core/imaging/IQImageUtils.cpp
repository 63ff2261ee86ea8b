#include "imaging/IQImageUtils.h"

#include <QRunnable>
#include <QThread>
#include <QThreadPool>
#include <QTransform>
#include <QtGlobal>

#include <libyuv/rotate_argb.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "imaging/IQThreadBudget.h"

namespace {

// trunc(value * ratio + 0.5), held inside the range of an int.
int scaledSide(int value, double ratio)
{
    const double scaled = std::trunc(value * ratio + 0.5);
    constexpr double kMax = std::numeric_limits<int>::max();
    return scaled >= kMax ? std::numeric_limits<int>::max() : static_cast<int>(scaled);
}

// Below this many pixels a turn is not worth waking one more helper for.
constexpr qint64 kMinPixelsPerTurnBand = 512 * 1024;

// The smallest page of memory the system hands out.
constexpr qsizetype kPageBytes = 4096;

// Small bands are handed out one at a time to whichever thread is free, so that a thread that
// loses its core to another program holds up no more than one band.
constexpr qint64 kPixelsPerTurnBand = 128 * 1024;

// Orders what a caller made before the pool starts its helpers, where Qt's pool hands them over
// with locks that ThreadSanitizer does not see: the caller takes it once its helpers are built,
// each helper before it reads anything of its own.
std::mutex &handOverLock()
{
    static std::mutex lock;
    return lock;
}

// What the helpers of a job split in bands share with its caller. Its lock orders each helper's
// last touch of it before the caller lets it go.
struct BandJob
{
    std::function<void(int)> work;
    int bands = 0;
    std::atomic<int> next{0};
    std::mutex lock;
    std::condition_variable helperDone;
    int helpersDone = 0;

    void takeBands()
    {
        for (int band = next.fetch_add(1, std::memory_order_relaxed); band < bands;
             band = next.fetch_add(1, std::memory_order_relaxed))
            work(band);
    }
};

// A helper of a job split in bands, run on Qt's global pool, the pool whose threads Qt's own
// smooth scale keeps ready: a thread started per job costs more on a loaded machine than the
// job itself. It takes bands until none is left.
class BandHelper : public QRunnable
{
public:
    explicit BandHelper(BandJob *job) : job(job)
    {
        // The caller owns its helpers and waits for them; the pool must not delete them.
        setAutoDelete(false);
    }

    void run() override
    {
        {
            const std::lock_guard<std::mutex> started(handOverLock());
        }
        job->takeBands();
        // The last touch of the job: its caller may let it go once the lock is given back.
        const std::lock_guard<std::mutex> finished(job->lock);
        ++job->helpersDone;
        job->helperDone.notify_one();
    }

private:
    BandJob *job;
};

#ifdef __SSE2__
// Turns the rows [first, last) of a block of w x h 32-bit pixels, which start at a multiple of
// four and number a multiple of four, into target, the turned block's first pixel, four rows by
// four columns at a time. The stores pass the cache by, so the turn reads and writes each byte
// once; they need 16-byte aligned target rows, which the caller checks. Columns past the last
// multiple of four are copied one by one.
void turnAlignedRows(const uchar *source, int sourceStride, uchar *target, int targetStride,
                     int w, int h, int first, int last, int angle)
{
    const bool clockwise = angle == 90;
    const int columns = w - w % 4;
    // Sixteen rows at a time fill whole 64-byte lines of the target; 32 fill two lines of a
    // target row before the next row is written.
    for (int y = first; y < last; y += 32) {
        const int groups = std::min(8, (last - y) / 4);
        for (int x = 0; x < columns; x += 4) {
            for (int g = 0; g < groups; ++g) {
                const int row = y + g * 4;
                const uchar *top = source + qsizetype(row) * sourceStride + qsizetype(x) * 4;
                const auto load = [top, sourceStride](int k) {
                    return _mm_loadu_si128(
                        reinterpret_cast<const __m128i *>(top + qsizetype(k) * sourceStride));
                };
                // Clockwise, the last source row of the four comes first in a target row.
                const __m128i a = load(clockwise ? 3 : 0);
                const __m128i b = load(clockwise ? 2 : 1);
                const __m128i c = load(clockwise ? 1 : 2);
                const __m128i d = load(clockwise ? 0 : 3);
                const __m128i ab0 = _mm_unpacklo_epi32(a, b);
                const __m128i cd0 = _mm_unpacklo_epi32(c, d);
                const __m128i ab1 = _mm_unpackhi_epi32(a, b);
                const __m128i cd1 = _mm_unpackhi_epi32(c, d);
                const __m128i turned[4] = {_mm_unpacklo_epi64(ab0, cd0),
                                           _mm_unpackhi_epi64(ab0, cd0),
                                           _mm_unpacklo_epi64(ab1, cd1),
                                           _mm_unpackhi_epi64(ab1, cd1)};
                for (int j = 0; j < 4; ++j) {
                    // Source column x + j is target row x + j clockwise, w - 1 - x - j the
                    // other way; source row r is target column h - 1 - r, or r.
                    const int targetRow = clockwise ? x + j : w - 1 - x - j;
                    const int targetColumn = clockwise ? h - 4 - row : row;
                    _mm_stream_si128(reinterpret_cast<__m128i *>(
                                         target + qsizetype(targetRow) * targetStride
                                         + qsizetype(targetColumn) * 4),
                                     turned[j]);
                }
            }
        }
    }
    for (int y = first; y < last; ++y) {
        const auto *line = reinterpret_cast<const quint32 *>(source + qsizetype(y) * sourceStride);
        for (int x = columns; x < w; ++x) {
            const int targetRow = clockwise ? x : w - 1 - x;
            const int targetColumn = clockwise ? h - 1 - y : y;
            uchar *targetLine = target + qsizetype(targetRow) * targetStride;
            reinterpret_cast<quint32 *>(targetLine)[targetColumn] = line[x];
        }
    }
    // The stores above are weakly ordered: make them visible before the band is reported done.
    _mm_sfence();
}
#endif

} // namespace

namespace IQImageUtils {

void turnBlock(const uchar *source, int sourceStride, int width, int rows, uchar *target,
               int targetStride, int angle)
{
    Q_ASSERT(angle == 90 || angle == 270);
    if (width <= 0 || rows <= 0)
        return;
    const libyuv::RotationMode mode = angle == 90 ? libyuv::kRotate90 : libyuv::kRotate270;
    const auto rotateRows = [=](int first, int last, uchar *at) {
        if (last > first)
            libyuv::ARGBRotate(source + qsizetype(first) * sourceStride, sourceStride, at,
                               targetStride, width, last - first, mode);
    };
#ifdef __SSE2__
    // Aligned target rows take the turn that passes the cache by, four source rows at a time
    // landing on four aligned columns; the rows left over go through libyuv. Clockwise they are
    // the first rows, which land on the last columns.
    if (reinterpret_cast<std::uintptr_t>(target) % 16 == 0 && targetStride % 16 == 0) {
        const int left = rows % 4;
        if (angle == 90) {
            turnAlignedRows(source + qsizetype(left) * sourceStride, sourceStride, target,
                            targetStride, width, rows - left, 0, rows - left, angle);
            rotateRows(0, left, target + qsizetype(rows - left) * 4);
        } else {
            turnAlignedRows(source, sourceStride, target, targetStride, width, rows, 0,
                            rows - left, angle);
            rotateRows(rows - left, rows, target + qsizetype(rows - left) * 4);
        }
        return;
    }
#endif
    rotateRows(0, rows, target);
}

void runBands(int bands, int helpers, std::function<void(int)> work)
{
    BandJob job;
    job.work = std::move(work);
    job.bands = bands;
    helpers = std::min(helpers, bands - 1);
    if (helpers <= 0) {
        job.takeBands();
        return;
    }
    std::vector<std::unique_ptr<BandHelper>> started;
    started.reserve(helpers);
    for (int i = 0; i < helpers; ++i)
        started.push_back(std::make_unique<BandHelper>(&job));
    {
        // Everything the helpers read is made by now.
        const std::lock_guard<std::mutex> ready(handOverLock());
    }
    QThreadPool *pool = QThreadPool::globalInstance();
    for (const std::unique_ptr<BandHelper> &helper : started)
        pool->start(helper.get());
    job.takeBands();
    int running = 0;
    for (const std::unique_ptr<BandHelper> &helper : started) {
        if (!pool->tryTake(helper.get()))
            ++running;
    }
    std::unique_lock<std::mutex> finished(job.lock);
    job.helperDone.wait(finished, [&job, running] { return job.helpersDone == running; });
}

void claimPages(QImage *image, int helpers)
{
    uchar *const bytes = image->bits();
    const qsizetype length = image->sizeInBytes();
    if (!bytes || length <= 0)
        return;
    const int ranges = std::max(0, helpers) + 1;
    runBands(ranges, helpers, [bytes, length, ranges](int range) {
        const qsizetype end = length * (range + 1) / ranges;
        for (qsizetype at = length * range / ranges; at < end; at += kPageBytes)
            bytes[at] = 0;
    });
}

void copyTurnedMetadata(const QImage &image, QImage *turned)
{
    turned->setDotsPerMeterX(image.dotsPerMeterX());
    turned->setDotsPerMeterY(image.dotsPerMeterY());
    turned->setDevicePixelRatio(image.devicePixelRatio());
    const QStringList keys = image.textKeys();
    for (const QString &key : keys)
        turned->setText(key, image.text(key));
}

bool isWithinLimits(const QSize &size)
{
    if (!size.isValid())
        return true;
    return size.width() <= kMaxImageSide && size.height() <= kMaxImageSide
           && qint64(size.width()) * size.height() <= kMaxImagePixels;
}

double fitSizeInRect(const QSize &size, const QRect &box, double *width, double *height)
{
    if (size.width() <= box.width() && size.height() <= box.height()) {
        if (width)
            *width = size.width();
        if (height)
            *height = size.height();
        return 1.0;
    }
    const double ratio = std::min(double(box.width()) / size.width(),
                                  double(box.height()) / size.height());
    if (width)
        *width = size.width() * ratio;
    if (height)
        *height = size.height() * ratio;
    return ratio - 0.001;
}

double scaleToFit(int *width, int *height, int targetWidth, int targetHeight)
{
    if (*width == 0 || *height == 0)
        return 0.0;
    const double ratio = std::min(double(targetWidth) / *width, double(targetHeight) / *height);
    *width = scaledSide(*width, ratio);
    *height = scaledSide(*height, ratio);
    return ratio;
}

double scaleToFill(int *width, int *height, int targetWidth, int targetHeight, bool enlarge)
{
    if (*width == 0 || *height == 0)
        return 0.0;
    const double ratio = std::max(double(targetWidth) / *width, double(targetHeight) / *height);
    if (ratio >= 1.0 && !enlarge)
        return 1.0;
    *width = scaledSide(*width, ratio);
    *height = scaledSide(*height, ratio);
    return ratio;
}

QImage quarterTurned(const QImage &image, int angle, QImage *storage)
{
    Q_ASSERT(angle == 90 || angle == 270);
    if (image.isNull() || image.depth() != 32 || image.colorCount() > 0)
        return image.transformed(QTransform().rotate(angle));

    const int w = image.width();
    const int h = image.height();
    QImage turned;
    // Pages of a storage image were written before; those of a new image may be fresh.
    bool fresh = true;
    if (storage && !storage->isNull() && storage->isDetached()
        && storage->format() == image.format()
        && qint64(storage->width()) * storage->height() == qint64(w) * h
        && storage->bytesPerLine() == storage->width() * 4) {
        // The turned image owns the storage image from here on and frees it with its pixels.
        auto *owner = new QImage(std::move(*storage));
        *storage = QImage();
        turned = QImage(
            owner->bits(), h, w, h * 4, image.format(),
            [](void *info) { delete static_cast<QImage *>(info); }, owner);
        if (turned.isNull())
            delete owner;
        fresh = false;
    } else {
        turned = QImage(h, w, image.format());
    }
    if (turned.isNull())
        return turned;
    copyTurnedMetadata(image, &turned);

    // Every band of source rows lands on a band of columns of its own: clockwise, the last
    // source row is the first column.
    const uchar *source = image.constBits();
    uchar *target = turned.bits();
    const int sourceStride = image.bytesPerLine();
    const int targetStride = turned.bytesPerLine();
    const auto turnBand = [=](int first, int last) {
        const int column = angle == 90 ? h - last : first;
        turnBlock(source + qsizetype(first) * sourceStride, sourceStride, w, last - first,
                  target + qsizetype(column) * 4, targetStride, angle);
    };

    const qint64 pixels = qint64(w) * h;
    const IQThreadBudget::Lease spare(int(std::clamp<qint64>(
        pixels / kMinPixelsPerTurnBand - 1, 0, std::max(1, QThread::idealThreadCount()) - 1)));
    // Bands of a multiple of sixteen rows, which the turn that passes the cache by takes whole.
    const int rowsPerBand =
        int(std::clamp<qint64>((kPixelsPerTurnBand / w + 15) / 16 * 16, 16, (h + 15) / 16 * 16));
    const int bands = (h + rowsPerBand - 1) / rowsPerBand;
    if (fresh)
        claimPages(&turned, spare.count());
    runBands(bands, spare.count(), [=](int band) {
        turnBand(band * rowsPerBand, std::min(h, (band + 1) * rowsPerBand));
    });
    return turned;
}

} // namespace IQImageUtils
