#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTest>
#include <QTextCodec>
#include <QTranslator>

#include <cstdio>

#include "IQTranslators.h"
#include "TsFile.h"

Q_DECLARE_METATYPE(QLocale::Language)

namespace {

// The text the program should show for each (context, source): the language's own
// translation where its file has one, English everywhere else.
QHash<QPair<QString, QString>, QString> expectedTexts(const QString &suffix,
                                                     const QString &englishPath,
                                                     const QString &languagePath)
{
    QHash<QPair<QString, QString>, QString> texts;
    for (const BrvTest::TsMessage &m : BrvTest::readTsFile(englishPath).messages)
        texts.insert({m.context, m.source}, m.translation);
    if (suffix != QLatin1String("_en") && QFile::exists(languagePath)) {
        for (const BrvTest::TsMessage &m : BrvTest::readTsFile(languagePath).messages) {
            if (!m.translation.isEmpty() && texts.contains({m.context, m.source}))
                texts.insert({m.context, m.source}, m.translation);
        }
    }
    return texts;
}

// Knows one interface text and nothing else, like a translation that lags behind English.
class OneTextTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "MainWindow") == 0 && qstrcmp(source, "IDS_OPEN") == 0)
            return QStringLiteral("Öffnen");
        return QString();
    }
};

} // namespace

class tst_Translators : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_startCodec = QTextCodec::codecForLocale(); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void languageTable_data();
    void languageTable();
    void missingTextShowsEnglish();
    void fileNamesKeepTheirBytes();

private:
    QTextCodec *m_startCodec = nullptr; // the system's, before any translator was installed
};

void tst_Translators::languageTable_data()
{
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<QString>("suffix");

    QTest::newRow("Arabic") << QLocale::Arabic << "_ae";
    QTest::newRow("Chinese") << QLocale::Chinese << "_cn";
    QTest::newRow("Danish") << QLocale::Danish << "_da";
    QTest::newRow("Dutch") << QLocale::Dutch << "_du";
    QTest::newRow("French") << QLocale::French << "_fr";
    QTest::newRow("German") << QLocale::German << "_de";
    QTest::newRow("Greek") << QLocale::Greek << "_gr";
    QTest::newRow("Italian") << QLocale::Italian << "_it";
    QTest::newRow("Japanese") << QLocale::Japanese << "_jp";
    QTest::newRow("Norwegian Bokmal") << QLocale::NorwegianBokmal << "_no";
    QTest::newRow("Portuguese") << QLocale::Portuguese << "_pr";
    QTest::newRow("Russian") << QLocale::Russian << "_ru";
    QTest::newRow("Spanish") << QLocale::Spanish << "_sp";
    QTest::newRow("Swedish") << QLocale::Swedish << "_sw";
    QTest::newRow("Turkish") << QLocale::Turkish << "_tk";
    // After fifteen languages: what they installed must be gone again.
    QTest::newRow("English") << QLocale::English << "_en";
    QTest::newRow("Polish") << QLocale::Polish << "_en";
    QTest::newRow("Norwegian Nynorsk") << QLocale::NorwegianNynorsk << "_en";
}

void tst_Translators::languageTable()
{
    QFETCH(QLocale::Language, language);
    QFETCH(QString, suffix);

    QCOMPARE(languageSuffix(language), suffix);

    QLocale::setDefault(QLocale(language));
    installTranslators();

    const struct {
        QString english;
        QString own;
    } files[] = {
        {BrvTest::interfaceTsPath("_en"), BrvTest::interfaceTsPath(suffix)},
        {BrvTest::updateTsPath("_en"), BrvTest::updateTsPath(suffix)},
    };
    for (const auto &file : files) {
        const auto expected = expectedTexts(suffix, file.english, file.own);
        QVERIFY2(!expected.isEmpty(), qPrintable(file.english));
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            const QString shown = QCoreApplication::translate(qPrintable(it.key().first),
                                                              it.key().second.toUtf8().constData());
            QVERIFY2(shown == it.value(),
                     qPrintable(QStringLiteral("%1 / %2: \"%3\", expected \"%4\"")
                                    .arg(it.key().first, it.key().second, shown, it.value())));
        }
    }
}

void tst_Translators::missingTextShowsEnglish()
{
    OneTextTranslator german;
    installTranslators(&german, nullptr);

    QCOMPARE(QCoreApplication::translate("MainWindow", "IDS_OPEN"), QStringLiteral("Öffnen"));
    QCOMPARE(QCoreApplication::translate("MainWindow", "IDS_FILE"), QStringLiteral("File"));
    QCOMPARE(QCoreApplication::translate("IQBatchDialog", "IDS_DIRECTORY_NOT_EXIST"),
             QStringLiteral("The selected folder does not exist."));
    QCOMPARE(QCoreApplication::translate("Downloader", "Downloading updates"),
             QStringLiteral("Downloading updates"));

    // A language whose files do not load at all still shows English, never a key.
    QLocale::setDefault(QLocale(QLocale::Korean));
    installTranslators();
    QCOMPARE(QCoreApplication::translate("MainWindow", "IDS_OPEN"), QStringLiteral("Open"));
}

void tst_Translators::fileNamesKeepTheirBytes()
{
    // The file as the system names it, written before the program touches any codec.
    const QString name = QStringLiteral("café.png");
    const QByteArray systemBytes = m_startCodec->fromUnicode(name);
    FILE *file = std::fopen(systemBytes.constData(), "wb");
    QVERIFY(file);
    QCOMPARE(std::fputs("x", file) >= 0, true);
    QCOMPARE(std::fclose(file), 0);

    // Chinese as well: the language a GBK default would have been made for.
    for (QLocale::Language language : {QLocale::Chinese, QLocale::English}) {
        QLocale::setDefault(QLocale(language));
        installTranslators();
        QVERIFY(QFile::exists(name));
        QVERIFY(QDir::current().entryList(QDir::Files).contains(name));
        QCOMPARE(QFile::encodeName(name), systemBytes);
        QCOMPARE(QTextCodec::codecForLocale(), m_startCodec);
    }
    QVERIFY(QFile::remove(name));
}

QTEST_GUILESS_MAIN(tst_Translators)
#include "tst_translators.moc"
