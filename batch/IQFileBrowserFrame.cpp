#include "IQFileBrowserFrame.h"

#include <QFileInfo>
#include <QIcon>
#include <QListWidget>
#include <QPointer>

#include "IQIconReadThread.h"

namespace {

constexpr int kMaxThumbnailThreads = 5;
constexpr int kJobRole = Qt::UserRole + 1;
constexpr int kPathRole = Qt::UserRole + 2;
const QSize kTileSize(120, 140);

} // namespace

IQFileBrowserFrame::IQFileBrowserFrame(QWidget *parent)
    : QFrame(parent)
{
    threadPool.setMaxThreadCount(kMaxThumbnailThreads);
}

IQFileBrowserFrame::~IQFileBrowserFrame()
{
    // No job may outlive the page or be deleted under a pool thread: stop them all, drop
    // those not started and wait for the rest before deleting any.
    for (const auto &entry : jobs)
        entry.second.job->abort();
    threadPool.clear();
    threadPool.waitForDone();
    jobs.clear();
}

bool IQFileBrowserFrame::acceptFile(const QString &path)
{
    Q_UNUSED(path)
    return true;
}

void IQFileBrowserFrame::initUi()
{
}

bool IQFileBrowserFrame::addFiles(const QStringList &paths)
{
    for (const QString &path : paths) {
        // Paths are compared exactly: on Linux a.png and A.png are two files.
        if (files.contains(path))
            continue;
        files.append(path);
        auto *item = new QListWidgetItem;
        item->setSizeHint(kTileSize);
        item->setTextAlignment(Qt::AlignCenter);
        item->setText(QFileInfo(path).fileName());
        listWidget->addItem(item);
        startThumbnail(item, path, files.size() - 1);
        item->setData(kPathRole, path);
    }
    return true;
}

void IQFileBrowserFrame::startThumbnail(QListWidgetItem *item, const QString &path, int index)
{
    static const int registered = qRegisterMetaType<IQIconReadThread *>();
    Q_UNUSED(registered)

    auto job = std::make_unique<IQIconReadThread>(path, index);
    IQIconReadThread *raw = job.get();
    raw->setAutoDelete(false);
    // The job runs on a pool thread, so its result arrives queued on this one, possibly
    // after the job was released; the guard tells that from a new job at the same address.
    const QPointer<IQIconReadThread> guard(raw);
    connect(raw, &IQIconReadThread::readFinished, this,
            [this, guard](const QIcon &icon, int, const QSize &size) {
                if (guard)
                    onThumbnailRead(guard.data(), icon, size);
            });
    jobs.emplace(raw, Job{std::move(job), item});
    item->setData(kJobRole, QVariant::fromValue(raw));
    threadPool.start(raw, 0);
}

void IQFileBrowserFrame::onThumbnailRead(IQIconReadThread *job, const QIcon &icon,
                                         const QSize &size)
{
    const auto found = jobs.find(job);
    if (found != jobs.end() && found->second.tile)
        setItemIcon(icon, listWidget->row(found->second.tile), size);
    deleteRetiredJobs();
}

void IQFileBrowserFrame::removeSelectedFiles()
{
    const QList<QListWidgetItem *> selected = listWidget->selectedItems();
    for (QListWidgetItem *item : selected) {
        releaseThumbnail(item);
        files.removeOne(item->data(kPathRole).toString());
        delete item;
    }
    deleteRetiredJobs();
}

void IQFileBrowserFrame::releaseThumbnail(QListWidgetItem *item)
{
    auto *job = item->data(kJobRole).value<IQIconReadThread *>();
    const auto found = jobs.find(job);
    if (found == jobs.end())
        return;
    job->abort();
    if (threadPool.tryTake(job)) {
        jobs.erase(found);
        return;
    }
    found->second.tile = nullptr;
    ++retiredJobs;
}

void IQFileBrowserFrame::deleteRetiredJobs()
{
    // With no pool thread active, no job is running and none is queued.
    if (retiredJobs == 0 || threadPool.activeThreadCount() != 0)
        return;
    for (auto it = jobs.begin(); it != jobs.end();) {
        if (it->second.tile)
            ++it;
        else
            it = jobs.erase(it);
    }
    retiredJobs = 0;
}

void IQFileBrowserFrame::setItemIcon(const QIcon &icon, int index, const QSize &size)
{
    QListWidgetItem *item = listWidget->item(index);
    if (!item)
        return;
    item->setIcon(icon);
    // One pass, so a name such as "50%2.png" is not taken for a placeholder.
    item->setToolTip(QStringLiteral("%1\r\n%2 x %3")
                         .arg(item->text(), QString::number(size.width()),
                              QString::number(size.height())));
}

QStringList IQFileBrowserFrame::selectedFiles() const
{
    QStringList paths;
    const QList<QListWidgetItem *> selected = listWidget->selectedItems();
    for (const QListWidgetItem *item : selected)
        paths.append(item->data(kPathRole).toString());
    return paths;
}
