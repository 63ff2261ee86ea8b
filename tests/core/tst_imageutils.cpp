#include <QtTest>

#include "IQImageUtils.h"

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
};

QTEST_APPLESS_MAIN(tst_ImageUtils)
#include "tst_imageutils.moc"
