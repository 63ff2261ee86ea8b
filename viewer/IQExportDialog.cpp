#include "IQExportDialog.h"
#include "ui_IQExportDialog.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QStringList>

#include "settings/IQBatchSettings.h"
#include "documents/IQFileUtils.h"
#include "documents/IQImageFile.h"
#include "settings/IQSettings.h"

namespace {

constexpr int kMinQuality = 50;
constexpr int kMaxQuality = 100;
constexpr int kMinDuration = 50;
constexpr int kMaxDuration = 1000;

// Any text free of the characters that file names cannot hold.
const QString kNamePattern = QStringLiteral("[^\\\\/:*?\"<>|]*");

// The animation list offers GIF and WEBP only, which are formats 3 and 4.
constexpr int kAnimationFormatOffset = IQOutputFormat::Gif;

} // namespace

IQExportDialog::IQExportDialog(IQImageFile *imageFile, const IQExportOptions *options,
                               QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::IQExportDialog>())
    , imageFile(imageFile)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint);
    setWindowTitle(tr("IDS_EXPORT"));
    if (options) {
        option = options->option;
        format = options->format;
        // The controls cannot show anything outside these ranges, and what the dialog hands
        // back must be what the user saw.
        quality = qBound(kMinQuality, options->quality, kMaxQuality);
        webpQuality = qBound(kMinQuality, options->webpQuality, kMaxQuality);
        duration = qBound(kMinDuration, options->duration, kMaxDuration);
        name = options->name;
        apply = options->apply;
        outputDir = options->outputDir;
    }
    initUi();
}

IQExportDialog::~IQExportDialog() = default;

void IQExportDialog::exportOptions(IQExportOptions *options) const
{
    options->option = option;
    options->format = format;
    options->quality = quality;
    options->webpQuality = webpQuality;
    options->duration = duration;
    options->name = name;
    options->apply = apply;
    options->outputDir = outputDir;
}

QString IQExportDialog::formatSuffix(int format)
{
    static const QStringList kSuffixes = {QStringLiteral("jpg"), QStringLiteral("png"),
                                          QStringLiteral("bmp"), QStringLiteral("gif"),
                                          QStringLiteral("webp")};
    return kSuffixes.value(format);
}

void IQExportDialog::initUi()
{
    ui->optionLabel->setText(tr("IDS_OPTION"));
    ui->selectButton->setText(tr("IDS_SELECT"));
    {
        // The option list is filled before the format list exists; the end of initUi
        // selects the first option and fills the formats.
        const QSignalBlocker blocker(ui->optionComboBox);
        ui->optionComboBox->addItems({tr("IDS_EXPORT_CURRENT_FRAME"), tr("IDS_EXPORT_ALL_FRAME"),
                                      tr("IDS_EXPORT_AS_ANIMATION")});
    }
    if (imageFile && imageFile->kind() == DocumentInfo::Still) {
        ui->optionLabel->hide();
        ui->optionComboBox->hide();
    }
    ui->formatLabel->setText(tr("IDS_FORMAT"));
    ui->cancelButton->setText(tr("IDS_CANCEL"));
    ui->convertButton->setText(tr("IDS_EXPORT"));
    ui->qualityDescLabel->setText(tr("IDS_QUALITY"));
    showQuality(quality);

    ui->durationLabel->setText(tr("IDS_DURATION"));
    ui->durationSpinBox->setRange(kMinDuration, kMaxDuration);
    ui->durationSpinBox->setValue(duration);
    ui->durationFrame->hide();

    ui->nameLabel->setText(tr("IDS_NAME"));
    ui->nameEdit->setText(name);
    ui->nameEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(kNamePattern), this));
    on_nameEdit_textChanged(ui->nameEdit->text());

    ui->outputLabel->setText(tr("IDS_OUTPUT"));
    ui->outputEdit->setText(outputDir);

    ui->applyCheckBox->setText(tr("IDS_APPLY_SETTINGS"));
    ui->applyCheckBox->setCheckState(apply ? Qt::Checked : Qt::Unchecked);

    ui->optionComboBox->setCurrentIndex(0);
    on_optionComboBox_currentIndexChanged(0);
}

void IQExportDialog::showQuality(int value)
{
    // Moving the slider by hand stores the value in the chosen format's quality; putting a
    // stored quality on show must not store it in another format's.
    const QSignalBlocker blocker(ui->qualitySlider);
    ui->qualitySlider->setValue(value);
    ui->qualityLabel->setText(QString::number(ui->qualitySlider->value()));
}

void IQExportDialog::on_optionComboBox_currentIndexChanged(int index)
{
    option = index;
    QStringList formats;
    if (index == IQExportOptions::CurrentFrame || index == IQExportOptions::AllFrames)
        formats = QStringList{QStringLiteral("JPEG"), QStringLiteral("PNG"), QStringLiteral("BMP"),
                              QStringLiteral("GIF"), QStringLiteral("WEBP")};
    else if (index == IQExportOptions::Animation)
        formats = QStringList{QStringLiteral("GIF"), QStringLiteral("WEBP")};
    else
        return;
    {
        const QSignalBlocker blocker(ui->formatComboBox);
        ui->formatComboBox->clear();
        ui->formatComboBox->addItems(formats);
        ui->formatComboBox->setCurrentIndex(0);
    }
    on_formatComboBox_currentIndexChanged(0);
}

void IQExportDialog::on_formatComboBox_currentIndexChanged(int index)
{
    if (index < 0)
        return; // the list is being refilled
    format = index + (option == IQExportOptions::Animation ? kAnimationFormatOffset : 0);
    if (format > IQOutputFormat::Webp)
        return;

    const bool animated = imageFile && imageFile->kind() == DocumentInfo::Animated;
    const bool hasQuality = format == IQOutputFormat::Jpeg || format == IQOutputFormat::Webp;
    const bool hasDuration = option == IQExportOptions::Animation && animated;
    const bool hasOptions = format != IQOutputFormat::Png && format != IQOutputFormat::Bmp;
    ui->qualityFrame->setVisible(hasQuality);
    ui->durationFrame->setVisible(hasDuration);
    ui->formatOptionFrame->setVisible(hasOptions);
    if (format == IQOutputFormat::Jpeg)
        showQuality(quality);
    else if (format == IQOutputFormat::Webp)
        showQuality(webpQuality);
}

void IQExportDialog::on_qualitySlider_valueChanged(int value)
{
    if (format == IQOutputFormat::Jpeg)
        quality = value;
    else if (format == IQOutputFormat::Webp)
        webpQuality = value;
    ui->qualityLabel->setText(QString::number(value));
}

void IQExportDialog::on_durationSpinBox_valueChanged(int arg1)
{
    duration = arg1;
}

void IQExportDialog::on_nameEdit_textChanged(const QString &arg1)
{
    name = arg1;
    ui->convertButton->setEnabled(!arg1.isEmpty());
}

void IQExportDialog::on_applyCheckBox_stateChanged(int arg1)
{
    apply = arg1 == Qt::Checked;
}

void IQExportDialog::on_selectButton_clicked()
{
    QString dir;
    if (IQFileUtils::getExistingDirectory(this, &dir, outputDir) != QDialog::Accepted
        || dir.isEmpty())
        return;
    ui->outputEdit->setText(dir);
    outputDir = dir;
    ui->outputEdit->setToolTip(dir);
    IQSettings::instance()->setLastSaveDir(dir);
}

bool IQExportDialog::checkOutputDir()
{
    const QFileInfo info(outputDir);
    QString message;
    // A plain file where the folder should be is as missing as no folder at all.
    if (outputDir.isEmpty() || !info.isDir())
        message = tr("IDS_DIRECTORY_NOT_EXIST");
    else if (!info.isWritable())
        message = tr("IDS_DIRECTORY_NOT_WRITEABLE");
    if (message.isEmpty())
        return true;
    QMessageBox::warning(this, QApplication::applicationDisplayName(), message, QMessageBox::Ok);
    return false;
}

void IQExportDialog::on_convertButton_clicked()
{
    if (checkOutputDir())
        accept();
}

void IQExportDialog::on_cancelButton_clicked()
{
    reject();
}
