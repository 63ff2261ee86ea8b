#include <QtTest>

#include <QAction>
#include <QHBoxLayout>

#include "BrvTest.h"
#include "IQImageFrameV2.h"
#include "ImageViewerV2.h"
#include "QDoubleSlider.h"
#include "ViewerWidget.h"

namespace {

const QSize kFrameSize(800, 600);

// The display frame as the viewer page builds it: the view in a layout, a zoom slider and the
// main window's four zoom actions.
class Frame : public IQImageFrameV2
{
public:
    Frame()
    {
        auto *layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        createViewer(layout);
        slider = new QDoubleSlider(this);
        layout->addWidget(slider);
        setZoomSlider(slider);
        actualSizeAction = &actualSize;
        fitWindowAction = &fitWindow;
        zoomInAction = &zoomInA;
        zoomOutAction = &zoomOutA;
        resize(kFrameSize);
    }

    ViewerWidget *host() const { return findChild<ViewerWidget *>(); }
    ImageViewerV2 *view() const { return findChild<ImageViewerV2 *>(); }
    QList<bool> enabled() const
    {
        return {actualSize.isEnabled(), fitWindow.isEnabled(), zoomInA.isEnabled(),
                zoomOutA.isEnabled()};
    }

    QDoubleSlider *slider = nullptr;
    QAction actualSize{nullptr};
    QAction fitWindow{nullptr};
    QAction zoomInA{nullptr};
    QAction zoomOutA{nullptr};
};

using Enabled = QList<bool>;

} // namespace

class tst_ImageFrame : public QObject
{
    Q_OBJECT

private slots:
    void actionsFollowTheZoomState_data()
    {
        QTest::addColumn<QSize>("imageSize");
        QTest::addColumn<QString>("step");
        QTest::addColumn<double>("zoomTo");
        QTest::addColumn<int>("state");
        // actual size, fit window, zoom in, zoom out
        QTest::addColumn<Enabled>("enabled");

        const QSize large(1600, 1200); // fits the window at 0.5, the minimum
        const QSize small(100, 75);    // fits the window at 4.0; the minimum is 1.0
        QTest::newRow("fit in window") << large << "" << 0.0 << 0 << Enabled{true, false, true, false};
        QTest::newRow("actual size") << large << "actual" << 0.0 << 1 << Enabled{false, true, true, true};
        QTest::newRow("fit to width") << large << "width" << 0.0 << 2 << Enabled{true, true, true, true};
        QTest::newRow("free") << large << "zoom" << 2.0 << 2 << Enabled{true, true, true, true};
        QTest::newRow("free at the maximum")
            << large << "zoom" << 10.0 << 3 << Enabled{true, true, false, true};
        QTest::newRow("free at the minimum")
            << small << "zoom" << 1.0 << 4 << Enabled{true, true, true, false};
        QTest::newRow("no image") << QSize() << "zoom" << 2.0 << 0 << Enabled{false, false, false, false};
    }

    void actionsFollowTheZoomState()
    {
        QFETCH(QSize, imageSize);
        QFETCH(QString, step);
        QFETCH(double, zoomTo);
        QFETCH(int, state);
        QFETCH(Enabled, enabled);

        Frame frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        const QImage image = imageSize.isValid()
                                 ? BrvTest::gradientImage(imageSize.width(), imageSize.height())
                                 : QImage();
        QCOMPARE(frame.setImage(image), !image.isNull());
        if (step == QLatin1String("actual"))
            frame.zoomActual();
        else if (step == QLatin1String("width"))
            frame.host()->setFitMode(FIT_WIDTH);
        else if (step == QLatin1String("zoom"))
            frame.host()->slotZoom(zoomTo);
        frame.updateActions();

        QCOMPARE(frame.zoomState(), state);
        QCOMPARE(frame.enabled(), enabled);
    }

    void sliderAndViewDriveEachOther()
    {
        Frame frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QVERIFY(frame.setImage(BrvTest::gradientImage(1600, 1200)));
        const double fitScale = frame.scale();
        QVERIFY(fitScale < 1.0);
        QCOMPARE(frame.slider->minimum(), double(frame.host()->minScale()));
        QCOMPARE(frame.slider->minimum(), fitScale);
        QCOMPARE(frame.slider->maximum(), 10.0);
        QVERIFY(qAbs(frame.slider->value() - fitScale) < 1e-4);

        // A move of the slider, as the mouse makes it, zooms the view once.
        QSignalSpy viewScales(frame.view(), &ImageViewerV2::scaleChanged);
        QSignalSpy sliderValues(frame.slider, qOverload<double>(&QDoubleSlider::valueChanged));
        frame.slider->setSliderPosition(20000);
        QCOMPARE(sliderValues.count(), 1);
        QCOMPARE(viewScales.count(), 1);
        QCOMPARE(frame.scale(), 2.0);

        // A zoom of the view moves the slider and says nothing.
        sliderValues.clear();
        frame.zoomOut();
        QCOMPARE(frame.scale(), double(2.0f * 0.8f));
        // The slider holds four decimal places.
        QVERIFY(qAbs(frame.slider->value() - frame.scale()) < 1e-4);
        QCOMPARE(sliderValues.count(), 0);
        QCOMPARE(viewScales.count(), 2);

        frame.zoomFit();
        QCOMPARE(frame.scale(), fitScale);
        QVERIFY(qAbs(frame.slider->value() - fitScale) < 1e-4);
        QCOMPARE(sliderValues.count(), 0);
    }

    void withoutAnImageTheSliderLeavesTheViewAlone()
    {
        Frame frame;
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QVERIFY(frame.setImage(BrvTest::gradientImage(1600, 1200)));
        frame.clear();
        QVERIFY(frame.image().isNull());
        QSignalSpy viewScales(frame.view(), &ImageViewerV2::scaleChanged);
        frame.slider->setSliderPosition(30000);
        QCOMPARE(viewScales.count(), 0);
        frame.updateActions();
        QCOMPARE(frame.enabled(), (Enabled{false, false, false, false}));
    }

    void aSecondViewIsNotMade()
    {
        Frame frame;
        ViewerWidget *first = frame.host();
        QVERIFY(first);
        auto *other = new QHBoxLayout;
        frame.createViewer(other);
        delete other;
        QCOMPARE(frame.findChildren<ViewerWidget *>().size(), 1);
        QCOMPARE(frame.host(), first);
    }
};

QTEST_MAIN(tst_ImageFrame)
#include "tst_imageframe.moc"
