#pragma once

#include <QObject>
#include <QTimer>

#include <memory>
#include <unordered_map>
#include <vector>

class IQIconReadThread;
class QIcon;
class QImage;
class QSize;
class QString;
class QThreadPool;

// The thumbnail jobs of one page on the page's pool. Results are routed by the job that made
// them, never by a row, since rows move and lists are refilled while jobs still run. A job
// that is retired reports nothing any more; one not started yet is taken back and deleted at
// once, one already on a pool thread is deleted as soon as the pool is idle. Once every job has
// reported and the pool is idle, the heap the pool threads freed is given back to the system.
// Destroying this object stops every job, waits for the pool and deletes them all.
class IQThumbnailJobs : public QObject
{
    Q_OBJECT

public:
    // The pool runs nothing but these jobs and must outlive this object.
    explicit IQThumbnailJobs(QThreadPool *pool, QObject *parent = nullptr);
    ~IQThumbnailJobs() override;

    // Makes a job for the file and starts it at priority 0; index travels with its result.
    IQIconReadThread *start(const QString &path, int index);
    // Stops the job; null and jobs this object does not hold are ignored.
    void retire(IQIconReadThread *job);
    void retireAll();

    // Jobs not deleted yet, retired ones included.
    int count() const;
    // Whether the job is held and not retired.
    bool isLive(const IQIconReadThread *job) const;

signals:
    // The thumbnail of a live job, on this object's thread.
    void thumbnailRead(IQIconReadThread *job, const QIcon &icon, int index, const QSize &size);

private:
    void onReadFinished(IQIconReadThread *job, const QImage &tile, int index, const QSize &size);
    // Counts a job out of the pending ones; when it was the last, the heap is to be given back.
    void settle(bool *done);
    // Deletes the retired jobs and gives the heap back, once no pool thread is active.
    void whenIdle();

    struct Entry
    {
        std::unique_ptr<IQIconReadThread> job;
        bool retired = false;
        // Reported or retired: the job is not waited for any more.
        bool done = false;
    };

    QThreadPool *m_pool = nullptr;
    std::unordered_map<const IQIconReadThread *, Entry> m_jobs;
    int m_retired = 0;
    // Jobs started and neither reported nor retired.
    int m_pending = 0;
    bool m_trimDue = false;
    // A retired job that aborts sends nothing, and a job that has reported is still on its
    // pool thread for a moment, so idleness is also looked for on a timer.
    QTimer m_idleCheck;
};
