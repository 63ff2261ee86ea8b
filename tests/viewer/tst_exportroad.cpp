#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QImageReader>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>

#include <functional>
#include <memory>

#include "BrvTest.h"
#include "FindNamed.h"
#include "IQBatchProgressDialog.h"
#include "settings/IQBatchSettings.h"
#include "imaging/IQConvertEngine.h"
#include "IQEditingFrame.h"
#include "IQExportDialog.h"
#include "documents/IQImageFile.h"
#include "settings/IQSettings.h"
#include "ImageFixtures.h"
#include "ImageViewerV2.h"

using BrvTest::findNamed;

namespace {

// What the road showed besides the export dialog: the progress dialog and the warnings.
class RoadWatcher : public QObject
{
public:
    int warnings = 0;
    QString warningText;
    int progressShown = 0;
    int progressMaximum = -1;
    bool hiddenBeforeTheEnd = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto *box = qobject_cast<QMessageBox *>(watched)) {
                ++warnings;
                warningText = box->text();
                QTimer::singleShot(0, box, [box]() { box->button(QMessageBox::Ok)->click(); });
            } else if (auto *progress = qobject_cast<IQBatchProgressDialog *>(watched)) {
                // Escape, the maximum and any close request leave it up until the worker ends.
                ++progressShown;
                progressMaximum = progress->maximum();
                QTest::keyClick(progress, Qt::Key_Escape);
                hiddenBeforeTheEnd = hiddenBeforeTheEnd || !progress->isVisible();
            }
        } else if (event->type() == QEvent::Hide) {
            if (auto *progress = qobject_cast<IQBatchProgressDialog *>(watched))
                hiddenBeforeTheEnd = hiddenBeforeTheEnd || !progress->isFinished();
        }
        return false;
    }
};

QVariant stored(const QString &key)
{
    QSettings raw(IQSettings::instance()->fileName(), QSettings::IniFormat);
    return raw.value(key);
}

} // namespace

class tst_ExportRoad : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }

    // Presses Export on the page and answers its dialog with the given steps.
    static bool exportWith(IQEditingFrame &page, const std::function<void(IQExportDialog *)> &set,
                           bool accept)
    {
        bool answered = false;
        BrvTest::answerNextModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<IQExportDialog *>(modal);
            if (!dialog) {
                modal->close();
                return;
            }
            answered = true;
            if (set)
                set(dialog);
            findNamed<QPushButton>(dialog, accept ? "convertButton" : "cancelButton")->click();
        });
        findNamed<QPushButton>(&page, "exportButton")->click();
        // The worker goes by deleteLater once it has finished.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return answered;
    }

private slots:
    void initTestCase()
    {
        QApplication::setApplicationDisplayName(QStringLiteral("Brivane WebP"));
        QVERIFY(BrvTest::loadEnglishTranslation());
        QVERIFY(dir.isValid());
        QVERIFY(ImageFixtures::gifWithFrames(path("anim.gif"),
                                             {Qt::red, Qt::green, Qt::blue, Qt::yellow},
                                             {100, 100, 100, 100}, 64, 48));
        QVERIFY(BrvTest::gradientImage(1001, 70).save(path("photo.jpg"), "JPEG"));
        QVERIFY(BrvTest::gradientImage(10, 10).save(path("tiny.png")));
    }

    void init()
    {
        *IQBatchSettings::instance() = IQBatchSettings();
        IQSettings::instance()->setLastSaveDir(QString());
    }

    void cancelWhilePlayingWritesNothing()
    {
        QSettings(IQSettings::instance()->fileName(), QSettings::IniFormat).clear();
        IQEditingFrame page;
        page.show();
        page.loadFiles({path("anim.gif")}, 0);
        auto *view = page.findChild<ImageViewerV2 *>();
        QTRY_VERIFY_WITH_TIMEOUT(view->isPlaying(), BrvTest::kEventTimeoutMs);
        const QStringList before = QDir(dir.path()).entryList(QDir::Files);

        QVERIFY(exportWith(page, nullptr, false));
        QVERIFY(!view->isPlaying());
        QTest::qWait(300);
        QVERIFY(!view->isPlaying());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), before);
        QVERIFY(!stored(QStringLiteral("/batch/quality")).isValid());
        QVERIFY(!stored(QStringLiteral("/batch/webpquality")).isValid());
    }

    // With the defaults a photo is written beside itself under a free numbered name, at its
    // own size; the qualities chosen are kept and success shows nothing.
    void defaultsKeepTheSource()
    {
        IQEditingFrame page;
        page.show();
        page.loadFiles({path("photo.jpg")}, 0);
        const QByteArray source = BrvTest::fileContents(path("photo.jpg"));
        RoadWatcher watcher;
        qApp->installEventFilter(&watcher);
        QVERIFY(exportWith(page,
                           [](IQExportDialog *dialog) {
                               findNamed<QSlider>(dialog, "qualitySlider")->setValue(66);
                           },
                           true));
        qApp->removeEventFilter(&watcher);

        QCOMPARE(BrvTest::fileContents(path("photo.jpg")), source);
        QCOMPARE(QImage(path("photo_1.jpg")).size(), QSize(1001, 70));
        QCOMPARE(stored(QStringLiteral("/batch/quality")).toInt(), 66);
        QCOMPARE(stored(QStringLiteral("/batch/webpquality")).toInt(), 90);
        QCOMPARE(watcher.warnings, 0);
        QCOMPARE(watcher.progressShown, 1);
        QCOMPARE(watcher.progressMaximum, 1);
        QVERIFY(!watcher.hiddenBeforeTheEnd);
        QVERIFY(page.findChildren<QProgressDialog *>().isEmpty());
    }

    void failureIsShownOnce()
    {
        QTemporaryDir out;
        IQSettings::instance()->setLastSaveDir(out.path());
        IQEditingFrame page;
        page.show();
        page.loadFiles({path("tiny.png")}, 0);
        RoadWatcher watcher;
        qApp->installEventFilter(&watcher);
        // GIF refuses a canvas this small.
        QVERIFY(exportWith(page,
                           [](IQExportDialog *dialog) {
                               findNamed<QComboBox>(dialog, "formatComboBox")->setCurrentIndex(3);
                           },
                           true));
        qApp->removeEventFilter(&watcher);
        QCOMPARE(watcher.warnings, 1);
        QCOMPARE(watcher.warningText, QStringLiteral("Failed to export file."));
        QVERIFY(!watcher.hiddenBeforeTheEnd);
        QVERIFY(QDir(out.path()).entryList(QDir::Files).isEmpty());
    }

    // An animation one of whose frames cannot be decoded is not exported: the failure is
    // shown once and the folder stays empty.
    void undecodableFrameIsShownAsAFailure_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("format"); // index in the format list of that option
        QTest::newRow("animation as GIF") << 2 << 0;
        QTest::newRow("animation as WEBP") << 2 << 1;
        QTest::newRow("all frames as PNG") << 1 << 1;
    }
    void undecodableFrameIsShownAsAFailure()
    {
        QFETCH(int, option);
        QFETCH(int, format);
        QTemporaryDir out;
        IQSettings::instance()->setLastSaveDir(out.path());
        QVERIFY(ImageFixtures::gifWithUndecodableFrame(path("broken.gif"),
                                                       {Qt::red, Qt::green, Qt::blue, Qt::yellow},
                                                       {100, 100, 100, 100}, 64, 48, 2));
        IQEditingFrame page;
        page.show();
        page.loadFiles({path("broken.gif")}, 0);
        RoadWatcher watcher;
        qApp->installEventFilter(&watcher);
        QVERIFY(exportWith(page,
                           [option, format](IQExportDialog *dialog) {
                               findNamed<QComboBox>(dialog, "optionComboBox")
                                   ->setCurrentIndex(option);
                               findNamed<QComboBox>(dialog, "formatComboBox")
                                   ->setCurrentIndex(format);
                           },
                           true));
        qApp->removeEventFilter(&watcher);
        QCOMPARE(watcher.warnings, 1);
        QCOMPARE(watcher.warningText, QStringLiteral("Failed to export file."));
        QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::Hidden
                                            | QDir::NoDotAndDotDot),
                 QStringList());
    }

    // The page shows converted frames while Apply is ticked; the export runs the modules
    // once over the frame as the file holds it.
    void applyOnAnAnimationFrameRunsTheModulesOnce()
    {
        IQBatchSettings *record = IQBatchSettings::instance();
        record->text = QStringLiteral("W");
        record->textColor = Qt::white;
        record->textPixelSize = 14;
        record->textPosition = IQWatermarkPosition::TopLeft;
        QTemporaryDir out;
        IQSettings::instance()->setLastSaveDir(out.path());

        IQEditingFrame page;
        page.show();
        findNamed<QCheckBox>(&page, "applyCheckBox")->setChecked(true);
        page.loadFiles({path("anim.gif")}, 0);
        auto *view = page.findChild<ImageViewerV2 *>();
        findNamed<QPushButton>(&page, "nextFrameButton")->click();
        QVERIFY(!view->isPlaying());
        const int frame = view->currentFrameNumber();

        QVERIFY(exportWith(page,
                           [](IQExportDialog *dialog) {
                               findNamed<QComboBox>(dialog, "formatComboBox")->setCurrentIndex(1);
                           },
                           true));
        QImageReader reader(path("anim.gif"));
        QImage raw;
        for (int i = 0; i <= frame; ++i)
            raw = reader.read();
        const QImage once = IQConvertEngine(record)
                                .process(raw)
                                .convertToFormat(QImage::Format_ARGB32);
        const QImage written = QImage(out.filePath(QStringLiteral("anim.png")))
                                   .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(written.size(), once.size());
        QVERIFY(written == once);
    }
};

QTEST_MAIN(tst_ExportRoad)
#include "tst_exportroad.moc"
