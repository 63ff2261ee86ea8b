#include "SingleApplicationPrivate.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRandomGenerator64>
#include <QSharedMemory>
#include <QThread>
#include <QtDebug>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_5_6;
constexpr qint64 kHeaderLength = 8;
constexpr char kAck[] = "\n";
constexpr qint64 kInconsistentLimitMs = 5000;
// How often a start tries again when the block vanishes between two of its steps.
constexpr int kVanishedRetries = 10;

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

// Whether the process may still run; only a definite "no such process" counts as gone.
bool processExists(qint64 pid)
{
    if (pid <= 0)
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

} // namespace

quint16 SharedInstanceBlock::computeChecksum() const
{
    return qChecksum(reinterpret_cast<const char *>(this), offsetof(SharedInstanceBlock, checksum));
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
    blockName = makeServerName(ServerNameInputs::ofThisProcess(this->userData), options);
}

SingleApplicationPrivate::~SingleApplicationPrivate()
{
    if (socket) {
        socket->close();
        socket.reset();
    }
    if (!memory)
        return;
    memory->lock();
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
    memory->unlock();
    memory.reset();
}

SharedInstanceBlock *SingleApplicationPrivate::block() const
{
    if (!memory || !memory->isAttached())
        return nullptr;
    return static_cast<SharedInstanceBlock *>(memory->data());
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
    // The name is also a file name in the temporary folder, where "/" cannot stand.
    return QString::fromLatin1(hash.result().toBase64().replace('/', '_'));
}

void SingleApplicationPrivate::sleepBriefly()
{
    QThread::msleep(8 + QRandomGenerator64::global()->bounded(10));
}

SingleApplicationPrivate::StartResult
SingleApplicationPrivate::abortOnMemoryError(const char *what)
{
    qCritical().noquote() << what;
    qCritical().noquote() << "SingleApplication:" << int(memory->error()) << memory->errorString();
    return StartResult::MemoryError;
}

SingleApplicationPrivate::StartResult SingleApplicationPrivate::start(bool allowLaterInstances,
                                                                      int timeout)
{
    sleepBriefly();
    memory = std::make_unique<QSharedMemory>(blockName);

    // A first instance that was killed leaves its segment behind with nobody attached. The last
    // process to detach from a segment removes it, so looking at the orphan clears it.
    if (memory->attach())
        memory->detach();

    for (int attempt = 0;; ++attempt) {
        if (memory->create(sizeof(SharedInstanceBlock), QSharedMemory::ReadWrite)) {
            if (!memory->lock())
                return abortOnMemoryError(
                    "SingleApplication: Unable to lock memory block after create.");
            block()->initialize();
            break;
        }
        const bool exists = memory->error() == QSharedMemory::AlreadyExists;
        if (exists && memory->attach(QSharedMemory::ReadWrite)) {
            // A smaller block is not ours to read.
            if (memory->size() < int(sizeof(SharedInstanceBlock))) {
                memory->detach();
                return abortOnMemoryError(
                    "SingleApplication: Unable to attach to shared memory block.");
            }
            if (!memory->lock())
                return abortOnMemoryError(
                    "SingleApplication: Unable to lock memory block after attach.");
            break;
        }
        // The block's last user left between our steps: start over.
        if (memory->error() == QSharedMemory::NotFound && attempt < kVanishedRetries) {
            sleepBriefly();
            continue;
        }
        if (exists)
            return abortOnMemoryError(
                "SingleApplication: Unable to attach to shared memory block.");
        return abortOnMemoryError("SingleApplication: Unable to create block.");
    }

    QElapsedTimer inconsistent;
    inconsistent.start();
    while (!block()->isConsistent()) {
        if (inconsistent.elapsed() > kInconsistentLimitMs) {
            qWarning("SingleApplication: Shared memory block has been in an inconsistent state "
                     "from more than 5s. Assuming primary instance failure.");
            block()->initialize();
        }
        if (!memory->unlock()) {
            qDebug("SingleApplication: Unable to unlock memory for random wait.");
            qDebug() << memory->errorString();
        }
        sleepBriefly();
        if (!memory->lock())
            return abortOnMemoryError(
                "SingleApplication: Unable to lock memory after random wait.");
    }

    // A first instance that died without its destructor (killed, crashed, its display gone)
    // still stands in the block; without this nobody could start until the machine restarts.
    if (block()->firstPresent && !processExists(block()->firstPid))
        block()->clearFirstInstance();

    if (!block()->firstPresent) {
        startServer();
        if (!memory->unlock()) {
            qDebug("SingleApplication: Unable to unlock memory after primary start.");
            qDebug() << memory->errorString();
        }
        return StartResult::First;
    }

    if (allowLaterInstances) {
        SharedInstanceBlock *shared = block();
        shared->laterCount += 1;
        shared->sealChecksum();
        instanceNumber = shared->laterCount;
        if (options.testFlag(SingleApplication::NotifyLaterInstances))
            connectToServer(timeout, LaterInstance);
        if (!memory->unlock()) {
            qDebug("SingleApplication: Unable to unlock memory after secondary start.");
            qDebug() << memory->errorString();
        }
        return StartResult::AdmittedLater;
    }

    if (!memory->unlock()) {
        qDebug("SingleApplication: Unable to unlock memory at end of execution.");
        qDebug() << memory->errorString();
    }
    connectToServer(timeout, NewInstance);
    return StartResult::Leave;
}

void SingleApplicationPrivate::startServer()
{
    SharedInstanceBlock *shared = block();
    shared->firstPresent = true;
    shared->firstPid = QCoreApplication::applicationPid();
    std::memset(shared->firstUser, 0, sizeof(shared->firstUser));
    qstrncpy(shared->firstUser, userName().toUtf8().constData(), sizeof(shared->firstUser));
    shared->sealChecksum();

    instanceNumber = 0;

    QLocalServer::removeServer(blockName);
    server = std::make_unique<QLocalServer>();
    server->setSocketOptions(options.testFlag(SingleApplication::PerUser)
                                 ? QLocalServer::UserAccessOption
                                 : QLocalServer::WorldAccessOption);
    server->listen(blockName);
    connect(server.get(), &QLocalServer::newConnection, this,
            &SingleApplicationPrivate::slotConnectionEstablished);
}

bool SingleApplicationPrivate::connectToServer(int timeout, ConnectionType type)
{
    QElapsedTimer timer;
    timer.start();
    const auto timeLeft = [&] { return int(qMax<qint64>(0, timeout - timer.elapsed())); };

    if (!socket)
        socket = std::make_unique<QLocalSocket>();
    if (socket->state() == QLocalSocket::ConnectedState)
        return true;

    // The first instance listens before it lets go of the block, so the first try usually
    // succeeds; the pause only spaces out the retries.
    for (bool retry = false;; retry = true) {
        if (retry)
            sleepBriefly();
        if (socket->state() != QLocalSocket::ConnectingState)
            socket->connectToServer(blockName, QIODevice::ReadWrite);
        if (socket->state() == QLocalSocket::ConnectingState)
            socket->waitForConnected(timeLeft());
        if (socket->state() == QLocalSocket::ConnectedState)
            break;
        if (timer.elapsed() >= timeout)
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
        connections.insert(accepted, ConnectionInfo());
        connect(accepted, &QLocalSocket::aboutToClose, this, [this, accepted] {
            const auto it = connections.constFind(accepted);
            if (it != connections.constEnd())
                slotClientConnectionClosed(accepted, it->instanceId);
        });
        connect(accepted, &QLocalSocket::disconnected, accepted, &QObject::deleteLater);
        connect(accepted, &QObject::destroyed, this,
                [this, accepted] { connections.remove(accepted); });
        connect(accepted, &QLocalSocket::readyRead, this,
                [this, accepted] { readConnection(accepted); });
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
                return;
            break;
        case StageMessageHeader:
            if (!readFrameHeader(socket, StageMessageBody))
                return;
            break;
        case StageInitBody:
            if (!isFrameComplete(socket))
                return;
            handleInitMessage(socket);
            break;
        case StageMessageBody:
            if (!isFrameComplete(socket))
                return;
            slotDataAvailable(socket, it->instanceId);
            break;
        default:
            refuseConnection(socket);
            return;
        }
    }
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

void SingleApplicationPrivate::refuseConnection(QLocalSocket *socket)
{
    connections.remove(socket);
    // The acknowledgements of the pieces before still go out; a socket that is closing already
    // needs no second close from inside its own.
    if (socket != closingSocket) {
        socket->flush();
        socket->abort();
    }
    socket->deleteLater();
}
