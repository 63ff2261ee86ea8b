#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QNetworkReply>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

#include "BrvTest.h"
#include "Downloader.h"
#include "FindNamed.h"
#include "LoopbackHttpServer.h"
#include "RedirectPolicy.h"
#include "UrlCatcher.h"

using BrvTest::findNamed;
using Route = LoopbackHttpServer::Route;

namespace {

const QString kUrlId = QStringLiteral("https://updates.example.com/update/update.json");
const QString kFileName = QStringLiteral("BrivaneWebP-Setup.exe");
const QString kDownloadError = QStringLiteral("Cannot execute downloaded package!");
// The installer cap of the hostile rows, and their time-out.
constexpr qint64 kSmallCap = 100000;
constexpr int kShortTimeoutMs = 300;
// The progress window of the dripping rows: at least Downloader::kMinProgressBytes (1 KiB) in
// any second. Their drips bring 160 bytes a second and would take minutes to end.
constexpr int kShortWindowMs = 1000;
// Large enough to need hundreds of reads, small enough for every run.
constexpr qint64 kBigDownload = 48 * 1048576;

// Pseudo-random bytes, the same for the same size on every run.
QByteArray installerBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    quint32 state = 0x9e3779b9u ^ quint32(size);
    for (char &byte : bytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = char(state & 0xFF);
    }
    return bytes;
}

// What the message boxes of one step said: "title: text" for each, in order.
struct Boxes
{
    QStringList seen;
    // With a server set, each box stays up until that server has no connection open, or the
    // shared ceiling has passed; whether it came to that while the box was up, for each box.
    const LoopbackHttpServer *server = nullptr;
    QList<bool> closedWhileShown;

    // Answers every message box that comes while context lives with the button given.
    void answerAll(QObject *context, QMessageBox::StandardButton button)
    {
        BrvTest::answerNextMessageBox(context, [this, context, button](QMessageBox *box) {
            seen << box->windowTitle() + QStringLiteral(": ") + box->text();
            if (server) {
                closedWhileShown << QTest::qWaitFor(
                    [this]() { return server->openConnections() == 0; },
                    BrvTest::kEventTimeoutMs);
            }
            // Armed only now: the wait for the next box would take this one again.
            answerAll(context, button);
            box->button(button) ? box->button(button)->click() : box->reject();
        }, 20000);
    }
};

bool hasExecuteBit(const QString &path)
{
    return QFileInfo(path).permissions()
           & (QFile::ExeOwner | QFile::ExeUser | QFile::ExeGroup | QFile::ExeOther);
}

} // namespace

class tst_Downloader : public QObject
{
    Q_OBJECT

private:
    LoopbackHttpServer server;
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<Downloader> downloader;

    QString finalPath() const { return folder->filePath(kFileName); }
    QString partPath() const { return finalPath() + QStringLiteral(".part"); }

    // Starts a download of path on the server into the test's folder.
    void start(const QByteArray &path, bool customInstall, bool mandatory = false)
    {
        downloader->setDownloadDir(folder->path());
        downloader->setUrlId(kUrlId);
        downloader->setFileName(kFileName);
        downloader->setMandatoryUpdate(mandatory);
        downloader->setUseCustomInstallProcedures(customInstall);
        downloader->startDownload(server.url(QString::fromLatin1(path)));
    }

    QByteArray savedBytes() const
    {
        return BrvTest::fileContents(finalPath());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(server.listen());
        BrvTest::useProgramFont();
        BrvTest::applyDarkStyle();

        server.setRoute("/whole/setup.exe", LoopbackHttpServer::ok(installerBytes(200000)));
        Route chunked = LoopbackHttpServer::ok(installerBytes(150000));
        chunked.chunked = true;
        chunked.pieces = 5;
        chunked.pieceDelayMs = 40;
        server.setRoute("/chunked/setup.exe", chunked);
        server.setRoute("/relative/setup.exe",
                        LoopbackHttpServer::redirect(302, "../whole/setup.exe"));
        server.setRoute("/lower/setup.exe",
                        LoopbackHttpServer::redirect(302, "/whole/setup.exe", "location"));
        server.setRoute("/temporary/setup.exe",
                        LoopbackHttpServer::redirect(307, server.url("/whole/setup.exe")
                                                              .toEncoded()));
        server.setRoute("/loop/setup.exe", LoopbackHttpServer::redirect(302, "setup.exe"));
        Route cut = LoopbackHttpServer::ok(installerBytes(120000));
        cut.pieces = 2;
        cut.pieceDelayMs = 40;
        cut.cutAfter = 70000;
        server.setRoute("/cut/setup.exe", cut);
        server.setRoute("/empty/setup.exe", LoopbackHttpServer::ok(QByteArray()));
        Route slow = LoopbackHttpServer::ok(installerBytes(3 * 1048576));
        slow.pieces = 12;
        slow.pieceDelayMs = 350;
        server.setRoute("/slow/setup.exe", slow);
        // 16 KiB every 100 ms: far above the least progress of a short window, and longer
        // than several of them.
        Route steady = LoopbackHttpServer::ok(installerBytes(400000));
        steady.pieces = 25;
        steady.pieceDelayMs = 100;
        server.setRoute("/steady/setup.exe", steady);
        // Fewer bytes than the least progress of a window, all of them well within the first.
        Route tiny = LoopbackHttpServer::ok(installerBytes(500));
        tiny.pieces = 5;
        tiny.pieceDelayMs = 1000;
        server.setRoute("/tiny-and-slow/setup.exe", tiny);

        // Hostile answers, refused with a cap of kSmallCap; each body is below it unless the
        // row says otherwise.
        const Route small = LoopbackHttpServer::ok(installerBytes(60000));
        const Route endless = LoopbackHttpServer::generated(qint64(1) << 40);
        const auto serve = [this](const QByteArray &path, Route route,
                                  const std::function<void(Route &)> &change) {
            change(route);
            server.setRoute(path, route);
        };
        serve("/promises-more/setup.exe", small, [](Route &r) { r.declaredLength = 90000; });
        serve("/promises-less/setup.exe", small, [](Route &r) { r.declaredLength = 30000; });
        serve("/no-length/setup.exe", small, [](Route &r) { r.noLength = true; });
        serve("/no-length-stalled/setup.exe", small, [](Route &r) {
            r.noLength = true;
            r.stallAfter = 0;
        });
        serve("/chunked-cut/setup.exe", small, [](Route &r) {
            r.chunked = true;
            r.pieces = 2;
            r.pieceDelayMs = 40;
            r.cutAfter = 30000;
        });
        server.setRoute("/over-cap/setup.exe", LoopbackHttpServer::generated(kSmallCap + 1));
        serve("/over-cap-stalled/setup.exe", endless, [](Route &r) { r.stallAfter = 0; });
        serve("/chunked-over-cap/setup.exe", LoopbackHttpServer::generated(kSmallCap + 1, 4),
              [](Route &r) { r.chunked = true; });
        serve("/chunked-endless/setup.exe", endless, [](Route &r) { r.chunked = true; });
        serve("/stalled-head/setup.exe", small, [](Route &r) { r.stallAfter = 0; });
        serve("/stalled-midway/setup.exe", small, [](Route &r) { r.stallAfter = 30000; });
        serve("/stalled-midway-chunked/setup.exe", small, [](Route &r) {
            r.stallAfter = 30000;
            r.chunked = true;
        });
        serve("/no-location/setup.exe", small, [](Route &r) { r.status = 302; });
        // 64 bytes every 400 ms: never still long enough for the time-out.
        const auto drip = [](Route &r) {
            r.pieces = 60000 / 64;
            r.pieceDelayMs = 400;
        };
        serve("/drip/setup.exe", small, drip);
        serve("/drip-chunked/setup.exe", small, [&drip](Route &r) {
            drip(r);
            r.chunked = true;
        });
        serve("/drip-redirect/setup.exe", small, [&drip](Route &r) {
            drip(r);
            r.status = 302;
            r.headers << qMakePair(QByteArrayLiteral("Location"),
                                   QByteArrayLiteral("/whole/setup.exe"));
        });
        server.setRoute("/to-remote-address/setup.exe",
                        LoopbackHttpServer::redirect(302, "http://203.0.113.5/e.bin"));
        server.setRoute("/to-remote-name/setup.exe",
                        LoopbackHttpServer::redirect(307, "http://downloads.example.com/e.bin"));
        server.setRoute("/to-remote-scheme-relative/setup.exe",
                        LoopbackHttpServer::redirect(301, "//203.0.113.5/e.bin"));
        serve("/endless-error/setup.exe", endless, [](Route &r) { r.status = 500; });
        serve("/endless-redirect/setup.exe", endless, [](Route &r) {
            r.status = 302;
            r.headers << qMakePair(QByteArrayLiteral("Location"),
                                   QByteArrayLiteral("/whole/setup.exe"));
        });

        const QByteArray entry = "[Desktop Entry]\nType=Application\nName=Setup\n"
                                 "Exec=sh -c 'touch /tmp/brv-desktop-entry-ran'\n";
        server.setRoute("/entry/setup.desktop", LoopbackHttpServer::ok(entry));
        server.setRoute("/entry/SETUP.DESKTOP", LoopbackHttpServer::ok(entry));
        server.setRoute("/entry/setup.bin", LoopbackHttpServer::ok(entry));
        server.setRoute("/big/setup.exe", LoopbackHttpServer::generated(kBigDownload));
    }

    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
        downloader = std::make_unique<Downloader>();
        server.clearRequests();
    }

    void cleanup()
    {
        downloader.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!BrvTest::takeQuitRequest());
    }

    void formAtRest()
    {
        QCOMPARE(downloader->windowTitle(), QStringLiteral("Updater"));
        QCOMPARE(downloader->windowModality(), Qt::ApplicationModal);
        QCOMPARE(downloader->minimumSize(), downloader->maximumSize());
        QVERIFY(!downloader->isVisible());
        auto *open = findNamed<QPushButton>(downloader.get(), "openButton");
        QVERIFY(open && open->isHidden() && !open->isEnabled());
        QCOMPARE(findNamed<QPushButton>(downloader.get(), "stopButton")->text(),
                 QStringLiteral("Stop"));
        QVERIFY(!findNamed<QLabel>(downloader.get(), "updater_icon")->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(findNamed<QLabel>(downloader.get(), "updater_icon")->pixmap(Qt::ReturnByValue).size(),
                 QSize(96, 96));
        QCOMPARE(downloader->downloadDir(), QDir(QDir::homePath() + "/Downloads").absolutePath());
    }

    // Every way a transfer can end: the bytes on disk (none when null), never a ".part" left,
    // downloadFinished once for a whole file only, and the error box for the rest.
    void downloads_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("saved");
        QTest::addColumn<int>("requests");
        QTest::addColumn<QString>("folderInTheWay"); // a name in the download folder taken
        QTest::addColumn<int>("windowMs");

        const QByteArray none;
        const auto row = [](const char *name, const char *path, const QByteArray &saved,
                            int requests = 1, const QString &folderInTheWay = QString(),
                            int windowMs = Downloader::kProgressWindowMs) {
            QTest::newRow(name) << QByteArray(path) << saved << requests << folderInTheWay
                                << windowMs;
        };
        row("content length", "/whole/setup.exe", installerBytes(200000));
        row("chunked, in delayed pieces", "/chunked/setup.exe", installerBytes(150000));
        row("relative 302", "/relative/setup.exe", installerBytes(200000), 2);
        row("302, lower-case location", "/lower/setup.exe", installerBytes(200000), 2);
        row("307", "/temporary/setup.exe", installerBytes(200000), 2);
        // What follows the promised length is never read, so it never reaches the file.
        row("sends more than it promises", "/promises-less/setup.exe",
            installerBytes(60000).left(30000));
        row("404", "/missing/setup.exe", none);
        row("redirect loop", "/loop/setup.exe", none, 1 + RedirectPolicy::kMaxRedirects);
        row("body cut short", "/cut/setup.exe", none);
        row("empty body", "/empty/setup.exe", none);
        row(".part cannot be opened", "/whole/setup.exe", none, 1, kFileName + ".part");
        row("final name taken by a folder", "/whole/setup.exe", none, 1, kFileName);
        row("fast, over several short windows", "/steady/setup.exe", installerBytes(400000), 1,
            QString(), kShortWindowMs);
        // A window is judged only once it has passed: the start of a transfer is never cut.
        row("less than the least progress, within the first window", "/tiny-and-slow/setup.exe",
            installerBytes(500), 1, QString(), 20000);
    }

    void downloads()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, saved);
        QFETCH(int, requests);
        QFETCH(QString, folderInTheWay);
        QFETCH(int, windowMs);

        if (!folderInTheWay.isEmpty())
            QVERIFY(QDir(folder->path()).mkpath(folderInTheWay + "/kept"));
        QSignalSpy finished(downloader.get(), &Downloader::downloadFinished);
        QObject step;
        Boxes boxes;
        boxes.answerAll(&step, QMessageBox::Close);

        downloader->setProgressWindow(windowMs);
        start(path, true);
        QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty() || !boxes.seen.isEmpty(), 15000);
        if (!folderInTheWay.isEmpty())
            QVERIFY(QFile::exists(folder->filePath(folderInTheWay + "/kept")));

        QVERIFY(!QFileInfo(partPath()).isFile());
        QCOMPARE(server.requests().size(), requests);
        if (saved.isNull()) {
            QVERIFY(!QFileInfo(finalPath()).isFile());
            QCOMPARE(finished.size(), 0);
            QCOMPARE(boxes.seen, QStringList(QStringLiteral("Error: ") + kDownloadError));
        } else {
            QCOMPARE(savedBytes(), saved);
            QCOMPARE(finished.size(), 1);
            QCOMPARE(finished.first(), QVariantList({kUrlId, finalPath()}));
            QVERIFY(boxes.seen.isEmpty());
            QVERIFY(!downloader->isVisible());
        }
    }

    // Answers that are no whole installer: an error box, nothing on disk, nothing opened. A
    // row with a long time-out shows that the refusal came from the answer's head, not from
    // the wait.
    void refused_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<int>("requests");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<int>("windowMs");

        const auto row = [](const char *name, const char *path, int requests = 1,
                            int timeoutMs = kShortTimeoutMs,
                            int windowMs = Downloader::kProgressWindowMs) {
            QTest::newRow(name) << QByteArray(path) << requests << timeoutMs << windowMs;
        };
        row("promises more than it sends", "/promises-more/setup.exe");
        row("no length, ends at the close", "/no-length/setup.exe");
        row("no length, refused at the head", "/no-length-stalled/setup.exe", 1, 60000);
        row("chunked, cut short", "/chunked-cut/setup.exe");
        row("Content-Length over the cap", "/over-cap/setup.exe");
        row("1 TiB promised, refused at the head", "/over-cap-stalled/setup.exe", 1, 60000);
        row("chunked past the cap", "/chunked-over-cap/setup.exe");
        row("chunked without end", "/chunked-endless/setup.exe", 1, 60000);
        row("stalls after the head", "/stalled-head/setup.exe");
        row("stalls midway", "/stalled-midway/setup.exe");
        row("stalls midway, chunked", "/stalled-midway-chunked/setup.exe");
        row("302 without Location", "/no-location/setup.exe");
        row("http redirect to a remote address", "/to-remote-address/setup.exe");
        row("http redirect to a remote name", "/to-remote-name/setup.exe");
        row("scheme-relative redirect to a remote address",
            "/to-remote-scheme-relative/setup.exe");
        row("error page without end", "/endless-error/setup.exe", 1, 60000);
        row("redirect with a body without end", "/endless-redirect/setup.exe", 1, 60000);
        row("drips", "/drip/setup.exe", 1, 60000, kShortWindowMs);
        row("drips, chunked", "/drip-chunked/setup.exe", 1, 60000, kShortWindowMs);
        row("a redirect that drips its body", "/drip-redirect/setup.exe", 1, 60000,
            kShortWindowMs);
    }

    void refused()
    {
        QFETCH(QByteArray, path);
        QFETCH(int, requests);
        QFETCH(int, timeoutMs);
        QFETCH(int, windowMs);

        UrlCatcher opened;
        QSignalSpy finished(downloader.get(), &Downloader::downloadFinished);
        QObject step;
        Boxes boxes;
        boxes.server = &server;
        boxes.answerAll(&step, QMessageBox::Close);
        downloader->setMaxInstallerSize(kSmallCap);
        downloader->setTransferTimeout(timeoutMs);
        downloader->setProgressWindow(windowMs);
        start(path, false);
        QTRY_VERIFY_WITH_TIMEOUT(!boxes.seen.isEmpty(), 15000);

        QCOMPARE(boxes.seen, QStringList(QStringLiteral("Error: ") + kDownloadError));
        // The refused transfer let go of its connection before its box: no server waits on
        // a user who leaves the box up.
        QCOMPARE(boxes.closedWhileShown, QList<bool>{true});
        QCOMPARE(finished.size(), 0);
        QVERIFY(opened.urls.isEmpty());
        QCOMPARE(server.requests().size(), requests);
        QCOMPARE(QDir(folder->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
        QVERIFY(!downloader->isVisible());
        QVERIFY(!BrvTest::takeQuitRequest());
    }

    // A desktop entry runs a command when the desktop opens it: it is kept, never handed over.
    void desktopEntriesAreNeverOpened_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<bool>("mandatory");
        QTest::newRow(".desktop") << QByteArray("/entry/setup.desktop") << false;
        QTest::newRow(".DESKTOP") << QByteArray("/entry/SETUP.DESKTOP") << false;
        QTest::newRow("a desktop entry named .bin") << QByteArray("/entry/setup.bin") << false;
        QTest::newRow(".desktop, mandatory") << QByteArray("/entry/setup.desktop") << true;
    }

    void desktopEntriesAreNeverOpened()
    {
        QFETCH(QByteArray, path);
        QFETCH(bool, mandatory);

        const QUrl url = server.url(QString::fromLatin1(path));
        const QString saved = folder->filePath(Downloader::fileNameForUrl(url));
        UrlCatcher opened;
        QSignalSpy finished(downloader.get(), &Downloader::downloadFinished);
        QObject step;
        Boxes boxes;
        boxes.answerAll(&step, QMessageBox::Ok);
        downloader->setDownloadDir(folder->path());
        downloader->setUrlId(kUrlId);
        downloader->setFileName(Downloader::fileNameForUrl(url));
        downloader->setMandatoryUpdate(mandatory);
        downloader->startDownload(url);
        QTRY_VERIFY_WITH_TIMEOUT(!boxes.seen.isEmpty(), 15000);

        QCOMPARE(boxes.seen, QStringList(QStringLiteral("Error: The downloaded file %1 cannot be "
                                                        "opened.")
                                             .arg(QDir::toNativeSeparators(saved))));
        QCOMPARE(finished.size(), 1);
        QVERIFY(BrvTest::fileContents(saved).startsWith("[Desktop Entry]"));
        QVERIFY(!QFile::exists(saved + ".part"));
        QVERIFY(!hasExecuteBit(saved));
        QVERIFY(opened.urls.isEmpty());
        QCOMPARE(BrvTest::takeQuitRequest(), mandatory);
        QVERIFY(findNamed<QPushButton>(downloader.get(), "openButton")->isHidden());
        QTRY_VERIFY_WITH_TIMEOUT(!downloader->isVisible(), BrvTest::kEventTimeoutMs);
        // The Open button, were it reached, refuses as well.
        boxes.seen.clear();
        QVERIFY(!downloader->openDownload());
        QCOMPARE(boxes.seen.size(), 1);
        QVERIFY(opened.urls.isEmpty());
    }

    // The body goes to disk as it comes: the reply never holds more than its read buffer.
    void streamsThroughABoundedBuffer()
    {
        QSignalSpy finished(downloader.get(), &Downloader::downloadFinished);
        start("/big/setup.exe", true);
        auto *reply = downloader->findChild<QNetworkReply *>();
        QVERIFY(reply);
        qint64 mostHeld = 0;
        connect(reply, &QNetworkReply::downloadProgress, this,
                [&]() { mostHeld = qMax(mostHeld, reply->bytesAvailable()); });
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 60000);

        QVERIFY2(mostHeld <= 512 * 1024, QByteArray::number(mostHeld));
        QFile file(finalPath());
        QCOMPARE(file.size(), kBigDownload);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(100000), LoopbackHttpServer::generatedBytes(0, 100000));
        QVERIFY(file.seek(kBigDownload - 100000));
        QCOMPARE(file.read(100000),
                 LoopbackHttpServer::generatedBytes(kBigDownload - 100000, 100000));
    }

    void failureKeepsThePreviousInstaller_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<int>("windowMs");
        QTest::newRow("404") << QByteArray("/missing/setup.exe") << Downloader::kProgressWindowMs;
        QTest::newRow("drips") << QByteArray("/drip/setup.exe") << kShortWindowMs;
    }

    void failureKeepsThePreviousInstaller()
    {
        QFETCH(QByteArray, path);
        QFETCH(int, windowMs);

        QFile previous(finalPath());
        QVERIFY(previous.open(QIODevice::WriteOnly));
        previous.write("the installer downloaded before");
        previous.close();

        QObject step;
        Boxes boxes;
        boxes.server = &server;
        boxes.answerAll(&step, QMessageBox::Close);
        downloader->setProgressWindow(windowMs);
        start(path, true);
        QTRY_VERIFY_WITH_TIMEOUT(!boxes.seen.isEmpty(), 15000);

        QCOMPARE(boxes.seen, QStringList(QStringLiteral("Error: ") + kDownloadError));
        QCOMPARE(boxes.closedWhileShown, QList<bool>{true});
        QCOMPARE(savedBytes(), QByteArray("the installer downloaded before"));
        QVERIFY(!QFile::exists(partPath()));
    }

    void fileNames_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("name");

        const QString fallback = QStringLiteral("QSU_Update.bin");
        const auto row = [](const char *name, const char *url, const QString &fileName) {
            QTest::newRow(name) << QString::fromLatin1(url) << fileName;
        };
        row("plain", "https://dl.example.com/files/BrivaneWebP-1.3.1.exe",
            "BrivaneWebP-1.3.1.exe");
        row("query left out", "https://dl.example.com/setup.exe?token=a/b&v=2", "setup.exe");
        row("fragment left out", "https://dl.example.com/setup.exe#latest", "setup.exe");
        row("encoded space decoded", "https://dl.example.com/Brivane%20WebP%20Setup.exe",
            "Brivane WebP Setup.exe");
        row("encoded UTF-8 decoded", "https://dl.example.com/%C3%A9t%C3%A9.exe",
            QString::fromUtf8("\xc3\xa9t\xc3\xa9.exe"));
        row("ends in a slash", "https://dl.example.com/files/", fallback);
        row("no path", "https://dl.example.com", fallback);
        row("dot", "https://dl.example.com/files/.", fallback);
        row("encoded dot dot", "https://dl.example.com/files/%2E%2E", fallback);
        row("encoded slash", "https://dl.example.com/..%2F..%2Fsetup.exe", fallback);
        row("encoded backslash", "https://dl.example.com/..%5Csetup.exe", fallback);
        row("control character", "https://dl.example.com/setup%0A.exe", fallback);
        row("tab", "https://dl.example.com/setup%09.exe", fallback);
        row("delete", "https://dl.example.com/setup%7F.exe", fallback);
        row("C1 control", "https://dl.example.com/setup%C2%85.exe", fallback);
        row("right-to-left override", "https://dl.example.com/setup%E2%80%AEgpj.exe", fallback);
        row("left-to-right override", "https://dl.example.com/%E2%80%ADsetup.exe", fallback);
        row("right-to-left isolate", "https://dl.example.com/setup%E2%81%A7.exe", fallback);
        row("right-to-left mark", "https://dl.example.com/setup%E2%80%8F.exe", fallback);
        row("byte-order mark inside", "https://dl.example.com/set%EF%BB%BFup.exe", fallback);
        row("line separator", "https://dl.example.com/setup%E2%80%A8.exe", fallback);
        row("tag character beyond the BMP", "https://dl.example.com/setup%F3%A0%80%81.exe",
            fallback);
        row("Arabic letters stay", "https://dl.example.com/%D8%AA%D8%AB%D8%A8%D9%8A%D8%AA.exe",
            QString::fromUtf8("\xd8\xaa\xd8\xab\xd8\xa8\xd9\x8a\xd8\xaa.exe"));
        row("the preferences' name", "https://dl.example.com/IQSettings.ini", fallback);
        row("the preferences' name, other case", "https://dl.example.com/iqsettings.INI",
            fallback);
        row("the feed settings' name", "https://dl.example.com/x/SETTINGS.ini", fallback);
        row("a longer name that contains it", "https://dl.example.com/MySettings.ini",
            "MySettings.ini");
    }

    void fileNames()
    {
        QFETCH(QString, url);
        QFETCH(QString, name);
        QCOMPARE(Downloader::fileNameForUrl(QUrl(url, QUrl::TolerantMode)), name);
    }

    void sizeTexts_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing") << qint64(0) << "0 bytes";
        QTest::newRow("1023") << qint64(1023) << "1023 bytes";
        QTest::newRow("1024") << qint64(1024) << "1 KB";
        QTest::newRow("1536 rounds down") << qint64(1536) << "1 KB";
        QTest::newRow("just below a MB") << qint64(1048575) << "1023 KB";
        QTest::newRow("1048576") << qint64(1048576) << "1 MB";
        QTest::newRow("31 MB and a half") << qint64(31 * 1048576 + 524288) << "31 MB";
        QTest::newRow("beyond 4 GB") << qint64(5) * 1024 * 1048576 << "5120 MB";
    }

    void sizeTexts()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        QCOMPARE(Downloader::sizeText(bytes), text);
    }

    void timeTexts_data()
    {
        QTest::addColumn<qint64>("received");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<qint64>("elapsed");
        QTest::addColumn<QString>("text");

        const qint64 mb = 1048576;
        QTest::newRow("nothing received yet") << qint64(0) << 31 * mb << qint64(5) << "unknown";
        QTest::newRow("1 of 31 MB in 120 s: an hour in minutes")
            << mb << 31 * mb << qint64(120) << "60 minutes";
        QTest::newRow("exactly 7200 s") << qint64(1) << qint64(7201) << qint64(1)
                                        << "120 minutes";
        QTest::newRow("7201 s") << qint64(1) << qint64(7202) << qint64(1) << "about 2 hours";
        QTest::newRow("61 s") << qint64(1) << qint64(62) << qint64(1) << "1 minute";
        QTest::newRow("60 s") << qint64(1) << qint64(61) << qint64(1) << "60 seconds";
        QTest::newRow("1.4 s") << qint64(10) << qint64(24) << qint64(1) << "1 second";
        QTest::newRow("1.6 s") << qint64(10) << qint64(26) << qint64(1) << "2 seconds";
        QTest::newRow("all received") << qint64(500) << qint64(500) << qint64(3) << "1 second";
        QTest::newRow("a byte in a day of a huge file")
            << qint64(1) << (qint64(1) << 62) << qint64(86400) << "about 277778 hours";
    }

    void timeTexts()
    {
        QFETCH(qint64, received);
        QFETCH(qint64, total);
        QFETCH(qint64, elapsed);
        QFETCH(QString, text);
        QCOMPARE(Downloader::timeRemainingText(received, total, elapsed), text);
    }

    void cancelWithNoTransfer()
    {
        downloader->show();
        QVERIFY(QTest::qWaitForWindowExposed(downloader.get()));
        findNamed<QPushButton>(downloader.get(), "stopButton")->click();
        QVERIFY(!downloader->isVisible());
    }

    // The screenshot of the window mid-transfer is taken here, once the estimate shows.
    void cancelConfirmedMidTransfer()
    {
        QSignalSpy finished(downloader.get(), &Downloader::downloadFinished);
        start("/slow/setup.exe", true);
        auto *bar = findNamed<QProgressBar>(downloader.get(), "progressBar");
        auto *time = findNamed<QLabel>(downloader.get(), "timeLabel");
        QTRY_VERIFY_WITH_TIMEOUT(bar->value() >= 25 && !time->text().endsWith("unknown"), 10000);
        QVERIFY(QFile::exists(partPath()));
        QVERIFY(findNamed<QLabel>(downloader.get(), "downloadLabel")
                    ->text()
                    .startsWith(QStringLiteral("Downloading updates (")));
        QVERIFY(findNamed<QLabel>(downloader.get(), "downloadLabel")
                    ->text()
                    .endsWith(QStringLiteral(" of 3 MB)")));
        BrvTest::saveScreenshot(downloader.get(), QStringLiteral("downloader-mid-transfer"));

        QObject step;
        QString question;
        Boxes afterwards;
        BrvTest::answerNextMessageBox(&step, [&](QMessageBox *box) {
            question = box->windowTitle() + QStringLiteral(": ") + box->text();
            afterwards.answerAll(&step, QMessageBox::Close);
            box->button(QMessageBox::Yes)->click();
        });
        findNamed<QPushButton>(downloader.get(), "stopButton")->click();

        QCOMPARE(question, QStringLiteral("Updater: Are you sure you want to cancel the download?"));
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(partPath()), BrvTest::kEventTimeoutMs);
        QVERIFY(!downloader->isVisible());
        QVERIFY(!QFile::exists(finalPath()));
        QCOMPARE(finished.size(), 0);
        QTest::qWait(100);
        QVERIFY(afterwards.seen.isEmpty());
    }

    void installOkOpensTheFileAndQuits()
    {
        UrlCatcher opened;
        QObject step;
        QString prompt;
        BrvTest::answerNextMessageBox(&step, [&](QMessageBox *box) {
            prompt = box->text() + QLatin1Char('|') + box->informativeText();
            box->button(QMessageBox::Ok)->click();
        }, 15000);
        start("/whole/setup.exe", false);
        QTRY_VERIFY_WITH_TIMEOUT(!opened.urls.isEmpty(), 15000);

        QCOMPARE(prompt, QStringLiteral("<h3>In order to install the update, you may need to quit "
                                        "the application.</h3>|Click \"OK\" to begin installing "
                                        "the update"));
        QCOMPARE(opened.urls, QList<QUrl>{QUrl::fromLocalFile(finalPath())});
        QCOMPARE(savedBytes(), installerBytes(200000));
        QVERIFY(!hasExecuteBit(finalPath()));
        QVERIFY(BrvTest::takeQuitRequest());
        QTRY_VERIFY_WITH_TIMEOUT(!downloader->isVisible(), BrvTest::kEventTimeoutMs);
    }

    void installCancelKeepsTheWindowWithItsOpenButton()
    {
        UrlCatcher opened;
        QObject step;
        bool prompted = false;
        BrvTest::answerNextMessageBox(&step, [&](QMessageBox *box) {
            prompted = true;
            box->button(QMessageBox::Cancel)->click();
        }, 15000);
        QSignalSpy finished(downloader.get(), &Downloader::downloadFinished);
        start("/whole/setup.exe", false);
        QTRY_VERIFY_WITH_TIMEOUT(prompted && finished.size() == 1, 15000);

        auto *open = findNamed<QPushButton>(downloader.get(), "openButton");
        QTRY_VERIFY_WITH_TIMEOUT(open->isVisible(), BrvTest::kEventTimeoutMs);
        QVERIFY(downloader->isVisible());
        QVERIFY(open->isEnabled());
        QCOMPARE(findNamed<QLabel>(downloader.get(), "timeLabel")->text(),
                 QStringLiteral("Click the \"Open\" button to apply the update"));
        QCOMPARE(findNamed<QPushButton>(downloader.get(), "stopButton")->text(),
                 QStringLiteral("Close"));
        QCOMPARE(savedBytes(), installerBytes(200000));
        QVERIFY(opened.urls.isEmpty());
        QVERIFY(!BrvTest::takeQuitRequest());
        BrvTest::saveScreenshot(downloader.get(), QStringLiteral("downloader-install-refused"));

        BrvTest::answerNextMessageBox(&step, [](QMessageBox *box) {
            box->button(QMessageBox::Ok)->click();
        });
        open->click();
        QCOMPARE(opened.urls, QList<QUrl>{QUrl::fromLocalFile(finalPath())});
        QVERIFY(BrvTest::takeQuitRequest());
    }

    // A mandatory update that does not get installed ends the program.
    void mandatoryUpdateQuits_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("windowMs");
        QTest::newRow("download fails") << QByteArray("/missing/setup.exe")
                                        << QStringLiteral("Error: ") + kDownloadError
                                        << Downloader::kProgressWindowMs;
        QTest::newRow("install prompt refused")
            << QByteArray("/whole/setup.exe")
            << QStringLiteral(": <h3>In order to install the update, you may need to quit the "
                              "application. This is a mandatory update, exiting now will close "
                              "the application</h3>")
            << Downloader::kProgressWindowMs;
        QTest::newRow("download drips") << QByteArray("/drip/setup.exe")
                                        << QStringLiteral("Error: ") + kDownloadError
                                        << kShortWindowMs;
    }

    void mandatoryUpdateQuits()
    {
        QFETCH(QByteArray, path);
        QFETCH(QString, box);
        QFETCH(int, windowMs);

        QObject step;
        Boxes boxes;
        boxes.server = &server;
        boxes.answerAll(&step, QMessageBox::Cancel);
        downloader->setProgressWindow(windowMs);
        start(path, false, true);
        QTRY_VERIFY_WITH_TIMEOUT(!boxes.seen.isEmpty(), 15000);

        QCOMPARE(boxes.seen, QStringList{box});
        QCOMPARE(boxes.closedWhileShown, QList<bool>{true});
        QVERIFY(BrvTest::takeQuitRequest());
        QVERIFY(findNamed<QPushButton>(downloader.get(), "openButton")->isHidden());
    }

    void noReplyOutlivesItsTransfer()
    {
        QSignalSpy finished(downloader.get(), &Downloader::downloadFinished);
        start("/relative/setup.exe", true);
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 15000);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(downloader->findChildren<QNetworkReply *>().isEmpty());
    }
};

QTEST_MAIN(tst_Downloader)
#include "tst_downloader.moc"
