#include <QtTest>

#include <QLabel>
#include <QPushButton>

#include "BrvTest.h"
#include "FindNamed.h"
#include "IQWizardFrame.h"
#include "UntranslatedTexts.h"

class tst_WizardFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(BrvTest::loadEnglishTranslation());
        BrvTest::applyDarkStyle();
        BrvTest::useProgramFont();
    }

    void showsItsTextsInEnglish()
    {
        IQWizardFrame page;
        auto *import = BrvTest::findNamed<QPushButton>(&page, "importButn");
        QVERIFY(import);
        QCOMPARE(import->text(), QStringLiteral("Import"));
        QCOMPARE(BrvTest::findNamed<QLabel>(&page, "orLabel")->text(), QStringLiteral("Or"));
        QCOMPARE(BrvTest::findNamed<QLabel>(&page, "dragLabel")->text(),
                 QStringLiteral("Drag your photos here"));
        QCOMPARE(BrvTest::untranslatedTexts(&page), QStringList());
    }

    void oneClickAsksForFilesOnce()
    {
        IQWizardFrame page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QSignalSpy selected(&page, &IQWizardFrame::select_file);
        QTest::mouseClick(BrvTest::findNamed<QPushButton>(&page, "importButn"), Qt::LeftButton);
        QCOMPARE(selected.count(), 1);
    }

    void screenshot()
    {
        IQWizardFrame page;
        page.resize(960, 600);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        BrvTest::saveScreenshot(&page, QStringLiteral("start-page"));
    }
};

QTEST_MAIN(tst_WizardFrame)
#include "tst_wizardframe.moc"
