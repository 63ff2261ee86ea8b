#pragma once

#include <QImage>
#include <QWidget>

// A two-dimensional colour field: one channel ('H', 'S', 'V', 'R', 'G' or 'B') is held fixed
// and the other two run along x and y. Picking moves the marker and changes the colour.
class QColorSquare : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(double hue READ hue WRITE setHue)
    Q_PROPERTY(double saturation READ saturation WRITE setSaturation)
    Q_PROPERTY(double value READ value WRITE setValue)

public:
    explicit QColorSquare(QWidget *parent = nullptr);

    QColor color() const;
    double hue() const { return m_hue; }
    double saturation() const { return m_saturation; }
    double value() const { return m_value; }
    char checkedColor() const { return m_checked; }
    // The marker as fractions of the width and the height.
    QPointF marker() const { return QPointF(m_markerX, m_markerY); }

signals:
    void colorChanged(const QColor &color);
    void colorSelected(const QColor &color);

public slots:
    void setColor(const QColor &c);
    void setHue(double h);
    void setSaturation(double s);
    void setValue(double v);
    void setCheckedColor(char checked);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void renderSquare();
    void pickAt(const QPoint &pos);

    double m_hue = 0;
    double m_saturation = 0;
    double m_value = 0;
    double m_markerX = 0;
    double m_markerY = 0;
    QImage m_square;
    char m_checked = 'H';
};
