#include "IQBatchProgressDialog.h"

#include <QCloseEvent>

IQBatchProgressDialog::IQBatchProgressDialog(QWidget *parent, Qt::WindowFlags flags)
    : QProgressDialog(parent, flags)
{
    holdAtMaximum();
}

IQBatchProgressDialog::IQBatchProgressDialog(const QString &labelText,
                                             const QString &cancelButtonText, int minimum,
                                             int maximum, QWidget *parent, Qt::WindowFlags flags)
    : QProgressDialog(labelText, cancelButtonText, minimum, maximum, parent, flags)
{
    holdAtMaximum();
}

void IQBatchProgressDialog::holdAtMaximum()
{
    // A plain progress dialog hides itself when its value reaches the maximum, which would end
    // the modal hold while the worker still has its last steps to take.
    setAutoReset(false);
    setAutoClose(false);
}

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
