// Time per frame of a batch conversion's engine on a large photo: resize by width 1920,
// a quarter turn and a text watermark.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "settings/IQBatchSettings.h"
#include "imaging/IQConvertEngine.h"
#include "imaging/IQImageUtils.h"

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

// Processor time of every thread of this program, in milliseconds.
double processorMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    // Fonts need a GUI application; benchmarks run without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    constexpr int kFrames = 15;
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
    // The engine's one smooth resampling lands on the output size in the source's
    // orientation; the bare scale does only that, on the same pixels.
    const QSize unturned = result.size().transposed();
    QImage bare = source.scaled(unturned, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    // Interleaved, so that a loaded machine slows both alike; the medians shed the frames
    // that lost their processor to another program.
    std::vector<double> engineMs;
    std::vector<double> bareMs;
    std::vector<double> engineCpuMs;
    std::vector<double> bareCpuMs;
    // The engine's steps after the scale, each on its own: where the rest of its time goes.
    std::vector<double> turnMs;
    std::vector<double> textMs;
    QElapsedTimer timer;
    for (int i = 0; i < kFrames; ++i) {
        double cpu = processorMs();
        timer.start();
        result = engine.process(source);
        engineMs.push_back(double(timer.nsecsElapsed()) / 1e6);
        engineCpuMs.push_back(processorMs() - cpu);
        cpu = processorMs();
        timer.start();
        bare = source.scaled(unturned, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        bareMs.push_back(double(timer.nsecsElapsed()) / 1e6);
        bareCpuMs.push_back(processorMs() - cpu);
        timer.start();
        QImage turned = IQImageUtils::quarterTurned(bare, 90);
        turnMs.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.start();
        {
            QPainter painter(&turned);
            engine.drawText(&painter, turned);
        }
        textMs.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    const double engineMedian = median(engineMs);
    const double bareMedian = median(bareMs);

    std::printf("convertengine (%d cores): %dx%d -> %dx%d, resize by width 1920, quarter turn, "
                "text: %.1f ms per frame; bare smooth scale to %dx%d: %.1f ms; ratio %.2f "
                "(medians of %d interleaved frames)\n",
                QThread::idealThreadCount(), source.width(), source.height(), result.width(),
                result.height(), engineMedian, bare.width(), bare.height(), bareMedian,
                engineMedian / bareMedian, kFrames);
    // Processor time is what a loaded machine disturbs least; it counts every thread.
    std::printf("convertengine processor time: %.1f ms per frame; bare smooth scale: %.1f ms; "
                "ratio %.2f\n",
                median(engineCpuMs), median(bareCpuMs), median(engineCpuMs) / median(bareCpuMs));
    std::printf("convertengine steps after the scale: quarter turn %.1f ms, text %.1f ms\n",
                median(turnMs), median(textMs));
    return 0;
}
