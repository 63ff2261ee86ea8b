#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include "BrvTest.h"
#include "FindNamed.h"
#include "IQBatchDialog.h"
#include "IQImageBrowserFrame.h"
#include "IQTranslators.h"
#include "UntranslatedTexts.h"

Q_DECLARE_METATYPE(QLocale::Language)

namespace {

// The text's box can pass the widget by the last glyph's side bearing with nothing lost.
constexpr int kSideBearing = 2;

// Every visible label, button and combo box whose text is wider than the widget shows.
QStringList cutOffTexts(const QWidget *root)
{
    QStringList cut;
    auto check = [&cut](const QWidget *w, const QString &text, int needed) {
        if (w->isVisible() && !text.isEmpty() && w->width() + kSideBearing < needed)
            cut << QStringLiteral("%1 \"%2\": %3 of %4 pixels")
                       .arg(w->objectName(), text).arg(w->width()).arg(needed);
    };
    for (const QLabel *label : root->findChildren<QLabel *>()) {
        if (!label->wordWrap() && label->pixmap(Qt::ReturnByValue).isNull())
            check(label, label->text(), label->minimumSizeHint().width());
    }
    for (const QAbstractButton *button : root->findChildren<QAbstractButton *>())
        check(button, button->text(), button->minimumSizeHint().width());
    for (const QComboBox *combo : root->findChildren<QComboBox *>())
        check(combo, combo->currentText(), combo->minimumSizeHint().width());
    return cut;
}

bool allTilesHaveThumbnails(QWidget *page)
{
    auto *tiles = BrvTest::findNamed<QListWidget>(page, "tileListView");
    if (!tiles)
        return false;
    for (int row = 0; row < tiles->count(); ++row) {
        if (tiles->item(row)->icon().isNull())
            return false;
    }
    return true;
}

} // namespace

// The batch pages as users of every language see them: no key left, no text cut off.
class tst_TranslatedPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        BrvTest::useProgramFont();
        BrvTest::applyDarkStyle();
        QVERIFY(m_photos.isValid());
        const QList<QColor> colours{QColor(200, 80, 60), QColor(60, 140, 200), QColor(90, 170, 90)};
        for (int i = 0; i < colours.size(); ++i) {
            QImage image = BrvTest::gradientImage(i % 2 ? 300 : 400, i % 2 ? 400 : 260);
            QPainter painter(&image);
            painter.fillRect(image.rect().adjusted(30, 30, -30, -30), colours.at(i));
            painter.end();
            m_paths << m_photos.filePath(QStringLiteral("photo_%1.jpg").arg(i + 1));
            QVERIFY(image.save(m_paths.last()));
        }
    }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void pages_data();
    void pages();

private:
    QTemporaryDir m_photos;
    QStringList m_paths;
};

void tst_TranslatedPages::pages_data()
{
    QTest::addColumn<QLocale::Language>("language");
    const QList<QPair<const char *, QLocale::Language>> languages = {
        {"en", QLocale::English},  {"de", QLocale::German},   {"ru", QLocale::Russian},
        {"ae", QLocale::Arabic},   {"jp", QLocale::Japanese}, {"cn", QLocale::Chinese},
        {"da", QLocale::Danish},   {"du", QLocale::Dutch},    {"fr", QLocale::French},
        {"gr", QLocale::Greek},    {"it", QLocale::Italian},  {"no", QLocale::NorwegianBokmal},
        {"pr", QLocale::Portuguese}, {"sp", QLocale::Spanish}, {"sw", QLocale::Swedish},
        {"tk", QLocale::Turkish},
    };
    for (const auto &language : languages)
        QTest::newRow(language.first) << language.second;
}

void tst_TranslatedPages::pages()
{
    QFETCH(QLocale::Language, language);
    QLocale::setDefault(QLocale(language));
    installTranslators();
    const QString tag = QString::fromLatin1(QTest::currentDataTag());

    IQImageBrowserFrame page;
    page.resize(960, 560);
    page.addFiles(m_paths);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QTRY_VERIFY_WITH_TIMEOUT(allTilesHaveThumbnails(&page), 20000);
    QCOMPARE(BrvTest::untranslatedTexts(&page), QStringList());
    const QStringList cutPage = cutOffTexts(&page);
    QVERIFY2(cutPage.isEmpty(), qPrintable(cutPage.join(QLatin1Char('\n'))));
    BrvTest::saveScreenshot(&page, QStringLiteral("tilepage-") + tag);

    IQBatchDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // WebP shows every row the dialog has: quality and frame duration.
    BrvTest::findNamed<QComboBox>(&dialog, "formatComboBox")->setCurrentIndex(4);
    QCOMPARE(BrvTest::untranslatedTexts(&dialog), QStringList());
    const QStringList cutDialog = cutOffTexts(&dialog);
    QVERIFY2(cutDialog.isEmpty(), qPrintable(cutDialog.join(QLatin1Char('\n'))));
    BrvTest::saveScreenshot(&dialog, QStringLiteral("batchdialog-") + tag);
}

QTEST_MAIN(tst_TranslatedPages)
#include "tst_translatedpages.moc"
