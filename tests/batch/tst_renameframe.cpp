#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

#include "BrvTest.h"
#include "FindNamed.h"
#include "settings/IQBatchSettings.h"
#include "IQRenameFrame.h"

using BrvTest::findNamed;

class TestRenameFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void sampleName_data();
    void sampleName();
    void forbiddenCharactersAreRefused_data();
    void forbiddenCharactersAreRefused();
    void editsStopAtTheirMaximumLength_data();
    void editsStopAtTheirMaximumLength();
    void startNumberStaysWithinItsRange();
    void sampleIsEmptyUntilAFieldChangesAndIgnoresTheSwitch();
};

void TestRenameFrame::initTestCase()
{
    QVERIFY(BrvTest::loadEnglishTranslation());
}

void TestRenameFrame::init()
{
    *IQBatchSettings::instance() = IQBatchSettings();
}

void TestRenameFrame::sampleName_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("sample");

    QTest::newRow("all parts") << "A_" << "Holiday" << "_B" << 5 << "A_Holiday_B_5";
    QTest::newRow("no new name") << "x" << "" << "" << 1 << "x-----_1";
    QTest::newRow("nothing set") << "" << "" << "" << 12 << "-----_12";
    QTest::newRow("placeholder as prefix") << "%1" << "Trip" << "" << 2 << "%1Trip_2";
    QTest::newRow("placeholders everywhere") << "%1" << "%2" << "%3" << 3 << "%1%2%3_3";
    QTest::newRow("spaces and percent") << "a b" << "50% off" << "" << 1 << "a b50% off_1";
}

void TestRenameFrame::sampleName()
{
    QFETCH(QString, prefix);
    QFETCH(QString, newName);
    QFETCH(QString, suffix);
    QFETCH(int, start);

    IQRenameFrame frame;
    QTest::keyClicks(findNamed<QLineEdit>(&frame, "prefixEdit"), prefix);
    QTest::keyClicks(findNamed<QLineEdit>(&frame, "newNameEdit"), newName);
    QTest::keyClicks(findNamed<QLineEdit>(&frame, "suffixEdit"), suffix);
    findNamed<QSpinBox>(&frame, "startSpinBox")->setValue(start);

    const IQBatchSettings *settings = IQBatchSettings::instance();
    QCOMPARE(settings->prefix, prefix);
    QCOMPARE(settings->newName, newName);
    QCOMPARE(settings->suffix, suffix);
    QCOMPARE(settings->startNumber, start);
    QTEST(frame.updateSampleName(), "sample");
    QTEST(findNamed<QLabel>(&frame, "startIndexNoteLabel")->text(), "sample");
}

void TestRenameFrame::forbiddenCharactersAreRefused_data()
{
    QTest::addColumn<QByteArray>("edit");
    QTest::addColumn<QString>("character");
    for (const char *edit : {"prefixEdit", "suffixEdit", "newNameEdit"}) {
        for (const QChar c : QStringLiteral("\\/:*?\"<>|"))
            QTest::addRow("%s %c", edit, c.toLatin1()) << QByteArray(edit) << QString(c);
    }
}

void TestRenameFrame::forbiddenCharactersAreRefused()
{
    QFETCH(QByteArray, edit);
    QFETCH(QString, character);

    IQRenameFrame frame;
    auto *lineEdit = findNamed<QLineEdit>(&frame, edit.constData());
    QTest::keyClicks(lineEdit, QStringLiteral("a") + character + QStringLiteral("b"));
    QCOMPARE(lineEdit->text(), QStringLiteral("ab"));
}

void TestRenameFrame::editsStopAtTheirMaximumLength_data()
{
    QTest::addColumn<QByteArray>("edit");
    QTest::addColumn<int>("maximum");
    QTest::newRow("prefix") << QByteArray("prefixEdit") << 32;
    QTest::newRow("suffix") << QByteArray("suffixEdit") << 32;
    QTest::newRow("new name") << QByteArray("newNameEdit") << 64;
}

void TestRenameFrame::editsStopAtTheirMaximumLength()
{
    QFETCH(QByteArray, edit);
    QFETCH(int, maximum);

    IQRenameFrame frame;
    auto *lineEdit = findNamed<QLineEdit>(&frame, edit.constData());
    QTest::keyClicks(lineEdit, QString(80, QLatin1Char('n')));
    QCOMPARE(lineEdit->text().size(), maximum);
}

void TestRenameFrame::startNumberStaysWithinItsRange()
{
    IQRenameFrame frame;
    auto *spin = findNamed<QSpinBox>(&frame, "startSpinBox");
    spin->setValue(150);
    QCOMPARE(IQBatchSettings::instance()->startNumber, 99);
    spin->setValue(-3);
    QCOMPARE(IQBatchSettings::instance()->startNumber, 1);
}

void TestRenameFrame::sampleIsEmptyUntilAFieldChangesAndIgnoresTheSwitch()
{
    IQRenameFrame frame;
    auto *sample = findNamed<QLabel>(&frame, "startIndexNoteLabel");
    QCOMPARE(sample->text(), QString());
    QCOMPARE(findNamed<QLabel>(&frame, "sampleNameLabel")->text(), QStringLiteral("Sample:"));

    QTest::keyClicks(findNamed<QLineEdit>(&frame, "prefixEdit"), QStringLiteral("p"));
    QCOMPARE(sample->text(), QStringLiteral("p-----_1"));
    IQBatchSettings::instance()->prefix = QStringLiteral("changed elsewhere");
    findNamed<QCheckBox>(&frame, "moduleCheck")->click();
    QVERIFY(!IQBatchSettings::instance()->renameEnabled);
    QCOMPARE(sample->text(), QStringLiteral("p-----_1"));
}

QTEST_MAIN(TestRenameFrame)
#include "tst_renameframe.moc"
