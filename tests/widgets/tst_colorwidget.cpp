#include <QtTest>

#include <QLabel>
#include <QSpinBox>

#include "BrvTest.h"
#include "FindNamed.h"
#include "QColorPreview.h"
#include "QColorSquare.h"
#include "QColorWidget.h"
#include "QGradientSlider.h"

namespace {
using BrvTest::findNamed;
using BrvTest::sendMouse;

QVector<QColor> hueColors()
{
    QVector<QColor> colors;
    for (int h = 0; h < 360; h += 60)
        colors.append(QColor::fromHsv(h, 255, 255, 255));
    colors.append(Qt::red);
    return colors;
}

// Counts the paints a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

class tst_ColorWidget : public QObject
{
    Q_OBJECT

private slots:
    void pickAtTheCentre()
    {
        QColorSquare square;
        square.resize(100, 100);
        QSignalSpy selected(&square, &QColorSquare::colorSelected);
        QSignalSpy changed(&square, &QColorSquare::colorChanged);
        sendMouse(&square, QEvent::MouseButtonPress, {50, 50}, Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(selected.count(), 0); // a press alone does not pick
        sendMouse(&square, QEvent::MouseButtonRelease, {50, 50}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(square.saturation(), 0.5);
        QCOMPARE(square.value(), 0.5);
        QCOMPARE(square.marker(), QPointF(0.5, 0.5));
        QCOMPARE(selected.count(), 1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(selected.first().first().value<QColor>(), QColor::fromHsvF(0, 0.5, 0.5));
        QCOMPARE(selected.first().first().value<QColor>().alpha(), 255);
    }

    void dragsClampToTheEdges_data()
    {
        QTest::addColumn<char>("channel");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPointF>("marker");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("H past the top left") << 'H' << QPoint(-30, -30) << QPointF(0, 0)
                                             << QColor::fromHsvF(0, 0, 0);
        QTest::newRow("H past the bottom right") << 'H' << QPoint(500, 400) << QPointF(1, 1)
                                                 << QColor::fromHsvF(0, 1, 1);
        QTest::newRow("S past the right") << 'S' << QPoint(300, 50) << QPointF(1, 0.5)
                                          << QColor::fromHsvF(1, 0, 0.5);
        QTest::newRow("V below") << 'V' << QPoint(25, 900) << QPointF(0.25, 1)
                                 << QColor::fromHsvF(0.25, 1, 0);
        QTest::newRow("R past the bottom right") << 'R' << QPoint(500, 500) << QPointF(1, 1)
                                                 << QColor::fromRgbF(0, 1, 1);
    }
    void dragsClampToTheEdges()
    {
        QFETCH(char, channel);
        QFETCH(QPoint, to);
        QFETCH(QPointF, marker);
        QFETCH(QColor, expected);
        QColorSquare square;
        square.resize(100, 100);
        square.setCheckedColor(channel);
        QSignalSpy selected(&square, &QColorSquare::colorSelected);
        sendMouse(&square, QEvent::MouseButtonPress, {50, 50}, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&square, QEvent::MouseMove, {60, 60}, Qt::NoButton, Qt::LeftButton);
        sendMouse(&square, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(square.marker(), marker);
        QCOMPARE(square.color().rgba(), expected.rgba());
        sendMouse(&square, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(selected.count(), 3);
        QCOMPARE(square.color().rgba(), expected.rgba());
    }

    void squareSetters()
    {
        QColorSquare square;
        QSignalSpy changed(&square, &QColorSquare::colorChanged);
        square.setColor(QColor(0, 128, 255));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(square.marker(), QPointF(square.saturation(), square.value()));
        QCOMPARE(square.value(), 1.0);
        square.setColor(QColor(128, 128, 128)); // no hue
        QCOMPARE(square.hue(), 0.0);
        square.setHue(1.7);
        QCOMPARE(square.hue(), 1.0);
        square.setSaturation(-1);
        QCOMPARE(square.saturation(), 0.0);
        square.setValue(0.25);
        QCOMPARE(changed.count(), 5);
        QCOMPARE(changed.last().first().value<QColor>(), square.color());
    }

    void squarePaintsItsChannel()
    {
        QColorSquare square;
        square.resize(50, 50);
        square.setColor(QColor::fromHsv(240, 255, 255));
        const QImage image = square.grab().toImage();
        // Channel H: saturation runs along x, value down y; drawn one pixel in.
        for (const QPoint &p : {QPoint(20, 30), QPoint(40, 20), QPoint(5, 45)}) {
            const QRgb expected =
                QColor::fromHsvF(240 / 360.0, (p.x() - 1) / 50.0, (p.y() - 1) / 50.0).rgb();
            QCOMPARE(image.pixel(p), expected);
        }
    }

    // The square asks for its style once, not on every paint, which never lets it rest.
    void squarePaintsOnlyWhenAsked()
    {
        QColorSquare square;
        square.resize(60, 60);
        square.show();
        QVERIFY(QTest::qWaitForWindowExposed(&square));
        PaintCounter counter;
        square.installEventFilter(&counter);
        square.repaint();
        QCOMPARE(counter.paints, 1);
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        QCOMPARE(counter.paints, 1);
    }

    void chooserFollowsAPick()
    {
        QColorWidget chooser(nullptr);
        auto *square = findNamed<QColorSquare>(&chooser, "colorSquareWidget");
        QVERIFY(square);
        square->resize(100, 100);
        QSignalSpy changed(&chooser, &QColorWidget::colorChanged);
        QSignalSpy squareChanged(square, &QColorSquare::colorChanged);

        sendMouse(square, QEvent::MouseButtonRelease, {50, 50}, Qt::LeftButton, Qt::NoButton);

        const QColor picked = QColor::fromHsvF(0, 0.5, 0.5);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().value<QColor>(), picked);
        QCOMPARE(findNamed<QSpinBox>(&chooser, "rSpinBox")->value(), picked.red());
        QCOMPARE(findNamed<QSpinBox>(&chooser, "gSpinBox")->value(), picked.green());
        QCOMPARE(findNamed<QSpinBox>(&chooser, "bSpinBox")->value(), picked.blue());
        // No round trip through the spin boxes back into the square.
        QCOMPARE(squareChanged.count(), 1);
        QCOMPARE(square->marker(), QPointF(0.5, 0.5));
        QVERIFY(!square->signalsBlocked());
        QVERIFY(!chooser.signalsBlocked());
    }

    void spinBoxesSetTheColour()
    {
        QColorWidget chooser;
        auto *hue = findNamed<QGradientSlider>(&chooser, "hueSlider");
        hue->setValue(200);
        QSignalSpy changed(&chooser, &QColorWidget::colorChanged);
        findNamed<QSpinBox>(&chooser, "rSpinBox")->setValue(255);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().value<QColor>().rgba(), qRgb(255, 0, 0));
        QCOMPARE(changed.first().first().value<QColor>().alpha(), 255);
        QCOMPARE(hue->value(), 200);
        auto *square = findNamed<QColorSquare>(&chooser, "colorSquareWidget");
        QCOMPARE(square->color().rgba(), qRgb(255, 0, 0));
    }

    void hueBarSetsTheHue()
    {
        QColorWidget chooser;
        findNamed<QColorSquare>(&chooser, "colorSquareWidget")->setColor(Qt::red);
        QSignalSpy changed(&chooser, &QColorWidget::colorChanged);
        findNamed<QGradientSlider>(&chooser, "hueSlider")->setValue(120);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().value<QColor>().rgba(), qRgb(0, 255, 0));
        QCOMPARE(findNamed<QSpinBox>(&chooser, "gSpinBox")->value(), 255);
        QCOMPARE(findNamed<QSpinBox>(&chooser, "rSpinBox")->value(), 0);
    }

    void chooserStartsAsBuilt()
    {
        QColorWidget chooser;
        QCOMPARE(chooser.maximumSize(), QSize(330, 128));
        auto *hue = findNamed<QGradientSlider>(&chooser, "hueSlider");
        QCOMPARE(hue->orientation(), Qt::Vertical);
        QCOMPARE(hue->maximum(), 359);
        QCOMPARE(hue->value(), 0);
        QCOMPARE(hue->colors(), hueColors());
        auto *preview = findNamed<QColorPreview>(&chooser, "colorPreviewWidget");
        QCOMPARE(preview->color(), QColor(Qt::red));
        QCOMPARE(findNamed<QColorSquare>(&chooser, "colorSquareWidget")->color(),
                 QColor::fromHsvF(0, 0, 0));
        for (const char *name : {"rSpinBox", "gSpinBox", "bSpinBox"}) {
            QCOMPARE(findNamed<QSpinBox>(&chooser, name)->value(), 0);
            QCOMPARE(findNamed<QSpinBox>(&chooser, name)->maximum(), 255);
        }
    }

    void caption()
    {
        QColorWidget chooser;
        auto *label = findNamed<QLabel>(&chooser, "colorDescLabel");
        QCOMPARE(label->text(), QStringLiteral("Color:"));
        chooser.setLabelText(QString());
        QVERIFY(label->isHidden());
        chooser.setLabelText(QStringLiteral("Border:"));
        QVERIFY(!label->isHidden());
        QCOMPARE(label->text(), QStringLiteral("Border:"));
    }

    void previewPaintsItsColour()
    {
        QColorPreview preview;
        preview.resize(12, 12);
        QCOMPARE(preview.sizeHint(), QSize(24, 24));
        QCOMPARE(preview.grab().toImage().pixelColor(6, 6), QColor(Qt::red));
        preview.setColor(Qt::blue);
        QCOMPARE(preview.grab().toImage().pixelColor(6, 6), QColor(Qt::blue));
    }

    // Beside the handle of the vertical hue bar is the hue of its value.
    void hueBarShowsItsValue_data()
    {
        QTest::addColumn<int>("value");
        for (int hue : {30, 60, 120, 200, 300})
            QTest::newRow(qPrintable(QString::number(hue))) << hue;
    }
    void hueBarShowsItsValue()
    {
        QFETCH(int, value);
        QGradientSlider slider;
        slider.setOrientation(Qt::Vertical);
        slider.setColors(hueColors());
        slider.setMaximum(359);
        slider.setValue(value);
        slider.resize(24, 370);
        const QImage image = slider.grab().toImage();
        const int handleTop = int((1 - value / 359.0) * (370 - 10)) + 3;
        const QColor beside = image.pixelColor(12, handleTop - 3);
        QVERIFY2(qAbs(beside.hsvHue() - value) <= 6,
                 qPrintable(QStringLiteral("hue %1").arg(beside.hsvHue())));
        QCOMPARE(image.pixelColor(12, handleTop + 2), QColor(Qt::white));
    }

    void gradientOfFewColours()
    {
        QGradientSlider slider;
        QCOMPARE(slider.firstColor(), QColor(Qt::black));
        QCOMPARE(slider.lastColor(), QColor(Qt::white));
        slider.setColors({Qt::blue});
        QCOMPARE(slider.gradient().stops().size(), 2);
        QCOMPARE(slider.gradient().stops().last().second, QColor(Qt::blue));
        slider.resize(100, 24);
        slider.setRange(5, 5);
        QCOMPARE(slider.grab().toImage().pixelColor(50, 12), QColor(Qt::blue));
        slider.setColors({});
        QVERIFY(!slider.firstColor().isValid());
        QVERIFY(!slider.lastColor().isValid());
        QVERIFY(!slider.grab().isNull());
    }

    // Typed into the boxes, a colour shows in the preview beside the caption and as the square's
    // marker, over controls laid out side by side within the chooser.
    void typedColourShowsInThePreview()
    {
        BrvTest::applyDarkStyle();
        QColorWidget chooser;
        chooser.resize(330, 128);
        const QColor typed(40, 120, 200);
        findNamed<QSpinBox>(&chooser, "rSpinBox")->setValue(typed.red());
        findNamed<QSpinBox>(&chooser, "gSpinBox")->setValue(typed.green());
        findNamed<QSpinBox>(&chooser, "bSpinBox")->setValue(typed.blue());
        const QImage shown = chooser.grab().toImage();
        BrvTest::saveScreenshot(&chooser, QStringLiteral("colorwidget"));
        const QString fault = BrvTest::layoutFault(&chooser);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));

        auto *preview = findNamed<QColorPreview>(&chooser, "colorPreviewWidget");
        const QRect previewRect(preview->mapTo(&chooser, QPoint(0, 0)), preview->size());
        QCOMPARE(shown.pixelColor(previewRect.center()), typed);
        auto *square = findNamed<QColorSquare>(&chooser, "colorSquareWidget");
        QCOMPARE(square->color().rgb(), typed.rgb());
        const QPoint marker = square->mapTo(&chooser, QPoint(0, 0))
                              + QPoint(qRound(square->width() * square->marker().x()),
                                       qRound(square->height() * square->marker().y()));
        const QColor underMarker = shown.pixelColor(marker);
        QVERIFY2(BrvTest::isNear(underMarker, typed, 8), qPrintable(underMarker.name()));
        qApp->setStyleSheet(QString());
    }
};

QTEST_MAIN(tst_ColorWidget)
#include "tst_colorwidget.moc"
