// A program that builds the application object as the program's start-up does, for the
// single-instance tests. Usage: singleinstance_helper USERDATA [--send MESSAGE]
//
// It prints one line per event and quits when its standard input closes:
//   "first <block name>"       once it is the first instance;
//   "started"                  for every instanceStarted;
//   "message <id> <hex bytes>" for every receivedMessage;
//   "sent true" or "sent false" after --send, which admits it as a later instance, sends
//                              MESSAGE to the first instance and leaves.
// A later instance without --send leaves inside the constructor with exit code 0.
#include <QSocketNotifier>

#include <cstdio>
#include <cstring>
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

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2 && !(argc == 4 && std::strcmp(argv[2], "--send") == 0)) {
        std::fprintf(stderr, "usage: %s USERDATA [--send MESSAGE]\n", argv[0]);
        return 2;
    }
    const QString userData = QString::fromLocal8Bit(argv[1]);
    const bool send = argc == 4;
    const QByteArray message = send ? QByteArray(argv[3]) : QByteArray();

    SingleApplication app(argc, argv, send, SingleApplication::PerUser, 1000, userData);

    if (app.isFirstInstance()) {
        const QString name = SingleApplicationPrivate::makeServerName(
            ServerNameInputs::ofThisProcess(app.userData()), SingleApplication::PerUser);
        printLine("first " + name.toLatin1());
    }
    if (send) {
        printLine(app.sendToFirstInstance(message, 1000) ? "sent true" : "sent false");
        return 0;
    }

    QObject::connect(&app, &SingleApplication::instanceStarted, [] { printLine("started"); });
    QObject::connect(&app, &SingleApplication::receivedMessage,
                     [](uint instanceId, const QByteArray &received) {
                         printLine("message " + QByteArray::number(instanceId) + ' '
                                   + received.toHex());
                     });

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&input] {
        char buffer[256];
        if (::read(STDIN_FILENO, buffer, sizeof(buffer)) <= 0) {
            input.setEnabled(false);
            QCoreApplication::quit();
        }
    });
    return app.exec();
}
