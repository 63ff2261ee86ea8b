#pragma once

#include <QApplication>
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class SingleApplicationPrivate;

// The program's application object: the first process of a user owns a shared block and a local
// server; a later process hands over to it and leaves with exit code 0 before any window exists.
class SingleApplication : public QApplication
{
    Q_OBJECT

public:
    enum Option {
        // The user name goes into the key, and only the same user may connect.
        PerUser = 1,
        // An admitted later instance announces itself, and the first emits instanceStarted.
        NotifyLaterInstances = 4,
        // The application version stays out of the key.
        ExcludeVersion = 8,
        // The executable path stays out of the key.
        ExcludePath = 16,
    };
    Q_DECLARE_FLAGS(Options, Option)

    // Does not return in a later instance when later instances are not allowed.
    SingleApplication(int &argc, char *argv[], bool allowLaterInstances = false,
                      Options options = PerUser, int timeout = 1000,
                      const QString &userData = QString());
    ~SingleApplication() override;

    bool isFirstInstance() const;
    bool isLaterInstance() const;
    quint32 instanceNumber() const;
    qint64 firstInstancePid() const;
    QString firstInstanceUser() const;
    QString userName() const;
    QStringList userData() const;

    // From a later instance: sends one message to the first, true once it is acknowledged.
    bool sendToFirstInstance(const QByteArray &message, int timeout = 100);

signals:
    void instanceStarted();
    void receivedMessage(uint instanceId, QByteArray message);

private:
    friend class SingleApplicationPrivate;
    std::unique_ptr<SingleApplicationPrivate> d;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(SingleApplication::Options)
