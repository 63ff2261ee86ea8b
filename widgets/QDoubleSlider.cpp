#include "QDoubleSlider.h"

#include <limits>

QDoubleSlider::QDoubleSlider(QWidget *parent)
    : QSlider(parent)
{
    connect(this, &QAbstractSlider::valueChanged, this, qOverload<int>(&QDoubleSlider::setValue));
    setSingleStep(1);
    setOrientation(Qt::Horizontal);
    setFocusPolicy(Qt::NoFocus);
}

int QDoubleSlider::toSliderUnits(double value) const
{
    // Truncated toward zero; bounded first so a huge value cannot overflow the int.
    constexpr double kLimit = std::numeric_limits<int>::max();
    return int(qBound(-kLimit, value * m_scale, kLimit));
}

void QDoubleSlider::setRange(double min, double max)
{
    QSlider::setRange(toSliderUnits(min), toSliderUnits(max));
    emit rangeChanged(min, max);
}

void QDoubleSlider::setMinimum(double min)
{
    QSlider::setMinimum(toSliderUnits(min));
    emit rangeChanged(minimum(), maximum());
}

void QDoubleSlider::setMaximum(double max)
{
    QSlider::setMaximum(toSliderUnits(max));
    emit rangeChanged(minimum(), maximum());
}

double QDoubleSlider::minimum() const
{
    return QSlider::minimum() / m_scale;
}

double QDoubleSlider::maximum() const
{
    return QSlider::maximum() / m_scale;
}

double QDoubleSlider::value() const
{
    return QSlider::value() / m_scale;
}

void QDoubleSlider::setValue(int value)
{
    // Normally the receiver of the slider's own valueChanged(int), where the value is already
    // set; a direct integer call (as a form makes) moves the slider, whose signal lands here.
    const int before = QSlider::value();
    if (value != before) {
        QAbstractSlider::setValue(value);
        if (QSlider::value() != before)
            return;
    }
    emit valueChanged(QSlider::value() / m_scale);
}

void QDoubleSlider::setValue(double Value, bool BlockSignals)
{
    const bool wasBlocked = signalsBlocked();
    blockSignals(BlockSignals);
    QAbstractSlider::setValue(toSliderUnits(Value));
    if (!BlockSignals)
        emit valueChanged(qBound(minimum(), Value, maximum()));
    blockSignals(wasBlocked);
}

void QDoubleSlider::setValue(double Value)
{
    setValue(Value, false);
}
