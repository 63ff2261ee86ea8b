#pragma once

#include <QImage>
#include <QRunnable>
#include <QThread>

#include "documents/QMovieProxy.h"

class IQImageFile;

// Reads the file selected on the viewer page: a still image, normalised for display and,
// when asked, also run through the batch modules, or an animation as a frame source that the
// receiver takes from its holder. A file that cannot be read, or claims more pixels than the
// program decodes, arrives as two null images. Emits one of its two signals once, then
// finishes.
class IQImageReadThread : public QThread, public QRunnable
{
    Q_OBJECT

public:
    // The document is borrowed; it must outlive the thread.
    IQImageReadThread(IQImageFile *imageFile, bool apply);

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
    bool m_apply = false;
};
