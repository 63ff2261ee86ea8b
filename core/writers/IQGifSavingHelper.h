#pragma once

#include <QString>

#include <memory>

#include "writers/IQSavingHeler.h"

class IQGifWriter;
class QTemporaryFile;

// Writes a GIF, still or animated, through the program's own encoder: begin, one addFrame per
// frame, end. The file is written beside the target under a temporary name and takes the
// target's place only when end succeeds; otherwise, or when the helper is destroyed first,
// nothing is left behind and an earlier file at the path stays as it was.
class IQGifSavingHelper : public IQSavingHeler
{
public:
    // The smallest canvas side the helper writes.
    static constexpr int kMinimumSide = 16;

    IQGifSavingHelper();
    ~IQGifSavingHelper() override;

    IQGifSavingHelper(const IQGifSavingHelper &) = delete;
    IQGifSavingHelper &operator=(const IQGifSavingHelper &) = delete;

    // Delays are in hundredths of a second; a non-zero begin delay makes the GIF loop endlessly.
    // A canvas below 16 x 16 is refused.
    bool begin(int width, int height, const QString &path, int delay);
    // A frame of another size is fitted to the canvas first, and the fitted frame replaces it.
    bool addFrame(QImage &frame, int delay);
    bool end();

    // A still GIF of one frame.
    static bool saveImage(const QImage &image, const QString &path, int delay);

private:
    void discard();

    std::unique_ptr<IQGifWriter> writer;
    int width = 0;
    int height = 0;
    std::unique_ptr<QTemporaryFile> file;
    QString target;
};
