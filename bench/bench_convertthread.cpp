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
//
// Then the batch to WebP q90 against cwebp -q 90 under xargs -P <cores> on the same photos, as
// JPEG and as PNG: the worker runs in a child process of its own, so that its peak memory is
// its own, and the two sides take turns, best of three, with the load average of each round.
// Each side's peak: the largest process (the worker's own VmHWM; cwebp's sampled), and the
// resident memory of all its processes at once, sampled every 5 ms. With --cwebp only that part runs.
//
//   bench_convertthread [photos] [folder] [--cwebp]
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
#include <vector>

#include <atomic>
#include <thread>

#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

extern char **environ;

#include "BenchSupport.h"
#include "settings/IQBatchSettings.h"
#include "imaging/IQConvertEngine.h"
#include "imaging/IQThreadBudget.h"
#include "workers/IQConvertThread.h"
#include "writers/IQImageSavingHelper.h"
#include "writers/IQWebpSavingHelper.h"

namespace {

using BenchSupport::loadAverage;

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
constexpr double kMegapixels = kWidth * kHeight / 1e6;
constexpr int kQuality = 90;
// Turns of the batch worker and of cwebp on every core, taken one after the other.
constexpr int kRounds = 3;

QImage photo(quint32 seed)
{
    return BenchSupport::photo(kWidth, kHeight, 60, 50, 600, seed);
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

struct Resident
{
    qint64 all = 0;     // the process and all its descendants
    qint64 largest = 0; // the largest of them
};

// The resident bytes of a process and of its descendants now, read from /proc.
Resident treeResidentBytes(pid_t root)
{
    struct Process
    {
        pid_t pid;
        pid_t parent;
        qint64 resident;
    };
    std::vector<Process> processes;
    DIR *proc = opendir("/proc");
    if (!proc)
        return {};
    const long page = sysconf(_SC_PAGESIZE);
    while (dirent *entry = readdir(proc)) {
        const pid_t pid = pid_t(std::atol(entry->d_name));
        if (pid <= 0)
            continue;
        char path[64];
        char line[512];
        std::snprintf(path, sizeof path, "/proc/%d/stat", int(pid));
        int fd = open(path, O_RDONLY);
        if (fd < 0)
            continue;
        ssize_t length = read(fd, line, sizeof line - 1);
        close(fd);
        if (length <= 0)
            continue;
        line[length] = 0;
        // The parent is the second field after the name, which is in parentheses.
        const char *close = std::strrchr(line, ')');
        int parent = 0;
        if (!close || std::sscanf(close + 1, " %*c %d", &parent) != 1)
            continue;
        std::snprintf(path, sizeof path, "/proc/%d/statm", int(pid));
        fd = open(path, O_RDONLY);
        if (fd < 0)
            continue;
        length = read(fd, line, sizeof line - 1);
        ::close(fd);
        if (length <= 0)
            continue;
        line[length] = 0;
        long size = 0;
        long resident = 0;
        if (std::sscanf(line, "%ld %ld", &size, &resident) != 2)
            continue;
        processes.push_back(Process{pid, pid_t(parent), qint64(resident) * page});
    }
    closedir(proc);
    std::vector<pid_t> tree{root};
    Resident bytes;
    for (size_t k = 0; k < tree.size(); ++k) {
        for (const Process &process : processes) {
            if (process.pid == tree[k]) {
                bytes.all += process.resident;
                bytes.largest = std::max(bytes.largest, process.resident);
            } else if (process.parent == tree[k]) {
                tree.push_back(process.pid);
            }
        }
    }
    return bytes;
}

struct ChildRun
{
    double seconds = 0;
    // The largest process: sampled, or as the worker tells its own peak.
    double largestMb = 0;
    // The most that the child and its descendants held at once, sampled.
    double allMb = 0;
    // User and system time of the child and of the children it waited for: what the work
    // cost, whatever else shares the machine.
    double cpuSeconds = 0;
    bool ok = false;
    QString load;
};

// Runs a program as a child of this process and measures it alone.
ChildRun runChild(const QStringList &arguments)
{
    std::vector<QByteArray> bytes;
    for (const QString &argument : arguments)
        bytes.push_back(QFile::encodeName(argument));
    std::vector<char *> argv;
    for (QByteArray &argument : bytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    ChildRun run;
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        return run;
    }
    std::atomic<bool> done{false};
    Resident most;
    std::thread sampler([&] {
        while (!done) {
            const Resident now = treeResidentBytes(pid);
            most.all = std::max(most.all, now.all);
            most.largest = std::max(most.largest, now.largest);
            usleep(5000);
        }
    });
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.seconds = seconds(timer);
    done = true;
    sampler.join();
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    // Not ru_maxrss: a child started by vfork and exec carries this process's peak in it.
    run.largestMb = most.largest / 1048576.0;
    run.cpuSeconds = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec
                     + usage.ru_stime.tv_usec / 1e6;
    run.allMb = most.all / 1048576.0;
    run.load = loadAverage();
    return run;
}

QString writeList(const QString &path, const QByteArray &lines)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(lines) != lines.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return path;
}

// The child side: the batch worker with its default pool converting the listed photos to WebP
// q90 into the folder.
int workerChild(const QString &outDir, const QString &listFile, const QString &peakFile)
{
    QFile list(listFile);
    if (!list.open(QIODevice::ReadOnly))
        return 1;
    const QStringList files =
        QString::fromLocal8Bit(list.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    IQBatchSettings settings;
    settings.format = IQOutputFormat::Webp;
    settings.quality = kQuality;
    settings.webpQuality = kQuality;
    settings.overwrite = true;
    settings.outputDir = outDir;
    QDir().mkpath(outDir);
    IQConvertThread worker;
    worker.files = files;
    worker.settings = &settings;
    worker.engine = std::make_unique<IQConvertEngine>(&settings);
    worker.run();
    QFile peak(peakFile);
    if (peak.open(QIODevice::WriteOnly | QIODevice::Truncate))
        peak.write(QByteArray::number(qlonglong(BenchSupport::ownPeakKilobytes())));
    return worker.failures().isEmpty() ? 0 : 2;
}

// The batch worker in a child process against cwebp under xargs -P on the same files, in
// alternating rounds.
void compareWithCwebp(const char *what, const QStringList &files, const QString &cwebp,
                      int cores, QTemporaryDir &scratch, const QString &tag)
{
    const QString workerDir = scratch.filePath(QStringLiteral("child-%1").arg(tag));
    const QString cwebpDir = scratch.filePath(QStringLiteral("xargs-%1").arg(tag));
    QDir().mkpath(workerDir);
    QDir().mkpath(cwebpDir);
    QByteArray sources;
    QByteArray pairs;
    for (const QString &file : files) {
        sources += QFile::encodeName(file) + '\n';
        pairs += QFile::encodeName(file) + '\n' + QFile::encodeName(webpPath(cwebpDir, file))
                 + '\n';
    }
    const QString sourceList =
        writeList(scratch.filePath(QStringLiteral("sources-%1").arg(tag)), sources);
    const QString pairList = writeList(scratch.filePath(QStringLiteral("pairs-%1").arg(tag)), pairs);
    const QString peakFile = scratch.filePath(QStringLiteral("peak-%1").arg(tag));
    const QStringList workerCommand{QCoreApplication::applicationFilePath(),
                                    QStringLiteral("--worker-child"), workerDir, sourceList,
                                    peakFile};
    const QStringList xargsCommand{
        QStringLiteral("xargs"), QStringLiteral("-a"), pairList, QStringLiteral("-d"),
        QStringLiteral("\n"), QStringLiteral("-P"), QString::number(cores), QStringLiteral("-n"),
        QStringLiteral("2"), QStringLiteral("sh"), QStringLiteral("-c"),
        QStringLiteral("exec \"$0\" -quiet -q %1 \"$1\" -o \"$2\"").arg(kQuality), cwebp};

    std::printf("%s, %d photos: batch worker (child process, default pool) against cwebp -q %d "
                "under xargs -P %d; load before %s\n",
                what, int(files.size()), kQuality, cores, qPrintable(loadAverage()));
    ChildRun best[2];
    double leastCpu[2] = {};
    double mostLargest[2] = {};
    double mostAll[2] = {};
    for (int round = 0; round < kRounds; ++round) {
        for (int side = 0; side < 2; ++side) {
            ChildRun run = runChild(side == 0 ? workerCommand : xargsCommand);
            if (side == 0) {
                QFile peak(peakFile);
                if (peak.open(QIODevice::ReadOnly))
                    run.largestMb = peak.readAll().toLong() / 1024.0;
            }
            std::printf("  round %d %-12s %6.2f s%s, %6.2f s of CPU; peak %5.0f MB largest "
                        "process, %5.0f MB all processes at once; load %s\n",
                        round + 1, side == 0 ? "batch worker" : "xargs cwebp", run.seconds,
                        run.ok ? "" : " (FAILED)", run.cpuSeconds, run.largestMb, run.allMb,
                        qPrintable(run.load));
            if (round == 0 || run.seconds < best[side].seconds)
                best[side] = run;
            if (round == 0 || run.cpuSeconds < leastCpu[side])
                leastCpu[side] = run.cpuSeconds;
            mostLargest[side] = std::max(mostLargest[side], run.largestMb);
            mostAll[side] = std::max(mostAll[side], run.allMb);
        }
    }
    std::printf("  best: batch worker %.2f s (load %s), xargs cwebp %.2f s (load %s): %.3f times "
                "(target 1.0 or less)\n",
                best[0].seconds, qPrintable(best[0].load), best[1].seconds,
                qPrintable(best[1].load), best[0].seconds / best[1].seconds);
    std::printf("  CPU time at least: batch worker %.2f s, xargs cwebp %.2f s: %.3f times\n",
                leastCpu[0], leastCpu[1], leastCpu[0] / leastCpu[1]);
    std::printf("  peak memory: batch worker %.0f MB (target 1229 or less for 12 MP JPEG); "
                "xargs cwebp %.0f MB at once, %.0f MB its largest process; output %.1f MB and "
                "%.1f MB\n",
                mostLargest[0], mostAll[1], mostLargest[1], folderBytes(workerDir) / 1e6,
                folderBytes(cwebpDir) / 1e6);
}

void compareAllWithCwebp(const QStringList &jpegs, const QStringList &pngs, int cores,
                         QTemporaryDir &scratch)
{
    const QString cwebp = QStandardPaths::findExecutable(QStringLiteral("cwebp"));
    if (cwebp.isEmpty()) {
        std::printf("cwebp is not installed: no comparison with it\n");
        return;
    }
    compareWithCwebp("WebP q90 from JPEG", jpegs, cwebp, cores, scratch, QStringLiteral("jpeg"));
    compareWithCwebp("WebP q90 from PNG", pngs, cwebp, cores, scratch, QStringLiteral("png"));
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
    if (arguments.size() == 4 && arguments.at(0) == QLatin1String("--worker-child"))
        return workerChild(arguments.at(1), arguments.at(2), arguments.at(3));
    const bool budgetOnly = arguments.removeAll(QStringLiteral("--budget")) > 0;
    const bool cwebpOnly = arguments.removeAll(QStringLiteral("--cwebp")) > 0;
    const int photos = arguments.size() > 0 ? qMax(1, arguments.at(0).toInt()) : 20;
    QTemporaryDir scratch;
    const QString inDir = arguments.size() > 1 ? arguments.at(1) : scratch.filePath("in");
    QDir().mkpath(inDir);

    // The same photos as JPEG and as PNG.
    QStringList files;
    QStringList pngs;
    for (int i = 0; i < photos; ++i) {
        const QString name = QStringLiteral("%1/photo%2").arg(inDir).arg(i + 1, 2, 10,
                                                                         QLatin1Char('0'));
        const QString jpeg = name + QStringLiteral(".jpg");
        const QString png = name + QStringLiteral(".png");
        if (!QFileInfo::exists(jpeg) || (!budgetOnly && !QFileInfo::exists(png))) {
            const QImage image = photo(quint32(i + 1));
            if ((!QFileInfo::exists(jpeg) && !image.save(jpeg, "JPEG", 92))
                || (!budgetOnly && !QFileInfo::exists(png) && !image.save(png, "PNG"))) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
                return 1;
            }
        }
        files << jpeg;
        pngs << png;
    }
    std::printf("convertthread: %d photos of %dx%d (%.0f MP), JPEG and PNG, %.1f MB in all, in "
                "%s\n",
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
    if (cwebpOnly) {
        compareAllWithCwebp(files, pngs, cores, scratch);
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
        QDir().mkpath(loopDir);
        const double loop = cwebpLoop(cwebp, files, loopDir);
        std::printf("cwebp -q %d on the same files: %.1f MB out\n", kQuality,
                    folderBytes(loopDir) / 1e6);
        report("cwebp loop", loop, photos);
        std::printf("    %.2f s in all\n", loop);

        std::printf("WebP batch worker against the cwebp loop: %.3f times (target 0.25 or less)\n",
                    parallelWebp / loop);
    }
    // Other work on the machine comes and goes: the worker and xargs take turns, and the best
    // of each is compared.
    compareAllWithCwebp(files, pngs, cores, scratch);
    compareAllBudgets(files, cores, scratch);
    std::printf("peak memory of the whole run: %.0f MB (target below 2048)\n", peakMegabytes());
    std::printf("load average after: %s\n", qPrintable(loadAverage()));
    return 0;
}
