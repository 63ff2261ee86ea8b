#pragma once

#include <QImage>
#include <QRunnable>
#include <QString>
#include <QThread>

#include "documents/QMovieProxy.h"
#include "settings/IQBatchSettings.h"

class IQImageFile;

// Reads the file selected on the viewer page: a still image, normalised for display and,
// when asked, also run through the batch modules, or an animation as a frame source that the
// receiver takes from its holder. A file that cannot be read, or claims more pixels than the
// program decodes, arrives as two null images. Emits one of its two signals once, then
// finishes; asked to stop while it decodes a still, it finishes without a result.
//
// What it reads it copies when it is made, on the GUI thread: the document's path, kind and
// format, and the batch record. The document itself only travels back in the signals, never
// touched here; an animation tells its receiver that the document plays.
class IQImageReadThread : public QThread, public QRunnable
{
    Q_OBJECT

public:
    IQImageReadThread(IQImageFile *imageFile, bool apply);

    // The still's own size, before it was widened for display; read on the GUI thread once
    // readStaticFinished has arrived.
    QSize imageSize() const { return m_imageSize; }

    void run() override;

    // Whether the document is to be played as an animation; a HEIC file counts when its
    // reader holds at least two images.
    bool isAnimated(bool isHeic);
    bool readStaticImage();

signals:
    void readStaticFinished(IQImageFile *imageFile, QImage image, QImage convertedImage,
                            bool update);
    void readAnimationFinished(IQImageFile *imageFile, QMovieProxyHolder movie);
    // Instead of either: the file's picture data stop short, and nothing of it is delivered.
    void readDamaged(IQImageFile *imageFile);

private:
    bool readAnimation(bool isHeic);
    void emitUnreadable();

    IQImageFile *m_imageFile = nullptr;
    QString m_path;
    int m_kind = 0;
    QString m_format;
    bool m_apply = false;
    QSize m_imageSize;
    IQBatchSettings m_settings;
};
