#pragma once

#include <QImage>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QThreadPool>

#include <memory>

#include "IQImageFrameV2.h"
#include "workers/IQThumbnailJobs.h"

namespace Ui {
class IQEditingFrame;
}

class IQIconReadThread;
class IQImageFile;
class QIcon;
class QMovieProxy;
class QMovieProxyHolder;
class QPixmap;
class QSize;

// The viewer/editor page: a top bar (back, the file name, export), the view with its bottom
// bar (size, the playback bar of animations, zoom, "Apply Convert Settings") and a strip of
// thumbnails, one per listed file. Selecting a thumbnail reads that file behind a waiting
// dialog; while the box is ticked, stills and every animation frame go through the batch
// modules before they are shown.
class IQEditingFrame : public IQImageFrameV2
{
    Q_OBJECT

public:
    explicit IQEditingFrame(QWidget *parent = nullptr);
    ~IQEditingFrame() override;

    void initUi();
    // Lists the paths not listed yet; on an empty page then shows the file at index.
    void loadFiles(const QStringList &paths, int index);
    void clearFileList();

    // The document at the row, or null for a row that lists none.
    IQImageFile *documentAt(int row) const;

    // The reader, preview or export worker the page has running, or null. It goes by itself
    // when it finishes; the page ends it before any document goes.
    QThread *workerThread() const { return worker.data(); }

signals:
    void imageChanged(const QImage *image);
    void editFinished();

private slots:
    void on_fileListWidget_currentRowChanged(int currentRow);
    void on_backButton_clicked();
    void on_applyCheckBox_stateChanged(int arg1);
    void on_exportButton_clicked();

    void showDocument(IQImageFile *file, QImage image, QImage convertedImage, bool update);
    void connectPlayer(IQImageFile *file, const QMovieProxyHolder &movie);
    void onConvertFinished(QImage convertedImage);
    void showDamaged(IQImageFile *file);
    void animationPaused(bool paused);
    void frameChanged(int frame, QImage image);
    void durationChanged(int duration, int frames);

private:
    // Exports what is on show through the export dialog, behind a progress dialog that only
    // the end of the export closes.
    void exportImage();
    void onExportFinished(IQImageFile *file, const QString &path, bool successed);
    void loadFile(IQImageFile *file);
    void setPlaybackControls(IQImageFile *file);
    void setItemIcon(const QIcon &tileIcon, int index, const QSize &originalSize);
    void updateSizeLabel();
    void showSize(const QImage &image);
    // The size label of a still: the file's own size, or what the modules make of it; empty
    // when shown is null.
    void showStillSize(const QImage &shown, bool converted);
    // Empties the view and the labels but the name: nothing of the file can be shown.
    void showNothing(IQImageFile *file);
    void disconnectPlayer();
    // Runs the worker behind the modal waiting dialog until it finishes.
    void runWaiting(QThread *thread);
    // Makes the thread the page's worker, ending the one before it first.
    void adoptWorker(QThread *thread);
    // Asks the worker to stop and waits until it is gone, with what it sent that has not
    // arrived yet: both name documents that are about to go.
    void endWorker();
    // Lets go of the page's dialogs, for a page that goes from inside their loops: each lives
    // on the stack of the call that runs it, and goes there once its loop has ended.
    void releaseDialogs();
    static bool convertFrameHook(QPixmap *frame, void *context);

    std::unique_ptr<Ui::IQEditingFrame> ui;
    int currentRow = 0;
    bool playing = false;
    QImage originalImage;
    // The number of the animation frame on show, which the export reads from the file.
    int currentFrame = 0;
    bool applySettings = false;
    QList<IQImageFile *> files;
    // At most one worker runs, behind a modal dialog on the stack of the call that runs it.
    QPointer<QThread> worker;

protected:
    QThreadPool threadPool;
    // Declared after the pool, which must outlive the jobs.
    IQThumbnailJobs thumbnails;
};
