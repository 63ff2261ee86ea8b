#include <QtTest>

#include <QApplication>

#include "BrvTest.h"
#include "IQBatchProgressDialog.h"

// The dialog holds the interface while a worker runs, so only the end of the work may let
// go of it: every way a plain progress dialog ends its exec early is tried here.
class tst_BatchProgressDialog : public QObject
{
    Q_OBJECT

private slots:
    void onlyFinishEndsExec_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::newRow("one step") << 1;
        QTest::newRow("three steps") << 3;
    }

    void onlyFinishEndsExec()
    {
        QFETCH(int, maximum);
        QWidget page;
        page.show();
        IQBatchProgressDialog dialog(QStringLiteral("Work"), QString(), 0, maximum, &page);
        dialog.setWindowModality(Qt::WindowModal);
        dialog.setCancelButton(nullptr);
        dialog.setMinimumDuration(0);

        bool upAfterEscape = false;
        bool upAfterClose = false;
        bool upAtMaximum = false;
        bool finishedWhileUp = true;
        BrvTest::answerNextModal([&](QWidget *modal) {
            QCOMPARE(modal, &dialog);
            QTest::keyClick(&dialog, Qt::Key_Escape);
            upAfterEscape = dialog.isVisible();
            dialog.close();
            upAfterClose = dialog.isVisible();
            for (int value = 1; value <= maximum; ++value)
                dialog.setValue(value);
            upAtMaximum = dialog.isVisible() && dialog.value() == maximum;
            finishedWhileUp = dialog.isFinished();
            dialog.finish();
        });
        dialog.exec();

        QVERIFY(upAfterEscape);
        QVERIFY(upAfterClose);
        QVERIFY(upAtMaximum);
        QVERIFY(!finishedWhileUp);
        QVERIFY(dialog.isFinished());
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(tst_BatchProgressDialog)
#include "tst_batchprogressdialog.moc"
