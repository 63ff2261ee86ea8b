#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTest>

#include <memory>

#include "BrvTest.h"
#include "FindNamed.h"
#include "IQBatchDialog.h"
#include "IQBatchModuleFrame.h"
#include "IQBatchOptionFrame.h"
#include "IQExportDialog.h"
#include "IQImageBrowserFrame.h"
#include "documents/IQImageFile.h"
#include "IQTranslators.h"
#include "ImageFixtures.h"
#include "UntranslatedTexts.h"

using BrvTest::findNamed;

Q_DECLARE_METATYPE(QLocale::Language)

namespace {

// The forms are laid out for Arial's metrics; measured in a wider face every verdict is off.
const QStringList kArialMetricFaces{QStringLiteral("Arial"), QStringLiteral("Liberation Sans")};

// The text as drawn: a mnemonic's ampersand is not shown, a doubled one shows once.
QString shownText(QString text)
{
    static const QRegularExpression mnemonic(QStringLiteral("&(.)"));
    return text.replace(mnemonic, QStringLiteral("\\1"));
}

// The class of the form or dialog that holds the widget, for messages.
QString ownerName(const QWidget *widget)
{
    for (const QWidget *w = widget->parentWidget(); w; w = w->parentWidget()) {
        const QString name = QString::fromLatin1(w->metaObject()->className());
        if (name.startsWith(QLatin1String("IQ")))
            return name;
    }
    return QStringLiteral("?");
}

// The width a check box, radio or push button has for its text, as the style lays it out.
int textRoom(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox *>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton *>(button))
        contents = QStyle::SE_RadioButtonContents;
    int room = button->style()->subElementRect(contents, &option, button).width();
    if (!button->icon().isNull())
        room -= button->iconSize().width() + 4;
    const auto *push = qobject_cast<const QPushButton *>(button);
    if (push && push->menu())
        room -= button->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, &option, button);
    return room;
}

// The width a combo box has for the text of its current item.
int textRoom(const QComboBox *combo)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = false;
    option.frame = combo->hasFrame();
    option.currentText = combo->currentText();
    option.iconSize = combo->iconSize();
    option.subControls = QStyle::SC_All;
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    // The label is drawn one pixel in from either side of the edit field.
    return field.width() - 2;
}

// Every visible label, button and combo box item under root whose text, measured with the
// widget's font, is wider than the room the widget gives it: a text shown cut.
QStringList cutOffTexts(const QWidget *root)
{
    QStringList cut;
    auto check = [&cut](const QWidget *w, const QString &text, int room) {
        const int needed = QFontMetrics(w->font()).horizontalAdvance(text);
        if (needed > room)
            cut << QStringLiteral("%1.%2 \"%3\": %4 px in %5")
                       .arg(ownerName(w), w->objectName(), text)
                       .arg(needed)
                       .arg(room);
    };
    for (const QLabel *label : root->findChildren<QLabel *>()) {
        if (!label->isVisible() || label->text().isEmpty() || label->wordWrap()
            || !label->pixmap(Qt::ReturnByValue).isNull())
            continue;
        if (label->textFormat() == Qt::RichText
            || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())))
            continue;
        const int room = label->contentsRect().width() - 2 * label->margin()
                         - qMax(0, label->indent());
        check(label, label->text(), room);
    }
    for (const QAbstractButton *button : root->findChildren<QAbstractButton *>()) {
        if (button->isVisible() && !button->text().isEmpty())
            check(button, shownText(button->text()), textRoom(button));
    }
    // Each item of a list is shown in the same room once it is chosen.
    for (const QComboBox *combo : root->findChildren<QComboBox *>()) {
        if (!combo->isVisible() || combo->isEditable())
            continue;
        const int room = textRoom(combo);
        for (int i = 0; i < combo->count(); ++i)
            check(combo, combo->itemText(i), room);
    }
    return cut;
}

// Lets the layouts place what the last change showed or hid.
void settle()
{
    for (int round = 0; round < 3; ++round)
        QApplication::processEvents();
}

bool allTilesHaveThumbnails(QWidget *page)
{
    auto *tiles = findNamed<QListWidget>(page, "tileListView");
    if (!tiles)
        return false;
    for (int row = 0; row < tiles->count(); ++row) {
        if (tiles->item(row)->icon().isNull())
            return false;
    }
    return true;
}

// The module panel's radio buttons, in their id order.
const char *const kModuleRadios[] = {"resizeRadio", "renameRadio", "rotateRadio",
                                     "borderRadio", "textRadio",   "stampRadio"};

} // namespace

// Every page and dialog as users of each language see them, in every state that shows other
// texts: no key left, no text cut off.
class tst_TranslatedPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        BrvTest::useProgramFont();
        BrvTest::applyDarkStyle();
        const QString face = QFontInfo(QApplication::font()).family();
        QVERIFY2(kArialMetricFaces.contains(face),
                 qPrintable(QStringLiteral("Arial is drawn in %1; install fonts-liberation")
                                .arg(face)));
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
        const QString gif = m_photos.filePath(QStringLiteral("animation.gif"));
        QVERIFY(ImageFixtures::gifWithFrames(gif, colours, {100, 100, 100}, 64, 48));
        m_still = std::make_unique<IQImageFile>(m_paths.first());
        m_animated = std::make_unique<IQImageFile>(gif);
        QCOMPARE(m_still->kind(), int(DocumentInfo::Still));
        QCOMPARE(m_animated->kind(), int(DocumentInfo::Animated));
    }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void pages_data();
    void pages();

private:
    // Walks the module panel through each module it offers, and each module through every
    // item of its lists (the resize modes, the watermark positions with Custom's x and y).
    void checkModules(IQImageBrowserFrame *page, const QString &tag);
    void checkBatchDialog(const QString &tag);
    void checkExportDialog(IQImageFile *document, const QString &tag);
    // Records what root shows now: untranslated keys and cut texts.
    void look(const QWidget *root)
    {
        settle();
        m_untranslated << BrvTest::untranslatedTexts(root);
        m_cut << cutOffTexts(root);
    }

    QTemporaryDir m_photos;
    QStringList m_paths;
    std::unique_ptr<IQImageFile> m_still;
    std::unique_ptr<IQImageFile> m_animated;
    QStringList m_untranslated;
    QStringList m_cut;
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
    m_untranslated.clear();
    m_cut.clear();

    {
        IQImageBrowserFrame page;
        page.resize(960, 560);
        page.addFiles(m_paths);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QTRY_VERIFY_WITH_TIMEOUT(allTilesHaveThumbnails(&page), 20000);
        look(&page);
        BrvTest::saveScreenshot(&page, QStringLiteral("tilepage-") + tag);
        checkModules(&page, tag);
        if (QTest::currentTestFailed())
            return;
    }
    checkBatchDialog(tag);
    checkExportDialog(m_still.get(), QStringLiteral("still-") + tag);
    checkExportDialog(m_animated.get(), QStringLiteral("animation-") + tag);
    if (QTest::currentTestFailed())
        return;

    m_untranslated.removeDuplicates();
    m_cut.removeDuplicates();
    QVERIFY2(m_untranslated.isEmpty(), qPrintable(m_untranslated.join(QLatin1Char('\n'))));
    QVERIFY2(m_cut.isEmpty(), qPrintable(m_cut.join(QLatin1Char('\n'))));
}

void tst_TranslatedPages::checkModules(IQImageBrowserFrame *page, const QString &tag)
{
    auto *panel = page->findChild<IQBatchOptionFrame *>();
    QVERIFY(panel);
    int offered = 0;
    for (const char *radioName : kModuleRadios) {
        auto *radio = findNamed<QRadioButton>(panel, radioName);
        QVERIFY2(radio, radioName);
        if (!radio->isVisible())
            continue;
        ++offered;
        radio->click();
        settle();
        IQBatchModuleFrame *module = nullptr;
        for (IQBatchModuleFrame *frame : panel->findChildren<IQBatchModuleFrame *>()) {
            if (frame->isVisible())
                module = frame;
        }
        QVERIFY2(module, radioName);
        const QString name = QString::fromLatin1(radioName).remove(QLatin1String("Radio"));
        look(page);
        BrvTest::saveScreenshot(panel, QStringLiteral("module-%1-%2").arg(name, tag));
        for (QComboBox *combo : module->findChildren<QComboBox *>()) {
            if (!combo->isVisible() || combo->isEditable())
                continue;
            for (int i = 0; i < combo->count(); ++i) {
                combo->setCurrentIndex(i);
                look(page);
                if (name == QLatin1String("resize") && i > 0)
                    BrvTest::saveScreenshot(panel, QStringLiteral("module-%1%2-%3")
                                                       .arg(name).arg(i).arg(tag));
            }
        }
    }
    QCOMPARE(offered, 4);
}

void tst_TranslatedPages::checkBatchDialog(const QString &tag)
{
    IQBatchDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *formats = findNamed<QComboBox>(&dialog, "formatComboBox");
    QVERIFY(formats);
    for (int format = 0; format < formats->count(); ++format) {
        formats->setCurrentIndex(format);
        look(&dialog);
    }
    BrvTest::saveScreenshot(&dialog, QStringLiteral("batchdialog-") + tag);
}

void tst_TranslatedPages::checkExportDialog(IQImageFile *document, const QString &tag)
{
    IQExportOptions options;
    options.name = QStringLiteral("photo");
    IQExportDialog dialog(document, &options);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *what = findNamed<QComboBox>(&dialog, "optionComboBox");
    auto *formats = findNamed<QComboBox>(&dialog, "formatComboBox");
    QVERIFY(what && formats);
    // A still offers only its current frame: the choice is hidden.
    const int choices = what->isVisible() ? what->count() : 1;
    for (int choice = 0; choice < choices; ++choice) {
        what->setCurrentIndex(choice);
        for (int format = 0; format < formats->count(); ++format) {
            formats->setCurrentIndex(format);
            look(&dialog);
        }
    }
    BrvTest::saveScreenshot(&dialog, QStringLiteral("exportdialog-") + tag);
}

QTEST_MAIN(tst_TranslatedPages)
#include "tst_translatedpages.moc"
