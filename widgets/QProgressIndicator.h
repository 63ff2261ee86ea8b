#pragma once

#include <QColor>
#include <QWidget>

// A spinning busy indicator: twelve rounded bars like the spokes of a wheel, the leading one
// opaque and the others fading, turned one step on every timer tick.
class QProgressIndicator : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int delay READ animationDelay WRITE setAnimationDelay)
    Q_PROPERTY(bool displayedWhenStopped READ isDisplayedWhenStopped WRITE setDisplayedWhenStopped)
    Q_PROPERTY(QColor color READ color WRITE setColor)

public:
    explicit QProgressIndicator(QWidget *parent = nullptr);

    int animationDelay() const { return m_delay; }
    bool isAnimated() const;
    bool isDisplayedWhenStopped() const;
    const QColor &color() const { return m_color; }
    // The rotation of the leading bar, in degrees.
    int angle() const { return m_angle; }

    QSize sizeHint() const override;
    int heightForWidth(int w) const override;

public slots:
    void startAnimation();
    void stopAnimation();
    void setAnimationDelay(int delay);
    void setDisplayedWhenStopped(bool state);
    void setColor(const QColor &color);

protected:
    void timerEvent(QTimerEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_angle = 0;
    int m_timerId = -1;
    int m_delay = 40;
    bool m_displayedWhenStopped = false;
    QColor m_color = Qt::black;
};
