#pragma once

#include <QMap>
#include <QString>

class BVEnv;

// The pages of one product, each relative to the base address of a site.
struct BVProductLinks
{
    QString productPage;
    QString guide;
    QString faq;
    QString support;
};

// Builds the full addresses of the product's pages on the site its environment selects, with
// the language segment of the system locale.
class BVLinkTable
{
public:
    BVLinkTable(const BVEnv *env, const QMap<int, QString> &languages);

    // Both sites' base addresses end with "/".
    static QString internationalSiteUrl();
    static QString secondSiteUrl();

    QString baseUrl() const;
    QString guideUrl() const;
    QString faqUrl() const;
    QString supportUrl() const;

private:
    QString pageUrl(QString BVProductLinks::*page) const;

    const BVEnv *m_env;
    QMap<int, QString> m_languages;
    QMap<int, BVProductLinks> m_products;
};
