// The real program's batch, the way a user runs it: the main window as the program builds it,
// photos imported through File/Open onto the tile page, a wait until every tile has its
// thumbnail, then the convert button, the batch dialog answered with WebP (quality 90 from a
// fresh preference file) and an output folder, and a wait until the batch is over.
//
//   bench_realbatch [photos] [rounds] [folder] [jpg|png|heic]
//
// The photos are generated 12-megapixel JPEGs (or PNG or HEIC files), left in folder when one is
// given, which then loses the photos of an earlier run. Each run is a child process of its own, offscreen
// in a temporary home, so every memory figure is the program's own: its peak resident memory
// after the thumbnails and after the batch (ru_maxrss), its resident memory at those moments,
// and, as a check, the peak that the parent reads from wait4. Beside it, in alternating rounds, the batch
// worker alone on the same photos with the same record in a process of its own, so the page's
// share is the difference of the two peaks. Best of the rounds, the load average with each.
//
// A child can be run by hand, --thumbnails stopping once the tiles have their thumbnails:
//   bench_realbatch --page|--thumbnails|--worker <photo folder> <output folder>
//   bench_realbatch --photos-jpg|--photos-png|--photos-heic <photo folder> <count>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QImageWriter>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QComboBox>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include <unistd.h>

#include "BenchSupport.h"
#include "BrvTest.h"
#include "FindNamed.h"
#include "IQBatchDialog.h"
#include "IQImageBrowserFrame.h"
#include "IQStartup.h"
#include "ImageFixtures.h"
#include "MainWindow.h"
#include "imaging/IQConvertEngine.h"
#include "settings/IQBatchSettings.h"
#include "workers/IQConvertThread.h"

namespace {

using BenchSupport::loadAverage;

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
constexpr int kQuality = 90;
constexpr int kDefaultPhotos = 20;
constexpr int kDefaultRounds = 3;
constexpr int kWebpFormatIndex = 4;
// Generous: a loaded machine may take minutes over 20 photos.
constexpr int kThumbnailTimeoutMs = 300000;
constexpr int kBatchTimeoutMs = 1800000;
constexpr int kUserPauseMs = 500;

// The peak resident memory of this program image. Not ru_maxrss: across exec that keeps the
// peak of the process that spawned it.
double peakMegabytes()
{
    return BenchSupport::ownPeakKilobytes() / 1024.0;
}

// The resident memory now, from /proc/self/statm.
double residentMegabytes()
{
    long pages = 0;
    long resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double seconds(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e9;
}

// The photos of a run: every file of the folder named as the photo maker names them.
const QStringList kPhotoPatterns{QStringLiteral("photo??.jpg"), QStringLiteral("photo??.png"),
                                 QStringLiteral("photo??.heic")};

// Photo-like images in the format of the suffix (jpg, png or heic), each with a mark of its
// own so that no two files are the same.
QStringList makePhotos(const QString &folder, int count, const QString &suffix)
{
    const QByteArray format = suffix == QLatin1String("jpg") ? QByteArray("jpeg")
                              : suffix == QLatin1String("heic") ? QByteArray("heif")
                                                                : suffix.toLatin1();
    const QImage base = ImageFixtures::photoLikeImage(kWidth, kHeight);
    QStringList names;
    for (int i = 0; i < count; ++i) {
        QImage image = (i % 2) ? base.mirrored(true, false) : base;
        {
            QPainter painter(&image);
            painter.fillRect(QRect(200 + 150 * i, 300 + 90 * i, 400, 300),
                             QColor::fromHsv(i * 360 / count, 160, 200));
        }
        const QString name =
            QStringLiteral("photo%1.%2").arg(i + 1, 2, 10, QLatin1Char('0')).arg(suffix);
        QImageWriter writer(folder + QLatin1Char('/') + name, format);
        writer.setQuality(kQuality);
        if (!writer.write(image))
            return QStringList();
        names << name;
    }
    return names;
}

void report(const char *what, double value)
{
    std::printf("RESULT %s %.3f\n", what, value);
}

// The user's way through the window. Returns the exit code of the child.
// With thumbnailsOnly the run ends once the tiles have their thumbnails.
int runPage(const QString &photos, const QString &output, bool thumbnailsOnly)
{
    MainWindow window;
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    report("peak_window", peakMegabytes());
    report("rss_window", residentMegabytes());

    const QStringList names = QDir(photos).entryList(kPhotoPatterns, QDir::Files,
                                                     QDir::Name);
    QElapsedTimer timer;
    timer.start();
    BrvTest::answerNextFileDialog(photos, names);
    window.open();

    IQImageBrowserFrame *page = window.tilePage();
    auto *tiles = BrvTest::findNamed<QListWidget>(page, "tileListView");
    const auto allThumbnails = [tiles, &names]() {
        if (tiles->count() != names.size())
            return false;
        for (int row = 0; row < tiles->count(); ++row) {
            if (tiles->item(row)->icon().isNull())
                return false;
        }
        return true;
    };
    if (!QTest::qWaitFor(allThumbnails, kThumbnailTimeoutMs)) {
        std::fprintf(stderr, "thumbnails did not come: %d tiles\n", tiles->count());
        return 1;
    }
    // Let the list paint its icons, and give the page the moment a user takes to reach the
    // convert button.
    QTest::qWait(kUserPauseMs);
    report("thumbnails_s", seconds(timer));
    report("peak_thumbnails", peakMegabytes());
    report("rss_thumbnails", residentMegabytes());
    if (thumbnailsOnly)
        return 0;

    bool answered = false;
    BrvTest::answerNextModal([&answered, &output](QWidget *modal) {
        auto *dialog = qobject_cast<IQBatchDialog *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        answered = true;
        BrvTest::findNamed<QComboBox>(dialog, "formatComboBox")->setCurrentIndex(kWebpFormatIndex);
        BrvTest::answerNextModal([output](QWidget *folderDialog) {
            if (auto *fd = qobject_cast<QFileDialog *>(folderDialog))
                BrvTest::acceptFileDialog(fd, output, QString());
            else
                folderDialog->close();
        });
        BrvTest::findNamed<QPushButton>(dialog, "selectButton")->click();
        BrvTest::findNamed<QPushButton>(dialog, "convertButton")->click();
    });
    timer.restart();
    BrvTest::findNamed<QPushButton>(page, "convertButton")->click();
    if (!answered) {
        std::fprintf(stderr, "the batch dialog was not answered\n");
        return 1;
    }
    if (!QTest::qWaitFor([page]() { return !page->isConverting(); }, kBatchTimeoutMs)) {
        std::fprintf(stderr, "the batch did not end\n");
        return 1;
    }
    report("batch_s", seconds(timer));
    report("peak_batch", peakMegabytes());
    report("rss_batch", residentMegabytes());
    return 0;
}

// The batch worker alone with the record the page hands it.
int runWorker(const QString &photos, const QString &output)
{
    QStringList files;
    const QFileInfoList entries = QDir(photos).entryInfoList(kPhotoPatterns,
                                                             QDir::Files, QDir::Name);
    for (const QFileInfo &info : entries)
        files << info.absoluteFilePath();
    IQBatchSettings record = *IQBatchSettings::instance();
    record.format = IQOutputFormat::Webp;
    record.webpQuality = kQuality;
    record.outputDir = output;
    IQConvertThread worker;
    worker.files = files;
    worker.copySettings(record);
    worker.engine = std::make_unique<IQConvertEngine>(worker.settings);
    report("rss_start", residentMegabytes());
    QElapsedTimer timer;
    timer.start();
    worker.run();
    report("batch_s", seconds(timer));
    report("peak_batch", peakMegabytes());
    report("rss_batch", residentMegabytes());
    return 0;
}

int runChild(int argc, char *argv[])
{
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString photos = QString::fromLocal8Bit(argv[2]);
    const QString output = QString::fromLocal8Bit(argv[3]);
    if (mode.startsWith(QLatin1String("--photos-"))) {
        QGuiApplication app(argc, argv);
        const QString suffix = mode.mid(int(qstrlen("--photos-")));
        return makePhotos(photos, output.toInt(), suffix).size() == output.toInt() ? 0 : 1;
    }
    if (mode == QLatin1String("--worker")) {
        QGuiApplication app(argc, argv);
        return runWorker(photos, output);
    }
    QApplication app(argc, argv);
    IQStartup::prepareApplication();
    return runPage(photos, output, mode == QLatin1String("--thumbnails"));
}

struct Run
{
    bool ok = false;
    double figures[10] = {};
    double peakByWait = 0;
    QString load;
};

const char *const kFigureNames[] = {"thumbnails_s", "peak_thumbnails", "rss_thumbnails",
                                    "batch_s",      "peak_batch",      "rss_batch",
                                    "rss_window",   "peak_window",     "rss_start"};
constexpr int kFigureCount = sizeof kFigureNames / sizeof kFigureNames[0];

// Runs this program as a child in a fresh home and reads its RESULT lines.
Run spawnChild(const char *self, const char *mode, const QString &photos, const QString &output)
{
    Run run;
    QTemporaryDir home;
    const bool batch = !QByteArray(mode).startsWith("--photos");
    if (batch) {
        QDir(output).removeRecursively();
        QDir().mkpath(output);
    }

    std::vector<QByteArray> env;
    for (char **entry = environ; *entry; ++entry) {
        const QByteArray line(*entry);
        if (line.startsWith("HOME=") || line.startsWith("XDG_") || line.startsWith("QT_QPA_PLATFORM="))
            continue;
        env.push_back(line);
    }
    env.push_back("HOME=" + QFile::encodeName(home.path()));
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("QT_LOGGING_RULES=*.debug=false");
    const BenchSupport::ChildOutput child = BenchSupport::runAndRead(
        {QByteArray(self), QByteArray(mode), QFile::encodeName(photos), QFile::encodeName(output)},
        env, QFile::encodeName(home.path()));
    if (!child.ran)
        return run;
    run.load = loadAverage();
    run.peakByWait = child.usage.ru_maxrss / 1024.0;
    run.ok = BenchSupport::succeeded(child);
    for (const QByteArray &line : child.output.split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() != 3 || words[0] != "RESULT")
            continue;
        for (int i = 0; i < kFigureCount; ++i) {
            if (words[1] == kFigureNames[i])
                run.figures[i] = words[2].toDouble();
        }
    }
    if (!batch)
        return run;
    const int outputs = QDir(output).entryList({QStringLiteral("*.webp")}, QDir::Files).size();
    const int sources = QDir(photos).entryList(kPhotoPatterns, QDir::Files).size();
    if (outputs != sources) {
        std::printf("  (%s wrote %d of %d files)\n", mode, outputs, sources);
        run.ok = false;
    }
    return run;
}

double figure(const Run &run, const char *name)
{
    for (int i = 0; i < kFigureCount; ++i) {
        if (qstrcmp(kFigureNames[i], name) == 0)
            return run.figures[i];
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 4 && argv[1][0] == '-')
        return runChild(argc, argv);
    // No application object here: this process only spawns the runs and adds up.

    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const int count = argc > 1 ? std::atoi(argv[1]) : kDefaultPhotos;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : kDefaultRounds;
    const QByteArray suffix = argc > 4 ? QByteArray(argv[4]) : QByteArray("jpg");
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0)
        return 1;

    QTemporaryDir scratch;
    const QString photos = argc > 3 ? QString::fromLocal8Bit(argv[3])
                                    : scratch.filePath(QStringLiteral("photos"));
    const QString output = scratch.filePath(QStringLiteral("out"));
    QDir().mkpath(photos);
    // Photos of an earlier run, in the other format, would join this one.
    const QStringList earlier = QDir(photos).entryList(kPhotoPatterns, QDir::Files);
    for (const QString &name : earlier)
        QFile::remove(photos + QLatin1Char('/') + name);
    // Made by a child too, so that this process stays small: a spawned child starts with the
    // peak of its parent in its ru_maxrss, which wait4 reports.
    if (!spawnChild(self, ("--photos-" + suffix).constData(), photos, QString::number(count)).ok) {
        std::printf("could not write the photos\n");
        return 1;
    }
    std::printf("%d %s photos of %d x %d, WebP q%d, %d rounds, %d cores; load average %s\n", count,
                suffix.constData(), kWidth, kHeight, kQuality, rounds,
                QThread::idealThreadCount(),
                qPrintable(loadAverage()));

    Run bestPage;
    Run bestWorker;
    for (int round = 1; round <= rounds; ++round) {
        const Run page = spawnChild(self, "--page", photos, output);
        std::printf("  round %d program: %s window %.0f MB; thumbnails %.2f s, peak %.0f MB "
                    "(resident %.0f MB); batch %.2f s, peak %.0f MB (resident after %.0f MB), by wait4 %.0f MB; "
                    "load %s\n",
                    round, page.ok ? "" : "FAILED", figure(page, "peak_window"),
                    figure(page, "thumbnails_s"),
                    figure(page, "peak_thumbnails"), figure(page, "rss_thumbnails"),
                    figure(page, "batch_s"), figure(page, "peak_batch"),
                    figure(page, "rss_batch"), page.peakByWait, qPrintable(page.load));
        const Run worker = spawnChild(self, "--worker", photos, output);
        std::printf("  round %d worker alone: %s resident at start %.0f MB; batch %.2f s, peak %.0f MB (resident after "
                    "%.0f MB), by wait4 %.0f MB; load %s\n",
                    round, worker.ok ? "" : "FAILED", figure(worker, "rss_start"),
                    figure(worker, "batch_s"),
                    figure(worker, "peak_batch"), figure(worker, "rss_batch"),
                    worker.peakByWait, qPrintable(worker.load));
        if (page.ok && (!bestPage.ok || figure(page, "peak_batch") < figure(bestPage, "peak_batch")))
            bestPage = page;
        if (worker.ok
            && (!bestWorker.ok || figure(worker, "peak_batch") < figure(bestWorker, "peak_batch")))
            bestWorker = worker;
    }
    std::printf("best program: window %.0f MB, peak after thumbnails %.0f MB, peak in all %.0f MB, thumbnails "
                "%.2f s, batch %.2f s (load %s)\n",
                figure(bestPage, "peak_window"), figure(bestPage, "peak_thumbnails"),
                figure(bestPage, "peak_batch"),
                figure(bestPage, "thumbnails_s"), figure(bestPage, "batch_s"),
                qPrintable(bestPage.load));
    std::printf("best worker alone: peak %.0f MB, batch %.2f s (load %s)\n",
                figure(bestWorker, "peak_batch"), figure(bestWorker, "batch_s"),
                qPrintable(bestWorker.load));
    // The worker's peak moves by tens of megabytes from run to run with the pool's timing; what
    // the program holds beside it when the batch starts is steadier.
    std::printf("page's share: program peak - worker peak %.0f MB; resident when the batch "
                "starts, program - worker alone: %.0f MB\n",
                figure(bestPage, "peak_batch") - figure(bestWorker, "peak_batch"),
                figure(bestPage, "rss_thumbnails") - figure(bestWorker, "rss_start"));
    return bestPage.ok && bestWorker.ok ? 0 : 1;
}
