#pragma once

#include <QColor>
#include <QList>
#include <QSize>
#include <QString>

#include <memory>

#include "documents/QMovieProxy.h"

// A frame source that plays a script instead of a file: one solid colour per frame, each with
// its own delay and size, and faults on cue. Like the readers behind QMovie it only steps
// forward, so reaching an earlier frame restarts it from the first. Its counters outlive it,
// for tests that hand it to an owner.
class ScriptedMovie : public QMovieProxy
{
public:
    struct Counters {
        int decodes = 0;   // frames produced, the first one included
        int rewinds = 0;   // restarts from the first frame
        int destroyed = 0; // times the destructor ran
    };

    explicit ScriptedMovie(const QList<QColor> &colors, const QSize &size = QSize(64, 48));
    ~ScriptedMovie() override;

    // The counters, shared, so they can be read after the source is gone.
    std::shared_ptr<Counters> counters() const { return m_counters; }

    // Delays in milliseconds, one per frame (40 for frames past the list).
    void setDelays(const QList<int> &delaysMs) { m_delays = delaysMs; }
    // One size per frame; frames past the list keep the size given at construction.
    void setSizes(const QList<QSize> &sizes) { m_sizes = sizes; }
    // The step into this frame fails, as a truncated file does.
    void failStepInto(int frame) { m_failAt = frame; }
    // The step into this frame answers success but stays where it is.
    void stallStepInto(int frame) { m_stallAt = frame; }
    void setValid(bool valid) { m_valid = valid; }

    QColor colorOf(int frame) const { return m_colors.value(frame); }
    QSize sizeOf(int frame) const;

    QRect frameRect() const override;
    QImage currentImage() override;
    QPixmap currentPixmap() override;
    bool jumpToFrame(int frameNumber) override;
    int currentFrameNumber() const override { return m_frame; }
    int nextFrameDelay() const override;
    int loopCount() const override { return -1; }
    int frameCount() const override { return m_valid ? m_colors.size() : 0; }
    bool isValid() const override { return m_valid; }
    // Goes on from the last frame to the first, as the program's sources do.
    bool jumpToNextFrame() override;
    QString lastErrorString() const override { return m_error; }

private:
    bool stepTo(int frame);

    QList<QColor> m_colors;
    QList<int> m_delays;
    QList<QSize> m_sizes;
    QSize m_size;
    int m_frame = 0;
    int m_failAt = -1;
    int m_stallAt = -1;
    bool m_valid = true;
    QString m_error;
    std::shared_ptr<Counters> m_counters = std::make_shared<Counters>();
};
