#include <QtTest>

#include <QGraphicsView>
#include <QScrollBar>
#include <QSignalSpy>

#include "BrvTest.h"
#include "IQImageDisplayController.h"
#include "IQImageScene.h"

namespace {
// A shown view whose viewport is exactly 800 x 600, with a controller on it.
struct Stage
{
    QGraphicsView view;
    IQImageDisplayController controller{&view};

    explicit Stage(const QSize &imageSize = QSize(1000, 800))
    {
        view.setFrameShape(QFrame::NoFrame);
        view.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        view.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        view.show();
        const QSize bars(view.verticalScrollBar()->sizeHint().width(),
                         view.horizontalScrollBar()->sizeHint().height());
        view.resize(QSize(800, 600) + bars);
        if (!imageSize.isEmpty())
            controller.setImage(BrvTest::gradientImage(imageSize.width(), imageSize.height()));
        QCoreApplication::processEvents();
    }

    QPoint scroll() const
    {
        return QPoint(view.horizontalScrollBar()->value(), view.verticalScrollBar()->value());
    }
};
} // namespace

class tst_ImageScene : public QObject
{
    Q_OBJECT

private slots:
    void setUp()
    {
        Stage stage;
        QCOMPARE(stage.view.viewport()->size(), QSize(800, 600));
        QCOMPARE(stage.view.scene(), stage.controller.scene());
        QCOMPARE(stage.controller.scale(), 1.0);
        QCOMPARE(stage.controller.maximumFitScale(), 2.0);
        QCOMPARE(stage.controller.displayedPixmap().size(), QSize(1000, 800));
        QCOMPARE(stage.controller.scene()->sceneRect(), QRectF(0, 0, 1000, 800));
    }

    void scrollValuesAreReported()
    {
        Stage stage;
        QSignalSpy scrolled(&stage.controller,
                            &IQImageDisplayController::controllerScrollValueChanged);
        stage.controller.setScrollValues(30, 40);
        QCOMPARE(stage.scroll(), QPoint(30, 40));
        QVERIFY(scrolled.count() >= 2);
        const QList<QVariant> last = scrolled.last();
        QCOMPARE(last.at(0).value<IQImageDisplayController *>(), &stage.controller);
        QCOMPARE(last.at(1).toInt(), 30);
        QCOMPARE(last.at(2).toInt(), 40);
    }

    // Each move scrolls ten pixels against the pointer, however far it went.
    void leftDragScrollsTenPixelsPerMove()
    {
        Stage stage;
        stage.controller.setScrollValues(100, 100);
        QWidget *viewport = stage.view.viewport();
        auto send = [viewport](QEvent::Type type, QPoint pos, Qt::MouseButton button,
                               Qt::MouseButtons held) {
            BrvTest::sendMouse(viewport, type, pos, button, held);
        };
        send(QEvent::MouseButtonPress, {400, 300}, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(stage.controller.scene()->isDragging());
        send(QEvent::MouseMove, {350, 290}, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(stage.scroll(), QPoint(110, 110));
        send(QEvent::MouseMove, {150, 290}, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(stage.scroll(), QPoint(120, 110));
        send(QEvent::MouseMove, {151, 400}, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(stage.scroll(), QPoint(110, 100));
        send(QEvent::MouseButtonRelease, {151, 400}, Qt::LeftButton, Qt::NoButton);
        QVERIFY(!stage.controller.scene()->isDragging());
        send(QEvent::MouseMove, {10, 10}, Qt::NoButton, Qt::NoButton);
        QCOMPARE(stage.scroll(), QPoint(110, 100));
    }

    void zoomToRectangle()
    {
        Stage stage;
        stage.controller.zoomToRect(QRect(100, 100, 200, 100));
        QCOMPARE(stage.controller.scale(), 2.0);
        QCOMPARE(stage.controller.displayedPixmap().size(), QSize(2000, 1600));
        QCOMPARE(stage.scroll(), QPoint(200, 200));
    }

    void fitToView()
    {
        Stage stage;
        stage.controller.fitToView();
        QCOMPARE(stage.controller.scale(), 0.75);
        QCOMPARE(stage.controller.displayedPixmap().size(), QSize(750, 600));
    }

    void scaledRendering()
    {
        Stage stage(QSize(101, 51));
        stage.controller.showScaledImage(0.5);
        QCOMPARE(stage.controller.scale(), 0.5);
        // Half of 101 x 51 rounds half away from zero.
        QCOMPARE(stage.controller.displayedPixmap().size(), QSize(51, 26));
        stage.controller.zoomBy(4.0);
        QCOMPARE(stage.controller.scale(), 2.0);
        QCOMPARE(stage.controller.displayedPixmap().size(), QSize(202, 102));
    }

    void rotationWrapsOnce()
    {
        Stage stage(QSize(200, 100));
        stage.controller.rotate(350);
        QCOMPARE(stage.controller.rotation(), 350);
        stage.controller.rotate(20);
        QCOMPARE(stage.controller.rotation(), 10);
        stage.controller.rotate(80);
        QCOMPARE(stage.controller.rotation(), 90);
        QCOMPARE(stage.controller.displayedPixmap().size(), QSize(100, 200));
    }

    void cropShowsThePart()
    {
        Stage stage(QSize(200, 100));
        const QImage image = stage.controller.image();
        stage.controller.cropToRect(QRect(QPoint(149, 79), QPoint(100, 50)));
        QCOMPARE(stage.controller.image().size(), QSize(50, 30));
        QCOMPARE(stage.controller.image().pixel(0, 0), image.pixel(100, 50));
        // A rectangle outside the picture changes nothing.
        stage.controller.cropToRect(QRect(500, 500, 10, 10));
        QCOMPARE(stage.controller.image().size(), QSize(50, 30));
    }

    void replaceColoursKeepsAlpha()
    {
        Stage stage{QSize()};
        QImage held(4, 3, QImage::Format_ARGB32);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                held.setPixel(x, y, qRgba(1, 2, 3, 10 * x + 50 * y));
        stage.controller.setImage(held);
        QVERIFY(stage.controller.replaceColors(
            BrvTest::solidImage(4, 3, QColor(200, 100, 50, 255))));
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                QCOMPARE(stage.controller.image().pixel(x, y), qRgba(200, 100, 50, 10 * x + 50 * y));
    }

    void loadPixelBuffer_data()
    {
        QTest::addColumn<int>("heldFormat");
        QTest::addColumn<int>("sourceFormat");
        QTest::newRow("ARGB32 into ARGB32") << int(QImage::Format_ARGB32) << int(QImage::Format_ARGB32);
        QTest::newRow("RGB888 into ARGB32") << int(QImage::Format_ARGB32) << int(QImage::Format_RGB888);
        QTest::newRow("ARGB32 into RGB888") << int(QImage::Format_RGB888) << int(QImage::Format_ARGB32);
        QTest::newRow("RGB888 into RGB888") << int(QImage::Format_RGB888) << int(QImage::Format_RGB888);
    }
    void loadPixelBuffer()
    {
        QFETCH(int, heldFormat);
        QFETCH(int, sourceFormat);
        Stage stage{QSize()};
        stage.controller.setImage(BrvTest::solidImage(5, 2, QColor(0, 0, 0, 77))
                                      .convertToFormat(QImage::Format(heldFormat)));
        const QImage colours = BrvTest::gradientImage(5, 2).convertToFormat(QImage::Format(sourceFormat));
        QVERIFY(stage.controller.loadPixelBuffer(colours.constBits(), 5, 2,
                                                 colours.bytesPerLine(),
                                                 QImage::Format(sourceFormat)));
        const QImage result = stage.controller.image();
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 5; ++x) {
                QCOMPARE(qRed(result.pixel(x, y)), qRed(colours.pixel(x, y)));
                QCOMPARE(qGreen(result.pixel(x, y)), qGreen(colours.pixel(x, y)));
                QCOMPARE(qBlue(result.pixel(x, y)), qBlue(colours.pixel(x, y)));
            }
        if (heldFormat == QImage::Format_ARGB32)
            QCOMPARE(qAlpha(result.pixel(2, 1)), 77);
    }

    // Mismatched buffers are refused before a byte is read or written.
    void refusedCallsChangeNothing()
    {
        Stage stage(QSize(20, 10));
        const QImage before = stage.controller.image();
        const QImage small = BrvTest::solidImage(19, 10, Qt::red);
        QVERIFY(!stage.controller.replaceColors(small));
        QVERIFY(!stage.controller.replaceColors(
            BrvTest::solidImage(20, 10, Qt::red).convertToFormat(QImage::Format_RGB888)));
        QVERIFY(!stage.controller.loadPixelBuffer(small.constBits(), 19, 10, small.bytesPerLine(),
                                                  QImage::Format_ARGB32));
        QVERIFY(!stage.controller.loadPixelBuffer(small.constBits(), 20, 11, 80,
                                                  QImage::Format_ARGB32));
        QVERIFY(!stage.controller.loadPixelBuffer(small.constBits(), 20, 10, 59,
                                                  QImage::Format_RGB888));
        QVERIFY(!stage.controller.loadPixelBuffer(small.constBits(), 20, 10, 80,
                                                  QImage::Format_Grayscale8));
        QVERIFY(!stage.controller.loadPixelBuffer(nullptr, 20, 10, 80, QImage::Format_ARGB32));
        QCOMPARE(stage.controller.image(), before);

        // Scales that would divide by zero or run away leave the scale as it is.
        stage.controller.zoomToRect(QRect(5, 5, 0, 10));
        QCOMPARE(stage.controller.scale(), 1.0);
        for (int i = 0; i < 100; ++i)
            stage.controller.zoomBy(3.0);
        QVERIFY(stage.controller.scale() <= IQImageDisplayController::kMaxScale);
        QVERIFY(stage.controller.displayedPixmap().width() <= 20 * 10);
        const double scale = stage.controller.scale();
        stage.controller.zoomBy(0.0);
        stage.controller.zoomBy(qInf());
        stage.controller.showScaledImage(50.0);
        stage.controller.showScaledImage(0.0);
        QCOMPARE(stage.controller.scale(), scale);
        for (int i = 0; i < 100; ++i)
            stage.controller.zoomBy(0.25);
        QVERIFY(stage.controller.scale() >= IQImageDisplayController::kMinScale);
        QCOMPARE(stage.controller.image(), before);
    }

    void withoutAnImage()
    {
        Stage stage{QSize()};
        stage.controller.showScaledImage(2.0);
        stage.controller.zoomBy(2.0);
        stage.controller.fitToView();
        stage.controller.zoomToRect(QRect(0, 0, 10, 10));
        QCOMPARE(stage.controller.scale(), 1.0);
        QVERIFY(stage.controller.displayedPixmap().isNull());

        QGraphicsView hidden;
        hidden.resize(0, 0);
        IQImageDisplayController empty(&hidden);
        empty.setImage(BrvTest::gradientImage(10, 10));
        hidden.viewport()->resize(0, 0);
        empty.fitToView();
        QCOMPARE(empty.scale(), 1.0);
    }
};

QTEST_MAIN(tst_ImageScene)
#include "tst_imagescene.moc"
