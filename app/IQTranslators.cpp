#include "IQTranslators.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QTextCodec>
#include <QTranslator>

#include "IQAppInfo.h"

namespace {

const QString kEnglishSuffix = QStringLiteral("_en");

// Made on first use and kept for the whole run, like the application's language.
struct Translators
{
    QTranslator englishInterface;
    QTranslator englishUpdate;
    QTranslator languageInterface;
    QTranslator languageUpdate;
};

Translators &translators()
{
    static Translators *const all = new Translators;
    return *all;
}

// What the last call installed, so a second call replaces it instead of stacking on it.
QList<QPointer<QTranslator>> &installed()
{
    static QList<QPointer<QTranslator>> list;
    return list;
}

QString interfacePath(const QString &suffix)
{
    return QStringLiteral(":/qm/language") + suffix;
}

QString updatePath(const QString &suffix)
{
    return QStringLiteral(":/update/update") + suffix;
}

void install(QTranslator *translator)
{
    if (!translator)
        return;
    QCoreApplication::installTranslator(translator);
    installed().append(translator);
}

} // namespace

QString languageSuffix(QLocale::Language language)
{
    static const QHash<int, QString> suffixes = {
        {QLocale::Arabic, QStringLiteral("_ae")},
        {QLocale::Chinese, QStringLiteral("_cn")},
        {QLocale::Danish, QStringLiteral("_da")},
        {QLocale::Dutch, QStringLiteral("_du")},
        {QLocale::French, QStringLiteral("_fr")},
        {QLocale::German, QStringLiteral("_de")},
        {QLocale::Greek, QStringLiteral("_gr")},
        {QLocale::Italian, QStringLiteral("_it")},
        {QLocale::Japanese, QStringLiteral("_jp")},
        {QLocale::NorwegianBokmal, QStringLiteral("_no")},
        {QLocale::Portuguese, QStringLiteral("_pr")},
        {QLocale::Russian, QStringLiteral("_ru")},
        {QLocale::Spanish, QStringLiteral("_sp")},
        {QLocale::Swedish, QStringLiteral("_sw")},
        {QLocale::Turkish, QStringLiteral("_tk")},
    };
    return suffixes.value(language, kEnglishSuffix);
}

void installTranslators(QTranslator *interfaceTranslator, QTranslator *updateTranslator)
{
    for (const QPointer<QTranslator> &translator : qAsConst(installed())) {
        if (translator)
            QCoreApplication::removeTranslator(translator);
    }
    installed().clear();

    // Searched last: the English texts fill whatever the language pair leaves open.
    Translators &all = translators();
    if (all.englishInterface.isEmpty())
        all.englishInterface.load(interfacePath(kEnglishSuffix));
    if (all.englishUpdate.isEmpty())
        all.englishUpdate.load(updatePath(kEnglishSuffix));
    install(all.englishInterface.isEmpty() ? nullptr : &all.englishInterface);
    install(all.englishUpdate.isEmpty() ? nullptr : &all.englishUpdate);

    install(interfaceTranslator);
    install(updateTranslator);
}

void installTranslators()
{
#ifdef Q_OS_WIN
    // Only the Windows build reads its 8-bit text as GBK; elsewhere the system's codec stays,
    // so UTF-8 file names such as "café.png" keep their bytes.
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("GBK"));
#endif
    const QString suffix = languageSuffix(IQAppInfo::systemLanguage());
    Translators &all = translators();
    QTranslator *interfaceTranslator = nullptr;
    QTranslator *updateTranslator = nullptr;
    if (suffix != kEnglishSuffix) {
        if (all.languageInterface.load(interfacePath(suffix)))
            interfaceTranslator = &all.languageInterface;
        if (all.languageUpdate.load(updatePath(suffix)))
            updateTranslator = &all.languageUpdate;
    }
    installTranslators(interfaceTranslator, updateTranslator);
}
