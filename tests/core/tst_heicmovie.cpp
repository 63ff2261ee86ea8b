#include <QtTest>

#include <QImageWriter>
#include <QTemporaryDir>
#include <QThread>

#include <memory>

#include "ImageFixtures.h"
#include "QHEICMovie.h"

namespace {

const QList<QColor> kColors = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
constexpr int kWidth = 12;
constexpr int kHeight = 8;

QColor colorOf(const QImage &image)
{
    return image.isNull() ? QColor() : QColor(image.pixel(kWidth / 2, kHeight / 2));
}

} // namespace

class tst_HEICMovie : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    void addSequenceColumns()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("pages, seekable") << "pages.heic";
        QTest::newRow("frames, forward only") << "frames.heic";
    }

    // The source is on frame n and shows it, however often it is asked.
    static bool showsFrame(QHEICMovie &movie, int n, QString *failure)
    {
        const QColor first = colorOf(movie.currentImage());
        const QColor second = colorOf(movie.currentImage());
        const QColor pixmap = colorOf(movie.currentPixmap().toImage());
        *failure = QStringLiteral("at frame %1: number %2, colours %3 %4 %5")
                       .arg(n)
                       .arg(movie.currentFrameNumber())
                       .arg(first.name(), second.name(), pixmap.name());
        return movie.currentFrameNumber() == n && first == kColors.at(n)
               && second == kColors.at(n) && pixmap == kColors.at(n)
               && movie.nextFrameDelay() == 100;
    }

private slots:
    void initTestCase()
    {
        using namespace ImageFixtures;
        QVERIFY(m_dir.isValid());
        // Sequences that Qt's readers step through, under a HEIC name.
        QVERIFY(multiPageTiff(path("pages.heic"), kColors, kWidth, kHeight));
        QVERIFY(gifWithFrames(path("frames.heic"), kColors, {100, 100, 100, 100}, kWidth,
                              kHeight));
        QImage red(kWidth, kHeight, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(QImageWriter(path("single.heic"), "heic").write(red));
        QVERIFY(writeBytes(path("text.heic"), "not an image\n"));
    }

    void unopened()
    {
        QHEICMovie movie;
        QVERIFY(!movie.isValid());
        QCOMPARE(movie.nextFrameDelay(), 100);
        QCOMPARE(movie.loopCount(), -1);
        QCOMPARE(movie.frameCount(), 0);
        QCOMPARE(movie.currentFrameNumber(), 0);
        QCOMPARE(movie.frameRect(), QRect());
        QVERIFY(movie.currentImage().isNull());
        QVERIFY(movie.currentPixmap().isNull());
        QVERIFY(movie.lastErrorString().isEmpty());
        QVERIFY(!movie.jumpToFrame(0));
        QVERIFY(!movie.jumpToNextFrame());
        QCOMPARE(movie.thread(), nullptr);
    }

    void stepsAndWraps_data() { addSequenceColumns(); }
    void stepsAndWraps()
    {
        QFETCH(QString, name);
        QHEICMovie movie;
        QVERIFY(movie.open(path(name)));
        QVERIFY(movie.isValid());
        QCOMPARE(movie.frameCount(), kColors.size());
        QCOMPARE(movie.loopCount(), -1);
        QCOMPARE(movie.frameRect(), QRect(0, 0, kWidth, kHeight));
        QString failure;
        QVERIFY2(showsFrame(movie, 0, &failure), qPrintable(failure));
        for (int round = 0; round < 2; ++round) {
            for (int n = 1; n < kColors.size(); ++n) {
                QVERIFY(movie.jumpToNextFrame());
                QVERIFY2(showsFrame(movie, n, &failure), qPrintable(failure));
            }
            QVERIFY(movie.jumpToNextFrame());
            QVERIFY2(showsFrame(movie, 0, &failure), qPrintable(failure));
        }
    }

    void jumpsAndBounds_data() { addSequenceColumns(); }
    void jumpsAndBounds()
    {
        QFETCH(QString, name);
        QHEICMovie movie;
        QVERIFY(movie.open(path(name)));
        QString failure;
        for (const int n : {3, 1, 0, 2, 2, 3, 0}) {
            QVERIFY(movie.jumpToFrame(n));
            QVERIFY2(showsFrame(movie, n, &failure), qPrintable(failure));
        }
        QVERIFY(!movie.jumpToFrame(-1));
        QVERIFY(!movie.jumpToFrame(kColors.size()));
        QVERIFY2(showsFrame(movie, 0, &failure), qPrintable(failure));
    }

    void singleImage()
    {
        QHEICMovie movie;
        QVERIFY(movie.open(path("single.heic")));
        QCOMPARE(movie.frameCount(), 1);
        for (int step = 0; step < 3; ++step) {
            QVERIFY(movie.jumpToNextFrame());
            QCOMPARE(movie.currentFrameNumber(), 0);
            // HEIC is lossy: red within a few steps.
            const QColor color = colorOf(movie.currentImage());
            QVERIFY2(color.red() > 245 && color.green() < 10 && color.blue() < 10,
                     qPrintable(color.name()));
        }
        QVERIFY(!movie.jumpToFrame(1));
    }

    void unreadable()
    {
        QHEICMovie movie;
        QVERIFY(!movie.open(path("text.heic")));
        QVERIFY(!movie.isValid());
        QVERIFY(!movie.lastErrorString().isEmpty());
        QCOMPARE(movie.frameCount(), 0);
        QVERIFY(movie.currentImage().isNull());

        // A later open that fails leaves nothing of the earlier file.
        QVERIFY(movie.open(path("pages.heic")));
        QVERIFY(movie.jumpToFrame(2));
        QVERIFY(!movie.open(path("missing.heic")));
        QVERIFY(!movie.isValid());
        QCOMPARE(movie.currentFrameNumber(), 0);
        QVERIFY(!movie.jumpToFrame(0));
    }

    void deletedThroughTheInterface()
    {
        // The sanitizers report the reader if it outlives the source.
        std::unique_ptr<QMovieProxy> source;
        {
            auto movie = std::make_unique<QHEICMovie>();
            QVERIFY(movie->open(path("pages.heic")));
            source = std::move(movie);
        }
        QVERIFY(source->jumpToFrame(3));
        QCOMPARE(colorOf(source->currentImage()), kColors.at(3));
        source.reset();
    }

    void handedToTheGuiThread()
    {
        std::unique_ptr<QHEICMovie> movie;
        QThread *worker = QThread::create([&movie, this]() {
            movie = std::make_unique<QHEICMovie>();
            movie->open(path("pages.heic"));
            movie->moveToThread(QCoreApplication::instance()->thread());
        });
        worker->start();
        QVERIFY(worker->wait(30000));
        delete worker;
        QCOMPARE(movie->thread(), QThread::currentThread());
        QVERIFY(movie->jumpToFrame(1));
        QCOMPARE(colorOf(movie->currentImage()), kColors.at(1));
    }
};

QTEST_MAIN(tst_HEICMovie)
#include "tst_heicmovie.moc"
