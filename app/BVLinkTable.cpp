#include "BVLinkTable.h"

#include <QLocale>

#include "BVEnv.h"

namespace {

// This product's row of the maker's link table; the same paths serve both sites.
constexpr int kWebpProductIndex = 14;

} // namespace

BVLinkTable::BVLinkTable(const BVEnv *env, const QMap<int, QString> &languages)
    : m_env(env)
    , m_languages(languages)
{
    m_products.insert(kWebpProductIndex,
                      {QStringLiteral("webp"), QStringLiteral("webp/guide"),
                       QStringLiteral("faq/webp"), QStringLiteral("support")});
}

QString BVLinkTable::internationalSiteUrl()
{
    return QStringLiteral("https://www.brivane.example/");
}

QString BVLinkTable::secondSiteUrl()
{
    return QStringLiteral("https://www2.brivane.example/");
}

QString BVLinkTable::baseUrl() const
{
    return m_env->site() == BVEnv::kSecondSite ? secondSiteUrl() : internationalSiteUrl();
}

QString BVLinkTable::guideUrl() const
{
    return pageUrl(&BVProductLinks::guide);
}

QString BVLinkTable::faqUrl() const
{
    return pageUrl(&BVProductLinks::faq);
}

QString BVLinkTable::supportUrl() const
{
    return pageUrl(&BVProductLinks::support);
}

QString BVLinkTable::pageUrl(QString BVProductLinks::*page) const
{
    const auto product = m_products.constFind(m_env->productIndex());
    if (product == m_products.constEnd())
        return QString();
    const QString path = (*product).*page;

    // A language the site has no pages for gets the English pages, as the interface falls
    // back to English; the second site has no language segments at all.
    const int language = QLocale().language();
    const auto segment = m_languages.constFind(language);
    if (m_env->site() == BVEnv::kSecondSite || language == QLocale::English
        || segment == m_languages.constEnd())
        return QStringLiteral("%1%2").arg(baseUrl(), path);
    return QStringLiteral("%1%2/%3").arg(baseUrl(), *segment, path);
}
