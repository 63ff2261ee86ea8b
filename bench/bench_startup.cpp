// The window's start as a user meets it: from the start of the main window's construction to
// its first paint event, with the program's font, style and translators, in fresh processes.
// Each run is a child process of this one; the first warms the disk cache and counts apart.
// Each child also arms the update check as the program does (against a loopback address that
// never answers) and reports when it started and how long its call held the GUI thread.
//
//   bench_startup [runs]        (default 15)
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "IQStartup.h"
#include "MainWindow.h"

namespace {

constexpr int kDefaultRuns = 15;
constexpr int kUpdateDelayMs = 10;
const char kChildFlag[] = "--child";

// Stops the clock at the first paint the window itself receives.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(const QElapsedTimer &clock) : m_clock(clock) {}
    qint64 at = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && at < 0)
            at = m_clock.nsecsElapsed();
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer &m_clock;
};

// One start: prints "built painted checkStart checkCall" in milliseconds.
int child(int argc, char *argv[])
{
    // The log lines of the start are no part of the figure.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    // The feed is a port on this machine that accepts and never answers: no network, and the
    // check stays pending as a slow server's would.
    QTcpServer silent;
    silent.listen(QHostAddress::LocalHost);
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    QSettings(QStringLiteral("Settings.ini"), QSettings::IniFormat)
        .setValue(QStringLiteral("checkupdate/url"),
                  QStringLiteral("http://127.0.0.1:%1/update.json").arg(silent.serverPort()));

    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    QCoreApplication::setApplicationVersion(QStringLiteral(BRV_VERSION));
    QApplication app(argc, argv);
    IQStartup::prepareApplication();

    QElapsedTimer clock;
    FirstPaint paint(clock);
    clock.start();
    MainWindow window;
    const qint64 built = clock.nsecsElapsed();
    window.installEventFilter(&paint);
    window.show();
    qint64 checkStart = -1;
    qint64 checkCall = -1;
    QTimer::singleShot(kUpdateDelayMs, &window, [&]() {
        checkStart = clock.nsecsElapsed();
        window.checkForUpdates();
        checkCall = clock.nsecsElapsed() - checkStart;
    });
    QTimer::singleShot(0, &app, [&]() {
        auto *poll = new QTimer(&app);
        QObject::connect(poll, &QTimer::timeout, &app, [&]() {
            if (paint.at >= 0 && checkCall >= 0)
                app.quit();
        });
        poll->start(1);
    });
    QTimer::singleShot(10000, &app, &QCoreApplication::quit);
    app.exec();
    std::printf("%.2f %.2f %.2f %.2f\n", built / 1e6, paint.at / 1e6, checkStart / 1e6,
                checkCall / 1e6);
    return paint.at >= 0 ? 0 : 1;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], kChildFlag) == 0)
        return child(argc, argv);

    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : kDefaultRuns;
    const QString self = QString::fromLocal8Bit(argv[0]);
    std::vector<double> built, painted, checkStart, checkCall;
    bool checkBeforePaint = false;
    for (int i = 0; i <= runs; ++i) {
        QProcess run;
        run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        run.start(self, {QString::fromLatin1(kChildFlag)});
        if (!run.waitForFinished(30000) || run.exitCode() != 0) {
            std::fprintf(stderr, "run %d failed\n", i);
            return 1;
        }
        const QList<QByteArray> figures = run.readAllStandardOutput().trimmed().split(' ');
        if (figures.size() != 4)
            return 1;
        const double b = figures[0].toDouble(), p = figures[1].toDouble();
        const double s = figures[2].toDouble(), c = figures[3].toDouble();
        if (i == 0) {
            std::printf("startup: cold first run: built %.1f ms, first paint %.1f ms\n", b, p);
            continue;
        }
        built.push_back(b);
        painted.push_back(p);
        checkStart.push_back(s);
        checkCall.push_back(c);
        checkBeforePaint = checkBeforePaint || s < p;
    }
    std::printf("startup: %d warm runs, median: window built %.1f ms, first paint %.1f ms "
                "(min %.1f, max %.1f; target < 300 ms)\n",
                runs, median(built), median(painted),
                *std::min_element(painted.begin(), painted.end()),
                *std::max_element(painted.begin(), painted.end()));
    std::printf("startup: update check started at %.1f ms (median), its call held the GUI "
                "thread %.2f ms; started before the first paint in %s run\n",
                median(checkStart), median(checkCall), checkBeforePaint ? "some" : "no");
    return 0;
}
