#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

#include "BrvTest.h"
#include "FindNamed.h"
#include "settings/IQBatchSettings.h"
#include "IQTextFrame.h"
#include "QtColorPicker.h"

using BrvTest::findNamed;

class TestTextFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void freshFrameShowsItsDefaultsAndKeepsTheRecordsSize();
    void typedSizeIsClampedAndLongSizesRefused_data();
    void typedSizeIsClampedAndLongSizesRefused();
    void sizePickedFromTheListIsStoredAsItStands();
    void textKeepsItsLast256Lines();
    void customPositionShowsXAndY();
    void styleColourAndAngleWriteTheRecord();
};

void TestTextFrame::initTestCase()
{
    QVERIFY(BrvTest::loadEnglishTranslation());
}

void TestTextFrame::init()
{
    *IQBatchSettings::instance() = IQBatchSettings();
}

void TestTextFrame::freshFrameShowsItsDefaultsAndKeepsTheRecordsSize()
{
    IQBatchSettings::instance()->textPosition = IQWatermarkPosition::Center;
    IQTextFrame frame;
    auto *position = findNamed<QComboBox>(&frame, "positionComboBox");
    QCOMPARE(position->currentText(), QStringLiteral("Bottom Right"));
    QCOMPARE(IQBatchSettings::instance()->textPosition, int(IQWatermarkPosition::Center));
    QVERIFY(findNamed<QWidget>(&frame, "positionWidget")->isHidden());

    QCOMPARE(findNamed<QComboBox>(&frame, "fontSizeComboBox")->currentText(), QStringLiteral("28"));
    QCOMPARE(IQBatchSettings::instance()->textPixelSize, 28);
    QCOMPARE(findNamed<QComboBox>(&frame, "styleComboBox")->currentText(), QStringLiteral("Normal"));
    QCOMPARE(findNamed<QLabel>(&frame, "angelValueLabel")->text(), QStringLiteral("0"));
    QCOMPARE(findNamed<QtColorPicker>(&frame, "colorButn")->currentColor(), QColor(Qt::black));
}

void TestTextFrame::typedSizeIsClampedAndLongSizesRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("stored");

    QTest::newRow("below the bottom") << "5" << "5" << 9;
    QTest::newRow("above the top") << "400" << "400" << 300;
    QTest::newRow("four digits") << "4000" << "400" << 300;
    QTest::newRow("within the range") << "150" << "150" << 150;
    QTest::newRow("a letter") << "x" << "" << 9;
    QTest::newRow("empty") << "" << "" << 9;
}

void TestTextFrame::typedSizeIsClampedAndLongSizesRefused()
{
    QFETCH(QString, typed);

    IQTextFrame frame;
    QLineEdit *edit = findNamed<QComboBox>(&frame, "fontSizeComboBox")->lineEdit();
    QVERIFY(edit);
    edit->clear();
    QTest::keyClicks(edit, typed);
    QTEST(edit->text(), "shown");
    QTEST(IQBatchSettings::instance()->textPixelSize, "stored");
}

void TestTextFrame::sizePickedFromTheListIsStoredAsItStands()
{
    IQTextFrame frame;
    auto *sizes = findNamed<QComboBox>(&frame, "fontSizeComboBox");
    sizes->setCurrentIndex(sizes->findText(QStringLiteral("6")));
    QCOMPARE(IQBatchSettings::instance()->textPixelSize, 6);
    sizes->setCurrentIndex(sizes->findText(QStringLiteral("72")));
    QCOMPARE(IQBatchSettings::instance()->textPixelSize, 72);
}

void TestTextFrame::textKeepsItsLast256Lines()
{
    IQTextFrame frame;
    QStringList lines;
    for (int i = 0; i < 300; ++i)
        lines << QStringLiteral("line %1").arg(i);
    auto *edit = findNamed<QPlainTextEdit>(&frame, "plainTextEdit");
    edit->setPlainText(lines.join(QLatin1Char('\n')));

    const QStringList kept = edit->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(kept.size(), 256);
    QCOMPARE(kept.first(), QStringLiteral("line 44"));
    QCOMPARE(kept.last(), QStringLiteral("line 299"));
    QCOMPARE(IQBatchSettings::instance()->text, edit->toPlainText());
}

void TestTextFrame::customPositionShowsXAndY()
{
    IQTextFrame frame;
    auto *position = findNamed<QComboBox>(&frame, "positionComboBox");
    auto *xy = findNamed<QWidget>(&frame, "positionWidget");
    position->setCurrentIndex(IQWatermarkPosition::Custom);
    QVERIFY(xy->isVisibleTo(&frame));
    QCOMPARE(IQBatchSettings::instance()->textPosition, int(IQWatermarkPosition::Custom));
    findNamed<QSpinBox>(&frame, "xSpinBox")->setValue(15);
    findNamed<QSpinBox>(&frame, "ySpinBox")->setValue(25);

    position->setCurrentIndex(IQWatermarkPosition::TopCenter);
    QVERIFY(!xy->isVisibleTo(&frame));
    QCOMPARE(IQBatchSettings::instance()->textPosition, int(IQWatermarkPosition::TopCenter));
    QCOMPARE(IQBatchSettings::instance()->textX, 15);
    QCOMPARE(IQBatchSettings::instance()->textY, 25);
}

void TestTextFrame::styleColourAndAngleWriteTheRecord()
{
    IQTextFrame frame;
    findNamed<QComboBox>(&frame, "styleComboBox")->setCurrentIndex(2);
    QCOMPARE(IQBatchSettings::instance()->textStyle, 2);
    findNamed<QtColorPicker>(&frame, "colorButn")->setCurrentColor(Qt::red);
    QCOMPARE(IQBatchSettings::instance()->textColor, QColor(Qt::red));
    findNamed<QSlider>(&frame, "angelSlider")->setValue(90);
    QCOMPARE(IQBatchSettings::instance()->textAngle, 90);
    QCOMPARE(findNamed<QLabel>(&frame, "angelValueLabel")->text(), QStringLiteral("90"));
}

QTEST_MAIN(TestTextFrame)
#include "tst_textframe.moc"
