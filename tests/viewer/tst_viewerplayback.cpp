#include <QtTest>

#include <QScrollBar>
#include <QTemporaryDir>

#include <memory>

#include "BrvTest.h"
#include "ImageFixtures.h"
#include "ImageViewerV2.h"
#include "documents/QStdMovie.h"
#include "ScriptedMovie.h"
#include "ShownWidget.h"

namespace {

const QSize kViewSize(800, 600);
const QList<QColor> kColors = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::magenta};
const QRegularExpression kMovieError(QStringLiteral("^\\[Error\\] QMovie:"));

std::unique_ptr<ImageViewerV2> shownView()
{
    return BrvTest::shownWidget<ImageViewerV2>(kViewSize);
}

QColor shownColor(ImageViewerV2 *view)
{
    return BrvTest::grabbedColor(view->viewport(), view->viewport()->rect().center());
}

QColor colorOf(const QImage &image)
{
    return image.isNull() ? QColor() : QColor(image.pixel(image.width() / 2, image.height() / 2));
}

// Hands a scripted source to the view, keeping a look at it for the test.
struct Loaded {
    ScriptedMovie *movie = nullptr;
    std::shared_ptr<ScriptedMovie::Counters> counters;
};

Loaded load(ImageViewerV2 *view, std::unique_ptr<ScriptedMovie> scripted)
{
    Loaded loaded{scripted.get(), scripted->counters()};
    std::unique_ptr<QMovieProxy> movie = std::move(scripted);
    if (!view->showAnimation(movie))
        return Loaded{};
    return loaded;
}

std::unique_ptr<ScriptedMovie> scripted(int frames, int delayMs = 20)
{
    auto movie = std::make_unique<ScriptedMovie>(kColors.mid(0, frames));
    movie->setDelays(QVector<int>(frames, delayMs).toList());
    return movie;
}

// Records the playback signals of a view in the order they come.
struct Journal : QObject {
    QStringList entries;
    explicit Journal(ImageViewerV2 *view)
    {
        connect(view, &ImageViewerV2::animationPaused, this, [this](bool paused) {
            entries << (paused ? QStringLiteral("paused") : QStringLiteral("playing"));
        });
        connect(view, &ImageViewerV2::playbackFinished, this,
                [this] { entries << QStringLiteral("finished"); });
        connect(view, &ImageViewerV2::frameChanged, this,
                [this](int frame, const QImage &) { entries << QStringLiteral("frame %1").arg(frame); });
    }
};

class SignalCounter : public QObject
{
    Q_OBJECT
public:
    int seen = 0;
public slots:
    void count() { ++seen; }
};

bool fillMagenta(QPixmap *frame, void *context)
{
    ++*static_cast<int *>(context);
    frame->fill(Qt::magenta);
    return true;
}

} // namespace

class tst_ViewerPlayback : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void showAnimationShowsTheFirstFrameAndPlays()
    {
        auto view = shownView();
        QVERIFY(view);
        QSignalSpy durations(view.get(), &ImageViewerV2::durationChanged);
        QSignalSpy frames(view.get(), &ImageViewerV2::frameChanged);
        auto movie = scripted(3, 30);
        movie->setDelays({30, 40, 50});
        const Loaded loaded = load(view.get(), std::move(movie));
        QVERIFY(loaded.movie);
        QVERIFY(view->hasAnimation());
        QVERIFY(view->isPlaying());
        QCOMPARE(durations.count(), 1);
        QCOMPARE(durations.at(0).at(0).toInt(), 30);
        QCOMPARE(durations.at(0).at(1).toInt(), 3);
        QCOMPARE(frames.count(), 1);
        QCOMPARE(frames.at(0).at(0).toInt(), 0);
        QCOMPARE(colorOf(frames.at(0).at(1).value<QImage>()), QColor(Qt::red));
        QCOMPARE(shownColor(view.get()), QColor(Qt::red));
        // 64 x 48 fits four times over: the expand limit holds.
        QCOMPARE(view->currentScale(), 4.0f);

        // Playback loops on, so later frames may already have followed the third.
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 3, BrvTest::kEventTimeoutMs);
        QCOMPARE(frames.at(2).at(0).toInt(), 2);
        QCOMPARE(colorOf(frames.at(2).at(1).value<QImage>()), QColor(Qt::blue));
    }

    void startStopSignals_data()
    {
        QTest::addColumn<int>("frames");
        QTest::addColumn<QString>("call");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("playing");
        QTest::newRow("start") << 3 << "start" << QStringList{"paused", "playing"} << true;
        QTest::newRow("stop") << 3 << "stop" << QStringList{"paused"} << false;
        QTest::newRow("stop twice") << 3 << "stop stop" << QStringList{"paused", "paused"} << false;
        QTest::newRow("one frame never starts") << 1 << "start" << QStringList{} << false;
        QTest::newRow("loop on starts a paused one")
            << 3 << "stop loopoff loopon" << QStringList{"paused", "paused", "playing"} << true;
    }
    void startStopSignals()
    {
        QFETCH(int, frames);
        QFETCH(QString, call);
        QFETCH(QStringList, expected);
        QFETCH(bool, playing);
        auto view = shownView();
        QVERIFY(view);
        QVERIFY(load(view.get(), scripted(frames, 1000)).movie);
        Journal journal(view.get());
        for (const QString &step : call.split(QLatin1Char(' '))) {
            if (step == QLatin1String("start"))
                view->startAnimation();
            else if (step == QLatin1String("stop"))
                view->stopAnimation();
            else if (step == QLatin1String("loopoff"))
                view->setLoopPlayback(false);
            else if (step == QLatin1String("loopon"))
                view->setLoopPlayback(true);
        }
        QCOMPARE(journal.entries, expected);
        QCOMPARE(view->isPlaying(), playing);
    }

    void withoutLoopPlaybackFinishesOnTheLastFrame()
    {
        auto view = shownView();
        QVERIFY(view);
        view->setLoopPlayback(false);
        Journal journal(view.get());
        const Loaded loaded = load(view.get(), scripted(3));
        QVERIFY(loaded.movie);
        QTRY_VERIFY_WITH_TIMEOUT(journal.entries.contains(QStringLiteral("finished")), BrvTest::kEventTimeoutMs);
        QCOMPARE(journal.entries, (QStringList{"frame 0", "paused", "playing", "frame 1",
                                               "frame 2", "paused", "finished"}));
        QVERIFY(!view->isPlaying());
        QCOMPARE(shownColor(view.get()), QColor(Qt::blue));

        // Started again on the last frame, it finishes at once.
        journal.entries.clear();
        view->startAnimation();
        QTRY_VERIFY_WITH_TIMEOUT(journal.entries.contains(QStringLiteral("finished")), BrvTest::kEventTimeoutMs);
        QCOMPARE(journal.entries, (QStringList{"paused", "playing", "paused", "finished"}));
    }

    void loopWrapsToTheFirstFrame()
    {
        auto view = shownView();
        QVERIFY(view);
        QSignalSpy frames(view.get(), &ImageViewerV2::frameChanged);
        QVERIFY(load(view.get(), scripted(3)).movie);
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 5, BrvTest::kEventTimeoutMs);
        QCOMPARE(frames.at(3).at(0).toInt(), 0);
        QCOMPARE(colorOf(frames.at(3).at(1).value<QImage>()), QColor(Qt::red));
        QCOMPARE(frames.at(4).at(0).toInt(), 1);
    }

    void stepping_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("call");
        QTest::addColumn<int>("to");
        QTest::newRow("next") << 1 << "next" << 2;
        QTest::newRow("next wraps") << 4 << "next" << 0;
        QTest::newRow("previous") << 3 << "prev" << 2;
        QTest::newRow("previous wraps") << 0 << "prev" << 4;
    }
    void stepping()
    {
        QFETCH(int, from);
        QFETCH(QString, call);
        QFETCH(int, to);
        auto view = shownView();
        QVERIFY(view);
        QVERIFY(load(view.get(), scripted(5)).movie);
        view->stopAnimation();
        QVERIFY(view->showAnimationFrame(from));
        QSignalSpy frames(view.get(), &ImageViewerV2::frameChanged);
        if (call == QLatin1String("next"))
            view->nextFrame();
        else
            view->prevFrame();
        QCOMPARE(frames.count(), 1);
        QCOMPARE(frames.at(0).at(0).toInt(), to);
        QCOMPARE(view->currentFrameNumber(), to);
        QCOMPARE(shownColor(view.get()), kColors.at(to));
        QVERIFY(!view->isPlaying());
    }

    void seeking_data()
    {
        QTest::addColumn<int>("frame");
        QTest::addColumn<bool>("result");
        QTest::addColumn<int>("emitted");
        QTest::newRow("forward") << 3 << true << 1;
        QTest::newRow("current frame") << 1 << true << 0;
        QTest::newRow("before the first") << -1 << false << 0;
        QTest::newRow("past the last") << 5 << false << 0;
    }
    void seeking()
    {
        QFETCH(int, frame);
        QFETCH(bool, result);
        QFETCH(int, emitted);
        auto view = shownView();
        QVERIFY(view);
        QVERIFY(load(view.get(), scripted(5)).movie);
        view->stopAnimation();
        QVERIFY(view->showAnimationFrame(1));
        QSignalSpy frames(view.get(), &ImageViewerV2::frameChanged);
        QSignalSpy paused(view.get(), &ImageViewerV2::animationPaused);
        QCOMPARE(view->showAnimationFrame(frame), result);
        QCOMPARE(frames.count(), emitted);
        QCOMPARE(view->currentFrameNumber(), emitted ? frame : 1);
        // Seeking neither starts nor stops playback.
        QVERIFY(paused.isEmpty());
        QVERIFY(!view->isPlaying());
    }

    void steppingBackUsesShownFrames()
    {
        auto view = shownView();
        QVERIFY(view);
        const Loaded loaded = load(view.get(), scripted(5));
        view->stopAnimation();
        for (int frame = 1; frame < 5; ++frame)
            QVERIFY(view->showAnimationFrame(frame));
        const int decodes = loaded.counters->decodes;
        QCOMPARE(loaded.counters->rewinds, 0);
        view->prevFrame();
        view->prevFrame();
        QCOMPARE(view->currentFrameNumber(), 2);
        QCOMPARE(shownColor(view.get()), QColor(Qt::blue));
        QCOMPARE(loaded.counters->rewinds, 0);
        QCOMPARE(loaded.counters->decodes, decodes);
        QVERIFY(view->frameCacheSize() > 0);
        QVERIFY(view->frameCacheSize() <= view->frameCacheLimit());
    }

    void seekingBackWithoutCacheRestartsFromTheFirstFrame()
    {
        auto view = shownView();
        QVERIFY(view);
        view->setFrameCacheLimit(0);
        const Loaded loaded = load(view.get(), scripted(5));
        view->stopAnimation();
        QVERIFY(view->showAnimationFrame(4));
        const int decodes = loaded.counters->decodes;
        QVERIFY(view->showAnimationFrame(2));
        QCOMPARE(loaded.counters->rewinds, 1);
        QCOMPARE(loaded.counters->decodes, decodes + 3);
        QCOMPARE(shownColor(view.get()), QColor(Qt::blue));
        QCOMPARE(view->frameCacheSize(), 0);
    }

    void playingResumesAfterAStepBack()
    {
        auto view = shownView();
        QVERIFY(view);
        QSignalSpy frames(view.get(), &ImageViewerV2::frameChanged);
        QVERIFY(load(view.get(), scripted(5)).movie);
        view->stopAnimation();
        QVERIFY(view->showAnimationFrame(3));
        QVERIFY(view->showAnimationFrame(1));
        frames.clear();
        view->startAnimation();
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 4, BrvTest::kEventTimeoutMs);
        QList<int> order;
        for (const QList<QVariant> &args : frames)
            order << args.at(0).toInt();
        QCOMPARE(order.mid(0, 4), (QList<int>{2, 3, 4, 0}));
        QCOMPARE(colorOf(frames.at(2).at(1).value<QImage>()), QColor(Qt::magenta));
    }

    void failedStepStopsOnTheLastGoodFrame()
    {
        auto view = shownView();
        QVERIFY(view);
        auto movie = scripted(5);
        movie->failStepInto(2);
        QTest::ignoreMessage(QtDebugMsg, kMovieError);
        Journal journal(view.get());
        QVERIFY(load(view.get(), std::move(movie)).movie);
        QTRY_VERIFY_WITH_TIMEOUT(!view->isPlaying(), BrvTest::kEventTimeoutMs);
        QCOMPARE(journal.entries.last(), QStringLiteral("paused"));
        QCOMPARE(view->currentFrameNumber(), 1);
        QCOMPARE(shownColor(view.get()), QColor(Qt::green));
        QVERIFY(!journal.entries.contains(QStringLiteral("frame 2")));
    }

    void failedSeekShowsTheFrameReached()
    {
        auto view = shownView();
        QVERIFY(view);
        view->setFrameCacheLimit(0);
        auto movie = scripted(5);
        movie->failStepInto(3);
        QVERIFY(load(view.get(), std::move(movie)).movie);
        view->stopAnimation();
        QTest::ignoreMessage(QtDebugMsg, kMovieError);
        QSignalSpy frames(view.get(), &ImageViewerV2::frameChanged);
        QVERIFY(view->showAnimationFrame(4));
        QCOMPARE(frames.count(), 1);
        QCOMPARE(frames.at(0).at(0).toInt(), 2);
        QCOMPARE(shownColor(view.get()), QColor(Qt::blue));
    }

    void stepThatDoesNotMoveGivesUp()
    {
        auto view = shownView();
        QVERIFY(view);
        auto movie = scripted(5);
        movie->stallStepInto(3);
        const Loaded loaded = load(view.get(), std::move(movie));
        QVERIFY(loaded.movie);
        view->stopAnimation();
        QTest::ignoreMessage(QtDebugMsg, kMovieError);
        QVERIFY(view->showAnimationFrame(4));
        QCOMPARE(view->currentFrameNumber(), 2);
        QCOMPARE(shownColor(view.get()), QColor(Qt::blue));
        QVERIFY(loaded.counters->decodes <= 5);
    }

    void shortDelaysPlayForATenthOfASecond()
    {
        auto view = shownView();
        QVERIFY(view);
        QSignalSpy durations(view.get(), &ImageViewerV2::durationChanged);
        QElapsedTimer clock;
        clock.start();
        QList<qint64> shownAt;
        connect(view.get(), &ImageViewerV2::frameChanged, this,
                [&](int, const QImage &) { shownAt << clock.elapsed(); });
        auto movie = scripted(3, 0);
        movie->setDelays({0, 10, 0});
        QVERIFY(load(view.get(), std::move(movie)).movie);
        QCOMPARE(durations.at(0).at(0).toInt(), 100);
        QTRY_VERIFY_WITH_TIMEOUT(shownAt.size() >= 3, BrvTest::kEventTimeoutMs);
        // Played at the decoding speed, they would follow each other at once, and at their own
        // delay within 10 ms. Each frame is due a tenth of a second after the one before, so
        // none comes early; a frame shown late brings the next one closer to it, which is why
        // only the first gap and the whole run are bounded.
        QVERIFY2(shownAt[1] - shownAt[0] >= 90, qPrintable(QString::number(shownAt[1] - shownAt[0])));
        QVERIFY2(shownAt[2] - shownAt[0] >= 190, qPrintable(QString::number(shownAt[2] - shownAt[0])));
    }

    void differentSizeRefitsSameSizeKeepsZoom()
    {
        auto view = shownView();
        QVERIFY(view);
        auto movie = std::make_unique<ScriptedMovie>(kColors.mid(0, 3), QSize(1600, 1200));
        movie->setSizes({QSize(1600, 1200), QSize(1600, 1200), QSize(400, 300)});
        QVERIFY(load(view.get(), std::move(movie)).movie);
        view->stopAnimation();
        QCOMPARE(view->currentScale(), 0.5f);
        view->zoomIn();
        view->setScrollPosition(view->horizontalScrollBar()->value() + 50,
                                view->verticalScrollBar()->value() + 40);
        const QRect zoomed = view->imageRect();
        QSignalSpy ranges(view.get(), &ImageViewerV2::scaleRangeChanged);
        view->nextFrame();
        QCOMPARE(view->currentScale(), 0.6f);
        QCOMPARE(view->imageRect(), zoomed);
        QVERIFY(ranges.isEmpty());
        view->nextFrame();
        QCOMPARE(view->currentScale(), 2.0f);
        QCOMPARE(view->fitMode(), FIT_WINDOW);
        QCOMPARE(view->sourceSize(), QSize(400, 300));
        QVERIFY(!ranges.isEmpty());
    }

    void hookChangesWhatIsShownAndReported()
    {
        auto view = shownView();
        QVERIFY(view);
        int calls = 0;
        view->setFrameHook(&fillMagenta, &calls);
        QSignalSpy frames(view.get(), &ImageViewerV2::frameChanged);
        const Loaded loaded = load(view.get(), scripted(3));
        QVERIFY(loaded.movie);
        view->stopAnimation();
        QCOMPARE(calls, 1);
        QCOMPARE(colorOf(frames.at(0).at(1).value<QImage>()), QColor(Qt::magenta));
        QCOMPARE(shownColor(view.get()), QColor(Qt::magenta));

        // Frames come back from the cache unconverted, so the hook sees each one again.
        view->nextFrame();
        view->prevFrame();
        QCOMPARE(calls, 3);
        view->setFrameHook(nullptr, nullptr);
        view->nextFrame();
        QCOMPARE(calls, 3);
        QCOMPARE(colorOf(frames.last().at(1).value<QImage>()), QColor(Qt::green));
        QCOMPARE(shownColor(view.get()), QColor(Qt::green));
    }

    void refusedSourcesStayWithTheCaller_data()
    {
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("frames");
        QTest::newRow("not valid") << false << 3;
        QTest::newRow("no frames") << true << 0;
    }
    void refusedSourcesStayWithTheCaller()
    {
        QFETCH(bool, valid);
        QFETCH(int, frames);
        auto view = shownView();
        QVERIFY(view);
        view->showImage(std::make_unique<QPixmap>(
            QPixmap::fromImage(BrvTest::solidImage(400, 300, Qt::cyan))));
        auto scriptedMovie = scripted(frames);
        scriptedMovie->setValid(valid);
        const auto counters = scriptedMovie->counters();
        std::unique_ptr<QMovieProxy> movie = std::move(scriptedMovie);
        QVERIFY(!view->showAnimation(movie));
        QVERIFY(movie);
        QCOMPARE(counters->destroyed, 0);
        QVERIFY(!view->hasAnimation());
        QCOMPARE(view->sourceSize(), QSize(400, 300));
        movie.reset();
        QCOMPARE(counters->destroyed, 1);

        std::unique_ptr<QMovieProxy> none;
        QVERIFY(!view->showAnimation(none));
    }

    void sourceIsFreedOnceWhenReplaced()
    {
        auto view = shownView();
        QVERIFY(view);
        const Loaded first = load(view.get(), scripted(3));
        QVERIFY(first.movie);
        const Loaded second = load(view.get(), scripted(3));
        QCOMPARE(first.counters->destroyed, 1);
        view->showImage(std::make_unique<QPixmap>(
            QPixmap::fromImage(BrvTest::solidImage(400, 300, Qt::cyan))));
        QCOMPARE(second.counters->destroyed, 1);
        QVERIFY(!view->hasAnimation());
        const Loaded third = load(view.get(), scripted(3));
        view->closeImage();
        QCOMPARE(third.counters->destroyed, 1);
    }

    void destroyingAPlayingViewIsSilent()
    {
        auto view = shownView();
        QVERIFY(view);
        const Loaded loaded = load(view.get(), scripted(3));
        QVERIFY(loaded.movie);
        SignalCounter counter;
        const QMetaObject *meta = view->metaObject();
        const QMetaMethod count = counter.metaObject()->method(
            counter.metaObject()->indexOfSlot("count()"));
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
            if (meta->method(i).methodType() == QMetaMethod::Signal)
                QVERIFY(connect(view.get(), meta->method(i), &counter, count));
        }
        view.reset();
        QCOMPARE(counter.seen, 0);
        QCOMPARE(loaded.counters->destroyed, 1);
    }

    void playsRealFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("gif") << "gif";
        QTest::newRow("webp") << "webp";
    }
    void playsRealFiles()
    {
        QFETCH(QString, kind);
        const QList<QColor> colors = {Qt::red, Qt::green, Qt::blue};
        const QString path = m_dir.filePath(QStringLiteral("three.") + kind);
        const bool written = kind == QLatin1String("gif")
            ? ImageFixtures::gifWithFrames(path, colors, {40, 40, 40}, 40, 30)
            : ImageFixtures::animatedWebp(path, colors, {40, 40, 40}, 40, 30);
        QVERIFY(written);
        auto view = shownView();
        QVERIFY(view);
        QSignalSpy frames(view.get(), &ImageViewerV2::frameChanged);
        QSignalSpy durations(view.get(), &ImageViewerV2::durationChanged);
        QElapsedTimer opening;
        opening.start();
        auto source = std::make_unique<QStdMovie>();
        QVERIFY(source->open(path, kind.toLatin1()));
        std::unique_ptr<QMovieProxy> movie = std::move(source);
        QVERIFY(view->showAnimation(movie));
        const qint64 openedIn = opening.elapsed();
        QCOMPARE(durations.at(0).at(1).toInt(), 3);
        // The first frame's own delay, although opening the file and decoding it took time: what
        // the decoding took is given back, and it cannot have taken longer than all of it.
        const int firstDelay = durations.at(0).at(0).toInt();
        QVERIFY2(firstDelay >= 39 && firstDelay <= 40 + openedIn + 1,
                 qPrintable(QStringLiteral("%1 after %2 ms").arg(firstDelay).arg(openedIn)));
        QTRY_VERIFY_WITH_TIMEOUT(frames.count() >= 4, BrvTest::kEventTimeoutMs);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(frames.at(i).at(0).toInt(), i % 3);
            QCOMPARE(colorOf(frames.at(i).at(1).value<QImage>()), colors.at(i % 3));
        }
        view->stopAnimation();
        QVERIFY(view->showAnimationFrame(2));
        QCOMPARE(shownColor(view.get()), QColor(Qt::blue));
        view->setFrameCacheLimit(0);
        QVERIFY(view->showAnimationFrame(1));
        QCOMPARE(shownColor(view.get()), QColor(Qt::green));
        view->prevFrame();
        QCOMPARE(shownColor(view.get()), QColor(Qt::red));
        BrvTest::saveScreenshot(view.get(), QStringLiteral("viewer-animation-") + kind);
    }
};

QTEST_MAIN(tst_ViewerPlayback)
#include "tst_viewerplayback.moc"
