#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <memory>
#include <sys/types.h>

#include "SingleApplication.h"

class QLocalServer;
class QLocalSocket;
class QSharedMemory;
class QTimer;

// The block that every process of one name shares, in this machine's byte order. Its layout is
// fixed so that two builds of one version always read each other's block.
struct SharedInstanceBlock
{
    bool firstPresent;
    quint8 padding1[3];
    quint32 laterCount;
    qint64 firstPid;
    char firstUser[128];
    quint16 checksum;
    quint8 padding2[6];

    // The CRC-16 over every byte before the checksum.
    quint16 computeChecksum() const;
    // The presence byte read as a byte: a block of random bytes may hold any value there.
    bool isFirstPresent() const;
    bool isConsistent() const { return checksum == computeChecksum(); }
    void sealChecksum() { checksum = computeChecksum(); }

    // No first instance, no later ones, consistent.
    void initialize();
    // No first instance; the count of later instances stays.
    void clearFirstInstance();
};

static_assert(sizeof(SharedInstanceBlock) == 152, "the shared block is 152 bytes");
static_assert(offsetof(SharedInstanceBlock, firstPresent) == 0, "presence flag at 0");
static_assert(offsetof(SharedInstanceBlock, laterCount) == 4, "count of later instances at 4");
static_assert(offsetof(SharedInstanceBlock, firstPid) == 8, "process id at 8");
static_assert(offsetof(SharedInstanceBlock, firstUser) == 16, "user name at 16");
static_assert(offsetof(SharedInstanceBlock, checksum) == 144, "checksum at 144");
static_assert(offsetof(SharedInstanceBlock, padding2) == 146, "padding at 146");

// Everything that goes into the block name besides the fixed prefix.
struct ServerNameInputs
{
    QString applicationName;
    QString organizationName;
    QString organizationDomain;
    QString applicationVersion;
    QString applicationFilePath;
    QString userName;
    QStringList userData;

    // This process's application properties and user name, with the given user data.
    static ServerNameInputs ofThisProcess(const QStringList &userData);
};

class SingleApplicationPrivate : public QObject
{
    Q_OBJECT

public:
    // The state of one accepted connection in the first instance.
    struct ConnectionInfo
    {
        qint64 frameLength = 0;
        quint32 instanceId = 0;
        quint8 stage = 0;
        // Bytes of a message body this connection may hold, counted against the total.
        qint64 reserved = 0;
        // Closes the connection when a frame it began is not complete in time.
        QTimer *deadline = nullptr;
    };

    enum Stage : quint8 {
        StageInitHeader = 0,
        StageInitBody = 1,
        StageMessageHeader = 2,
        StageMessageBody = 3,
    };

    enum ConnectionType : qint8 {
        NewInstance = 1,
        LaterInstance = 2,
        Reconnect = 3,
    };

    enum class StartResult {
        First,
        AdmittedLater,
        Leave,
        MemoryError,
        // Something of this name belongs to another user, or its lock is held for good: the
        // start goes on under a fresh name.
        Refused,
    };

    // What answers on the server's socket.
    enum class Answer {
        Nobody,
        ThisUser,
        OtherUser,
    };

    // No frame of either kind is longer; a peer that announces more is not one of ours.
    static constexpr qint64 kMaxFrameLength = 1024 * 1024;
    // Message bodies that all connections together may hold while they arrive.
    static constexpr qint64 kMaxBufferedBytes = 4 * kMaxFrameLength;
    // Connections served at once; any further one is closed as it comes.
    static constexpr int kMaxConnections = 32;
    // How long a connection may take over one frame.
    static constexpr int kFrameTimeoutMs = 5000;
    // How long a start waits for the lock of a name before it takes the next name.
    static constexpr int kLockWaitMs = 5000;
    // Names tried in turn before a start gives up the folder for one of its own.
    static constexpr int kNameCandidates = 4;

    SingleApplicationPrivate(SingleApplication *owner, SingleApplication::Options options,
                             const QString &userData);
    ~SingleApplicationPrivate() override;

    // Takes the first place or hands over to the first instance; the caller ends the process on
    // Leave (code 0) and on MemoryError (code 1).
    StartResult start(bool allowLaterInstances, int timeout);

    bool connectToServer(int timeout, ConnectionType type);
    bool writeFrame(int timeout, const QByteArray &message);

    // The block, while this process is attached to it; null otherwise.
    SharedInstanceBlock *block() const;
    // The lock of the block, a lock on a file of this user's own; false when it is not had
    // within the wait.
    bool lockBlock(int waitMs = kLockWaitMs);
    void unlockBlock();

    // The server's full path, the block's key file and the lock file of the name in use.
    QString serverPath() const;
    QString keyPath() const;
    QString lockPath() const;

    static QString userName();
    static QString makeServerName(const ServerNameInputs &inputs,
                                  SingleApplication::Options options);
    static void sleepBriefly();

    // The folder where only this user can write that holds the socket, the block's key file
    // and the lock: the runtime folder when it is this user's own with mode 0700, else a
    // folder of mode 0700 under the application-data or cache folder, else a new one of this
    // process alone in the temporary folder (ownFolder tells). Empty when none can be made.
    static QString privateFolder(bool *ownFolder);

    // Closes a connection whose frame is not complete within this time; for the tests.
    static void setFrameTimeout(int ms);

    // The private part of an application object, for the tests.
    static const SingleApplicationPrivate *of(const SingleApplication &app) { return app.d.get(); }

    SingleApplication *owner;
    std::unique_ptr<QSharedMemory> memory;
    std::unique_ptr<QLocalSocket> socket;
    std::unique_ptr<QLocalServer> server;
    quint32 instanceNumber = 0;
    QString blockName;
    SingleApplication::Options options;
    QMap<QLocalSocket *, ConnectionInfo> connections;
    QStringList userData;
    // The digest name; blockName is it or a fresh name made from it.
    QString baseName;
    QString folder;

public slots:
    void slotConnectionEstablished();
    void slotDataAvailable(QLocalSocket *socket, uint instanceId);
    void slotClientConnectionClosed(QLocalSocket *socket, uint instanceId);

private:
    StartResult abortOnMemoryError(const char *what);
    // The whole start under the name in blockName.
    StartResult startAs(bool allowLaterInstances, int timeout);
    // Attaches to the block of the name or creates it, the lock held; on false, failure says
    // how the start goes on.
    bool attachBlock(StartResult *failure);
    // Lets go of everything of the name in use, after a refusal.
    void dropName();
    StartResult refuse(const QString &why);
    // Who listens on the server's socket; with ThisUser, pid is the listener's process.
    Answer askServer(int timeout, qint64 *pid);
    // Marks the block as held by the first instance with that process id.
    void claimBlock(qint64 pid);
    bool startServer();
    bool listenOnce();
    void checkListening();
    bool writeWithAck(const QByteArray &data, int timeout);

    // Handles every complete piece that the socket holds, stage by stage.
    void readConnection(QLocalSocket *socket);
    bool readFrameHeader(QLocalSocket *socket, quint8 nextStage);
    bool isFrameComplete(QLocalSocket *socket) const;
    void handleInitMessage(QLocalSocket *socket);
    // Closes a connection that broke the protocol, without a word back.
    void refuseConnection(QLocalSocket *socket);
    qint64 maxInitLength() const;
    // Sizes the socket's read buffer to the piece it waits for, and arms or stops its timer.
    void awaitNextPiece(QLocalSocket *socket);
    void releaseReservation(ConnectionInfo &info);
    // Drops the connection's state, when it has any.
    void forget(QLocalSocket *socket);

    QLocalSocket *closingSocket = nullptr;
    // The server was refused by another user's socket on its path.
    bool otherUsersServer = false;
    // The server's last listen succeeded; it was found closed since, and not yet listening again.
    bool listening = false;
    bool listenLost = false;
    // The folder was made for this process alone and goes with it.
    bool ownFolder = false;
    int lockFd = -1;
    bool locked = false;
    qint64 reservedTotal = 0;
    std::unique_ptr<QTimer> listenCheck;
    static int frameTimeoutMs;
};
