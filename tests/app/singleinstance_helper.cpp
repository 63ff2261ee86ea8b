// A program that builds the application object as the program's start-up does, for the
// single-instance tests. Usage:
//   singleinstance_helper USERDATA [--send MESSAGE] [--frame-timeout MS] [--spare-files N]
//   singleinstance_helper --squat [--block KEY MODE PID] [--socket PATH] [--lock PATH]
//
// As an instance it prints one line per event and quits when its standard input closes:
//   "first <server path>"      once it is the first instance;
//   "started"                  for every instanceStarted;
//   "message <id> <hex bytes>" for every receivedMessage;
//   "sent true" or "sent false" after --send, which admits it as a later instance, sends
//                              MESSAGE to the first instance and leaves.
// A later instance without --send leaves inside the constructor with exit code 0.
// --frame-timeout sets how long a connection may take over a frame; --spare-files lowers the
// limit of open files so that the first instance has only N descriptors left.
//
// With --squat it plays another user who got there first, prints "squatting" and keeps it all
// until its standard input closes: a block of 152 bytes under the System V KEY with MODE
// (octal) that claims a first instance PID, a socket at PATH that acknowledges everything, a
// held lock on a world-writable file at PATH.
#include <QCoreApplication>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSocketNotifier>

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/shm.h>
#include <sys/stat.h>
#include <unistd.h>

#include "SingleApplication.h"
#include "SingleApplicationPrivate.h"

namespace {

void printLine(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Quits the application when standard input closes.
void quitOnClosedInput(QSocketNotifier *input)
{
    QObject::connect(input, &QSocketNotifier::activated, [input] {
        char buffer[256];
        if (::read(STDIN_FILENO, buffer, sizeof(buffer)) <= 0) {
            input->setEnabled(false);
            QCoreApplication::quit();
        }
    });
}

// The limit of open files that leaves exactly spare descriptors free.
rlim_t limitWithSpare(int spare)
{
    int fd = 0;
    for (int free = 0;; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1 && ++free == spare)
            break;
    }
    return rlim_t(fd + 1);
}

int squat(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    int blockId = -1;
    int lockFd = -1;
    QLocalServer server;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--block") == 0 && i + 3 < argc) {
            const key_t key = key_t(std::strtol(argv[i + 1], nullptr, 10));
            const int mode = int(std::strtol(argv[i + 2], nullptr, 8));
            blockId = ::shmget(key, sizeof(SharedInstanceBlock), IPC_CREAT | IPC_EXCL | mode);
            void *memory = blockId >= 0 ? ::shmat(blockId, nullptr, 0) : reinterpret_cast<void *>(-1);
            if (memory == reinterpret_cast<void *>(-1)) {
                std::perror("squat --block");
                return 1;
            }
            auto *block = static_cast<SharedInstanceBlock *>(memory);
            block->initialize();
            block->firstPresent = true;
            block->firstPid = std::strtoll(argv[i + 3], nullptr, 10);
            qstrncpy(block->firstUser, "intruder", sizeof(block->firstUser));
            block->sealChecksum();
            ::shmdt(memory);
            i += 3;
        } else if (std::strcmp(argv[i], "--socket") == 0 && i + 1 < argc) {
            if (!server.listen(QString::fromLocal8Bit(argv[i + 1]))) {
                std::fprintf(stderr, "squat --socket: %s\n", qPrintable(server.errorString()));
                return 1;
            }
            ::chmod(argv[i + 1], 0777);
            QObject::connect(&server, &QLocalServer::newConnection, [&server] {
                while (QLocalSocket *peer = server.nextPendingConnection()) {
                    QObject::connect(peer, &QLocalSocket::readyRead, [peer] {
                        peer->readAll();
                        peer->write("\n");
                    });
                }
            });
            i += 1;
        } else if (std::strcmp(argv[i], "--lock") == 0 && i + 1 < argc) {
            lockFd = ::open(argv[i + 1], O_RDWR | O_CREAT | O_CLOEXEC, 0666);
            if (lockFd < 0 || ::fchmod(lockFd, 0666) != 0 || ::flock(lockFd, LOCK_EX) != 0) {
                std::perror("squat --lock");
                return 1;
            }
            i += 1;
        } else {
            std::fprintf(stderr, "squat: unknown argument %s\n", argv[i]);
            return 2;
        }
    }
    printLine("squatting");
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    quitOnClosedInput(&input);
    const int result = app.exec();
    if (blockId >= 0)
        ::shmctl(blockId, IPC_RMID, nullptr);
    if (lockFd >= 0)
        ::close(lockFd);
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 2 && std::strcmp(argv[1], "--squat") == 0)
        return squat(argc, argv);

    bool usage = argc < 2;
    bool send = false;
    QByteArray message;
    int spareFiles = -1;
    for (int i = 2; i < argc && !usage; i += 2) {
        if (i + 1 >= argc)
            usage = true;
        else if (std::strcmp(argv[i], "--send") == 0) {
            send = true;
            message = QByteArray(argv[i + 1]);
        } else if (std::strcmp(argv[i], "--frame-timeout") == 0)
            SingleApplicationPrivate::setFrameTimeout(std::atoi(argv[i + 1]));
        else if (std::strcmp(argv[i], "--spare-files") == 0)
            spareFiles = std::atoi(argv[i + 1]);
        else
            usage = true;
    }
    if (usage) {
        std::fprintf(stderr, "usage: %s USERDATA [--send MESSAGE] [--frame-timeout MS] "
                             "[--spare-files N]\n", argv[0]);
        return 2;
    }
    const QString userData = QString::fromLocal8Bit(argv[1]);

    // The program gives a first instance a second to answer; the tests start many helpers at
    // once on machines busy with other work, where an answer can take longer.
    constexpr int kAnswerTimeoutMs = 20000;
    SingleApplication app(argc, argv, send, SingleApplication::PerUser, kAnswerTimeoutMs, userData);

    if (app.isFirstInstance())
        printLine("first " + QFile::encodeName(SingleApplicationPrivate::of(app)->serverPath()));
    if (send) {
        printLine(app.sendToFirstInstance(message, kAnswerTimeoutMs) ? "sent true" : "sent false");
        return 0;
    }

    QObject::connect(&app, &SingleApplication::instanceStarted, [] { printLine("started"); });
    QObject::connect(&app, &SingleApplication::receivedMessage,
                     [](uint instanceId, const QByteArray &received) {
                         printLine("message " + QByteArray::number(instanceId) + ' '
                                   + received.toHex());
                     });

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    quitOnClosedInput(&input);
    if (spareFiles >= 0) {
        rlimit limit;
        ::getrlimit(RLIMIT_NOFILE, &limit);
        limit.rlim_cur = limitWithSpare(spareFiles);
        ::setrlimit(RLIMIT_NOFILE, &limit);
    }
    return app.exec();
}
