#include <QtTest>

#include <QIcon>
#include <QPointer>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThreadPool>

#include "BrvTest.h"
#include "workers/IQIconReadThread.h"
#include "workers/IQThumbnailJobs.h"

namespace {

// Holds a pool thread until released, so the jobs behind it stay queued.
class Blocker : public QRunnable
{
public:
    QSemaphore started;
    QSemaphore release;
    void run() override
    {
        started.release();
        release.acquire();
    }
};

} // namespace

class tst_ThumbnailJobs : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QStringList m_paths;

    // Waits until every job ran and every result that was sent has arrived.
    static void drain(QThreadPool &pool)
    {
        pool.waitForDone();
        QCoreApplication::sendPostedEvents();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // The i-th photo is (20 + i) x (10 + i), so every size tells its file.
        for (int i = 0; i < 6; ++i) {
            m_paths.append(m_dir.filePath(QStringLiteral("photo%1.png").arg(i)));
            QVERIFY(BrvTest::gradientImage(20 + i, 10 + i).save(m_paths.last()));
        }
    }

    void resultsCarryTheirJobAndIndex()
    {
        QThreadPool pool;
        pool.setMaxThreadCount(5);
        IQThumbnailJobs jobs(&pool);
        QSignalSpy read(&jobs, &IQThumbnailJobs::thumbnailRead);
        QHash<IQIconReadThread *, int> made;
        for (int i = 0; i < m_paths.size(); ++i)
            made.insert(jobs.start(m_paths.at(i), i), i);
        drain(pool);

        QCOMPARE(read.count(), m_paths.size());
        for (const QList<QVariant> &result : qAsConst(read)) {
            auto *job = result.at(0).value<IQIconReadThread *>();
            const int index = result.at(2).toInt();
            QCOMPARE(made.value(job, -1), index);
            QVERIFY(!result.at(1).value<QIcon>().isNull());
            QCOMPARE(result.at(3).toSize(), QSize(20 + index, 10 + index));
        }
        QCOMPARE(jobs.count(), m_paths.size());
    }

    void retiredJobsReportNothingAndGoOnceIdle()
    {
        QThreadPool pool;
        pool.setMaxThreadCount(5);
        IQThumbnailJobs jobs(&pool);
        QSignalSpy read(&jobs, &IQThumbnailJobs::thumbnailRead);
        QList<QPointer<IQIconReadThread>> made;
        for (int i = 0; i < m_paths.size(); ++i)
            made.append(jobs.start(m_paths.at(i), i));
        // Results are queued, so none has arrived yet, whatever the jobs have done.
        jobs.retireAll();
        QVERIFY(!jobs.isLive(made.first()));
        drain(pool);
        QCOMPARE(read.count(), 0);

        // A retired job that aborted sends nothing; the idle pool is still noticed.
        QTRY_COMPARE_WITH_TIMEOUT(jobs.count(), 0, BrvTest::kEventTimeoutMs);
        for (const QPointer<IQIconReadThread> &job : qAsConst(made))
            QVERIFY(job.isNull());

        // Retiring what is gone, or what was never held, does nothing.
        jobs.retire(nullptr);
        QCOMPARE(jobs.count(), 0);
    }

    void queuedJobIsTakenBackAtOnce()
    {
        QThreadPool pool;
        pool.setMaxThreadCount(1);
        Blocker blocker;
        blocker.setAutoDelete(false);
        pool.start(&blocker);
        blocker.started.acquire();

        IQThumbnailJobs jobs(&pool);
        QSignalSpy read(&jobs, &IQThumbnailJobs::thumbnailRead);
        const QPointer<IQIconReadThread> first = jobs.start(m_paths.at(0), 0);
        const QPointer<IQIconReadThread> second = jobs.start(m_paths.at(1), 1);
        jobs.retire(first);
        QVERIFY(first.isNull());
        QCOMPARE(jobs.count(), 1);

        blocker.release.release();
        drain(pool);
        QCOMPARE(read.count(), 1);
        QCOMPARE(read.at(0).at(0).value<IQIconReadThread *>(), second.data());
        QCOMPARE(read.at(0).at(2).toInt(), 1);
    }

    void destructionStopsWaitsAndDeletes()
    {
        QThreadPool pool;
        pool.setMaxThreadCount(2);
        QList<QPointer<IQIconReadThread>> made;
        {
            IQThumbnailJobs jobs(&pool);
            for (int round = 0; round < 5; ++round) {
                for (int i = 0; i < m_paths.size(); ++i)
                    made.append(jobs.start(m_paths.at(i), i));
                if (round % 2 == 0)
                    jobs.retireAll();
            }
        }
        QCOMPARE(pool.activeThreadCount(), 0);
        for (const QPointer<IQIconReadThread> &job : qAsConst(made))
            QVERIFY(job.isNull());
        // Results still queued for the gone object are dropped with it.
        QCoreApplication::sendPostedEvents();
    }
};

QTEST_MAIN(tst_ThumbnailJobs)
#include "tst_thumbnailjobs.moc"
