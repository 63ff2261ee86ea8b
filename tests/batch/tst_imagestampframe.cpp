#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include "BrvTest.h"
#include "FindNamed.h"
#include "settings/IQBatchSettings.h"
#include "IQImageStampFrame.h"

using BrvTest::findNamed;

namespace {

struct Choice {
    bool dialogSeen = false;
    QString warning; // the text of the warning shown after the choice, if any
};

// Presses the frame's open button and picks `path` in the file dialog; when a warning is
// expected, it is read and closed.
Choice chooseWatermark(IQImageStampFrame &frame, const QString &path, bool expectWarning)
{
    Choice choice;
    BrvTest::answerNextModal([&choice, path, expectWarning](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        choice.dialogSeen = true;
        if (expectWarning) {
            BrvTest::answerNextModal([&choice](QWidget *next) {
                if (auto *box = qobject_cast<QMessageBox *>(next)) {
                    choice.warning = box->text();
                    box->button(QMessageBox::Ok)->click();
                } else {
                    next->close();
                }
            });
        }
        // the name box, as a user types it (selectFile leaves a focused box alone)
        if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    findNamed<QPushButton>(&frame, "selectButn")->click();
    return choice;
}

} // namespace

class TestImageStampFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void freshFrameShowsTheRecordDefaults();
    void aValidPictureLandsInTheRecordAtFullSize();
    void aFileThatIsNoImageKeepsTheEarlierPicture();
    void customPositionShowsXAndY();
    void slidersWriteTheRecord();

private:
    QTemporaryDir dir;
};

void TestImageStampFrame::initTestCase()
{
    QVERIFY(BrvTest::loadEnglishTranslation());
    QVERIFY(dir.isValid());
}

void TestImageStampFrame::init()
{
    *IQBatchSettings::instance() = IQBatchSettings();
}

void TestImageStampFrame::freshFrameShowsTheRecordDefaults()
{
    IQBatchSettings::instance()->stampPosition = IQWatermarkPosition::Center;
    IQImageStampFrame frame;
    QCOMPARE(findNamed<QLabel>(&frame, "opacitylValueLabel")->text(), QStringLiteral("255"));
    QCOMPARE(findNamed<QLabel>(&frame, "scaleValueLabel")->text(), QStringLiteral("100%"));
    QCOMPARE(findNamed<QLabel>(&frame, "angelValueLabel")->text(), QStringLiteral("0"));
    auto *position = findNamed<QComboBox>(&frame, "positionComboBox");
    QCOMPARE(position->currentText(), QStringLiteral("Top Left"));
    QCOMPARE(position->count(), 8);
    QVERIFY(findNamed<QWidget>(&frame, "positionWidget")->isHidden());
    QCOMPARE(findNamed<QPushButton>(&frame, "selectButn")->text(), QStringLiteral("Open"));
    QCOMPARE(IQBatchSettings::instance()->stampPosition, int(IQWatermarkPosition::TopLeft));
    QCOMPARE(IQBatchSettings::instance()->stampOpacity, 255);
    QCOMPARE(IQBatchSettings::instance()->stampScale, 100);
    QVERIFY(IQBatchSettings::instance()->stampImage.isNull());
}

void TestImageStampFrame::aValidPictureLandsInTheRecordAtFullSize()
{
    const QString path = dir.filePath(QStringLiteral("tall.png"));
    const QImage tall = BrvTest::gradientImage(40, 200);
    QVERIFY(tall.save(path));

    IQImageStampFrame frame;
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    const Choice choice = chooseWatermark(frame, path, false);
    QVERIFY(choice.dialogSeen);

    const QImage stored = IQBatchSettings::instance()->stampImage;
    QCOMPARE(stored.size(), QSize(40, 200));
    QCOMPARE(stored.convertToFormat(QImage::Format_ARGB32), tall);

    auto *preview = findNamed<QLabel>(&frame, "watermarkLabel");
    const QSize box = preview->contentsRect().size();
    const QPixmap shown = preview->pixmap(Qt::ReturnByValue);
    QCOMPARE(shown.height(), box.height());
    QVERIFY2(qAbs(shown.width() - 40 * box.height() / 200) <= 1,
             qPrintable(QString::number(shown.width())));
    QCOMPARE(preview->alignment(), Qt::AlignCenter);
}

void TestImageStampFrame::aFileThatIsNoImageKeepsTheEarlierPicture()
{
    const QString good = dir.filePath(QStringLiteral("good.png"));
    QVERIFY(BrvTest::solidImage(30, 30, Qt::red).save(good));
    const QString bad = dir.filePath(QStringLiteral("notes.png"));
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("just some text, no picture");
    file.close();

    IQImageStampFrame frame;
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QVERIFY(chooseWatermark(frame, good, false).dialogSeen);
    auto *preview = findNamed<QLabel>(&frame, "watermarkLabel");
    const qint64 previewKey = preview->pixmap(Qt::ReturnByValue).cacheKey();

    const Choice choice = chooseWatermark(frame, bad, true);
    QVERIFY(choice.dialogSeen);
    QCOMPARE(choice.warning, QStringLiteral("Open Failed."));
    QCOMPARE(IQBatchSettings::instance()->stampImage.size(), QSize(30, 30));
    QCOMPARE(preview->pixmap(Qt::ReturnByValue).cacheKey(), previewKey);
}

void TestImageStampFrame::customPositionShowsXAndY()
{
    IQImageStampFrame frame;
    auto *position = findNamed<QComboBox>(&frame, "positionComboBox");
    auto *xy = findNamed<QWidget>(&frame, "positionWidget");
    position->setCurrentIndex(IQWatermarkPosition::Custom);
    QVERIFY(xy->isVisibleTo(&frame));
    QCOMPARE(IQBatchSettings::instance()->stampPosition, int(IQWatermarkPosition::Custom));

    // the x and y boxes stay usable with the module off
    findNamed<QCheckBox>(&frame, "moduleCheck")->click();
    findNamed<QSpinBox>(&frame, "xSpinBox")->setValue(120);
    findNamed<QSpinBox>(&frame, "ySpinBox")->setValue(80);
    QCOMPARE(IQBatchSettings::instance()->stampX, 120);
    QCOMPARE(IQBatchSettings::instance()->stampY, 80);

    position->setCurrentIndex(IQWatermarkPosition::BottomRight);
    QVERIFY(!xy->isVisibleTo(&frame));
    QCOMPARE(IQBatchSettings::instance()->stampX, 120);
    QCOMPARE(IQBatchSettings::instance()->stampY, 80);
}

void TestImageStampFrame::slidersWriteTheRecord()
{
    IQImageStampFrame frame;
    auto *scale = findNamed<QSlider>(&frame, "scaleSlider");
    scale->setValue(5);
    QCOMPARE(IQBatchSettings::instance()->stampScale, 10);
    QCOMPARE(findNamed<QLabel>(&frame, "scaleValueLabel")->text(), QStringLiteral("10%"));
    scale->setValue(150);
    QCOMPARE(IQBatchSettings::instance()->stampScale, 100);

    findNamed<QSlider>(&frame, "opacitySlider")->setValue(128);
    QCOMPARE(IQBatchSettings::instance()->stampOpacity, 128);
    QCOMPARE(findNamed<QLabel>(&frame, "opacitylValueLabel")->text(), QStringLiteral("128"));
    findNamed<QSlider>(&frame, "angelSlider")->setValue(45);
    QCOMPARE(IQBatchSettings::instance()->stampAngle, 45);
    QCOMPARE(findNamed<QLabel>(&frame, "angelValueLabel")->text(), QStringLiteral("45"));
}

QTEST_MAIN(TestImageStampFrame)
#include "tst_imagestampframe.moc"
