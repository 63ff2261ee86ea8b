#include "IQImageScene.h"

#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QScrollBar>

namespace {
constexpr int kDragStep = 10;

// One fixed step against the pointer's direction along one axis, nothing when it kept still.
int dragStep(double last, double now)
{
    if (last < now)
        return -kDragStep;
    if (last > now)
        return kDragStep;
    return 0;
}
} // namespace

IQImageScene::IQImageScene(QObject *parent, QGraphicsView *view,
                           IQImageDisplayController *controller)
    : QGraphicsScene(parent)
    , m_view(view)
    , m_controller(controller)
{
    if (!m_view)
        return;
    m_view->setScene(this);
    connect(m_view->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &IQImageScene::emitScrollValues);
    connect(m_view->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &IQImageScene::emitScrollValues);
}

IQImageScene::~IQImageScene()
{
    // Leaving the view moves its scroll bars; this scene must not hear of it any more.
    if (m_view) {
        disconnect(m_view->horizontalScrollBar(), nullptr, this, nullptr);
        disconnect(m_view->verticalScrollBar(), nullptr, this, nullptr);
    }
}

void IQImageScene::emitScrollValues()
{
    emit scrollValueChanged(this, m_view->horizontalScrollBar()->value(),
                            m_view->verticalScrollBar()->value());
}

void IQImageScene::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsScene::mousePressEvent(event);
    if (event->isAccepted() || event->button() != Qt::LeftButton || !m_view)
        return;
    m_dragging = true;
    m_lastPoint = m_view->mapFromScene(event->scenePos());
    event->accept();
}

void IQImageScene::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    if (m_dragging && m_view) {
        const QPoint p = m_view->mapFromScene(event->scenePos());
        const int dx = dragStep(m_lastPoint.x(), p.x());
        const int dy = dragStep(m_lastPoint.y(), p.y());
        // Scrolling replays the last mouse event into the scene at once: that replay must
        // find the pointer where it already is.
        m_lastPoint = p;
        QScrollBar *horizontal = m_view->horizontalScrollBar();
        QScrollBar *vertical = m_view->verticalScrollBar();
        horizontal->setValue(horizontal->value() + dx);
        vertical->setValue(vertical->value() + dy);
    }
    QGraphicsScene::mouseMoveEvent(event);
}

void IQImageScene::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
    QGraphicsScene::mouseReleaseEvent(event);
}

void IQImageScene::wheelEvent(QGraphicsSceneWheelEvent *event)
{
    QGraphicsScene::wheelEvent(event);
}
