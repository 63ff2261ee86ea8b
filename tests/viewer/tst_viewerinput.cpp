#include <QtTest>

#include <QScrollBar>
#include <QVBoxLayout>

#include <memory>

#include "BrvTest.h"
#include "ImageViewerV2.h"

namespace {
using BrvTest::sendMouse;

const QSize kViewSize(800, 600);

// The view's parent, counting what the view lets through.
class Parent : public QWidget
{
public:
    int releases = 0;
    int keys = 0;

protected:
    void mouseReleaseEvent(QMouseEvent *) override { ++releases; }
    void keyPressEvent(QKeyEvent *) override { ++keys; }
};

struct Shown {
    std::unique_ptr<Parent> parent;
    ImageViewerV2 *view = nullptr;
};

Shown shownView(const QSize &image, ImageFitMode mode = FIT_WINDOW)
{
    Shown shown;
    shown.parent = std::make_unique<Parent>();
    auto *layout = new QVBoxLayout(shown.parent.get());
    layout->setContentsMargins(0, 0, 0, 0);
    shown.view = new ImageViewerV2(shown.parent.get());
    layout->addWidget(shown.view);
    shown.parent->resize(kViewSize);
    shown.parent->show();
    if (!QTest::qWaitForWindowExposed(shown.parent.get()))
        return Shown{};
    if (!image.isEmpty()) {
        shown.view->showImage(std::make_unique<QPixmap>(
            QPixmap::fromImage(BrvTest::gradientImage(image.width(), image.height()))));
        shown.view->setFitMode(mode);
    }
    return shown;
}

QPoint scrollOf(const ImageViewerV2 *view)
{
    return QPoint(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
}

// Press at from, move through every point, release at the last one.
void drag(ImageViewerV2 *view, Qt::MouseButton button, const QPoint &from,
          const QList<QPoint> &through)
{
    QWidget *area = view->viewport();
    sendMouse(area, QEvent::MouseButtonPress, from, button, button);
    for (const QPoint &point : through)
        sendMouse(area, QEvent::MouseMove, point, Qt::NoButton, button);
    sendMouse(area, QEvent::MouseButtonRelease, through.isEmpty() ? from : through.last(),
              button, Qt::NoButton);
}

void wheel(ImageViewerV2 *view, int delta, Qt::ScrollPhase phase)
{
    const QPointF pos = view->viewport()->rect().center();
    QWheelEvent event(pos, view->viewport()->mapToGlobal(pos.toPoint()), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, phase, false);
    QCoreApplication::sendEvent(view->viewport(), &event);
}

} // namespace

class tst_ViewerInput : public QObject
{
    Q_OBJECT

private slots:
    void leftDragOnAFittingImage_data()
    {
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("draggedOut");
        QTest::newRow("10 pixels across") << QPoint(110, 100) << 0;
        QTest::newRow("10 pixels down") << QPoint(100, 110) << 0;
        QTest::newRow("11 pixels across") << QPoint(111, 100) << 1;
        QTest::newRow("11 pixels up") << QPoint(100, 89) << 1;
        QTest::newRow("far away") << QPoint(300, 400) << 1;
    }
    void leftDragOnAFittingImage()
    {
        QFETCH(QPoint, to);
        QFETCH(int, draggedOut);
        Shown shown = shownView(QSize(400, 300));
        QVERIFY(shown.view);
        QSignalSpy spy(shown.view, &ImageViewerV2::draggedOut);
        const QPoint scroll = scrollOf(shown.view);
        const QPoint from(100, 100);
        drag(shown.view, Qt::LeftButton, from, {from + (to - from) / 2, to, to});
        QCOMPARE(spy.count(), draggedOut);
        QCOMPARE(scrollOf(shown.view), scroll);
    }

    void leftDragPansALargerImage()
    {
        Shown shown = shownView(QSize(1600, 1200), FIT_ORIGINAL);
        QVERIFY(shown.view);
        QSignalSpy spy(shown.view, &ImageViewerV2::draggedOut);
        const QPoint scroll = scrollOf(shown.view);
        const QRect image = shown.view->imageRect();
        drag(shown.view, Qt::LeftButton, QPoint(400, 300), {QPoint(380, 310), QPoint(350, 280)});
        QCOMPARE(scrollOf(shown.view), scroll + QPoint(50, 20));
        QCOMPARE(shown.view->imageRect(), image.translated(-50, -20));
        QVERIFY(spy.isEmpty());
        QCOMPARE(shown.parent->releases, 0);
    }

    void rightDragZooms_data()
    {
        QTest::addColumn<int>("up");
        QTest::addColumn<float>("factor");
        QTest::newRow("3 pixels") << 3 << 1.0f;
        QTest::newRow("4 pixels") << 4 << 1.0f;
        QTest::newRow("5 pixels") << 5 << 1.015f;
        QTest::newRow("20 pixels") << 20 << 1.06f;
    }
    void rightDragZooms()
    {
        QFETCH(int, up);
        QFETCH(float, factor);
        Shown shown = shownView(QSize(1600, 1200));
        QVERIFY(shown.view);
        QCOMPARE(shown.view->currentScale(), 0.5f);
        drag(shown.view, Qt::RightButton, QPoint(400, 300), {QPoint(400, 300 - up)});
        QVERIFY(qAbs(shown.view->currentScale() - 0.5f * factor) < 1e-5f);
        QCOMPARE(shown.view->fitMode(), factor == 1.0f ? FIT_WINDOW : FIT_FREE);
        // A zoom-drag's release stays in the view; nothing happened, and it goes on.
        QCOMPARE(shown.parent->releases, factor == 1.0f ? 1 : 0);
    }

    void rightDragKeepsThePressedPoint()
    {
        Shown shown = shownView(QSize(1600, 1200), FIT_ORIGINAL);
        QVERIFY(shown.view);
        const QPoint press(200, 150);
        const QRect before = shown.view->imageRect();
        const QPointF fraction(double(press.x() - before.left()) / before.width(),
                               double(press.y() - before.top()) / before.height());
        drag(shown.view, Qt::RightButton, press, {QPoint(200, 120), QPoint(200, 100)});
        const QRect after = shown.view->imageRect();
        QVERIFY(shown.view->currentScale() > 1.1f);
        QVERIFY(qAbs(after.left() + fraction.x() * after.width() - press.x()) <= 2);
        QVERIFY(qAbs(after.top() + fraction.y() * after.height() - press.y()) <= 2);
    }

    void releaseFromIdleReachesTheParent()
    {
        Shown shown = shownView(QSize(1600, 1200));
        QVERIFY(shown.view);
        drag(shown.view, Qt::LeftButton, QPoint(100, 100), {});
        QCOMPARE(shown.parent->releases, 1);
    }

    void wheelZoomsOneStep_data()
    {
        QTest::addColumn<int>("delta");
        QTest::addColumn<Qt::ScrollPhase>("phase");
        QTest::addColumn<float>("scale");
        QTest::newRow("up") << 120 << Qt::NoScrollPhase << 0.6f;
        QTest::newRow("small step up") << 15 << Qt::ScrollUpdate << 0.6f;
        QTest::newRow("down, at the minimum") << -120 << Qt::NoScrollPhase << 0.5f;
        QTest::newRow("gesture begins") << 120 << Qt::ScrollBegin << 0.5f;
        QTest::newRow("gesture ends") << 120 << Qt::ScrollEnd << 0.5f;
        QTest::newRow("sideways") << 0 << Qt::NoScrollPhase << 0.5f;
    }
    void wheelZoomsOneStep()
    {
        QFETCH(int, delta);
        QFETCH(Qt::ScrollPhase, phase);
        QFETCH(float, scale);
        Shown shown = shownView(QSize(1600, 1200));
        QVERIFY(shown.view);
        wheel(shown.view, delta, phase);
        QCOMPARE(shown.view->currentScale(), scale);
    }

    void keysGoNoFurther()
    {
        Shown shown = shownView(QSize(400, 300));
        QVERIFY(shown.view);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        QCoreApplication::sendEvent(shown.view, &press);
        QVERIFY(press.isAccepted());
        QCOMPARE(shown.parent->keys, 0);
        QCOMPARE(shown.view->focusPolicy(), Qt::NoFocus);
    }

    void withoutImageInputPassesThrough()
    {
        Shown shown = shownView(QSize());
        QVERIFY(shown.view);
        QSignalSpy spy(shown.view, &ImageViewerV2::draggedOut);
        drag(shown.view, Qt::LeftButton, QPoint(100, 100), {QPoint(200, 200)});
        QVERIFY(spy.isEmpty());
        QCOMPARE(shown.view->currentScale(), 1.0f);
    }
};

QTEST_MAIN(tst_ViewerInput)
#include "tst_viewerinput.moc"
