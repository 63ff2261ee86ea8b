#pragma once

#include <QImage>
#include <QRunnable>
#include <QThread>

#include "settings/IQBatchSettings.h"

class IQImageFile;

// Runs the still image on show through the batch modules, for the viewer's preview. The
// modules are those of the batch record as it stood when the thread was made, on the GUI
// thread; later changes of the record do not reach a running preview.
class IQImageConvertThread : public QThread, public QRunnable
{
    Q_OBJECT

public:
    // The document is kept with the job only; it is not read.
    IQImageConvertThread(IQImageFile *imageFile, const QImage &image);

    void run() override;

signals:
    void convertFinished(QImage convertedImage);

private:
    IQImageFile *m_imageFile = nullptr;
    QImage m_image;
    IQBatchSettings m_settings;
};
