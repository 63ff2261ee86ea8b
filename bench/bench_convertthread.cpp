// Time per photo of a whole batch run: 20 generated 12-megapixel JPEG photos converted with the
// default modules to WebP at quality 90 and to JPEG, on every core and one source at a time,
// with the time split into decoding, the engine and the writing; side by side with libwebp's
// cwebp on the same files, one after the other and on every core (xargs -P), when it is
// installed. Prints the core count, the load average before and after, and the peak memory.
//
//   bench_convertthread [photos] [folder]
//
// A folder keeps the generated photos, so that other tools can be timed on the same files.
// The stages are timed one by one on one thread, one photo after the other.
//
// Then the thread budget: the batch to WebP and to GIF with the budget and without it (as many
// tokens as anyone asks for, as before there was one), in alternating rounds, best of three,
// with the load average of each round and the busy threads of the process sampled from
// /proc/self/task; and one photo alone, whose encoder may use every core. With --budget only
// that part runs.
//
//   bench_convertthread [photos] [folder] [--budget]
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
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

#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <utility>

#include <atomic>
#include <thread>

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "settings/IQBatchSettings.h"
#include "imaging/IQConvertEngine.h"
#include "imaging/IQThreadBudget.h"
#include "workers/IQConvertThread.h"
#include "writers/IQImageSavingHelper.h"
#include "writers/IQWebpSavingHelper.h"

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
constexpr double kMegapixels = kWidth * kHeight / 1e6;
constexpr int kQuality = 90;
// Turns of the batch worker and of cwebp on every core, taken one after the other.
constexpr int kRounds = 3;

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

// poolSize 0 takes every core.
double runWorker(const QStringList &files, IQBatchSettings *settings, int poolSize)
{
    IQConvertThread worker;
    worker.files = files;
    worker.settings = settings;
    worker.engine = std::make_unique<IQConvertEngine>(settings);
    worker.poolSize = poolSize;
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

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}

QString loadAverage()
{
    double load[3] = {};
    if (getloadavg(load, 3) != 3)
        return QStringLiteral("unknown");
    return QStringLiteral("%1 %2 %3").arg(load[0], 0, 'f', 2).arg(load[1], 0, 'f', 2)
        .arg(load[2], 0, 'f', 2);
}

QString webpPath(const QString &outDir, const QString &file)
{
    return outDir + QLatin1Char('/') + QFileInfo(file).completeBaseName() + QStringLiteral(".webp");
}

// cwebp on every file, one after the other.
double cwebpLoop(const QString &cwebp, const QStringList &files, const QString &outDir)
{
    QElapsedTimer timer;
    timer.start();
    for (const QString &file : files) {
        QProcess::execute(cwebp, {QStringLiteral("-quiet"), QStringLiteral("-q"),
                                  QString::number(kQuality), file, QStringLiteral("-o"),
                                  webpPath(outDir, file)});
    }
    return seconds(timer);
}

// cwebp on every file, as many at once as there are cores, as xargs -P runs them.
double cwebpParallel(const QString &cwebp, const QStringList &files, const QString &outDir,
                     int cores)
{
    QByteArray pairs;
    for (const QString &file : files)
        pairs += QFile::encodeName(file) + '\n' + QFile::encodeName(webpPath(outDir, file)) + '\n';
    QProcess xargs;
    xargs.setProgram(QStringLiteral("xargs"));
    xargs.setArguments({QStringLiteral("-d"), QStringLiteral("\n"), QStringLiteral("-P"),
                        QString::number(cores), QStringLiteral("-n"), QStringLiteral("2"),
                        QStringLiteral("sh"), QStringLiteral("-c"),
                        QStringLiteral("exec \"$0\" -quiet -q %1 \"$1\" -o \"$2\"").arg(kQuality),
                        cwebp});
    QElapsedTimer timer;
    timer.start();
    xargs.start();
    xargs.write(pairs);
    xargs.closeWriteChannel();
    xargs.waitForFinished(-1);
    return seconds(timer);
}

// Counts, every 2 ms while it lives, the threads of the process that run or wait for a core
// (state R in /proc/self/task/<id>/stat), itself left out.
class BusySampler
{
public:
    BusySampler() : thread([this] { sample(); }) {}
    ~BusySampler() { stop(); }

    void stop()
    {
        done = true;
        if (thread.joinable())
            thread.join();
    }
    int most() const { return mostBusy; }
    double mean() const { return samples ? double(sum) / samples : 0; }
    // The share of samples with more busy threads than cores.
    double overShare(int cores) const { return samples ? double(over[cores]) / samples : 0; }

private:
    static int busyNow(long self)
    {
        int busy = 0;
        DIR *tasks = opendir("/proc/self/task");
        if (!tasks)
            return 0;
        while (dirent *entry = readdir(tasks)) {
            const long id = std::atol(entry->d_name);
            if (id <= 0 || id == self)
                continue;
            char path[64];
            std::snprintf(path, sizeof path, "/proc/self/task/%ld/stat", id);
            const int fd = open(path, O_RDONLY);
            if (fd < 0)
                continue;
            char line[512];
            const ssize_t length = read(fd, line, sizeof line - 1);
            close(fd);
            if (length <= 0)
                continue;
            line[length] = 0;
            // The state follows the name, which is in parentheses and may hold spaces.
            const char *close = std::strrchr(line, ')');
            if (close && close[1] == ' ' && close[2] == 'R')
                ++busy;
        }
        closedir(tasks);
        return busy;
    }
    void sample()
    {
        const long self = long(syscall(SYS_gettid));
        while (!done) {
            const int busy = busyNow(self);
            mostBusy = std::max(mostBusy, busy);
            sum += busy;
            ++samples;
            for (int cores = 0; cores < kMaxCores && cores < busy; ++cores)
                ++over[cores];
            usleep(2000);
        }
    }

    static constexpr int kMaxCores = 256;
    std::atomic<bool> done{false};
    int mostBusy = 0;
    qint64 sum = 0;
    qint64 samples = 0;
    qint64 over[kMaxCores] = {};
    std::thread thread;
};

struct BudgetRun
{
    double seconds = 0;
    int mostBusy = 0;
    double meanBusy = 0;
    double overShare = 0;
    int peakTokens = 0;
    QString load;
};

// One batch run with the thread budget or with as many tokens as anyone asks for.
BudgetRun runBudgeted(const QStringList &files, IQBatchSettings *settings, bool budget,
                      int poolSize, int cores)
{
    constexpr int kUnlimited = 1 << 20;
    IQThreadBudget::setCapacity(budget ? 0 : kUnlimited);
    IQThreadBudget::resetPeak();
    BudgetRun run;
    {
        BusySampler sampler;
        run.seconds = runWorker(files, settings, poolSize);
        sampler.stop();
        run.mostBusy = sampler.most();
        run.meanBusy = sampler.mean();
        run.overShare = sampler.overShare(cores);
    }
    run.peakTokens = IQThreadBudget::peakInUse();
    run.load = loadAverage();
    IQThreadBudget::setCapacity(0);
    return run;
}

// The batch with and without the budget, in alternating rounds; the best of each is reported.
void compareBudgets(const char *what, const QStringList &files, int format, int poolSize,
                    int cores, const QString &outDir)
{
    IQBatchSettings settings;
    settings.format = format;
    settings.quality = kQuality;
    settings.webpQuality = kQuality;
    settings.overwrite = true;
    settings.outputDir = outDir;
    QDir().mkpath(outDir);
    std::printf("%s, %d photos, pool %s:\n", what, int(files.size()),
                poolSize > 0 ? qPrintable(QString::number(poolSize)) : "of every core");
    BudgetRun best[2];
    for (int round = 0; round < kRounds; ++round) {
        for (const bool budget : {false, true}) {
            const BudgetRun run = runBudgeted(files, &settings, budget, poolSize, cores);
            std::printf("  round %d %-9s %6.2f s; busy threads at most %2d, %4.1f on average, "
                        "above %d cores in %4.1f %% of samples; tokens at most %d; load %s\n",
                        round + 1, budget ? "budget" : "no budget", run.seconds, run.mostBusy,
                        run.meanBusy, cores, 100 * run.overShare,
                        budget ? run.peakTokens : 0, qPrintable(run.load));
            BudgetRun &kept = best[budget ? 1 : 0];
            if (round == 0 || run.seconds < kept.seconds)
                kept = run;
        }
    }
    std::printf("  best: no budget %.2f s (load %s), budget %.2f s (load %s): %.3f times\n",
                best[0].seconds, qPrintable(best[0].load), best[1].seconds,
                qPrintable(best[1].load), best[1].seconds / best[0].seconds);
}

void compareAllBudgets(const QStringList &files, int cores, QTemporaryDir &scratch)
{
    std::printf("thread budget: %d tokens; load average before: %s\n", IQThreadBudget::capacity(),
                qPrintable(loadAverage()));
    compareBudgets("WebP q90 batch", files, IQOutputFormat::Webp, 0, cores,
                   scratch.filePath(QStringLiteral("budget-webp")));
    compareBudgets("GIF batch", files, IQOutputFormat::Gif, 0, cores,
                   scratch.filePath(QStringLiteral("budget-gif")));
    // Alone, the encoder has every core the budget holds.
    compareBudgets("WebP q90 alone", files.mid(0, 1), IQOutputFormat::Webp, 1, cores,
                   scratch.filePath(QStringLiteral("alone-webp")));
    compareBudgets("GIF alone", files.mid(0, 1), IQOutputFormat::Gif, 1, cores,
                   scratch.filePath(QStringLiteral("alone-gif")));
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
    // Each figure as it comes, also into a file.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    QStringList arguments = app.arguments().mid(1);
    const bool budgetOnly = arguments.removeAll(QStringLiteral("--budget")) > 0;
    const int photos = arguments.size() > 0 ? qMax(1, arguments.at(0).toInt()) : 20;
    QTemporaryDir scratch;
    const QString inDir = arguments.size() > 1 ? arguments.at(1) : scratch.filePath("in");
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

    const int cores = QThread::idealThreadCount();
    std::printf("cores: %d, load average before: %s\n", cores, qPrintable(loadAverage()));
    if (budgetOnly) {
        compareAllBudgets(files, cores, scratch);
        std::printf("peak memory of the whole run: %.0f MB\n", peakMegabytes());
        std::printf("load average after: %s\n", qPrintable(loadAverage()));
        return 0;
    }

    struct Target
    {
        const char *name;
        int format;
    };
    double parallelWebp = 0;
    for (const Target &target : {Target{"WebP q90", IQOutputFormat::Webp},
                                 Target{"JPEG q90", IQOutputFormat::Jpeg}}) {
        IQBatchSettings settings;
        settings.format = target.format;
        settings.quality = kQuality;
        settings.webpQuality = kQuality;
        settings.overwrite = true;
        settings.outputDir = scratch.filePath(QStringLiteral("out-%1").arg(target.format));
        QDir().mkpath(settings.outputDir);

        const double total = runWorker(files, &settings, 0);
        const double peak = peakMegabytes();
        const qint64 bytes = folderBytes(settings.outputDir);
        const double single = runWorker(files, &settings, 1);
        if (target.format == IQOutputFormat::Webp)
            parallelWebp = total;
        Stages stages;
        const QString stagesDir = scratch.filePath(QStringLiteral("stages"));
        QDir().mkpath(stagesDir);
        timeStages(files, &settings, stagesDir, &stages);

        std::printf("%s, default modules: %.1f MB out\n", target.name, bytes / 1e6);
        report("batch worker", total, photos);
        std::printf("    %.2f s in all, on %d cores; peak memory so far %.0f MB\n", total, cores,
                    peak);
        report("one at a time", single, photos);
        std::printf("    %.2f s in all; every core is %.2f times as fast\n", single,
                    single / total);
        const double all = stages.decode + stages.engine + stages.write;
        std::printf("  stages, timed on their own:\n");
        reportStage("decode", stages.decode, all, photos);
        reportStage("engine", stages.engine, all, photos);
        reportStage("write", stages.write, all, photos);
    }

    const QString cwebp = QStandardPaths::findExecutable(QStringLiteral("cwebp"));
    if (!cwebp.isEmpty()) {
        const QString loopDir = scratch.filePath(QStringLiteral("cwebp"));
        const QString parallelDir = scratch.filePath(QStringLiteral("cwebp-parallel"));
        QDir().mkpath(loopDir);
        QDir().mkpath(parallelDir);
        const double loop = cwebpLoop(cwebp, files, loopDir);
        std::printf("cwebp -q %d on the same files: %.1f MB out\n", kQuality,
                    folderBytes(loopDir) / 1e6);
        report("cwebp loop", loop, photos);
        std::printf("    %.2f s in all\n", loop);

        // Other work on the machine comes and goes: the worker and xargs take turns, and the
        // best of each is compared.
        IQBatchSettings settings;
        settings.format = IQOutputFormat::Webp;
        settings.webpQuality = kQuality;
        settings.overwrite = true;
        settings.outputDir = scratch.filePath(QStringLiteral("out-rounds"));
        QDir().mkpath(settings.outputDir);
        double bestWorker = parallelWebp;
        double bestParallel = 0;
        for (int round = 0; round < kRounds; ++round) {
            const double worker = runWorker(files, &settings, 0);
            const double parallel = cwebpParallel(cwebp, files, parallelDir, cores);
            std::printf("  round %d: batch worker %.2f s, cwebp under xargs -P %d %.2f s: "
                        "%.3f times; load %s\n",
                        round + 1, worker, cores, parallel, worker / parallel,
                        qPrintable(loadAverage()));
            bestWorker = std::min(bestWorker, worker);
            bestParallel = round == 0 ? parallel : std::min(bestParallel, parallel);
        }
        report("cwebp -P", bestParallel, photos);
        std::printf("    %.2f s in all at best, xargs -P %d; %.1f MB out\n", bestParallel, cores,
                    folderBytes(parallelDir) / 1e6);
        std::printf("WebP batch worker against cwebp, best runs: %.3f times the loop (target 0.25 "
                    "or less), %.3f times xargs -P %d (target 1.1 or less)\n",
                    bestWorker / loop, bestWorker / bestParallel, cores);
    }
    compareAllBudgets(files, cores, scratch);
    std::printf("peak memory of the whole run: %.0f MB (target below 2048)\n", peakMegabytes());
    std::printf("load average after: %s\n", qPrintable(loadAverage()));
    return 0;
}
