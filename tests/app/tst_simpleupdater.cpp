#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "BrvTest.h"
#include "Downloader.h"
#include "LoopbackHttpServer.h"
#include "QSimpleUpdater.h"
#include "Updater.h"

// The Updaters that the facade makes stay until the application object goes; main() below
// sees whether they and their download windows went with it.
class tst_SimpleUpdater : public QObject
{
    Q_OBJECT

public:
    // Every Updater the tests made and its download window, watched past the application's end.
    QList<QPointer<QObject>> made;

private:
    LoopbackHttpServer server;
    QSimpleUpdater *facade = QSimpleUpdater::instance();

    Updater *updaterFor(const QString &url)
    {
        Updater *updater = facade->updaterFor(url);
        if (!made.contains(updater))
            made << updater << updater->downloader();
        return updater;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(server.listen());
    }

    void oneUpdaterPerAddress()
    {
        const QString feed = QStringLiteral("https://updates.example.com/update/update.json");
        const QString other = QStringLiteral("https://mirror.example.com/update/update.json");

        QCOMPARE(QSimpleUpdater::instance(), facade);
        Updater *updater = updaterFor(feed);
        QVERIFY(updater);
        QCOMPARE(updaterFor(feed), updater);
        QVERIFY(updaterFor(other) != updater);
        QCOMPARE(updater->url(), feed);
        // A getter alone makes the Updater of a new address, with its defaults.
        const QString unseen = QStringLiteral("https://unseen.example.com/u.json");
        QCOMPARE(facade->moduleName(unseen), QCoreApplication::applicationName());
        QCOMPARE(updaterFor(unseen)->url(), unseen);
    }

    void callsReachTheirUpdater()
    {
        const QString feed = QStringLiteral("https://updates.example.com/settings.json");
        const QString other = QStringLiteral("https://mirror.example.com/settings.json");
        QTemporaryDir folder;
        Updater *updater = updaterFor(feed);

        facade->setModuleName(feed, QStringLiteral("Brivane WebP"));
        facade->setModuleChannel(feed, 1);
        facade->setNotifyOnUpdate(feed, false);
        facade->setNotifyOnFinish(feed, true);
        facade->setPlatformKey(feed, QStringLiteral("win64"));
        facade->setModuleVersion(feed, QStringLiteral("1.2.0.1"));
        facade->setDownloaderEnabled(feed, false);
        facade->setUserAgentString(feed, QStringLiteral("Brivane/1"));
        facade->setUseCustomAppcast(feed, true);
        facade->setUseCustomInstallProcedures(feed, true);
        facade->setMandatoryUpdate(feed, true);
        facade->setDownloadDir(feed, folder.path());

        QCOMPARE(facade->moduleName(feed), QStringLiteral("Brivane WebP"));
        QCOMPARE(updater->channel(), 1);
        QVERIFY(!facade->notifyOnUpdate(feed));
        QVERIFY(facade->notifyOnFinish(feed));
        QCOMPARE(facade->platformKey(feed), QStringLiteral("win64"));
        QCOMPARE(facade->moduleVersion(feed), QStringLiteral("1.2.0.1"));
        QVERIFY(!facade->downloaderEnabled(feed));
        QCOMPARE(facade->userAgentString(feed), QStringLiteral("Brivane/1"));
        QVERIFY(facade->useCustomAppcast(feed));
        QVERIFY(facade->useCustomInstallProcedures(feed));
        QVERIFY(updater->mandatoryUpdate());
        QCOMPARE(updater->downloader()->downloadDir(), folder.path());

        // The other address keeps its own defaults.
        QCOMPARE(facade->platformKey(other), QStringLiteral("windows"));
        QVERIFY(facade->notifyOnUpdate(other));
        QVERIFY(!facade->useCustomInstallProcedures(other));
        QCOMPARE(updaterFor(other)->channel(), 0);
    }

    void signalsAreRelayed()
    {
        const QString feed = QStringLiteral("https://updates.example.com/relay.json");
        Updater *updater = updaterFor(feed);
        QSignalSpy checked(facade, &QSimpleUpdater::checkingFinished);
        QSignalSpy appcast(facade, &QSimpleUpdater::appcastDownloaded);
        QSignalSpy downloaded(facade, &QSimpleUpdater::downloadFinished);

        emit updater->checkingFinished(feed);
        emit updater->appcastDownloaded(feed, QByteArray("{}"));
        emit updater->downloader()->downloadFinished(feed, QStringLiteral("/tmp/setup.exe"));

        QCOMPARE(checked.size(), 1);
        QCOMPARE(checked.first(), QVariantList{feed});
        QCOMPARE(appcast.size(), 1);
        QCOMPARE(appcast.first(), QVariantList({feed, QByteArray("{}")}));
        QCOMPARE(downloaded.size(), 1);
        QCOMPARE(downloaded.first(), QVariantList({feed, QStringLiteral("/tmp/setup.exe")}));
    }

    void customAppcastHandsOverTheFeed()
    {
        const QByteArray body("{\"windows\": []}");
        server.setRoute("/appcast.json", LoopbackHttpServer::ok(body, "application/json"));
        const QString feed = server.url("/appcast.json").toString();
        updaterFor(feed);
        facade->setUseCustomAppcast(feed, true);
        QSignalSpy appcast(facade, &QSimpleUpdater::appcastDownloaded);
        QSignalSpy checked(facade, &QSimpleUpdater::checkingFinished);

        facade->checkForUpdates(feed);
        QTRY_COMPARE_WITH_TIMEOUT(checked.size(), 1, 15000);
        QCOMPARE(appcast.size(), 1);
        QCOMPARE(appcast.first(), QVariantList({feed, body}));
        QVERIFY(!facade->updateAvailable(feed));
    }

    // Leaves a download window behind on purpose: the application's end must take it.
    void downloadWindowLeftAtExit()
    {
        QTemporaryDir folder;
        server.setRoute("/setup.exe", LoopbackHttpServer::ok("installer"));
        server.setRoute("/exit.json",
                        LoopbackHttpServer::ok(
                            "{\"windows\": [{\"module-name\": \"Brivane WebP\", \"channel\": 1, "
                            "\"latest-version\": \"2.0\", \"download-url\": \""
                            + server.url("/setup.exe").toEncoded() + "\"}]}"));
        const QString feed = server.url("/exit.json").toString();
        updaterFor(feed);
        facade->setModuleName(feed, QStringLiteral("Brivane WebP"));
        facade->setModuleChannel(feed, 1);
        facade->setDownloadDir(feed, folder.path());
        QSignalSpy downloaded(facade, &QSimpleUpdater::downloadFinished);

        QObject step;
        BrvTest::answerNextMessageBox(&step, [&step](QMessageBox *box) {
            BrvTest::answerNextMessageBox(&step, [](QMessageBox *prompt) {
                prompt->button(QMessageBox::Cancel)->click();
            }, 15000);
            box->button(QMessageBox::Yes)->click();
        }, 15000);
        facade->checkForUpdates(feed);
        QTRY_COMPARE_WITH_TIMEOUT(downloaded.size(), 1, 15000);
        QTRY_VERIFY_WITH_TIMEOUT(updaterFor(feed)->downloader()->isVisible(), BrvTest::kEventTimeoutMs);
    }
};

int main(int argc, char **argv)
{
    int result = 0;
    QList<QPointer<QObject>> made;
    {
        QApplication::setAttribute(Qt::AA_Use96Dpi, true);
        QApplication app(argc, argv);
        tst_SimpleUpdater test;
        QTEST_SET_MAIN_SOURCE_PATH
        result = QTest::qExec(&test, argc, argv);
        made = test.made;
        if (made.isEmpty())
            return 1;
    }
    for (const QPointer<QObject> &object : qAsConst(made)) {
        if (object) {
            qCritical("FAIL: an Updater or its download window outlived the application");
            return 1;
        }
    }
    return result;
}
#include "tst_simpleupdater.moc"
