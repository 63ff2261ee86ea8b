#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "BrvTest.h"
#include "FindNamed.h"
#include "IQImageBrowserFrame.h"
#include "settings/IQSettings.h"

using BrvTest::findNamed;

using PathLists = QList<QStringList>;

// The page with its thumbnail pool in reach, to wait for every job.
class PageWithPool : public IQImageBrowserFrame
{
public:
    QThreadPool &pool() { return threadPool; }
};
Q_DECLARE_METATYPE(PathLists)

class tst_ImageBrowserFrame : public QObject
{
    Q_OBJECT

private:
    static QListWidget *tiles(QWidget *page)
    {
        return findNamed<QListWidget>(page, "tileListView");
    }
    static QStringList tilePaths(QWidget *page)
    {
        QStringList paths;
        for (int row = 0; row < tiles(page)->count(); ++row)
            paths.append(tiles(page)->item(row)->data(Qt::UserRole + 2).toString());
        return paths;
    }
    static QStringList tileNames(QWidget *page)
    {
        QStringList names;
        for (int row = 0; row < tiles(page)->count(); ++row)
            names.append(tiles(page)->item(row)->text());
        return names;
    }
    // The list the page hands to the viewer is its own file list.
    static QStringList pageFiles(IQImageBrowserFrame &page)
    {
        if (tiles(&page)->count() == 0)
            return {};
        QSignalSpy spy(&page, &IQImageBrowserFrame::browserItems);
        emit tiles(&page)->itemDoubleClicked(tiles(&page)->item(0));
        return spy.value(0).value(1).toStringList();
    }

    // Writes PNGs whose sizes tell them apart: the i-th is (40 + i) x (30 + i).
    static QStringList writePhotos(const QTemporaryDir &dir, int count)
    {
        QStringList paths;
        for (int i = 0; i < count; ++i) {
            const QString path = dir.filePath(QStringLiteral("photo%1.png").arg(i));
            if (!BrvTest::gradientImage(40 + i, 30 + i).save(path))
                return {};
            paths.append(path);
        }
        return paths;
    }
    static bool allTilesHaveThumbnails(QWidget *page)
    {
        for (int row = 0; row < tiles(page)->count(); ++row) {
            if (tiles(page)->item(row)->icon().isNull())
                return false;
        }
        return true;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(BrvTest::loadEnglishTranslation());
        BrvTest::applyDarkStyle();
        BrvTest::useProgramFont();
    }

    void startsEmpty()
    {
        IQImageBrowserFrame page;
        QCOMPARE(tiles(&page)->count(), 0);
        QVERIFY(!findNamed<QPushButton>(&page, "convertButton")->isEnabled());
        QVERIFY(!findNamed<QPushButton>(&page, "removeTileButn")->isEnabled());
        QCOMPARE(findNamed<QPushButton>(&page, "selectTileButn")->text(),
                 QStringLiteral("Add Photos"));
        QCOMPARE(findNamed<QPushButton>(&page, "removeTileButn")->text(),
                 QStringLiteral("Remove Photos"));
        QCOMPARE(findNamed<QPushButton>(&page, "convertButton")->text(),
                 QStringLiteral("Start convert"));
        QCOMPARE(tiles(&page)->viewMode(), QListView::IconMode);
    }

    void addFiles_data()
    {
        QTest::addColumn<PathLists>("calls");
        QTest::addColumn<QStringList>("expected");

        const QString a = QStringLiteral("/photos/a.png");
        const QString b = QStringLiteral("/photos/b.jpg");
        QTest::newRow("nothing") << PathLists{{}} << QStringList();
        QTest::newRow("in order") << PathLists{{a, b}} << QStringList{a, b};
        QTest::newRow("twice in one call") << PathLists{{a, b, a}} << QStringList{a, b};
        QTest::newRow("twice across calls") << PathLists{{a}, {b, a}} << QStringList{a, b};
        QTest::newRow("only duplicates") << PathLists{{a, b}, {b, a}, {}} << QStringList{a, b};
        // On Linux these are different files.
        QTest::newRow("letter case")
            << PathLists{{a, QStringLiteral("/photos/A.png"), QStringLiteral("/Photos/a.png")}}
            << QStringList{a, QStringLiteral("/photos/A.png"), QStringLiteral("/Photos/a.png")};
    }

    void addFiles()
    {
        QFETCH(PathLists, calls);
        QFETCH(QStringList, expected);
        IQImageBrowserFrame page;
        for (const QStringList &paths : qAsConst(calls))
            QVERIFY(page.addFiles(paths));

        QCOMPARE(tilePaths(&page), expected);
        QCOMPARE(pageFiles(page), expected);
        QCOMPARE(findNamed<QPushButton>(&page, "convertButton")->isEnabled(), !expected.isEmpty());
        for (int row = 0; row < tiles(&page)->count(); ++row) {
            const QListWidgetItem *item = tiles(&page)->item(row);
            QCOMPARE(item->text(), QFileInfo(expected.at(row)).fileName());
            QCOMPARE(item->sizeHint(), QSize(120, 140));
            QCOMPARE(item->textAlignment(), int(Qt::AlignCenter));
        }
    }

    void selectionCarriesConvertMenu()
    {
        IQImageBrowserFrame page;
        page.addFiles({QStringLiteral("/p/1.png"), QStringLiteral("/p/2.png"),
                       QStringLiteral("/p/3.png")});
        auto *convert = findNamed<QPushButton>(&page, "convertButton");
        auto *remove = findNamed<QPushButton>(&page, "removeTileButn");
        QCOMPARE(convert->menu(), nullptr);

        tiles(&page)->item(1)->setSelected(true);
        tiles(&page)->item(2)->setSelected(true);
        QVERIFY(remove->isEnabled());
        QVERIFY(convert->menu());
        const QList<QAction *> actions = convert->menu()->actions();
        QCOMPARE(actions.size(), 2);
        QCOMPARE(actions.at(0)->text(), QStringLiteral("Convert Selectd Photos"));
        QCOMPARE(actions.at(1)->text(), QStringLiteral("Convert All Photos"));

        tiles(&page)->clearSelection();
        QVERIFY(!remove->isEnabled());
        QCOMPARE(convert->menu(), nullptr);
    }

    void doubleClickOpensTheViewerAtTheTile()
    {
        IQImageBrowserFrame page;
        const QStringList paths{QStringLiteral("/p/1.png"), QStringLiteral("/p/2.png"),
                                QStringLiteral("/p/3.png")};
        page.addFiles(paths);
        page.resize(800, 500);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QSignalSpy spy(&page, &IQImageBrowserFrame::browserItems);
        QListWidget *list = tiles(&page);
        list->doItemsLayout();
        const QPoint centre = list->visualItemRect(list->item(2)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<QFrame *>(), &page);
        QCOMPARE(spy.at(0).at(1).toStringList(), paths);
        QCOMPARE(spy.at(0).at(2).toInt(), 2);
    }

    void removeSelectedTiles()
    {
        IQImageBrowserFrame page;
        const QString a = QStringLiteral("/p/a.png");
        const QString b = QStringLiteral("/p/b.png");
        const QString c = QStringLiteral("/p/c.png");
        page.addFiles({a, b, c});
        auto *remove = findNamed<QPushButton>(&page, "removeTileButn");
        auto *convert = findNamed<QPushButton>(&page, "convertButton");

        tiles(&page)->item(1)->setSelected(true);
        remove->click();
        QCOMPARE(tilePaths(&page), (QStringList{a, c}));
        QCOMPARE(pageFiles(page), (QStringList{a, c}));
        QVERIFY(convert->isEnabled());

        // A removed path can be added again.
        page.addFiles({b});
        QCOMPARE(pageFiles(page), (QStringList{a, c, b}));

        tiles(&page)->selectAll();
        remove->click();
        QCOMPARE(tiles(&page)->count(), 0);
        QCOMPARE(pageFiles(page), QStringList());
        QVERIFY(!convert->isEnabled());
        QVERIFY(!remove->isEnabled());
    }

    void addPhotosThroughTheOpenDialog()
    {
        QTemporaryDir dir;
        QVERIFY(BrvTest::gradientImage(64, 48).save(dir.filePath(QStringLiteral("a.png"))));
        QFile text(dir.filePath(QStringLiteral("notes.txt")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("just some words, not an image\n");
        text.close();
        IQSettings::instance()->setLastOpenDir(QDir::homePath());

        IQImageBrowserFrame page;
        auto chooseFiles = [&dir](const QStringList &names) {
            BrvTest::answerNextFileDialog(dir.path(), names);
        };

        // Cancelled: nothing changes.
        chooseFiles({});
        findNamed<QPushButton>(&page, "selectTileButn")->click();
        QCOMPARE(tiles(&page)->count(), 0);
        QCOMPARE(IQSettings::instance()->lastOpenDir(), QDir::homePath());

        // Only a file that fails the type test: its folder is still remembered.
        chooseFiles({QStringLiteral("notes.txt")});
        findNamed<QPushButton>(&page, "selectTileButn")->click();
        QCOMPARE(tiles(&page)->count(), 0);
        QCOMPARE(IQSettings::instance()->lastOpenDir(), dir.path());

        chooseFiles({QStringLiteral("a.png"), QStringLiteral("notes.txt")});
        findNamed<QPushButton>(&page, "selectTileButn")->click();
        QCOMPARE(tileNames(&page), QStringList{QStringLiteral("a.png")});
        QVERIFY(findNamed<QPushButton>(&page, "convertButton")->isEnabled());
    }

    void thumbnailsLandOnTheirOwnTilesAfterARemoval()
    {
        QTemporaryDir dir;
        const QStringList paths = writePhotos(dir, 12);
        QCOMPARE(paths.size(), 12);
        PageWithPool page;
        page.addFiles(paths);
        // Results arrive queued, so none has landed yet: every row after these moves.
        for (int row = 0; row < 3; ++row)
            tiles(&page)->item(row)->setSelected(true);
        tiles(&page)->item(7)->setSelected(true);
        findNamed<QPushButton>(&page, "removeTileButn")->click();
        QCOMPARE(tiles(&page)->count(), 8);

        // Every job done and every result in, those of the removed tiles included.
        page.pool().waitForDone();
        QCoreApplication::sendPostedEvents();
        QVERIFY(allTilesHaveThumbnails(&page));
        QCOMPARE(tiles(&page)->count(), 8);
        for (int row = 0; row < tiles(&page)->count(); ++row) {
            const QListWidgetItem *item = tiles(&page)->item(row);
            const int i = paths.indexOf(item->data(Qt::UserRole + 2).toString());
            QCOMPARE(item->text(), QStringLiteral("photo%1.png").arg(i));
            QCOMPARE(item->toolTip(),
                     QStringLiteral("photo%1.png\r\n%2 x %3").arg(i).arg(40 + i).arg(30 + i));
        }
    }

    void toolTipShowsANameThatLooksLikeAPlaceholder()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("50%2 off %1.png"));
        QVERIFY(BrvTest::gradientImage(30, 20).save(path));
        IQImageBrowserFrame page;
        page.addFiles({path});
        QTRY_VERIFY_WITH_TIMEOUT(allTilesHaveThumbnails(&page), 20000);
        QCOMPARE(tiles(&page)->item(0)->toolTip(), QStringLiteral("50%2 off %1.png\r\n30 x 20"));
    }

    void pageGoesWhileThumbnailsAreMade()
    {
        QTemporaryDir dir;
        const QStringList paths = writePhotos(dir, 40);
        QCOMPARE(paths.size(), 40);
        {
            IQImageBrowserFrame page;
            page.addFiles(paths);
            tiles(&page)->selectAll();
            findNamed<QPushButton>(&page, "removeTileButn")->click();
            page.addFiles(paths);
        }
        // The sanitizers report any job left behind or deleted under a pool thread.
        QCoreApplication::sendPostedEvents();
    }

    // Each tile shows its own photo, the middle of the picture in the middle of the icon, and
    // the page lays out its tiles, buttons and panel clear of each other.
    void tilesShowTheirPhotos()
    {
        QTemporaryDir dir;
        QStringList paths;
        const QList<QColor> colours{QColor(200, 80, 60), QColor(60, 140, 200), QColor(90, 170, 90),
                                    QColor(220, 190, 70), QColor(150, 90, 190)};
        for (int i = 0; i < colours.size(); ++i) {
            QImage image = BrvTest::gradientImage(i % 2 ? 300 : 400, i % 2 ? 400 : 260);
            QPainter painter(&image);
            painter.fillRect(image.rect().adjusted(30, 30, -30, -30), colours.at(i));
            painter.end();
            paths.append(dir.filePath(QStringLiteral("holiday_%1.jpg").arg(i + 1)));
            QVERIFY(image.save(paths.last()));
        }
        IQImageBrowserFrame page;
        page.resize(960, 560);
        page.addFiles(paths);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QTRY_VERIFY_WITH_TIMEOUT(allTilesHaveThumbnails(&page), 20000);
        const QString fault = BrvTest::layoutFault(&page);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));

        QListWidget *list = tiles(&page);
        const QImage shown = list->viewport()->grab().toImage();
        // Beside a photo narrower than its icon, and above one that is flatter, the tile's own
        // ground shows.
        const QColor ground = shown.pixelColor(shown.width() - 2, shown.height() - 2);
        for (int i = 0; i < colours.size(); ++i) {
            const QRect tile = list->visualItemRect(list->item(i));
            const QPoint middle(tile.center().x(), tile.top() + list->iconSize().height() / 2);
            const QColor seen = shown.pixelColor(middle);
            QVERIFY2(BrvTest::isNear(seen, colours.at(i), 12), qPrintable(seen.name()));
            const QPoint beside = i % 2 ? QPoint(tile.left() + 10, middle.y())
                                        : QPoint(middle.x(), tile.top() + 10);
            QCOMPARE(shown.pixelColor(beside), ground);
        }
        list->item(1)->setSelected(true);
        BrvTest::saveScreenshot(&page, QStringLiteral("tilepage"));
    }
};

QTEST_MAIN(tst_ImageBrowserFrame)
#include "tst_imagebrowserframe.moc"
