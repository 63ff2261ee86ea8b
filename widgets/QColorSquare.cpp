#include "QColorSquare.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kMarkerSize = 12;

// A hue of -1 (a grey) counts as 0.
double fraction(double component)
{
    return qBound(0.0, component, 1.0);
}
} // namespace

QColorSquare::QColorSquare(QWidget *parent)
    : QWidget(parent)
{
    // Once here: setting it while painting would schedule another paint, for ever.
    setStyleSheet(QStringLiteral("border:1px; border-style:solid;border-color:black;"));
}

QColor QColorSquare::color() const
{
    return QColor::fromHsvF(m_hue, m_saturation, m_value, 1.0);
}

void QColorSquare::setColor(const QColor &c)
{
    m_hue = fraction(c.hsvHueF());
    m_saturation = fraction(c.hsvSaturationF());
    m_value = fraction(c.valueF());
    m_markerX = m_saturation;
    m_markerY = m_value;
    update();
    emit colorChanged(c);
}

void QColorSquare::setHue(double h)
{
    m_hue = fraction(h);
    update();
    emit colorChanged(color());
}

void QColorSquare::setSaturation(double s)
{
    m_saturation = fraction(s);
    update();
    emit colorChanged(color());
}

void QColorSquare::setValue(double v)
{
    m_value = fraction(v);
    update();
    emit colorChanged(color());
}

void QColorSquare::setCheckedColor(char checked)
{
    m_checked = checked;
    update();
}

void QColorSquare::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void QColorSquare::mouseMoveEvent(QMouseEvent *event)
{
    pickAt(event->pos());
}

void QColorSquare::mouseReleaseEvent(QMouseEvent *event)
{
    pickAt(event->pos());
}

void QColorSquare::pickAt(const QPoint &pos)
{
    const int w = qMax(1, width());
    const int h = qMax(1, height());
    const double px = fraction(double(pos.x() - w / 2) / w + 0.5);
    const double py = fraction(double(pos.y() - h / 2) / h + 0.5);
    m_markerX = px;
    m_markerY = py;

    const QColor current = color();
    QColor rgb;
    switch (m_checked) {
    case 'H':
        m_saturation = px;
        m_value = py;
        break;
    case 'S':
        m_hue = px;
        m_value = py;
        break;
    case 'V':
        m_hue = px;
        m_saturation = py;
        break;
    case 'R':
        rgb = QColor::fromRgbF(current.redF(), px, py);
        break;
    case 'G':
        rgb = QColor::fromRgbF(px, current.greenF(), py);
        break;
    case 'B':
        rgb = QColor::fromRgbF(px, py, current.blueF());
        break;
    default:
        return;
    }
    if (rgb.isValid()) {
        m_hue = fraction(rgb.hsvHueF());
        m_saturation = rgb.hsvSaturationF();
        m_value = rgb.valueF();
    }

    const QColor picked = color();
    emit colorSelected(picked);
    emit colorChanged(picked);
    update();
}

void QColorSquare::renderSquare()
{
    const int w = width();
    const int h = height();
    if (m_square.size() != size()) {
        m_square = QImage(w, h, QImage::Format_RGB32);
        m_square.fill(Qt::black);
    }
    if (m_square.isNull())
        return;
    const QColor current = color();
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(m_square.scanLine(y));
        const double fy = double(y) / h;
        for (int x = 0; x < w; ++x) {
            const double fx = double(x) / w;
            QColor pixel;
            switch (m_checked) {
            case 'H': pixel = QColor::fromHsvF(m_hue, fx, fy); break;
            case 'S': pixel = QColor::fromHsvF(fx, m_saturation, fy); break;
            case 'V': pixel = QColor::fromHsvF(fx, fy, m_value); break;
            case 'R': pixel = QColor::fromRgbF(current.redF(), fx, fy); break;
            case 'G': pixel = QColor::fromRgbF(fx, current.greenF(), fy); break;
            case 'B': pixel = QColor::fromRgbF(fx, fy, current.blueF()); break;
            default: break;
            }
            if (pixel.isValid())
                line[x] = pixel.rgb();
        }
    }
}

void QColorSquare::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    renderSquare();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawImage(QRect(1, 1, width(), height()), m_square);
    const QColor markerColor = m_value <= 0.5 ? Qt::white : Qt::black;
    painter.setPen(QPen(markerColor, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(width() * m_markerX, height() * m_markerY), kMarkerSize / 2.0,
                        kMarkerSize / 2.0);
}
