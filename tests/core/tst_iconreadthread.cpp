#include <QtTest>

#include <QIcon>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QThreadPool>

#include "BrvTest.h"
#include "workers/IQIconReadThread.h"
#include "imaging/IQImageUtils.h"
#include "ImageFixtures.h"

namespace {

constexpr int kTileSize = 240;

// Every warning about pixmaps off the GUI thread that Qt gives while the test runs; platforms
// whose pixmaps are not thread-safe give it.
QStringList &pixmapWarnings()
{
    static QStringList warnings;
    return warnings;
}

QtMessageHandler previousHandler = nullptr;

// The icon resampled a shrunk picture twice, the tile does once: colours agree within this.
constexpr int kResamplingTolerance = 3;

// Red along x, green along y: no edge for the resampling to differ on.
QImage smoothGradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / (width - 1), y * 255 / (height - 1), 128));
    }
    return image;
}

void recordPixmapWarnings(QtMsgType type, const QMessageLogContext &context,
                          const QString &message)
{
    if (message.contains(QLatin1String("not safe to use pixmaps outside the GUI thread")))
        pixmapWarnings() << message;
    if (previousHandler)
        previousHandler(type, context, message);
}

// The tile as the job composed it before it made images: the picture, decoded as the job
// decodes it, painted through an icon into the picture area of a pixmap, here on the GUI
// thread.
QImage tileThroughAnIcon(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    double width = 0;
    double height = 0;
    IQImageUtils::fitSizeInRect(reader.size(), QRect(0, 0, kTileSize, kTileSize), &width,
                                &height);
    reader.setScaledSize(QSize(int(width), int(height)));
    const QImage picture = reader.read();
    QPixmap tile(kTileSize, kTileSize);
    tile.fill(Qt::transparent);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    QIcon(QPixmap::fromImage(picture))
        .paint(&painter, QRect(10, 0, 220, 220), Qt::AlignCenter, QIcon::Normal, QIcon::On);
    painter.end();
    return tile.toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class tst_IconReadThread : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    // Runs one job on a pool, as the pages do: the pool does not delete it.
    static void runOnPool(IQIconReadThread *job)
    {
        QThreadPool pool;
        pool.setMaxThreadCount(5);
        job->setAutoDelete(false);
        pool.start(job);
        pool.waitForDone();
    }

private slots:
    void initTestCase()
    {
        previousHandler = qInstallMessageHandler(&recordPixmapWarnings);
        QVERIFY(m_dir.isValid());
        const QColor blue(0, 0, 255);
        QVERIFY(BrvTest::solidImage(100, 50, blue).save(path("small.png")));
        QVERIFY(BrvTest::solidImage(4000, 3000, blue).save(path("large.jpg"), "JPEG", 90));
        QVERIFY(QImageWriter(path("small.heic"), "heic")
                    .write(BrvTest::solidImage(100, 50, blue, QImage::Format_RGB32)));
        // 300 x 100 stored, shown turned a quarter: 100 x 300.
        QVERIFY(ImageFixtures::jpegWithOrientation(path("turned.jpg"),
                                                   BrvTest::solidImage(300, 100, blue), 6));
        QVERIFY(ImageFixtures::writeBytes(path("broken.png"), "not an image\n"));
        QVERIFY(ImageFixtures::pngWithClaimedSize(path("claims.png"), 40000, 40000));
        QVERIFY(ImageFixtures::fifo(path("y.gif")));
        QVERIFY(smoothGradient(300, 200).save(path("gradient.png")));
        QVERIFY(smoothGradient(90, 60).save(path("small gradient.png")));
    }

    void cleanup() { QVERIFY2(pixmapWarnings().isEmpty(), qPrintable(pixmapWarnings().join('\n'))); }

    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }

    void tilePlacement_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("originalSize");
        QTest::addColumn<QRect>("picture");
        // Never enlarged: centred in the 220 x 220 area that starts 10 pixels in.
        QTest::newRow("small png") << "small.png" << QSize(100, 50) << QRect(70, 85, 100, 50);
        QTest::newRow("small heic") << "small.heic" << QSize(100, 50) << QRect(70, 85, 100, 50);
        // Decoded at 240 x 180, drawn at 220 x 165.
        QTest::newRow("large jpeg") << "large.jpg" << QSize(4000, 3000)
                                    << QRect(10, 27, 220, 165);
        // The reported size is the stored one; the picture is turned as the file asks.
        QTest::newRow("turned jpeg") << "turned.jpg" << QSize(300, 100)
                                     << QRect(83, 0, 73, 220);
        QTest::newRow("unreadable") << "broken.png" << QSize() << QRect();
        // Refused before decoding: no pixels reserved for the claim, no wait for a writer.
        QTest::newRow("header claims 40000 x 40000") << "claims.png" << QSize() << QRect();
        QTest::newRow("FIFO") << "y.gif" << QSize() << QRect();
    }
    void tilePlacement()
    {
        QFETCH(QString, name);
        QFETCH(QSize, originalSize);
        QFETCH(QRect, picture);

        auto job = std::make_unique<IQIconReadThread>(path(name), 7);
        QSignalSpy spy(job.get(), &IQIconReadThread::readFinished);
        runOnPool(job.get());
        QCOMPARE(spy.count(), 1);
        const QIcon icon = IQIconReadThread::tileIcon(spy.at(0).at(0).value<QImage>());
        QCOMPARE(spy.at(0).at(1).toInt(), 7);
        QCOMPARE(spy.at(0).at(2).toSize(), originalSize);

        QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(kTileSize, kTileSize)});
        const QImage tile = icon.pixmap(kTileSize, kTileSize).toImage();
        QCOMPARE(tile.size(), QSize(kTileSize, kTileSize));
        const QRect ink = BrvTest::inkRect(tile);
        if (picture.isNull()) {
            QVERIFY(ink.isNull());
            return;
        }
        // A pixel of slack for where smooth scaling places the edge.
        QVERIFY2(qAbs(ink.left() - picture.left()) <= 1 && qAbs(ink.top() - picture.top()) <= 1
                     && qAbs(ink.width() - picture.width()) <= 1
                     && qAbs(ink.height() - picture.height()) <= 1,
                 qPrintable(QStringLiteral("picture at %1,%2 %3x%4")
                                .arg(ink.left())
                                .arg(ink.top())
                                .arg(ink.width())
                                .arg(ink.height())));
        const QColor centre = tile.pixelColor(ink.center());
        QVERIFY2(centre.blue() > 240 && centre.red() < 16 && centre.alpha() == 255,
                 qPrintable(centre.name(QColor::HexArgb)));
    }

    void tileLooksAsThroughAnIcon_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("shrunk") << "gradient.png";
        QTest::newRow("kept at its size") << "small gradient.png";
        QTest::newRow("decoded smaller") << "large.jpg";
    }
    void tileLooksAsThroughAnIcon()
    {
        QFETCH(QString, name);
        IQIconReadThread job(path(name), 0);
        QSignalSpy spy(&job, &IQIconReadThread::readFinished);
        runOnPool(&job);
        QCOMPARE(spy.count(), 1);
        const QImage tile = IQIconReadThread::tileIcon(spy.at(0).at(0).value<QImage>())
                                .pixmap(kTileSize, kTileSize)
                                .toImage()
                                .convertToFormat(QImage::Format_ARGB32);
        const QImage expected = tileThroughAnIcon(path(name));
        QCOMPARE(tile.size(), expected.size());
        int worst = 0;
        for (int y = 0; y < kTileSize; ++y) {
            for (int x = 0; x < kTileSize; ++x) {
                const QRgb a = tile.pixel(x, y);
                const QRgb b = expected.pixel(x, y);
                worst = qMax(worst, qAbs(qAlpha(a) - qAlpha(b)));
                worst = qMax(worst, qAbs(qRed(a) - qRed(b)));
                worst = qMax(worst, qAbs(qGreen(a) - qGreen(b)));
                worst = qMax(worst, qAbs(qBlue(a) - qBlue(b)));
            }
        }
        QVERIFY2(worst <= kResamplingTolerance, qPrintable(QString::number(worst)));
    }

    void abortedBeforeItStartsEmitsNothing()
    {
        auto job = std::make_unique<IQIconReadThread>(path("large.jpg"), 0);
        QSignalSpy spy(job.get(), &IQIconReadThread::readFinished);
        job->abort();
        runOnPool(job.get());
        QCOMPARE(spy.count(), 0);
    }

    void abortedWhileQueuedEmitsNothing()
    {
        // The pool's one thread is held busy, so the jobs wait in its queue while this
        // thread aborts them, as a page does when it empties its list.
        QThreadPool pool;
        pool.setMaxThreadCount(1);
        QSemaphore release;
        pool.start([&release]() { release.acquire(); });
        std::vector<std::unique_ptr<IQIconReadThread>> jobs;
        int emitted = 0;
        for (int i = 0; i < 5; ++i) {
            jobs.push_back(std::make_unique<IQIconReadThread>(path("small.png"), i));
            connect(jobs.back().get(), &IQIconReadThread::readFinished, this,
                    [&emitted]() { ++emitted; }, Qt::DirectConnection);
            jobs.back()->setAutoDelete(false);
            pool.start(jobs.back().get());
        }
        for (auto &job : jobs)
            job->abort();
        release.release();
        pool.waitForDone();
        QCOMPARE(emitted, 0);
    }
};

QTEST_MAIN(tst_IconReadThread)
#include "tst_iconreadthread.moc"
