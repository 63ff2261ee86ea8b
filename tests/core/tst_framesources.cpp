#include <QtTest>

#include <QImageWriter>
#include <QTemporaryDir>
#include <QThread>

#include <memory>

#include "ImageFixtures.h"
#include "documents/QHEICMovie.h"
#include "documents/QStdMovie.h"

namespace {

const QList<QColor> kColors = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
// A second apart, since QMovie takes the decoding time off a frame's delay.
const QList<int> kDelays = {1000, 2000, 3000, 4000};
constexpr int kDelayStepMs = 1000;
constexpr int kHeicDelayMs = 100;
constexpr int kWidth = 12;
constexpr int kHeight = 8;

QColor colorOf(const QImage &image)
{
    return image.isNull() ? QColor() : QColor(image.pixel(kWidth / 2, kHeight / 2));
}

QThread *threadOf(QMovieProxy *source)
{
    if (auto *movie = dynamic_cast<QStdMovie *>(source))
        return movie->thread();
    if (auto *movie = dynamic_cast<QHEICMovie *>(source))
        return movie->thread();
    return nullptr;
}

void handOver(QMovieProxy *source, QThread *thread)
{
    if (auto *movie = dynamic_cast<QStdMovie *>(source))
        movie->moveToThread(thread);
    if (auto *movie = dynamic_cast<QHEICMovie *>(source))
        movie->moveToThread(thread);
}

} // namespace

class tst_FrameSources : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // A QHEICMovie for a name that ends in .heic, else a QStdMovie with the suffix as format.
    std::unique_ptr<QMovieProxy> open(const QString &name, bool *opened = nullptr) const
    {
        bool ok = false;
        std::unique_ptr<QMovieProxy> source;
        if (name.endsWith(QLatin1String(".heic"))) {
            auto movie = std::make_unique<QHEICMovie>();
            ok = movie->open(path(name));
            source = std::move(movie);
        } else {
            auto movie = std::make_unique<QStdMovie>();
            ok = movie->open(path(name), QFileInfo(name).suffix().toUtf8());
            source = std::move(movie);
        }
        if (opened)
            *opened = ok;
        return source;
    }

    void addSequenceColumns()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("gif, loops") << "loops.gif";
        QTest::newRow("gif, plays once") << "once.gif";
        QTest::newRow("webp") << "animated.webp";
        QTest::newRow("tiff pages under a heic name, seekable") << "tiff pages.heic";
        QTest::newRow("gif frames under a heic name, forward only") << "gif frames.heic";
    }

    void addSourceColumn()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("QStdMovie") << "loops.gif";
        QTest::newRow("QHEICMovie") << "tiff pages.heic";
    }

    // The source is on frame n and shows it, however often it is asked.
    static bool showsFrame(QMovieProxy &movie, int n, QString *failure)
    {
        const QColor first = colorOf(movie.currentImage());
        const QColor again = colorOf(movie.currentImage());
        const QColor pixmap = colorOf(movie.currentPixmap().toImage());
        const int delay = movie.nextFrameDelay();
        *failure = QStringLiteral("at frame %1: number %2, colours %3 %4 %5, delay %6")
                       .arg(n)
                       .arg(movie.currentFrameNumber())
                       .arg(first.name(), again.name(), pixmap.name())
                       .arg(delay);
        const bool delayRight = dynamic_cast<QHEICMovie *>(&movie)
                                    ? delay == kHeicDelayMs
                                    : delay <= kDelays.at(n) && delay > kDelays.at(n) - kDelayStepMs;
        return movie.currentFrameNumber() == n && first == kColors.at(n) && again == kColors.at(n)
               && pixmap == kColors.at(n) && delayRight;
    }

private slots:
    void initTestCase()
    {
        using namespace ImageFixtures;
        QVERIFY(m_dir.isValid());
        QVERIFY(gifWithFrames(path("loops.gif"), kColors, kDelays, kWidth, kHeight, true));
        QVERIFY(gifWithFrames(path("once.gif"), kColors, kDelays, kWidth, kHeight, false));
        QVERIFY(animatedWebp(path("animated.webp"), kColors, kDelays, kWidth, kHeight));
        // Qt's HEIF reader hands out only a file's primary image, so the several-image road
        // is walked with readers that step: the pages of a TIFF, which seek, and the frames
        // of a GIF, which only go forward, each under a HEIC name.
        QVERIFY(multiPageTiff(path("tiff pages.heic"), kColors, kWidth, kHeight));
        QVERIFY(gifWithFrames(path("gif frames.heic"), kColors, kDelays, kWidth, kHeight));
        QImage red(kWidth, kHeight, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(QImageWriter(path("single.heic"), "heic").write(red));
        QVERIFY(writeBytes(path("text.heic"), "not an image\n"));
        QByteArray garbage("GIF89a");
        garbage += QByteArray(200, '\x5a');
        QVERIFY(writeBytes(path("garbage.gif"), garbage));
    }

    void unopened_data()
    {
        QTest::addColumn<int>("loopCount");
        QTest::newRow("QStdMovie") << 0;
        QTest::newRow("QHEICMovie") << -1;
    }
    void unopened()
    {
        QFETCH(int, loopCount);
        std::unique_ptr<QMovieProxy> movie;
        if (loopCount == 0)
            movie = std::make_unique<QStdMovie>();
        else
            movie = std::make_unique<QHEICMovie>();
        QVERIFY(!movie->isValid());
        QCOMPARE(movie->loopCount(), loopCount);
        QCOMPARE(movie->frameCount(), 0);
        QCOMPARE(movie->currentFrameNumber(), 0);
        QCOMPARE(movie->nextFrameDelay(), 100);
        QCOMPARE(movie->frameRect(), QRect());
        QVERIFY(movie->currentImage().isNull());
        QVERIFY(movie->currentPixmap().isNull());
        QVERIFY(movie->lastErrorString().isEmpty());
        QVERIFY(!movie->jumpToFrame(0));
        QVERIFY(!movie->jumpToNextFrame());
        QCOMPARE(threadOf(movie.get()), nullptr);
    }

    void stepsAndWraps_data() { addSequenceColumns(); }
    void stepsAndWraps()
    {
        QFETCH(QString, name);
        bool opened = false;
        const auto movie = open(name, &opened);
        QVERIFY(opened);
        QVERIFY(movie->isValid());
        QCOMPARE(movie->frameCount(), kColors.size());
        QCOMPARE(movie->loopCount(), -1);
        QCOMPARE(movie->frameRect(), QRect(0, 0, kWidth, kHeight));
        QString failure;
        QVERIFY2(showsFrame(*movie, 0, &failure), qPrintable(failure));
        // Past the last frame every source starts again, even a file that plays once.
        for (int round = 0; round < 2; ++round) {
            for (int n = 1; n < kColors.size(); ++n) {
                QVERIFY(movie->jumpToNextFrame());
                QVERIFY2(showsFrame(*movie, n, &failure), qPrintable(failure));
            }
            QVERIFY(movie->jumpToNextFrame());
            QVERIFY2(showsFrame(*movie, 0, &failure), qPrintable(failure));
        }
    }

    void jumpsBackwardsAndAnywhere_data() { addSequenceColumns(); }
    void jumpsBackwardsAndAnywhere()
    {
        QFETCH(QString, name);
        const auto movie = open(name);
        QString failure;
        for (const int n : {3, 1, 0, 2, 2, 1, 3, 0, 3, 2}) {
            QVERIFY2(movie->jumpToFrame(n), qPrintable(QStringLiteral("jump to %1").arg(n)));
            QVERIFY2(showsFrame(*movie, n, &failure), qPrintable(failure));
        }
        // Out of range: refused, and the source stays where it was.
        QVERIFY(!movie->jumpToFrame(kColors.size()));
        QVERIFY(!movie->jumpToFrame(-1));
        QVERIFY2(showsFrame(*movie, 2, &failure), qPrintable(failure));
        QVERIFY(movie->jumpToNextFrame());
        QVERIFY2(showsFrame(*movie, 3, &failure), qPrintable(failure));
    }

    void corruptGif()
    {
        // QMovie opens anything; what it cannot decode shows as no frames and an error.
        const auto movie = open("garbage.gif");
        QVERIFY(movie->isValid());
        QCOMPARE(movie->frameCount(), 0);
        QVERIFY(movie->currentImage().isNull());
        QVERIFY(movie->currentPixmap().isNull());
        QVERIFY(!movie->lastErrorString().isEmpty());
        QVERIFY(!movie->jumpToNextFrame());
        QVERIFY(!movie->jumpToFrame(2));
    }

    void truncatedGif()
    {
        // A file cut off inside its third frame: whatever it reports, stepping ends.
        QVERIFY(ImageFixtures::truncatedCopy(path("once.gif"), path("cut.gif"),
                                             int(QFileInfo(path("once.gif")).size() * 2 / 3)));
        const auto movie = open("cut.gif");
        QCOMPARE(colorOf(movie->currentImage()), kColors.at(0));
        int steps = 0;
        while (movie->jumpToNextFrame() && movie->currentFrameNumber() != 0 && steps < 10)
            ++steps;
        QVERIFY(steps < 10);
        QVERIFY(!movie->jumpToFrame(kColors.size()));
    }

    void failedStepDoesNotWrap()
    {
        // Three frames whose third cannot be decoded: the step from the second one fails and
        // stays there; it does not wrap to the first frame as a step from the last one would.
        QVERIFY(ImageFixtures::gifWithFrames(path("three.gif"), kColors.mid(0, 3),
                                             kDelays.mid(0, 3), kWidth, kHeight));
        // Cut inside the third frame's image data: the reader still counts three frames.
        const int size = int(QFileInfo(path("three.gif")).size());
        QVERIFY(ImageFixtures::truncatedCopy(path("three.gif"), path("third cut.gif"), size - 12));
        const auto movie = open("third cut.gif");
        QCOMPARE(movie->frameCount(), 3);
        QVERIFY(movie->jumpToNextFrame());
        QCOMPARE(movie->currentFrameNumber(), 1);
        const bool stepped = movie->jumpToNextFrame();
        QVERIFY(!stepped);
        QCOMPARE(movie->currentFrameNumber(), 1);
        QCOMPARE(colorOf(movie->currentImage()), kColors.at(1));
    }

    void heicWithOneImage()
    {
        bool opened = false;
        const auto movie = open("single.heic", &opened);
        QVERIFY(opened);
        QCOMPARE(movie->frameCount(), 1);
        for (int step = 0; step < 3; ++step) {
            QVERIFY(movie->jumpToNextFrame());
            QCOMPARE(movie->currentFrameNumber(), 0);
            // HEIC is lossy: red within a few steps.
            const QColor color = colorOf(movie->currentImage());
            QVERIFY2(color.red() > 245 && color.green() < 10 && color.blue() < 10,
                     qPrintable(color.name()));
        }
        QVERIFY(!movie->jumpToFrame(1));
    }

    void heicUnreadable()
    {
        QHEICMovie movie;
        QVERIFY(!movie.open(path("text.heic")));
        QVERIFY(!movie.isValid());
        QVERIFY(!movie.lastErrorString().isEmpty());
        QCOMPARE(movie.frameCount(), 0);
        QVERIFY(movie.currentImage().isNull());

        // A later open that fails leaves nothing of the earlier file.
        QVERIFY(movie.open(path("tiff pages.heic")));
        QVERIFY(movie.jumpToFrame(2));
        QVERIFY(!movie.open(path("missing.heic")));
        QVERIFY(!movie.isValid());
        QCOMPARE(movie.currentFrameNumber(), 0);
        QVERIFY(!movie.jumpToFrame(0));
    }

    void deletedThroughTheInterface_data() { addSourceColumn(); }
    void deletedThroughTheInterface()
    {
        // The sanitizers report the movie or reader if it outlives its source.
        QFETCH(QString, name);
        std::unique_ptr<QMovieProxy> source = open(name);
        QVERIFY(source->jumpToFrame(3));
        QCOMPARE(colorOf(source->currentImage()), kColors.at(3));
        source.reset();
    }

    void handedToTheGuiThread_data() { addSourceColumn(); }
    void handedToTheGuiThread()
    {
        // Opened on a worker, as the reader thread does, and handed over before it ends.
        QFETCH(QString, name);
        std::unique_ptr<QMovieProxy> movie;
        QThread *worker = QThread::create([&movie, &name, this]() {
            movie = open(name);
            handOver(movie.get(), QCoreApplication::instance()->thread());
        });
        worker->start();
        QVERIFY(worker->wait(30000));
        delete worker;
        QCOMPARE(threadOf(movie.get()), QThread::currentThread());
        QVERIFY(movie->jumpToFrame(2));
        QCOMPARE(colorOf(movie->currentImage()), kColors.at(2));
    }
};

QTEST_MAIN(tst_FrameSources)
#include "tst_framesources.moc"
