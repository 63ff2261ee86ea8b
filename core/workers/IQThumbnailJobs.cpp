#include "workers/IQThumbnailJobs.h"

#include <QIcon>
#include <QPointer>
#include <QSize>
#include <QThreadPool>

#include "workers/IQIconReadThread.h"

namespace {

constexpr int kIdleCheckMs = 100;

} // namespace

IQThumbnailJobs::IQThumbnailJobs(QThreadPool *pool, QObject *parent)
    : QObject(parent)
    , m_pool(pool)
{
    // Receivers of thumbnailRead may queue it or spy on it.
    qRegisterMetaType<IQIconReadThread *>();
    m_idleCheck.setInterval(kIdleCheckMs);
    connect(&m_idleCheck, &QTimer::timeout, this, &IQThumbnailJobs::deleteRetiredJobs);
}

IQThumbnailJobs::~IQThumbnailJobs()
{
    // No job may be deleted under a pool thread: stop them all, take back those not started
    // and wait for the rest before deleting any.
    for (auto &entry : m_jobs) {
        entry.second.job->abort();
        (void)m_pool->tryTake(entry.second.job.get());
    }
    m_pool->waitForDone();
    m_jobs.clear();
}

IQIconReadThread *IQThumbnailJobs::start(const QString &path, int index)
{
    auto job = std::make_unique<IQIconReadThread>(path, index);
    IQIconReadThread *raw = job.get();
    raw->setAutoDelete(false);
    // The result arrives queued, possibly after the job was deleted; the guard tells that
    // apart from a new job made at the same address.
    const QPointer<IQIconReadThread> guard(raw);
    connect(raw, &IQIconReadThread::readFinished, this,
            [this, guard](const QImage &tile, int index, const QSize &size) {
                if (guard)
                    onReadFinished(guard.data(), tile, index, size);
            });
    m_jobs.emplace(raw, Entry{std::move(job), false});
    m_pool->start(raw, 0);
    return raw;
}

void IQThumbnailJobs::retire(IQIconReadThread *job)
{
    const auto found = m_jobs.find(job);
    if (found == m_jobs.end() || found->second.retired)
        return;
    job->abort();
    if (m_pool->tryTake(job)) {
        m_jobs.erase(found);
        return;
    }
    found->second.retired = true;
    ++m_retired;
    deleteRetiredJobs();
}

void IQThumbnailJobs::retireAll()
{
    std::vector<IQIconReadThread *> live;
    live.reserve(m_jobs.size());
    for (const auto &entry : m_jobs) {
        if (!entry.second.retired)
            live.push_back(entry.second.job.get());
    }
    for (IQIconReadThread *job : live)
        retire(job);
}

int IQThumbnailJobs::count() const
{
    return int(m_jobs.size());
}

bool IQThumbnailJobs::isLive(const IQIconReadThread *job) const
{
    const auto found = m_jobs.find(job);
    return found != m_jobs.end() && !found->second.retired;
}

void IQThumbnailJobs::onReadFinished(IQIconReadThread *job, const QImage &tile, int index,
                                     const QSize &size)
{
    // The icon is made here, on the GUI thread, where pixmaps may be made.
    if (isLive(job))
        emit thumbnailRead(job, IQIconReadThread::tileIcon(tile), index, size);
    deleteRetiredJobs();
}

void IQThumbnailJobs::deleteRetiredJobs()
{
    if (m_retired == 0) {
        m_idleCheck.stop();
        return;
    }
    // With no pool thread active, no job is running and none is queued.
    if (m_pool->activeThreadCount() != 0) {
        if (!m_idleCheck.isActive())
            m_idleCheck.start();
        return;
    }
    for (auto it = m_jobs.begin(); it != m_jobs.end();) {
        if (it->second.retired)
            it = m_jobs.erase(it);
        else
            ++it;
    }
    m_retired = 0;
    m_idleCheck.stop();
}
