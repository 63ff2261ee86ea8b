#pragma once

#include <QProgressDialog>

// The progress dialog of a batch, which only the end of the batch closes: neither Escape nor
// a close request ends it while the worker still reads the batch record.
class IQBatchProgressDialog : public QProgressDialog
{
    Q_OBJECT

public:
    using QProgressDialog::QProgressDialog;

    // Closes the dialog for good, ending its exec.
    void finish();

protected:
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool finished = false;
};
