#include "IQBatchDialog.h"
#include "ui_IQBatchDialog.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

#include "settings/IQBatchSettings.h"
#include "documents/IQFileUtils.h"
#include "settings/IQSettings.h"

namespace {

constexpr int kDefaultQuality = 90;
constexpr int kMinDuration = 50;
constexpr int kMaxDuration = 1000;
constexpr int kDefaultDuration = 100;

} // namespace

IQBatchDialog::IQBatchDialog(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::IQBatchDialog>())
    , settings(IQBatchSettings::instance())
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint);
    setWindowTitle(tr("IDS_BATCH"));
    initUi();
}

IQBatchDialog::~IQBatchDialog() = default;

void IQBatchDialog::initUi()
{
    ui->outputLabel->setText(tr("IDS_OUTPUT"));
    ui->selectButton->setText(tr("IDS_SELECT"));
    ui->formatLabel->setText(tr("IDS_FORMAT"));
    ui->cancelButton->setText(tr("IDS_CANCEL"));
    ui->convertButton->setText(tr("IDS_CONVERT"));
    ui->overwriteCheck->setText(tr("IDS_OVERWRITE"));
    ui->overwriteCheck->setChecked(settings->overwrite);

    ui->qualityDescLabel->setText(tr("IDS_QUALITY"));
    ui->durationLabel->setText(tr("IDS_DURATION"));

    connect(ui->durationSpinBox, qOverload<int>(&QSpinBox::valueChanged), this,
            [this](int value) { settings->duration = value; });
    ui->durationSpinBox->setRange(kMinDuration, kMaxDuration);
    ui->durationSpinBox->setValue(kDefaultDuration);
    ui->durationFrame->hide();

    settings->quality = sliderQuality(settings->quality);
    settings->webpQuality = sliderQuality(settings->webpQuality);

    // Filling the empty combo selects JPEG, so every opening starts there.
    ui->formatComboBox->addItems({QStringLiteral("JPEG"), QStringLiteral("PNG"),
                                  QStringLiteral("BMP"), QStringLiteral("GIF"),
                                  QStringLiteral("WEBP")});

    ui->outputEdit->setText(settings->outputDir);
    ui->outputEdit->setToolTip(settings->outputDir);
}

int IQBatchDialog::sliderQuality(int quality) const
{
    if (quality < ui->qualitySlider->minimum() || quality > ui->qualitySlider->maximum())
        return kDefaultQuality;
    return quality;
}

void IQBatchDialog::showQuality(int quality)
{
    ui->qualitySlider->setValue(quality);
    // The slider emits nothing when it already stands there.
    ui->qualityLabel->setText(QString::number(ui->qualitySlider->value()));
}

void IQBatchDialog::on_formatComboBox_currentIndexChanged(int index)
{
    settings->format = index;
    const bool hasQuality = index == IQOutputFormat::Jpeg || index == IQOutputFormat::Webp;
    const bool hasDuration = index == IQOutputFormat::Gif || index == IQOutputFormat::Webp;
    ui->qualityFrame->setVisible(hasQuality);
    ui->durationFrame->setVisible(hasDuration);
    ui->formatOptionFrame->setVisible(hasQuality || hasDuration);
    if (index == IQOutputFormat::Jpeg)
        showQuality(settings->quality);
    else if (index == IQOutputFormat::Webp)
        showQuality(settings->webpQuality);
}

void IQBatchDialog::on_qualitySlider_valueChanged(int value)
{
    if (settings->format == IQOutputFormat::Jpeg)
        settings->quality = value;
    else if (settings->format == IQOutputFormat::Webp)
        settings->webpQuality = value;
    ui->qualityLabel->setText(QString::number(value));
}

void IQBatchDialog::on_overwriteCheck_stateChanged(int arg1)
{
    settings->overwrite = arg1 == Qt::Checked;
    IQSettings::instance()->setOverwrite(settings->overwrite ? 1 : 0);
}

void IQBatchDialog::on_selectButton_clicked()
{
    QString dir;
    if (IQFileUtils::getExistingDirectory(this, &dir, IQSettings::instance()->lastBatchDir())
        != QDialog::Accepted)
        return;
    ui->outputEdit->setText(dir);
    settings->outputDir = dir;
    ui->outputEdit->setToolTip(dir);
    IQSettings::instance()->setLastBatchDir(dir);
}

bool IQBatchDialog::checkOutputDir()
{
    const QFileInfo info(settings->outputDir);
    QString message;
    // A plain file where the folder should be is as missing as no folder at all.
    if (!info.isDir())
        message = tr("IDS_DIRECTORY_NOT_EXIST");
    else if (!info.isWritable())
        message = tr("IDS_DIRECTORY_NOT_WRITEABLE");
    if (message.isEmpty())
        return true;
    QMessageBox::warning(this, QApplication::applicationDisplayName(), message, QMessageBox::Ok);
    return false;
}

void IQBatchDialog::on_convertButton_clicked()
{
    if (!checkOutputDir())
        return;
    IQSettings::instance()->setQuality(settings->quality);
    IQSettings::instance()->setWebpQuality(settings->webpQuality);
    accept();
}

void IQBatchDialog::on_cancelButton_clicked()
{
    reject();
}
