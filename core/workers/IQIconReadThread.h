#pragma once

#include <QIcon>
#include <QImage>
#include <QRunnable>
#include <QSize>
#include <QString>
#include <QThread>

#include <atomic>

// A thumbnail job for a thread pool: the 240 x 240 tile of one file, composed as an image on
// the pool thread; the receiver makes the icon on the GUI thread with tileIcon. The page that
// makes it switches its auto-deletion off and deletes it itself.
class IQIconReadThread : public QThread, public QRunnable
{
    Q_OBJECT

public:
    IQIconReadThread(const QString &path, int index);

    void run() override;

    // The icon of a finished tile, at the application's device pixel ratio; GUI thread only.
    static QIcon tileIcon(const QImage &tile);

signals:
    void readFinished(QImage tileImage, int index, QSize originalSize);

public slots:
    // Safe from any thread; the job looks at the flag before reading and after decoding.
    void abort();

private:
    QString m_path;
    int m_index = 0;
    std::atomic<bool> m_abort{false};
};
