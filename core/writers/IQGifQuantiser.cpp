#include "writers/IQGifQuantiser.h"

#include <QThread>

#include <algorithm>
#include <thread>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "imaging/IQThreadBudget.h"
#include "writers/IQGifPalette.h"

namespace {

// Below these many pixels a branch of the median cut is not worth a thread of its own.
constexpr int kMinPixelsPerSplitThread = 16 * 1024;

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
        std::thread right = IQThreadBudget::startThread(
            [&splitRight, rightThreads] { splitRight(rightThreads); });
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

// The median cut of n pixels into every entry but 0, on as many threads as it can use and the
// budget gives.
void cut(uint8_t *pixels, int n, bool forDither, IQGifPalette *palette)
{
    const int entries = 1 << palette->bitDepth;
    const int wanted = std::min(std::max(1, QThread::idealThreadCount()) - 1,
                                n / kMinPixelsPerSplitThread);
    const IQThreadBudget::Lease helpers(wanted);
    splitPaletteRange(pixels, n, 1, entries, entries / 2, entries / 4, 1, forDither, palette,
                      helpers.count());
}

// The parent of entries 0 and 1 splits at 0, so every search reaches entry 1 first; entry 0,
// the transparent one, is black.
void closeTree(IQGifPalette *palette)
{
    const int entries = 1 << palette->bitDepth;
    palette->splitValue[entries / 2] = 0;
    palette->splitComponent[entries / 2] = 0;
    palette->red[0] = palette->green[0] = palette->blue[0] = 0;
}

} // namespace

namespace IQGifQuantiser {

void makePalette(const uint8_t *pixels, uint8_t *scratch, int n, int bitDepth, bool forDither,
                 IQGifPalette *palette)
{
    *palette = IQGifPalette{};
    palette->bitDepth = bitDepth;
    std::memcpy(scratch, pixels, size_t(n) * 4);

    const int entries = 1 << bitDepth;
    if (entries > 1 && n > 0)
        cut(scratch, n, forDither, palette);

    closeTree(palette);
}

bool makeRolePalette(uint8_t *scratch, int painted, int bitDepth, IQGifPalette *palette,
                     ExactColors *exact)
{
    *palette = IQGifPalette{};
    palette->bitDepth = bitDepth;

    const int entries = 1 << bitDepth;
    const int room = std::min(entries - 1, ExactColors::kMaxColors);
    exact->clear();
    bool isExact = painted > 0;
    for (int i = 0; isExact && i < painted; ++i) {
        const uint8_t *p = scratch + i * 4;
        isExact = exact->insert(uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2], room) >= 0;
    }
    if (isExact) {
        for (int s = 0; s < ExactColors::kSlots; ++s) {
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
        cut(scratch, painted, false, palette);
    }
    closeTree(palette);
    return isExact;
}

} // namespace IQGifQuantiser
