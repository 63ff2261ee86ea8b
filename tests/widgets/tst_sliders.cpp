#include <QtTest>

#include <QStyleOptionSlider>

#include <limits>

#include "BrvTest.h"
#include "QContinuesSlider.h"
#include "QDoubleSlider.h"
#include "VideoSlider.h"

namespace {
using BrvTest::sendMouse;

// Reaches the protected style option, to find the handle the way the style draws it.
class ProbeSlider : public QContinuesSlider
{
public:
    using QContinuesSlider::QContinuesSlider;
    QPoint handleCentre()
    {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this)
            .center();
    }
};
} // namespace

class tst_Sliders : public QObject
{
    Q_OBJECT

private slots:
    void videoSliderJumps_data()
    {
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QList<QPointF>>("points");
        QTest::addColumn<int>("expected");
        const QList<QPointF> none;
        QTest::newRow("middle") << Qt::Horizontal << 1000 << QList<QPointF>{{50, 5}} << 500;
        QTest::newRow("last pixel") << Qt::Horizontal << 1000 << QList<QPointF>{{99, 5}} << 990;
        QTest::newRow("rounds to the nearest pixel")
            << Qt::Horizontal << 1000 << QList<QPointF>{{49.5, 5}} << 500;
        QTest::newRow("drag past the left end")
            << Qt::Horizontal << 1000 << QList<QPointF>{{50, 5}, {-20, 5}} << 0;
        QTest::newRow("drag past the right end")
            << Qt::Horizontal << 1000 << QList<QPointF>{{50, 5}, {130, 5}} << 1000;
        QTest::newRow("vertical top") << Qt::Vertical << 100 << QList<QPointF>{{5, 0}} << 100;
        QTest::newRow("vertical bottom") << Qt::Vertical << 100 << QList<QPointF>{{5, 99}} << 1;
        // (max - min) * x needs more than 32 bits here.
        QTest::newRow("long range") << Qt::Horizontal << std::numeric_limits<int>::max()
                                    << QList<QPointF>{{50, 5}} << 1073741823;
    }
    void videoSliderJumps()
    {
        QFETCH(Qt::Orientation, orientation);
        QFETCH(int, maximum);
        QFETCH(QList<QPointF>, points);
        QFETCH(int, expected);
        VideoSlider slider;
        slider.setOrientation(orientation);
        slider.setRange(0, maximum);
        slider.resize(100, 100);
        QSignalSpy moved(&slider, &VideoSlider::sliderMovedX);
        QSignalSpy pressed(&slider, &QAbstractSlider::sliderPressed);

        sendMouse(&slider, QEvent::MouseButtonPress, points.first(), Qt::LeftButton,
                  Qt::LeftButton);
        for (int i = 1; i < points.size(); ++i)
            sendMouse(&slider, QEvent::MouseMove, points.at(i), Qt::NoButton, Qt::LeftButton);

        QCOMPARE(slider.value(), expected);
        QCOMPARE(moved.count(), points.size());
        QCOMPARE(moved.last().first().toInt(), expected);
        QCOMPARE(pressed.count(), 0);
        QVERIFY(!slider.isSliderDown());
    }

    void videoSliderIgnoresOtherButtons()
    {
        VideoSlider slider;
        slider.setRange(0, 1000);
        slider.resize(100, 20);
        QSignalSpy moved(&slider, &VideoSlider::sliderMovedX);
        QSignalSpy changed(&slider, &QAbstractSlider::valueChanged);
        sendMouse(&slider, QEvent::MouseButtonPress, {50, 5}, Qt::RightButton, Qt::RightButton);
        sendMouse(&slider, QEvent::MouseMove, {70, 5}, Qt::NoButton, Qt::RightButton);
        QCOMPARE(slider.value(), 0);
        QCOMPARE(moved.count(), 0);
        QCOMPARE(changed.count(), 0);
    }

    void videoSliderReportsUnchangedJumps()
    {
        VideoSlider slider;
        slider.setOrientation(Qt::Horizontal);
        slider.setRange(0, 1000);
        slider.resize(100, 20);
        QSignalSpy moved(&slider, &VideoSlider::sliderMovedX);
        sendMouse(&slider, QEvent::MouseButtonPress, {-20, 5}, Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(moved.count(), 1);
        QCOMPARE(moved.first().first().toInt(), 0);
    }

    void videoSliderOfNoSize()
    {
        for (Qt::Orientation orientation : {Qt::Horizontal, Qt::Vertical}) {
            VideoSlider slider;
            slider.setOrientation(orientation);
            slider.setRange(10, 20);
            slider.setValue(15);
            slider.resize(0, 0);
            QSignalSpy moved(&slider, &VideoSlider::sliderMovedX);
            sendMouse(&slider, QEvent::MouseButtonPress, {0, 0}, Qt::LeftButton, Qt::LeftButton);
            QCOMPARE(moved.count(), 1);
            QVERIFY(slider.value() >= 10 && slider.value() <= 20);
        }
    }

    void doubleSliderDefaults()
    {
        QDoubleSlider slider(nullptr);
        QCOMPARE(slider.orientation(), Qt::Horizontal);
        QCOMPARE(slider.focusPolicy(), Qt::NoFocus);
        QCOMPARE(slider.singleStep(), 1);
    }

    void doubleSliderSetValue_data()
    {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("block");
        QTest::addColumn<int>("sliderValue");
        QTest::addColumn<QList<double>>("emitted");
        QTest::newRow("blocked") << 0.0 << 0.12345 << true << 1234 << QList<double>{};
        QTest::newRow("moves: quantised, then as given")
            << 0.0 << 0.12345 << false << 1234 << QList<double>{0.1234, 0.12345};
        QTest::newRow("same step: as given only")
            << 0.12341 << 0.12345 << false << 1234 << QList<double>{0.12345};
        QTest::newRow("above the range: clamped")
            << 1.0 << 20.0 << false << 80000 << QList<double>{8.0, 8.0};
        QTest::newRow("below the range: clamped")
            << 1.0 << -3.0 << false << 0 << QList<double>{0.0, 0.0};
        QTest::newRow("far beyond an int") << 1.0 << 1e300 << false << 80000
                                           << QList<double>{8.0, 8.0};
    }
    void doubleSliderSetValue()
    {
        QFETCH(double, start);
        QFETCH(double, value);
        QFETCH(bool, block);
        QFETCH(int, sliderValue);
        QFETCH(QList<double>, emitted);
        QDoubleSlider slider;
        slider.setRange(0.0, 8.0);
        slider.setValue(start, true);
        QSignalSpy spy(&slider, qOverload<double>(&QDoubleSlider::valueChanged));

        slider.setValue(value, block);

        QCOMPARE(slider.QSlider::value(), sliderValue);
        QCOMPARE(slider.value(), sliderValue / 10000.0);
        QList<double> got;
        for (const QList<QVariant> &args : qAsConst(spy))
            got << args.first().toDouble();
        QCOMPARE(got, emitted);
        QVERIFY(!slider.signalsBlocked());
    }

    void doubleSliderKeepsCallersBlocking()
    {
        QDoubleSlider slider;
        slider.setRange(0.0, 8.0);
        slider.blockSignals(true);
        slider.setValue(2.5, false);
        QVERIFY(slider.signalsBlocked());
        slider.setValue(3.5, true);
        QVERIFY(slider.signalsBlocked());
        QCOMPARE(slider.value(), 3.5);
    }

    void doubleSliderUserMoveEmitsOnce()
    {
        QDoubleSlider slider;
        slider.setRange(0.0, 8.0);
        QSignalSpy spy(&slider, qOverload<double>(&QDoubleSlider::valueChanged));
        slider.triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().first().toDouble(), 0.0001);
    }

    void doubleSliderRange()
    {
        QDoubleSlider slider;
        QSignalSpy spy(&slider, &QDoubleSlider::rangeChanged);
        slider.setRange(0.1, 8.0);
        QCOMPARE(slider.QSlider::minimum(), 1000);
        QCOMPARE(slider.QSlider::maximum(), 80000);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.last().at(0).toDouble(), 0.1);
        QCOMPARE(spy.last().at(1).toDouble(), 8.0);

        slider.setMaximum(8.00009);
        QCOMPARE(slider.QSlider::maximum(), 80000);
        QCOMPARE(spy.last().at(1).toDouble(), 8.0);

        slider.setMinimum(0.25);
        QCOMPARE(slider.minimum(), 0.25);
        QCOMPARE(spy.count(), 3);
        QCOMPARE(spy.last().at(0).toDouble(), 0.25);
        QCOMPARE(spy.last().at(1).toDouble(), 8.0);
    }

    // A form sets integer properties: they are slider units, not doubles to be scaled.
    void doubleSliderTakesAFormsIntegers()
    {
        QDoubleSlider slider;
        slider.setMinimum(1);
        slider.setMaximum(800);
        QSignalSpy spy(&slider, qOverload<double>(&QDoubleSlider::valueChanged));
        slider.setValue(100);
        QCOMPARE(slider.QSlider::minimum(), 1);
        QCOMPARE(slider.QSlider::maximum(), 800);
        QCOMPARE(slider.QSlider::value(), 100);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().first().toDouble(), 0.01);
    }

    void continuesSliderReportsAtRelease()
    {
        ProbeSlider slider;
        slider.setRange(0, 100);
        slider.resize(300, 30);
        slider.setValue(10, true);
        QSignalSpy changed(&slider, &QAbstractSlider::valueChanged);
        QSignalSpy changing(&slider, &QContinuesSlider::valueChanging);

        const QPoint start = slider.handleCentre();
        const QPoint end = start + QPoint(90, 0);
        sendMouse(&slider, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        for (int x = start.x() + 10; x <= end.x(); x += 10)
            sendMouse(&slider, QEvent::MouseMove, QPoint(x, start.y()), Qt::NoButton,
                      Qt::LeftButton);
        QCOMPARE(changed.count(), 0);
        QVERIFY(slider.signalsBlocked());
        sendMouse(&slider, QEvent::MouseButtonRelease, end, Qt::LeftButton, Qt::NoButton);

        QVERIFY(slider.value() > 30);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toInt(), slider.value());
        QCOMPARE(changing.count(), 0);
        QVERIFY(!slider.signalsBlocked());
    }

    void continuesSliderIgnoresTheWheel()
    {
        QContinuesSlider slider;
        slider.setRange(0, 100);
        slider.resize(300, 30);
        QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&slider, &wheel);
        QCOMPARE(slider.value(), 0);
    }

    void continuesSliderSetValue()
    {
        QContinuesSlider slider;
        slider.setRange(0, 100);
        QSignalSpy changed(&slider, &QAbstractSlider::valueChanged);
        slider.setValue(150, false);
        QCOMPARE(slider.value(), 100);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.last().first().toInt(), 100);
        slider.setValue(20, true);
        QCOMPARE(slider.value(), 20);
        QCOMPARE(changed.count(), 2);
        QVERIFY(!slider.signalsBlocked());
    }
};

QTEST_MAIN(tst_Sliders)
#include "tst_sliders.moc"
