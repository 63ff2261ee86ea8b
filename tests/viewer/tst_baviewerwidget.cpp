#include <QtTest>

#include <QScrollBar>
#include <QSignalSpy>

#include "BAViewerWidget.h"
#include "BrvTest.h"

namespace {
// A shown 1000 x 500 pair holding a 1600 x 1200 photo, both views visible.
struct Pair
{
    BAViewerWidget widget;

    explicit Pair(bool showAfter = true)
    {
        widget.resize(1000, 500);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        widget.setShowAfter(showAfter);
        widget.showImage(std::make_unique<QPixmap>(
            QPixmap::fromImage(BrvTest::gradientImage(1600, 1200))));
        QCoreApplication::processEvents();
    }

    ImageViewerV2 *before() const { return widget.beforeView(); }
    ImageViewerV2 *after() const { return widget.afterView(); }
};

QPoint scrollOf(ImageViewerV2 *view)
{
    return QPoint(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
}
} // namespace

class tst_BAViewerWidget : public QObject
{
    Q_OBJECT

private slots:
    void showsBothOrOnlyBefore_data()
    {
        QTest::addColumn<bool>("showAfter");
        QTest::newRow("after shown") << true;
        QTest::newRow("after hidden") << false;
    }
    void showsBothOrOnlyBefore()
    {
        QFETCH(bool, showAfter);
        Pair pair(showAfter);
        QVERIFY(pair.before()->isVisible());
        QCOMPARE(pair.after()->isVisible(), showAfter);
        QCOMPARE(pair.widget.showsAfter(), showAfter);
        // Both views hold the picture either way.
        QCOMPARE(pair.before()->sourceSize(), QSize(1600, 1200));
        QCOMPARE(pair.after()->sourceSize(), QSize(1600, 1200));
        QCOMPARE(pair.widget.sourceSize(), QSize(1600, 1200));
        QVERIFY(!pair.widget.showImage(std::make_unique<QPixmap>()));
        QVERIFY(!pair.widget.showImage(nullptr));
        QCOMPARE(pair.before()->sourceSize(), QSize(1600, 1200));
    }

    void zoomEitherViewZoomsTheOtherOnce_data()
    {
        QTest::addColumn<bool>("zoomAfter");
        QTest::newRow("before zoomed") << false;
        QTest::newRow("after zoomed") << true;
    }
    void zoomEitherViewZoomsTheOtherOnce()
    {
        QFETCH(bool, zoomAfter);
        Pair pair;
        QSignalSpy scaled(&pair.widget, &BAViewerWidget::scaleChanged);
        ImageViewerV2 *zoomed = zoomAfter ? pair.after() : pair.before();
        ImageViewerV2 *other = zoomAfter ? pair.before() : pair.after();
        zoomed->zoom(0.7f);
        QCOMPARE(zoomed->currentScale(), 0.7f);
        QCOMPARE(other->currentScale(), 0.7f);
        QCOMPARE(scaled.count(), 1);
        QCOMPARE(scaled.at(0).at(0).toDouble(), double(0.7f));
        QCOMPARE(pair.widget.currentScale(), 0.7f);
    }

    void commandsReachBothViews()
    {
        Pair pair;
        pair.widget.slotZoom(0.8);
        QCOMPARE(pair.before()->currentScale(), 0.8f);
        QCOMPARE(pair.after()->currentScale(), 0.8f);
        pair.widget.setFitMode(FIT_ORIGINAL);
        QCOMPARE(pair.before()->fitMode(), FIT_ORIGINAL);
        QCOMPARE(pair.after()->fitMode(), FIT_ORIGINAL);
        QCOMPARE(pair.before()->currentScale(), 1.0f);
        QCOMPARE(pair.after()->currentScale(), 1.0f);
    }

    void scrollEitherViewScrollsTheOther_data()
    {
        QTest::addColumn<bool>("scrollAfter");
        QTest::newRow("before scrolled") << false;
        QTest::newRow("after scrolled") << true;
    }
    void scrollEitherViewScrollsTheOther()
    {
        QFETCH(bool, scrollAfter);
        Pair pair;
        pair.widget.setFitMode(FIT_ORIGINAL);
        ImageViewerV2 *moved = scrollAfter ? pair.after() : pair.before();
        ImageViewerV2 *other = scrollAfter ? pair.before() : pair.after();
        const QPoint start = scrollOf(moved);
        moved->setScrollPosition(start.x() + 120, start.y() + 70);
        QCOMPARE(scrollOf(moved), start + QPoint(120, 70));
        QCOMPARE(scrollOf(other), start + QPoint(120, 70));
        moved->scrollLeft();
        QTRY_VERIFY_WITH_TIMEOUT(scrollOf(moved).x() < start.x() + 120, BrvTest::kEventTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(scrollOf(other), scrollOf(moved), BrvTest::kEventTimeoutMs);
    }

    void filterRequestsReachTheBeforeViewOnly()
    {
        Pair pair;
        emit pair.widget.setFilterNearest();
        QCOMPARE(pair.before()->scalingFilter(), FILTER_NEAREST);
        QCOMPARE(pair.after()->scalingFilter(), FILTER_BILINEAR);
        pair.after()->setFilterNearest();
        emit pair.widget.setFilterBilinear();
        QCOMPARE(pair.before()->scalingFilter(), FILTER_BILINEAR);
        QCOMPARE(pair.after()->scalingFilter(), FILTER_NEAREST);
    }

    void closeImageEmptiesBoth()
    {
        Pair pair;
        pair.widget.closeImage();
        QVERIFY(!pair.before()->hasImage());
        QVERIFY(!pair.after()->hasImage());
    }

    void screenshot()
    {
        BrvTest::applyDarkStyle();
        BAViewerWidget widget;
        widget.resize(1000, 400);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        widget.setShowAfter(true);
        QImage after = BrvTest::gradientImage(800, 600);
        widget.showImage(std::make_unique<QPixmap>(QPixmap::fromImage(after)));
        after.invertPixels();
        widget.setScaledPixmap(std::make_unique<QPixmap>(QPixmap::fromImage(after)));
        QCoreApplication::processEvents();
        const QImage shot = widget.grab().toImage();
        // The left half shows the swapped pixels, the right half the original copy.
        const QColor left = shot.pixelColor(250, 200);
        const QColor right = shot.pixelColor(750, 200);
        QVERIFY2(left != right, qPrintable(left.name() + QLatin1Char(' ') + right.name()));
        BrvTest::saveScreenshot(&widget, QStringLiteral("before_after"));
    }
};

QTEST_MAIN(tst_BAViewerWidget)
#include "tst_baviewerwidget.moc"
