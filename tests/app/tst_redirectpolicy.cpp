#include <QtTest>

#include "RedirectPolicy.h"

using RedirectPolicy::Verdict;

Q_DECLARE_METATYPE(RedirectPolicy::Verdict)

class tst_RedirectPolicy : public QObject
{
    Q_OBJECT

private slots:
    void decide_data()
    {
        QTest::addColumn<QUrl>("from");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("location");
        QTest::addColumn<int>("followed");
        QTest::addColumn<Verdict>("verdict");
        QTest::addColumn<QUrl>("target");

        const QUrl feed(QStringLiteral("https://updates.example.com/update/update.json"));
        const auto row = [&](const char *name, int status, const QByteArray &location,
                             Verdict verdict, const char *target, int followed = 0,
                             const QUrl &from = QUrl()) {
            QTest::newRow(name) << (from.isEmpty() ? feed : from) << status << location
                                << followed << verdict << QUrl(QString::fromLatin1(target));
        };

        row("relative file", 302, "update2.json", Verdict::Follow,
            "https://updates.example.com/update/update2.json");
        row("relative from the root", 302, "/moved/update.json", Verdict::Follow,
            "https://updates.example.com/moved/update.json");
        row("relative with dots", 301, "../feeds/u.json", Verdict::Follow,
            "https://updates.example.com/feeds/u.json");
        row("scheme-relative", 302, "//mirror.example.com/u.json", Verdict::Follow,
            "https://mirror.example.com/u.json");
        row("absolute", 301, "https://mirror.example.com/u.json", Verdict::Follow,
            "https://mirror.example.com/u.json");
        row("307", 307, "https://mirror.example.com/u.json", Verdict::Follow,
            "https://mirror.example.com/u.json");
        row("to itself", 302, "update.json", Verdict::Follow,
            "https://updates.example.com/update/update.json");
        row("http up to https", 302, "https://updates.example.com/u.json", Verdict::Follow,
            "https://updates.example.com/u.json", 0, QUrl("http://updates.example.com/u.json"));
        row("https down to http", 302, "http://updates.example.com/u.json", Verdict::Refuse,
            "http://updates.example.com/u.json");
        // Plain http only from this machine to this machine.
        const QUrl here(QStringLiteral("http://127.0.0.1:8080/i.bin"));
        const QUrl remoteHttp(QStringLiteral("http://updates.example.com/u.json"));
        row("remote http to remote http", 302, "http://mirror.example.com/u.json", Verdict::Refuse,
            "http://mirror.example.com/u.json", 0, remoteHttp);
        row("remote http to loopback http", 302, "http://127.0.0.1/u.json", Verdict::Refuse,
            "http://127.0.0.1/u.json", 0, remoteHttp);
        row("https to loopback http", 302, "http://127.0.0.1/u.json", Verdict::Refuse,
            "http://127.0.0.1/u.json");
        row("loopback, relative", 302, "/e.bin", Verdict::Follow, "http://127.0.0.1:8080/e.bin", 0,
            here);
        row("loopback to another port", 307, "http://127.0.0.1:9090/e.bin", Verdict::Follow,
            "http://127.0.0.1:9090/e.bin", 0, here);
        row("loopback to ::1", 302, "http://[::1]:8080/e.bin", Verdict::Follow,
            "http://[::1]:8080/e.bin", 0, here);
        row("loopback to localhost", 302, "http://localhost:8080/e.bin", Verdict::Follow,
            "http://localhost:8080/e.bin", 0, here);
        row("loopback to https elsewhere", 302, "https://mirror.example.com/e.bin",
            Verdict::Follow, "https://mirror.example.com/e.bin", 0, here);
        row("loopback to a remote address", 302, "http://203.0.113.5/e.bin", Verdict::Refuse,
            "http://203.0.113.5/e.bin", 0, here);
        row("loopback to a remote name", 301, "http://downloads.example.com/e.bin",
            Verdict::Refuse, "http://downloads.example.com/e.bin", 0, here);
        row("loopback, scheme-relative to a remote address", 302, "//203.0.113.5/e.bin",
            Verdict::Refuse, "http://203.0.113.5/e.bin", 0, here);
        row("loopback to a name that begins like it", 302, "http://127.0.0.1.example.com/e.bin",
            Verdict::Refuse, "http://127.0.0.1.example.com/e.bin", 0, here);
        row("loopback to a remote address, 10th hop", 302, "http://203.0.113.5/e.bin",
            Verdict::Refuse, "http://203.0.113.5/e.bin", RedirectPolicy::kMaxRedirects - 1, here);
        row("to a local file", 302, "file:///etc/passwd", Verdict::Refuse, "file:///etc/passwd");
        row("the 10th in a row", 302, "u.json", Verdict::Follow,
            "https://updates.example.com/update/u.json", RedirectPolicy::kMaxRedirects - 1);
        row("the 11th in a row", 302, "u.json", Verdict::Refuse,
            "https://updates.example.com/update/u.json", RedirectPolicy::kMaxRedirects);
        // A 3xx answer carries no feed and no installer; without a target it goes nowhere.
        row("3xx without a target", 304, "", Verdict::Refuse, "");
        row("blank target", 302, "  ", Verdict::Refuse, "");
        row("2xx with a Location", 201, "https://mirror.example.com/u.json", Verdict::None, "");
        row("4xx with a Location", 404, "https://mirror.example.com/u.json", Verdict::None, "");
    }

    void decide()
    {
        QFETCH(QUrl, from);
        QFETCH(int, status);
        QFETCH(QByteArray, location);
        QFETCH(int, followed);
        QFETCH(Verdict, verdict);
        QFETCH(QUrl, target);

        const RedirectPolicy::Decision decision =
            RedirectPolicy::decide(from, status, location, followed);
        QCOMPARE(decision.verdict, verdict);
        if (verdict != Verdict::None)
            QCOMPARE(decision.target, target);
    }
};

QTEST_GUILESS_MAIN(tst_RedirectPolicy)
#include "tst_redirectpolicy.moc"
