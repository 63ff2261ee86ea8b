#pragma once

#include <cstdint>
#include <cstring>

struct IQGifPalette;

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

// The palette entry nearest to a colour, as the walk of the palette's k-d tree finds it: first
// in the colour cache, then by a look at every entry at once (AVX2 or SSE2), and by the walk
// itself when no entry is near enough for the look. Entry 0 is never chosen.
class IQGifColorSearch
{
public:
    // The palette must stay as it is while the search is used.
    explicit IQGifColorSearch(const IQGifPalette &palette);

    // The walk starts with start as the best entry found; the cache is the calling band's own.
    int nearest(IQGifColorCache *cache, int r, int g, int b, int start) const;

private:
    const IQGifPalette &palette;
    IQGifSearchTable table;
};
