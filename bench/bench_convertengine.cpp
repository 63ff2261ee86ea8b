// Time per frame of a batch conversion's engine on a large photo: resize by width 1920,
// a quarter turn and a text watermark.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

#include "IQBatchSettings.h"
#include "IQConvertEngine.h"

namespace {

// A 24-megapixel frame with smooth gradients and fine detail, like a camera's photo.
QImage photo(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int grain = (x * 7 + y * 13 + (x * y) % 11) & 15;
            line[x] = qRgb((x * 255 / width + grain) & 255, (y * 255 / height + grain) & 255,
                           ((x + y) / 32 + grain) & 255);
        }
    }
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    // Fonts need a GUI application; benchmarks run without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    constexpr int kFrames = 10;
    const QImage source = photo(6000, 4000);

    IQBatchSettings settings;
    settings.resizeMode = 0;
    settings.resizeWidth = 1920;
    settings.rotateMode = 2;
    settings.text = QStringLiteral("Brivane WebP");
    settings.textFont = QFont(QStringLiteral("DejaVu Sans"));
    settings.textPixelSize = 48;
    settings.textColor = QColor(255, 255, 255, 200);
    settings.textPosition = IQWatermarkPosition::BottomRight;

    IQConvertEngine engine(&settings);
    QImage result = engine.process(source); // warm-up: fonts and caches
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kFrames; ++i)
        result = engine.process(source);
    const double perFrame = double(timer.nsecsElapsed()) / 1e6 / kFrames;

    std::printf("convertengine: %dx%d -> %dx%d, resize by width 1920, quarter turn, text: "
                "%.1f ms per frame\n",
                source.width(), source.height(), result.width(), result.height(), perFrame);
    return 0;
}
