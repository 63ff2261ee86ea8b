#include <QtTest>

#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QRandomGenerator>
#include <QSharedMemory>

#include <cstring>
#include <functional>
#include <memory>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "SingleApplication.h"
#include "SingleApplicationPrivate.h"

namespace {

// Generous, for helpers that start under the sanitizers on a busy machine.
constexpr int kStartTimeout = 20000;
// The one slow path: a block that stays inconsistent is reset after 5 s.
constexpr int kResetTimeout = 30000;

// One run of the helper program: a first or later instance with the given user data.
class Helper
{
public:
    explicit Helper(const QString &userData, const QStringList &extraArguments = {})
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(BRV_SINGLEINSTANCE_HELPER),
                        QStringList{userData} + extraArguments);
    }

    ~Helper()
    {
        if (m_process.state() != QProcess::NotRunning && !finish()) {
            m_process.kill();
            m_process.waitForFinished(kStartTimeout);
        }
    }

    bool waitForStarted() { return m_process.waitForStarted(kStartTimeout); }

    // Waits for a line that starts with prefix and returns it, or an empty array.
    QByteArray waitForLine(const QByteArray &prefix, int timeout = kStartTimeout)
    {
        QDeadlineTimer deadline(timeout);
        for (;;) {
            for (const QByteArray &line : lines()) {
                if (line.startsWith(prefix))
                    return line;
            }
            if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning)
                return QByteArray();
            m_process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
        }
    }

    // The block name a first instance announced.
    QString waitForFirst(int timeout = kStartTimeout)
    {
        const QByteArray line = waitForLine("first ", timeout);
        return line.isEmpty() ? QString() : QString::fromLatin1(line.mid(6));
    }

    // Closes the helper's standard input and waits for it to leave.
    bool finish()
    {
        m_process.closeWriteChannel();
        return waitForExit();
    }

    bool waitForExit()
    {
        if (m_process.state() != QProcess::NotRunning && !m_process.waitForFinished(kStartTimeout))
            return false;
        lines();
        return true;
    }

    bool exitedCleanly() const
    {
        return m_process.state() == QProcess::NotRunning
            && m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
    }

    void killHard()
    {
        m_process.kill();
        m_process.waitForFinished(kStartTimeout);
    }

    bool isRunning() const { return m_process.state() == QProcess::Running; }
    qint64 processId() const { return m_process.processId(); }

    // Every complete line printed so far.
    QList<QByteArray> lines()
    {
        m_output += m_process.readAllStandardOutput();
        QList<QByteArray> complete = m_output.split('\n');
        complete.removeLast();
        return complete;
    }

    bool waitForLineCount(int count)
    {
        QDeadlineTimer deadline(kStartTimeout);
        while (lines().size() < count && !deadline.hasExpired() && isRunning())
            m_process.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())));
        return lines().size() >= count;
    }

    int count(const QByteArray &prefix)
    {
        int found = 0;
        for (const QByteArray &line : lines())
            found += line.startsWith(prefix) ? 1 : 0;
        return found;
    }

private:
    QProcess m_process;
    QByteArray m_output;
};

QByteArray frameHeader(qint64 length)
{
    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_6);
    out << length;
    return header;
}

QByteArray frame(const QByteArray &body)
{
    return frameHeader(body.size()) + body;
}

// An init body as a later instance sends it; checksumDelta spoils its checksum.
QByteArray initBody(const QString &name, qint8 type, quint32 instanceId, int checksumDelta = 0)
{
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_6);
    out << name.toLatin1() << type << instanceId;
    out << quint16(qChecksum(body.constData(), uint(body.size())) + checksumDelta);
    return body;
}

QByteArray initFrame(const QString &name, qint8 type = SingleApplicationPrivate::Reconnect)
{
    return frame(initBody(name, type, 0));
}

QString thisUser()
{
    const passwd *entry = getpwuid(getuid());
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString();
}

// Leaves a server socket file behind, as a first instance that was killed does.
bool leaveStaleSocketFile(const QString &name)
{
    const QByteArray path = QFile::encodeName(QDir::tempPath() + QLatin1Char('/') + name);
    sockaddr_un address;
    std::memset(&address, 0, sizeof(address));
    address.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound =
        fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
    if (fd >= 0)
        ::close(fd);
    return bound && QFile::exists(QString::fromLocal8Bit(path));
}

// A connection from the test to a first instance that gathers its acknowledgements.
class RawClient
{
public:
    explicit RawClient(const QString &name)
    {
        QObject::connect(&m_socket, &QLocalSocket::readyRead,
                         [this] { m_received += m_socket.readAll(); });
        m_socket.connectToServer(name);
    }

    bool isConnected() { return m_socket.waitForConnected(kStartTimeout); }

    void write(const QByteArray &bytes)
    {
        m_socket.write(bytes);
        m_socket.flush();
    }

    bool waitForAcks(int count)
    {
        QDeadlineTimer deadline(kStartTimeout);
        while (m_received.size() < count && !deadline.hasExpired()
               && m_socket.state() == QLocalSocket::ConnectedState)
            QTest::qWait(5);
        m_received += m_socket.readAll();
        return m_received == QByteArray(count, '\n');
    }

    bool waitForClosed()
    {
        QDeadlineTimer deadline(kStartTimeout);
        while (m_socket.state() != QLocalSocket::UnconnectedState && !deadline.hasExpired())
            QTest::qWait(5);
        m_received += m_socket.readAll();
        return m_socket.state() == QLocalSocket::UnconnectedState;
    }

    QByteArray received() const { return m_received; }

private:
    QLocalSocket m_socket;
    QByteArray m_received;
};

enum class Before {
    FirstRuns,
    FirstLeftCleanly,
    FirstKilled,
    StaleSocketFile,
    WrongChecksum,
    OtherUserDataRuns,
};

} // namespace

Q_DECLARE_METATYPE(Before)
Q_DECLARE_METATYPE(ServerNameInputs)
Q_DECLARE_METATYPE(SingleApplication::Options)

class tst_SingleApplication : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cleanupTestCase();

    void starts_data();
    void starts();
    void wire_data();
    void wire();
    void sendToFirstInstance();
    void blockAsWritten();
    void blockName_data();
    void blockName();
    void blockNameText_data();
    void blockNameText();

private:
    // User data no other test run on this machine uses, so that no two runs ever meet.
    QString uniqueUserData(const QString &suffix = QString());
    // Starts a first instance and leaves it again, for the block name it announced.
    QString blockNameOf(const QString &userData);
    // Whether the block of that name is gone; clears it when not.
    static bool blockIsGone(const QString &name);

    QString m_userData;
    QStringList m_usedNames;
    // The first instance that every row of the wire test talks to.
    std::unique_ptr<Helper> m_wireFirst;
    QString m_wireName;
};

QString tst_SingleApplication::uniqueUserData(const QString &suffix)
{
    return QStringLiteral("tst_singleapplication-%1-%2%3")
        .arg(QCoreApplication::applicationPid())
        .arg(QRandomGenerator::global()->generate64(), 0, 16)
        .arg(suffix);
}

QString tst_SingleApplication::blockNameOf(const QString &userData)
{
    Helper helper(userData);
    const QString name = helper.waitForFirst();
    helper.finish();
    if (!name.isEmpty())
        m_usedNames.append(name);
    return helper.exitedCleanly() ? name : QString();
}

void tst_SingleApplication::init()
{
    m_userData = uniqueUserData();
    m_usedNames.clear();
}

bool tst_SingleApplication::blockIsGone(const QString &name)
{
    QSharedMemory probe(name);
    const bool leftBehind = probe.attach(QSharedMemory::ReadOnly);
    if (leftBehind)
        probe.detach();
    QLocalServer::removeServer(name);
    return !leftBehind;
}

void tst_SingleApplication::cleanup()
{
    // Every helper of the row has left by now: none of their blocks may stay behind.
    for (const QString &name : qAsConst(m_usedNames))
        QVERIFY2(blockIsGone(name), qPrintable(QStringLiteral("block %1 left behind").arg(name)));
}

void tst_SingleApplication::cleanupTestCase()
{
    if (!m_wireFirst)
        return;
    QVERIFY(m_wireFirst->finish());
    QVERIFY(m_wireFirst->exitedCleanly());
    m_wireFirst.reset();
    QVERIFY(blockIsGone(m_wireName));
}

void tst_SingleApplication::starts_data()
{
    QTest::addColumn<Before>("before");
    QTest::addColumn<bool>("becomesFirst");

    QTest::newRow("second start while the first runs") << Before::FirstRuns << false;
    QTest::newRow("after a clean exit of the first") << Before::FirstLeftCleanly << true;
    QTest::newRow("after kill -9 of the first") << Before::FirstKilled << true;
    QTest::newRow("stale server socket file, no block") << Before::StaleSocketFile << true;
    QTest::newRow("block with a wrong checksum") << Before::WrongChecksum << true;
    QTest::newRow("first with other user data runs") << Before::OtherUserDataRuns << true;
}

void tst_SingleApplication::starts()
{
    QFETCH(Before, before);
    QFETCH(bool, becomesFirst);

    std::unique_ptr<Helper> earlier;
    std::unique_ptr<QSharedMemory> spoiled;
    int firstTimeout = kStartTimeout;

    switch (before) {
    case Before::FirstRuns:
    case Before::FirstLeftCleanly:
    case Before::FirstKilled:
    case Before::OtherUserDataRuns: {
        const QString userData = before == Before::OtherUserDataRuns ? uniqueUserData("-other")
                                                                     : m_userData;
        earlier = std::make_unique<Helper>(userData);
        const QString name = earlier->waitForFirst();
        QVERIFY(!name.isEmpty());
        m_usedNames.append(name);
        if (before == Before::FirstLeftCleanly) {
            QVERIFY(earlier->finish());
            QVERIFY(earlier->exitedCleanly());
        } else if (before == Before::FirstKilled) {
            earlier->killHard();
        }
        break;
    }
    case Before::StaleSocketFile: {
        const QString name = blockNameOf(m_userData);
        QVERIFY(!name.isEmpty());
        QVERIFY(leaveStaleSocketFile(name));
        break;
    }
    case Before::WrongChecksum: {
        const QString name = blockNameOf(m_userData);
        QVERIFY(!name.isEmpty());
        // A live process in the block, so only the checksum can free it.
        spoiled = std::make_unique<QSharedMemory>(name);
        QVERIFY(spoiled->create(sizeof(SharedInstanceBlock)));
        auto *shared = static_cast<SharedInstanceBlock *>(spoiled->data());
        shared->initialize();
        shared->firstPresent = true;
        shared->firstPid = QCoreApplication::applicationPid();
        shared->checksum = quint16(shared->computeChecksum() + 1);
        firstTimeout = kResetTimeout;
        break;
    }
    }

    Helper next(m_userData);
    QVERIFY(next.waitForStarted());
    if (becomesFirst) {
        const QString name = next.waitForFirst(firstTimeout);
        QVERIFY2(!name.isEmpty(), "the next start did not become the first instance");
        if (!m_usedNames.contains(name))
            m_usedNames.append(name);
        QVERIFY(next.isRunning());
        QVERIFY(next.finish());
        QVERIFY(next.exitedCleanly());
        QCOMPARE(next.count("started"), 0);
    } else {
        QVERIFY(next.waitForExit());
        QVERIFY(next.exitedCleanly());
        QCOMPARE(next.count("first "), 0);
    }

    if (earlier && earlier->isRunning()) {
        QVERIFY(earlier->finish());
        QVERIFY(earlier->exitedCleanly());
        QCOMPARE(earlier->count("started"), before == Before::FirstRuns ? 1 : 0);
    }
}

void tst_SingleApplication::wire_data()
{
    QTest::addColumn<QList<QByteArray>>("writes");
    QTest::addColumn<int>("acks");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QList<QByteArray>>("messages");

    // The rows need the block name, which only the running first instance knows: the
    // placeholders in "%...%" stand for init frames that the test fills in.
    const QByteArray init = "%INIT%";
    const auto bytes = [](const QByteArray &all) {
        QList<QByteArray> pieces;
        for (char c : all)
            pieces.append(QByteArray(1, c));
        return pieces;
    };
    const QByteArray hello = "hello, first instance";

    QTest::newRow("valid init") << QList<QByteArray>{init} << 2 << false << QList<QByteArray>{};
    QTest::newRow("wrong checksum") << QList<QByteArray>{"%BADCHECKSUM%"} << 1 << true
                                    << QList<QByteArray>{};
    QTest::newRow("wrong name") << QList<QByteArray>{"%BADNAME%"} << 1 << true
                                << QList<QByteArray>{};
    QTest::newRow("init body too short") << QList<QByteArray>{frame("abc")} << 1 << true
                                         << QList<QByteArray>{};
    QTest::newRow("negative init length") << QList<QByteArray>{frameHeader(-1) + "x"} << 0 << true
                                          << QList<QByteArray>{};
    QTest::newRow("init longer than the largest valid") << QList<QByteArray>{"%LONGINIT%"} << 0
                                                        << true << QList<QByteArray>{};
    QTest::newRow("init length above the cap")
        << QList<QByteArray>{frameHeader(SingleApplicationPrivate::kMaxFrameLength + 1)} << 0
        << true << QList<QByteArray>{};
    QTest::newRow("negative message length") << QList<QByteArray>{init, frameHeader(-8)} << 2
                                             << true << QList<QByteArray>{};
    QTest::newRow("message length above the cap")
        << QList<QByteArray>{init, frameHeader(SingleApplicationPrivate::kMaxFrameLength + 1)}
        << 2 << true << QList<QByteArray>{};
    QTest::newRow("huge message length")
        << QList<QByteArray>{init, frameHeader(Q_INT64_C(0x7fffffffffffffff))} << 2 << true
        << QList<QByteArray>{};
    QTest::newRow("init and message in one write") << QList<QByteArray>{init + frame(hello)}
                                                   << 4 << false << QList<QByteArray>{hello};
    QTest::newRow("two messages in one write")
        << QList<QByteArray>{init, frame("one") + frame("two")} << 6 << false
        << QList<QByteArray>{"one", "two"};
    QTest::newRow("empty message") << QList<QByteArray>{init, frame(QByteArray())} << 4 << false
                                   << QList<QByteArray>{QByteArray()};
    QTest::newRow("message one byte at a time") << QList<QByteArray>{init} + bytes(frame(hello))
                                                << 4 << false << QList<QByteArray>{hello};
    const QByteArray header = frameHeader(hello.size());
    QTest::newRow("header split across writes")
        << QList<QByteArray>{init, header.left(3), header.mid(3) + hello.left(4), hello.mid(4)}
        << 4 << false << QList<QByteArray>{hello};
    const QByteArray largest(int(SingleApplicationPrivate::kMaxFrameLength), 'm');
    QTest::newRow("message at the cap") << QList<QByteArray>{init, frame(largest)} << 4 << false
                                        << QList<QByteArray>{largest};
}

void tst_SingleApplication::wire()
{
    QFETCH(QList<QByteArray>, writes);
    QFETCH(int, acks);
    QFETCH(bool, closed);
    QFETCH(QList<QByteArray>, messages);

    if (!m_wireFirst) {
        m_wireFirst = std::make_unique<Helper>(m_userData);
        m_wireName = m_wireFirst->waitForFirst();
    }
    const QString name = m_wireName;
    QVERIFY(!name.isEmpty());
    Helper &first = *m_wireFirst;
    QVERIFY(first.isRunning());
    const int linesBefore = first.lines().size();

    const QByteArray longBody = initBody(name, SingleApplicationPrivate::Reconnect, 0) + "!";
    for (QByteArray &piece : writes) {
        piece.replace("%INIT%", initFrame(name));
        piece.replace("%BADCHECKSUM%",
                      frame(initBody(name, SingleApplicationPrivate::NewInstance, 0, 1)));
        piece.replace("%BADNAME%",
                      frame(initBody(name.toLower(), SingleApplicationPrivate::NewInstance, 0)));
        piece.replace("%LONGINIT%", frame(longBody));
    }

    RawClient client(name);
    QVERIFY(client.isConnected());
    for (int i = 0; i < writes.size(); ++i) {
        client.write(writes.at(i));
        if (writes.size() > 1)
            QTest::qWait(2);
    }

    if (closed) {
        QVERIFY2(client.waitForClosed(), "the first instance kept the connection open");
        QCOMPARE(client.received(), QByteArray(acks, '\n'));
    } else {
        QVERIFY(client.waitForAcks(acks));
        // Still open and in step: one more message goes through.
        client.write(frame("still open"));
        QVERIFY(client.waitForAcks(acks + 2));
        messages.append("still open");
    }

    // The first instance carries on whatever one connection did.
    RawClient another(name);
    QVERIFY(another.isConnected());
    another.write(initFrame(name, SingleApplicationPrivate::NewInstance));
    QVERIFY(another.waitForAcks(2));

    // The first instance prints before it acknowledges, so every line of the row is on its way.
    QList<QByteArray> expected;
    for (const QByteArray &message : qAsConst(messages))
        expected.append("message 0 " + message.toHex());
    expected.append("started");
    QVERIFY(first.waitForLineCount(linesBefore + expected.size()));
    QCOMPARE(first.lines().mid(linesBefore), expected);
}

void tst_SingleApplication::sendToFirstInstance()
{
    Helper first(m_userData);
    const QString name = first.waitForFirst();
    QVERIFY(!name.isEmpty());
    m_usedNames.append(name);

    const QByteArray message = "open /tmp/picture one.webp";
    Helper later(m_userData, {QStringLiteral("--send"), QString::fromLatin1(message)});
    QVERIFY(later.waitForExit());
    QVERIFY(later.exitedCleanly());
    QCOMPARE(later.lines(), QList<QByteArray>{"sent true"});

    // The later instance was admitted as the first later one.
    QCOMPARE(first.waitForLine("message "), "message 1 " + message.toHex());
    QVERIFY(first.finish());
    QVERIFY(first.exitedCleanly());
    QCOMPARE(first.count("started"), 0);

    // With the first gone, a sender is first itself and has nobody to send to.
    Helper alone(m_userData, {QStringLiteral("--send"), QStringLiteral("nobody")});
    QVERIFY(alone.waitForExit());
    QVERIFY(alone.exitedCleanly());
    QCOMPARE(alone.lines(), (QList<QByteArray>{"first " + name.toLatin1(), "sent false"}));
}

void tst_SingleApplication::blockAsWritten()
{
    Helper first(m_userData);
    const QString name = first.waitForFirst();
    QVERIFY(!name.isEmpty());
    m_usedNames.append(name);

    const auto readBlock = [&name](SharedInstanceBlock *copy) {
        QSharedMemory view(name);
        if (!view.attach(QSharedMemory::ReadOnly) || view.size() < int(sizeof(*copy)))
            return false;
        view.lock();
        std::memcpy(copy, view.constData(), sizeof(*copy));
        view.unlock();
        return view.detach();
    };

    SharedInstanceBlock shared;
    QVERIFY(readBlock(&shared));
    const char *raw = reinterpret_cast<const char *>(&shared);
    QCOMPARE(raw[0], '\x01');
    QCOMPARE(shared.laterCount, 0u);
    QCOMPARE(shared.firstPid, first.processId());
    QCOMPARE(QString::fromUtf8(shared.firstUser), thisUser());
    QCOMPARE(shared.firstUser[sizeof(shared.firstUser) - 1], '\0');
    QCOMPARE(shared.checksum, qChecksum(raw, 144));

    // An admitted later instance counts itself in, and the block stays consistent.
    Helper later(m_userData, {QStringLiteral("--send"), QStringLiteral("count me")});
    QVERIFY(later.waitForExit());
    QVERIFY(later.exitedCleanly());
    QVERIFY(readBlock(&shared));
    QCOMPARE(shared.laterCount, 1u);
    QCOMPARE(shared.firstPid, first.processId());
    QCOMPARE(shared.checksum, qChecksum(raw, 144));

    QVERIFY(first.finish());
    QVERIFY(first.exitedCleanly());
}

void tst_SingleApplication::blockName_data()
{
    QTest::addColumn<ServerNameInputs>("a");
    QTest::addColumn<SingleApplication::Options>("optionsA");
    QTest::addColumn<ServerNameInputs>("b");
    QTest::addColumn<SingleApplication::Options>("optionsB");
    QTest::addColumn<bool>("same");

    ServerNameInputs base;
    base.applicationName = QStringLiteral("brivane-webp");
    base.organizationName = QStringLiteral("Brivane");
    base.organizationDomain = QStringLiteral("brivane.example");
    base.applicationVersion = QStringLiteral("1.3.0.80");
    base.applicationFilePath = QStringLiteral("/opt/Brivane/BrivaneWebP");
    base.userName = QStringLiteral("alice");
    const auto with = [&base](const std::function<void(ServerNameInputs &)> &change) {
        ServerNameInputs changed = base;
        change(changed);
        return changed;
    };
    const SingleApplication::Options user = SingleApplication::PerUser;
    const SingleApplication::Options none;
    const auto newVersion = [](ServerNameInputs &in) { in.applicationVersion = "1.3.0.81"; };
    const auto newPath = [](ServerNameInputs &in) { in.applicationFilePath = "/usr/bin/other"; };
    const auto newUser = [](ServerNameInputs &in) { in.userName = "bob"; };

    QTest::newRow("same inputs") << base << user << base << user << true;
    QTest::newRow("user data")
        << base << user
        << with([](ServerNameInputs &in) { in.userData = QStringList{"viewer"}; }) << user
        << false;
    QTest::newRow("user data strings joined")
        << with([](ServerNameInputs &in) { in.userData = QStringList{"ab", "c"}; }) << user
        << with([](ServerNameInputs &in) { in.userData = QStringList{"a", "bc"}; }) << user << true;
    QTest::newRow("user name, per user") << base << user << with(newUser) << user << false;
    QTest::newRow("user name, not per user") << base << none << with(newUser) << none << true;
    QTest::newRow("per user or not") << base << user << base << none << false;
    QTest::newRow("version") << base << user << with(newVersion) << user << false;
    QTest::newRow("version left out with 8")
        << base << (user | SingleApplication::ExcludeVersion) << with(newVersion)
        << (user | SingleApplication::ExcludeVersion) << true;
    QTest::newRow("executable path") << base << user << with(newPath) << user << false;
    QTest::newRow("executable path left out with 16")
        << base << (user | SingleApplication::ExcludePath) << with(newPath)
        << (user | SingleApplication::ExcludePath) << true;
    QTest::newRow("executable path in any case")
        << base << user
        << with([](ServerNameInputs &in) { in.applicationFilePath = "/OPT/brivane/brivanewebp"; })
        << user << true;
    QTest::newRow("notifying later instances is no part of it")
        << base << user << base << (user | SingleApplication::NotifyLaterInstances) << true;
    QTest::newRow("application name")
        << base << user << with([](ServerNameInputs &in) { in.applicationName = "other"; })
        << user << false;
}

void tst_SingleApplication::blockName()
{
    QFETCH(ServerNameInputs, a);
    QFETCH(SingleApplication::Options, optionsA);
    QFETCH(ServerNameInputs, b);
    QFETCH(SingleApplication::Options, optionsB);
    QFETCH(bool, same);

    const QString nameA = SingleApplicationPrivate::makeServerName(a, optionsA);
    const QString nameB = SingleApplicationPrivate::makeServerName(b, optionsB);
    QCOMPARE(nameA.size(), 44);
    QCOMPARE(nameB.size(), 44);
    QCOMPARE(nameA == nameB, same);
}

void tst_SingleApplication::blockNameText_data()
{
    QTest::addColumn<ServerNameInputs>("inputs");
    QTest::addColumn<SingleApplication::Options>("options");
    QTest::addColumn<QString>("expected");

    // Digests worked out apart from the program; their Base64 text holds "/", "+" and "=".
    ServerNameInputs viewer;
    viewer.applicationName = QStringLiteral("brivane-1");
    viewer.organizationName = QStringLiteral("Brivane");
    viewer.organizationDomain = QStringLiteral("brivane.example");
    viewer.applicationVersion = QStringLiteral("ignored");
    viewer.applicationFilePath = QStringLiteral("/ignored");
    viewer.userName = QStringLiteral("ignored");
    viewer.userData = QStringList{QStringLiteral("viewer")};
    QTest::newRow("without version, path and user")
        << viewer << (SingleApplication::ExcludeVersion | SingleApplication::ExcludePath)
        << QStringLiteral("x5SLCypKzmpo+Pq+lWZlmOYNdXcZUYcJBPS_OduRP58=");

    ServerNameInputs full;
    full.applicationName = QStringLiteral("brivane-webp");
    full.organizationName = QStringLiteral("Brivane");
    full.organizationDomain = QStringLiteral("brivane.example");
    full.applicationVersion = QStringLiteral("1.3.0.80");
    full.applicationFilePath = QStringLiteral("/opt/Brivane/BrivaneWebP");
    full.userName = QStringLiteral("alice");
    full.userData = QStringList{QStringLiteral("viewer")};
    QTest::newRow("everything, per user")
        << full << SingleApplication::Options(SingleApplication::PerUser)
        << QStringLiteral("Ox+kUl3h5tebLNm1r_x9V5lKfIT9QZY80v91z5MU18s=");
}

void tst_SingleApplication::blockNameText()
{
    QFETCH(ServerNameInputs, inputs);
    QFETCH(SingleApplication::Options, options);
    QFETCH(QString, expected);

    QCOMPARE(SingleApplicationPrivate::makeServerName(inputs, options), expected);
}

QTEST_GUILESS_MAIN(tst_SingleApplication)
#include "tst_singleapplication.moc"
