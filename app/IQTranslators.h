#pragma once

#include <QLocale>
#include <QString>

class QTranslator;

// The program's file suffix for a language's translations ("_de", "_sp", ...); "_en" for English
// and for every language the program has no translation of.
QString languageSuffix(QLocale::Language language);

// Installs the translators of the system locale's language: the interface texts (":/qm/") and
// the update dialogs' texts (":/update/"), each above the English pair, so a text the language
// lacks, or a translation that does not load, shows in English and never as its key. Calling
// it again chooses the language anew.
void installTranslators();

// Installs the English pair and, above it, the given language pair; a null translator is left
// out. installTranslators() uses it with the translators it loaded.
void installTranslators(QTranslator *interfaceTranslator, QTranslator *updateTranslator);
