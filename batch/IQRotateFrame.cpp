#include "IQRotateFrame.h"
#include "ui_IQRotateFrame.h"

#include <QButtonGroup>

#include "settings/IQBatchSettings.h"

IQRotateFrame::IQRotateFrame(QWidget *parent)
    : IQBatchModuleFrame(parent)
    , ui(new Ui::IQRotateFrame)
{
    ui->setupUi(this);
    initUi();
}

IQRotateFrame::~IQRotateFrame()
{
    delete ui;
}

void IQRotateFrame::initUi()
{
    ui->radioButton_1->setText(tr("IDS_BASIC_ROTATE_NO"));
    ui->radioButton_2->setText(tr("IDS_BASIC_ROTATE_LEFT"));
    ui->radioButton_3->setText(tr("IDS_BASIC_ROTATE_RIGHT"));
    ui->radioButton_4->setText(tr("180"));

    // The ids are the record's rotate modes.
    modeGroup = new QButtonGroup(this);
    modeGroup->setExclusive(true);
    modeGroup->addButton(ui->radioButton_1, 0);
    modeGroup->addButton(ui->radioButton_2, 1);
    modeGroup->addButton(ui->radioButton_3, 2);
    modeGroup->addButton(ui->radioButton_4, 3);
    modeGroup->button(0)->setChecked(true);
    connect(modeGroup, &QButtonGroup::idToggled, this,
            &IQRotateFrame::onModeToggled);

    IQBatchSettings *settings = IQBatchSettings::instance();
    setupHeader(ui->moduleNameLabel, tr("IDS_ROTATE_UPPER"), ui->moduleCheck,
                settings->rotateEnabled, ui->moduleLine);
    ui->filmGrainBox->setStyleSheet(QStringLiteral("background-color: black;"));
    setControlsEnabled(settings->rotateEnabled);
}

void IQRotateFrame::setControlsEnabled(bool on)
{
    const QList<QAbstractButton *> buttons = modeGroup->buttons();
    for (QAbstractButton *button : buttons)
        button->setEnabled(on);
}

void IQRotateFrame::onModeToggled(int id, bool status)
{
    if (status)
        IQBatchSettings::instance()->rotateMode = id;
}

void IQRotateFrame::on_moduleCheck_stateChanged(int arg1)
{
    const bool enabled = arg1 == Qt::Checked;
    IQBatchSettings::instance()->rotateEnabled = enabled;
    setControlsEnabled(enabled);
}
