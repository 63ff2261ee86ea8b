#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "BrvTest.h"
#include "GifStructure.h"
#include "settings/IQBatchSettings.h"
#include "imaging/IQConvertEngine.h"
#include "IQExportThread.h"
#include "documents/IQImageFile.h"
#include "ImageFixtures.h"

namespace {

using FrameLists = QList<QList<int>>;

const QList<QColor> kFrameColors{QColor(220, 30, 30), QColor(30, 200, 40), QColor(40, 60, 230)};
constexpr int kGifWidth = 40;
constexpr int kGifHeight = 30;

struct Outcome
{
    bool finished = false;
    bool ok = false;
    QString path;
    QList<int> savings;
    IQImageFile *document = nullptr;
};

// Runs the export on its own thread, as the page does, and collects what it reported.
Outcome runThread(IQExportThread &thread)
{
    Outcome outcome;
    QObject::connect(&thread, &IQExportThread::saving, &thread,
                     [&outcome](int index) { outcome.savings.append(index); },
                     Qt::DirectConnection);
    QObject::connect(&thread, &IQExportThread::saveFinished, &thread,
                     [&outcome](IQImageFile *file, const QString &path, bool ok) {
                         outcome.document = file;
                         outcome.path = path;
                         outcome.ok = ok;
                     },
                     Qt::DirectConnection);
    thread.start();
    outcome.finished = thread.wait(60000);
    return outcome;
}

Outcome runExport(IQImageFile *document, const QImage &image, const IQExportOptions &options)
{
    IQExportThread thread(document, image, &options);
    return runThread(thread);
}

IQExportOptions options(int option, int format, const QString &name, const QString &folder)
{
    IQExportOptions o;
    o.outputDir = folder;
    o.option = option;
    o.format = format;
    o.name = name;
    o.apply = false;
    o.duration = 120;
    return o;
}

// Every frame of the file as Qt's readers decode it, upright.
QList<QImage> framesOf(const QString &path)
{
    QList<QImage> frames;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const int count = qMax(reader.imageCount(), 1);
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            reader.jumpToImage(i);
        const QImage frame = reader.read();
        if (frame.isNull())
            break;
        frames.append(frame.convertToFormat(QImage::Format_ARGB32));
    }
    return frames;
}

// How far two images of one size lie apart: the largest and the mean difference of one colour
// channel. The largest is -1 when the sizes differ.
struct Difference
{
    int largest = -1;
    double mean = 0;
};

Difference difference(const QImage &a, const QImage &b)
{
    Difference d;
    if (a.size() != b.size() || a.isNull())
        return d;
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    d.largest = 0;
    qint64 sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            for (const int channel : {qAbs(qRed(p[col]) - qRed(q[col])),
                                      qAbs(qGreen(p[col]) - qGreen(q[col])),
                                      qAbs(qBlue(p[col]) - qBlue(q[col]))}) {
                d.largest = qMax(d.largest, channel);
                sum += channel;
            }
        }
    }
    d.mean = double(sum) / (3.0 * x.width() * x.height());
    return d;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// The viewer shows a still widened to a multiple of 4 pixels and resampled; the export must
// not write that copy.
QImage displayCopy(const QImage &image)
{
    return image.scaled((image.width() + 3) / 4 * 4, image.height(), Qt::IgnoreAspectRatio,
                        Qt::SmoothTransformation);
}

} // namespace

Q_DECLARE_METATYPE(FrameLists)

class tst_ExportThread : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir sources;
    QString path(const char *name) const { return sources.filePath(QLatin1String(name)); }

    // The document of a fixture and the image the page would hand over with it: the current
    // frame (frame 1) of an animation, the display copy of a still.
    QImage pageImage(const QString &source) const
    {
        const QList<QImage> frames = framesOf(source);
        if (frames.size() > 1)
            return frames.at(1);
        return displayCopy(frames.value(0));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(sources.isValid());
        QVERIFY(ImageFixtures::gifWithFrames(path("cat.gif"), kFrameColors, {100, 100, 100},
                                             kGifWidth, kGifHeight));
        QVERIFY(BrvTest::gradientImage(1001, 700).save(path("wide.png")));
        QVERIFY(ImageFixtures::stillWebp(path("still.webp"), ImageFixtures::WebpKind::Lossless,
                                         36, 20));
        QVERIFY(ImageFixtures::animatedWebp(path("clip.webp"), kFrameColors, {100, 100, 100},
                                            kGifWidth, kGifHeight));
        QVERIFY(ImageFixtures::jpegWithOrientation(path("turned.jpg"),
                                                   BrvTest::gradientImage(40, 24), 6));
    }

    void writes_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("format");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<FrameLists>("frames"); // the source frames each file holds
        QTest::addColumn<QList<int>>("savings");
        QTest::addColumn<double>("tolerance"); // mean channel difference; 0 asks for exact pixels

        const QList<int> one{1};
        const QList<int> three{1, 2, 3};
        QTest::newRow("GIF, all frames as PNG")
            << "cat.gif" << 1 << 1 << QStringList{"cat_1.png", "cat_2.png", "cat_3.png"}
            << FrameLists{{0}, {1}, {2}} << three << 0.0;
        QTest::newRow("GIF, all frames as BMP")
            << "cat.gif" << 1 << 2 << QStringList{"cat_1.bmp", "cat_2.bmp", "cat_3.bmp"}
            << FrameLists{{0}, {1}, {2}} << three << 0.0;
        QTest::newRow("GIF, all frames as JPEG")
            << "cat.gif" << 1 << 0 << QStringList{"cat_1.jpg", "cat_2.jpg", "cat_3.jpg"}
            << FrameLists{{0}, {1}, {2}} << three << 2.0;
        QTest::newRow("GIF, current frame as PNG")
            << "cat.gif" << 0 << 1 << QStringList{"cat.png"} << FrameLists{{1}} << one << 0.0;
        QTest::newRow("GIF, current frame as GIF")
            << "cat.gif" << 0 << 3 << QStringList{"cat.gif"} << FrameLists{{1}} << one << 0.0;
        QTest::newRow("GIF, current frame as WEBP")
            << "cat.gif" << 0 << 4 << QStringList{"cat.webp"} << FrameLists{{1}} << one << 2.0;
        QTest::newRow("GIF, animation as GIF")
            << "cat.gif" << 2 << 3 << QStringList{"cat.gif"} << FrameLists{{0, 1, 2}} << three
            << 0.0;
        QTest::newRow("GIF, animation as WEBP")
            << "cat.gif" << 2 << 4 << QStringList{"cat.webp"} << FrameLists{{0, 1, 2}} << three
            << 2.0;
        QTest::newRow("1001 x 700 PNG, current frame as PNG")
            << "wide.png" << 0 << 1 << QStringList{"wide.png"} << FrameLists{{0}} << one << 0.0;
        QTest::newRow("1001 x 700 PNG, all frames as BMP")
            << "wide.png" << 1 << 2 << QStringList{"wide_1.bmp"} << FrameLists{{0}} << one << 0.0;
        QTest::newRow("1001 x 700 PNG, animation as WEBP")
            << "wide.png" << 2 << 4 << QStringList{"wide.webp"} << FrameLists{{0}} << one << 3.0;
        QTest::newRow("still WebP, current frame as PNG")
            << "still.webp" << 0 << 1 << QStringList{"still.png"} << FrameLists{{0}} << one << 0.0;
        QTest::newRow("still WebP, animation as GIF")
            << "still.webp" << 2 << 3 << QStringList{"still.gif"} << FrameLists{{0}} << one << 2.0;
        QTest::newRow("turned JPEG, current frame as PNG, upright")
            << "turned.jpg" << 0 << 1 << QStringList{"turned.png"} << FrameLists{{0}} << one << 0.0;
    }

    void writes()
    {
        QFETCH(QString, source);
        QFETCH(int, option);
        QFETCH(int, format);
        QFETCH(QStringList, files);
        QFETCH(FrameLists, frames);
        QFETCH(double, tolerance);

        QTemporaryDir out;
        IQImageFile document(sources.filePath(source));
        const QString name = QFileInfo(source).completeBaseName();
        const Outcome outcome = runExport(&document, pageImage(document.absoluteFilePath()),
                                          options(option, format, name, out.path()));
        QVERIFY(outcome.finished);
        QVERIFY(outcome.ok);
        QCOMPARE(outcome.document, &document);
        QTEST(outcome.savings, "savings");
        QCOMPARE(outcome.path, out.filePath(files.last()));
        QCOMPARE(filesIn(out.path()), files);

        const QList<QImage> sourceFrames = framesOf(document.absoluteFilePath());
        for (int f = 0; f < files.size(); ++f) {
            const QList<QImage> written = framesOf(out.filePath(files.at(f)));
            QCOMPARE(written.size(), frames.at(f).size());
            for (int k = 0; k < written.size(); ++k) {
                const Difference d =
                    difference(written.at(k), sourceFrames.at(frames.at(f).at(k)));
                const bool close = d.largest >= 0
                                   && (tolerance == 0 ? d.largest == 0 : d.mean <= tolerance);
                QVERIFY2(close, qPrintable(QStringLiteral("%1 frame %2: size %3 x %4, largest "
                                                          "difference %5, mean %6")
                                               .arg(files.at(f)).arg(k)
                                               .arg(written.at(k).width())
                                               .arg(written.at(k).height()).arg(d.largest)
                                               .arg(d.mean)));
            }
        }
    }

    // Given the number of the frame on show, the current frame comes from the file, not from
    // the image the page shows (which the modules may have converted already).
    void currentFrameByNumber_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("frame");
        QTest::newRow("GIF, first frame") << "cat.gif" << 0;
        QTest::newRow("GIF, last frame") << "cat.gif" << 2;
        QTest::newRow("WebP, last frame") << "clip.webp" << 2;
    }

    void currentFrameByNumber()
    {
        QFETCH(QString, source);
        QFETCH(int, frame);
        QTemporaryDir out;
        IQImageFile document(sources.filePath(source));
        QCOMPARE(document.kind(), int(DocumentInfo::Animated));
        const IQExportOptions o = options(0, 1, QStringLiteral("f"), out.path());
        IQExportThread thread(&document, BrvTest::solidImage(kGifWidth, kGifHeight, Qt::black),
                              &o);
        thread.setFrameNumber(frame);
        const Outcome outcome = runThread(thread);
        QVERIFY(outcome.finished);
        QVERIFY(outcome.ok);
        const QImage written = framesOf(out.filePath(QStringLiteral("f.png"))).value(0);
        QCOMPARE(difference(written, framesOf(document.absoluteFilePath()).at(frame)).largest, 0);
    }

    // A still GIF has no loop block; an animation, even of one frame, loops endlessly. Every
    // frame of an animation gets the record's duration.
    void animationTiming_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("loops");
        QTest::addColumn<QList<int>>("delaysMs");
        QTest::newRow("GIF frame as GIF") << "cat.gif" << 0 << 3 << false << QList<int>{0};
        QTest::newRow("GIF as GIF") << "cat.gif" << 2 << 3 << true << QList<int>{120, 120, 120};
        QTest::newRow("PNG as GIF") << "wide.png" << 2 << 3 << true << QList<int>{120};
        QTest::newRow("GIF as WEBP") << "cat.gif" << 2 << 4 << true << QList<int>{120, 120, 120};
    }

    void animationTiming()
    {
        QFETCH(QString, source);
        QFETCH(int, option);
        QFETCH(int, format);
        QFETCH(bool, loops);
        QFETCH(QList<int>, delaysMs);
        QTemporaryDir out;
        IQImageFile document(sources.filePath(source));
        const Outcome outcome = runExport(&document, pageImage(document.absoluteFilePath()),
                                          options(option, format, QStringLiteral("a"), out.path()));
        QVERIFY(outcome.ok);

        if (format == 3) {
            const GifStructure::File gif = GifStructure::parseFile(outcome.path);
            QVERIFY(gif.valid);
            QCOMPARE(!gif.loopBlock.isEmpty(), loops);
            QList<int> delays;
            for (const GifStructure::Frame &frame : gif.frames)
                delays.append(frame.delay * 10);
            QCOMPARE(delays, delaysMs);
        } else {
            QImageReader reader(outcome.path);
            QCOMPARE(reader.imageCount(), delaysMs.size());
            QList<int> delays;
            for (int i = 0; i < delaysMs.size(); ++i) {
                QVERIFY(!reader.read().isNull());
                delays.append(reader.nextImageDelay());
            }
            QCOMPARE(delays, delaysMs);
        }
    }

    // The defaults name the output after the document, in the document's folder: the export
    // takes the first free numbered name rather than replace the user's original. Any other
    // file at a path is replaced.
    void sourceKeepsItsBytes_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("other"); // an unrelated file already in the folder
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("written");

        QTest::newRow("photo.jpg as JPEG")
            << "photo.jpg" << QString() << 0 << 0 << "photo" << QStringList{"photo_1.jpg"};
        QTest::newRow("cat.gif as a GIF animation")
            << "cat.gif" << QString() << 2 << 3 << "cat" << QStringList{"cat_1.gif"};
        QTest::newRow("frames of x_1.gif as GIF named x")
            << "x_1.gif" << QString() << 1 << 3 << "x"
            << QStringList{"x_1_1.gif", "x_2.gif", "x_3.gif"};
        QTest::newRow("another file is replaced")
            << "photo.jpg" << "photo.png" << 0 << 1 << "photo" << QStringList{"photo.png"};
    }

    void sourceKeepsItsBytes()
    {
        QFETCH(QString, source);
        QFETCH(QString, other);
        QFETCH(int, option);
        QFETCH(int, format);
        QFETCH(QString, name);
        QFETCH(QStringList, written);

        QTemporaryDir folder;
        const QString sourcePath = folder.filePath(source);
        if (source.endsWith(QLatin1String(".gif")))
            QVERIFY(QFile::copy(path("cat.gif"), sourcePath));
        else
            QVERIFY(BrvTest::gradientImage(64, 48).save(sourcePath, "JPEG"));
        const QByteArray sourceBytes = BrvTest::fileContents(sourcePath);
        const QByteArray otherBytes("not an image yet");
        if (!other.isEmpty())
            QVERIFY(ImageFixtures::writeBytes(folder.filePath(other), otherBytes));

        IQImageFile document(sourcePath);
        const Outcome outcome = runExport(&document, pageImage(sourcePath),
                                          options(option, format, name, folder.path()));
        QVERIFY(outcome.ok);
        QCOMPARE(BrvTest::fileContents(sourcePath), sourceBytes);
        QCOMPARE(outcome.path, folder.filePath(written.last()));

        QStringList expected = written;
        expected << source;
        expected.removeDuplicates();
        expected.sort();
        QCOMPARE(filesIn(folder.path()), expected);
        for (const QString &file : written)
            QVERIFY2(!framesOf(folder.filePath(file)).isEmpty(), qPrintable(file));
        if (!other.isEmpty())
            QVERIFY(BrvTest::fileContents(folder.filePath(other)) != otherBytes);
    }

    // A frame that cannot be decoded: a GIF cut just past its third image descriptor, or one
    // whose third frame's LZW data is broken; Qt counts every frame and refuses the third.
    // The export fails whole, leaves no file and an earlier file at a path as it was.
    void undecodableFrame_data()
    {
        QTest::addColumn<bool>("brokenData"); // else cut short
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("format");
        QTest::addColumn<QStringList>("earlier");
        QTest::addColumn<QList<int>>("savings");
        const QList<int> two{1, 2};
        for (const bool broken : {false, true}) {
            const char *kind = broken ? "broken LZW" : "cut short";
            QTest::addRow("%s, as GIF", kind) << broken << 2 << 3 << QStringList() << two;
            QTest::addRow("%s, as GIF over an earlier file", kind)
                << broken << 2 << 3 << QStringList{"cut.gif"} << two;
            QTest::addRow("%s, as WEBP", kind) << broken << 2 << 4 << QStringList() << two;
            QTest::addRow("%s, as WEBP over an earlier file", kind)
                << broken << 2 << 4 << QStringList{"cut.webp"} << two;
            QTest::addRow("%s, all frames as PNG", kind) << broken << 1 << 1 << QStringList()
                                                         << two;
            QTest::addRow("%s, all frames as PNG over earlier files", kind)
                << broken << 1 << 1 << QStringList{"cut_1.png", "cut_2.png"} << two;
        }
    }

    void undecodableFrame()
    {
        QFETCH(bool, brokenData);
        QFETCH(int, option);
        QFETCH(int, format);
        QFETCH(QStringList, earlier);

        QTemporaryDir folder;
        const QString cut = folder.filePath(QStringLiteral("source/cut.gif"));
        QVERIFY(QDir().mkpath(QFileInfo(cut).path()));
        if (brokenData) {
            QVERIFY(ImageFixtures::gifWithUndecodableFrame(cut, kFrameColors, {100, 100, 100},
                                                           kGifWidth, kGifHeight, 2));
        } else {
            const GifStructure::File whole = GifStructure::parseFile(path("cat.gif"));
            QCOMPARE(whole.frames.size(), 3);
            QVERIFY(ImageFixtures::truncatedCopy(path("cat.gif"), cut,
                                                 whole.frames.at(2).offset + 10));
        }
        QCOMPARE(QImageReader(cut).imageCount(), 3);

        const QString out = folder.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(out));
        const QByteArray before("an earlier export");
        for (const QString &name : earlier)
            QVERIFY(ImageFixtures::writeBytes(out + QLatin1Char('/') + name, before));

        IQImageFile document(cut);
        const Outcome outcome =
            runExport(&document, QImage(), options(option, format, QStringLiteral("cut"), out));
        QVERIFY(outcome.finished);
        QVERIFY(!outcome.ok);
        QTEST(outcome.savings, "savings");
        QCOMPARE(QDir(out).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                     QDir::Name),
                 earlier);
        for (const QString &name : earlier)
            QCOMPARE(BrvTest::fileContents(out + QLatin1Char('/') + name), before);
    }

    // Asked to stop, the export writes nothing more and keeps nothing unfinished: every file
    // at the paths stays as it was, and the outcome is a failure.
    void stopsWhenInterrupted_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("stopAfter"); // pictures written when the stop comes
        QTest::addColumn<QStringList>("earlier");
        QTest::newRow("all frames, after the first")
            << 1 << 1 << 1 << QStringList{"cat_1.png", "cat_3.png"};
        QTest::newRow("all frames, after the second") << 1 << 2 << 2 << QStringList();
        QTest::newRow("GIF animation, after the first") << 2 << 3 << 1 << QStringList{"cat.gif"};
        QTest::newRow("WebP animation, after the second") << 2 << 4 << 2 << QStringList();
    }

    void stopsWhenInterrupted()
    {
        QFETCH(int, option);
        QFETCH(int, format);
        QFETCH(int, stopAfter);
        QFETCH(QStringList, earlier);
        QTemporaryDir out;
        const QByteArray before("an earlier export");
        for (const QString &name : earlier)
            QVERIFY(ImageFixtures::writeBytes(out.filePath(name), before));

        IQImageFile document(path("cat.gif"));
        const IQExportOptions o = options(option, format, QStringLiteral("cat"), out.path());
        IQExportThread thread(&document, framesOf(document.absoluteFilePath()).at(1), &o);
        // Asked from the worker's own thread as it reports, so the stop lands exactly there.
        connect(&thread, &IQExportThread::saving, &thread,
                [&](int index) {
                    if (index == stopAfter)
                        thread.requestInterruption();
                },
                Qt::DirectConnection);
        const Outcome outcome = runThread(thread);

        QVERIFY(outcome.finished);
        QVERIFY(!outcome.ok);
        QList<int> expected;
        for (int i = 1; i <= stopAfter; ++i)
            expected << i;
        QCOMPARE(outcome.savings, expected);
        QCOMPARE(filesIn(out.path()), earlier);
        QCOMPARE(QDir(out.path()).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
        for (const QString &name : earlier)
            QCOMPARE(BrvTest::fileContents(out.filePath(name)), before);
    }

    // The export works on the batch record as it stood when the export was asked for.
    void batchRecordIsCopiedAtTheStart()
    {
        IQBatchSettings *record = IQBatchSettings::instance();
        const IQBatchSettings saved = *record;
        record->borderWidth = 5;
        record->borderColor = QColor(250, 200, 0);
        const IQBatchSettings atStart = *record;

        QTemporaryDir out;
        IQImageFile document(path("cat.gif"));
        IQExportOptions o = options(1, 1, QStringLiteral("w"), out.path());
        o.apply = true;
        IQExportThread thread(&document, QImage(), &o);
        // What the page changes afterwards, the options it still holds included, is not seen.
        record->text = QStringLiteral("changed");
        record->rotateMode = 2;
        record->borderWidth = 2;
        record->borderColor = Qt::blue;
        o.format = 0;
        o.name = QStringLiteral("changed");
        o.outputDir = QDir::tempPath();
        const Outcome outcome = runThread(thread);
        *record = saved;

        QVERIFY(outcome.finished);
        QVERIFY(outcome.ok);
        QCOMPARE(filesIn(out.path()), (QStringList{"w_1.png", "w_2.png", "w_3.png"}));
        IQBatchSettings expected = atStart;
        const QList<QImage> sourceFrames = framesOf(document.absoluteFilePath());
        for (int f = 0; f < 3; ++f) {
            const QImage want = IQConvertEngine(&expected).process(sourceFrames.at(f));
            QCOMPARE(difference(framesOf(out.filePath(QStringLiteral("w_%1.png").arg(f + 1)))
                                    .value(0),
                                want)
                         .largest,
                     0);
        }
    }

    // With Apply the modules run once over the picture as its source holds it.
    void applyRunsTheModulesOnce_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QList<int>>("frames");
        QTest::newRow("current frame") << 0 << QStringList{"w.png"} << QList<int>{1};
        QTest::newRow("all frames")
            << 1 << QStringList{"w_1.png", "w_2.png", "w_3.png"} << QList<int>{0, 1, 2};
    }

    void applyRunsTheModulesOnce()
    {
        QFETCH(int, option);
        QFETCH(QStringList, files);
        QFETCH(QList<int>, frames);

        IQBatchSettings *record = IQBatchSettings::instance();
        const IQBatchSettings saved = *record;
        record->text = QStringLiteral("W");
        record->textColor = Qt::white;
        record->textPixelSize = 14;
        record->textPosition = IQWatermarkPosition::TopLeft;
        record->textAngle = 30;

        QTemporaryDir out;
        IQImageFile document(path("cat.gif"));
        const QList<QImage> sourceFrames = framesOf(document.absoluteFilePath());
        IQExportOptions o = options(option, 1, QStringLiteral("w"), out.path());
        o.apply = true;
        const Outcome outcome = runExport(&document, sourceFrames.at(1), o);
        QVERIFY(outcome.ok);
        QCOMPARE(filesIn(out.path()), files);
        for (int f = 0; f < files.size(); ++f) {
            const QImage once = IQConvertEngine(record).process(sourceFrames.at(frames.at(f)));
            const QImage twice = IQConvertEngine(record).process(once);
            QVERIFY(difference(once, twice).largest != 0);
            QCOMPARE(difference(framesOf(out.filePath(files.at(f))).value(0), once).largest, 0);
        }
        *record = saved;
    }
};

QTEST_MAIN(tst_ExportThread)
#include "tst_exportthread.moc"
