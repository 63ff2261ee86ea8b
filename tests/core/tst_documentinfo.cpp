#include <QtTest>

#include <QDir>
#include <QImageIOHandler>
#include <QImageWriter>
#include <QTemporaryDir>

#include "BrvTest.h"
#include "documents/DocumentInfo.h"
#include "documents/IQImageFile.h"
#include "ImageFixtures.h"

namespace {

const QList<QColor> kThreeColors = {Qt::red, Qt::green, Qt::blue};

} // namespace

class tst_DocumentInfo : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        using namespace ImageFixtures;
        QVERIFY(m_dir.isValid());
        const QImage picture = BrvTest::gradientImage(16, 12);
        QVERIFY(QDir(m_dir.path()).mkdir("folder"));
        QVERIFY(picture.save(path("photo.png")));
        QVERIFY(pngWithAcTLChunk(path("animated.png"), picture));
        QVERIFY(gifWithFrames(path("one.gif"), {Qt::red}, {100}, 8, 8));
        QVERIFY(gifWithFrames(path("three.gif"), kThreeColors, {100, 100, 100}, 8, 8));
        QVERIFY(stillWebp(path("lossy.webp"), WebpKind::Lossy, 8, 8));
        QVERIFY(stillWebp(path("lossless.webp"), WebpKind::Lossless, 8, 8));
        QVERIFY(stillWebp(path("alpha.webp"), WebpKind::Alpha, 8, 8));
        QVERIFY(animatedWebp(path("animated.webp"), kThreeColors, {50, 60, 70}, 8, 8));
        QVERIFY(picture.save(path("photo.bmp")));
        QVERIFY(QImageWriter(path("photo.heic"), "heic").write(picture));
        QVERIFY(jpegWithOrientation(path("rotated.jpg"), picture, 6));
        QVERIFY(picture.save(path("png-named.jpg"), "PNG"));
        QVERIFY(QFile::copy(path("animated.webp"), path("webp-named.png")));
        QVERIFY(QFile::copy(path("three.gif"), path("GIF-NAMED.WEBP")));
        // "RIFF", size, "WEBP", then a "VP8X" tag that ends before its size...
        QVERIFY(writeBytes(path("header-only.webp"), QByteArray("RIFF\x10\0\0\0WEBPVP8X", 16)));
        // ...and an animated file cut off just before its flags byte.
        QVERIFY(truncatedCopy(path("animated.webp"), path("no-flags.webp"), 20));
        QVERIFY(writeBytes(path("notes.JFIF"), "no picture here\n"));
        QVERIFY(writeBytes(path("README"), "no picture here\n"));
    }

    void sniffing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("mime");
        QTest::addColumn<int>("transformation");

        const int none = int(QImageIOHandler::TransformationNone);
        QTest::newRow("folder") << "folder" << 0 << "" << "" << none;
        QTest::newRow("missing") << "missing.png" << 0 << "" << "" << none;
        QTest::newRow("png") << "photo.png" << 1 << "png" << "image/png" << none;
        // No installed plug-in reads APNG frames, so an APNG stays a still PNG.
        QTest::newRow("png with acTL") << "animated.png" << 1 << "png" << "image/png" << none;
        QTest::newRow("one-frame gif") << "one.gif" << 2 << "gif" << "image/gif" << none;
        QTest::newRow("animated gif") << "three.gif" << 2 << "gif" << "image/gif" << none;
        QTest::newRow("lossy webp") << "lossy.webp" << 1 << "webp" << "image/webp" << none;
        QTest::newRow("lossless webp") << "lossless.webp" << 1 << "webp" << "image/webp" << none;
        QTest::newRow("alpha webp (VP8X)") << "alpha.webp" << 1 << "webp" << "image/webp" << none;
        QTest::newRow("animated webp") << "animated.webp" << 2 << "webp" << "image/webp" << none;
        QTest::newRow("bmp") << "photo.bmp" << 1 << "bmp" << "image/bmp" << none;
        QTest::newRow("heic") << "photo.heic" << 1 << "heic" << "image/heif" << none;
        QTest::newRow("png named jpg") << "png-named.jpg" << 1 << "png" << "image/png" << none;
        QTest::newRow("webp named png") << "webp-named.png" << 2 << "webp" << "image/webp" << none;
        QTest::newRow("gif named WEBP") << "GIF-NAMED.WEBP" << 2 << "gif" << "image/gif" << none;
        QTest::newRow("riff header only") << "header-only.webp" << 1 << "webp" << "image/webp"
                                          << none;
        QTest::newRow("vp8x without flags") << "no-flags.webp" << 1 << "webp" << "image/webp"
                                            << none;
        QTest::newRow("jpeg, orientation 6")
            << "rotated.jpg" << 1 << "jpg" << "image/jpeg"
            << int(QImageIOHandler::TransformationRotate90);
        QTest::newRow("JFIF suffix, other content") << "notes.JFIF" << 1 << "jpg" << "text/plain"
                                                    << none;
        QTest::newRow("no suffix, other content") << "README" << 1 << "" << "text/plain" << none;
    }
    void sniffing()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(QString, format);
        QFETCH(QString, mime);
        QFETCH(int, transformation);

        if (kind == 0) {
            QTest::ignoreMessage(QtDebugMsg,
                                 QRegularExpression(QStringLiteral("^FileInfo: cannot open: .*")
                                                    + QRegularExpression::escape(name)));
        }
        const DocumentInfo document(path(name));
        QCOMPARE(document.kind(), kind);
        QCOMPARE(document.format(), format);
        QCOMPARE(document.mimeType().isValid(), !mime.isEmpty());
        if (!mime.isEmpty())
            QCOMPARE(document.mimeType().name(), mime);
        QCOMPARE(document.transformation(), transformation);
    }

    void animationControlChunk_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("found");
        QTest::newRow("spliced") << "animated.png" << true;
        QTest::newRow("plain png") << "photo.png" << false;
        QTest::newRow("missing") << "missing.png" << false;
    }
    void animationControlChunk()
    {
        QFETCH(QString, name);
        QFETCH(bool, found);
        QCOMPARE(DocumentInfo::hasAnimationControlChunk(path(name)), found);
    }

    void animatedWebpFlag_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("animated");
        const QByteArray header("RIFF\x20\0\0\0WEBPVP8X\x0a\0\0\0", 20);
        QTest::newRow("animation flag") << header + '\x02' << true;
        QTest::newRow("animation among others") << header + '\x3e' << true;
        QTest::newRow("alpha flag only") << header + '\x10' << false;
        QTest::newRow("ends before the flags") << header << false;
        QTest::newRow("ends inside the chunk size") << header.left(18) << false;
        QTest::newRow("ends inside the tag") << header.left(14) << false;
        QTest::newRow("ends inside the riff header") << header.left(6) << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("VP8L first chunk")
            << QByteArray("RIFF\x20\0\0\0WEBPVP8L\x0a\0\0\0\x02", 21) << false;
    }
    void animatedWebpFlag()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, animated);
        const QString file = path("flag.webp");
        QVERIFY(ImageFixtures::writeBytes(file, bytes));
        QCOMPARE(DocumentInfo::isAnimatedWebp(file), animated);
    }

    void fileInformation()
    {
        const QString file = path("info.v1.png");
        QVERIFY(BrvTest::gradientImage(4, 4).save(file));
        DocumentInfo document(file);
        QCOMPARE(document.absoluteFilePath(), QFileInfo(file).absoluteFilePath());
        QCOMPARE(document.absolutePath(), QFileInfo(m_dir.path()).absoluteFilePath());
        QCOMPARE(document.fileName(), QStringLiteral("info.v1.png"));
        QCOMPARE(document.baseName(), QStringLiteral("info"));
        const qint64 firstSize = document.size();
        QCOMPARE(firstSize, QFileInfo(file).size());

        // The information is read once; only refresh looks at the disk again.
        QVERIFY(BrvTest::noiseImage(64, 64).save(file));
        QCOMPARE(document.size(), firstSize);
        document.refresh();
        QCOMPARE(document.size(), QFileInfo(file).size());
        QCOMPARE(document.lastModified(), QFileInfo(file).lastModified());
        QCOMPARE(document.kind(), 1);

        document.setKind(2);
        QCOMPARE(document.kind(), 2);
    }

    void imageFile()
    {
        IQImageFile picture(path("photo.png"));
        QCOMPARE(picture.frameCount, 0);
        QCOMPARE(picture.duration, 100);
        QCOMPARE(picture.absoluteFilePath(), QFileInfo(path("photo.png")).absoluteFilePath());
        QVERIFY(picture.reader());
        QVERIFY(picture.reader());

        IQImageFile text(path("README"));
        QVERIFY(!text.reader());
        QCOMPARE(text.kind(), 1);
    }
};

QTEST_MAIN(tst_DocumentInfo)
#include "tst_documentinfo.moc"
