#pragma once

#include <QColor>
#include <QPushButton>

class ColorPickerPopup;

// A checkable button that shows the current colour as a swatch beside a text. Checking it opens
// a popup grid of the colours chosen so far and a button to the colour dialog; every new colour
// from the dialog joins the grid.
class QtColorPicker : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(bool colorDialog READ colorDialogEnabled WRITE setColorDialogEnabled)

public:
    explicit QtColorPicker(QWidget *parent = nullptr, int columns = -1,
                           bool enableColorDialog = true);

    void addColor(const QColor &color, const QString &text = QString(), int index = -1);
    QColor currentColor() const { return m_color; }
    ColorPickerPopup *popup() const { return m_popup; }

    bool colorDialogEnabled() const { return m_withColorDialog; }
    void setColorDialogEnabled(bool enabled) { m_withColorDialog = enabled; }

signals:
    void colorChanged(const QColor &color);

public slots:
    void setCurrentColor(const QColor &col);
    void buttonPressed(bool toggled);
    void popupClosed();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ColorPickerPopup *m_popup = nullptr;
    QColor m_color = Qt::black;
    bool m_withColorDialog = true;
    bool m_dirty = true;
    bool m_firstInserted = false;
};
