#pragma once

#include <QColor>
#include <QWidget>

class QColorPreview;
class QColorSquare;
class QGradientSlider;
class QLabel;
class QSpinBox;

// A compact colour chooser: a caption, a swatch and red, green and blue spin boxes above a
// colour square and a vertical hue bar. Every change is announced by colorChanged; the colours
// are always opaque.
class QColorWidget : public QWidget
{
    Q_OBJECT

public:
    explicit QColorWidget(QWidget *parent = nullptr);
    ~QColorWidget() override;

    // Sets the caption; an empty caption hides it.
    void setLabelText(const QString &text);

signals:
    void colorChanged(const QColor &color);

public slots:
    void onRGBChanged();
    void onHSVChanged();
    void onColorChanged();

private:
    void setChildSignalsBlocked(bool blocked);

    QLabel *m_colorDescLabel = nullptr;
    QColorPreview *m_colorPreviewWidget = nullptr;
    QSpinBox *m_rSpinBox = nullptr;
    QSpinBox *m_gSpinBox = nullptr;
    QSpinBox *m_bSpinBox = nullptr;
    QColorSquare *m_colorSquareWidget = nullptr;
    QGradientSlider *m_hueSlider = nullptr;
};
