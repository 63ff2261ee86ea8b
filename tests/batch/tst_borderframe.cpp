#include <QAbstractButton>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

#include "BrvTest.h"
#include "FindNamed.h"
#include "settings/IQBatchSettings.h"
#include "IQBorderFrame.h"
#include "QColorWidget.h"

using BrvTest::findNamed;

class TestBorderFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void freshFrameShowsFullOpacityAndNoWidth();
    void opacityAndColourCombine();
    void opacityKeepsTheColour();
    void widthStaysWithinItsRange();
};

void TestBorderFrame::initTestCase()
{
    QVERIFY(BrvTest::loadEnglishTranslation());
}

void TestBorderFrame::init()
{
    *IQBatchSettings::instance() = IQBatchSettings();
}

void TestBorderFrame::freshFrameShowsFullOpacityAndNoWidth()
{
    IQBorderFrame frame;
    QCOMPARE(findNamed<QLabel>(&frame, "opacityValueLabel")->text(), QStringLiteral("255"));
    QCOMPARE(findNamed<QSpinBox>(&frame, "widthSpinBox")->value(), 0);
    QCOMPARE(IQBatchSettings::instance()->borderColor, QColor(Qt::black));
    QCOMPARE(IQBatchSettings::instance()->borderWidth, 0);
}

void TestBorderFrame::opacityAndColourCombine()
{
    IQBorderFrame frame;
    findNamed<QSlider>(&frame, "opacitySlider")->setValue(128);

    // a colour picked in the chooser
    auto *chooser = findNamed<QColorWidget>(&frame, "colorWidget");
    findNamed<QSpinBox>(chooser, "rSpinBox")->setValue(200);
    QCOMPARE(IQBatchSettings::instance()->borderColor.red(), 200);
    QCOMPARE(IQBatchSettings::instance()->borderColor.alpha(), 128);

    // one that arrives with an alpha of its own still takes the slider's
    emit chooser->colorChanged(QColor(10, 20, 30, 40));
    QCOMPARE(IQBatchSettings::instance()->borderColor, QColor(10, 20, 30, 128));

    // unticked, the slider still writes the alpha
    findNamed<QAbstractButton>(&frame, "moduleCheck")->click();
    findNamed<QSlider>(&frame, "opacitySlider")->setValue(64);
    QCOMPARE(IQBatchSettings::instance()->borderColor, QColor(10, 20, 30, 64));
}

void TestBorderFrame::opacityKeepsTheColour()
{
    IQBatchSettings::instance()->borderColor = QColor(50, 100, 150);
    IQBorderFrame frame;
    findNamed<QSlider>(&frame, "opacitySlider")->setValue(77);
    QCOMPARE(IQBatchSettings::instance()->borderColor, QColor(50, 100, 150, 77));
    QCOMPARE(findNamed<QLabel>(&frame, "opacityValueLabel")->text(), QStringLiteral("77"));
}

void TestBorderFrame::widthStaysWithinItsRange()
{
    IQBorderFrame frame;
    auto *width = findNamed<QSpinBox>(&frame, "widthSpinBox");
    width->setValue(12);
    QCOMPARE(IQBatchSettings::instance()->borderWidth, 12);
    width->setValue(150);
    QCOMPARE(IQBatchSettings::instance()->borderWidth, 99);
}

QTEST_MAIN(TestBorderFrame)
#include "tst_borderframe.moc"
