#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "LoopbackHttpServer.h"

// The program as a user starts it: on a 1280 x 800 X screen without a window manager, in a work
// folder whose Settings.ini points the update check at a feed on this machine.
namespace {

constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 800;
// The main window's size, for the English and the German texts alike.
constexpr QSize kWindowSize(1171, 644);
// A start under the sanitizers takes a few seconds, many more on a busy machine; a window that
// has not come in a minute never will.
constexpr int kWindowTimeoutMs = 60000;
// The X tools answer at once, but on a busy machine they may wait long for a processor.
constexpr int kToolTimeoutMs = 60000;
const QColor kSheet(0x22, 0x22, 0x22);
const QColor kMenuStrip(0x1A, 0x1A, 0x1A);
// Light pixels that the start page's texts and the menu titles give at the least.
constexpr int kPageTextPixels = 100;
constexpr int kMenuTextPixels = 10;

// Runs a tool to its end; its standard output, or nothing when it failed.
QByteArray runTool(const QString &program, const QStringList &arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    const bool ran = tool.waitForFinished(kToolTimeoutMs) && tool.exitStatus() == QProcess::NormalExit
                     && tool.exitCode() == 0;
    return ran ? tool.readAllStandardOutput() : QByteArray();
}

QList<QByteArray> nonEmpty(const QList<QByteArray> &lines)
{
    QList<QByteArray> kept;
    for (const QByteArray &line : lines) {
        if (!line.trimmed().isEmpty())
            kept << line.trimmed();
    }
    return kept;
}

// The shown top-level windows titled as the program's.
QList<QByteArray> shownWindows()
{
    return nonEmpty(runTool(QStringLiteral("xdotool"),
                            {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                             QStringLiteral("--name"), QStringLiteral("^Brivane WebP$")})
                        .split('\n'));
}

// The window's place on the screen, from xdotool's shell form (X=, Y=, WIDTH=, HEIGHT=).
QRect windowGeometry(const QByteArray &id)
{
    const QByteArray shell = runTool(
        QStringLiteral("xdotool"),
        {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), QString::fromLatin1(id)});
    QMap<QByteArray, int> values;
    for (const QByteArray &line : shell.split('\n')) {
        const int equals = line.indexOf('=');
        if (equals > 0)
            values.insert(line.left(equals), line.mid(equals + 1).toInt());
    }
    return QRect(values.value("X"), values.value("Y"), values.value("WIDTH"),
                 values.value("HEIGHT"));
}

QImage screenshot()
{
    return QImage::fromData(runTool(QStringLiteral("import"),
                                    {QStringLiteral("-window"), QStringLiteral("root"),
                                     QStringLiteral("png:-")}),
                            "PNG");
}

bool isNear(QRgb pixel, const QColor &colour)
{
    return qAbs(qRed(pixel) - colour.red()) <= 2 && qAbs(qGreen(pixel) - colour.green()) <= 2
           && qAbs(qBlue(pixel) - colour.blue()) <= 2;
}

bool isLight(QRgb pixel)
{
    return qRed(pixel) >= 0xB0 && qGreen(pixel) >= 0xB0 && qBlue(pixel) >= 0xB0;
}

// Share of the rows' pixels near colour, and how many of them are light.
struct Band
{
    double share = 0;
    int light = 0;
};

Band band(const QImage &image, int top, int bottom, const QColor &colour)
{
    Band result;
    qint64 near = 0;
    qint64 all = 0;
    for (int y = top; y < bottom && y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            ++all;
            near += isNear(pixel, colour);
            result.light += isLight(pixel);
        }
    }
    result.share = all ? double(near) / all : 0;
    return result;
}

} // namespace

class tst_RealProgram : public QObject
{
    Q_OBJECT

private:
    LoopbackHttpServer server;
    QTemporaryDir work;
    QTemporaryDir fallbackShots;
    QString shots;
    QString program = QStringLiteral(BRV_PROGRAM);
    QImage english;

    std::unique_ptr<QProcess> start(const QString &lang)
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.remove(QStringLiteral("LC_ALL"));
        env.remove(QStringLiteral("LC_MESSAGES"));
        env.remove(QStringLiteral("LANGUAGE"));
        env.insert(QStringLiteral("LANG"), lang);
        // The virtual screen has no GPU; the GL driver that Qt would load anyway is unloaded
        // before the leak check can name its allocations.
        env.insert(QStringLiteral("QT_XCB_GL_INTEGRATION"), QStringLiteral("none"));
        // The X keyboard library hands strndup counted names with no NUL after them, which is
        // sound, but strict string checks read on to the NUL and call it an overflow.
        QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
        asan.replace(QStringLiteral("strict_string_checks=1"), QStringLiteral("strict_string_checks=0"));
        env.insert(QStringLiteral("ASAN_OPTIONS"), asan);
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(work.path());
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->setStandardOutputFile(QProcess::nullDevice());
        process->start(program, QStringList());
        return process;
    }

    // Waits for the program's one window; its id, or nothing.
    QByteArray waitForWindow(QProcess &process)
    {
        QByteArray id;
        const bool ended = QTest::qWaitFor([&]() {
            const QList<QByteArray> windows = shownWindows();
            if (windows.size() == 1)
                id = windows.first();
            return !id.isEmpty() || process.state() == QProcess::NotRunning;
        }, kWindowTimeoutMs);
        return ended ? id : QByteArray();
    }

    // Ends the program as its user does, with Ctrl+Q in its window; true at exit code 0.
    bool quit(QProcess &process, const QByteArray &id)
    {
        runTool(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"),
                                            QString::fromLatin1(id)});
        runTool(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("--clearmodifiers"),
                                            QStringLiteral("ctrl+q")});
        return process.waitForFinished(kWindowTimeoutMs) && process.exitStatus() == QProcess::NormalExit
               && process.exitCode() == 0;
    }

    // The window's place once the program has centred it, which it does only after showing
    // it; whatever the place is after a minute when that never happens.
    QRect centredGeometry(const QByteArray &id)
    {
        const QRect centred(QPoint((kScreenWidth - kWindowSize.width()) / 2,
                                   (kScreenHeight - kWindowSize.height()) / 2),
                            kWindowSize);
        QRect geometry;
        (void)QTest::qWaitFor([&]() {
            geometry = windowGeometry(id);
            return geometry == centred;
        }, kWindowTimeoutMs);
        return geometry;
    }

    // Whether the start page and the menu strip show their texts; the page paints them in
    // steps, and a busy machine may show any of them first.
    static bool textsPainted(const QImage &window)
    {
        return band(window, window.height() / 4, window.height() * 3 / 4, kSheet).light
                   > kPageTextPixels
            && band(window, 0, 16, kMenuStrip).light > kMenuTextPixels;
    }

    // The window as the screen shows it, once its start page has painted its texts.
    QImage windowPicture(const QRect &geometry)
    {
        QImage picture;
        (void)QTest::qWaitFor([&]() {
            picture = screenshot().copy(geometry);
            return textsPainted(picture);
        }, kWindowTimeoutMs);
        return picture;
    }

    // The window's picture: the dark sheet, light texts on the start page, the menu strip on top.
    void checkPicture(const QImage &window, const QString &name)
    {
        QVERIFY(!window.isNull());
        QVERIFY(window.save(shots + QLatin1Char('/') + name + QStringLiteral(".png")));
        const Band whole = band(window, 0, window.height(), kSheet);
        QVERIFY2(whole.share > 0.6, qPrintable(QString::number(whole.share)));
        const Band page = band(window, window.height() / 4, window.height() * 3 / 4, kSheet);
        QVERIFY2(page.light > kPageTextPixels, qPrintable(QString::number(page.light)));
        const Band strip = band(window, 0, 16, kMenuStrip);
        QVERIFY2(strip.share > 0.6, qPrintable(QString::number(strip.share)));
        QVERIFY2(strip.light > kMenuTextPixels, qPrintable(QString::number(strip.light)));
    }

private slots:
    void initTestCase()
    {
        // Only on the runner's own virtual screen, never on a desktop's display.
        if (qEnvironmentVariableIsEmpty("DISPLAY") || qgetenv("QT_QPA_PLATFORM") != "xcb")
            QSKIP("No virtual X screen: the program runs on the runner's Xvfb");
        for (const char *tool : {"xdotool", "import"}) {
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(QLatin1String(tool))));
        }
        QVERIFY(QFile::exists(program));
        QVERIFY(work.isValid());
        shots = qEnvironmentVariable("BRV_SCREENSHOT_DIR");
        if (shots.isEmpty())
            shots = fallbackShots.path();
        QVERIFY(QDir().mkpath(shots));

        QVERIFY(server.listen());
        const QByteArray feed = R"({"windows": [{"module-name": "Brivane WebP", "channel": 1,
            "latest-version": "1.3.0.80", "changelog": "Faster animated WebP export."}]})";
        server.setRoute("/update/update.json", LoopbackHttpServer::ok(feed, "application/json"));
        QSettings ini(work.filePath(QStringLiteral("Settings.ini")), QSettings::IniFormat);
        ini.setValue(QStringLiteral("checkupdate/url"), server.url("/update/update.json").toString());
    }

    void startsOnceAndQuits()
    {
        server.clearRequests();
        std::unique_ptr<QProcess> first = start(QStringLiteral("en_US.UTF-8"));
        QVERIFY(first->waitForStarted());
        const QByteArray id = waitForWindow(*first);
        QVERIFY2(!id.isEmpty(), "no window titled \"Brivane WebP\"");

        // Centred on the screen; without a window manager there is no frame around it.
        const QRect geometry = centredGeometry(id);
        QCOMPARE(geometry.size(), kWindowSize);
        QCOMPARE(geometry.topLeft(), QPoint((kScreenWidth - geometry.width()) / 2,
                                            (kScreenHeight - geometry.height()) / 2));

        // The update check asks the feed once, as this version of this program.
        QVERIFY(QTest::qWaitFor([this]() { return !server.requests().isEmpty(); }, kWindowTimeoutMs));
        QCOMPARE(server.requests().first().userAgent, QByteArray("brivane-webp/1.3.0.80"));

        english = windowPicture(geometry);
        checkPicture(english, QStringLiteral("program_start_en"));

        // A second start hands over and leaves at once; the first window stays alone, and the
        // update check has asked once.
        std::unique_ptr<QProcess> second = start(QStringLiteral("en_US.UTF-8"));
        QVERIFY(second->waitForFinished(kWindowTimeoutMs));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(shownWindows(), QList<QByteArray>{id});
        QCOMPARE(server.requests().size(), 1);

        QVERIFY(quit(*first, id));
    }

    void startsInGerman()
    {
        std::unique_ptr<QProcess> program = start(QStringLiteral("de_DE.UTF-8"));
        QVERIFY(program->waitForStarted());
        const QByteArray id = waitForWindow(*program);
        QVERIFY2(!id.isEmpty(), "no window titled \"Brivane WebP\"");
        const QImage german = windowPicture(centredGeometry(id));
        checkPicture(german, QStringLiteral("program_start_de"));
        // The same page, in other words.
        QCOMPARE(german.size(), english.size());
        QVERIFY(german != english);
        QVERIFY(quit(*program, id));
    }
};

QTEST_GUILESS_MAIN(tst_RealProgram)
#include "tst_realprogram.moc"
