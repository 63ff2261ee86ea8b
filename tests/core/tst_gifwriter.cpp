#include <QtTest>

#include <QCryptographicHash>
#include <QTemporaryDir>

#include "BrvTest.h"
#include "GifStructure.h"
#include "imaging/IQThreadBudget.h"
#include "writers/IQGifWriter.h"

namespace {

struct Encoding
{
    int beginDelay = 0;
    int frameDelay = 0;
    int bitDepth = 8;
    bool dither = false;
};

QImage rgba(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGBA8888);
}

// Writes the frames, all of the first frame's size; false as soon as a step fails.
bool writeGif(const QString &path, const QList<QImage> &frames, const Encoding &encoding = {})
{
    IQGifWriter writer;
    const QSize size = frames.value(0).size();
    if (!writer.begin(QFile::encodeName(path).constData(), size.width(), size.height(),
                      encoding.beginDelay))
        return false;
    for (const QImage &frame : frames) {
        const QImage pixels = rgba(frame);
        if (!writer.writeFrame(pixels.constBits(), pixels.width(), pixels.height(),
                               encoding.frameDelay, encoding.bitDepth, encoding.dither))
            return false;
    }
    return writer.end();
}

QImage withChangedPixels(const QImage &image, const QList<QPoint> &points)
{
    QImage changed = rgba(image);
    for (int i = 0; i < points.size(); ++i)
        changed.setPixelColor(points[i], QColor(20 + i * 20, 200 - i * 15, 7 * i + 3));
    return changed;
}

// A small square that moves across a grey field.
QList<QImage> movingSquare(int width, int height, int count)
{
    QList<QImage> frames;
    for (int i = 0; i < count; ++i) {
        QImage frame = BrvTest::solidImage(width, height, QColor(90, 100, 110),
                                           QImage::Format_RGBA8888);
        for (int y = 10; y < 30; ++y)
            for (int x = 0; x < 20; ++x)
                frame.setPixelColor(x + 7 * i, y + i, QColor(240, 40 + 10 * i, 30));
        frames.append(frame);
    }
    return frames;
}

// A drifting colour field with a little noise, in which no pixel keeps its colour from one
// frame to the next; with clearBand, a vertical band that moves each frame is transparent.
QList<QImage> driftingField(int width, int height, int count, bool clearBand = false)
{
    QList<QImage> frames;
    quint32 state = 12345u;
    for (int f = 0; f < count; ++f) {
        QImage frame(width, height, QImage::Format_RGBA8888);
        for (int y = 0; y < height; ++y) {
            uchar *line = frame.scanLine(y);
            for (int x = 0; x < width; ++x) {
                state ^= state << 13;
                state ^= state >> 17;
                state ^= state << 5;
                uchar *p = line + x * 4;
                p[0] = uchar((x + f * 5) & 255);
                p[1] = uchar((y * 2 + f * 3) & 255);
                p[2] = uchar(((x + y) / 2 + f * 7 + int(state & 15)) & 255);
                const bool clear = clearBand && x >= f * 23 && x < f * 23 + 40;
                p[3] = clear ? uchar(state >> 24 & 127) : 255;
            }
        }
        frames.append(frame);
    }
    return frames;
}

bool tableHolds(const QByteArray &table, int entry, const QColor &color)
{
    return quint8(table[entry * 3]) == color.red() && quint8(table[entry * 3 + 1]) == color.green()
           && quint8(table[entry * 3 + 2]) == color.blue();
}

// True when every pixel's colour is one of entries 1.. of the table.
bool colorsFromTable(const QImage &image, const QByteArray &table)
{
    QSet<QRgb> colors;
    for (int i = 1; i < table.size() / 3; ++i)
        colors.insert(
            qRgb(quint8(table[i * 3]), quint8(table[i * 3 + 1]), quint8(table[i * 3 + 2])));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!colors.contains(image.pixel(x, y) | 0xff000000u))
                return false;
    return true;
}

double meanError(const QImage &a, const QImage &b)
{
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q))
                   + qAbs(qBlue(p) - qBlue(q));
        }
    return double(sum) / (3.0 * a.width() * a.height());
}

} // namespace

class tst_GifWriter : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir.isValid()); }

    void byteLayout_data()
    {
        QTest::addColumn<int>("beginDelay");
        QTest::addColumn<int>("frameDelay");
        QTest::newRow("still, delay 0") << 0 << 0;
        QTest::newRow("animation, begin delay 10") << 10 << 7;
        QTest::newRow("long delay") << 10 << 300;
    }
    void byteLayout()
    {
        QFETCH(int, beginDelay);
        QFETCH(int, frameDelay);
        const QString path = dir.filePath(QStringLiteral("layout.gif"));
        Encoding encoding;
        encoding.beginDelay = beginDelay;
        encoding.frameDelay = frameDelay;
        QVERIFY(writeGif(path, {BrvTest::gradientImage(40, 24), BrvTest::noiseImage(40, 24)},
                         encoding));

        const GifStructure::File gif = GifStructure::parseFile(path);
        QVERIFY(gif.valid);
        QVERIFY(gif.trailerLast);
        QCOMPARE(gif.signature, QByteArray("GIF89a"));
        QCOMPARE(gif.width, 40);
        QCOMPARE(gif.height, 24);
        QCOMPARE(gif.packed, 0xf0);
        QCOMPARE(gif.screenTail, QByteArray(2, '\0'));
        QCOMPARE(gif.globalTable, QByteArray(6, '\0'));
        if (beginDelay)
            QCOMPARE(gif.loopBlock, QByteArray("\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00", 19));
        else
            QVERIFY(gif.loopBlock.isEmpty());
        QCOMPARE(gif.frames.size(), 2);
        for (const GifStructure::Frame &frame : gif.frames) {
            QCOMPARE(frame.control, QByteArray("\x05", 1) + char(frameDelay & 0xff)
                                        + char(frameDelay >> 8) + '\0');
            QCOMPARE(frame.left, 0);
            QCOMPARE(frame.top, 0);
            QCOMPARE(frame.width, 40);
            QCOMPARE(frame.height, 24);
            QCOMPARE(frame.packed, 0x87);
            QCOMPARE(frame.localTable.size(), 256 * 3);
            QCOMPARE(frame.localTable.left(3), QByteArray(3, '\0'));
            QCOMPARE(frame.minimumCodeSize, 8);
            QVERIFY(frame.subBlocks > 0);
            QVERIFY(GifStructure::decodeIndices(frame).valid);
        }
    }

    void noisyFrameDecodesAlike_data()
    {
        QTest::addColumn<bool>("dither");
        QTest::newRow("mapped") << false;
        QTest::newRow("dithered") << true;
    }
    // 65536 pixels of noise need many more than 4095 codes, so the clear code is written and
    // the code size restarts several times; both readers must still see the same picture.
    void noisyFrameDecodesAlike()
    {
        QFETCH(bool, dither);
        const QString path = dir.filePath(QStringLiteral("noise.gif"));
        const QImage noise = rgba(BrvTest::noiseImage(256, 256, 7));
        Encoding encoding;
        encoding.dither = dither;
        QVERIFY(writeGif(path, {noise}, encoding));

        const GifStructure::File gif = GifStructure::parseFile(path);
        QVERIFY(gif.valid);
        const GifStructure::Indices indices = GifStructure::decodeIndices(gif.frames.value(0));
        QVERIFY(indices.valid);
        QVERIFY2(indices.clearCodes > 2, qPrintable(QString::number(indices.clearCodes)));
        QVERIFY(!indices.indices.contains(0));
        const QList<QImage> qt = GifStructure::framesFromQt(path);
        QCOMPARE(qt.size(), 1);
        QVERIFY(colorsFromTable(qt[0], gif.frames[0].localTable));
        QVERIFY2(meanError(qt[0], noise) < 25,
                 qPrintable(QString::number(meanError(qt[0], noise))));
        compareWithImageMagick(path, qt);
    }

    void repeatedFrameIsTransparent()
    {
        const QString path = dir.filePath(QStringLiteral("repeat.gif"));
        // Transparency is decided against what the viewer shows, so the repeat is the shown frame.
        const QImage first = BrvTest::gradientImage(64, 64);
        const QImage shown = shownFrame(first);
        QVERIFY(writeGif(path, {first, shown}, Encoding{10, 5, 8, false}));

        const GifStructure::File gif = GifStructure::parseFile(path);
        QVERIFY(gif.valid);
        QCOMPARE(gif.frames.size(), 2);
        // Every pixel is index 0: a short run of ever longer strings.
        QVERIFY2(gif.frames[1].data.size() < 150,
                 qPrintable(QString::number(gif.frames[1].data.size())));
        const GifStructure::Indices indices = GifStructure::decodeIndices(gif.frames[1]);
        QVERIFY(indices.valid);
        QCOMPARE(indices.indices, QVector<int>(64 * 64, 0));
        const QList<QImage> qt = GifStructure::framesFromQt(path);
        QCOMPARE(qt.size(), 2);
        QCOMPARE(qt[1], qt[0]);
        compareWithImageMagick(path, qt);
    }

    void singleColorFrame()
    {
        const QString path = dir.filePath(QStringLiteral("single.gif"));
        const QColor color(12, 130, 250);
        QVERIFY(writeGif(path, {BrvTest::solidImage(16, 16, color)}));

        // The frame's one colour is its whole palette: entry 1, the rest unused and black.
        const GifStructure::File gif = GifStructure::parseFile(path);
        QVERIFY(gif.valid);
        QVERIFY(tableHolds(gif.frames[0].localTable, 1, color));
        for (int entry = 2; entry < 256; ++entry)
            QVERIFY2(tableHolds(gif.frames[0].localTable, entry, Qt::black),
                     qPrintable(QString::number(entry)));
        const GifStructure::Indices indices = GifStructure::decodeIndices(gif.frames[0]);
        QVERIFY(indices.valid);
        QCOMPARE(indices.indices, QVector<int>(16 * 16, 1));
        const QList<QImage> qt = GifStructure::framesFromQt(path);
        QCOMPARE(qt.size(), 1);
        QCOMPARE(qt[0], rgba(BrvTest::solidImage(16, 16, color)));
        compareWithImageMagick(path, qt);
    }

    // The few changed pixels get the whole palette, so they keep their colours exactly;
    // the entries that no pixel needed stay black.
    void fewChangedPixelsKeepTheirColors()
    {
        const QString path = dir.filePath(QStringLiteral("few.gif"));
        const QImage first = rgba(BrvTest::solidImage(64, 48, QColor(70, 80, 90)));
        const QList<QPoint> points = {{0, 0}, {5, 7}, {63, 47}, {30, 20}, {31, 20}, {12, 40}};
        const QImage second = withChangedPixels(first, points);
        QVERIFY(writeGif(path, {first, second}, Encoding{10, 10, 8, false}));

        const GifStructure::File gif = GifStructure::parseFile(path);
        QVERIFY(gif.valid);
        QCOMPARE(gif.frames.size(), 2);
        int filled = 0;
        for (int entry = 1; entry < 256; ++entry)
            filled += !tableHolds(gif.frames[1].localTable, entry, Qt::black);
        QCOMPARE(filled, points.size());
        // Unchanged pixels are transparent, changed ones use filled entries only.
        const GifStructure::Indices indices = GifStructure::decodeIndices(gif.frames[1]);
        QVERIFY(indices.valid);
        for (int i = 0; i < indices.indices.size(); ++i) {
            const int index = indices.indices[i];
            const bool changed = points.contains(QPoint(i % 64, i / 64));
            QCOMPARE(index != 0, changed);
            if (changed)
                QVERIFY(!tableHolds(gif.frames[1].localTable, index, Qt::black));
        }

        const QList<QImage> qt = GifStructure::framesFromQt(path);
        QCOMPARE(qt.size(), 2);
        for (int y = 0; y < second.height(); ++y)
            for (int x = 0; x < second.width(); ++x) {
                const QRgb expected = points.contains(QPoint(x, y)) ? second.pixel(x, y)
                                                                    : qt[0].pixel(x, y);
                QCOMPARE(qt[1].pixel(x, y), expected);
            }
        compareWithImageMagick(path, qt);
    }

    // Reduced colours never equal a many-colour source, so an unchanged frame must be told by
    // the source itself: it is written all transparent and shows what was shown.
    void unchangedNoisyFrameIsAllTransparent()
    {
        const QString path = dir.filePath(QStringLiteral("noise-twice.gif"));
        const QImage noise = rgba(BrvTest::noiseImage(256, 256, 11));
        QVERIFY(writeGif(path, {noise, noise}, Encoding{10, 5, 8, false}));
        const GifStructure::File gif = GifStructure::parseFile(path);
        QVERIFY(gif.valid);
        QCOMPARE(gif.frames.size(), 2);
        const GifStructure::Indices indices = GifStructure::decodeIndices(gif.frames[1]);
        QVERIFY(indices.valid);
        QCOMPARE(indices.indices, QVector<int>(256 * 256, 0));
        const QList<QImage> qt = GifStructure::framesFromQt(path);
        QCOMPARE(qt.size(), 2);
        QCOMPARE(qt[1], qt[0]);
        compareWithImageMagick(path, qt);
    }

    // A still background of many colours with a moving square: a later frame paints only
    // where the square was and where it is.
    void stillBackgroundIsNotRepainted()
    {
        const QString path = dir.filePath(QStringLiteral("still-background.gif"));
        const QImage background = rgba(BrvTest::noiseImage(120, 80, 4));
        auto frameWithSquare = [&](int x) {
            QImage frame = background;
            for (int yy = 20; yy < 40; ++yy)
                for (int xx = x; xx < x + 16; ++xx)
                    frame.setPixelColor(xx, yy, QColor(250, 30, 30));
            return frame;
        };
        const QList<QImage> frames = {frameWithSquare(5), frameWithSquare(25), frameWithSquare(45)};
        QVERIFY(writeGif(path, frames, Encoding{10, 5, 8, false}));
        const GifStructure::File gif = GifStructure::parseFile(path);
        QVERIFY(gif.valid);
        QCOMPARE(gif.frames.size(), 3);
        for (int f = 1; f < 3; ++f) {
            const QRect before(5 + 20 * (f - 1), 20, 16, 20);
            const QRect now(5 + 20 * f, 20, 16, 20);
            const GifStructure::Indices indices = GifStructure::decodeIndices(gif.frames[f]);
            QVERIFY(indices.valid);
            for (int i = 0; i < indices.indices.size(); ++i) {
                const QPoint p(i % 120, i / 120);
                const bool moved = before.contains(p) || now.contains(p);
                if (!moved)
                    QVERIFY2(indices.indices[i] == 0, qPrintable(QStringLiteral("frame %1 at %2,%3")
                                                                     .arg(f).arg(p.x()).arg(p.y())));
            }
        }
        const QList<QImage> qt = GifStructure::framesFromQt(path);
        QCOMPARE(qt.size(), 3);
        // The background shown stays exactly the first frame's.
        QCOMPARE(qt[2].pixel(100, 70), qt[0].pixel(100, 70));
        QCOMPARE(qt[2].pixelColor(50, 30), QColor(250, 30, 30));
        compareWithImageMagick(path, qt);
    }

    // A frame of at most 255 colours is written without loss.
    void fewColoursRoundTripExactly()
    {
        const QString path = dir.filePath(QStringLiteral("151.gif"));
        QImage image(151, 20, QImage::Format_RGBA8888);
        for (int x = 0; x < 151; ++x)
            for (int y = 0; y < 20; ++y)
                image.setPixelColor(x, y, QColor::fromHsv(x * 359 / 150, 90 + (x * 7) % 160,
                                                          100 + (x * 13) % 155));
        QSet<QRgb> colours;
        for (int x = 0; x < 151; ++x)
            colours.insert(image.pixel(x, 0));
        QCOMPARE(colours.size(), 151);
        QVERIFY(writeGif(path, {image}));
        const QList<QImage> qt = GifStructure::framesFromQt(path);
        QCOMPARE(qt.size(), 1);
        QCOMPARE(qt[0], image);
        compareWithImageMagick(path, qt);
    }

    // Alpha below half is transparent on the first frame and stays so while it stays clear.
    void transparentPixels()
    {
        const QString path = dir.filePath(QStringLiteral("transparent.gif"));
        QImage first = rgba(BrvTest::gradientImage(32, 32));
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 8; ++x)
                first.setPixelColor(x, y, QColor(200, 0, 0, x < 4 ? 0 : 100));
        QImage second = first;
        for (int y = 0; y < 32; ++y)
            second.setPixelColor(2, y, QColor(0, 0, 255)); // column 2 turns opaque
        QVERIFY(writeGif(path, {first, second, second}, Encoding{10, 5, 8, false}));

        const GifStructure::File gif = GifStructure::parseFile(path);
        QVERIFY(gif.valid);
        const GifStructure::Indices firstIndices = GifStructure::decodeIndices(gif.frames[0]);
        const GifStructure::Indices secondIndices = GifStructure::decodeIndices(gif.frames[1]);
        QVERIFY(firstIndices.valid && secondIndices.valid);
        QCOMPARE(firstIndices.indices[5 * 32 + 7], 0);
        QVERIFY(firstIndices.indices[5 * 32 + 8] != 0);
        QVERIFY(secondIndices.indices[5 * 32 + 2] != 0);

        bool available = false;
        const QList<QImage> magick = GifStructure::framesFromImageMagick(path, 32, 32, &available);
        const QList<QImage> qt = GifStructure::framesFromQt(path);
        QCOMPARE(qt.size(), 3);
        for (const QList<QImage> &decoded : {qt, magick}) {
            if (decoded.isEmpty())
                continue;
            QCOMPARE(decoded.size(), 3);
            QCOMPARE(decoded[0].pixelColor(1, 9).alpha(), 0);
            QCOMPARE(decoded[0].pixelColor(7, 9).alpha(), 0);
            QCOMPARE(decoded[0].pixelColor(20, 9).alpha(), 255);
            QCOMPARE(decoded[1].pixelColor(1, 9).alpha(), 0);
            QCOMPARE(decoded[1].pixelColor(2, 9), QColor(0, 0, 255));
            QCOMPARE(decoded[2].pixelColor(6, 9).alpha(), 0);
            QCOMPARE(decoded[2].pixelColor(2, 9), QColor(0, 0, 255));
        }
        if (!available)
            qWarning("ImageMagick is not installed; compared with Qt's reader only");
    }

    // Alpha only decides transparency: an opaque animation is written byte for byte alike
    // whatever its alpha above half, and a pixel that turns clear later keeps its colour.
    void opaqueAnimationIgnoresAlphaAboveHalf()
    {
        const QList<QImage> opaque = movingSquare(64, 48, 4);
        QList<QImage> translucent;
        for (QImage frame : opaque) {
            for (int y = 0; y < frame.height(); ++y)
                for (int x = 0; x < frame.width(); ++x) {
                    QColor c = frame.pixelColor(x, y);
                    c.setAlpha(130);
                    frame.setPixelColor(x, y, c);
                }
            translucent.append(frame);
        }
        const QString a = dir.filePath(QStringLiteral("opaque.gif"));
        const QString b = dir.filePath(QStringLiteral("translucent.gif"));
        QVERIFY(writeGif(a, opaque, Encoding{10, 5, 8, false}));
        QVERIFY(writeGif(b, translucent, Encoding{10, 5, 8, false}));
        QFile fa(a);
        QFile fb(b);
        QVERIFY(fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly));
        QCOMPARE(fa.readAll(), fb.readAll());

        QList<QImage> turning = opaque;
        turning[2].setPixelColor(60, 40, QColor(1, 2, 3, 0));
        const QString c = dir.filePath(QStringLiteral("turning.gif"));
        QVERIFY(writeGif(c, turning, Encoding{10, 5, 8, false}));
        const QList<QImage> qt = GifStructure::framesFromQt(c);
        QCOMPARE(qt.size(), 4);
        QCOMPARE(qt[2].pixelColor(60, 40).alpha(), 255);
    }

    void refusals()
    {
        const QString path = dir.filePath(QStringLiteral("refused.gif"));
        const QImage frame = rgba(BrvTest::gradientImage(32, 32));
        const QImage other = rgba(BrvTest::gradientImage(32, 40));
        IQGifWriter writer;
        QVERIFY(!writer.begin(QFile::encodeName(path).constData(), 0, 16, 0));
        QVERIFY(!writer.begin(QFile::encodeName(path).constData(), 70000, 16, 0));
        QVERIFY(!writer.begin(QFile::encodeName(path).constData(), 40000, 40000, 0));
        QVERIFY(!QFile::exists(path));
        QVERIFY(!writer.writeFrame(frame.constBits(), 32, 32, 0, 8, false));
        QVERIFY(!writer.end());

        QVERIFY(writer.begin(QFile::encodeName(path).constData(), 32, 32, 0));
        // Another size would run past the previous frame; a bad depth has no table size.
        QVERIFY(!writer.writeFrame(other.constBits(), 32, 40, 0, 8, false));
        QVERIFY(!writer.writeFrame(frame.constBits(), 32, 32, 0, 9, false));
        QVERIFY(!writer.writeFrame(frame.constBits(), 32, 32, 0, 0, false));
        QVERIFY(writer.writeFrame(frame.constBits(), 32, 32, 0, 8, false));
        QVERIFY(writer.end());
        QVERIFY(!writer.end());
        QCOMPARE(GifStructure::parseFile(path).frames.size(), 1);

        const QString missing = dir.filePath(QStringLiteral("no/such/folder/x.gif"));
        QVERIFY(!writer.begin(QFile::encodeName(missing).constData(), 32, 32, 10));
        QVERIFY(!writer.writeFrame(frame.constBits(), 32, 32, 0, 8, false));
        QVERIFY(!writer.end());
    }

    void writeFailureIsReported()
    {
        if (!QFile::exists(QStringLiteral("/dev/full")))
            QSKIP("no /dev/full");
        IQGifWriter writer;
        const QImage frame = rgba(BrvTest::noiseImage(64, 64));
        QVERIFY(writer.begin("/dev/full", 64, 64, 0));
        writer.writeFrame(frame.constBits(), 64, 64, 0, 8, false);
        QVERIFY(!writer.end());
    }

    void unfinishedWriterClosesItsFile()
    {
        const QString path = dir.filePath(QStringLiteral("unfinished.gif"));
        {
            IQGifWriter writer;
            QVERIFY(writer.begin(QFile::encodeName(path).constData(), 16, 16, 0));
        }
        // No trailer, but the file was closed and its buffers freed (the sanitizers see leaks).
        QVERIFY(!GifStructure::parseFile(path).valid);
    }

    // Fixed digests of generated inputs: the encoder's speed-ups must not change a byte. Recorded
    // from the encoder that keeps still regions, clears transparent pixels and gives frames of
    // few colours exactly those colours.
    void outputIsStable_data()
    {
        QTest::addColumn<QList<QImage>>("frames");
        QTest::addColumn<int>("bitDepth");
        QTest::addColumn<bool>("dither");
        QTest::addColumn<QByteArray>("md5");
        QTest::newRow("noise, clears") << QList<QImage>{BrvTest::noiseImage(256, 256, 3)} << 8
                                       << false << QByteArray("188ddaf8191474df61f37dcbdeb5bab5");
        QTest::newRow("moving square") << movingSquare(160, 90, 6) << 8 << false
                                       << QByteArray("e2fe583abd83de9cc81b1355ffea14b6");
        QTest::newRow("gradient and noise dithered")
            << QList<QImage>{BrvTest::gradientImage(120, 80), BrvTest::noiseImage(120, 80, 5),
                             BrvTest::noiseImage(120, 80, 5)}
            << 8 << true << QByteArray("2a815e74c6c252a964576cf73067cbae");
        QTest::newRow("depth 4") << QList<QImage>{BrvTest::gradientImage(50, 30),
                                                  BrvTest::noiseImage(50, 30, 9)}
                                 << 4 << false << QByteArray("940ce7d1ca4099e83f37f7a65794c1c2");
        QTest::newRow("every pixel changes") << driftingField(400, 300, 5) << 8 << false
                                             << QByteArray("3ba1a9e09f0721114617d11bc948e90c");
        QTest::newRow("every pixel changes, a moving clear band")
            << driftingField(400, 300, 5, true) << 8 << false
            << QByteArray("ecea400bdb63d3e1b5a7fe465ebe8d9f");
        QTest::newRow("large moving square") << movingSquare(480, 270, 4) << 8 << false
                                             << QByteArray("6072405162b9b8b615cbfdbfeb83118c");
        QTest::newRow("every pixel changes, depth 5")
            << driftingField(257, 131, 3) << 5 << false
            << QByteArray("3668b8f74b422568232aa9e1cce6e2ba");
        QTest::newRow("every pixel changes dithered")
            << driftingField(200, 150, 3) << 8 << true
            << QByteArray("b7774cf9d131ae776d87c7a855026164");
        QTest::newRow("narrow noise")
            << QList<QImage>{BrvTest::noiseImage(17, 1501, 4), BrvTest::noiseImage(17, 1501, 8)}
            << 8 << false << QByteArray("27edc0cb86628a50142a352eb2e1d2fd");
        QTest::newRow("depth 2 dithered") << QList<QImage>{BrvTest::gradientImage(33, 17)} << 2
                                          << true << QByteArray("7cee6c857f4adc132bab0bfc236fcb0b");
        // Large enough for the roles of its pixels to be found in bands.
        QTest::newRow("every pixel changes, large")
            << driftingField(1500, 1400, 2) << 8 << false << QByteArray("58e780f49e9a6ac04fe11f8dbf3f4998");
    }
    void outputIsStable()
    {
        QFETCH(QList<QImage>, frames);
        QFETCH(int, bitDepth);
        QFETCH(bool, dither);
        QFETCH(QByteArray, md5);
        QCOMPARE(stableDigest(frames, bitDepth, dither), md5);
    }

    // The same bytes whatever the thread budget leaves the encoder: no token at all (inside a
    // full batch pool), a few, or every core. Every token goes back when the file is done.
    void outputIsStableOnAnyBudget_data() { outputIsStable_data(); }
    void outputIsStableOnAnyBudget()
    {
        QFETCH(QList<QImage>, frames);
        QFETCH(int, bitDepth);
        QFETCH(bool, dither);
        QFETCH(QByteArray, md5);
        const int capacity = IQThreadBudget::capacity();
        for (const int free : {0, 1, 3, capacity}) {
            const IQThreadBudget::Lease taken(capacity - free);
            QCOMPARE(taken.count(), capacity - free);
            QCOMPARE(stableDigest(frames, bitDepth, dither), md5);
            QCOMPARE(IQThreadBudget::inUse(), capacity - free);
        }
        QCOMPARE(IQThreadBudget::inUse(), 0);
    }

    // Alone, a large frame is spread over the cores; the tokens come back with the file, also
    // when the writer is dropped without end().
    void usesFreeCoresAndGivesThemBack()
    {
        const QList<QImage> frames = driftingField(1500, 1400, 2);
        IQThreadBudget::resetPeak();
        QVERIFY(!stableDigest(frames, 8, false).isEmpty());
        QCOMPARE(IQThreadBudget::inUse(), 0);
        if (IQThreadBudget::capacity() > 1)
            QVERIFY(IQThreadBudget::peakInUse() > 1);
        {
            IQGifWriter writer;
            const QImage frame = rgba(frames[0]);
            QVERIFY(writer.begin(QFile::encodeName(dir.filePath(QStringLiteral("dropped.gif")))
                                     .constData(),
                                 frame.width(), frame.height(), 10));
            QVERIFY(writer.writeFrame(frame.constBits(), frame.width(), frame.height(), 4, 8,
                                      false));
        }
        QCOMPARE(IQThreadBudget::inUse(), 0);
    }

private:
    QByteArray stableDigest(const QList<QImage> &frames, int bitDepth, bool dither)
    {
        const QString path = dir.filePath(QStringLiteral("stable.gif"));
        if (!writeGif(path, frames, Encoding{10, 4, bitDepth, dither}))
            return QByteArray();
        return QCryptographicHash::hash(BrvTest::fileContents(path), QCryptographicHash::Md5)
            .toHex();
    }

    // The frame as a viewer shows it after the encoder reduced its colours.
    QImage shownFrame(const QImage &image)
    {
        const QString path = dir.filePath(QStringLiteral("shown.gif"));
        if (!writeGif(path, {image}))
            return QImage();
        return GifStructure::framesFromQt(path).value(0);
    }

    void compareWithImageMagick(const QString &path, const QList<QImage> &qt)
    {
        bool available = false;
        const QList<QImage> magick =
            GifStructure::framesFromImageMagick(path, qt[0].width(), qt[0].height(), &available);
        if (!available) {
            qWarning("ImageMagick is not installed; compared with Qt's reader only");
            return;
        }
        QCOMPARE(magick.size(), qt.size());
        for (int i = 0; i < qt.size(); ++i)
            QCOMPARE(magick[i], qt[i]);
    }

    QTemporaryDir dir;
};

QTEST_MAIN(tst_GifWriter)
#include "tst_gifwriter.moc"
