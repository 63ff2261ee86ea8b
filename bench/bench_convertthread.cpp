// Time per photo of a whole batch run: 20 generated 12-megapixel JPEG photos converted with the
// default modules to WebP at quality 90 and to JPEG, with the time split into decoding, the
// engine and the writing, and libwebp's cwebp on the same files when it is installed.
//
//   bench_convertthread [photos] [folder]
//
// A folder keeps the generated photos, so that other tools can be timed on the same files.
// The stages are timed one by one, each decoding into fresh memory; the worker decodes into
// memory kept from photo to photo, so its total is below their sum.
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <utility>

#include "IQBatchSettings.h"
#include "IQConvertEngine.h"
#include "IQConvertThread.h"
#include "IQImageSavingHelper.h"
#include "IQWebpSavingHelper.h"

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
constexpr double kMegapixels = kWidth * kHeight / 1e6;
constexpr int kQuality = 90;

// A photo-like frame: soft blobs of light over a sky-to-ground gradient, with sensor grain.
QImage photo(quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient ground(0, 0, 0, kHeight);
    ground.setColorAt(0, QColor::fromHsv(random.bounded(360), 90, 230));
    ground.setColorAt(1, QColor::fromHsv(random.bounded(360), 160, 70));
    painter.fillRect(image.rect(), ground);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        const QPointF centre(random.bounded(kWidth), random.bounded(kHeight));
        const qreal radius = 50 + random.bounded(600);
        QRadialGradient blob(centre, radius);
        blob.setColorAt(0, QColor::fromHsv(random.bounded(360), random.bounded(256), 255, 200));
        blob.setColorAt(1, QColor(0, 0, 0, 0));
        painter.setBrush(blob);
        painter.drawEllipse(centre, radius, radius);
    }
    painter.end();
    for (int y = 0; y < kHeight; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const int grain = int(random.bounded(9u)) - 4;
            const QRgb p = line[x];
            line[x] = qRgb(qBound(0, qRed(p) + grain, 255), qBound(0, qGreen(p) + grain, 255),
                           qBound(0, qBlue(p) + grain, 255));
        }
    }
    return image;
}

struct Stages
{
    double decode = 0;
    double engine = 0;
    double write = 0;
};

double seconds(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e9;
}

// The worker's steps for one still photo, each timed on its own.
void timeStages(const QStringList &files, IQBatchSettings *settings, const QString &outDir,
                Stages *stages)
{
    IQConvertEngine engine(settings);
    for (const QString &file : files) {
        QElapsedTimer timer;
        timer.start();
        QImageReader reader(file);
        reader.setAutoTransform(true);
        reader.imageCount();
        QImage image = reader.read();
        stages->decode += seconds(timer);

        timer.restart();
        QImage processed = engine.process(std::move(image));
        stages->engine += seconds(timer);

        timer.restart();
        const QString path = outDir + QLatin1Char('/') + QFileInfo(file).completeBaseName()
                             + QLatin1Char('.') + settings->outputSuffix();
        if (settings->format == IQOutputFormat::Webp) {
            IQWebpSavingHelper webp;
            webp.begin(processed.width(), processed.height(), path);
            webp.addFrame(processed, settings->duration, 0, settings->webpQuality);
            webp.end();
        } else {
            IQImageSavingHelper writer;
            writer.quality = settings->quality;
            writer.save(processed, path);
        }
        stages->write += seconds(timer);
    }
}

double runWorker(const QStringList &files, IQBatchSettings *settings)
{
    IQConvertThread worker;
    worker.files = files;
    worker.settings = settings;
    worker.engine = std::make_unique<IQConvertEngine>(settings);
    QElapsedTimer timer;
    timer.start();
    worker.run();
    return seconds(timer);
}

qint64 folderBytes(const QString &folder)
{
    qint64 bytes = 0;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files);
    for (const QFileInfo &info : entries)
        bytes += info.size();
    return bytes;
}

void report(const char *what, double total, int photos)
{
    std::printf("  %-14s %7.3f s per photo  %6.1f MP/s\n", what, total / photos,
                photos * kMegapixels / total);
}

void reportStage(const char *what, double stage, double all, int photos)
{
    std::printf("    %-12s %7.3f s per photo  %5.1f %%\n", what, stage / photos,
                100.0 * stage / all);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The debug log would print a "File:" line per photo into the timings.
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    QGuiApplication app(argc, argv);

    const int photos = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 20;
    QTemporaryDir scratch;
    const QString inDir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : scratch.filePath("in");
    QDir().mkpath(inDir);

    QStringList files;
    for (int i = 0; i < photos; ++i) {
        const QString file = QStringLiteral("%1/photo%2.jpg").arg(inDir).arg(i + 1, 2, 10,
                                                                            QLatin1Char('0'));
        if (!QFileInfo::exists(file) && !photo(quint32(i + 1)).save(file, "JPEG", 92)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        files << file;
    }
    std::printf("convertthread: %d photos of %dx%d (%.0f MP), JPEG, %.1f MB in all, in %s\n",
                photos, kWidth, kHeight, kMegapixels, folderBytes(inDir) / 1e6,
                qPrintable(inDir));

    struct Target
    {
        const char *name;
        int format;
    };
    for (const Target &target : {Target{"WebP q90", IQOutputFormat::Webp},
                                 Target{"JPEG q90", IQOutputFormat::Jpeg}}) {
        IQBatchSettings settings;
        settings.format = target.format;
        settings.quality = kQuality;
        settings.webpQuality = kQuality;
        settings.overwrite = true;
        settings.outputDir = scratch.filePath(QStringLiteral("out-%1").arg(target.format));
        QDir().mkpath(settings.outputDir);

        const double total = runWorker(files, &settings);
        const qint64 bytes = folderBytes(settings.outputDir);
        Stages stages;
        const QString stagesDir = scratch.filePath(QStringLiteral("stages"));
        QDir().mkpath(stagesDir);
        timeStages(files, &settings, stagesDir, &stages);

        std::printf("%s, default modules: %.1f MB out\n", target.name, bytes / 1e6);
        report("batch worker", total, photos);
        const double all = stages.decode + stages.engine + stages.write;
        std::printf("  stages, timed on their own:\n");
        reportStage("decode", stages.decode, all, photos);
        reportStage("engine", stages.engine, all, photos);
        reportStage("write", stages.write, all, photos);
    }

    const QString cwebp = QStandardPaths::findExecutable(QStringLiteral("cwebp"));
    if (!cwebp.isEmpty()) {
        const QString outDir = scratch.filePath(QStringLiteral("cwebp"));
        QDir().mkpath(outDir);
        QElapsedTimer timer;
        timer.start();
        for (const QString &file : files) {
            QProcess::execute(cwebp, {QStringLiteral("-quiet"), QStringLiteral("-q"),
                                      QString::number(kQuality), file, QStringLiteral("-o"),
                                      outDir + QLatin1Char('/') + QFileInfo(file).completeBaseName()
                                          + QStringLiteral(".webp")});
        }
        const double total = seconds(timer);
        std::printf("cwebp -q %d on the same files: %.1f MB out\n", kQuality,
                    folderBytes(outDir) / 1e6);
        report("cwebp", total, photos);
    }
    return 0;
}
