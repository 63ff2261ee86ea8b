#pragma once

#include <QBrush>
#include <QLinearGradient>
#include <QSlider>
#include <QVector>

// A slider whose groove shows a gradient through its colours, the first colour at the minimum
// end and the last at the maximum end.
class QGradientSlider : public QSlider
{
    Q_OBJECT
    Q_PROPERTY(QBrush background READ background WRITE setBackground)
    Q_PROPERTY(QVector<QColor> colors READ colors WRITE setColors)
    Q_PROPERTY(QLinearGradient gradient READ gradient)
    Q_PROPERTY(QColor firstColor READ firstColor WRITE setFirstColor)
    Q_PROPERTY(QColor lastColor READ lastColor WRITE setLastColor)

public:
    explicit QGradientSlider(QWidget *parent = nullptr);

    QBrush background() const { return m_background; }
    void setBackground(const QBrush &background);
    QVector<QColor> colors() const { return m_colors; }
    void setColors(const QVector<QColor> &colors);
    QLinearGradient gradient() const;
    QColor firstColor() const;
    void setFirstColor(const QColor &color);
    QColor lastColor() const;
    void setLastColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QVector<QColor> m_colors{Qt::black, Qt::white};
    QBrush m_background = QBrush(Qt::darkGray, Qt::DiagCrossPattern);
};
