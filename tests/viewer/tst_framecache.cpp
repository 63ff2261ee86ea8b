#include <QtTest>

#include "FrameCache.h"

namespace {

// A frame of width x height whose pixels all carry the frame's number, so that a frame taken
// back can be told from another one.
FrameCache::Frame frameOf(int number, int width = 10, int height = 10)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(QColor(number * 20, 0, 0));
    return FrameCache::Frame{QPixmap::fromImage(image), 40 + number};
}

int numberOf(const FrameCache::Frame &frame)
{
    return qRed(frame.pixmap.toImage().pixel(0, 0)) / 20;
}

// Runs steps against the cache: "n" keeps frame n of 10 x 10 (400 bytes), "n@WxH" a frame n of
// that size, "?n" looks frame n up.
void run(FrameCache &cache, const QString &steps)
{
    for (const QString &step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (step.startsWith(QLatin1Char('?'))) {
            cache.find(step.mid(1).toInt());
            continue;
        }
        const QStringList parts = step.split(QLatin1Char('@'));
        const int number = parts.at(0).toInt();
        if (parts.size() == 1) {
            cache.insert(number, frameOf(number));
        } else {
            const QStringList size = parts.at(1).split(QLatin1Char('x'));
            cache.insert(number, frameOf(number, size.at(0).toInt(), size.at(1).toInt()));
        }
    }
}

QList<int> keptFrames(const FrameCache &cache)
{
    QList<int> kept;
    for (int number = 0; number < 10; ++number) {
        if (const FrameCache::Frame *frame = cache.find(number)) {
            // What comes back is the frame kept under that number, with its delay.
            if (numberOf(*frame) != number || frame->delay != 40 + number)
                return {-1};
            kept << number;
        }
    }
    return kept;
}

} // namespace

class tst_FrameCache : public QObject
{
    Q_OBJECT

private slots:
    void keepsWithinItsLimit_data()
    {
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QList<int>>("kept");
        QTest::addColumn<qint64>("size");
        QTest::newRow("all fit") << qint64(1200) << "0 1 2" << QList<int>{0, 1, 2} << qint64(1200);
        QTest::newRow("the oldest goes first")
            << qint64(1200) << "0 1 2 3" << QList<int>{1, 2, 3} << qint64(1200);
        QTest::newRow("oldest kept, not last used, goes first")
            << qint64(1200) << "0 1 2 ?0 3" << QList<int>{1, 2, 3} << qint64(1200);
        QTest::newRow("a larger frame makes room for itself")
            << qint64(1200) << "0 1 2 3@20x10" << QList<int>{2, 3} << qint64(1200);
        QTest::newRow("a frame over the limit alone is not kept and costs nothing")
            << qint64(1000) << "0 1 2@20x20" << QList<int>{0, 1} << qint64(800);
        QTest::newRow("exactly the limit is kept")
            << qint64(1600) << "0 1@20x20" << QList<int>{1} << qint64(1600);
        QTest::newRow("a number kept once is not kept again")
            << qint64(1200) << "0 0 1 1" << QList<int>{0, 1} << qint64(800);
        QTest::newRow("no limit keeps nothing") << qint64(0) << "0 1" << QList<int>{} << qint64(0);
        QTest::newRow("below zero keeps nothing")
            << qint64(-400) << "0 1" << QList<int>{} << qint64(0);
    }
    void keepsWithinItsLimit()
    {
        QFETCH(qint64, limit);
        QFETCH(QString, steps);
        QFETCH(QList<int>, kept);
        QFETCH(qint64, size);
        FrameCache cache(limit);
        QCOMPARE(cache.limit(), std::max<qint64>(0, limit));
        run(cache, steps);
        QCOMPARE(keptFrames(cache), kept);
        QCOMPARE(cache.size(), size);
    }

    void aLowerLimitLetsTheOldestGo()
    {
        FrameCache cache;
        QCOMPARE(cache.limit(), FrameCache::kDefaultLimit);
        run(cache, QStringLiteral("0 1 2 3 4"));
        QCOMPARE(cache.size(), qint64(2000));
        cache.setLimit(900);
        QCOMPARE(keptFrames(cache), (QList<int>{3, 4}));
        QCOMPARE(cache.size(), qint64(800));
        cache.setLimit(-1);
        QCOMPARE(cache.limit(), qint64(0));
        QCOMPARE(keptFrames(cache), QList<int>{});
        QCOMPARE(cache.size(), qint64(0));

        // Raised again, it keeps frames as before, and forgets them all on clear.
        cache.setLimit(1200);
        run(cache, QStringLiteral("5 6"));
        QCOMPARE(keptFrames(cache), (QList<int>{5, 6}));
        cache.clear();
        QCOMPARE(keptFrames(cache), QList<int>{});
        QCOMPARE(cache.size(), qint64(0));
        run(cache, QStringLiteral("5 6 7"));
        QCOMPARE(keptFrames(cache), (QList<int>{5, 6, 7}));
    }

    void bytesOfAFrame_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QImage::Format>("format");
        QTest::addColumn<qint64>("bytes");
        QTest::newRow("32-bit") << QSize(640, 360) << QImage::Format_ARGB32 << qint64(921600);
        QTest::newRow("no pixels") << QSize(0, 0) << QImage::Format_ARGB32 << qint64(0);
    }
    void bytesOfAFrame()
    {
        QFETCH(QSize, size);
        QFETCH(QImage::Format, format);
        QFETCH(qint64, bytes);
        QImage image(size, format);
        image.fill(Qt::red);
        QCOMPARE(FrameCache::bytesOf(QPixmap::fromImage(image)), bytes);
    }
};

QTEST_MAIN(tst_FrameCache)
#include "tst_framecache.moc"
