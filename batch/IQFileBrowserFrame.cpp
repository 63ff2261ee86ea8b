#include "IQFileBrowserFrame.h"

#include <QFileInfo>
#include <QIcon>
#include <QListWidget>

#include "workers/IQIconReadThread.h"

namespace {

constexpr int kMaxThumbnailThreads = 5;
constexpr int kJobRole = Qt::UserRole + 1;
constexpr int kPathRole = Qt::UserRole + 2;
const QSize kTileSize(120, 140);

} // namespace

IQFileBrowserFrame::IQFileBrowserFrame(QWidget *parent)
    : QFrame(parent)
    , thumbnails(&threadPool)
{
    threadPool.setMaxThreadCount(kMaxThumbnailThreads);
    connect(&thumbnails, &IQThumbnailJobs::thumbnailRead, this,
            [this](IQIconReadThread *job, const QIcon &icon, int, const QSize &size) {
                onThumbnailRead(job, icon, size);
            });
}

IQFileBrowserFrame::~IQFileBrowserFrame() = default;

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
        IQIconReadThread *job = thumbnails.start(path, files.size() - 1);
        tiles.emplace(job, item);
        item->setData(kJobRole, QVariant::fromValue(job));
        item->setData(kPathRole, path);
    }
    return true;
}

void IQFileBrowserFrame::onThumbnailRead(IQIconReadThread *job, const QIcon &icon,
                                         const QSize &size)
{
    const auto found = tiles.find(job);
    if (found != tiles.end())
        setItemIcon(icon, listWidget->row(found->second), size);
}

void IQFileBrowserFrame::removeSelectedFiles()
{
    const QList<QListWidgetItem *> selected = listWidget->selectedItems();
    for (QListWidgetItem *item : selected) {
        releaseThumbnail(item);
        files.removeOne(item->data(kPathRole).toString());
        delete item;
    }
}

void IQFileBrowserFrame::releaseThumbnail(QListWidgetItem *item)
{
    auto *job = item->data(kJobRole).value<IQIconReadThread *>();
    tiles.erase(job);
    thumbnails.retire(job);
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
