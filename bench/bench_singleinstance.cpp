// Times a second start of the program while a first instance runs: from spawning the process to
// its exit after the hand-over, warm, as the median of several runs. For scale it times, in
// turn with those runs, a process that only builds a plain QApplication and leaves.
//
// The program plays every part itself: with "--instance USERDATA" it builds the application
// object as the program's start-up does (no later instances, per user, 1000 ms); with "--bare"
// it builds a QApplication and leaves.
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSocketNotifier>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <vector>

#include "SingleApplication.h"

namespace {

constexpr int kWarmUpRuns = 3;
constexpr int kRuns = 21;

int runBare(int argc, char *argv[])
{
    QApplication app(argc, argv);
    std::exit(EXIT_SUCCESS);
}

int runInstance(int argc, char *argv[])
{
    SingleApplication app(argc, argv, false, SingleApplication::PerUser, 1000,
                          QString::fromLocal8Bit(argv[2]));
    int started = 0;
    QObject::connect(&app, &SingleApplication::instanceStarted, [&started] { ++started; });
    std::printf("ready\n");
    std::fflush(stdout);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&input] {
        char buffer[64];
        if (::read(STDIN_FILENO, buffer, sizeof(buffer)) <= 0) {
            input.setEnabled(false);
            QCoreApplication::quit();
        }
    });
    const int result = app.exec();
    std::printf("started %d\n", started);
    std::fflush(stdout);
    return result;
}

QProcessEnvironment childEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Without a display the children run on the offscreen platform.
    if (!environment.contains("QT_QPA_PLATFORM") && !environment.contains("DISPLAY")
        && !environment.contains("WAYLAND_DISPLAY"))
        environment.insert("QT_QPA_PLATFORM", "offscreen");
    return environment;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--instance") == 0)
        return runInstance(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "--bare") == 0)
        return runBare(argc, argv);

    QCoreApplication driver(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    const QString userData =
        QStringLiteral("bench_singleinstance-%1").arg(QCoreApplication::applicationPid());
    const QStringList arguments{QStringLiteral("--instance"), userData};
    const QProcessEnvironment environment = childEnvironment();

    QProcess first;
    first.setProcessEnvironment(environment);
    first.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    first.start(self, arguments);
    if (!first.waitForReadyRead(10000) || !first.readLine().startsWith("ready")) {
        std::fprintf(stderr, "bench_singleinstance: the first instance did not start\n");
        return 1;
    }

    // Spawn to exit in ms, or a negative value when the process failed.
    const auto timeStart = [&](const QStringList &startArguments) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        QElapsedTimer timer;
        timer.start();
        process.start(self, startArguments);
        const bool finished = process.waitForFinished(10000);
        const double ms = timer.nsecsElapsed() / 1e6;
        const bool ok = finished && process.exitStatus() == QProcess::NormalExit
                     && process.exitCode() == 0;
        return ok ? ms : -1.0;
    };

    std::vector<double> times;
    std::vector<double> bareTimes;
    int failures = 0;
    for (int run = 0; run < kWarmUpRuns + kRuns; ++run) {
        const double second = timeStart(arguments);
        const double bare = timeStart({QStringLiteral("--bare")});
        if (second < 0 || bare < 0) {
            ++failures;
            continue;
        }
        if (run >= kWarmUpRuns) {
            times.push_back(second);
            bareTimes.push_back(bare);
        }
    }

    first.closeWriteChannel();
    first.waitForFinished(10000);
    const QByteArray summary = first.readAll().trimmed();

    if (times.empty()) {
        std::fprintf(stderr, "bench_singleinstance: no second start succeeded\n");
        return 1;
    }
    std::sort(times.begin(), times.end());
    std::sort(bareTimes.begin(), bareTimes.end());
    const double median = times[times.size() / 2];
    const double bareMedian = bareTimes[bareTimes.size() / 2];
    std::printf("bench_singleinstance: second start, spawn to exit, %zu warm runs: "
                "median %.1f ms, min %.1f ms, max %.1f ms (%d failed; first instance: %s)\n",
                times.size(), median, times.front(), times.back(), failures,
                summary.constData());
    std::printf("bench_singleinstance: plain QApplication start and exit: median %.1f ms, "
                "min %.1f ms; the hand-over adds %.1f ms\n",
                bareMedian, bareTimes.front(), median - bareMedian);
    return failures == 0 ? 0 : 1;
}
