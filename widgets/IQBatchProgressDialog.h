#pragma once

#include <QProgressDialog>

// A progress dialog that only the end of its work closes: neither Escape, a close request nor
// reaching the maximum ends it while a worker still reads what the dialog holds still.
class IQBatchProgressDialog : public QProgressDialog
{
    Q_OBJECT

public:
    explicit IQBatchProgressDialog(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    IQBatchProgressDialog(const QString &labelText, const QString &cancelButtonText, int minimum,
                          int maximum, QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    // Closes the dialog for good, ending its exec.
    void finish();

    bool isFinished() const { return finished; }

protected:
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void holdAtMaximum();

    bool finished = false;
};
