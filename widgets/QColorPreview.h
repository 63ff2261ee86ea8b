#pragma once

#include <QBrush>
#include <QColor>
#include <QWidget>

// A small swatch of one colour.
class QColorPreview : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor)
    Q_PROPERTY(Alpha_Mode alpha_mode READ alphaMode WRITE setAlphaMode)
    Q_PROPERTY(QBrush background READ background WRITE setBackground)

public:
    enum Alpha_Mode { NoAlpha, SplitAlpha, AllAlpha };
    Q_ENUM(Alpha_Mode)

    explicit QColorPreview(QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    Alpha_Mode alphaMode() const { return m_alphaMode; }
    void setAlphaMode(Alpha_Mode mode) { m_alphaMode = mode; }
    QBrush background() const { return m_background; }
    void setBackground(const QBrush &background) { m_background = background; }

    QSize sizeHint() const override;

signals:
    void colorChanged(const QColor &color);

public slots:
    void setColor(const QColor &c);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color = Qt::red;
    QBrush m_background = QBrush(Qt::darkGray, Qt::DiagCrossPattern);
    Alpha_Mode m_alphaMode = NoAlpha;
};
