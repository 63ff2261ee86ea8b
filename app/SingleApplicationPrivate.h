#pragma once

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <memory>

#include "SingleApplication.h"

class QLocalServer;
class QLocalSocket;
class QSharedMemory;

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
    };

    // No frame of either kind is longer; a peer that announces more is not one of ours.
    static constexpr qint64 kMaxFrameLength = 1024 * 1024;

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

    static QString userName();
    static QString makeServerName(const ServerNameInputs &inputs,
                                  SingleApplication::Options options);
    static void sleepBriefly();

    SingleApplication *owner;
    std::unique_ptr<QSharedMemory> memory;
    std::unique_ptr<QLocalSocket> socket;
    std::unique_ptr<QLocalServer> server;
    quint32 instanceNumber = 0;
    QString blockName;
    SingleApplication::Options options;
    QMap<QLocalSocket *, ConnectionInfo> connections;
    QStringList userData;

public slots:
    void slotConnectionEstablished();
    void slotDataAvailable(QLocalSocket *socket, uint instanceId);
    void slotClientConnectionClosed(QLocalSocket *socket, uint instanceId);

private:
    StartResult abortOnMemoryError(const char *what);
    void startServer();
    bool writeWithAck(const QByteArray &data, int timeout);

    // Handles every complete piece that the socket holds, stage by stage.
    void readConnection(QLocalSocket *socket);
    bool readFrameHeader(QLocalSocket *socket, quint8 nextStage);
    bool isFrameComplete(QLocalSocket *socket) const;
    void handleInitMessage(QLocalSocket *socket);
    // Closes a connection that broke the protocol, without a word back.
    void refuseConnection(QLocalSocket *socket);
    qint64 maxInitLength() const;

    QLocalSocket *closingSocket = nullptr;
};
