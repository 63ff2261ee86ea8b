#include <QtTest>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <memory>

#include "BrvTest.h"
#include "ImageFixtures.h"
#include "imaging/IQConvertEngine.h"
#include "settings/IQBatchSettings.h"
#include "workers/IQFramePipeline.h"
#include "writers/IQImageSavingHelper.h"

namespace {

using Result = IQFramePipeline::Result;

const QList<QColor> kColors{Qt::red, Qt::green, Qt::blue, Qt::yellow};
const QList<int> kDelays{100, 100, 100, 100};
constexpr int kWidth = 32;
constexpr int kHeight = 24;
const QByteArray kEarlier("an earlier file");

enum Road { Gif, Webp, Stills };

} // namespace

Q_DECLARE_METATYPE(Result)

class tst_FramePipeline : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir sources;
    QString good() const { return sources.filePath(QStringLiteral("good.gif")); }
    QString broken() const { return sources.filePath(QStringLiteral("broken.gif")); }

    // Runs the road over the source into folder and tells how it went; progress collects
    // what the road reported, stopAfter > 0 stops it after that many frames.
    static Result runRoad(Road road, const QString &source, const QString &folder,
                          IQConvertEngine *engine, int stopAfter, QList<int> *progress)
    {
        IQFramePipeline pipeline(source);
        pipeline.setEngine(engine);
        int written = 0;
        pipeline.setProgress([&](int frames) {
            written = frames;
            progress->append(frames);
        });
        pipeline.setStopCheck([&] { return stopAfter > 0 && written >= stopAfter; });
        if (!pipeline.open())
            return Result::CannotRead;
        const int count = qMax(1, pipeline.frameCount());
        QImage first = pipeline.readFirstFrame();
        const QString animation = folder + QStringLiteral("/out.") + (road == Gif ? "gif" : "webp");
        switch (road) {
        case Gif:
            return pipeline.writeGif(first, count, [&] { return animation; }, 10);
        case Webp:
            return pipeline.writeWebp(first, count, [&] { return animation; }, 100, 90);
        case Stills:
            break;
        }
        IQImageSavingHelper writer;
        return pipeline.writeStills(
            first, count,
            [&](int k) { return folder + QStringLiteral("/out_%1.png").arg(k + 1); },
            [&](const QImage &image, const QString &path) { return writer.save(image, path); });
    }

    static QStringList entries(const QString &folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                      QDir::Name);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(sources.isValid());
        if (!QFileInfo(QStringLiteral("/usr/bin/convert")).isExecutable())
            QSKIP("ImageMagick makes the GIF sources; it is not installed");
        QVERIFY(ImageFixtures::gifWithFrames(good(), kColors, kDelays, kWidth, kHeight));
        QVERIFY(ImageFixtures::gifWithUndecodableFrame(broken(), kColors, kDelays, kWidth,
                                                       kHeight, 2));
    }

    void roads_data()
    {
        QTest::addColumn<int>("road");
        QTest::addColumn<bool>("undecodable");
        QTest::addColumn<int>("stopAfter");
        QTest::addColumn<Result>("result");
        QTest::addColumn<QList<int>>("progress");
        QTest::addColumn<QStringList>("files"); // besides the earlier ones
        const QList<int> all{1, 2, 3, 4};
        const QStringList stills{"out_1.png", "out_2.png", "out_3.png", "out_4.png"};
        QTest::newRow("GIF") << int(Gif) << false << 0 << Result::Written << all
                             << QStringList{"out.gif"};
        QTest::newRow("WebP") << int(Webp) << false << 0 << Result::Written << all
                              << QStringList{"out.webp"};
        QTest::newRow("stills") << int(Stills) << false << 0 << Result::Written << all << stills;
        QTest::newRow("GIF, third frame undecodable")
            << int(Gif) << true << 0 << Result::CannotRead << QList<int>{1, 2} << QStringList();
        QTest::newRow("WebP, third frame undecodable")
            << int(Webp) << true << 0 << Result::CannotRead << QList<int>{1, 2} << QStringList();
        QTest::newRow("stills, third frame undecodable")
            << int(Stills) << true << 0 << Result::CannotRead << QList<int>{1, 2}
            << QStringList();
        QTest::newRow("GIF, stopped after one") << int(Gif) << false << 1 << Result::Stopped
                                                << QList<int>{1} << QStringList();
        QTest::newRow("WebP, stopped after three") << int(Webp) << false << 3 << Result::Stopped
                                                   << QList<int>{1, 2, 3} << QStringList();
        QTest::newRow("stills, stopped after two") << int(Stills) << false << 2 << Result::Stopped
                                                   << QList<int>{1, 2} << QStringList();
    }
    void roads()
    {
        // Each road runs over folders that already hold files at its paths: a finished road
        // replaces them, one that fails or stops leaves them as they were and nothing else.
        QFETCH(int, road);
        QFETCH(bool, undecodable);
        QFETCH(int, stopAfter);
        QFETCH(QStringList, files);
        QTemporaryDir out;
        const QStringList earlier{"out.gif", "out.webp", "out_1.png", "out_3.png"};
        for (const QString &name : earlier) {
            QVERIFY(ImageFixtures::writeBytes(out.filePath(name), kEarlier));
            QVERIFY(QFile::setPermissions(out.filePath(name),
                                          QFile::ReadOwner | QFile::WriteOwner));
        }

        QList<int> progress;
        const Result result = runRoad(Road(road), undecodable ? broken() : good(), out.path(),
                                      nullptr, stopAfter, &progress);
        QTEST(result, "result");
        QTEST(progress, "progress");
        QStringList expected = earlier + files;
        expected.removeDuplicates();
        expected.sort();
        QCOMPARE(entries(out.path()), expected);
        for (const QString &name : earlier) {
            const QString file = out.filePath(name);
            // A replaced file keeps the permissions it had.
            QCOMPARE(QFileInfo(file).permissions() & 0x7777,
                     QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
            if (!files.contains(name))
                QCOMPARE(BrvTest::fileContents(file), kEarlier);
        }
        for (const QString &name : files) {
            QImageReader reader(out.filePath(name));
            const QImage frame = reader.read();
            QCOMPARE(frame.size(), QSize(kWidth, kHeight));
            if (name == QLatin1String("out.gif") || name.endsWith(QLatin1String(".png")))
                QCOMPARE(frame.pixelColor(5, 5),
                         kColors.at(name.endsWith(QLatin1String(".png"))
                                        ? name.mid(4, 1).toInt() - 1
                                        : 0));
        }
    }

    void everyFrameGoesThroughTheEngine()
    {
        IQBatchSettings settings;
        settings.rotateMode = 2; // a quarter turn shows in every frame's size
        IQConvertEngine engine(&settings);
        QTemporaryDir out;
        QList<int> progress;
        QCOMPARE(runRoad(Stills, good(), out.path(), &engine, 0, &progress), Result::Written);
        for (int k = 1; k <= kColors.size(); ++k)
            QCOMPARE(QImage(out.filePath(QStringLiteral("out_%1.png").arg(k))).size(),
                     QSize(kHeight, kWidth));
    }

    // The memory of a source decoded before serves the next first frame of about its size,
    // and shows nothing of that source where the next decoder stops short.
    void frameMemoryIsReusedEmpty_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("reused");
        QTest::newRow("same size") << QSize(64, 48) << true;
        QTest::newRow("a little smaller") << QSize(60, 48) << true;
        QTest::newRow("far smaller") << QSize(16, 12) << false;
        QTest::newRow("larger") << QSize(64, 64) << false;
    }
    void frameMemoryIsReusedEmpty()
    {
        QFETCH(QSize, size);
        QFETCH(bool, reused);
        const QString red = sources.filePath(QStringLiteral("red.bmp"));
        QVERIFY(ImageFixtures::bmp24(red, BrvTest::solidImage(64, 48, Qt::red)));
        // Its headers and a third of its rows.
        const QString cut = sources.filePath(QStringLiteral("cut.bmp"));
        QVERIFY(ImageFixtures::bmp24(cut, BrvTest::solidImage(size.width(), size.height(),
                                                               Qt::blue),
                                     54 + size.width() * 3 * (size.height() / 3)));

        const std::shared_ptr<IQFramePipeline::FrameMemory> memory =
            IQFramePipeline::makeFrameMemory();
        const uchar *bits = nullptr;
        {
            IQFramePipeline first(red);
            first.setFrameMemory(memory);
            QVERIFY(first.open());
            const QImage image = first.readFirstFrame();
            QCOMPARE(image.pixelColor(63, 47), QColor(Qt::red));
            bits = image.constBits();
        }
        IQFramePipeline second(cut);
        second.setFrameMemory(memory);
        QVERIFY(second.open());
        const QImage image = second.readFirstFrame();
        if (image.isNull())
            QSKIP("the image reader gives nothing of a cut bitmap");
        QCOMPARE(image.size(), size);
        if (reused)
            QCOMPARE(image.constBits(), bits);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                QVERIFY(image.pixelColor(x, y) != QColor(Qt::red));
        }
    }

    void sourceOfNoPixelsIsUnreadable()
    {
        // Four zero bytes pass for an image of no pixels, which no frame can be read from.
        const QString path = sources.filePath(QStringLiteral("four.heic"));
        QVERIFY(ImageFixtures::writeBytes(path, QByteArray(4, '\0')));
        IQFramePipeline pipeline(path);
        pipeline.open();
        QVERIFY(pipeline.readFirstFrame().isNull());
    }
};

QTEST_MAIN(tst_FramePipeline)
#include "tst_framepipeline.moc"
