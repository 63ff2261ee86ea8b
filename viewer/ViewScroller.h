#pragma once

#include <Qt>

#include <memory>

class QTimeLine;

// The image view's animated scrolling: one time line for each scroll bar, whose frames are the
// bar's values. A step given while one runs the same way goes on from where that one ends, and
// further, so that steps in a row speed up.
class ViewScroller
{
public:
    static constexpr int kStep = 220;

    ViewScroller();
    ~ViewScroller();

    QTimeLine *timeLine(Qt::Orientation orientation) const;
    // One step the way delta points, for the bar that stands at current; none for a zero delta.
    void step(Qt::Orientation orientation, int current, int delta);
    // Stops each time line that runs.
    void stop();

private:
    std::unique_ptr<QTimeLine> m_horizontal;
    std::unique_ptr<QTimeLine> m_vertical;
};
