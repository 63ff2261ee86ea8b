#include <QtTest>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>

#include <array>

#include "BrvTest.h"
#include "FindNamed.h"
#include "settings/IQBatchSettings.h"
#include "imaging/IQConvertEngine.h"
#include "IQEditingFrame.h"
#include "IQExportDialog.h"
#include "workers/IQIconReadThread.h"
#include "documents/IQImageFile.h"
#include "settings/IQSettings.h"
#include "ImageFixtures.h"
#include "ImageViewerV2.h"
#include "UntranslatedTexts.h"
#include "VideoSlider.h"

namespace {

constexpr int kJobRole = Qt::UserRole + 1;
constexpr int kPathRole = Qt::UserRole + 2;

// The page as the main window holds it: shown, with the four View actions handed over, and
// its thumbnail pool in reach so a test can wait for every job.
class Page : public IQEditingFrame
{
public:
    Page()
    {
        actualSizeAction = &actions[0];
        fitWindowAction = &actions[1];
        zoomInAction = &actions[2];
        zoomOutAction = &actions[3];
        resize(900, 640);
    }

    QThreadPool &pool() { return threadPool; }
    int jobCount() const { return thumbnails.count(); }

    template <typename T>
    T *child(const char *name) const
    {
        return BrvTest::findNamed<T>(this, name);
    }
    QLabel *label(const char *name) const { return child<QLabel>(name); }
    QListWidget *strip() const { return child<QListWidget>("fileListWidget"); }
    QCheckBox *applyBox() const { return child<QCheckBox>("applyCheckBox"); }
    ImageViewerV2 *view() const { return findChild<ImageViewerV2 *>(); }
    bool playbackBarShown() const { return !child<QWidget>("pageFrame")->isHidden(); }
    QList<bool> actionsEnabled() const
    {
        QList<bool> enabled;
        for (const QAction &action : actions)
            enabled.append(action.isEnabled());
        return enabled;
    }
    void select(int row) { strip()->setCurrentRow(row); }
    void click(const char *button) { child<QPushButton>(button)->click(); }

    // Every thumbnail job the strip refers to now.
    QList<QPointer<IQIconReadThread>> stripJobs() const
    {
        QList<QPointer<IQIconReadThread>> jobs;
        for (int row = 0; row < strip()->count(); ++row)
            jobs.append(strip()->item(row)->data(kJobRole).value<IQIconReadThread *>());
        return jobs;
    }
    QStringList stripNames() const
    {
        QStringList names;
        for (int row = 0; row < strip()->count(); ++row)
            names.append(QFileInfo(strip()->item(row)->data(kPathRole).toString()).fileName());
        return names;
    }

    std::array<QAction, 4> actions{{QAction(nullptr), QAction(nullptr), QAction(nullptr),
                                    QAction(nullptr)}};
};

using Calls = QList<QStringList>;
using Ints = QList<int>;
using Enabled = QList<bool>;

const Enabled kNoneEnabled{false, false, false, false};
const QList<QColor> kFrameColors{Qt::red, Qt::green, Qt::blue, Qt::yellow};

// The modules as a user leaves them with only one switched on.
void onlyModules(bool text, int resizeWidth = 0)
{
    IQBatchSettings *settings = IQBatchSettings::instance();
    *settings = IQBatchSettings();
    settings->rotateEnabled = false;
    settings->borderEnabled = false;
    settings->stampEnabled = false;
    settings->textEnabled = text;
    settings->text = text ? QStringLiteral("Brivane") : QString();
    settings->textColor = Qt::white;
    settings->resizeEnabled = resizeWidth > 0;
    settings->resizeMode = 0;
    settings->resizeWidth = resizeWidth;
}

} // namespace

Q_DECLARE_METATYPE(Calls)

class tst_EditingFrame : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }
    QStringList paths(const QStringList &names) const
    {
        QStringList full;
        for (const QString &name : names)
            full.append(path(name));
        return full;
    }

    static std::unique_ptr<Page> shownPage()
    {
        auto page = std::make_unique<Page>();
        page->show();
        if (!QTest::qWaitForWindowExposed(page.get()))
            return nullptr;
        return page;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(BrvTest::loadEnglishTranslation());
        BrvTest::applyDarkStyle();
        BrvTest::useProgramFont();

        // Widths that are whole groups of 4 pixels arrive as they are.
        QVERIFY(BrvTest::gradientImage(40, 30).save(path("a.png")));
        QVERIFY(BrvTest::gradientImage(44, 33).save(path("A.png")));
        QVERIFY(BrvTest::gradientImage(48, 36).save(path("b.png")));
        QVERIFY(BrvTest::gradientImage(52, 39).save(path("c.png")));
        QVERIFY(BrvTest::gradientImage(640, 480).save(path("photo.png")));
        QVERIFY(ImageFixtures::truncatedCopy(path("photo.png"), path("truncated.png"), 100));
        QVERIFY(ImageFixtures::gifWithFrames(path("anim.gif"), kFrameColors, {100, 100, 100, 100},
                                             64, 48));
        QVERIFY(ImageFixtures::gifWithFrames(path("other.gif"), kFrameColors.mid(0, 3),
                                             {100, 100, 100}, 64, 48));
        QVERIFY(ImageFixtures::truncatedCopy(path("anim.gif"), path("truncated.gif"), 13));
        QVERIFY(BrvTest::gradientImage(1001, 70).save(path("wide.png")));
        QVERIFY(ImageFixtures::photoJpeg(path("torn.jpg"), 320, 240,
                                         ImageFixtures::JpegDamage::CutAt40));
        QVERIFY(ImageFixtures::photoJpeg(path("no end.jpg"), 320, 240,
                                         ImageFixtures::JpegDamage::NoEndMarker));
    }

    void init() { onlyModules(false); }

    void startsEmptyWithItsTexts()
    {
        Page page;
        QCOMPARE(page.strip()->count(), 0);
        QVERIFY(!page.playbackBarShown());
        QVERIFY(page.image().isNull());
        QCOMPARE(page.child<QPushButton>("backButton")->text(), QStringLiteral("Back"));
        QCOMPARE(page.child<QPushButton>("exportButton")->text(), QStringLiteral("Export"));
        QCOMPARE(page.applyBox()->toolTip(), QStringLiteral("Apply Convert Settings"));
        QCOMPARE(page.strip()->iconSize(), QSize(72, 72));
        QCOMPARE(page.strip()->gridSize(), QSize(80, 80));
        QCOMPARE(BrvTest::untranslatedTexts(&page), QStringList());
    }

    void loadFiles_data()
    {
        QTest::addColumn<Calls>("calls");
        QTest::addColumn<Ints>("indexes");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("shownName");
        QTest::addColumn<QString>("shownSize");

        QTest::newRow("index 1 of 3 on an empty page")
            << Calls{{"a.png", "b.png", "c.png"}} << Ints{1} << QStringList{"a.png", "b.png", "c.png"}
            << 1 << "b.png" << "48 x 36 Pix";
        QTest::newRow("an index past the list reads nothing")
            << Calls{{"a.png", "b.png", "c.png"}} << Ints{3} << QStringList{"a.png", "b.png", "c.png"}
            << -1 << "" << "";
        QTest::newRow("a second call appends and keeps the row and the picture")
            << Calls{{"a.png", "b.png"}, {"c.png"}} << Ints{1, 0}
            << QStringList{"a.png", "b.png", "c.png"} << 1 << "b.png" << "48 x 36 Pix";
        QTest::newRow("listed files are not listed again")
            << Calls{{"a.png", "b.png"}, {"b.png", "c.png", "a.png"}} << Ints{0, 2}
            << QStringList{"a.png", "b.png", "c.png"} << 0 << "a.png" << "40 x 30 Pix";
        QTest::newRow("letter case tells files apart")
            << Calls{{"a.png", "A.png"}} << Ints{1} << QStringList{"a.png", "A.png"} << 1
            << "A.png" << "44 x 33 Pix";
    }

    void loadFiles()
    {
        QFETCH(Calls, calls);
        QFETCH(Ints, indexes);
        QFETCH(QStringList, listed);
        QFETCH(int, row);
        QFETCH(QString, shownName);
        QFETCH(QString, shownSize);

        auto page = shownPage();
        QVERIFY(page);
        QSignalSpy changed(page.get(), &IQEditingFrame::imageChanged);
        for (int i = 0; i < calls.size(); ++i)
            page->loadFiles(paths(calls.at(i)), indexes.at(i));

        QCOMPARE(page->stripNames(), listed);
        for (int i = 0; i < listed.size(); ++i)
            QCOMPARE(page->documentAt(i)->fileName(), listed.at(i));
        QCOMPARE(page->strip()->currentRow(), row);
        QCOMPARE(page->label("nameLabel")->text(), shownName);
        QCOMPARE(page->label("sizeLabel")->text(), shownSize);
        // Every file shown is read once: the later calls read nothing.
        QCOMPARE(changed.count(), row < 0 ? 0 : 1);
        QCOMPARE(page->image().isNull(), row < 0);
        if (row >= 0)
            QCOMPARE(QStringLiteral("%1 x %2 Pix").arg(page->image().width()).arg(page->image().height()),
                     shownSize);
    }

    void staleThumbnailsStayOffTheNewList()
    {
        QVERIFY(BrvTest::noiseImage(4000, 3000).save(path("large.png")));
        QStringList small;
        for (int i = 0; i < 5; ++i) {
            small.append(path(QStringLiteral("small%1.png").arg(i)));
            QVERIFY(BrvTest::gradientImage(64, 48).save(small.last()));
        }

        QList<QPointer<IQIconReadThread>> made;
        {
            Page page;
            // Past the list, so nothing is read and the large file's job is still at work.
            page.loadFiles({path("large.png")}, 99);
            made += page.stripJobs();
            page.clearFileList();
            QCOMPARE(page.jobCount(), 1);
            page.loadFiles(small, 99);
            made += page.stripJobs();

            page.pool().waitForDone();
            QCoreApplication::sendPostedEvents();
            QCOMPARE(page.strip()->count(), small.size());
            for (int row = 0; row < small.size(); ++row) {
                const QListWidgetItem *item = page.strip()->item(row);
                QVERIFY(!item->icon().isNull());
                QCOMPARE(item->text(), QString());
                QCOMPARE(item->toolTip(), QStringLiteral("small%1.png\r\n64 x 48").arg(row));
            }
            // The retired job goes once the pool is idle.
            QTRY_COMPARE_WITH_TIMEOUT(page.jobCount(), small.size(), BrvTest::kEventTimeoutMs);
            QVERIFY(made.first().isNull());

            // The page goes while new jobs run: it stops and waits for them first.
            page.loadFiles(QStringList{path("large.png")} + small.mid(0, 2), 99);
            made += page.stripJobs();
        }
        for (const QPointer<IQIconReadThread> &job : qAsConst(made))
            QVERIFY(job.isNull());
        QCoreApplication::sendPostedEvents();
    }

    void showsEachKindOfFile()
    {
        auto page = shownPage();
        QVERIFY(page);
        QSignalSpy durations(page->view(), &ImageViewerV2::durationChanged);
        page->loadFiles(paths({"anim.gif", "photo.png", "truncated.png", "truncated.gif"}), 0);

        // The animation: the bar shows, the duration is the frame count, playback numbers
        // the frames from 1.
        QVERIFY(page->playbackBarShown());
        QCOMPARE(page->label("nameLabel")->text(), QStringLiteral("anim.gif"));
        QCOMPARE(page->label("sizeLabel")->text(), QStringLiteral("64 x 48 Pix"));
        QCOMPARE(page->label("durationLabel")->text(), QStringLiteral("4"));
        QCOMPARE(page->documentAt(0)->frameCount, 4);
        QCOMPARE(durations.count(), 1);
        QCOMPARE(page->documentAt(0)->duration, durations.at(0).at(0).toInt());
        QTRY_VERIFY_WITH_TIMEOUT(!page->label("positionLabel")->text().isEmpty(), BrvTest::kEventTimeoutMs);
        page->click("pauseButton");
        QVERIFY(!page->view()->isPlaying());
        const int frame = page->view()->currentFrameNumber();
        QCOMPARE(page->label("positionLabel")->text(), QString::number(frame + 1));
        QCOMPARE(page->child<VideoSlider>("seekBar")->value(), frame);
        QCOMPARE(page->child<VideoSlider>("seekBar")->maximum(), 3);

        // A still: no bar, its size, the zoom actions by the fit.
        page->select(1);
        QVERIFY(!page->playbackBarShown());
        QCOMPARE(page->label("nameLabel")->text(), QStringLiteral("photo.png"));
        QCOMPARE(page->label("sizeLabel")->text(), QStringLiteral("640 x 480 Pix"));
        QVERIFY(page->view()->hasImage());
        QCOMPARE(page->actionsEnabled(), (Enabled{true, false, true, false}));

        // An unreadable still clears the view rather than leave the photo under its name.
        QSignalSpy changed(page.get(), &IQEditingFrame::imageChanged);
        page->select(2);
        QVERIFY(!page->view()->hasImage());
        QVERIFY(page->image().isNull());
        QCOMPARE(page->label("nameLabel")->text(), QStringLiteral("truncated.png"));
        QCOMPARE(page->label("sizeLabel")->text(), QString());
        QCOMPARE(page->actionsEnabled(), kNoneEnabled);
        QCOMPARE(changed.count(), 1);

        // So does an animation whose frames cannot be played.
        page->select(1);
        QVERIFY(page->view()->hasImage());
        page->select(3);
        QVERIFY(!page->view()->hasImage());
        QVERIFY(page->image().isNull());
        QVERIFY(!page->playbackBarShown());
        QCOMPARE(page->label("nameLabel")->text(), QStringLiteral("truncated.gif"));
        QCOMPARE(page->label("sizeLabel")->text(), QString());
        QCOMPARE(page->actionsEnabled(), kNoneEnabled);
    }

    void stepButtonsMoveOneFrameAfterTwoAnimations()
    {
        auto page = shownPage();
        QVERIFY(page);
        page->loadFiles(paths({"anim.gif", "other.gif", "photo.png"}), 0);
        page->select(2);
        page->select(1);
        QVERIFY(page->playbackBarShown());
        page->click("nextFrameButton");
        QVERIFY(!page->view()->isPlaying());
        const int frame = page->view()->currentFrameNumber();
        page->click("nextFrameButton");
        QCOMPARE(page->view()->currentFrameNumber(), (frame + 1) % 3);
        QCOMPARE(page->label("positionLabel")->text(), QString::number((frame + 1) % 3 + 1));
        page->click("prevFrameButton");
        QCOMPARE(page->view()->currentFrameNumber(), frame);

        // Play and pause toggle once per click.
        QSignalSpy paused(page->view(), &ImageViewerV2::animationPaused);
        page->click("pauseButton");
        QVERIFY(page->view()->isPlaying());
        page->click("pauseButton");
        QVERIFY(!page->view()->isPlaying());
        QCOMPARE(paused.last().at(0).toBool(), true);
    }

    void applyBoxOnAStill()
    {
        auto page = shownPage();
        QVERIFY(page);
        page->loadFiles({path("photo.png")}, 0);
        const QImage original = page->image();
        page->zoomIn();
        const double zoomed = page->scale();

        // The text alone keeps the size: the pixels change in place, zoom and label stay.
        onlyModules(true);
        page->applyBox()->setChecked(true);
        QCOMPARE(page->scale(), zoomed);
        QCOMPARE(page->label("sizeLabel")->text(), QStringLiteral("640 x 480 Pix"));
        QCOMPARE(page->image().size(), original.size());
        QVERIFY(page->image() != original);

        page->applyBox()->setChecked(false);
        QCOMPARE(page->scale(), zoomed);
        QCOMPARE(page->image(), original);

        // A resize refits the view and updates the label.
        onlyModules(false, 320);
        page->applyBox()->setChecked(true);
        QCOMPARE(page->label("sizeLabel")->text(), QStringLiteral("320 x 240 Pix"));
        QCOMPARE(page->view()->sourceSize(), QSize(320, 240));
        QCOMPARE(page->view()->fitMode(), FIT_WINDOW);
        QVERIFY(page->scale() != zoomed);

        page->applyBox()->setChecked(false);
        QCOMPARE(page->label("sizeLabel")->text(), QStringLiteral("640 x 480 Pix"));
        QCOMPARE(page->view()->sourceSize(), QSize(640, 480));
    }

    // The still on show is widened to 1004 pixels; the label tells the file's 1001, and with
    // the modules ticked, the size a batch writes from the file.
    void sizeLabelTellsTheFilesSize()
    {
        auto page = shownPage();
        QVERIFY(page);
        page->loadFiles({path("wide.png")}, 0);
        QCOMPARE(page->image().width(), 1004);
        QCOMPARE(page->label("sizeLabel")->text(), QStringLiteral("1001 x 70 Pix"));

        // Turned, then halved: the widened copy would give 502 rows.
        onlyModules(false, 35);
        IQBatchSettings::instance()->rotateEnabled = true;
        IQBatchSettings::instance()->rotateMode = 2;
        const QSize written =
            IQConvertEngine(IQBatchSettings::instance()).process(QImage(path("wide.png"))).size();
        QCOMPARE(written.width(), 35);
        QVERIFY(written.height() < 502);
        page->applyBox()->setChecked(true);
        QCOMPARE(page->label("sizeLabel")->text(),
                 QStringLiteral("%1 x %2 Pix").arg(written.width()).arg(written.height()));
        page->applyBox()->setChecked(false);
        QCOMPARE(page->label("sizeLabel")->text(), QStringLiteral("1001 x 70 Pix"));

        // Read with the box ticked, the same.
        page->applyBox()->setChecked(true);
        page->loadFiles({path("photo.png")}, 0);
        page->select(1);
        page->select(0);
        QCOMPARE(page->label("sizeLabel")->text(),
                 QStringLiteral("%1 x %2 Pix").arg(written.width()).arg(written.height()));
        page->applyBox()->setChecked(false);
    }

    // A photo cut in its picture data is named in a message and not shown; one that only
    // lacks its end-of-image marker is shown as any other.
    void damagedPhotoIsNamedNotShown()
    {
        auto page = shownPage();
        QVERIFY(page);
        page->loadFiles(paths({"photo.png", "torn.jpg", "no end.jpg"}), 0);
        QVERIFY(page->view()->hasImage());

        QObject step;
        QStringList boxes;
        BrvTest::answerNextMessageBox(&step, [&](QMessageBox *box) {
            boxes << box->windowTitle() + QStringLiteral(": ") + box->text();
            QCOMPARE(box->textFormat(), Qt::PlainText);
            BrvTest::saveScreenshot(box, QStringLiteral("damagedphoto"));
            box->button(QMessageBox::Ok)->click();
        });
        page->select(1);
        QCOMPARE(boxes, QStringList{QApplication::applicationDisplayName()
                                    + QStringLiteral(": torn.jpg is damaged: part of its picture "
                                                     "is missing, so it is not shown.")});
        QVERIFY(!page->view()->hasImage());
        QVERIFY(page->image().isNull());
        QCOMPARE(page->label("nameLabel")->text(), QStringLiteral("torn.jpg"));
        QCOMPARE(page->label("sizeLabel")->text(), QString());

        page->select(2);
        QVERIFY(page->view()->hasImage());
        QCOMPARE(page->label("sizeLabel")->text(), QStringLiteral("320 x 240 Pix"));
        QCOMPARE(boxes.size(), 1);
    }

    void applyBoxWithoutADocumentOnlyRemembers()
    {
        auto page = shownPage();
        QVERIFY(page);
        onlyModules(false, 320);
        page->applyBox()->setChecked(true);
        QVERIFY(page->image().isNull());

        page->loadFiles({path("photo.png")}, 4);
        QCOMPARE(page->strip()->currentRow(), -1);
        page->applyBox()->setChecked(false);
        page->applyBox()->setChecked(true);
        QVERIFY(page->image().isNull());
        QVERIFY(!page->view()->hasImage());

        // The box was taken: the file is read through the modules.
        page->select(0);
        QCOMPARE(page->label("sizeLabel")->text(), QStringLiteral("320 x 240 Pix"));
    }

    void applyBoxOnAnAnimation()
    {
        auto page = shownPage();
        QVERIFY(page);
        onlyModules(false, 32);
        page->applyBox()->setChecked(true);
        page->loadFiles({path("anim.gif")}, 0);
        QCOMPARE(page->image().size(), QSize(32, 24));
        page->click("nextFrameButton");
        QCOMPARE(page->image().size(), QSize(32, 24));
        QCOMPARE(page->label("sizeLabel")->text(), QStringLiteral("32 x 24 Pix"));

        // Unticked: what is on show stays, the next frame comes as it is.
        page->applyBox()->setChecked(false);
        QCOMPARE(page->image().size(), QSize(32, 24));
        QCOMPARE(page->view()->sourceSize(), QSize(32, 24));
        page->click("nextFrameButton");
        QCOMPARE(page->image().size(), QSize(64, 48));
        QCOMPARE(page->label("sizeLabel")->text(), QStringLiteral("64 x 48 Pix"));
    }

    void backEmptiesThePageFirst()
    {
        auto page = shownPage();
        QVERIFY(page);
        page->loadFiles(paths({"photo.png", "anim.gif"}), 1);
        page->applyBox()->setChecked(true);
        int rowsAtEnd = -1;
        bool documentAtEnd = true;
        connect(page.get(), &IQEditingFrame::editFinished, page.get(), [&]() {
            rowsAtEnd = page->strip()->count();
            documentAtEnd = page->documentAt(0) != nullptr;
        });
        QSignalSpy finished(page.get(), &IQEditingFrame::editFinished);
        page->click("backButton");

        QCOMPARE(finished.count(), 1);
        QCOMPARE(rowsAtEnd, 0);
        QVERIFY(!documentAtEnd);
        QVERIFY(page->applyBox()->isChecked());
        QVERIFY(page->image().isNull());
        QVERIFY(!page->view()->hasImage());
        QVERIFY(!page->playbackBarShown());
        QCOMPARE(page->actionsEnabled(), kNoneEnabled);

        // Filled again, the page starts over from the given index.
        page->loadFiles(paths({"a.png", "b.png"}), 0);
        QCOMPARE(page->label("nameLabel")->text(), QStringLiteral("a.png"));
    }

    // Only the page writes its documents: a HEIC file found to hold several images is
    // recorded as animated when its sequence arrives, and plays with the bar.
    void heicSequenceIsRecordedAnimated()
    {
        QVERIFY(ImageFixtures::multiPageTiff(path("pages.heic"), kFrameColors.mid(0, 3), 16, 12));
        auto page = shownPage();
        QVERIFY(page);
        page->loadFiles({path("pages.heic")}, 0);
        QCOMPARE(page->documentAt(0)->kind(), 2);
        QVERIFY(page->playbackBarShown());
        QCOMPARE(page->label("durationLabel")->text(), QStringLiteral("3"));
    }

    // The page goes while a large photo is read for display: from inside the waiting loop,
    // or after a quit ended every loop; or a quit is followed by emptying the list. The page
    // ends the reader before its documents go, and what the reader sent meanwhile never
    // arrives.
    void endsTheReaderWhileAStillIsRead_data()
    {
        QTest::addColumn<bool>("quitFirst");
        QTest::addColumn<bool>("readerDone");
        QTest::addColumn<bool>("destroyPage");
        QTest::newRow("the page goes inside the waiting loop") << false << false << true;
        QTest::newRow("a quit, then the page goes") << true << false << true;
        QTest::newRow("a quit, then the list is emptied") << true << false << false;
        // Its still is on the way to the page, naming the document.
        QTest::newRow("a quit, the reader ends, the list is emptied") << true << true << false;
    }
    void endsTheReaderWhileAStillIsRead()
    {
        QFETCH(bool, quitFirst);
        QFETCH(bool, readerDone);
        QFETCH(bool, destroyPage);
        const QString large = path("large.jpg");
        if (!QFile::exists(large))
            QVERIFY(BrvTest::noiseImage(6000, 4000).save(large, "JPEG", 95));
        onlyModules(true);
        auto page = shownPage();
        QVERIFY(page);
        page->applyBox()->setChecked(true);

        QPointer<QThread> worker;
        bool runningInTheLoop = false;
        BrvTest::answerNextModal([&](QWidget *) {
            worker = page->workerThread();
            runningInTheLoop = worker && worker->isRunning();
            if (quitFirst)
                QCoreApplication::exit(0);
            else
                page.reset();
        });
        page->loadFiles({large}, 0);
        QVERIFY(runningInTheLoop);
        if (quitFirst) {
            QVERIFY(worker);
            if (readerDone)
                QVERIFY(worker->wait(60000));
            if (destroyPage)
                page.reset();
            else
                page->clearFileList();
            QVERIFY(BrvTest::takeQuitRequest());
        }
        QVERIFY(worker.isNull());
        QCOMPARE(!page, destroyPage);
        QTest::qWait(100);
        if (page) {
            QVERIFY(!page->workerThread());
            QVERIFY(page->image().isNull());
            QVERIFY(!page->view()->hasImage());
            QCOMPARE(page->label("nameLabel")->text(), QString());
        }
    }

    // The export dialog lives on the stack of the export; a page that goes while it is open
    // leaves it there, and nothing is written.
    void pageGoesWhileItsExportDialogIsOpen()
    {
        QTemporaryDir out;
        QVERIFY(out.isValid());
        IQSettings::instance()->setLastSaveDir(out.path());
        auto page = shownPage();
        QVERIFY(page);
        page->loadFiles({path("photo.png")}, 0);
        QPointer<QWidget> dialog;
        BrvTest::answerNextModal([&](QWidget *modal) {
            dialog = qobject_cast<IQExportDialog *>(modal);
            page.reset();
        });
        QPushButton *exportButton = page->child<QPushButton>("exportButton");
        exportButton->click();
        IQSettings::instance()->setLastSaveDir(QString());
        QVERIFY(!page);
        QVERIFY(dialog.isNull());
        QTest::qWait(100);
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList());
    }

    void screenshots()
    {
        QImage photo = BrvTest::gradientImage(1200, 800);
        {
            QPainter painter(&photo);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setBrush(QColor(240, 200, 80));
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(QPoint(880, 220), 120, 120);
            painter.setBrush(QColor(40, 90, 60));
            painter.drawRect(0, 560, 1200, 240);
        }
        QVERIFY(photo.save(path("holiday.jpg"), "JPEG", 90));
        QVERIFY(ImageFixtures::gifWithFrames(path("banner.gif"),
                                             {QColor(200, 80, 60), QColor(60, 140, 200),
                                              QColor(90, 170, 90), QColor(220, 190, 70)},
                                             {300, 300, 300, 300}, 480, 320));

        auto page = shownPage();
        QVERIFY(page);
        page->loadFiles(paths({"holiday.jpg", "banner.gif", "photo.png", "a.png"}), 0);
        page->pool().waitForDone();
        QCoreApplication::sendPostedEvents();
        BrvTest::saveScreenshot(page.get(), QStringLiteral("viewer-page-photo"));

        page->select(1);
        QTRY_VERIFY_WITH_TIMEOUT(!page->label("positionLabel")->text().isEmpty(), BrvTest::kEventTimeoutMs);
        QVERIFY(page->view()->isPlaying());
        BrvTest::saveScreenshot(page.get(), QStringLiteral("viewer-page-animation"));
    }
};

QTEST_MAIN(tst_EditingFrame)
#include "tst_editingframe.moc"
