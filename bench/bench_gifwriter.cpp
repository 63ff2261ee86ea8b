// Encodes two 40-frame 640 x 360 animations with the GIF encoder and prints the time and size:
// one in which every pixel changes in every frame, one in which a small object moves over a
// still background, whose size is compared with ImageMagick's optimised layers. Both are
// encoded alone, with every token of the thread budget free, and as inside a full batch pool,
// with none free, so on the calling thread only; the bytes must be the same.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <vector>

#include "imaging/IQThreadBudget.h"
#include "writers/IQGifWriter.h"

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

// ImageMagick's optimised layers of the same frames, for a size to compare with; -1 without it.
qint64 imageMagickSize(const std::vector<std::vector<uint8_t>> &frames, const QString &folder)
{
    const QString tool = QStringLiteral("/usr/bin/convert");
    if (!QFileInfo(tool).isExecutable())
        return -1;
    QStringList arguments = {QStringLiteral("-delay"), QStringLiteral("10")};
    for (size_t i = 0; i < frames.size(); ++i) {
        const QImage frame(frames[i].data(), kWidth, kHeight, QImage::Format_RGBA8888);
        const QString path = QStringLiteral("%1/frame%2.png").arg(folder).arg(i);
        if (!frame.save(path))
            return -1;
        arguments << path;
    }
    const QString out = folder + QStringLiteral("/magick.gif");
    arguments << QStringLiteral("-layers") << QStringLiteral("Optimize") << out;
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(600000) || process.exitCode() != 0)
        return -1;
    return QFileInfo(out).size();
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void run(const char *name, const Painter &paint, const QString &path, bool compare)
{
    std::vector<std::vector<uint8_t>> frames(kFrames);
    for (int i = 0; i < kFrames; ++i) {
        frames[i].resize(size_t(kWidth) * kHeight * 4);
        paint(i, frames[i]);
    }
    const auto encode = [&](const QString &target, double *seconds) {
        QElapsedTimer timer;
        timer.start();
        IQGifWriter writer;
        bool ok = writer.begin(QFile::encodeName(target).constData(), kWidth, kHeight, 10);
        for (int i = 0; ok && i < kFrames; ++i)
            ok = writer.writeFrame(frames[i].data(), kWidth, kHeight, 10, 8, false);
        ok = writer.end() && ok;
        *seconds = timer.nsecsElapsed() / 1e9;
        return ok;
    };
    double seconds = 0;
    bool ok = encode(path, &seconds);
    double oneThread = 0;
    {
        const IQThreadBudget::Lease fullPool(IQThreadBudget::capacity());
        const QString alone = path + QStringLiteral(".one-thread.gif");
        ok = encode(alone, &oneThread) && ok;
        ok = fileBytes(alone) == fileBytes(path) && ok;
    }
    const qint64 size = QFileInfo(path).size();
    std::printf("gif %-22s %d frames %dx%d: %s %.3f s alone, %.3f s on one thread (no token "
                "free), %lld bytes\n",
                name, kFrames, kWidth, kHeight, ok ? "ok" : "FAILED", seconds, oneThread, size);
    if (!compare)
        return;
    const qint64 magick = imageMagickSize(frames, QFileInfo(path).absolutePath());
    if (magick > 0)
        std::printf("    ImageMagick -layers Optimize: %lld bytes; ours is %.2f times that\n",
                    magick, double(size) / double(magick));
    else
        std::printf("    ImageMagick is not available for a comparison\n");
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    run("every pixel changes", everyPixelChanges, dir.filePath(QStringLiteral("all.gif")), false);
    run("small moving object", smallMovingObject, dir.filePath(QStringLiteral("object.gif")), true);
    return 0;
}
