#include "IQFileBrowserFrame.h"

#include <QFileInfo>
#include <QIcon>
#include <QListWidget>

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
        item->setData(kPathRole, path);
    }
    return true;
}

void IQFileBrowserFrame::removeSelectedFiles()
{
    const QList<QListWidgetItem *> selected = listWidget->selectedItems();
    for (QListWidgetItem *item : selected) {
        files.removeOne(item->data(kPathRole).toString());
        delete item;
    }
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
