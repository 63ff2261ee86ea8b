#include <QtTest>

#include <QScrollBar>

#include <memory>

#include "BrvTest.h"
#include "ImageViewerV2.h"
#include "ShownWidget.h"

namespace {

const QSize kViewSize(800, 600);

std::unique_ptr<QPixmap> pixmapOf(const QSize &size, const QColor &color = Qt::darkCyan)
{
    return std::make_unique<QPixmap>(
        QPixmap::fromImage(BrvTest::solidImage(size.width(), size.height(), color)));
}

// A view of 800 x 600 on screen, as the viewer page shows it.
std::unique_ptr<ImageViewerV2> shownView()
{
    return BrvTest::shownWidget<ImageViewerV2>(kViewSize);
}

// The scroll position that points at the middle of the image, as fractions of its size.
QPointF relativeCentre(const ImageViewerV2 &view)
{
    const QRect image = view.imageRect();
    const QPoint centre = view.viewport()->rect().center();
    return QPointF(double(centre.x() - image.left()) / image.width(),
                   double(centre.y() - image.top()) / image.height());
}

} // namespace

class tst_ImageViewer : public QObject
{
    Q_OBJECT

private slots:
    void fitArithmetic_data()
    {
        QTest::addColumn<QSize>("image");
        QTest::addColumn<ImageFitMode>("mode");
        QTest::addColumn<bool>("expand");
        QTest::addColumn<float>("scale");
        QTest::addColumn<float>("minimum");
        QTest::addColumn<bool>("topAtTop");
        QTest::newRow("small image enlarged") << QSize(400, 300) << FIT_WINDOW << true << 2.0f
                                              << 1.0f << false;
        QTest::newRow("enlarged up to the expand limit")
            << QSize(100, 50) << FIT_WINDOW << true << 4.0f << 1.0f << false;
        QTest::newRow("expand off keeps actual size")
            << QSize(400, 300) << FIT_WINDOW << false << 1.0f << 1.0f << false;
        QTest::newRow("large image shrunk") << QSize(1600, 1200) << FIT_WINDOW << true << 0.5f
                                            << 0.5f << false;
        QTest::newRow("width of a tall image") << QSize(400, 1200) << FIT_WIDTH << true << 2.0f
                                               << 0.5f << true;
        QTest::newRow("width, expand off") << QSize(400, 1200) << FIT_WIDTH << false << 1.0f
                                           << 0.5f << true;
        QTest::newRow("actual size of a large image")
            << QSize(1600, 1200) << FIT_ORIGINAL << true << 1.0f << 0.5f << false;
    }
    void fitArithmetic()
    {
        QFETCH(QSize, image);
        QFETCH(ImageFitMode, mode);
        QFETCH(bool, expand);
        QFETCH(float, scale);
        QFETCH(float, minimum);
        QFETCH(bool, topAtTop);

        auto view = shownView();
        QVERIFY(view);
        view->setExpandImage(expand);
        QSignalSpy ranges(view.get(), &ImageViewerV2::scaleRangeChanged);
        view->showImage(pixmapOf(image));
        view->setFitMode(mode);

        QCOMPARE(view->currentScale(), scale);
        QCOMPARE(view->minScale(), minimum);
        QCOMPARE(view->maxScale(), 10.0f);
        QCOMPARE(view->fitMode(), mode);
        QVERIFY(!ranges.isEmpty());
        QCOMPARE(ranges.last().at(0).toDouble(), double(minimum));
        QCOMPARE(view->sourceSize(), image);
        const QRect shown = view->imageRect();
        if (topAtTop) {
            QCOMPARE(shown.top(), 0);
        } else {
            // Centred, give or take the pixel the zoom anchor stands on.
            const QPoint offset = shown.center() - view->viewport()->rect().center();
            QVERIFY2(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2,
                     qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
        }
    }

    void withoutImageNothingScales()
    {
        auto view = shownView();
        QVERIFY(view);
        QSignalSpy scales(view.get(), &ImageViewerV2::scaleChanged);
        QSignalSpy requests(view.get(), &ImageViewerV2::scalingRequested);
        view->zoomIn();
        view->zoomOut();
        view->zoom(3.0f);
        view->setFitWidth();
        view->setFitOriginal();
        view->setFitWindow();
        QCOMPARE(view->currentScale(), 1.0f);
        QVERIFY(scales.isEmpty());
        QVERIFY(requests.isEmpty());
        QVERIFY(!view->hasImage());
        QVERIFY(view->viewportFitsImage());
        QCOMPARE(view->sourceSize(), QSize(0, 0));
    }

    void nullPixmapIsRefused()
    {
        auto view = shownView();
        QVERIFY(view);
        view->showImage(pixmapOf(QSize(400, 300)));
        view->showImage(nullptr);
        view->showImage(std::make_unique<QPixmap>());
        QCOMPARE(view->sourceSize(), QSize(400, 300));
        QCOMPARE(view->currentScale(), 2.0f);
    }

    void zoomRules()
    {
        auto view = shownView();
        QVERIFY(view);
        view->showImage(pixmapOf(QSize(1600, 1200)));
        QCOMPARE(view->currentScale(), 0.5f);

        view->zoomIn();
        QCOMPARE(view->currentScale(), 0.6f);
        QCOMPARE(view->fitMode(), FIT_FREE);

        // Zooming out clamps at the minimum, which is the fit-window scale here.
        view->zoomOut();
        QCOMPARE(view->currentScale(), 0.5f);
        QCOMPARE(view->fitMode(), FIT_WINDOW);

        view->zoom(0.75f);
        QCOMPARE(view->fitMode(), FIT_FREE);
        view->zoom(0.5f);
        QCOMPARE(view->fitMode(), FIT_WINDOW);

        for (int i = 0; i < 30; ++i)
            view->zoomIn();
        QCOMPARE(view->currentScale(), 10.0f);

        // A scale the user chose survives a resize.
        view->zoom(0.8f);
        QCOMPARE(view->fitMode(), FIT_FREE);
        view->resize(700, 500);
        QTRY_COMPARE_WITH_TIMEOUT(view->viewport()->size(), QSize(700, 500), BrvTest::kEventTimeoutMs);
        QCOMPARE(view->currentScale(), 0.8f);
        QCOMPARE(view->fitMode(), FIT_FREE);
        // ... while a fitted one follows it.
        view->setFitWindow();
        view->resize(kViewSize);
        QTRY_COMPARE_WITH_TIMEOUT(view->viewport()->size(), kViewSize, BrvTest::kEventTimeoutMs);
        QCOMPARE(view->currentScale(), 0.5f);
    }

    void zoomKeepsCentrePoint()
    {
        auto view = shownView();
        QVERIFY(view);
        view->showImage(pixmapOf(QSize(1600, 1200)));
        view->setFitOriginal();
        view->setScrollPosition(view->horizontalScrollBar()->value() + 200,
                                view->verticalScrollBar()->value() - 100);
        const QPointF before = relativeCentre(*view);
        view->zoomIn();
        const QPointF after = relativeCentre(*view);
        QVERIFY2(qAbs(before.x() - after.x()) < 0.002 && qAbs(before.y() - after.y()) < 0.002,
                 qPrintable(QStringLiteral("%1,%2 -> %3,%4")
                                .arg(before.x()).arg(before.y()).arg(after.x()).arg(after.y())));
    }

    void locksCarryOverToTheNextImage()
    {
        auto view = shownView();
        QVERIFY(view);
        view->showImage(pixmapOf(QSize(1600, 1200)));
        view->zoomIn();
        view->toggleLockZoom();
        QVERIFY(view->lockZoomEnabled());
        view->showImage(pixmapOf(QSize(2000, 1000), Qt::red));
        QCOMPARE(view->currentScale(), 0.6f);
        QCOMPARE(view->fitMode(), FIT_FREE);
        view->toggleLockZoom();
        QVERIFY(!view->lockZoomEnabled());
        view->showImage(pixmapOf(QSize(1600, 1200)));
        QCOMPARE(view->currentScale(), 0.5f);

        // The view lock keeps the scale and the point of the image in the middle.
        view->setFitOriginal();
        view->setScrollPosition(view->horizontalScrollBar()->value() + 300,
                                view->verticalScrollBar()->value() + 200);
        const QPointF centre = relativeCentre(*view);
        view->toggleLockView();
        QVERIFY(view->lockViewEnabled());
        QVERIFY(!view->lockZoomEnabled());
        view->showImage(pixmapOf(QSize(3200, 2400), Qt::blue));
        QCOMPARE(view->currentScale(), 1.0f);
        const QPointF kept = relativeCentre(*view);
        QVERIFY2(qAbs(kept.x() - centre.x()) < 0.002 && qAbs(kept.y() - centre.y()) < 0.002,
                 qPrintable(QStringLiteral("%1,%2 -> %3,%4")
                                .arg(centre.x()).arg(centre.y()).arg(kept.x()).arg(kept.y())));
    }

    void locksNeedAnImage()
    {
        auto view = shownView();
        QVERIFY(view);
        view->toggleLockZoom();
        view->toggleLockView();
        QVERIFY(!view->lockZoomEnabled());
        QVERIFY(!view->lockViewEnabled());
    }

    void repeatedScrollAccelerates()
    {
        auto view = shownView();
        QVERIFY(view);
        view->showImage(pixmapOf(QSize(1600, 4000)));
        view->setFitOriginal();
        QScrollBar *bar = view->verticalScrollBar();
        const int start = bar->value();
        view->scrollDown();
        view->scrollDown();
        QTRY_COMPARE_WITH_TIMEOUT(bar->value(), start + 506, BrvTest::kEventTimeoutMs);
        QTest::qWait(200);
        QCOMPARE(bar->value(), start + 506);

        const int back = bar->value();
        view->scrollUp();
        QTRY_COMPARE_WITH_TIMEOUT(bar->value(), back - 220, BrvTest::kEventTimeoutMs);
    }

    void scrollStopsAtTheImageEdge()
    {
        auto view = shownView();
        QVERIFY(view);
        view->showImage(pixmapOf(QSize(1000, 700)));
        view->setFitOriginal();
        for (int i = 0; i < 3; ++i) {
            view->scrollDown();
            view->scrollRight();
        }
        QTRY_COMPARE_WITH_TIMEOUT(view->imageRect().bottom(), view->viewport()->height(), BrvTest::kEventTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(view->imageRect().right(), view->viewport()->width(), BrvTest::kEventTimeoutMs);
    }

    void positionFollowsTheScrollBars()
    {
        auto view = shownView();
        QVERIFY(view);
        view->showImage(pixmapOf(QSize(1600, 1200)));
        view->setFitOriginal();
        QSignalSpy positions(view.get(), &ImageViewerV2::positionChanged);
        const int x = view->horizontalScrollBar()->value() + 40;
        const int y = view->verticalScrollBar()->value() + 30;
        view->setScrollPosition(x, y);
        QVERIFY(!positions.isEmpty());
        QCOMPARE(positions.last().at(0).toInt(), x);
        QCOMPARE(positions.last().at(1).toInt(), y);
    }

    void scalingRequestedForShrunkStillsOnly()
    {
        auto view = shownView();
        QVERIFY(view);
        QSignalSpy requests(view.get(), &ImageViewerV2::scalingRequested);
        view->showImage(pixmapOf(QSize(1600, 1200)));
        QVERIFY(!requests.isEmpty());
        QCOMPARE(requests.last().at(0).toSize(), QSize(800, 600));
        QCOMPARE(requests.last().at(1).value<ScalingFilter>(), FILTER_BILINEAR);

        requests.clear();
        view->setFitOriginal();
        view->zoomIn();
        QVERIFY(requests.isEmpty());
    }

    void shrunkStillIsDrawnFromASmoothCopy()
    {
        auto view = shownView();
        QVERIFY(view);
        const QImage photo = BrvTest::noiseImage(1600, 1200).convertToFormat(QImage::Format_RGB32);
        view->showImage(std::make_unique<QPixmap>(QPixmap::fromImage(photo)));
        QCOMPARE(view->currentScale(), 0.5f);
        // Every screen pixel the average of the four photo pixels it covers, not a sample.
        const QImage expected = photo.scaled(kViewSize, Qt::IgnoreAspectRatio,
                                             Qt::SmoothTransformation);
        const auto shown = [&view] {
            return view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        QTRY_VERIFY_WITH_TIMEOUT(shown() == expected, BrvTest::kEventTimeoutMs);

        // Zoomed, it is drawn from the photo until a copy of the new size is there.
        view->zoomIn();
        QCOMPARE(view->currentScale(), 0.6f);
        QVERIFY(shown() != expected);
    }

    void filterChoosesTransformation()
    {
        auto view = shownView();
        QVERIFY(view);
        view->showImage(pixmapOf(QSize(1600, 1200)));
        QCOMPARE(view->scalingFilter(), FILTER_BILINEAR);
        view->setFilterNearest();
        QCOMPARE(view->scalingFilter(), FILTER_NEAREST);
        view->setScalingFilter(FILTER_BILINEAR);
        QCOMPARE(view->scalingFilter(), FILTER_BILINEAR);
        QCOMPARE(view->imageScrolling(), SCROLL_ZOOM);
    }

    void imageShownBeforeTheViewAppearsIsFitted()
    {
        ImageViewerV2 view;
        view.resize(kViewSize);
        view.showImage(pixmapOf(QSize(1600, 1200)));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTRY_COMPARE_WITH_TIMEOUT(view.currentScale(), 0.5f, BrvTest::kEventTimeoutMs);
    }

    void closeImageClears()
    {
        auto view = shownView();
        QVERIFY(view);
        view->showImage(pixmapOf(QSize(400, 300)));
        view->closeImage();
        QVERIFY(!view->hasImage());
        QCOMPARE(view->currentScale(), 1.0f);
        QCOMPARE(view->sourceSize(), QSize(0, 0));
    }
};

QTEST_MAIN(tst_ImageViewer)
#include "tst_imageviewer.moc"
