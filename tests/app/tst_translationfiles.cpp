#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include "BrvTest.h"
#include "IQTranslators.h"
#include "TsFile.h"

namespace {

using Key = QPair<QString, QString>; // (context, source)

// Texts a language may keep exactly as in English, or write in Latin letters where it has a
// script of its own: units, numbers, format names and words that language writes the same way. Text shortcuts and texts without letters are always kept.
const QHash<QString, QSet<QString>> &allowedAsEnglish()
{
    static const QHash<QString, QSet<QString>> lists = [] {
        const QSet<QString> everywhere = {
            QStringLiteral("ms"), QStringLiteral("X:"), QStringLiteral("Y:"), QStringLiteral("R:"),
            QStringLiteral("G:"), QStringLiteral("B:"), QStringLiteral("%1 KB"), QStringLiteral("%1 MB"),
        };
        QHash<QString, QSet<QString>> l = {
            {QStringLiteral("_de"), {QStringLiteral("Format:"), QStringLiteral("Name:"),
                                     QStringLiteral("Option:"), QStringLiteral("Position:"),
                                     QStringLiteral("Text:"), QStringLiteral("Suffix:"),
                                     QStringLiteral("Normal"), QStringLiteral("Dialog")}},
            {QStringLiteral("_fr"), {QStringLiteral("Normal"), QStringLiteral("%1 minutes"),
                                     QStringLiteral("1 minute")}},
            {QStringLiteral("_sp"), {QStringLiteral("Color:"), QStringLiteral("Normal"),
                                     QStringLiteral("Error"), QStringLiteral("%1 bytes")}},
            {QStringLiteral("_it"), {QStringLiteral("File")}},
            {QStringLiteral("_pr"), {QStringLiteral("Normal"), QStringLiteral("%1 bytes")}},
            {QStringLiteral("_du"), {QStringLiteral("Prefix:"), QStringLiteral("Suffix:"),
                                     QStringLiteral("Help")}},
            {QStringLiteral("_sw"), {QStringLiteral("Text:"), QStringLiteral("Normal"),
                                     QStringLiteral("Prefix:"), QStringLiteral("Suffix:")}},
            {QStringLiteral("_tk"), {QStringLiteral("Form"), QStringLiteral("Normal")}},
            {QStringLiteral("_gr"), {QStringLiteral("%1 bytes"), QStringLiteral("Pixels"),
                                     QStringLiteral("Pix")}},
            {QStringLiteral("_jp"), {QStringLiteral("Pixels")}},
        };
        const QStringList suffixes = {"_ae", "_cn", "_da", "_du", "_fr", "_de", "_gr", "_it",
                                      "_jp", "_no", "_pr", "_ru", "_sp", "_sw", "_tk"};
        for (const QString &suffix : suffixes)
            l[suffix].unite(everywhere);
        return l;
    }();
    return lists;
}

bool hasLetter(const QString &text)
{
    for (const QChar c : text) {
        if (c.isLetter())
            return true;
    }
    return false;
}

// The scripts a translation must be written in, where the language has a script of its own.
QList<QChar::Script> ownScripts(const QString &suffix)
{
    if (suffix == QLatin1String("_ae"))
        return {QChar::Script_Arabic};
    if (suffix == QLatin1String("_cn"))
        return {QChar::Script_Han};
    if (suffix == QLatin1String("_gr"))
        return {QChar::Script_Greek};
    if (suffix == QLatin1String("_jp"))
        return {QChar::Script_Han, QChar::Script_Hiragana, QChar::Script_Katakana};
    if (suffix == QLatin1String("_ru"))
        return {QChar::Script_Cyrillic};
    return {};
}

bool hasLetterOf(const QString &text, const QList<QChar::Script> &scripts)
{
    for (int i = 0; i < text.size(); ++i) {
        const uint ucs4 = text.at(i).isHighSurrogate() && i + 1 < text.size()
                              ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1))
                              : text.at(i).unicode();
        if (QChar::isLetter(ucs4) && scripts.contains(QChar::script(ucs4)))
            return true;
    }
    return false;
}

QStringList placeholders(const QString &text)
{
    QStringList found;
    static const QRegularExpression placeholder(QStringLiteral("%L?\\d+"));
    auto it = placeholder.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.sort();
    return found;
}

bool hasAccelerator(QString text)
{
    return text.remove(QStringLiteral("&&")).contains(QLatin1Char('&'));
}

bool isShortcut(const QString &source)
{
    static const QRegularExpression shortcut(QStringLiteral("^(Ctrl|Alt|Shift|Meta)\\+"));
    return shortcut.match(source).hasMatch();
}

// Every translation source of one kind that exists now: languages arrive one by one.
QStringList existingSuffixes(const QString &folder, const QString &stem)
{
    QStringList suffixes;
    const QDir dir(BrvTest::sourceDir() + QStringLiteral("/resources/") + folder);
    for (const QString &name : dir.entryList({stem + QStringLiteral("_*.ts")}, QDir::Files))
        suffixes << name.mid(stem.size(), name.size() - stem.size() - 3);
    return suffixes;
}

QString describe(const Key &key)
{
    return QStringLiteral("%1 / %2").arg(key.first, key.second);
}

} // namespace

class tst_TranslationFiles : public QObject
{
    Q_OBJECT

private slots:
    void translationFile_data();
    void translationFile();
    void compiledIntoResources_data();
    void compiledIntoResources();
    void everyLanguageOfTheTableIsBuiltIn();
};

void tst_TranslationFiles::translationFile_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("englishPath");

    for (const QString &suffix : existingSuffixes(QStringLiteral("qm"), QStringLiteral("language")))
        QTest::addRow("language%s", qPrintable(suffix))
            << suffix << BrvTest::interfaceTsPath(suffix) << BrvTest::interfaceTsPath("_en");
    for (const QString &suffix : existingSuffixes(QStringLiteral("update"), QStringLiteral("update")))
        QTest::addRow("update%s", qPrintable(suffix))
            << suffix << BrvTest::updateTsPath(suffix) << BrvTest::updateTsPath("_en");
}

void tst_TranslationFiles::translationFile()
{
    QFETCH(QString, suffix);
    QFETCH(QString, path);
    QFETCH(QString, englishPath);

    const BrvTest::TsFile english = BrvTest::readTsFile(englishPath);
    QVERIFY2(english.error.isEmpty(), qPrintable(english.error));
    const BrvTest::TsFile ts = BrvTest::readTsFile(path);
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));

    QHash<Key, QString> englishTexts;
    for (const BrvTest::TsMessage &m : english.messages)
        englishTexts.insert({m.context, m.source}, m.translation);

    QStringList faults;
    QSet<Key> seen;
    const bool isEnglish = suffix == QLatin1String("_en");
    const QSet<QString> allowed = allowedAsEnglish().value(suffix);
    const QList<QChar::Script> scripts = ownScripts(suffix);
    for (const BrvTest::TsMessage &m : ts.messages) {
        const Key key{m.context, m.source};
        const QString where = describe(key);
        if (seen.contains(key))
            faults << where + QStringLiteral(": twice");
        seen.insert(key);
        if (m.translation.trimmed().isEmpty())
            faults << where + QStringLiteral(": no translation");
        if (!m.type.isEmpty())
            faults << where + QStringLiteral(": marked ") + m.type;
        if (!englishTexts.contains(key)) {
            faults << where + QStringLiteral(": not in English");
            continue;
        }
        const QString en = englishTexts.value(key);
        if (placeholders(m.translation) != placeholders(en))
            faults << where + QStringLiteral(": placeholders differ from \"%1\"").arg(en);
        // A menu entry keeps the accelerator of its source ("E&xit") even where English drops it.
        const bool wantsAccelerator =
            hasAccelerator(en) || (!isEnglish && hasAccelerator(m.source));
        if (hasAccelerator(m.translation) != wantsAccelerator)
            faults << where + QStringLiteral(": accelerator differs from \"%1\"").arg(m.source);
        if (isShortcut(m.source)) {
            const QKeySequence own = QKeySequence::fromString(m.translation, QKeySequence::NativeText);
            const QKeySequence reference = QKeySequence::fromString(en, QKeySequence::NativeText);
            if (reference.isEmpty() || own != reference)
                faults << where + QStringLiteral(": shortcut \"%1\" is not %2").arg(m.translation, en);
            continue;
        }
        if (isEnglish || !hasLetter(m.translation))
            continue;
        if (m.translation == en && !allowed.contains(en))
            faults << where + QStringLiteral(": left in English");
        if (!scripts.isEmpty() && !allowed.contains(en) && !hasLetterOf(m.translation, scripts))
            faults << where + QStringLiteral(": \"%1\" has no letter of the language's script").arg(m.translation);
    }
    // The downloader's prompts name buttons: Qt's own "OK" stays English, "Open" is the
    // downloader's button as this language labels it.
    QHash<Key, QString> texts;
    for (const BrvTest::TsMessage &m : ts.messages)
        texts.insert({m.context, m.source}, m.translation);
    const Key openButton{QStringLiteral("Downloader"), QStringLiteral("Open")};
    const Key clickOpen{QStringLiteral("Downloader"), QStringLiteral("Click the \"Open\" button to apply the update")};
    const Key clickOk{QStringLiteral("Downloader"), QStringLiteral("Click \"OK\" to begin installing the update")};
    if (texts.contains(openButton) && texts.contains(clickOpen)
        && !texts.value(clickOpen).contains(texts.value(openButton)))
        faults << describe(clickOpen) + QStringLiteral(": does not name the button \"%1\"").arg(texts.value(openButton));
    if (texts.contains(clickOk) && !texts.value(clickOk).contains(QLatin1String("OK")))
        faults << describe(clickOk) + QStringLiteral(": does not name the button \"OK\"");

    for (auto it = englishTexts.cbegin(); it != englishTexts.cend(); ++it) {
        if (!seen.contains(it.key()))
            faults << describe(it.key()) + QStringLiteral(": missing");
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void tst_TranslationFiles::compiledIntoResources_data()
{
    QTest::addColumn<QString>("resource");
    for (const QString &suffix : existingSuffixes(QStringLiteral("qm"), QStringLiteral("language")))
        QTest::addRow("language%s", qPrintable(suffix)) << QStringLiteral(":/qm/language%1.qm").arg(suffix);
    for (const QString &suffix : existingSuffixes(QStringLiteral("update"), QStringLiteral("update")))
        QTest::addRow("update%s", qPrintable(suffix)) << QStringLiteral(":/update/update%1.qm").arg(suffix);
}

void tst_TranslationFiles::compiledIntoResources()
{
    QFETCH(QString, resource);
    QFile file(resource);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(resource));
    QVERIFY(file.size() > 16);
}

void tst_TranslationFiles::everyLanguageOfTheTableIsBuiltIn()
{
    QSet<QString> suffixes;
    for (int language = QLocale::AnyLanguage; language <= QLocale::LastLanguage; ++language)
        suffixes.insert(languageSuffix(QLocale::Language(language)));
    QCOMPARE(suffixes.size(), 16);
    for (const QString &suffix : qAsConst(suffixes)) {
        for (const QString &resource : {QStringLiteral(":/qm/language%1.qm").arg(suffix),
                                        QStringLiteral(":/update/update%1.qm").arg(suffix)}) {
            QVERIFY2(QFile::exists(resource), qPrintable(resource));
        }
    }
}

QTEST_GUILESS_MAIN(tst_TranslationFiles)
#include "tst_translationfiles.moc"
