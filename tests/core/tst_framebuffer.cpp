#include <QtTest>

#include <cstring>
#include <type_traits>
#include <vector>

#include "BrvTest.h"
#include "imaging/IQBGRData.h"
#include "imaging/IQFrameBuffer.h"

namespace {

// A record of the format and size with its block reserved; the record frees it.
struct ScopedBuffer
{
    explicit ScopedBuffer(int format, int width, int height)
    {
        buffer.format = format;
        buffer.width = width;
        buffer.height = height;
        ok = IQFrameBuffer::allocate(&buffer);
    }
    IQFrameBuffer buffer;
    bool ok = false;
};

std::unique_ptr<IQBGRData> bitmapFrom(const QImage &image)
{
    auto bitmap = IQBGRData::create(image.width(), image.height());
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y) {
        const uchar *in = rgb.constScanLine(y);
        uint8_t *out = bitmap->data + y * bitmap->stride;
        for (int x = 0; x < image.width(); ++x) {
            out[x * 3 + 0] = in[x * 3 + 2];
            out[x * 3 + 1] = in[x * 3 + 1];
            out[x * 3 + 2] = in[x * 3 + 0];
        }
    }
    return bitmap;
}

int maxDifference(const QImage &a, const QImage &b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            worst = qMax(worst, qAbs(qRed(p) - qRed(q)));
            worst = qMax(worst, qAbs(qGreen(p) - qGreen(q)));
            worst = qMax(worst, qAbs(qBlue(p) - qBlue(q)));
        }
    }
    return worst;
}

} // namespace

class tst_FrameBuffer : public QObject
{
    Q_OBJECT

private slots:
    void bitmapStrides_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("bgrStride");
        QTest::addColumn<int>("bgraStride");
        QTest::newRow("1") << 1 << 4 << 4;
        QTest::newRow("3") << 3 << 12 << 12;
        QTest::newRow("4") << 4 << 12 << 16;
        QTest::newRow("5") << 5 << 16 << 20;
    }
    void bitmapStrides()
    {
        QFETCH(int, width);
        QFETCH(int, bgrStride);
        QFETCH(int, bgraStride);
        auto bgr = IQBGRData::create(width, 2);
        auto bgra = IQBGRAData::create(width, 2);
        QVERIFY(bgr && bgra);
        QCOMPARE(bgr->stride, bgrStride);
        QCOMPARE(bgra->stride, bgraStride);
        std::memset(bgra->data, 0x5A, size_t(bgra->stride) * 2);
        auto copy = bgra->clone();
        QVERIFY(dynamic_cast<IQBGRAData *>(copy.get()));
        QCOMPARE(copy->stride, bgra->stride);
        QVERIFY(std::memcmp(copy->data, bgra->data, size_t(bgra->stride) * 2) == 0);
        QVERIFY(!dynamic_cast<IQBGRAData *>(bgr->clone().get()));
    }

    void ownsItsBlockAndMovesIt()
    {
        // Copies would free one block twice; the sanitizers report any block left behind.
        static_assert(!std::is_copy_constructible_v<IQFrameBuffer>);
        static_assert(!std::is_copy_assignable_v<IQFrameBuffer>);
        const QImage image = BrvTest::solidImage(8, 4, QColor(200, 40, 40), QImage::Format_RGB32);
        ScopedBuffer a(IQFrameBuffer::I420, 8, 4);
        QVERIFY(a.ok);
        QVERIFY(IQFrameBuffer::fromImageBits(image, &a.buffer));
        const uint8_t *block = a.buffer.plane[0];

        IQFrameBuffer moved(std::move(a.buffer));
        QCOMPARE(moved.plane[0], block);
        QVERIFY(moved.isValid());
        QCOMPARE(a.buffer.plane[0], nullptr);
        QVERIFY(!a.buffer.isValid());

        // Assigning over a record frees the block it held, and so does allocating it again.
        ScopedBuffer other(IQFrameBuffer::I420, 8, 4);
        QVERIFY(other.ok);
        other.buffer = std::move(moved);
        QCOMPARE(other.buffer.plane[0], block);
        QImage out(8, 4, QImage::Format_ARGB32);
        QVERIFY(IQFrameBuffer::toArgb(out.bits(), out.sizeInBytes(), other.buffer));
        QVERIFY(maxDifference(out, image) <= 4);
        QVERIFY(IQFrameBuffer::allocate(&other.buffer));
        QVERIFY(other.buffer.isValid());
    }

    void refusedSizes_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("zero width") << 0 << 10;
        QTest::newRow("negative height") << 10 << -1;
        QTest::newRow("overflowing") << 1 << 0x7FFFFFFF;
        QTest::newRow("overflowing width") << 0x40000000 << 4;
    }
    void refusedSizes()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QVERIFY(!IQBGRData::create(width, height));
        QVERIFY(!IQBGRAData::create(width, height));
        for (int format : {IQFrameBuffer::YUY2, IQFrameBuffer::I420, IQFrameBuffer::NV21}) {
            ScopedBuffer b(format, width, height);
            QVERIFY(!b.ok);
            QVERIFY(!b.buffer.plane[0]);
        }
    }

    void unknownFormatIsLeftAlone()
    {
        ScopedBuffer b(0x123, 8, 8);
        QVERIFY(!b.ok);
        QCOMPARE(b.buffer.stride[0], 0);
    }

    void layouts_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("stride0");
        QTest::addColumn<int>("stride1");
        QTest::addColumn<qint64>("bytes");
        QTest::newRow("I420 even") << int(IQFrameBuffer::I420) << 8 << 4 << 8 << 4 << qint64(48);
        QTest::newRow("I420 odd") << int(IQFrameBuffer::I420) << 5 << 3 << 5 << 3
                                  << qint64(15 + 2 * 3 * 2);
        QTest::newRow("NV21 odd") << int(IQFrameBuffer::NV21) << 5 << 3 << 5 << 6
                                  << qint64(15 + 2 * 3 * 2);
        QTest::newRow("YUY2 odd") << int(IQFrameBuffer::YUY2) << 5 << 3 << 12 << 0 << qint64(36);
        QTest::newRow("YUY2 even") << int(IQFrameBuffer::YUY2) << 6 << 2 << 12 << 0 << qint64(24);
    }
    void layouts()
    {
        QFETCH(int, format);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, stride0);
        QFETCH(int, stride1);
        QFETCH(qint64, bytes);
        ScopedBuffer b(format, width, height);
        QVERIFY(b.ok);
        QCOMPARE(b.buffer.stride[0], stride0);
        QCOMPARE(b.buffer.stride[1], stride1);
        QCOMPARE(IQFrameBuffer::byteSize(format, width, height), bytes);
        QVERIFY(b.buffer.isValid());
    }

    // Every conversion on odd and even sizes: under AddressSanitizer any write past a plane
    // fails the test; the colours must survive the round trip within YUV rounding.
    void roundTrips_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        for (int format : {IQFrameBuffer::YUY2, IQFrameBuffer::I420, IQFrameBuffer::NV21}) {
            for (QSize size : {QSize(16, 8), QSize(7, 5), QSize(1, 1), QSize(33, 2)}) {
                QTest::addRow("%x %dx%d", format, size.width(), size.height())
                    << format << size.width() << size.height();
            }
        }
    }
    void roundTrips()
    {
        QFETCH(int, format);
        QFETCH(int, width);
        QFETCH(int, height);
        const QImage flat = BrvTest::solidImage(width, height, QColor(200, 120, 40),
                                                QImage::Format_RGB32);

        ScopedBuffer b(format, width, height);
        QVERIFY(b.ok);
        QVERIFY(IQFrameBuffer::fromImageBits(flat, &b.buffer));

        QImage out(width, height, QImage::Format_RGB32);
        QVERIFY(IQFrameBuffer::toArgb(out.bits(), out.sizeInBytes(), b.buffer));
        QVERIFY(maxDifference(flat, out) <= 4);

        // A bitmap goes in by the buffer's own format and comes out the same.
        auto bitmap = bitmapFrom(flat);
        ScopedBuffer c(format, width, height);
        QVERIFY(IQFrameBuffer::fromBitmap(*bitmap, &c.buffer));
        auto back = IQBGRData::create(width, height);
        QVERIFY(IQFrameBuffer::toBitmap(c.buffer, back.get()));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const uint8_t *p = back->data + y * back->stride + x * 3;
                QVERIFY(qAbs(p[0] - 40) <= 4 && qAbs(p[1] - 120) <= 4 && qAbs(p[2] - 200) <= 4);
            }
        }
    }

    void gradientSurvivesYuy2()
    {
        const QImage image = BrvTest::gradientImage(64, 16, QImage::Format_RGB32);
        ScopedBuffer b(IQFrameBuffer::YUY2, 64, 16);
        QVERIFY(IQFrameBuffer::fromImageBits(image, &b.buffer));
        QImage out(64, 16, QImage::Format_RGB32);
        QVERIFY(IQFrameBuffer::toArgb(out.bits(), out.sizeInBytes(), b.buffer));
        QVERIFY(maxDifference(image, out) <= 24);
    }

    void nonArgbImageIsConverted()
    {
        const QImage rgb = BrvTest::solidImage(6, 4, QColor(10, 200, 90), QImage::Format_RGB888);
        ScopedBuffer b(IQFrameBuffer::I420, 6, 4);
        QVERIFY(IQFrameBuffer::fromImageBits(rgb, &b.buffer));
        QImage out(6, 4, QImage::Format_RGB32);
        QVERIFY(IQFrameBuffer::toArgb(out.bits(), out.sizeInBytes(), b.buffer));
        QVERIFY(maxDifference(rgb.convertToFormat(QImage::Format_RGB32), out) <= 4);
    }

    void mismatchesAreRefused()
    {
        ScopedBuffer b(IQFrameBuffer::I420, 8, 8);
        QVERIFY(b.ok);
        QVERIFY(!IQFrameBuffer::fromImageBits(QImage(9, 8, QImage::Format_RGB32), &b.buffer));
        QVERIFY(!IQFrameBuffer::fromImageBits(QImage(), &b.buffer));
        QVERIFY(!IQFrameBuffer::fromImageBits(QImage(8, 8, QImage::Format_RGB32), nullptr));

        std::vector<uint8_t> small(8 * 8 * 4 - 1);
        QVERIFY(!IQFrameBuffer::toArgb(small.data(), qint64(small.size()), b.buffer));
        QVERIFY(!IQFrameBuffer::toArgb(nullptr, 1000, b.buffer));

        auto wrongBitmap = IQBGRData::create(8, 7);
        QVERIFY(!IQFrameBuffer::fromBitmap(*wrongBitmap, &b.buffer));
        QVERIFY(!IQFrameBuffer::toBitmap(b.buffer, wrongBitmap.get()));

        IQFrameBuffer unallocated;
        unallocated.format = IQFrameBuffer::YUY2;
        unallocated.width = 8;
        unallocated.height = 8;
        QVERIFY(!IQFrameBuffer::fromImageBits(QImage(8, 8, QImage::Format_RGB32), &unallocated));

        // A stride that claims more than allocate() gave is not trusted.
        b.buffer.stride[0] += 16;
        QVERIFY(!IQFrameBuffer::fromImageBits(QImage(8, 8, QImage::Format_RGB32), &b.buffer));
        b.buffer.stride[0] -= 16;
    }

    void copy_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("copies");
        QTest::newRow("YUY2") << int(IQFrameBuffer::YUY2) << true;
        QTest::newRow("NV21") << int(IQFrameBuffer::NV21) << true;
        QTest::newRow("I420 copies nothing") << int(IQFrameBuffer::I420) << false;
    }
    void copy()
    {
        QFETCH(int, format);
        QFETCH(bool, copies);
        ScopedBuffer source(format, 7, 5);
        ScopedBuffer destination(format, 7, 5);
        const qint64 bytes = IQFrameBuffer::byteSize(format, 7, 5);
        std::memset(source.buffer.plane[0], 0x33, size_t(bytes));
        std::memset(destination.buffer.plane[0], 0, size_t(bytes));
        QCOMPARE(IQFrameBuffer::copy(source.buffer, &destination.buffer), copies);
        QCOMPARE(destination.buffer.plane[0][bytes - 1], uint8_t(copies ? 0x33 : 0));

        ScopedBuffer other(format, 8, 5);
        QVERIFY(!IQFrameBuffer::copy(source.buffer, &other.buffer));
    }
};

QTEST_MAIN(tst_FrameBuffer)
#include "tst_framebuffer.moc"
