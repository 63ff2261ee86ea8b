// The picture area of the viewer page, timed as a user meets it:
//  1. a 100-frame GIF of 40 ms frames played through the viewer host: wall time against the
//     summed delays;
//  2. one step back from frame 400 of a 500-frame 640 x 360 GIF, and the memory that three
//     loops of it add (bounded by the view's cache of shown frames);
//  3. the redraw of a 24-megapixel photo in a 1920 x 1080 view, fitted and at actual size.
//
//   bench_viewer
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>

#include "ImageViewerV2.h"
#include "MovingGif.h"
#include "documents/QStdMovie.h"
#include "ViewerWidget.h"

namespace {

constexpr int kPlayFrames = 100;
constexpr int kPlayDelayMs = 40;
constexpr int kLongFrames = 500;
constexpr int kLongWidth = 640;
constexpr int kLongHeight = 360;
constexpr int kStepBackFrom = 400;
constexpr int kPhotoWidth = 6000;
constexpr int kPhotoHeight = 4000;
constexpr int kRedraws = 30;
constexpr int kCopyWaitMs = 1500;

std::unique_ptr<QMovieProxy> openGif(const QString &path)
{
    auto movie = std::make_unique<QStdMovie>();
    movie->open(path, "gif");
    return movie;
}

// Resident memory in MiB, from the kernel's view of this process.
double residentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0.0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toDouble() * 4096.0 / (1024.0 * 1024.0) : 0.0;
}

// Runs the event loop until frame is shown count times, or timeoutMs pass.
bool waitForFrame(ViewerWidget *host, int frame, int count, int timeoutMs)
{
    int seen = 0;
    QEventLoop loop;
    const auto connection = QObject::connect(host, &ViewerWidget::frameChanged, &loop,
                                             [&](int shown, const QImage &) {
                                                 if (shown == frame && ++seen == count)
                                                     loop.quit();
                                             });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(connection);
    return seen == count;
}

void benchPlayback(const QString &folder)
{
    const QString path = folder + QStringLiteral("/play.gif");
    if (!MovingGif::write(path, kPlayFrames, 320, 240, kPlayDelayMs)) {
        std::printf("playback: could not write the GIF\n");
        return;
    }
    ViewerWidget host;
    host.resize(800, 600);
    host.show();
    std::unique_ptr<QMovieProxy> movie = openGif(path);
    // The clock starts with playback, once the first frame is on screen.
    QElapsedTimer wall;
    QObject::connect(&host, &ViewerWidget::animationPaused, &host, [&wall](bool paused) {
        if (!paused)
            wall.start();
    });
    if (!host.showAnimation(movie)) {
        std::printf("playback: the GIF was refused\n");
        return;
    }
    // Frame 0 again: every frame has had its delay once.
    if (!waitForFrame(&host, 0, 1, kPlayFrames * kPlayDelayMs * 3)) {
        std::printf("playback: did not come round\n");
        return;
    }
    const double elapsed = wall.nsecsElapsed() / 1e6;
    const double expected = kPlayFrames * kPlayDelayMs;
    std::printf("playback: %d frames of %d ms: %.1f ms for %.0f ms of delays (%+.2f %%)\n",
                kPlayFrames, kPlayDelayMs, elapsed, expected,
                100.0 * (elapsed - expected) / expected);
}

void benchStepBack(const QString &folder)
{
    const QString path = folder + QStringLiteral("/long.gif");
    if (!MovingGif::write(path, kLongFrames, kLongWidth, kLongHeight, 20)) {
        std::printf("step back: could not write the GIF\n");
        return;
    }
    ViewerWidget host;
    host.resize(1280, 720);
    host.show();
    auto *view = host.findChild<ImageViewerV2 *>();
    std::unique_ptr<QMovieProxy> movie = openGif(path);
    const double before = residentMiB();
    host.showAnimation(movie);
    host.stopPlayback();

    QElapsedTimer timer;
    timer.start();
    for (int frame = 1; frame <= kStepBackFrom; ++frame)
        view->showAnimationFrame(frame);
    const double forward = timer.nsecsElapsed() / 1e6;
    timer.restart();
    host.frameStepBack();
    const double back = timer.nsecsElapsed() / 1e6;
    std::printf("step back: frame %d to %d of %d (%d x %d): %.3f ms (walking forward to it: "
                "%.2f ms a frame)\n",
                kStepBackFrom, view->currentFrameNumber(), kLongFrames, kLongWidth, kLongHeight,
                back, forward / kStepBackFrom);
    // Without the cache of shown frames a step back decodes again from the first frame.
    const qint64 limit = view->frameCacheLimit();
    view->setFrameCacheLimit(0);
    timer.restart();
    host.frameStepBack();
    std::printf("step back: frame %d to %d without the frame cache: %.2f ms\n",
                kStepBackFrom - 1, view->currentFrameNumber(), timer.nsecsElapsed() / 1e6);
    view->setFrameCacheLimit(limit);

    // Three whole loops, stepping as the player does.
    for (int loop = 0; loop < 3; ++loop) {
        for (int n = 0; n < kLongFrames; ++n)
            view->nextFrame();
        std::printf("step back: after loop %d: %+.1f MiB resident since the file was opened "
                    "(frame cache %.1f MiB of its %.1f MiB)\n",
                    loop + 1, residentMiB() - before, view->frameCacheSize() / 1048576.0,
                    view->frameCacheLimit() / 1048576.0);
    }
}

void benchRedraw()
{
    QImage photo(kPhotoWidth, kPhotoHeight, QImage::Format_RGB32);
    {
        QPainter painter(&photo);
        QLinearGradient sky(0, 0, kPhotoWidth, kPhotoHeight);
        sky.setColorAt(0.0, QColor(40, 90, 160));
        sky.setColorAt(1.0, QColor(200, 170, 90));
        painter.fillRect(photo.rect(), sky);
    }
    ViewerWidget host;
    host.resize(1920, 1080);
    host.show();
    QCoreApplication::processEvents();
    auto *view = host.findChild<ImageViewerV2 *>();
    host.showImage(std::make_unique<QPixmap>(QPixmap::fromImage(photo)));

    const auto timeRedraws = [view] {
        view->viewport()->repaint();
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < kRedraws; ++i)
            view->viewport()->repaint();
        return timer.nsecsElapsed() / 1e6 / kRedraws;
    };
    host.setFitMode(FIT_WINDOW);
    const double sampled = timeRedraws();
    // The smooth copy of the shrunk photo is made off the GUI thread; give it time to arrive.
    QEventLoop loop;
    QTimer::singleShot(kCopyWaitMs, &loop, &QEventLoop::quit);
    loop.exec();
    const double fitted = timeRedraws();
    const float fitScale = view->currentScale();
    host.setFitMode(FIT_ORIGINAL);
    const double actual = timeRedraws();
    std::printf("redraw: %d x %d photo in a %d x %d view: fitted (scale %.3f) %.2f ms, %.2f ms "
                "until its smooth copy is made; %.2f ms at actual size\n",
                kPhotoWidth, kPhotoHeight, view->viewport()->width(), view->viewport()->height(),
                double(fitScale), fitted, sampled, actual);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::printf("no temporary folder\n");
        return 1;
    }
    benchPlayback(folder.path());
    benchStepBack(folder.path());
    benchRedraw();
    return 0;
}
