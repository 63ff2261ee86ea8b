#pragma once

#include <QImage>
#include <QMetaType>
#include <QObject>
#include <QPixmap>
#include <QRect>
#include <QString>

#include <memory>

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

    // Hands the objects the source reads through to thread; call on the thread that opened it.
    void moveToThread(QThread *thread)
    {
        if (QObject *object = threadObject())
            object->moveToThread(thread);
    }
    // The thread the source's objects belong to; null until it is opened.
    QThread *thread() const
    {
        const QObject *object = threadObject();
        return object ? object->thread() : nullptr;
    }

protected:
    QMovieProxy() = default;
    QMovieProxy(const QMovieProxy &) = delete;
    QMovieProxy &operator=(const QMovieProxy &) = delete;

    // The object the source reads through, which lives on one thread; null until it is
    // opened, and for a source that reads through no object at all.
    virtual QObject *threadObject() const { return nullptr; }
};

Q_DECLARE_METATYPE(QMovieProxy *)

// A frame source on its way through a queued signal. The holder owns the source until a
// receiver takes it; a source that nobody takes goes with the last copy of its holder, so a
// signal that is never received leaks nothing.
class QMovieProxyHolder
{
public:
    QMovieProxyHolder() = default;
    explicit QMovieProxyHolder(std::unique_ptr<QMovieProxy> movie)
        : m_movie(std::make_shared<std::unique_ptr<QMovieProxy>>(std::move(movie)))
    {
    }

    // The source, handed over once: every later call, on this copy or another, gives null.
    // Call it on the thread that receives the signal.
    std::unique_ptr<QMovieProxy> take() const
    {
        return m_movie ? std::move(*m_movie) : nullptr;
    }
    // The source while nobody has taken it, else null; the holder keeps it.
    QMovieProxy *get() const { return m_movie ? m_movie->get() : nullptr; }

private:
    std::shared_ptr<std::unique_ptr<QMovieProxy>> m_movie;
};

Q_DECLARE_METATYPE(QMovieProxyHolder)
