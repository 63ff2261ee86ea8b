#include <QtTest>

#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QRandomGenerator>
#include <QSharedMemory>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstring>
#include <functional>
#include <memory>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "SingleApplication.h"
#include "SingleApplicationPrivate.h"

namespace {

// Generous, for helpers that start under the sanitizers on a busy machine.
constexpr int kStartTimeout = 20000;
// The slow paths: a block that stays inconsistent is reset after 5 s, a held lock is given
// up after 5 s.
constexpr int kResetTimeout = 30000;
// The frame timeout of the first instance that the wire rows talk to.
constexpr int kWireFrameTimeoutMs = 2000;
// The frame timeout of the first instance that the rows which stay open talk to.
constexpr int kPatientFrameTimeoutMs = 60000;
// Two unprivileged accounts for the cross-user rows; they need no entry in the user database.
constexpr uid_t kVictimUid = 61001;
constexpr uid_t kIntruderUid = 61002;

// Who a helper runs as, which copy of it, and with what environment.
struct Account
{
    int uid = -1;
    QString program = QStringLiteral(BRV_SINGLEINSTANCE_HELPER);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

// One run of the helper program: a first or later instance with the given user data, or an
// intruder with --squat.
class Helper
{
public:
    explicit Helper(const QString &userData, const QStringList &extraArguments = {},
                    const Account &account = Account())
        : Helper(QStringList{userData} + extraArguments, account, true)
    {
    }

    Helper(const QStringList &arguments, const Account &account, bool)
    {
        m_process.setProcessEnvironment(account.environment);
        const QString &helper = account.program;
        if (account.uid >= 0) {
            const QString id = QString::number(account.uid);
            m_process.start(QStringLiteral("setpriv"),
                            QStringList{"--reuid=" + id, "--regid=" + id, "--clear-groups",
                                        helper}
                                + arguments);
        } else {
            m_process.start(helper, arguments);
        }
    }

    ~Helper()
    {
        if (m_process.state() != QProcess::NotRunning && !finish()) {
            m_process.kill();
            m_process.waitForFinished(kStartTimeout);
        }
        // What the helper said on its error channel, sanitizer reports included.
        const QByteArray errors = errorOutput();
        if (!errors.isEmpty())
            std::fwrite(errors.constData(), 1, size_t(errors.size()), stderr);
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

    // The full server path a first instance announced.
    QString waitForFirst(int timeout = kStartTimeout)
    {
        const QByteArray line = waitForLine("first ", timeout);
        return line.isEmpty() ? QString() : QFile::decodeName(line.mid(6));
    }

    // Closes the helper's standard input and waits for it to leave.
    bool finish()
    {
        m_process.closeWriteChannel();
        return waitForExit();
    }

    bool waitForExit(int timeout = kStartTimeout)
    {
        if (m_process.state() != QProcess::NotRunning && !m_process.waitForFinished(timeout))
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

    QByteArray errorOutput()
    {
        m_errors += m_process.readAllStandardError();
        return m_errors;
    }

    // Waits until the error channel holds text, for what comes after a start.
    bool waitForError(const QByteArray &text, int timeout = kStartTimeout)
    {
        QDeadlineTimer deadline(timeout);
        while (!errorOutput().contains(text) && !deadline.hasExpired() && isRunning())
            QTest::qWait(20);
        return errorOutput().contains(text);
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

    // The most memory the helper has held so far, in KiB.
    qint64 peakMemoryKiB() const
    {
        QFile status(QStringLiteral("/proc/%1/status").arg(processId()));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
        return -1;
    }

private:
    QProcess m_process;
    QByteArray m_output;
    QByteArray m_errors;
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

// The name of a server path, which the init message carries.
QString nameOf(const QString &serverPath)
{
    return QFileInfo(serverPath).fileName();
}

QByteArray initFrame(const QString &serverPath,
                     qint8 type = SingleApplicationPrivate::Reconnect)
{
    return frame(initBody(nameOf(serverPath), type, 0));
}

QString thisUser()
{
    const passwd *entry = getpwuid(getuid());
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString();
}

QString keyFileOf(const QString &serverPath)
{
    return serverPath + QStringLiteral(".shm");
}

QString lockFileOf(const QString &serverPath)
{
    return serverPath + QStringLiteral(".lock");
}

// Leaves a server socket file behind, as a first instance that was killed does.
bool leaveStaleSocketFile(const QString &serverPath)
{
    const QByteArray path = QFile::encodeName(serverPath);
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
    return bound && QFile::exists(serverPath);
}

// Changes the block of a running or a left first instance in place.
bool changeBlock(const QString &serverPath, const std::function<void(SharedInstanceBlock *)> &change)
{
    QSharedMemory view;
    view.setNativeKey(keyFileOf(serverPath));
    if (!view.attach(QSharedMemory::ReadWrite) || view.size() < int(sizeof(SharedInstanceBlock)))
        return false;
    change(static_cast<SharedInstanceBlock *>(view.data()));
    return view.detach();
}

bool readBlock(const QString &serverPath, SharedInstanceBlock *copy)
{
    return changeBlock(serverPath,
                       [copy](SharedInstanceBlock *shared) { *copy = *shared; });
}

void fillWithRandomBytes(SharedInstanceBlock *shared, bool sealed)
{
    auto *bytes = reinterpret_cast<quint32 *>(shared);
    QRandomGenerator::global()->fillRange(bytes, sizeof(*shared) / sizeof(quint32));
    if (sealed)
        shared->sealChecksum();
    else if (shared->isConsistent())
        shared->checksum += 1;
}

// The System V key under which Qt keeps the block of a key file.
key_t systemKeyOf(const QString &keyFile)
{
    return ::ftok(QFile::encodeName(keyFile).constData(), 'Q');
}

// A connection from the test to a first instance that gathers its acknowledgements.
class RawClient
{
public:
    explicit RawClient(const QString &serverPath)
    {
        QObject::connect(&m_socket, &QLocalSocket::readyRead,
                         [this] { m_received += m_socket.readAll(); });
        m_socket.connectToServer(serverPath);
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

    bool waitForClosed(int timeout = kStartTimeout)
    {
        QDeadlineTimer deadline(timeout);
        while (m_socket.state() != QLocalSocket::UnconnectedState && !deadline.hasExpired())
            QTest::qWait(5);
        if (m_socket.isOpen())
            m_received += m_socket.readAll();
        return m_socket.state() == QLocalSocket::UnconnectedState;
    }

    bool isClosed() const { return m_socket.state() == QLocalSocket::UnconnectedState; }
    void close() { m_socket.abort(); }
    QByteArray received() const { return m_received; }

private:
    QLocalSocket m_socket;
    QByteArray m_received;
};

// Many connections at once; polls them all from the test's event loop.
class ClientCrowd
{
public:
    ClientCrowd(const QString &serverPath, int count)
    {
        for (int i = 0; i < count; ++i)
            m_clients.push_back(std::make_unique<RawClient>(serverPath));
    }

    int closedCount() const
    {
        int closed = 0;
        for (const auto &client : m_clients)
            closed += client->isClosed() ? 1 : 0;
        return closed;
    }

    // Waits until done holds, for at most the start timeout.
    static bool waitFor(const std::function<bool()> &done)
    {
        QDeadlineTimer deadline(kStartTimeout);
        while (!done() && !deadline.hasExpired())
            QTest::qWait(20);
        return done();
    }

    std::vector<std::unique_ptr<RawClient>> &clients() { return m_clients; }

private:
    std::vector<std::unique_ptr<RawClient>> m_clients;
};

bool runsAsRoot()
{
    return ::geteuid() == 0;
}

// A folder owned by the account with the given mode.
bool makeFolderOf(const QString &path, uid_t uid, mode_t mode)
{
    const QByteArray encoded = QFile::encodeName(path);
    return QDir().mkpath(path) && ::chown(encoded.constData(), uid, uid) == 0
        && ::chmod(encoded.constData(), mode) == 0;
}

enum class Before {
    FirstRuns,
    FirstLeftCleanly,
    FirstKilled,
    StaleSocketFile,
    WrongChecksum,
    OtherUserDataRuns,
    RandomBytesFirstRuns,
    SealedRandomBytesFirstRuns,
    RandomBytesNobody,
    LockHeld,
    OwnBlockOpenToOthers,
};

enum class Folder {
    RuntimePrivate,
    RuntimeUnset,
    RuntimeOpenToAll,
    RuntimeOfAnotherUser,
    RuntimeIsALink,
    DataFolderTooLong,
    InstanceFolderTooOpen,
};

enum class Intrusion {
    BlockUnderKey,
    FakeBlockUnderKey,
    SocketOnName,
    FakeBlockAndSocket,
    HeldWorldWritableLock,
    RuntimeFolderPrepared,
};

} // namespace

Q_DECLARE_METATYPE(Before)
Q_DECLARE_METATYPE(Folder)
Q_DECLARE_METATYPE(Intrusion)
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
    void folders_data();
    void folders();
    void wire_data();
    void wire();
    void connectionCap();
    void descriptorsRunOut();
    void bufferedFrames();
    void crossUser_data();
    void crossUser();
    void otherUsersConnection();
    void sendToFirstInstance();
    void blockAsWritten();
    void blockName_data();
    void blockName();
    void blockNameText_data();
    void blockNameText();

private:
    // User data no other test run on this machine uses, so that no two runs ever meet.
    QString uniqueUserData(const QString &suffix = QString());
    // Starts a first instance and leaves it again, for the server path it announced.
    QString serverPathOf(const QString &userData, const Account &account = Account());
    // Whether the block and the socket of that path are gone; clears them when not.
    static bool blockIsGone(const QString &serverPath);
    // Why the cross-user rows cannot run here, or nothing when they can.
    static QString whyAccountsCannotRun();
    // Makes the two accounts' folders and copies what they run and read; what failed, if any.
    QString prepareAccounts();
    // Checks that a second start of the victim hands over to the first.
    void secondStartHandsOver(Helper &first, const Account &account);

    QString m_userData;
    QStringList m_usedPaths;
    // The first instance that every row of the wire test talks to.
    // The first instances the wire rows talk to, each kept for all of them: one whose frames
    // time out after kWireFrameTimeoutMs, and one whose frames practically never do.
    struct WireFirst
    {
        std::unique_ptr<Helper> helper;
        QString path;
    };
    WireFirst m_wireFirsts[2];
    // The cross-user rows' folders and accounts.
    std::unique_ptr<QTemporaryDir> m_shared;
    Account m_victim;
    Account m_intruder;
};

QString tst_SingleApplication::uniqueUserData(const QString &suffix)
{
    return QStringLiteral("tst_singleapplication-%1-%2%3")
        .arg(QCoreApplication::applicationPid())
        .arg(QRandomGenerator::global()->generate64(), 0, 16)
        .arg(suffix);
}

QString tst_SingleApplication::serverPathOf(const QString &userData, const Account &account)
{
    Helper helper(userData, {}, account);
    const QString path = helper.waitForFirst();
    helper.finish();
    if (!path.isEmpty())
        m_usedPaths.append(path);
    return helper.exitedCleanly() ? path : QString();
}

void tst_SingleApplication::init()
{
    m_userData = uniqueUserData();
    m_usedPaths.clear();
}

bool tst_SingleApplication::blockIsGone(const QString &serverPath)
{
    QSharedMemory probe;
    probe.setNativeKey(keyFileOf(serverPath));
    const bool leftBehind = probe.attach(QSharedMemory::ReadOnly);
    if (leftBehind)
        probe.detach();
    const bool socketLeft = QFileInfo(serverPath).exists();
    QFile::remove(serverPath);
    return !leftBehind && !socketLeft;
}

void tst_SingleApplication::cleanup()
{
    // Every helper of the row has left by now: none of their blocks may stay behind.
    for (const QString &path : qAsConst(m_usedPaths))
        QVERIFY2(blockIsGone(path), qPrintable(QStringLiteral("block %1 left behind").arg(path)));
}

void tst_SingleApplication::cleanupTestCase()
{
    for (WireFirst &wireFirst : m_wireFirsts) {
        if (!wireFirst.helper)
            continue;
        QVERIFY(wireFirst.helper->finish());
        QVERIFY(wireFirst.helper->exitedCleanly());
        wireFirst.helper.reset();
        QVERIFY(blockIsGone(wireFirst.path));
    }
}

void tst_SingleApplication::starts_data()
{
    QTest::addColumn<Before>("before");
    QTest::addColumn<bool>("becomesFirst");
    // For a start that becomes first: what its name adds to the digest name.
    QTest::addColumn<QString>("suffix");

    const QString plain;
    const QString fresh = QStringLiteral("-1");
    QTest::newRow("second start while the first runs") << Before::FirstRuns << false << plain;
    QTest::newRow("after a clean exit of the first") << Before::FirstLeftCleanly << true << plain;
    QTest::newRow("after kill -9 of the first") << Before::FirstKilled << true << plain;
    QTest::newRow("stale server socket file, no block") << Before::StaleSocketFile << true
                                                        << plain;
    QTest::newRow("block with a wrong checksum") << Before::WrongChecksum << true << plain;
    QTest::newRow("first with other user data runs") << Before::OtherUserDataRuns << true
                                                     << plain;
    QTest::newRow("random bytes in the block of a running first")
        << Before::RandomBytesFirstRuns << false << plain;
    QTest::newRow("random bytes with a good checksum, first runs")
        << Before::SealedRandomBytesFirstRuns << false << plain;
    QTest::newRow("random bytes in a block nobody uses") << Before::RandomBytesNobody << true
                                                         << plain;
    QTest::newRow("lock held by a stuck process") << Before::LockHeld << true << fresh;
    QTest::newRow("own block that others may write") << Before::OwnBlockOpenToOthers << true
                                                     << fresh;
}

void tst_SingleApplication::starts()
{
    QFETCH(Before, before);
    QFETCH(bool, becomesFirst);
    QFETCH(QString, suffix);

    const QString plainPath = serverPathOf(m_userData);
    QVERIFY(!plainPath.isEmpty());

    std::unique_ptr<Helper> earlier;
    std::unique_ptr<QSharedMemory> spoiled;
    int heldLock = -1;
    int openBlock = -1;
    int firstTimeout = kStartTimeout;
    const auto releaseHeld = qScopeGuard([&] {
        if (heldLock >= 0)
            ::close(heldLock);
        if (openBlock >= 0)
            ::shmctl(openBlock, IPC_RMID, nullptr);
    });

    switch (before) {
    case Before::FirstRuns:
    case Before::FirstLeftCleanly:
    case Before::FirstKilled:
    case Before::OtherUserDataRuns:
    case Before::RandomBytesFirstRuns:
    case Before::SealedRandomBytesFirstRuns: {
        const QString userData = before == Before::OtherUserDataRuns ? uniqueUserData("-other")
                                                                     : m_userData;
        earlier = std::make_unique<Helper>(userData);
        const QString path = earlier->waitForFirst();
        QVERIFY(!path.isEmpty());
        if (!m_usedPaths.contains(path))
            m_usedPaths.append(path);
        if (before == Before::FirstLeftCleanly) {
            QVERIFY(earlier->finish());
            QVERIFY(earlier->exitedCleanly());
        } else if (before == Before::FirstKilled) {
            earlier->killHard();
        } else if (before == Before::RandomBytesFirstRuns
                   || before == Before::SealedRandomBytesFirstRuns) {
            const bool sealed = before == Before::SealedRandomBytesFirstRuns;
            QVERIFY(changeBlock(path, [sealed](SharedInstanceBlock *shared) {
                fillWithRandomBytes(shared, sealed);
            }));
            firstTimeout = kResetTimeout;
        }
        break;
    }
    case Before::StaleSocketFile:
        QVERIFY(leaveStaleSocketFile(plainPath));
        break;
    case Before::WrongChecksum:
    case Before::RandomBytesNobody: {
        // A block left behind with a live process in it, so only the checksum can free it.
        spoiled = std::make_unique<QSharedMemory>();
        spoiled->setNativeKey(keyFileOf(plainPath));
        QVERIFY(spoiled->create(sizeof(SharedInstanceBlock)));
        auto *shared = static_cast<SharedInstanceBlock *>(spoiled->data());
        if (before == Before::RandomBytesNobody) {
            fillWithRandomBytes(shared, false);
        } else {
            shared->initialize();
            shared->firstPresent = true;
            shared->firstPid = QCoreApplication::applicationPid();
            shared->checksum = quint16(shared->computeChecksum() + 1);
        }
        firstTimeout = kResetTimeout;
        break;
    }
    case Before::LockHeld:
        heldLock = ::open(QFile::encodeName(lockFileOf(plainPath)).constData(), O_RDWR);
        QVERIFY(heldLock >= 0);
        QCOMPARE(::flock(heldLock, LOCK_EX | LOCK_NB), 0);
        firstTimeout = kResetTimeout;
        break;
    case Before::OwnBlockOpenToOthers: {
        QFile keyFile(keyFileOf(plainPath));
        QVERIFY(keyFile.open(QIODevice::WriteOnly));
        keyFile.close();
        openBlock = ::shmget(systemKeyOf(keyFile.fileName()), sizeof(SharedInstanceBlock),
                             IPC_CREAT | IPC_EXCL | 0666);
        QVERIFY(openBlock >= 0);
        break;
    }
    }

    Helper next(m_userData);
    QVERIFY(next.waitForStarted());
    if (becomesFirst) {
        const QString path = next.waitForFirst(firstTimeout);
        QVERIFY2(!path.isEmpty(), "the next start did not become the first instance");
        if (!m_usedPaths.contains(path))
            m_usedPaths.append(path);
        QCOMPARE(QFileInfo(path).path(), QFileInfo(plainPath).path());
        QCOMPARE(nameOf(path), nameOf(plainPath) + suffix);
        if (!suffix.isEmpty())
            QVERIFY(next.errorOutput().contains("SingleApplication: "));
        QVERIFY(next.isRunning());
        QVERIFY(next.finish());
        QVERIFY(next.exitedCleanly());
        QCOMPARE(next.count("started"), 0);
    } else {
        QVERIFY(next.waitForExit(firstTimeout));
        QVERIFY(next.exitedCleanly());
        QCOMPARE(next.count("first "), 0);
    }

    if (earlier && earlier->isRunning()) {
        const bool handedOver = before == Before::FirstRuns
                             || before == Before::RandomBytesFirstRuns
                             || before == Before::SealedRandomBytesFirstRuns;
        if (handedOver) {
            QVERIFY(earlier->waitForLine("started").size() > 0);
            // The block says again who the first instance is.
            SharedInstanceBlock shared;
            QVERIFY(readBlock(plainPath, &shared));
            QVERIFY(shared.isConsistent());
            QVERIFY(shared.isFirstPresent());
            QCOMPARE(shared.firstPid, earlier->processId());
        }
        QVERIFY(earlier->finish());
        QVERIFY(earlier->exitedCleanly());
        QCOMPARE(earlier->count("started"), handedOver ? 1 : 0);
    }
}

void tst_SingleApplication::folders_data()
{
    QTest::addColumn<Folder>("folder");

    QTest::newRow("runtime folder of the user, mode 0700") << Folder::RuntimePrivate;
    QTest::newRow("no runtime folder") << Folder::RuntimeUnset;
    QTest::newRow("runtime folder that all may write") << Folder::RuntimeOpenToAll;
    QTest::newRow("runtime folder of another user") << Folder::RuntimeOfAnotherUser;
    QTest::newRow("runtime folder is a link") << Folder::RuntimeIsALink;
    QTest::newRow("data folder too long for a socket") << Folder::DataFolderTooLong;
    QTest::newRow("instance folder that others may read") << Folder::InstanceFolderTooOpen;
}

void tst_SingleApplication::folders()
{
    QFETCH(Folder, folder);

    const QString plainPath = serverPathOf(m_userData);
    QVERIFY(!plainPath.isEmpty());

    // Short data and cache folders, so that a socket path in them fits.
    // A socket path holds at most 107 bytes: the scratch folder stays short whatever the
    // temporary folder of the run is.
    QTemporaryDir scratch(QStringLiteral("/tmp/brv-si-XXXXXX"));
    QVERIFY(scratch.isValid());
    Account account;
    QProcessEnvironment &environment = account.environment;
    environment.insert("XDG_DATA_HOME", scratch.path() + "/d");
    environment.insert("XDG_CACHE_HOME", scratch.path() + "/c");
    const QString appName = QStringLiteral("singleinstance_helper");
    const QString dataFolder = scratch.path() + "/d/" + appName + "/instance";
    QString expectedFolder = dataFolder;

    switch (folder) {
    case Folder::RuntimePrivate:
        expectedFolder = environment.value("XDG_RUNTIME_DIR");
        break;
    case Folder::RuntimeUnset:
        environment.remove("XDG_RUNTIME_DIR");
        break;
    case Folder::RuntimeOpenToAll:
        QVERIFY(QDir().mkpath(scratch.path() + "/run"));
        QCOMPARE(::chmod(QFile::encodeName(scratch.path() + "/run").constData(), 01777), 0);
        environment.insert("XDG_RUNTIME_DIR", scratch.path() + "/run");
        break;
    case Folder::RuntimeOfAnotherUser:
        if (!runsAsRoot())
            QSKIP("giving a folder to another user needs root");
        QVERIFY(makeFolderOf(scratch.path() + "/run", kIntruderUid, 0700));
        environment.insert("XDG_RUNTIME_DIR", scratch.path() + "/run");
        break;
    case Folder::RuntimeIsALink:
        QVERIFY(QFile::link(environment.value("XDG_RUNTIME_DIR"), scratch.path() + "/run"));
        environment.insert("XDG_RUNTIME_DIR", scratch.path() + "/run");
        break;
    case Folder::DataFolderTooLong: {
        environment.remove("XDG_RUNTIME_DIR");
        const QString longData = scratch.path() + '/' + QString(60, 'd');
        environment.insert("XDG_DATA_HOME", longData);
        expectedFolder = scratch.path() + "/c/" + appName + "/instance";
        break;
    }
    case Folder::InstanceFolderTooOpen:
        environment.remove("XDG_RUNTIME_DIR");
        QVERIFY(QDir().mkpath(dataFolder));
        QCOMPARE(::chmod(QFile::encodeName(dataFolder).constData(), 0755), 0);
        break;
    }

    Helper first(m_userData, {}, account);
    const QString path = first.waitForFirst();
    QVERIFY(!path.isEmpty());
    m_usedPaths.append(path);
    // The folder changes, the name stays.
    QCOMPARE(QFileInfo(path).path(), expectedFolder);
    QCOMPARE(nameOf(path), nameOf(plainPath));
    struct stat info;
    QCOMPARE(::lstat(QFile::encodeName(expectedFolder).constData(), &info), 0);
    QVERIFY(S_ISDIR(info.st_mode));
    QCOMPARE(info.st_mode & 0777, mode_t(0700));
    QCOMPARE(info.st_uid, ::geteuid());
    if (folder == Folder::RuntimeOpenToAll || folder == Folder::RuntimeOfAnotherUser
        || folder == Folder::RuntimeIsALink)
        QVERIFY(first.errorOutput().contains("SingleApplication: The runtime folder"));

    secondStartHandsOver(first, account);
    QVERIFY(first.finish());
    QVERIFY(first.exitedCleanly());
}

void tst_SingleApplication::secondStartHandsOver(Helper &first, const Account &account)
{
    Helper second(m_userData, {}, account);
    QVERIFY(second.waitForExit());
    QVERIFY(second.exitedCleanly());
    QCOMPARE(second.count("first "), 0);
    QVERIFY(!first.waitForLine("started").isEmpty());
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
    // A connection that stops in the middle of a frame is closed once the frame times out; one
    // that waits between frames is not.
    const QByteArray pause = "%PAUSE%";
    const QByteArray fullInit = "%INIT%";
    QTest::newRow("init header stalls") << QList<QByteArray>{frameHeader(60).left(3)} << 0 << true
                                        << QList<QByteArray>{};
    QTest::newRow("connection sends nothing") << QList<QByteArray>{} << 0 << true
                                              << QList<QByteArray>{};
    QTest::newRow("init body stalls") << QList<QByteArray>{"%INITSTART%"} << 1 << true
                                      << QList<QByteArray>{};
    QTest::newRow("message header stalls") << QList<QByteArray>{fullInit, header.left(5)} << 2
                                           << true << QList<QByteArray>{};
    QTest::newRow("message body stalls") << QList<QByteArray>{fullInit, header + hello.left(3)}
                                         << 3 << true << QList<QByteArray>{};
    QTest::newRow("idle between frames") << QList<QByteArray>{fullInit, pause, frame(hello)} << 4
                                         << false << QList<QByteArray>{hello};
}

void tst_SingleApplication::wire()
{
    QFETCH(QList<QByteArray>, writes);
    QFETCH(int, acks);
    QFETCH(bool, closed);
    QFETCH(QList<QByteArray>, messages);

    // A row that must stay open is timed by nothing but its own writes, which a busy machine
    // may spread over seconds: it talks to the patient first instance, unless it shows that a
    // pause between frames is no stall.
    const bool framesTimeOut = closed || writes.contains("%PAUSE%");
    WireFirst &wireFirst = m_wireFirsts[framesTimeOut ? 0 : 1];
    if (!wireFirst.helper) {
        const int frameTimeout = framesTimeOut ? kWireFrameTimeoutMs : kPatientFrameTimeoutMs;
        wireFirst.helper = std::make_unique<Helper>(
            uniqueUserData(framesTimeOut ? QStringLiteral("-wire") : QStringLiteral("-patient")),
            QStringList{"--frame-timeout", QString::number(frameTimeout)});
        wireFirst.path = wireFirst.helper->waitForFirst();
    }
    const QString path = wireFirst.path;
    const QString name = nameOf(path);
    QVERIFY(!path.isEmpty());
    Helper &first = *wireFirst.helper;
    QVERIFY(first.isRunning());
    const int linesBefore = first.lines().size();

    const QByteArray longBody = initBody(name, SingleApplicationPrivate::Reconnect, 0) + "!";
    const QByteArray wholeInit = initFrame(path);
    for (QByteArray &piece : writes) {
        piece.replace("%INIT%", wholeInit);
        piece.replace("%INITSTART%", wholeInit.left(wholeInit.size() - 4));
        piece.replace("%BADCHECKSUM%",
                      frame(initBody(name, SingleApplicationPrivate::NewInstance, 0, 1)));
        piece.replace("%BADNAME%",
                      frame(initBody(name.toLower(), SingleApplicationPrivate::NewInstance, 0)));
        piece.replace("%LONGINIT%", frame(longBody));
    }

    RawClient client(path);
    QVERIFY(client.isConnected());
    for (const QByteArray &piece : qAsConst(writes)) {
        if (piece == "%PAUSE%") {
            QTest::qWait(kWireFrameTimeoutMs + 500);
            continue;
        }
        client.write(piece);
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
    RawClient another(path);
    QVERIFY(another.isConnected());
    another.write(initFrame(path, SingleApplicationPrivate::NewInstance));
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
    const QString path = first.waitForFirst();
    QVERIFY(!path.isEmpty());
    m_usedPaths.append(path);

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
    QCOMPARE(alone.lines(), (QList<QByteArray>{"first " + QFile::encodeName(path), "sent false"}));
}

void tst_SingleApplication::blockAsWritten()
{
    Helper first(m_userData);
    const QString path = first.waitForFirst();
    QVERIFY(!path.isEmpty());
    m_usedPaths.append(path);

    SharedInstanceBlock shared;
    QVERIFY(readBlock(path, &shared));
    const char *raw = reinterpret_cast<const char *>(&shared);
    QCOMPARE(raw[0], '\x01');
    QCOMPARE(shared.laterCount, 0u);
    QCOMPARE(shared.firstPid, first.processId());
    QCOMPARE(QString::fromUtf8(shared.firstUser), thisUser());
    QCOMPARE(shared.firstUser[sizeof(shared.firstUser) - 1], '\0');
    QCOMPARE(shared.checksum, qChecksum(raw, 144));

    // Only this user may reach the block, its key file, its lock and its socket.
    const uid_t user = ::geteuid();
    const int id = ::shmget(systemKeyOf(keyFileOf(path)), 0, 0);
    QVERIFY(id >= 0);
    shmid_ds segment;
    QCOMPARE(::shmctl(id, IPC_STAT, &segment), 0);
    QCOMPARE(segment.shm_perm.uid, user);
    QCOMPARE(segment.shm_perm.mode & 0077, 0);
    for (const QString &file : {path, keyFileOf(path), lockFileOf(path)}) {
        struct stat info;
        QCOMPARE(::lstat(QFile::encodeName(file).constData(), &info), 0);
        QCOMPARE(info.st_uid, user);
        QCOMPARE(info.st_mode & 0022, mode_t(0));
    }

    // An admitted later instance counts itself in, and the block stays consistent.
    Helper later(m_userData, {QStringLiteral("--send"), QStringLiteral("count me")});
    QVERIFY(later.waitForExit());
    QVERIFY(later.exitedCleanly());
    QVERIFY(readBlock(path, &shared));
    QCOMPARE(shared.laterCount, 1u);
    QCOMPARE(shared.firstPid, first.processId());
    QCOMPARE(shared.checksum, qChecksum(raw, 144));

    QVERIFY(first.finish());
    QVERIFY(first.exitedCleanly());
}

void tst_SingleApplication::connectionCap()
{
    Helper first(m_userData, {QStringLiteral("--frame-timeout"), QStringLiteral("60000")});
    const QString path = first.waitForFirst();
    QVERIFY(!path.isEmpty());
    m_usedPaths.append(path);

    constexpr int kOverCap = 8;
    {
        ClientCrowd crowd(path, SingleApplicationPrivate::kMaxConnections + kOverCap);
        // Those over the cap are closed as they come; the others are kept while their init
        // may still come.
        QVERIFY(ClientCrowd::waitFor([&crowd] { return crowd.closedCount() >= kOverCap; }));
        QTest::qWait(300);
        QCOMPARE(crowd.closedCount(), kOverCap);
    }
    // Once the crowd has gone, a later start hands over as ever.
    secondStartHandsOver(first, Account());
    QVERIFY(first.finish());
    QVERIFY(first.exitedCleanly());
}

void tst_SingleApplication::descriptorsRunOut()
{
    Helper first(m_userData, {QStringLiteral("--spare-files"), QStringLiteral("4"),
                              QStringLiteral("--frame-timeout"), QStringLiteral("60000")});
    const QString path = first.waitForFirst();
    QVERIFY(!path.isEmpty());
    m_usedPaths.append(path);

    {
        // More connections than the first instance has descriptors left: accepting fails,
        // and the server closes, its socket file with it.
        ClientCrowd crowd(path, 12);
        QVERIFY(ClientCrowd::waitFor([&path] { return !QFileInfo(path).exists(); }));
    }
    // Once descriptors are free again it listens again, and a later start still finds it.
    QVERIFY(first.waitForError("SingleApplication: The server stopped listening"));
    QVERIFY(first.waitForError("SingleApplication: The server listens again."));
    QVERIFY(QFileInfo(path).exists());
    secondStartHandsOver(first, Account());
    QVERIFY(first.finish());
    QVERIFY(first.exitedCleanly());
}

void tst_SingleApplication::bufferedFrames()
{
    Helper first(m_userData, {QStringLiteral("--frame-timeout"), QStringLiteral("60000")});
    const QString path = first.waitForFirst();
    QVERIFY(!path.isEmpty());
    m_usedPaths.append(path);

    const qint64 cap = SingleApplicationPrivate::kMaxFrameLength;
    {
        // One message at the cap first, so that what one whole frame costs is counted before.
        RawClient warmUp(path);
        QVERIFY(warmUp.isConnected());
        warmUp.write(initFrame(path) + frame(QByteArray(int(cap), 'w')));
        QVERIFY(warmUp.waitForAcks(4));
    }
    const qint64 before = first.peakMemoryKiB();
    QVERIFY(before > 0);

    // Many connections that each stop one byte short of a message at the cap.
    constexpr int kClients = 100;
    const QByteArray almost =
        initFrame(path) + frameHeader(cap) + QByteArray(int(cap - 1), 'b');
    {
        ClientCrowd crowd(path, kClients);
        for (const auto &client : crowd.clients()) {
            if (client->isConnected())
                client->write(almost);
        }
        const auto settled = [&crowd] {
            for (const auto &client : crowd.clients()) {
                if (!client->isClosed() && client->received().size() < 3)
                    return false;
            }
            return true;
        };
        QVERIFY(ClientCrowd::waitFor(settled));
        QTest::qWait(1000);

        // Only as many bodies as the total allows are waited for; the rest are closed.
        int waitedFor = 0;
        for (const auto &client : crowd.clients())
            waitedFor += !client->isClosed() && client->received() == "\n\n\n" ? 1 : 0;
        QCOMPARE(waitedFor, int(SingleApplicationPrivate::kMaxBufferedBytes / cap));

        const qint64 grownKiB = first.peakMemoryKiB() - before;
        QVERIFY2(grownKiB < 24 * 1024,
                 qPrintable(QStringLiteral("the first instance grew by %1 KiB").arg(grownKiB)));
    }
    secondStartHandsOver(first, Account());
    QVERIFY(first.finish());
    QVERIFY(first.exitedCleanly());
}

QString tst_SingleApplication::whyAccountsCannotRun()
{
    if (!runsAsRoot())
        return QStringLiteral("the cross-user rows run helpers as two other users through "
                              "setpriv, which needs root");
    if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        return QStringLiteral("setpriv (util-linux) is not installed");
    return QString();
}

QString tst_SingleApplication::prepareAccounts()
{
    if (m_shared)
        return QString();

    // Both accounts reach the shared folder and its temporary folder; each has a home and a
    // runtime folder of its own. The paths stay short, so that sockets fit in the data folder.
    auto shared = std::make_unique<QTemporaryDir>(QStringLiteral("/tmp/brv-uXXXXXX"));
    if (!shared->isValid() || !makeFolderOf(shared->path(), 0, 0755)
        || !makeFolderOf(shared->path() + "/tmp", 0, 01777))
        return QStringLiteral("the shared folder cannot be made");

    // The build usually lies under a folder that only its owner may enter (a home, a folder
    // of mktemp -d), so the other accounts run a copy of the helper and read copies of the
    // sanitizers' suppression files, all in the shared folder.
    const auto copyWithMode = [](const QString &from, const QString &to, mode_t mode) {
        return QFile::copy(from, to) && ::chmod(QFile::encodeName(to).constData(), mode) == 0;
    };
    const QString program = shared->path() + "/singleinstance_helper";
    if (!copyWithMode(QStringLiteral(BRV_SINGLEINSTANCE_HELPER), program, 0755))
        return QStringLiteral("the helper cannot be copied to %1").arg(program);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QLatin1String suppressions("suppressions=");
    for (const char *variable : {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS", "TSAN_OPTIONS"}) {
        const QString name = QString::fromLatin1(variable);
        QStringList options = environment.value(name).split(QLatin1Char(':'));
        for (QString &option : options) {
            if (!option.startsWith(suppressions))
                continue;
            const QString original = option.mid(suppressions.size());
            const QString copy = shared->path() + '/' + name.toLower() + QLatin1String(".supp");
            if (!copyWithMode(original, copy, 0644))
                return QStringLiteral("%1 cannot be copied to %2").arg(original, copy);
            option = suppressions + copy;
        }
        if (environment.contains(name))
            environment.insert(name, options.join(QLatin1Char(':')));
    }

    const struct {
        Account *account;
        uid_t uid;
        const char *folder;
        const char *user;
    } accounts[] = {{&m_victim, kVictimUid, "/v", "brv-victim"},
                    {&m_intruder, kIntruderUid, "/i", "brv-intruder"}};
    for (const auto &entry : accounts) {
        const QString home = shared->path() + QLatin1String(entry.folder);
        if (!makeFolderOf(home, entry.uid, 0700) || !makeFolderOf(home + "/run", entry.uid, 0700))
            return QStringLiteral("the home of uid %1 cannot be made").arg(entry.uid);
        entry.account->uid = int(entry.uid);
        entry.account->program = program;
        entry.account->environment = environment;
        QProcessEnvironment &own = entry.account->environment;
        own.insert("HOME", home);
        own.insert("XDG_RUNTIME_DIR", home + "/run");
        own.insert("XDG_DATA_HOME", home + "/d");
        own.insert("XDG_CACHE_HOME", home + "/c");
        own.insert("XDG_CONFIG_HOME", home + "/config");
        own.insert("TMPDIR", shared->path() + "/tmp");
        own.insert("USER", QString::fromLatin1(entry.user));
    }
    m_shared = std::move(shared);
    return QString();
}

void tst_SingleApplication::crossUser_data()
{
    QTest::addColumn<Intrusion>("intrusion");

    QTest::newRow("another user's block under the key, mode 0600") << Intrusion::BlockUnderKey;
    QTest::newRow("another user's fake block that claims a first")
        << Intrusion::FakeBlockUnderKey;
    QTest::newRow("another user's answering socket on the name") << Intrusion::SocketOnName;
    QTest::newRow("another user's fake block and answering socket")
        << Intrusion::FakeBlockAndSocket;
    QTest::newRow("another user's world-writable lock, held") << Intrusion::HeldWorldWritableLock;
    QTest::newRow("runtime folder where another user made key files, block, lock and socket")
        << Intrusion::RuntimeFolderPrepared;
}

void tst_SingleApplication::crossUser()
{
    QFETCH(Intrusion, intrusion);
    const QString whyNot = whyAccountsCannotRun();
    if (!whyNot.isEmpty())
        QSKIP(qPrintable(whyNot));
    const QString failure = prepareAccounts();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));

    // The victim's names, as its first start makes them.
    const QString plainPath = serverPathOf(m_userData, m_victim);
    QVERIFY(!plainPath.isEmpty());
    const QString name = nameOf(plainPath);
    const QString home = m_victim.environment.value("HOME");
    QCOMPARE(QFileInfo(plainPath).path(), home + "/run");

    Account victim = m_victim;
    QString expectedFolder = home + "/run";
    QString suffix = QStringLiteral("-1");
    const QString drop = m_shared->path() + "/tmp/" + QFileInfo(m_userData).fileName();
    const QString livePid = QString::number(QCoreApplication::applicationPid());
    QStringList planted;
    const auto removePlanted = qScopeGuard([&planted] {
        for (const QString &file : qAsConst(planted))
            QFile::remove(file);
    });
    // The key file that the block's key comes from, as the owner would have it.
    const auto plantKeyFile = [&planted](const QString &keyFile, uid_t owner) {
        QFile file(keyFile);
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.close();
        planted.append(keyFile);
        const QByteArray encoded = QFile::encodeName(keyFile);
        if (::chown(encoded.constData(), owner, owner) != 0)
            return QString();
        return QString::number(systemKeyOf(keyFile));
    };

    QStringList squat{QStringLiteral("--squat")};
    // What the intruder makes in the shared folder and the test moves into the victim's.
    QList<QPair<QString, QString>> moves;
    const bool withBlock = intrusion == Intrusion::BlockUnderKey
                        || intrusion == Intrusion::FakeBlockUnderKey
                        || intrusion == Intrusion::FakeBlockAndSocket;
    if (withBlock) {
        const QString key = plantKeyFile(keyFileOf(plainPath), kVictimUid);
        QVERIFY(!key.isEmpty());
        squat << "--block" << key << (intrusion == Intrusion::BlockUnderKey ? "600" : "666")
              << livePid;
    }
    if (intrusion == Intrusion::SocketOnName || intrusion == Intrusion::FakeBlockAndSocket) {
        squat << "--socket" << drop + ".s";
        moves.append({drop + ".s", plainPath});
    }
    if (intrusion == Intrusion::HeldWorldWritableLock) {
        squat << "--lock" << drop + ".l";
        moves.append({drop + ".l", lockFileOf(plainPath)});
    }
    if (intrusion == Intrusion::RuntimeFolderPrepared) {
        // The old rendezvous: a folder everybody writes, where the intruder came first.
        const QString open = m_shared->path() + "/tmp";
        const QString openPath = open + '/' + name;
        victim.environment.insert("XDG_RUNTIME_DIR", open);
        const QString key = plantKeyFile(keyFileOf(openPath), kIntruderUid);
        QVERIFY(!key.isEmpty());
        squat << "--block" << key << "600" << livePid << "--socket" << openPath << "--lock"
              << lockFileOf(openPath);
        planted << openPath << lockFileOf(openPath);
        expectedFolder = home + "/d/singleinstance_helper/instance";
        suffix.clear();
    }

    Helper intruder(squat, m_intruder, true);
    QVERIFY(!intruder.waitForLine("squatting").isEmpty());
    for (const auto &move : qAsConst(moves)) {
        QCOMPARE(::rename(QFile::encodeName(move.first).constData(),
                          QFile::encodeName(move.second).constData()),
                 0);
        planted.append(move.second);
    }

    Helper first(m_userData, {}, victim);
    const QString path = first.waitForFirst();
    QVERIFY2(!path.isEmpty(), "the victim did not start as the first instance");
    m_usedPaths.append(path);
    QCOMPARE(QFileInfo(path).path(), expectedFolder);
    QCOMPARE(nameOf(path), name + suffix);
    QVERIFY(first.errorOutput().contains("SingleApplication: "));

    // Every later start of the victim meets it under that name.
    secondStartHandsOver(first, victim);
    QVERIFY(first.finish());
    QVERIFY(first.exitedCleanly());
    QCOMPARE(first.count("started"), 1);
    QVERIFY(intruder.finish());
    QVERIFY(intruder.exitedCleanly());
}

void tst_SingleApplication::otherUsersConnection()
{
    const QString whyNot = whyAccountsCannotRun();
    if (!whyNot.isEmpty())
        QSKIP(qPrintable(whyNot));
    const QString failure = prepareAccounts();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));

    Helper first(m_userData, {}, m_victim);
    const QString path = first.waitForFirst();
    QVERIFY(!path.isEmpty());
    m_usedPaths.append(path);

    // This test runs as root, another user than the victim: a perfect init is not answered.
    RawClient stranger(path);
    QVERIFY(stranger.isConnected());
    stranger.write(initFrame(path, SingleApplicationPrivate::NewInstance));
    QVERIFY(stranger.waitForClosed());
    QCOMPARE(stranger.received(), QByteArray());

    secondStartHandsOver(first, m_victim);
    QVERIFY(first.finish());
    QVERIFY(first.exitedCleanly());
    QCOMPARE(first.count("started"), 1);
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
