// The batch worker alone turning one generated 100-megapixel photo (12500 x 8000 JPEG) into a
// GIF with the default settings: its peak resident memory, its time, the most threads the
// process had at once, the load average, and the output's SHA-256, each run in a child process
// of its own that does nothing else, so that its ru_maxrss is the worker's.
//
//   bench_gifstill [folder] [--rounds n] [--against other-bench_gifstill]
//
// A folder keeps the generated photo and the outputs. With --against, the other build of this
// bench (for instance one linked against the libraries of an older build) runs in alternating
// rounds with this one, on the same photo, and the digests of the two are compared.
//
//   bench_gifstill --child photo.jpg out-folder
//
// is the child's part: it converts and prints "seconds peak-threads sha256".
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

#include <dirent.h>

#include "BenchSupport.h"
#include "settings/IQBatchSettings.h"
#include "imaging/IQConvertEngine.h"
#include "workers/IQConvertThread.h"

namespace {

using BenchSupport::loadAverage;

constexpr int kWidth = 12500;
constexpr int kHeight = 8000;
constexpr int kRounds = 3;

QImage photo(quint32 seed)
{
    return BenchSupport::photo(kWidth, kHeight, 80, 150, 1800, seed);
}

int threadCount()
{
    DIR *tasks = opendir("/proc/self/task");
    if (!tasks)
        return 0;
    int count = 0;
    while (const dirent *entry = readdir(tasks))
        count += entry->d_name[0] != '.';
    closedir(tasks);
    return count;
}

QByteArray sha256(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("-");
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result().toHex();
}

int child(const QString &input, const QString &outDir)
{
    QDir().mkpath(outDir);
    IQBatchSettings settings;
    settings.format = IQOutputFormat::Gif;
    settings.overwrite = true;
    settings.outputDir = outDir;

    std::atomic<bool> done{false};
    std::atomic<int> peakThreads{0};
    std::thread sampler([&] {
        while (!done) {
            peakThreads = std::max(peakThreads.load(), threadCount() - 1); // not the sampler
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });

    IQConvertThread worker;
    worker.files = QStringList{input};
    worker.settings = &settings;
    worker.engine = std::make_unique<IQConvertEngine>(&settings);
    QElapsedTimer timer;
    timer.start();
    worker.run();
    const double seconds = timer.nsecsElapsed() / 1e9;
    done = true;
    sampler.join();

    const QString output = outDir + QLatin1Char('/') + QFileInfo(input).completeBaseName()
                           + QStringLiteral(".gif");
    std::printf("%.3f %d %s\n", seconds, peakThreads.load(), sha256(output).constData());
    return worker.failures().isEmpty() ? 0 : 1;
}

struct Run
{
    bool ok = false;
    double seconds = 0;
    double peakMegabytes = 0;
    int threads = 0;
    QByteArray digest;
};

Run runChild(const QString &program, const QString &input, const QString &outDir)
{
    Run run;
    const BenchSupport::ChildOutput child = BenchSupport::runAndRead(
        {QFile::encodeName(program), "--child", QFile::encodeName(input),
         QFile::encodeName(outDir)});
    if (!child.ran)
        return run;
    const QList<QByteArray> fields = child.output.trimmed().split(' ');
    run.ok = BenchSupport::succeeded(child) && fields.size() == 3;
    if (fields.size() == 3) {
        run.seconds = fields.at(0).toDouble();
        run.threads = fields.at(1).toInt();
        run.digest = fields.at(2);
    }
    run.peakMegabytes = child.usage.ru_maxrss / 1024.0; // kilobytes on Linux
    return run;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    if (arguments.value(0) == QStringLiteral("--child") && arguments.size() == 3)
        return child(arguments.at(1), arguments.at(2));

    int rounds = kRounds;
    QStringList programs{QCoreApplication::applicationFilePath()};
    for (int i = 0; i < arguments.size();) {
        if (arguments.at(i) == QStringLiteral("--rounds") && i + 1 < arguments.size()) {
            rounds = std::max(1, arguments.at(i + 1).toInt());
            arguments.erase(arguments.begin() + i, arguments.begin() + i + 2);
        } else if (arguments.at(i) == QStringLiteral("--against") && i + 1 < arguments.size()) {
            programs << QFileInfo(arguments.at(i + 1)).absoluteFilePath();
            arguments.erase(arguments.begin() + i, arguments.begin() + i + 2);
        } else {
            ++i;
        }
    }
    QTemporaryDir scratch;
    const QString folder = arguments.isEmpty() ? scratch.path() : arguments.first();
    QDir().mkpath(folder);
    const QString input = QDir(folder).filePath(QStringLiteral("still100mp.jpg"));
    if (!QFileInfo::exists(input)) {
        std::printf("generating %d x %d photo ...\n", kWidth, kHeight);
        std::fflush(stdout);
        if (!photo(7).save(input, "JPEG", 90)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(input));
            return 1;
        }
    }
    std::printf("input %s (%d x %d, %.1f MB), %d cores, load %s\n", qPrintable(input), kWidth,
                kHeight, QFileInfo(input).size() / 1e6, QThread::idealThreadCount(),
                qPrintable(loadAverage()));

    std::vector<Run> best(size_t(programs.size()));
    std::vector<QByteArray> digests(size_t(programs.size()));
    bool ok = true;
    for (int round = 0; round < rounds; ++round) {
        for (int p = 0; p < programs.size(); ++p) {
            const QString outDir = QDir(folder).filePath(QStringLiteral("out-%1").arg(p));
            const QString before = loadAverage();
            const Run run = runChild(programs.at(p), input, outDir);
            std::printf("round %d %-40s %s %7.3f s  peak %7.1f MB  threads %2d  load %s  %s\n",
                        round + 1, qPrintable(QFileInfo(programs.at(p)).filePath().right(40)),
                        run.ok ? "ok" : "FAILED", run.seconds, run.peakMegabytes, run.threads,
                        qPrintable(before), run.digest.constData());
            std::fflush(stdout);
            ok = ok && run.ok;
            if (digests[size_t(p)].isEmpty())
                digests[size_t(p)] = run.digest;
            ok = ok && digests[size_t(p)] == run.digest;
            Run &b = best[size_t(p)];
            if (round == 0 || run.seconds < b.seconds)
                b.seconds = run.seconds;
            if (round == 0 || run.peakMegabytes < b.peakMegabytes)
                b.peakMegabytes = run.peakMegabytes;
        }
    }
    for (int p = 0; p < programs.size(); ++p)
        std::printf("best of %d: %-40s %7.3f s  peak %7.1f MB\n", rounds,
                    qPrintable(QFileInfo(programs.at(p)).filePath().right(40)),
                    best[size_t(p)].seconds, best[size_t(p)].peakMegabytes);
    if (programs.size() > 1) {
        const bool same = std::all_of(digests.begin(), digests.end(),
                                      [&](const QByteArray &d) { return d == digests.front(); });
        std::printf("digests %s\n", same ? "equal" : "DIFFER");
        ok = ok && same;
    }
    std::printf("load after %s\n", qPrintable(loadAverage()));
    return ok ? 0 : 1;
}
