#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>

// The LZW compression of a GIF image block's indices: a variable code size from bitDepth + 1
// bits up to 12, a clear code when the dictionary is full, and the codes packed least
// significant bit first. The dictionary is kept from block to block.
class IQGifLzw
{
public:
    // Writes the codes of n indices of bitDepth bits each, from the first clear code to the end
    // of information, completed with zero bits to a whole byte, to file as sub-blocks of 255
    // bytes (the last may be shorter), each after its length byte, as they fill.
    void compress(const uint8_t *indices, int n, int bitDepth, FILE *file);

private:
    // The LZW codes of one image block, packed least significant bit first, written a sub-block
    // at a time.
    struct CodeStream
    {
        static constexpr int kSubBlock = 255;
        FILE *file = nullptr;
        uint8_t block[kSubBlock];
        int filled = 0;
        uint64_t pending = 0;
        int pendingBits = 0;

        void start(FILE *out)
        {
            file = out;
            filled = 0;
            pending = 0;
            pendingBits = 0;
        }
        void putByte(uint8_t byte)
        {
            block[filled++] = byte;
            if (filled == kSubBlock)
                writeBlock();
        }
        void writeBlock()
        {
            fputc(filled, file);
            fwrite(block, 1, size_t(filled), file);
            filled = 0;
        }
        void put(uint32_t code, int length)
        {
            pending |= uint64_t(code & ((1u << length) - 1)) << pendingBits;
            pendingBits += length;
            while (pendingBits >= 8) {
                putByte(uint8_t(pending));
                pending >>= 8;
                pendingBits -= 8;
            }
        }
        // Completes the last byte with zero bits and writes what is left.
        void finish()
        {
            if (pendingBits > 0)
                putByte(uint8_t(pending));
            if (filled > 0)
                writeBlock();
            pending = 0;
            pendingBits = 0;
            file = nullptr;
        }
    };

    // The LZW dictionary: the code of the string made of a code followed by a value, 0 when absent.
    // A clear leaves at most 4096 - 258 strings, so a hash table of twice that many slots holds
    // them and stays in the processor's nearest cache, where a table indexed by code and value
    // (2 MiB) would not. A slot holds code and value in its upper 20 bits and the string's code in
    // the lower 12; codes of strings are never 0.
    struct Dictionary
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

    Dictionary dictionary;
    CodeStream codes;
};
