// Encodes two 40-frame 640 x 360 animations with the GIF encoder and prints the time and size:
// one in which every pixel changes in every frame, one in which a small object moves.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <vector>

#include "IQGifWriter.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 360;
constexpr int kFrames = 40;

using Painter = std::function<void(int frame, std::vector<uint8_t> &pixels)>;

void setPixel(std::vector<uint8_t> &pixels, int x, int y, int r, int g, int b)
{
    uint8_t *p = pixels.data() + (size_t(y) * kWidth + x) * 4;
    p[0] = uint8_t(r);
    p[1] = uint8_t(g);
    p[2] = uint8_t(b);
    p[3] = 255;
}

// A drifting colour field with a little noise: no pixel keeps its colour.
void everyPixelChanges(int frame, std::vector<uint8_t> &pixels)
{
    uint32_t state = 12345u + uint32_t(frame);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            setPixel(pixels, x, y, (x + frame * 5) & 255, (y * 2 + frame * 3) & 255,
                     ((x + y) / 2 + frame * 7 + int(state & 15)) & 255);
        }
    }
}

// A still gradient with a 32 x 32 square that moves a little each frame.
void smallMovingObject(int frame, std::vector<uint8_t> &pixels)
{
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            setPixel(pixels, x, y, x * 255 / kWidth, y * 255 / kHeight, 128);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            setPixel(pixels, 40 + frame * 12 + x, 100 + frame * 3 + y, 250, 220 - frame * 4, 20);
}

void run(const char *name, const Painter &paint, const QString &path)
{
    std::vector<std::vector<uint8_t>> frames(kFrames);
    for (int i = 0; i < kFrames; ++i) {
        frames[i].resize(size_t(kWidth) * kHeight * 4);
        paint(i, frames[i]);
    }
    QElapsedTimer timer;
    timer.start();
    IQGifWriter writer;
    bool ok = writer.begin(QFile::encodeName(path).constData(), kWidth, kHeight, 10);
    for (int i = 0; ok && i < kFrames; ++i)
        ok = writer.writeFrame(frames[i].data(), kWidth, kHeight, 10, 8, false);
    ok = writer.end() && ok;
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("gif %-22s %d frames %dx%d: %s %.3f s, %lld bytes\n", name, kFrames, kWidth,
                kHeight, ok ? "ok" : "FAILED", seconds, QFileInfo(path).size());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    run("every pixel changes", everyPixelChanges, dir.filePath(QStringLiteral("all.gif")));
    run("small moving object", smallMovingObject, dir.filePath(QStringLiteral("object.gif")));
    return 0;
}
