#include <QtTest>

#include <QElapsedTimer>
#include <QImageWriter>
#include <QTemporaryDir>

#include <memory>
#include <mutex>

#include "BrvTest.h"
#include "settings/IQBatchSettings.h"
#include "documents/IQImageFile.h"
#include "workers/IQImageReadThread.h"
#include "ImageFixtures.h"
#include "documents/QHEICMovie.h"
#include "documents/QStdMovie.h"

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlue(0, 0, 255);
const QList<QColor> kColors = {Qt::red, Qt::green, Qt::blue};

// What one run of the thread emitted.
struct ReadResult
{
    int staticCount = 0;
    int animationCount = 0;
    QImage image;
    QImage convertedImage;
    bool update = true;
    IQImageFile *imageFile = nullptr;
    std::unique_ptr<QMovieProxy> movie;
    // Held while the thread writes. QThread::wait orders those writes before the test reads
    // them, but inside Qt, where the thread sanitizer cannot see; the lock shows it the order.
    std::mutex lock;
};

// A read that must not block or allocate gigabytes ends within this time and memory; the time
// is wide for a sanitizer build on a busy machine.
constexpr qint64 kHostileFileMs = 30000;
constexpr qint64 kHostileFileKiB = 512 * 1024;

// How far a decoded colour may stray from the one written.
constexpr int kColourTolerance = 8;

} // namespace

class tst_ImageReadThread : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Takes what the thread emits into result, on the thread that emits it.
    static void collect(IQImageReadThread &thread, ReadResult *result)
    {
        connect(&thread, &IQImageReadThread::readStaticFinished, &thread,
                [result](IQImageFile *f, QImage image, QImage converted, bool update) {
                    const std::lock_guard<std::mutex> held(result->lock);
                    ++result->staticCount;
                    result->imageFile = f;
                    result->image = image;
                    result->convertedImage = converted;
                    result->update = update;
                },
                Qt::DirectConnection);
        connect(&thread, &IQImageReadThread::readAnimationFinished, &thread,
                [result](IQImageFile *f, const QMovieProxyHolder &movie) {
                    const std::lock_guard<std::mutex> held(result->lock);
                    ++result->animationCount;
                    result->imageFile = f;
                    result->movie = movie.take();
                },
                Qt::DirectConnection);
    }

    // Waits for the thread's end; what it emitted into result may be read afterwards.
    static void finish(IQImageReadThread &thread, ReadResult *result)
    {
        QVERIFY(thread.wait(60000));
        const std::lock_guard<std::mutex> held(result->lock);
    }

    // Runs the thread to its end and takes what it emitted.
    static void read(IQImageFile *file, bool apply, ReadResult *result)
    {
        IQImageReadThread thread(file, apply);
        collect(thread, result);
        thread.start(QThread::InheritPriority);
        finish(thread, result);
    }

private slots:
    void initTestCase()
    {
        using namespace ImageFixtures;
        QVERIFY(m_dir.isValid());
        QVERIFY(BrvTest::gradientImage(1001, 30).save(path("w1001.png")));
        QVERIFY(BrvTest::gradientImage(1000, 30).save(path("w1000.png")));
        QVERIFY(BrvTest::solidImage(99, 40, kWhite).save(path("white.png")));
        QVERIFY(jpegWithOrientation(path("turned.jpg"), BrvTest::solidImage(30, 10, kBlue), 6));
        QVERIFY(QImageWriter(path("single.heic"), "heic")
                    .write(BrvTest::solidImage(22, 10, kBlue, QImage::Format_RGB32)));
        QVERIFY(gifWithFrames(path("one.gif"), {Qt::red}, {100}, 10, 10));
        QVERIFY(animatedWebp(path("animated.webp"), kColors, {100, 100, 100}, 10, 10));
        // Qt's HEIF reader hands out only a file's primary image, so a HEIF of several images
        // reads as a still; the pages of a TIFF under a HEIC name take the several-image road.
        QVERIFY(multiPageTiff(path("tiff pages.heic"), kColors, 10, 10));
        QVERIFY(writeBytes(path("broken.png"), "not an image\n"));
    }

    void stillImages_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QColor>("colour"); // at the centre; invalid when not checked
        QTest::newRow("1001 wide grows to 1004") << "w1001.png" << QSize(1004, 30) << QColor();
        QTest::newRow("1000 wide unchanged") << "w1000.png" << QSize(1000, 30) << QColor();
        QTest::newRow("99 wide grows to 100") << "white.png" << QSize(100, 40) << kWhite;
        QTest::newRow("turned as the file asks") << "turned.jpg" << QSize(12, 30) << kBlue;
        QTest::newRow("heic with one image") << "single.heic" << QSize(24, 10) << kBlue;
    }
    void stillImages()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFETCH(QColor, colour);
        IQImageFile file(path(name));
        ReadResult result;
        read(&file, false, &result);
        QCOMPARE(result.animationCount, 0);
        QCOMPARE(result.staticCount, 1);
        QCOMPARE(result.imageFile, &file);
        QCOMPARE(result.image.size(), size);
        QCOMPARE(result.image.format(), QImage::Format_ARGB32);
        QVERIFY(result.convertedImage.isNull());
        QVERIFY(!result.update);
        QCOMPARE(file.kind(), 1);
        if (colour.isValid()) {
            const QColor centre = result.image.pixelColor(size.width() / 2, size.height() / 2);
            QVERIFY2(BrvTest::isNear(centre, colour, kColourTolerance), qPrintable(centre.name()));
        }
    }

    void animations_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("heic");
        QTest::addColumn<int>("frames");
        QTest::newRow("one-frame gif") << "one.gif" << false << 1;
        QTest::newRow("animated webp") << "animated.webp" << false << 3;
        QTest::newRow("several images under a heic name") << "tiff pages.heic" << true << 3;
    }
    void animations()
    {
        QFETCH(QString, name);
        QFETCH(bool, heic);
        QFETCH(int, frames);
        IQImageFile file(path(name));
        const int kind = file.kind();
        ReadResult result;
        read(&file, true, &result);
        QCOMPARE(result.staticCount, 0);
        QCOMPARE(result.animationCount, 1);
        QCOMPARE(result.imageFile, &file);
        QVERIFY(result.movie);
        if (heic)
            QVERIFY(dynamic_cast<QHEICMovie *>(result.movie.get()));
        else
            QVERIFY(dynamic_cast<QStdMovie *>(result.movie.get()));
        QVERIFY(result.movie->isValid());
        QCOMPARE(result.movie->frameCount(), frames);
        QCOMPARE(result.movie->currentFrameNumber(), 0);
        QVERIFY(BrvTest::isNear(result.movie->currentImage().pixelColor(5, 5), kColors.at(0),
                                kColourTolerance));
        // The thread never writes the document; the page that receives a sequence does.
        QCOMPARE(file.kind(), kind);
    }

    void unreadableFile()
    {
        IQImageFile file(path("broken.png"));
        ReadResult result;
        read(&file, true, &result);
        QCOMPARE(result.staticCount, 1);
        QCOMPARE(result.animationCount, 0);
        QVERIFY(result.image.isNull());
        QVERIFY(result.convertedImage.isNull());

        IQImageReadThread thread(&file, false);
        QVERIFY(!thread.readStaticImage());
    }

    void refusedFilesReadAsUnreadable_data()
    {
        QTest::addColumn<QString>("name");
        QVERIFY(ImageFixtures::animatedWebpWithClaimedCanvas(path("canvas.webp"), 16383, 16383));
        QVERIFY(ImageFixtures::pngWithClaimedSize(path("claims.png"), 40000, 40000));
        QVERIFY(ImageFixtures::fifo(path("y.gif")));
        QVERIFY(ImageFixtures::bmp24(path("cut.bmp"), BrvTest::solidImage(64, 48, kBlue),
                                     54 + 64 * 3 * 20));
        QVERIFY(ImageFixtures::truncatedCopy(path("one.gif"), path("four bytes.gif"), 4));
        QTest::newRow("canvas claims 16383 x 16383") << "canvas.webp";
        QTest::newRow("header claims 40000 x 40000") << "claims.png";
        QTest::newRow("FIFO") << "y.gif";
        QTest::newRow("BMP cut in its rows") << "cut.bmp";
        QTest::newRow("GIF cut after 4 bytes") << "four bytes.gif";
    }
    void refusedFilesReadAsUnreadable()
    {
        QFETCH(QString, name);
        QElapsedTimer timer;
        timer.start();
        const qint64 peakBefore = BrvTest::peakMemoryKiB();
        IQImageFile file(path(name));
        QVERIFY(!file.reader());
        ReadResult result;
        read(&file, true, &result);
        QVERIFY2(timer.elapsed() < kHostileFileMs, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(BrvTest::peakMemoryKiB() - peakBefore < kHostileFileKiB);
        QCOMPARE(result.animationCount, 0);
        QCOMPARE(result.staticCount, 1);
        QVERIFY(result.image.isNull());
        QVERIFY(result.convertedImage.isNull());
    }

    void sourceNobodyTakesIsFreed()
    {
        // Emitted to nobody, and queued to a receiver that goes first: the sanitizers report
        // a source that outlives its holders.
        IQImageFile file(path("animated.webp"));
        {
            IQImageReadThread thread(&file, false);
            thread.start(QThread::InheritPriority);
            QVERIFY(thread.wait(60000));
        }
        auto receiver = std::make_unique<QObject>();
        IQImageReadThread thread(&file, false);
        connect(&thread, &IQImageReadThread::readAnimationFinished, receiver.get(),
                [](IQImageFile *, const QMovieProxyHolder &) { QFAIL("delivered"); });
        thread.start(QThread::InheritPriority);
        QVERIFY(thread.wait(60000));
        receiver.reset();
        QCoreApplication::processEvents();
    }

    void holderHandsItsSourceOverOnce()
    {
        auto source = std::make_unique<QStdMovie>();
        QMovieProxy *raw = source.get();
        const QMovieProxyHolder holder(std::move(source));
        const QMovieProxyHolder copy = holder;
        QCOMPARE(copy.get(), raw);
        std::unique_ptr<QMovieProxy> taken = copy.take();
        QCOMPARE(taken.get(), raw);
        QVERIFY(!holder.take());
        QVERIFY(!holder.get());
        QVERIFY(!QMovieProxyHolder().take());
    }

    void appliesTheBatchSettings()
    {
        IQBatchSettings *settings = IQBatchSettings::instance();
        const IQBatchSettings saved = *settings;
        settings->borderEnabled = true;
        settings->borderWidth = 5;
        settings->borderColor = kBlue;
        IQImageFile file(path("white.png"));
        ReadResult result;
        read(&file, true, &result);
        *settings = saved;

        QCOMPARE(result.staticCount, 1);
        QCOMPARE(result.image.size(), QSize(100, 40));
        QCOMPARE(result.image.pixelColor(2, 2), kWhite);
        // The converted image is the shown one with the border painted in.
        QCOMPARE(result.convertedImage.size(), QSize(100, 40));
        QCOMPARE(result.convertedImage.pixelColor(2, 2), kBlue);
        QCOMPARE(result.convertedImage.pixelColor(97, 37), kBlue);
        QCOMPARE(result.convertedImage.pixelColor(50, 20), kWhite);
    }

    // The thread reads what it copied when it was made: the record and the document may
    // change, or the document go, before it runs. The sanitizers report a read of the gone one.
    void worksOnItsOwnCopy_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("animations");
        QTest::newRow("still, converted") << "white.png" << 0;
        QTest::newRow("animation") << "animated.webp" << 1;
        QTest::newRow("several images under a heic name") << "tiff pages.heic" << 1;
    }
    void worksOnItsOwnCopy()
    {
        QFETCH(QString, name);
        QFETCH(int, animations);
        IQBatchSettings *settings = IQBatchSettings::instance();
        const IQBatchSettings saved = *settings;
        settings->borderEnabled = true;
        settings->borderWidth = 5;
        settings->borderColor = kBlue;
        auto file = std::make_unique<IQImageFile>(path(name));
        IQImageFile *const sent = file.get();
        ReadResult result;
        {
            IQImageReadThread thread(file.get(), true);
            *settings = saved;
            file.reset();
            collect(thread, &result);
            thread.start(QThread::InheritPriority);
            finish(thread, &result);
        }
        QCOMPARE(result.animationCount, animations);
        QCOMPARE(result.staticCount, 1 - animations);
        QCOMPARE(result.imageFile, sent);
        if (animations) {
            QVERIFY(result.movie && result.movie->isValid());
            QCOMPARE(result.movie->frameCount(), 3);
        } else {
            QCOMPARE(result.image.pixelColor(2, 2), kWhite);
            QCOMPARE(result.convertedImage.pixelColor(2, 2), kBlue);
        }
    }

    void askedToStopSendsNoStill()
    {
        IQImageFile file(path("w1001.png"));
        IQImageReadThread thread(&file, true);
        QSignalSpy still(&thread, &IQImageReadThread::readStaticFinished);
        // Asked as the thread begins: a start forgets an earlier request.
        connect(&thread, &QThread::started, &thread, [&thread]() { thread.requestInterruption(); },
                Qt::DirectConnection);
        thread.start(QThread::InheritPriority);
        QVERIFY(thread.wait(60000));
        QCoreApplication::processEvents();
        QCOMPARE(still.count(), 0);
    }

    void sourceArrivesOnTheGuiThread()
    {
        // Queued to this thread, as the viewer page receives it; the thread deletes itself.
        IQImageFile file(path("animated.webp"));
        auto *thread = new IQImageReadThread(&file, false);
        std::unique_ptr<QMovieProxy> movie;
        connect(thread, &IQImageReadThread::readAnimationFinished, this,
                [&movie](IQImageFile *, const QMovieProxyHolder &source) {
                    movie = source.take();
                });
        QSignalSpy destroyed(thread, &QObject::destroyed);
        connect(thread, &QThread::finished, thread, &QObject::deleteLater);
        thread->start(QThread::InheritPriority);
        QVERIFY(destroyed.wait(60000));
        QTRY_VERIFY_WITH_TIMEOUT(movie, BrvTest::kEventTimeoutMs);
        auto *stdMovie = dynamic_cast<QStdMovie *>(movie.get());
        QVERIFY(stdMovie);
        QCOMPARE(stdMovie->thread(), QThread::currentThread());
        QVERIFY(movie->jumpToFrame(2));
        QVERIFY(BrvTest::isNear(movie->currentImage().pixelColor(5, 5), kColors.at(2),
                                kColourTolerance));
    }
};

QTEST_MAIN(tst_ImageReadThread)
#include "tst_imagereadthread.moc"
