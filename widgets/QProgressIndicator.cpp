#include "QProgressIndicator.h"

#include <QPainter>

namespace {
constexpr int kBarCount = 12;
constexpr int kStepDegrees = 360 / kBarCount;
} // namespace

QProgressIndicator::QProgressIndicator(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::NoFocus);
}

bool QProgressIndicator::isAnimated() const
{
    return m_timerId != -1;
}

bool QProgressIndicator::isDisplayedWhenStopped() const
{
    return m_displayedWhenStopped;
}

QSize QProgressIndicator::sizeHint() const
{
    return QSize(20, 20);
}

int QProgressIndicator::heightForWidth(int w) const
{
    return w;
}

void QProgressIndicator::startAnimation()
{
    m_angle = 0;
    if (m_timerId == -1)
        m_timerId = startTimer(m_delay, Qt::CoarseTimer);
}

void QProgressIndicator::stopAnimation()
{
    if (m_timerId != -1)
        killTimer(m_timerId);
    m_timerId = -1;
    update();
}

void QProgressIndicator::setAnimationDelay(int delay)
{
    const bool running = m_timerId != -1;
    if (running)
        killTimer(m_timerId);
    m_timerId = -1;
    m_delay = delay;
    if (running)
        m_timerId = startTimer(m_delay, Qt::CoarseTimer);
}

void QProgressIndicator::setDisplayedWhenStopped(bool state)
{
    m_displayedWhenStopped = state;
    update();
}

void QProgressIndicator::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void QProgressIndicator::timerEvent(QTimerEvent *event)
{
    Q_UNUSED(event);
    m_angle = (m_angle + kStepDegrees) % 360;
    update();
}

void QProgressIndicator::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    if (!isAnimated() && !m_displayedWhenStopped)
        return;

    const int w = width();
    const int h = height();
    const int d = qMin(w, h);
    const int outer = int((d - 1) * 0.5);
    const int inner = int((d - 1) * 0.5 * 0.38);
    const int barLength = outer - inner;
    const int barWidth = d <= 32 ? int(barLength * 0.35) : int(barLength * 0.23);
    const int radius = barWidth / 2;

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < kBarCount; ++i) {
        QColor bar = m_color;
        bar.setAlphaF(1.0f - float(i) / kBarCount);
        painter.setBrush(bar);
        painter.save();
        painter.translate((w - 1) / 2, (h - 1) / 2);
        painter.rotate(m_angle - kStepDegrees * i);
        painter.drawRoundedRect(int(-barWidth * 0.5), -outer, barWidth, barLength, radius, radius,
                                Qt::AbsoluteSize);
        painter.restore();
    }
}
