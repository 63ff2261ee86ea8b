#include "workers/IQThumbnailJobs.h"

#include <QIcon>
#include <QPointer>
#include <QSize>
#include <QThreadPool>

#include "workers/IQIconReadThread.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

constexpr int kIdleCheckMs = 100;

// Each pool thread decodes in a heap arena of its own, which keeps the pages it freed; glibc
// gives them back only when asked.
void releaseFreeHeap()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace

IQThumbnailJobs::IQThumbnailJobs(QThreadPool *pool, QObject *parent)
    : QObject(parent)
    , m_pool(pool)
{
    // Receivers of thumbnailRead may queue it or spy on it.
    qRegisterMetaType<IQIconReadThread *>();
    m_idleCheck.setInterval(kIdleCheckMs);
    connect(&m_idleCheck, &QTimer::timeout, this, &IQThumbnailJobs::whenIdle);
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
    m_jobs.emplace(raw, Entry{std::move(job), false, false});
    ++m_pending;
    m_pool->start(raw, 0);
    return raw;
}

void IQThumbnailJobs::retire(IQIconReadThread *job)
{
    const auto found = m_jobs.find(job);
    if (found == m_jobs.end() || found->second.retired)
        return;
    job->abort();
    settle(&found->second.done);
    if (m_pool->tryTake(job)) {
        m_jobs.erase(found);
        whenIdle();
        return;
    }
    found->second.retired = true;
    ++m_retired;
    whenIdle();
}

void IQThumbnailJobs::settle(bool *done)
{
    if (*done)
        return;
    *done = true;
    if (--m_pending == 0)
        m_trimDue = true;
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
    const auto found = m_jobs.find(job);
    const bool live = found != m_jobs.end() && !found->second.retired;
    if (live)
        settle(&found->second.done);
    // The icon is made here, on the GUI thread, where pixmaps may be made.
    if (live)
        emit thumbnailRead(job, IQIconReadThread::tileIcon(tile), index, size);
    whenIdle();
}

void IQThumbnailJobs::whenIdle()
{
    if (m_retired == 0 && !m_trimDue) {
        m_idleCheck.stop();
        return;
    }
    // With no pool thread active, no job is running and none is queued.
    if (m_pool->activeThreadCount() != 0) {
        if (!m_idleCheck.isActive())
            m_idleCheck.start();
        return;
    }
    for (auto it = m_jobs.begin(); m_retired != 0 && it != m_jobs.end();) {
        if (it->second.retired) {
            it = m_jobs.erase(it);
            --m_retired;
        } else {
            ++it;
        }
    }
    if (m_trimDue && m_pending == 0)
        releaseFreeHeap();
    m_trimDue = false;
    m_idleCheck.stop();
}
