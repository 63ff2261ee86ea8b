#pragma once

#include <QFrame>
#include <QStringList>
#include <QThreadPool>

#include <unordered_map>

#include "workers/IQThumbnailJobs.h"

class IQIconReadThread;
class QIcon;
class QListWidget;
class QListWidgetItem;
class QSize;

// A list of files shown as tiles, a thumbnail and the file name each, with the thumbnails
// made in the background on the page's own thread pool. The derived page supplies the list
// widget in its initUi.
class IQFileBrowserFrame : public QFrame
{
    Q_OBJECT

public:
    explicit IQFileBrowserFrame(QWidget *parent = nullptr);
    ~IQFileBrowserFrame() override;

    virtual bool acceptFile(const QString &path);
    virtual void removeSelectedFiles();
    // Adds one tile per path not listed yet; always true.
    virtual bool addFiles(const QStringList &paths);
    virtual void initUi();

    // A finished thumbnail for the tile at row index; the size is that of the full image.
    void setItemIcon(const QIcon &icon, int index, const QSize &size);
    // The full paths of the selected tiles, in the list widget's order of selection.
    QStringList selectedFiles() const;

protected:
    QThreadPool threadPool;
    QStringList files; // entry i belongs to row i of listWidget
    QListWidget *listWidget = nullptr;

private:
    void onThumbnailRead(IQIconReadThread *job, const QIcon &icon, const QSize &size);
    // Stops the job of a tile that goes.
    void releaseThumbnail(QListWidgetItem *item);

    // Declared after the pool, which must outlive the jobs.
    IQThumbnailJobs thumbnails;
    // The tile of every live job; rows move when tiles go, so results are routed by job.
    std::unordered_map<const IQIconReadThread *, QListWidgetItem *> tiles;
};
