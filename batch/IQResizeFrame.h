#pragma once

#include "IQBatchModuleFrame.h"

namespace Ui {
class IQResizeFrame;
}

// The resize module: mode, target size or percentage, output resolution and whether small
// images may be enlarged.
class IQResizeFrame : public IQBatchModuleFrame
{
    Q_OBJECT

public:
    explicit IQResizeFrame(QWidget *parent = nullptr);
    ~IQResizeFrame() override;

    void setControlsEnabled(bool on);

private slots:
    void on_modeComboBox_currentIndexChanged(int index);
    void on_widthEdit_textChanged(const QString &arg1);
    void on_moduleCheck_stateChanged(int arg1);
    void on_heightEdit_textChanged(const QString &arg1);
    void on_resolutionEdit_textChanged(const QString &arg1);
    void on_enlargeCheck_stateChanged(int arg1);

private:
    void initUi();

    Ui::IQResizeFrame *ui;
};
