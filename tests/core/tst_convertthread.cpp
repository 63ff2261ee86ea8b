#include <QtTest>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPointer>
#include <QTemporaryDir>

#include <functional>
#include <memory>

#include "BrvTest.h"
#include "QueuedSpy.h"
#include "GifStructure.h"
#include "settings/IQBatchSettings.h"
#include "imaging/IQConvertEngine.h"
#include "workers/IQConvertThread.h"
#include "ImageFixtures.h"

namespace {

const QList<QColor> kFrameColors{QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};
const QList<QColor> kFourColors{Qt::red, Qt::green, Qt::blue, Qt::yellow};
const QSize kFrameSize(32, 24);
const QSize kPhotoSize(40, 30);
const QByteArray kJunk("this is no picture at all\n");
// A hostile file is refused at once, not after minutes of decoding gigabytes or waiting on a
// pipe; the ceiling is wide for a sanitizer build on a busy machine.
constexpr qint64 kHostileFileMs = 30000;
constexpr qint64 kHostileFileKiB = 512 * 1024;
// A 64 x 48 full-colour BMP cut after its headers and 20 of its rows.
constexpr int kBitmapCutInItsRows = 54 + 64 * 3 * 20;
// More sources at once than any of them needs, so that sources finish out of order.
constexpr int kWidePool = 8;

// Collects the "File:" lines of the debug log while it lives.
class FileLog
{
public:
    FileLog()
    {
        lines().clear();
        previous = qInstallMessageHandler(&FileLog::handle);
    }
    ~FileLog() { qInstallMessageHandler(previous); }

    static QStringList &lines()
    {
        static QStringList collected;
        return collected;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type == QtDebugMsg && message.startsWith(QLatin1String("File:")))
            lines() << message;
        else if (previous)
            previous(type, context, message);
    }

    static inline QtMessageHandler previous = nullptr;
};

// How a naming case sets up the record and the output folder; rows show only what differs.
struct Naming
{
    QStringList sources{QStringLiteral("photo.2021.png")};
    int format = IQOutputFormat::Jpeg;
    bool renameEnabled = false;
    QString prefix;
    QString suffix;
    QString newName;
    int startNumber = 1;
    bool overwrite = false;
    QStringList existing;

    Naming &from(const QStringList &names) { sources = names; return *this; }
    Naming &to(int value) { format = value; return *this; }
    Naming &renamed(const QString &pre, const QString &post, const QString &name = QString(),
                    int start = 1)
    {
        renameEnabled = true;
        prefix = pre;
        suffix = post;
        newName = name;
        startNumber = start;
        return *this;
    }
    Naming &disabled() { renameEnabled = false; return *this; }
    Naming &overwriting() { overwrite = true; return *this; }
    Naming &with(const QStringList &names) { existing = names; return *this; }
};

} // namespace

Q_DECLARE_METATYPE(Naming)

// Skips the row when its GIF sources cannot be made.
#define SKIP_WITHOUT_IMAGEMAGICK(names)                                                       \
    do {                                                                                       \
        if (lacksImageMagick(names))                                                           \
            QSKIP("ImageMagick makes the GIF sources; it is not installed");                   \
    } while (false)

class tst_ConvertThread : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> root;
    std::unique_ptr<QTemporaryDir> gifCache;
    std::unique_ptr<IQBatchSettings> settings;
    QString inDir;
    QString outDir;

    QString in(const QString &name) const { return inDir + QLatin1Char('/') + name; }
    QString out(const QString &name) const { return outDir + QLatin1Char('/') + name; }

    QStringList outputs() const { return QDir(outDir).entryList(QDir::Files, QDir::Name); }

    // Makes a source by its name: "junk" in it gives a file that is no picture, "fifo" a named
    // pipe, "claims" a PNG whose header claims 40,000 x 40,000 pixels, "canvas" an animated
    // WebP whose canvas claims 16,383 x 16,383, "tiny" a 12 x 12 still, "cut" a BMP that
    // ends inside its pixel rows, a ".heic" is four zero bytes; "torn40" and "torn90" a JPEG
    // photo cut at 40 % or 90 % of its bytes, "noend" one without its end-of-image marker,
    // "trailing" one with bytes after it; a truncated GIF loses part of its last frame, an
    // "undecodable" one has four frames of which Qt refuses the third, any other GIF has three
    // frames, "big" and "medium" give photos of grain, the rest are 40 x 30 stills.
    QString makeSource(const QString &name)
    {
        const QString path = in(name);
        bool made = false;
        if (name.contains(QLatin1String("junk")))
            made = ImageFixtures::writeBytes(path, kJunk);
        else if (name.contains(QLatin1String("fifo")))
            made = ImageFixtures::fifo(path);
        else if (name.contains(QLatin1String("claims")))
            made = ImageFixtures::pngWithClaimedSize(path, 40000, 40000);
        else if (name.contains(QLatin1String("canvas")))
            made = ImageFixtures::animatedWebpWithClaimedCanvas(path, 16383, 16383);
        else if (name.contains(QLatin1String("tiny")))
            made = BrvTest::gradientImage(12, 12).save(path);
        else if (name.endsWith(QLatin1String(".heic")))
            made = ImageFixtures::writeBytes(path, QByteArray(4, '\0'));
        else if (name.contains(QLatin1String("undecodable")))
            made = ImageFixtures::gifWithUndecodableFrame(path, kFourColors, {20, 20, 20, 20},
                                                          kFrameSize.width(),
                                                          kFrameSize.height(), 2);
        else if (name.startsWith(QLatin1String("torn")) || name.startsWith(QLatin1String("noend"))
                 || name.startsWith(QLatin1String("trailing")))
            made = ImageFixtures::photoJpeg(
                path, 160, 120,
                name.startsWith(QLatin1String("torn40"))   ? ImageFixtures::JpegDamage::CutAt40
                : name.startsWith(QLatin1String("torn90")) ? ImageFixtures::JpegDamage::CutAt90
                : name.startsWith(QLatin1String("noend"))  ? ImageFixtures::JpegDamage::NoEndMarker
                                                           : ImageFixtures::JpegDamage::TrailingBytes);
        else if (name.contains(QLatin1String("cut")))
            made = ImageFixtures::bmp24(path, BrvTest::solidImage(64, 48, Qt::blue),
                                        kBitmapCutInItsRows);
        else if (name.endsWith(QLatin1String(".gif")))
            made = QFile::copy(threeFrameGif(), path);
        else if (name.contains(QLatin1String("big")) || name.contains(QLatin1String("medium")))
            made = BrvTest::noiseImage(name.contains(QLatin1String("big")) ? 1200 : 600,
                                       name.contains(QLatin1String("big")) ? 900 : 450,
                                       quint32(qHash(name)))
                       .save(path);
        else
            made = BrvTest::gradientImage(kPhotoSize.width(), kPhotoSize.height())
                       .save(path, QFileInfo(path).suffix().isEmpty() ? "PNG" : nullptr);
        if (made && name.contains(QLatin1String("truncated"))) {
            // Cut inside the last frame's image data: the reader still counts three frames.
            const QString whole = path + QStringLiteral(".whole");
            made = QFile::rename(path, whole)
                   && ImageFixtures::truncatedCopy(whole, path, int(QFileInfo(whole).size()) - 30)
                   && QFile::remove(whole);
        }
        if (!made)
            QTest::qFail(qPrintable(QStringLiteral("could not make ") + path), __FILE__, __LINE__);
        return path;
    }

    // One three-frame GIF for the whole run, made once: ImageMagick takes seconds to start.
    QString threeFrameGif()
    {
        if (!gifCache) {
            gifCache = std::make_unique<QTemporaryDir>();
            const QString gif = gifCache->filePath(QStringLiteral("three.gif"));
            if (!ImageFixtures::gifWithFrames(gif, kFrameColors, {20, 20, 20},
                                              kFrameSize.width(), kFrameSize.height()))
                QFile::remove(gif);
        }
        return gifCache->filePath(QStringLiteral("three.gif"));
    }

    // True when a source of these names needs ImageMagick, which is missing.
    static bool lacksImageMagick(const QStringList &names)
    {
        if (QFileInfo(QStringLiteral("/usr/bin/convert")).isExecutable())
            return false;
        for (const QString &name : names) {
            if (name.endsWith(QLatin1String(".gif")) && !name.contains(QLatin1String("junk"))
                && !name.contains(QLatin1String("fifo")))
                return true;
        }
        return false;
    }

    QStringList makeSources(const QStringList &names)
    {
        QStringList paths;
        for (const QString &name : names)
            paths << makeSource(name);
        return paths;
    }

    // Runs a worker over files on this thread and returns its signals as text, in order.
    // The hook sees the worker before the run with index -1, then at every converting().
    QStringList runWorker(const QStringList &files,
                          const std::function<void(IQConvertThread *, int)> &hook = {},
                          QStringList *failures = nullptr)
    {
        IQConvertThread worker;
        worker.files = files;
        worker.settings = settings.get();
        worker.engine = std::make_unique<IQConvertEngine>(settings.get());
        QStringList events;
        connect(&worker, &IQConvertThread::convertStart, this,
                [&](int count) { events << QStringLiteral("start %1").arg(count); });
        connect(&worker, &IQConvertThread::converting, this, [&](int index, const QString &file) {
            events << QStringLiteral("converting %1 ").arg(index) + QFileInfo(file).fileName();
            if (hook)
                hook(&worker, index);
        });
        connect(&worker, &IQConvertThread::convertEnd, this, [&](const QStringList &list) {
            QStringList names;
            for (const QString &file : list)
                names << QFileInfo(file).fileName();
            events << QStringLiteral("end ") + names.join(QLatin1Char(','));
        });
        if (hook)
            hook(&worker, -1);
        worker.run();
        if (failures)
            *failures = describe(worker.failures());
        return events;
    }

    // Each failure as "file name: reason".
    static QStringList describe(const QList<IQConvertThread::Failure> &failures)
    {
        static const QStringList kReasons{"read", "write", "too small for GIF", "too large",
                                          "damaged"};
        QStringList lines;
        for (const IQConvertThread::Failure &failure : failures)
            lines << QFileInfo(failure.source).fileName() + QStringLiteral(": ")
                         + kReasons.value(failure.reason);
        return lines;
    }

    static bool isImage(const QString &path) { return !QImageReader(path).read().isNull(); }

    // Every file of a folder by name, with its bytes.
    static QMap<QString, QByteArray> folderContents(const QString &folder)
    {
        QMap<QString, QByteArray> contents;
        const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        for (const QString &name : names)
            contents.insert(name, BrvTest::fileContents(folder + QLatin1Char('/') + name));
        return contents;
    }

    // True when every frame the file claims decodes, which a file cut short does not.
    static bool decodesFully(const QString &path)
    {
        QImageReader reader(path);
        const int frames = qMax(1, reader.imageCount());
        for (int k = 0; k < frames; ++k) {
            if (reader.read().isNull())
                return false;
        }
        return true;
    }

    // The output folder holds exactly kept and written, and every written file is an image.
    void checkOutputs(const QStringList &kept, const QStringList &written) const
    {
        QStringList all = kept + written;
        all.removeDuplicates();
        all.sort();
        QCOMPARE(outputs(), all);
        for (const QString &name : written)
            QVERIFY2(isImage(out(name)), qPrintable(name));
    }

private slots:

    void init()
    {
        root = std::make_unique<QTemporaryDir>();
        QVERIFY(root->isValid());
        // A "%1" in a folder name must reach the output path as it is. (The sources' folder
        // has none: ImageMagick, which makes the GIFs, reads it as a frame-number pattern.)
        inDir = root->filePath(QStringLiteral("in"));
        outDir = root->filePath(QStringLiteral("out %1"));
        QVERIFY(QDir().mkpath(inDir));
        QVERIFY(QDir().mkpath(outDir));
        settings = std::make_unique<IQBatchSettings>();
        settings->outputDir = outDir;
    }

    void cleanup()
    {
        settings.reset();
        root.reset();
    }

    void signalOrder_data()
    {
        QTest::addColumn<QStringList>("sources");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("empty list") << QStringList() << QStringList{"start 0", "end "}
                                    << QStringList();
        QTest::newRow("one unreadable file")
            << QStringList{"junk.png"}
            << QStringList{"start 1", "converting 0 junk.png", "end junk.png"} << QStringList();
        QTest::newRow("one missing file")
            << QStringList{"absent.jpg"}
            << QStringList{"start 1", "converting 0 absent.jpg", "end absent.jpg"}
            << QStringList();
        QTest::newRow("unreadable between readable files")
            << QStringList{"a.png", "junk.jpg", "b.bmp"}
            << QStringList{"start 3", "converting 0 a.png", "converting 1 junk.jpg",
                           "converting 2 b.bmp", "end a.png,junk.jpg,b.bmp"}
            << QStringList{"a.jpg", "b.jpg"};
    }
    void signalOrder()
    {
        QFETCH(QStringList, sources);
        QFETCH(QStringList, events);
        QFETCH(QStringList, written);
        SKIP_WITHOUT_IMAGEMAGICK(sources);
        QStringList files;
        for (const QString &name : sources)
            files << (name.startsWith(QLatin1String("absent")) ? in(name) : makeSource(name));
        QCOMPARE(runWorker(files), events);
        QCOMPARE(outputs(), written);
    }

    void failuresAreReported_data()
    {
        QTest::addColumn<QStringList>("sources");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("percent"); // resize by percentage when above 0
        QTest::addColumn<QStringList>("failures");
        QTest::addColumn<QStringList>("written");
        const int jpeg = IQOutputFormat::Jpeg;
        // The longest name a file system takes: its WebP output is one byte longer.
        const QString longest = QString(251, QLatin1Char('x')) + QStringLiteral(".png");
        const QString longGif = QString(246, QLatin1Char('g')) + QStringLiteral(".png");

        QTest::newRow("clean batch") << QStringList{"a.png", "b.jpg"} << jpeg << 0
                                     << QStringList() << QStringList{"a.jpg", "b.jpg"};
        QTest::newRow("one broken file among three photos")
            << QStringList{"a.png", "junk.jpg", "b.bmp", "c.jpg"} << jpeg << 0
            << QStringList{"junk.jpg: read"} << QStringList{"a.jpg", "b.jpg", "c.jpg"};
        QTest::newRow("in source order")
            << QStringList{"junk2.png", "a.png", "absent.jpg"} << jpeg << 0
            << QStringList{"junk2.png: read", "absent.jpg: read"} << QStringList{"a.jpg"};
        QTest::newRow("12 x 12 to GIF") << QStringList{"tiny.png", "a.png"}
                                        << int(IQOutputFormat::Gif) << 0
                                        << QStringList{"tiny.png: too small for GIF"}
                                        << QStringList{"a.gif"};
        QTest::newRow("header claims 40,000 x 40,000")
            << QStringList{"claims.png", "a.png"} << jpeg << 0
            << QStringList{"claims.png: too large"} << QStringList{"a.jpg"};
        QTest::newRow("canvas claims 16,383 x 16,383")
            << QStringList{"canvas.webp"} << int(IQOutputFormat::Webp) << 0
            << QStringList{"canvas.webp: too large"} << QStringList();
        QTest::newRow("resize beyond the largest image")
            << QStringList{"a.png"} << jpeg << 100000 << QStringList{"a.png: too large"}
            << QStringList();
        QTest::newRow("a FIFO returns at once") << QStringList{"fifo.gif", "a.png"} << jpeg << 0
                                                << QStringList{"fifo.gif: read"}
                                                << QStringList{"a.jpg"};
        // Sniffed as a WBMP of no pixels, which the reader cannot decode.
        QTest::newRow("4-byte HEIC") << QStringList{"four.heic", "a.png"} << jpeg << 0
                                     << QStringList{"four.heic: read"} << QStringList{"a.jpg"};
        QTest::newRow("BMP cut in its pixel rows") << QStringList{"cut.bmp"} << jpeg << 0
                                                   << QStringList{"cut.bmp: read"}
                                                   << QStringList();
        // A photo cut in its scan data decodes into a partly grey picture without an error.
        const QStringList torn{"torn40.jpg", "noend.jpg", "torn90.jpg", "trailing.jpg"};
        const QStringList tornFailures{"torn40.jpg: damaged", "torn90.jpg: damaged"};
        QTest::newRow("torn JPEGs to JPEG") << torn << jpeg << 0 << tornFailures
                                            << QStringList{"noend.jpg", "trailing.jpg"};
        QTest::newRow("torn JPEGs to WebP") << torn << int(IQOutputFormat::Webp) << 0
                                            << tornFailures
                                            << QStringList{"noend.webp", "trailing.webp"};
        QTest::newRow("PNG cut inside its image data")
            << QStringList{"truncated.png", "a.png"} << int(IQOutputFormat::Webp) << 0
            << QStringList{"truncated.png: read"} << QStringList{"a.webp"};
        QTest::newRow("output name the file system refuses")
            << QStringList{longest} << int(IQOutputFormat::Webp) << 0
            << QStringList{longest + QStringLiteral(": write")} << QStringList();
        QTest::newRow("GIF name of 250 bytes") << QStringList{longGif} << int(IQOutputFormat::Gif)
                                               << 0 << QStringList()
                                               << QStringList{QString(246, QLatin1Char('g'))
                                                              + QStringLiteral(".gif")};
    }
    void failuresAreReported()
    {
        QFETCH(QStringList, sources);
        QFETCH(int, format);
        QFETCH(int, percent);
        QFETCH(QStringList, failures);
        QFETCH(QStringList, written);
        settings->format = format;
        if (percent > 0) {
            settings->resizeMode = 2;
            settings->resizePercent = percent;
        }
        QStringList files;
        for (const QString &name : sources)
            files << (name.startsWith(QLatin1String("absent")) ? in(name) : makeSource(name));

        // A file that would block or allocate gigabytes is refused before it is decoded.
        QElapsedTimer timer;
        timer.start();
        const qint64 peakBefore = BrvTest::peakMemoryKiB();
        QStringList reported;
        runWorker(files, {}, &reported);
        QVERIFY2(timer.elapsed() < kHostileFileMs, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(BrvTest::peakMemoryKiB() - peakBefore < kHostileFileKiB);

        QCOMPARE(reported, failures);
        checkOutputs({}, written);
    }

    void cutBitmapShowsNothingOfTheSourceBefore()
    {
        // One size, so that the second file is decoded into the memory of the first.
        settings->format = IQOutputFormat::Png;
        const QString red = in(QStringLiteral("red.bmp"));
        QVERIFY(ImageFixtures::bmp24(red, BrvTest::solidImage(64, 48, Qt::red)));
        const QString cut = makeSource(QStringLiteral("cut.bmp"));
        QStringList reported;
        runWorker({red, cut}, {}, &reported);

        const QImage first(out(QStringLiteral("red.png")));
        QCOMPARE(first.pixelColor(63, 47), QColor(Qt::red));
        const QImage second(out(QStringLiteral("cut.png")));
        if (!second.isNull()) {
            for (int y = 0; y < second.height(); ++y) {
                for (int x = 0; x < second.width(); ++x)
                    QVERIFY(second.pixelColor(x, y) != QColor(Qt::red));
            }
        } else {
            QCOMPARE(reported, QStringList{"cut.bmp: read"});
        }
    }

    void naming_data()
    {
        QTest::addColumn<Naming>("naming");
        QTest::addColumn<QStringList>("written");

        const QStringList numbered{"one.png", "junk1.png", "two.jpg", "junk2.gif", "three.bmp"};
        QTest::newRow("rename off") << Naming() << QStringList{"photo.2021.jpg"};
        QTest::newRow("rename off ignores its fields")
            << Naming().renamed("a_", "_b", "trip", 7).disabled()
            << QStringList{"photo.2021.jpg"};
        QTest::newRow("rename on, nothing set") << Naming().renamed("", "")
                                                << QStringList{"photo.2021.jpg"};
        QTest::newRow("prefix and suffix") << Naming().renamed("a_", "_b")
                                           << QStringList{"a_photo.2021_b.jpg"};
        QTest::newRow("new name counts readable sources from the start number")
            << Naming().renamed("", "", "trip", 7).from(numbered)
            << QStringList{"trip_7.jpg", "trip_8.jpg", "trip_9.jpg"};
        QTest::newRow("new name with prefix and suffix")
            << Naming().renamed("a_", "_b", "trip", 7) << QStringList{"a_trip_b_7.jpg"};
        QTest::newRow("numbered when overwrite is off")
            << Naming().with({"photo.2021.jpg", "photo.2021_1.jpg"})
            << QStringList{"photo.2021_2.jpg"};
        QTest::newRow("overwrite on takes the name")
            << Naming().overwriting().with({"photo.2021.jpg"}) << QStringList{"photo.2021.jpg"};
        QTest::newRow("three frames as stills")
            << Naming().from({"photo.2021.gif"})
            << QStringList{"photo.2021_1.jpg", "photo.2021_2.jpg", "photo.2021_3.jpg"};
        QTest::newRow("frame numbered when its name exists")
            << Naming().from({"photo.2021.gif"}).with({"photo.2021_1.jpg"})
            << QStringList{"photo.2021_1_1.jpg", "photo.2021_2.jpg", "photo.2021_3.jpg"};
        QTest::newRow("frames keep their source's number")
            << Naming().renamed("", "", "trip", 7).from({"a.png", "b.gif", "c.png"})
                   .to(IQOutputFormat::Bmp)
            << QStringList{"trip_7.bmp", "trip_8_1.bmp", "trip_8_2.bmp", "trip_8_3.bmp",
                           "trip_9.bmp"};
        QTest::newRow("animation as one GIF") << Naming().from({"photo.2021.gif"})
                                                     .to(IQOutputFormat::Gif)
                                              << QStringList{"photo.2021.gif"};
        QTest::newRow("animation as one WebP") << Naming().from({"photo.2021.gif"})
                                                      .to(IQOutputFormat::Webp)
                                               << QStringList{"photo.2021.webp"};
        QTest::newRow("percent signs kept")
            << Naming().renamed("%1", "%3").from({"100%2.png"}) << QStringList{"%1100%2%3.jpg"};
        QTest::newRow("no suffix") << Naming().from({"noext"}).to(IQOutputFormat::Png)
                                   << QStringList{"noext.png"};
    }
    void naming()
    {
        QFETCH(Naming, naming);
        QFETCH(QStringList, written);
        SKIP_WITHOUT_IMAGEMAGICK(naming.sources);
        settings->format = naming.format;
        settings->renameEnabled = naming.renameEnabled;
        settings->prefix = naming.prefix;
        settings->suffix = naming.suffix;
        settings->newName = naming.newName;
        settings->startNumber = naming.startNumber;
        settings->overwrite = naming.overwrite;
        for (const QString &name : naming.existing)
            QVERIFY(ImageFixtures::writeBytes(out(name), kJunk));

        runWorker(makeSources(naming.sources));

        checkOutputs(naming.existing, written);
        if (QTest::currentTestFailed())
            return;
        for (const QString &name : naming.existing) {
            if (!written.contains(name))
                QCOMPARE(BrvTest::fileContents(out(name)), kJunk);
        }
    }

    void animatedSource_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("duration");
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("tolerance");
        QTest::newRow("GIF to WebP") << int(IQOutputFormat::Webp) << 250 << 250 << 40;
        QTest::newRow("GIF to GIF, 55 ms gives 5 hundredths")
            << int(IQOutputFormat::Gif) << 55 << 50 << 0;
    }
    void animatedSource()
    {
        QFETCH(int, format);
        QFETCH(int, duration);
        QFETCH(int, delay);
        QFETCH(int, tolerance);
        SKIP_WITHOUT_IMAGEMAGICK(QStringList{"anim.gif"});
        settings->format = format;
        settings->duration = duration;
        runWorker({makeSource(QStringLiteral("anim.gif"))});

        const QString file = out(QStringLiteral("anim.") + IQBatchSettings::suffixOf(format));
        QCOMPARE(outputs(), QStringList{QFileInfo(file).fileName()});
        QImageReader reader(file);
        QCOMPARE(reader.imageCount(), kFrameColors.size());
        for (const QColor &color : kFrameColors) {
            const QImage frame = reader.read();
            QCOMPARE(frame.size(), kFrameSize);
            QVERIFY2(BrvTest::isNear(QColor(frame.pixel(16, 12)), color, tolerance),
                     qPrintable(QColor(frame.pixel(16, 12)).name()));
            QCOMPARE(reader.nextImageDelay(), delay);
        }
    }

    void stillToAnimationFormat_data()
    {
        QTest::addColumn<int>("duration");
        QTest::addColumn<int>("delay");
        QTest::newRow("55 ms") << 55 << 5;
        QTest::newRow("100 ms") << 100 << 10;
    }
    void stillToAnimationFormat()
    {
        QFETCH(int, duration);
        QFETCH(int, delay);
        settings->duration = duration;
        const QString source = makeSource(QStringLiteral("photo.jpg"));

        settings->format = IQOutputFormat::Gif;
        runWorker({source});
        const GifStructure::File gif = GifStructure::parseFile(out(QStringLiteral("photo.gif")));
        QVERIFY(gif.valid);
        QVERIFY(gif.loopBlock.contains("NETSCAPE2.0"));
        QCOMPARE(gif.frames.size(), 1);
        QCOMPARE(gif.frames.at(0).delay, delay);

        settings->format = IQOutputFormat::Webp;
        runWorker({source});
        QImageReader webp(out(QStringLiteral("photo.webp")));
        QCOMPARE(webp.format(), QByteArray("webp"));
        QCOMPARE(webp.imageCount(), 1);
        QCOMPARE(webp.read().size(), kPhotoSize);
    }

    void framesAsStills()
    {
        SKIP_WITHOUT_IMAGEMAGICK(QStringList{"anim.gif"});
        settings->format = IQOutputFormat::Png;
        runWorker({makeSource(QStringLiteral("anim.gif"))});
        QCOMPARE(outputs(), (QStringList{"anim_1.png", "anim_2.png", "anim_3.png"}));
        for (int k = 0; k < kFrameColors.size(); ++k) {
            const QImage frame(out(QStringLiteral("anim_%1.png").arg(k + 1)));
            QCOMPARE(frame.size(), kFrameSize);
            QCOMPARE(frame.pixelColor(16, 12), kFrameColors.at(k));
        }
    }

    void undecodableFrameFailsTheOutput_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("format");
        QTest::addColumn<QStringList>("earlier"); // files already at the output paths
        QTest::addColumn<QStringList>("written");
        const int webp = IQOutputFormat::Webp;
        const int gif = IQOutputFormat::Gif;
        const int png = IQOutputFormat::Png;
        const QString lzw = QStringLiteral("undecodable.gif");
        const QString cut = QStringLiteral("truncated.gif");
        QTest::newRow("bad LZW to WebP") << lzw << webp << QStringList()
                                         << QStringList{"a.webp", "b.webp"};
        QTest::newRow("bad LZW to GIF") << lzw << gif << QStringList()
                                        << QStringList{"a.gif", "b.gif"};
        QTest::newRow("bad LZW to PNG frames") << lzw << png << QStringList()
                                               << QStringList{"a.png", "b.png"};
        QTest::newRow("cut short to WebP") << cut << webp << QStringList()
                                           << QStringList{"a.webp", "b.webp"};
        QTest::newRow("cut short to PNG frames") << cut << png << QStringList()
                                                 << QStringList{"a.png", "b.png"};
        QTest::newRow("bad LZW over an earlier WebP")
            << lzw << webp << QStringList{"undecodable.webp"} << QStringList{"a.webp", "b.webp"};
        QTest::newRow("bad LZW over an earlier GIF")
            << lzw << gif << QStringList{"undecodable.gif"} << QStringList{"a.gif", "b.gif"};
        QTest::newRow("bad LZW over earlier frames")
            << lzw << png << QStringList{"undecodable_1.png", "undecodable_2.png"}
            << QStringList{"a.png", "b.png"};
    }
    void undecodableFrameFailsTheOutput()
    {
        // An animation one of whose frames cannot be decoded is not converted: it is listed,
        // leaves no file, and what lay at its output paths before keeps its bytes.
        QFETCH(QString, source);
        QFETCH(int, format);
        QFETCH(QStringList, earlier);
        QFETCH(QStringList, written);
        SKIP_WITHOUT_IMAGEMAGICK(QStringList{source});
        settings->format = format;
        settings->overwrite = true;
        for (const QString &name : earlier)
            QVERIFY(ImageFixtures::writeBytes(out(name), kJunk));
        const QStringList files = makeSources({QStringLiteral("a.png"), source,
                                               QStringLiteral("b.png")});
        QVERIFY(QImageReader(files.at(1)).imageCount() >= 3);

        QStringList reported;
        runWorker(files, {}, &reported);
        QCOMPARE(reported, QStringList{source + QStringLiteral(": read")});
        QStringList all = earlier + written;
        all.sort();
        QCOMPARE(QDir(outDir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                        QDir::Name),
                 all);
        for (const QString &name : earlier)
            QCOMPARE(BrvTest::fileContents(out(name)), kJunk);
        for (const QString &name : written)
            QVERIFY2(isImage(out(name)), qPrintable(name));
    }

    void recordChangedDuringTheRunChangesNothing()
    {
        // The batch start hands the worker a copy of the record; the page may change the
        // record while the run goes on. Each change lands while the worker waits for it.
        IQBatchSettings *record = IQBatchSettings::instance();
        const IQBatchSettings saved = *record;
        *record = IQBatchSettings();
        record->outputDir = outDir;
        record->format = IQOutputFormat::Png;
        record->renameEnabled = true;
        record->newName = QStringLiteral("trip");
        record->text = QStringLiteral("A");
        record->textColor = Qt::white;
        record->textPosition = IQWatermarkPosition::TopLeft;
        const IQBatchSettings atStart = *record;
        const QString elsewhere = root->filePath(QStringLiteral("elsewhere"));
        QVERIFY(QDir().mkpath(elsewhere));
        const QStringList files = makeSources({"a.png", "b.jpg", "c.bmp"});

        auto *worker = new IQConvertThread;
        worker->files = files;
        worker->copySettings(*record);
        worker->engine = std::make_unique<IQConvertEngine>(worker->settings);
        QPointer<IQConvertThread> alive(worker);
        const auto change = [record, elsewhere](int step) {
            record->format = IQOutputFormat::Jpeg;
            record->outputDir = elsewhere;
            record->newName = QStringLiteral("other%1").arg(step);
            record->text = QStringLiteral("ZZZ %1").arg(step);
            record->textColor = Qt::black;
            record->resizeMode = 2;
            record->resizePercent = 50 + step;
            record->rotateMode = 2;
            record->borderWidth = 3;
        };
        connect(worker, &IQConvertThread::convertStart, worker,
                [&] { BrvTest::callAndWait(this, [&] { change(0); }); }, Qt::DirectConnection);
        connect(worker, &IQConvertThread::converting, worker,
                [&](int index) { BrvTest::callAndWait(this, [&, index] { change(index + 1); }); },
                Qt::DirectConnection);
        BrvTest::QueuedSpy ended(worker, &IQConvertThread::convertEnd);
        connect(worker, &QThread::finished, worker, &QObject::deleteLater);
        worker->start(QThread::InheritPriority);
        QVERIFY(ended.wait(60000));
        QTRY_VERIFY_WITH_TIMEOUT(alive.isNull(), BrvTest::kEventTimeoutMs);
        QCOMPARE(record->text, QStringLiteral("ZZZ 3"));
        *record = saved;

        QCOMPARE(outputs(), (QStringList{"trip_1.png", "trip_2.png", "trip_3.png"}));
        QVERIFY(QDir(elsewhere).isEmpty());
        IQBatchSettings expected = atStart;
        for (int i = 0; i < files.size(); ++i) {
            QImageReader reader(files.at(i));
            reader.setAutoTransform(true);
            const QImage want = IQConvertEngine(&expected).process(reader.read());
            const QImage got(out(QStringLiteral("trip_%1.png").arg(i + 1)));
            QCOMPARE(got.size(), want.size());
            QVERIFY2(got.convertToFormat(QImage::Format_ARGB32)
                         == want.convertToFormat(QImage::Format_ARGB32),
                     qPrintable(files.at(i)));
        }
    }

    void exifOrientation()
    {
        const QString source = in(QStringLiteral("turned.jpg"));
        QVERIFY(ImageFixtures::jpegWithOrientation(source, BrvTest::gradientImage(40, 20),
                                                       6));
        settings->format = IQOutputFormat::Png;
        runWorker({source});

        QImageReader upright(source);
        upright.setAutoTransform(true);
        const QImage expected = upright.read();
        QCOMPARE(expected.size(), QSize(20, 40));
        const QImage written(out(QStringLiteral("turned.png")));
        QCOMPARE(written.size(), QSize(20, 40));
        QCOMPARE(written.convertToFormat(QImage::Format_RGB32),
                 expected.convertToFormat(QImage::Format_RGB32));
    }

    void everySourceKeepsItsOwnPixelsAndResolution()
    {
        // Sources of one size in turn, so that any memory carried from one to the next shows.
        settings->resizeEnabled = false; // leaves every image its own resolution
        settings->format = IQOutputFormat::Png;
        const QList<QColor> colors{Qt::red, QColor(128, 128, 128), Qt::blue, QColor(10, 200, 30)};
        QStringList files;
        for (int i = 0; i < colors.size(); ++i) {
            QImage image = BrvTest::solidImage(64, 48, colors.at(i), i == 1
                                                   ? QImage::Format_Grayscale8
                                                   : QImage::Format_RGB32);
            image.setDotsPerMeterX(1000 + 1000 * i);
            image.setDotsPerMeterY(1000 + 1000 * i);
            files << in(QStringLiteral("source%1.png").arg(i));
            QVERIFY(image.save(files.last()));
        }
        runWorker(files);
        for (int i = 0; i < colors.size(); ++i) {
            const QImage written(out(QStringLiteral("source%1.png").arg(i)));
            QCOMPARE(written.pixelColor(63, 47), colors.at(i));
            QCOMPARE(written.dotsPerMeterX(), 1000 + 1000 * i);
        }
    }

    void overwriteReplacesTheFirstRun()
    {
        SKIP_WITHOUT_IMAGEMAGICK(QStringList{"anim.gif"});
        settings->overwrite = true;
        settings->format = IQOutputFormat::Png;
        const QStringList files = makeSources({"photo.jpg", "anim.gif"});
        const QStringList written{"anim_1.png", "anim_2.png", "anim_3.png", "photo.png"};
        runWorker(files);
        QCOMPARE(outputs(), written);
        for (const QString &name : written)
            QVERIFY(ImageFixtures::writeBytes(out(name), kJunk));

        runWorker(files);
        checkOutputs({}, written);
    }

    void overwriteKeepsWhatTheSameRunWrote()
    {
        // Two sources with one base name: overwrite replaces earlier runs' files, never the
        // output that this run wrote a moment before.
        settings->overwrite = true;
        settings->format = IQOutputFormat::Webp;
        runWorker(makeSources({"photo.jpg", "photo.png"}));
        QCOMPARE(outputs(), QStringList({"photo.webp", "photo_1.webp"}));
    }

    void sourcesAreNeverOverwritten_data()
    {
        QTest::addColumn<QStringList>("sources");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("linkedFolder");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("GIF to GIF into its own folder")
            << QStringList{"anim.gif"} << int(IQOutputFormat::Gif) << false
            << QStringList{"anim_1.gif"};
        QTest::newRow("own folder reached through a link")
            << QStringList{"anim.gif"} << int(IQOutputFormat::Gif) << true
            << QStringList{"anim_1.gif"};
        QTest::newRow("JPEG to JPEG") << QStringList{"photo.jpg"} << int(IQOutputFormat::Jpeg)
                                      << false << QStringList{"photo_1.jpg"};
        QTest::newRow("an output named as a later source")
            << QStringList{"x.png", "x.jpg"} << int(IQOutputFormat::Jpeg) << false
            << QStringList{"x_1.jpg", "x_2.jpg"};
        QTest::newRow("a frame named as a later source")
            << QStringList{"anim.gif", "anim_2.png"} << int(IQOutputFormat::Png) << false
            << QStringList{"anim_1.png", "anim_2_1.png", "anim_2_2.png", "anim_3.png"};
    }
    void sourcesAreNeverOverwritten()
    {
        QFETCH(QStringList, sources);
        QFETCH(int, format);
        QFETCH(bool, linkedFolder);
        QFETCH(QStringList, written);
        SKIP_WITHOUT_IMAGEMAGICK(sources);
        outDir = inDir;
        settings->outputDir = inDir;
        if (linkedFolder) {
            settings->outputDir = root->filePath(QStringLiteral("link"));
            QVERIFY(QFile::link(inDir, settings->outputDir));
        }
        settings->overwrite = true;
        settings->format = format;
        const QStringList files = makeSources(sources);
        QList<QByteArray> before;
        for (const QString &file : files)
            before << BrvTest::fileContents(file);

        runWorker(files);

        for (int i = 0; i < files.size(); ++i)
            QVERIFY2(BrvTest::fileContents(files.at(i)) == before.at(i),
                     qPrintable(files.at(i)));
        checkOutputs(sources, written);
    }

    void fileLines_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QStringList>("logged");
        // Frames written as stills are not logged.
        QTest::newRow("PNG") << int(IQOutputFormat::Png) << QStringList{"photo.png"};
        QTest::newRow("WebP") << int(IQOutputFormat::Webp)
                              << QStringList{"photo.webp", "anim.webp"};
    }
    void fileLines()
    {
        QFETCH(int, format);
        QFETCH(QStringList, logged);
        SKIP_WITHOUT_IMAGEMAGICK(QStringList{"anim.gif"});
        settings->format = format;
        const QStringList files = makeSources({"photo.jpg", "junk.png", "anim.gif"});
        QStringList expected;
        for (const QString &name : logged)
            expected << QStringLiteral("File: \"") + out(name) + QLatin1Char('"');

        FileLog log;
        runWorker(files);
        QCOMPARE(FileLog::lines(), expected);
    }

    void stop_data()
    {
        QTest::addColumn<int>("stopAt");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("before the run") << -1 << QStringList{"start 2", "end a.png,b.png"}
                                        << QStringList();
        QTest::newRow("while the first file is read")
            << 0 << QStringList{"start 2", "converting 0 a.png", "end a.png,b.png"}
            << QStringList();
        QTest::newRow("while the second file is read")
            << 1
            << QStringList{"start 2", "converting 0 a.png", "converting 1 b.png",
                           "end a.png,b.png"}
            << QStringList{"a.jpg"};
    }
    void stop()
    {
        QFETCH(int, stopAt);
        QFETCH(QStringList, events);
        QFETCH(QStringList, written);
        const QStringList files = makeSources({"a.png", "b.png"});
        const QStringList seen = runWorker(files, [stopAt](IQConvertThread *worker, int index) {
            if (index == stopAt)
                worker->stop();
        });
        QCOMPARE(seen, events);
        QCOMPARE(outputs(), written);
    }

    void poolSizeChangesNothing_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<QString>("newName");
        QTest::addColumn<bool>("watermarks");
        const int jpeg = IQOutputFormat::Jpeg;
        QTest::newRow("JPEG, overwrite off") << jpeg << false << QString() << false;
        QTest::newRow("JPEG, overwrite on") << jpeg << true << QString() << false;
        QTest::newRow("JPEG with border, text and watermark") << jpeg << false << QString()
                                                              << true;
        QTest::newRow("frames as PNG stills, overwrite on")
            << int(IQOutputFormat::Png) << true << QString() << false;
        QTest::newRow("GIF, overwrite off") << int(IQOutputFormat::Gif) << false << QString()
                                            << false;
        QTest::newRow("WebP renamed, overwrite on")
            << int(IQOutputFormat::Webp) << true << QStringLiteral("trip") << true;
    }
    void poolSizeChangesNothing()
    {
        QFETCH(int, format);
        QFETCH(bool, overwrite);
        QFETCH(QString, newName);
        QFETCH(bool, watermarks);
        // A large photo first, so that later sources finish before it; names that collide
        // with later sources (x.png as JPEG is x.jpg, x.gif's second frame is x_2.png) and with
        // a file that is no source (c.*); sources that cannot be read or are too small for GIF.
        const QStringList names{"big.jpg", "x.png",    "junk.png", "x.jpg",   "x.gif",  "x.bmp",
                                "c.png",   "tiny.png", "medium.jpg", "cut.bmp", "x_2.png", "d.png"};
        SKIP_WITHOUT_IMAGEMAGICK(names);
        settings->format = format;
        settings->overwrite = overwrite;
        settings->renameEnabled = !newName.isEmpty();
        settings->newName = newName;
        settings->startNumber = 7;
        if (watermarks) {
            settings->borderWidth = 3;
            settings->borderColor = QColor(200, 30, 30, 160);
            settings->text = QStringLiteral("Brivane 2026");
            settings->textSizeMode = 0;
            settings->textAngle = 30;
            settings->stampImage = BrvTest::gradientImage(30, 20);
            settings->stampOpacity = 128;
            settings->stampPosition = IQWatermarkPosition::Center;
        }
        const QStringList files = makeSources(names);
        for (const QString &existing : QStringList{"c.jpg", "c.gif", "c.webp"})
            QVERIFY(ImageFixtures::writeBytes(in(existing), kJunk));

        // The same folder for both sizes: a copy of the sources, outputs beside them.
        struct Run
        {
            QStringList events;
            QStringList failures;
            QStringList logged;
            QMap<QString, QByteArray> folder;
        };
        const auto convert = [&](int pool, const QString &folder) {
            QDir().mkpath(folder);
            QStringList copies;
            const QStringList present = QDir(inDir).entryList(QDir::Files);
            for (const QString &name : present)
                QFile::copy(in(name), folder + QLatin1Char('/') + name);
            for (const QString &file : files)
                copies << folder + QLatin1Char('/') + QFileInfo(file).fileName();
            settings->outputDir = folder;
            Run run;
            FileLog log;
            run.events = runWorker(
                copies,
                [pool](IQConvertThread *worker, int index) {
                    if (index < 0)
                        worker->poolSize = pool;
                },
                &run.failures);
            for (const QString &line : FileLog::lines())
                run.logged << QString(line).replace(folder, QStringLiteral("<folder>"));
            run.folder = folderContents(folder);
            return run;
        };
        const Run one = convert(1, root->filePath(QStringLiteral("pool 1")));
        const Run wide = convert(kWidePool, root->filePath(QStringLiteral("pool 8")));

        QCOMPARE(one.events.size(), names.size() + 2);
        QVERIFY(one.failures.contains(QStringLiteral("junk.png: read")));
        QVERIFY(one.folder.size() > names.size() + 4);
        QCOMPARE(wide.events, one.events);
        QCOMPARE(wide.failures, one.failures);
        QCOMPARE(wide.logged, one.logged);
        QCOMPARE(wide.folder.keys(), one.folder.keys());
        for (auto it = one.folder.cbegin(); it != one.folder.cend(); ++it)
            QVERIFY2(wide.folder.value(it.key()) == it.value(), qPrintable(it.key()));
    }

    void stopDuringAParallelRun_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("WebP") << int(IQOutputFormat::Webp);
        QTest::newRow("GIF") << int(IQOutputFormat::Gif);
        QTest::newRow("PNG") << int(IQOutputFormat::Png);
    }
    void stopDuringAParallelRun()
    {
        // Stopped from the receiving thread while the worker runs on its own: the sources
        // started before the stop are written whole, the one being started and all later
        // ones not at all, and no later source is started.
        QFETCH(int, format);
        settings->format = format;
        QStringList names;
        for (int i = 0; i < 24; ++i)
            names << QStringLiteral("medium%1.png").arg(i, 2, 10, QLatin1Char('0'));
        const QStringList files = makeSources(names);
        constexpr int kStopAt = 5;

        auto *worker = new IQConvertThread;
        worker->files = files;
        worker->settings = settings.get();
        worker->engine = std::make_unique<IQConvertEngine>(settings.get());
        worker->poolSize = kWidePool;
        QPointer<IQConvertThread> alive(worker);
        QList<int> started;
        connect(worker, &IQConvertThread::converting, this, [&](int index) {
            started << index;
            if (index == kStopAt)
                worker->stop();
        });
        BrvTest::QueuedSpy ended(worker, &IQConvertThread::convertEnd);
        connect(worker, &QThread::finished, worker, &QObject::deleteLater);
        worker->start(QThread::InheritPriority);
        QVERIFY(ended.wait(60000));
        QTRY_VERIFY_WITH_TIMEOUT(alive.isNull(), BrvTest::kEventTimeoutMs);

        for (int i = 0; i < started.size(); ++i)
            QCOMPARE(started.at(i), i);
        const int last = started.last();
        QVERIFY(last >= kStopAt);
        QVERIFY2(last < names.size() - 1, "the stop came after every source had started");
        const QString suffix = IQBatchSettings::suffixOf(format);
        const QStringList written = outputs();
        for (int i = 0; i < names.size(); ++i) {
            const QString name = QFileInfo(names.at(i)).completeBaseName() + QLatin1Char('.')
                                 + suffix;
            if (i < kStopAt)
                QVERIFY2(written.contains(name), qPrintable(name));
            if (i > last)
                QVERIFY2(!written.contains(name), qPrintable(name));
        }
        // Nothing but finished outputs: no temporary file, nothing cut short.
        const QStringList all = QDir(outDir).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(all, written);
        for (const QString &name : written) {
            QVERIFY2(name.endsWith(QLatin1Char('.') + suffix), qPrintable(name));
            QVERIFY2(decodesFully(out(name)), qPrintable(name));
        }
    }

    void stopKeepsTheSourcesStartedBefore()
    {
        // A stop while a wide pool holds many sources: every source announced before the
        // stop is written whole, the one being announced and all later ones are not.
        SKIP_WITHOUT_IMAGEMAGICK(QStringList{"anim.gif"});
        settings->format = IQOutputFormat::Webp;
        QStringList names{"big.png", "anim.gif"};
        for (int i = 0; i < 10; ++i)
            names << QStringLiteral("medium%1.png").arg(i);
        const QStringList files = makeSources(names);
        constexpr int kStopAt = 9;
        const QStringList seen = runWorker(files, [](IQConvertThread *worker, int index) {
            if (index < 0)
                worker->poolSize = kWidePool;
            if (index == kStopAt)
                worker->stop();
        });
        QCOMPARE(seen.size(), kStopAt + 3);
        QCOMPARE(seen.at(kStopAt + 1), QStringLiteral("converting %1 ").arg(kStopAt)
                                           + names.at(kStopAt));
        QStringList expected;
        for (int i = 0; i < kStopAt; ++i)
            expected << QFileInfo(names.at(i)).completeBaseName() + QStringLiteral(".webp");
        expected.sort();
        QCOMPARE(QDir(outDir).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
        for (const QString &name : expected)
            QVERIFY2(decodesFully(out(name)), qPrintable(name));
        QCOMPARE(QImageReader(out(QStringLiteral("anim.webp"))).imageCount(), 3);
    }

    void runsOnItsOwnThread()
    {
        SKIP_WITHOUT_IMAGEMAGICK(QStringList{"anim.gif"});
        settings->format = IQOutputFormat::Webp;
        const QStringList files = makeSources({"photo.jpg", "anim.gif"});
        auto *worker = new IQConvertThread;
        worker->files = files;
        worker->settings = settings.get();
        worker->engine = std::make_unique<IQConvertEngine>(settings.get());
        QPointer<IQConvertThread> alive(worker);
        BrvTest::QueuedSpy started(worker, &IQConvertThread::convertStart);
        BrvTest::QueuedSpy converting(worker, &IQConvertThread::converting);
        BrvTest::QueuedSpy ended(worker, &IQConvertThread::convertEnd);
        connect(worker, &QThread::finished, worker, &QObject::deleteLater);
        worker->start(QThread::InheritPriority);

        QVERIFY(ended.wait(20000));
        QCOMPARE(started.count(), 1);
        QCOMPARE(started.at(0).at(0).toInt(), 2);
        QCOMPARE(converting.count(), 2);
        QCOMPARE(converting.at(1).at(0).toInt(), 1);
        QCOMPARE(ended.at(0).at(0).toStringList(), files);
        QTRY_VERIFY_WITH_TIMEOUT(alive.isNull(), BrvTest::kEventTimeoutMs);
        QCOMPARE(outputs(), (QStringList{"anim.webp", "photo.webp"}));
    }

};

QTEST_MAIN(tst_ConvertThread)
#include "tst_convertthread.moc"
