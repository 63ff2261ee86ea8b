#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "BrvTest.h"
#include "FindNamed.h"
#include "settings/IQBatchSettings.h"
#include "IQResizeFrame.h"

using BrvTest::findNamed;

class TestResizeFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void freshFrameMatchesTheRecord();
    void typedTextLandsInTheModesField_data();
    void typedTextLandsInTheModesField();
    void validatorsRefuseValuesAboveTheTop_data();
    void validatorsRefuseValuesAboveTheTop();
    void switchingToPercentageClearsTheEdit();
    void aValueHiddenByAModeChangeDoesNotAct();
    void freeModeHeightFollowsItsEditAfterAModeChange();
    void enlargeAndResolutionWriteTheRecord();

private:
    IQBatchSettings *settings() { return IQBatchSettings::instance(); }
};

void TestResizeFrame::initTestCase()
{
    QVERIFY(BrvTest::loadEnglishTranslation());
}

void TestResizeFrame::init()
{
    *settings() = IQBatchSettings();
}

void TestResizeFrame::freshFrameMatchesTheRecord()
{
    IQResizeFrame frame;
    QCOMPARE(findNamed<QComboBox>(&frame, "modeComboBox")->currentIndex(), 0);
    QCOMPARE(findNamed<QComboBox>(&frame, "modeComboBox")->itemText(2), QStringLiteral("Percentage"));
    QCOMPARE(findNamed<QLineEdit>(&frame, "widthEdit")->text(), QString());
    QVERIFY(findNamed<QLineEdit>(&frame, "heightEdit")->isHidden());
    QCOMPARE(findNamed<QLineEdit>(&frame, "resolutionEdit")->text(), QStringLiteral("96"));
    QVERIFY(!findNamed<QCheckBox>(&frame, "enlargeCheck")->isChecked());
    QVERIFY(findNamed<QCheckBox>(&frame, "moduleCheck")->isChecked());
    QCOMPARE(findNamed<QLabel>(&frame, "moduleNameLabel")->text(), QStringLiteral("Resize"));

    QCOMPARE(settings()->resizeMode, 0);
    QCOMPARE(settings()->resizeWidth, 0);
    QCOMPARE(settings()->resizeHeight, 0);
    QCOMPARE(settings()->resizePercent, 100);
    QCOMPARE(settings()->resolution, 96);
    QVERIFY(!settings()->enlarge);
}

void TestResizeFrame::typedTextLandsInTheModesField_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("widthText");
    QTest::addColumn<QString>("heightText");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("heightRowShown");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<bool>("enlargeShown");

    QTest::newRow("by width") << 0 << "800" << "" << 800 << 0 << 100 << false << "Width:"
                              << "Pixels" << true;
    QTest::newRow("by width, below the bottom") << 0 << "5" << "" << 5 << 0 << 100 << false
                                                << "Width:" << "Pixels" << true;
    QTest::newRow("by height") << 1 << "600" << "" << 0 << 600 << 100 << false << "Height:"
                               << "Pixels" << true;
    QTest::newRow("by percentage") << 2 << "50" << "" << 0 << 0 << 50 << false
                                   << "Percentage:" << "%" << false;
    QTest::newRow("free") << 3 << "640" << "480" << 640 << 480 << 100 << true << "Width:"
                          << "Pixels" << true;
    QTest::newRow("not a number") << 0 << "x" << "" << 0 << 0 << 100 << false << "Width:"
                                  << "Pixels" << true;
}

void TestResizeFrame::typedTextLandsInTheModesField()
{
    QFETCH(int, mode);
    QFETCH(QString, widthText);
    QFETCH(QString, heightText);

    IQResizeFrame frame;
    findNamed<QComboBox>(&frame, "modeComboBox")->setCurrentIndex(mode);
    QTest::keyClicks(findNamed<QLineEdit>(&frame, "widthEdit"), widthText);
    QTest::keyClicks(findNamed<QLineEdit>(&frame, "heightEdit"), heightText);

    QCOMPARE(settings()->resizeMode, mode);
    QTEST(settings()->resizeWidth, "width");
    QTEST(settings()->resizeHeight, "height");
    QTEST(settings()->resizePercent, "percent");
    QTEST(findNamed<QLineEdit>(&frame, "heightEdit")->isVisibleTo(&frame), "heightRowShown");
    QTEST(findNamed<QLabel>(&frame, "heightDescLabel")->isVisibleTo(&frame), "heightRowShown");
    QTEST(findNamed<QLabel>(&frame, "heightPixelLabel")->isVisibleTo(&frame), "heightRowShown");
    QTEST(findNamed<QLabel>(&frame, "widthDescLabel")->text(), "caption");
    QTEST(findNamed<QLabel>(&frame, "widthPixelLabel")->text(), "unit");
    QTEST(findNamed<QCheckBox>(&frame, "enlargeCheck")->isVisibleTo(&frame), "enlargeShown");
}

void TestResizeFrame::validatorsRefuseValuesAboveTheTop_data()
{
    QTest::addColumn<QByteArray>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("width at the top") << QByteArray("widthEdit") << "1000" << "1000";
    QTest::newRow("width above the top") << QByteArray("widthEdit") << "1001" << "100";
    QTest::newRow("width far above the top") << QByteArray("widthEdit") << "9999" << "999";
    QTest::newRow("width five digits") << QByteArray("widthEdit") << "10000" << "1000";
    QTest::newRow("width below the bottom") << QByteArray("widthEdit") << "5" << "5";
    QTest::newRow("width letters") << QByteArray("widthEdit") << "1a2" << "12";
    QTest::newRow("width minus") << QByteArray("widthEdit") << "-5" << "5";
    QTest::newRow("height above the top") << QByteArray("heightEdit") << "1001" << "100";
    QTest::newRow("resolution at the top") << QByteArray("resolutionEdit") << "100" << "100";
    QTest::newRow("resolution above the top") << QByteArray("resolutionEdit") << "101" << "10";
    QTest::newRow("resolution below the bottom") << QByteArray("resolutionEdit") << "7" << "7";
}

void TestResizeFrame::validatorsRefuseValuesAboveTheTop()
{
    QFETCH(QByteArray, edit);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    IQResizeFrame frame;
    findNamed<QComboBox>(&frame, "modeComboBox")->setCurrentIndex(3);
    auto *lineEdit = findNamed<QLineEdit>(&frame, edit.constData());
    lineEdit->clear();
    QTest::keyClicks(lineEdit, typed);
    QCOMPARE(lineEdit->text(), shown);

    const int stored = edit == "widthEdit"    ? settings()->resizeWidth
                       : edit == "heightEdit" ? settings()->resizeHeight
                                              : settings()->resolution;
    QCOMPARE(stored, shown.toInt());
}

void TestResizeFrame::switchingToPercentageClearsTheEdit()
{
    IQResizeFrame frame;
    auto *widthEdit = findNamed<QLineEdit>(&frame, "widthEdit");
    QTest::keyClicks(widthEdit, QStringLiteral("800"));
    QCOMPARE(settings()->resizeWidth, 800);

    findNamed<QComboBox>(&frame, "modeComboBox")->setCurrentIndex(2);
    QCOMPARE(widthEdit->text(), QString());
    QVERIFY(!findNamed<QCheckBox>(&frame, "enlargeCheck")->isVisibleTo(&frame));
    QCOMPARE(findNamed<QLabel>(&frame, "widthPixelLabel")->text(), QStringLiteral("%"));
    QCOMPARE(settings()->resizePercent, 0);
    QCOMPARE(settings()->resizeWidth, 800); // not used by percentage mode
}

void TestResizeFrame::aValueHiddenByAModeChangeDoesNotAct()
{
    IQResizeFrame frame;
    auto *mode = findNamed<QComboBox>(&frame, "modeComboBox");
    QTest::keyClicks(findNamed<QLineEdit>(&frame, "widthEdit"), QStringLiteral("800"));

    mode->setCurrentIndex(1);
    QCOMPARE(settings()->resizeHeight, 0);
    mode->setCurrentIndex(0);
    QCOMPARE(findNamed<QLineEdit>(&frame, "widthEdit")->text(), QString());
    QCOMPARE(settings()->resizeMode, 0);
    QCOMPARE(settings()->resizeWidth, 0);
}

void TestResizeFrame::freeModeHeightFollowsItsEditAfterAModeChange()
{
    IQResizeFrame frame;
    auto *mode = findNamed<QComboBox>(&frame, "modeComboBox");
    mode->setCurrentIndex(3);
    QTest::keyClicks(findNamed<QLineEdit>(&frame, "heightEdit"), QStringLiteral("500"));
    QCOMPARE(settings()->resizeHeight, 500);

    mode->setCurrentIndex(1); // the single edit now writes the height
    QCOMPARE(settings()->resizeHeight, 0);
    mode->setCurrentIndex(3);
    QCOMPARE(findNamed<QLineEdit>(&frame, "heightEdit")->text(), QStringLiteral("500"));
    QCOMPARE(settings()->resizeHeight, 500);
    QCOMPARE(settings()->resizeWidth, 0);
}

void TestResizeFrame::enlargeAndResolutionWriteTheRecord()
{
    IQResizeFrame frame;
    findNamed<QCheckBox>(&frame, "enlargeCheck")->click();
    QVERIFY(settings()->enlarge);
    findNamed<QLineEdit>(&frame, "resolutionEdit")->clear();
    QCOMPARE(settings()->resolution, 0);
}

QTEST_MAIN(TestResizeFrame)
#include "tst_resizeframe.moc"
