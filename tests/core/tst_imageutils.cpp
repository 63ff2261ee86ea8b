#include <QtTest>

#include "imaging/IQImageUtils.h"

class tst_ImageUtils : public QObject
{
    Q_OBJECT

private slots:
    void fitSizeInRect_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("result");
        const QRect box(0, 0, 240, 240);
        QTest::newRow("fits") << QSize(100, 50) << box << 100.0 << 50.0 << 1.0;
        QTest::newRow("exactly the box") << QSize(240, 240) << box << 240.0 << 240.0 << 1.0;
        QTest::newRow("too wide") << QSize(480, 240) << box << 240.0 << 120.0 << 0.499;
        QTest::newRow("too tall") << QSize(120, 960) << box << 30.0 << 240.0 << 0.249;
        QTest::newRow("wide box") << QSize(300, 100) << QRect(0, 0, 600, 50) << 150.0 << 50.0
                                  << 0.499;
    }
    void fitSizeInRect()
    {
        QFETCH(QSize, size);
        QFETCH(QRect, box);
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(double, result);
        double w = -1;
        double h = -1;
        QCOMPARE(IQImageUtils::fitSizeInRect(size, box, &w, &h), result);
        QCOMPARE(w, width);
        QCOMPARE(h, height);
        // The outputs are optional.
        QCOMPARE(IQImageUtils::fitSizeInRect(size, box), result);
    }

    void scaleToFit_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("target");
        QTest::addColumn<QSize>("expected");
        QTest::addColumn<double>("ratio");
        QTest::newRow("enlarges") << QSize(100, 50) << QSize(400, 400) << QSize(400, 200) << 4.0;
        QTest::newRow("shrinks by height") << QSize(400, 300) << QSize(1000, 150)
                                           << QSize(200, 150) << 0.5;
        QTest::newRow("rounds half up") << QSize(3, 3) << QSize(5, 5) << QSize(5, 5) << 5.0 / 3;
        QTest::newRow("rounds to nearest") << QSize(400, 300) << QSize(200, 65535)
                                           << QSize(200, 150) << 0.5;
        QTest::newRow("zero width") << QSize(0, 50) << QSize(400, 400) << QSize(0, 50) << 0.0;
        QTest::newRow("zero height") << QSize(50, 0) << QSize(400, 400) << QSize(50, 0) << 0.0;
    }
    void scaleToFit()
    {
        QFETCH(QSize, size);
        QFETCH(QSize, target);
        QFETCH(QSize, expected);
        QFETCH(double, ratio);
        int w = size.width();
        int h = size.height();
        QCOMPARE(IQImageUtils::scaleToFit(&w, &h, target.width(), target.height()), ratio);
        QCOMPARE(QSize(w, h), expected);
    }

    void scaleToFill_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("target");
        QTest::addColumn<bool>("enlarge");
        QTest::addColumn<QSize>("expected");
        QTest::addColumn<double>("ratio");
        QTest::newRow("enlarge allowed") << QSize(100, 50) << QSize(400, 400) << true
                                         << QSize(800, 400) << 8.0;
        QTest::newRow("enlarge refused") << QSize(100, 50) << QSize(400, 400) << false
                                         << QSize(100, 50) << 1.0;
        QTest::newRow("shrinks without enlarge") << QSize(800, 400) << QSize(200, 50) << false
                                                 << QSize(200, 100) << 0.25;
        QTest::newRow("zero side") << QSize(0, 10) << QSize(5, 5) << true << QSize(0, 10) << 0.0;
    }
    void scaleToFill()
    {
        QFETCH(QSize, size);
        QFETCH(QSize, target);
        QFETCH(bool, enlarge);
        QFETCH(QSize, expected);
        QFETCH(double, ratio);
        int w = size.width();
        int h = size.height();
        QCOMPARE(IQImageUtils::scaleToFill(&w, &h, target.width(), target.height(), enlarge),
                 ratio);
        QCOMPARE(QSize(w, h), expected);
    }

    void quarterTurned_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("angle");
        const QList<QImage::Format> formats = {
            QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied,
            QImage::Format_RGBA8888, QImage::Format_RGB888, QImage::Format_Indexed8};
        // Odd sides, one row or column, and large ones turned in bands: with turned rows of a
        // multiple of four pixels (16 bytes), the bands take the path that passes the cache by,
        // with rows left over at the ends of bands and columns left over at the end.
        const QList<QSize> sizes = {QSize(7, 5),       QSize(1, 9),      QSize(13, 1),
                                    QSize(1283, 977),  QSize(1283, 976), QSize(1500, 1100),
                                    QSize(20, 12)};
        for (const QImage::Format format : formats) {
            for (const QSize &size : sizes) {
                for (const int angle : {90, 270}) {
                    QTest::addRow("format %d %dx%d %d", int(format), size.width(),
                                  size.height(), angle)
                        << int(format) << size << angle;
                }
            }
        }
    }

    // The same pixels and metadata as QImage::transformed.
    void quarterTurned()
    {
        QFETCH(int, format);
        QFETCH(QSize, size);
        QFETCH(int, angle);
        QImage source(size, QImage::Format_ARGB32);
        for (int y = 0; y < size.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(source.scanLine(y));
            for (int x = 0; x < size.width(); ++x)
                line[x] = qRgba(x * 37 + y, y * 91 + x, (x ^ y) * 13, (x * 7 + y * 3) & 255);
        }
        source = source.convertToFormat(QImage::Format(format));
        source.setDotsPerMeterX(2835);
        source.setDotsPerMeterY(3780);
        source.setText(QStringLiteral("Comment"), QStringLiteral("turned"));

        const QImage expected = source.transformed(QTransform().rotate(angle));
        const QImage turned = IQImageUtils::quarterTurned(source, angle);
        QCOMPARE(turned.format(), expected.format());
        QCOMPARE(turned.size(), expected.size());
        QVERIFY(turned == expected);
        QCOMPARE(turned.dotsPerMeterX(), expected.dotsPerMeterX());
        QCOMPARE(turned.dotsPerMeterY(), expected.dotsPerMeterY());
        QCOMPARE(turned.devicePixelRatio(), expected.devicePixelRatio());
        QCOMPARE(turned.textKeys(), expected.textKeys());
        QCOMPARE(turned.text(QStringLiteral("Comment")), expected.text(QStringLiteral("Comment")));

        // Written into storage of as many pixels, the same image; other storage is left alone.
        QImage storage(size.height(), size.width(), source.format());
        storage.fill(Qt::red);
        const bool fits = source.depth() == 32 && source.colorCount() == 0;
        const QImage intoStorage = IQImageUtils::quarterTurned(source, angle, &storage);
        QVERIFY(intoStorage == expected);
        QCOMPARE(intoStorage.dotsPerMeterX(), expected.dotsPerMeterX());
        QCOMPARE(intoStorage.text(QStringLiteral("Comment")),
                 expected.text(QStringLiteral("Comment")));
        QCOMPARE(storage.isNull(), fits);
        QImage shared(size, source.format());
        const QImage holder = shared;
        IQImageUtils::quarterTurned(source, angle, &shared);
        QVERIFY(!shared.isNull());
    }

    // The bands meant for Qt's global pool are done by the caller when every pool thread is
    // busy: the turn neither waits for the pool nor leaves a band out.
    void quarterTurnedBesideABusyPool()
    {
        QImage source(1500, 1100, QImage::Format_RGB32);
        for (int y = 0; y < source.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(source.scanLine(y));
            for (int x = 0; x < source.width(); ++x)
                line[x] = qRgb(x * 37 + y, y * 91 + x, (x ^ y) * 13);
        }
        const QImage expected = source.transformed(QTransform().rotate(90));

        QThreadPool *pool = QThreadPool::globalInstance();
        QSemaphore started;
        QSemaphore release;
        const int threads = pool->maxThreadCount();
        for (int i = 0; i < threads; ++i) {
            pool->start([&started, &release] {
                started.release();
                release.acquire();
            });
        }
        started.acquire(threads);
        const QImage turned = IQImageUtils::quarterTurned(source, 90);
        release.release(threads);
        pool->waitForDone();
        QVERIFY(turned == expected);
    }
};

QTEST_APPLESS_MAIN(tst_ImageUtils)
#include "tst_imageutils.moc"
