#include "writers/IQGifWriter.h"

#include <QThread>
#include <QtGlobal>

#include <algorithm>
#include <cstring>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#define BRV_GIF_AVX2 1
#endif

namespace {

constexpr int kMaxSide = 65535;          // the file stores sides and delays in 16 bits
constexpr qint64 kMaxPixels = 0x7fffffff / 4; // pixel byte offsets stay within int
constexpr int kSearchStart = 1000000;    // farther than any two colours
// Below these many pixels a band of a frame, or a branch of the median cut, is not worth a
// thread of its own: a pixel that only needs its role costs a few nanoseconds, one that needs
// a palette search a hundred.
constexpr int kMinPixelsPerRoleBand = 1024 * 1024;
constexpr int kMinPaintedPixelsPerBand = 16 * 1024;
constexpr int kMinPixelsPerSplitThread = 16 * 1024;

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

// The LZW codes of one image block, packed least significant bit first; the block is cut into
// sub-blocks of 255 bytes when it is written.
struct IQGifCodeStream
{
    std::vector<uint8_t> bytes;
    uint64_t pending = 0;
    int pendingBits = 0;

    void start()
    {
        bytes.clear();
        pending = 0;
        pendingBits = 0;
    }
    void put(uint32_t code, int length)
    {
        pending |= uint64_t(code & ((1u << length) - 1)) << pendingBits;
        pendingBits += length;
        while (pendingBits >= 8) {
            bytes.push_back(uint8_t(pending));
            pending >>= 8;
            pendingBits -= 8;
        }
    }
    // Completes the last byte with zero bits.
    void finish()
    {
        if (pendingBits > 0)
            bytes.push_back(uint8_t(pending));
        pending = 0;
        pendingBits = 0;
    }
};

// The LZW dictionary: the code of the string made of a code followed by a value, 0 when absent.
// A clear leaves at most 4096 - 258 strings, so a hash table of twice that many slots holds
// them and stays in the processor's nearest cache, where a table indexed by code and value
// (2 MiB) would not. A slot holds code and value in its upper 20 bits and the string's code in
// the lower 12; codes of strings are never 0.
struct IQGifDictionary
{
    static constexpr int kBits = 13;
    uint32_t slot[1 << kBits];

    void clear() { std::memset(slot, 0, sizeof(slot)); }
    static uint32_t slotOf(uint32_t key) { return (key * 2654435761u) >> (32 - kBits); }
    uint16_t find(int code, int value) const
    {
        const uint32_t key = uint32_t(code) << 8 | uint32_t(value);
        for (uint32_t s = slotOf(key);; s = (s + 1) & ((1u << kBits) - 1)) {
            const uint32_t entry = slot[s];
            if (entry == 0)
                return 0;
            if ((entry >> 12) == key)
                return uint16_t(entry & 0xfff);
        }
    }
    void add(int code, int value, int nextCode)
    {
        const uint32_t key = uint32_t(code) << 8 | uint32_t(value);
        uint32_t s = slotOf(key);
        while (slot[s] != 0)
            s = (s + 1) & ((1u << kBits) - 1);
        slot[s] = key << 12 | uint32_t(nextCode);
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

// A thread running work, or an empty one when the system has no thread to give; the caller then
// does the work itself.
template <typename Work>
std::thread startThread(const Work &work)
{
    try {
        return std::thread(work);
    } catch (const std::system_error &) {
        return std::thread();
    }
}

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

// Branches, not masks: a photo's pixels come in runs, so which way the next one goes is well
// predicted, and a branch then beats any arithmetic that avoids it.
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

// The smallest and largest red, green and blue of n pixels.
void colorRanges(const uint8_t *pixels, int n, int minimum[3], int maximum[3])
{
    uint8_t low[4] = {255, 255, 255, 255};
    uint8_t high[4] = {0, 0, 0, 0};
    int i = 0;
#ifdef __SSE2__
    if (n >= 4) {
        __m128i lowVector = _mm_set1_epi8(char(0xff));
        __m128i highVector = _mm_setzero_si128();
        for (; i + 4 <= n; i += 4) {
            const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i *>(pixels + i * 4));
            lowVector = _mm_min_epu8(lowVector, four);
            highVector = _mm_max_epu8(highVector, four);
        }
        uint8_t lows[16];
        uint8_t highs[16];
        _mm_storeu_si128(reinterpret_cast<__m128i *>(lows), lowVector);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(highs), highVector);
        for (int k = 0; k < 16; ++k) {
            low[k % 4] = std::min(low[k % 4], lows[k]);
            high[k % 4] = std::max(high[k % 4], highs[k]);
        }
    }
#endif
    for (; i < n; ++i) {
        for (int c = 0; c < 3; ++c) {
            low[c] = std::min(low[c], pixels[i * 4 + c]);
            high[c] = std::max(high[c], pixels[i * 4 + c]);
        }
    }
    for (int c = 0; c < 3; ++c) {
        minimum[c] = low[c];
        maximum[c] = high[c];
    }
}

void splitPaletteRange(uint8_t *pixels, int n, int first, int last, int splitEntry,
                       int splitDistance, int node, bool forDither, IQGifPalette *palette,
                       int spareThreads);

// spareThreads: how many more threads this branch may start; the two halves of a split touch
// separate pixels, palette entries and tree nodes, so they can be cut at once.
void splitPalette(uint8_t *pixels, int n, int first, int last, int splitEntry, int splitDistance,
                  int node, bool forDither, IQGifPalette *palette, int spareThreads)
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

    int minimum[3];
    int maximum[3];
    colorRanges(pixels, n, minimum, maximum);
    const int rangeR = maximum[0] - minimum[0];
    const int rangeG = maximum[1] - minimum[1];
    const int rangeB = maximum[2] - minimum[2];
    int component = 1;
    if (rangeR > rangeG && rangeR > rangeB)
        component = 0;
    else if (rangeB > rangeG)
        component = 2;

    const int leftCount = int(int64_t(n) * (splitEntry - first) / (last - first));
    partitionByMedian(pixels, 0, n, component, leftCount);
    palette->splitComponent[node] = uint8_t(component);
    palette->splitValue[node] = pixels[leftCount * 4 + component];

    const auto splitRight = [=](int threads) {
        splitPaletteRange(pixels + leftCount * 4, n - leftCount, splitEntry, last,
                          splitEntry + splitDistance, splitDistance / 2, 2 * node + 1, forDither,
                          palette, threads);
    };
    if (spareThreads > 0 && n >= 2 * kMinPixelsPerSplitThread && last - splitEntry > 1) {
        const int rightThreads = (spareThreads - 1) / 2;
        std::thread right = startThread([&splitRight, rightThreads] { splitRight(rightThreads); });
        splitPaletteRange(pixels, leftCount, first, splitEntry, splitEntry - splitDistance,
                          splitDistance / 2, 2 * node, forDither, palette,
                          spareThreads - 1 - rightThreads);
        if (right.joinable())
            right.join();
        else
            splitRight(rightThreads);
        return;
    }
    splitPaletteRange(pixels, leftCount, first, splitEntry, splitEntry - splitDistance,
                      splitDistance / 2, 2 * node, forDither, palette, spareThreads);
    splitRight(spareThreads);
}

void splitPaletteRange(uint8_t *pixels, int n, int first, int last, int splitEntry,
                       int splitDistance, int node, bool forDither, IQGifPalette *palette,
                       int spareThreads)
{
    if (last <= first || n == 0)
        return;
    splitPalette(pixels, n, first, last, splitEntry, splitDistance, node, forDither, palette,
                 spareThreads);
}

int spareThreadCount()
{
    return std::max(1, QThread::idealThreadCount()) - 1;
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
                          palette, spareThreadCount());

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

// Walks the tree from node 1, the nearer child first; the farther child is searched only while
// the best distance found exceeds the distance to its split. The farther children wait on a
// stack, so each is looked at exactly when its nearer sibling's branch is done.
void nearestPaletteColor(const IQGifPalette &palette, IQGifSearch &search)
{
    const int entries = 1 << palette.bitDepth;
    int pendingNode[8];
    int pendingBound[8];
    int pending = 0;
    int node = 1;
    int bound = -1;
    for (;;) {
        if (search.bestDistance > bound) {
            while (node < entries) {
                const int c = search.color[palette.splitComponent[node]];
                const int s = palette.splitValue[node];
                if (s > c) {
                    pendingNode[pending] = 2 * node + 1;
                    pendingBound[pending++] = s - c;
                    node = 2 * node;
                } else {
                    pendingNode[pending] = 2 * node;
                    pendingBound[pending++] = c - s;
                    node = 2 * node + 1;
                }
            }
            const int i = node - entries;
            if (i != 0 && palette.used[i]) {
                const int distance = absInt(search.color[0] - palette.red[i])
                                     + absInt(search.color[1] - palette.green[i])
                                     + absInt(search.color[2] - palette.blue[i]);
                if (distance < search.bestDistance) {
                    search.best = i;
                    search.bestDistance = distance;
                }
            }
        }
        if (pending == 0)
            return;
        --pending;
        node = pendingNode[pending];
        bound = pendingBound[pending];
    }
}

// The palette's entries side by side, for a look at all of them at once: the tree's answer is
// the entry nearest to the colour and, among equally near ones, the first that the walk reaches.
struct IQGifSearchTable
{
    alignas(32) uint8_t red[256];
    alignas(32) uint8_t green[256];
    alignas(32) uint8_t blue[256];
    alignas(32) uint8_t barred[256]; // 255 for the entries that are never chosen
    int entries = 0;
};

void prepareSearch(const IQGifPalette &palette, IQGifSearchTable *table)
{
    const int entries = 1 << palette.bitDepth;
    for (int i = 0; i < 256; ++i) {
        const bool chosen = i > 0 && i < entries && palette.used[i];
        table->red[i] = palette.red[i];
        table->green[i] = palette.green[i];
        table->blue[i] = palette.blue[i];
        table->barred[i] = chosen ? 0 : 255;
    }
    table->entries = entries;
}

// Where the walk from node 1 reaches an entry: each level adds a bit, 0 for the nearer child.
// Of two entries, the one with the smaller order is reached first.
int walkOrder(const IQGifPalette &palette, const int color[3], int entry)
{
    int order = 0;
    int node = 1;
    for (int level = palette.bitDepth - 1; level >= 0; --level) {
        const int bit = (entry >> level) & 1;
        const int nearerIsRight = palette.splitValue[node] <= color[palette.splitComponent[node]];
        order = order * 2 + (bit ^ nearerIsRight);
        node = node * 2 + bit;
    }
    return order;
}

// Of the entries whose bits are set in candidates (32 entries to a word, words entries), the
// one that the walk reaches first.
int firstReached(const IQGifPalette &palette, int r, int g, int b, const uint32_t *candidates,
                 int words)
{
    const int color[3] = {r, g, b};
    int best = -1;
    int bestOrder = -1;
    for (int k = 0; k < words; ++k) {
        uint32_t mask = candidates[k];
        while (mask) {
            const int entry = k * 32 + __builtin_ctz(mask);
            mask &= mask - 1;
            if (best < 0) {
                best = entry;
                continue;
            }
            if (bestOrder < 0)
                bestOrder = walkOrder(palette, color, best);
            const int order = walkOrder(palette, color, entry);
            if (order < bestOrder) {
                best = entry;
                bestOrder = order;
            }
        }
    }
    return best;
}

// The tree's answer from a look at every entry at once, or -1 when no entry is nearer than 255
// (the distances are counted with saturation) and the tree must answer.
int nearestByScan(const IQGifPalette &palette, const IQGifSearchTable &table, int r, int g, int b)
{
#ifdef __SSE2__
    const __m128i wantedR = _mm_set1_epi8(char(r));
    const __m128i wantedG = _mm_set1_epi8(char(g));
    const __m128i wantedB = _mm_set1_epi8(char(b));
    const int groups = (table.entries + 15) / 16;
    __m128i distances[16];
    __m128i nearest = _mm_set1_epi8(char(0xff));
    for (int k = 0; k < groups; ++k) {
        const auto load = [k](const uint8_t *plane) {
            return _mm_load_si128(reinterpret_cast<const __m128i *>(plane + k * 16));
        };
        const auto difference = [](__m128i a, __m128i b) {
            return _mm_or_si128(_mm_subs_epu8(a, b), _mm_subs_epu8(b, a));
        };
        __m128i d = _mm_adds_epu8(difference(load(table.red), wantedR),
                                  difference(load(table.green), wantedG));
        d = _mm_adds_epu8(d, difference(load(table.blue), wantedB));
        d = _mm_adds_epu8(d, load(table.barred));
        distances[k] = d;
        nearest = _mm_min_epu8(nearest, d);
    }
    nearest = _mm_min_epu8(nearest, _mm_srli_si128(nearest, 8));
    nearest = _mm_min_epu8(nearest, _mm_srli_si128(nearest, 4));
    nearest = _mm_min_epu8(nearest, _mm_srli_si128(nearest, 2));
    nearest = _mm_min_epu8(nearest, _mm_srli_si128(nearest, 1));
    const int distance = _mm_cvtsi128_si32(nearest) & 0xff;
    if (distance == 255)
        return -1;
    const __m128i wanted = _mm_set1_epi8(char(distance));
    uint32_t candidates[8] = {};
    for (int k = 0; k < groups; ++k)
        candidates[k / 2] |= uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(distances[k], wanted)))
                             << (k % 2 * 16);
    return firstReached(palette, r, g, b, candidates, (groups + 1) / 2);
#else
    Q_UNUSED(palette);
    Q_UNUSED(table);
    Q_UNUSED(r);
    Q_UNUSED(g);
    Q_UNUSED(b);
    return -1;
#endif
}

#ifdef BRV_GIF_AVX2
// nearestByScan, 32 entries at a time.
__attribute__((target("avx2"))) int nearestByWideScan(const IQGifPalette &palette,
                                                      const IQGifSearchTable &table, int r,
                                                      int g, int b)
{
    const __m256i wantedR = _mm256_set1_epi8(char(r));
    const __m256i wantedG = _mm256_set1_epi8(char(g));
    const __m256i wantedB = _mm256_set1_epi8(char(b));
    const int groups = (table.entries + 31) / 32;
    __m256i distances[8];
    __m256i nearest = _mm256_set1_epi8(char(0xff));
    // Lambdas would not inherit the target, so the steps are spelled out.
    for (int k = 0; k < groups; ++k) {
        const __m256i red = _mm256_load_si256(reinterpret_cast<const __m256i *>(table.red) + k);
        const __m256i green =
            _mm256_load_si256(reinterpret_cast<const __m256i *>(table.green) + k);
        const __m256i blue = _mm256_load_si256(reinterpret_cast<const __m256i *>(table.blue) + k);
        const __m256i barred =
            _mm256_load_si256(reinterpret_cast<const __m256i *>(table.barred) + k);
        __m256i d = _mm256_or_si256(_mm256_subs_epu8(red, wantedR), _mm256_subs_epu8(wantedR, red));
        d = _mm256_adds_epu8(d, _mm256_or_si256(_mm256_subs_epu8(green, wantedG),
                                                _mm256_subs_epu8(wantedG, green)));
        d = _mm256_adds_epu8(d, _mm256_or_si256(_mm256_subs_epu8(blue, wantedB),
                                                _mm256_subs_epu8(wantedB, blue)));
        d = _mm256_adds_epu8(d, barred);
        distances[k] = d;
        nearest = _mm256_min_epu8(nearest, d);
    }
    __m128i half = _mm_min_epu8(_mm256_castsi256_si128(nearest),
                                _mm256_extracti128_si256(nearest, 1));
    half = _mm_min_epu8(half, _mm_srli_si128(half, 8));
    half = _mm_min_epu8(half, _mm_srli_si128(half, 4));
    half = _mm_min_epu8(half, _mm_srli_si128(half, 2));
    half = _mm_min_epu8(half, _mm_srli_si128(half, 1));
    const int distance = _mm_cvtsi128_si32(half) & 0xff;
    if (distance == 255)
        return -1;
    const __m256i wanted = _mm256_set1_epi8(char(distance));
    uint32_t candidates[8];
    for (int k = 0; k < groups; ++k)
        candidates[k] = uint32_t(_mm256_movemask_epi8(_mm256_cmpeq_epi8(distances[k], wanted)));
    return firstReached(palette, r, g, b, candidates, groups);
}

bool hasWideScan()
{
    static const bool available = __builtin_cpu_supports("avx2");
    return available;
}
#endif

// Whatever the start entry, a frame's palette always has a computed entry nearer than
// kSearchStart, so the answer depends on the colour alone and can be cached.
int nearestIndex(const IQGifPalette &palette, const IQGifSearchTable &table,
                 IQGifColorCache *cache, int r, int g, int b, int start)
{
    const bool cacheable = (r | g | b) >= 0 && r < 256 && g < 256 && b < 256;
    if (!cacheable) {
        IQGifSearch search = {{r, g, b}, start, kSearchStart};
        nearestPaletteColor(palette, search);
        return search.best;
    }
    const uint32_t rgb = uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b);
    int index = 0;
    if (cache->find(rgb, &index))
        return index;
#ifdef BRV_GIF_AVX2
    index = hasWideScan() ? nearestByWideScan(palette, table, r, g, b)
                          : nearestByScan(palette, table, r, g, b);
#else
    index = nearestByScan(palette, table, r, g, b);
#endif
    if (index < 0) {
        IQGifSearch search = {{r, g, b}, start, kSearchStart};
        nearestPaletteColor(palette, search);
        index = search.best;
    }
    cache->add(rgb, index);
    return index;
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

// Copies the painted pixels of [first, last) to scratch from first on, in order; returns their
// count.
int gatherPainted(const uint8_t *pixels, const uint8_t *roles, uint8_t *scratch, int first,
                  int last)
{
    uint8_t *out = scratch + size_t(first) * 4;
    for (int i = first; i < last; ++i) {
        std::memcpy(out, pixels + size_t(i) * 4, 4);
        out += roles[i] == Paint ? 4 : 0;
    }
    return int((out - scratch) / 4) - first;
}

// The palette of the painted pixels, which lie at the start of scratch in frame order: exactly
// their colours when there are at most 255 of them (exact is then filled), else the median cut.
// The content of scratch is lost.
bool makeRolePalette(uint8_t *scratch, int painted, int bitDepth, IQGifPalette *palette,
                     IQGifExactColors *exact)
{
    *palette = IQGifPalette{};
    palette->bitDepth = bitDepth;

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
                          palette, spareThreadCount());
    }
    palette->splitValue[entries / 2] = 0;
    palette->splitComponent[entries / 2] = 0;
    palette->red[0] = palette->green[0] = palette->blue[0] = 0;
    return isExact;
}

// Writes the shown colours and indices into out, which is the shown frame itself, and the
// indices alone into indices.
void mapByRoles(const uint8_t *pixels, const uint8_t *roles, uint8_t *out, uint8_t *indices,
                uint8_t *cleared, int first, int last, const IQGifPalette &palette,
                const IQGifSearchTable &table, const IQGifExactColors *exact,
                IQGifColorCache *cache)
{
    for (int i = first; i < last; ++i) {
        uint8_t *o = out + i * 4;
        switch (roles[i]) {
        case KeepShown:
            o[3] = 0;
            indices[i] = 0;
            break;
        case Transparent:
            o[0] = o[1] = o[2] = o[3] = 0;
            indices[i] = 0;
            cleared[i] = 1;
            break;
        default: {
            const uint8_t *p = pixels + i * 4;
            const int index = exact ? exact->find(uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2])
                                    : nearestIndex(palette, table, cache, p[0], p[1], p[2], 1);
            o[0] = palette.red[index];
            o[1] = palette.green[index];
            o[2] = palette.blue[index];
            o[3] = uint8_t(index);
            indices[i] = uint8_t(index);
            cleared[i] = 0;
            break;
        }
        }
    }
}

// Floyd-Steinberg in 8.8 fixed point; work holds width x height x 4 values.
void ditherImage(const uint8_t *previous, const uint8_t *pixels, uint8_t *out, int32_t *work,
                 int width, int height, const IQGifPalette &palette,
                 const IQGifSearchTable &table, IQGifColorCache *cache)
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
        const int index = nearestIndex(palette, table, cache, r, g, b, 0);
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

void writeImageBlock(FILE *file, IQGifDictionary *dictionary, IQGifCodeStream *codes,
                     const uint8_t *indices, int left, int top, int width, int height, int delay,
                     const IQGifPalette &palette)
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
    codes->start();
    codes->put(uint32_t(clearCode), codeSize);

    const int n = width * height;
    for (int i = 0; i < n; ++i) {
        const int value = indices[i];
        if (current < 0) {
            current = value;
            continue;
        }
        const uint16_t next = dictionary->find(current, value);
        if (next) {
            current = next;
            continue;
        }
        codes->put(uint32_t(current), codeSize);
        ++nextCode;
        dictionary->add(current, value, nextCode);
        if (nextCode >= (1 << codeSize))
            ++codeSize;
        if (nextCode == 4095) {
            codes->put(uint32_t(clearCode), codeSize);
            dictionary->clear();
            codeSize = bitDepth + 1;
            nextCode = clearCode + 1;
        }
        current = value;
    }

    codes->put(uint32_t(current), codeSize);
    codes->put(uint32_t(clearCode), codeSize);
    codes->put(uint32_t(clearCode + 1), bitDepth + 1);
    codes->finish();

    constexpr size_t kSubBlock = 255;
    const size_t total = codes->bytes.size();
    for (size_t done = 0; done < total; done += kSubBlock) {
        const size_t length = std::min(kSubBlock, total - done);
        fputc(int(length), file);
        fwrite(codes->bytes.data() + done, 1, length, file);
    }
    fputc(0, file);
}

// Runs work(band, first, last) over bands of [0, n), each band but the first on a thread of its
// own; returns when all are done.
template <typename Work>
void forEachBand(int n, int bands, const Work &work)
{
    const auto bandStart = [n, bands](int band) { return int(int64_t(n) * band / bands); };
    std::vector<std::thread> helpers;
    helpers.reserve(size_t(bands - 1));
    for (int band = 1; band < bands; ++band) {
        const auto bandWork = [&work, band, bandStart] {
            work(band, bandStart(band), bandStart(band + 1));
        };
        std::thread helper = startThread(bandWork);
        if (helper.joinable())
            helpers.push_back(std::move(helper));
        else
            bandWork();
    }
    work(0, 0, bandStart(1));
    for (std::thread &helper : helpers)
        helper.join();
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
    IQGifExactColors exact;
    IQGifCodeStream codes;
    // A frame's image block is compressed and written while the next frame is mapped: the
    // indices of two frames, and the palette of the one being written.
    std::unique_ptr<uint8_t[]> indices[2];
    int nextIndices = 0;
    IQGifPalette pendingPalette;
    std::thread pendingBlock;
    // One colour cache per band of a frame, the first also serving dithering.
    std::unique_ptr<IQGifColorCache[]> colors;
    int bandLimit = 1;
    std::unique_ptr<uint8_t[]> scratch; // the pixels that the median cut reorders
    std::unique_ptr<uint8_t[]> roles;
};

IQGifWriter::IQGifWriter() = default;

IQGifWriter::~IQGifWriter()
{
    closeFile();
}

void IQGifWriter::finishPendingBlock()
{
    if (tables && tables->pendingBlock.joinable())
        tables->pendingBlock.join();
}

void IQGifWriter::closeFile()
{
    finishPendingBlock();
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
    if (tables) {
        tables->bandLimit = std::max(1, QThread::idealThreadCount());
        tables->colors.reset(new (std::nothrow) IQGifColorCache[tables->bandLimit]());
        tables->scratch = allocate<uint8_t>(pixelCount * 4);
        tables->roles = allocate<uint8_t>(pixelCount);
        tables->indices[0] = allocate<uint8_t>(pixelCount);
        tables->indices[1] = allocate<uint8_t>(pixelCount);
    }
    if (!previous || !previousSource || !cleared || !tables || !tables->colors
        || !tables->scratch || !tables->roles || !tables->indices[0] || !tables->indices[1]) {
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
    std::unique_ptr<int32_t[]> work;
    if (dither) {
        work = allocate<int32_t>(n * 4);
        if (!work)
            return false;
    }

    const uint8_t *previousFrame = firstFrame ? nullptr : previous.get();
    firstFrame = false;

    IQGifPalette palette;
    IQGifSearchTable searchTable;
    uint8_t *scratch = tables->scratch.get();
    uint8_t *indices = tables->indices[tables->nextIndices].get();
    if (!dither) {
        // Roles and mapping are per pixel, so bands of the frame run at once; each band has a
        // colour cache of its own, and a cached entry is the one the search would find.
        const int count = int(n);
        const int roleBands = std::clamp(count / kMinPixelsPerRoleBand, 1, tables->bandLimit);
        uint8_t *roles = tables->roles.get();
        std::vector<int> painted(size_t(roleBands), 0);
        forEachBand(count, roleBands, [&](int band, int first, int last) {
            assignRoles(previousFrame, previousSource.get(), cleared.get(), pixels, roles, first,
                        last);
            painted[size_t(band)] = gatherPainted(pixels, roles, scratch, first, last);
        });
        int paintedCount = painted[0];
        for (int band = 1; band < roleBands; ++band) {
            const int first = int(int64_t(count) * band / roleBands);
            std::memmove(scratch + size_t(paintedCount) * 4, scratch + size_t(first) * 4,
                         size_t(painted[size_t(band)]) * 4);
            paintedCount += painted[size_t(band)];
        }

        const bool exact = makeRolePalette(scratch, paintedCount, bitDepth, &palette,
                                           &tables->exact);
        if (!exact)
            prepareSearch(palette, &searchTable);
        // Painted pixels that need a search cost the most; the exact colours are a quick look-up.
        const int searched = exact ? paintedCount / 16 : paintedCount;
        const int bands = std::clamp(searched / kMinPaintedPixelsPerBand, 1, tables->bandLimit);
        forEachBand(count, bands, [&](int band, int first, int last) {
            IQGifColorCache *cache = &tables->colors[band];
            cache->clear();
            mapByRoles(pixels, roles, previous.get(), indices, cleared.get(), first, last,
                       palette, searchTable, exact ? &tables->exact : nullptr, cache);
            std::memcpy(previousSource.get() + size_t(first) * 4, pixels + size_t(first) * 4,
                        size_t(last - first) * 4);
        });
    } else {
        makePalette(pixels, scratch, width, height, bitDepth, true, &palette);
        prepareSearch(palette, &searchTable);
        tables->colors[0].clear();
        ditherImage(previousFrame, pixels, previous.get(), work.get(), width, height, palette,
                    searchTable, &tables->colors[0]);
        for (size_t i = 0; i < n; ++i)
            indices[i] = previous[i * 4 + 3];
    }
    work.reset();

    // The file is this frame's once the previous block is out; a failure so far is reported
    // here, a failure of this block by the next frame or by end().
    finishPendingBlock();
    const bool ok = !ferror(file);
    const int clampedDelay = minInt(maxInt(delay, 0), kMaxSide);
    tables->pendingPalette = palette;
    Tables *t = tables.get();
    FILE *out = file;
    const auto writeBlock = [t, out, indices, width, height, clampedDelay] {
        writeImageBlock(out, &t->dictionary, &t->codes, indices, 0, 0, width, height,
                        clampedDelay, t->pendingPalette);
    };
    t->pendingBlock = startThread(writeBlock);
    if (!t->pendingBlock.joinable())
        writeBlock();
    tables->nextIndices ^= 1;
    return ok;
}

bool IQGifWriter::end()
{
    if (!file)
        return false;
    finishPendingBlock();
    fputc(0x3b, file);
    bool ok = fflush(file) == 0 && !ferror(file);
    if (fclose(file) != 0)
        ok = false;
    file = nullptr;
    closeFile();
    return ok;
}
