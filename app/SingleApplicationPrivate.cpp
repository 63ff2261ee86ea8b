#include "SingleApplicationPrivate.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRandomGenerator64>
#include <QSharedMemory>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QtDebug>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <pwd.h>
#include <sys/file.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_5_6;
constexpr qint64 kHeaderLength = 8;
constexpr char kAck[] = "\n";
constexpr qint64 kInconsistentLimitMs = 5000;
// How often a start tries again when the block vanishes between two of its steps.
constexpr int kVanishedRetries = 10;
// How often the first instance looks whether its server still listens.
constexpr int kListenCheckMs = 500;
// The digest name in Base64, and the longest suffix of a fresh name ("-3").
constexpr int kNameLength = 44;
constexpr int kSuffixLength = 2;
// The subfolder of the application-data or cache folder when the runtime folder will not do.
constexpr char kFolderName[] = "instance";

// The account name of this process's user, from the system's user database; false when the
// database has no entry for it.
bool systemUserName(QString *name)
{
    long bufferSize = sysconf(_SC_GETPW_R_SIZE_MAX);
    if (bufferSize <= 0)
        bufferSize = 16384;
    std::vector<char> buffer(static_cast<size_t>(bufferSize));
    passwd entry;
    passwd *found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found
        || !found->pw_name || !*found->pw_name)
        return false;
    *name = QString::fromLocal8Bit(found->pw_name);
    return true;
}

// Whether the process may still run; only a definite "no such process" counts as gone. A value
// that is no process id at all (a block of random bytes holds any) is gone too: kill() would
// read a negative one as a process group.
bool processExists(qint64 pid)
{
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno != ESRCH;
}

QByteArray frameHeader(qint64 length)
{
    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    out << length;
    return header;
}

// Whether the peer of a connected local socket runs as this user; its process id goes to pid.
bool peerIsThisUser(qintptr descriptor, qint64 *pid)
{
    ucred credentials;
    socklen_t length = sizeof(credentials);
    if (descriptor < 0
        || ::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0
        || length != sizeof(credentials))
        return false;
    if (pid)
        *pid = credentials.pid;
    return credentials.uid == ::geteuid();
}

// Whether a socket path in the folder stays within what a local address can hold.
bool socketPathFits(const QString &folder)
{
    return QFile::encodeName(folder).size() + 1 + kNameLength + kSuffixLength
         < int(sizeof(sockaddr_un::sun_path));
}

// A real folder (not a link) of this user's own that nobody else may write into.
bool isPrivateFolder(const QString &path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode)
        && info.st_uid == ::geteuid() && (info.st_mode & 0777) == 0700;
}

// Makes the folder with mode 0700, or takes the one there when it is this user's own and no
// link, narrowing its mode to 0700.
bool makePrivateFolder(const QString &path)
{
    const QByteArray encoded = QFile::encodeName(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    if (::mkdir(encoded.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    const int fd = ::open(encoded.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info;
    const bool ours = ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)
                   && info.st_uid == ::geteuid()
                   && ((info.st_mode & 0777) == 0700 || ::fchmod(fd, 0700) == 0);
    ::close(fd);
    return ours && isPrivateFolder(path);
}

enum class Owner {
    Nobody,
    ThisUser,
    OtherUser,
};

// Who owns what stands at the path, without following a link.
Owner pathOwner(const QString &path)
{
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return errno == ENOENT ? Owner::Nobody : Owner::OtherUser;
    return info.st_uid == ::geteuid() ? Owner::ThisUser : Owner::OtherUser;
}

// Who owns the block keyed by the key file. Qt keys a block by ftok(key file, 'Q'), and another
// user can make a block under any key: one that this user cannot read, or that others may
// write, is another user's.
Owner blockOwner(const QString &keyPath)
{
    const QByteArray file = QFile::encodeName(keyPath);
    struct stat info;
    if (::lstat(file.constData(), &info) != 0)
        return errno == ENOENT ? Owner::Nobody : Owner::OtherUser;
    if (!S_ISREG(info.st_mode) || info.st_uid != ::geteuid())
        return Owner::OtherUser;
    const key_t key = ::ftok(file.constData(), 'Q');
    if (key == -1)
        return Owner::OtherUser;
    const int id = ::shmget(key, 0, 0);
    if (id == -1)
        return errno == ENOENT ? Owner::Nobody : Owner::OtherUser;
    shmid_ds block;
    if (::shmctl(id, IPC_STAT, &block) != 0)
        return Owner::OtherUser;
    const uid_t user = ::geteuid();
    if (block.shm_perm.uid != user || block.shm_perm.cuid != user
        || (block.shm_perm.mode & 0077) != 0)
        return Owner::OtherUser;
    return Owner::ThisUser;
}

// Opens the lock file, making it when missing; -1 when what stands there is not a plain file
// of this user's own that only this user may write.
int openLockFile(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid()
        || (info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Whether the process can open descriptors again: listening again before that would fail, or
// accept one connection and lose the server once more.
bool descriptorsAvailable()
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return false;
    ::close(ends[0]);
    ::close(ends[1]);
    return true;
}

// A new folder of mode 0700 for this process alone, in the temporary folder.
QString makeOwnFolder()
{
    for (const QString &base : {QDir::tempPath(), QStringLiteral("/tmp")}) {
        QByteArray pattern = QFile::encodeName(base + QStringLiteral("/singleapplication-XXXXXX"));
        if (!socketPathFits(QFile::decodeName(pattern)))
            continue;
        if (::mkdtemp(pattern.data()))
            return QFile::decodeName(pattern);
    }
    return QString();
}

} // namespace

int SingleApplicationPrivate::frameTimeoutMs = SingleApplicationPrivate::kFrameTimeoutMs;

quint16 SharedInstanceBlock::computeChecksum() const
{
    return qChecksum(reinterpret_cast<const char *>(this), offsetof(SharedInstanceBlock, checksum));
}

bool SharedInstanceBlock::isFirstPresent() const
{
    quint8 present = 0;
    std::memcpy(&present, &firstPresent, sizeof(present));
    return present != 0;
}

void SharedInstanceBlock::initialize()
{
    laterCount = 0;
    clearFirstInstance();
}

void SharedInstanceBlock::clearFirstInstance()
{
    firstPresent = false;
    firstPid = -1;
    std::memset(firstUser, 0, sizeof(firstUser));
    sealChecksum();
}

ServerNameInputs ServerNameInputs::ofThisProcess(const QStringList &userData)
{
    ServerNameInputs inputs;
    inputs.applicationName = QCoreApplication::applicationName();
    inputs.organizationName = QCoreApplication::organizationName();
    inputs.organizationDomain = QCoreApplication::organizationDomain();
    inputs.applicationVersion = QCoreApplication::applicationVersion();
    inputs.applicationFilePath = QCoreApplication::applicationFilePath();
    inputs.userName = SingleApplicationPrivate::userName();
    inputs.userData = userData;
    return inputs;
}

SingleApplicationPrivate::SingleApplicationPrivate(SingleApplication *owner,
                                                   SingleApplication::Options options,
                                                   const QString &userData)
    : owner(owner)
    , options(options)
{
    if (!userData.isEmpty())
        this->userData.append(userData);
    baseName = makeServerName(ServerNameInputs::ofThisProcess(this->userData), options);
    blockName = baseName;
}

SingleApplicationPrivate::~SingleApplicationPrivate()
{
    listenCheck.reset();
    if (socket) {
        socket->close();
        socket.reset();
    }
    if (memory) {
        // The first instance leaves the block even when a stuck process holds the lock: a torn
        // write is caught by the checksum.
        const bool haveLock = lockBlock();
        if (server) {
            // The accepted sockets die with the server; nothing of theirs may reach the owner now.
            const QList<QLocalSocket *> sockets = connections.keys();
            for (QLocalSocket *accepted : sockets)
                disconnect(accepted, nullptr, this, nullptr);
            connections.clear();
            server->close();
            server.reset();
            if (SharedInstanceBlock *shared = block())
                shared->clearFirstInstance();
        }
        if (haveLock)
            unlockBlock();
        memory.reset();
    }
    if (lockFd >= 0)
        ::close(lockFd);
    if (ownFolder) {
        QFile::remove(lockPath());
        QDir().rmdir(folder);
    }
}

SharedInstanceBlock *SingleApplicationPrivate::block() const
{
    if (!memory || !memory->isAttached())
        return nullptr;
    return static_cast<SharedInstanceBlock *>(memory->data());
}

bool SingleApplicationPrivate::lockBlock(int waitMs)
{
    if (lockFd < 0)
        return false;
    QElapsedTimer waited;
    waited.start();
    while (::flock(lockFd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || waited.elapsed() >= waitMs)
            return false;
        sleepBriefly();
    }
    locked = true;
    return true;
}

void SingleApplicationPrivate::unlockBlock()
{
    if (locked)
        ::flock(lockFd, LOCK_UN);
    locked = false;
}

QString SingleApplicationPrivate::serverPath() const
{
    return folder + QLatin1Char('/') + blockName;
}

QString SingleApplicationPrivate::keyPath() const
{
    return serverPath() + QStringLiteral(".shm");
}

QString SingleApplicationPrivate::lockPath() const
{
    return serverPath() + QStringLiteral(".lock");
}

QString SingleApplicationPrivate::userName()
{
    QString name;
    if (systemUserName(&name))
        return name;
    name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("USERNAME");
    return name;
}

QString SingleApplicationPrivate::makeServerName(const ServerNameInputs &inputs,
                                                 SingleApplication::Options options)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData("SingleApplication", 17);
    hash.addData(inputs.applicationName.toUtf8());
    hash.addData(inputs.organizationName.toUtf8());
    hash.addData(inputs.organizationDomain.toUtf8());
    if (!inputs.userData.isEmpty())
        hash.addData(inputs.userData.join(QString()).toUtf8());
    if (!options.testFlag(SingleApplication::ExcludeVersion))
        hash.addData(inputs.applicationVersion.toUtf8());
    if (!options.testFlag(SingleApplication::ExcludePath))
        hash.addData(inputs.applicationFilePath.toLower().toUtf8());
    if (options.testFlag(SingleApplication::PerUser))
        hash.addData(inputs.userName.toUtf8());
    // The name is also a file name, where "/" cannot stand.
    return QString::fromLatin1(hash.result().toBase64().replace('/', '_'));
}

void SingleApplicationPrivate::sleepBriefly()
{
    QThread::msleep(8 + QRandomGenerator64::global()->bounded(10));
}

QString SingleApplicationPrivate::privateFolder(bool *ownFolder)
{
    *ownFolder = false;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        if (QDir::isAbsolutePath(runtime) && isPrivateFolder(runtime) && socketPathFits(runtime))
            return QDir::cleanPath(runtime);
        qWarning().noquote() << "SingleApplication: The runtime folder" << runtime
                             << "is not this user's own with mode 0700; it is not used.";
    }
    for (const auto location : {QStandardPaths::AppDataLocation, QStandardPaths::CacheLocation}) {
        const QString base = QStandardPaths::writableLocation(location);
        if (base.isEmpty())
            continue;
        const QString path = base + QLatin1Char('/') + QLatin1String(kFolderName);
        if (socketPathFits(path) && makePrivateFolder(path))
            return path;
    }
    const QString own = makeOwnFolder();
    *ownFolder = !own.isEmpty();
    return own;
}

void SingleApplicationPrivate::setFrameTimeout(int ms)
{
    frameTimeoutMs = ms;
}

SingleApplicationPrivate::StartResult
SingleApplicationPrivate::abortOnMemoryError(const char *what)
{
    qCritical().noquote() << what;
    qCritical().noquote() << "SingleApplication:" << int(memory->error()) << memory->errorString();
    return StartResult::MemoryError;
}

SingleApplicationPrivate::StartResult SingleApplicationPrivate::refuse(const QString &why)
{
    qWarning().noquote() << "SingleApplication:" << why + QStringLiteral("; trying a fresh name.");
    dropName();
    return StartResult::Refused;
}

void SingleApplicationPrivate::dropName()
{
    socket.reset();
    memory.reset();
    unlockBlock();
    if (lockFd >= 0)
        ::close(lockFd);
    lockFd = -1;
    otherUsersServer = false;
}

SingleApplicationPrivate::StartResult SingleApplicationPrivate::start(bool allowLaterInstances,
                                                                      int timeout)
{
    sleepBriefly();
    folder = privateFolder(&ownFolder);

    // Another user cannot make anything in the folder, but a block may still meet another
    // user's under the same key; every process of this user then walks the same fresh names
    // and meets the others there.
    if (!folder.isEmpty()) {
        for (int candidate = 0; candidate < kNameCandidates; ++candidate) {
            blockName = candidate == 0 ? baseName
                                       : baseName + QLatin1Char('-') + QString::number(candidate);
            const StartResult result = startAs(allowLaterInstances, timeout);
            if (result != StartResult::Refused)
                return result;
        }
    }
    if (!ownFolder) {
        folder = makeOwnFolder();
        ownFolder = !folder.isEmpty();
        blockName = baseName;
        if (ownFolder) {
            const StartResult result = startAs(allowLaterInstances, timeout);
            if (result != StartResult::Refused)
                return result;
        }
    }
    qWarning("SingleApplication: No name of this user's own is left; running alone.");
    return StartResult::First;
}

bool SingleApplicationPrivate::attachBlock(StartResult *failure)
{
    memory = std::make_unique<QSharedMemory>();
    memory->setNativeKey(keyPath());
    const QString foreign = QStringLiteral("The shared memory block %1 belongs to another user")
                                .arg(keyPath());

    for (int attempt = 0;; ++attempt) {
        const Owner owner = blockOwner(keyPath());
        if (owner == Owner::OtherUser) {
            *failure = refuse(foreign);
            return false;
        }
        // A first instance that was killed leaves its block behind with nobody attached. The
        // last process to detach from a block removes it, so looking at the orphan clears it.
        if (owner == Owner::ThisUser && memory->attach())
            memory->detach();

        if (memory->create(sizeof(SharedInstanceBlock), QSharedMemory::ReadWrite)) {
            block()->initialize();
            return true;
        }
        const bool exists = memory->error() == QSharedMemory::AlreadyExists;
        if (exists) {
            // A failed create leaves the object unable to attach under a native key.
            memory = std::make_unique<QSharedMemory>();
            memory->setNativeKey(keyPath());
        }
        if (exists && memory->attach(QSharedMemory::ReadWrite)) {
            // Another user may have put a block under the key between the look and the attach;
            // a smaller block is not ours to read.
            if (blockOwner(keyPath()) != Owner::ThisUser
                || memory->size() < int(sizeof(SharedInstanceBlock))) {
                *failure = refuse(foreign);
                return false;
            }
            return true;
        }
        if (memory->error() == QSharedMemory::PermissionDenied) {
            *failure = refuse(foreign);
            return false;
        }
        // The block's last user left between our steps: start over.
        if (memory->error() == QSharedMemory::NotFound && attempt < kVanishedRetries) {
            sleepBriefly();
            continue;
        }
        *failure = exists ? abortOnMemoryError(
                       "SingleApplication: Unable to attach to shared memory block.")
                          : abortOnMemoryError("SingleApplication: Unable to create block.");
        return false;
    }
}

SingleApplicationPrivate::StartResult SingleApplicationPrivate::startAs(bool allowLaterInstances,
                                                                        int timeout)
{
    const QString lockHeld = QStringLiteral("The lock %1 has been held for more than %2 s")
                                 .arg(lockPath())
                                 .arg(kLockWaitMs / 1000);
    lockFd = openLockFile(lockPath());
    if (lockFd < 0)
        return refuse(QStringLiteral("The lock %1 is not a file of this user's own")
                          .arg(lockPath()));
    if (!lockBlock())
        return refuse(lockHeld);

    StartResult failure = StartResult::Refused;
    if (!attachBlock(&failure))
        return failure;

    QElapsedTimer inconsistent;
    inconsistent.start();
    while (!block()->isConsistent()) {
        if (inconsistent.elapsed() > kInconsistentLimitMs) {
            // A block overwritten under a running first instance would give a second one: its
            // socket tells whether it still runs.
            qint64 pid = -1;
            const Answer answer = askServer(timeout, &pid);
            if (answer == Answer::OtherUser)
                return refuse(QStringLiteral("The socket %1 belongs to another user")
                                  .arg(serverPath()));
            block()->initialize();
            if (answer == Answer::ThisUser) {
                qWarning("SingleApplication: Shared memory block has been in an inconsistent "
                         "state from more than 5s, and the first instance still answers; the "
                         "block is written anew for it.");
                claimBlock(pid);
            } else {
                qWarning("SingleApplication: Shared memory block has been in an inconsistent "
                         "state from more than 5s. Assuming primary instance failure.");
            }
        }
        unlockBlock();
        sleepBriefly();
        if (!lockBlock())
            return refuse(lockHeld);
    }

    SharedInstanceBlock *shared = block();
    // A first instance that died without its destructor (killed, crashed, its display gone)
    // still stands in the block; without this nobody could start until the machine restarts.
    if (shared->isFirstPresent() && !processExists(shared->firstPid))
        shared->clearFirstInstance();

    if (!shared->isFirstPresent()) {
        // The block may have been reset under a first instance that still runs: ask its socket
        // before taking its place.
        qint64 pid = -1;
        switch (askServer(timeout, &pid)) {
        case Answer::OtherUser:
            return refuse(QStringLiteral("The socket %1 belongs to another user")
                              .arg(serverPath()));
        case Answer::ThisUser:
            claimBlock(pid);
            break;
        case Answer::Nobody:
            if (!startServer())
                return refuse(QStringLiteral("The socket %1 belongs to another user")
                                  .arg(serverPath()));
            unlockBlock();
            return StartResult::First;
        }
    }

    if (allowLaterInstances) {
        shared->laterCount += 1;
        shared->sealChecksum();
        instanceNumber = shared->laterCount;
        if (options.testFlag(SingleApplication::NotifyLaterInstances))
            connectToServer(timeout, LaterInstance);
        unlockBlock();
        if (otherUsersServer)
            return refuse(QStringLiteral("The socket %1 belongs to another user")
                              .arg(serverPath()));
        return StartResult::AdmittedLater;
    }

    unlockBlock();
    connectToServer(timeout, NewInstance);
    if (otherUsersServer)
        return refuse(QStringLiteral("The socket %1 belongs to another user").arg(serverPath()));
    return StartResult::Leave;
}

SingleApplicationPrivate::Answer SingleApplicationPrivate::askServer(int timeout, qint64 *pid)
{
    QLocalSocket probe;
    probe.setReadBufferSize(1);
    probe.connectToServer(serverPath(), QIODevice::ReadWrite);
    if (probe.state() == QLocalSocket::ConnectingState)
        probe.waitForConnected(timeout);
    if (probe.state() != QLocalSocket::ConnectedState)
        return Answer::Nobody;
    const Answer answer =
        peerIsThisUser(probe.socketDescriptor(), pid) ? Answer::ThisUser : Answer::OtherUser;
    probe.abort();
    return answer;
}

void SingleApplicationPrivate::claimBlock(qint64 pid)
{
    SharedInstanceBlock *shared = block();
    shared->firstPresent = true;
    shared->firstPid = pid;
    std::memset(shared->firstUser, 0, sizeof(shared->firstUser));
    qstrncpy(shared->firstUser, userName().toUtf8().constData(), sizeof(shared->firstUser));
    shared->sealChecksum();
}

bool SingleApplicationPrivate::startServer()
{
    // Nobody answered on the path: what stands there is a stale socket, and only one of this
    // user's own is removed.
    switch (pathOwner(serverPath())) {
    case Owner::OtherUser:
        return false;
    case Owner::ThisUser:
        QLocalServer::removeServer(serverPath());
        break;
    case Owner::Nobody:
        break;
    }

    claimBlock(QCoreApplication::applicationPid());
    instanceNumber = 0;

    server = std::make_unique<QLocalServer>();
    server->setSocketOptions(options.testFlag(SingleApplication::PerUser)
                                 ? QLocalServer::UserAccessOption
                                 : QLocalServer::WorldAccessOption);
    connect(server.get(), &QLocalServer::newConnection, this,
            &SingleApplicationPrivate::slotConnectionEstablished);
    if (!listenOnce() && !listenOnce())
        qWarning().noquote() << "SingleApplication: Unable to listen on" << serverPath() + ':'
                             << server->errorString();

    // The server closes itself for good when accepting fails (descriptors run out, say); the
    // check listens again as soon as it can.
    listenCheck = std::make_unique<QTimer>();
    listenCheck->setInterval(kListenCheckMs);
    connect(listenCheck.get(), &QTimer::timeout, this, &SingleApplicationPrivate::checkListening);
    listenCheck->start();
    return true;
}

bool SingleApplicationPrivate::listenOnce()
{
    listening = server->listen(serverPath());
    if (listening)
        return true;
    if (pathOwner(serverPath()) == Owner::ThisUser)
        QLocalServer::removeServer(serverPath());
    sleepBriefly();
    return false;
}

void SingleApplicationPrivate::checkListening()
{
    // A server that closed itself after a failed accept still says it listens, but it took
    // its socket file with it.
    if (listening && pathOwner(serverPath()) != Owner::Nobody) {
        listenLost = false;
        return;
    }
    if (!descriptorsAvailable())
        return;
    if (!listenLost) {
        qWarning().noquote() << "SingleApplication: The server stopped listening:"
                             << server->errorString();
        listenLost = true;
    }
    // Nothing of another user's is taken away; a stale socket of this user's own is.
    const Owner owner = pathOwner(serverPath());
    if (owner == Owner::OtherUser)
        return;
    server->close();
    if (owner == Owner::ThisUser)
        QLocalServer::removeServer(serverPath());
    listening = server->listen(serverPath());
    if (listening)
        qWarning("SingleApplication: The server listens again.");
}

bool SingleApplicationPrivate::connectToServer(int timeout, ConnectionType type)
{
    QElapsedTimer timer;
    timer.start();
    const auto timeLeft = [&] { return int(qMax<qint64>(0, timeout - timer.elapsed())); };

    if (!socket) {
        socket = std::make_unique<QLocalSocket>();
        // Only one-byte acknowledgements come back.
        socket->setReadBufferSize(16);
    }
    if (socket->state() == QLocalSocket::ConnectedState)
        return true;

    // The first instance listens before it lets go of the block, so the first try usually
    // succeeds; the pause only spaces out the retries.
    for (bool retry = false;; retry = true) {
        if (retry)
            sleepBriefly();
        if (socket->state() != QLocalSocket::ConnectingState)
            socket->connectToServer(serverPath(), QIODevice::ReadWrite);
        if (socket->state() == QLocalSocket::ConnectingState)
            socket->waitForConnected(timeLeft());
        if (socket->state() == QLocalSocket::ConnectedState)
            break;
        if (timer.elapsed() >= timeout)
            return false;
    }

    // Whatever listens there must be this user's, or the start would hand over to a stranger.
    if (!peerIsThisUser(socket->socketDescriptor(), nullptr)) {
        otherUsersServer = true;
        socket->abort();
        return false;
    }

    QByteArray init;
    QDataStream out(&init, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    out << blockName.toLatin1();
    out << qint8(type);
    out << quint32(instanceNumber);
    out << quint16(qChecksum(init.constData(), uint(init.size())));

    return writeFrame(timeLeft(), init);
}

bool SingleApplicationPrivate::writeFrame(int timeout, const QByteArray &message)
{
    QElapsedTimer timer;
    timer.start();
    if (!writeWithAck(frameHeader(message.size()), timeout))
        return false;
    return writeWithAck(message, int(qMax<qint64>(0, timeout - timer.elapsed())));
}

bool SingleApplicationPrivate::writeWithAck(const QByteArray &data, int timeout)
{
    socket->write(data);
    socket->flush();
    const bool acknowledged = socket->bytesAvailable() > 0 || socket->waitForReadyRead(timeout);
    if (acknowledged)
        socket->read(1);
    return acknowledged;
}

void SingleApplicationPrivate::slotConnectionEstablished()
{
    while (QLocalSocket *accepted = server->nextPendingConnection()) {
        // Every connection is taken at once and any over the cap closed, so that descriptors
        // and memory stay bounded however many come.
        if (connections.size() >= kMaxConnections
            || !peerIsThisUser(accepted->socketDescriptor(), nullptr)) {
            accepted->abort();
            accepted->deleteLater();
            continue;
        }
        ConnectionInfo info;
        info.deadline = new QTimer(accepted);
        info.deadline->setSingleShot(true);
        info.deadline->setInterval(frameTimeoutMs);
        connect(info.deadline, &QTimer::timeout, this,
                [this, accepted] { refuseConnection(accepted); });
        connections.insert(accepted, info);
        connect(accepted, &QLocalSocket::aboutToClose, this, [this, accepted] {
            const auto it = connections.constFind(accepted);
            if (it != connections.constEnd())
                slotClientConnectionClosed(accepted, it->instanceId);
        });
        connect(accepted, &QLocalSocket::disconnected, accepted, &QObject::deleteLater);
        connect(accepted, &QObject::destroyed, this, [this, accepted] { forget(accepted); });
        connect(accepted, &QLocalSocket::readyRead, this,
                [this, accepted] { readConnection(accepted); });
        awaitNextPiece(accepted);
        if (accepted->bytesAvailable() > 0)
            readConnection(accepted);
    }
}

void SingleApplicationPrivate::readConnection(QLocalSocket *socket)
{
    // One read may hold several pieces (an init and a message, two messages), and no further
    // readyRead comes for bytes already read: handle each complete piece in turn.
    for (;;) {
        const auto it = connections.constFind(socket);
        if (it == connections.constEnd())
            return;
        switch (it->stage) {
        case StageInitHeader:
            if (!readFrameHeader(socket, StageInitBody))
                return awaitNextPiece(socket);
            break;
        case StageMessageHeader:
            if (!readFrameHeader(socket, StageMessageBody))
                return awaitNextPiece(socket);
            break;
        case StageInitBody:
            if (!isFrameComplete(socket))
                return awaitNextPiece(socket);
            handleInitMessage(socket);
            break;
        case StageMessageBody:
            if (!isFrameComplete(socket))
                return awaitNextPiece(socket);
            slotDataAvailable(socket, it->instanceId);
            break;
        default:
            refuseConnection(socket);
            return;
        }
    }
}

void SingleApplicationPrivate::awaitNextPiece(QLocalSocket *socket)
{
    const auto it = connections.find(socket);
    if (it == connections.end())
        return;
    // The socket reads no more than the piece it waits for; the rest stays with the system.
    const bool body = it->stage == StageInitBody || it->stage == StageMessageBody;
    socket->setReadBufferSize(qMax<qint64>(1, body ? it->frameLength : kHeaderLength));
    // The clock runs from the connection's start until its init is through, and from a
    // message's first byte until its last.
    const bool underway = it->stage != StageMessageHeader || socket->bytesAvailable() > 0;
    if (!underway)
        it->deadline->stop();
    else if (!it->deadline->isActive())
        it->deadline->start();
}

qint64 SingleApplicationPrivate::maxInitLength() const
{
    // The name as a byte array (32-bit length and bytes), the type, the instance id, the checksum.
    return 4 + blockName.toLatin1().size() + 1 + 4 + 2;
}

bool SingleApplicationPrivate::readFrameHeader(QLocalSocket *socket, quint8 nextStage)
{
    const auto it = connections.find(socket);
    if (it == connections.end() || socket->bytesAvailable() < kHeaderLength)
        return false;

    QDataStream in(socket->read(kHeaderLength));
    in.setVersion(kStreamVersion);
    qint64 length = 0;
    in >> length;

    const qint64 limit = nextStage == StageInitBody ? maxInitLength() : kMaxFrameLength;
    if (in.status() != QDataStream::Ok || length < 0 || length > limit) {
        refuseConnection(socket);
        return false;
    }
    if (nextStage == StageMessageBody) {
        // The bodies under way together stay within the total; one past it is not waited for.
        if (reservedTotal + length > kMaxBufferedBytes) {
            refuseConnection(socket);
            return false;
        }
        it->reserved = length;
        reservedTotal += length;
    }
    it->frameLength = length;
    it->stage = nextStage;
    socket->write(kAck, 1);
    return true;
}

bool SingleApplicationPrivate::isFrameComplete(QLocalSocket *socket) const
{
    const auto it = connections.constFind(socket);
    return it != connections.constEnd() && socket->bytesAvailable() >= it->frameLength;
}

void SingleApplicationPrivate::handleInitMessage(QLocalSocket *socket)
{
    if (!isFrameComplete(socket))
        return;
    const auto it = connections.find(socket);
    const QByteArray body = socket->read(it->frameLength);

    QDataStream in(body);
    in.setVersion(kStreamVersion);
    QByteArray name;
    qint8 type = 0;
    quint32 instanceId = 0;
    quint16 checksum = 0;
    in >> name >> type >> instanceId >> checksum;

    const quint16 expected = body.size() >= 2 ? qChecksum(body.constData(), uint(body.size() - 2))
                                              : quint16(0);
    if (in.status() != QDataStream::Ok || name != blockName.toLatin1() || checksum != expected) {
        refuseConnection(socket);
        return;
    }

    it->instanceId = instanceId;
    it->stage = StageMessageHeader;
    if (type == NewInstance
        || (type == LaterInstance && options.testFlag(SingleApplication::NotifyLaterInstances)))
        emit owner->instanceStarted();
    socket->write(kAck, 1);
}

void SingleApplicationPrivate::slotDataAvailable(QLocalSocket *socket, uint instanceId)
{
    if (!isFrameComplete(socket))
        return;
    const auto it = connections.find(socket);
    const QByteArray message = socket->read(it->frameLength);
    releaseReservation(*it);
    it->stage = StageMessageHeader;
    emit owner->receivedMessage(instanceId, message);
    socket->write(kAck, 1);
}

void SingleApplicationPrivate::slotClientConnectionClosed(QLocalSocket *socket, uint instanceId)
{
    Q_UNUSED(instanceId)
    if (socket->bytesAvailable() <= 0)
        return;
    closingSocket = socket;
    readConnection(socket);
    closingSocket = nullptr;
}

void SingleApplicationPrivate::releaseReservation(ConnectionInfo &info)
{
    reservedTotal -= info.reserved;
    info.reserved = 0;
}

void SingleApplicationPrivate::forget(QLocalSocket *socket)
{
    const auto it = connections.find(socket);
    if (it == connections.end())
        return;
    releaseReservation(*it);
    connections.erase(it);
}

void SingleApplicationPrivate::refuseConnection(QLocalSocket *socket)
{
    if (!connections.contains(socket))
        return;
    connections[socket].deadline->stop();
    forget(socket);
    // The acknowledgements of the pieces before still go out; a socket that is closing already
    // needs no second close from inside its own.
    if (socket != closingSocket) {
        socket->flush();
        socket->abort();
    }
    socket->deleteLater();
}
