#include "IQImageStampFrame.h"
#include "ui_IQImageStampFrame.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>

#include "settings/IQBatchSettings.h"

IQImageStampFrame::IQImageStampFrame(QWidget *parent)
    : IQWatermarkFrame(parent)
    , ui(new Ui::IQImageStampFrame)
{
    ui->setupUi(this);
    initUi();
}

IQImageStampFrame::~IQImageStampFrame()
{
    delete ui;
}

void IQImageStampFrame::initUi()
{
    setPlacement({&IQBatchSettings::stampAngle, &IQBatchSettings::stampPosition,
                  &IQBatchSettings::stampX, &IQBatchSettings::stampY, ui->angelValueLabel,
                  ui->positionWidget});
    IQBatchSettings *settings = IQBatchSettings::instance();
    setupHeader(ui->moduleNameLabel, tr("IDS_IMAGE_STAMP"), ui->moduleCheck,
                settings->stampEnabled, ui->moduleLine);
    ui->filmGrainBox->setStyleSheet(QStringLiteral("background-color: black;"));

    ui->selectButn->setText(tr("IDS_OPEN"));

    ui->opacitylDescLabel->setText(tr("IDS_IMAGE_OPACITY"));
    ui->opacitylValueLabel->setNum(settings->stampOpacity);
    ui->opacitySlider->setValue(settings->stampOpacity);

    ui->scaleDescLabel->setText(tr("IDS_IMAGE_SCALE"));
    ui->scaleValueLabel->setText(QString::number(settings->stampScale) + QLatin1Char('%'));
    ui->scaleSlider->setValue(settings->stampScale);

    ui->angelDescLabel->setText(tr("IDS_IMAGE_ANGEL"));
    ui->angelValueLabel->setNum(settings->stampAngle);
    ui->angelSlider->setValue(settings->stampAngle);

    ui->positionDescLabel->setText(tr("IDS_IMAGE_POSITION"));
    ui->positionComboBox->addItems(positionItems(staticMetaObject));
    ui->positionWidget->hide();
    ui->xDescLabel->setText(tr("IDS_X"));
    ui->yDescLabel->setText(tr("IDS_Y"));

    setControlsEnabled(settings->stampEnabled);
}

void IQImageStampFrame::setControlsEnabled(bool on)
{
    ui->selectButn->setEnabled(on);
    ui->opacitySlider->setEnabled(on);
    ui->scaleSlider->setEnabled(on);
    ui->angelSlider->setEnabled(on);
    ui->positionComboBox->setEnabled(on);
}

void IQImageStampFrame::on_selectButn_clicked()
{
    const QString path = QFileDialog::getOpenFileName(
        nullptr, tr("IDS_SELECT_WATERMARK"), QString(),
        QStringLiteral("All images(*.jpg *.jpeg *.png *.bmp);;JPEG (*.jpg *.jpeg);;PNG (*.png);;"
                       "Bitmap (*.bmp)"));
    if (path.isEmpty())
        return;

    const QImage image(path);
    if (image.isNull()) {
        QMessageBox::warning(this, QGuiApplication::applicationDisplayName(),
                             tr("IDS_OPEN_FAILED"), QMessageBox::Ok);
        return;
    }

    IQBatchSettings::instance()->stampImage = image;
    // The record keeps the full picture; only the preview is scaled down.
    const QPixmap preview = QPixmap::fromImage(image).scaled(
        ui->watermarkLabel->contentsRect().size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    ui->watermarkLabel->setAlignment(Qt::AlignCenter);
    ui->watermarkLabel->setPixmap(preview);
}

void IQImageStampFrame::on_opacitySlider_valueChanged(int value)
{
    IQBatchSettings::instance()->stampOpacity = value;
    ui->opacitylValueLabel->setNum(value);
}

void IQImageStampFrame::on_scaleSlider_valueChanged(int value)
{
    IQBatchSettings::instance()->stampScale = value;
    ui->scaleValueLabel->setText(QString::number(value) + QLatin1Char('%'));
}

void IQImageStampFrame::on_moduleCheck_stateChanged(int arg1)
{
    const bool enabled = arg1 == Qt::Checked;
    setControlsEnabled(enabled);
    IQBatchSettings::instance()->stampEnabled = enabled;
}
