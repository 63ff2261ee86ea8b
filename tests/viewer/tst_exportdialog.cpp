#include <QCheckBox>
#include <QComboBox>
#include <QDir>
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

#include <memory>
#include <unistd.h>

#include "BrvTest.h"
#include "FindNamed.h"
#include "IQExportDialog.h"
#include "documents/IQImageFile.h"
#include "settings/IQSettings.h"
#include "ImageFixtures.h"
#include "UntranslatedTexts.h"

using BrvTest::findNamed;

namespace {

enum class Doc { Still, Animated };

IQExportOptions pageDefaults(const QString &folder)
{
    IQExportOptions options;
    options.outputDir = folder;
    options.quality = 70;
    options.webpQuality = 80;
    options.duration = 120;
    options.name = QStringLiteral("cat");
    return options;
}

} // namespace

Q_DECLARE_METATYPE(Doc)

class tst_ExportDialog : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    std::unique_ptr<IQImageFile> still;
    std::unique_ptr<IQImageFile> animated;

    IQImageFile *document(Doc doc) const
    {
        return doc == Doc::Still ? still.get() : animated.get();
    }
    static QString storedLastSaveDir()
    {
        QSettings raw(IQSettings::instance()->fileName(), QSettings::IniFormat);
        return raw.value(QStringLiteral("/app/lastSaveDir")).toString();
    }
    // Opens the dialog modally, lets answer act inside its loop and returns exec's result.
    static int execWith(IQExportDialog &dialog, const std::function<void(IQExportDialog *)> &answer)
    {
        BrvTest::answerNextModal([&dialog, answer](QWidget *modal) {
            if (modal != &dialog) {
                modal->close();
                return;
            }
            answer(&dialog);
            // Whatever the answer left open is closed, so that a failed check cannot hang.
            if (dialog.isVisible())
                dialog.reject();
        });
        return dialog.exec();
    }
    // Presses Export inside the open dialog and returns the warning it raised, empty when none.
    static QString exportAndReadWarning(IQExportDialog *dialog)
    {
        return BrvTest::clickAndReadWarning(dialog,
                                            findNamed<QPushButton>(dialog, "convertButton"));
    }

private slots:
    void initTestCase()
    {
        QApplication::setApplicationDisplayName(QStringLiteral("Brivane WebP"));
        BrvTest::useProgramFont();
        QVERIFY(BrvTest::loadEnglishTranslation());
        BrvTest::applyDarkStyle();
        QVERIFY(dir.isValid());
        const QString png = dir.filePath(QStringLiteral("photo.png"));
        QVERIFY(BrvTest::gradientImage(64, 48).save(png));
        const QString gif = dir.filePath(QStringLiteral("cat.gif"));
        QVERIFY(ImageFixtures::gifWithFrames(gif, {Qt::red, Qt::green, Qt::blue}, {100, 100, 100},
                                             32, 32));
        still = std::make_unique<IQImageFile>(png);
        animated = std::make_unique<IQImageFile>(gif);
        QCOMPARE(still->kind(), int(DocumentInfo::Still));
        QCOMPARE(animated->kind(), int(DocumentInfo::Animated));
    }

    void opensWithTheRecordInEnglish()
    {
        const IQExportOptions options = pageDefaults(dir.path());
        IQExportDialog dialog(animated.get(), &options);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Export"));
        QCOMPARE(findNamed<QPushButton>(&dialog, "convertButton")->text(), QStringLiteral("Export"));
        QCOMPARE(findNamed<QComboBox>(&dialog, "optionComboBox")->itemText(2),
                 QStringLiteral("Export Animation"));
        QCOMPARE(findNamed<QLineEdit>(&dialog, "outputEdit")->text(), dir.path());
        QCOMPARE(findNamed<QLineEdit>(&dialog, "nameEdit")->text(), QStringLiteral("cat"));
        QVERIFY(findNamed<QCheckBox>(&dialog, "applyCheckBox")->isChecked());
        QCOMPARE(BrvTest::untranslatedTexts(&dialog), QStringList());

        IQExportOptions back;
        back.apply = false;
        dialog.exportOptions(&back);
        QCOMPARE(back.option, 0);
        QCOMPARE(back.format, 0);
        QCOMPARE(back.quality, 70);
        QCOMPARE(back.webpQuality, 80);
        QCOMPARE(back.duration, 120);
        QCOMPARE(back.name, QStringLiteral("cat"));
        QVERIFY(back.apply);
        QCOMPARE(back.outputDir, dir.path());
    }

    void rowsByKindOptionAndFormat_data()
    {
        QTest::addColumn<Doc>("doc");
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("formatIndex");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("optionRow");
        QTest::addColumn<bool>("formatOptions");
        QTest::addColumn<bool>("quality");
        QTest::addColumn<bool>("duration");
        QTest::addColumn<int>("slider"); // -1: the row is hidden

        const auto row = [](const char *name, Doc doc, int option, int index, int format,
                            bool options, bool quality, bool duration, int slider) {
            QTest::newRow(name) << doc << option << index << format << (doc == Doc::Animated)
                                << options << quality << duration << slider;
        };
        row("still, JPEG", Doc::Still, 0, 0, 0, true, true, false, 70);
        row("still, PNG", Doc::Still, 0, 1, 1, false, false, false, -1);
        row("still, BMP", Doc::Still, 0, 2, 2, false, false, false, -1);
        row("still, GIF", Doc::Still, 0, 3, 3, true, false, false, -1);
        row("still, WEBP", Doc::Still, 0, 4, 4, true, true, false, 80);
        row("animation, frame, JPEG", Doc::Animated, 0, 0, 0, true, true, false, 70);
        row("animation, all frames, WEBP", Doc::Animated, 1, 4, 4, true, true, false, 80);
        row("animation, all frames, PNG", Doc::Animated, 1, 1, 1, false, false, false, -1);
        row("animation, as GIF", Doc::Animated, 2, 0, 3, true, false, true, -1);
        row("animation, as WEBP", Doc::Animated, 2, 1, 4, true, true, true, 80);
    }

    void rowsByKindOptionAndFormat()
    {
        QFETCH(Doc, doc);
        QFETCH(int, option);
        QFETCH(int, formatIndex);
        QFETCH(int, format);
        QFETCH(int, slider);
        const IQExportOptions options = pageDefaults(dir.path());
        IQExportDialog dialog(document(doc), &options);
        dialog.show();
        auto *formats = findNamed<QComboBox>(&dialog, "formatComboBox");
        if (option != 0)
            findNamed<QComboBox>(&dialog, "optionComboBox")->setCurrentIndex(option);
        QCOMPARE(formats->count(), option == 2 ? 2 : 5);
        QCOMPARE(formats->currentIndex(), 0);
        formats->setCurrentIndex(formatIndex);

        QTEST(findNamed<QWidget>(&dialog, "optionComboBox")->isVisibleTo(&dialog), "optionRow");
        QTEST(findNamed<QWidget>(&dialog, "optionLabel")->isVisibleTo(&dialog), "optionRow");
        QTEST(findNamed<QWidget>(&dialog, "formatOptionFrame")->isVisibleTo(&dialog),
              "formatOptions");
        QTEST(findNamed<QWidget>(&dialog, "qualityFrame")->isVisibleTo(&dialog), "quality");
        QTEST(findNamed<QWidget>(&dialog, "durationFrame")->isVisibleTo(&dialog), "duration");

        auto *qualitySlider = findNamed<QSlider>(&dialog, "qualitySlider");
        if (slider >= 0) {
            QCOMPARE(qualitySlider->value(), slider);
            QCOMPARE(findNamed<QLabel>(&dialog, "qualityLabel")->text(), QString::number(slider));
        }
        // The slider moves only the quality of the format on show.
        qualitySlider->setValue(55);
        IQExportOptions back;
        dialog.exportOptions(&back);
        QCOMPARE(back.option, option);
        QCOMPARE(back.format, format);
        QCOMPARE(back.quality, format == 0 ? 55 : 70);
        QCOMPARE(back.webpQuality, format == 4 ? 55 : 80);
        BrvTest::saveScreenshot(&dialog, QStringLiteral("exportdialog-%1")
                                             .arg(QString::fromLatin1(QTest::currentDataTag()))
                                             .replace(QLatin1Char(' '), QLatin1Char('-'))
                                             .remove(QLatin1Char(',')));
    }

    // Values the controls cannot show are brought into their range as they arrive, so what
    // the user sees is what the export uses; the quality number shows from the start.
    void valuesOutsideTheControls_data()
    {
        QTest::addColumn<int>("quality");
        QTest::addColumn<int>("duration");
        QTest::addColumn<int>("shownQuality");
        QTest::addColumn<int>("shownDuration");
        QTest::newRow("stored \"abc\" and no duration") << 0 << 0 << 50 << 50;
        QTest::newRow("below the ranges") << 30 << 20 << 50 << 50;
        QTest::newRow("at the lower ends") << 50 << 50 << 50 << 50;
        QTest::newRow("inside") << 77 << 300 << 77 << 300;
        QTest::newRow("above the ranges") << 120 << 2000 << 100 << 1000;
    }

    void valuesOutsideTheControls()
    {
        QFETCH(int, quality);
        QFETCH(int, duration);
        QFETCH(int, shownQuality);
        QFETCH(int, shownDuration);
        IQExportOptions options = pageDefaults(dir.path());
        options.quality = quality;
        options.webpQuality = quality;
        options.duration = duration;
        IQExportDialog dialog(animated.get(), &options);
        QCOMPARE(findNamed<QSlider>(&dialog, "qualitySlider")->value(), shownQuality);
        QCOMPARE(findNamed<QLabel>(&dialog, "qualityLabel")->text(), QString::number(shownQuality));
        QCOMPARE(findNamed<QSpinBox>(&dialog, "durationSpinBox")->value(), shownDuration);

        IQExportOptions back;
        dialog.exportOptions(&back);
        QCOMPARE(back.quality, shownQuality);
        QCOMPARE(back.webpQuality, shownQuality);
        QCOMPARE(back.duration, shownDuration);
    }

    void nameRules()
    {
        const IQExportOptions options = pageDefaults(dir.path());
        IQExportDialog dialog(still.get(), &options);
        dialog.show();
        auto *name = findNamed<QLineEdit>(&dialog, "nameEdit");
        auto *exportButton = findNamed<QPushButton>(&dialog, "convertButton");
        QVERIFY(exportButton->isEnabled());
        name->clear();
        QVERIFY(!exportButton->isEnabled());

        // Characters no file name can hold are refused as they are typed.
        QTest::keyClicks(name, QStringLiteral("a/b\\c:d*e?f\"g<h>i|j k.l"));
        QCOMPARE(name->text(), QStringLiteral("abcdefghij k.l"));
        QVERIFY(exportButton->isEnabled());
        IQExportOptions back;
        dialog.exportOptions(&back);
        QCOMPARE(back.name, QStringLiteral("abcdefghij k.l"));
    }

    void applyFollowsTheBox()
    {
        IQExportOptions options = pageDefaults(dir.path());
        options.apply = false;
        IQExportDialog dialog(still.get(), &options);
        auto *box = findNamed<QCheckBox>(&dialog, "applyCheckBox");
        QVERIFY(!box->isChecked());
        box->setChecked(true);
        IQExportOptions back;
        back.apply = false;
        dialog.exportOptions(&back);
        QVERIFY(back.apply);
    }

    void folderChecks_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("warning");
        QTest::newRow("usable") << QStringLiteral("out") << QString();
        QTest::newRow("deleted after it was chosen")
            << QStringLiteral("gone") << QStringLiteral("The selected folder does not exist.");
        QTest::newRow("a file in its place")
            << QStringLiteral("file") << QStringLiteral("The selected folder does not exist.");
        QTest::newRow("read-only") << QStringLiteral("locked")
                                   << QStringLiteral(
                                          "The folder you selected does not have write permissions.");
    }

    void folderChecks()
    {
        QFETCH(QString, folder);
        QFETCH(QString, warning);
        if (folder == QLatin1String("locked") && geteuid() == 0)
            QSKIP("A read-only folder is writable for root.");

        QTemporaryDir parent;
        const QString path = parent.filePath(folder);
        if (folder == QLatin1String("file")) {
            QVERIFY(ImageFixtures::writeBytes(path, "not a folder"));
        } else {
            QVERIFY(QDir().mkpath(path));
            if (folder == QLatin1String("locked"))
                QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner));
        }
        const IQExportOptions options = pageDefaults(path);
        IQExportDialog dialog(still.get(), &options);
        if (folder == QLatin1String("gone"))
            QVERIFY(QDir(path).removeRecursively());

        QString seen = QStringLiteral("not pressed");
        bool openAfterWarning = false;
        const int result = execWith(dialog, [&](IQExportDialog *open) {
            seen = exportAndReadWarning(open);
            openAfterWarning = open->isVisible();
        });
        if (folder == QLatin1String("locked"))
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QCOMPARE(seen, warning);
        QCOMPARE(result, warning.isEmpty() ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(openAfterWarning, !warning.isEmpty());
    }

    void selectingAFolder()
    {
        QTemporaryDir chosen;
        const IQExportOptions options = pageDefaults(dir.path());
        IQExportDialog dialog(still.get(), &options);
        auto *output = findNamed<QLineEdit>(&dialog, "outputEdit");

        // A cancelled folder dialog changes nothing.
        const QString before = storedLastSaveDir();
        execWith(dialog, [&](IQExportDialog *open) {
            BrvTest::answerNextModal([&](QWidget *modal) {
                if (auto *fd = qobject_cast<QFileDialog *>(modal)) {
                    fd->setDirectory(chosen.path());
                    fd->reject();
                } else {
                    modal->close();
                }
            });
            findNamed<QPushButton>(open, "selectButton")->click();
        });
        IQExportOptions back;
        dialog.exportOptions(&back);
        QCOMPARE(back.outputDir, dir.path());
        QCOMPARE(output->text(), dir.path());
        QCOMPARE(storedLastSaveDir(), before);

        execWith(dialog, [&](IQExportDialog *open) {
            BrvTest::answerNextModal([&](QWidget *modal) {
                if (auto *fd = qobject_cast<QFileDialog *>(modal))
                    BrvTest::acceptFileDialog(fd, chosen.path(), QString());
                else
                    modal->close();
            });
            findNamed<QPushButton>(open, "selectButton")->click();
        });
        // The choice holds even though the dialog was then cancelled.
        dialog.exportOptions(&back);
        QCOMPARE(back.outputDir, chosen.path());
        QCOMPARE(output->text(), chosen.path());
        QCOMPARE(output->toolTip(), chosen.path());
        QCOMPARE(storedLastSaveDir(), chosen.path());
        QCOMPARE(IQSettings::instance()->lastSaveDir(), chosen.path());
    }
};

QTEST_MAIN(tst_ExportDialog)
#include "tst_exportdialog.moc"
