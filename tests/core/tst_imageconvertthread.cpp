#include <QtTest>

#include "BrvTest.h"
#include "settings/IQBatchSettings.h"
#include "workers/IQImageConvertThread.h"

class tst_ImageConvertThread : public QObject
{
    Q_OBJECT

private slots:
    void convertsTheImage()
    {
        IQBatchSettings *settings = IQBatchSettings::instance();
        const IQBatchSettings saved = *settings;
        settings->borderEnabled = true;
        settings->borderWidth = 4;
        settings->borderColor = Qt::red;

        auto *thread = new IQImageConvertThread(nullptr, BrvTest::solidImage(40, 20, Qt::white));
        QSignalSpy converted(thread, &IQImageConvertThread::convertFinished);
        QSignalSpy destroyed(thread, &QObject::destroyed);
        connect(thread, &QThread::finished, thread, &QObject::deleteLater);
        thread->start(QThread::InheritPriority);
        QVERIFY(destroyed.wait(60000));
        *settings = saved;

        QCOMPARE(converted.count(), 1);
        const QImage image = converted.at(0).at(0).value<QImage>();
        QCOMPARE(image.size(), QSize(40, 20));
        QCOMPARE(image.pixelColor(1, 1), QColor(Qt::red));
        QCOMPARE(image.pixelColor(20, 10), QColor(Qt::white));
    }

    // One preview, one set of settings: the record as it stood when the thread was made.
    void recordChangedAfterTheStartChangesNothing()
    {
        IQBatchSettings *settings = IQBatchSettings::instance();
        const IQBatchSettings saved = *settings;
        settings->borderEnabled = true;
        settings->borderWidth = 4;
        settings->borderColor = Qt::red;
        IQImageConvertThread thread(nullptr, BrvTest::solidImage(40, 20, Qt::white));
        settings->borderWidth = 8;
        settings->borderColor = Qt::green;
        QSignalSpy converted(&thread, &IQImageConvertThread::convertFinished);
        thread.start(QThread::InheritPriority);
        QVERIFY(thread.wait(60000));
        *settings = saved;

        QCOMPARE(converted.count(), 1);
        const QImage image = converted.at(0).at(0).value<QImage>();
        QCOMPARE(image.pixelColor(1, 1), QColor(Qt::red));
        QCOMPARE(image.pixelColor(6, 6), QColor(Qt::white));
    }

    void nullImageEmitsNothing()
    {
        IQImageConvertThread thread(nullptr, QImage());
        QSignalSpy converted(&thread, &IQImageConvertThread::convertFinished);
        thread.start(QThread::InheritPriority);
        QVERIFY(thread.wait(60000));
        QCOMPARE(converted.count(), 0);
    }
};

QTEST_MAIN(tst_ImageConvertThread)
#include "tst_imageconvertthread.moc"
