#include "QtColorPicker.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QStyle>

#include "ColorPickerPopup.h"

QtColorPicker::QtColorPicker(QWidget *parent, int columns, bool enableColorDialog)
    : QPushButton(parent)
    , m_withColorDialog(enableColorDialog)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    setAutoDefault(false);
    setAutoFillBackground(true);
    setCheckable(true);
    setText(tr("Black"));
    m_popup = new ColorPickerPopup(columns, m_withColorDialog, this);
    connect(m_popup, &ColorPickerPopup::selected, this, &QtColorPicker::setCurrentColor);
    connect(m_popup, &ColorPickerPopup::hid, this, &QtColorPicker::popupClosed);
    connect(this, &QAbstractButton::toggled, this, &QtColorPicker::buttonPressed);
}

void QtColorPicker::buttonPressed(bool toggled)
{
    if (!toggled)
        return;

    // The picker's own screen, so the popup never opens on another monitor.
    const QScreen *shown = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect area = shown ? shown->availableGeometry() : QRect();
    const QSize hint = m_popup->sizeHint();
    QPoint pos = mapToGlobal(QPoint(0, height() - 1));
    if (area.isValid()) {
        // The right and bottom edges first, then the left and top ones win for a huge popup.
        if (pos.x() + hint.width() > area.x() + area.width())
            pos.setX(area.x() + area.width() - hint.width());
        if (pos.y() + hint.height() > area.y() + area.height())
            pos.setY(area.y() + area.height() - hint.height());
        pos.setX(qMax(pos.x(), area.left()));
        pos.setY(qMax(pos.y(), area.top()));
    }
    m_popup->move(pos);

    if (ColorPickerItem *item = m_popup->find(m_color)) {
        item->setSelected(true);
        item->update();
    }
    clearFocus();
    update();
    m_popup->setFocus();
    m_popup->show();
}

void QtColorPicker::popupClosed()
{
    setChecked(false);
    setFocus();
}

void QtColorPicker::addColor(const QColor &color, const QString &text, int index)
{
    m_popup->addColorItem(color, text, index);
    if (!m_firstInserted) {
        m_firstInserted = true;
        m_color = color;
        setText(text);
        m_dirty = true;
        update();
    }
}

void QtColorPicker::setCurrentColor(const QColor &col)
{
    if (col == m_color || !col.isValid())
        return;

    ColorPickerItem *item = m_popup->find(col);
    if (!item) {
        addColor(col);
        item = m_popup->find(col);
    }
    m_color = col;
    setText(item ? item->text() : QString());
    m_dirty = true;

    m_popup->hide();
    update();
    if (item) {
        item->setSelected(true);
        item->update();
    }
    emit colorChanged(col);
}

void QtColorPicker::paintEvent(QPaintEvent *event)
{
    if (m_dirty) {
        const int size = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
        QPixmap swatch(size, size);
        swatch.fill(palette().button().color());
        QPainter painter(&swatch);
        painter.setPen(Qt::gray);
        painter.setBrush(m_color);
        painter.drawRect(2, 2, size - 5, size - 5);
        painter.end();
        setIcon(QIcon(swatch));
        m_dirty = false;
    }
    QPushButton::paintEvent(event);
}
