// Time per frame of a batch conversion's engine on a large photo: resize by width 1920,
// a quarter turn and a text watermark, against the bare smooth scale of the same pixels to the
// same size, in alternating rounds; the best round of each side is compared.
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "BenchSupport.h"
#include "settings/IQBatchSettings.h"
#include "imaging/IQConvertEngine.h"
#include "imaging/IQImageUtils.h"
#include "imaging/IQSmoothScale.h"
#include "imaging/IQThreadBudget.h"

namespace {

constexpr int kRounds = 3;
constexpr int kFramesPerRound = 10;
// The first frames of either side pay for fresh pages, several milliseconds on this machine,
// until the allocator keeps the freed images for the next ones.
constexpr int kWarmUpFrames = 5;

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

QByteArray digest(const QImage &image)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (int y = 0; y < image.height(); ++y)
        hash.addData(reinterpret_cast<const char *>(image.constScanLine(y)),
                     image.width() * image.depth() / 8);
    return hash.result().toHex().left(16);
}

// One side of a round: wall and processor time per frame.
struct Side
{
    double ms = 0;
    double cpuMs = 0;
};

template <typename Frame>
void timeFrame(const Frame &frame, Side *side)
{
    QElapsedTimer timer;
    const double cpu = processorMs();
    timer.start();
    frame();
    side->ms += double(timer.nsecsElapsed()) / 1e6 / kFramesPerRound;
    side->cpuMs += (processorMs() - cpu) / kFramesPerRound;
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
    QImage result = engine.process(source);
    // The engine's one smooth resampling lands on the output size in the source's
    // orientation, turned in the same pass; the bare scale does only the resampling, on the
    // same pixels, with Qt's scale on Qt's global pool.
    const QSize unturned = result.size().transposed();
    QImage bare = source.scaled(unturned, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    std::printf("convertengine (%d cores, thread budget %d, Qt's global pool %d threads): "
                "%dx%d -> %dx%d, resize by width 1920, quarter turn, text; output %s\n",
                QThread::idealThreadCount(), IQThreadBudget::capacity(),
                QThreadPool::globalInstance()->maxThreadCount(), source.width(), source.height(),
                result.width(), result.height(), digest(result).constData());

    const auto engineFrame = [&] { result = engine.process(source); };
    const auto bareFrame = [&] {
        bare = source.scaled(unturned, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    // Fonts, caches, the pool's threads and the allocator's kept pages.
    for (int i = 0; i < kWarmUpFrames; ++i) {
        engineFrame();
        bareFrame();
    }
    // Within a round the two sides take turns frame by frame, each going first every other
    // frame, so that a load that comes or goes slows both alike; the best round of each side is
    // the one least disturbed.
    Side bestEngine;
    Side bestBare;
    QString bestEngineLoad;
    QString bestBareLoad;
    for (int round = 0; round < kRounds; ++round) {
        Side engineSide;
        Side bareSide;
        for (int i = 0; i < kFramesPerRound; ++i) {
            if ((round + i) % 2 == 0) {
                timeFrame(engineFrame, &engineSide);
                timeFrame(bareFrame, &bareSide);
            } else {
                timeFrame(bareFrame, &bareSide);
                timeFrame(engineFrame, &engineSide);
            }
        }
        const QString load = BenchSupport::loadAverage();
        std::printf("  round %d (load %s): engine %.2f ms, bare scale %.2f ms: ratio %.3f; "
                    "processor time %.1f / %.1f ms: ratio %.3f\n",
                    round + 1, qPrintable(load), engineSide.ms, bareSide.ms, engineSide.ms / bareSide.ms,
                    engineSide.cpuMs, bareSide.cpuMs, engineSide.cpuMs / bareSide.cpuMs);
        if (round == 0 || engineSide.ms < bestEngine.ms) {
            bestEngine = engineSide;
            bestEngineLoad = load;
        }
        if (round == 0 || bareSide.ms < bestBare.ms) {
            bestBare = bareSide;
            bestBareLoad = load;
        }
    }
    std::printf("convertengine best of %d rounds of %d frames: engine %.2f ms per frame (load "
                "%s), bare smooth scale %.2f ms (load %s): ratio %.3f (target 1.25)\n",
                kRounds, kFramesPerRound, bestEngine.ms, qPrintable(bestEngineLoad), bestBare.ms,
                qPrintable(bestBareLoad), bestEngine.ms / bestBare.ms);

    // The engine's steps, each on its own: the scale and turn in one pass, against Qt's scale
    // then the turn, which the engine made before; then the text. Each result is let go before
    // the next is made, so that the allocator hands its memory out again, as in a batch.
    std::vector<double> passMs;
    std::vector<double> twoStepMs;
    std::vector<double> textMs;
    QElapsedTimer timer;
    QImage turned;
    for (int i = 0; i < kFramesPerRound; ++i) {
        turned = QImage();
        timer.start();
        if (!IQSmoothScale::scaleAndTurn(source, unturned, 90, &turned))
            std::printf("convertengine: the one pass does not take this image\n");
        passMs.push_back(double(timer.nsecsElapsed()) / 1e6);
        turned = QImage();
        timer.start();
        turned = IQImageUtils::quarterTurned(
            source.scaled(unturned, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), 90);
        twoStepMs.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.start();
        {
            QPainter painter(&turned);
            engine.drawText(&painter, turned);
        }
        textMs.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("convertengine steps (medians): scale and turn in one pass %.2f ms, Qt's scale "
                "then the turn %.2f ms, text %.2f ms (load %s)\n",
                median(passMs), median(twoStepMs), median(textMs),
                qPrintable(BenchSupport::loadAverage()));
    return 0;
}
