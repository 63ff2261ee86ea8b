#include <QtTest>

#include <QTemporaryDir>
#include <QThread>

#include <memory>

#include "ImageFixtures.h"
#include "QStdMovie.h"

namespace {

const QList<QColor> kColors = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
// A second apart, since QMovie takes the decoding time off a frame's delay.
const QList<int> kDelays = {1000, 2000, 3000, 4000};
constexpr int kDelayStepMs = 1000;
constexpr int kWidth = 12;
constexpr int kHeight = 8;

QColor colorOf(const QImage &image)
{
    return image.isNull() ? QColor() : QColor(image.pixel(kWidth / 2, kHeight / 2));
}

} // namespace

class tst_StdMovie : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    void addMovieColumns()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("gif, loops") << "loops.gif" << QByteArray("gif");
        QTest::newRow("gif, plays once") << "once.gif" << QByteArray("gif");
        QTest::newRow("webp") << "animated.webp" << QByteArray("webp");
    }

    // Checks that the source shows frame n: number, picture and delay.
    static bool showsFrame(QStdMovie &movie, int n, QString *failure)
    {
        *failure = QStringLiteral("at frame %1: number %2, colour %3, delay %4")
                       .arg(n)
                       .arg(movie.currentFrameNumber())
                       .arg(colorOf(movie.currentImage()).name())
                       .arg(movie.nextFrameDelay());
        return movie.currentFrameNumber() == n && colorOf(movie.currentImage()) == kColors.at(n)
               && colorOf(movie.currentPixmap().toImage()) == kColors.at(n)
               && movie.nextFrameDelay() <= kDelays.at(n)
               && movie.nextFrameDelay() > kDelays.at(n) - kDelayStepMs;
    }

private slots:
    void initTestCase()
    {
        using namespace ImageFixtures;
        QVERIFY(m_dir.isValid());
        QVERIFY(gifWithFrames(path("loops.gif"), kColors, kDelays, kWidth, kHeight, true));
        QVERIFY(gifWithFrames(path("once.gif"), kColors, kDelays, kWidth, kHeight, false));
        QVERIFY(animatedWebp(path("animated.webp"), kColors, kDelays, kWidth, kHeight));
        QByteArray garbage("GIF89a");
        garbage += QByteArray(200, '\x5a');
        QVERIFY(writeBytes(path("garbage.gif"), garbage));
    }

    void unopened()
    {
        QStdMovie movie;
        QVERIFY(!movie.isValid());
        QCOMPARE(movie.frameCount(), 0);
        QCOMPARE(movie.currentFrameNumber(), 0);
        QCOMPARE(movie.nextFrameDelay(), 100);
        QCOMPARE(movie.loopCount(), 0);
        QCOMPARE(movie.frameRect(), QRect());
        QVERIFY(movie.currentImage().isNull());
        QVERIFY(movie.currentPixmap().isNull());
        QVERIFY(movie.lastErrorString().isEmpty());
        QVERIFY(!movie.jumpToFrame(0));
        QVERIFY(!movie.jumpToNextFrame());
        QCOMPARE(movie.thread(), nullptr);
    }

    void stepsAndWraps_data() { addMovieColumns(); }
    void stepsAndWraps()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        QStdMovie movie;
        QVERIFY(movie.open(path(name), format));
        QVERIFY(movie.isValid());
        QCOMPARE(movie.frameCount(), kColors.size());
        QCOMPARE(movie.loopCount(), -1);
        QCOMPARE(movie.frameRect(), QRect(0, 0, kWidth, kHeight));
        QString failure;
        QVERIFY2(showsFrame(movie, 0, &failure), qPrintable(failure));
        for (int n = 1; n < kColors.size(); ++n) {
            QVERIFY(movie.jumpToNextFrame());
            QVERIFY2(showsFrame(movie, n, &failure), qPrintable(failure));
        }
        // Past the last frame the source starts again, even for a file that plays once.
        for (int round = 0; round < 2; ++round) {
            QVERIFY(movie.jumpToNextFrame());
            QVERIFY2(showsFrame(movie, 0, &failure), qPrintable(failure));
            for (int n = 1; n < kColors.size(); ++n)
                QVERIFY(movie.jumpToNextFrame());
            QVERIFY2(showsFrame(movie, kColors.size() - 1, &failure), qPrintable(failure));
        }
    }

    void jumpsBackwardsAndAnywhere_data() { addMovieColumns(); }
    void jumpsBackwardsAndAnywhere()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        QStdMovie movie;
        QVERIFY(movie.open(path(name), format));
        QString failure;
        for (const int n : {3, 1, 0, 2, 2, 1, 3, 0, 3, 2}) {
            QVERIFY2(movie.jumpToFrame(n), qPrintable(QStringLiteral("jump to %1").arg(n)));
            QVERIFY2(showsFrame(movie, n, &failure), qPrintable(failure));
        }
        // Out of range: refused, and the source stays where it was.
        QVERIFY(!movie.jumpToFrame(kColors.size()));
        QVERIFY(!movie.jumpToFrame(-1));
        QVERIFY2(showsFrame(movie, 2, &failure), qPrintable(failure));
        QVERIFY(movie.jumpToNextFrame());
        QVERIFY2(showsFrame(movie, 3, &failure), qPrintable(failure));
    }

    void corruptGif()
    {
        QStdMovie movie;
        QVERIFY(movie.open(path("garbage.gif"), "gif"));
        QVERIFY(movie.isValid());
        QCOMPARE(movie.frameCount(), 0);
        QVERIFY(movie.currentImage().isNull());
        QVERIFY(movie.currentPixmap().isNull());
        QVERIFY(!movie.lastErrorString().isEmpty());
        QVERIFY(!movie.jumpToNextFrame());
        QVERIFY(!movie.jumpToFrame(2));
    }

    void truncatedGif()
    {
        // A file cut off inside its third frame: whatever it reports, stepping ends.
        const QString file = path("cut.gif");
        QVERIFY(ImageFixtures::truncatedCopy(path("once.gif"), file,
                                             int(QFileInfo(path("once.gif")).size() * 2 / 3)));
        QStdMovie movie;
        QVERIFY(movie.open(file, "gif"));
        QCOMPARE(colorOf(movie.currentImage()), kColors.at(0));
        int steps = 0;
        while (movie.jumpToNextFrame() && movie.currentFrameNumber() != 0 && steps < 10)
            ++steps;
        QVERIFY(steps < 10);
        QVERIFY(!movie.jumpToFrame(kColors.size()));
    }

    void deletedThroughTheInterface()
    {
        // The sanitizers report the movie if it outlives the source.
        std::unique_ptr<QMovieProxy> source;
        {
            auto movie = std::make_unique<QStdMovie>();
            QVERIFY(movie->open(path("loops.gif"), "gif"));
            source = std::move(movie);
        }
        QVERIFY(source->jumpToFrame(3));
        source.reset();
    }

    void handedToTheGuiThread()
    {
        // Opened on a worker, as the reader thread does, then handed over before it ends.
        std::unique_ptr<QStdMovie> movie;
        QThread *worker = QThread::create([&movie, this]() {
            movie = std::make_unique<QStdMovie>();
            movie->open(path("animated.webp"), "webp");
            movie->moveToThread(QCoreApplication::instance()->thread());
        });
        worker->start();
        QVERIFY(worker->wait(30000));
        delete worker;
        QCOMPARE(movie->thread(), QThread::currentThread());
        QVERIFY(movie->jumpToFrame(2));
        QCOMPARE(colorOf(movie->currentImage()), kColors.at(2));
    }
};

QTEST_MAIN(tst_StdMovie)
#include "tst_stdmovie.moc"
