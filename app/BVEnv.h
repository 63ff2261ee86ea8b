#pragma once

#include <QMap>
#include <QObject>
#include <QString>

#include <memory>

class BVLinkTable;

// The maker's web presence as this product sees it: which row of the maker's link table is
// ours, which of the two sites to use and how a system language maps to a site language.
class BVEnv : public QObject
{
    Q_OBJECT

public:
    // Site selector of the maker's second site; every other value means the international one.
    static constexpr int kSecondSite = 2;

    BVEnv(int productIndex, const QString &displayName, int site,
          const QMap<int, QString> &languages, QObject *parent = nullptr);
    BVEnv(int productIndex, const QString &displayName, int site, QObject *parent = nullptr);
    ~BVEnv() override;

    // QLocale::Language values to the site's language segments ("de", "fr", ...).
    static QMap<int, QString> defaultLanguages();

    int productIndex() const { return m_productIndex; }
    QString displayName() const { return m_displayName; }
    int site() const { return m_site; }
    QMap<int, QString> languages() const { return m_languages; }
    BVLinkTable *linkTable() const { return m_linkTable.get(); }

private:
    int m_productIndex;
    QString m_displayName;
    int m_site;
    QMap<int, QString> m_languages;
    std::unique_ptr<BVLinkTable> m_linkTable;
};
