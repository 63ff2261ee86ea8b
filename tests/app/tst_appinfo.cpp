#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

#include "IQAppInfo.h"

namespace {

// The working folder of the runner: where the program looks for "Settings.ini".
QString iniPath()
{
    return QDir::current().absoluteFilePath(QStringLiteral("Settings.ini"));
}

bool writeIni(const QByteArray &content)
{
    QFile file(iniPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(content) == content.size();
}

} // namespace

class tst_AppInfo : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QFile::remove(iniPath()); }

    void facts();
    void updateUrl_data();
    void updateUrl();
    void updateUrlSeesRewrite();
};

void tst_AppInfo::facts()
{
    QCOMPARE(IQAppInfo::applicationName(), QStringLiteral("Brivane WebP"));
    QCOMPARE(IQAppInfo::updateChannel(), 1);
    QVERIFY(IQAppInfo::aboutNotice().startsWith(QLatin1String("Brivane WebP")));
    QVERIFY(!IQAppInfo::aboutNotice().contains(QLatin1Char('\n')));
    QCOMPARE(IQAppInfo::defaultUpdateUrl(),
             QStringLiteral("https://www.brivane.example/update/update.json"));
    QCOMPARE(IQAppInfo::settings(), IQAppInfo::settings());
    QCOMPARE(QFileInfo(IQAppInfo::settings()->fileName()).absoluteFilePath(), iniPath());
}

void tst_AppInfo::updateUrl_data()
{
    QTest::addColumn<bool>("hasFile");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("url");

    const QString builtIn = IQAppInfo::defaultUpdateUrl();
    const QString own = QStringLiteral("https://updates.test.example/feed.json");
    QTest::newRow("no file") << false << QByteArray() << builtIn;
    QTest::newRow("https value") << true << QByteArray("[checkupdate]\nurl=" + own.toUtf8() + "\n") << own;
    QTest::newRow("quoted http value") << true
        << QByteArray("[checkupdate]\nurl=\"http://127.0.0.1:8080/update.json\"\n")
        << QStringLiteral("http://127.0.0.1:8080/update.json");
    QTest::newRow("other key only") << true << QByteArray("[checkupdate]\nchannel=2\n") << builtIn;
    QTest::newRow("empty value") << true << QByteArray("[checkupdate]\nurl=\n") << builtIn;
    QTest::newRow("file address") << true << QByteArray("[checkupdate]\nurl=file:///etc/passwd\n") << builtIn;
    QTest::newRow("no scheme") << true << QByteArray("[checkupdate]\nurl=www.brivane.example/u.json\n") << builtIn;
    QTest::newRow("unquoted comma list") << true
        << QByteArray("[checkupdate]\nurl=https://a.example/x.json, https://b.example/y.json\n") << builtIn;
    QTest::newRow("not an ini file") << true << QByteArray("\x89PNG\r\n\x1a\n\0\0garbage", 16) << builtIn;
}

void tst_AppInfo::updateUrl()
{
    QFETCH(bool, hasFile);
    QFETCH(QByteArray, content);
    QFETCH(QString, url);

    if (hasFile)
        QVERIFY(writeIni(content));
    QCOMPARE(IQAppInfo::updateUrl(), url);
    QCOMPARE(IQAppInfo::updateUrl(), url);
    // Reading never writes: no file appears, an existing one keeps its bytes.
    QCOMPARE(QFile::exists(iniPath()), hasFile);
    if (hasFile) {
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }
}

void tst_AppInfo::updateUrlSeesRewrite()
{
    const QString first = QStringLiteral("https://one.example/update.json");
    const QString second = QStringLiteral("https://second.example/feed/update.json");
    QVERIFY(writeIni("[checkupdate]\nurl=" + first.toUtf8() + "\n"));
    QCOMPARE(IQAppInfo::updateUrl(), first);

    // Within the same second: the new length tells the file changed.
    QVERIFY(writeIni("[checkupdate]\nurl=" + second.toUtf8() + "\n"));
    QCOMPARE(IQAppInfo::updateUrl(), second);

    QVERIFY(QFile::remove(iniPath()));
    QCOMPARE(IQAppInfo::updateUrl(), IQAppInfo::defaultUpdateUrl());
    QVERIFY(!QFile::exists(iniPath()));
}

QTEST_GUILESS_MAIN(tst_AppInfo)
#include "tst_appinfo.moc"
