#include <QCheckBox>
#include <QRadioButton>
#include <QtTest>

#include "BrvTest.h"
#include "FindNamed.h"
#include "settings/IQBatchSettings.h"
#include "IQRotateFrame.h"

using BrvTest::findNamed;

class TestRotateFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void freshFrameShowsNoTurnAndWritesNothing();
    void clickStoresTheMode_data();
    void clickStoresTheMode();
    void clickingTheCheckedButtonChangesNothing();
};

void TestRotateFrame::initTestCase()
{
    QVERIFY(BrvTest::loadEnglishTranslation());
}

void TestRotateFrame::init()
{
    *IQBatchSettings::instance() = IQBatchSettings();
}

void TestRotateFrame::freshFrameShowsNoTurnAndWritesNothing()
{
    IQBatchSettings::instance()->rotateMode = 2; // a fresh frame must not overwrite it
    IQRotateFrame frame;
    auto *no = findNamed<QRadioButton>(&frame, "radioButton_1");
    QVERIFY(no->isChecked());
    QCOMPARE(no->text(), QStringLiteral("No"));
    QCOMPARE(findNamed<QRadioButton>(&frame, "radioButton_2")->text(), QStringLiteral("Rotate Left"));
    QCOMPARE(IQBatchSettings::instance()->rotateMode, 2);
}

void TestRotateFrame::clickStoresTheMode_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<int>("mode");
    QTest::newRow("left") << QByteArray("radioButton_2") << 1;
    QTest::newRow("right") << QByteArray("radioButton_3") << 2;
    QTest::newRow("180") << QByteArray("radioButton_4") << 3;
}

void TestRotateFrame::clickStoresTheMode()
{
    QFETCH(QByteArray, button);
    QFETCH(int, mode);

    IQRotateFrame frame;
    findNamed<QRadioButton>(&frame, button.constData())->click();
    QCOMPARE(IQBatchSettings::instance()->rotateMode, mode);

    findNamed<QRadioButton>(&frame, "radioButton_1")->click();
    QCOMPARE(IQBatchSettings::instance()->rotateMode, 0);
}

void TestRotateFrame::clickingTheCheckedButtonChangesNothing()
{
    IQRotateFrame frame;
    auto *right = findNamed<QRadioButton>(&frame, "radioButton_3");
    right->click();
    right->click();
    QVERIFY(right->isChecked());
    QCOMPARE(IQBatchSettings::instance()->rotateMode, 2);
}

QTEST_MAIN(TestRotateFrame)
#include "tst_rotateframe.moc"
