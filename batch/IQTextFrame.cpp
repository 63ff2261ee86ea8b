#include "IQTextFrame.h"
#include "ui_IQTextFrame.h"

#include <QFontDatabase>
#include <QIntValidator>

#include "settings/IQBatchSettings.h"

namespace {

constexpr int kMinPixelSize = 9;
constexpr int kMaxPixelSize = 300;

} // namespace

IQTextFrame::IQTextFrame(QWidget *parent)
    : IQWatermarkFrame(parent)
    , ui(new Ui::IQTextFrame)
{
    ui->setupUi(this);
    initUi();
}

IQTextFrame::~IQTextFrame()
{
    delete ui;
}

void IQTextFrame::initUi()
{
    setPlacement({&IQBatchSettings::textAngle, &IQBatchSettings::textPosition,
                  &IQBatchSettings::textX, &IQBatchSettings::textY, ui->angelValueLabel,
                  ui->positionWidget});
    IQBatchSettings *settings = IQBatchSettings::instance();
    setupHeader(ui->moduleNameLabel, tr("IDS_TEXT_STAMP"), ui->moduleCheck,
                settings->textEnabled, ui->moduleLine);
    ui->filmGrainBox->setStyleSheet(QStringLiteral("background-color: black;"));

    ui->textDescLabel->setText(tr("IDS_TEXT"));
    ui->fontDescLabel->setText(tr("IDS_TEXT_FONT"));
    ui->styleDescLabel->setText(tr("IDS_STYLE"));
    ui->styleComboBox->addItems({tr("IDS_NORMAL"), tr("IDS_BOLD"), tr("IDS_ITALIC")});

    ui->colorDescLabel->setText(tr("IDS_TEXT_COLOR"));
    connect(ui->colorButn, &QtColorPicker::colorChanged, this, &IQTextFrame::onColorChanged);

    // Filling the list makes its first size current, which the slots store on the way; the
    // size read first is restored afterwards.
    ui->sizeDescLabel->setText(tr("IDS_TEXT_SIZE"));
    const int pixelSize = settings->textPixelSize;
    const QString sizeText = QString::number(pixelSize);
    QStringList sizes;
    const QList<int> standardSizes = QFontDatabase::standardSizes();
    for (int size : standardSizes)
        sizes << QString::number(size);
    ui->fontSizeComboBox->addItems(sizes);
    ui->fontSizeComboBox->setCurrentText(sizeText);
    ui->fontSizeComboBox->setEditable(true);
    ui->fontSizeComboBox->setValidator(new QIntValidator(kMinPixelSize, kMaxPixelSize, this));
    if (ui->fontSizeComboBox->currentText() != sizeText) // not a standard size
        ui->fontSizeComboBox->setEditText(sizeText);

    ui->angelDescLabel->setText(tr("IDS_TEXT_ANGEL"));
    ui->angelValueLabel->setNum(settings->textAngle);
    ui->angelSlider->setValue(settings->textAngle);

    ui->positionDescLabel->setText(tr("IDS_TEXT_POSITION"));
    {
        const QSignalBlocker blocker(ui->positionComboBox);
        ui->positionComboBox->addItems(positionItems(staticMetaObject));
        ui->positionComboBox->setCurrentIndex(IQWatermarkPosition::BottomRight);
    }
    ui->xDescLabel->setText(tr("IDS_X"));
    ui->yDescLabel->setText(tr("IDS_Y"));
    ui->positionWidget->hide();

    setControlsEnabled(settings->textEnabled);
}

void IQTextFrame::setControlsEnabled(bool on)
{
    ui->plainTextEdit->setEnabled(on);
    ui->styleComboBox->setEnabled(on);
    ui->fontComboBox->setEnabled(on);
    ui->colorButn->setEnabled(on);
    ui->fontSizeComboBox->setEnabled(on);
    ui->angelSlider->setEnabled(on);
    ui->positionComboBox->setEnabled(on);
    ui->xSpinBox->setEnabled(on);
    ui->ySpinBox->setEnabled(on);
}

void IQTextFrame::on_plainTextEdit_textChanged()
{
    IQBatchSettings::instance()->text = ui->plainTextEdit->toPlainText();
}

void IQTextFrame::on_fontComboBox_currentFontChanged(const QFont &f)
{
    IQBatchSettings::instance()->textFont = f;
}

void IQTextFrame::on_styleComboBox_currentIndexChanged(int index)
{
    IQBatchSettings::instance()->textStyle = index;
}

void IQTextFrame::onColorChanged(const QColor &color)
{
    IQBatchSettings::instance()->textColor = color;
}

void IQTextFrame::on_fontSizeComboBox_currentTextChanged(const QString &arg1)
{
    IQBatchSettings::instance()->textPixelSize =
        qBound(kMinPixelSize, arg1.toInt(nullptr, 10), kMaxPixelSize);
}

void IQTextFrame::on_fontSizeComboBox_currentIndexChanged(const QString &arg1)
{
    // A size picked from the list is taken as it stands, even below the typed minimum.
    IQBatchSettings::instance()->textPixelSize = arg1.toInt(nullptr, 10);
}

void IQTextFrame::on_moduleCheck_stateChanged(int arg1)
{
    const bool enabled = arg1 == Qt::Checked;
    IQBatchSettings::instance()->textEnabled = enabled;
    setControlsEnabled(enabled);
}
