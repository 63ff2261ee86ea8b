#pragma once

#include <cstdint>
#include <memory>

// A raw 24-bit bitmap: B, G, R bytes per pixel, rows padded to 4 bytes as in a DIB.
class IQBGRData
{
public:
    IQBGRData() = default;
    virtual ~IQBGRData();
    IQBGRData(const IQBGRData &) = delete;
    IQBGRData &operator=(const IQBGRData &) = delete;

    // A new bitmap with uninitialised rows, or null for a non-positive or too large size.
    static std::unique_ptr<IQBGRData> create(int width, int height);
    static int strideFor(int width) { return int((int64_t(width) * 24 + 31) / 32 * 4); }

    // A copy of the bitmap, or null when it cannot be allocated.
    virtual std::unique_ptr<IQBGRData> clone() const;

    uint8_t *data = nullptr; // allocated with malloc, owned
    int width = 0;
    int height = 0;
    int stride = 0;

protected:
    bool allocate(int w, int h, int rowBytes);
    bool copyInto(IQBGRData *copy) const;
};

// A raw 32-bit bitmap: B, G, R, A bytes per pixel, rows of width x 4 bytes.
class IQBGRAData : public IQBGRData
{
public:
    IQBGRAData() = default;
    ~IQBGRAData() override;

    static std::unique_ptr<IQBGRAData> create(int width, int height);
    std::unique_ptr<IQBGRData> clone() const override;
};
