#include "UntranslatedTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QToolButton>
#include <QWidget>

namespace BrvTest {

namespace {

bool isKey(const QString &text)
{
    return text.startsWith(QLatin1String("IDS_"));
}

void check(QStringList &found, const QObject *object, const QString &text)
{
    if (isKey(text))
        found << object->objectName() + QLatin1String(": ") + text;
}

// A menu's title and its entries, and the menus under them; a menu need not sit in the widget
// tree (a button's menu often has no parent), so it is reached through its actions.
void checkMenu(QStringList &found, QSet<const QMenu *> &seen, const QMenu *menu)
{
    if (!menu || seen.contains(menu))
        return;
    seen.insert(menu);
    check(found, menu, menu->title());
    const QList<QAction *> actions = menu->actions();
    for (const QAction *action : actions) {
        check(found, menu, action->text());
        checkMenu(found, seen, action->menu());
    }
}

void checkWidget(QStringList &found, QSet<const QMenu *> &seen, const QWidget *widget)
{
    check(found, widget, widget->toolTip());
    check(found, widget, widget->windowTitle());
    if (auto *label = qobject_cast<const QLabel *>(widget))
        check(found, widget, label->text());
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        check(found, widget, button->text());
    if (auto *edit = qobject_cast<const QLineEdit *>(widget))
        check(found, widget, edit->placeholderText());
    if (auto *group = qobject_cast<const QGroupBox *>(widget))
        check(found, widget, group->title());
    if (auto *combo = qobject_cast<const QComboBox *>(widget)) {
        for (int i = 0; i < combo->count(); ++i)
            check(found, widget, combo->itemText(i));
    }
    if (auto *button = qobject_cast<const QPushButton *>(widget))
        checkMenu(found, seen, button->menu());
    if (auto *button = qobject_cast<const QToolButton *>(widget))
        checkMenu(found, seen, button->menu());
    if (auto *menu = qobject_cast<const QMenu *>(widget)) {
        checkMenu(found, seen, menu);
        return;
    }
    // A menu bar's entries, and the actions any other widget offers.
    const QList<QAction *> actions = widget->actions();
    for (const QAction *action : actions) {
        check(found, widget, action->text());
        checkMenu(found, seen, action->menu());
    }
}

} // namespace

QStringList untranslatedTexts(const QWidget *root)
{
    QStringList found;
    QSet<const QMenu *> seen;
    checkWidget(found, seen, root);
    const QList<QWidget *> children = root->findChildren<QWidget *>();
    for (const QWidget *child : children)
        checkWidget(found, seen, child);
    return found;
}

} // namespace BrvTest
