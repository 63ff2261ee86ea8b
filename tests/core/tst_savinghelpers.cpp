#include <QtTest>

#include <QBuffer>
#include <QCryptographicHash>
#include <QImageReader>
#include <QImageWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstring>

#include "BrvTest.h"
#include "GifStructure.h"
#include "ImageFixtures.h"
#include "imaging/IQThreadBudget.h"
#include "writers/IQGifSavingHelper.h"
#include "writers/IQGifWriter.h"
#include "writers/IQImageSavingHelper.h"
#include "writers/IQWebpSavingHelper.h"

namespace {

const QColor kTop(200, 30, 40);
const QColor kMiddle(30, 180, 60);
const QColor kBottom(20, 40, 220);

// Three bands of rows: [0, a) top colour, [a, b) middle colour, the rest bottom colour.
QImage bands(int width, int height, int a, int b)
{
    QImage image(width, height, QImage::Format_RGBA8888);
    for (int y = 0; y < height; ++y) {
        const QColor color = y < a ? kTop : (y < b ? kMiddle : kBottom);
        for (int x = 0; x < width; ++x)
            image.setPixelColor(x, y, color);
    }
    return image;
}

using RowRuns = QList<QPair<QRgb, int>>;

// Rows of the image that hold one colour each, top to bottom, as a list of (colour, count).
RowRuns rowRuns(const QImage &image)
{
    RowRuns runs;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb color = image.pixel(0, y) | 0xff000000u;
        for (int x = 1; x < image.width(); ++x)
            if ((image.pixel(x, y) | 0xff000000u) != color)
                return {};
        if (!runs.isEmpty() && runs.last().first == color)
            ++runs.last().second;
        else
            runs.append({color, 1});
    }
    return runs;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QList<QImage> readAll(const QString &path, QList<int> *delays = nullptr)
{
    QImageReader reader(path);
    QList<QImage> frames;
    QImage image;
    while (reader.read(&image)) {
        frames.append(image.convertToFormat(QImage::Format_RGBA8888));
        if (delays)
            delays->append(reader.nextImageDelay());
    }
    return frames;
}

// Smooth ramps with a little grain; with alpha, a clear corner and a translucent band. shift
// moves the picture, so that each frame of an animation differs.
QImage webpFrame(const QSize &size, QImage::Format format, bool alpha, int shift)
{
    QImage image(size, QImage::Format_ARGB32);
    quint32 state = 99u + quint32(shift);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            int a = 255;
            if (alpha && x + y < size.width() / 3)
                a = 0;
            else if (alpha && y > size.height() / 2 && y < size.height() / 2 + 12)
                a = 100 + x % 100;
            line[x] = qRgba((x * 3 + shift * 7) & 255, (y * 2 + int(state & 7)) & 255,
                            (x ^ y) & 255, a);
        }
    }
    return image.convertToFormat(format);
}

void addFormatRows()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("gif") << "gif";
    QTest::newRow("webp") << "webp";
}

} // namespace

class tst_SavingHelpers : public QObject
{
    Q_OBJECT

private slots:
    // A fresh folder per test, so that each can see every file left behind.
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
    }

    // Letterboxing: a wide frame gets black bands, a tall one keeps its middle rows.
    void framesAreFittedToTheCanvas_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QImage>("frame");
        QTest::addColumn<RowRuns>("runs");
        const QImage wide = BrvTest::solidImage(200, 100, kMiddle, QImage::Format_RGBA8888);
        const RowRuns banded = {{qRgb(0, 0, 0), 25}, {kMiddle.rgb(), 50},
                                                {qRgb(0, 0, 0), 25}};
        const QImage tall = bands(100, 400, 150, 250);
        const RowRuns middle = {{kMiddle.rgb(), 100}};
        for (const QString &format : {QStringLiteral("gif"), QStringLiteral("webp")}) {
            QTest::addRow("%s, 200 x 100", qPrintable(format)) << format << wide << banded;
            QTest::addRow("%s, 100 x 400", qPrintable(format)) << format << tall << middle;
        }
    }
    void framesAreFittedToTheCanvas()
    {
        QFETCH(QString, format);
        QFETCH(QImage, frame);
        QFETCH(RowRuns, runs);
        const QString path = folder->filePath(QStringLiteral("fitted.") + format);
        // Both frames of the canvas size first, so the fitted one is a later frame.
        QImage first = BrvTest::solidImage(100, 100, kTop, QImage::Format_RGBA8888);
        QImage second = frame;
        if (format == QLatin1String("gif")) {
            IQGifSavingHelper helper;
            QVERIFY(helper.begin(100, 100, path, 10));
            QVERIFY(helper.addFrame(first, 10));
            QVERIFY(helper.addFrame(second, 10));
            QVERIFY(helper.end());
        } else {
            IQWebpSavingHelper helper;
            QVERIFY(helper.begin(100, 100, path));
            QVERIFY(helper.addFrame(first, 100, 1, 100));
            QVERIFY(helper.addFrame(second, 100, 1, 100));
            QVERIFY(helper.end());
        }
        // The fitted frame replaces the caller's.
        QCOMPARE(second.size(), QSize(100, 100));
        const QList<QImage> frames = readAll(path);
        QCOMPARE(frames.size(), 2);
        QCOMPARE(frames[1].size(), QSize(100, 100));
        QCOMPARE(rowRuns(frames[1]), runs);
    }

    void letterboxCentresAndCuts()
    {
        IQGifSavingHelper helper;
        const QImage odd = helper.letterbox(10, 10, BrvTest::solidImage(5, 3, kTop));
        QCOMPARE(odd.format(), QImage::Format_RGBA8888);
        // (10 - 5) / 2 = 2 and (10 - 3) / 2 = 3.
        QCOMPARE(odd.pixelColor(2, 3), kTop);
        QCOMPARE(odd.pixelColor(6, 5), kTop);
        QCOMPARE(odd.pixelColor(1, 3), QColor(Qt::black));
        QCOMPARE(odd.pixelColor(7, 3), QColor(Qt::black));
        QCOMPARE(odd.pixelColor(2, 6), QColor(Qt::black));
        const QImage cut = helper.letterbox(4, 4, bands(4, 12, 4, 8));
        QCOMPARE(rowRuns(cut), (RowRuns{{kMiddle.rgb(), 4}}));
    }

    void gifCanvasSize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("written");
        QTest::newRow("15 x 200") << QSize(15, 200) << false;
        QTest::newRow("200 x 15") << QSize(200, 15) << false;
        QTest::newRow("16 x 16") << QSize(16, 16) << true;
    }
    void gifCanvasSize()
    {
        QFETCH(QSize, size);
        QFETCH(bool, written);
        const QString path = folder->filePath(QStringLiteral("size.gif"));
        QImage frame = BrvTest::gradientImage(size.width(), size.height());
        IQGifSavingHelper helper;
        QCOMPARE(helper.begin(size.width(), size.height(), path, 0), written);
        QCOMPARE(helper.addFrame(frame, 0), written);
        QCOMPARE(helper.end(), written);
        QCOMPARE(QFile::exists(path), written);
        QCOMPARE(IQGifSavingHelper::saveImage(frame, path, 0), written);
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden),
                 written ? QStringList{QStringLiteral("size.gif")} : QStringList());
    }

    // The helper reads a frame where it lies and converts it a few rows at a time: the file is
    // the one that the encoder makes of the whole frame converted to RGBA at once.
    void gifFramesOfAnyFormat_data()
    {
        QTest::addColumn<QList<QImage>>("frames");
        const QImage noise = BrvTest::noiseImage(97, 61, 11);
        QImage translucent = BrvTest::gradientImage(97, 61);
        for (int y = 0; y < translucent.height(); ++y)
            for (int x = 0; x < translucent.width(); x += 3)
                translucent.setPixelColor(x, y, QColor(x, y, 90, (x * 7 + y) % 256));
        // Rows longer than the bytes that Qt converts on the calling thread at once.
        const QImage wide = BrvTest::noiseImage(20000, 17, 5).convertToFormat(QImage::Format_RGB32);
        static uchar padded[61][97 * 4 + 12];
        const QImage rgba = noise.convertToFormat(QImage::Format_RGBA8888);
        for (int y = 0; y < 61; ++y)
            std::memcpy(padded[y], rgba.constScanLine(y), 97 * 4);
        const QImage paddedRows(&padded[0][0], 97, 61, 97 * 4 + 12, QImage::Format_RGBA8888);
        QTest::newRow("rgb32") << QList<QImage>{noise.convertToFormat(QImage::Format_RGB32)};
        QTest::newRow("argb32 with alpha") << QList<QImage>{translucent};
        QTest::newRow("premultiplied")
            << QList<QImage>{translucent.convertToFormat(QImage::Format_ARGB32_Premultiplied)};
        QTest::newRow("rgb888") << QList<QImage>{noise.convertToFormat(QImage::Format_RGB888)};
        QTest::newRow("indexed") << QList<QImage>{noise.convertToFormat(QImage::Format_Indexed8)};
        QTest::newRow("mono") << QList<QImage>{noise.convertToFormat(QImage::Format_Mono)};
        QTest::newRow("rgba64") << QList<QImage>{noise.convertToFormat(QImage::Format_RGBA64)};
        QTest::newRow("rgba, padded rows") << QList<QImage>{paddedRows};
        QTest::newRow("wide rows") << QList<QImage>{wide};
        QTest::newRow("frames of other formats")
            << QList<QImage>{noise.convertToFormat(QImage::Format_RGB32), paddedRows,
                             translucent.convertToFormat(QImage::Format_RGB888), translucent,
                             noise.convertToFormat(QImage::Format_Indexed8)};
    }
    void gifFramesOfAnyFormat()
    {
        QFETCH(QList<QImage>, frames);
        const QSize size = frames[0].size();
        const QString expected = folder->filePath(QStringLiteral("whole.gif"));
        {
            IQGifWriter writer;
            QVERIFY(writer.begin(QFile::encodeName(expected).constData(), size.width(),
                                 size.height(), 10));
            for (const QImage &frame : frames) {
                // A copy has rows without padding, as the encoder takes them.
                const QImage pixels = frame.convertToFormat(QImage::Format_RGBA8888).copy();
                QVERIFY(writer.writeFrame(pixels.constBits(), size.width(), size.height(), 10, 8,
                                          false));
            }
            QVERIFY(writer.end());
        }
        const QString path = folder->filePath(QStringLiteral("rows.gif"));
        IQGifSavingHelper helper;
        QVERIFY(helper.begin(size.width(), size.height(), path, 10));
        for (const QImage &image : frames) {
            QImage frame = image;
            QVERIFY(helper.addFrame(frame, 10));
        }
        QVERIFY(helper.end());
        QCOMPARE(BrvTest::fileContents(path), BrvTest::fileContents(expected));
        if (frames.size() == 1) {
            QVERIFY(IQGifSavingHelper::saveImage(frames[0], path, 10));
            QCOMPARE(BrvTest::fileContents(path), BrvTest::fileContents(expected));
        }
    }

    void stillGifHasNoLoopBlock()
    {
        const QString path = folder->filePath(QStringLiteral("still.gif"));
        QVERIFY(IQGifSavingHelper::saveImage(BrvTest::gradientImage(30, 20), path, 0));
        const GifStructure::File gif = GifStructure::parseFile(path);
        QVERIFY(gif.valid);
        QVERIFY(gif.loopBlock.isEmpty());
        QCOMPARE(gif.frames.size(), 1);
        QCOMPARE(gif.frames[0].delay, 0);
        QVERIFY(!IQGifSavingHelper::saveImage(QImage(), path, 0));
    }

    // Any name the file system takes works, whatever the locale's 8-bit encoding.
    void gifNameOutsideLatin1()
    {
        const QString path = folder->filePath(QStringLiteral("bild-\u00e4\u65e5\u672c.gif"));
        QVERIFY(IQGifSavingHelper::saveImage(BrvTest::gradientImage(20, 20), path, 0));
        QCOMPARE(readAll(path).size(), 1);
    }

    // The temporary file has a short name of its own, so the longest name a file system takes
    // is written too.
    void gifLongestName()
    {
        const QString name = QString(251, QLatin1Char('n')) + QStringLiteral(".gif");
        const QString path = folder->filePath(name);
        QVERIFY(IQGifSavingHelper::saveImage(BrvTest::gradientImage(20, 20), path, 0));
        QCOMPARE(readAll(path).size(), 1);
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QFileInfo(path).fileName()});
    }

    // A failure or an unfinished helper leaves no file and keeps an earlier one as it was.
    void failuresLeaveNothing_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("how");
        for (const char *format : {"gif", "webp"}) {
            for (const char *how : {"destroyed without end", "refused canvas"})
                QTest::addRow("%s, %s", format, how) << format << how;
        }
        QTest::newRow("webp, no frame") << "webp" << "no frame";
        QTest::newRow("webp, frame refused") << "webp" << "frame refused";
    }
    void failuresLeaveNothing()
    {
        QFETCH(QString, format);
        QFETCH(QString, how);
        const QString path = folder->filePath(QStringLiteral("earlier.") + format);
        const QByteArray earlier("earlier contents");
        QVERIFY(writeFile(path, earlier));
        const bool refused = how == QLatin1String("refused canvas");
        const int side = refused ? (format == QLatin1String("gif") ? 8 : 0) : 32;
        QImage frame = BrvTest::gradientImage(32, 32);
        if (format == QLatin1String("gif")) {
            IQGifSavingHelper helper;
            QCOMPARE(helper.begin(side, side, path, 10), !refused);
            QCOMPARE(helper.addFrame(frame, 10), !refused);
            if (refused)
                QVERIFY(!helper.end());
        } else {
            IQWebpSavingHelper helper;
            QCOMPARE(helper.begin(side, side, path), !refused);
            if (how == QLatin1String("frame refused")) {
                QVERIFY(!helper.addFrame(frame, 100, 0, 101));
                QVERIFY(!helper.end());
            } else if (how != QLatin1String("no frame")) {
                QCOMPARE(helper.addFrame(frame, 100, 0, 75), !refused);
            }
            if (refused || how == QLatin1String("no frame"))
                QVERIFY(!helper.end());
        }
        QCOMPARE(BrvTest::fileContents(path), earlier);
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList {QFileInfo(path).fileName()});
    }

    // A finished file takes the earlier one's place and keeps its permissions.
    void successReplacesEarlierFile_data() { addFormatRows(); }
    void successReplacesEarlierFile()
    {
        QFETCH(QString, format);
        const QString path = folder->filePath(QStringLiteral("earlier.") + format);
        QVERIFY(writeFile(path, "earlier contents"));
        const QFileDevice::Permissions permissions = QFileDevice::ReadOwner
                                                     | QFileDevice::WriteOwner
                                                     | QFileDevice::ReadUser
                                                     | QFileDevice::WriteUser;
        QVERIFY(QFile::setPermissions(path, permissions));
        QImage frame = BrvTest::gradientImage(32, 32);
        if (format == QLatin1String("gif")) {
            IQGifSavingHelper helper;
            QVERIFY(helper.begin(32, 32, path, 10));
            QVERIFY(helper.addFrame(frame, 10));
            QVERIFY(helper.end());
        } else {
            IQWebpSavingHelper helper;
            QVERIFY(helper.begin(32, 32, path));
            QVERIFY(helper.addFrame(frame, 100, 0, 75));
            QVERIFY(helper.end());
        }
        QCOMPARE(readAll(path).size(), 1);
        QCOMPARE(QFile::permissions(path), permissions);
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList {QFileInfo(path).fileName()});
    }

    void unwritableFolder_data() { addFormatRows(); }
    void unwritableFolder()
    {
        QFETCH(QString, format);
        const QString path = folder->filePath(QStringLiteral("missing/out.") + format);
        QImage frame = BrvTest::gradientImage(32, 32);
        if (format == QLatin1String("gif")) {
            IQGifSavingHelper helper;
            QVERIFY(!helper.begin(32, 32, path, 10));
            QVERIFY(!helper.addFrame(frame, 10));
            QVERIFY(!helper.end());
        } else {
            IQWebpSavingHelper helper;
            QVERIFY(!helper.begin(32, 32, path));
            QVERIFY(!helper.addFrame(frame, 100, 0, 75));
            QVERIFY(!helper.end());
        }
        QVERIFY(!QFile::exists(path));
    }

    void webpFramesKeepTheirDurations()
    {
        const QString path = folder->filePath(QStringLiteral("three.webp"));
        const QColor colors[3] = {kTop, kMiddle, kBottom};
        IQWebpSavingHelper helper;
        QVERIFY(helper.begin(48, 32, path));
        for (const QColor &color : colors) {
            QImage frame = BrvTest::solidImage(48, 32, color);
            QVERIFY(helper.addFrame(frame, 100, 0, 90));
        }
        QVERIFY(helper.end());
        QList<int> delays;
        const QList<QImage> frames = readAll(path, &delays);
        QCOMPARE(frames.size(), 3);
        QCOMPARE(delays, (QList<int>{100, 100, 100}));
        for (int i = 0; i < 3; ++i) {
            const QColor seen = frames[i].pixelColor(24, 16);
            QVERIFY2(qAbs(seen.red() - colors[i].red()) < 8
                         && qAbs(seen.green() - colors[i].green()) < 8
                         && qAbs(seen.blue() - colors[i].blue()) < 8,
                     qPrintable(seen.name()));
        }
    }

    void webpSingleFrame()
    {
        const QString path = folder->filePath(QStringLiteral("single.webp"));
        IQWebpSavingHelper helper;
        QVERIFY(helper.begin(40, 30, path));
        QImage frame = BrvTest::gradientImage(40, 30);
        QVERIFY(helper.addFrame(frame, 100, 0, 75));
        QVERIFY(helper.end());
        QVERIFY(!helper.end());
        const QList<QImage> frames = readAll(path);
        QCOMPARE(frames.size(), 1);
        QCOMPARE(frames[0].size(), QSize(40, 30));
    }

    // One frame is a still file, whatever its transparent borders (the animation encoder would
    // crop them into an offset frame of a one-frame animation); two or more stay an animation.
    void webpStillOrAnimation_data()
    {
        QTest::addColumn<int>("frameCount");
        QTest::addColumn<int>("lossless");
        QTest::newRow("one lossy frame") << 1 << 0;
        QTest::newRow("one lossless frame") << 1 << 1;
        QTest::newRow("three frames") << 3 << 0;
    }
    void webpStillOrAnimation()
    {
        QFETCH(int, frameCount);
        QFETCH(int, lossless);
        const QString path = folder->filePath(QStringLiteral("bordered.webp"));
        QImage bordered(223, 225, QImage::Format_ARGB32);
        bordered.fill(Qt::transparent);
        for (int y = 30; y < 190; ++y)
            for (int x = 25; x < 200; ++x)
                bordered.setPixelColor(x, y, QColor::fromHsv((x + y) % 360, 200, 220));
        IQWebpSavingHelper helper;
        QVERIFY(helper.begin(223, 225, path));
        for (int i = 0; i < frameCount; ++i) {
            QImage frame = bordered;
            if (i > 0)
                frame.setPixelColor(100 + i, 100, Qt::white);
            QVERIFY(helper.addFrame(frame, 100, lossless, 80));
        }
        QVERIFY(helper.end());

        const QByteArray bytes = BrvTest::fileContents(path);
        QVERIFY(bytes.startsWith("RIFF"));
        QCOMPARE(bytes.mid(8, 4), QByteArray("WEBP"));
        QCOMPARE(bytes.contains("ANIM"), frameCount > 1);
        const QList<QImage> frames = readAll(path);
        QCOMPARE(frames.size(), frameCount);
        QCOMPARE(frames[0].size(), QSize(223, 225));
        QCOMPARE(frames[0].pixelColor(5, 5).alpha(), 0);
        QCOMPARE(frames[0].pixelColor(100, 150).alpha(), 255);

        // libwebp's own tools agree: dwebp decodes it, webpmux does not call a still animated.
        if (QStandardPaths::findExecutable(QStringLiteral("webpmux")).isEmpty())
            QSKIP("webpmux is not installed");
        QProcess info;
        info.start(QStringLiteral("webpmux"), {QStringLiteral("-info"), path});
        QVERIFY(info.waitForFinished(60000));
        QCOMPARE(info.exitStatus(), QProcess::NormalExit);
        const QString text = QString::fromLatin1(info.readAllStandardOutput());
        QCOMPARE(text.contains(QLatin1String("animation")), frameCount > 1);
        if (frameCount == 1) {
            QProcess decode;
            decode.start(QStringLiteral("dwebp"),
                         {path, QStringLiteral("-o"), folder->filePath(QStringLiteral("x.png"))});
            QVERIFY(decode.waitForFinished(60000));
            QCOMPARE(decode.exitCode(), 0);
        }
    }

    // The bytes of still and animated, lossy and lossless files, with and without alpha, from
    // each kind of frame the helper is given: a faster road to libwebp must not change them.
    // Premultiplied frames have no fixed digest: Qt unpacks their translucent pixels with
    // instructions whose last bit differs from one processor to another, so they must give
    // the bytes of the same frames unpacked by Qt beforehand.
    void webpOutputIsStable_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("alpha");
        QTest::addColumn<int>("frameCount");
        QTest::addColumn<int>("lossless");
        QTest::addColumn<QSize>("canvas");
        QTest::addColumn<QSize>("frameSize");
        QTest::addColumn<QByteArray>("md5");
        const QSize canvas(160, 120);
        const auto row = [](const char *name, QImage::Format format, bool alpha, int frames,
                            int lossless, const QSize &size, const char *md5) {
            QTest::newRow(name) << int(format) << alpha << frames << lossless << size << size
                                << QByteArray(md5);
        };
        row("still lossy, RGB32", QImage::Format_RGB32, false, 1, 0, canvas,
            "cb7d5a5335b4be248a76134b1c387d82");
        row("still lossless, RGB32", QImage::Format_RGB32, false, 1, 1, canvas,
            "423b6331f00cdf4fb77ac9bec74308df");
        row("still lossy, ARGB32, alpha", QImage::Format_ARGB32, true, 1, 0, canvas,
            "8f6c7332098607d6f481d66e0f51612e");
        row("still lossless, ARGB32, alpha", QImage::Format_ARGB32, true, 1, 1, canvas,
            "dc95919745b99c18122cc02801d995f7");
        row("still lossy, ARGB32, opaque", QImage::Format_ARGB32, false, 1, 0, canvas,
            "cb7d5a5335b4be248a76134b1c387d82");
        row("still lossy, RGBA8888, alpha", QImage::Format_RGBA8888, true, 1, 0, canvas,
            "8f6c7332098607d6f481d66e0f51612e");
        row("still lossless, RGBA8888, alpha", QImage::Format_RGBA8888, true, 1, 1, canvas,
            "dc95919745b99c18122cc02801d995f7");
        row("still lossy, RGBX8888", QImage::Format_RGBX8888, false, 1, 0, canvas,
            "cb7d5a5335b4be248a76134b1c387d82");
        row("still lossless, premultiplied, alpha", QImage::Format_ARGB32_Premultiplied, true,
            1, 1, canvas, nullptr);
        row("still lossy, RGB888", QImage::Format_RGB888, false, 1, 0, canvas,
            "cb7d5a5335b4be248a76134b1c387d82");
        row("still lossy, large", QImage::Format_RGB32, false, 1, 0, QSize(900, 700),
            "4fa7320a87c78646ec2c22a4f4e677eb");
        row("still lossless, large, alpha", QImage::Format_ARGB32, true, 1, 1, QSize(700, 500),
            "09f9ef0f5cb598bea61fa99024be650c");
        row("animation lossy, RGB32", QImage::Format_RGB32, false, 3, 0, canvas,
            "a63e3d4541339a9da80ab73e7f222e91");
        row("animation lossless, ARGB32, alpha", QImage::Format_ARGB32, true, 3, 1, canvas,
            "27e24181f03cd2afb21d61d86d05bd15");
        row("animation lossy, RGBA8888, alpha", QImage::Format_RGBA8888, true, 3, 0, canvas,
            "27af5130e218cd6d1f846efdfbe2059c");
        row("animation lossy, premultiplied, alpha", QImage::Format_ARGB32_Premultiplied, true,
            3, 0, canvas, nullptr);
        QTest::newRow("animation lossy, fitted frames")
            << int(QImage::Format_RGB32) << false << 3 << 0 << canvas << QSize(200, 120)
            << QByteArray("aafc10f71912083c27e1aca6c4d71e32");
        row("animation lossy, large", QImage::Format_RGB32, false, 2, 0, QSize(900, 700),
            "50ea511f993e2b8e674e6fc612778b4c");
    }
    void webpOutputIsStable()
    {
        const QByteArray expected = expectedWebpDigest();
        QVERIFY(!expected.isEmpty());
        QCOMPARE(webpDigest(), expected);
    }

    // libwebp gets its second thread only when the thread budget has a token free (none inside
    // a full batch pool): the bytes are the same with it or without, and the token goes back.
    void webpOutputIsStableOnAnyBudget_data() { webpOutputIsStable_data(); }
    void webpOutputIsStableOnAnyBudget()
    {
        const QByteArray expected = expectedWebpDigest();
        QVERIFY(!expected.isEmpty());
        const int capacity = IQThreadBudget::capacity();
        for (const int free : {0, 1, capacity}) {
            const IQThreadBudget::Lease taken(capacity - free);
            QCOMPARE(webpDigest(), expected);
            QCOMPARE(IQThreadBudget::inUse(), capacity - free);
        }
        QCOMPARE(IQThreadBudget::inUse(), 0);
    }

    // Indices past the colour table are written as opaque black, which Qt's conversions also
    // show, so every reader sees the same picture and none warns.
    void indexedImageWithShortColourTable_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("png") << "png";
        QTest::newRow("bmp") << "bmp";
    }
    void indexedImageWithShortColourTable()
    {
        QFETCH(QString, suffix);
        QImage indexed(12, 6, QImage::Format_Indexed8);
        indexed.setColorTable({qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)});
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 12; ++x)
                indexed.scanLine(y)[x] = uchar((x + y) % 7); // 3..6 lie past the table
        const QImage expected = indexed.convertToFormat(QImage::Format_RGBA8888);
        QCOMPARE(expected.pixelColor(4, 0), QColor(Qt::black));

        const QString path = folder->filePath(QStringLiteral("indexed.") + suffix);
        static QStringList warnings;
        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &, const QString &message) {
                if (type != QtDebugMsg)
                    warnings.append(message);
            });
        IQImageSavingHelper helper;
        const bool saved = helper.save(indexed, path);
        const QImage read = QImage(path).convertToFormat(QImage::Format_RGBA8888);
        qInstallMessageHandler(previous);
        QVERIFY(saved);
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
        QCOMPARE(read, expected);

        bool available = false;
        const QList<QImage> magick = GifStructure::framesFromImageMagick(path, 12, 6, &available);
        if (!available)
            QSKIP("ImageMagick is not installed");
        QCOMPARE(magick.size(), 1);
        QCOMPARE(magick[0], expected);
    }

    void imageAuthor_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("png") << "png";
        QTest::newRow("jpg") << "jpg";
    }
    void imageAuthor()
    {
        QFETCH(QString, suffix);
        const QString path = folder->filePath(QStringLiteral("author.") + suffix);
        IQImageSavingHelper helper;
        helper.author = QStringLiteral("Jane Roe");
        QVERIFY(helper.save(BrvTest::gradientImage(40, 30), path));
        QImageReader reader(path);
        QCOMPARE(reader.text(QStringLiteral("Author")), QStringLiteral("Jane Roe"));
        QCOMPARE(reader.read().size(), QSize(40, 30));
    }

    void imageQualityAndBmp()
    {
        IQImageSavingHelper helper;
        const QImage noise = BrvTest::noiseImage(64, 64);
        helper.quality = 10;
        QVERIFY(helper.save(noise, folder->filePath(QStringLiteral("low.jpg"))));
        helper.quality = 95;
        QVERIFY(helper.save(noise, folder->filePath(QStringLiteral("high.jpg"))));
        QVERIFY(QFileInfo(folder->filePath(QStringLiteral("low.jpg"))).size()
                < QFileInfo(folder->filePath(QStringLiteral("high.jpg"))).size());

        helper.author = QStringLiteral("Jane Roe");
        const QString bmp = folder->filePath(QStringLiteral("plain.bmp"));
        QVERIFY(helper.save(noise, bmp));
        QCOMPARE(QImage(bmp).convertToFormat(QImage::Format_RGB32),
                 noise.convertToFormat(QImage::Format_RGB32));
    }

    // PNG is lossless whatever quality the batch or the export carries: the file is the one
    // Qt's writer makes at its own default compression, with the same pixels.
    void pngIgnoresTheQuality_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<int>("quality");
        const QImage photo = ImageFixtures::photoLikeImage(600, 400);
        const QImage clear = ImageFixtures::translucentImage(400, 300);
        for (const int quality : {90, 0, 100}) {
            QTest::addRow("photo, quality %d", quality) << photo << quality;
            QTest::addRow("translucent, quality %d", quality) << clear << quality;
        }
    }
    void pngIgnoresTheQuality()
    {
        QFETCH(QImage, image);
        QFETCH(int, quality);
        const QString path = folder->filePath(QStringLiteral("lossless.png"));
        IQImageSavingHelper helper;
        helper.quality = quality;
        QVERIFY(helper.save(image, path));

        QByteArray plain;
        QBuffer buffer(&plain);
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QImageWriter writer(&buffer, "png");
        writer.setText(QStringLiteral("Author"), helper.author);
        QVERIFY(writer.write(image));
        QCOMPARE(BrvTest::fileContents(path), plain);
        // Stored uncompressed, the rows would take 3 or 4 bytes a pixel.
        QVERIFY(plain.size() < qint64(image.width()) * image.height() * 3 / 2);
        QCOMPARE(QImage(path).convertToFormat(image.format()), image);
    }

    void imageFailureKeepsEarlierFile()
    {
        const QString path = folder->filePath(QStringLiteral("earlier.png"));
        QVERIFY(writeFile(path, "earlier contents"));
        IQImageSavingHelper helper;
        QVERIFY(!helper.save(QImage(), path));
        QCOMPARE(BrvTest::fileContents(path), QByteArray("earlier contents"));
        QVERIFY(!helper.save(BrvTest::gradientImage(8, 8),
                             folder->filePath(QStringLiteral("x.nosuch"))));
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList {QStringLiteral("earlier.png")});
    }

private:
    // The digest a row of webpOutputIsStable_data must give: its fixed one, or for premultiplied
    // frames the digest of the same frames unpacked to plain pixels first, with every token of
    // the thread budget free.
    QByteArray expectedWebpDigest()
    {
        QFETCH(QByteArray, md5);
        QFETCH(int, format);
        if (!md5.isEmpty())
            return md5;
        if (format != QImage::Format_ARGB32_Premultiplied)
            return QByteArray();
        return webpDigest(QImage::Format_ARGB32);
    }

    // The digest of the file that the helper writes from the row of webpOutputIsStable_data,
    // with the frames converted to unpackTo first when that is given.
    QByteArray webpDigest(QImage::Format unpackTo = QImage::Format_Invalid)
    {
        QFETCH(int, format);
        QFETCH(bool, alpha);
        QFETCH(int, frameCount);
        QFETCH(int, lossless);
        QFETCH(QSize, canvas);
        QFETCH(QSize, frameSize);
        const QString path = folder->filePath(QStringLiteral("stable.webp"));
        IQWebpSavingHelper helper;
        if (!helper.begin(canvas.width(), canvas.height(), path))
            return QByteArray();
        for (int i = 0; i < frameCount; ++i) {
            QImage frame = webpFrame(frameSize, QImage::Format(format), alpha, i);
            if (unpackTo != QImage::Format_Invalid)
                frame = frame.convertToFormat(unpackTo);
            if (!helper.addFrame(frame, 80, lossless, 80))
                return QByteArray();
        }
        if (!helper.end())
            return QByteArray();
        return QCryptographicHash::hash(BrvTest::fileContents(path), QCryptographicHash::Md5)
            .toHex();
    }

    std::unique_ptr<QTemporaryDir> folder;
};

QTEST_MAIN(tst_SavingHelpers)
#include "tst_savinghelpers.moc"
