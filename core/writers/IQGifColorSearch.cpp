#include "writers/IQGifColorSearch.h"

#include <QtGlobal>

#include "writers/IQGifPalette.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#define BRV_GIF_AVX2 1
#endif

namespace {

constexpr int kSearchStart = 1000000; // farther than any two colours

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

} // namespace

IQGifColorSearch::IQGifColorSearch(const IQGifPalette &palette) : palette(palette)
{
    prepareSearch(palette, &table);
}

// Whatever the start entry, a frame's palette always has a computed entry nearer than
// kSearchStart, so the answer depends on the colour alone and can be cached.
int IQGifColorSearch::nearest(IQGifColorCache *cache, int r, int g, int b, int start) const
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
