#include "IQGuideDialog.h"

#include "settings/IQSettings.h"
#include "ui_IQGuideDialog.h"

IQGuideDialog::IQGuideDialog(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::IQGuideDialog>())
{
    ui->setupUi(this); // connects the slots by name
    setWindowFlags(Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    setTexts();
}

IQGuideDialog::~IQGuideDialog() = default;

void IQGuideDialog::setTexts()
{
    setWindowTitle(tr("Dialog"));
    ui->showAgainChckButn->setText(tr("IDS_AC_DONTSHOWAGAIN"));
    ui->okButn->setText(tr("IDS_AC_CLOSE"));
}

void IQGuideDialog::on_okButn_clicked()
{
    accept();
}

void IQGuideDialog::on_showAgainChckButn_stateChanged(int)
{
    IQSettings::instance()->setShowGuide(int(ui->showAgainChckButn->checkState()));
}
