#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

#include "BrvTest.h"
#include "FindNamed.h"
#include "IQBatchDialog.h"
#include "settings/IQBatchSettings.h"
#include "settings/IQSettings.h"

using BrvTest::findNamed;

// The dialog writes into the one process-wide record, so every test starts by putting the
// fields it looks at back to known values.
class tst_BatchDialog : public QObject
{
    Q_OBJECT

private:
    IQBatchSettings *record = IQBatchSettings::instance();

    static QVariant stored(const QString &key)
    {
        QSettings raw(IQSettings::instance()->fileName(), QSettings::IniFormat);
        return raw.value(key);
    }
    static void storeRaw(const QString &key, const QString &value)
    {
        QSettings raw(IQSettings::instance()->fileName(), QSettings::IniFormat);
        raw.setValue(key, value);
        raw.sync();
    }
    void resetRecord(const QString &outputDir)
    {
        record->format = IQOutputFormat::Webp;
        record->quality = 90;
        record->webpQuality = 75;
        record->duration = 500;
        record->overwrite = false;
        record->outputDir = outputDir;
    }
    // Presses Convert and returns the text of the warning it raises, empty when none.
    static QString convertAndReadWarning(IQBatchDialog &dialog)
    {
        return BrvTest::clickAndReadWarning(&dialog,
                                            findNamed<QPushButton>(&dialog, "convertButton"));
    }

    QTemporaryDir outDir;

private slots:
    void initTestCase()
    {
        QApplication::setApplicationDisplayName(QStringLiteral("Brivane WebP"));
        BrvTest::useProgramFont();
        QVERIFY(BrvTest::loadEnglishTranslation());
        BrvTest::applyDarkStyle();
        QVERIFY(outDir.isValid());
    }

    void init() { resetRecord(outDir.path()); }

    void opensOnJpegWithEnglishTexts()
    {
        IQBatchDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Batch"));
        QCOMPARE(findNamed<QPushButton>(&dialog, "convertButton")->text(),
                 QStringLiteral("Convert"));
        QCOMPARE(findNamed<QCheckBox>(&dialog, "overwriteCheck")->text(),
                 QStringLiteral("Overwrites exist files"));
        QCOMPARE(record->format, int(IQOutputFormat::Jpeg));
        QCOMPARE(findNamed<QComboBox>(&dialog, "formatComboBox")->count(), 5);
        QCOMPARE(findNamed<QLineEdit>(&dialog, "outputEdit")->text(), outDir.path());

        // The duration opens at 100 whatever the record held.
        auto *duration = findNamed<QSpinBox>(&dialog, "durationSpinBox");
        QCOMPARE(record->duration, 100);
        QCOMPARE(duration->minimum(), 50);
        QCOMPARE(duration->maximum(), 1000);
        duration->setValue(300);
        QCOMPARE(record->duration, 300);
    }

    void formatTable_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("options");
        QTest::addColumn<bool>("quality");
        QTest::addColumn<bool>("duration");
        QTest::addColumn<int>("slider");

        // PNG, BMP and GIF leave the slider at JPEG's quality.
        QTest::newRow("JPEG") << 0 << true << true << false << 90;
        QTest::newRow("PNG") << 1 << false << false << false << 90;
        QTest::newRow("BMP") << 2 << false << false << false << 90;
        QTest::newRow("GIF") << 3 << true << false << true << 90;
        QTest::newRow("WEBP") << 4 << true << true << true << 75;
    }

    void formatTable()
    {
        QFETCH(int, format);
        IQBatchDialog dialog;
        dialog.show();
        findNamed<QComboBox>(&dialog, "formatComboBox")->setCurrentIndex(format);

        QCOMPARE(record->format, format);
        QTEST(findNamed<QWidget>(&dialog, "formatOptionFrame")->isVisibleTo(&dialog), "options");
        QTEST(findNamed<QWidget>(&dialog, "qualityFrame")->isVisibleTo(&dialog), "quality");
        QTEST(findNamed<QWidget>(&dialog, "durationFrame")->isVisibleTo(&dialog), "duration");
        QTEST(findNamed<QSlider>(&dialog, "qualitySlider")->value(), "slider");
        QCOMPARE(findNamed<QLabel>(&dialog, "qualityLabel")->text(),
                 QString::number(findNamed<QSlider>(&dialog, "qualitySlider")->value()));
        BrvTest::saveScreenshot(&dialog, QStringLiteral("batchdialog-%1")
                                             .arg(QString::fromLatin1(QTest::currentDataTag())));
    }

    void jpegAndWebpQualitiesKeptApart()
    {
        {
            IQBatchDialog dialog;
            auto *combo = findNamed<QComboBox>(&dialog, "formatComboBox");
            auto *slider = findNamed<QSlider>(&dialog, "qualitySlider");
            QCOMPARE(slider->value(), 90);
            slider->setValue(60);
            combo->setCurrentIndex(IQOutputFormat::Webp);
            QCOMPARE(slider->value(), 75);
            slider->setValue(80);
            QCOMPARE(record->quality, 60);
            QCOMPARE(record->webpQuality, 80);
            combo->setCurrentIndex(IQOutputFormat::Gif);
            slider->setValue(45); // hidden for GIF; stores nothing
            combo->setCurrentIndex(IQOutputFormat::Jpeg);
            QCOMPARE(slider->value(), 60);
            QCOMPARE(findNamed<QLabel>(&dialog, "qualityLabel")->text(), QStringLiteral("60"));
            combo->setCurrentIndex(IQOutputFormat::Webp);
            QCOMPARE(slider->value(), 80);
        }
        // Reopening after a WebP run starts on JPEG with JPEG's quality.
        IQBatchDialog dialog;
        QCOMPARE(record->format, int(IQOutputFormat::Jpeg));
        QCOMPARE(findNamed<QSlider>(&dialog, "qualitySlider")->value(), 60);
    }

    void storedQualityOutsideSliderIsNotUsed_data()
    {
        QTest::addColumn<QString>("storedText");
        QTest::addColumn<int>("shown");

        QTest::newRow("not a number") << QStringLiteral("abc") << 90;
        QTest::newRow("zero") << QStringLiteral("0") << 90;
        QTest::newRow("below the slider") << QStringLiteral("39") << 90;
        QTest::newRow("above the slider") << QStringLiteral("101") << 90;
        QTest::newRow("lowest") << QStringLiteral("40") << 40;
        QTest::newRow("highest") << QStringLiteral("100") << 100;
    }

    void storedQualityOutsideSliderIsNotUsed()
    {
        QFETCH(QString, storedText);
        QFETCH(int, shown);
        storeRaw(QStringLiteral("/batch/quality"), storedText);
        storeRaw(QStringLiteral("/batch/webpquality"), storedText);
        record->load();
        record->outputDir = outDir.path();

        IQBatchDialog dialog;
        dialog.show();
        auto *slider = findNamed<QSlider>(&dialog, "qualitySlider");
        QCOMPARE(slider->value(), shown);
        QCOMPARE(findNamed<QLabel>(&dialog, "qualityLabel")->text(), QString::number(shown));
        QCOMPARE(record->quality, shown);
        findNamed<QComboBox>(&dialog, "formatComboBox")->setCurrentIndex(IQOutputFormat::Webp);
        QCOMPARE(slider->value(), shown);
        QCOMPARE(record->webpQuality, shown);

        QCOMPARE(convertAndReadWarning(dialog), QString());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(stored(QStringLiteral("/batch/quality")).toString(), QString::number(shown));
        QCOMPARE(stored(QStringLiteral("/batch/webpquality")).toString(), QString::number(shown));
    }

    void folderChecks_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("message");

        const QString missing = QStringLiteral("The selected folder does not exist.");
        QTest::newRow("missing") << QStringLiteral("/nonexistent/brivane/out") << missing;
        QTest::newRow("empty") << QString() << missing;
        QTest::newRow("a file, not a folder") << QStringLiteral("file") << missing;
        QTest::newRow("read-only")
            << QStringLiteral("readonly")
            << QStringLiteral("The folder you selected does not have write permissions.");
    }

    void folderChecks()
    {
        QFETCH(QString, folder);
        QFETCH(QString, message);
        QTemporaryDir scratch;
        if (folder == QLatin1String("file")) {
            folder = scratch.filePath(folder);
            QFile file(folder);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (folder == QLatin1String("readonly")) {
            if (geteuid() == 0)
                QSKIP("root may write into any folder");
            folder = scratch.filePath(folder);
            QVERIFY(QDir().mkdir(folder));
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        }
        record->outputDir = folder;
        IQSettings::instance()->setQuality(33);

        IQBatchDialog dialog;
        dialog.show();
        findNamed<QSlider>(&dialog, "qualitySlider")->setValue(70);
        QCOMPARE(convertAndReadWarning(dialog), message);
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.result() != QDialog::Accepted);
        QCOMPARE(record->quality, 70);
        QCOMPARE(stored(QStringLiteral("/batch/quality")).toString(), QStringLiteral("33"));
        if (folder.endsWith(QLatin1String("readonly")))
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void acceptedValuesAreSaved()
    {
        QTemporaryDir chosen;
        IQBatchDialog dialog;
        BrvTest::answerNextModal([&](QWidget *modal) {
            auto *check = findNamed<QCheckBox>(modal, "overwriteCheck");
            auto *slider = findNamed<QSlider>(modal, "qualitySlider");
            auto *combo = findNamed<QComboBox>(modal, "formatComboBox");
            check->setChecked(true);
            slider->setValue(70);
            combo->setCurrentIndex(IQOutputFormat::Webp);
            slider->setValue(55);
            // The folder dialog opens inside the click; answer it with the chosen folder.
            BrvTest::answerNextModal([&](QWidget *folderDialog) {
                if (auto *fd = qobject_cast<QFileDialog *>(folderDialog)) {
                    BrvTest::acceptFileDialog(fd, chosen.path(), QString());
                } else {
                    folderDialog->close();
                }
            });
            findNamed<QPushButton>(modal, "selectButton")->click();
            findNamed<QPushButton>(modal, "convertButton")->click();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));

        QCOMPARE(record->overwrite, true);
        QCOMPARE(record->format, int(IQOutputFormat::Webp));
        QCOMPARE(record->outputDir, chosen.path());
        QCOMPARE(findNamed<QLineEdit>(&dialog, "outputEdit")->text(), chosen.path());
        QCOMPARE(findNamed<QLineEdit>(&dialog, "outputEdit")->toolTip(), chosen.path());
        QCOMPARE(stored(QStringLiteral("/batch/quality")).toString(), QStringLiteral("70"));
        QCOMPARE(stored(QStringLiteral("/batch/webpquality")).toString(), QStringLiteral("55"));
        QCOMPARE(stored(QStringLiteral("/batch/overwrite")).toString(), QStringLiteral("1"));
        QCOMPARE(stored(QStringLiteral("/batch/lastBatchDir")).toString(), chosen.path());
        QCOMPARE(IQSettings::instance()->lastBatchDir(), chosen.path());

        // Reopening ticks the check from the record.
        IQBatchDialog again;
        QVERIFY(findNamed<QCheckBox>(&again, "overwriteCheck")->isChecked());
        BrvTest::saveScreenshot(&again, QStringLiteral("batchdialog-overwrite"));
    }

    void cancelKeepsRecordButSavesNoQuality()
    {
        IQSettings::instance()->setQuality(88);
        IQBatchDialog dialog;
        BrvTest::answerNextModal([&](QWidget *modal) {
            findNamed<QSlider>(modal, "qualitySlider")->setValue(50);
            findNamed<QComboBox>(modal, "formatComboBox")->setCurrentIndex(IQOutputFormat::Png);
            findNamed<QPushButton>(modal, "cancelButton")->click();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QCOMPARE(record->quality, 50);
        QCOMPARE(record->format, int(IQOutputFormat::Png));
        QCOMPARE(stored(QStringLiteral("/batch/quality")).toString(), QStringLiteral("88"));
    }

    void cancelledFolderDialogChangesNothing()
    {
        IQBatchDialog dialog;
        dialog.show();
        BrvTest::answerNextModal([](QWidget *modal) { modal->close(); });
        findNamed<QPushButton>(&dialog, "selectButton")->click();
        QCOMPARE(record->outputDir, outDir.path());
        QCOMPARE(findNamed<QLineEdit>(&dialog, "outputEdit")->text(), outDir.path());
    }
};

QTEST_MAIN(tst_BatchDialog)
#include "tst_batchdialog.moc"
