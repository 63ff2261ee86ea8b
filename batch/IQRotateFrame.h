#pragma once

#include "IQBatchModuleFrame.h"

class QButtonGroup;

namespace Ui {
class IQRotateFrame;
}

// The rotate module: no turn, a quarter turn left or right, or half a turn.
class IQRotateFrame : public IQBatchModuleFrame
{
    Q_OBJECT

public:
    explicit IQRotateFrame(QWidget *parent = nullptr);
    ~IQRotateFrame() override;

    void setControlsEnabled(bool on);

private slots:
    void onModeToggled(int id, bool status);
    void on_moduleCheck_stateChanged(int arg1);

private:
    void initUi();

    Ui::IQRotateFrame *ui;
    QButtonGroup *modeGroup = nullptr;
};
