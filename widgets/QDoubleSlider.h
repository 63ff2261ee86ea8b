#pragma once

#include <QSlider>

// A slider with a double value, held over the integer slider at a fixed scale (four decimal
// places). The double minimum, maximum, value and setters hide the integer ones; the integer
// setMinimum, setMaximum and setRange stay callable with int arguments, which is what a form
// does, so a form's integer range is taken in slider units and not multiplied by the scale.
class QDoubleSlider : public QSlider
{
    Q_OBJECT

public:
    explicit QDoubleSlider(QWidget *parent = nullptr);

    using QSlider::setMaximum;
    using QSlider::setMinimum;
    using QSlider::setRange;

    void setRange(double min, double max);
    void setMinimum(double min);
    void setMaximum(double max);

    double minimum() const;
    double maximum() const;
    double value() const;

signals:
    void valueChanged(double Value);
    void rangeChanged(double Min, double Max);

public slots:
    void setValue(int value);
    void setValue(double Value, bool BlockSignals);
    void setValue(double Value);

private:
    int toSliderUnits(double value) const;

    const double m_scale = 10000.0;
};
