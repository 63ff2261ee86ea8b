#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "BVEnv.h"
#include "BVLinkTable.h"
#include "BrvTest.h"
#include "DebugLog.h"
#include "Downloader.h"
#include "FindNamed.h"
#include "IQBatchDialog.h"
#include "settings/IQBatchSettings.h"
#include "workers/IQConvertThread.h"
#include "LoopbackHttpServer.h"
#include "QSimpleUpdater.h"
#include "Updater.h"
#include "UntranslatedTexts.h"
#include "UrlCatcher.h"
#include "IQAppInfo.h"
#include "IQEditingFrame.h"
#include "IQExportDialog.h"
#include "IQGuideDialog.h"
#include "IQImageBrowserFrame.h"
#include "settings/IQSettings.h"
#include "IQTranslators.h"
#include "IQWizardFrame.h"
#include "ImageFixtures.h"
#include "MainWindow.h"

namespace {

QListWidget *tiles(MainWindow &window)
{
    return BrvTest::findNamed<QListWidget>(window.tilePage(), "tileListView");
}

QList<QAction *> viewActions(MainWindow &window)
{
    return {window.actualSizeAction(), window.fitInAction(), window.zoomInAction(),
            window.zoomOutAction()};
}

// An update feed whose one entry is this module on channel 1 at the given version.
QByteArray feedAt(const QString &version)
{
    const QJsonObject entry{{"module-name", "Brivane WebP"},
                            {"channel", 1},
                            {"latest-version", version},
                            {"changelog", "Faster animated WebP export."}};
    return QJsonDocument(QJsonObject{{"windows", QJsonArray{entry}}}).toJson();
}

// Points the work folder's Settings.ini at address, the way a tester redirects the check.
void pointSettingsAt(const QString &address)
{
    QSettings ini(QStringLiteral("Settings.ini"), QSettings::IniFormat);
    ini.setValue(QStringLiteral("checkupdate/url"), address);
}

// The two languages the window's texts are checked in: a "language" column.
void languageRows()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "en";
    QTest::newRow("German") << "de";
}

// Sends a drag over the window and a drop on it with the given data; true when accepted.
QPair<bool, bool> dragAndDrop(MainWindow &window, QMimeData *data)
{
    const QPoint at(window.width() / 2, window.height() / 2);
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    return {enter.isAccepted(), drop.isAccepted()};
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationVersion(QStringLiteral(BRV_VERSION));
        QGuiApplication::setApplicationDisplayName(IQAppInfo::applicationName());
        BrvTest::useProgramFont();
        QVERIFY(dir.isValid());
        for (const char *name : {"a.png", "b.png", "c.png"})
            QVERIFY(BrvTest::gradientImage(64, 48).save(dir.filePath(QLatin1String(name))));
        QFile text(dir.filePath(QStringLiteral("notes.txt")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not an image\n");
    }

    void init() { QLocale::setDefault(QLocale(QLocale::English)); installTranslators(); }

    void startState()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Brivane WebP"));
        QCOMPARE(window.size(), QSize(1171, 644));
        QCOMPARE(window.minimumSize(), QSize(800, 560));
        QCOMPARE(window.pageState(), 0);
        QVERIFY(window.startPage()->isVisible());
        QVERIFY(!window.tilePage()->isVisible());
        QVERIFY(!window.viewerPage()->isVisible());
        QVERIFY(window.openAction()->isEnabled());
        for (QAction *action : viewActions(window))
            QVERIFY(!action->isEnabled());
        // The dark sheet gives the palette its colour from its first rule.
        QVERIFY(qApp->styleSheet().startsWith(QStringLiteral("QPalette{background:#222222")));
        QCOMPARE(QApplication::palette().color(QPalette::Button), QColor(0x22, 0x22, 0x22));
        QVERIFY(BrvTest::untranslatedTexts(&window).isEmpty());
        BrvTest::saveScreenshot(&window, QStringLiteral("main_start_en"));
    }

    void drops_data()
    {
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("second");
        QTest::addColumn<int>("tileCount");
        QTest::addColumn<int>("state");
        QTest::newRow("two images and a text") << QStringList{"a.png", "notes.txt", "b.png"}
                                               << QStringList() << 2 << 1;
        QTest::newRow("a second drop adds") << QStringList{"a.png"} << QStringList{"c.png"} << 2
                                            << 1;
        QTest::newRow("text only") << QStringList{"notes.txt"} << QStringList() << 0 << 0;
    }
    void drops()
    {
        QFETCH(QStringList, first);
        QFETCH(QStringList, second);
        QFETCH(int, tileCount);
        QFETCH(int, state);
        MainWindow window;
        window.show();
        for (const QStringList &names : {first, second}) {
            if (names.isEmpty())
                continue;
            QList<QUrl> urls;
            for (const QString &name : names)
                urls.append(QUrl::fromLocalFile(dir.filePath(name)));
            QMimeData data;
            data.setUrls(urls);
            const QPair<bool, bool> accepted = dragAndDrop(window, &data);
            QVERIFY(accepted.first);
        }
        QCOMPARE(tiles(window)->count(), tileCount);
        QCOMPARE(window.pageState(), state);
        QCOMPARE(window.tilePage()->isVisible(), state == 1);
        QCOMPARE(window.startPage()->isVisible(), state == 0);
    }

    void dropsThatChangeNothing()
    {
        MainWindow window;
        window.show();
        QMimeData web;
        web.setUrls({QUrl(QStringLiteral("http://127.0.0.1/a.png"))});
        dragAndDrop(window, &web);
        QMimeData plain;
        plain.setText(QStringLiteral("a.png"));
        const QPair<bool, bool> plainAccepted = dragAndDrop(window, &plain);
        QVERIFY(!plainAccepted.first);
        QCOMPARE(window.pageState(), 0);
        QCOMPARE(tiles(window)->count(), 0);

        // On the viewer page both the drag and the drop are refused.
        QMimeData images;
        images.setUrls({QUrl::fromLocalFile(dir.filePath(QStringLiteral("a.png")))});
        dragAndDrop(window, &images);
        window.browserItems(window.tilePage(), {dir.filePath(QStringLiteral("a.png"))}, 0);
        QCOMPARE(window.pageState(), 2);
        QMimeData more;
        more.setUrls({QUrl::fromLocalFile(dir.filePath(QStringLiteral("b.png")))});
        const QPair<bool, bool> refused = dragAndDrop(window, &more);
        QVERIFY(!refused.first);
        QVERIFY(!refused.second);
        QCOMPARE(tiles(window)->count(), 1);
    }

    void openFlow()
    {
        IQSettings::instance()->setLastOpenDir(QDir::homePath());
        MainWindow window;
        window.show();
        auto choose = [this](const QStringList &names) {
            BrvTest::answerNextFileDialog(dir.path(), names);
        };
        choose({});
        window.openAction()->trigger();
        QCOMPARE(window.pageState(), 0);
        QCOMPARE(IQSettings::instance()->lastOpenDir(), QDir::homePath());

        choose({QStringLiteral("notes.txt")});
        window.openAction()->trigger();
        QCOMPARE(window.pageState(), 0);
        QCOMPARE(QDir(IQSettings::instance()->lastOpenDir()), QDir(dir.path()));

        IQSettings::instance()->setLastOpenDir(QDir::homePath());
        choose({QStringLiteral("a.png"), QStringLiteral("b.png")});
        emit window.startPage()->select_file();
        QCOMPARE(window.pageState(), 1);
        QCOMPARE(tiles(window)->count(), 2);
        QCOMPARE(QDir(IQSettings::instance()->lastOpenDir()), QDir(dir.path()));
    }

    void pages_data() { languageRows(); }
    void pages()
    {
        QFETCH(QString, language);
        QLocale::setDefault(QLocale(language));
        installTranslators();
        MainWindow window;
        window.show();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(dir.filePath(QStringLiteral("a.png"))),
                      QUrl::fromLocalFile(dir.filePath(QStringLiteral("b.png")))});
        dragAndDrop(window, &data);
        QCOMPARE(window.pageState(), 1);

        // A tile's double-click opens the viewer page at that file.
        QListWidget *list = tiles(window);
        QListWidgetItem *item = list->item(1);
        QVERIFY(item);
        emit list->itemDoubleClicked(item);
        QCOMPARE(window.pageState(), 2);
        QVERIFY(window.viewerPage()->isVisible());
        QVERIFY(!window.tilePage()->isVisible());
        QVERIFY(!window.openAction()->isEnabled());
        auto *names = BrvTest::findNamed<QListWidget>(window.viewerPage(), "fileListWidget");
        QVERIFY(names);
        QTRY_COMPARE_WITH_TIMEOUT(names->currentRow(), 1, BrvTest::kEventTimeoutMs);
        BrvTest::saveScreenshot(&window, QStringLiteral("main_viewer_") + language);

        // Back brings the tile page with its tiles.
        BrvTest::findNamed<QPushButton>(window.viewerPage(), "backButton")->click();
        QCOMPARE(window.pageState(), 1);
        QVERIFY(window.tilePage()->isVisible());
        QVERIFY(!window.viewerPage()->isVisible());
        QCOMPARE(tiles(window)->count(), 2);
        QVERIFY(window.openAction()->isEnabled());
        for (QAction *action : viewActions(window))
            QVERIFY(!action->isEnabled());
        QCoreApplication::processEvents();
        BrvTest::saveScreenshot(&window, QStringLiteral("main_tiles_") + language);
        QLocale::setDefault(QLocale(QLocale::English));
        installTranslators();
    }

    void menus_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("quit");
        QTest::newRow("English") << "en" << QStringList{"File", "View", "Help"} << "Quit";
        QTest::newRow("German") << "de" << QStringList{"Datei", "Ansicht", "Hilfe"} << QString();
    }
    void menus()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, titles);
        QFETCH(QString, quit);
        QLocale::setDefault(QLocale(language));
        installTranslators();
        MainWindow window;
        const QList<QAction *> menus = window.menuBar()->actions();
        QCOMPARE(menus.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(menus[i]->text(), titles[i]);
            for (QAction *action : menus[i]->menu()->actions())
                QVERIFY2(!action->text().startsWith(QLatin1String("IDS_")),
                         qPrintable(action->text()));
        }
        const QList<QAction *> file = menus[0]->menu()->actions();
        QCOMPARE(file.size(), 3);
        QCOMPARE(file[0]->shortcut(), QKeySequence(QKeySequence::Open));
        QVERIFY(file[1]->isSeparator());
        if (!quit.isEmpty())
            QCOMPARE(file[2]->text(), quit);
        QCOMPARE(file[2]->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
        const QList<QAction *> view = menus[1]->menu()->actions();
        QCOMPARE(view.size(), 4);
        QCOMPARE(view[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+0")));
        QCOMPARE(view[1]->shortcut(), QKeySequence(QStringLiteral("Ctrl+9")));
        QCOMPARE(view[2]->shortcut(), QKeySequence(QKeySequence::ZoomIn));
        QVERIFY(view[2]->autoRepeat());
        QCOMPARE(view[3]->shortcut(), QKeySequence(QKeySequence::ZoomOut));
        const QList<QAction *> help = menus[2]->menu()->actions();
        QCOMPARE(help.size(), 5);
        QCOMPARE(help[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+H")));
        QVERIFY(help[3]->isSeparator());
        QLocale::setDefault(QLocale(QLocale::English));
        installTranslators();
    }

    void noKeysShown_data() { languageRows(); }
    void noKeysShown()
    {
        QFETCH(QString, language);
        QLocale::setDefault(QLocale(language));
        installTranslators();
        MainWindow window;
        window.show();
        QCOMPARE(BrvTest::untranslatedTexts(&window), QStringList());

        // The check reaches into the menus: a key left in an entry, or in a submenu, shows.
        QMenu *view = window.menuBar()->actions().at(1)->menu();
        view->addAction(QStringLiteral("IDS_LEFT_OVER"));
        QMenu *more = view->addMenu(QStringLiteral("IDS_MORE"));
        more->addAction(QStringLiteral("IDS_DEEPER"));
        const QString found = BrvTest::untranslatedTexts(&window).join(QLatin1Char('|'));
        QVERIFY2(found.contains(QLatin1String("IDS_LEFT_OVER")), qPrintable(found));
        QVERIFY2(found.contains(QLatin1String("IDS_MORE")), qPrintable(found));
        QVERIFY2(found.contains(QLatin1String("IDS_DEEPER")), qPrintable(found));
        QLocale::setDefault(QLocale(QLocale::English));
        installTranslators();
    }

    void help_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("guide");
        QTest::newRow("English") << "en" << "https://www.brivane.example/webp/guide";
        QTest::newRow("German") << "de" << "https://www.brivane.example/de/webp/guide";
    }
    void help()
    {
        QFETCH(QString, language);
        QFETCH(QString, guide);
        QLocale::setDefault(QLocale(language));
        installTranslators();
        MainWindow window;
        const QList<QAction *> entries = window.menuBar()->actions().at(2)->menu()->actions();

        // The three entries hand the link builder's addresses, in the locale's language, to
        // whatever the desktop opens web pages with.
        UrlCatcher catcher;
        for (int i = 0; i < 3; ++i)
            entries[i]->trigger();
        BVLinkTable *links = IQAppInfo::environment()->linkTable();
        QCOMPARE(catcher.urls, (QList<QUrl>{QUrl(links->guideUrl()), QUrl(links->faqUrl()),
                                            QUrl(links->supportUrl())}));
        QCOMPARE(catcher.urls.first(), QUrl(guide));
        QLocale::setDefault(QLocale(QLocale::English));
        installTranslators();
    }

    void style()
    {
        // From the platform's look: the window's construction brings the dark one.
        qApp->setStyleSheet(QString());
        QApplication::setPalette(QPalette());
        QVERIFY(QApplication::palette().color(QPalette::Button) != QColor(0x22, 0x22, 0x22));
        MainWindow window;
        QVERIFY(qApp->styleSheet().startsWith(QStringLiteral("QPalette{background:#222222")));
        QCOMPARE(QApplication::palette().color(QPalette::Button), QColor(0x22, 0x22, 0x22));
        QCOMPARE(window.palette().color(QPalette::Button), QColor(0x22, 0x22, 0x22));
    }

    void aboutBox()
    {
        MainWindow window;
        QString text;
        QString title;
        BrvTest::answerNextModal([&](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (box) {
                text = box->text();
                title = box->windowTitle();
            }
            modal->close();
        });
        window.about();
        QCOMPARE(title, QStringLiteral("Brivane WebP"));
        QVERIFY(text.startsWith(QStringLiteral("Brivane WebP")));
        QVERIFY(text.contains(QStringLiteral("1.3.0.80")));
        QVERIFY(text.contains(IQAppInfo::aboutNotice()));
    }

    void guideDialog()
    {
        IQSettings::instance()->setShowGuide(1);
        {
            IQGuideDialog guide(nullptr);
            QCOMPARE(guide.windowTitle(), QStringLiteral("Dialog"));
            QCOMPARE(guide.size(), QSize(533, 399));
            BrvTest::answerNextModal([](QWidget *modal) {
                BrvTest::findNamed<QPushButton>(modal, "okButn")->click();
            });
            QCOMPARE(guide.exec(), int(QDialog::Accepted));
        }
        QCOMPARE(IQSettings::instance()->showGuide(), 1);
        IQGuideDialog guide(nullptr);
        auto *box = BrvTest::findNamed<QCheckBox>(&guide, "showAgainChckButn");
        QCOMPARE(box->text(), QStringLiteral("Don't show again"));
        QCOMPARE(BrvTest::findNamed<QPushButton>(&guide, "okButn")->text(), QStringLiteral("Close"));
        box->setChecked(true);
        QCOMPARE(IQSettings::instance()->showGuide(), 2);
        box->setChecked(false);
        QCOMPARE(IQSettings::instance()->showGuide(), 0);
    }

    // Each row checks a feed through the window's updater set-up: the window's own address
    // from Settings.ini, or another address's check that finishes while the window listens.
    void updateSetUp_data()
    {
        QTest::addColumn<QString>("iniPath");
        QTest::addColumn<QString>("otherPath");
        QTest::addColumn<int>("requests");
        QTest::addColumn<bool>("logged");
        QTest::newRow("the feed") << "/update/update.json" << QString() << 1 << true;
        QTest::newRow("after a redirect") << "/old/update.json" << QString() << 2 << false;
        QTest::newRow("another address") << "/update/update.json" << "/other/update.json" << 1
                                         << false;
    }
    void updateSetUp()
    {
        QFETCH(QString, iniPath);
        QFETCH(QString, otherPath);
        QFETCH(int, requests);
        QFETCH(bool, logged);
        LoopbackHttpServer server;
        QVERIFY(server.listen());
        // The installed version itself: no update may be offered.
        server.setRoute("/update/update.json",
                        LoopbackHttpServer::ok(feedAt(QStringLiteral("1.3.0.80")), "application/json"));
        server.setRoute("/other/update.json",
                        LoopbackHttpServer::ok(feedAt(QStringLiteral("1.3.0.80")), "application/json"));
        server.setRoute("/old/update.json", LoopbackHttpServer::redirect(302, "/update/update.json"));
        const QString address = server.url(iniPath).toString();
        pointSettingsAt(address);
        QCOMPARE(IQAppInfo::updateUrl(), address);

        MainWindow window;
        QSimpleUpdater *facade = QSimpleUpdater::instance();
        QCOMPARE(facade->moduleName(address), QStringLiteral("Brivane WebP"));
        QCOMPARE(facade->updaterFor(address)->channel(), 1);
        QCOMPARE(facade->updaterFor(address)->downloader()->downloadDir(),
                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        QCOMPARE(facade->moduleVersion(address), QStringLiteral("1.3.0.80"));

        QStringList boxes;
        QObject step;
        BrvTest::answerNextMessageBox(&step, [&boxes](QMessageBox *box) {
            boxes << box->text();
            box->close();
        });
        BrvTest::DebugLog log(QStringLiteral("Changelog:"));
        QSignalSpy finished(facade, &QSimpleUpdater::checkingFinished);
        if (otherPath.isEmpty())
            window.checkForUpdates();
        else
            facade->checkForUpdates(server.url(otherPath).toString());
        QVERIFY(finished.wait(BrvTest::kEventTimeoutMs));
        QCOMPARE(finished.size(), 1);
        QCOMPARE(server.requests().size(), requests);
        QCOMPARE(log.lines(),
                 logged ? QStringList{QStringLiteral("Changelog: \"Faster animated WebP export.\"")}
                        : QStringList());
        QVERIFY(!facade->updateAvailable(finished.first().first().toString()));
        QCOMPARE(boxes, QStringList());
    }

    void cleanup() { QFile::remove(QStringLiteral("Settings.ini")); }

    // The quit that comes while a batch runs: the window goes from inside the progress
    // dialog's own event loop, under the running worker.
    void quitDuringBatch_data()
    {
        QTest::addColumn<bool>("quitFirst");
        QTest::newRow("the window goes inside the progress loop") << false;
        QTest::newRow("a quit ends the loops, then the window goes") << true;
    }
    void quitDuringBatch()
    {
        QFETCH(bool, quitFirst);
        QTemporaryDir in;
        QTemporaryDir out;
        QVERIFY(in.isValid() && out.isValid());
        constexpr int kPhotos = 20;
        const QString first = in.filePath(QStringLiteral("photo0.jpg"));
        QVERIFY(BrvTest::noiseImage(2000, 1500).save(first));
        QList<QUrl> urls{QUrl::fromLocalFile(first)};
        for (int i = 1; i < kPhotos; ++i) {
            const QString copy = in.filePath(QStringLiteral("photo%1.jpg").arg(i));
            QVERIFY(QFile::copy(first, copy));
            urls << QUrl::fromLocalFile(copy);
        }
        IQBatchSettings::instance()->outputDir = out.path();

        auto window = std::make_unique<MainWindow>();
        window->show();
        QMimeData data;
        data.setUrls(urls);
        dragAndDrop(*window, &data);
        QCOMPARE(tiles(*window)->count(), kPhotos);

        bool batchDialog = false;
        bool convertingSeen = false;
        QPointer<IQConvertThread> worker;
        BrvTest::answerNextModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<IQBatchDialog *>(modal);
            if (!dialog) {
                modal->close();
                return;
            }
            batchDialog = true;
            // Next comes the progress dialog; the window goes from inside its loop, or a quit
            // (No to a mandatory update, say) ends every loop under a running batch.
            BrvTest::answerNextModal([&](QWidget *progress) {
                Q_UNUSED(progress)
                convertingSeen = window->tilePage()->isConverting();
                worker = window->tilePage()->convertThread();
                if (quitFirst)
                    QCoreApplication::exit(0);
                else
                    window.reset();
            });
            BrvTest::findNamed<QPushButton>(dialog, "convertButton")->click();
        });
        BrvTest::findNamed<QPushButton>(window->tilePage(), "convertButton")->click();
        if (quitFirst) {
            QTRY_VERIFY_WITH_TIMEOUT(convertingSeen && !QApplication::activeModalWidget(), 20000);
            QVERIFY(worker && worker->isRunning());
            window.reset();
            QVERIFY(BrvTest::takeQuitRequest());
        }
        QTRY_VERIFY_WITH_TIMEOUT(!window, 20000);
        QVERIFY(batchDialog);
        QVERIFY(convertingSeen);
        QVERIFY(worker.isNull());

        // The worker stopped with its window: nothing more is written.
        const QStringList written = QDir(out.path()).entryList(QDir::Files);
        QVERIFY(written.size() < kPhotos);
        QVERIFY(!QTest::qWaitFor(
            [&]() { return QDir(out.path()).entryList(QDir::Files) != written; }, 500));
    }

    // The same quit while the viewer exports every frame of an animation over the files of
    // an earlier export: the viewer page ends its worker before its documents go.
    void quitDuringExport_data() { quitDuringBatch_data(); }
    void quitDuringExport()
    {
        QFETCH(bool, quitFirst);
        QTemporaryDir out;
        QVERIFY(out.isValid());
        constexpr int kFrames = 40;
        const QString source = dir.filePath(QStringLiteral("anim.webp"));
        if (!QFile::exists(source)) {
            QList<QColor> colours;
            QList<int> delays;
            for (int i = 0; i < kFrames; ++i) {
                colours << QColor::fromHsv(i * 9, 200, 220);
                delays << 100;
            }
            QVERIFY(ImageFixtures::animatedWebp(source, colours, delays, 320, 240));
        }
        for (int i = 1; i <= kFrames; ++i) {
            QVERIFY(BrvTest::solidImage(8, 8, Qt::gray)
                        .save(out.filePath(QStringLiteral("anim_%1.png").arg(i))));
        }
        const QStringList before = BrvTest::folderState(out.path());
        IQSettings::instance()->setLastSaveDir(out.path());
        // Every frame passes through the modules, enlarged as a user may ask, so that an export
        // takes a while.
        IQBatchSettings *record = IQBatchSettings::instance();
        *record = IQBatchSettings();
        record->resizeWidth = 3200;
        record->enlarge = true;

        auto window = std::make_unique<MainWindow>();
        window->show();
        window->browserItems(window->tilePage(), {source}, 0);
        IQEditingFrame *page = window->viewerPage();
        QVERIFY(!page->image().isNull());

        bool exportDialog = false;
        bool progressShown = false;
        QPointer<QThread> worker;
        BrvTest::answerNextModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<IQExportDialog *>(modal);
            if (!dialog) {
                modal->close();
                return;
            }
            exportDialog = true;
            BrvTest::findNamed<QComboBox>(dialog, "optionComboBox")->setCurrentIndex(1);
            BrvTest::findNamed<QComboBox>(dialog, "formatComboBox")->setCurrentIndex(1);
            BrvTest::answerNextModal([&](QWidget *progress) {
                progressShown = qobject_cast<QProgressDialog *>(progress) != nullptr;
                worker = window->viewerPage()->workerThread();
                if (quitFirst)
                    QCoreApplication::exit(0);
                else
                    window.reset();
            });
            BrvTest::findNamed<QPushButton>(dialog, "convertButton")->click();
        });
        BrvTest::findNamed<QPushButton>(page, "exportButton")->click();
        if (quitFirst) {
            QTRY_VERIFY_WITH_TIMEOUT(progressShown && !QApplication::activeModalWidget(), 20000);
            QVERIFY(worker && worker->isRunning());
            window.reset();
            QVERIFY(BrvTest::takeQuitRequest());
        }
        QTRY_VERIFY_WITH_TIMEOUT(!window, 20000);
        IQSettings::instance()->setLastSaveDir(QString());
        *record = IQBatchSettings();
        QVERIFY(exportDialog);
        QVERIFY(progressShown);
        QVERIFY(worker.isNull());

        // Nothing is written once the window has gone, and the export stopped between two
        // pictures rather than writing every one first.
        const QStringList after = BrvTest::folderState(out.path());
        QVERIFY(!QTest::qWaitFor([&]() { return BrvTest::folderState(out.path()) != after; },
                                 500));
        QCOMPARE(after.size(), kFrames);
        int rewritten = 0;
        for (const QString &file : after)
            rewritten += before.contains(file) ? 0 : 1;
        QVERIFY2(rewritten < kFrames, qPrintable(QString::number(rewritten)));
    }

private:
    QTemporaryDir dir;
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
