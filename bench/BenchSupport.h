#pragma once

// Helpers that several benchmarks share: the photos they convert, the load they ran under, the
// memory they held and the child processes they measure alone.
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QString>

#include <cstdlib>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace BenchSupport {

// A photo-like frame: blobs soft blobs of light, of radius to radius + spread, over a
// sky-to-ground gradient, with sensor grain; far more colours than a GIF palette holds. The
// same seed gives the same pixels.
inline QImage photo(int width, int height, int blobs, int radius, int spread, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient ground(0, 0, 0, height);
    ground.setColorAt(0, QColor::fromHsv(random.bounded(360), 90, 230));
    ground.setColorAt(1, QColor::fromHsv(random.bounded(360), 160, 70));
    painter.fillRect(image.rect(), ground);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < blobs; ++i) {
        const QPointF centre(random.bounded(width), random.bounded(height));
        const qreal r = radius + random.bounded(spread);
        QRadialGradient blob(centre, r);
        blob.setColorAt(0, QColor::fromHsv(random.bounded(360), random.bounded(256), 255, 200));
        blob.setColorAt(1, QColor(0, 0, 0, 0));
        painter.setBrush(blob);
        painter.drawEllipse(centre, r, r);
    }
    painter.end();
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int grain = int(random.bounded(9u)) - 4;
            const QRgb p = line[x];
            line[x] = qRgb(qBound(0, qRed(p) + grain, 255), qBound(0, qGreen(p) + grain, 255),
                           qBound(0, qBlue(p) + grain, 255));
        }
    }
    return image;
}

// The load averages of the last 1, 5 and 15 minutes, as "1.00 0.50 0.25".
inline QString loadAverage()
{
    double load[3] = {};
    if (getloadavg(load, 3) != 3)
        return QStringLiteral("unknown");
    return QStringLiteral("%1 %2 %3").arg(load[0], 0, 'f', 2).arg(load[1], 0, 'f', 2)
        .arg(load[2], 0, 'f', 2);
}

// The peak resident memory of this process since it started its program (VmHWM), in kB. Unlike
// ru_maxrss, it holds nothing of the process that started it.
inline long ownPeakKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// What a child process wrote to its standard output, how it ended and what it used.
struct ChildOutput
{
    // Started and waited for.
    bool ran = false;
    QByteArray output;
    int status = 0;
    rusage usage{};
};

// Runs program with arguments (its own name first), in this environment or the one given, in
// folder when one is given, and reads its standard output until it ends.
inline ChildOutput runAndRead(std::vector<QByteArray> arguments,
                              std::vector<QByteArray> environment = {},
                              const QByteArray &folder = QByteArray())
{
    ChildOutput child;
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::vector<char *> envp;
    for (QByteArray &line : environment)
        envp.push_back(line.data());
    envp.push_back(nullptr);

    int pipeEnds[2];
    if (argv.size() < 2 || pipe(pipeEnds) != 0)
        return child;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    if (!folder.isEmpty())
        posix_spawn_file_actions_addchdir_np(&actions, folder.constData());
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(),
                                    environment.empty() ? environ : envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        return child;
    }
    char buffer[4096];
    for (ssize_t got; (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        child.output.append(buffer, int(got));
    close(pipeEnds[0]);
    child.ran = wait4(pid, &child.status, 0, &child.usage) == pid;
    return child;
}

// True when the child ran and exited with 0.
inline bool succeeded(const ChildOutput &child)
{
    return child.ran && WIFEXITED(child.status) && WEXITSTATUS(child.status) == 0;
}

} // namespace BenchSupport
