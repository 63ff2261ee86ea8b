#pragma once

#include <QPoint>

// What the mouse is doing over the image view, in view coordinates: nothing, a left drag that
// may drag the image out of the view, a pan, a zoom-drag with the right button, or a wheel turn.
// The view asks it what a move means and does the scrolling and zooming itself.
class ViewGesture
{
public:
    enum State { Idle = 0, DragOut = 1, Pan = 3, ZoomDrag = 4, Wheel = 5 };

    struct LeftMove {
        bool panStarted = false;
        bool draggedOut = false;
        // Whether to scroll by panBy, which makes the image follow the mouse.
        bool pans = false;
        QPoint panBy;
    };

    State state() const { return m_state; }
    void setState(State state) { m_state = state; }
    QPoint pressPos() const { return m_pressPos; }
    void setPressPos(const QPoint &pos) { m_pressPos = pos; }

    void press(const QPoint &pos);
    // A move with the left button held; imageFits tells whether the scaled image fits the view.
    LeftMove leftMove(const QPoint &pos, bool imageFits);
    // A move with the right button held. Once the drag is past threshold view pixels up or
    // down, true with the factor the scale is multiplied by (about 1.003 a pixel upwards at
    // ratio 1); false before.
    bool zoomDrag(const QPoint &pos, qreal threshold, qreal dpr, double *factor);

private:
    State m_state = Idle;
    QPoint m_pressPos;
    QPoint m_lastPos;
    // One gesture drags the image out once.
    bool m_draggedOut = false;
};
