#include "IQGifWriter.h"

#include <QtGlobal>

#include <algorithm>
#include <cstring>
#include <new>

namespace {

constexpr int kMaxSide = 65535;          // the file stores sides and delays in 16 bits
constexpr qint64 kMaxPixels = 0x7fffffff / 4; // pixel byte offsets stay within int
constexpr int kDictionaryNodes = 4096;   // the largest LZW code is 12 bits
constexpr int kSearchStart = 1000000;    // farther than any two colours

struct IQGifPalette
{
    int bitDepth = 0;
    uint8_t red[256];
    uint8_t green[256];
    uint8_t blue[256];
    // The k-d tree: nodes numbered from 1, node n splits into 2n and 2n + 1, and node
    // 2^bitDepth + i is palette entry i.
    uint8_t splitComponent[256];
    uint8_t splitValue[256];
    // Entries that received pixels this frame; the others stay black and are never chosen.
    bool used[256];
};

struct IQGifBitWriter
{
    uint8_t bitIndex = 0;
    uint8_t currentByte = 0;
    uint32_t blockLength = 0;
    uint8_t block[256];
};

// The LZW dictionary: node [code][value] holds the code of that string followed by value, 0 when
// absent. Each node carries the generation in which it was last written, so a clear costs one
// increment instead of zeroing 2 MiB; a node is zeroed when it is first written again.
struct IQGifDictionary
{
    uint16_t next[kDictionaryNodes][256];
    uint32_t nodeGeneration[kDictionaryNodes];
    uint32_t generation = 0;

    void clear()
    {
        if (++generation == 0) {
            std::memset(nodeGeneration, 0, sizeof(nodeGeneration));
            generation = 1;
        }
    }
    uint16_t find(int code, int value) const
    {
        return nodeGeneration[code] == generation ? next[code][value] : 0;
    }
    void add(int code, int value, int nextCode)
    {
        if (nodeGeneration[code] != generation) {
            std::memset(next[code], 0, sizeof(next[code]));
            nodeGeneration[code] = generation;
        }
        next[code][value] = uint16_t(nextCode);
    }
};

// Nearest palette entries found in this frame, by colour: neighbouring pixels repeat colours,
// and a hit spares the tree walk. Entries of older frames are told apart by their generation.
struct IQGifColorCache
{
    static constexpr int kBits = 14;
    uint64_t slot[1 << kBits];
    uint32_t generation = 0;

    void clear()
    {
        if (++generation == 0) {
            std::memset(slot, 0, sizeof(slot));
            generation = 1;
        }
    }
    static uint32_t indexOf(uint32_t rgb) { return (rgb * 2654435761u) >> (32 - kBits); }
    uint64_t tag(uint32_t rgb) const { return (uint64_t(generation) << 24) | rgb; }
    bool find(uint32_t rgb, int *index) const
    {
        const uint64_t entry = slot[indexOf(rgb)];
        if ((entry >> 8) != tag(rgb))
            return false;
        *index = int(entry & 0xff);
        return true;
    }
    void add(uint32_t rgb, int index) { slot[indexOf(rgb)] = (tag(rgb) << 8) | uint64_t(index); }
};

// The colours of a frame with at most 255 of them, each its own palette entry, so that such a
// frame is written without loss. Open addressing over twice the largest count.
struct IQGifExactColors
{
    static constexpr int kSlots = 512;
    static constexpr int kMaxColors = 255;
    uint32_t key[kSlots];   // rgb + 1, 0 for an empty slot
    uint8_t index[kSlots];
    int count = 0;

    void clear()
    {
        std::memset(key, 0, sizeof(key));
        count = 0;
    }
    static uint32_t slotOf(uint32_t rgb) { return (rgb * 2654435761u) >> (32 - 9); }
    // The entry of rgb, adding it when new; -1 once more than limit colours were seen.
    int insert(uint32_t rgb, int limit)
    {
        for (uint32_t s = slotOf(rgb);; s = (s + 1) % kSlots) {
            if (key[s] == rgb + 1)
                return index[s];
            if (key[s] == 0) {
                if (count >= limit)
                    return -1;
                key[s] = rgb + 1;
                index[s] = uint8_t(++count);
                return index[s];
            }
        }
    }
    int find(uint32_t rgb) const
    {
        for (uint32_t s = slotOf(rgb);; s = (s + 1) % kSlots) {
            if (key[s] == rgb + 1)
                return index[s];
            if (key[s] == 0)
                return -1;
        }
    }
};

int maxInt(int a, int b)
{
    return a > b ? a : b;
}

int minInt(int a, int b)
{
    return a < b ? a : b;
}

int absInt(int a)
{
    return a < 0 ? -a : a;
}

void putShort(FILE *file, int value)
{
    fputc(value & 0xff, file);
    fputc((value >> 8) & 0xff, file);
}

void swapPixels(uint8_t *pixels, int a, int b)
{
    uint32_t pa;
    uint32_t pb;
    std::memcpy(&pa, pixels + a * 4, 4);
    std::memcpy(&pb, pixels + b * 4, 4);
    std::memcpy(pixels + a * 4, &pb, 4);
    std::memcpy(pixels + b * 4, &pa, 4);
}

int partitionPixels(uint8_t *pixels, int left, int right, int component, int pivotIndex)
{
    const uint8_t pivotValue = pixels[pivotIndex * 4 + component];
    swapPixels(pixels, pivotIndex, right - 1);
    int store = left;
    bool swapEqual = false; // equal values alternate sides so runs of one value stay balanced
    for (int i = left; i < right - 1; ++i) {
        const uint8_t value = pixels[i * 4 + component];
        if (value < pivotValue) {
            swapPixels(pixels, i, store);
            ++store;
        } else if (value == pivotValue) {
            if (swapEqual) {
                swapPixels(pixels, i, store);
                ++store;
            }
            swapEqual = !swapEqual;
        }
    }
    swapPixels(pixels, store, right - 1);
    return store;
}

void partitionByMedian(uint8_t *pixels, int left, int right, int component, int wanted)
{
    while (left < right - 1) {
        const int pivot = partitionPixels(pixels, left, right, component,
                                          left + (right - left) / 2);
        if (pivot > wanted)
            right = pivot;
        else if (pivot < wanted)
            left = pivot + 1;
        else
            break;
    }
}

void splitPaletteRange(uint8_t *pixels, int n, int first, int last, int splitEntry,
                       int splitDistance, int node, bool forDither, IQGifPalette *palette);

void splitPalette(uint8_t *pixels, int n, int first, int last, int splitEntry, int splitDistance,
                  int node, bool forDither, IQGifPalette *palette)
{
    if (last == first + 1) {
        int r;
        int g;
        int b;
        if (forDither && first == 1) {
            // The darkest corner, so that dithering can reach black.
            r = g = b = 255;
            for (int i = 0; i < n; ++i) {
                r = minInt(r, pixels[i * 4]);
                g = minInt(g, pixels[i * 4 + 1]);
                b = minInt(b, pixels[i * 4 + 2]);
            }
        } else if (forDither && first == (1 << palette->bitDepth) - 1) {
            r = g = b = 0;
            for (int i = 0; i < n; ++i) {
                r = maxInt(r, pixels[i * 4]);
                g = maxInt(g, pixels[i * 4 + 1]);
                b = maxInt(b, pixels[i * 4 + 2]);
            }
        } else {
            uint64_t sumR = 0;
            uint64_t sumG = 0;
            uint64_t sumB = 0;
            for (int i = 0; i < n; ++i) {
                sumR += pixels[i * 4];
                sumG += pixels[i * 4 + 1];
                sumB += pixels[i * 4 + 2];
            }
            const uint64_t count = uint64_t(n);
            r = int((sumR + count / 2) / count);
            g = int((sumG + count / 2) / count);
            b = int((sumB + count / 2) / count);
        }
        palette->red[first] = uint8_t(r);
        palette->green[first] = uint8_t(g);
        palette->blue[first] = uint8_t(b);
        palette->used[first] = true;
        return;
    }

    int minR = 255, maxR = 0, minG = 255, maxG = 0, minB = 255, maxB = 0;
    for (int i = 0; i < n; ++i) {
        minR = minInt(minR, pixels[i * 4]);
        maxR = maxInt(maxR, pixels[i * 4]);
        minG = minInt(minG, pixels[i * 4 + 1]);
        maxG = maxInt(maxG, pixels[i * 4 + 1]);
        minB = minInt(minB, pixels[i * 4 + 2]);
        maxB = maxInt(maxB, pixels[i * 4 + 2]);
    }
    const int rangeR = maxR - minR;
    const int rangeG = maxG - minG;
    const int rangeB = maxB - minB;
    int component = 1;
    if (rangeR > rangeG && rangeR > rangeB)
        component = 0;
    else if (rangeB > rangeG)
        component = 2;

    const int leftCount = int(int64_t(n) * (splitEntry - first) / (last - first));
    partitionByMedian(pixels, 0, n, component, leftCount);
    palette->splitComponent[node] = uint8_t(component);
    palette->splitValue[node] = pixels[leftCount * 4 + component];

    splitPaletteRange(pixels, leftCount, first, splitEntry, splitEntry - splitDistance,
                      splitDistance / 2, 2 * node, forDither, palette);
    splitPaletteRange(pixels + leftCount * 4, n - leftCount, splitEntry, last,
                      splitEntry + splitDistance, splitDistance / 2, 2 * node + 1, forDither,
                      palette);
}

void splitPaletteRange(uint8_t *pixels, int n, int first, int last, int splitEntry,
                       int splitDistance, int node, bool forDither, IQGifPalette *palette)
{
    if (last <= first || n == 0)
        return;
    splitPalette(pixels, n, first, last, splitEntry, splitDistance, node, forDither, palette);
}

bool sameColor(const uint8_t *a, const uint8_t *b)
{
    return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
}

// The palette of a whole frame, for dithering. scratch holds width x height x 4 bytes; its
// content is lost.
void makePalette(const uint8_t *pixels, uint8_t *scratch, int width, int height, int bitDepth,
                 bool forDither, IQGifPalette *palette)
{
    *palette = IQGifPalette{};
    palette->bitDepth = bitDepth;
    const int n = width * height;
    std::memcpy(scratch, pixels, size_t(n) * 4);

    const int entries = 1 << bitDepth;
    if (entries > 1 && n > 0)
        splitPaletteRange(scratch, n, 1, entries, entries / 2, entries / 4, 1, forDither,
                          palette);

    // The parent of entries 0 and 1 splits at 0, so every search reaches entry 1 first.
    palette->splitValue[entries / 2] = 0;
    palette->splitComponent[entries / 2] = 0;
    palette->red[0] = palette->green[0] = palette->blue[0] = 0;
}

struct IQGifSearch
{
    int color[3];
    int best;
    int bestDistance;
};

void nearestPaletteColor(const IQGifPalette &palette, IQGifSearch &search, int node)
{
    const int entries = 1 << palette.bitDepth;
    if (node >= entries) {
        const int i = node - entries;
        if (i == 0 || !palette.used[i])
            return;
        const int distance = absInt(search.color[0] - palette.red[i])
                             + absInt(search.color[1] - palette.green[i])
                             + absInt(search.color[2] - palette.blue[i]);
        if (distance < search.bestDistance) {
            search.best = i;
            search.bestDistance = distance;
        }
        return;
    }
    const int c = search.color[palette.splitComponent[node]];
    const int s = palette.splitValue[node];
    if (s > c) {
        nearestPaletteColor(palette, search, 2 * node);
        if (search.bestDistance > s - c)
            nearestPaletteColor(palette, search, 2 * node + 1);
    } else {
        nearestPaletteColor(palette, search, 2 * node + 1);
        if (search.bestDistance > c - s)
            nearestPaletteColor(palette, search, 2 * node);
    }
}

// Whatever the start entry, a frame's palette always has a computed entry nearer than
// kSearchStart, so the answer depends on the colour alone and can be cached.
int nearestIndex(const IQGifPalette &palette, IQGifColorCache *cache, int r, int g, int b,
                 int start)
{
    const bool cacheable = (r | g | b) >= 0 && r < 256 && g < 256 && b < 256;
    const uint32_t rgb = uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b);
    int cached = 0;
    if (cacheable && cache->find(rgb, &cached))
        return cached;
    IQGifSearch search = {{r, g, b}, start, kSearchStart};
    nearestPaletteColor(palette, search, 1);
    if (cacheable)
        cache->add(rgb, search.best);
    return search.best;
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
                 const uint8_t *pixels, uint8_t *roles, int n)
{
    for (int i = 0; i < n; ++i) {
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

// The palette of the painted pixels: exactly their colours when there are at most 255 of them
// (exact is then filled), else the median cut. scratch holds n x 4 bytes; its content is lost.
bool makeRolePalette(const uint8_t *pixels, const uint8_t *roles, uint8_t *scratch, int n,
                     int bitDepth, IQGifPalette *palette, IQGifExactColors *exact)
{
    *palette = IQGifPalette{};
    palette->bitDepth = bitDepth;
    int painted = 0;
    for (int i = 0; i < n; ++i) {
        if (roles[i] == Paint) {
            std::memcpy(scratch + painted * 4, pixels + i * 4, 4);
            ++painted;
        }
    }

    const int entries = 1 << bitDepth;
    const int room = std::min(entries - 1, IQGifExactColors::kMaxColors);
    exact->clear();
    bool isExact = painted > 0;
    for (int i = 0; isExact && i < painted; ++i) {
        const uint8_t *p = scratch + i * 4;
        isExact = exact->insert(uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2], room) >= 0;
    }
    if (isExact) {
        for (int s = 0; s < IQGifExactColors::kSlots; ++s) {
            if (!exact->key[s])
                continue;
            const uint32_t rgb = exact->key[s] - 1;
            const int i = exact->index[s];
            palette->red[i] = uint8_t(rgb >> 16);
            palette->green[i] = uint8_t(rgb >> 8);
            palette->blue[i] = uint8_t(rgb);
            palette->used[i] = true;
        }
    } else if (entries > 1 && painted > 0) {
        splitPaletteRange(scratch, painted, 1, entries, entries / 2, entries / 4, 1, false,
                          palette);
    }
    palette->splitValue[entries / 2] = 0;
    palette->splitComponent[entries / 2] = 0;
    palette->red[0] = palette->green[0] = palette->blue[0] = 0;
    return isExact;
}

// Writes the shown colours and indices into out, which is the shown frame itself.
void mapByRoles(const uint8_t *pixels, const uint8_t *roles, uint8_t *out, uint8_t *cleared,
                int n, const IQGifPalette &palette, const IQGifExactColors *exact,
                IQGifColorCache *cache)
{
    for (int i = 0; i < n; ++i) {
        uint8_t *o = out + i * 4;
        switch (roles[i]) {
        case KeepShown:
            o[3] = 0;
            break;
        case Transparent:
            o[0] = o[1] = o[2] = o[3] = 0;
            cleared[i] = 1;
            break;
        default: {
            const uint8_t *p = pixels + i * 4;
            const int index = exact ? exact->find(uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2])
                                    : nearestIndex(palette, cache, p[0], p[1], p[2], 1);
            o[0] = palette.red[index];
            o[1] = palette.green[index];
            o[2] = palette.blue[index];
            o[3] = uint8_t(index);
            cleared[i] = 0;
            break;
        }
        }
    }
}

// Floyd-Steinberg in 8.8 fixed point; work holds width x height x 4 values.
void ditherImage(const uint8_t *previous, const uint8_t *pixels, uint8_t *out, int32_t *work,
                 int width, int height, const IQGifPalette &palette, IQGifColorCache *cache)
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
        const int index = nearestIndex(palette, cache, r, g, b, 0);
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

void writeSubBlock(FILE *file, IQGifBitWriter *bits)
{
    fputc(int(bits->blockLength), file);
    fwrite(bits->block, 1, bits->blockLength, file);
    bits->bitIndex = 0;
    bits->currentByte = 0;
    bits->blockLength = 0;
}

void writeBit(IQGifBitWriter *bits, uint32_t bit)
{
    bits->currentByte |= uint8_t((bit & 1) << bits->bitIndex);
    ++bits->bitIndex;
    if (bits->bitIndex > 7) {
        bits->block[bits->blockLength++] = bits->currentByte;
        bits->bitIndex = 0;
        bits->currentByte = 0;
    }
}

void writeCode(FILE *file, IQGifBitWriter *bits, uint32_t code, int length)
{
    for (int i = 0; i < length; ++i) {
        writeBit(bits, code);
        code >>= 1;
        if (bits->blockLength == 255)
            writeSubBlock(file, bits);
    }
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

void writeImageBlock(FILE *file, IQGifDictionary *dictionary, const uint8_t *image, int left,
                     int top, int width, int height, int delay, const IQGifPalette &palette)
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

    const int clearCode = 1 << bitDepth;
    dictionary->clear();
    int codeSize = bitDepth + 1;
    int nextCode = clearCode + 1;
    int current = -1;
    IQGifBitWriter bits;
    writeCode(file, &bits, uint32_t(clearCode), codeSize);

    const int n = width * height;
    for (int i = 0; i < n; ++i) {
        const int value = image[i * 4 + 3];
        if (current < 0) {
            current = value;
            continue;
        }
        const uint16_t next = dictionary->find(current, value);
        if (next) {
            current = next;
            continue;
        }
        writeCode(file, &bits, uint32_t(current), codeSize);
        ++nextCode;
        dictionary->add(current, value, nextCode);
        if (nextCode >= (1 << codeSize))
            ++codeSize;
        if (nextCode == 4095) {
            writeCode(file, &bits, uint32_t(clearCode), codeSize);
            dictionary->clear();
            codeSize = bitDepth + 1;
            nextCode = clearCode + 1;
        }
        current = value;
    }

    writeCode(file, &bits, uint32_t(current), codeSize);
    writeCode(file, &bits, uint32_t(clearCode), codeSize);
    writeCode(file, &bits, uint32_t(clearCode + 1), bitDepth + 1);
    while (bits.bitIndex)
        writeBit(&bits, 0);
    if (bits.blockLength)
        writeSubBlock(file, &bits);
    fputc(0, file);
}

template <typename T>
std::unique_ptr<T[]> allocate(size_t count)
{
    return std::unique_ptr<T[]>(new (std::nothrow) T[count]);
}

} // namespace

struct IQGifWriter::Tables
{
    IQGifDictionary dictionary;
    IQGifColorCache colors;
    IQGifExactColors exact;
};

IQGifWriter::IQGifWriter() = default;

IQGifWriter::~IQGifWriter()
{
    closeFile();
}

void IQGifWriter::closeFile()
{
    if (file)
        fclose(file);
    file = nullptr;
    previous.reset();
    previousSource.reset();
    cleared.reset();
    tables.reset();
}

bool IQGifWriter::begin(const char *path, int width, int height, int delay)
{
    if (file || !path || width < 1 || height < 1 || width > kMaxSide || height > kMaxSide
        || qint64(width) * height > kMaxPixels)
        return false;
    const size_t pixelCount = size_t(width) * size_t(height);
    previous = allocate<uint8_t>(pixelCount * 4);
    previousSource = allocate<uint8_t>(pixelCount * 4);
    cleared.reset(new (std::nothrow) uint8_t[pixelCount]()); // zeroed: nothing cleared yet
    tables.reset(new (std::nothrow) Tables()); // zeroed
    if (!previous || !previousSource || !cleared || !tables) {
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

bool IQGifWriter::writeFrame(const uint8_t *pixels, int width, int height, int delay,
                             int bitDepth, bool dither)
{
    if (!file || !pixels || width != canvasWidth || height != canvasHeight || bitDepth < 1
        || bitDepth > 8)
        return false;

    const size_t n = size_t(width) * size_t(height);
    std::unique_ptr<uint8_t[]> scratch = allocate<uint8_t>(n * 4);
    std::unique_ptr<int32_t[]> work;
    if (dither)
        work = allocate<int32_t>(n * 4);
    if (!scratch || (dither && !work))
        return false;

    const uint8_t *previousFrame = firstFrame ? nullptr : previous.get();
    firstFrame = false;

    IQGifPalette palette;
    if (!dither) {
        std::unique_ptr<uint8_t[]> roles = allocate<uint8_t>(n);
        if (!roles)
            return false;
        const int count = int(n);
        assignRoles(previousFrame, previousSource.get(), cleared.get(), pixels, roles.get(),
                    count);
        const bool exact = makeRolePalette(pixels, roles.get(), scratch.get(), count, bitDepth,
                                           &palette, &tables->exact);
        tables->colors.clear();
        mapByRoles(pixels, roles.get(), previous.get(), cleared.get(), count, palette,
                   exact ? &tables->exact : nullptr, &tables->colors);
        std::memcpy(previousSource.get(), pixels, n * 4);
    } else {
        makePalette(pixels, scratch.get(), width, height, bitDepth, true, &palette);
        tables->colors.clear();
        ditherImage(previousFrame, pixels, previous.get(), work.get(), width, height, palette,
                    &tables->colors);
    }
    scratch.reset();
    work.reset();

    const int clampedDelay = minInt(maxInt(delay, 0), kMaxSide);
    writeImageBlock(file, &tables->dictionary, previous.get(), 0, 0, width, height, clampedDelay,
                    palette);
    return !ferror(file);
}

bool IQGifWriter::end()
{
    if (!file)
        return false;
    fputc(0x3b, file);
    bool ok = fflush(file) == 0 && !ferror(file);
    if (fclose(file) != 0)
        ok = false;
    file = nullptr;
    closeFile();
    return ok;
}
