#pragma once

#include <QImage>
#include <QRunnable>
#include <QString>
#include <QThread>

#include "IQExportOptions.h"

class IQImageFile;
class QImageReader;

// Writes one export into exportOutputDir: the current frame, every frame of the document as a
// file of its own, or the document as one animated GIF or WebP, each picture run through the
// batch modules when the record asks for it. Reports progress through saving and the outcome
// through saveFinished, then finishes; the caller lets finished() delete it.
class IQExportThread : public QThread, public QRunnable
{
    Q_OBJECT

public:
    // The document is borrowed and must outlive the thread. image is the current frame of an
    // animation as its source delivered it; a still document is read again from its file.
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
    bool exportGifAnimation(QImageReader &reader, QImage first, int count, const QString &path);
    bool exportWebpAnimation(QImageReader &reader, QImage first, int count, const QString &path);

    // folder/fileName, unless that names the document itself: an export never replaces its
    // own source, it takes the first free numbered name beside it instead.
    QString targetPath(const QString &fileName) const;
    // The picture as the record wants it written: converted once when apply is set.
    QImage prepared(QImage picture) const;
    // Writes a still picture in the record's format.
    bool saveStill(const QImage &picture, const QString &path) const;

    IQImageFile *imageFile = nullptr;
    IQExportOptions options;
    QImage image;
    int frameNumber = -1;
};
