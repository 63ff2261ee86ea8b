#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "BrvTest.h"
#include "settings/IQBatchSettings.h"
#include "settings/IQSettings.h"

// Each test run has a fresh home, so the first access sees no preference file.
class tst_Settings : public QObject
{
    Q_OBJECT

private:
    static QString pictures()
    {
        return QStandardPaths::standardLocations(QStandardPaths::PicturesLocation).value(0);
    }
    static QString iniText()
    {
        return QString::fromUtf8(BrvTest::fileContents(IQSettings::instance()->fileName()));
    }
    static void writeRaw(const QString &key, const QString &value)
    {
        QSettings raw(IQSettings::instance()->fileName(), QSettings::IniFormat);
        raw.setValue(key, value);
        raw.sync();
    }

private slots:
    void firstRunDefaults()
    {
        IQSettings *s = IQSettings::instance();
        QVERIFY(!QFile::exists(s->fileName()));
        QCOMPARE(s->quality(), 90);
        QCOMPARE(s->webpQuality(), 90);
        QCOMPARE(s->overwrite(), 1);
        QCOMPARE(s->showGuide(), 1);
        QCOMPARE(s->combineAsGif(), 1);
        QCOMPARE(s->lastSaveDir(), QString());
        QVERIFY(!pictures().isEmpty());
        QCOMPARE(s->lastOpenDir(), pictures());
        QCOMPARE(s->lastBatchDir(), pictures());
        QCOMPARE(QFileInfo(s->fileName()).fileName(), QStringLiteral("IQSettings.ini"));
        QCOMPARE(QFileInfo(s->fileName()).absolutePath(),
                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        // Reading alone writes no file.
        QVERIFY(!QFile::exists(s->fileName()));
    }

    void batchRecordDefaults()
    {
        const IQBatchSettings record;
        QCOMPARE(record.format, 0);
        QCOMPARE(record.overwrite, false);
        QCOMPARE(record.duration, 100);
        QCOMPARE(record.quality, 90);
        QCOMPARE(record.webpQuality, 90);
        QCOMPARE(record.outputDir, pictures());
        QVERIFY(record.resizeEnabled && record.renameEnabled && record.rotateEnabled);
        QVERIFY(record.borderEnabled && record.textEnabled && record.stampEnabled);
        QCOMPARE(record.resizeMode, 0);
        QCOMPARE(record.resizePercent, 100);
        QCOMPARE(record.resolution, 96);
        QCOMPARE(record.enlarge, false);
        QCOMPARE(record.startNumber, 1);
        QCOMPARE(record.borderWidth, 0);
        QCOMPARE(record.borderColor, QColor(Qt::black));
        QCOMPARE(record.textColor, QColor(Qt::black));
        QCOMPARE(record.textPixelSize, 28);
        QCOMPARE(record.textSizeMode, 1);
        QCOMPARE(record.textRatio, 0.1);
        QCOMPARE(record.textPosition, int(IQWatermarkPosition::BottomRight));
        QCOMPARE(record.textFont, QFont());
        QVERIFY(record.stampImage.isNull());
        QCOMPARE(record.stampOpacity, 255);
        QCOMPARE(record.stampScale, 100);
        QCOMPARE(record.stampPosition, int(IQWatermarkPosition::TopLeft));
        QVERIFY(!record.flipX && !record.flipY);
        QCOMPARE(IQBatchSettings::instance(), IQBatchSettings::instance());
    }

    void settersWriteAtOnce()
    {
        IQSettings *s = IQSettings::instance();
        s->setQuality(75);
        // Another reader of the file sees the value without any save at exit.
        QSettings raw(s->fileName(), QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("batch/quality")).toString(), QStringLiteral("75"));
        QVERIFY(iniText().contains(QStringLiteral("[batch]")));
        QVERIFY(iniText().contains(QStringLiteral("quality=75")));
        QCOMPARE(s->quality(), 75);

        s->setWebpQuality(42);
        s->setOverwrite(0);
        s->setShowGuide(0);
        s->setCombineAsGif(0);
        s->setLastSaveDir(QStringLiteral("/nowhere/at/all"));
        QCOMPARE(s->webpQuality(), 42);
        QCOMPARE(s->overwrite(), 0);
        QCOMPARE(s->showGuide(), 0);
        QCOMPARE(s->combineAsGif(), 0);
        // No fallback for the save folder: it is returned as stored.
        QCOMPARE(s->lastSaveDir(), QStringLiteral("/nowhere/at/all"));
        QVERIFY(iniText().contains(QStringLiteral("[app]")));
    }

    void storedNumbers_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("decimal") << QStringLiteral("64") << 64;
        QTest::newRow("not a number") << QStringLiteral("abc") << 0;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("out of range stays as stored") << QStringLiteral("250") << 250;
        QTest::newRow("negative") << QStringLiteral("-3") << -3;
    }
    void storedNumbers()
    {
        QFETCH(QString, stored);
        QFETCH(int, expected);
        writeRaw(QStringLiteral("batch/quality"), stored);
        writeRaw(QStringLiteral("batch/webpquality"), stored);
        QCOMPARE(IQSettings::instance()->quality(), expected);
        QCOMPARE(IQSettings::instance()->webpQuality(), expected);
        IQBatchSettings record;
        QCOMPARE(record.quality, expected);
        QCOMPARE(record.webpQuality, expected);
    }

    void folderFallback()
    {
        IQSettings *s = IQSettings::instance();
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        s->setLastBatchDir(dir.path());
        s->setLastOpenDir(dir.path());
        QCOMPARE(s->lastBatchDir(), dir.path());
        QCOMPARE(s->lastOpenDir(), dir.path());
        QCOMPARE(IQBatchSettings().outputDir, dir.path());

        const QString gone = dir.path();
        dir.remove();
        QCOMPARE(s->lastBatchDir(), pictures());
        QCOMPARE(s->lastOpenDir(), pictures());
        // The stored text stays as it was.
        QSettings raw(s->fileName(), QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("batch/lastBatchDir")).toString(), gone);

        // A file is not a folder.
        QTemporaryFile file;
        QVERIFY(file.open());
        s->setLastBatchDir(file.fileName());
        QCOMPARE(s->lastBatchDir(), pictures());
    }

    void overwriteIsNotLoaded()
    {
        IQSettings::instance()->setOverwrite(1);
        QCOMPARE(IQBatchSettings().overwrite, false);
    }

    void suffixTable_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("jpeg") << 0 << "jpg";
        QTest::newRow("png") << 1 << "png";
        QTest::newRow("bmp") << 2 << "bmp";
        QTest::newRow("gif") << 3 << "gif";
        QTest::newRow("webp") << 4 << "webp";
        QTest::newRow("5") << 5 << "jpg";
        QTest::newRow("-1") << -1 << "jpg";
    }
    void suffixTable()
    {
        QFETCH(int, format);
        QFETCH(QString, suffix);
        IQBatchSettings record;
        record.format = format;
        QCOMPARE(record.outputSuffix(), suffix);
    }
};

QTEST_MAIN(tst_Settings)
#include "tst_settings.moc"
