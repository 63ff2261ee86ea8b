#include "writers/IQGifWriter.h"

#include <QThread>
#include <QtGlobal>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <new>
#include <optional>
#include <thread>
#include <vector>

#include "imaging/IQThreadBudget.h"
#include "writers/IQGifColorSearch.h"
#include "writers/IQGifLzw.h"
#include "writers/IQGifPalette.h"
#include "writers/IQGifQuantiser.h"

namespace {

constexpr int kMaxSide = 65535;          // the file stores sides and delays in 16 bits
constexpr qint64 kMaxPixels = 0x7fffffff / 4; // pixel byte offsets stay within int
// Below these many pixels a band of a frame is not worth a thread of its own: a pixel that only
// needs its role costs a few nanoseconds, one that needs a palette search a hundred.
constexpr int kMinPixelsPerRoleBand = 1024 * 1024;
constexpr int kMinPaintedPixelsPerBand = 16 * 1024;
// A band reads its frame this many pixels at a time (whole rows, at least one).
constexpr int kChunkPixels = 16 * 1024;

void putShort(FILE *file, int value)
{
    fputc(value & 0xff, file);
    fputc((value >> 8) & 0xff, file);
}

bool sameColor(const uint8_t *a, const uint8_t *b)
{
    return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
}

// What a pixel of a mapped frame does: keeps what the viewer shows (index 0), is transparent
// (index 0 on a cleared pixel), or takes a colour of the frame's palette.
enum IQGifPixelRole : uint8_t { KeepShown = 0, Transparent = 1, Paint = 2 };

// A pixel is unchanged when its colour is the one shown or the one the previous source frame
// had there: after palette reduction a many-colour source rarely equals what is shown, and
// repainting it would make a still background shimmer. A pixel whose alpha is below half is
// transparent on the first frame and stays so while it is transparent; one that turns
// transparent after being painted cannot be cleared with "leave in place" and keeps its colour.
void assignRoles(const uint8_t *shown, const uint8_t *previousSource, const uint8_t *cleared,
                 const uint8_t *pixels, uint8_t *roles, int first, int last)
{
    for (int i = first; i < last; ++i) {
        const uint8_t *p = pixels + i * 4;
        const bool transparent = p[3] < 128;
        if (!shown) {
            roles[i] = transparent ? Transparent : Paint;
        } else if (cleared[i]) {
            roles[i] = transparent ? KeepShown : Paint;
        } else {
            const bool unchanged =
                sameColor(shown + i * 4, p) || sameColor(previousSource + i * 4, p);
            roles[i] = unchanged ? KeepShown : Paint;
        }
    }
}

// Appends the painted pixels of [first, last) to out, in order; returns the end of what it wrote.
uint8_t *gatherPainted(const uint8_t *pixels, const uint8_t *roles, uint8_t *out, int first,
                       int last)
{
    for (int i = first; i < last; ++i) {
        std::memcpy(out, pixels + size_t(i) * 4, 4);
        out += roles[i] == Paint ? 4 : 0;
    }
    return out;
}

// Writes the indices into indices and, unless out is null, the shown colours and indices into
// out, which is the shown frame itself, and where the viewer shows transparency into cleared.
void mapByRoles(const uint8_t *pixels, const uint8_t *roles, uint8_t *out, uint8_t *indices,
                uint8_t *cleared, int first, int last, const IQGifPalette &palette,
                const IQGifColorSearch &search, const IQGifQuantiser::ExactColors *exact,
                IQGifColorCache *cache)
{
    for (int i = first; i < last; ++i) {
        uint8_t *o = out ? out + i * 4 : nullptr;
        switch (roles[i]) {
        case KeepShown:
            if (o)
                o[3] = 0;
            indices[i] = 0;
            break;
        case Transparent:
            if (o) {
                o[0] = o[1] = o[2] = o[3] = 0;
                cleared[i] = 1;
            }
            indices[i] = 0;
            break;
        default: {
            const uint8_t *p = pixels + i * 4;
            const int index = exact ? exact->find(uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2])
                                    : search.nearest(cache, p[0], p[1], p[2], 1);
            if (o) {
                o[0] = palette.red[index];
                o[1] = palette.green[index];
                o[2] = palette.blue[index];
                o[3] = uint8_t(index);
                cleared[i] = 0;
            }
            indices[i] = uint8_t(index);
            break;
        }
        }
    }
}

// Floyd-Steinberg in 8.8 fixed point; work holds width x height x 4 values.
void ditherImage(const uint8_t *previous, const uint8_t *pixels, uint8_t *out, int32_t *work,
                 int width, int height, const IQGifPalette &palette,
                 const IQGifColorSearch &search, IQGifColorCache *cache)
{
    const int n = width * height;
    for (int i = 0; i < n * 4; ++i)
        work[i] = int32_t(pixels[i]) * 256;

    static const int kOffsetsAndWeights[4][2] = {{1, 7}, {-1, 3}, {0, 5}, {1, 1}};
    for (int p = 0; p < n; ++p) {
        int32_t *v = work + p * 4;
        const int r = (v[0] + 127) / 256;
        const int g = (v[1] + 127) / 256;
        const int b = (v[2] + 127) / 256;
        if (previous && previous[p * 4] == r && previous[p * 4 + 1] == g
            && previous[p * 4 + 2] == b) {
            v[0] = r;
            v[1] = g;
            v[2] = b;
            v[3] = 0;
            continue;
        }
        const int index = search.nearest(cache, r, g, b, 0);
        const int error[3] = {v[0] - palette.red[index] * 256, v[1] - palette.green[index] * 256,
                              v[2] - palette.blue[index] * 256};
        v[0] = palette.red[index];
        v[1] = palette.green[index];
        v[2] = palette.blue[index];
        v[3] = index;
        for (int k = 0; k < 4; ++k) {
            // The first neighbour is the next pixel, the others lie one row down.
            const int q = p + kOffsetsAndWeights[k][0] + (k == 0 ? 0 : width);
            // A later pixel only: a one-pixel-wide frame must not feed its own result.
            if (q <= p || q >= n)
                continue;
            int32_t *target = work + q * 4;
            for (int c = 0; c < 3; ++c) {
                const int share = error[c] * kOffsetsAndWeights[k][1] / 16;
                target[c] += maxInt(share, -target[c]);
            }
        }
    }
    for (int i = 0; i < n * 4; ++i)
        out[i] = uint8_t(work[i] & 0xff);
}

void writePalette(FILE *file, const IQGifPalette &palette)
{
    fputc(0, file);
    fputc(0, file);
    fputc(0, file);
    const int entries = 1 << palette.bitDepth;
    for (int i = 1; i < entries; ++i) {
        fputc(palette.red[i], file);
        fputc(palette.green[i], file);
        fputc(palette.blue[i], file);
    }
}

void writeImageBlock(FILE *file, IQGifLzw *lzw, const uint8_t *indices, int left, int top,
                     int width, int height, int delay, const IQGifPalette &palette)
{
    // Graphic control: leave in place, transparent index 0.
    fputc(0x21, file);
    fputc(0xf9, file);
    fputc(0x04, file);
    fputc(0x05, file);
    putShort(file, delay);
    fputc(0, file);
    fputc(0, file);

    fputc(0x2c, file);
    putShort(file, left);
    putShort(file, top);
    putShort(file, width);
    putShort(file, height);
    fputc(0x80 + palette.bitDepth - 1, file);
    writePalette(file, palette);

    const int bitDepth = palette.bitDepth;
    fputc(bitDepth, file);
    lzw->compress(indices, width * height, bitDepth, file);
    fputc(0, file);
}

// Runs work(band, first, last) over up to wanted bands of [0, n), each band but the first on a
// thread of its own, as many as the thread budget gives; returns the number of bands when all
// are done.
template <typename Work>
int forEachBand(int n, int wanted, const Work &work)
{
    const IQThreadBudget::Lease lease(wanted - 1);
    const int bands = 1 + lease.count();
    const auto bandStart = [n, bands](int band) { return int(int64_t(n) * band / bands); };
    std::vector<std::thread> helpers;
    helpers.reserve(size_t(bands - 1));
    for (int band = 1; band < bands; ++band) {
        const auto bandWork = [&work, band, bandStart] {
            work(band, bandStart(band), bandStart(band + 1));
        };
        std::thread helper = IQThreadBudget::startThread(bandWork);
        if (helper.joinable())
            helpers.push_back(std::move(helper));
        else
            bandWork();
    }
    work(0, 0, bandStart(1));
    for (std::thread &helper : helpers)
        helper.join();
    return bands;
}

template <typename T>
std::unique_ptr<T[]> allocate(size_t count)
{
    return std::unique_ptr<T[]>(new (std::nothrow) T[count]);
}

// A frame given as a block of RGBA pixels, read where it lies: the caller's while it is mapped,
// then the writer's own copy of it.
class IQGifPixelFrame : public IQGifWriter::Frame
{
public:
    IQGifPixelFrame(const uint8_t *pixels, int width) : pixels(pixels), width(width) {}
    const uint8_t *rows(int first, int, uint8_t *) const override
    {
        return pixels + size_t(first) * size_t(width) * 4;
    }
    const uint8_t *pixels;

private:
    int width;
};

// What a band needs to read a few rows of a frame and of the one before it, kept from frame to
// frame.
struct IQGifChunk
{
    bool reserve(size_t count)
    {
        if (pixels)
            return true;
        pixels = allocate<uint8_t>(count * 4);
        before.reset(new (std::nothrow) uint8_t[count * 4]()); // zeroed
        roles = allocate<uint8_t>(count);
        return pixels && before && roles;
    }
    std::unique_ptr<uint8_t[]> pixels;
    std::unique_ptr<uint8_t[]> before; // zero while no frame was mapped before
    std::unique_ptr<uint8_t[]> roles;
};

} // namespace

struct IQGifWriter::Tables
{
    IQGifLzw lzw;
    IQGifQuantiser::ExactColors exact;
    // A frame's image block is compressed and written while the next frame is mapped, when the
    // thread budget has a token for it: the indices of two frames, and the palette of the one
    // being written.
    std::unique_ptr<uint8_t[]> indices[2];
    int nextIndices = 0;
    IQGifPalette pendingPalette;
    std::thread pendingBlock;
    std::optional<IQThreadBudget::Lease> pendingLease;
    // One colour cache per band of a frame, the first also serving dithering.
    std::unique_ptr<IQGifColorCache[]> colors;
    std::unique_ptr<IQGifChunk[]> chunks;
    int bandLimit = 1;
    // From the second frame on: the role of every pixel, found once while the painted pixels
    // are gathered, and those pixels themselves, both kept from frame to frame.
    std::unique_ptr<uint8_t[]> roles;
    std::unique_ptr<uint8_t[]> painted;
    // The copies of the last two frames given as raw pixels; previousSource may show one.
    std::unique_ptr<uint8_t[]> copies[2];
    int nextCopy = 0;
};

IQGifWriter::IQGifWriter() = default;

IQGifWriter::~IQGifWriter()
{
    closeFile();
}

void IQGifWriter::finishPendingBlock()
{
    if (!tables)
        return;
    if (tables->pendingBlock.joinable())
        tables->pendingBlock.join();
    tables->pendingLease.reset();
}

void IQGifWriter::closeFile()
{
    finishPendingBlock();
    if (file)
        fclose(file);
    file = nullptr;
    previous.reset();
    cleared.reset();
    previousSource.reset();
    shownByIndices = false;
    broken = false;
    tables.reset();
}

bool IQGifWriter::begin(const char *path, int width, int height, int delay)
{
    if (file || !path || width < 1 || height < 1 || width > kMaxSide || height > kMaxSide
        || qint64(width) * height > kMaxPixels)
        return false;
    const size_t pixelCount = size_t(width) * size_t(height);
    tables.reset(new (std::nothrow) Tables()); // zeroed
    if (tables) {
        tables->bandLimit = std::max(1, QThread::idealThreadCount());
        tables->colors.reset(new (std::nothrow) IQGifColorCache[tables->bandLimit]());
        tables->chunks.reset(new (std::nothrow) IQGifChunk[tables->bandLimit]);
        // Pages that are never written take no memory: a still leaves the second untouched.
        tables->indices[0] = allocate<uint8_t>(pixelCount);
        tables->indices[1] = allocate<uint8_t>(pixelCount);
    }
    if (!tables || !tables->colors || !tables->chunks || !tables->indices[0]
        || !tables->indices[1]) {
        closeFile();
        return false;
    }
    file = fopen(path, "wb");
    if (!file) {
        closeFile();
        return false;
    }
    firstFrame = true;
    canvasWidth = width;
    canvasHeight = height;

    fputs("GIF89a", file);
    putShort(file, width);
    putShort(file, height);
    fputc(0xf0, file); // a global table of two entries, 8-bit colour resolution
    fputc(0, file);
    fputc(0, file);
    for (int i = 0; i < 6; ++i)
        fputc(0, file);

    if (delay != 0) {
        fputc(0x21, file);
        fputc(0xff, file);
        fputc(0x0b, file);
        fputs("NETSCAPE2.0", file);
        fputc(0x03, file);
        fputc(0x01, file);
        fputc(0x00, file); // loop count 0: endless
        fputc(0x00, file);
        fputc(0x00, file);
    }
    if (ferror(file)) {
        closeFile();
        return false;
    }
    return true;
}

bool IQGifWriter::expandShown()
{
    const int count = canvasWidth * canvasHeight;
    previous = allocate<uint8_t>(size_t(count) * 4);
    cleared = allocate<uint8_t>(size_t(count));
    if (!previous || !cleared) {
        previous.reset();
        cleared.reset();
        return false;
    }
    // A first frame paints every pixel with an entry of its palette or clears it (index 0,
    // black): its indices, still those of the pending block, tell all it shows.
    const uint8_t *indices = tables->indices[tables->nextIndices ^ 1].get();
    const IQGifPalette &palette = tables->pendingPalette;
    const int bands = std::clamp(count / kMinPixelsPerRoleBand, 1, tables->bandLimit);
    forEachBand(count, bands, [&](int, int first, int last) {
        for (int i = first; i < last; ++i) {
            const uint8_t index = indices[i];
            uint8_t *o = previous.get() + size_t(i) * 4;
            o[0] = palette.red[index];
            o[1] = palette.green[index];
            o[2] = palette.blue[index];
            o[3] = index;
            cleared[size_t(i)] = index == 0;
        }
    });
    shownByIndices = false;
    return true;
}

bool IQGifWriter::writeFrame(const uint8_t *pixels, int width, int height, int delay,
                             int bitDepth, bool dither)
{
    if (!file || !pixels || width != canvasWidth || height != canvasHeight || bitDepth < 1
        || bitDepth > 8)
        return false;
    const size_t n = size_t(width) * size_t(height);
    if (!dither) {
        // The next frame is compared with this one, which the caller may drop: it is copied as
        // it is mapped, into the copy that the frame before did not take.
        std::unique_ptr<uint8_t[]> &copy = tables->copies[tables->nextCopy];
        if (!copy)
            copy = allocate<uint8_t>(n * 4);
        if (!copy)
            return false;
        const auto frame = std::make_shared<IQGifPixelFrame>(pixels, width);
        const bool ok = writeRoleFrame(frame, delay, bitDepth, copy.get());
        if (previousSource == frame) {
            frame->pixels = copy.get();
            tables->nextCopy ^= 1;
        }
        return ok;
    }

    std::unique_ptr<int32_t[]> work = allocate<int32_t>(n * 4);
    std::unique_ptr<uint8_t[]> scratch = allocate<uint8_t>(n * 4);
    if (!work || !scratch)
        return false;
    // This thread's own token, unless it holds one as a batch's pool thread.
    const IQThreadBudget::Seat seat;
    if (shownByIndices && !expandShown())
        return false;
    if (!previous) {
        previous = allocate<uint8_t>(n * 4);
        cleared.reset(new (std::nothrow) uint8_t[n]()); // zeroed: nothing cleared yet
        if (!previous || !cleared) {
            previous.reset();
            cleared.reset();
            return false;
        }
    }
    const uint8_t *previousFrame = firstFrame ? nullptr : previous.get();
    firstFrame = false;

    IQGifPalette palette;
    uint8_t *indices = tables->indices[tables->nextIndices].get();
    IQGifQuantiser::makePalette(pixels, scratch.get(), int(n), bitDepth, true, &palette);
    scratch.reset();
    const IQGifColorSearch search(palette);
    tables->colors[0].clear();
    ditherImage(previousFrame, pixels, previous.get(), work.get(), width, height, palette, search,
                &tables->colors[0]);
    work.reset();
    for (size_t i = 0; i < n; ++i)
        indices[i] = previous[i * 4 + 3];
    return writeBlock(delay, palette);
}

bool IQGifWriter::writeFrame(std::shared_ptr<const Frame> frame, int width, int height, int delay,
                             int bitDepth)
{
    if (!file || !frame || width != canvasWidth || height != canvasHeight || bitDepth < 1
        || bitDepth > 8)
        return false;
    return writeRoleFrame(std::move(frame), delay, bitDepth, nullptr);
}

bool IQGifWriter::writeRoleFrame(std::shared_ptr<const Frame> frame, int delay, int bitDepth,
                                 uint8_t *copy)
{
    const int width = canvasWidth;
    const int height = canvasHeight;
    const int count = width * height;
    // The first frame, which may be a huge still, finds its roles twice rather than keep them,
    // and frees the pixels that the median cut reorders as soon as the palette is made; the
    // frames after it keep both from frame to frame.
    const bool keep = !firstFrame;
    std::unique_ptr<uint8_t[]> ownScratch;
    uint8_t *scratch = nullptr;
    if (keep) {
        if (!tables->painted)
            tables->painted = allocate<uint8_t>(size_t(count) * 4);
        if (!tables->roles)
            tables->roles = allocate<uint8_t>(size_t(count));
        if (!tables->painted || !tables->roles)
            return false;
        scratch = tables->painted.get();
    } else {
        ownScratch = allocate<uint8_t>(size_t(count) * 4);
        if (!ownScratch)
            return false;
        scratch = ownScratch.get();
    }
    const int chunkRows = std::max(1, kChunkPixels / width);
    const size_t chunkPixels = size_t(chunkRows) * size_t(width);
    const int maxBands = std::clamp(count / kMinPixelsPerRoleBand, 1, tables->bandLimit);
    for (int band = 0; band < tables->bandLimit; ++band)
        if (!tables->chunks[band].reserve(chunkPixels))
            return false;
    // This thread's own token, unless it holds one as a batch's pool thread.
    const IQThreadBudget::Seat seat;
    if (shownByIndices && !expandShown())
        return false;
    // Null for the first frame.
    uint8_t *shown = firstFrame ? nullptr : previous.get();
    const Frame *before = previousSource.get();
    uint8_t *const keptRoles = keep ? tables->roles.get() : nullptr;
    std::atomic<bool> unreadable{false};

    // The roles of rows [y, y + rows), in roles; the frame's pixels of them, or null.
    const auto readRows = [&](int y, int rows, IQGifChunk &chunk,
                              uint8_t *roles) -> const uint8_t * {
        const uint8_t *pixels = frame->rows(y, rows, chunk.pixels.get());
        const uint8_t *last = before ? before->rows(y, rows, chunk.before.get())
                                     : chunk.before.get();
        if (!pixels || !last) {
            unreadable = true;
            return nullptr;
        }
        const size_t offset = size_t(y) * size_t(width);
        assignRoles(shown ? shown + offset * 4 : nullptr, last,
                    shown ? cleared.get() + offset : nullptr, pixels, roles, 0, rows * width);
        return pixels;
    };

    // Roles and mapping are per pixel, so bands of the frame run at once; each band has a
    // colour cache of its own, and a cached entry is the one the search would find.
    std::vector<int> painted(size_t(maxBands), 0);
    const int roleBands = forEachBand(height, maxBands, [&](int band, int first, int last) {
        IQGifChunk &chunk = tables->chunks[band];
        uint8_t *const start = scratch + size_t(first) * size_t(width) * 4;
        uint8_t *out = start;
        for (int y = first; y < last; y += chunkRows) {
            const int rows = std::min(chunkRows, last - y);
            uint8_t *roles = keptRoles ? keptRoles + size_t(y) * size_t(width) : chunk.roles.get();
            const uint8_t *pixels = readRows(y, rows, chunk, roles);
            if (!pixels)
                return;
            out = gatherPainted(pixels, roles, out, 0, rows * width);
        }
        painted[size_t(band)] = int((out - start) / 4);
    });
    if (unreadable)
        return false;
    int paintedCount = painted[0];
    for (int band = 1; band < roleBands; ++band) {
        const size_t first = size_t(int64_t(height) * band / roleBands) * size_t(width);
        std::memmove(scratch + size_t(paintedCount) * 4, scratch + first * 4,
                     size_t(painted[size_t(band)]) * 4);
        paintedCount += painted[size_t(band)];
    }

    IQGifPalette palette;
    const bool exact = IQGifQuantiser::makeRolePalette(scratch, paintedCount, bitDepth, &palette,
                                                       &tables->exact);
    ownScratch.reset();
    firstFrame = false;

    const IQGifColorSearch search(palette);
    uint8_t *indices = tables->indices[tables->nextIndices].get();
    // Painted pixels that need a search cost the most; the exact colours are a quick look-up.
    const int searched = exact ? paintedCount / 16 : paintedCount;
    const int bands = std::clamp(searched / kMinPaintedPixelsPerBand, 1, tables->bandLimit);
    forEachBand(height, bands, [&](int band, int first, int last) {
        IQGifColorCache *cache = &tables->colors[band];
        cache->clear();
        IQGifChunk &chunk = tables->chunks[band];
        for (int y = first; y < last; y += chunkRows) {
            const int rows = std::min(chunkRows, last - y);
            const size_t offset = size_t(y) * size_t(width);
            const uint8_t *roles = chunk.roles.get();
            const uint8_t *pixels = nullptr;
            if (keptRoles) {
                roles = keptRoles + offset;
                pixels = frame->rows(y, rows, chunk.pixels.get());
                if (!pixels)
                    unreadable = true;
            } else {
                pixels = readRows(y, rows, chunk, chunk.roles.get());
            }
            if (!pixels)
                return;
            mapByRoles(pixels, roles, shown ? shown + offset * 4 : nullptr, indices + offset,
                       shown ? cleared.get() + offset : nullptr, 0, rows * width, palette,
                       search, exact ? &tables->exact : nullptr, cache);
            if (copy)
                std::memcpy(copy + offset * 4, pixels, size_t(rows) * size_t(width) * 4);
        }
    });
    if (unreadable) {
        // What the viewer shows is half this frame's now.
        broken = true;
        return false;
    }
    previousSource = std::move(frame);
    shownByIndices = !shown;
    return writeBlock(delay, palette);
}

bool IQGifWriter::writeBlock(int delay, const IQGifPalette &palette)
{
    // The file is this frame's once the previous block is out; a failure so far is reported
    // here, a failure of this block by the next frame or by end().
    finishPendingBlock();
    const bool ok = !ferror(file) && !broken;
    const int clampedDelay = minInt(maxInt(delay, 0), kMaxSide);
    tables->pendingPalette = palette;
    Tables *t = tables.get();
    FILE *out = file;
    const uint8_t *indices = t->indices[t->nextIndices].get();
    const int width = canvasWidth;
    const int height = canvasHeight;
    const auto writeBlock = [t, out, indices, width, height, clampedDelay] {
        writeImageBlock(out, &t->lzw, indices, 0, 0, width, height, clampedDelay,
                        t->pendingPalette);
    };
    t->pendingLease.emplace(1);
    if (t->pendingLease->count() == 1)
        t->pendingBlock = IQThreadBudget::startThread(writeBlock);
    if (!t->pendingBlock.joinable()) {
        t->pendingLease.reset();
        writeBlock();
    }
    tables->nextIndices ^= 1;
    return ok;
}

bool IQGifWriter::end()
{
    if (!file)
        return false;
    finishPendingBlock();
    fputc(0x3b, file);
    bool ok = fflush(file) == 0 && !ferror(file) && !broken;
    if (fclose(file) != 0)
        ok = false;
    file = nullptr;
    closeFile();
    return ok;
}
