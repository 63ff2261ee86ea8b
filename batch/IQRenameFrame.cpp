#include "IQRenameFrame.h"
#include "ui_IQRenameFrame.h"

#include <QRegExp>
#include <QRegExpValidator>

#include "settings/IQBatchSettings.h"

namespace {

constexpr int kMinStartNumber = 1;
constexpr int kMaxStartNumber = 99;

} // namespace

IQRenameFrame::IQRenameFrame(QWidget *parent)
    : IQBatchModuleFrame(parent)
    , ui(new Ui::IQRenameFrame)
{
    ui->setupUi(this);
    initUi();
}

IQRenameFrame::~IQRenameFrame()
{
    delete ui;
}

void IQRenameFrame::initUi()
{
    // Characters that no file name may hold on the platforms the program runs on.
    auto *validator = new QRegExpValidator(
        QRegExp(QStringLiteral("[^\\\\/:*?\"<>|]*"), Qt::CaseSensitive, QRegExp::RegExp), this);

    ui->prefixDescLabel->setText(tr("IDS_BASIC_PREFIX"));
    ui->suffixDescLabel->setText(tr("IDS_BASIC_SUFFIX"));
    ui->newNameDescLabel->setText(tr("IDS_BASIC_NEWNAME"));
    ui->startLabel->setText(tr("IDS_BASIC_START_WITH"));
    ui->sampleNameLabel->setText(tr("IDS_SAMPLE_NAME"));
    ui->prefixEdit->setValidator(validator);
    ui->suffixEdit->setValidator(validator);
    ui->newNameEdit->setValidator(validator);

    IQBatchSettings *settings = IQBatchSettings::instance();
    setupHeader(ui->moduleNameLabel, tr("IDS_BASIC_RENAME"), ui->moduleCheck,
                settings->renameEnabled, ui->moduleLine);
    ui->filmGrainBox->setStyleSheet(QStringLiteral("background-color: black;"));
    setControlsEnabled(settings->renameEnabled);
}

void IQRenameFrame::setControlsEnabled(bool on)
{
    ui->newNameEdit->setEnabled(on);
    ui->suffixEdit->setEnabled(on);
    ui->prefixEdit->setEnabled(on);
    ui->startSpinBox->setEnabled(on);
}

QString IQRenameFrame::updateSampleName() const
{
    const IQBatchSettings *settings = IQBatchSettings::instance();
    const QString name = settings->newName.isEmpty() ? QStringLiteral("-----") : settings->newName;
    // One pass, so a "%1" typed by the user stays as typed.
    return QStringLiteral("%1%2%3_%4")
        .arg(settings->prefix, name, settings->suffix, QString::number(settings->startNumber));
}

void IQRenameFrame::showSampleName()
{
    ui->startIndexNoteLabel->setText(updateSampleName());
}

void IQRenameFrame::on_prefixEdit_textChanged(const QString &arg1)
{
    IQBatchSettings::instance()->prefix = arg1;
    showSampleName();
}

void IQRenameFrame::on_suffixEdit_textChanged(const QString &arg1)
{
    IQBatchSettings::instance()->suffix = arg1;
    showSampleName();
}

void IQRenameFrame::on_newNameEdit_textChanged(const QString &arg1)
{
    IQBatchSettings::instance()->newName = arg1;
    showSampleName();
}

void IQRenameFrame::on_startSpinBox_valueChanged(int arg1)
{
    IQBatchSettings::instance()->startNumber = qBound(kMinStartNumber, arg1, kMaxStartNumber);
    showSampleName();
}

void IQRenameFrame::on_moduleCheck_stateChanged(int arg1)
{
    const bool enabled = arg1 == Qt::Checked;
    setControlsEnabled(enabled);
    IQBatchSettings::instance()->renameEnabled = enabled;
}
