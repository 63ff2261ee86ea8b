#pragma once

#include <QColor>
#include <QFrame>
#include <QList>
#include <QMap>

class QGridLayout;

// One colour cell of the picker's popup grid.
class ColorPickerItem : public QFrame
{
    Q_OBJECT

public:
    explicit ColorPickerItem(const QColor &color = Qt::white, const QString &text = QString(),
                             QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    QString text() const { return m_text; }
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);

signals:
    void clicked();
    void selected();

public slots:
    void setColor(const QColor &color, const QString &text);
    void setColor(const QColor &color);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
    QString m_text;
    bool m_selected = false;
};

// The popup's last position: a button drawn as three dots that opens the colour dialog.
class ColorPickerButton : public QFrame
{
    Q_OBJECT

public:
    explicit ColorPickerButton(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void release();
};

// The popup of QtColorPicker: a grid of the colours chosen so far, then the dialog button.
class ColorPickerPopup : public QFrame
{
    Q_OBJECT

public:
    // A column count of 0 or less lays the cells out in a square.
    ColorPickerPopup(int columns, bool withColorDialog, QWidget *parent = nullptr);

    ColorPickerItem *find(const QColor &color) const;
    void addColorItem(const QColor &color, const QString &text, int index = -1);
    void rebuildGrid();

    QList<ColorPickerItem *> items() const { return m_items; }
    ColorPickerButton *dialogButton() const { return m_moreButton; }
    QColor lastSelected() const { return m_lastSelected; }
    // The widget at a grid position, or none; looking never adds a position.
    QWidget *widgetAt(int row, int column) const;

signals:
    void selected(const QColor &color);
    void hid();

public slots:
    void getColorFromDialog();
    void updateSelected();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void chooseItem(ColorPickerItem *item);

    QMap<int, QMap<int, QWidget *>> m_widgetAt;
    QList<ColorPickerItem *> m_items;
    QGridLayout *m_grid = nullptr;
    ColorPickerButton *m_moreButton = nullptr;
    int m_columns = -1;
    int m_gridColumns = 0;
    QColor m_lastSelected;
};
