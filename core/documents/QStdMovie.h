#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

#include "documents/QMovieProxy.h"

class QMovie;

// A frame source over QMovie, for the animations Qt's readers play (GIF, APNG, WebP).
class QStdMovie : public QMovieProxy
{
public:
    QStdMovie();
    ~QStdMovie() override;

    // Always true: a file the movie cannot decode shows as no frames and an error text.
    bool open(const QString &path, const QByteArray &format);

    QRect frameRect() const override;
    QImage currentImage() override;
    QPixmap currentPixmap() override;
    // Reaches any frame, backwards too, although the readers behind QMovie only step forward.
    bool jumpToFrame(int frameNumber) override;
    int currentFrameNumber() const override;
    // The current frame's own delay, however long decoding it took.
    int nextFrameDelay() const override;
    int loopCount() const override;
    int frameCount() const override;
    bool isValid() const override;
    // Goes on from the last frame to the first; a frame that cannot be decoded ends the step
    // with false, and the source stays where it was.
    bool jumpToNextFrame() override;
    QString lastErrorString() const override;

protected:
    QObject *threadObject() const override;

private:
    bool rewindTo(int frameNumber);
    // Runs one of the movie's steps, noting how long it decoded when it moved.
    template <typename Step>
    bool timedStep(Step step);

    std::unique_ptr<QMovie> m_movie;
    // What decoding the current frame took, which QMovie took off its delay.
    int m_decodeMs = 0;
};
