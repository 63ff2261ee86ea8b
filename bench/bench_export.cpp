// The viewer's animation export against the batch on the same file: a generated 100-frame
// 640 x 360 GIF exported as one WebP and as one GIF animation, and converted by the batch
// worker to the same format at the same quality. The export should take at most 1.1 times
// the batch, since both read, convert and encode the same frames.
//
//   bench_export [runs]
//
// Each figure is the best of the runs, batch and export taken by turns, so that a busy
// machine disturbs the ratio less.
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <memory>

#include "settings/IQBatchSettings.h"
#include "imaging/IQConvertEngine.h"
#include "workers/IQConvertThread.h"
#include "IQExportOptions.h"
#include "IQExportThread.h"
#include "writers/IQGifSavingHelper.h"
#include "documents/IQImageFile.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 360;
constexpr int kFrames = 100;
constexpr int kQuality = 90;
constexpr int kDurationMs = 100;

// A moving scene: a gradient sky with a ball crossing it, so frames differ from each other.
QImage frame(int i)
{
    QImage image(kWidth, kHeight, QImage::Format_ARGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, kWidth, kHeight);
    sky.setColorAt(0, QColor::fromHsv((i * 3) % 360, 120, 230));
    sky.setColorAt(1, QColor::fromHsv((i * 3 + 180) % 360, 160, 90));
    painter.fillRect(image.rect(), sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromHsv((i * 7) % 360, 200, 250));
    painter.drawEllipse(QPointF(i * kWidth / kFrames, kHeight / 2 + 80 * ((i % 20) - 10) / 10.0),
                        40, 40);
    return image;
}

bool writeSource(const QString &path)
{
    IQGifSavingHelper gif;
    if (!gif.begin(kWidth, kHeight, path, 10))
        return false;
    for (int i = 0; i < kFrames; ++i) {
        QImage image = frame(i);
        if (!gif.addFrame(image, kDurationMs / 10))
            return false;
    }
    return gif.end();
}

double seconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e9;
}

// The best time of each of two jobs, run by turns so that a change in the machine's load
// falls on both alike.
void bestOfEach(int runs, const std::function<void()> &first, const std::function<void()> &second,
                double *firstBest, double *secondBest)
{
    for (int run = 0; run < runs; ++run) {
        const double a = seconds(first);
        const double b = seconds(second);
        *firstBest = run == 0 ? a : qMin(*firstBest, a);
        *secondBest = run == 0 ? b : qMin(*secondBest, b);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The batch logs a "File:" line per output.
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 3;

    QTemporaryDir scratch;
    const QString source = scratch.filePath(QStringLiteral("clip.gif"));
    if (!writeSource(source)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(source));
        return 1;
    }
    std::printf("export: %d frames of %dx%d GIF, best of %d runs\n", kFrames, kWidth, kHeight,
                runs);

    IQBatchSettings *settings = IQBatchSettings::instance();
    settings->quality = kQuality;
    settings->webpQuality = kQuality;
    settings->duration = kDurationMs;
    settings->overwrite = true;

    struct Target
    {
        const char *name;
        int format;
    };
    bool withinBound = true;
    for (const Target &target : {Target{"WebP q90", IQOutputFormat::Webp},
                                 Target{"GIF", IQOutputFormat::Gif}}) {
        settings->format = target.format;
        settings->outputDir = scratch.filePath(QStringLiteral("batch-%1").arg(target.format));
        QDir().mkpath(settings->outputDir);
        IQImageFile document(source);
        IQExportOptions options;
        options.outputDir = scratch.filePath(QStringLiteral("export-%1").arg(target.format));
        QDir().mkpath(options.outputDir);
        options.option = IQExportOptions::Animation;
        options.format = target.format;
        options.quality = kQuality;
        options.webpQuality = kQuality;
        options.duration = kDurationMs;
        options.name = QStringLiteral("clip");
        options.apply = true; // the batch always runs the modules

        double batch = 0;
        double exported = 0;
        bestOfEach(
            runs,
            [&]() {
                IQConvertThread worker;
                worker.files = QStringList{source};
                worker.settings = settings;
                worker.engine = std::make_unique<IQConvertEngine>(settings);
                worker.run();
            },
            [&]() {
                IQExportThread worker(&document, QImage(), &options);
                worker.run();
            },
            &batch, &exported);

        const double ratio = exported / batch;
        withinBound = withinBound && ratio <= 1.1;
        std::printf("  %-9s batch %7.3f s  export %7.3f s  ratio %.3f  (%.1f ms per frame)\n",
                    target.name, batch, exported, ratio, 1000 * exported / kFrames);
    }
    std::printf("  export within 1.1 times the batch: %s\n", withinBound ? "yes" : "no");
    return 0;
}
