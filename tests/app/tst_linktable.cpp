#include <QLocale>
#include <QTest>
#include <QUrl>

#include "BVEnv.h"
#include "BVLinkTable.h"
#include "IQAppInfo.h"

namespace {

enum Page { Guide, Faq, Support };

QString pageUrl(const BVLinkTable *table, Page page)
{
    switch (page) {
    case Guide:
        return table->guideUrl();
    case Faq:
        return table->faqUrl();
    case Support:
        return table->supportUrl();
    }
    return QString();
}

} // namespace

Q_DECLARE_METATYPE(QLocale::Language)
Q_DECLARE_METATYPE(Page)

class tst_LinkTable : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void pageAddress_data();
    void pageAddress();
    void basesEndInSlashOnReservedHost();
    void processWideEnvironment();
};

void tst_LinkTable::pageAddress_data()
{
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<int>("site");
    QTest::addColumn<Page>("page");
    QTest::addColumn<QString>("address");

    const QString www = QStringLiteral("https://www.brivane.example/");
    const QString www2 = QStringLiteral("https://www2.brivane.example/");
    QTest::newRow("English guide, no segment") << QLocale::English << 1 << Guide << www + "webp/guide";
    QTest::newRow("German guide") << QLocale::German << 1 << Guide << www + "de/webp/guide";
    QTest::newRow("French support") << QLocale::French << 1 << Support << www + "fr/support";
    QTest::newRow("Danish FAQ") << QLocale::Danish << 1 << Faq << www + "dk/faq/webp";
    QTest::newRow("Chinese guide") << QLocale::Chinese << 1 << Guide << www + "tw/webp/guide";
    QTest::newRow("Japanese support") << QLocale::Japanese << 1 << Support << www + "jp/support";
    QTest::newRow("Arabic FAQ") << QLocale::Arabic << 1 << Faq << www + "ar/faq/webp";
    QTest::newRow("Korean FAQ, English pages") << QLocale::Korean << 1 << Faq << www + "faq/webp";
    QTest::newRow("Russian FAQ, English pages") << QLocale::Russian << 1 << Faq << www + "faq/webp";
    QTest::newRow("Polish guide, English pages") << QLocale::Polish << 1 << Guide << www + "webp/guide";
    QTest::newRow("site 2, German guide") << QLocale::German << 2 << Guide << www2 + "webp/guide";
    QTest::newRow("site 2, English support") << QLocale::English << 2 << Support << www2 + "support";
    QTest::newRow("site 0 is the international site") << QLocale::Italian << 0 << Faq << www + "it/faq/webp";
}

void tst_LinkTable::pageAddress()
{
    QFETCH(QLocale::Language, language);
    QFETCH(int, site);
    QFETCH(Page, page);
    QFETCH(QString, address);

    QLocale::setDefault(QLocale(language));
    BVEnv env(14, QStringLiteral("Brivane WebP"), site, BVEnv::defaultLanguages());
    QCOMPARE(pageUrl(env.linkTable(), page), address);

    // The second constructor builds the same default map itself.
    BVEnv defaultMap(14, QStringLiteral("Brivane WebP"), site);
    QCOMPARE(pageUrl(defaultMap.linkTable(), page), address);
    QVERIFY(QUrl(address, QUrl::StrictMode).isValid());
}

void tst_LinkTable::basesEndInSlashOnReservedHost()
{
    for (int site : {1, 2}) {
        BVEnv env(14, QStringLiteral("Brivane WebP"), site);
        const QString base = env.linkTable()->baseUrl();
        const QUrl url(base, QUrl::StrictMode);
        QVERIFY2(base.endsWith(QLatin1Char('/')), qPrintable(base));
        QCOMPARE(url.scheme(), QStringLiteral("https"));
        QVERIFY2(url.host().endsWith(QLatin1String(".example")), qPrintable(base));
    }
    QCOMPARE(IQAppInfo::homePageUrl(), BVEnv(14, QString(), 1).linkTable()->baseUrl());
}

void tst_LinkTable::processWideEnvironment()
{
    BVEnv *env = IQAppInfo::environment();
    QVERIFY(env);
    QCOMPARE(IQAppInfo::environment(), env);
    QCOMPARE(env->productIndex(), 14);
    QCOMPARE(env->site(), 1);
    QCOMPARE(env->displayName(), QStringLiteral("Brivane WebP"));
    QCOMPARE(env->languages().size(), 15);
    QCOMPARE(IQAppInfo::languageMap(), BVEnv::defaultLanguages());

    // The language is read at each address, not when the builder was made.
    QLocale::setDefault(QLocale(QLocale::German));
    QCOMPARE(env->linkTable()->guideUrl(), QStringLiteral("https://www.brivane.example/de/webp/guide"));
    QLocale::setDefault(QLocale(QLocale::English));
    QCOMPARE(env->linkTable()->guideUrl(), QStringLiteral("https://www.brivane.example/webp/guide"));
    QCOMPARE(IQAppInfo::systemLanguage(), QLocale::English);
}

QTEST_GUILESS_MAIN(tst_LinkTable)
#include "tst_linktable.moc"
