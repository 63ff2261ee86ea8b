#include "QContinuesSlider.h"

#include <QMouseEvent>

QContinuesSlider::QContinuesSlider(QWidget *parent)
    : QSlider(parent)
{
    setSingleStep(1);
    setOrientation(Qt::Horizontal);
    setFocusPolicy(Qt::NoFocus);
}

void QContinuesSlider::mousePressEvent(QMouseEvent *event)
{
    // Silent while the mouse holds it; the release reports the value once.
    if (!m_pressed) {
        m_blockedBeforePress = signalsBlocked();
        m_pressed = true;
    }
    blockSignals(true);
    QSlider::mousePressEvent(event);
}

void QContinuesSlider::mouseMoveEvent(QMouseEvent *event)
{
    QSlider::mouseMoveEvent(event);
    emit valueChanging(value());
}

void QContinuesSlider::mouseReleaseEvent(QMouseEvent *event)
{
    QSlider::mouseReleaseEvent(event);
    blockSignals(m_pressed ? m_blockedBeforePress : false);
    m_pressed = false;
    emit QAbstractSlider::valueChanged(value());
}

void QContinuesSlider::wheelEvent(QWheelEvent *event)
{
    Q_UNUSED(event);
}

void QContinuesSlider::setValue(int Value, bool BlockSignals)
{
    const bool wasBlocked = signalsBlocked();
    blockSignals(BlockSignals);
    QAbstractSlider::setValue(Value);
    if (!BlockSignals)
        emit QAbstractSlider::valueChanged(qBound(minimum(), Value, maximum()));
    blockSignals(wasBlocked);
}

void QContinuesSlider::setValue(int Value)
{
    setValue(Value, false);
}
