#include <QtTest>

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include <sys/syscall.h>
#include <unistd.h>

#include "BrvTest.h"
#include "imaging/IQConvertEngine.h"
#include "imaging/IQThreadBudget.h"
#include "settings/IQBatchSettings.h"
#include "workers/IQConvertThread.h"

namespace {

#if defined(__SANITIZE_THREAD__)
// The name of a thread of this process, as /proc gives it.
QByteArray threadName(const QString &task)
{
    QFile comm(QStringLiteral("/proc/self/task/%1/comm").arg(task));
    return comm.open(QIODevice::ReadOnly) ? comm.readAll() : QByteArray();
}
#endif

// The threads of this process that run or wait for a core now, the calling one left out.
int busyThreads()
{
    const QString self = QString::number(long(syscall(SYS_gettid)));
#if defined(__SANITIZE_THREAD__)
    // ThreadSanitizer's own background thread bears the program's name, which none of the
    // program's threads here do: they are named after the worker or the pool that made them.
    const QByteArray sanitizer = threadName(QString::number(long(getpid())));
#endif
    int busy = 0;
    const QStringList tasks = QDir(QStringLiteral("/proc/self/task"))
                                  .entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &task : tasks) {
        if (task == self)
            continue;
#if defined(__SANITIZE_THREAD__)
        if (threadName(task) == sanitizer)
            continue;
#endif
        QFile stat(QStringLiteral("/proc/self/task/%1/stat").arg(task));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // The state follows the name, which is in parentheses and may hold spaces.
        const QByteArray line = stat.readAll();
        const int close = line.lastIndexOf(')');
        if (close >= 0 && line.mid(close + 2, 1) == "R")
            ++busy;
    }
    return busy;
}

} // namespace

class tst_ThreadBudget : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        IQThreadBudget::setCapacity(0);
        QCOMPARE(IQThreadBudget::inUse(), 0);
    }

    void capacityIsOneTokenPerCore()
    {
        QCOMPARE(IQThreadBudget::capacity(), std::max(1, QThread::idealThreadCount()));
        IQThreadBudget::setCapacity(3);
        QCOMPARE(IQThreadBudget::capacity(), 3);
        IQThreadBudget::setCapacity(0);
        QCOMPARE(IQThreadBudget::capacity(), std::max(1, QThread::idealThreadCount()));
    }

    void leaseTakesWhatIsFree_data()
    {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<int>("held");
        QTest::addColumn<int>("wanted");
        QTest::addColumn<int>("got");
        QTest::newRow("all free") << 4 << 0 << 3 << 3;
        QTest::newRow("more than there are") << 4 << 0 << 9 << 4;
        QTest::newRow("some held") << 4 << 3 << 3 << 1;
        QTest::newRow("all held") << 4 << 4 << 2 << 0;
        QTest::newRow("nothing wanted") << 4 << 0 << 0 << 0;
        QTest::newRow("less than nothing wanted") << 4 << 1 << -2 << 0;
    }
    void leaseTakesWhatIsFree()
    {
        QFETCH(int, capacity);
        QFETCH(int, held);
        QFETCH(int, wanted);
        QFETCH(int, got);
        IQThreadBudget::setCapacity(capacity);
        const IQThreadBudget::Lease first(held);
        QCOMPARE(first.count(), held);
        {
            const IQThreadBudget::Lease second(wanted);
            QCOMPARE(second.count(), got);
            QCOMPARE(IQThreadBudget::inUse(), held + got);
        }
        QCOMPARE(IQThreadBudget::inUse(), held);
    }

    // A thread holds one seat however deep its seats nest; a helper started on a leased token
    // takes none for itself; a thread seated with nothing free counts all the same, so that no
    // lease gets a token until it is done.
    void seatsCountEachThreadOnce()
    {
        IQThreadBudget::setCapacity(3);
        {
            const IQThreadBudget::Seat outer;
            QCOMPARE(IQThreadBudget::inUse(), 1);
            {
                const IQThreadBudget::Seat inner;
                QCOMPARE(IQThreadBudget::inUse(), 1);
            }
            QCOMPARE(IQThreadBudget::inUse(), 1);

            const IQThreadBudget::Lease helper(1);
            QCOMPARE(helper.count(), 1);
            int seenByHelper = -1;
            std::thread thread = IQThreadBudget::startThread([&seenByHelper] {
                const IQThreadBudget::Seat seat;
                seenByHelper = IQThreadBudget::inUse();
            });
            QVERIFY(thread.joinable());
            thread.join();
            QCOMPARE(seenByHelper, 2);
        }
        QCOMPARE(IQThreadBudget::inUse(), 0);

        const IQThreadBudget::Lease all(3);
        int seatedCount = -1;
        int leasedWhileSeated = -1;
        std::thread late([&] {
            const IQThreadBudget::Seat seat;
            seatedCount = IQThreadBudget::inUse();
        });
        late.join();
        QCOMPARE(seatedCount, 4);
        QCOMPARE(IQThreadBudget::inUse(), 3);
        {
            const IQThreadBudget::Lease fourth(1);
            QCOMPARE(fourth.count(), 0);
        }
        {
            const IQThreadBudget::Seat overdrawn;
            QCOMPARE(IQThreadBudget::inUse(), 4);
            const IQThreadBudget::Lease none(1);
            leasedWhileSeated = none.count();
        }
        QCOMPARE(leasedWhileSeated, 0);
        QCOMPARE(IQThreadBudget::inUse(), 3);
    }

    void manyThreadsNeverHoldMoreThanTheCapacity()
    {
        IQThreadBudget::setCapacity(5);
        IQThreadBudget::resetPeak();
        std::atomic<bool> overdrawn{false};
        std::vector<std::thread> threads;
        for (int t = 0; t < 12; ++t) {
            threads.emplace_back([t, &overdrawn] {
                for (int i = 0; i < 2000; ++i) {
                    const IQThreadBudget::Lease lease((t + i) % 4);
                    if (IQThreadBudget::inUse() > 5 || lease.count() > (t + i) % 4)
                        overdrawn = true;
                }
            });
        }
        for (std::thread &thread : threads)
            thread.join();
        QVERIFY(!overdrawn);
        QVERIFY(IQThreadBudget::peakInUse() <= 5);
        QVERIFY(IQThreadBudget::peakInUse() >= 2);
        QCOMPARE(IQThreadBudget::inUse(), 0);
    }

    // A pool as large as the budget leaves its encoders no helper thread: each pool thread,
    // and each encoder on it, holds one token while it converts, and every token comes back at
    // the end. An encoder that split its frame regardless would run a thread per core beside
    // every pool thread.
    void fullPoolLeavesTheEncodersOneThreadEach_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("GIF") << int(IQOutputFormat::Gif);
        QTest::newRow("WebP") << int(IQOutputFormat::Webp);
    }
    void fullPoolLeavesTheEncodersOneThreadEach()
    {
        QFETCH(int, format);
        constexpr int kPool = 2;
        IQThreadBudget::setCapacity(kPool);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QStringList files;
        for (int i = 0; i < 4; ++i) {
            files << dir.filePath(QStringLiteral("source%1.png").arg(i));
            QVERIFY(BrvTest::noiseImage(640, 480, quint32(i + 1)).save(files.last()));
        }
        IQBatchSettings settings;
        settings.format = format;
        settings.outputDir = dir.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(settings.outputDir));

        auto *worker = new IQConvertThread;
        worker->files = files;
        worker->settings = &settings;
        worker->engine = std::make_unique<IQConvertEngine>(&settings);
        worker->poolSize = kPool;
        IQThreadBudget::resetPeak();
        worker->start();
        int most = 0;
        while (!worker->wait(1))
            most = std::max(most, busyThreads());
        delete worker;

        // The pool, and the worker thread itself while it looks at the next source.
        QVERIFY2(most <= kPool + 1, qPrintable(QStringLiteral("%1 busy threads").arg(most)));
        QVERIFY(IQThreadBudget::peakInUse() <= kPool);
        QCOMPARE(IQThreadBudget::inUse(), 0);
        QCOMPARE(QDir(settings.outputDir).entryList(QDir::Files).size(), files.size());
    }
};

QTEST_MAIN(tst_ThreadBudget)
#include "tst_threadbudget.moc"
