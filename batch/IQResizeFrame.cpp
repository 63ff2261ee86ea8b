#include "IQResizeFrame.h"
#include "ui_IQResizeFrame.h"

#include <QIntValidator>

#include "settings/IQBatchSettings.h"

namespace {

enum ResizeMode { ByWidth = 0, ByHeight = 1, ByPercentage = 2, Free = 3 };

// QIntValidator takes any number with no more digits than its top as input in progress, so
// 1001 would pass a top of 1000. Values below the bottom stay acceptable while typing.
class CappedIntValidator : public QIntValidator
{
public:
    CappedIntValidator(int bottom, int top, QObject *parent)
        : QIntValidator(bottom, top, parent)
    {
    }

    State validate(QString &input, int &pos) const override
    {
        const State state = QIntValidator::validate(input, pos);
        if (state != Intermediate)
            return state;
        bool ok = false;
        const qlonglong value = locale().toLongLong(input, &ok);
        return ok && value > top() ? Invalid : state;
    }
};

int editValue(const QString &text)
{
    return text.toInt(nullptr, 10);
}

} // namespace

IQResizeFrame::IQResizeFrame(QWidget *parent)
    : IQBatchModuleFrame(parent)
    , ui(new Ui::IQResizeFrame)
{
    ui->setupUi(this);
    initUi();
}

IQResizeFrame::~IQResizeFrame()
{
    delete ui;
}

void IQResizeFrame::initUi()
{
    IQBatchSettings *settings = IQBatchSettings::instance();

    ui->modeDescLabel->setText(tr("IDS_MODE"));
    ui->modeComboBox->addItems({tr("IDS_BY_WIDTH"), tr("IDS_BY_HEIGHT"), tr("IDS_BY_PERCENTAGE"),
                                tr("IDS_FREE")});
    ui->modeComboBox->setCurrentIndex(settings->resizeMode);

    ui->widthDescLabel->setText(tr("IDS_WIDTH"));
    ui->widthPixelLabel->setText(tr("IDS_PIXEL"));
    ui->heightDescLabel->setText(tr("IDS_HEIGHT"));
    ui->heightPixelLabel->setText(tr("IDS_PIXEL"));
    ui->resolutionDescLabel->setText(tr("IDS_RESOLUTION"));
    ui->dpiLabel->setText(tr("IDS_RESOLUTION_DPI"));
    for (QLabel *label : {ui->modeDescLabel, ui->widthDescLabel, ui->widthPixelLabel,
                          ui->heightDescLabel, ui->heightPixelLabel, ui->resolutionDescLabel,
                          ui->dpiLabel})
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    ui->widthEdit->setValidator(new CappedIntValidator(10, 1000, this));
    ui->heightEdit->setValidator(new CappedIntValidator(10, 1000, this));
    ui->resolutionEdit->setValidator(new CappedIntValidator(10, 100, this));
    ui->resolutionEdit->setText(QString::number(settings->resolution));

    ui->enlargeCheck->setText(tr("IDS_ENLARGE_SMALL"));

    setupHeader(ui->moduleNameLabel, tr("IDS_RESIZE_UPPER"), ui->moduleCheck,
                settings->resizeEnabled, ui->moduleLine);
    setControlsEnabled(settings->resizeEnabled);
}

void IQResizeFrame::setControlsEnabled(bool on)
{
    ui->widthEdit->setEnabled(on);
    ui->heightEdit->setEnabled(on);
    ui->resolutionEdit->setEnabled(on);
    ui->modeComboBox->setEnabled(on);
    ui->enlargeCheck->setEnabled(on);
}

void IQResizeFrame::on_modeComboBox_currentIndexChanged(int index)
{
    IQBatchSettings *settings = IQBatchSettings::instance();
    settings->resizeMode = index;
    if (index < ByWidth || index > Free)
        return;

    const bool percentage = index == ByPercentage;
    ui->widthDescLabel->setText(index == ByHeight       ? tr("IDS_HEIGHT")
                                : percentage            ? tr("IDS_PERCENTAGE")
                                                        : tr("IDS_WIDTH"));
    ui->widthPixelLabel->setText(percentage ? tr("%") : tr("IDS_PIXEL"));
    const bool free = index == Free;
    ui->heightDescLabel->setVisible(free);
    ui->heightEdit->setVisible(free);
    ui->heightPixelLabel->setVisible(free);
    ui->enlargeCheck->setVisible(!percentage);

    ui->widthEdit->clear();
    // The fields the new mode uses must hold what its visible edits show: a value typed in
    // another mode would otherwise act unseen.
    on_widthEdit_textChanged(ui->widthEdit->text());
    if (free)
        on_heightEdit_textChanged(ui->heightEdit->text());
}

void IQResizeFrame::on_widthEdit_textChanged(const QString &arg1)
{
    IQBatchSettings *settings = IQBatchSettings::instance();
    const int value = editValue(arg1);
    switch (settings->resizeMode) {
    case ByWidth:
    case Free:
        settings->resizeWidth = value;
        break;
    case ByHeight:
        settings->resizeHeight = value;
        break;
    case ByPercentage:
        settings->resizePercent = value;
        break;
    default:
        break;
    }
}

void IQResizeFrame::on_moduleCheck_stateChanged(int arg1)
{
    const bool enabled = arg1 == Qt::Checked;
    setControlsEnabled(enabled);
    IQBatchSettings::instance()->resizeEnabled = enabled;
}

void IQResizeFrame::on_heightEdit_textChanged(const QString &arg1)
{
    IQBatchSettings::instance()->resizeHeight = editValue(arg1);
}

void IQResizeFrame::on_resolutionEdit_textChanged(const QString &arg1)
{
    IQBatchSettings::instance()->resolution = editValue(arg1);
}

void IQResizeFrame::on_enlargeCheck_stateChanged(int arg1)
{
    IQBatchSettings::instance()->enlarge = arg1 == Qt::Checked;
}
