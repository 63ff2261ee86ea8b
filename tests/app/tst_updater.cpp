#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QNetworkReply>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

#include <memory>

#include "BrvTest.h"
#include "Downloader.h"
#include "LoopbackHttpServer.h"
#include "RedirectPolicy.h"
#include "UrlCatcher.h"
#include "Updater.h"

Q_DECLARE_METATYPE(LoopbackHttpServer::Route)

namespace {

const QString kModule = QStringLiteral("Brivane WebP");
const QString kInstalled = QStringLiteral("1.3.0.80");

QJsonObject entry(const QString &name, const QJsonValue &channel, const QString &version,
                  const QJsonObject &extra = {})
{
    QJsonObject object = extra;
    object.insert(QStringLiteral("module-name"), name);
    object.insert(QStringLiteral("channel"), channel);
    object.insert(QStringLiteral("latest-version"), version);
    object.insert(QStringLiteral("changelog"), QStringLiteral("Faster animated WebP export."));
    return object;
}

QByteArray feed(const QJsonArray &entries, const QString &platform = QStringLiteral("windows"))
{
    return QJsonDocument(QJsonObject{{platform, entries}}).toJson();
}

QString releasedText(const QString &version)
{
    return QStringLiteral("<h3>Version %1 of Brivane WebP has been released!</h3>").arg(version);
}

const QString kAsk = QStringLiteral("Would you like to download the update now?");
const QString kAskMandatory =
    QStringLiteral("Would you like to download the update now? This is a mandatory update, "
                   "exiting now will close the application.");

} // namespace

class tst_Updater : public QObject
{
    Q_OBJECT

private:
    LoopbackHttpServer server;
    std::unique_ptr<Updater> updater;
    // What happened, in order: "box: <text>|<informative>" and "finished: <url>".
    QStringList events;

    QString installerUrl() const
    {
        return server.url(QStringLiteral("/files/BrivaneWebP-1.3.1.exe")).toString();
    }

    // Arms the answer to the next update box of this step with button, logging its texts.
    void answerBox(QObject *step, QMessageBox::StandardButton button,
                   std::function<void()> then = {})
    {
        BrvTest::answerNextMessageBox(step, [this, button, then](QMessageBox *box) {
            events << QStringLiteral("box: ") + box->text() + QLatin1Char('|')
                          + box->informativeText();
            if (then)
                then();
            box->button(button)->click();
        }, 15000);
    }

    // Checks the feed served at path; true once the check has ended, once.
    bool check(const QString &path)
    {
        updater->setUrl(server.url(path).toString());
        QSignalSpy finished(updater.get(), &Updater::checkingFinished);
        updater->checkForUpdates();
        return QTest::qWaitFor([&finished]() { return !finished.isEmpty(); }, 15000)
               && finished.size() == 1;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(server.listen());
        server.setRoute("/files/BrivaneWebP-1.3.1.exe",
                        LoopbackHttpServer::ok("an installer of sorts"));
        // An offer that takes 4 s to come, though it never stops for long.
        LoopbackHttpServer::Route slowFeed = LoopbackHttpServer::ok(
            feed({entry(kModule, 1, "1.3.1", {{"download-url", installerUrl()}})}));
        slowFeed.pieces = 17;
        slowFeed.pieceDelayMs = 250;
        server.setRoute("/drip/update.json", slowFeed);
    }

    void init()
    {
        updater = std::make_unique<Updater>();
        updater->setModuleName(kModule);
        updater->setChannel(1);
        connect(updater.get(), &Updater::checkingFinished, this,
                [this](const QString &url) { events << QStringLiteral("finished: ") + url; });
        events.clear();
        server.clearRequests();
    }

    void cleanup()
    {
        updater.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!BrvTest::takeQuitRequest());
    }

    void defaults()
    {
        Updater fresh;
        QCOMPARE(fresh.channel(), 0);
        QCOMPARE(fresh.moduleVersion(), kInstalled);
        QCOMPARE(fresh.userAgentString(), QCoreApplication::applicationName() + "/" + kInstalled);
        QCOMPARE(fresh.platformKey(), QStringLiteral("windows"));
        QVERIFY(fresh.notifyOnUpdate() && !fresh.notifyOnFinish() && fresh.downloaderEnabled());
    }

    void versions_data()
    {
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("y");
        QTest::addColumn<bool>("newer");

        QTest::newRow("itself") << kInstalled << kInstalled << false;
        QTest::newRow("1.3.1") << "1.3.1" << kInstalled << true;
        QTest::newRow("one part more") << "1.3.0.80.1" << kInstalled << true;
        QTest::newRow("one part less") << "1.3.0" << kInstalled << false;
        QTest::newRow("leading zero is equal") << "1.3.0.080" << kInstalled << false;
        QTest::newRow("older against newer") << kInstalled << "1.3.1" << false;
        // A text that is no version is never offered, rather than read as a smaller number.
        QTest::newRow("empty middle part") << "1..4" << "1.0.3" << false;
        QTest::newRow("1..2") << "1..2" << "1.0" << false;
        QTest::newRow("trailing dot") << "1.3.0.80." << kInstalled << false;
        QTest::newRow("leading dot") << ".2" << "0.1" << false;
        QTest::newRow("blank part") << "2. .1" << kInstalled << false;
        QTest::newRow("overflowing part") << "99999999999999999999.1" << kInstalled << false;
        QTest::newRow("overflowing last part") << "1.3.0.99999999999999999999" << kInstalled
                                              << false;
        QTest::newRow("overflowing negative part") << "2.-99999999999999999999" << kInstalled
                                                  << false;
        QTest::newRow("largest int still counts") << "2147483647" << kInstalled << true;
        QTest::newRow("one past the largest int") << "2147483648" << kInstalled << false;
        QTest::newRow("nothing is newer than no version") << "9.0" << "1..2" << false;
        QTest::newRow("65 characters") << "2." + QString(63, '0') << kInstalled << false;
        QTest::newRow("64 characters") << "2." + QString(62, '0') << kInstalled << true;
        QTest::newRow("1.4-beta is 1.0") << "1.4-beta" << kInstalled << false;
        QTest::newRow("1.4-beta against 1.0") << "1.4-beta" << "1.0" << false;
        QTest::newRow("tens beat units") << "1.10" << "1.9" << true;
        QTest::newRow("empty latest version") << "" << kInstalled << false;
        QTest::newRow("both empty") << "" << "" << false;
    }

    void versions()
    {
        QFETCH(QString, x);
        QFETCH(QString, y);
        QFETCH(bool, newer);
        QCOMPARE(Updater::isNewerVersion(x, y), newer);
        QCOMPARE(updater->isNewerVersion(x, y), newer);
    }

    // Each feed is answered No; a box, if any, comes before checkingFinished.
    void feeds_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("available");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("quits");

        const QJsonObject download{{"download-url", installerUrl()}};
        const auto offer = [&](const QString &version) {
            return entry(kModule, 1, version, download);
        };
        const QString none;

        QTest::newRow("name and channel match")
            << feed({offer("1.3.1")}) << true << releasedText("1.3.1") + "|" + kAsk << false;
        QTest::newRow("name differs in case")
            << feed({entry("brivane webp", 1, "1.3.1", download)}) << false << none << false;
        QTest::newRow("other channel")
            << feed({entry(kModule, 2, "1.3.1", download)}) << false << none << false;
        QTest::newRow("channel is no number")
            << feed({entry(kModule, "1", "1.3.1", download)}) << false << none << false;
        QTest::newRow("two matches, the first counts")
            << feed({offer("1.3.1"), offer("1.4")}) << true << releasedText("1.3.1") + "|" + kAsk
            << false;
        QTest::newRow("other modules before it")
            << feed({entry("Brivane Video", 1, "9.0", download), offer("1.3.2")}) << true
            << releasedText("1.3.2") + "|" + kAsk << false;
        QTest::newRow("up to date") << feed({offer(kInstalled)}) << false << none << false;
        QTest::newRow("mandatory, refused")
            << feed({entry(kModule, 1, "1.3.1",
                           {{"download-url", installerUrl()}, {"mandatory-update", true}})})
            << true << releasedText("1.3.1") + "|" + kAskMandatory << true;
        QTest::newRow("mandatory-update is no boolean")
            << feed({entry(kModule, 1, "1.3.1",
                           {{"download-url", installerUrl()}, {"mandatory-update", "yes"}})})
            << true << releasedText("1.3.1") + "|" + kAsk << false;
        QTest::newRow("no platform key")
            << feed({offer("1.3.1")}, QStringLiteral("linux")) << false << none << false;
        QTest::newRow("not JSON") << QByteArray("<html>Moved to our new site</html>") << false
                                  << none << false;
        QTest::newRow("top level is no object")
            << QJsonDocument(QJsonArray{QJsonObject{{"windows", QJsonArray{offer("1.3.1")}}}})
                   .toJson()
            << false << none << false;
        QTest::newRow("only a remote http installer")
            << feed({entry(kModule, 1, "1.3.1",
                           {{"download-url", "http://downloads.example.com/setup.exe"}})})
            << false << none << false;
        QTest::newRow("only a local file page")
            << feed({entry(kModule, 1, "1.3.1", {{"open-url", "file:///tmp/release.html"}})})
            << false << none << false;
        QTest::newRow("no address at all")
            << feed({entry(kModule, 1, "1.3.1")}) << false << none << false;
    }

    void feeds()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, available);
        QFETCH(QString, box);
        QFETCH(bool, quits);

        server.setRoute("/update/update.json", LoopbackHttpServer::ok(body, "application/json"));
        QObject step;
        answerBox(&step, QMessageBox::No);
        QVERIFY(check(QStringLiteral("/update/update.json")));

        const QString finished =
            QStringLiteral("finished: ") + server.url("/update/update.json").toString();
        const QStringList expected = box.isEmpty()
                                         ? QStringList{finished}
                                         : QStringList{QStringLiteral("box: ") + box, finished};
        QCOMPARE(events, expected);
        QCOMPARE(updater->updateAvailable(), available);
        QCOMPARE(BrvTest::takeQuitRequest(), quits);
        QCOMPARE(server.requests().size(), 1);
        QCOMPARE(server.requests().first().userAgent,
                 (QCoreApplication::applicationName() + "/" + kInstalled).toUtf8());
        QVERIFY(!updater->downloader()->isVisible());
    }

    // A feed that is too big, too slow, cut off or sent nowhere offers nothing, shows
    // nothing and holds no memory for it.
    void hostileFeeds_data()
    {
        QTest::addColumn<LoopbackHttpServer::Route>("route");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<int>("deadlineMs");
        QTest::addColumn<int>("requests");

        using Route = LoopbackHttpServer::Route;
        const QByteArray offer =
            feed({entry(kModule, 1, "1.3.1", {{"download-url", installerUrl()}})});
        // A feed that offers the update, padded with spaces to size bytes.
        const auto padded = [&](qint64 size) {
            return offer + QByteArray(int(size - offer.size()), ' ');
        };
        const int wait = 60000; // rows that must end without waiting for the time-out
        const auto row = [](const char *name, const Route &route, int timeoutMs,
                            int deadlineMs = Updater::kFeedDeadlineMs, int requests = 1) {
            QTest::newRow(name) << route << timeoutMs << deadlineMs << requests;
        };

        row("just over 1 MiB", LoopbackHttpServer::ok(padded(Updater::kMaxFeedSize + 1)), wait);
        Route chunkedOver = LoopbackHttpServer::ok(padded(Updater::kMaxFeedSize + 1));
        chunkedOver.chunked = true;
        chunkedOver.pieces = 8;
        row("just over 1 MiB, chunked", chunkedOver, wait);
        Route endless = LoopbackHttpServer::generated(qint64(6) << 30, 1);
        endless.chunked = true;
        row("6 GiB chunked", endless, wait);
        Route lying = LoopbackHttpServer::ok(offer);
        lying.declaredLength = qint64(6) << 30;
        lying.stallAfter = offer.size();
        row("promises 6 GiB", lying, wait);
        Route stalled = LoopbackHttpServer::ok(offer);
        stalled.stallAfter = offer.size() / 2;
        row("stalls midway", stalled, 300);
        stalled.stallAfter = 0;
        row("stalls after the head", stalled, 300);
        // A byte every 300 ms never trips the time-out and would take 20 minutes to end.
        Route drip = LoopbackHttpServer::ok(padded(4000));
        drip.pieces = 4000;
        drip.pieceDelayMs = 300;
        row("drips a byte every 300 ms", drip, wait, 1500);
        drip.chunked = true;
        row("drips a byte every 300 ms, chunked", drip, wait, 1500);
        // Each step ends within the deadline, both together do not: a redirect starts no new
        // clock.
        Route slowRedirect = LoopbackHttpServer::redirect(302, "/drip/update.json");
        slowRedirect.body = "Moved to the feed's new place.";
        // The redirect takes 1.5 s, far within the deadline however busy the machine; the offer
        // would come within a deadline of its own, but not within what is left of the first.
        slowRedirect.pieces = 7;
        slowRedirect.pieceDelayMs = 250;
        row("redirects slowly to a slow feed", slowRedirect, wait, 5000, 2);
        Route noLocation = LoopbackHttpServer::ok(offer);
        noLocation.status = 302;
        row("302 without Location, a feed as its body", noLocation, wait);
        noLocation.status = 300;
        row("300 without Location", noLocation, wait);
        Route error = LoopbackHttpServer::ok(offer);
        error.status = 500;
        row("500 with a feed as its body", error, wait);
        row("to a remote address over http",
            LoopbackHttpServer::redirect(302, "http://203.0.113.5/update.json"), wait);
        row("a web page",
            LoopbackHttpServer::html("<html><body>Sign in to the network</body></html>"), wait);
        const QByteArray longVersion =
            feed({entry(kModule, 1, "2.0" + QString(1000000, 'A'),
                        {{"download-url", installerUrl()}})});
        row("a version of a million letters", LoopbackHttpServer::ok(longVersion), wait);
        for (const char *version : {"99999999999999999999.1", "1.3.0.80.", "1..2"}) {
            row(version,
                LoopbackHttpServer::ok(
                    feed({entry(kModule, 1, version, {{"download-url", installerUrl()}})})),
                wait);
        }
    }

    void hostileFeeds()
    {
        QFETCH(LoopbackHttpServer::Route, route);
        QFETCH(int, timeoutMs);
        QFETCH(int, deadlineMs);
        QFETCH(int, requests);

        server.setRoute("/hostile/update.json", route);
        updater->setTransferTimeout(timeoutMs);
        updater->setFeedDeadline(deadlineMs);
        updater->setNotifyOnFinish(false);
        QObject step;
        answerBox(&step, QMessageBox::Yes);
        const qint64 peakBefore = BrvTest::peakMemoryKiB();
        QVERIFY(check(QStringLiteral("/hostile/update.json")));

        QCOMPARE(events.size(), 1);
        QVERIFY(events.first().startsWith(QStringLiteral("finished: ")));
        QVERIFY(!updater->updateAvailable());
        QCOMPARE(server.requests().size(), requests);
        QVERIFY(!updater->downloader()->isVisible());
        QVERIFY2(BrvTest::peakMemoryKiB() - peakBefore < 64 * 1024,
                 QByteArray::number(BrvTest::peakMemoryKiB() - peakBefore));
    }

    // Told of every ending, the user hears of a refused or timed-out feed only once its
    // connection is gone, and the check ends after the box, as it does for a feed read whole.
    void notifiedFailureComesAfterTheConnection_data()
    {
        QTest::addColumn<LoopbackHttpServer::Route>("route");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<int>("deadlineMs");

        using Route = LoopbackHttpServer::Route;
        const int wait = 60000;
        const QByteArray offer =
            feed({entry(kModule, 1, "1.3.1", {{"download-url", installerUrl()}})});
        QTest::newRow("up to date")
            << LoopbackHttpServer::ok(feed({entry(kModule, 1, kInstalled)})) << wait
            << Updater::kFeedDeadlineMs;
        Route lying = LoopbackHttpServer::ok(offer);
        lying.declaredLength = qint64(6) << 30;
        lying.stallAfter = 0;
        QTest::newRow("promises 6 GiB, refused at the head") << lying << wait
                                                             << Updater::kFeedDeadlineMs;
        Route stalled = LoopbackHttpServer::ok(offer);
        stalled.stallAfter = offer.size() / 2;
        QTest::newRow("stalls midway") << stalled << 300 << Updater::kFeedDeadlineMs;
        Route drip = LoopbackHttpServer::ok(offer);
        drip.pieces = offer.size();
        drip.pieceDelayMs = 300;
        QTest::newRow("drips past the deadline") << drip << wait << 1500;
    }

    void notifiedFailureComesAfterTheConnection()
    {
        QFETCH(LoopbackHttpServer::Route, route);
        QFETCH(int, timeoutMs);
        QFETCH(int, deadlineMs);

        server.setRoute("/told/update.json", route);
        updater->setTransferTimeout(timeoutMs);
        updater->setFeedDeadline(deadlineMs);
        updater->setNotifyOnFinish(true);
        QObject step;
        bool closedWhileShown = false;
        answerBox(&step, QMessageBox::Close, [&]() {
            closedWhileShown = QTest::qWaitFor([this]() { return server.openConnections() == 0; },
                                               BrvTest::kEventTimeoutMs);
        });
        QVERIFY(check(QStringLiteral("/told/update.json")));

        QCOMPARE(events,
                 QStringList({QStringLiteral("box: <h3>Congratulations! You are running the latest "
                                             "version of Brivane WebP</h3>|No updates are "
                                             "available for the moment"),
                              QStringLiteral("finished: ")
                                  + server.url("/told/update.json").toString()}));
        QVERIFY(closedWhileShown);
        QVERIFY(!updater->updateAvailable());
    }

    // Feed texts are shown as the text they are: no link to click, no image to load.
    void feedTextsShowAsText_data()
    {
        QTest::addColumn<QString>("version");
        QTest::newRow("a link") << QStringLiteral("2.0 <a href=\"file:///tmp/x.desktop\">x</a>");
        QTest::newRow("an image") << QStringLiteral("2.0<img src=\"/dev/zero\">");
        QTest::newRow("an entity") << QStringLiteral("2.0 &lt;b&gt; &amp;");
        QTest::newRow("a style") << QStringLiteral("2.0<style>*{font-size:900px}</style>");
    }

    void feedTextsShowAsText()
    {
        QFETCH(QString, version);

        server.setRoute("/update/update.json",
                        LoopbackHttpServer::ok(feed({entry(kModule, 1, version,
                                                           {{"download-url", installerUrl()}})})));
        UrlCatcher opened;
        QObject step;
        QString shown;
        bool plain = true;
        answerBox(&step, QMessageBox::No, [&]() {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            BrvTest::saveScreenshot(box, QStringLiteral("update-offer-markup"));
            // What the box's label draws, and whether any of it is a link or an image.
            QTextDocument drawn;
            drawn.setHtml(box->text());
            shown = drawn.toPlainText();
            for (QTextBlock block = drawn.begin(); block.isValid(); block = block.next()) {
                for (auto it = block.begin(); !it.atEnd(); ++it) {
                    const QTextCharFormat format = it.fragment().charFormat();
                    plain = plain && !format.isAnchor() && !format.isImageFormat();
                }
            }
        });
        QVERIFY(check(QStringLiteral("/update/update.json")));

        QCOMPARE(shown, QStringLiteral("Version %1 of Brivane WebP has been released!").arg(version));
        QVERIFY(plain);
        QVERIFY(opened.urls.isEmpty());
        QCOMPARE(server.requests().size(), 1);
    }

    void yesOpensTheReleasePage()
    {
        const QString page = QStringLiteral("https://brivane.example.com/webp/whats-new");
        server.setRoute("/update/update.json",
                        LoopbackHttpServer::ok(feed({entry(kModule, 1, "1.3.1",
                                                           {{"open-url", page},
                                                            {"download-url", installerUrl()}})})));
        UrlCatcher opened;
        QObject step;
        answerBox(&step, QMessageBox::Yes);
        QVERIFY(check(QStringLiteral("/update/update.json")));

        QCOMPARE(opened.urls, QList<QUrl>{QUrl(page)});
        QCOMPARE(server.requests().size(), 1);
        QVERIFY(!updater->downloader()->isVisible());
    }

    void yesDownloadsTheInstaller()
    {
        QTemporaryDir folder;
        updater->setDownloadDir(folder.path());
        const QString address = installerUrl() + QStringLiteral("?from=feed");
        server.setRoute("/update/update.json",
                        LoopbackHttpServer::ok(
                            feed({entry(kModule, 1, "1.3.1", {{"download-url", address}})})));
        UrlCatcher opened;
        QSignalSpy downloaded(updater.get(), &Updater::downloadFinished);
        QObject step;
        QString prompt;
        answerBox(&step, QMessageBox::Yes, [&]() {
            BrvTest::saveScreenshot(QApplication::activeModalWidget(),
                                    QStringLiteral("update-offer"));
            BrvTest::answerNextMessageBox(&step, [&](QMessageBox *box) {
                prompt = box->text();
                box->button(QMessageBox::Cancel)->click();
            }, 15000);
        });
        QVERIFY(check(QStringLiteral("/update/update.json")));
        QTRY_VERIFY_WITH_TIMEOUT(downloaded.size() == 1 && !prompt.isEmpty(), 15000);

        const QString path = folder.filePath(QStringLiteral("BrivaneWebP-1.3.1.exe"));
        QCOMPARE(downloaded.first(),
                 QVariantList({server.url("/update/update.json").toString(), path}));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("an installer of sorts"));
        QCOMPARE(server.requests().size(), 2);
        QCOMPARE(server.requests().last().path, QByteArray("/files/BrivaneWebP-1.3.1.exe?from=feed"));
        QCOMPARE(server.requests().last().userAgent, server.requests().first().userAgent);
        QVERIFY(opened.urls.isEmpty());

        // Once the deferred deletes have run, neither the check nor the download keeps a reply.
        updater->downloader()->hide();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(updater->findChildren<QNetworkReply *>().isEmpty());
        QVERIFY(updater->downloader()->findChildren<QNetworkReply *>().isEmpty());
    }

    void fileOpenUrlIsNeverOpened()
    {
        updater->setDownloaderEnabled(false);
        server.setRoute("/update/update.json",
                        LoopbackHttpServer::ok(feed({entry(
                            kModule, 1, "1.3.1",
                            {{"open-url", "file:///etc/hosts"}, {"download-url", installerUrl()}})})));
        UrlCatcher opened;
        QObject step;
        answerBox(&step, QMessageBox::Yes);
        QVERIFY(check(QStringLiteral("/update/update.json")));

        // With the downloader off, the installer's address goes to the browser instead.
        QCOMPARE(opened.urls, QList<QUrl>{QUrl(installerUrl())});
    }

    void relativeRedirectIsResolved()
    {
        server.setRoute("/old/update.json", LoopbackHttpServer::redirect(302, "../new/update.json"));
        server.setRoute("/new/update.json", LoopbackHttpServer::ok(feed({entry(kModule, 1, kInstalled)})));
        QVERIFY(check(QStringLiteral("/old/update.json")));

        const QString target = server.url("/new/update.json").toString();
        QCOMPARE(events, QStringList{QStringLiteral("finished: ") + target});
        QCOMPARE(updater->url(), target);
        QCOMPARE(server.requests().size(), 2);
        QCOMPARE(server.requests().last().path, QByteArray("/new/update.json"));
        QCOMPARE(updater->latestVersion(), kInstalled);
    }

    void redirectLoopEndsQuietly()
    {
        server.setRoute("/loop/update.json", LoopbackHttpServer::redirect(302, "update.json"));
        QObject step;
        answerBox(&step, QMessageBox::Close);
        QVERIFY(check(QStringLiteral("/loop/update.json")));

        QCOMPARE(server.requests().size(), 1 + RedirectPolicy::kMaxRedirects);
        QCOMPARE(events,
                 QStringList{QStringLiteral("finished: ") + server.url("/loop/update.json").toString()});
        QVERIFY(!updater->updateAvailable());
    }
};

QTEST_MAIN(tst_Updater)
#include "tst_updater.moc"
