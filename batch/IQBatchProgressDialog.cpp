#include "IQBatchProgressDialog.h"

#include <QCloseEvent>

void IQBatchProgressDialog::finish()
{
    finished = true;
    close();
}

void IQBatchProgressDialog::reject()
{
    if (finished)
        QProgressDialog::reject();
}

void IQBatchProgressDialog::closeEvent(QCloseEvent *event)
{
    if (finished)
        QProgressDialog::closeEvent(event);
    else
        event->ignore();
}
