#pragma once

#include <QStringList>

class QWidget;

namespace BrvTest {

// Every text shown by the widget or its descendants that is still a translation key
// ("IDS_..."): label and button texts, tool tips, combo items, window and group titles,
// placeholders, and the titles and entries of menus and menu bars, submenus included. Each
// entry names the object and the text.
QStringList untranslatedTexts(const QWidget *root);

} // namespace BrvTest
