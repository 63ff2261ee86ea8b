// Playback on the viewer page: a 100-frame GIF of 40 ms frames, played from the page once with
// "Apply Convert Settings" off and once ticked with the modules as they start (a new engine
// converts every shown frame on the interface thread), twice each. Wall time from the start of playback
// until frame 0 comes round again, against the summed delays.
//
//   bench_editingframe
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

#include "settings/IQBatchSettings.h"
#include "IQEditingFrame.h"
#include "MovingGif.h"
#include "ViewerWidget.h"

namespace {

constexpr int kFrames = 100;
constexpr int kDelayMs = 40;
constexpr int kWidth = 320;
constexpr int kHeight = 240;

void play(const QString &path, bool apply)
{
    const char *label = apply ? "apply ticked" : "apply off";
    IQEditingFrame page;
    page.resize(900, 700);
    page.show();
    page.findChild<QCheckBox *>(QStringLiteral("applyCheckBox"))->setChecked(apply);
    auto *host = page.findChild<ViewerWidget *>();

    // The clock starts with playback, once the first frame is on screen.
    QElapsedTimer wall;
    QObject::connect(host, &ViewerWidget::animationPaused, host, [&wall](bool paused) {
        if (!paused)
            wall.start();
    });
    QEventLoop loop;
    int shown = 0;
    QObject::connect(host, &ViewerWidget::frameChanged, &loop, [&](int frame, const QImage &) {
        ++shown;
        if (frame == 0 && shown > 1)
            loop.quit();
    });
    QTimer::singleShot(kFrames * kDelayMs * 3, &loop, &QEventLoop::quit);

    page.loadFiles({path}, 0);
    if (!wall.isValid()) {
        std::printf("playback, %s: the GIF did not play\n", label);
        return;
    }
    loop.exec();
    const double elapsed = wall.nsecsElapsed() / 1e6;
    if (shown <= kFrames) {
        std::printf("playback, %s: did not come round (%d frames shown)\n", label, shown);
        return;
    }
    const double expected = kFrames * kDelayMs;
    std::printf("playback, %s: %d frames of %d ms: %.1f ms for %.0f ms of delays (%+.2f %%)\n",
                label, kFrames, kDelayMs, elapsed, expected,
                100.0 * (elapsed - expected) / expected);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("play.gif"));
    if (!folder.isValid() || !MovingGif::write(path, kFrames, kWidth, kHeight, kDelayMs)) {
        std::printf("playback: could not write the GIF\n");
        return 1;
    }
    // The modules as they start: nothing changes the frames' size, yet each one is converted.
    *IQBatchSettings::instance() = IQBatchSettings();
    // Twice each: the first page of a run also pays for what the program sets up once.
    for (int round = 0; round < 2; ++round) {
        play(path, false);
        play(path, true);
    }
    return 0;
}
