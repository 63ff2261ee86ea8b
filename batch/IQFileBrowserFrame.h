#pragma once

#include <QFrame>
#include <QStringList>
#include <QThreadPool>

#include <memory>
#include <unordered_map>

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
    void startThumbnail(QListWidgetItem *item, const QString &path, int index);
    void onThumbnailRead(IQIconReadThread *job, const QIcon &icon, const QSize &size);
    // Stops the job of a tile that goes; a job already on a pool thread is kept until
    // the pool is idle.
    void releaseThumbnail(QListWidgetItem *item);
    void deleteRetiredJobs();

    // Every job the page made and has not deleted yet, with the tile it belongs to, null
    // once the tile is gone. Results are routed by job, as rows move when tiles go.
    struct Job
    {
        std::unique_ptr<IQIconReadThread> job;
        QListWidgetItem *tile = nullptr;
    };
    std::unordered_map<const IQIconReadThread *, Job> jobs;
    int retiredJobs = 0;
};
