#include "UntranslatedTexts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace BrvTest {

namespace {

void check(QStringList &found, const QWidget *widget, const QString &text)
{
    if (text.startsWith(QLatin1String("IDS_")))
        found << widget->objectName() + QLatin1String(": ") + text;
}

void checkWidget(QStringList &found, const QWidget *widget)
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
}

} // namespace

QStringList untranslatedTexts(const QWidget *root)
{
    QStringList found;
    checkWidget(found, root);
    const QList<QWidget *> children = root->findChildren<QWidget *>();
    for (const QWidget *child : children)
        checkWidget(found, child);
    return found;
}

} // namespace BrvTest
