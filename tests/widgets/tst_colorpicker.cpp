#include <QtTest>

#include <QColorDialog>
#include <QScreen>

#include "BrvTest.h"
#include "ColorPickerPopup.h"
#include "QtColorPicker.h"

namespace {
// Answers the next colour dialog with a colour, or cancels it when the colour is invalid.
void answerColorDialog(const QColor &color, bool *answered)
{
    BrvTest::answerNextModal([color, answered](QWidget *modal) {
        auto *dialog = qobject_cast<QColorDialog *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        *answered = true;
        if (color.isValid()) {
            dialog->setCurrentColor(color);
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
}

QColor swatchColor(const QtColorPicker &picker)
{
    const QImage icon = picker.icon().pixmap(16, 16).toImage();
    return icon.pixelColor(icon.width() / 2, icon.height() / 2);
}
} // namespace

class tst_ColorPicker : public QObject
{
    Q_OBJECT

private:
    // Picks a colour through the popup's dialog button, the way a user does.
    bool pickFromDialog(QtColorPicker &picker, const QColor &color)
    {
        picker.setChecked(true);
        if (!picker.popup()->isVisible())
            return false;
        bool answered = false;
        answerColorDialog(color, &answered);
        QTest::mouseClick(picker.popup()->dialogButton(), Qt::LeftButton);
        picker.popup()->hide();
        return answered;
    }

private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        m_window->resize(200, 100);
        m_picker = new QtColorPicker(m_window.get());
        m_picker->move(10, 10);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void newPicker()
    {
        QtColorPicker &picker = *m_picker;
        QCOMPARE(picker.text(), QStringLiteral("Black"));
        QCOMPARE(picker.currentColor(), QColor(Qt::black));
        QVERIFY(picker.isCheckable());
        QVERIFY(picker.colorDialogEnabled());
        picker.grab();
        QCOMPARE(swatchColor(picker), QColor(Qt::black));

        picker.setChecked(true);
        ColorPickerPopup *popup = picker.popup();
        QVERIFY(popup->isVisible());
        QVERIFY(popup->items().isEmpty());
        QCOMPARE(popup->widgetAt(0, 0), popup->dialogButton());
        popup->hide();
        QVERIFY(!picker.isChecked());
    }

    void dialogColoursJoinTheGrid()
    {
        QtColorPicker &picker = *m_picker;
        ColorPickerPopup *popup = picker.popup();
        QSignalSpy changed(&picker, &QtColorPicker::colorChanged);

        QVERIFY(pickFromDialog(picker, Qt::red));
        QCOMPARE(popup->items().size(), 1);
        QCOMPARE(popup->items().first()->color(), QColor(Qt::red));
        QCOMPARE(popup->widgetAt(0, 0), popup->items().first());
        QCOMPARE(popup->widgetAt(1, 0), popup->dialogButton());
        QCOMPARE(picker.text(), QString());
        QCOMPARE(picker.currentColor(), QColor(Qt::red));
        picker.grab();
        QCOMPARE(swatchColor(picker), QColor(Qt::red));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().value<QColor>(), QColor(Qt::red));
        QVERIFY(!picker.isChecked());

        // The same colour again: no second cell, and it is already current.
        QVERIFY(pickFromDialog(picker, Qt::red));
        QCOMPARE(popup->items().size(), 1);
        QCOMPARE(changed.count(), 1);

        // Cancelled: nothing changes.
        QVERIFY(pickFromDialog(picker, QColor()));
        QCOMPARE(popup->items().size(), 1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(picker.currentColor(), QColor(Qt::red));
    }

    void alphaIsKept()
    {
        QtColorPicker &picker = *m_picker;
        QSignalSpy changed(&picker, &QtColorPicker::colorChanged);
        const QColor translucent(0, 0, 255, 100);
        QVERIFY(pickFromDialog(picker, translucent));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().value<QColor>(), translucent);
        QCOMPARE(picker.popup()->items().first()->color(), translucent);
        QCOMPARE(picker.currentColor(), translucent);
        // The swatch shows the colour over the button's own colour.
        picker.grab();
        const QColor swatch = swatchColor(picker);
        QVERIFY(swatch.blue() > swatch.red() && swatch != QColor(Qt::blue));
    }

    void gridLayout_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("cells");
        QTest::addColumn<QPoint>("buttonAt"); // x column, y row
        QTest::newRow("automatic, none") << -1 << 0 << QPoint(0, 0);
        QTest::newRow("automatic, one") << -1 << 1 << QPoint(0, 1);
        QTest::newRow("automatic, two") << -1 << 2 << QPoint(0, 1);
        QTest::newRow("automatic, three") << -1 << 3 << QPoint(1, 1);
        QTest::newRow("automatic, five") << -1 << 5 << QPoint(2, 1);
        QTest::newRow("zero is automatic") << 0 << 3 << QPoint(1, 1);
        QTest::newRow("negative is automatic") << -7 << 3 << QPoint(1, 1);
        QTest::newRow("four columns") << 4 << 5 << QPoint(1, 1);
    }
    void gridLayout()
    {
        QFETCH(int, columns);
        QFETCH(int, cells);
        QFETCH(QPoint, buttonAt);
        QtColorPicker picker(nullptr, columns, true);
        for (int i = 0; i < cells; ++i)
            picker.addColor(QColor::fromHsv(i * 30, 255, 255));
        ColorPickerPopup *popup = picker.popup();
        QCOMPARE(popup->items().size(), cells);
        QCOMPARE(popup->widgetAt(buttonAt.y(), buttonAt.x()), popup->dialogButton());
        // Looking beyond the grid finds nothing and adds nothing.
        QCOMPARE(popup->widgetAt(9, 9), nullptr);
        QCOMPARE(popup->widgetAt(9, 9), nullptr);
        QCOMPARE(popup->widgetAt(buttonAt.y(), buttonAt.x()), popup->dialogButton());
    }

    void firstAddedColourBecomesCurrent()
    {
        QtColorPicker picker(nullptr, -1, false);
        QSignalSpy changed(&picker, &QtColorPicker::colorChanged);
        picker.addColor(Qt::green, QStringLiteral("Green"));
        picker.addColor(Qt::blue, QStringLiteral("Blue"));
        QCOMPARE(picker.currentColor(), QColor(Qt::green));
        QCOMPARE(picker.text(), QStringLiteral("Green"));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(picker.popup()->dialogButton(), nullptr);

        picker.setCurrentColor(Qt::blue);
        QCOMPARE(picker.text(), QStringLiteral("Blue"));
        QCOMPARE(changed.count(), 1);
        picker.setCurrentColor(QColor());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(picker.popup()->items().size(), 2);
    }

    void clickingACellChoosesIt()
    {
        QtColorPicker &picker = *m_picker;
        picker.addColor(Qt::red);
        picker.addColor(Qt::blue);
        QSignalSpy changed(&picker, &QtColorPicker::colorChanged);
        picker.setChecked(true);
        ColorPickerItem *blue = picker.popup()->items().at(1);
        QTest::mouseClick(blue, Qt::LeftButton);
        QVERIFY(!picker.popup()->isVisible());
        QVERIFY(!picker.isChecked());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(picker.currentColor(), QColor(Qt::blue));
        QVERIFY(blue->isSelected());
        QVERIFY(!picker.popup()->items().at(0)->isSelected());
    }

    void keyboardMovesInTheGrid_data()
    {
        QTest::addColumn<int>("cells");
        QTest::addColumn<QPoint>("from"); // x column, y row
        QTest::addColumn<int>("key");
        QTest::addColumn<QPoint>("to");
        QTest::newRow("down to a shorter row") << 2 << QPoint(1, 0) << int(Qt::Key_Down)
                                               << QPoint(0, 1);
        QTest::newRow("down in the last row stays") << 2 << QPoint(0, 1) << int(Qt::Key_Down)
                                                    << QPoint(0, 1);
        QTest::newRow("right wraps") << 2 << QPoint(1, 0) << int(Qt::Key_Right) << QPoint(0, 1);
        QTest::newRow("right at the end stays") << 2 << QPoint(0, 1) << int(Qt::Key_Right)
                                                << QPoint(0, 1);
        QTest::newRow("left wraps") << 2 << QPoint(0, 1) << int(Qt::Key_Left) << QPoint(1, 0);
        QTest::newRow("left at the start stays") << 2 << QPoint(0, 0) << int(Qt::Key_Left)
                                                 << QPoint(0, 0);
        QTest::newRow("up") << 3 << QPoint(1, 1) << int(Qt::Key_Up) << QPoint(1, 0);
        QTest::newRow("up in the first row") << 3 << QPoint(1, 0) << int(Qt::Key_Up)
                                             << QPoint(0, 0);
    }
    void keyboardMovesInTheGrid()
    {
        QFETCH(int, cells);
        QFETCH(QPoint, from);
        QFETCH(int, key);
        QFETCH(QPoint, to);
        QtColorPicker &picker = *m_picker;
        for (int i = 0; i < cells; ++i)
            picker.addColor(QColor::fromHsv(i * 60, 255, 255));
        picker.setChecked(true);
        ColorPickerPopup *popup = picker.popup();
        QVERIFY(QTest::qWaitForWindowActive(popup));
        popup->widgetAt(from.y(), from.x())->setFocus();
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), popup->widgetAt(from.y(), from.x()), BrvTest::kEventTimeoutMs);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(QApplication::focusWidget(), popup->widgetAt(to.y(), to.x()));
        QVERIFY(popup->isVisible());
    }

    void keyboardChoosesACell()
    {
        QtColorPicker &picker = *m_picker;
        picker.addColor(Qt::red);
        picker.addColor(Qt::blue);
        QSignalSpy changed(&picker, &QtColorPicker::colorChanged);
        picker.setChecked(true);
        ColorPickerPopup *popup = picker.popup();
        QVERIFY(QTest::qWaitForWindowActive(popup));
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), popup->widgetAt(0, 0), BrvTest::kEventTimeoutMs);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!popup->isVisible());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(picker.currentColor(), QColor(Qt::blue));
    }

    void escapeClosesWithoutASignal()
    {
        QtColorPicker &picker = *m_picker;
        picker.addColor(Qt::red);
        QSignalSpy changed(&picker, &QtColorPicker::colorChanged);
        picker.setChecked(true);
        ColorPickerPopup *popup = picker.popup();
        QVERIFY(QTest::qWaitForWindowActive(popup));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : popup,
                        Qt::Key_Escape);
        QVERIFY(!popup->isVisible());
        QVERIFY(!picker.isChecked());
        QCOMPARE(changed.count(), 0);
    }

    // The popup opens below the picker and stays inside the picker's screen. The offscreen
    // platform may shift a new window by its frame margin, hence the slack.
    void popupStaysOnScreen()
    {
        constexpr int kSlack = 2;
        QtColorPicker &picker = *m_picker;
        for (int i = 0; i < 9; ++i)
            picker.addColor(QColor::fromHsv(i * 40, 255, 255));
        const QRect area = picker.screen()->availableGeometry();

        picker.setChecked(true);
        ColorPickerPopup *popup = picker.popup();
        const QPoint below = picker.mapToGlobal(QPoint(0, picker.height() - 1));
        QVERIFY((popup->pos() - below).manhattanLength() <= 2 * kSlack);
        popup->hide();

        m_window->move(area.right() - 20, area.bottom() - 20);
        QTRY_VERIFY_WITH_TIMEOUT(picker.mapToGlobal(QPoint(0, 0)).x() > area.right() - 40, BrvTest::kEventTimeoutMs);
        picker.setChecked(true);
        const QRect shown(popup->pos(), popup->sizeHint());
        QVERIFY(area.adjusted(0, 0, kSlack, kSlack).contains(shown));
        QVERIFY(qAbs(shown.right() - area.right()) <= kSlack);
        QVERIFY(qAbs(shown.bottom() - area.bottom()) <= kSlack);
        popup->hide();
    }

    // The button's swatch shows the current colour; each cell of the open grid shows its own
    // colour inside its frame, the cells side by side within the popup.
    void swatchesShowTheirColours()
    {
        BrvTest::applyDarkStyle();
        QtColorPicker &picker = *m_picker;
        for (int i = 0; i < 5; ++i)
            picker.addColor(QColor::fromHsv(i * 70, 200, 230));
        const QColor current = QColor::fromHsv(70, 200, 230);
        picker.setCurrentColor(current);
        BrvTest::saveScreenshot(m_window.get(), QStringLiteral("colorpicker"));
        picker.grab(); // the button draws its swatch when it paints
        QCOMPARE(swatchColor(picker).rgba(), current.rgba());

        picker.setChecked(true);
        ColorPickerPopup *popup = picker.popup();
        QVERIFY(popup->isVisible());
        const QImage shown = popup->grab().toImage();
        BrvTest::saveScreenshot(popup, QStringLiteral("colorpicker_popup"));
        const QList<ColorPickerItem *> cells = popup->items();
        QCOMPARE(cells.size(), 5);
        for (int i = 0; i < cells.size(); ++i) {
            const QRect cell(cells.at(i)->mapTo(popup, QPoint(0, 0)), cells.at(i)->size());
            QVERIFY(popup->rect().contains(cell));
            QCOMPARE(shown.pixel(cell.center()), QColor::fromHsv(i * 70, 200, 230).rgba());
            for (int j = 0; j < i; ++j)
                QVERIFY(!cells.at(j)->geometry().intersects(cells.at(i)->geometry()));
        }
        popup->hide();
    }

private:
    std::unique_ptr<QWidget> m_window;
    QtColorPicker *m_picker = nullptr;
};

QTEST_MAIN(tst_ColorPicker)
#include "tst_colorpicker.moc"
