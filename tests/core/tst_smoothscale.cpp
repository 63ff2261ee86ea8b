#include <QtTest>

#include <cstring>

#include "BrvTest.h"
#include "imaging/IQImageUtils.h"
#include "imaging/IQSmoothScale.h"

namespace {

// Pseudo-random pixels of the format; translucent ones where the format has alpha.
QImage noise(const QSize &size, QImage::Format format, quint32 seed)
{
    QImage image = BrvTest::noiseImage(size.width(), size.height(), seed);
    if (format != QImage::Format_RGB32) {
        const QImage alpha = BrvTest::noiseImage(size.width(), size.height(), seed + 7);
        for (int y = 0; y < size.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            const auto *mask = reinterpret_cast<const QRgb *>(alpha.constScanLine(y));
            for (int x = 0; x < size.width(); ++x)
                line[x] = (line[x] & 0x00ffffffu) | (mask[x] << 24);
        }
    }
    return image.convertToFormat(format);
}

// The rows of both images hold the same bytes.
bool sameBytes(const QImage &a, const QImage &b)
{
    if (a.format() != b.format() || a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y) {
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), std::size_t(a.width()) * 4) != 0)
            return false;
    }
    return true;
}

} // namespace

class tst_SmoothScale : public QObject
{
    Q_OBJECT

private slots:
    void sameAsQtsScaleThenTheTurn_data()
    {
        QTest::addColumn<QSize>("source");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("white");
        QTest::addColumn<bool>("view");
        QTest::addColumn<int>("angle");
        const auto row = [](const char *name, const QSize &source, const QSize &size,
                            QImage::Format format = QImage::Format_RGB32, bool white = false,
                            bool view = false) {
            for (const int angle : {90, 270}) {
                QTest::addRow("%s, %d", name, angle)
                    << source << size << int(format) << white << view << angle;
            }
        };
        // Large enough to be spread over the pool; the turned rows then start on a 64-byte
        // line or not, as the allocator gives them.
        row("photo", QSize(2400, 1600), QSize(1152, 768));
        row("photo with alpha", QSize(2400, 1600), QSize(1152, 768), QImage::Format_ARGB32);
        row("premultiplied", QSize(1283, 977), QSize(641, 487),
            QImage::Format_ARGB32_Premultiplied);
        row("turned rows not a multiple of four", QSize(301, 203), QSize(150, 101));
        row("one pixel", QSize(97, 61), QSize(1, 1), QImage::Format_ARGB32);
        row("one row", QSize(500, 40), QSize(333, 1));
        row("one column", QSize(40, 500), QSize(1, 333));
        row("nearly the same size", QSize(1001, 999), QSize(1000, 998));
        row("a thousandth of the width", QSize(3000, 2000), QSize(3, 5));
        row("wider than a chunk of columns", QSize(9000, 60), QSize(4500, 30));
        row("white: the largest sums", QSize(640, 480), QSize(333, 250), QImage::Format_RGB32,
            true);
        row("white with full alpha", QSize(640, 480), QSize(333, 250),
            QImage::Format_ARGB32_Premultiplied, true);
        row("a view into a wider image", QSize(700, 300), QSize(350, 149), QImage::Format_RGB32,
            false, true);
    }

    // Pixel for pixel, format and metadata, what the engine made in two steps before.
    void sameAsQtsScaleThenTheTurn()
    {
        QFETCH(QSize, source);
        QFETCH(QSize, size);
        QFETCH(int, format);
        QFETCH(bool, white);
        QFETCH(bool, view);
        QFETCH(int, angle);
        QImage image;
        QImage wider;
        if (white) {
            image = QImage(source, QImage::Format(format));
            image.fill(Qt::white);
        } else if (view) {
            // Rows 40 bytes longer than the pixels, as in a part of a wider image, whose
            // unused alpha bytes are not all 0xff.
            wider = noise(QSize(source.width() + 10, source.height()), QImage::Format_ARGB32, 3);
            image = QImage(wider.constBits() + 20, source.width(), source.height(),
                           wider.bytesPerLine(), QImage::Format(format));
        } else {
            image = noise(source, QImage::Format(format), quint32(source.width()));
        }
        image.setDotsPerMeterX(2835);
        image.setDotsPerMeterY(3780);
        image.setText(QStringLiteral("Comment"), QStringLiteral("scaled and turned"));

        const QImage expected = IQImageUtils::quarterTurned(
            image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), angle);
        QImage made;
        QVERIFY(IQSmoothScale::scaleAndTurn(image, size, angle, &made));
        QCOMPARE(made.format(), expected.format());
        QCOMPARE(made.size(), expected.size());
        QVERIFY(sameBytes(made, expected));
        QCOMPARE(made.dotsPerMeterX(), expected.dotsPerMeterX());
        QCOMPARE(made.dotsPerMeterY(), expected.dotsPerMeterY());
        QCOMPARE(made.text(QStringLiteral("Comment")), expected.text(QStringLiteral("Comment")));
    }

    void leftToTheCaller_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("angle");
        const QImage photo = noise(QSize(120, 80), QImage::Format_RGB32, 5);
        QTest::newRow("wider") << photo << QSize(121, 40) << 90;
        QTest::newRow("as wide") << photo << QSize(120, 40) << 90;
        QTest::newRow("as tall") << photo << QSize(60, 80) << 270;
        QTest::newRow("no side") << photo << QSize(0, 40) << 90;
        QTest::newRow("half turn") << photo << QSize(60, 40) << 180;
        QTest::newRow("24-bit") << photo.convertToFormat(QImage::Format_RGB888) << QSize(60, 40)
                                << 90;
        QTest::newRow("palette") << photo.convertToFormat(QImage::Format_Indexed8)
                                 << QSize(60, 40) << 90;
        QTest::newRow("RGBA bytes") << photo.convertToFormat(QImage::Format_RGBA8888)
                                    << QSize(60, 40) << 90;
        QTest::newRow("null") << QImage() << QSize(60, 40) << 90;
    }

    // What the pass does not take is refused, and the result left alone.
    void leftToTheCaller()
    {
        QFETCH(QImage, image);
        QFETCH(QSize, size);
        QFETCH(int, angle);
        const QImage untouched = BrvTest::solidImage(3, 2, Qt::red);
        QImage result = untouched;
        QVERIFY(!IQSmoothScale::scaleAndTurn(image, size, angle, &result));
        QCOMPARE(result.constBits(), untouched.constBits());
    }
};

QTEST_APPLESS_MAIN(tst_SmoothScale)
#include "tst_smoothscale.moc"
