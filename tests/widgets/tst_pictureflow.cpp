#include <QtTest>

#include <QSignalSpy>

#include "BrvTest.h"
#include "QPictureFlow.h"

namespace {
const QSize kViewSize(800, 400);

// A shown flow of `count` solid slides, each its own colour, at rest on slide `center`.
struct Flow
{
    QPictureFlow view;

    explicit Flow(int count = 10, int center = 0, int reflection = 0)
    {
        view.resize(kViewSize);
        view.setReflectionEffect(reflection);
        for (int i = 0; i < count; ++i)
            view.addSlide(BrvTest::solidImage(150, 200, QColor::fromHsv(i * 36 % 360, 200, 220)));
        view.setCenterIndex(center);
        view.show();
    }

    QImage shot()
    {
        view.render();
        return view.grab().toImage();
    }
};

QColor centrePixel(const QImage &image)
{
    return image.pixelColor(image.width() / 2, image.height() / 2);
}
} // namespace

class tst_PictureFlow : public QObject
{
    Q_OBJECT

private slots:
    void fixedPointTrigonometry_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<int>("sine");
        QTest::newRow("0") << 0 << 3;
        QTest::newRow("199") << 199 << 961;
        QTest::newRow("-199") << -199 << -960;
        QTest::newRow("256") << 256 << 1023;
        QTest::newRow("a full turn on") << 1024 + 199 << 961;
    }
    void fixedPointTrigonometry()
    {
        QFETCH(int, angle);
        QFETCH(int, sine);
        QCOMPARE(QPictureFlow::fixedSine(angle), sine);
    }

    void cosineAndGeometry()
    {
        QCOMPARE(QPictureFlow::fixedCosine(199), 347);
        QPictureFlow view;
        QCOMPARE(view.slideSize(), QSize(150, 200));
        QCOMPARE(view.state().offsetX, 204375);
        QCOMPARE(view.state().offsetY, 110475);
        QCOMPARE(view.state().angle, 199);
        QCOMPARE(view.state().spacing, 40);
        QCOMPARE(view.backgroundColor(), QColor(Qt::black));
        QCOMPARE(view.reflectionEffect(), 0);
        // At rest the side slides fade out towards the ends.
        QCOMPARE(view.state().leftSlides[5].blend, 0);
        QCOMPARE(view.state().leftSlides[4].blend, 128);
        QCOMPARE(view.state().rightSlides[0].cx, 204375);
        QCOMPARE(view.state().rightSlides[1].cx, 204375 + 40 * 1024);
        QCOMPARE(view.state().leftSlides[0].angle, 199);
        QCOMPARE(view.state().rightSlides[0].angle, -199);
        QCOMPARE(QPictureFlow::blendColor(qRgb(200, 100, 0), qRgb(0, 0, 0), 128),
                 qRgb(100, 50, 0));
    }

    void centreIndexIsClamped()
    {
        QPictureFlow empty;
        empty.setCenterIndex(4);
        QCOMPARE(empty.centerIndex(), 0);
        Flow flow(5);
        flow.view.setCenterIndex(9);
        QCOMPARE(flow.view.centerIndex(), 4);
        flow.view.setCenterIndex(-3);
        QCOMPARE(flow.view.centerIndex(), 0);
    }

    void navigation_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("end");
        QTest::newRow("Right") << 0 << "right" << 1;
        QTest::newRow("Left") << 3 << "left" << 2;
        QTest::newRow("Left at the first slide") << 0 << "left" << 0;
        QTest::newRow("Control+Right") << 0 << "ctrl-right" << 9;
        QTest::newRow("Control+Left") << 9 << "ctrl-left" << 0;
        QTest::newRow("click left of the middle") << 5 << "click-left" << 4;
        QTest::newRow("click right of the middle") << 5 << "click-right" << 6;
        QTest::newRow("showSlide(-5)") << 3 << "show-5" << 0;
        QTest::newRow("showNext at the end") << 9 << "next" << 9;
    }
    void navigation()
    {
        QFETCH(int, start);
        QFETCH(QString, action);
        QFETCH(int, end);
        Flow flow(10, start);
        QSignalSpy changed(&flow.view, &QPictureFlow::centerIndexChanged);
        if (action == "right")
            QTest::keyClick(&flow.view, Qt::Key_Right);
        else if (action == "left")
            QTest::keyClick(&flow.view, Qt::Key_Left);
        else if (action == "ctrl-right")
            QTest::keyClick(&flow.view, Qt::Key_Right, Qt::ControlModifier);
        else if (action == "ctrl-left")
            QTest::keyClick(&flow.view, Qt::Key_Left, Qt::ControlModifier);
        else if (action == "click-left")
            QTest::mouseClick(&flow.view, Qt::LeftButton, {}, QPoint(400, 200));
        else if (action == "click-right")
            QTest::mouseClick(&flow.view, Qt::LeftButton, {}, QPoint(401, 200));
        else if (action == "show-5")
            flow.view.showSlide(-5);
        else if (action == "next")
            flow.view.showNext();
        if (end == start) {
            QTest::qWait(200);
            QCOMPARE(flow.view.centerIndex(), start);
            QCOMPARE(changed.count(), 0);
            return;
        }
        QTRY_COMPARE_WITH_TIMEOUT(flow.view.centerIndex(), end, 10000);
        QVERIFY(!changed.isEmpty());
        QCOMPARE(changed.last().at(0).toInt(), end);
        // At the target the row is at rest again.
        QTRY_COMPARE_WITH_TIMEOUT(flow.view.state().centerSlide.cx, 0, BrvTest::kEventTimeoutMs);
        QCOMPARE(flow.view.state().centerSlide.angle, 0);
        QCOMPARE(flow.view.state().centerSlide.slideIndex, end);
    }

    void showingTheCentreDoesNothing()
    {
        Flow flow(10, 4);
        QSignalSpy changed(&flow.view, &QPictureFlow::centerIndexChanged);
        flow.view.showSlide(4);
        QTest::qWait(150);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(flow.view.state().centerSlide.cx, 0);
    }

    void unhandledKeysAreIgnored()
    {
        Flow flow;
        QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
        QApplication::sendEvent(&flow.view, &up);
        QVERIFY(!up.isAccepted());
        QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        QApplication::sendEvent(&flow.view, &right);
        QVERIFY(right.isAccepted());
    }

    void paintsTheCentreSlide()
    {
        Flow flow(3, 1);
        flow.view.setSlide(1, BrvTest::solidImage(150, 200, Qt::red));
        QCOMPARE(centrePixel(flow.shot()), QColor(Qt::red));

        // The old picture never stays on screen, though the new one may reuse its memory.
        flow.view.setSlide(1, BrvTest::solidImage(150, 200, Qt::blue));
        QCOMPARE(centrePixel(flow.shot()), QColor(Qt::blue));

        // A null slide shows the blank surface: a grey between the gradient's black and white
        // (the view's centre falls two thirds down the slide, where the gradient is at 0.66).
        flow.view.setSlide(1, QImage());
        const QColor blank = centrePixel(flow.shot());
        QCOMPARE(blank.red(), blank.green());
        QCOMPARE(blank.red(), blank.blue());
        QVERIFY2(qAbs(blank.red() - 169) <= 6, qPrintable(blank.name()));

        // Removing a slide moves the next one to the centre's place.
        flow.view.setSlide(2, BrvTest::solidImage(150, 200, Qt::green));
        flow.view.removeSlide(1);
        QCOMPARE(flow.view.slideCount(), 2);
        QCOMPARE(centrePixel(flow.shot()), QColor(Qt::green));

        flow.view.clear();
        QCOMPARE(flow.view.slideCount(), 0);
        QCOMPARE(centrePixel(flow.shot()), QColor(Qt::black));
    }

    void reflectionBelowTheSlide()
    {
        Flow plain(1, 0, 0);
        plain.view.setSlide(0, BrvTest::solidImage(150, 200, Qt::red));
        Flow mirrored(1, 0, 1);
        mirrored.view.setSlide(0, BrvTest::solidImage(150, 200, Qt::red));
        const QImage without = plain.shot();
        const QImage with = mirrored.shot();
        // Find the slide's lower edge down the middle column.
        int bottom = with.height() / 2;
        while (bottom + 1 < with.height() && with.pixelColor(400, bottom + 1) == QColor(Qt::red))
            ++bottom;
        QVERIFY(bottom < with.height() - 10);
        const QColor justBelow = with.pixelColor(400, bottom + 3);
        QVERIFY2(justBelow.red() > 100 && justBelow.red() < 255, qPrintable(justBelow.name()));
        QCOMPARE(justBelow.green(), 0);
        QCOMPARE(without.pixelColor(400, bottom + 3), QColor(Qt::black));
        // The reflection fades with the distance from the slide.
        QVERIFY(with.pixelColor(400, bottom + 30).red() < justBelow.red());
        QCOMPARE(without.pixelColor(400, bottom), QColor(Qt::red));
    }

    void blurredReflectionKeepsTheSlideSharp()
    {
        const QImage image = BrvTest::gradientImage(150, 200);
        const QImage plain = QPictureFlow::prepareSlide(image, 150, 200, 0, 1);
        const QImage blurred = QPictureFlow::prepareSlide(image, 150, 200, 0, 2);
        QCOMPARE(blurred.size(), QSize(400, 150));
        const int hs = 200 / 3;
        for (int x : {hs, hs + 50, hs + 199})
            QCOMPARE(blurred.pixel(x, 40), plain.pixel(x, 40));
        QVERIFY(blurred.pixel(200 + hs + 20, 40) != plain.pixel(200 + hs + 20, 40));
    }

    void newSlideSizeRebuildsSurfaces()
    {
        Flow flow(3, 1);
        flow.view.setSlide(1, QImage());
        const QImage before = flow.shot();
        flow.view.setSlideSize(QSize(300, 300));
        QCOMPARE(flow.view.state().offsetX, 150 * 677 + 300 * 1024);
        const QImage after = flow.shot();
        // The bigger blank slide's outline is drawn further from the centre.
        int leftEdgeBefore = 400, leftEdgeAfter = 400;
        while (leftEdgeBefore > 0 && before.pixelColor(leftEdgeBefore - 1, 200) != QColor(Qt::black))
            --leftEdgeBefore;
        while (leftEdgeAfter > 0 && after.pixelColor(leftEdgeAfter - 1, 200) != QColor(Qt::black))
            --leftEdgeAfter;
        QVERIFY2(leftEdgeAfter < leftEdgeBefore,
                 qPrintable(QStringLiteral("%1 %2").arg(leftEdgeAfter).arg(leftEdgeBefore)));
    }

    void screenshots()
    {
        Flow flow(20, 6, 1);
        flow.view.setBackgroundColor(QColor(0x22, 0x22, 0x22));
        for (int i = 0; i < 20; ++i)
            flow.view.setSlide(i, BrvTest::gradientImage(150 + i * 5, 200));
        const QImage rest = flow.shot();
        QVERIFY(centrePixel(rest) != QColor(0x22, 0x22, 0x22));
        BrvTest::saveScreenshot(&flow.view, QStringLiteral("pictureflow_rest"));
        flow.view.showSlide(9);
        QTRY_VERIFY_WITH_TIMEOUT(flow.view.state().centerSlide.cx != 0, BrvTest::kEventTimeoutMs);
        QTest::qWait(60);
        BrvTest::saveScreenshot(&flow.view, QStringLiteral("pictureflow_moving"));
        QTRY_COMPARE_WITH_TIMEOUT(flow.view.centerIndex(), 9, 10000);
    }
};

QTEST_MAIN(tst_PictureFlow)
#include "tst_pictureflow.moc"
