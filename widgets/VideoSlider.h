#pragma once

#include <QSlider>

// The seek bar: a left click jumps straight to the clicked point instead of paging, and every
// jump made with the mouse is announced by sliderMovedX.
class VideoSlider : public QSlider
{
    Q_OBJECT

public:
    explicit VideoSlider(QWidget *parent = nullptr);

signals:
    void sliderMovedX(int value);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void jumpTo(const QPoint &pos);
};
