#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

#include "BrvTest.h"
#include "documents/IQFileUtils.h"
#include "ImageFixtures.h"

class tst_FileUtils : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    void writeText(const QString &name, const QByteArray &bytes)
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(BrvTest::loadEnglishTranslation());
        QVERIFY(BrvTest::gradientImage(8, 8).save(path("photo.png")));
        QVERIFY(BrvTest::gradientImage(8, 8).save(path("photo.jpg")));
        // A PNG whose name says JPEG.
        QVERIFY(BrvTest::gradientImage(8, 8).save(path("misnamed.jpg"), "PNG"));
        writeText("notes.txt", "just some words\n");
        writeText("fake.png", "this is no picture at all\n");
    }

    void suffixTests_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("heic");
        QTest::addColumn<bool>("raw");
        QTest::newRow("heic") << "a.heic" << true << false;
        QTest::newRow("upper HEIC") << "IMG_1.HEIC" << true << false;
        QTest::newRow("Heifs") << "x/y/burst.Heifs" << true << false;
        QTest::newRow("heics") << "b.heics" << true << false;
        QTest::newRow("heif") << "c.heif" << true << false;
        QTest::newRow("heic.jpg") << "d.heic.jpg" << false << false;
        QTest::newRow("no suffix") << "heic" << false << false;
        QTest::newRow("nef") << "e.NEF" << false << true;
        QTest::newRow("cr3") << "f.cr3" << false << true;
        QTest::newRow("dng") << "g.dng" << false << true;
        QTest::newRow("jpg") << "h.jpg" << false << false;
    }
    void suffixTests()
    {
        QFETCH(QString, name);
        QFETCH(bool, heic);
        QFETCH(bool, raw);
        QCOMPARE(IQFileUtils::isHeic(name), heic);
        QCOMPARE(IQFileUtils::isRaw(name), raw);
    }

    void isSupported_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("supported");
        QTest::newRow("png") << "photo.png" << true;
        QTest::newRow("jpeg") << "photo.jpg" << true;
        QTest::newRow("png named jpg") << "misnamed.jpg" << true;
        QTest::newRow("text") << "notes.txt" << false;
        QTest::newRow("missing file with an image name") << "absent.png" << true;
    }
    void isSupported()
    {
        QFETCH(QString, name);
        QFETCH(bool, supported);
        QCOMPARE(IQFileUtils::isSupported(path(name)), supported);
    }

    void checkSource_data()
    {
        using Check = IQFileUtils::SourceCheck;
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("check");
        const QImage photo = BrvTest::gradientImage(64, 48);
        QVERIFY(ImageFixtures::bmp24(path("whole.bmp"), photo));
        QVERIFY(ImageFixtures::bmp24(path("cut in its rows.bmp"), photo, 54 + 64 * 3 * 20));
        QVERIFY(ImageFixtures::bmp24(path("cut in its header.bmp"), photo, 20));
        QImage topDown = photo.convertToFormat(QImage::Format_RGB888);
        QVERIFY(ImageFixtures::bmp24(path("top-down.bmp"), topDown));
        {
            // A negative height: rows stored top to bottom, as long as the other way round.
            QFile file(path("top-down.bmp"));
            QVERIFY(file.open(QIODevice::ReadWrite));
            file.seek(22);
            const qint32 height = -48;
            file.write(reinterpret_cast<const char *>(&height), 4);
        }
        QVERIFY(ImageFixtures::pngWithClaimedSize(path("claims 40000.png"), 40000, 40000));
        QVERIFY(ImageFixtures::pngWithClaimedSize(path("claims 32768 x 8000.png"), 32768, 7812));
        QVERIFY(ImageFixtures::pngWithClaimedSize(path("claims 32769 x 1.png"), 32769, 1));
        QVERIFY(ImageFixtures::animatedWebpWithClaimedCanvas(path("canvas.webp"), 16383, 16383));
        QVERIFY(ImageFixtures::fifo(path("y.gif")));
        QVERIFY(QFile::link(path("y.gif"), path("link to a fifo.png")));
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder.png")));

        QTest::newRow("photo") << "photo.png" << int(Check::Readable);
        QTest::newRow("whole bitmap") << "whole.bmp" << int(Check::Readable);
        QTest::newRow("top-down bitmap") << "top-down.bmp" << int(Check::Readable);
        QTest::newRow("bitmap cut in its rows") << "cut in its rows.bmp" << int(Check::Unreadable);
        QTest::newRow("bitmap cut in its header") << "cut in its header.bmp"
                                                  << int(Check::Unreadable);
        QTest::newRow("no picture") << "fake.png" << int(Check::Readable);
        QTest::newRow("missing") << "absent.png" << int(Check::Unreadable);
        QTest::newRow("FIFO") << "y.gif" << int(Check::Unreadable);
        QTest::newRow("link to a FIFO") << "link to a fifo.png" << int(Check::Unreadable);
        QTest::newRow("folder") << "folder.png" << int(Check::Unreadable);
        QTest::newRow("header claims 40000 x 40000") << "claims 40000.png" << int(Check::TooLarge);
        QTest::newRow("just under 256 megapixels") << "claims 32768 x 8000.png"
                                                   << int(Check::Readable);
        QTest::newRow("one side too long") << "claims 32769 x 1.png" << int(Check::TooLarge);
        QTest::newRow("canvas claims 16383 x 16383") << "canvas.webp" << int(Check::TooLarge);
    }
    void checkSource()
    {
        QFETCH(QString, name);
        QFETCH(int, check);
        QCOMPARE(int(IQFileUtils::checkSource(path(name))), check);
    }

    void textNamedPngFollowsTheMimeDatabase()
    {
        // Name and content disagree: the settled type decides, whatever it is.
        const QString settled = QMimeDatabase().mimeTypeForFile(path("fake.png")).name();
        bool listed = false;
        for (const QByteArray &mime : QImageReader::supportedMimeTypes())
            listed = listed || settled == QString::fromLatin1(mime);
        QCOMPARE(IQFileUtils::isSupported(path("fake.png")), listed);
    }

    void imageFileFilter_data()
    {
        QTest::addColumn<QList<QByteArray>>("formats");
        QTest::addColumn<QString>("filter");
        QTest::newRow("none") << QList<QByteArray>() << "All Images ()";
        QTest::newRow("jpeg adds jpg")
            << QList<QByteArray>{"jpeg", "png"} << "All Images (*.jpeg *.jpg *.png )";
        QTest::newRow("left out")
            << QList<QByteArray>{"bmp", "heic", "HEIF", "tiff", "svg", "ico", "xpm", "tga", "gif"}
            << "All Images (*.bmp *.gif )";
        QTest::newRow("lower-cased") << QList<QByteArray>{"WEBP"} << "All Images (*.webp )";
        QTest::newRow("jpg alone") << QList<QByteArray>{"jpg"} << "All Images (*.jpg )";
    }
    void imageFileFilter()
    {
        QFETCH(QList<QByteArray>, formats);
        QFETCH(QString, filter);
        QCOMPARE(IQFileUtils::imageFileFilter(formats), filter);
    }

    void installedFormatsFilter()
    {
        const QString filter = IQFileUtils::imageFileFilter(QImageReader::supportedImageFormats());
        QVERIFY(filter.startsWith("All Images (*."));
        QVERIFY(filter.contains("*.jpg "));
        QVERIFY(filter.contains("*.webp "));
        QVERIFY(!filter.contains("heic"));
        QVERIFY(filter.endsWith(" )"));
    }

    void mimeList()
    {
        QCOMPARE(IQFileUtils::buildMimeList(),
                 QStringList({"image/jpeg", "image/png", "image/bmp"}));
        QVERIFY(IQFileUtils::isListedMimeType("IMAGE/PNG"));
        QVERIFY(!IQFileUtils::isListedMimeType("image/gif"));
        QCOMPARE(IQFileUtils::openFileFilter(), QStringLiteral("(*.jpg *.jpeg *.png *.bmp )"));
    }

    void uniqueFilePath()
    {
        QTemporaryDir dir;
        const QString folder = dir.path();
        QCOMPARE(IQFileUtils::uniqueFilePath("a.b.png", folder), folder + "/a.b.png");
        QFile(folder + "/a.b.png").open(QIODevice::WriteOnly);
        QCOMPARE(IQFileUtils::uniqueFilePath("a.b.png", folder), folder + "/a.b_1.png");
        QFile(folder + "/a.b_1.png").open(QIODevice::WriteOnly);
        QCOMPARE(IQFileUtils::uniqueFilePath("a.b.png", folder), folder + "/a.b_2.png");
        // A name with "%1" in it is kept as it is.
        QFile(folder + "/50%1.jpg").open(QIODevice::WriteOnly);
        QCOMPARE(IQFileUtils::uniqueFilePath("50%1.jpg", folder), folder + "/50%1_1.jpg");
    }

    void folderDialog()
    {
        QString chosen = QStringLiteral("untouched");
        QString title;
        bool directoryMode = false;
        BrvTest::answerNextModal([&](QWidget *w) {
            auto *dialog = qobject_cast<QFileDialog *>(w);
            title = dialog->windowTitle();
            directoryMode = dialog->fileMode() == QFileDialog::Directory
                            && dialog->testOption(QFileDialog::ShowDirsOnly);
            BrvTest::acceptFileDialog(dialog, m_dir.path(), QString());
        });
        QCOMPARE(IQFileUtils::getExistingDirectory(nullptr, &chosen, m_dir.path()), 1);
        QCOMPARE(title, QStringLiteral("Select Folder"));
        QVERIFY(directoryMode);
        QCOMPARE(QFileInfo(chosen).canonicalFilePath(), QFileInfo(m_dir.path()).canonicalFilePath());

        // Cancelling returns 0 but still writes the out string.
        chosen = QStringLiteral("untouched");
        BrvTest::answerNextModal([](QWidget *w) { qobject_cast<QDialog *>(w)->reject(); });
        QCOMPARE(IQFileUtils::getExistingDirectory(nullptr, &chosen, m_dir.path()), 0);
        QVERIFY(chosen != QStringLiteral("untouched"));
    }

    void openImagesDialog()
    {
        QStringList files = {"kept"};
        BrvTest::answerNextModal([](QWidget *w) { qobject_cast<QDialog *>(w)->reject(); });
        QCOMPARE(IQFileUtils::getOpenImageFileNames(nullptr, &files, m_dir.path(),
                                                    QFileDialog::ExistingFiles),
                 0);
        QCOMPARE(files, QStringList{"kept"});

        QString title;
        QStringList filters;
        BrvTest::answerNextModal([&](QWidget *w) {
            auto *dialog = qobject_cast<QFileDialog *>(w);
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            BrvTest::acceptFileDialog(dialog, m_dir.path(), QStringLiteral("photo.png"));
        });
        QCOMPARE(IQFileUtils::getOpenImageFileNames(nullptr, &files, m_dir.path(),
                                                    QFileDialog::ExistingFiles),
                 1);
        QCOMPARE(title, QStringLiteral("Open File"));
        QCOMPARE(filters.size(), 1);
        QVERIFY(filters.first().startsWith("All Images ("));
        QCOMPARE(files.size(), 1);
        QCOMPARE(QFileInfo(files.first()).fileName(), QStringLiteral("photo.png"));
    }
};

QTEST_MAIN(tst_FileUtils)
#include "tst_fileutils.moc"
