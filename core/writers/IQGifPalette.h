#pragma once

#include <cstdint>

// The palette of one GIF frame, built afresh for every frame by the quantiser and read by the
// nearest-colour search and the writer.
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

// Integer helpers of the GIF encoder.
inline int maxInt(int a, int b)
{
    return a > b ? a : b;
}

inline int minInt(int a, int b)
{
    return a < b ? a : b;
}

inline int absInt(int a)
{
    return a < 0 ? -a : a;
}
