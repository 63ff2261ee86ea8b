#include "QGradientSlider.h"

#include <QPainter>

namespace {
constexpr int kBarThickness = 24;
} // namespace

QGradientSlider::QGradientSlider(QWidget *parent)
    : QSlider(parent)
{
    setOrientation(Qt::Horizontal);
}

void QGradientSlider::setBackground(const QBrush &background)
{
    m_background = background;
    update();
}

void QGradientSlider::setColors(const QVector<QColor> &colors)
{
    m_colors = colors;
    update();
}

QColor QGradientSlider::firstColor() const
{
    return m_colors.isEmpty() ? QColor() : m_colors.first();
}

void QGradientSlider::setFirstColor(const QColor &color)
{
    if (m_colors.isEmpty())
        m_colors.append(color);
    else
        m_colors.first() = color;
    update();
}

QColor QGradientSlider::lastColor() const
{
    return m_colors.isEmpty() ? QColor() : m_colors.last();
}

void QGradientSlider::setLastColor(const QColor &color)
{
    if (m_colors.isEmpty())
        m_colors.append(color);
    else
        m_colors.last() = color;
    update();
}

QLinearGradient QGradientSlider::gradient() const
{
    // A vertical slider has its maximum at the top, so its gradient runs upward: the colour
    // beside the handle is the colour of the value.
    QLinearGradient gradient = orientation() == Qt::Vertical
                                   ? QLinearGradient(0, 1, 0, 0)
                                   : QLinearGradient(0, 0, 1, 0);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    const int n = m_colors.size();
    if (n == 1) {
        gradient.setColorAt(0, m_colors.first());
        gradient.setColorAt(1, m_colors.first());
    }
    for (int i = 0; n > 1 && i < n; ++i)
        gradient.setColorAt(double(i) / (n - 1), m_colors.at(i));
    return gradient;
}

void QGradientSlider::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    const bool vertical = orientation() == Qt::Vertical;
    if (vertical)
        setFixedWidth(kBarThickness);

    const int w = width();
    const int h = height();
    const int range = QSlider::maximum() - QSlider::minimum();
    const double position = range > 0 ? double(QSlider::value() - QSlider::minimum()) / range : 0.0;

    QPainter painter(this);
    QPen pen(Qt::black, 0.5, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    painter.setPen(pen);
    const QRect bar(QPoint(5, 5), QPoint(w - 7, h - 7));
    painter.setBrush(m_background);
    painter.drawRect(bar);
    painter.setBrush(gradient());
    painter.drawRect(bar);

    painter.setBrush(Qt::white);
    if (vertical) {
        const int p = int((1 - position) * (h - 10));
        painter.drawRect(QRect(QPoint(4, p + 3), QPoint(w - 6, p + 7)));
    } else {
        const int p = int(position * (w - 10));
        painter.drawRect(QRect(QPoint(p + 3, 4), QPoint(p + 7, h - 6)));
    }
}
