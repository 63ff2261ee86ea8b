#include <QCheckBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QtTest>

#include <memory>

#include "BrvTest.h"
#include "FindNamed.h"
#include "IQBatchModuleFrame.h"
#include "IQBatchOptionFrame.h"
#include "settings/IQBatchSettings.h"
#include "UntranslatedTexts.h"

using BrvTest::findNamed;

namespace {

QStringList warnings;
QtMessageHandler previousHandler = nullptr;

void recordWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg)
        warnings << message;
    previousHandler(type, context, message);
}

// The module frames the panel shows at the moment, by class name.
QStringList shownModules(const IQBatchOptionFrame &panel)
{
    QStringList shown;
    const QList<IQBatchModuleFrame *> modules = panel.findChildren<IQBatchModuleFrame *>();
    for (const IQBatchModuleFrame *module : modules) {
        if (module->isVisibleTo(&panel))
            shown << QString::fromLatin1(module->metaObject()->className());
    }
    return shown;
}

} // namespace

class TestBatchOptionFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void buildsWithoutWarnings();
    void showsFourButtonsAndTheResizeModule();
    void eachButtonShowsOnlyItsModule_data();
    void eachButtonShowsOnlyItsModule();
    void everyModuleFollowsThePanelsHeight();
    void aWindowThatGrewCanShrinkAgain();
    void everyTextIsTranslated();
    void everyModuleFitsInsideThePanel();
};

void TestBatchOptionFrame::initTestCase()
{
    QVERIFY(BrvTest::loadEnglishTranslation());
}

void TestBatchOptionFrame::init()
{
    *IQBatchSettings::instance() = IQBatchSettings();
}

void TestBatchOptionFrame::buildsWithoutWarnings()
{
    warnings.clear();
    previousHandler = qInstallMessageHandler(recordWarnings);
    {
        IQBatchOptionFrame panel;
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
    }
    qInstallMessageHandler(previousHandler);
    // "propagateSizeHints" is the offscreen platform speaking, not the panel
    const QStringList ours = warnings.filter(QRegularExpression(QStringLiteral("^(?!.*propagateSizeHints)")));
    QCOMPARE(ours, QStringList());
}

void TestBatchOptionFrame::showsFourButtonsAndTheResizeModule()
{
    IQBatchOptionFrame panel;
    QStringList visible;
    const QList<QRadioButton *> radios = panel.findChildren<QRadioButton *>(
        QRegularExpression(QStringLiteral("Radio$")));
    QCOMPARE(radios.size(), 6);
    for (const QRadioButton *radio : radios) {
        if (radio->isVisibleTo(&panel))
            visible << radio->objectName();
    }
    visible.sort();
    QCOMPARE(visible, (QStringList{"renameRadio", "resizeRadio", "rotateRadio", "textRadio"}));
    QVERIFY(findNamed<QRadioButton>(&panel, "resizeRadio")->isChecked());
    QCOMPARE(shownModules(panel), QStringList{"IQResizeFrame"});
}

void TestBatchOptionFrame::eachButtonShowsOnlyItsModule_data()
{
    QTest::addColumn<QByteArray>("radio");
    QTest::addColumn<QString>("module");
    QTest::addColumn<QString>("toolTip");

    QTest::newRow("rename") << QByteArray("renameRadio") << "IQRenameFrame" << "Rename";
    QTest::newRow("rotate") << QByteArray("rotateRadio") << "IQRotateFrame" << "Rotate";
    QTest::newRow("text") << QByteArray("textRadio") << "IQTextFrame" << "Text Watermark";
    QTest::newRow("resize") << QByteArray("resizeRadio") << "IQResizeFrame" << "Resize";
}

void TestBatchOptionFrame::eachButtonShowsOnlyItsModule()
{
    QFETCH(QByteArray, radio);
    QFETCH(QString, module);

    IQBatchOptionFrame panel;
    auto *button = findNamed<QRadioButton>(&panel, radio.constData());
    QTEST(button->toolTip(), "toolTip");
    findNamed<QRadioButton>(&panel, "rotateRadio")->click();
    button->click();
    QCOMPARE(shownModules(panel), QStringList{module});
    button->click(); // the checked button stays checked
    QVERIFY(button->isChecked());
    QCOMPARE(shownModules(panel), QStringList{module});
}

void TestBatchOptionFrame::everyModuleFollowsThePanelsHeight()
{
    IQBatchOptionFrame panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    panel.resize(panel.width(), 500);
    QTRY_COMPARE_WITH_TIMEOUT(panel.height(), 500, BrvTest::kEventTimeoutMs);
    const QList<IQBatchModuleFrame *> modules = panel.findChildren<IQBatchModuleFrame *>();
    QCOMPARE(modules.size(), 6);
    for (const IQBatchModuleFrame *module : modules)
        QCOMPARE(module->minimumHeight(), 500);
}

void TestBatchOptionFrame::aWindowThatGrewCanShrinkAgain()
{
    // The modules take the panel's height as their minimum; that must not become the
    // minimum of the window that holds the panel, or a maximised window stays large.
    QWidget window;
    auto *layout = new QHBoxLayout(&window);
    auto *panel = new IQBatchOptionFrame;
    layout->addWidget(panel);
    window.resize(400, 800);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE_WITH_TIMEOUT(findNamed<QWidget>(panel, "IQResizeFrame")->minimumHeight(), panel->height(), BrvTest::kEventTimeoutMs);

    window.resize(400, 450);
    QTRY_COMPARE_WITH_TIMEOUT(window.height(), 450, BrvTest::kEventTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(findNamed<QWidget>(panel, "IQResizeFrame")->minimumHeight(), panel->height(), BrvTest::kEventTimeoutMs);
    QVERIFY(panel->height() < 450);
}

void TestBatchOptionFrame::everyTextIsTranslated()
{
    IQBatchOptionFrame panel;
    QCOMPARE(BrvTest::untranslatedTexts(&panel), QStringList());
}

// At the width it asks for beside the tiles, each module's controls lie inside the panel and
// clear of each other, switched off too.
void TestBatchOptionFrame::everyModuleFitsInsideThePanel()
{
    BrvTest::applyDarkStyle();
    const QFont font = qApp->font();
    BrvTest::useProgramFont();
    IQBatchOptionFrame panel;
    panel.resize(panel.sizeHint().width(), 600);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    // The first fault in the panel as it shows now, named after what is shown.
    const auto faultIn = [&panel](const QString &shown) {
        QCoreApplication::processEvents(); // let the shown module lay itself out
        BrvTest::saveScreenshot(&panel, QStringLiteral("panel-") + shown);
        const QString fault = BrvTest::layoutFault(&panel);
        return fault.isEmpty() ? fault : shown + QStringLiteral(": ") + fault;
    };
    for (const char *radio : {"resizeRadio", "renameRadio", "rotateRadio", "textRadio"}) {
        findNamed<QRadioButton>(&panel, radio)->click();
        const QString fault = faultIn(QLatin1String(radio));
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }
    auto *textCheck = findNamed<QWidget>(&panel, "IQTextFrame")->findChild<QCheckBox *>(
        QStringLiteral("moduleCheck"));
    textCheck->click();
    const QString switchedOff = faultIn(QStringLiteral("text-off"));
    QVERIFY2(switchedOff.isEmpty(), qPrintable(switchedOff));
    textCheck->click();
    // the two modules whose buttons are hidden
    panel.setCurrentModule(3);
    const QString border = faultIn(QStringLiteral("border"));
    QVERIFY2(border.isEmpty(), qPrintable(border));
    panel.setCurrentModule(5);
    const QString stamp = faultIn(QStringLiteral("stamp"));
    QVERIFY2(stamp.isEmpty(), qPrintable(stamp));
    qApp->setStyleSheet(QString());
    qApp->setFont(font);
}

QTEST_MAIN(TestBatchOptionFrame)
#include "tst_batchoptionframe.moc"
