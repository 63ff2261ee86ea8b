#include "writers/IQGifLzw.h"

void IQGifLzw::compress(const uint8_t *indices, int n, int bitDepth, FILE *file)
{
    const int clearCode = 1 << bitDepth;
    dictionary.clear();
    int codeSize = bitDepth + 1;
    int nextCode = clearCode + 1;
    int current = -1;
    codes.start(file);
    codes.put(uint32_t(clearCode), codeSize);

    for (int i = 0; i < n; ++i) {
        const int value = indices[i];
        if (current < 0) {
            current = value;
            continue;
        }
        const uint16_t next = dictionary.find(current, value);
        if (next) {
            current = next;
            continue;
        }
        codes.put(uint32_t(current), codeSize);
        ++nextCode;
        dictionary.add(current, value, nextCode);
        if (nextCode >= (1 << codeSize))
            ++codeSize;
        if (nextCode == 4095) {
            codes.put(uint32_t(clearCode), codeSize);
            dictionary.clear();
            codeSize = bitDepth + 1;
            nextCode = clearCode + 1;
        }
        current = value;
    }

    codes.put(uint32_t(current), codeSize);
    codes.put(uint32_t(clearCode), codeSize);
    codes.put(uint32_t(clearCode + 1), bitDepth + 1);
    codes.finish();
}
