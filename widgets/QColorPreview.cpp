#include "QColorPreview.h"

#include <QPainter>

QColorPreview::QColorPreview(QWidget *parent)
    : QWidget(parent)
{
}

QSize QColorPreview::sizeHint() const
{
    return QSize(24, 24);
}

void QColorPreview::setColor(const QColor &c)
{
    m_color = c;
    update();
}

void QColorPreview::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_color);
    painter.drawRect(1, 1, width(), height());
}
