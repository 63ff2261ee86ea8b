#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QImageReader>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include "BrvTest.h"
#include "FindNamed.h"
#include "IQBatchDialog.h"
#include "settings/IQBatchSettings.h"
#include "IQImageBrowserFrame.h"
#include "ImageFixtures.h"

#include <unistd.h>

using BrvTest::findNamed;

namespace {

// What the progress dialog of a batch showed, caught from its Show event, so that nothing
// depends on how fast the worker runs.
struct ProgressSeen
{
    int shown = 0;
    int minimum = -1;
    int maximum = -1;
    int minimumWidth = 0;
    int maximumWidth = 0;
    bool hasButtons = true;
    bool hasCloseButton = true;
    Qt::WindowModality modality = Qt::NonModal;
    QList<QPair<int, QString>> steps; // value and label, as each value was set
};

class ProgressWatcher : public QObject
{
public:
    ProgressSeen seen;
    std::function<void(QProgressDialog *)> onFirstStep;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<QProgressDialog *>(watched);
        if (dialog && event->type() == QEvent::Show) {
            ++seen.shown;
            seen.minimum = dialog->minimum();
            seen.maximum = dialog->maximum();
            seen.minimumWidth = dialog->minimumWidth();
            seen.maximumWidth = dialog->maximumWidth();
            seen.hasButtons = !dialog->findChildren<QPushButton *>().isEmpty();
            seen.hasCloseButton = dialog->windowFlags().testFlag(Qt::WindowCloseButtonHint)
                || !dialog->windowFlags().testFlag(Qt::CustomizeWindowHint);
            seen.modality = dialog->windowModality();
            auto *bar = dialog->findChild<QProgressBar *>();
            connect(bar, &QProgressBar::valueChanged, dialog, [this, dialog](int value) {
                if (value < 0)
                    return; // the reset before the first file
                seen.steps.append({value, dialog->labelText()});
                if (seen.steps.size() == 1 && onFirstStep)
                    onFirstStep(dialog);
            });
        }
        return false;
    }
};

// Answers every message box as a user does, with OK, and keeps what each said; records too
// whether a progress dialog was still up beneath it.
class MessageBoxWatcher : public QObject
{
public:
    struct Report
    {
        QString title;
        QString text;
        QStringList lines;
        bool overProgress = false;
    };
    QList<Report> reports;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = qobject_cast<QMessageBox *>(watched);
        if (box && event->type() == QEvent::Show) {
            Report report{box->windowTitle(), box->text(),
                          box->informativeText().split(QLatin1Char('\n')), false};
            for (QProgressDialog *dialog : qApp->findChildren<QProgressDialog *>())
                report.overProgress = report.overProgress || dialog->isVisible();
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                if (qobject_cast<QProgressDialog *>(widget) && widget->isVisible())
                    report.overProgress = true;
            }
            reports.append(report);
            QTimer::singleShot(0, box, [box]() {
                const int lines = box->informativeText().count(QLatin1Char('\n')) + 1;
                BrvTest::saveScreenshot(box, QStringLiteral("failurereport%1").arg(lines));
                box->button(QMessageBox::Ok)->click();
            });
        }
        return false;
    }
};

} // namespace

// The progress dialog's minimum duration, after which its setValue spins the event loop.
constexpr int kProgressMinimumDurationMs = 5;

class tst_BatchConvert : public QObject
{
    Q_OBJECT

private:
    IQBatchSettings *record = IQBatchSettings::instance();
    QTemporaryDir sources;
    QStringList photos; // three photos with the broken file second
    const QList<QSize> photoSizes{QSize(64, 48), QSize(50, 70), QSize(33, 21)};
    MessageBoxWatcher boxes;

    static QListWidget *tiles(QWidget *page)
    {
        return findNamed<QListWidget>(page, "tileListView");
    }

    // Answers the next batch dialog as a user does: format, folder through the folder
    // dialog, then Convert or Cancel. The dialog's own answer records what it saw.
    // Answers the batch dialog with the format and folder; afterAnswer runs once it has been
    // answered, before the dialog returns and so before any worker starts.
    static void answerBatchDialog(int format, const QString &folder, bool convert,
                                  bool *answered = nullptr,
                                  const std::function<void()> &afterAnswer = {})
    {
        BrvTest::answerNextModal([=](QWidget *modal) {
            auto *dialog = qobject_cast<IQBatchDialog *>(modal);
            if (!dialog) {
                modal->close();
                return;
            }
            if (answered)
                *answered = true;
            findNamed<QComboBox>(dialog, "formatComboBox")->setCurrentIndex(format);
            BrvTest::answerNextModal([folder](QWidget *folderDialog) {
                auto *fd = qobject_cast<QFileDialog *>(folderDialog);
                if (!fd) {
                    folderDialog->close();
                    return;
                }
                BrvTest::acceptFileDialog(fd, folder, QString());
            });
            findNamed<QPushButton>(dialog, "selectButton")->click();
            findNamed<QPushButton>(dialog, convert ? "convertButton" : "cancelButton")->click();
            if (afterAnswer)
                afterAnswer();
        });
    }
    static QStringList filesIn(const QString &folder)
    {
        return QDir(folder).entryList(QDir::Files, QDir::Name);
    }
    // Waits for the batch and its worker to be gone, so nothing of it outlives the test.
    static bool waitForBatch(IQImageBrowserFrame &page)
    {
        return QTest::qWaitFor([&page]() { return !page.isConverting(); }, 30000);
    }
    static int dpi(const QImage &image)
    {
        return qRound(image.dotsPerMeterX() * 0.0254);
    }

private slots:
    void initTestCase()
    {
        // A batch with a file it cannot convert ends with a report; every test answers it.
        qApp->installEventFilter(&boxes);
        QVERIFY(BrvTest::loadEnglishTranslation());
        BrvTest::applyDarkStyle();
        BrvTest::useProgramFont();
        QVERIFY(sources.isValid());

        QVERIFY(BrvTest::gradientImage(64, 48).save(sources.filePath(QStringLiteral("sea.png"))));
        QFile broken(sources.filePath(QStringLiteral("broken.jpg")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write(QByteArray("\xFF\xD8\xFF\xE0 not really a photo", 24));
        broken.close();
        QVERIFY(BrvTest::noiseImage(50, 70).save(sources.filePath(QStringLiteral("hill.jpg"))));
        QVERIFY(BrvTest::gradientImage(33, 21).save(sources.filePath(QStringLiteral("town.bmp"))));
        QVERIFY(ImageFixtures::photoJpeg(sources.filePath(QStringLiteral("torn.jpg")), 120, 90,
                                         ImageFixtures::JpegDamage::CutAt40));
        photos = QStringList{sources.filePath(QStringLiteral("sea.png")),
                             sources.filePath(QStringLiteral("broken.jpg")),
                             sources.filePath(QStringLiteral("hill.jpg")),
                             sources.filePath(QStringLiteral("town.bmp"))};
    }

    void cleanupTestCase() { qApp->removeEventFilter(&boxes); }

    void init()
    {
        boxes.reports.clear();
        record->renameEnabled = true;
        record->newName.clear();
        record->prefix.clear();
        record->suffix.clear();
        record->startNumber = 1;
        record->overwrite = false;
    }

    void convertsEveryPhotoToEachFormat_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("JPEG") << 0 << QStringLiteral("jpg");
        QTest::newRow("PNG") << 1 << QStringLiteral("png");
        QTest::newRow("BMP") << 2 << QStringLiteral("bmp");
        QTest::newRow("GIF") << 3 << QStringLiteral("gif");
        QTest::newRow("WEBP") << 4 << QStringLiteral("webp");
    }

    void convertsEveryPhotoToEachFormat()
    {
        QFETCH(int, format);
        QFETCH(QString, suffix);
        QTemporaryDir out;
        IQImageBrowserFrame page;
        page.addFiles(photos);
        ProgressWatcher watcher;
        qApp->installEventFilter(&watcher);

        answerBatchDialog(format, out.path(), true);
        findNamed<QPushButton>(&page, "convertButton")->click();
        // From the worker's start the page takes no input, before any progress shows.
        QVERIFY(page.isConverting());
        QVERIFY(!page.isEnabled());
        QVERIFY(waitForBatch(page));
        qApp->removeEventFilter(&watcher);
        QVERIFY(page.isEnabled());

        QCOMPARE(record->format, format);
        const QStringList expected{QStringLiteral("hill.") + suffix,
                                   QStringLiteral("sea.") + suffix,
                                   QStringLiteral("town.") + suffix};
        QCOMPARE(filesIn(out.path()), expected);
        const QStringList names{QStringLiteral("sea"), QStringLiteral("hill"), QStringLiteral("town")};
        for (int i = 0; i < names.size(); ++i) {
            QImageReader reader(out.filePath(names.at(i) + QLatin1Char('.') + suffix));
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(reader.fileName() + reader.errorString()));
            QCOMPARE(image.size(), photoSizes.at(i));
            if (format <= IQOutputFormat::Bmp)
                QCOMPARE(dpi(image), 96);
        }

        // The progress: one step per file, each labelled with its path, then closed.
        QCOMPARE(watcher.seen.shown, 1);
        QCOMPARE(watcher.seen.minimum, 0);
        QCOMPARE(watcher.seen.maximum, photos.size());
        QCOMPARE(watcher.seen.steps.size(), photos.size());
        for (int i = 0; i < photos.size(); ++i) {
            QCOMPARE(watcher.seen.steps.at(i).first, i);
            QCOMPARE(watcher.seen.steps.at(i).second, photos.at(i));
        }
        QVERIFY(page.findChildren<QProgressDialog *>().isEmpty());
    }

    void failureReport_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("format");
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::addColumn<QStringList>("lines"); // empty: no report at all
        const QStringList manyBroken = [] {
            QStringList names;
            for (int i = 0; i < 12; ++i)
                names << QStringLiteral("broken.jpg");
            return names;
        }();
        QTest::newRow("clean batch") << QStringList{"sea.png", "hill.jpg", "town.bmp"}
                                     << int(IQOutputFormat::Jpeg) << false << QStringList();
        QTest::newRow("one broken file among three photos")
            << QStringList{"sea.png", "broken.jpg", "hill.jpg", "town.bmp"}
            << int(IQOutputFormat::Png) << false
            << QStringList{"broken.jpg: cannot be read"};
        QTest::newRow("a 12 x 12 source to GIF")
            << QStringList{"tiny.png", "sea.png"} << int(IQOutputFormat::Gif) << false
            << QStringList{"tiny.png: too small for GIF (at least 16 x 16)"};
        QTest::newRow("header claims 40,000 x 40,000")
            << QStringList{"sea.png", "claims.png"} << int(IQOutputFormat::Webp) << false
            << QStringList{"claims.png: too large"};
        QTest::newRow("a photo cut in its scan data")
            << QStringList{"sea.png", "torn.jpg", "hill.jpg"} << int(IQOutputFormat::Webp) << false
            << QStringList{"torn.jpg: damaged: part of its picture is missing"};
        QTest::newRow("output folder made read-only after the batch starts")
            << QStringList{"sea.png", "hill.jpg"} << int(IQOutputFormat::Jpeg) << true
            << QStringList{"sea.png: cannot be written", "hill.jpg: cannot be written"};
        QTest::newRow("ten named, the rest counted")
            << (manyBroken + QStringList{"sea.png"}) << int(IQOutputFormat::Bmp) << false
            << (QStringList(manyBroken.mid(0, 10)).replaceInStrings(
                    QStringLiteral(".jpg"), QStringLiteral(".jpg: cannot be read"))
                + QStringList{"and 2 more"});
    }
    void failureReport()
    {
        QFETCH(QStringList, names);
        QFETCH(int, format);
        QFETCH(bool, readOnlyFolder);
        QFETCH(QStringList, lines);
        if (readOnlyFolder && geteuid() == 0)
            QSKIP("the super-user writes into read-only folders");
        QVERIFY(BrvTest::gradientImage(12, 12).save(sources.filePath(QStringLiteral("tiny.png"))));
        QVERIFY(ImageFixtures::pngWithClaimedSize(sources.filePath(QStringLiteral("claims.png")),
                                                  40000, 40000));
        QStringList files;
        for (const QString &name : names)
            files << sources.filePath(name);

        QTemporaryDir out;
        IQImageBrowserFrame page;
        page.addFiles(files);
        page.show();
        // The folder that the dialog has just found writable turns read-only before the worker
        // starts, so that no output is written first, however fast the worker is.
        const QString outPath = out.path();
        answerBatchDialog(format, outPath, true, nullptr, [readOnlyFolder, outPath] {
            if (readOnlyFolder)
                QFile::setPermissions(outPath, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        });
        // Duplicates are listed once as tiles; the batch gets every path.
        page.startConvert(files);
        QVERIFY(waitForBatch(page));
        QFile::setPermissions(out.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                              | QFileDevice::ExeOwner);

        if (lines.isEmpty()) {
            QCOMPARE(boxes.reports.size(), 0);
            return;
        }
        QCOMPARE(boxes.reports.size(), 1);
        const MessageBoxWatcher::Report &report = boxes.reports.first();
        QCOMPARE(report.title, QApplication::applicationDisplayName());
        QCOMPARE(report.text, QStringLiteral("Some files could not be converted."));
        QCOMPARE(report.lines, lines);
        QVERIFY(!report.overProgress);
    }

    void pageGoneStopsItsWorker()
    {
        // Enough photos that the batch is far from done when the page goes.
        QTemporaryDir in;
        QTemporaryDir out;
        QStringList many;
        const QImage photo = BrvTest::noiseImage(400, 300);
        for (int i = 0; i < 40; ++i) {
            many << in.filePath(QStringLiteral("photo%1.png").arg(i));
            QVERIFY(photo.save(many.last()));
        }
        auto page = std::make_unique<IQImageBrowserFrame>();
        page->addFiles(many);
        answerBatchDialog(IQOutputFormat::Png, out.path(), true);
        page->startConvert(many);
        QVERIFY(page->isConverting());
        const QPointer<IQConvertThread> worker = page->convertThread();
        QVERIFY(worker);
        QVERIFY(worker->isRunning());
        page.reset();
        QVERIFY(worker.isNull());

        // The worker stopped and is gone: nothing more is written.
        const QStringList written = filesIn(out.path());
        QVERIFY(written.size() < many.size());
        QVERIFY(!QTest::qWaitFor([&]() { return filesIn(out.path()) != written; }, 1000));
    }

    void renameNumbersReadablePhotosOnly()
    {
        QTemporaryDir out;
        IQImageBrowserFrame page;
        page.addFiles(photos);
        page.show();
        findNamed<QRadioButton>(&page, "renameRadio")->click();
        auto *newName = findNamed<QLineEdit>(&page, "newNameEdit");
        QVERIFY(newName && newName->isVisible());
        QTest::keyClicks(newName, QStringLiteral("trip"));
        findNamed<QSpinBox>(&page, "startSpinBox")->setValue(7);

        answerBatchDialog(IQOutputFormat::Png, out.path(), true);
        findNamed<QPushButton>(&page, "convertButton")->click();
        QVERIFY(waitForBatch(page));
        QCOMPARE(filesIn(out.path()), (QStringList{QStringLiteral("trip_7.png"),
                                                   QStringLiteral("trip_8.png"),
                                                   QStringLiteral("trip_9.png")}));
        QCOMPARE(QImage(out.filePath(QStringLiteral("trip_8.png"))).size(), photoSizes.at(1));
        newName->clear();
    }

    void convertSelectedWritesOnlyThose()
    {
        QTemporaryDir out;
        IQImageBrowserFrame page;
        page.addFiles(photos);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        tiles(&page)->item(2)->setSelected(true);
        tiles(&page)->item(3)->setSelected(true);

        // The button now opens its menu; pick its first entry as a user does.
        const QString folder = out.path();
        QTimer::singleShot(0, &page, [folder]() {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            answerBatchDialog(IQOutputFormat::Jpeg, folder, true);
            menu->setActiveAction(menu->actions().value(0));
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QTest::mouseClick(findNamed<QPushButton>(&page, "convertButton"), Qt::LeftButton);
        QVERIFY(waitForBatch(page));
        QCOMPARE(filesIn(out.path()), (QStringList{QStringLiteral("hill.jpg"),
                                                   QStringLiteral("town.jpg")}));
    }

    void cancelWritesNothing()
    {
        QTemporaryDir out;
        IQImageBrowserFrame page;
        page.addFiles(photos);
        ProgressWatcher watcher;
        qApp->installEventFilter(&watcher);
        bool answered = false;
        answerBatchDialog(IQOutputFormat::Png, out.path(), false, &answered);
        findNamed<QPushButton>(&page, "convertButton")->click();
        qApp->removeEventFilter(&watcher);
        QVERIFY(answered);
        QVERIFY(!page.isConverting());
        QVERIFY(page.isEnabled());
        QCOMPARE(watcher.seen.shown, 0);
        QCOMPARE(filesIn(out.path()), QStringList());
    }

    void folderNamedWithPlaceholders()
    {
        QTemporaryDir parent;
        const QString out = parent.filePath(QStringLiteral("out %1 50%2"));
        QVERIFY(QDir().mkpath(out));
        IQImageBrowserFrame page;
        page.addFiles({photos.at(0)});
        answerBatchDialog(IQOutputFormat::Webp, out, true);
        findNamed<QPushButton>(&page, "convertButton")->click();
        QVERIFY(waitForBatch(page));
        QCOMPARE(filesIn(out), QStringList{QStringLiteral("sea.webp")});
        QCOMPARE(QImage(out + QStringLiteral("/sea.webp")).size(), photoSizes.at(0));
    }

    void noSecondBatchWhileOneRuns()
    {
        QTemporaryDir out;
        IQImageBrowserFrame page;
        page.addFiles(photos);
        ProgressWatcher watcher;
        int dialogsDuringBatch = 0;
        bool dismissed = false;
        watcher.onFirstStep = [&](QProgressDialog *dialog) {
            BrvTest::saveScreenshot(dialog, QStringLiteral("progressdialog"));
            // Escape and a close request leave the dialog up while the worker runs.
            QTest::keyClick(dialog, Qt::Key_Escape);
            dialog->close();
            dismissed = !dialog->isVisible();
            // Should a second batch dialog open, close it and count it.
            QTimer::singleShot(0, dialog, [&]() {
                if (auto *second = qobject_cast<IQBatchDialog *>(QApplication::activeModalWidget())) {
                    ++dialogsDuringBatch;
                    second->reject();
                }
            });
            page.startConvert(photos);
        };
        qApp->installEventFilter(&watcher);
        answerBatchDialog(IQOutputFormat::Bmp, out.path(), true);
        findNamed<QPushButton>(&page, "convertButton")->click();
        QVERIFY(waitForBatch(page));
        qApp->removeEventFilter(&watcher);

        QVERIFY(!dismissed);
        QCOMPARE(dialogsDuringBatch, 0);
        QCOMPARE(watcher.seen.steps.size(), photos.size());
        QCOMPARE(watcher.seen.minimumWidth, 320);
        QCOMPARE(watcher.seen.maximumWidth, 480);
        QVERIFY(!watcher.seen.hasButtons);
        QVERIFY(!watcher.seen.hasCloseButton);
        QCOMPARE(watcher.seen.modality, Qt::WindowModal);
        QCOMPARE(filesIn(out.path()).size(), 3);
    }

    // The end of the batch can arrive inside the dialog's own setValue, which spins the
    // event loop while the dialog is modal: the dialog must outlive that call.
    void endArrivingInsideSetValue()
    {
        IQImageBrowserFrame page;
        page.show();
        bool stayedUp = false;
        bool waited = false;
        BrvTest::answerNextModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<QProgressDialog *>(modal);
            if (!dialog) {
                modal->close();
                return;
            }
            QTest::keyClick(dialog, Qt::Key_Escape);
            stayedUp = dialog->isVisible();
            QMetaObject::invokeMethod(&page, "converting", Q_ARG(int, 0), Q_ARG(QString, "a"));
            // Past its minimum duration the dialog counts as shown, and setValue spins.
            QElapsedTimer since;
            since.start();
            waited = QTest::qWaitFor(
                [&since]() { return since.elapsed() > 2 * kProgressMinimumDurationMs; });
            QMetaObject::invokeMethod(&page, "convertEnd", Qt::QueuedConnection,
                                      Q_ARG(QStringList, {}));
            QMetaObject::invokeMethod(&page, "converting", Q_ARG(int, 1), Q_ARG(QString, "b"));
            // A late call after the end is ignored.
            QMetaObject::invokeMethod(&page, "converting", Q_ARG(int, 2), Q_ARG(QString, "c"));
        });
        QMetaObject::invokeMethod(&page, "convertStart", Q_ARG(int, 3));
        QVERIFY(stayedUp);
        QVERIFY(waited);
        QVERIFY(page.findChildren<QProgressDialog *>().isEmpty());
    }
};

QTEST_MAIN(tst_BatchConvert)
#include "tst_batchconvert.moc"
