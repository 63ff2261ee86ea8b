#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>

#include "BVEnv.h"
#include "BVLinkTable.h"
#include "BrvTest.h"
#include "UntranslatedTexts.h"
#include "IQAppInfo.h"
#include "IQEditingFrame.h"
#include "IQGuideDialog.h"
#include "IQImageBrowserFrame.h"
#include "IQSettings.h"
#include "IQTranslators.h"
#include "IQWizardFrame.h"
#include "MainWindow.h"

namespace {

template <typename T>
T *child(QObject *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

QListWidget *tiles(MainWindow &window)
{
    return child<QListWidget>(window.tilePage(), "tileListView");
}

QList<QAction *> viewActions(MainWindow &window)
{
    return {window.actualSizeAction(), window.fitInAction(), window.zoomInAction(),
            window.zoomOutAction()};
}

// Collects the addresses handed to the desktop for http and https.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    UrlCatcher()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
    }
    ~UrlCatcher() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls.append(url); }
};

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
            BrvTest::answerNextModal([this, names](QWidget *modal) {
                auto *fd = qobject_cast<QFileDialog *>(modal);
                if (!fd) {
                    modal->close();
                    return;
                }
                if (names.isEmpty()) {
                    fd->reject();
                    return;
                }
                QStringList quoted;
                for (const QString &name : names)
                    quoted.append(QLatin1Char('"') + name + QLatin1Char('"'));
                BrvTest::acceptFileDialog(fd, dir.path(), quoted.join(QLatin1Char(' ')));
            });
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

    void pages()
    {
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
        auto *names = child<QListWidget>(window.viewerPage(), "fileListWidget");
        QVERIFY(names);
        QTRY_COMPARE(names->currentRow(), 1);
        BrvTest::saveScreenshot(&window, QStringLiteral("main_viewer_en"));

        // Back brings the tile page with its tiles.
        child<QPushButton>(window.viewerPage(), "backButton")->click();
        QCOMPARE(window.pageState(), 1);
        QVERIFY(window.tilePage()->isVisible());
        QVERIFY(!window.viewerPage()->isVisible());
        QCOMPARE(tiles(window)->count(), 2);
        QVERIFY(window.openAction()->isEnabled());
        for (QAction *action : viewActions(window))
            QVERIFY(!action->isEnabled());
        QCoreApplication::processEvents();
        BrvTest::saveScreenshot(&window, QStringLiteral("main_tiles_en"));
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

        // Help hands the link builder's addresses to the desktop.
        UrlCatcher catcher;
        help[0]->trigger();
        help[1]->trigger();
        help[2]->trigger();
        BVLinkTable *links = IQAppInfo::environment()->linkTable();
        QCOMPARE(catcher.urls, (QList<QUrl>{QUrl(links->guideUrl()), QUrl(links->faqUrl()),
                                            QUrl(links->supportUrl())}));
        QLocale::setDefault(QLocale(QLocale::English));
        installTranslators();
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
                child<QPushButton>(modal, "okButn")->click();
            });
            QCOMPARE(guide.exec(), int(QDialog::Accepted));
        }
        QCOMPARE(IQSettings::instance()->showGuide(), 1);
        IQGuideDialog guide(nullptr);
        auto *box = child<QCheckBox>(&guide, "showAgainChckButn");
        QCOMPARE(box->text(), QStringLiteral("Don't show again"));
        QCOMPARE(child<QPushButton>(&guide, "okButn")->text(), QStringLiteral("Close"));
        box->setChecked(true);
        QCOMPARE(IQSettings::instance()->showGuide(), 2);
        box->setChecked(false);
        QCOMPARE(IQSettings::instance()->showGuide(), 0);
    }

private:
    QTemporaryDir dir;
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
