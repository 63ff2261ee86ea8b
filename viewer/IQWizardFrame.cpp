#include "IQWizardFrame.h"
#include "ui_IQWizardFrame.h"

IQWizardFrame::IQWizardFrame(QWidget *parent)
    : QFrame(parent)
    , ui(std::make_unique<Ui::IQWizardFrame>())
{
    ui->setupUi(this);
    setTexts();
}

IQWizardFrame::~IQWizardFrame() = default;

void IQWizardFrame::setTexts()
{
    ui->importButn->setText(tr("IDS_IMPORT"));
    ui->orLabel->setText(tr("IDS_OR"));
    ui->dragLabel->setText(tr("IDS_DARGDROP"));
}

void IQWizardFrame::on_importButn_clicked()
{
    emit select_file();
}
