#include <QtTest>

#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include <atomic>
#include <thread>
#include <vector>

#include "BrvTest.h"
#include "ImageFixtures.h"
#include "documents/IQDamageCheck.h"

namespace {

using Damage = ImageFixtures::JpegDamage;

const QString kIdentify = QStringLiteral("/usr/bin/identify");

// ImageMagick's verdict: it refuses a file when reading it fails or warns of anything but the
// end-of-image marker that the file lacks, which costs no picture.
bool imageMagickRefuses(const QString &path)
{
    QProcess identify;
    identify.start(kIdentify, {QStringLiteral("-regard-warnings"), path});
    if (!identify.waitForFinished(60000))
        return true;
    if (identify.exitStatus() == QProcess::NormalExit && identify.exitCode() == 0)
        return false;
    const QStringList warnings = QString::fromLocal8Bit(identify.readAllStandardError())
                                     .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (warnings.isEmpty())
        return true;
    for (const QString &warning : warnings) {
        if (!warning.contains(QLatin1String("Premature end of JPEG file")))
            return true;
    }
    return false;
}

} // namespace

class tst_DamageCheck : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }

    void addJpeg(const char *row, Damage damage, bool progressive, bool damaged, bool refused)
    {
        const QString name = QString::fromLatin1(row) + QStringLiteral(".jpg");
        QVERIFY(ImageFixtures::photoJpeg(path(name), 640, 480, damage, progressive));
        QTest::newRow(row) << name << damaged << refused;
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }

    // damaged: what the check says; refused: whether the program takes the file at all, the
    // check and the reader together. ImageMagick must agree with the latter.
    void verdicts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<bool>("refused");

        addJpeg("whole", Damage::None, false, false, false);
        addJpeg("cut at 40 %", Damage::CutAt40, false, true, true);
        addJpeg("cut at 90 %", Damage::CutAt90, false, true, true);
        addJpeg("no end-of-image marker", Damage::NoEndMarker, false, false, false);
        addJpeg("bytes after the end-of-image marker", Damage::TrailingBytes, false, false, false);
        addJpeg("progressive, whole", Damage::None, true, false, false);
        addJpeg("progressive, cut at 40 %", Damage::CutAt40, true, true, true);
        addJpeg("progressive, cut at 90 %", Damage::CutAt90, true, true, true);
        addJpeg("progressive, no end-of-image marker", Damage::NoEndMarker, true, false, false);

        QVERIFY(ImageFixtures::truncatedCopy(path("whole.jpg"), path("header only.jpg"), 300));
        QTest::newRow("cut in its header") << "header only.jpg" << false << true;
        // An EXIF block holds bytes that look like markers; they are skipped with it.
        QVERIFY(ImageFixtures::jpegWithOrientation(
            path("with EXIF.jpg"), ImageFixtures::photoLikeImage(64, 48), 6));
        QTest::newRow("EXIF block") << "with EXIF.jpg" << false << false;

        QVERIFY(ImageFixtures::photoLikeImage(300, 200).save(path("whole.png")));
        QFile png(path("whole.png"));
        QVERIFY(png.open(QIODevice::ReadOnly));
        QVERIFY(ImageFixtures::truncatedCopy(path("whole.png"), path("cut.png"),
                                             int(png.size() * 60 / 100)));
        QTest::newRow("PNG, whole") << "whole.png" << false << false;
        QTest::newRow("PNG cut in its image data") << "cut.png" << false << true;
    }
    void verdicts()
    {
        QFETCH(QString, name);
        QFETCH(bool, damaged);
        QFETCH(bool, refused);
        const QString file = path(name);
        QCOMPARE(IQDamageCheck::isDamaged(file), damaged);
        const bool weRefuse = IQDamageCheck::isDamaged(file) || QImageReader(file).read().isNull();
        QCOMPARE(weRefuse, refused);
        if (!QFileInfo(kIdentify).isExecutable())
            QSKIP("ImageMagick's identify is not installed: its verdict cannot be compared");
        QCOMPARE(imageMagickRefuses(file), weRefuse);
    }

    void notAJpeg_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("start-of-image marker only") << QByteArray("\xFF\xD8", 2);
        QTest::newRow("text") << QByteArray("not a picture at all\n");
        QTest::newRow("markers and nothing else") << QByteArray("\xFF\xD8\xFF\xD9", 4);
    }
    void notAJpeg()
    {
        QFETCH(QByteArray, bytes);
        const QString file = path(QStringLiteral("odd.jpg"));
        QVERIFY(ImageFixtures::writeBytes(file, bytes));
        QVERIFY(!IQDamageCheck::isDamaged(file));
        QVERIFY(!IQDamageCheck::isDamaged(path(QStringLiteral("absent.jpg"))));
    }

    // The batch checks its sources on several threads at once; each verdict is its own file's.
    void parallelChecksKeepTheirVerdicts()
    {
        QVERIFY(ImageFixtures::photoJpeg(path("p whole.jpg"), 800, 600, Damage::NoEndMarker));
        QVERIFY(ImageFixtures::photoJpeg(path("p cut.jpg"), 800, 600, Damage::CutAt90));
        std::atomic<int> wrong{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < 8; ++t) {
            threads.emplace_back([&, t] {
                for (int k = 0; k < 6; ++k) {
                    const bool cut = (t + k) % 2 == 0;
                    if (IQDamageCheck::isDamaged(path(cut ? "p cut.jpg" : "p whole.jpg")) != cut)
                        ++wrong;
                }
            });
        }
        for (std::thread &thread : threads)
            thread.join();
        QCOMPARE(wrong.load(), 0);
    }
};

QTEST_MAIN(tst_DamageCheck)
#include "tst_damagecheck.moc"
