#pragma once

#include <QGraphicsScene>
#include <QPointF>
#include <QPointer>
#include <QGraphicsView>

class IQImageDisplayController;

// The scene of a display controller: installs itself in the caller's view, reports the view's
// scroll positions and scrolls it by dragging with the left button.
class IQImageScene : public QGraphicsScene
{
    Q_OBJECT

public:
    IQImageScene(QObject *parent, QGraphicsView *view, IQImageDisplayController *controller);
    ~IQImageScene() override;

    QGraphicsView *view() const { return m_view; }
    IQImageDisplayController *controller() const { return m_controller; }
    bool isDragging() const { return m_dragging; }

signals:
    void scrollValueChanged(IQImageScene *imageScene, int x, int y);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void wheelEvent(QGraphicsSceneWheelEvent *event) override;

private:
    void emitScrollValues();

    QPointer<QGraphicsView> m_view;
    IQImageDisplayController *m_controller;
    QPointF m_lastPoint;
    bool m_dragging = false;
};
