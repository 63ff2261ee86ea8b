#include "BVEnv.h"

#include <QLocale>

#include "BVLinkTable.h"

BVEnv::BVEnv(int productIndex, const QString &displayName, int site,
             const QMap<int, QString> &languages, QObject *parent)
    : QObject(parent)
    , m_productIndex(productIndex)
    , m_displayName(displayName)
    , m_site(site)
    , m_languages(languages)
    , m_linkTable(std::make_unique<BVLinkTable>(this, languages))
{
}

BVEnv::BVEnv(int productIndex, const QString &displayName, int site, QObject *parent)
    : BVEnv(productIndex, displayName, site, defaultLanguages(), parent)
{
}

BVEnv::~BVEnv() = default;

QMap<int, QString> BVEnv::defaultLanguages()
{
    return {
        {QLocale::English, QStringLiteral("en")},
        {QLocale::Japanese, QStringLiteral("jp")},
        {QLocale::German, QStringLiteral("de")},
        {QLocale::French, QStringLiteral("fr")},
        {QLocale::Danish, QStringLiteral("dk")},
        {QLocale::Turkish, QStringLiteral("tr")},
        {QLocale::Greek, QStringLiteral("gr")},
        {QLocale::Italian, QStringLiteral("it")},
        {QLocale::Swedish, QStringLiteral("se")},
        {QLocale::Portuguese, QStringLiteral("pt")},
        {QLocale::Spanish, QStringLiteral("es")},
        {QLocale::NorwegianBokmal, QStringLiteral("no")},
        {QLocale::Dutch, QStringLiteral("nl")},
        {QLocale::Arabic, QStringLiteral("ar")},
        {QLocale::Chinese, QStringLiteral("tw")},
    };
}
