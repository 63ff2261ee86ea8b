#include "IQBorderFrame.h"
#include "ui_IQBorderFrame.h"

#include "settings/IQBatchSettings.h"

IQBorderFrame::IQBorderFrame(QWidget *parent)
    : IQBatchModuleFrame(parent)
    , ui(new Ui::IQBorderFrame)
{
    ui->setupUi(this);
    initUi();
}

IQBorderFrame::~IQBorderFrame()
{
    delete ui;
}

void IQBorderFrame::initUi()
{
    IQBatchSettings *settings = IQBatchSettings::instance();

    ui->widthDescLabel->setText(tr("IDS_BORDER_WIDTH"));
    ui->widthDescLabel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    ui->pixelLabel->setText(tr("IDS_PIXEL"));
    ui->colorLabel->setText(tr("IDS_BORDER_COLOR"));

    ui->colorWidget->setLabelText(QString());
    connect(ui->colorWidget, &QColorWidget::colorChanged, this, &IQBorderFrame::onColorChanged);
    ui->colorWidget->setMaximumWidth(200);

    ui->opacityLabel->setText(tr("IDS_OPACITY"));
    alpha = settings->borderColor.alpha();
    ui->opacitySlider->setValue(alpha);
    ui->opacityValueLabel->setNum(alpha);

    setupHeader(ui->moduleNameLabel, tr("IDS_BASIC_BORDER"), ui->moduleCheck,
                settings->borderEnabled, ui->moduleLine);
    ui->filmGrainBox->setStyleSheet(QStringLiteral("background-color: black;"));
    setControlsEnabled(settings->borderEnabled);
}

void IQBorderFrame::setControlsEnabled(bool on)
{
    ui->colorWidget->setEnabled(on);
    ui->widthSpinBox->setEnabled(on);
}

void IQBorderFrame::on_widthSpinBox_valueChanged(int arg1)
{
    IQBatchSettings::instance()->borderWidth = arg1;
}

void IQBorderFrame::onColorChanged(const QColor &color)
{
    // The chooser gives the hue; the opacity slider alone decides the alpha.
    QColor &border = IQBatchSettings::instance()->borderColor;
    border = color;
    border.setAlpha(alpha);
}

void IQBorderFrame::on_opacitySlider_valueChanged(int value)
{
    IQBatchSettings::instance()->borderColor.setAlpha(value);
    alpha = value;
    ui->opacityValueLabel->setNum(value);
}

void IQBorderFrame::on_moduleCheck_stateChanged(int arg1)
{
    const bool enabled = arg1 == Qt::Checked;
    setControlsEnabled(enabled);
    IQBatchSettings::instance()->borderEnabled = enabled;
}
