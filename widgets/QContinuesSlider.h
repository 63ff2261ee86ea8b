#pragma once

#include <QSlider>

// A slider that reports its value once, when the mouse is released; the wheel never moves it.
class QContinuesSlider : public QSlider
{
    Q_OBJECT

public:
    explicit QContinuesSlider(QWidget *parent = nullptr);

signals:
    void valueChanging(int Value);

public slots:
    void setValue(int Value, bool BlockSignals);
    void setValue(int Value);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    bool m_blockedBeforePress = false;
    bool m_pressed = false;
};
