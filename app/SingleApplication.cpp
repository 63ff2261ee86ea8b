#include "SingleApplication.h"

#include <cstdlib>

#include "SingleApplicationPrivate.h"

SingleApplication::SingleApplication(int &argc, char *argv[], bool allowLaterInstances,
                                     Options options, int timeout, const QString &userData)
    : QApplication(argc, argv)
    , d(std::make_unique<SingleApplicationPrivate>(this, options, userData))
{
    switch (d->start(allowLaterInstances, timeout)) {
    case SingleApplicationPrivate::StartResult::First:
    case SingleApplicationPrivate::StartResult::AdmittedLater:
    case SingleApplicationPrivate::StartResult::Refused:
        return;
    case SingleApplicationPrivate::StartResult::Leave:
        d.reset();
        std::exit(EXIT_SUCCESS);
    case SingleApplicationPrivate::StartResult::MemoryError:
        d.reset();
        std::exit(EXIT_FAILURE);
    }
}

SingleApplication::~SingleApplication() = default;

bool SingleApplication::isFirstInstance() const
{
    return d->server != nullptr;
}

bool SingleApplication::isLaterInstance() const
{
    return d->server == nullptr;
}

quint32 SingleApplication::instanceNumber() const
{
    return d->instanceNumber;
}

qint64 SingleApplication::firstInstancePid() const
{
    const SharedInstanceBlock *shared = d->block();
    if (!shared || !d->lockBlock())
        return -1;
    const qint64 pid = shared->firstPid;
    d->unlockBlock();
    return pid;
}

QString SingleApplication::firstInstanceUser() const
{
    const SharedInstanceBlock *shared = d->block();
    if (!shared || !d->lockBlock())
        return QString();
    const int length = int(qstrnlen(shared->firstUser, sizeof(shared->firstUser)));
    const QString user = QString::fromUtf8(shared->firstUser, length);
    d->unlockBlock();
    return user;
}

QString SingleApplication::userName() const
{
    return SingleApplicationPrivate::userName();
}

QStringList SingleApplication::userData() const
{
    return d->userData;
}

bool SingleApplication::sendToFirstInstance(const QByteArray &message, int timeout)
{
    // The first instance refuses anything longer, so it is not worth the connection.
    if (isFirstInstance() || message.size() > SingleApplicationPrivate::kMaxFrameLength)
        return false;
    if (!d->connectToServer(timeout, SingleApplicationPrivate::Reconnect))
        return false;
    return d->writeFrame(timeout, message);
}
