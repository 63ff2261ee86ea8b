#include "imaging/IQBGRData.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

// Bitmaps larger than this cannot be addressed by the int strides of the converters.
constexpr int64_t kMaxBytes = std::numeric_limits<int>::max();

} // namespace

IQBGRData::~IQBGRData()
{
    if (data)
        std::free(data);
}

bool IQBGRData::allocate(int w, int h, int rowBytes)
{
    if (w <= 0 || h <= 0 || rowBytes <= 0 || int64_t(rowBytes) * h > kMaxBytes)
        return false;
    data = static_cast<uint8_t *>(std::malloc(size_t(rowBytes) * size_t(h)));
    if (!data)
        return false;
    width = w;
    height = h;
    stride = rowBytes;
    return true;
}

bool IQBGRData::copyInto(IQBGRData *copy) const
{
    if (!data || !copy->allocate(width, height, stride))
        return false;
    std::memcpy(copy->data, data, size_t(stride) * size_t(height));
    return true;
}

std::unique_ptr<IQBGRData> IQBGRData::create(int width, int height)
{
    if (width <= 0 || height <= 0 || int64_t(width) * 3 + 3 > kMaxBytes)
        return nullptr;
    auto bitmap = std::make_unique<IQBGRData>();
    if (!bitmap->allocate(width, height, strideFor(width)))
        return nullptr;
    return bitmap;
}

std::unique_ptr<IQBGRData> IQBGRData::clone() const
{
    auto copy = std::make_unique<IQBGRData>();
    if (!copyInto(copy.get()))
        return nullptr;
    return copy;
}

IQBGRAData::~IQBGRAData() = default;

std::unique_ptr<IQBGRAData> IQBGRAData::create(int width, int height)
{
    if (width <= 0 || height <= 0 || int64_t(width) * 4 > kMaxBytes)
        return nullptr;
    auto bitmap = std::make_unique<IQBGRAData>();
    if (!bitmap->allocate(width, height, width * 4))
        return nullptr;
    return bitmap;
}

std::unique_ptr<IQBGRData> IQBGRAData::clone() const
{
    auto copy = std::make_unique<IQBGRAData>();
    if (!copyInto(copy.get()))
        return nullptr;
    return copy;
}
