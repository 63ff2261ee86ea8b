#include <QtTest>

#include <memory>

#include "BrvTest.h"
#include "ImageViewerV2.h"
#include "ScriptedMovie.h"
#include "ShownWidget.h"
#include "ViewerWidget.h"

namespace {

const QSize kViewSize(800, 600);
const QList<QColor> kColors = {Qt::red, Qt::green, Qt::blue, Qt::yellow};

std::unique_ptr<QPixmap> pixmapOf(const QSize &size, const QColor &color = Qt::darkCyan)
{
    return std::make_unique<QPixmap>(
        QPixmap::fromImage(BrvTest::solidImage(size.width(), size.height(), color)));
}

std::unique_ptr<ViewerWidget> shownHost()
{
    return BrvTest::shownWidget<ViewerWidget>(kViewSize);
}

ImageViewerV2 *viewOf(ViewerWidget *host)
{
    return host->findChild<ImageViewerV2 *>();
}

std::unique_ptr<QMovieProxy> movieOf(int frames, std::shared_ptr<ScriptedMovie::Counters> *counters = nullptr)
{
    auto movie = std::make_unique<ScriptedMovie>(kColors.mid(0, frames));
    movie->setDelays(QVector<int>(frames, 20).toList());
    if (counters)
        *counters = movie->counters();
    return movie;
}

QColor shownColor(ViewerWidget *host)
{
    return BrvTest::grabbedColor(host, host->rect().center());
}

} // namespace

class tst_ViewerWidget : public QObject
{
    Q_OBJECT

private slots:
    void showsStillsAndRefusesNull()
    {
        auto host = shownHost();
        QVERIFY(host);
        QVERIFY(viewOf(host.get())->isVisible());
        QSignalSpy scales(host.get(), &ViewerWidget::scaleChanged);
        QSignalSpy ranges(host.get(), &ViewerWidget::scaleRangeChanged);
        QVERIFY(host->showImage(pixmapOf(QSize(1600, 1200))));
        QCOMPARE(host->currentScale(), 0.5f);
        QCOMPARE(host->minScale(), 0.5f);
        QCOMPARE(host->maxScale(), 10.0f);
        QCOMPARE(host->fitMode(), FIT_WINDOW);
        QVERIFY(!scales.isEmpty());
        QCOMPARE(scales.last().at(0).toDouble(), 0.5);
        QVERIFY(!ranges.isEmpty());
        QVERIFY(!host->showImage(nullptr));
        QVERIFY(!host->showImage(std::make_unique<QPixmap>()));
        QCOMPARE(host->currentScale(), 0.5f);
        BrvTest::saveScreenshot(host.get(), QStringLiteral("viewerwidget-still"));
    }

    void scaleSignalsWaitUntilShown()
    {
        ViewerWidget host;
        host.resize(kViewSize);
        QSignalSpy scales(&host, &ViewerWidget::scaleChanged);
        QSignalSpy ranges(&host, &ViewerWidget::scaleRangeChanged);
        QVERIFY(host.showImage(pixmapOf(QSize(1600, 1200))));
        QVERIFY(scales.isEmpty());
        QVERIFY(ranges.isEmpty());
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QTRY_COMPARE_WITH_TIMEOUT(host.currentScale(), 0.5f, BrvTest::kEventTimeoutMs);
        QVERIFY(!ranges.isEmpty());
    }

    void fitModesDriveTheView_data()
    {
        QTest::addColumn<ImageFitMode>("mode");
        QTest::addColumn<float>("scale");
        QTest::addColumn<ImageFitMode>("expected");
        QTest::newRow("window") << FIT_WINDOW << 0.5f << FIT_WINDOW;
        QTest::newRow("width") << FIT_WIDTH << 0.5f << FIT_WIDTH;
        QTest::newRow("original") << FIT_ORIGINAL << 1.0f << FIT_ORIGINAL;
        QTest::newRow("free leaves the zoom") << FIT_FREE << 0.6f << FIT_FREE;
    }
    void fitModesDriveTheView()
    {
        QFETCH(ImageFitMode, mode);
        QFETCH(float, scale);
        QFETCH(ImageFitMode, expected);
        auto host = shownHost();
        QVERIFY(host);
        QVERIFY(host->showImage(pixmapOf(QSize(1600, 1200))));
        host->slotZoomIn();
        QCOMPARE(host->currentScale(), 0.6f);
        QSignalSpy windows(host.get(), &ViewerWidget::fitWindow);
        QSignalSpy widths(host.get(), &ViewerWidget::fitWidth);
        QSignalSpy originals(host.get(), &ViewerWidget::fitOriginal);
        QSignalSpy scales(host.get(), &ViewerWidget::scaleChanged);
        host->setFitMode(mode);
        QCOMPARE(windows.count(), mode == FIT_WINDOW ? 1 : 0);
        QCOMPARE(widths.count(), mode == FIT_WIDTH ? 1 : 0);
        QCOMPARE(originals.count(), mode == FIT_ORIGINAL ? 1 : 0);
        if (mode == FIT_FREE)
            QVERIFY(scales.isEmpty());
        QCOMPARE(host->currentScale(), scale);
        QCOMPARE(host->fitMode(), expected);
    }

    void zoomCommands()
    {
        auto host = shownHost();
        QVERIFY(host);
        QVERIFY(host->showImage(pixmapOf(QSize(1600, 1200))));
        host->slotZoomIn();
        QCOMPARE(host->currentScale(), 0.6f);
        host->slotZoomOut();
        QCOMPARE(host->currentScale(), 0.5f);
        host->slotZoom(2.5);
        QCOMPARE(host->currentScale(), 2.5f);
        QCOMPARE(host->fitMode(), FIT_FREE);
        emit host->toggleLockZoom();
        QVERIFY(viewOf(host.get())->lockZoomEnabled());
    }

    void showAnimationRelaysPlayback()
    {
        auto host = shownHost();
        QVERIFY(host);
        QSignalSpy durations(host.get(), &ViewerWidget::durationChanged);
        QSignalSpy frames(host.get(), &ViewerWidget::frameChanged);
        QSignalSpy paused(host.get(), &ViewerWidget::animationPaused);
        QSignalSpy finished(host.get(), &ViewerWidget::playbackFinished);
        std::unique_ptr<QMovieProxy> movie = movieOf(3);
        QVERIFY(host->showAnimation(movie));
        QVERIFY(!movie);
        QCOMPARE(durations.count(), 1);
        QCOMPARE(durations.at(0).at(1).toInt(), 3);
        QVERIFY(!paused.isEmpty());
        QCOMPARE(paused.last().at(0).toBool(), false);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 3, BrvTest::kEventTimeoutMs);
        host->setLoopPlayback(false);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, BrvTest::kEventTimeoutMs);
        QCOMPARE(shownColor(host.get()), QColor(Qt::blue));
        BrvTest::saveScreenshot(host.get(), QStringLiteral("viewerwidget-animation"));
    }

    void refusedSourceIsFreedOnce_data()
    {
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("frames");
        QTest::newRow("not valid") << false << 3;
        QTest::newRow("nothing to show") << true << 0;
    }
    void refusedSourceIsFreedOnce()
    {
        QFETCH(bool, valid);
        QFETCH(int, frames);
        auto host = shownHost();
        QVERIFY(host);
        std::shared_ptr<ScriptedMovie::Counters> counters;
        std::unique_ptr<QMovieProxy> movie = movieOf(frames, &counters);
        static_cast<ScriptedMovie *>(movie.get())->setValid(valid);
        QVERIFY(!host->showAnimation(movie));
        QCOMPARE(counters->destroyed, 0);
        movie.reset();
        QCOMPARE(counters->destroyed, 1);
        host.reset();
        QCOMPARE(counters->destroyed, 1);

        std::unique_ptr<QMovieProxy> none;
        auto other = shownHost();
        QVERIFY(!other->showAnimation(none));
    }

    void takenSourceIsFreedWithTheHost()
    {
        auto host = shownHost();
        QVERIFY(host);
        std::shared_ptr<ScriptedMovie::Counters> counters;
        std::unique_ptr<QMovieProxy> movie = movieOf(3, &counters);
        QVERIFY(host->showAnimation(movie));
        QCOMPARE(counters->destroyed, 0);
        host.reset();
        QCOMPARE(counters->destroyed, 1);
    }

    void controlsLeavePlaybackPaused_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("frame");
        QTest::newRow("seek") << "seek" << 2;
        QTest::newRow("frame step") << "step" << -1;
        QTest::newRow("frame step back") << "back" << -1;
    }
    void controlsLeavePlaybackPaused()
    {
        QFETCH(QString, control);
        QFETCH(int, frame);
        auto host = shownHost();
        QVERIFY(host);
        ImageViewerV2 *view = viewOf(host.get());
        std::unique_ptr<QMovieProxy> movie = movieOf(4);
        QVERIFY(host->showAnimation(movie));
        QVERIFY(view->isPlaying());
        const int before = view->currentFrameNumber();
        if (control == QLatin1String("seek"))
            host->seek(frame);
        else if (control == QLatin1String("step"))
            host->frameStep();
        else
            host->frameStepBack();
        QVERIFY(!view->isPlaying());
        if (frame < 0)
            frame = control == QLatin1String("step") ? (before + 1) % 4 : (before + 3) % 4;
        QCOMPARE(view->currentFrameNumber(), frame);
        QCOMPARE(shownColor(host.get()), kColors.at(frame));
        QTest::qWait(60);
        QVERIFY(!view->isPlaying());
        QCOMPARE(view->currentFrameNumber(), frame);
    }

    void pauseResume()
    {
        auto host = shownHost();
        QVERIFY(host);
        ImageViewerV2 *view = viewOf(host.get());
        QSignalSpy paused(host.get(), &ViewerWidget::animationPaused);
        host->pauseResumePlayback();
        QVERIFY(host->showImage(pixmapOf(QSize(400, 300))));
        host->pauseResumePlayback();
        QVERIFY(paused.isEmpty());

        std::unique_ptr<QMovieProxy> movie = movieOf(3);
        QVERIFY(host->showAnimation(movie));
        host->pauseResumePlayback();
        QVERIFY(!view->isPlaying());
        host->pauseResumePlayback();
        QVERIFY(view->isPlaying());
        host->stopPlayback();
        QVERIFY(!view->isPlaying());
        host->startPlayback();
        QVERIFY(view->isPlaying());

        // A still in place of the animation ends playback and frees the source.
        QVERIFY(host->showImage(pixmapOf(QSize(400, 300))));
        QVERIFY(!view->hasAnimation());
    }

    void closeImage()
    {
        auto host = shownHost();
        QVERIFY(host);
        std::unique_ptr<QMovieProxy> movie = movieOf(3);
        QVERIFY(host->showAnimation(movie));
        host->closeImage();
        QVERIFY(!viewOf(host.get())->hasImage());
        QVERIFY(!viewOf(host.get())->hasAnimation());
    }

    void draggedOutIsRelayed()
    {
        auto host = shownHost();
        QVERIFY(host);
        QVERIFY(host->showImage(pixmapOf(QSize(400, 300))));
        QSignalSpy dragged(host.get(), &ViewerWidget::draggedOut);
        QWidget *area = viewOf(host.get())->viewport();
        BrvTest::sendMouse(area, QEvent::MouseButtonPress, QPoint(100, 100), Qt::LeftButton,
                           Qt::LeftButton);
        BrvTest::sendMouse(area, QEvent::MouseMove, QPoint(130, 100), Qt::NoButton,
                           Qt::LeftButton);
        BrvTest::sendMouse(area, QEvent::MouseButtonRelease, QPoint(130, 100), Qt::LeftButton,
                           Qt::NoButton);
        QCOMPARE(dragged.count(), 1);
    }

    void keysAndTabStayInTheHost()
    {
        QWidget window;
        auto *host = new ViewerWidget(&window);
        host->resize(kViewSize);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
        QCoreApplication::sendEvent(host, &press);
        QVERIFY(press.isAccepted());
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(host, &tab);
        QVERIFY(tab.isAccepted());
    }
};

QTEST_MAIN(tst_ViewerWidget)
#include "tst_viewerwidget.moc"
