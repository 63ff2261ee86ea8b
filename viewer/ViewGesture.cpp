#include "ViewGesture.h"

#include <cstdlib>

namespace {

constexpr int kDragOutDistance = 10;
constexpr float kZoomDragFactor = 0.003f;

} // namespace

void ViewGesture::press(const QPoint &pos)
{
    m_pressPos = pos;
    m_lastPos = pos;
    m_draggedOut = false;
}

ViewGesture::LeftMove ViewGesture::leftMove(const QPoint &pos, bool imageFits)
{
    LeftMove move;
    if (m_draggedOut)
        return move;
    if (m_state == Idle) {
        m_state = imageFits ? DragOut : Pan;
        move.panStarted = m_state == Pan;
    }
    if (m_state == DragOut) {
        if (std::abs(pos.x() - m_pressPos.x()) > kDragOutDistance
            || std::abs(pos.y() - m_pressPos.y()) > kDragOutDistance) {
            m_state = Idle;
            m_draggedOut = true;
            move.draggedOut = true;
        }
    } else if (m_state == Pan && !imageFits) {
        move.pans = true;
        move.panBy = m_lastPos - pos;
        m_lastPos = pos;
    }
    return move;
}

bool ViewGesture::zoomDrag(const QPoint &pos, qreal threshold, qreal dpr, double *factor)
{
    if (m_state != ZoomDrag && std::abs(pos.y() - m_pressPos.y()) <= threshold)
        return false;
    m_state = ZoomDrag;
    // Upwards is positive.
    const float dy = float(m_lastPos.y() - pos.y());
    m_lastPos = pos;
    *factor = double(dy * kZoomDragFactor) * dpr + 1.0;
    return true;
}
