#pragma once

#include <cstdint>
#include <cstring>

struct IQGifPalette;

// The palette of a GIF frame: exactly its colours when it has at most 255 of them, else a
// median cut of its pixels into a k-d tree, whose two halves of a split may be cut on threads
// of their own when the thread budget has tokens free. The palette is the same for any number
// of threads.
namespace IQGifQuantiser {

// The colours of a frame with at most 255 of them, each its own palette entry, so that such a
// frame is written without loss. Open addressing over twice the largest count.
struct ExactColors
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

// The palette of a whole frame of n pixels, for dithering. scratch holds n x 4 bytes; its
// content is lost.
void makePalette(const uint8_t *pixels, uint8_t *scratch, int n, int bitDepth, bool forDither,
                 IQGifPalette *palette);

// The palette of the painted pixels, which lie at the start of scratch in frame order: exactly
// their colours when there are at most 255 of them (exact is then filled, and true returned),
// else the median cut. The content of scratch is lost.
bool makeRolePalette(uint8_t *scratch, int painted, int bitDepth, IQGifPalette *palette,
                     ExactColors *exact);

} // namespace IQGifQuantiser
