#include "imaging/IQSmoothScale.h"

#include <QList>
#include <QThread>
#include <QtGlobal>

#include <algorithm>
#include <cstring>
#include <vector>

#if defined(__GNUC__) && defined(__x86_64__)
#define IQ_SMOOTH_SCALE_SSE41
#include <immintrin.h>
#endif

#include "imaging/IQImageUtils.h"
#include "imaging/IQThreadBudget.h"

#ifdef IQ_SMOOTH_SCALE_SSE41
namespace {

// A source pixel's share of a target pixel is a fixed-point weight out of kOne.
constexpr int kOne = 1 << 14;

// A band is 32 columns of the turned image, which fill two 64-byte lines of each of its rows.
constexpr int kBandRows = 32;
// Target columns made at a time within a band: wide enough that each source row is read as
// one long run, narrow enough that a band's pixels stay in the cache.
constexpr int kChunkColumns = 4096;
// Source pixels that make it worth waking one more helper thread.
constexpr qint64 kSourcePixelsPerHelper = 1024 * 1024;

// How one target pixel along an axis is made from the source pixels along it: count pixels
// from first, the first weighing head, the last tail, those between step.
struct Taps
{
    int first = 0;
    int count = 0;
    int head = 0;
    int step = 0;
    int tail = 0;

    int weight(int k) const { return k == 0 ? head : k == count - 1 ? tail : step; }
};

// The taps of the target pixels along an axis shrunk from source to target pixels, placed and
// weighed as Qt's smooth scale does: positions in 16.16 fixed point, and each target pixel
// made of the source pixels it covers, with shares out of kOne. The pass relies on each target
// pixel's first and last taps lying no earlier than those of the pixel before it, and on no tap
// falling past the source; false where that does not hold.
bool axisTaps(int source, int target, std::vector<Taps> *taps)
{
    const qint64 increment = (qint64(source) << 16) / target;
    const int step = int(((qint64(target) << 14) + source - 1) / source);
    taps->resize(target);
    qint64 position = 0;
    int first = 0;
    int end = 0;
    for (Taps &t : *taps) {
        t.first = int(position >> 16);
        t.head = int(((0x10000 - (position & 0xffff)) * step) >> 16);
        t.step = step;
        t.count = 2;
        int left = kOne - t.head;
        for (; left > step; left -= step)
            ++t.count;
        t.tail = left;
        if (t.first < first || t.first + t.count < end || qint64(t.first) + t.count > source)
            return false;
        first = t.first;
        end = t.first + t.count;
        position += increment;
    }
    return true;
}

// Four 32-bit lanes, as a vector the containers of the standard library hold.
struct alignas(16) Lanes
{
    quint32 lane[4];
};

// The taps of every target column in the form the vector sums take them: groups of four
// source pixels, each group's weights as two vectors of 16-bit pairs (pixels 0 and 1, pixels
// 2 and 3), zero past a column's last tap.
struct Columns
{
    std::vector<Taps> taps;
    int groups = 0;
    std::vector<Lanes> weights;
    // The columns before it read every pixel of their groups inside the source row.
    int vectorEnd = 0;

    void build(int sourceWidth)
    {
        int most = 0;
        for (const Taps &t : taps)
            most = std::max(most, t.count);
        groups = (most + 3) / 4;
        weights.resize(taps.size() * 2 * groups);
        auto *vectors = reinterpret_cast<__m128i *>(weights.data());
        vectorEnd = 0;
        for (std::size_t x = 0; x < taps.size(); ++x) {
            const Taps &t = taps[x];
            const auto at = [&t](int k) { return short(k < t.count ? t.weight(k) : 0); };
            for (int g = 0; g < groups; ++g) {
                const int k = 4 * g;
                vectors[(x * groups + g) * 2] = _mm_setr_epi16(
                    at(k), at(k + 1), at(k), at(k + 1), at(k), at(k + 1), at(k), at(k + 1));
                vectors[(x * groups + g) * 2 + 1] =
                    _mm_setr_epi16(at(k + 2), at(k + 3), at(k + 2), at(k + 3), at(k + 2),
                                   at(k + 3), at(k + 2), at(k + 3));
            }
            if (qint64(t.first) + 4 * groups <= sourceWidth)
                vectorEnd = int(x) + 1;
        }
    }
};

// The horizontal sums of the target columns [x0, x1) over one source row, a vector of the
// four channels' sums (in the pixels' byte order) per column, shifted down as Qt shifts them
// before it weighs the rows.
__attribute__((target("sse4.1"))) void sumRow(const quint32 *row, const Columns &columns,
                                              int x0, int x1, __m128i *sums)
{
    // Pixels 0 and 1, then 2 and 3, channel by channel: b0 b1 g0 g1 r0 r1 a0 a1 b2 b3 ...
    const __m128i pairs = _mm_setr_epi8(0, 4, 1, 5, 2, 6, 3, 7, 8, 12, 9, 13, 10, 14, 11, 15);
    const __m128i zero = _mm_setzero_si128();
    const int split = std::clamp(columns.vectorEnd, x0, x1);
    for (int x = x0; x < split; ++x) {
        const auto *pixels = reinterpret_cast<const __m128i *>(row + columns.taps[x].first);
        const auto *weights = reinterpret_cast<const __m128i *>(columns.weights.data())
                              + qsizetype(x) * 2 * columns.groups;
        __m128i sum = zero;
        for (int g = 0; g < columns.groups; ++g) {
            const __m128i paired = _mm_shuffle_epi8(_mm_loadu_si128(pixels + g), pairs);
            sum = _mm_add_epi32(
                sum, _mm_madd_epi16(_mm_unpacklo_epi8(paired, zero), weights[2 * g]));
            sum = _mm_add_epi32(
                sum, _mm_madd_epi16(_mm_unpackhi_epi8(paired, zero), weights[2 * g + 1]));
        }
        sums[x - x0] = _mm_srli_epi32(sum, 4);
    }
    // The last columns, whose groups would read past the row, one tap at a time.
    for (int x = split; x < x1; ++x) {
        const Taps &t = columns.taps[x];
        quint32 channel[4] = {0, 0, 0, 0};
        for (int k = 0; k < t.count; ++k) {
            const quint32 pixel = row[t.first + k];
            const quint32 weight = quint32(t.weight(k));
            for (int c = 0; c < 4; ++c)
                channel[c] += ((pixel >> (8 * c)) & 0xff) * weight;
        }
        sums[x - x0] = _mm_setr_epi32(int(channel[0] >> 4), int(channel[1] >> 4),
                                      int(channel[2] >> 4), int(channel[3] >> 4));
    }
}

// Adds one source row's sums, weighed, to a target row's; its first row starts them. Every sum
// stays below 2^32: the weights of a pixel add up to kOne, the shifted row sums to 255 << 10.
__attribute__((target("sse4.1"))) void weighRow(const __m128i *sums, int count, int weight,
                                                bool first, __m128i *totals)
{
    const __m128i w = _mm_set1_epi32(weight);
    if (first) {
        for (int i = 0; i < count; ++i)
            totals[i] = _mm_mullo_epi32(sums[i], w);
    } else {
        for (int i = 0; i < count; ++i)
            totals[i] = _mm_add_epi32(totals[i], _mm_mullo_epi32(sums[i], w));
    }
}

// The pixels of a finished target row: the top byte of every channel's total; an opaque
// image's alpha is full, as Qt writes it.
__attribute__((target("sse4.1"))) void finishRow(const __m128i *totals, int count,
                                                 bool opaque, quint32 *pixels)
{
    const quint32 alpha = opaque ? 0xff000000u : 0u;
    const __m128i alphas = _mm_set1_epi32(int(alpha));
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128i low = _mm_packus_epi32(_mm_srli_epi32(totals[i], 24),
                                             _mm_srli_epi32(totals[i + 1], 24));
        const __m128i high = _mm_packus_epi32(_mm_srli_epi32(totals[i + 2], 24),
                                              _mm_srli_epi32(totals[i + 3], 24));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(pixels + i),
                         _mm_or_si128(_mm_packus_epi16(low, high), alphas));
    }
    for (; i < count; ++i) {
        const __m128i channels = _mm_srli_epi32(totals[i], 24);
        const __m128i words = _mm_packus_epi32(channels, channels);
        pixels[i] = quint32(_mm_cvtsi128_si32(_mm_packus_epi16(words, words))) | alpha;
    }
}

// sumRow with two columns at a time in 256-bit vectors, where the processor has AVX2.
__attribute__((target("avx2"))) void sumRowWide(const quint32 *row, const Columns &columns,
                                                int x0, int x1, __m128i *sums)
{
    const __m256i pairs = _mm256_setr_epi8(0, 4, 1, 5, 2, 6, 3, 7, 8, 12, 9, 13, 10, 14, 11, 15,
                                           0, 4, 1, 5, 2, 6, 3, 7, 8, 12, 9, 13, 10, 14, 11, 15);
    const __m256i zero = _mm256_setzero_si256();
    const auto *weights = reinterpret_cast<const __m128i *>(columns.weights.data());
    const int groups = columns.groups;
    const int split = std::clamp(columns.vectorEnd, x0, x1);
    int x = x0;
    for (; x + 2 <= split; x += 2) {
        const auto *left = reinterpret_cast<const __m128i *>(row + columns.taps[x].first);
        const auto *right = reinterpret_cast<const __m128i *>(row + columns.taps[x + 1].first);
        const __m128i *leftWeights = weights + qsizetype(x) * 2 * groups;
        const __m128i *rightWeights = leftWeights + 2 * groups;
        __m256i sum = zero;
        for (int g = 0; g < groups; ++g) {
            // The left column's pixels and weights in the low half, the right one's above.
            const __m256i pixels = _mm256_inserti128_si256(
                _mm256_castsi128_si256(_mm_loadu_si128(left + g)), _mm_loadu_si128(right + g), 1);
            const __m256i low = _mm256_inserti128_si256(
                _mm256_castsi128_si256(leftWeights[2 * g]), rightWeights[2 * g], 1);
            const __m256i high = _mm256_inserti128_si256(
                _mm256_castsi128_si256(leftWeights[2 * g + 1]), rightWeights[2 * g + 1], 1);
            const __m256i paired = _mm256_shuffle_epi8(pixels, pairs);
            sum = _mm256_add_epi32(sum, _mm256_madd_epi16(_mm256_unpacklo_epi8(paired, zero), low));
            sum = _mm256_add_epi32(sum,
                                   _mm256_madd_epi16(_mm256_unpackhi_epi8(paired, zero), high));
        }
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(sums + (x - x0)),
                            _mm256_srli_epi32(sum, 4));
    }
    sumRow(row, columns, x, x1, sums + (x - x0));
}

// weighRow with two columns at a time in 256-bit vectors, where the processor has AVX2.
__attribute__((target("avx2"))) void weighRowWide(const __m128i *sums, int count, int weight,
                                                  bool first, __m128i *totals)
{
    const __m256i w = _mm256_set1_epi32(weight);
    int i = 0;
    for (; i + 2 <= count; i += 2) {
        const __m256i weighed = _mm256_mullo_epi32(
            _mm256_loadu_si256(reinterpret_cast<const __m256i *>(sums + i)), w);
        auto *at = reinterpret_cast<__m256i *>(totals + i);
        _mm256_storeu_si256(at, first ? weighed
                                      : _mm256_add_epi32(_mm256_loadu_si256(at), weighed));
    }
    weighRow(sums + i, count - i, weight, first, totals + i);
}

// What a thread needs for one band, kept from band to band.
struct Scratch
{
    std::vector<Lanes> sums;
    std::vector<Lanes> totals;
    std::vector<quint32> tile;
};

// One scale and turn: the source, the taps of both axes and the turned image being written.
struct Pass
{
    const uchar *source = nullptr;
    qsizetype sourceStride = 0;
    Columns columns;
    std::vector<Taps> rows;
    // Target rows that one source row may feed at once: their totals are kept side by side.
    int feeds = 1;
    // The scaled image's size, before the turn.
    int width = 0;
    int height = 0;
    bool opaque = false;
    // Whether the processor has AVX2, for the wide sums.
    bool wide = false;
    int angle = 90;
    uchar *target = nullptr;
    int targetStride = 0;
    // The columns of the turned image's first band, fewer than kBandRows where its rows do
    // not start on a 64-byte line: every later band then fills whole lines.
    int lead = kBandRows;

    void countFeeds()
    {
        // The rows fed by source row r run from the first whose taps end after r to the last
        // whose taps start by r: both move on only as r does.
        std::size_t low = 0;
        std::size_t high = 0;
        const int sourceRows = rows.back().first + rows.back().count;
        for (int r = 0; r < sourceRows; ++r) {
            while (low < rows.size() && rows[low].first + rows[low].count <= r)
                ++low;
            while (high < rows.size() && rows[high].first <= r)
                ++high;
            feeds = std::max(feeds, int(high - low));
        }
    }

    int bands() const { return 1 + (std::max(0, height - lead) + kBandRows - 1) / kBandRows; }

    // A band of columns of the turned image, which are rows of the scaled image: each source
    // row it needs is summed once and weighed into the rows it feeds; a row's pixels go to a
    // tile as it is finished, and the tile is turned into place.
    void band(int band) const
    {
        const int c0 = band == 0 ? 0 : lead + (band - 1) * kBandRows;
        const int c1 = std::min(height, band == 0 ? lead : c0 + kBandRows);
        // Clockwise, the scaled image's last row is the turned image's first column.
        const int y0 = angle == 90 ? height - c1 : c0;
        const int y1 = angle == 90 ? height - c0 : c1;
        const int bandRows = y1 - y0;
        const int chunk = std::min(width, kChunkColumns);

        thread_local Scratch scratch;
        scratch.sums.resize(chunk);
        scratch.totals.resize(qsizetype(feeds) * chunk);
        scratch.tile.resize(qsizetype(bandRows) * chunk);
        auto *sums = reinterpret_cast<__m128i *>(scratch.sums.data());
        auto *totals = reinterpret_cast<__m128i *>(scratch.totals.data());
        quint32 *tile = scratch.tile.data();

        const int firstRow = rows[y0].first;
        const int endRow = rows[y1 - 1].first + rows[y1 - 1].count;
        for (int x0 = 0; x0 < width; x0 += chunk) {
            const int x1 = std::min(width, x0 + chunk);
            const int count = x1 - x0;
            // The first target row of the band that still waits for source rows.
            int open = y0;
            for (int r = firstRow; r < endRow; ++r) {
                const auto *line = reinterpret_cast<const quint32 *>(source + r * sourceStride);
                if (wide)
                    sumRowWide(line, columns, x0, x1, sums);
                else
                    sumRow(line, columns, x0, x1, sums);
                for (int y = open; y < y1 && rows[y].first <= r; ++y) {
                    const Taps &t = rows[y];
                    const int k = r - t.first;
                    if (k >= t.count)
                        continue;
                    __m128i *rowTotals = totals + qsizetype(y % feeds) * chunk;
                    if (wide)
                        weighRowWide(sums, count, t.weight(k), k == 0, rowTotals);
                    else
                        weighRow(sums, count, t.weight(k), k == 0, rowTotals);
                    if (k == t.count - 1)
                        finishRow(rowTotals, count, opaque, tile + qsizetype(y - y0) * chunk);
                }
                while (open < y1 && rows[open].first + rows[open].count - 1 <= r)
                    ++open;
            }
            const int targetRow = angle == 90 ? x0 : width - x1;
            IQImageUtils::turnBlock(reinterpret_cast<const uchar *>(tile), chunk * 4, count,
                                    bandRows,
                                    target + qsizetype(targetRow) * targetStride
                                        + qsizetype(c0) * 4,
                                    targetStride, angle);
        }
    }
};

bool takesFormat(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32
           || format == QImage::Format_ARGB32_Premultiplied;
}

// The pass itself, for an image and size that scaleAndTurn takes; spread over as many helpers
// as the thread budget leases, or on the calling thread alone.
bool runPass(const QImage &image, const QSize &size, int angle, bool spread, QImage *result)
{
    // Qt's smooth scale works on premultiplied pixels and gives them back so.
    const QImage source = image.format() == QImage::Format_ARGB32
                              ? image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                              : image;
    if (source.isNull())
        return false;
    Pass pass;
    pass.width = size.width();
    pass.height = size.height();
    if (!axisTaps(source.width(), pass.width, &pass.columns.taps)
        || !axisTaps(source.height(), pass.height, &pass.rows))
        return false;
    pass.columns.build(source.width());
    pass.countFeeds();

    QImage turned(pass.height, pass.width, source.format());
    if (turned.isNull())
        return false;
    IQImageUtils::copyTurnedMetadata(image, &turned);

    pass.source = source.constBits();
    pass.sourceStride = source.bytesPerLine();
    pass.opaque = source.format() == QImage::Format_RGB32;
    static const bool wide = __builtin_cpu_supports("avx2");
    pass.wide = wide;
    pass.angle = angle;
    pass.target = turned.bits();
    pass.targetStride = turned.bytesPerLine();
    const int misaligned = int(reinterpret_cast<quintptr>(pass.target) % 64);
    if (misaligned % 4 == 0 && pass.targetStride % 64 == 0)
        pass.lead = kBandRows - misaligned / 4;
    const qint64 pixels = qint64(source.width()) * source.height();
    const IQThreadBudget::Lease spare(
        spread ? int(std::clamp<qint64>(pixels / kSourcePixelsPerHelper - 1, 0,
                                        std::max(1, QThread::idealThreadCount()) - 1))
               : 0);
    // Every band writes a little of every row of the turned image.
    IQImageUtils::claimPages(&turned, spare.count());
    IQImageUtils::runBands(pass.bands(), spare.count(), [&pass](int band) { pass.band(band); });
    *result = std::move(turned);
    return true;
}

// True when this pass gives Qt's pixels on a probe of every format it takes, shrunk on both
// axes by several ratios and turned both ways: a Qt that scales otherwise is left to do it.
// The probe is small enough that neither Qt's scale nor either turn hands any of it to a pool,
// so it runs on the calling thread alone while other first callers wait for its answer.
bool matchesQt()
{
    QImage probe(83, 61, QImage::Format_ARGB32);
    for (int y = 0; y < probe.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(probe.scanLine(y));
        for (int x = 0; x < probe.width(); ++x)
            line[x] = qRgba(x * 37 + y * 5, y * 91 + x, (x ^ y) * 13, (x * 7 + y * 3) | 0x0f);
    }
    const QList<QSize> sizes = {QSize(40, 29), QSize(82, 60), QSize(9, 47), QSize(1, 1)};
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32,
                                        QImage::Format_ARGB32_Premultiplied}) {
        const QImage source = probe.convertToFormat(format);
        for (const QSize &size : sizes) {
            for (const int angle : {90, 270}) {
                QImage made;
                if (!runPass(source, size, angle, false, &made))
                    return false;
                const QImage expected = IQImageUtils::quarterTurned(
                    source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                    angle);
                if (made.format() != expected.format() || made.size() != expected.size())
                    return false;
                for (int y = 0; y < made.height(); ++y) {
                    if (std::memcmp(made.constScanLine(y), expected.constScanLine(y),
                                    std::size_t(made.width()) * 4)
                        != 0)
                        return false;
                }
            }
        }
    }
    return true;
}

} // namespace
#endif

namespace IQSmoothScale {

bool scaleAndTurn(const QImage &image, const QSize &size, int angle, QImage *result)
{
#ifdef IQ_SMOOTH_SCALE_SSE41
    if ((angle != 90 && angle != 270) || !takesFormat(image.format()) || size.width() < 1
        || size.height() < 1 || size.width() >= image.width()
        || size.height() >= image.height())
        return false;
    static const bool fits = __builtin_cpu_supports("sse4.1") && matchesQt();
    if (!fits)
        return false;
    return runPass(image, size, angle, true, result);
#else
    Q_UNUSED(image);
    Q_UNUSED(size);
    Q_UNUSED(angle);
    Q_UNUSED(result);
    return false;
#endif
}

} // namespace IQSmoothScale
