#pragma once

#include <QImage>
#include <QRunnable>
#include <QString>
#include <QThread>

#include <memory>

#include "IQExportOptions.h"

class IQBatchSettings;
class IQConvertEngine;
class IQFramePipeline;
class IQImageFile;

// Writes one export into the record's folder: the current frame, every frame of the document
// as a file of its own, or the document as one animated GIF or WebP, each picture run through
// the batch modules when the record asks for it. Reports progress through saving and the
// outcome through saveFinished, then finishes; the caller lets finished() delete it.
//
// The thread works on copies taken when it is made, on the creating thread: the record, the
// document's path and kind, and the batch record when the modules apply. The document itself
// is only handed back in saveFinished. It stops between pictures and between frames once
// requestInterruption() has been called; what it had not finished is then not written.
class IQExportThread : public QThread, public QRunnable
{
    Q_OBJECT

public:
    // image is the current frame of an animation as its source delivered it; a still
    // document is read again from its file.
    IQExportThread(IQImageFile *imageFile, const QImage &image, const IQExportOptions *options);
    ~IQExportThread() override;

    // The number of the animation frame on show: the current-frame export then reads that
    // frame from the file instead of writing the image handed in, which the viewer may have
    // run through the modules already.
    void setFrameNumber(int frame) { frameNumber = frame; }

    // Overrides both QThread::run and QRunnable::run.
    void run() override;

signals:
    // The number of pictures written so far.
    void saving(int index);
    // The last path built (empty when none was) and whether everything asked for was written.
    void saveFinished(IQImageFile *imageFile, QString file, bool successed);

private:
    bool exportCurrentFrame(QString *path);
    bool exportAllFrames(QString *path);
    bool exportAnimation(QString *path);

    // The document's frames on their way to the output, with this export's engine and stop.
    void prepare(IQFramePipeline &source);
    // folder/fileName, unless that names the document itself: an export never replaces its
    // own source, it takes the first free numbered name beside it instead.
    QString targetPath(const QString &fileName) const;
    // Writes a still picture in the record's format.
    bool saveStill(const QImage &picture, const QString &path) const;

    IQImageFile *imageFile = nullptr;
    IQExportOptions options;
    QImage image;
    int frameNumber = -1;
    QString sourcePath;
    bool animated = false;
    // The batch record as it stood when the export was asked for; null unless apply is set.
    std::unique_ptr<IQBatchSettings> settings;
    // Made on the worker thread for settings, and used there only.
    std::unique_ptr<IQConvertEngine> engine;
};
