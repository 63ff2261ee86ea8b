#pragma once

#include <QImage>
#include <QString>

#include <memory>

#include "documents/QMovieProxy.h"

class QImageReader;

// A frame source over a multi-image reader (a HEIC/HEIF sequence), one image at a time,
// each shown for 100 ms, looping for ever.
class QHEICMovie : public QMovieProxy
{
public:
    QHEICMovie();
    ~QHEICMovie() override;

    // True when the file reads and holds at least one image.
    bool open(const QString &path);

    QRect frameRect() const override;
    // The image at the current frame number, the same however often it is asked.
    QImage currentImage() override;
    QPixmap currentPixmap() override;
    bool jumpToFrame(int frameNumber) override;
    int currentFrameNumber() const override;
    int nextFrameDelay() const override;
    int loopCount() const override;
    int frameCount() const override;
    bool isValid() const override;
    bool jumpToNextFrame() override;
    QString lastErrorString() const override;

protected:
    QObject *threadObject() const override;

private:
    QImage decode(int frameNumber);

    std::unique_ptr<QImageReader> m_reader;
    int m_frameIndex = 0;
    bool m_valid = false;
    // The last decoded image and its number, so that asking twice decodes once.
    QImage m_image;
    int m_imageIndex = -1;
};
