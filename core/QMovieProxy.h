#pragma once

#include <QImage>
#include <QMetaType>
#include <QPixmap>
#include <QRect>
#include <QString>

// One way to step through the frames of an animated image, whatever decodes it. A source
// never plays by itself: it moves only when asked. Deleting it through this interface
// frees everything it holds.
class QMovieProxy
{
public:
    virtual ~QMovieProxy() = default;

    virtual QRect frameRect() const = 0;
    virtual QImage currentImage() = 0;
    virtual QPixmap currentPixmap() = 0;
    virtual bool jumpToFrame(int frameNumber) = 0;
    virtual int currentFrameNumber() const = 0;
    // Milliseconds to show the current frame.
    virtual int nextFrameDelay() const = 0;
    virtual int loopCount() const = 0;
    virtual int frameCount() const = 0;
    // Whether the source has something to play.
    virtual bool isValid() const = 0;
    virtual bool jumpToNextFrame() = 0;
    virtual QString lastErrorString() const = 0;

protected:
    QMovieProxy() = default;
    QMovieProxy(const QMovieProxy &) = delete;
    QMovieProxy &operator=(const QMovieProxy &) = delete;
};

Q_DECLARE_METATYPE(QMovieProxy *)
