#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

#include <memory>

#include "BrvTest.h"
#include "FindNamed.h"
#include "settings/IQBatchSettings.h"
#include "IQBorderFrame.h"
#include "IQImageStampFrame.h"
#include "IQRenameFrame.h"
#include "IQResizeFrame.h"
#include "IQRotateFrame.h"
#include "IQTextFrame.h"
#include "UntranslatedTexts.h"

namespace {

std::unique_ptr<IQBatchModuleFrame> makeModule(const QString &name)
{
    if (name == QLatin1String("IQResizeFrame"))
        return std::make_unique<IQResizeFrame>();
    if (name == QLatin1String("IQRenameFrame"))
        return std::make_unique<IQRenameFrame>();
    if (name == QLatin1String("IQRotateFrame"))
        return std::make_unique<IQRotateFrame>();
    if (name == QLatin1String("IQBorderFrame"))
        return std::make_unique<IQBorderFrame>();
    if (name == QLatin1String("IQTextFrame"))
        return std::make_unique<IQTextFrame>();
    if (name == QLatin1String("IQImageStampFrame"))
        return std::make_unique<IQImageStampFrame>();
    return nullptr;
}

bool enabledFlag(const QString &name)
{
    const IQBatchSettings *s = IQBatchSettings::instance();
    if (name == QLatin1String("IQResizeFrame"))
        return s->resizeEnabled;
    if (name == QLatin1String("IQRenameFrame"))
        return s->renameEnabled;
    if (name == QLatin1String("IQRotateFrame"))
        return s->rotateEnabled;
    if (name == QLatin1String("IQBorderFrame"))
        return s->borderEnabled;
    if (name == QLatin1String("IQTextFrame"))
        return s->textEnabled;
    return s->stampEnabled;
}

// Moves a control away from its starting value, so that keeping the value means something.
void nudge(QWidget *w)
{
    if (auto *combo = qobject_cast<QComboBox *>(w))
        combo->setCurrentIndex(combo->count() > 1 ? 1 : 0);
    else if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->setText(QStringLiteral("42"));
    else if (auto *spin = qobject_cast<QSpinBox *>(w))
        spin->setValue(spin->minimum() + 3);
    else if (auto *slider = qobject_cast<QSlider *>(w))
        slider->setValue(slider->minimum() + 3);
    else if (auto *text = qobject_cast<QPlainTextEdit *>(w))
        text->setPlainText(QStringLiteral("42"));
    else if (qobject_cast<QRadioButton *>(w) || qobject_cast<QCheckBox *>(w))
        static_cast<QAbstractButton *>(w)->click();
}

QVariant valueOf(const QWidget *w)
{
    if (auto *text = qobject_cast<const QPlainTextEdit *>(w))
        return text->toPlainText();
    if (auto *combo = qobject_cast<const QComboBox *>(w))
        return combo->currentIndex();
    const QMetaProperty user = w->metaObject()->userProperty();
    return user.isValid() ? user.read(w) : QVariant();
}

} // namespace

class TestBatchModules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void uncheckingDisablesControlsAndKeepsValues_data();
    void uncheckingDisablesControlsAndKeepsValues();
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
};

void TestBatchModules::initTestCase()
{
    QVERIFY(BrvTest::loadEnglishTranslation());
}

void TestBatchModules::init()
{
    *IQBatchSettings::instance() = IQBatchSettings();
}

void TestBatchModules::uncheckingDisablesControlsAndKeepsValues_data()
{
    QTest::addColumn<QString>("module");
    QTest::addColumn<QStringList>("controls");
    QTest::addColumn<QStringList>("alwaysEnabled");

    QTest::newRow("resize") << "IQResizeFrame"
                            << QStringList{"modeComboBox", "widthEdit", "heightEdit",
                                           "resolutionEdit", "enlargeCheck"}
                            << QStringList{};
    QTest::newRow("rename") << "IQRenameFrame"
                            << QStringList{"prefixEdit", "suffixEdit", "newNameEdit",
                                           "startSpinBox"}
                            << QStringList{};
    QTest::newRow("rotate") << "IQRotateFrame"
                            << QStringList{"radioButton_3", "radioButton_1", "radioButton_2",
                                           "radioButton_4"}
                            << QStringList{};
    QTest::newRow("border") << "IQBorderFrame" << QStringList{"widthSpinBox", "colorWidget"}
                            << QStringList{"opacitySlider"};
    QTest::newRow("text watermark")
        << "IQTextFrame"
        << QStringList{"styleComboBox", "positionComboBox", "fontSizeComboBox", "plainTextEdit",
                       "fontComboBox", "colorButn", "angelSlider", "xSpinBox", "ySpinBox"}
        << QStringList{};
    QTest::newRow("image watermark")
        << "IQImageStampFrame"
        << QStringList{"positionComboBox", "selectButn", "opacitySlider", "scaleSlider",
                       "angelSlider"}
        << QStringList{"xSpinBox", "ySpinBox"};
}

void TestBatchModules::uncheckingDisablesControlsAndKeepsValues()
{
    QFETCH(QString, module);
    QFETCH(QStringList, controls);
    QFETCH(QStringList, alwaysEnabled);

    std::unique_ptr<IQBatchModuleFrame> frame = makeModule(module);
    QVERIFY(frame);
    auto *check = BrvTest::findNamed<QAbstractButton>(frame.get(), "moduleCheck");
    QVERIFY(check);
    QVERIFY(check->isChecked());
    QVERIFY(enabledFlag(module));

    QList<QWidget *> widgets;
    for (const QString &name : qAsConst(controls)) {
        auto *w = BrvTest::findNamed<QWidget>(frame.get(), name.toLatin1().constData());
        QVERIFY2(w, qPrintable(name));
        QVERIFY2(w->isEnabled(), qPrintable(name));
        nudge(w);
        widgets << w;
    }
    QVariantList values;
    for (QWidget *w : qAsConst(widgets))
        values << valueOf(w);

    check->click();
    QVERIFY(!enabledFlag(module));
    for (int i = 0; i < widgets.size(); ++i) {
        QVERIFY2(!widgets[i]->isEnabled(), qPrintable(controls[i]));
        QCOMPARE(valueOf(widgets[i]), values[i]);
    }
    for (const QString &name : qAsConst(alwaysEnabled)) {
        auto *w = BrvTest::findNamed<QWidget>(frame.get(), name.toLatin1().constData());
        QVERIFY2(w && w->isEnabled(), qPrintable(name));
    }
    QVERIFY(BrvTest::findNamed<QWidget>(frame.get(), "moduleNameLabel")->isEnabled());

    check->click();
    QVERIFY(enabledFlag(module));
    for (int i = 0; i < widgets.size(); ++i) {
        QVERIFY2(widgets[i]->isEnabled(), qPrintable(controls[i]));
        QCOMPARE(valueOf(widgets[i]), values[i]);
    }
}

void TestBatchModules::everyTextIsTranslated_data()
{
    QTest::addColumn<QString>("module");
    QTest::newRow("resize") << "IQResizeFrame";
    QTest::newRow("rename") << "IQRenameFrame";
    QTest::newRow("rotate") << "IQRotateFrame";
    QTest::newRow("border") << "IQBorderFrame";
    QTest::newRow("text watermark") << "IQTextFrame";
    QTest::newRow("image watermark") << "IQImageStampFrame";
}

void TestBatchModules::everyTextIsTranslated()
{
    QFETCH(QString, module);
    std::unique_ptr<IQBatchModuleFrame> frame = makeModule(module);
    QVERIFY(frame);
    auto *positions = BrvTest::findNamed<QComboBox>(frame.get(), "positionComboBox");
    if (positions)
        positions->setCurrentIndex(IQWatermarkPosition::Custom);
    QCOMPARE(BrvTest::untranslatedTexts(frame.get()), QStringList());
    auto *title = BrvTest::findNamed<QLabel>(frame.get(), "moduleNameLabel");
    QVERIFY(title && !title->text().isEmpty());
}

QTEST_MAIN(TestBatchModules)
#include "tst_batchmodules.moc"
