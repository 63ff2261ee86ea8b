#pragma once

#include <QImage>
#include <QRunnable>
#include <QThread>

class IQImageFile;

// Runs the still image on show through the batch modules, for the viewer's preview.
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
};
