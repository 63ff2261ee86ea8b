#pragma once

#include "IQBatchModuleFrame.h"

namespace Ui {
class IQRenameFrame;
}

// The rename module: prefix, suffix, new base name and the counter's start number, with a
// sample of the resulting name.
class IQRenameFrame : public IQBatchModuleFrame
{
    Q_OBJECT

public:
    explicit IQRenameFrame(QWidget *parent = nullptr);
    ~IQRenameFrame() override;

    void setControlsEnabled(bool on);
    // The sample output name for the record's current rename fields.
    QString updateSampleName() const;

private slots:
    void on_prefixEdit_textChanged(const QString &arg1);
    void on_suffixEdit_textChanged(const QString &arg1);
    void on_newNameEdit_textChanged(const QString &arg1);
    void on_startSpinBox_valueChanged(int arg1);
    void on_moduleCheck_stateChanged(int arg1);

private:
    void initUi();
    void showSampleName();

    Ui::IQRenameFrame *ui;
};
