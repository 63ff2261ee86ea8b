#include "ColorPickerPopup.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPainter>

#include <cmath>

namespace {
constexpr QSize kCellSize(24, 21);

void paintFocusOutline(QWidget *widget, QPainter &painter)
{
    QPen pen(Qt::black);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, widget->width() - 1, widget->height() - 1);
}
} // namespace

// ---- ColorPickerItem ----

ColorPickerItem::ColorPickerItem(const QColor &color, const QString &text, QWidget *parent)
    : QFrame(parent)
    , m_color(color)
    , m_text(text)
{
    setToolTip(m_text);
    setFixedSize(kCellSize);
}

void ColorPickerItem::setSelected(bool selected)
{
    m_selected = selected;
    update();
}

void ColorPickerItem::setColor(const QColor &color, const QString &text)
{
    m_color = color;
    m_text = text;
    setToolTip(m_text);
    update();
}

void ColorPickerItem::setColor(const QColor &color)
{
    setColor(color, QString());
}

void ColorPickerItem::mousePressEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
    setFocus();
    update();
}

void ColorPickerItem::mouseMoveEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
    setFocus();
    update();
}

void ColorPickerItem::mouseReleaseEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
    m_selected = true;
    emit selected();
}

void ColorPickerItem::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    const int w = width();
    const int h = height();
    QPen gray(Qt::gray, 0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    gray.setCosmetic(true);
    painter.setPen(gray);
    if (m_selected)
        painter.drawRect(1, 1, w - 3, h - 3);
    QPen black(Qt::black, 0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    black.setCosmetic(true);
    painter.setPen(black);
    painter.drawRect(3, 3, w - 7, h - 7);
    painter.fillRect(4, 4, w - 8, h - 8, m_color);
    if (hasFocus())
        paintFocusOutline(this, painter);
}

// ---- ColorPickerButton ----

ColorPickerButton::ColorPickerButton(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel);
    setFixedSize(kCellSize);
    setFrameRect(QRect(2, 2, 20, 17));
    setFocusPolicy(Qt::StrongFocus);
}

void ColorPickerButton::release()
{
    setFrameShadow(QFrame::Raised);
    repaint();
    emit clicked();
}

void ColorPickerButton::mousePressEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
    setFrameShadow(QFrame::Sunken);
    update();
}

void ColorPickerButton::mouseMoveEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
    setFocus();
    update();
}

void ColorPickerButton::mouseReleaseEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
    release();
}

namespace {
bool isArrowKey(int key)
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
}

bool isActivationKey(int key)
{
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

void ColorPickerButton::keyPressEvent(QKeyEvent *event)
{
    if (isArrowKey(event->key())) {
        event->ignore(); // the popup moves the focus
    } else if (isActivationKey(event->key())) {
        setFrameShadow(QFrame::Sunken);
        update();
    } else {
        QFrame::keyPressEvent(event);
    }
}

void ColorPickerButton::keyReleaseEvent(QKeyEvent *event)
{
    if (isArrowKey(event->key())) {
        event->ignore();
    } else if (isActivationKey(event->key())) {
        if (!event->isAutoRepeat())
            release();
    } else {
        QFrame::keyReleaseEvent(event);
    }
}

void ColorPickerButton::focusInEvent(QFocusEvent *event)
{
    setFrameShadow(QFrame::Raised);
    update();
    QFrame::focusInEvent(event);
}

void ColorPickerButton::focusOutEvent(QFocusEvent *event)
{
    setFrameShadow(QFrame::Raised);
    update();
    QFrame::focusOutEvent(event);
}

void ColorPickerButton::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(contentsRect(), palette().button());
    const QRect r = rect();
    const int offset = frameShadow() == QFrame::Sunken ? 1 : 0;
    const int cx = r.center().x() + offset;
    const int cy = r.center().y() + offset;
    painter.setPen(QPen(palette().buttonText(), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawRect(cx - 4, cy, 1, 1);
    painter.drawRect(cx, cy, 1, 1);
    painter.drawRect(cx + 4, cy, 1, 1);
    if (hasFocus())
        paintFocusOutline(this, painter);
}

// ---- ColorPickerPopup ----

ColorPickerPopup::ColorPickerPopup(int columns, bool withColorDialog, QWidget *parent)
    : QFrame(parent, Qt::Popup)
    , m_columns(columns)
{
    setFrameStyle(QFrame::StyledPanel);
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    if (withColorDialog) {
        m_moreButton = new ColorPickerButton(this);
        connect(m_moreButton, &ColorPickerButton::clicked, this,
                &ColorPickerPopup::getColorFromDialog);
    }
    rebuildGrid();
}

ColorPickerItem *ColorPickerPopup::find(const QColor &color) const
{
    for (ColorPickerItem *item : m_items) {
        if (item->color() == color)
            return item;
    }
    return nullptr;
}

QWidget *ColorPickerPopup::widgetAt(int row, int column) const
{
    return m_widgetAt.value(row).value(column, nullptr);
}

void ColorPickerPopup::addColorItem(const QColor &color, const QString &text, int index)
{
    ColorPickerItem *existing = find(color);
    ColorPickerItem *last = m_lastSelected.isValid() ? find(m_lastSelected) : nullptr;
    if (existing) {
        if (last && last != existing)
            last->setSelected(false);
        existing->setFocus();
        existing->setSelected(true);
        return;
    }

    auto *item = new ColorPickerItem(color, text, this);
    if (last) {
        last->setSelected(false);
    } else {
        item->setSelected(true);
        m_lastSelected = color;
    }
    item->setFocus();
    connect(item, &ColorPickerItem::selected, this, &ColorPickerPopup::updateSelected);

    if (index < 0 || index > m_items.size())
        m_items.append(item);
    else
        m_items.insert(index, item);
    rebuildGrid();
    update();
}

void ColorPickerPopup::rebuildGrid()
{
    m_widgetAt.clear();
    m_gridColumns = m_columns > 0 ? m_columns : int(std::ceil(std::sqrt(double(m_items.size()))));

    delete m_grid;
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(1, 1, 1, 1);
    m_grid->setSpacing(0);

    // With no cells yet the dialog button still needs one column.
    const int columns = qMax(1, m_gridColumns);
    int row = 0;
    int column = 0;
    auto place = [&](QWidget *widget) {
        m_grid->addWidget(widget, row, column);
        m_widgetAt[row][column] = widget;
        if (++column == columns) {
            column = 0;
            ++row;
        }
    };
    for (ColorPickerItem *item : qAsConst(m_items))
        place(item);
    if (m_moreButton)
        place(m_moreButton);
    updateGeometry();
}

void ColorPickerPopup::chooseItem(ColorPickerItem *item)
{
    for (ColorPickerItem *other : qAsConst(m_items)) {
        if (other != item)
            other->setSelected(false);
    }
    item->setSelected(true);
    m_lastSelected = item->color();
    emit selected(item->color());
    hide();
}

void ColorPickerPopup::updateSelected()
{
    auto *item = qobject_cast<ColorPickerItem *>(sender());
    for (ColorPickerItem *other : qAsConst(m_items)) {
        if (other != item)
            other->setSelected(false);
    }
    if (item) {
        m_lastSelected = item->color();
        emit selected(item->color());
    }
    hide();
}

void ColorPickerPopup::getColorFromDialog()
{
    const QColor initial = m_lastSelected.isValid() ? m_lastSelected : QColor(Qt::black);
    const QColor color = QColorDialog::getColor(initial, parentWidget(), QString(),
                                                QColorDialog::ShowAlphaChannel);
    if (!color.isValid())
        return;
    addColorItem(color, QString(), -1);
    m_lastSelected = color;
    emit selected(color);
}

void ColorPickerPopup::keyPressEvent(QKeyEvent *event)
{
    int row = 0;
    int column = 0;
    bool found = false;
    for (auto r = m_widgetAt.cbegin(); r != m_widgetAt.cend() && !found; ++r) {
        for (auto c = r->cbegin(); c != r->cend(); ++c) {
            if (c.value() && c.value()->hasFocus()) {
                row = r.key();
                column = c.key();
                found = true;
                break;
            }
        }
    }

    const int columns = qMax(1, m_gridColumns);
    const bool hasNextRow = m_widgetAt.contains(row + 1);
    switch (event->key()) {
    case Qt::Key_Left:
        if (column > 0) {
            --column;
        } else if (row > 0) {
            --row;
            column = columns - 1;
        }
        break;
    case Qt::Key_Right:
        if (column + 1 < columns && widgetAt(row, column + 1)) {
            ++column;
        } else if (hasNextRow) {
            ++row;
            column = 0;
        }
        break;
    case Qt::Key_Up:
        if (row > 0)
            --row;
        else
            column = 0;
        break;
    case Qt::Key_Down:
        if (hasNextRow) {
            if (!widgetAt(row + 1, column)) {
                int last = 1;
                while (widgetAt(row + 1, last))
                    ++last;
                column = last - 1;
            }
            ++row;
        }
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto *item = qobject_cast<ColorPickerItem *>(widgetAt(row, column)))
            chooseItem(item);
        break;
    case Qt::Key_Escape:
        hide();
        break;
    default:
        event->ignore();
        return;
    }

    if (QWidget *widget = widgetAt(row, column))
        widget->setFocus();
}

void ColorPickerPopup::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    const int columns = qMax(1, m_gridColumns);
    for (int column = 0; column < columns; ++column) {
        for (auto r = m_widgetAt.cbegin(); r != m_widgetAt.cend(); ++r) {
            auto *item = qobject_cast<ColorPickerItem *>(r->value(column, nullptr));
            if (item && item->isSelected()) {
                item->setFocus();
                return;
            }
        }
    }
    if (m_items.isEmpty()) {
        setFocus();
    } else if (QWidget *first = widgetAt(0, 0)) {
        first->setFocus();
    }
}

void ColorPickerPopup::hideEvent(QHideEvent *event)
{
    setFocus();
    emit hid();
    QFrame::hideEvent(event);
}

void ColorPickerPopup::mouseReleaseEvent(QMouseEvent *event)
{
    if (!rect().contains(event->pos()))
        hide();
}
